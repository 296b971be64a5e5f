// What the run screen shows for each application, and how the current test follows the chosen
// application, without a window.
#include "../work/TravailTest.h"
#include "DialoguesScriptes.h"
#include "ParamsApplications.h"

#include "application/Application.h"
#include "socle/DialoguesFichiers.h"
#include "work/FichierTravail.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// ---- Names, pictures, labels and bar graphs of the applications ------------------------------

struct CasApplication {
    int code;
    const char* nom;
    const char* image; // "" none
    const char* libelleCharge;
    BarGraphe barGraphe;
};

class Identite : public testing::TestWithParam<CasApplication> {
protected:
    void SetUp() override { AppliqueLangue(1); }
};

TEST_P(Identite, NameAndPictureAndLoadLabelAndBarGraphOfTheApplication) {
    const CasApplication& c = GetParam();
    EXPECT_EQ(NomApplication(c.code), QString::fromUtf8(c.nom));
    EXPECT_EQ(ImageApplication(c.code), QString::fromUtf8(c.image));
    EXPECT_EQ(LibelleCharge(c.code), QString::fromUtf8(c.libelleCharge));
    EXPECT_EQ(BarGrapheApplication(c.code), c.barGraphe);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Identite,
    testing::Values(
        CasApplication{51, "Conditionnement", "conditionnement.jpg", "Tension du film",
                       BarGraphe::TroisNiveaux},
        CasApplication{53, "Convoyeur", "convoyeur.jpg", "Masse des colis", BarGraphe::TroisNiveaux},
        CasApplication{57, "Coupe à longueur", "coupe.jpg", "Force de coupe", BarGraphe::TroisNiveaux},
        CasApplication{58, "Levage", "pont_roulant.jpg", "Masse à déplacer", BarGraphe::TroisNiveaux},
        CasApplication{59, "", "", "", BarGraphe::Aucun},
        CasApplication{60, "Alternateur ", "", "", BarGraphe::TroisNiveaux},
        CasApplication{61, "Pompe centrifuge", "pompes.jpg", "", BarGraphe::Simple},
        CasApplication{62, "Ventilation", "ventilation.jpg", "Ouverture des volets", BarGraphe::Simple},
        CasApplication{63, "Compresseur", "compresseur.jpg", "Pression", BarGraphe::Simple},
        CasApplication{65, "Atmosphère explosive gazeuse", "atex_gaz.jpg", "Ouverture des volets",
                       BarGraphe::Simple},
        CasApplication{66, "Tapis roulant", "atex_poussiere.jpg", "Masse des pièces",
                       BarGraphe::TroisNiveaux},
        CasApplication{0, "", "", "", BarGraphe::Aucun}),
    [](const auto& i) { return "code" + std::to_string(i.param.code); });

TEST(Identite, TheEnglishNamesAreThoseOfTheCatalogue) {
    AppliqueLangue(2);
    EXPECT_EQ(NomApplication(61), "CentrifugalPump");
    EXPECT_EQ(LibelleCharge(58), "piece to move ");
    AppliqueLangue(1);
}

TEST(ImageApplication, AMissingPictureSaysWhichFileAndWhy) {
    AppliqueLangue(1);
    QTemporaryDir vide;
    const VueImageApplication v = ChargeImageApplication(53, vide.path());
    EXPECT_TRUE(v.image.isNull());
    EXPECT_TRUE(v.message.startsWith("Erreur de lecture du fichier\nconvoyeur.jpg\n"))
        << v.message.toStdString();
    const VueImageApplication sans = ChargeImageApplication(60, vide.path());
    EXPECT_TRUE(sans.image.isNull());
    EXPECT_TRUE(sans.message.isEmpty());
}

