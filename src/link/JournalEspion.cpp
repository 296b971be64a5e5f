#include "JournalEspion.h"

void JournalEspion::ajoute(int32_t adresse, int32_t mot) {
    std::lock_guard l(m_verrou);
    if (int(m_entrees.size()) < capacite) {
        m_entrees.emplace_back(adresse, mot);
    } else {
        m_entrees[m_debut] = {adresse, mot};
        m_debut = (m_debut + 1) % capacite;
    }
}

void JournalEspion::vide() {
    std::lock_guard l(m_verrou);
    m_entrees.clear();
    m_debut = 0;
}

int JournalEspion::count() const {
    std::lock_guard l(m_verrou);
    return int(m_entrees.size());
}

std::pair<int32_t, int32_t> JournalEspion::entree(int i) const {
    std::lock_guard l(m_verrou);
    return m_entrees[(m_debut + i - 1) % m_entrees.size()];
}

std::vector<std::pair<int32_t, int32_t>> JournalEspion::entrees() const {
    std::lock_guard l(m_verrou);
    std::vector<std::pair<int32_t, int32_t>> v(m_entrees.begin() + m_debut, m_entrees.end());
    v.insert(v.end(), m_entrees.begin(), m_entrees.begin() + m_debut);
    return v;
}

QString TexteEspion(const JournalEspion& journal) {
    QString s;
    const auto entrees = journal.entrees();
    s.reserve(qsizetype(entrees.size()) * 40);
    for (const auto& [a, b] : entrees) {
        s += QString::number(a) + u'\t' + QString::number(b);
        for (int groupe = 3; groupe >= 0; --groupe)
            s += u'\t' + QString::number((uint32_t(b) >> (4 * groupe)) & 0xF, 2).rightJustified(4, u'0');
        s += QStringLiteral("\r\n");
    }
    return s;
}
