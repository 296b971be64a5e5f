#include "ProgrammeTest.h"

#include "application/ChoixMachine.h"
#include "application/FormApplication.h"
#include "study/FormTraceCaract.h"
#include "work/FichierTravail.h"

#include <QToolButton>

namespace {

using R = Dialogues::Reponse;

TEST_F(ProgrammeTest, WindowsAreCreatedOnceInTheirOrder) {
    const std::vector<QString> attendu = {"FormMachine2",       "FormTraceCaract",
                                          "NouvelCaract",       "FormVisualisation",
                                          "FormChoixCaract",    "FormTrierPoints",
                                          "FormCalibreCourant", "FormVisuApp",
                                          "AboutBox",           "Avertissements",
                                          "FormKorlan",         "FormApplication",
                                          "ChoixMachine",       "ConfigurationApplication",
                                          "FormTest",           "FormVisualisationPDF",
                                          "FormAideCablage",    "FormCom"};
    EXPECT_EQ(fenetres().ordre, attendu);
}

// A 1366 x 768 laptop, less a task bar and a title bar: every window opens on it as it is shown, the
// plot window maximised.
TEST_F(ProgrammeTest, EveryWindowFitsALaptopScreen) {
    EXPECT_TRUE(fenetres().FormTraceCaract->windowState() & Qt::WindowMaximized);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if ((w->windowFlags() & Qt::Popup) == Qt::Popup || w->objectName().isEmpty() ||
            w == fenetres().FormTraceCaract)
            continue;
        w->show();
        QApplication::processEvents();
        EXPECT_LE(w->width(), 1366) << w->objectName().toStdString();
        EXPECT_LE(w->height(), 768 - 32 - 32) << w->objectName().toStdString();
        w->hide();
    }
}

TEST_F(ProgrammeTest, CreationLoadsTheSettingsAndResetsTheWork) {
    EXPECT_EQ(ConfigGenerale().TypeLiaison, 1);
    EXPECT_EQ(dossiers().DossierProgramme, QDir(dossier.path()).absolutePath());
    EXPECT_FALSE(menu().LiaisonInitialisee);
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 0);
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
}

TEST_F(ProgrammeTest, RepaintingNeverStartsTheLinkTwice) {
    montreMenu();
    EXPECT_TRUE(liaison->LinkOpen);
    EXPECT_EQ(port.ouvertures, 1);
    for (int i = 0; i < 3; ++i) {
        menu().repaint();
        menu().hide();
        menu().show();
        QApplication::processEvents();
    }
    EXPECT_EQ(port.ouvertures, 1);
    EXPECT_EQ(port.esclave.requetes.size(), 2u); // the rating read and control word 1
    EXPECT_EQ(ConfigGenerale().ClassePuissance, 2);
}

TEST_F(ProgrammeTest, CaptionsFollowTheLanguageOfTheSettings) {
    ConfigGenerale().LangueConfig = 2;
    montreMenu();
    menu().repaint();
    EXPECT_EQ(menu().bouton("ButtonQuitter")->text(), "Quit");
    EXPECT_EQ(menu().bouton("ButtonOuvrir")->toolTip(), "registered file opened");
    EXPECT_EQ(menu().bouton("ButtonTraceCaract")->toolTip(),
              "Trace electrical and mechanical characteristics of the studied machine ");
    EXPECT_EQ(menu().windowTitle(), "Vimra");
    EXPECT_EQ(dossiers().DossierTravaux, QDir(dossier.path()).filePath("Files"));
}

TEST_F(ProgrammeTest, StudyButtonsHideTheMenuAndSetTheStudyMode) {
    montreMenu();
    menu().bouton("ButtonChargeDynamique")->click();
    EXPECT_EQ(fenetres().ModeEtudeChoixCaract, 2);
    EXPECT_TRUE(fenetres().FormChoixCaract->isVisible());
    EXPECT_FALSE(menu().isVisible());
    fenetres().FormChoixCaract->close();
    EXPECT_TRUE(menu().isVisible());
    menu().bouton("ButtonEtudeApplication")->click();
    EXPECT_TRUE(fenetres().ChoixMachine->isVisible());
}

struct CasGarde {
    const char* nom;
    R reponse;
    bool choisitFichier;
    bool poursuit;
    bool ecrit;
};

class Garde : public ProgrammeTest, public testing::WithParamInterface<CasGarde> {};

TEST_P(Garde, NewWorkAsksBeforeDiscardingUnsavedWork) {
    const CasGarde& c = GetParam();
    montreMenu();
    sessionTravail().ModeleEssai.TypeMachine() = 3;
    travail().AjouteEssai(sessionTravail());
    dialogues.reponses = {c.reponse};
    if (c.choisitFichier) dialogues.fichiers = {chemin("garde.MLX2")};
    menu().ButtonNouveauTravailClick();
    EXPECT_EQ(dialogues.questions, QStringList{"Fichier modifié. Voulez-vous l'enregistrer?"});
    EXPECT_EQ(travail().EnteteTravail.NbEssais, c.poursuit ? 0 : 1);
    EXPECT_EQ(QFile::exists(chemin("garde.MLX2")), c.ecrit);
}

