#include "LiaisonTest.h"

namespace {

using Defaut = EsclaveScripte::Defaut;

// Raw words R1..R9 of the measurement block, 20.03..20.11.
struct Brut {
    int r1, r2, r3, r4, r5, r6, r7, r8, r9;
};

struct CasCalcul {
    const char* nom;
    int typeMachine;
    int calibre; // word 22: 1 = 2 A range
    Brut r;
    std::array<int32_t, 11> attendu; // Mesures[1..11]
};

class Calcul : public LiaisonTest, public testing::WithParamInterface<CasCalcul> {};

TEST_P(Calcul, TurnsTheRawWordsIntoTheQuantities) {
    const CasCalcul& c = GetParam();
    ouvre();
    session.ModeleEssai.TypeMachine() = c.typeMachine;
    session.ModeleEssai[TEnteteEssai::MotCalibreCourant] = c.calibre;
    const int mots[9] = {c.r.r1, c.r.r2, c.r.r3, c.r.r4, c.r.r5, c.r.r6, c.r.r7, c.r.r8, c.r.r9};
    for (int i = 0; i < 9; ++i)
        pose(20, 3 + i, mots[i]);
    ASSERT_TRUE(liaison->LectureValeurs());
    EXPECT_EQ(liaison->Mesures[0], 0);
    std::array<int32_t, 11> obtenu;
    std::copy(liaison->Mesures.begin() + 1, liaison->Mesures.begin() + 12, obtenu.begin());
    EXPECT_EQ(obtenu, c.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Calcul,
    testing::Values(
        //                                        n     Tu   Pm     U     I      Pe    Ie   Rd   Fp   pertes t
        CasCalcul{"dcSeparate",
                  1,
                  0,
                  {1500, 1000, 5000, 8000, 0, 2200, 0, 0, 2000},
                  {1500, 1000, 15710, 2200, 8000, 20000, 500, 785, 0, 4290, 0}},
        CasCalcul{"asyncMotor",
                  3,
                  0,
                  {1450, 700, 0, 0, 2000, 0, 2300, 0, 400},
                  {1450, 700, 10630, 2300, 2000, 12000, 0, 885, 869, 1370, 0}},
        CasCalcul{"asyncMotor2A",
                  3,
                  1,
                  {1450, 700, 0, 0, 2000, 0, 2300, 0, 400},
                  {1450, 700, 10630, 2300, 200, 1200, 0, 112, 869, 9430, 0}},
        CasCalcul{"seriesDcHasNoExcitation",
                  2,
                  0,
                  {1000, 500, 3000, 4000, 0, 2200, 0, 0, 700},
                  {1000, 500, 5236, 2200, 4000, 7000, 0, 748, 0, 1764, 0}},
        CasCalcul{"synchronousGenerator",
                  4,
                  0,
                  {1500, -600, 9000, 0, 1500, 0, 2300, 0, -300},
                  {1500, -600, -9426, 2300, 1500, -9000, 900, 954, 869, 426, 0}},
        CasCalcul{"singlePhaseDrive",
                  7,
                  0,
                  {1400, 300, 0, 0, 3000, 0, 2300, 0, 500},
                  {1400, 300, 4398, 2300, 3000, 5000, 0, 879, 724, 602, 0}},
        CasCalcul{"powerFactorCappedAt1000",
                  6,
                  0,
                  {100, 100, 0, 0, 100, 0, 200, 0, 5000},
                  {100, 100, 104, 200, 100, 150000, 0, 0, 1000, 149896, 0}},
        CasCalcul{"smallProductGivesNoPowerFactor",
                  3,
                  0,
                  {0, 0, 0, 0, 10, 0, 100, 0, 5},
                  {0, 0, 0, 100, 10, 150, 0, 0, 0, 150, 0}},
        CasCalcul{"signsDifferGiveNoEfficiency",
                  5,
                  0,
                  {1000, -382, 0, 500, 0, 2000, 0, 0, 400},
                  {1000, -382, -4000, 2000, 500, 4000, 0, 0, 0, 8000, 0}},
        CasCalcul{"negativeDivisionTruncatesTowardZero",
                  1,
                  1,
                  {-1, 1, -15, -15, 0, -15, 0, 0, -15},
                  {-1, 1, 0, -15, -1, -15, -1, 0, 0, 15, 0}}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(LiaisonTest, MechanicalPowerOfTheWorkedExample) {
    liaison->RawValues[1] = 1500;
    liaison->RawValues[2] = 1000;
    liaison->CalculValeurs();
    EXPECT_EQ(liaison->Mesures[3], 15710);
}

TEST_F(LiaisonTest, TheProductOfSpeedAndTorqueWrapsIn32Bits) {
    liaison->RawValues[1] = 32767;
    liaison->RawValues[2] = 32767; // 1 073 676 289 fits
    liaison->CalculValeurs();
    EXPECT_EQ(liaison->Mesures[3], int32_t(1073676289LL * 3142 / 300000));
    liaison->RawValues[1] = 70000; // only from the network route
    liaison->RawValues[2] = 70000;
    liaison->CalculValeurs();
    EXPECT_EQ(liaison->Mesures[3], int32_t(int64_t(int32_t(uint32_t(4900000000LL))) * 3142 / 300000));
}

struct CasRendement {
    int32_t pe, pm, rendement;
};

class RendementCas : public testing::TestWithParam<CasRendement> {};

TEST_P(RendementCas, IsTheSameFormulaForMotorAndGenerator) {
    EXPECT_EQ(Rendement(GetParam().pe, GetParam().pm), GetParam().rendement);
}

INSTANTIATE_TEST_SUITE_P(Cas, RendementCas,
                         testing::Values(CasRendement{-500, -400, 800}, CasRendement{500, -400, 0},
                                         CasRendement{-400, -500, 800}, CasRendement{1500, 1500, 1000},
                                         CasRendement{0, 1500, 0}, CasRendement{1500, 0, 0},
                                         CasRendement{20000, 15710, 785}, CasRendement{15710, 20000, 785},
                                         CasRendement{2147483647, 2147483646, 999}));

TEST_F(LiaisonTest, TimeCountsHundredthsAcrossMidnight) {
    horloge.maintenant = 86'399'500; // 23:59:59.500
    liaison->inittime();
    horloge.maintenant = 700; // 00:00:00.700
    liaison->CalculValeurs();
    EXPECT_EQ(liaison->Mesures[11], 120);
    liaison->StopTime();
    liaison->CalculValeurs();
    EXPECT_EQ(liaison->Mesures[11], 0);
}

TEST_F(LiaisonTest, ACycleEchoesTheStatusWithBit0) {
    ouvre();
    pose(20, 2, 0x0104);
    liaison->LectureValeurs();
    EXPECT_EQ(liaison->DriveStatus, 0x0104);
    EXPECT_EQ(registre(18, 30), 0x0105);
    ASSERT_EQ(port.esclave.requetes.size(), 2u);
    EXPECT_EQ(uint8_t(port.esclave.requetes[1][1]), 16); // the echo is the last exchange
}

TEST_F(LiaisonTest, ADriveThatAnswersNothingGivesMinusOneAtOnce) {
    ouvre();
    pose(20, 3, 1500);
    liaison->LectureValeurs();
    port.esclave.defaut = Defaut::Silence;
    EXPECT_FALSE(liaison->LectureValeurs());
    EXPECT_EQ(liaison->ErrorCount, 2);
    EXPECT_EQ(liaison->Mesures[0], -1);
    EXPECT_EQ(liaison->Mesures[1], 1500); // the last values stay
}

TEST_F(LiaisonTest, OneFailedEchoIsToleratedUntilASecondFailure) {
    ouvre();
    pose(20, 3, 1500);
    ASSERT_TRUE(liaison->LectureValeurs());
    pose(20, 3, 1400);
    port.esclave.prochains = {Defaut::Aucun, Defaut::Silence}; // block answered, echo not
    EXPECT_FALSE(liaison->LectureValeurs());
    EXPECT_EQ(liaison->ErrorCount, 1);
    EXPECT_EQ(liaison->Mesures[0], 0);
    EXPECT_EQ(liaison->Mesures[1], 1500);
    port.esclave.prochains = {Defaut::Aucun, Defaut::Silence};
    EXPECT_FALSE(liaison->LectureValeurs());
    EXPECT_EQ(liaison->Mesures[0], -1);
    EXPECT_TRUE(liaison->LectureValeurs()); // the drive answers again
    EXPECT_EQ(liaison->Mesures[0], 0);
    EXPECT_EQ(liaison->Mesures[1], 1400);
    EXPECT_EQ(liaison->ErrorCount, 0);
}

TEST_F(LiaisonTest, AFailedBlockReadStoresNothingEvenWhenTheEchoSucceeds) {
    ouvre();
    pose(20, 2, 0x0004);
    pose(20, 3, 1500);
    ASSERT_TRUE(liaison->LectureValeurs());
    pose(20, 2, 0x0300);
    pose(20, 3, 7);
    port.esclave.prochains = {Defaut::MauvaisCrc, Defaut::Aucun};
    EXPECT_FALSE(liaison->LectureValeurs());
    EXPECT_EQ(liaison->Mesures[1], 1500); // no spoilt word taken for a measurement
    EXPECT_EQ(liaison->Mesures[0], 0);
    EXPECT_EQ(liaison->ErrorCount, 1);
    EXPECT_EQ(liaison->DriveStatus, 0x0004);
    EXPECT_EQ(registre(18, 30), 0x0005); // the echo repeats the last status known
}

TEST_F(LiaisonTest, CouplingFactorsApplyAfterAGoodCycleOnly) {
    ouvre();
    session.ModeleEssai.TypeMachine() = 3;
    pose(20, 9, 2300);
    pose(20, 7, 1000);
    liaison->LectureValeursApi(1);
    EXPECT_EQ(liaison->Mesures[4], 3983);
    EXPECT_EQ(liaison->Mesures[5], 1000);
    liaison->LectureValeursApi(2);
    EXPECT_EQ(liaison->Mesures[4], 2300);
    EXPECT_EQ(liaison->Mesures[5], 1732);
    port.esclave.defaut = Defaut::Silence;
    liaison->LectureValeursApi(2);
    liaison->LectureValeursApi(2);
    EXPECT_EQ(liaison->Mesures[5], 1732); // failed cycles do not multiply it again
    liaison->LectureValeursApi(0);
    EXPECT_EQ(liaison->Mesures[0], -1);
}

} // namespace

namespace {

TEST_F(LiaisonTest, ACycleOnAClosedLinkIsNoMeasurement) {
    liaison->Mesures[0] = 0;
    liaison->Mesures[1] = 1234;
    EXPECT_FALSE(liaison->LectureValeurs());
    EXPECT_EQ(liaison->Mesures[0], -1);
    EXPECT_EQ(liaison->Mesures[1], 1234); // nothing computed from blank words
    EXPECT_TRUE(port.esclave.requetes.empty());
}

} // namespace
