#pragma once
// Windows-1252, the encoding of every string stored in the program's records and files.

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>

namespace cp1252 {

QString decode(const uint8_t* octets, int n);
// Characters that Windows-1252 cannot hold become '?'.
QByteArray encode(const QString& texte);

} // namespace cp1252

// A length-prefixed string of fixed capacity: one length byte, then `Capacite` bytes.
// The bytes past the length are kept as they are, so that a record read from a file
// is written back byte for byte.
template <int Capacite> struct ChaineCourte {
    static constexpr int taille = Capacite + 1;
    std::array<uint8_t, Capacite + 1> octets{};

    int longueur() const { return std::min<int>(octets[0], Capacite); }
    QString texte() const { return cp1252::decode(octets.data() + 1, longueur()); }
    void setTexte(const QString& t) {
        const QByteArray b = cp1252::encode(t);
        const int n = std::min<int>(static_cast<int>(b.size()), Capacite);
        octets[0] = static_cast<uint8_t>(n);
        std::copy_n(reinterpret_cast<const uint8_t*>(b.constData()), n, octets.begin() + 1);
    }
    bool operator==(const ChaineCourte&) const = default;
};