TEST(ChargeDemarrable, OnlyAnApplicationWithADriveProgramCanStartTheLoad) {
    EXPECT_TRUE(ChargeDemarrable(53));
    EXPECT_TRUE(ChargeDemarrable(60));
    EXPECT_FALSE(ChargeDemarrable(59));
    EXPECT_FALSE(ChargeDemarrable(0));
}

// ---- Torque warning and bar graph mask -----------------------------------------------------------

TEST(CoupleExcessif, RedAboveTwoThirdsOfTheRatedTorqueOnly) {
    struct Cas {
        int classe;
        int32_t couple;
        bool rouge;
    };
    // Tn = 1500, 300, 1500, 3000 hundredths of N.m.
    const Cas table[] = {{2, 1000, false}, {2, 1001, true},  {2, -2000, false}, {2, 0, false},
                         {1, 200, false},  {1, 201, true},   {3, 2000, false},  {3, 2001, true},
                         {0, 1001, true},  {3, -5000, false}};
    for (const Cas& c : table)
        EXPECT_EQ(CoupleExcessif(c.couple, c.classe), c.rouge) << c.classe << " " << c.couple;
}

TEST(BordCacheBarGraphe, UncoversTheBarGraphUpToTheLoadLevel) {
    EXPECT_EQ(BordCacheBarGraphe(0, 240, 120), 3);
    EXPECT_EQ(BordCacheBarGraphe(60, 240, 120), 123);
    EXPECT_EQ(BordCacheBarGraphe(100, 301, 100), 304);
    EXPECT_EQ(BordCacheBarGraphe(50, 240, 0), 3); // a bar without range uncovers nothing
}

// ---- Parameter panel ----------------------------------------------------------------------------

struct CasPanneau {
    const char* nom;
    int code;
    int classe;
    ParamsApplication p;
    // Label then value display of Aff1, Aff3, Aff4, Aff5, Aff6 and the inertia; nullptr hidden.
    std::array<std::pair<const char*, const char*>, NbLignesAff> lignes;
    const char* pompe;
};

class Panneau : public testing::TestWithParam<CasPanneau> {
protected:
    void SetUp() override { AppliqueLangue(1); }
};

TEST_P(Panneau, ShowsTheParametersOfTheApplicationInTheirUnits) {
    const CasPanneau& c = GetParam();
    const PanneauParametres r = ParametresAffiches(c.code, c.p, c.classe);
    for (int i = 0; i < NbLignesAff; ++i) {
        const auto& [libelle, texte] = c.lignes[i];
        EXPECT_EQ(r.lignes[i].visible, libelle != nullptr) << "row " << i;
        if (!libelle) continue;
        EXPECT_EQ(r.lignes[i].libelle, QString::fromUtf8(libelle)) << "row " << i;
        EXPECT_EQ(r.lignes[i].texte(), QString::fromUtf8(texte)) << "row " << i;
    }
    EXPECT_EQ(r.nomPompe, QString::fromUtf8(c.pompe));
}

using L = std::pair<const char*, const char*>;
const L cache{nullptr, nullptr};
const L inertieBloc{"Inertie", "---- kg.m²"};

