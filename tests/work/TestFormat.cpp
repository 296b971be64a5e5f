#include "work/Format.h"
#include "work/SessionTravail.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct CasValeur {
    int32_t v;
    int d;
    const char* texte;
};

class TexteValeurCas : public testing::TestWithParam<CasValeur> {};

TEST_P(TexteValeurCas, InsertsTheDecimalComma) {
    EXPECT_EQ(TexteValeur(GetParam().v, GetParam().d), GetParam().texte);
}

INSTANTIATE_TEST_SUITE_P(Exemples, TexteValeurCas,
                         testing::Values(CasValeur{5, 1, "0,5"}, CasValeur{1234, 2, "12,34"},
                                         CasValeur{-7, 3, "-0,007"}, CasValeur{1500, 0, "1500"},
                                         CasValeur{0, 2, "0,00"}, CasValeur{-125, 2, "-1,25"},
                                         CasValeur{125, 0, "125"}, CasValeur{1400, 0, "1400"},
                                         CasValeur{-5, 2, "-0,05"}, CasValeur{0, 3, "0,000"},
                                         CasValeur{100, 2, "1,00"}, CasValeur{-1, 0, "-1"},
                                         CasValeur{std::numeric_limits<int32_t>::min(), 3, "-2147483,648"},
                                         CasValeur{std::numeric_limits<int32_t>::max(), 0, "2147483647"}));

TEST(TexteMesure, AppendsOneSpaceAndTheUnitEvenWhenEmpty) {
    AppliqueLangue(1);
    SessionTravail s;
    VecteurMesures m{};
    m[8] = 950;  // efficiency, thousandths, no unit
    m[2] = 1250; // torque, hundredths of N.m
    m[1] = 1500;
    EXPECT_EQ(TexteMesure(s, m, 8), "0,950 ");
    EXPECT_EQ(TexteMesure(s, m, 2), "12,50 Nm");
    EXPECT_EQ(TexteMesure(s, m, 1), "1500 tr/min");
    EXPECT_EQ(TexteMesureBrut(s, m, 2), "12,50");
    EXPECT_EQ(TexteValeurUnite(1250, 2, "Nm"), "12,50 Nm");
}

struct CasPas {
    int index;
    int32_t valeur;
};

class ValeurPasCas : public testing::TestWithParam<CasPas> {};

TEST_P(ValeurPasCas, AnswersOnlyUpTo3000) {
    EXPECT_EQ(ValeurPas(GetParam().index), GetParam().valeur);
}

INSTANTIATE_TEST_SUITE_P(Table, ValeurPasCas,
                         testing::Values(CasPas{0, 0}, CasPas{16, 16}, CasPas{17, 18}, CasPas{20, 25},
                                         CasPas{30, 100}, CasPas{40, 250}, CasPas{50, 1000}, CasPas{60, 2500},
                                         CasPas{61, 3000}, CasPas{62, 0}, CasPas{70, 0}, CasPas{-1, 0}));

struct CasIndice {
    int32_t valeur;
    int index;
};

class IndicePasCas : public testing::TestWithParam<CasIndice> {};

TEST_P(IndicePasCas, FindsTheSmallestStepAtLeastTheValue) {
    EXPECT_EQ(IndicePas(GetParam().valeur), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Table, IndicePasCas,
                         testing::Values(CasIndice{17, 17}, CasIndice{3000, 61}, CasIndice{0, 0},
                                         CasIndice{-5, 0}, CasIndice{16, 16}, CasIndice{19, 18},
                                         CasIndice{3001, 62}, CasIndice{10000, 70}, CasIndice{10001, 70}));

} // namespace
