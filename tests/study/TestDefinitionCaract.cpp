#include "../work/TravailTest.h"

#include "work/DefinitionCaract.h"

#include <set>
#include <vector>

namespace {

using Colonnes = std::vector<int>;

// The work's template set to a machine and a load; an application code also sets up its columns.
class DefinitionTest : public TravailTest {
protected:
    DefinitionCaract def;

    void etude(int typeMachine, int typeCharge) {
        s().ModeleEssai.TypeMachine() = typeMachine;
        s().ModeleEssai.TypeCharge() = typeCharge;
        if (typeCharge > 50) s().InitColonnesApplication(typeCharge);
    }
    void prepare(ModeDefinition mode, int cible = 1) {
        def.Mode = mode;
        def.Cible = cible;
        def.Prepare(t(), s());
    }
    TDefCaract& slot(int a) { return t().EnteteTravail.DefCaract(a); }
};

struct CasListes {
    const char* nom;
    int typeMachine, typeCharge;
    Colonnes ordonnees;
    bool temps; // the abscissa list ends with the time column
};

class Listes : public DefinitionTest, public testing::WithParamInterface<CasListes> {};

TEST_P(Listes, OfferTheMachinesQuantitiesAndTimeOnlyOnTheAbscissa) {
    const CasListes& c = GetParam();
    etude(c.typeMachine, c.typeCharge);
    prepare(ModeDefinition::Nouveau);
    Colonnes abscisses = c.ordonnees;
    if (c.temps) abscisses.push_back(COLONNE_TEMPS);
    EXPECT_EQ(def.ColonneDePosition, abscisses);
    EXPECT_EQ(def.NbOrdonnees, static_cast<int>(c.ordonnees.size()));
    EXPECT_EQ(def.NomsAbscisse(s()).size(), static_cast<qsizetype>(abscisses.size()));
    EXPECT_EQ(def.NomsOrdonnee(s()).size(), static_cast<qsizetype>(c.ordonnees.size()));
}

const Colonnes tout = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
const Colonnes sansIeNiFp = {1, 2, 3, 4, 5, 6, 8, 10};
const Colonnes sansIe = {1, 2, 3, 4, 5, 6, 8, 9, 10};
const Colonnes sansFp = {1, 2, 3, 4, 5, 6, 7, 8, 10};

Colonnes plus(Colonnes c, std::initializer_list<int> autres) {
    c.insert(c.end(), autres);
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Listes,
    testing::Values(
        CasListes{"noMachine", 0, 1, tout, false}, CasListes{"dcSeparate", 1, 1, sansFp, false},
        CasListes{"dcSeries", 2, 1, sansIeNiFp, false}, CasListes{"asynchronous", 3, 2, sansIe, false},
        CasListes{"synchronous", 4, 3, tout, false}, CasListes{"driveOnDc", 5, 4, sansIeNiFp, false},
        CasListes{"driveOnThreePhase", 6, 6, sansIe, false},
        CasListes{"driveOnSinglePhase", 7, 7, sansIe, false},
        CasListes{"unknownMachineOffersAll", 9, 1, tout, false},
        CasListes{"constantPowerIsStatic", 3, 9, sansIe, false}, CasListes{"inertia10", 3, 10, sansIe, true},
        CasListes{"inertia12", 2, 12, sansIeNiFp, true}, CasListes{"cyclic14", 3, 14, sansIe, true},
        CasListes{"stickingStatic15", 3, 15, sansIe, false}, CasListes{"sticking16", 3, 16, sansIe, true},
        CasListes{"liftingStatic17", 3, 17, sansIe, false}, CasListes{"lifting18", 3, 18, sansIe, true},
        CasListes{"applicationThreeColumns", 3, 55, plus(sansIe, {12, 13, 14}), true},
        CasListes{"applicationWithoutItsThird", 3, 52, plus(sansIe, {12, 13}), true},
        CasListes{"applicationWithoutColumns", 3, 59, sansIe, true},
        // Flagged but without a quantity: a blank entry would plot nothing.
        CasListes{"applicationFlaggedButEmpty", 3, 54, sansIe, true}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(DefinitionTest, ADcSeriesMachineOffersNeitherExcitationCurrentNorPowerFactor) {
    etude(2, 1);
    prepare(ModeDefinition::Nouveau);
    const QStringList attendu = {"Vitesse de rotation",
                                 "Couple utile",
                                 QString::fromUtf8("Puissance mécanique"),
                                 "Tension",
                                 "Courant",
                                 QString::fromUtf8("Puissance électrique"),
                                 "Rendement",
                                 "Pertes"};
    EXPECT_EQ(def.NomsOrdonnee(s()), attendu);
    EXPECT_EQ(def.NomsAbscisse(s()), def.NomsOrdonnee(s()));
}

TEST_F(DefinitionTest, ATimeBasedLoadStartsANewDefinitionOnTimeInQuadrantsOneAndFour) {
    etude(3, 12);
    prepare(ModeDefinition::Nouveau);
    EXPECT_EQ(def.NomsAbscisse(s()).last(), "Temps");
    EXPECT_FALSE(def.NomsOrdonnee(s()).contains("Temps"));
    EXPECT_EQ(def.ColonneX(), COLONNE_TEMPS);
    EXPECT_EQ(def.ColonneY(), 2);
    EXPECT_EQ(def.Quadrant, QUADRANT_1_ET_4);
    std::set<int> permis;
    for (int q = 0; q < NB_QUADRANTS; ++q)
        if (def.QuadrantPermis(q)) permis.insert(q);
    EXPECT_EQ(permis, (std::set<int>{1, 2, 3}));
}

TEST_F(DefinitionTest, AnApplicationOffersTimeWithoutChoosingIt) {
    etude(3, 55);
    prepare(ModeDefinition::Nouveau);
    EXPECT_EQ(def.ColonneX(), 1);
    EXPECT_EQ(def.ColonneY(), 2);
    EXPECT_EQ(def.Quadrant, QUADRANT_TOUS);
}

TEST_F(DefinitionTest, ANewDefinitionForgetsTheQuadrantOfThePreviousShowing) {
    etude(3, 1);
    prepare(ModeDefinition::Modification);
    ASSERT_TRUE(def.ChoisitQuadrant(1));
    etude(3, 12);
    prepare(ModeDefinition::Nouveau);
    EXPECT_EQ(def.Quadrant, QUADRANT_1_ET_4);
}

struct CasModification {
    const char* nom;
    int typeMachine, typeCharge;
    int colonneX, colonneY, quadrant; // stored
    int attenduX, attenduY, attenduQuadrant;
};

class Modification : public DefinitionTest, public testing::WithParamInterface<CasModification> {};

TEST_P(Modification, StartsFromTheStoredDefinition) {
    const CasModification& c = GetParam();
    etude(c.typeMachine, c.typeCharge);
    slot(3) = TDefCaract{1, 1, {}, c.colonneX, 25, {}, c.colonneY, 30, {}, c.quadrant};
    prepare(ModeDefinition::Modification, 3);
    EXPECT_EQ(def.ColonneX(), c.attenduX);
    EXPECT_EQ(def.ColonneY(), c.attenduY);
    EXPECT_EQ(def.Quadrant, c.attenduQuadrant);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Modification,
    testing::Values(CasModification{"timeKeepsQuadrant1", 3, 12, 11, 1, 1, 11, 1, 1},
                    CasModification{"timeKeepsQuadrant3", 3, 12, 11, 5, 3, 11, 5, 3},
                    CasModification{"timeMovesQuadrant5To2", 3, 12, 11, 5, 5, 11, 5, 2},
                    CasModification{"otherAxesKeepTheirQuadrant", 4, 1, 5, 2, 6, 5, 2, 6},
                    CasModification{"columnTheMachineLacksFallsToTheFirst", 2, 1, 7, 9, 4, 1, 1, 4},
                    CasModification{"timeWithoutATimeLoadFallsToTheFirst", 3, 1, 11, 2, 1, 1, 2, 1},
                    CasModification{"timeOrdinateIsNotInTheOrdinateList", 3, 12, 1, 11, 0, 1, 1, 0},
                    CasModification{"damagedQuadrantReadsAsFour", 3, 1, 1, 2, 12, 1, 2, 0},
                    CasModification{"negativeQuadrantReadsAsFour", 3, 1, 1, 2, -1, 1, 2, 0}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(DefinitionTest, InNewModeAnotherAbscissaBringsTheQuadrantBackToFour) {
    etude(3, 1);
    prepare(ModeDefinition::Nouveau);
    ASSERT_TRUE(def.ChoisitQuadrant(1));
    def.ChoisitAbscisse(2);
    EXPECT_EQ(def.ColonneX(), 3);
    EXPECT_EQ(def.Quadrant, QUADRANT_TOUS);
}

TEST_F(DefinitionTest, InModifyModeAnotherAbscissaKeepsTheQuadrant) {
    etude(3, 1);
    slot(1) = TDefCaract{1, 1, {}, 1, 18, {}, 2, 18, {}, 0};
    prepare(ModeDefinition::Modification, 1);
    ASSERT_TRUE(def.ChoisitQuadrant(7));
    def.ChoisitAbscisse(3);
    EXPECT_EQ(def.Quadrant, 7);
}

struct CasTemps {
    ModeDefinition mode;
    int avant;      // quadrant before time is chosen
    int surTemps;   // quadrant once time is the abscissa
    int apresTemps; // quadrant once the speed is the abscissa again
};

class PassageParLeTemps : public DefinitionTest, public testing::WithParamInterface<CasTemps> {};

TEST_P(PassageParLeTemps, TimeAllowsOnlyTheRightHalf) {
    const CasTemps& c = GetParam();
    etude(3, 10);
    slot(1) = TDefCaract{1, 1, {}, 1, 18, {}, 2, 18, {}, 0};
    prepare(c.mode, 1);
    def.ChoisitAbscisse(0);
    ASSERT_TRUE(def.ChoisitQuadrant(c.avant));
    def.ChoisitAbscisse(def.NbOrdonnees); // the trailing time entry
    ASSERT_EQ(def.ColonneX(), COLONNE_TEMPS);
    EXPECT_EQ(def.Quadrant, c.surTemps);
    def.ChoisitAbscisse(0);
    EXPECT_EQ(def.Quadrant, c.apresTemps);
}

INSTANTIATE_TEST_SUITE_P(Cas, PassageParLeTemps,
                         testing::Values(CasTemps{ModeDefinition::Nouveau, 0, 2, 0},
                                         CasTemps{ModeDefinition::Nouveau, 5, 2, 0},
                                         CasTemps{ModeDefinition::Modification, 3, 3, 3},
                                         CasTemps{ModeDefinition::Modification, 8, 2, 2},
                                         CasTemps{ModeDefinition::Modification, 1, 1, 1}));

TEST_F(DefinitionTest, ForbiddenQuadrantsAndPositionsChangeNothing) {
    etude(3, 12);
    prepare(ModeDefinition::Nouveau);
    for (int q : {-1, 0, 4, 5, 6, 7, 8, 9})
        EXPECT_FALSE(def.ChoisitQuadrant(q)) << q;
    EXPECT_EQ(def.Quadrant, QUADRANT_1_ET_4);
    const int x = def.PositionX;
    const int y = def.PositionY;
    def.ChoisitAbscisse(-1);
    def.ChoisitAbscisse(static_cast<int>(def.ColonneDePosition.size()));
    def.ChoisitOrdonnee(def.NbOrdonnees); // the time entry exists on the abscissa only
    EXPECT_EQ(def.PositionX, x);
    EXPECT_EQ(def.PositionY, y);
}

TEST_F(DefinitionTest, ADoubleClickConfirmsOnEveryUsableQuadrantButTheTopMiddleOne) {
    etude(3, 1);
    prepare(ModeDefinition::Nouveau);
    for (int q = 0; q < NB_QUADRANTS; ++q)
        EXPECT_EQ(def.DoubleClicConfirme(q), q != 8) << q;
    etude(3, 12);
    prepare(ModeDefinition::Nouveau);
    for (int q = 0; q < NB_QUADRANTS; ++q)
        EXPECT_EQ(def.DoubleClicConfirme(q), q >= 1 && q <= 3) << q;
}

struct CasZooms {
    int classe;
    int colonneX, colonneY;
    int zoomX, zoomY;
};

class ZoomsParClasse : public DefinitionTest, public testing::WithParamInterface<CasZooms> {};

TEST_P(ZoomsParClasse, ANewDefinitionTakesTheDefaultZoomsOfTheBench) {
    const CasZooms& c = GetParam();
    etude(4, 1);
    prepare(ModeDefinition::Nouveau, 2);
    def.ChoisitAbscisse(c.colonneX - 1); // on a synchronous machine position = column - 1
    def.ChoisitOrdonnee(c.colonneY - 1);
    s().TravailEnregistre = true;
    ASSERT_TRUE(def.Valide(t(), s(), c.classe));
    const TDefCaract& d = slot(2);
    EXPECT_EQ(d.Defini, 1);
    EXPECT_EQ(d.Affichee, 1);
    EXPECT_EQ(d.ColonneX, c.colonneX);
    EXPECT_EQ(d.ColonneY, c.colonneY);
    EXPECT_EQ(d.ZoomX, c.zoomX);
    EXPECT_EQ(d.ZoomY, c.zoomY);
    EXPECT_EQ(d.Quadrant, 0);
    EXPECT_FALSE(s().TravailEnregistre);
    EXPECT_FALSE(slot(1).Defini);
}

INSTANTIATE_TEST_SUITE_P(Cas, ZoomsParClasse,
                         testing::Values(CasZooms{0, 1, 2, 15, 18}, CasZooms{1, 1, 2, 15, 27},
                                         CasZooms{1, 4, 6, 18, 27}, CasZooms{2, 3, 5, 18, 18},
                                         CasZooms{3, 1, 2, 15, 0}, CasZooms{3, 10, 9, 0, 18}));

TEST_F(DefinitionTest, ModifyingKeepsTheZoomsAndWritesTheNewAxesAndQuadrant) {
    etude(3, 1);
    slot(4) = TDefCaract{1, 0, {}, 1, 33, {}, 2, 7, {}, 0};
    prepare(ModeDefinition::Modification, 4);
    def.ChoisitAbscisse(4); // current
    def.ChoisitOrdonnee(6); // efficiency: no excitation current before it on this machine
    ASSERT_TRUE(def.ChoisitQuadrant(1));
    ASSERT_TRUE(def.Valide(t(), s(), 3));
    EXPECT_EQ(slot(4), (TDefCaract{1, 1, {}, 5, 33, {}, 8, 7, {}, 1}));
}

TEST_F(DefinitionTest, ASlotOutsideTheWorkIsNeverWritten) {
    etude(3, 1);
    const TEnteteTravail avant = t().EnteteTravail;
    for (int cible : {0, 9, -1}) {
        prepare(ModeDefinition::Modification, cible);
        EXPECT_FALSE(def.Valide(t(), s(), 2));
        EXPECT_FALSE(def.InitCaract_Y_de_X(t(), s(), 1, 11, 2));
    }
    EXPECT_EQ(t().EnteteTravail, avant);
    EXPECT_TRUE(s().TravailEnregistre);
}

struct CasInit {
    ModeDefinition mode;
    int colonneY, colonneX;
    TDefCaract attendu;
};

class InitSansFenetre : public DefinitionTest, public testing::WithParamInterface<CasInit> {};

TEST_P(InitSansFenetre, DefinesTheSlotAsOkWouldInQuadrantFour) {
    const CasInit& c = GetParam();
    slot(5) = TDefCaract{0, 0, {}, 3, 40, {}, 4, 41, {}, 6};
    def.Mode = c.mode;
    def.Cible = 5;
    ASSERT_TRUE(def.InitCaract_Y_de_X(t(), s(), c.colonneY, c.colonneX, 1));
    EXPECT_EQ(slot(5), c.attendu);
    EXPECT_FALSE(s().TravailEnregistre);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, InitSansFenetre,
    testing::Values(CasInit{ModeDefinition::Nouveau, 1, 11, {1, 1, {}, 11, 18, {}, 1, 15, {}, 0}},
                    CasInit{ModeDefinition::Nouveau, 2, 1, {1, 1, {}, 1, 15, {}, 2, 27, {}, 0}},
                    // An application column has no default zoom of its own: full scale.
                    CasInit{ModeDefinition::Nouveau, 13, 11, {1, 1, {}, 11, 18, {}, 13, 18, {}, 0}},
                    CasInit{ModeDefinition::Modification, 1, 11, {1, 1, {}, 11, 40, {}, 1, 41, {}, 0}}));

TEST_F(DefinitionTest, CurrentRangeButtonsChangeTheCurrentTestOnlyWhenModifying) {
    etude(3, 1);
    t().AjouteEssai(s());
    t().AjouteEssai(s());
    s().EssaiCourant = 1;
    const auto calibres = [this] {
        return std::vector<int>{s().ModeleEssai[TEnteteEssai::MotCalibreCourant],
                                t().Essais[1].Entete[TEnteteEssai::MotCalibreCourant],
                                t().Essais[2].Entete[TEnteteEssai::MotCalibreCourant]};
    };
    def.Mode = ModeDefinition::Nouveau;
    def.ChoisitCalibre(t(), s(), 1);
    EXPECT_EQ(calibres(), (std::vector<int>{1, 0, 0}));
    EXPECT_TRUE(DefinitionCaract::Calibre2A(s()));
    def.Mode = ModeDefinition::Modification;
    def.ChoisitCalibre(t(), s(), 1);
    EXPECT_EQ(calibres(), (std::vector<int>{1, 1, 0}));
    def.ChoisitCalibre(t(), s(), 0);
    EXPECT_EQ(calibres(), (std::vector<int>{0, 0, 0}));
    EXPECT_FALSE(DefinitionCaract::Calibre2A(s()));
}

TEST_F(DefinitionTest, HintsFollowTheLanguage) {
    std::set<QString> toutes;
    for (int langue = 1; langue <= 3; ++langue) {
        AppliqueLangue(langue);
        std::set<QString> une;
        for (int q = 0; q < NB_QUADRANTS; ++q)
            une.insert(BulleQuadrant(q));
        une.insert(BulleOrdonnee());
        une.insert(BulleAbscisse());
        EXPECT_EQ(une.size(), NB_QUADRANTS + 2u);
        EXPECT_EQ(une.count(QString()), 0u);
        toutes.insert(une.begin(), une.end());
    }
    AppliqueLangue(1);
    EXPECT_EQ(toutes.size(), 3 * (NB_QUADRANTS + 2u));
    EXPECT_EQ(BulleQuadrant(2), "Etude dans les quadrants 1 et 4");
    EXPECT_EQ(BulleQuadrant(9), QString());
}

} // namespace
