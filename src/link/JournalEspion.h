#pragma once
// The exchange log of the link: one entry per register exchange, the register address and the
// value written or read (the status word for the measurement block). The exchanges' thread writes
// it while the link window copies it: each call takes the log's lock.

#include <QString>

#include <cstdint>
#include <mutex>
#include <vector>

class JournalEspion {
public:
    static constexpr int capacite = 100000;

    // Past the capacity the oldest entries give way: the latest exchanges are the useful ones.
    void ajoute(int32_t adresse, int32_t mot);
    void vide();
    int count() const;
    // Entry i = 1..count, oldest first.
    std::pair<int32_t, int32_t> entree(int i) const;
    // Every entry, oldest first.
    std::vector<std::pair<int32_t, int32_t>> entrees() const;

private:
    mutable std::mutex m_verrou;
    std::vector<std::pair<int32_t, int32_t>> m_entrees;
    int m_debut = 0;
};

// One line per entry: A, tab, B, tab, then the bits of B 15..12, 11..8, 7..4, 3..0 as four groups
// of binary digits separated by tabs; CR LF.
QString TexteEspion(const JournalEspion& journal);
