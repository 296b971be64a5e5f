// The bench behind the registers: what it keeps, what it measures, how it sweeps, in simulated
// time only.

#include "simulator/Banc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numbers>

namespace {

// The program's reading of the measurement words (20.02..20.11), as it derives its quantities.
struct TDerivees {
    int64_t n, couple, pm, pe, rendement, facteurPuissance;
};

TDerivees Derive(const std::array<int16_t, 10>& w, TypeMachine type, int calibre) {
    const int64_t d = calibre == 2 ? 10 : 1;
    TDerivees r{};
    r.n = w[1];
    r.couple = w[2];
    r.pm = static_cast<int64_t>(static_cast<int32_t>(w[1] * w[2])) * 3142 / 300000;
    const bool triphase = type == TypeMachine::Asynchrone || type == TypeMachine::Synchrone ||
                          type == TypeMachine::VariateurTriphase;
    r.pe = w[9] * (triphase ? 30 : 10) / d;
    const bool alternatif = triphase || type == TypeMachine::VariateurMonophase;
    if (r.pe > 0 && r.pm > 0) r.rendement = 1000 * std::min(r.pe, r.pm) / std::max(r.pe, r.pm);
    if (r.pe < 0 && r.pm < 0) r.rendement = 1000 * std::max(r.pe, r.pm) / std::min(r.pe, r.pm);
    const int64_t a = int64_t{w[7]} * w[5];
    if (alternatif && a > 1000)
        r.facteurPuissance = std::min<int64_t>(1000, int64_t{10000000} * std::abs(w[9]) / a);
    return r;
}

// Applies a law the way the program does: prepare, block, apply.
void Applique(TBanc& b, int code, std::vector<uint16_t> bloc, uint16_t bits = 0) {
    bloc.resize(6, 0);
    b.ecritRegistre(ADRESSE_CONTROLE, static_cast<uint16_t>(code << 8 | 1 | bits));
    b.ecritRegistres(ADRESSE_BLOC, bloc);
    b.ecritRegistre(ADRESSE_CONTROLE, static_cast<uint16_t>(code << 8 | 5 | bits));
}

TBanc Banc(TypeMachine type, int classe = 2, TReglagesMachine r = {}) {
    TConfigBanc c;
    c.machine = type;
    c.classe = classe;
    c.reglages = r;
    return TBanc(c);
}

TEST(Registres, KeepTheLastValueWrittenExceptTheDrivesOwn) {
    TBanc b;
    const uint16_t adresses[] = {0,     1, 1919, 1924, AdresseParametre(18, 30), AdresseParametre(20, 29),
                                 0xFFFF};
    uint16_t v = 100;
    for (uint16_t a : adresses)
        b.ecritRegistre(a, v++);
    v = 100;
    for (uint16_t a : adresses)
        EXPECT_EQ(b.litRegistre(a), v++) << a;
    // The rating and the measurements are the drive's to say.
    b.ecritRegistres(ADRESSE_MESURES, std::vector<uint16_t>(10, 4321));
    b.ecritRegistre(ADRESSE_CALIBRE, 9);
    EXPECT_EQ(b.litRegistre(ADRESSE_CALIBRE), CalibreDeClasse(2));
    EXPECT_NE(b.litRegistre(ADRESSE_MESURES + 5), 4321);
}

// The program's mapping of the rating onto the bench power class.
int ClasseDuCalibre(int c) {
    if (c >= -10 && c <= 0) return 0;
    if ((c >= 10 && c <= 500) || (c >= 2001 && c <= 4000)) return 1;
    if ((c >= 501 && c <= 1500) || (c >= 4001 && c <= 20000)) return 2;
    if ((c >= 1501 && c <= 2000) || (c >= 20001 && c <= 50000)) return 3;
    return -1;
}

class Calibre : public testing::TestWithParam<int> {};

TEST_P(Calibre, RatingOfEachClassMapsBackToIt) {
    TConfigBanc c;
    c.classe = GetParam();
    TBanc b(c);
    EXPECT_EQ(ClasseDuCalibre(static_cast<int16_t>(b.litRegistre(ADRESSE_CALIBRE))), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Classes, Calibre, testing::Range(0, 4));

TEST(Calibre, AnOptionOverridesTheRating) {
    TConfigBanc c;
    c.calibreVariateur = 30000;
    EXPECT_EQ(TBanc(c).litRegistre(ADRESSE_CALIBRE), 30000);
}

TEST(Controle, WordOneTakesTheLoadOffAndWordZeroSaysTheProgramLeft) {
    TBanc b;
    Applique(b, LoiCoupleK, {500});
    EXPECT_EQ(b.etat().loi, LoiCoupleK);
    b.ecritRegistre(ADRESSE_CONTROLE, 1);
    EXPECT_EQ(b.etat().loi, LoiAucune);
    EXPECT_FALSE(b.etat().programmeParti);
    b.ecritRegistre(ADRESSE_CONTROLE, 0);
    EXPECT_TRUE(b.etat().programmeParti);
}

TEST(Controle, PrepareWordHoldsTheLawBackUntilItIsApplied) {
    TBanc b;
    b.ecritRegistre(ADRESSE_CONTROLE, 2 << 8 | 1);
    b.ecritRegistre(ADRESSE_BLOC, 800);
    EXPECT_EQ(b.etat().loi, LoiAucune);
    b.ecritRegistre(ADRESSE_CONTROLE, 2 << 8 | 5);
    EXPECT_EQ(b.etat().loi, LoiCoupleK);
    EXPECT_EQ(b.etat().k, 800);
}

// ---- automatic sweep ----

struct TBalayageCas {
    const char* nom;
    uint16_t sens;
    std::vector<uint16_t> bloc;
    double montee, descente; // seconds
};

class Balayage : public testing::TestWithParam<TBalayageCas> {};

TEST_P(Balayage, RaisesThenClearsTheStatusBitsOnTime) {
    const auto& p = GetParam();
    TBanc b;
    Applique(b, LoiCoupleK, p.bloc, p.sens);
    const double marge = 0.02;
    b.avance(p.montee - marge);
    auto e = b.etat();
    EXPECT_EQ(e.statut, STATUT_BALAYAGE | STATUT_MONTEE);
    EXPECT_NEAR(e.k, 1000 * (p.montee - marge) / p.montee, 2);
    EXPECT_EQ(b.blocMesures()[0], STATUT_BALAYAGE | STATUT_MONTEE);
    b.avance(2 * marge);
    EXPECT_EQ(b.etat().statut, STATUT_BALAYAGE | STATUT_DESCENTE);
    b.avance(p.descente - 2 * marge);
    EXPECT_EQ(b.etat().statut, STATUT_BALAYAGE | STATUT_DESCENTE);
    EXPECT_LT(b.etat().k, 1000 * 3 * marge / p.descente + 2);
    b.avance(2 * marge);
    e = b.etat();
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(e.k, 0);
    // K stays where the sweep left it, not at the 1000 of 19.20.
    b.avance(1);
    EXPECT_EQ(b.etat().k, 0);
    EXPECT_EQ(b.blocMesures()[0], 0);
    // Until the program sends a K of its own.
    b.ecritRegistre(ADRESSE_BLOC, 300);
    EXPECT_EQ(b.etat().k, 300);
}

INSTANTIATE_TEST_SUITE_P(
    Sens, Balayage,
    testing::Values(TBalayageCas{"Rising", CONTROLE_MONTEE, {1000, 0, 50, 10, 0}, 5.0, 1.0},
                    TBalayageCas{"Falling", CONTROLE_DESCENTE, {1000, 0, 5, 80, 0}, 0.5, 8.0}),
    [](const auto& info) { return info.param.nom; });

TEST(Balayage, TheLoadTorqueFollowsK) {
    TBanc b;
    Applique(b, LoiCoupleK, {1000, 0, 100, 10, 0}, CONTROLE_MONTEE);
    b.avance(2.5);
    const double a = b.etat().couple;
    b.avance(5.0);
    const double c = b.etat().couple;
    EXPECT_NEAR(a, 15.0 * 0.25, 0.3);
    EXPECT_NEAR(c, 15.0 * 0.75, 0.3);
}

TEST(Balayage, ControlWordOneStopsASweep) {
    TBanc b;
    Applique(b, LoiCoupleK, {1000, 0, 50, 10, 0}, CONTROLE_MONTEE);
    b.avance(1);
    b.ecritRegistre(ADRESSE_CONTROLE, 1);
    EXPECT_EQ(b.etat().statut, 0);
}

// ---- physics ----

const TypeMachine TOUTES[] = {TypeMachine::MccIndependante,   TypeMachine::MccSerie,
                              TypeMachine::Asynchrone,        TypeMachine::Synchrone,
                              TypeMachine::VariateurContinu,  TypeMachine::VariateurTriphase,
                              TypeMachine::VariateurMonophase};

class Machine : public testing::TestWithParam<TypeMachine> {};

TEST_P(Machine, SpeedFallsAsTheLoadTorqueRises) {
    double precedente = 1e9;
    for (uint16_t k : {100, 400, 700, 900}) {
        auto b = Banc(GetParam());
        Applique(b, LoiCoupleK, {k});
        b.avance(6);
        const double n = b.etat().vitesse;
        if (GetParam() == TypeMachine::Synchrone)
            EXPECT_NEAR(n, 1500, 0.5) << k; // in step with the mains whatever the load
        else
            EXPECT_LT(n, precedente - 5) << k;
        EXPECT_GT(n, 1000) << k;
        precedente = n;
    }
}

TEST_P(Machine, TheTwoAmpRangeShowsTenTimesTheDigitsOfTheTwentyAmpRange) {
    auto b = Banc(GetParam(), 1);
    Applique(b, LoiCoupleK, {500});
    b.avance(5);
    const auto w20 = b.blocMesures();
    b.regleCalibreCourant(2);
    const auto w2 = b.blocMesures();
    for (int i : {4, 5, 9}) {
        EXPECT_NEAR(w2[i], 10 * w20[i], 5) << i;
    }
    EXPECT_GT(std::abs(w2[4]) + std::abs(w2[5]), 2000); // the class-1 machine draws over 0.2 A
    EXPECT_EQ(w2[7], w20[7]);
    EXPECT_EQ(w2[2], w20[2]);
}

INSTANTIATE_TEST_SUITE_P(Types, Machine, testing::ValuesIn(TOUTES), [](const auto& info) {
    return "Type" + std::to_string(static_cast<int>(info.param));
});

// Every machine of every class near its rated torque (60 % of the class's full-scale torque).
class MachineClasse : public testing::TestWithParam<std::tuple<TypeMachine, int>> {};

TEST_P(MachineClasse, AtSteadyStateTheWordsGiveShaftPowerAndAPlausibleMotorEfficiency) {
    const auto [type, classe] = GetParam();
    auto b = Banc(type, classe);
    Applique(b, LoiCoupleK, {600});
    b.avance(6);
    const auto e = b.etat();
    const auto d = Derive(b.blocMesures(), type, 20);
    const double pm = e.vitesse * e.couple * std::numbers::pi / 30; // W
    EXPECT_NEAR(d.pm / 10.0, pm, 1.0 + std::abs(pm) * 0.002);
    const double pleineEchelle[] = {15, 3, 15, 30};
    EXPECT_NEAR(e.couple, 0.6 * pleineEchelle[classe], 0.05); // the torque meter reads the load's torque
    EXPECT_GT(d.pe, d.pm);
    EXPECT_GE(d.rendement, 600);
    EXPECT_LE(d.rendement, 950);
}

INSTANTIATE_TEST_SUITE_P(TypesEtClasses, MachineClasse,
                         testing::Combine(testing::ValuesIn(TOUTES), testing::Range(0, 4)),
                         [](const auto& info) {
                             return "Type" + std::to_string(static_cast<int>(std::get<0>(info.param))) +
                                    "Class" + std::to_string(std::get<1>(info.param));
                         });

class MachineAlternative : public testing::TestWithParam<TypeMachine> {};

TEST_P(MachineAlternative, ShowsAPlausiblePowerFactorAndNoDirectQuantity) {
    auto b = Banc(GetParam());
    Applique(b, LoiCoupleK, {600});
    b.avance(6);
    const auto w = b.blocMesures();
    const auto d = Derive(w, GetParam(), 20);
    EXPECT_GE(d.facteurPuissance, 650);
    EXPECT_LE(d.facteurPuissance, 1000);
    EXPECT_EQ(w[4], 0);
    EXPECT_EQ(w[6], 0);
}

INSTANTIATE_TEST_SUITE_P(Types, MachineAlternative,
                         testing::Values(TypeMachine::Asynchrone, TypeMachine::Synchrone,
                                         TypeMachine::VariateurTriphase, TypeMachine::VariateurMonophase),
                         [](const auto& info) {
                             return "Type" + std::to_string(static_cast<int>(info.param));
                         });

// A driving load turns every machine but the series one into a generator; the program's
// efficiency, formed from two negative powers, stays below 1.
class Generatrice : public testing::TestWithParam<TypeMachine> {};

TEST_P(Generatrice, GivesBackLessElectricalPowerThanItTakesOnTheShaft) {
    auto b = Banc(GetParam());
    Applique(b, LoiEntrainante, {1000});
    b.avance(6);
    const auto d = Derive(b.blocMesures(), GetParam(), 20);
    EXPECT_LT(d.pm, -1000); // more than 100 W into the shaft
    EXPECT_LT(d.pe, 0);
    EXPECT_GE(d.rendement, 600);
    EXPECT_LE(d.rendement, 950);
}

INSTANTIATE_TEST_SUITE_P(Types, Generatrice,
                         testing::Values(TypeMachine::MccIndependante, TypeMachine::Asynchrone,
                                         TypeMachine::Synchrone, TypeMachine::VariateurContinu,
                                         TypeMachine::VariateurTriphase, TypeMachine::VariateurMonophase),
                         [](const auto& info) {
                             return "Type" + std::to_string(static_cast<int>(info.param));
                         });

// Four quadrants of the separately excited DC machine: the supply's polarity sets the sense of
// rotation, the load decides whether it motors or generates.
struct TQuadrant {
    const char* nom;
    double alimentation;
    int code;
    std::vector<uint16_t> bloc;
    int signeVitesse, signeCouple, signePuissance;
};

class Quadrant : public testing::TestWithParam<TQuadrant> {};

TEST_P(Quadrant, SignsOfSpeedTorqueAndElectricalPower) {
    const auto& q = GetParam();
    TReglagesMachine r;
    r.alimentation = q.alimentation;
    auto b = Banc(TypeMachine::MccIndependante, 2, r);
    Applique(b, q.code, q.bloc);
    b.avance(6);
    const auto w = b.blocMesures();
    EXPECT_EQ(w[1] > 0 ? 1 : -1, q.signeVitesse);
    EXPECT_EQ(w[2] > 0 ? 1 : -1, q.signeCouple);
    EXPECT_EQ(w[9] > 0 ? 1 : -1, q.signePuissance);
    EXPECT_GT(std::abs(w[2]), 150);
    const auto d = Derive(w, TypeMachine::MccIndependante, 20);
    EXPECT_GE(d.rendement, 600);
    EXPECT_LT(d.rendement, 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Quadrants, Quadrant,
    testing::Values(TQuadrant{"ForwardMotor", 1, LoiCoupleK, {600}, 1, 1, 1},
                    TQuadrant{"ForwardGenerator", 1, LoiEntrainante, {1000}, 1, -1, -1},
                    TQuadrant{"ReverseMotor", -1, LoiCoupleK, {600}, -1, -1, 1},
                    // Lowering 150 kg at 1 m/s: gravity drives the machine faster than its own speed.
                    TQuadrant{"ReverseGenerator", -1, LoiLevage, {150, 85, 10}, -1, 1, -1}),
    [](const auto& info) { return info.param.nom; });

TEST(Physique, AddedInertiaSlowsTheStart) {
    auto temps = [](uint16_t inertie) {
        auto b = Banc(TypeMachine::VariateurContinu);
        Applique(b, LoiLineaire, {0, 0, 0, 0, inertie});
        double t = 0;
        while (b.etat().vitesse < 1000 && t < 60) {
            b.avance(0.01);
            t += 0.01;
        }
        return t;
    };
    const double libre = temps(0), lourd = temps(500);
    EXPECT_LT(libre, 0.2);
    // 0.5 kg.m2 on top of the rotors' 0.02: some 25 times longer.
    EXPECT_GT(lourd, 15 * libre);
}

TEST(Physique, SeriesMotorRacesWithoutLoad) {
    auto b = Banc(TypeMachine::MccSerie);
    b.avance(8);
    EXPECT_GT(b.etat().vitesse, 3000);
}

} // namespace
