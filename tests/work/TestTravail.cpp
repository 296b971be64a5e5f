#include "TravailTest.h"

namespace {

TEST_F(TravailTest, ResetMakesANewEmptyWork) {
    essaiDe(3);
    t().EnteteTravail.Reserve = {7, 8, 9, 10};
    t().EnteteTravail.DefCaract(2).Defini = 1;
    s().NomFichierCourant = "x.MLX2";
    t().NouveauTravail(s());

    const TEnteteTravail& e = t().EnteteTravail;
    EXPECT_EQ(e.Identification.texte(), "Vimra-Tavernole");
    EXPECT_EQ(e.Version, 1020);
    EXPECT_EQ(e.Commentaire.texte(), "");
    EXPECT_EQ(e.NbEssais, 0);
    EXPECT_EQ(e.Interpolation, -1);
    EXPECT_EQ(e.Reserve, (std::array<int32_t, 4>{7, 0, 0, 0})); // the first word is left alone
    for (uint8_t f : e.Drapeaux)
        EXPECT_EQ(f, 1);
    for (int a = 1; a <= 8; ++a)
        EXPECT_EQ(e.DefCaract(a), TDefCaract{});
    EXPECT_EQ(s().EssaiCourant, 0);
    EXPECT_TRUE(s().TravailEnregistre);
    EXPECT_TRUE(s().NomFichierCourant.isEmpty());
    EXPECT_EQ(s().ModeleEssai, TEnteteEssai::defaut());
    for (const TEssai& essai : t().Essais) {
        EXPECT_EQ(essai.Entete, TEnteteEssai::defaut());
        for (const auto& c : essai.Colonnes)
            for (int32_t v : c)
                ASSERT_EQ(v, 0);
    }
}

TEST_F(TravailTest, ResetGivesTheColumnsTheirQuantities) {
    const auto& g = Textes().Grandeurs;
    for (int c = 0; c <= 11; ++c)
        EXPECT_EQ(s().Colonnes[c], g[c]) << c;
    EXPECT_EQ(s().Colonnes[12], g[13]);
    EXPECT_EQ(s().Colonnes[13], g[17]);
    EXPECT_EQ(s().Colonnes[14], g[14]);
    for (int c = 15; c < NB_COLONNES; ++c) {
        EXPECT_EQ(s().Colonnes[c], TGrandeur{});
        EXPECT_EQ(s().Colonnes[c].Maximum, 1000);
    }
}

TEST_F(TravailTest, DefaultTestHeaderHoldsTheDocumentedWords) {
    const TEnteteEssai& d = TEnteteEssai::defaut();
    const std::map<int, int32_t> nonNuls = {{2, -1},  {3, 20},   {4, 50},  {5, 20},  {6, 50},   {7, 20},
                                            {8, 50},  {9, 20},   {10, 50}, {11, 20}, {12, 100}, {13, 1},
                                            {17, 10}, {18, 2},   {19, 5},  {21, 2},  {23, 50},  {24, 20},
                                            {25, 10}, {26, 130}, {27, 10}, {28, 85}};
    for (int w = 0; w < NB_MOTS_ENTETE_ESSAI; ++w) {
        const auto it = nonNuls.find(w);
        EXPECT_EQ(d[w], it == nonNuls.end() ? 0 : it->second) << "word " << w;
    }
    EXPECT_EQ(d.Commentaire(), "");
}

TEST_F(TravailTest, TestCommentLivesInBytes188To208) {
    TEnteteEssai e;
    e[52] = 0x7A000000; // a reserved byte past the comment
    e.setCommentaire(QString::fromUtf8("Essai à vide, 1500 tr/min"));
    EXPECT_EQ(e.Commentaire(), QString::fromUtf8("Essai à vide, 1500 t"));
    EXPECT_EQ(e.octet(188), 20);
    EXPECT_EQ(e.octet(189), 'E');
    EXPECT_EQ(e.octet(195), 0xE0); // à in Windows-1252
    EXPECT_EQ(e.octet(211), 0x7A);
    EXPECT_EQ(e[46], 0);
}

TEST_F(TravailTest, AddingTestsStopsAtFiveAndKeepsTheCurrentTest) {
    s().ModeleEssai.TypeMachine() = 3;
    s().ModeleEssai.DernierPoint() = 12;
    for (int i = 1; i <= 5; ++i) {
        t().AjouteEssai(s());
        EXPECT_EQ(s().EssaiCourant, i);
    }
    EXPECT_EQ(t().Essais[5].Entete.TypeMachine(), 3);
    EXPECT_EQ(t().Essais[5].Entete.DernierPoint(), -1);
    EXPECT_FALSE(s().TravailEnregistre);
    s().EssaiCourant = 2;
    t().AjouteEssai(s());
    EXPECT_EQ(t().EnteteTravail.NbEssais, 5);
    EXPECT_EQ(s().EssaiCourant, 2);
}

TEST_F(TravailTest, DeletingTest2Of4MovesTheOthersDownAndResetsTheFreedPlace) {
    for (int i = 1; i <= 4; ++i)
        essaiDe(i, 1000 * i);
    s().TravailEnregistre = true;
    t().SupprimeEssai(s(), 2);
    EXPECT_EQ(t().EnteteTravail.NbEssais, 3);
    EXPECT_EQ(t().Essais[2].Entete.DernierPoint(), 2); // the old test 3
    EXPECT_EQ(t().Essais[2].valeur(1, 0), 3010);
    EXPECT_EQ(t().Essais[3].Entete.DernierPoint(), 3); // the old test 4
    EXPECT_EQ(t().Essais[3].valeur(5, 3), 4053);
    EXPECT_EQ(t().Essais[4].Entete, TEnteteEssai::defaut());
    EXPECT_FALSE(s().TravailEnregistre);
}

TEST_F(TravailTest, DeletingATestOutsideTheWorkDoesNothing) {
    essaiDe(1);
    s().TravailEnregistre = true;
    for (int a : {0, -1, 2, 6})
        t().SupprimeEssai(s(), a);
    EXPECT_EQ(t().EnteteTravail.NbEssais, 1);
    EXPECT_TRUE(s().TravailEnregistre);
}

TEST_F(TravailTest, FirstPointIsNumberZeroAtElementOne) {
    t().AjouteEssai(s());
    etat.Mesures[0] = 77;
    etat.Mesures[1] = 1480;
    etat.Mesures[20] = -3;
    ASSERT_EQ(t().AjoutePoint(s(), etat.Mesures), ResultatAjout::Ajoute);
    const TEssai& e = t().Essais[1];
    EXPECT_EQ(e.Entete.DernierPoint(), 0);
    EXPECT_EQ(e.Colonnes[0][1], 0);
    EXPECT_EQ(e.Colonnes[1][1], 1480);
    EXPECT_EQ(e.Colonnes[20][1], -3);
    EXPECT_EQ(e.Colonnes[1][0], 0); // element 0 stays unused
}

TEST_F(TravailTest, AppendingWithoutATestDoesNothing) {
    EXPECT_EQ(t().AjoutePoint(s(), etat.Mesures), ResultatAjout::PasDEssai);
    EXPECT_TRUE(s().TravailEnregistre);
    EXPECT_EQ(t().Essais[0].Entete.DernierPoint(), -1);
}

TEST_F(TravailTest, AFullTestRefusesThePoint2002) {
    t().AjouteEssai(s());
    for (int k = 0; k < NB_POINTS_MAX; ++k) {
        etat.Mesures[1] = k;
        ASSERT_EQ(t().AjoutePoint(s(), etat.Mesures), ResultatAjout::Ajoute);
    }
    s().TravailEnregistre = true;
    etat.Mesures[1] = 99999;
    EXPECT_EQ(t().AjoutePoint(s(), etat.Mesures), ResultatAjout::EssaiPlein);
    const TEssai& e = t().Essais[1];
    EXPECT_EQ(e.Entete.DernierPoint(), 2000);
    EXPECT_EQ(e.valeur(1, 2000), 2000);
    EXPECT_TRUE(s().TravailEnregistre);
    EXPECT_EQ(t().Essais[2].Colonnes[0][0], 0); // nothing written past the store
}

TEST_F(TravailTest, SelectingAPointCopiesColumns0To15Only) {
    essaiDe(3);
    etat.Mesures[16] = 555;
    etat.Mesures[20] = 666;
    etat.SelectionPoint(t(), s(), 2);
    EXPECT_EQ(etat.Mesures[0], 2);
    EXPECT_EQ(etat.Mesures[1], 12);
    EXPECT_EQ(etat.Mesures[15], 152);
    EXPECT_EQ(etat.Mesures[16], 555);
    EXPECT_EQ(etat.Mesures[20], 666);
    EXPECT_EQ(etat.PointCourant, 2);
    etat.SelectionPoint(t(), s(), -1);
    EXPECT_EQ(etat.Mesures[0], -1);
    EXPECT_EQ(etat.PointCourant, -1);
}

TEST_F(TravailTest, SelectingWithoutATestOnlyMovesThePointIndex) {
    etat.Mesures[0] = 4;
    etat.SelectionPoint(t(), s(), 1);
    EXPECT_EQ(etat.Mesures[0], 4);
    EXPECT_EQ(etat.PointCourant, 1);
}

TEST_F(TravailTest, DeletingTheOnlyPointEmptiesTheTest) {
    essaiDe(1);
    t().SupprimePoint(s(), 0, 1);
    EXPECT_EQ(t().Essais[1].Entete.DernierPoint(), -1);
    EXPECT_FALSE(s().TravailEnregistre);
}

TEST_F(TravailTest, DeletingAPointRenumbersAndResorts) {
    s().ModeleEssai.TypeCharge() = 1;
    s().ModeleEssai[TEnteteEssai::MotColonneTri] = 1;
    s().ModeleEssai[TEnteteEssai::MotOrdreTri] = 1; // descending speed
    t().AjouteEssai(s());
    for (int32_t v : {100, 300, 200, 400}) {
        etat.Mesures[1] = v;
        t().AjoutePoint(s(), etat.Mesures);
    }
    t().Retri(); // 400 (3), 300 (1), 200 (2), 100 (0)
    ASSERT_EQ(t().Essais[1].valeur(1, 0), 400);
    t().SupprimePoint(s(), 1, 1); // the point shown second: number 1, speed 300
    const TEssai& e = t().Essais[1];
    ASSERT_EQ(e.Entete.DernierPoint(), 2);
    EXPECT_EQ((std::array{e.valeur(1, 0), e.valeur(1, 1), e.valeur(1, 2)}), (std::array{400, 200, 100}));
    EXPECT_EQ((std::array{e.valeur(0, 0), e.valeur(0, 1), e.valeur(0, 2)}), (std::array{2, 1, 0}));
}

TEST_F(TravailTest, DeletingAPointOutOfRangeDoesNothing) {
    essaiDe(2);
    s().TravailEnregistre = true;
    t().SupprimePoint(s(), -1, 1);
    t().SupprimePoint(s(), 0, 0);
    t().SupprimePoint(s(), 0, 2);
    t().SupprimePoint(s(), 2, 1);
    EXPECT_EQ(t().Essais[1].Entete.DernierPoint(), 1);
    EXPECT_TRUE(s().TravailEnregistre);
}

TEST_F(TravailTest, DeletingADefinitionMovesTheNextOnesDown) {
    for (int a = 1; a <= 4; ++a) {
        t().EnteteTravail.DefCaract(a).Defini = 1;
        t().EnteteTravail.DefCaract(a).ColonneY = a;
    }
    t().SupprimeCaract(s(), 2);
    EXPECT_EQ(t().EnteteTravail.DefCaract(2).ColonneY, 3);
    EXPECT_EQ(t().EnteteTravail.DefCaract(3).ColonneY, 4);
    EXPECT_EQ(t().EnteteTravail.DefCaract(4), TDefCaract{});
    EXPECT_EQ(t().NbCaract(), 3);
    t().SupprimeCaract(s(), 4);
    EXPECT_EQ(t().NbCaract(), 3); // definition 4 was already empty
    t().SupprimeCaract(s(), 1);
    EXPECT_EQ(t().NbCaract(), 2);
    EXPECT_EQ(t().EnteteTravail.DefCaract(1).ColonneY, 3);
}

TEST_F(TravailTest, MachineAndLoadTypesAreZeroOutsideTheirRange) {
    EXPECT_EQ(t().TypeMachine(s().EssaiCourant), 0);
    s().ModeleEssai.TypeMachine() = 4;
    s().ModeleEssai.TypeCharge() = 18;
    t().AjouteEssai(s());
    EXPECT_EQ(t().TypeMachine(s().EssaiCourant), 4);
    EXPECT_EQ(t().TypeCharge(s().EssaiCourant), 18);
    t().Essais[1].Entete.TypeMachine() = 8;
    t().Essais[1].Entete.TypeCharge() = 51;
    EXPECT_EQ(t().TypeMachine(s().EssaiCourant), 0);
    EXPECT_EQ(t().TypeCharge(s().EssaiCourant), 0);
}

struct CasModele {
    const char* nom;
    int machineEssai, chargeEssai, machineModele, chargeModele;
    int mot; // a word changed in the template, -1 for none
    bool conforme;
};

class EssaiConformeCas : public TravailTest, public testing::WithParamInterface<CasModele> {};

TEST_P(EssaiConformeCas, ComparesTheSettingsTheLoadUses) {
    const CasModele& c = GetParam();
    s().ModeleEssai.TypeMachine() = c.machineEssai;
    s().ModeleEssai.TypeCharge() = c.chargeEssai;
    essaiDe(1);
    s().ModeleEssai = t().Essais[1].Entete;
    s().ModeleEssai.TypeMachine() = c.machineModele;
    s().ModeleEssai.TypeCharge() = c.chargeModele;
    if (c.mot >= 0) s().ModeleEssai[c.mot] += 1;
    EXPECT_EQ(t().EssaiConforme(1, s().ModeleEssai), c.conforme);
}

INSTANTIATE_TEST_SUITE_P(Cas, EssaiConformeCas,
                         testing::Values(CasModele{"machineLoadsAlike", 1, 1, 1, 4, -1, true},
                                         CasModele{"machineLoadsOtherMachine", 1, 1, 2, 4, -1, false},
                                         CasModele{"loadTypesDiffer", 1, 6, 1, 7, -1, false},
                                         CasModele{"constantTorqueSame", 3, 6, 3, 6, -1, true},
                                         CasModele{"constantTorqueOtherValue", 3, 6, 3, 6, 3, false},
                                         CasModele{"otherMachineSameLoad", 3, 6, 2, 6, -1, true},
                                         CasModele{"linearUnusedWordChanged", 3, 7, 3, 7, 3, true},
                                         CasModele{"linearSecondWord", 3, 7, 3, 7, 5, false},
                                         CasModele{"inertiaCountsForType10", 3, 10, 3, 10, 14, false},
                                         CasModele{"inertiaIgnoredForType6", 3, 6, 3, 6, 14, true},
                                         CasModele{"cyclicThirdWord", 3, 14, 3, 14, 12, false},
                                         CasModele{"stickingWord25", 3, 15, 3, 15, 25, false},
                                         CasModele{"stickingInertia16", 3, 16, 3, 16, 14, false},
                                         CasModele{"liftingWord28", 3, 17, 3, 17, 28, false},
                                         CasModele{"couplingHelpNeverMatches", 4, 5, 4, 5, -1, false},
                                         CasModele{"noLoadNeverMatches", 3, 0, 3, 0, -1, false},
                                         CasModele{"applicationNeverMatches", 3, 51, 3, 51, -1, false}),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST_F(TravailTest, AnEmptyTestMatchesAnyTemplate) {
    t().AjouteEssai(s());
    s().ModeleEssai.TypeCharge() = 17;
    EXPECT_TRUE(t().EssaiConforme(1, s().ModeleEssai));
}

struct CasApplication {
    int code;
    int g12, g13, g14; // quantity numbers, -1 empty
    std::array<bool, 4> drapeaux;
};

class ColonnesApplication : public TravailTest, public testing::WithParamInterface<CasApplication> {};

TEST_P(ColonnesApplication, SetsColumns12To14AndTheirFlags) {
    const auto& c = GetParam();
    s().InitColonnesApplication(c.code);
    const auto& g = Textes().Grandeurs;
    const auto attendu = [&g](int n) { return n < 0 ? TGrandeur{} : g[n]; };
    EXPECT_EQ(s().Colonnes[12], attendu(c.g12));
    EXPECT_EQ(s().Colonnes[13], attendu(c.g13));
    EXPECT_EQ(s().Colonnes[14], attendu(c.g14));
    EXPECT_EQ(s().DrapeauxApplication, c.drapeaux);
}

constexpr std::array<bool, 4> T4{true, true, true, true}, T3{true, true, false, true},
    F4{false, false, false, false};

INSTANTIATE_TEST_SUITE_P(
    Codes, ColonnesApplication,
    testing::Values(CasApplication{51, 13, 17, 14, T4}, CasApplication{52, 12, 17, 14, T3},
                    CasApplication{53, 12, 17, 21, T4}, CasApplication{54, -1, -1, -1, T4},
                    CasApplication{57, 20, 19, 14, T3}, CasApplication{59, -1, -1, -1, F4},
                    CasApplication{61, 26, 25, 24, T4}, CasApplication{62, 26, 22, -1, T3},
                    CasApplication{64, 26, 22, -1, T3}, CasApplication{65, -1, -1, -1, T3},
                    CasApplication{66, 12, 17, 21, T4}));

TEST_F(TravailTest, OtherApplicationCodesChangeNothing) {
    s().InitColonnesApplication(59);
    const auto avant = s().Colonnes;
    for (int code : {0, 50, 67, 12})
        s().InitColonnesApplication(code);
    EXPECT_EQ(s().Colonnes, avant);
    EXPECT_EQ(s().DrapeauxApplication, F4);
}

TEST(ZoomDefaut, FollowsThePowerClassTable) {
    EXPECT_EQ(ZoomDefaut(0, 1), 15);
    EXPECT_EQ(ZoomDefaut(1, 2), 27);
    EXPECT_EQ(ZoomDefaut(1, 7), 18);
    EXPECT_EQ(ZoomDefaut(3, 10), 0);
    EXPECT_EQ(ZoomDefaut(2, 11), 18);
    EXPECT_EQ(ZoomDefaut(7, 2), 18);  // a class the settings should not hold: full scale
    EXPECT_EQ(ZoomDefaut(3, 13), 18); // application columns: full scale
}

} // namespace
