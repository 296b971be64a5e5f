#include "link/CrcModbus.h"
#include "link/ModbusRtu.h"

#include <gtest/gtest.h>

namespace {

TEST(Crc, CheckValueOfTheNineDigits) {
    const char* chiffres = "123456789";
    EXPECT_EQ(calculcrc(9, reinterpret_cast<const uint8_t*>(chiffres)), 0x4B37);
}

struct CasTrame {
    const char* nom;
    QByteArray trame;
    const char* attendu;
};

class TrameCas : public testing::TestWithParam<CasTrame> {};

TEST_P(TrameCas, IsLaidOutByteForByte) {
    EXPECT_EQ(GetParam().trame.toHex(' ').toUpper(), QByteArray(GetParam().attendu));
}

const int32_t un = 1;
const int32_t moinsDeux = -2;
const int32_t trois[3] = {1, -1, 32767};

INSTANTIATE_TEST_SUITE_P(
    Trames, TrameCas,
    testing::Values(CasTrame{"readRating0", modbus::trameLecture(0, modbus::adresse(11, 32), 1),
                             "01 03 04 6B 00 01 F4 E6"},
                    CasTrame{"readRating1", modbus::trameLecture(1, modbus::adresse(11, 32), 1),
                             "01 03 04 00 6B 00 01 4A 2F"},
                    CasTrame{"writeControl0", modbus::trameEcriture(0, modbus::adresse(20, 29), &un, 1),
                             "01 10 07 EC 00 01 02 00 01 07 FC"},
                    CasTrame{"writeControl1", modbus::trameEcriture(1, modbus::adresse(20, 29), &un, 1),
                             "01 10 07 00 EC 00 01 02 00 01 DA B4"},
                    CasTrame{"readBlock0", modbus::trameLecture(0, modbus::adresse(20, 2), 10),
                             "01 03 07 D1 00 0A 94 80"}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(Trame, MinusTwoGoesOutAsFFFE) {
    const QByteArray t = modbus::trameEcriture(0, modbus::adresse(19, 20), &moinsDeux, 1);
    EXPECT_EQ(uint8_t(t[7]), 0xFF);
    EXPECT_EQ(uint8_t(t[8]), 0xFE);
}

TEST(Trame, Model1BlockWriteOfThreeValuesIs16Bytes) {
    const QByteArray t = modbus::trameEcriture(1, modbus::adresse(19, 20), trois, 3);
    ASSERT_EQ(t.size(), 16);
    EXPECT_EQ(t.left(14).toHex(' ').toUpper(), QByteArray("01 10 07 00 7F 00 03 06 00 01 FF FF 7F FF"));
    EXPECT_TRUE(testcrcstr(16, t));
}

TEST(Trame, RequestLengthsOfBothModels) {
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(modbus::trameLecture(0, 0, n).size(), 8);
        EXPECT_EQ(modbus::trameLecture(1, 0, n).size(), 9);
        const int32_t v[10] = {};
        EXPECT_EQ(modbus::trameEcriture(0, 0, v, n).size(), 2 * n + 9);
        EXPECT_EQ(modbus::trameEcriture(1, 0, v, n).size(), 2 * n + 10);
    }
}

TEST(TestCrcStr, OnlyTheExactLengthWithItsCrcIsValid) {
    const QByteArray bonne = QByteArray::fromHex("0103046B0001F4E6");
    EXPECT_TRUE(testcrcstr(8, bonne));
    EXPECT_FALSE(testcrcstr(7, bonne));
    EXPECT_FALSE(testcrcstr(9, bonne));
    EXPECT_FALSE(testcrcstr(8, bonne + QByteArray(1, '\0')));
    QByteArray mauvaise = bonne;
    mauvaise[7] = char(0xE7);
    EXPECT_FALSE(testcrcstr(8, mauvaise));
    EXPECT_FALSE(testcrcstr(0, QByteArray()));
}

} // namespace
