#pragma once
// Modbus RTU frames of the two drive models. Model 0 uses the standard layout; model 1 puts one
// zero byte between the high and low bytes of the register address of every request.

#include <QByteArray>

#include <cstdint>

namespace modbus {

constexpr uint8_t esclave = 1;
constexpr uint8_t fonctionLecture = 3;
constexpr uint8_t fonctionEcriture = 16;

// Register address of parameter menu.parametre.
constexpr uint16_t adresse(int menu, int parametre) {
    return static_cast<uint16_t>(menu * 100 + parametre - 1);
}

QByteArray trameLecture(int modele, uint16_t adresse, int n);
// Writes n values (their low 16 bits) from `valeurs`.
QByteArray trameEcriture(int modele, uint16_t adresse, const int32_t* valeurs, int n);

constexpr int longueurReponseLecture(int n) {
    return 2 * n + 5;
}
constexpr int longueurReponseEcriture = 8;

// Appends the CRC, low byte first.
void ajouteCrc(QByteArray& trame);

} // namespace modbus

// True when the reply holds exactly n bytes and its last two bytes are the CRC of the others.
bool testcrcstr(int n, const QByteArray& reponse);
