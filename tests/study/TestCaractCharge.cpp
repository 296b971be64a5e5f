#include "socle/ConfigGenerale.h"
#include "socle/Textes.h"
#include "study/CaractCharge.h"
#include "work/Travail.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <vector>

void PrintTo(const PointCar& p, std::ostream* os) {
    *os << '(' << p.X << ", " << p.Y << ')';
}

namespace {

using E = TEnteteEssai;

class Panneau : public testing::Test {
protected:
    TEnteteEssai modele = TEnteteEssai::defaut();
    TConfigGenerale config = TConfigGenerale::defaut();
    CaractCharge panneau{modele, config};

    void SetUp() override { AppliqueLangue(1); }
    void banc(int classe, int frequence) {
        config.ClassePuissance = classe;
        config.FrequenceReseau = frequence;
    }
    std::vector<PointCar> courbe() const {
        return {panneau.Courbe.begin(), panneau.Courbe.begin() + panneau.DernierPoint + 1};
    }
};

// The law of every load type from the default record, on several bench classes and both mains.
struct CasLoi {
    const char* nom;
    int type, classe, frequence;
    const char *b1, *b2, *b3, *c2, *c3;
    std::vector<std::pair<int, PointCar>> points; // index, point
    int dernier;
};

class Loi : public Panneau, public testing::WithParamInterface<CasLoi> {};

TEST_P(Loi, TextsAndCurveFollowTheRecordAndTheBench) {
    const CasLoi& c = GetParam();
    banc(c.classe, c.frequence);
    panneau.SetMode(c.type);
    EXPECT_EQ(panneau.TextB1, c.b1);
    EXPECT_EQ(panneau.TextB2, c.b2);
    EXPECT_EQ(panneau.TextB3, c.b3);
    EXPECT_EQ(panneau.TextC2, c.c2);
    EXPECT_EQ(panneau.TextC3, c.c3);
    ASSERT_EQ(panneau.DernierPoint, c.dernier);
    for (const auto& [i, p] : c.points)
        EXPECT_EQ(panneau.Courbe[i], p) << "point " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Types, Loi,
    testing::Values(CasLoi{"constant",
                           6,
                           2,
                           50,
                           "2,00 Nm",
                           "",
                           "314 W",
                           "",
                           "Puissance à 1500tr/min",
                           {{0, {0, 0}}, {1, {0, 200}}, {2, {1500, 200}}},
                           2},
                    CasLoi{"constantSmallBench60Hz",
                           10,
                           1,
                           60,
                           "0,40 Nm",
                           "",
                           "75 W",
                           "",
                           "Puissance à 1800tr/min",
                           {{0, {0, 0}}, {1, {0, 40}}, {2, {1800, 40}}},
                           2},
                    CasLoi{"linear",
                           7,
                           2,
                           50,
                           "2,00 Nm",
                           "5,00 Nm",
                           "785 W",
                           "Couple à 1500tr/min",
                           "Puissance à 1500tr/min",
                           {{0, {0, 0}}, {1, {0, 200}}, {2, {1500, 500}}},
                           2},
                    CasLoi{"linearLargeBench60Hz",
                           11,
                           3,
                           60,
                           "4,00 Nm",
                           "10,00 Nm",
                           "1885 W",
                           "Couple à 1800tr/min",
                           "Puissance à 1800tr/min",
                           {{0, {0, 0}}, {1, {0, 400}}, {2, {1800, 1000}}},
                           2},
                    CasLoi{"quadratic",
                           8,
                           2,
                           50,
                           "2,00 Nm",
                           "5,00 Nm",
                           "785 W",
                           "Couple à 1500tr/min",
                           "Puissance à 1500tr/min",
                           {{1, {0, 200}}, {2, {75, 200}}, {11, {750, 275}}, {21, {1500, 500}}},
                           21},
                    CasLoi{"quadraticSmallBench60Hz",
                           12,
                           1,
                           60,
                           "0,40 Nm",
                           "1,00 Nm",
                           "188 W",
                           "Couple à 1800tr/min",
                           "Puissance à 1800tr/min",
                           {{2, {90, 40}}, {11, {900, 55}}, {21, {1800, 100}}},
                           21},
                    CasLoi{
                        "power",
                        9,
                        2,
                        50,
                        "5,00 Nm",
                        "1,27 Nm",
                        "266 W",
                        "Couple à 2000tr/min",
                        "Puissance constante",
                        {{0, {0, 500}}, {1, {508, 500}}, {6, {508, 500}}, {7, {600, 423}}, {21, {2000, 127}}},
                        21},
                    CasLoi{"powerLargeBench60Hz",
                           13,
                           3,
                           60,
                           "10,00 Nm",
                           "2,39 Nm",
                           "600 W",
                           "Couple à 2400tr/min",
                           "Puissance constante",
                           {{1, {573, 1000}}, {6, {573, 1000}}, {7, {600, 956}}, {21, {2000, 286}}},
                           21},
                    CasLoi{"cyclic",
                           14,
                           2,
                           50,
                           "2,00 Nm",
                           "",
                           "5,00 Nm",
                           "",
                           "Couple maximum",
                           {{0, {0, 200}},
                            {1, {450, 200}},
                            {2, {500, 500}},
                            {3, {950, 500}},
                            {4, {1000, 200}},
                            {5, {1450, 200}},
                            {6, {1500, 500}},
                            {7, {1950, 500}},
                            {8, {2000, 200}},
                            {9, {2001, 200}}},
                           9},
                    CasLoi{"sticking",
                           15,
                           2,
                           50,
                           "5,00 Nm",
                           "2,00 Nm",
                           "150 tr/min",
                           "Couple à 1500tr/min",
                           "Vitesse décollage",
                           {{0, {0, 0}}, {1, {0, 500}}, {2, {150, 200}}, {3, {1500, 200}}},
                           3},
                    CasLoi{"stickingSmallBench60Hz",
                           16,
                           1,
                           60,
                           "1,00 Nm",
                           "0,40 Nm",
                           "180 tr/min",
                           "Couple à 1800tr/min",
                           "Vitesse décollage",
                           {{0, {0, 0}}, {1, {0, 100}}, {2, {180, 40}}, {3, {1800, 40}}},
                           3},
                    CasLoi{"lifting",
                           17,
                           2,
                           50,
                           "6,90 Nm",
                           "9,55 Nm",
                           "130 kg",
                           "Couple de montée",
                           "Masse",
                           {{0, {-1500, 690}}, {1, {0, 690}}, {2, {0, 955}}, {3, {1500, 955}}},
                           3},
                    CasLoi{"lifting60Hz",
                           18,
                           2,
                           60,
                           "5,73 Nm",
                           "7,94 Nm",
                           "108 kg",
                           "Couple de montée",
                           "Masse",
                           {{0, {-1800, 573}}, {1, {0, 573}}, {2, {0, 794}}, {3, {1800, 794}}},
                           3}),
    [](const auto& i) { return std::string(i.param.nom); });

// What each load type shows.
struct CasVisibles {
    int type;
    bool volet2, a, b, j, n, cycle, inertie;
    int axes;
};

class Visibles : public Panneau, public testing::WithParamInterface<CasVisibles> {};

TEST_P(Visibles, EachLawShowsItsOwnControlsAndAxes) {
    const CasVisibles& c = GetParam();
    panneau.SetMode(c.type);
    EXPECT_EQ(panneau.Volet2Visible, c.volet2);
    EXPECT_EQ(panneau.TrackBarAVisible, c.a);
    EXPECT_EQ(panneau.TrackBarBVisible, c.b);
    EXPECT_EQ(panneau.TrackBarJVisible, c.j);
    EXPECT_EQ(panneau.PanelNVisible, c.n);
    EXPECT_EQ(panneau.PanelCycleVisible, c.cycle);
    EXPECT_EQ(panneau.PanelInertieVisible, c.inertie);
    EXPECT_EQ(panneau.GenreAxes, c.axes);
}

INSTANTIATE_TEST_SUITE_P(Types, Visibles,
                         testing::Values(CasVisibles{6, false, false, true, true, false, false, false, 1},
                                         CasVisibles{10, false, false, true, true, false, false, true, 1},
                                         CasVisibles{7, true, true, true, true, false, false, false, 2},
                                         CasVisibles{12, true, true, true, true, false, false, true, 3},
                                         CasVisibles{9, true, true, true, true, false, false, false, 4},
                                         CasVisibles{14, false, true, true, true, false, true, true, 5},
                                         CasVisibles{15, true, true, true, true, true, false, false, 2},
                                         CasVisibles{16, true, true, true, true, true, false, true, 2},
                                         CasVisibles{17, true, true, false, false, false, true, false, 6},
                                         CasVisibles{18, true, true, false, false, false, true, true, 6}),
                         [](const auto& i) { return std::to_string(i.param.type); });

TEST_F(Panneau, CaptionsFollowTheMainsButTheLiftingOneStaysAt1500) {
    banc(2, 60);
    panneau.SetMode(7);
    EXPECT_EQ(panneau.TextC2, "Couple à 1800tr/min");
    EXPECT_EQ(panneau.TextC3, "Puissance à 1800tr/min");
    panneau.SetMode(17);
    EXPECT_EQ(panneau.StaticTextReduction, "Vitesse linéaire à 1500tr/min");
    EXPECT_EQ(panneau.StaticTextPent, "Rendement :");
    EXPECT_EQ(panneau.StaticTextred, "1,0 m/s");
    EXPECT_EQ(panneau.StaticTextPente, "85%");
    panneau.SetMode(14);
    EXPECT_EQ(panneau.StaticTextReduction, "Reduction :");
    EXPECT_EQ(panneau.StaticTextred, "1/100");
    EXPECT_EQ(panneau.StaticTextPente, "10%");
}

TEST_F(Panneau, CaptionsComeInTheLanguageOfTheTexts) {
    AppliqueLangue(2);
    panneau.SetMode(14);
    EXPECT_EQ(panneau.TextC1, "Minimum torque");
    EXPECT_EQ(panneau.TextC3, "Maximum torque");
    EXPECT_EQ(panneau.StaticTextPent, "Gradient :");
    AppliqueLangue(1);
}

TEST_F(Panneau, LiftingStoresTheInertiaOfTheLiftedMass) {
    modele[E::MotLiftMassPos] = 250;
    modele[E::MotLiftSpeed] = 20;
    panneau.SetMode(18);
    // 250 kg at 2,0 m/s: 250 x 20 x 20 / 2467.
    EXPECT_EQ(modele[E::MotLiftInertia], 40);
    EXPECT_EQ(panneau.TextJ, "J = 0,040 kg.m²");
}

TEST_F(Panneau, TheQuadraticCurveIsComputedIn64Bits) {
    banc(3, 60);
    modele[E::MotQuadAtSyncPos] = 150;
    modele[E::MotQuadConstPos] = 0;
    panneau.SetMode(12);
    // 900 x 900 x 3000 and 1800 x 1800 x 3000 do not fit in 32 bits.
    EXPECT_EQ(panneau.Courbe[11], (PointCar{900, 750}));
    EXPECT_EQ(panneau.Courbe[21], (PointCar{1800, 3000}));
}

// What each handler writes into the record, bar positions counted from the top.
struct CasReglage {
    const char* nom;
    int type;
    char barre;
    int position;
    std::vector<std::pair<int, int32_t>> mots;
};

class Reglage : public Panneau, public testing::WithParamInterface<CasReglage> {};

TEST_P(Reglage, WritesTheLawParameterOfTheBar) {
    const CasReglage& c = GetParam();
    panneau.SetMode(c.type);
    switch (c.barre) {
    case 'A':
        panneau.TrackBarAChange(c.position);
        break;
    case 'B':
        panneau.TrackBarBChange(c.position);
        break;
    default:
        panneau.TrackBarNChange(c.position);
        break;
    }
    for (const auto& [mot, valeur] : c.mots)
        EXPECT_EQ(modele[mot], valeur) << "word " << mot;
}

INSTANTIATE_TEST_SUITE_P(
    Barres, Reglage,
    testing::Values(
        CasReglage{"constantTorque", 6, 'B', 100, {{E::MotTorqueConstPos, 50}}},
        CasReglage{"linearAtSync", 11, 'A', 0, {{E::MotLinearAtSyncPos, 150}, {E::MotLinearConstPos, 20}}},
        CasReglage{"linearConstant", 7, 'B', 150, {{E::MotLinearConstPos, 0}, {E::MotLinearAtSyncPos, 50}}},
        // The torque at synchronous speed never drops below the constant part.
        CasReglage{"quadAtSyncHeldAtTheConstant", 8, 'A', 145, {{E::MotQuadAtSyncPos, 20}}},
        CasReglage{"quadConstantPushesTheTopUp",
                   12,
                   'B',
                   10,
                   {{E::MotQuadConstPos, 140}, {E::MotQuadAtSyncPos, 140}}},
        CasReglage{"cyclicMaxHeldAtTheMin", 14, 'A', 150, {{E::MotCyclicMaxPos, 20}}},
        CasReglage{
            "cyclicMinPushesTheMaxUp", 14, 'B', 0, {{E::MotCyclicMinPos, 150}, {E::MotCyclicMaxPos, 150}}},
        CasReglage{"powerNeverBelowTen", 9, 'A', 150, {{E::MotPowerConstPos, 10}}},
        CasReglage{"powerLimitNeverBelowTen", 13, 'B', 150, {{E::MotPowerTorqueLimitPos, 10}}},
        CasReglage{"breakawaySpeed", 16, 'N', 37, {{E::MotBreakawaySpeedPos, 37}}},
        CasReglage{"liftedMassTop", 17, 'A', 50, {{E::MotLiftMassPos, 250}}},
        CasReglage{"liftedMassBottom", 18, 'A', 250, {{E::MotLiftMassPos, 50}}},
        CasReglage{"liftingHasNoBarB", 17, 'B', 0, {{E::MotLiftMassPos, 130}, {E::MotTorqueConstPos, 20}}}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(Panneau, WithoutSlopeTheTorqueStepsAtEachHalfPeriod) {
    modele[E::MotCyclicSlope] = 0;
    modele[E::MotCyclicReduction] = 10;
    panneau.SetMode(14);
    // No ramp: the torque steps at every half period of 100 tenths.
    EXPECT_EQ(panneau.Courbe[1], (PointCar{50, 200}));
    EXPECT_EQ(panneau.Courbe[2], (PointCar{50, 500}));
    EXPECT_EQ(panneau.axes().Vitesse.Max, 200);
}

TEST_F(Panneau, ConstantPowerValuesNeverGoBelowTenWhereverTheBarsAreDragged) {
    panneau.SetMode(9);
    for (int a = 0; a <= 150; a += 5)
        for (int b = 0; b <= 150; b += 5) {
            panneau.TrackBarAChange(a);
            panneau.TrackBarBChange(b);
            ASSERT_GE(modele[E::MotPowerConstPos], 10);
            ASSERT_GE(modele[E::MotPowerTorqueLimitPos], 10);
            // The bars show what the record holds.
            ASSERT_EQ(150 - panneau.TrackBarA.Position, modele[E::MotPowerConstPos]);
            ASSERT_EQ(150 - panneau.TrackBarB.Position, modele[E::MotPowerTorqueLimitPos]);
        }
}

TEST_F(Panneau, PointsOfTheHyperbolaBelowTheCornerCollapseOntoIt) {
    modele[E::MotPowerConstPos] = 150;      // 2000 W
    modele[E::MotPowerTorqueLimitPos] = 10; // 1,00 Nm: corner far to the right
    panneau.SetMode(9);
    const PointCar coin = panneau.Courbe[1];
    EXPECT_EQ(coin, (PointCar{19120, 100})); // 2000 x 956 / 100
    for (int i = 2; i <= 21; ++i)
        EXPECT_EQ(panneau.Courbe[i], coin) << i;
}

TEST_F(Panneau, ABarStoredBelowTenIsLiftedWhenTheOtherMoves) {
    modele[E::MotPowerConstPos] = 5;
    panneau.SetMode(9);
    EXPECT_EQ(modele[E::MotPowerConstPos], 5); // looking does not change it
    panneau.TrackBarBChange(100);
    EXPECT_EQ(modele[E::MotPowerConstPos], 10);
    EXPECT_EQ(modele[E::MotPowerTorqueLimitPos], 50);
}

TEST_F(Panneau, TheRunningTorqueFollowsTheStickingTorqueDownButNeverExceedsIt) {
    modele[E::MotStickingPos] = 50;
    modele[E::MotStickingRunPos] = 40;
    panneau.SetMode(15);
    panneau.TrackBarBChange(150 - 30); // sticking torque down to 30
    EXPECT_EQ(modele[E::MotStickingPos], 30);
    EXPECT_EQ(modele[E::MotStickingRunPos], 30);
    EXPECT_EQ(panneau.TrackBarA.Position, panneau.TrackBarB.Position);
    panneau.TrackBarAChange(0); // running torque up to the top
    EXPECT_EQ(modele[E::MotStickingRunPos], 30);
    panneau.TrackBarBChange(150 - 80); // sticking torque up again: the running one stays
    EXPECT_EQ(modele[E::MotStickingRunPos], 30);
    EXPECT_EQ(modele[E::MotStickingPos], 80);
}

TEST_F(Panneau, SwitchingToStickingRestoresBothBarsExactlyAsStored) {
    modele[E::MotLinearAtSyncPos] = 150;
    panneau.SetMode(7);            // bar A at the top
    for (int courant : {20, 80}) { // a running torque below, then above the sticking torque
        modele[E::MotStickingPos] = 50;
        modele[E::MotStickingRunPos] = courant;
        modele[E::MotBreakawaySpeedPos] = 33;
        const TEnteteEssai avant = modele;
        panneau.SetMode(16);
        EXPECT_EQ(modele, avant);
        EXPECT_EQ(panneau.TrackBarB.Position, 100);
        EXPECT_EQ(panneau.TrackBarA.Position, 150 - courant);
        EXPECT_EQ(panneau.TrackBarN.Position, 33);
    }
}

TEST_F(Panneau, LiftingMassBarShowsItsMaximumAtTheTop) {
    panneau.SetMode(17);
    EXPECT_EQ(panneau.TrackBarA.Min, 50);
    EXPECT_EQ(panneau.TrackBarA.Max, 250);
    EXPECT_EQ(panneau.TrackBarA.Position, 170); // 130 kg units
    panneau.SetMode(7);
    EXPECT_EQ(panneau.TrackBarA.Min, 0);
    EXPECT_EQ(panneau.TrackBarA.Position, 100);
}

class Inertie : public Panneau, public testing::WithParamInterface<int> {};

TEST_P(Inertie, TheEndsOfBarJAreNoInertiaAndTheRatedOne) {
    banc(GetParam(), 50);
    const int32_t nominale = constantesBanc(config).RatedInertia;
    panneau.SetMode(10);
    panneau.TrackBarJChange(50);
    EXPECT_EQ(modele[E::MotInertie], nominale);
    EXPECT_EQ(panneau.TextJ, "J = " + TexteValeur(nominale, 3) + " kg.m²");
    panneau.TrackBarJChange(0);
    EXPECT_EQ(modele[E::MotInertie], 0);
    EXPECT_EQ(panneau.TextJ, "J = 0,000 kg.m²");
    panneau.TrackBarJChange(40); // 250 thousandths
    EXPECT_EQ(modele[E::MotInertie], nominale / 4);
    panneau.SetMode(11);
    EXPECT_EQ(panneau.TrackBarJ.Position, 40);
}

INSTANTIATE_TEST_SUITE_P(Classes, Inertie, testing::Values(0, 1, 2, 3));

TEST_F(Panneau, AnInertiaAboveTheRatedOneHoldsBarJAtItsEnd) {
    modele[E::MotInertie] = 3000; // three times the rated inertia of class 2
    panneau.SetMode(13);
    EXPECT_EQ(panneau.TrackBarJ.Position, 50);
    EXPECT_EQ(modele[E::MotInertie], 3000);
}

struct CasTable {
    int32_t entree, attendu;
};
class TableInertie : public testing::TestWithParam<CasTable> {};
TEST_P(TableInertie, IndexOfTheFirstEntryNotBelowTheValue) {
    EXPECT_EQ(IndiceInertie(GetParam().entree), GetParam().attendu);
}
INSTANTIATE_TEST_SUITE_P(Valeurs, TableInertie,
                         testing::Values(CasTable{0, 0}, CasTable{-5, 0}, CasTable{17, 17},
                                         CasTable{1000, 50}, CasTable{1001, 51}, CasTable{3000, 61},
                                         CasTable{3001, 61},
                                         CasTable{std::numeric_limits<int32_t>::max(), 61}));

TEST(TableInertie, OutsideItsIndicesTheTableGivesNoInertia) {
    EXPECT_EQ(ValeurInertie(-1), 0);
    EXPECT_EQ(ValeurInertie(62), 0);
    EXPECT_EQ(ValeurInertie(61), 3000);
    EXPECT_EQ(ValeurInertie(50), 1000);
}

// Spin buttons: step and bounds of each value, and nothing for the laws without them.
struct CasPas {
    const char* nom;
    int type, mot;
    bool premier;
    int sens;
    int32_t avant, apres;
};

class Pas : public Panneau, public testing::WithParamInterface<CasPas> {};

TEST_P(Pas, StepsWithinBounds) {
    const CasPas& c = GetParam();
    modele[c.mot] = c.avant;
    panneau.SetMode(c.type);
    if (c.premier)
        c.sens > 0 ? panneau.SpinButtonRductionUpClick() : panneau.SpinButtonRductionDownClick();
    else
        c.sens > 0 ? panneau.SpinButtonPenteUpClick() : panneau.SpinButtonPenteDownClick();
    EXPECT_EQ(modele[c.mot], c.apres);
}

INSTANTIATE_TEST_SUITE_P(
    Boutons, Pas,
    testing::Values(CasPas{"reductionDown", 14, E::MotCyclicReduction, true, -1, 100, 90},
                    CasPas{"reductionTop", 14, E::MotCyclicReduction, true, 1, 100, 100},
                    CasPas{"reductionBottom", 14, E::MotCyclicReduction, true, -1, 10, 10},
                    CasPas{"slopeUp", 14, E::MotCyclicSlope, false, 1, 1, 2},
                    CasPas{"slopeTop", 14, E::MotCyclicSlope, false, 1, 10, 10},
                    CasPas{"slopeBottom", 14, E::MotCyclicSlope, false, -1, 0, 0},
                    CasPas{"liftSpeedUp", 17, E::MotLiftSpeed, true, 1, 10, 11},
                    CasPas{"liftSpeedTop", 18, E::MotLiftSpeed, true, 1, 20, 20},
                    CasPas{"liftSpeedBottom", 17, E::MotLiftSpeed, true, -1, 5, 5},
                    CasPas{"efficiencyDown", 18, E::MotLiftEfficiency, false, -1, 85, 84},
                    CasPas{"efficiencyTop", 17, E::MotLiftEfficiency, false, 1, 90, 90},
                    CasPas{"efficiencyBottom", 17, E::MotLiftEfficiency, false, -1, 50, 50},
                    CasPas{"storedOutOfRangeComesBack", 17, E::MotLiftSpeed, true, -1, 0, 5},
                    CasPas{"noSpinsForLinear", 7, E::MotCyclicReduction, true, 1, 50, 50},
                    CasPas{"noSpinsForSticking", 15, E::MotLiftEfficiency, false, -1, 70, 70}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(Panneau, TheSpinButtonsRedrawTheCurve) {
    panneau.SetMode(14);
    panneau.SpinButtonRductionDownClick(); // 1/90
    EXPECT_EQ(panneau.StaticTextred, "1/90");
    EXPECT_EQ(panneau.Courbe[9].X, 1801);
    panneau.SetMode(17);
    panneau.SpinButtonPenteDownClick(); // 84 %
    EXPECT_EQ(panneau.StaticTextPente, "84%");
    EXPECT_EQ(panneau.TextB2, "9,67 Nm"); // 130 x 625 x 10 / 84 / 10
}

// A record or settings file from elsewhere may hold anything: the panel still draws.
struct CasCorrompu {
    const char* nom;
    int type, mot;
    int32_t valeur;
    int frequence;
};

class Corrompu : public Panneau, public testing::WithParamInterface<CasCorrompu> {};

TEST_P(Corrompu, ADivisorOfZeroGivesZeroInsteadOfAFault) {
    const CasCorrompu& c = GetParam();
    banc(2, c.frequence);
    modele[c.mot] = c.valeur;
    panneau.SetMode(c.type);
    EXPECT_GE(panneau.DernierPoint, 2);
    EXPECT_FALSE(panneau.TextB1.isEmpty());
    const AxesCar a = panneau.axes();
    const GeometrieCar g = GeometrieTraceCar(QRect(0, 0, 300, 200), a.Couple, a.Vitesse, 12, 30);
    for (int i = 0; i <= panneau.DernierPoint; ++i) {
        g.colonne(panneau.Courbe[i].X);
        g.ligne(panneau.Courbe[i].Y);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Valeurs, Corrompu,
    testing::Values(CasCorrompu{"powerLimitZero", 9, E::MotPowerTorqueLimitPos, 0, 50},
                    CasCorrompu{"efficiencyZero", 17, E::MotLiftEfficiency, 0, 50},
                    CasCorrompu{"reductionZero", 14, E::MotCyclicReduction, 0, 50},
                    CasCorrompu{"slopeHuge", 14, E::MotCyclicSlope, std::numeric_limits<int32_t>::min(), 50},
                    CasCorrompu{"massHuge", 18, E::MotLiftMassPos, std::numeric_limits<int32_t>::max(), 50},
                    CasCorrompu{"noMainsQuadratic", 8, E::MotQuadConstPos, 20, 0},
                    CasCorrompu{"noMainsLifting", 17, E::MotLiftMassPos, 130, 0},
                    CasCorrompu{"wildMainsQuadratic", 12, E::MotQuadAtSyncPos, 150, 71'582'788},
                    CasCorrompu{"wildMainsLifting", 18, E::MotLiftSpeed, 20, 71'582'788}),
    [](const auto& i) { return std::string(i.param.nom); });

// Drawing geometry.
std::vector<std::pair<int64_t, int32_t>> paires(const std::vector<Graduation>& g) {
    std::vector<std::pair<int64_t, int32_t>> p;
    for (const Graduation& t : g)
        p.push_back({t.Pixel, t.Valeur});
    return p;
}

TEST(GeometrieTraceCar, LiftingAxesPutTheOriginInsideBothRanges) {
    const AxesCar a = AxesDuGenre(6, constantesBanc(50, 2), 100);
    const GeometrieCar g = GeometrieTraceCar(QRect(0, 0, 400, 300), a.Couple, a.Vitesse, 12, 30);
    // Torque from -3,00 to 30,00 Nm: the origin a eleventh of the height up.
    EXPECT_EQ(g.Y0, 273);
    EXPECT_EQ(g.X0, 200);
    EXPECT_EQ(g.Sx, 60);
    EXPECT_EQ(g.Sy, 84);
    EXPECT_EQ(paires(g.GraduationsVitesse),
              (std::vector<std::pair<int64_t, int32_t>>{
                  {200, 0}, {260, 500}, {320, 1000}, {380, 1500}, {140, -500}, {80, -1000}, {20, -1500}}));
    EXPECT_EQ(paires(g.GraduationsCouple),
              (std::vector<std::pair<int64_t, int32_t>>{{273, 0}, {189, 10}, {105, 20}, {21, 30}}));
    EXPECT_EQ(g.colonne(-1500), 20);
    EXPECT_EQ(g.ligne(690), 216); // 690 x 84 x 3 / 3000 = 57,96 pixels up
}

TEST(GeometrieTraceCar, PositiveAxesLeaveRoomForTheLabels) {
    const AxesCar a = AxesDuGenre(1, constantesBanc(50, 2), 100);
    const GeometrieCar g = GeometrieTraceCar(QRect(0, 0, 360, 260), a.Couple, a.Vitesse, 12, 30);
    EXPECT_EQ(g.Y0, 238);
    EXPECT_EQ(g.X0, 40);
    EXPECT_EQ(g.Sx, 100);
    EXPECT_EQ(g.Sy, 72);
    EXPECT_EQ(paires(g.GraduationsVitesse),
              (std::vector<std::pair<int64_t, int32_t>>{{40, 0}, {140, 500}, {240, 1000}, {340, 1500}}));
    EXPECT_EQ(paires(g.GraduationsCouple),
              (std::vector<std::pair<int64_t, int32_t>>{{238, 0}, {166, 5}, {94, 10}, {22, 15}}));
    EXPECT_EQ(g.colonne(1500), 340);
    EXPECT_EQ(g.ligne(1500), 22);
}

TEST(GeometrieTraceCar, TheCyclicAxisCountsInTheReduction) {
    const AxesCar a = AxesDuGenre(5, constantesBanc(50, 2), 30);
    EXPECT_EQ(a.Vitesse.Max, 600);
    const GeometrieCar g = GeometrieTraceCar(QRect(0, 0, 400, 300), a.Couple, a.Vitesse, 12, 30);
    EXPECT_EQ(paires(g.GraduationsVitesse), (std::vector<std::pair<int64_t, int32_t>>{
                                                {40, 0}, {125, 15}, {210, 30}, {295, 45}, {380, 60}}));
}

TEST(GeometrieTraceCar, PointsMapIn64Bits) {
    const AxesCar a = AxesDuGenre(4, constantesBanc(50, 2), 100);
    const GeometrieCar g = GeometrieTraceCar(QRect(0, 0, 3'000'000, 300), a.Couple, a.Vitesse, 12, 30);
    EXPECT_EQ(g.Sx, 749'985);
    EXPECT_EQ(g.colonne(2000), 40 + 2000LL * 749'985 * 4 / 1500);
}

TEST(GeometrieTraceCar, ATooSmallDrawingKeepsItsTicksInsideAndEnds) {
    // No room for a division, or divisions of no pixel at all.
    for (const QRect r : {QRect(0, 0, 20, 15), QRect(0, 0, 61, 43)})
        for (int genre = 1; genre <= 6; ++genre) {
            const AxesCar a = AxesDuGenre(genre, constantesBanc(50, 2), 100);
            const GeometrieCar g = GeometrieTraceCar(r, a.Couple, a.Vitesse, 12, 30);
            for (const Graduation& t : g.GraduationsVitesse)
                EXPECT_TRUE(t.Pixel >= r.left() && t.Pixel <= r.right()) << genre;
            for (const Graduation& t : g.GraduationsCouple)
                EXPECT_TRUE(t.Pixel >= r.top() && t.Pixel <= r.bottom()) << genre;
        }
}

} // namespace
