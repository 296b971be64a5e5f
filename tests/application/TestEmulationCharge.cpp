#include "../work/TravailTest.h"

#include "application/EmulationCharge.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Rated torque Tn (hundredths of N.m) by bench class: 1500, 300, 1500, 3000.

TEST(ModelesPompe, EachBenchClassHasItsTableAndAnIndexOutsideTheListTakesTheNearestModel) {
    EXPECT_TRUE(ModelesPompe(0)[0].nom().startsWith("PA-1"));
    EXPECT_TRUE(ModelesPompe(1)[0].nom().startsWith("PB-1"));
    EXPECT_TRUE(ModelesPompe(2)[0].nom().startsWith("PA-1"));
    EXPECT_TRUE(ModelesPompe(3)[0].nom().startsWith("PC-1"));
    EXPECT_EQ(&ModelesPompe(7), &ModelesPompe(2)); // a class the settings should not hold reads as 2
    EXPECT_EQ(ModelesPompe(2)[0].nom(), QString::fromUtf8("PA-1 : Hn=38m Qn=5m\u00b3"));
    EXPECT_EQ(&ModelePompe(1, 9), &ModelesPompe(1)[5]);
    EXPECT_EQ(&ModelePompe(1, -3), &ModelesPompe(1)[0]);
    EXPECT_EQ(&ModelePompe(3, 4), &ModelesPompe(3)[4]);
}

// The drive's program numbers, as the drive program is written for them.
TEST(ModeCharge, SelectsTheDriveProgramOfEachApplication) {
    const std::pair<int, int> table[] = {{51, 12}, {52, 13}, {53, 12}, {54, 2}, {55, 8},  {56, 2}, {57, 9},
                                         {58, 13}, {60, 10}, {61, 7},  {62, 7}, {63, 12}, {64, 7}, {65, 7},
                                         {66, 12}, {59, 0},  {0, 0},   {50, 0}, {67, 0},  {-61, 0}};
    for (const auto& [code, programme] : table)
        EXPECT_EQ(ModeCharge(code), programme) << code;
    EXPECT_EQ(MotControleCharge(57), 9 * 256 + 5);
}

// ---- Range of the load scroll bar -------------------------------------------------------------

struct CasPlage {
    const char* nom;
    int code;
    int classe;
    ParamsApplication p;
    PlageCharge attendue;
};

class Plage : public testing::TestWithParam<CasPlage> {};