INSTANTIATE_TEST_SUITE_P(Reponses, Garde,
                         testing::Values(CasGarde{"yesAndSaved", R::Oui, true, true, true},
                                         CasGarde{"yesButDialogCancelled", R::Oui, false, false, false},
                                         CasGarde{"no", R::Non, false, true, false},
                                         CasGarde{"cancel", R::Annuler, false, false, false}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(ProgrammeTest, ASavedWorkIsDiscardedWithoutAQuestion) {
    montreMenu();
    menu().ButtonNouveauTravailClick();
    EXPECT_TRUE(dialogues.questions.isEmpty());
}

TEST_F(ProgrammeTest, OpeningAWorkShowsTheWindowOfItsType) {
    travail().AjouteEssai(sessionTravail());
    ASSERT_TRUE(EcritTravail(travail(), sessionTravail(), chemin("app.Vimr2"), Disposition::Vimr2));
    travail().NouveauTravail(sessionTravail());
    montreMenu();
    dialogues.fichiers = {chemin("app.Vimr2")};
    menu().ButtonOuvrirClick();
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 1);
    EXPECT_TRUE(fenetres().FormApplication->isVisible());
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(ProgrammeTest, CancellingTheOpenDialogChangesNothing) {
    montreMenu();
    travail().AjouteEssai(sessionTravail());
    sessionTravail().TravailEnregistre = true;
    dialoguesFichiers().SaveDialogAppli.nomFichier = "x.Vimr2";
    menu().ButtonOuvrirClick();
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 1);
    EXPECT_TRUE(dialoguesFichiers().SaveDialogAppli.nomFichier.isEmpty());
    EXPECT_TRUE(menu().isVisible());
}

TEST_F(ProgrammeTest, QuittingWithCancelKeepsTheProgramRunning) {
    montreMenu();
    travail().AjouteEssai(sessionTravail());
    dialogues.reponses = {R::Annuler};
    EXPECT_FALSE(menu().close());
    EXPECT_TRUE(menu().isVisible());
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 1);
    EXPECT_TRUE(liaison->LinkOpen);
}

TEST_F(ProgrammeTest, QuittingWithNoSavesTheSettingsAndSaysGoodbyeToTheDrive) {
    montreMenu();
    ConfigGenerale().FrequenceReseau = 60;
    travail().AjouteEssai(sessionTravail());
    dialogues.reponses = {R::Non};
    QFile::remove(chemin("CFGVimra.cfg"));
    EXPECT_TRUE(menu().close());
    EXPECT_FALSE(liaison->LinkOpen);
    EXPECT_EQ(port.esclave.registres[2028], 0);
    QFile f(chemin("CFGVimra.cfg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    TConfigGenerale lu = TConfigGenerale::defaut();
    lu.depuisOctets(f.readAll());
    EXPECT_EQ(lu.FrequenceReseau, 60);
}

TEST_F(ProgrammeTest, DemoModeNeverWritesTheBenchAsTheUsersLink) {
    ConfigGenerale().TypeLiaison = 0;
    ConfigGenerale().PortCom.setTexte("COM3");
    EntreModeDemo();
    EXPECT_EQ(ConfigGenerale().TypeLiaison, 1);
    ASSERT_TRUE(SauveConfig(dossier.path()));
    QFile f(chemin("CFGVimra.cfg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    TConfigGenerale lu = TConfigGenerale::defaut();
    lu.depuisOctets(f.readAll());
    EXPECT_EQ(lu.TypeLiaison, 0);
    EXPECT_EQ(lu.PortCom.texte(), "COM3");
    QuitteModeDemo();
    EXPECT_EQ(ConfigGenerale().TypeLiaison, 0);
}

} // namespace

#include "DossierVerrouille.h"
#include "socle/Aide.h"

#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

namespace {

TEST_F(ProgrammeTest, F1OpensTheHelpAtTheContextOfTheWindow) {
    static const bool installee = (installeAide(*qApp), true);
    ASSERT_TRUE(installee);
    montreMenu();
    QTest::keyClick(&menu(), Qt::Key_F1);
    QWidget* aide = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "AIDE VIMRA.HLP") aide = w;
    ASSERT_TRUE(aide);
    EXPECT_TRUE(aide->isVisible());
    EXPECT_EQ(aide->findChild<QTextBrowser*>()->source().fragment(), "contexte-1");
    com().show();
    QTest::keyClick(com().EditTC[0], Qt::Key_F1);
    EXPECT_EQ(aide->findChild<QTextBrowser*>()->source().fragment(), "contexte-3");
    aide->hide();
}

TEST(DossierConfiguration, IsTheProgramFolderWhenWritableElseTheUsersOwn) {
    QTemporaryDir d;
    EXPECT_EQ(dossierConfiguration(d.path()), d.path());
    QTemporaryDir maison;
    qputenv("XDG_CONFIG_HOME", maison.path().toLocal8Bit());
    {
        DossierVerrouille verrou(d.path());
        if (!verrou.verrouille()) GTEST_SKIP() << "this file system cannot refuse writes to root";
        const QString ailleurs = dossierConfiguration(d.path());
        EXPECT_NE(ailleurs, d.path());
        EXPECT_TRUE(ailleurs.startsWith(maison.path())) << ailleurs.toStdString();
    }
    qunsetenv("XDG_CONFIG_HOME");
}

} // namespace
