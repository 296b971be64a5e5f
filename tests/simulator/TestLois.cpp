// The load laws: the torque each law puts on the shaft for the words the program sends, checked
// against the figures the program's load panel shows for the same settings.

#include "simulator/Banc.h"
#include "simulator/LoiCharge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const TConstantesBanc CLASSE2{1500, 15, 2000, 1};

struct TCasLoi {
    const char* nom;
    int code;
    std::array<int16_t, 6> bloc;
    int k;
    double vitesse, tours;
    double resistant, actif; // N.m
};

class Loi : public testing::TestWithParam<TCasLoi> {};

TEST_P(Loi, GivesTheTorqueOfItsWords) {
    const auto& c = GetParam();
    const auto e = EffortCharge(c.code, c.bloc, c.k, c.vitesse, c.tours, CLASSE2);
    EXPECT_FALSE(e.vitesseImposee);
    EXPECT_NEAR(e.coupleResistant, c.resistant, 0.01);
    EXPECT_NEAR(e.coupleActif, c.actif, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Lois, Loi,
    testing::Values(
        TCasLoi{"TorqueK", LoiCoupleK, {}, 400, 1000, 0, 6.0, 0},
        // Constant torque: the program sends [0, T, 0, 0, 0].
        TCasLoi{"ConstantTorque", LoiLineaire, {0, 200, 0, 0, 0, 0}, 0, 1000, 0, 2.0, 0},
        // T = a.n + b with the panel's defaults: 5.00 N.m at 1500 tr/min, 2.00 N.m at standstill.
        TCasLoi{"LinearAtStandstill", LoiLineaire, {500, 200, 1500, 0, 0, 0}, 0, 0, 0, 2.0, 0},
        TCasLoi{"LinearHalfSpeed", LoiLineaire, {500, 200, 1500, 0, 0, 0}, 0, 750, 0, 3.5, 0},
        TCasLoi{"LinearBackwards", LoiLineaire, {500, 200, 1500, 0, 0, 0}, 0, -1500, 0, 5.0, 0},
        TCasLoi{"QuadraticHalfSpeed", LoiQuadratique, {500, 200, 1500, 0, 0, 0}, 0, 750, 0, 2.75, 0},
        TCasLoi{"QuadraticFullSpeed", LoiQuadratique, {500, 200, 1500, 0, 0, 0}, 0, 1500, 0, 5.0, 0},
        // A fan with 30 % degradation when driven backwards.
        TCasLoi{"FanForwards", LoiQuadratique, {1000, 0, 1500, 30, 0, 0}, 0, 1500, 0, 10.0, 0},
        TCasLoi{"FanBackwards", LoiQuadratique, {1000, 0, 1500, 30, 0, 0}, 0, -1500, 0, 7.0, 0},
        // Constant power, panel defaults on class 2: limit 5.00 N.m, 266 W, corner at 509 tr/min.
        TCasLoi{"PowerBelowCorner", LoiPuissanceConstante, {500, 0, 509, 0, 0, 0}, 0, 300, 0, 5.0, 0},
        TCasLoi{"PowerAboveCorner", LoiPuissanceConstante, {500, 0, 509, 0, 0, 0}, 0, 1000, 0, 2.545, 0},
        // Cyclic torque, reduction 1/100 and slope 10 %: [Tmax, Tmin, 90, 10], a period of 100 turns.
        TCasLoi{"CyclicLow", LoiCyclique, {1000, 200, 90, 10, 0, 0}, 0, 1500, 10, 2.0, 0},
        TCasLoi{"CyclicRising", LoiCyclique, {1000, 200, 90, 10, 0, 0}, 0, 1500, 47.5, 6.0, 0},
        TCasLoi{"CyclicHigh", LoiCyclique, {1000, 200, 90, 10, 0, 0}, 0, 1500, 70, 10.0, 0},
        TCasLoi{"CyclicFalling", LoiCyclique, {1000, 200, 90, 10, 0, 0}, 0, 1500, 97.5, 6.0, 0},
        TCasLoi{"CyclicNextPeriod", LoiCyclique, {1000, 200, 90, 10, 0, 0}, 0, 1500, 110, 2.0, 0},
        // Cutting at 10 cuts a minute: [cut, return, 5000/100, 10000/100], one cut per 150 turns.
        TCasLoi{"CuttingReturn", LoiCyclique, {800, 100, 50, 100, 0, 0}, 0, 1500, 160, 1.0, 0},
        TCasLoi{"CuttingHalfRise", LoiCyclique, {800, 100, 50, 100, 0, 0}, 0, 1500, 50, 4.5, 0},
        TCasLoi{"CuttingCut", LoiCyclique, {800, 100, 50, 100, 0, 0}, 0, 1500, 90, 8.0, 0},
        // Sticking torque 5.00 N.m, running torque 2.00 N.m, breakaway at 10 % of 1500 tr/min.
        TCasLoi{"StickingAtStandstill", LoiDecollage, {200, 500, 10, 0, 0, 0}, 0, 0, 0, 5.0, 0},
        TCasLoi{"StickingHalfWay", LoiDecollage, {200, 500, 10, 0, 0, 0}, 0, 75, 0, 3.5, 0},
        TCasLoi{"StickingBrokenAway", LoiDecollage, {200, 500, 10, 0, 0, 0}, 0, 600, 0, 2.0, 0},
        TCasLoi{"ConveyorOnASlope", LoiDecollage, {200, 500, 20, 300, 0, 0}, 0, 600, 0, 2.0, 3.0},
        // Driving law at full K: twice the full-scale torque at standstill, none at No.
        TCasLoi{"DrivingAtStandstill", LoiEntrainante, {}, 1000, 0, 0, 0, -30.0},
        TCasLoi{"DrivingAtNo", LoiEntrainante, {}, 1000, 1800, 0, 0, 0}),
    [](const auto& info) { return info.param.nom; });

// Lifting 130 kg at 1 m/s with 85 % efficiency: the panel shows 9.55 N.m to raise, 6.90 to lower.
TEST(Levage, RaisingAndLoweringTorquesAreThoseOfThePanel) {
    const std::array<int16_t, 6> bloc{130, 85, 10, 0, 0, 0};
    const auto e = EffortCharge(LoiLevage, bloc, 0, 100, 0, CLASSE2);
    EXPECT_NEAR(e.coupleActif + e.coupleResistant, 9.55, 0.02);
    EXPECT_NEAR(e.coupleActif - e.coupleResistant, 6.90, 0.02);
}

struct TCasVitesse {
    const char* nom;
    int code, k;
    double consigne, limite;
    bool decouple;
};

class LoiVitesse : public testing::TestWithParam<TCasVitesse> {};

TEST_P(LoiVitesse, RunsASpeedLoop) {
    const auto& c = GetParam();
    const auto e = EffortCharge(c.code, {}, c.k, 0, 0, CLASSE2);
    EXPECT_TRUE(e.vitesseImposee);
    EXPECT_NEAR(e.consigneVitesse, c.consigne, 0.01);
    EXPECT_NEAR(e.coupleLimite, c.limite, 0.01);
    EXPECT_EQ(e.alternateurDecouple, c.decouple);
}

INSTANTIATE_TEST_SUITE_P(Lois, LoiVitesse,
                         testing::Values(TCasVitesse{"ConstantSpeed", LoiVitesseConstante, 500, 1500, 15,
                                                     false},
                                         TCasVitesse{"SpeedK", LoiVitesseK, 500, 900, 30, false},
                                         TCasVitesse{"CouplingAtHalfK", LoiCouplage, 500, 1500, 30, true},
                                         TCasVitesse{"CouplingAtZero", LoiCouplage, 0, 1350, 30, true}),
                         [](const auto& info) { return info.param.nom; });

TEST(Loi, InertiaWordAddsToTheShaftAndUnknownCodesDoNothing) {
    EXPECT_NEAR(EffortCharge(LoiLineaire, {0, 100, 0, 0, 250, 0}, 0, 0, 0, CLASSE2).inertieAjoutee, 0.25,
                1e-9);
    const auto e = EffortCharge(5, {100, 100, 100, 100, 100, 0}, 1000, 500, 0, CLASSE2);
    EXPECT_EQ(e.coupleResistant + e.coupleActif + e.inertieAjoutee, 0);
    EXPECT_FALSE(LoiConnue(5));
    EXPECT_TRUE(LoiConnue(LoiLevage));
}

// ---- on the bench ----

void Applique(TBanc& b, int code, std::vector<uint16_t> bloc) {
    bloc.resize(6, 0);
    b.ecritRegistre(ADRESSE_CONTROLE, static_cast<uint16_t>(code << 8 | 1));
    b.ecritRegistres(ADRESSE_BLOC, bloc);
    b.ecritRegistre(ADRESSE_CONTROLE, static_cast<uint16_t>(code << 8 | 5));
}

TBanc Banc(TypeMachine type, double alimentation = 1) {
    TConfigBanc c;
    c.machine = type;
    c.reglages.alimentation = alimentation;
    return TBanc(c);
}

TEST(SurLeBanc, StickingTorqueAboveWhatTheMotorGivesHoldsTheShaft) {
    // The drive-fed motor gives at most 1.5 x 9.55 N.m.
    auto b = Banc(TypeMachine::VariateurContinu);
    Applique(b, LoiDecollage, {200, 1500, 10});
    b.avance(3);
    EXPECT_EQ(b.blocMesures()[1], 0);
    EXPECT_GT(b.blocMesures()[2], 1300); // the torque meter sees the motor pushing
    Applique(b, LoiDecollage, {200, 1000, 10});
    b.avance(3);
    EXPECT_GT(b.blocMesures()[1], 1400);
    EXPECT_NEAR(b.blocMesures()[2], 200, 2);
}

TEST(SurLeBanc, SpeedLawsHoldTheirSpeed) {
    auto b = Banc(TypeMachine::MccIndependante);
    Applique(b, LoiVitesseK, {500});
    b.avance(4);
    EXPECT_NEAR(b.blocMesures()[1], 900, 2);
    EXPECT_GT(b.blocMesures()[2], 100); // below its own speed the DC motor pulls
    Applique(b, LoiVitesseConstante, {0});
    b.avance(4);
    EXPECT_NEAR(b.blocMesures()[1], 1621, 3); // no torque to hold with: the motor runs free
    b.ecritRegistre(ADRESSE_BLOC, 1000);
    b.avance(4);
    EXPECT_NEAR(b.blocMesures()[1], 1500, 2);
    EXPECT_GT(b.blocMesures()[2], 800); // held back below its own speed, the motor pulls hard
}

TEST(SurLeBanc, CouplingHelpDrivesTheAlternatorOpenCircuitThenItRunsOnTheMains) {
    auto b = Banc(TypeMachine::Synchrone);
    Applique(b, LoiCouplage, {0});
    b.avance(4);
    auto w = b.blocMesures();
    EXPECT_NEAR(w[1], 1350, 2);
    EXPECT_EQ(w[5], 0);
    EXPECT_EQ(w[9], 0);
    EXPECT_NEAR(w[7], 2530 * 1350 / 1500, 5); // the EMF follows the speed
    b.ecritRegistre(ADRESSE_BLOC, 500);
    b.avance(4);
    w = b.blocMesures();
    EXPECT_NEAR(w[1], 1500, 2);
    EXPECT_NEAR(w[7], 2530, 5);
    // The student couples: the machine stays in step and draws current from the mains.
    b.ecritRegistre(ADRESSE_CONTROLE, 1);
    b.avance(4);
    w = b.blocMesures();
    EXPECT_NEAR(w[1], 1500, 1);
    EXPECT_GT(w[5], 100);
    EXPECT_EQ(w[7], 2300);
}

TEST(SurLeBanc, APumpDrivenBackwardsTakesLessTorque) {
    auto avant = Banc(TypeMachine::VariateurTriphase);
    auto arriere = Banc(TypeMachine::VariateurTriphase, -1);
    for (auto* b : {&avant, &arriere}) {
        Applique(*b, LoiQuadratique, {1000, 0, 1500, 50});
        b->avance(4);
    }
    const double tAvant = avant.blocMesures()[2], tArriere = arriere.blocMesures()[2];
    EXPECT_GT(tAvant, 900);
    EXPECT_LT(tArriere, 0);
    EXPECT_NEAR(-tArriere / tAvant, 0.5, 0.05);
}

TEST(SurLeBanc, CyclicTorqueSwingsBetweenItsBoundsAtTheShaftsPace) {
    auto b = Banc(TypeMachine::VariateurContinu);
    Applique(b, LoiCyclique, {1000, 200, 90, 10});
    b.avance(1);
    int bas = 10000, haut = -10000;
    for (int i = 0; i < 800; ++i) {
        b.avance(0.01);
        bas = std::min<int>(bas, b.blocMesures()[2]);
        haut = std::max<int>(haut, b.blocMesures()[2]);
    }
    EXPECT_NEAR(bas, 200, 20);
    EXPECT_NEAR(haut, 1000, 20);
}

TEST(SurLeBanc, LiftingRaisesWithTheRaisingTorque) {
    auto b = Banc(TypeMachine::MccIndependante);
    Applique(b, LoiLevage, {130, 85, 10});
    b.avance(4);
    EXPECT_GT(b.blocMesures()[1], 1400);
    EXPECT_NEAR(b.blocMesures()[2], 955, 3);
}

} // namespace