INSTANTIATE_TEST_SUITE_P(
    Codes, Panneau,
    testing::Values(
        // Tn = 1500: 5 load units are 0,50 N.m, 70 are 700.
        CasPanneau{"packaging",
                   51,
                   2,
                   ParamsParDefaut(51),
                   {L{"Coefficient de roulement", "0,10 N.m/kg"}, L{"Surcouple au décollage", "0,50 N.m"},
                    L{"Diamètre moyen de la palette", "1,4 m"}, L{"Reduction", "150"},
                    L{"Masse totale (Palette + plateau)", "700"}, L{"Inertie", "0,007 kg.m²"}},
                   ""},
        CasPanneau{"absolutePositioning",
                   52,
                   2,
                   ParamsParDefaut(52),
                   {cache, cache, L{"Masse du préhenseur", "10,0 kg"},
                    L{"Vitesse linéaire à 1500tr/min", "2,0 m/s"}, L{"Rendement", "80 %"}, inertieBloc},
                   ""},
        CasPanneau{"conveyor",
                   53,
                   2,
                   ParamsParDefaut(53),
                   {L{"Couple de perte", "1,00 N.m"}, L{"Surcouple au décollage", "2,00 N.m"}, cache,
                    L{"Vitesse linéaire à 1500tr/min", "1,00 m/s"},
                    L{"Coefficient de roulement", "0,15 N/kg"}, inertieBloc},
                   ""},
        // Tn = 300 on the small bench: 10 load units are 0,20 N.m.
        CasPanneau{"conveyorSmallBench",
                   53,
                   1,
                   ParamsParDefaut(53),
                   {L{"Couple de perte", "0,20 N.m"}, L{"Surcouple au décollage", "0,40 N.m"}, cache,
                    L{"Vitesse linéaire à 1500tr/min", "1,00 m/s"},
                    L{"Coefficient de roulement", "0,15 N/kg"}, inertieBloc},
                   ""},
        CasPanneau{"cutAtLength",
                   57,
                   2,
                   ParamsParDefaut(57),
                   {L{"Couple de perte", "1,00 N.m"}, L{"Couple de remontee", "5,00 N.m"},
                    L{"Déplacement vertical", "0,50 m"}, L{"Cadence", "60,0 Cp/min"}, cache,
                    L{"Inertie", "0,100 kg.m²"}},
                   ""},
        // Tn = 3000: 100 load units of the hook are 200 tenths of kg.
        CasPanneau{"liftingLargeBench",
                   58,
                   3,
                   ParamsParDefaut(58),
                   {cache, cache, L{"Masse du crochet", "20,0 kg"},
                    L{"Vitesse linéaire à 1500tr/min", "1,0 m/s"}, L{"Rendement", "75 %"}, inertieBloc},
                   ""},
        // Model 1 of table A: head 15 m, 16 m3/h; discharge 156 x 30 / 100 = 46 tenths of m.
        CasPanneau{"pump",
                   61,
                   2,
                   {30, 1, 80, 0, 0, 0},
                   {cache, L{"Dégradation en vitesse négative", "80 %"},
                    L{"Hauteur manométrique totale", "15,0m"}, L{"Débit à vitesse nominale", "16,00 m3/h"},
                    L{"Hauteur de refoulement", "4,6 m"}, cache},
                   "PA-2 : Hn=15m Qn=16m³"},
        CasPanneau{"pumpSmallBench",
                   61,
                   1,
                   {100, 5, 0, 0, 0, 0},
                   {cache, L{"Dégradation en vitesse négative", "0 %"},
                    L{"Hauteur manométrique totale", "7,0m"}, L{"Débit à vitesse nominale", "8,00 m3/h"},
                    L{"Hauteur de refoulement", "8,2 m"}, cache},
                   "PB-6 : Hn=7m Qn=8m³"},
        CasPanneau{"ventilation",
                   62,
                   2,
                   ParamsParDefaut(62),
                   {L{"Couple de perte", "1,00 N.m"}, L{"Dégradation en vitesse négative", "80 %"}, cache,
                    L{"Débit à vitesse nominale", "5000 m3/h"}, cache, L{"Inertie", "0,025 kg.m²"}},
                   ""},
        CasPanneau{"smokeExtraction",
                   64,
                   2,
                   ParamsParDefaut(64),
                   {L{"Couple de perte", "1,00 N.m"}, L{"Dégradation en vitesse négative", "20 %"}, cache,
                    L{"Débit à vitesse nominale", "5000 m3/h"}, cache, L{"Inertie", "0,010 kg.m²"}},
                   ""},
        CasPanneau{"conveyorBelt",
                   66,
                   2,
                   ParamsParDefaut(66),
                   {L{"Couple de perte", "3,00 N.m"}, L{"Surcouple au décollage", "2,00 N.m"},
                    L{"Angle", "5 °"}, L{"Vitesse linéaire à 1500tr/min", "0,50 m/s"},
                    L{"Coefficient de roulement", "0,50 N/kg"}, inertieBloc},
                   ""},
        // Applications without parameters of their own: only the inertia the drive is told.
        CasPanneau{"relativePositioning", 54, 2, {}, {cache, cache, cache, cache, cache, inertieBloc}, ""},
        CasPanneau{"compressor",
                   63,
                   2,
                   {0, 0, 0, 0, 0, 12},
                   {cache, cache, cache, cache, cache, L{"Inertie", "0,012 kg.m²"}},
                   ""}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST(InertieDuBloc, IsTheBlockWordOfTheLastValidMeasurement) {
    AppliqueLangue(1);
    VecteurMesures m{};
    m[15] = 381;
    EXPECT_EQ(InertieDuBloc(m), "0,381");
    m[0] = -1;
    EXPECT_EQ(InertieDuBloc(m), "----");
}

// ---- Coupling and visible displays ---------------------------------------------------------------

struct CasCouplage {
    int machine;
    int32_t couplage;
    int32_t dernierPoint;
    BoutonsCouplage boutons; // star visible, delta visible, star down, delta down
    bool tensionCourant;
};

class Couplages : public TravailTest, public testing::WithParamInterface<CasCouplage> {};

TEST_P(Couplages, ThePairFollowsTheMachineAndLocksOnceTheTestHoldsAPoint) {
    const CasCouplage& c = GetParam();
    t().AjouteEssai(s());
    TEnteteEssai& e = t().Essais[s().EssaiCourant].Entete;
    e.TypeMachine() = c.machine;
    e[TEnteteEssai::MotCouplage] = c.couplage;
    e.DernierPoint() = c.dernierPoint;
    EXPECT_EQ(EtatCouplage(e), c.boutons);
    const Visibilites v = VisibilitesAffichages(t(), s(), false);
    EXPECT_EQ(v.tensionCourant, c.tensionCourant);
    EXPECT_EQ(v.couplageChoisi, c.tensionCourant);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, Couplages,
    testing::Values(
        // Three-phase machines: voltage and current only once a coupling says what they are.
        CasCouplage{3, 0, -1, {true, true, false, false}, false},
        CasCouplage{3, 1, -1, {true, true, true, false}, true},
        CasCouplage{4, 2, -1, {true, true, false, true}, true},
        CasCouplage{6, 1, 0, {true, false, true, false}, true},
        CasCouplage{6, 2, 5, {false, true, false, true}, true},
        // Points without a coupling: no button left, voltage and current stay hidden.
        CasCouplage{3, 0, 3, {false, false, false, false}, false},
        // Other machines need no coupling: no pair, every display.
        CasCouplage{1, 0, -1, {}, true}, CasCouplage{5, 2, 4, {}, true}, CasCouplage{7, 1, -1, {}, true}));

TEST_F(TravailTest, DisplaysFollowTheMachineTheApplicationColumnsAndTheTimeRecording) {
    s().ModeleEssai.TypeMachine() = 4; // synchronous: excitation and power factor
    t().AjouteEssai(s());
    s().InitColonnesApplication(57); // effort, cadence, no column 14
    Visibilites v = VisibilitesAffichages(t(), s(), false);
    EXPECT_TRUE(v.excitation);
    EXPECT_TRUE(v.facteurPuissance);
    EXPECT_TRUE(v.colonne13);
    EXPECT_FALSE(v.colonne14);
    EXPECT_FALSE(v.temps);
    EXPECT_TRUE(VisibilitesAffichages(t(), s(), true).temps);

    t().Essais[s().EssaiCourant].Entete.TypeMachine() = 2; // series DC: neither
    s().InitColonnesApplication(61);
    v = VisibilitesAffichages(t(), s(), false);
    EXPECT_FALSE(v.excitation);
    EXPECT_FALSE(v.facteurPuissance);
    EXPECT_TRUE(v.colonne12);
    EXPECT_TRUE(v.colonne14);

    // The generator's columns hold no quantity: nothing to show, whatever the flags say.
    s().InitColonnesApplication(60);
    v = VisibilitesAffichages(t(), s(), false);
    EXPECT_FALSE(v.colonne12);
    EXPECT_FALSE(v.colonne13);
    EXPECT_FALSE(v.colonne14);

    // Two points, the second 5 hundredths of a second on: a recording against time.
    etat.Mesures[11] = 0;
    t().AjoutePoint(s(), etat.Mesures);
    etat.Mesures[11] = 5;
    t().AjoutePoint(s(), etat.Mesures);
    EXPECT_TRUE(VisibilitesAffichages(t(), s(), false).temps);
    t().Essais[s().EssaiCourant].valeur(11, 1) = 0; // points recorded by hand, the time base stopped
    EXPECT_FALSE(VisibilitesAffichages(t(), s(), false).temps);
}

// ---- The current test against the chosen application -----------------------------------------

class Reconciliation : public TravailTest {
protected:
    DialoguesScriptes dialogues;
    QTemporaryDir dossier;

    // A work of `points` points on application `code` with its default parameters, machine 3.
    void travailDe(int code, int points) {
        t().ApplicationCourante = code;
        t().ParamApplication = ParamsParDefaut(code);
        s().MachineApplication = 3;
        ReconcilieEssai(t(), s());
        for (int k = 0; k < points; ++k)
            t().AjoutePoint(s(), etat.Mesures);
        s().TravailEnregistre = false;
    }
    void TearDown() override {
        dialoguesFichiers().SaveDialogAppli.nomFichier.clear();
        dialoguesFichiers().SaveDialogMachine.nomFichier.clear();
    }
};

TEST_F(Reconciliation, ANewWorkGetsOneTestOfTheApplicationMachineAndParameters) {
    t().ApplicationCourante = 53;
    t().ParamApplication = ParamsParDefaut(53);
    s().MachineApplication = 6;
    s().ModeleEssai[TEnteteEssai::MotDureeOscillo] = 7;
    EXPECT_FALSE(ReconcilieEssai(t(), s()));
    ASSERT_EQ(t().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(s().EssaiCourant, 1);
    const TEnteteEssai& e = t().Essais[1].Entete;
    EXPECT_EQ(e.TypeCharge(), 53);
    EXPECT_EQ(e.TypeMachine(), 6);
    EXPECT_EQ(ParamsEssai(e), ParamsParDefaut(53));
    EXPECT_EQ(e[TEnteteEssai::MotDureeOscillo], 7); // the rest comes from the template
    EXPECT_EQ(s().ModeleEssai, e);
    EXPECT_TRUE(dialogues.questions.isEmpty());
}

struct CasChangement {
    const char* nom;
    int points;
    int parametre; // index changed, -1 none
    int machine;   // machine chosen since, 0 none
    int essaisAttendus;
};

class Changements : public Reconciliation, public testing::WithParamInterface<CasChangement> {};

TEST_P(Changements, ATestThatHoldsPointsKeepsTheParametersItWasRecordedWith) {
    const CasChangement& c = GetParam();
    travailDe(53, c.points);
    const ParamsApplication avant = ParamsEssai(t().Essais[1].Entete);
    if (c.parametre >= 0) t().ParamApplication[c.parametre] += 5;
    if (c.machine) s().MachineApplication = c.machine;
    EXPECT_FALSE(ReconcilieEssai(t(), s()));
    ASSERT_EQ(t().EnteteTravail.NbEssais, c.essaisAttendus);
    EXPECT_EQ(s().EssaiCourant, c.essaisAttendus);
    const TEnteteEssai& e = t().Essais[s().EssaiCourant].Entete;
    EXPECT_EQ(ParamsEssai(e), t().ParamApplication);
    EXPECT_EQ(e.TypeMachine(), c.machine ? c.machine : 3);
    if (c.essaisAttendus == 2) {
        EXPECT_EQ(ParamsEssai(t().Essais[1].Entete), avant);
        EXPECT_EQ(t().Essais[1].Entete.TypeMachine(), 3);
        EXPECT_EQ(e.DernierPoint(), -1);
    }
    EXPECT_TRUE(dialogues.questions.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Changements,
    testing::Values(CasChangement{"twoPointsNewSpeed", 2, 0, 0, 2},
                    CasChangement{"twoPointsNewLossTorque", 2, 1, 0, 2},
                    CasChangement{"twoPointsNewRolling", 2, 3, 0, 2},
                    CasChangement{"twoPointsNewWord4", 2, 4, 0, 2},
                    // The inertia follows from the others: it alone makes no new test.
                    CasChangement{"twoPointsOnlyInertia", 2, 5, 0, 1},
                    CasChangement{"twoPointsNothingChanged", 2, -1, 0, 1},
                    // One point is a point too: its parameters are not rewritten under it.
                    CasChangement{"onePointNewSpeed", 1, 0, 0, 2},
                    CasChangement{"noPointNewSpeedRewritesTheTest", 0, 0, 0, 1},
                    CasChangement{"twoPointsOtherMachine", 2, -1, 1, 2},
                    CasChangement{"noPointOtherMachine", 0, -1, 1, 1}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(Reconciliation, FiveTestsAlreadyTheLastTakesTheNewParameters) {
    travailDe(53, 2);
    for (int k = 2; k <= 5; ++k) {
        t().ParamApplication[0] += 10;
        ReconcilieEssai(t(), s());
        t().AjoutePoint(s(), etat.Mesures);
        t().AjoutePoint(s(), etat.Mesures);
    }
    ASSERT_EQ(t().EnteteTravail.NbEssais, 5);
    t().ParamApplication[0] += 10;
    ReconcilieEssai(t(), s());
    EXPECT_EQ(t().EnteteTravail.NbEssais, 5);
    EXPECT_EQ(s().EssaiCourant, 5);
    EXPECT_EQ(ParamsEssai(t().Essais[5].Entete), t().ParamApplication);
}

TEST_F(Reconciliation, NoTestSelectedInAFullWorkSelectsTheLastInsteadOfTheScratchTest) {
    travailDe(53, 2);
    for (int k = 2; k <= 5; ++k)
        t().AjouteEssai(s());
    s().EssaiCourant = 0;
    ReconcilieEssai(t(), s());
    EXPECT_EQ(s().EssaiCourant, 5);
    EXPECT_EQ(t().Essais[5].Entete.TypeCharge(), 53);
    EXPECT_EQ(t().Essais[0].Entete.TypeCharge(), 0);
}

TEST_F(Reconciliation, AnotherApplicationAnsweredNoRenewsTheWork) {
    travailDe(53, 3);
    s().NomFichierCourant = "convoyeur.Vimr2";
    dialoguesFichiers().SaveDialogAppli.nomFichier = "convoyeur.Vimr2";
    t().ApplicationCourante = 61;
    t().ParamApplication = ParamsParDefaut(61);
    dialogues.reponses = {Dialogues::Reponse::Non};
    EXPECT_TRUE(ReconcilieEssai(t(), s()));
    EXPECT_EQ(dialogues.questions, QStringList{"Nouvelle application. Voulez-vous enregistrer l'ancienne ?"});
    EXPECT_EQ(t().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(s().EssaiCourant, 1);
    EXPECT_EQ(t().Essais[1].Entete.TypeCharge(), 61);
    EXPECT_EQ(t().Essais[1].Entete.DernierPoint(), -1);
    EXPECT_TRUE(s().NomFichierCourant.isEmpty());
    EXPECT_TRUE(dialoguesFichiers().SaveDialogAppli.nomFichier.isEmpty());
}

TEST_F(Reconciliation, AnotherApplicationOnASavedWorkAsksNothing) {
    travailDe(53, 3);
    s().TravailEnregistre = true;
    t().ApplicationCourante = 62;
    EXPECT_TRUE(ReconcilieEssai(t(), s()));
    EXPECT_TRUE(dialogues.questions.isEmpty());
    EXPECT_EQ(t().Essais[1].Entete.TypeCharge(), 62);
}

TEST_F(Reconciliation, YesSavesTheOldWorkUnderItsApplicationNameFirst) {
    travailDe(53, 3);
    const QString nom = QDir(dossier.path()).filePath("convoyeur.Vimr2");
    s().NomFichierCourant = nom;
    t().ApplicationCourante = 61;
    dialogues.reponses = {Dialogues::Reponse::Oui};
    EXPECT_TRUE(ReconcilieEssai(t(), s()));
    EXPECT_EQ(dialogues.questions.size(), 1);
    Travail relu;
    SessionTravail sessionRelue;
    ASSERT_TRUE(LitTravail(relu, sessionRelue, nom));
    EXPECT_EQ(relu.Essais[1].Entete.TypeCharge(), 53);
    EXPECT_EQ(relu.Essais[1].nbPoints(), 3);
}

TEST_F(Reconciliation, AYesWhoseSaveDidNotHappenAsksAgain) {
    travailDe(53, 3);
    // A characteristic work's name is not written in the application layout: the dialog is asked.
    s().NomFichierCourant = QDir(dossier.path()).filePath("essai.MLX2");
    t().ApplicationCourante = 61;
    const QString nom = QDir(dossier.path()).filePath("sauve.Vimr2");
    dialogues.reponses = {Dialogues::Reponse::Oui, Dialogues::Reponse::Oui};
    dialogues.fichiers = {QString(), nom}; // cancelled, then chosen
    EXPECT_TRUE(ReconcilieEssai(t(), s()));
    EXPECT_EQ(dialogues.questions.size(), 2);
    EXPECT_FALSE(QFile::exists(QDir(dossier.path()).filePath("essai.MLX2")));
    Travail relu;
    SessionTravail sessionRelue;
    ASSERT_TRUE(LitTravail(relu, sessionRelue, nom));
    EXPECT_EQ(relu.Essais[1].nbPoints(), 3);
}

TEST_F(Reconciliation, AnotherApplicationOnAnEmptyTestRewritesItWithoutQuestion) {
    travailDe(53, 0);
    t().ApplicationCourante = 58;
    t().ParamApplication = ParamsParDefaut(58);
    EXPECT_FALSE(ReconcilieEssai(t(), s()));
    EXPECT_EQ(t().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(t().Essais[1].Entete.TypeCharge(), 58);
    EXPECT_TRUE(dialogues.questions.isEmpty());
}

TEST_F(Reconciliation, AWorkOpenedWithoutAMachineChoiceKeepsItsMachine) {
    travailDe(53, 2);
    s().MachineApplication = 0;
    ReconcilieEssai(t(), s());
    EXPECT_EQ(t().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(t().Essais[1].Entete.TypeMachine(), 3);
}

TEST_F(Reconciliation, ASelectionPastTheTestsGetsATestOfItsOwn) {
    // As a new work started from the run screen leaves it: test 1 selected, no test.
    InitialisationApplication(t(), s());
    ASSERT_EQ(t().EnteteTravail.NbEssais, 0);
    t().ApplicationCourante = 62;
    ReconcilieEssai(t(), s());
    EXPECT_EQ(t().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(s().EssaiCourant, 1);
    EXPECT_EQ(t().Essais[1].Entete.TypeCharge(), 62);
}

} // namespace