TEST_P(Plage, IsTheRangeAndDefaultOfTheApplication) {
    const CasPlage& c = GetParam();
    const auto plage = CalculPlageCharge(c.code, c.p, c.classe);
    ASSERT_TRUE(plage.has_value());
    EXPECT_EQ(*plage, c.attendue);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Plage,
    testing::Values(
        // min = 20 x 200 x 150 / 100 / 1500 = 4; position (120 - 4) x 20 / 100 = 23.
        CasPlage{"packaging", 51, 2, {100, 20, 5, 14, 200, 7}, {4, 120, 23, false}},
        // 600000 / 1 / 1500 = 400 > 120: refused, 0..120 at 120 x 20 / 100 = 24.
        CasPlage{"packagingRollingLoadBeyondTheBar", 51, 2, {1, 20, 5, 14, 200, 7}, {0, 120, 24, true}},
        CasPlage{"packagingWithoutReductionStartsAtZero", 51, 2, {0, 20, 5, 14, 200, 7}, {0, 120, 24, false}},
        // min = 1500 x 100 / 15000 = 10; max = 1500 x 80 x 68 / 20 / 5000 = 81; (81 - 10) x 80 / 100 = 56.
        CasPlage{"positioning", 52, 2, {20, 80, 0, 0, 100, 0}, {10, 81, 56, false}},
        // min = 3000 x 50 / 15000 = 10; max = 3000 x 75 x 68 / 10 / 5000 = 306; 296 x 80 / 100 = 236.
        CasPlage{"liftingClass3", 58, 3, {10, 75, 0, 0, 50, 0}, {10, 306, 236, false}},
        // min = 20; max = 1500 x 50 x 68 / 100 / 5000 = 10: the gripper outweighs the capacity.
        CasPlage{"gripperHeavierThanTheCapacity", 52, 2, {100, 50, 0, 0, 200, 0}, {0, 120, 96, true}},
        // No linear speed: max 120, min 10, (120 - 10) x 80 / 100 = 88.
        CasPlage{"liftingWithoutSpeed", 58, 2, {0, 75, 0, 0, 100, 0}, {10, 120, 88, false}},
        CasPlage{"conveyor", 53, 2, {100, 15, 20, 100, 0, 15}, {15, 120, 84, false}}, // 105 x 80 / 100
        CasPlage{"winding", 55, 2, {0, 30, 0, 0, 0, 0}, {30, 120, 45, false}},        // 90 x 50 / 100
        CasPlage{"relativePositioning", 54, 2, {}, {0, 120, 0, false}},
        CasPlage{"synchronisation", 56, 2, {}, {0, 120, 0, false}},
        CasPlage{"generator", 60, 2, {}, {0, 120, 0, false}},
        CasPlage{"compressor", 63, 2, {}, {0, 120, 120, false}},
        CasPlage{"explosiveAtmosphere", 65, 2, {}, {0, 120, 0, false}},
        // min 10, max 230, 220 x 20 / 100 = 44: a share of the span, not offset by the minimum.
        CasPlage{"cutAtLength", 57, 2, {60, 10, 50, 600, 100, 100}, {10, 230, 44, false}},
        CasPlage{"pump", 61, 2, {50, 0, 20, 0, 0, 0}, {0, 100, 100, false}},
        CasPlage{"ventilation", 62, 2, {10, 100, 50, 50, 25, 25}, {0, 100, 100, false}},
        CasPlage{"smokeExtraction", 64, 2, {10, 90, 20, 50, 10, 10}, {0, 100, 100, false}},
        // S = trunc(100 sin 5 deg) = trunc(8.72) = 8; 8 x 981 / 100 + 50 = 128;
        // 1500 x 100 x 10472 / 30 / 128 / 100 = 1570800000 / 30 / 128 / 100 = 4090; 4090 x 50 / 100.
        CasPlage{"conveyorBelt", 66, 2, {30, 20, 10, 50, 5, 0}, {0, 4090, 2045, false}},
        // Flat belt: S = 0, max = 1500 x 100 x 10472 / 30 / 50 / 100 = 10472.
        CasPlage{"conveyorBeltFlat", 66, 2, {30, 20, 10, 50, 0, 0}, {0, 10472, 5236, false}},
        // 3000 x 90 x 10472 = 2827440000 does not fit 32 bits; / 50 / 128 / 100 = 4417.
        CasPlage{"conveyorBeltOnTheLargestBench", 66, 3, {50, 30, 20, 50, 5, 0}, {0, 4417, 2208, false}},
        CasPlage{"conveyorBeltWithoutSpeed", 66, 2, {0, 20, 10, 50, 5, 0}, {0, 120, 60, false}},
        CasPlage{"conveyorBeltWithoutRolling", 66, 2, {30, 20, 10, 0, 5, 0}, {0, 120, 60, false}},
        // S = trunc(-8.72) = -8; -8 x 981 / 100 = -78; + 78 = 0: nothing to divide by.
        CasPlage{"conveyorBeltSlopeCancelsRolling", 66, 2, {30, 20, 10, 78, -5, 0}, {0, 120, 60, false}},
        // -78 + 50 = -28: a negative maximum, refused.
        CasPlage{"conveyorBeltSlopeBeyondRolling", 66, 2, {30, 20, 10, 50, -5, 0}, {0, 120, 60, true}}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(Plage, CodesWithoutARangeLeaveTheBarAlone) {
    for (int code : {59, 0, 50, 67})
        EXPECT_FALSE(CalculPlageCharge(code, {30, 20, 10, 50, 5, 0}, 2).has_value()) << code;
}

TEST(SinusPente, TruncatesTowardZeroOnBothSides) {
    EXPECT_EQ(SinusPente(0), 0);
    EXPECT_EQ(SinusPente(15), 25); // 100 sin 15 deg = 25.88
    EXPECT_EQ(SinusPente(-15), -25);
    EXPECT_EQ(SinusPente(90), 100);
}

// ---- Parameter block ----------------------------------------------------------------------------

struct CasBloc {
    const char* nom;
    int code;
    int classe;
    ParamsApplication p;
    int32_t a, b;
    BlocParametres attendu;
};

class Bloc : public testing::TestWithParam<CasBloc> {};

const BlocParametres precedent{11, 12, 13, 14, 15, 0}; // the block last sent

TEST_P(Bloc, IsTheDriveParameterBlock) {
    const CasBloc& c = GetParam();
    EmulationCharge emulation;
    BlocParametres bloc = precedent;
    emulation.SetCharge(c.code, c.p, c.classe, c.a, c.b, bloc);
    EXPECT_EQ(bloc, c.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Bloc,
    testing::Values(
        // 30 x 1500 / 150 = 300; (5 + 30) x 10 = 350;
        // 70 x 14 x 14 x 125 = 1715000 / 150 = 11433 / 150 = 76 x 1500 = 114000 / 15000 = 7.
        CasBloc{"packaging", 51, 2, {150, 10, 5, 14, 70, 7}, 30, 0, {300, 350, 20, 0, 7, 0}},
        CasBloc{"packagingNoReduction", 51, 2, {0, 10, 5, 14, 70, 7}, 30, 0, {300, 350, 20, 0, 0, 0}},
        // 20 x 50 x 20 / 2467 = 20000 / 2467 = 8.
        CasBloc{"positioning", 52, 2, {20, 80, 0, 0, 100, 0}, 50, 10, {50, 80, 20, 0, 8, 0}},
        // 600; (20 + 60) x 10 = 800; (60 - 10) x 1500 x 100 x 10 / 100 / 23566 = 750000 / 23566 = 31.
        CasBloc{"conveyor", 53, 2, {100, 10, 20, 100, 0, 15}, 60, 10, {600, 800, 20, 0, 31, 0}},
        CasBloc{"conveyorNoRolling", 53, 2, {100, 10, 20, 0, 0, 15}, 60, 10, {600, 800, 20, 0, 0, 0}},
        CasBloc{"relativePositioning", 54, 2, {}, 60, 0, {60, 60, 0, 10, 0, 0}},   // 60 x 1500 / 1500
        CasBloc{"windingClass3", 55, 3, {}, 60, 0, {120, 120, 0, 10, 0, 0}},       // 60 x 3000 / 1500
        CasBloc{"synchronisationClass1", 56, 1, {}, 60, 0, {12, 12, 0, 10, 0, 0}}, // 60 x 300 / 1500
        // (10 + 40) x 10 = 500; 50 x 10 = 500; 5000 / 60 = 83; 10000 / 60 = 166; P4.
        CasBloc{"cutAtLength", 57, 2, {60, 10, 50, 600, 100, 100}, 40, 10, {500, 500, 83, 166, 100, 0}},
        CasBloc{"cutNoRate", 57, 2, {0, 10, 50, 600, 100, 100}, 40, 10, {500, 500, 0, 0, 100, 0}},
        // 40 x 50 x 50 / 2467 = 100000 / 2467 = 40.
        CasBloc{"lifting", 58, 2, {50, 75, 0, 0, 100, 0}, 40, 10, {40, 75, 50, 0, 40, 0}},
        CasBloc{"generator", 60, 2, {1, 2, 3, 4, 5, 6}, 40, 0, {0, 0, 0, 0, 0, 0}},
        CasBloc{"compressor", 63, 2, {1, 2, 3, 4, 5, 6}, 40, 0, {0, 0, 0, 0, 0, 0}},
        CasBloc{"explosiveAtmosphere", 65, 2, {1, 2, 3, 4, 5, 6}, 40, 0, {0, 0, 0, 0, 0, 0}},
        // (70 x 80 / 100 + 20) x 1500 / 150 = 76 x 10 = 760; 10 x 10 = 100.
        CasBloc{"ventilation", 62, 2, {10, 100, 50, 50, 25, 25}, 70, 0, {760, 100, 1500, 50, 25, 0}},
        // (120 - 70 / 6) x 10 = (120 - 11) x 10 = 1090.
        CasBloc{"smokeExtraction", 64, 2, {10, 90, 20, 50, 10, 10}, 70, 0, {1090, 100, 1500, 20, 10, 0}},
        // S = 8; 50 x 1000 x 30 / 15707 = 95, + 20 x 1500 / 150 = 200: 295; 10 x 10 + 295 = 395;
        // 1000 x 8 x 30 x 624 / 1000000 = 149760000 / 1000000 = 149; 30 x 1000 x 30 / 246740 = 3.
        CasBloc{"conveyorBelt", 66, 2, {30, 20, 10, 50, 5, 0}, 1000, 0, {295, 395, 20, 149, 3, 0}},
        CasBloc{"beltFlat", 66, 2, {30, 20, 10, 50, 0, 0}, 1000, 0, {295, 395, 20, 0, 3, 0}},
        CasBloc{"code59KeepsTheBlock", 59, 2, {1, 2, 3, 4, 5, 6}, 40, 0, precedent},
        CasBloc{"unknownCodeKeepsTheBlock", 99, 2, {1, 2, 3, 4, 5, 6}, 40, 0, precedent}),
    [](const auto& i) { return std::string(i.param.nom); });

// The positioning program receives a 32-bit product, the lifting program a 64-bit one.
TEST(Bloc, PositioningWrapsItsInertiaProductWhereLiftingDoesNot) {
    EmulationCharge emulation;
    const ParamsApplication p{5000, 80, 0, 0, 100, 0};
    BlocParametres positionnement{}, levage{};
    emulation.SetCharge(52, p, 2, 100, 0, positionnement);
    emulation.SetCharge(58, p, 2, 100, 0, levage);
    // 5000 x 100 x 5000 = 2500000000 > 2^31 - 1: in 32 bits 2500000000 - 4294967296 = -1794967296,
    // / 2467 = -727591 (truncated toward zero); in 64 bits 2500000000 / 2467 = 1013376.
    EXPECT_EQ(positionnement[4], -727591);
    EXPECT_EQ(levage[4], 1013376);
}

// ---- Pump ------------------------------------------------------------------------------------

struct CasPompe {
    const char* nom;
    int classe;
    ParamsApplication p; // P0 discharge height %, P1 model, P2 degradation %
    int32_t a;
    BlocParametres attendu;
    int64_t coefReseau;
    int32_t facteurInverse;
};

class BlocPompe : public testing::TestWithParam<CasPompe> {};

TEST_P(BlocPompe, GivesTheTorqueTheDegradationAndTheNetwork) {
    const CasPompe& c = GetParam();
    EmulationCharge emulation;
    BlocParametres bloc{11, 12, 13, 14, 15, 0};
    emulation.SetCharge(61, c.p, c.classe, c.a, 0, bloc);
    EXPECT_EQ(bloc, c.attendu);
    EXPECT_EQ(emulation.CoefReseau, c.coefReseau);
    EXPECT_EQ(emulation.FacteurInverse, c.facteurInverse);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, BlocPompe,
    testing::Values(
        // PA-1 (Hz 550, Qmax 800, Cq 3830, Cl 15350, Pf 550) wide open: Q = 800;
        // H = (5500000000 - 3830 x 640000 - 100 x 15350 x 800) / 1e7 = 1820800000 / 1e7 = 182;
        // Hs = 275 > H: network coefficient negative, 0. Ph = 2725 x 182 x 800 / 1e6 = 396;
        // (550 + 396) x 20000 / 31416 = 602; (396 x 20 + 55000) / 946 = 66; 1000 sqrt(0.8) = 894.
        CasPompe{"wideOpenBelowTheDischargeHeight", 2, {50, 0, 20}, 100, {602, 0, 1500, 66, 0, 0}, 0, 894},
        // Half open: Q = 400; H = (5500000000 - 612800000 - 614000000) / 1e7 = 427; Hs = 55;
        // (427 - 55) x 1e7 / 400 / 400 = 23250; Ph = 2725 x 427 x 400 / 1e6 = 465;
        // 1015 x 20000 / 31416 = 646; (465 x 20 + 55000) / 1015 = 63.
        CasPompe{"halfOpen", 2, {10, 0, 20}, 50, {646, 0, 1500, 63, 0, 0}, 23250, 894},
        // Closed: Q = 0, H = 550, no hydraulic power; 550 x 20000 / 31416 = 350; 55000 / 550 = 100.
        CasPompe{"closed", 2, {10, 0, 20}, 0, {350, 0, 1500, 100, 0, 0}, 100000000, 894},
        // PC-4 (Hz 400, Qmax 800, Cq 375, Cl 1600, Pf 850): H = (4e9 - 240000000 - 128000000) / 1e7
        // = 363; Hs 200; 163 x 1e7 / 800 / 800 = 2546; Ph = 2725 x 363 x 800 / 1e6 = 791;
        // 1641 x 20000 / 31416 = 1044; 85000 / 1641 = 51; no degradation: 1000.
        CasPompe{"class3Table", 3, {50, 3, 0}, 100, {1044, 0, 1500, 51, 0, 0}, 2546, 1000},
        // PB-6 (Hz 82, Qmax 1500, Cq 347, Cl -1051, Pf 397): H = (820000000 - 780750000 + 157650000)
        // / 1e7 = 19 < Hs 41: 0; Ph = 2725 x 19 x 1500 / 1e6 = 77; 474 x 20000 / 31416 = 301;
        // (77 x 50 + 39700) / 474 = 91; 1000 sqrt(0.5) = 707.
        CasPompe{"class1Table", 1, {50, 5, 50}, 100, {301, 0, 1500, 91, 0, 0}, 0, 707},
        // A degradation beyond 100 % leaves no reverse speed instead of a root of a negative.
        CasPompe{"degradationBeyond100", 2, {10, 0, 150}, 0, {350, 0, 1500, 100, 0, 0}, 100000000, 0}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(BlocPompe, AModelIndexOutsideTheListIsTheNearestModel) {
    EmulationCharge e;
    BlocParametres loin{}, dernier{}, avant{}, premier{};
    e.SetCharge(61, {50, 9, 20}, 2, 60, 0, loin);
    e.SetCharge(61, {50, 5, 20}, 2, 60, 0, dernier);
    e.SetCharge(61, {50, -2, 20}, 2, 60, 0, avant);
    e.SetCharge(61, {50, 0, 20}, 2, 60, 0, premier);
    EXPECT_EQ(loin, dernier);
    EXPECT_EQ(avant, premier);
    EXPECT_NE(dernier, premier);
}

struct CasPoint {
    const char* nom;
    ParamsApplication p;
    int32_t a;
    int32_t n;
    PointPompe attendu;
};

class PointPompeTest : public testing::TestWithParam<CasPoint> {};

// PA-1 on the bench of class 2 (Hz 550, Cq 3830, Cl 15350).
TEST_P(PointPompeTest, IsWhereTheNetworkMeetsThePumpCurve) {
    const CasPoint& c = GetParam();
    EmulationCharge emulation;
    BlocParametres bloc{};
    emulation.SetCharge(61, c.p, 2, c.a, 0, bloc);
    VecteurMesures m{};
    m[1] = c.n;
    emulation.SetValeursAff(61, c.p, 2, c.a, bloc, m);
    EXPECT_EQ(m[12], c.a);
    EXPECT_EQ((PointPompe{m[13], m[14]}), c.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, PointPompeTest,
    testing::Values(
        // Network 23250 (half open, P0 10). n 1500: Hs 55, H0 = 1500^2 x 550 / 2250000 = 550,
        // A = 3830; D = 4000 x 27080 x 495 + 15350^2 = 53854022500, sqrt 232064.69;
        // flow = trunc(100 x 216714.69 / 54160) = 400 (the opening's own flow);
        // head = 550 - 3830 x 160000 / 1e7 - 400 x 15350 / 1e5 = 550 - 61 - 61 = 428.
        CasPoint{"nominalSpeed", {10, 0, 20}, 50, 1500, {400, 428}},
        // n -1500: N = 1500 x 894 / 1000 = 1341; H0 = 1341^2 x 550 / 2250000 = 439; A = 3424;
        // D = 4000 x 26674 x 384 + 235622500 = 41206886500, sqrt 202994.79;
        // flow = trunc(100 x 187644.79 / 53348) = 351; head = 439 - 42 - 53 = 344.
        CasPoint{"reverseSpeedIsReduced", {10, 0, 20}, 50, -1500, {351, 344}},
        // n 500: H0 = 250000 x 550 / 2250000 = 61 <= Hs 275: no flow, head 61.
        CasPoint{"belowTheDischargeHeight", {50, 0, 20}, 50, 500, {0, 61}},
        // Network 0 (wide open below the discharge height). D = 4000 x 3830 x 275 + 235622500
        // = 4448622500, sqrt 66697.99; flow = trunc(100 x 51347.99 / 7660) = 670;
        // head = 550 - 3830 x 448900 / 1e7 - 670 x 15350 / 1e5 = 550 - 171 - 102 = 277.
        CasPoint{"networkWithoutResistance", {50, 0, 20}, 100, 1500, {670, 277}},
        // Closed valve: the flow shown is 0 at any speed; at 1500 the formula gives flow 7 and
        // head 550 - 0 - 7 x 15350 / 1e5 = 549 before the flow is cleared.
        CasPoint{"closedAtNominalSpeed", {10, 0, 20}, 0, 1500, {0, 549}},
        // n 3000: H0 = 2200, flow 14 before clearing, head 2200 - 0 - 14 x 15350 / 1e5 = 2198.
        CasPoint{"closedAtTwiceNominalSpeed", {10, 0, 20}, 0, 3000, {0, 2198}},
        // n -1500: N = 1341, H0 = 439, flow 6 before clearing, head 439 - 0 - 0 = 439.
        CasPoint{"closedInReverse", {10, 0, 20}, 0, -1500, {0, 439}},
        CasPoint{"standstill", {10, 0, 20}, 50, 0, {0, 0}}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(PointPompe, AtNegativeSpeedThePumpTurnsAsIfSlowedByTheReverseFactor) {
    EmulationCharge e;
    BlocParametres bloc{};
    e.SetCharge(61, {10, 0, 20}, 2, 50, 0, bloc);
    ASSERT_EQ(e.FacteurInverse, 894);
    const TModelePompe& m = ModelePompe(2, 0);
    // -1500 x 894 / 1000 = -1341.
    EXPECT_EQ(e.PointFonctionnement(m, 10, -1500), e.PointFonctionnement(m, 10, 1341));
    e.SetCharge(61, {10, 0, 0}, 2, 50, 0, bloc); // no degradation: both directions alike
    EXPECT_EQ(e.PointFonctionnement(m, 10, -1500), e.PointFonctionnement(m, 10, 1500));
}

TEST(PointPompe, ANetworkAndPumpWithoutResistanceShowNoFlowInsteadOfDividingByZero) {
    // PA-6 (Hz 97, Qmax 15000, Cq 7, Cl -115) wide open with no discharge height:
    // H = (970000000 - 7 x 225000000 + 100 x 115 x 15000) / 1e7 = -43: network 0.
    EmulationCharge e;
    BlocParametres bloc{};
    e.SetCharge(61, {0, 5, 0}, 2, 100, 0, bloc);
    ASSERT_EQ(e.CoefReseau, 0);
    // n 214: H0 = 45796 x 97 / 2250000 = 1 > Hs 0, A = 7 x 214 / 1500 = 0: nothing to divide by.
    EXPECT_EQ(e.PointFonctionnement(ModelePompe(2, 5), 0, 214), (PointPompe{0, 1}));
}

// ---- Application quantities -------------------------------------------------------------------

struct CasAff {
    const char* nom;
    int code;
    int classe;
    ParamsApplication p;
    int32_t a;
    int32_t n;                      // Mesures[1], tr/min
    int32_t pm;                     // Mesures[3], tenths of W
    std::array<int32_t, 3> attendu; // Mesures[12..14]
};

class Affichage : public testing::TestWithParam<CasAff> {};

TEST_P(Affichage, GivesTheApplicationQuantities) {
    const CasAff& c = GetParam();
    EmulationCharge emulation;
    VecteurMesures m{};
    m[1] = c.n;
    m[3] = c.pm;
    m[12] = m[13] = m[14] = 777; // the values shown before
    const BlocParametres bloc{1, 2, 3, 4, 4321, 0};
    emulation.SetValeursAff(c.code, c.p, c.classe, c.a, bloc, m);
    EXPECT_EQ((std::array<int32_t, 3>{m[12], m[13], m[14]}), c.attendu);
    EXPECT_EQ(m[15], 4321);
    EXPECT_EQ(m[1], c.n);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Affichage,
    testing::Values(
        // 30 x 1500 x 150 / 75 / 14 = 6428; 1000 x 14 x 1000 / 191 / 150 = 73298 / 150 = 488;
        // 30 x 1500 / 100 = 450 x 1000 x 314 / 45000 = 3140.
        CasAff{"packaging", 51, 2, {150, 10, 5, 14, 70, 7}, 30, 1000, 0, {6428, 488, 3140}},
        CasAff{"packagingInReverse", 51, 2, {150, 10, 5, 14, 70, 7}, 30, -1000, 0, {6428, 488, 3140}},
        CasAff{"packagingNoDiameter", 51, 2, {150, 10, 5, 0, 70, 7}, 30, 1000, 0, {777, 0, 3140}},
        CasAff{"packagingNoReduction", 51, 2, {0, 10, 5, 14, 70, 7}, 30, 1000, 0, {0, 777, 3140}},
        // 120 x 3000 x 150 / 75 / 14 = 51428; 2500 x 14 x 1000 / 191 / 150 = 183246 / 150 = 1221;
        // 120 x 3000 / 100 = 3600 x 2500 x 314 = 2826000000 (beyond 32 bits) / 45000 = 62800.
        CasAff{"packagingOverspeed3000W", 51, 3, {150, 10, 5, 14, 70, 7}, 120, 2500, 0, {51428, 1221, 62800}},
        // 1500 x 20 / 150 = 200; 1500 x 50 x 20 / 1530 = 980.
        CasAff{"positioning", 52, 2, {20, 80, 0, 0, 100, 0}, 50, 1500, 0, {50, 200, 980}},
        // e = 50 x 1500 x 1047 / 100 / 100 / 10 = 785; 1500 x 100 / 1500 = 100;
        // 785 x 100 x 36 / 1000 = 2826.
        CasAff{"conveyor", 53, 2, {100, 10, 20, 100, 0, 15}, 50, 1500, 0, {785, 100, 2826}},
        CasAff{"conveyorNoRolling", 53, 2, {100, 10, 20, 0, 0, 15}, 50, 1500, 0, {0, 100, 0}},
        CasAff{"relativePositioning", 54, 2, {20, 0, 0, 0, 0, 0}, 40, 1500, 0, {40, 200, 0}},
        CasAff{"winding", 55, 2, {20, 30, 0, 0, 0, 0}, 40, 1500, 0, {0, 0, 0}},
        CasAff{"compressor", 63, 2, {20, 30, 0, 0, 0, 0}, 40, 1500, 0, {0, 0, 0}},
        // 1500 / 100 x 20944 x 40 / 600 / 60 = 12566400 / 600 / 60 = 349; 1500 x 60 / 1500 = 60;
        // 15710 x 40 / 120 = 5236.
        CasAff{"cutAtLength", 57, 2, {60, 10, 50, 600, 100, 100}, 40, 1500, 15710, {349, 60, 5236}},
        CasAff{"cutGenerating", 57, 2, {60, 10, 50, 600, 100, 100}, 40, -1500, -15710, {349, 60, 5236}},
        CasAff{"cutNoRate", 57, 2, {0, 10, 50, 600, 100, 100}, 40, 1500, 15710, {0, 0, 5236}},
        // 1500 x 50 / 150 = 500; 1500 x 40 x 50 / 153 = 19607.
        CasAff{"lifting", 58, 2, {50, 75, 0, 0, 100, 0}, 40, 1500, 0, {40, 500, 19607}},
        // f = 1500 x 50 x 70 / 1500 = 3500.
        CasAff{"ventilation", 62, 2, {10, 100, 50, 50, 25, 25}, 70, 1500, 0, {70, 3500, 0}},
        // f = -1500 x 50 x 70 x (100 - 50) / 150000 = -262500000 / 150000 = -1750.
        CasAff{"ventilationReverse", 62, 2, {10, 100, 50, 50, 25, 25}, 70, -1500, 0, {70, 1750, 0}},
        CasAff{"smokeExtraction", 64, 2, {10, 90, 50, 50, 10, 10}, 70, 1500, 0, {70, 3500, 0}},
        CasAff{"smokeReverseSigned", 64, 2, {10, 90, 50, 50, 10, 10}, 70, -1500, 0, {70, -1750, 0}},
        // 1500 x 30 / 1500 = 30; 1000 x 30 x 36 / 1000 = 1080.
        CasAff{"conveyorBelt", 66, 2, {30, 20, 10, 50, 5, 0}, 1000, 1500, 0, {1000, 30, 1080}},
        CasAff{"code59ShowsNothingNew", 59, 2, {30, 20, 10, 50, 5, 0}, 1000, 1500, 0, {777, 777, 777}}),
    [](const auto& i) { return std::string(i.param.nom); });

// ---- On the work ---------------------------------------------------------------------------

class EmulationTravail : public TravailTest {};

TEST_F(EmulationTravail, TheRunScreenWorksOnTheCurrentTest) {
    s().ModeleEssai.TypeCharge() = 57;
    t().AjouteEssai(s());
    t().ParamApplication = {60, 10, 50, 600, 100, 100};
    const auto plage = SetApp(t(), s(), 2);
    ASSERT_TRUE(plage.has_value());
    EXPECT_EQ(*plage, (PlageCharge{10, 230, 44, false}));
    EXPECT_EQ(ParamsEssai(t().Essais[s().EssaiCourant].Entete), t().ParamApplication);
    EXPECT_EQ(ModeCharge(t(), s()), 9);

    EmulationCharge emulation;
    BlocParametres bloc{};
    emulation.SetCharge(t(), s(), 2, 50, plage->minimum, bloc);
    // (10 + 50) x 1500 / 150 = 600; 50 x 10 = 500; 5000 / 60 = 83; 10000 / 60 = 166; P4.
    EXPECT_EQ(bloc, (BlocParametres{600, 500, 83, 166, 100, 0}));

    etat.Mesures[1] = 1500;
    etat.Mesures[3] = 15710;
    emulation.SetValeursAff(t(), s(), 2, 50 - plage->minimum, bloc, etat.Mesures);
    EXPECT_EQ(etat.Mesures[12], 349);
    EXPECT_EQ(etat.Mesures[15], 100);
}

} // namespace
