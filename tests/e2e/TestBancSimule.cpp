// The program's link against the simulated bench on a pseudo-terminal, in both frame layouts. The
// bench advances a fixed simulated time for every request, and the link's pauses are skipped: the
// minutes of a test on the bench take a fraction of a second here.
#include "SurBanc.h"

#include <gtest/gtest.h>

namespace {

struct CasClasse {
    int modele, classe;
};

class ClasseDuBanc : public testing::TestWithParam<CasClasse> {};

TEST_P(ClasseDuBanc, InitialiseFindsThePowerClassOfTheBench) {
    TConfigBanc c;
    c.classe = GetParam().classe;
    SurBanc s(GetParam().modele, c);
    ASSERT_TRUE(s.banc);
    s.config.ClassePuissance = GetParam().classe == 2 ? 0 : 2;
    s.liaison->Initialise();
    ASSERT_TRUE(s.liaison->LinkOpen);
    EXPECT_EQ(s.config.ClassePuissance, GetParam().classe);
    EXPECT_EQ(s.banc->banc().etat().motControle, 1);
    EXPECT_TRUE(s.dialogues.avertissements.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Classes, ClasseDuBanc,
                         testing::Values(CasClasse{0, 0}, CasClasse{0, 1}, CasClasse{0, 2}, CasClasse{0, 3},
                                         CasClasse{1, 0}, CasClasse{1, 1}, CasClasse{1, 2}, CasClasse{1, 3}),
                         [](const auto& i) {
                             return "model" + std::to_string(i.param.modele) + "class" +
                                    std::to_string(i.param.classe);
                         });

class MachineDuBanc : public testing::TestWithParam<int> {};

TEST_P(MachineDuBanc, AMeasurementCycleUnderConstantTorqueIsPlausible) {
    const int type = GetParam();
    TConfigBanc c;
    c.machine = TypeMachine(type);
    SurBanc s(type % 2, c);
    ASSERT_TRUE(s.banc);
    s.liaison->Initialise();
    s.session.ModeleEssai.TypeMachine() = type;
    s.appliqueLoi(11, {0, 500, 0, 0, 0}); // 5 N.m, whatever the speed
    for (int i = 0; i < 40; ++i)
        s.liaison->LectureValeurs(); // four simulated seconds
    ASSERT_TRUE(s.liaison->LectureValeurs());
    const auto& m = s.liaison->Mesures;
    EXPECT_EQ(m[0], 0);
    EXPECT_GT(m[1], 300) << "speed";
    EXPECT_NEAR(m[2], 500, 50) << "torque";
    EXPECT_NEAR(m[3], int64_t(m[1]) * m[2] * 3142 / 300000, 1);
    EXPECT_GE(m[8], 600) << "efficiency";
    EXPECT_LE(m[8], 950) << "efficiency";
    EXPECT_GT(m[4], 0) << "voltage";
    EXPECT_GT(m[5], 0) << "current";
    if (type == 3 || type == 4 || type == 6 || type == 7) {
        EXPECT_GT(m[9], 300) << "power factor";
        EXPECT_LE(m[9], 1000) << "power factor";
    }
    EXPECT_EQ(m[10], std::abs(m[6] - m[3]));
}

INSTANTIATE_TEST_SUITE_P(Types, MachineDuBanc, testing::Range(1, 8),
                         [](const auto& i) { return "type" + std::to_string(i.param); });

struct CasBalayage {
    const char* nom;
    int direction;
    std::array<int32_t, 5> bloc;
    int montee, descente; // expected cycles of 0.1 s in each phase
};

class Balayage : public testing::TestWithParam<CasBalayage> {};

TEST_P(Balayage, RaisesAndClearsTheStatusBitsOnTime) {
    SurBanc s(0, TConfigBanc{});
    ASSERT_TRUE(s.banc);
    s.liaison->Initialise();
    s.session.ModeleEssai.TypeMachine() = 1;
    s.liaison->setParam0();
    s.appliqueLoi(2, GetParam().bloc, GetParam().direction);
    int montee = 0, descente = 0, cycles = 0;
    while (cycles < 100) {
        ASSERT_TRUE(s.liaison->LectureValeurs());
        ++cycles;
        const int32_t statut = s.liaison->DriveStatus;
        if (!(statut & 0x0004)) break;
        if (statut & 0x0100) ++montee;
        if (statut & 0x0200) ++descente;
        EXPECT_NE(statut & 0x0300, 0x0300);
    }
    EXPECT_NEAR(montee, GetParam().montee, 2);
    EXPECT_NEAR(descente, GetParam().descente, 2);
    EXPECT_LT(cycles, 100) << "the sweep never ended";
    EXPECT_EQ(s.liaison->DriveStatus & 0x0304, 0);
}

INSTANTIATE_TEST_SUITE_P(Sens, Balayage,
                         testing::Values(CasBalayage{"rising", 0x4000, {1000, 0, 20, 10, 0}, 20, 10},
                                         CasBalayage{"falling", 0x8000, {1000, 0, 5, 30, 0}, 5, 30}),
                         [](const auto& i) { return std::string(i.param.nom); });

} // namespace
