#include "ModbusRtu.h"

#include "CrcModbus.h"

namespace modbus {

namespace {

QByteArray debut(int modele, uint8_t fonction, uint16_t adresse, int n) {
    QByteArray t;
    t.reserve(32);
    t.append(char(esclave));
    t.append(char(fonction));
    t.append(char(adresse >> 8));
    if (modele == 1) t.append('\0');
    t.append(char(adresse & 0xFF));
    t.append('\0');
    t.append(char(n));
    return t;
}

} // namespace

void ajouteCrc(QByteArray& trame) {
    const uint16_t crc =
        calculcrc(std::size_t(trame.size()), reinterpret_cast<const uint8_t*>(trame.constData()));
    trame.append(char(crc & 0xFF));
    trame.append(char(crc >> 8));
}

QByteArray trameLecture(int modele, uint16_t adresse, int n) {
    QByteArray t = debut(modele, fonctionLecture, adresse, n);
    ajouteCrc(t);
    return t;
}

QByteArray trameEcriture(int modele, uint16_t adresse, const int32_t* valeurs, int n) {
    QByteArray t = debut(modele, fonctionEcriture, adresse, n);
    t.append(char(2 * n));
    for (int i = 0; i < n; ++i) {
        const auto v = static_cast<uint16_t>(static_cast<uint32_t>(valeurs[i]));
        t.append(char(v >> 8));
        t.append(char(v & 0xFF));
    }
    ajouteCrc(t);
    return t;
}

} // namespace modbus

bool testcrcstr(int n, const QByteArray& reponse) {
    if (n < 2 || reponse.size() != n) return false;
    const auto* o = reinterpret_cast<const uint8_t*>(reponse.constData());
    return calculcrc(std::size_t(n - 2), o) == uint16_t(o[n - 1] * 256 + o[n - 2]);
}
