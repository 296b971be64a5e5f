// The application configuration dialog inside the whole program: its entry sequence, its
// controls, cancel and OK, and the application files it saves.
#include "../ui/ProgrammeTest.h"

#include "application/ConfigurationApplication.h"
#include "application/FormApplication.h"
#include "application/ReglagesApplication.h"
#include "application/VisualisationPDF.h"
#include "socle/ImageJpeg.h"
#include "study/FormVisuApp.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

using P = ParamsApplication;

class ConfigurationTest : public ProgrammeTest {
protected:
    TConfigurationApplication& dlg() { return *fenetres().ConfigurationApplication; }
    QScrollBar* barre(int k) { return dlg().ScrollBar(k); }
    QString valeur(int k) { return dlg().TextValAFF(k)->text(); }
    // Opens the dialog as the catalogue does, on `code`.
    void ouvre(int code) {
        travail().ApplicationCourante = code;
        dlg().show();
        QApplication::processEvents();
    }
    void TearDown() override {
        dlg().hide();
        ProgrammeTest::TearDown();
    }
};

TEST_F(ConfigurationTest, TheCatalogueOpensItOnTheDefaults) {
    sessionTravail().ParamApplicationSauve = {1, 2, 3, 4, 5, 6};
    ouvre(51);
    EXPECT_EQ(dlg().windowTitle(), "Configuration de l'application");
    EXPECT_EQ(dlg().TextTitre->text(), "Conditionnement");
    EXPECT_EQ(travail().ParamApplication, (P{150, 10, 5, 14, 70, 7}));
    EXPECT_EQ(dlg().TextAFF(2)->text(), "Charge au couple nominal");
    EXPECT_EQ(valeur(2), "F = 2132 N");
    EXPECT_EQ(dlg().TextAFFinertie->text(), "Inertie en charge nominale");
    EXPECT_EQ(dlg().TextValAFFinertie->text(), QString::fromUtf8(" : 0,007 kg.m²"));
    EXPECT_EQ(valeur(6), "(500 + 200) kg");
    EXPECT_EQ(dlg().TextAFF(1)->text(), "Coefficient de roulement");
    EXPECT_EQ(dlg().TextAFF(3)->text(), QString::fromUtf8("Surcouple au décollage"));
    EXPECT_TRUE(barre(1)->isVisible());
    EXPECT_TRUE(barre(3)->isVisible());
    EXPECT_EQ(barre(1)->orientation(), Qt::Vertical);
    EXPECT_EQ(barre(4)->orientation(), Qt::Horizontal);
    EXPECT_FALSE(dlg().ListePompes->isVisible());
}

TEST_F(ConfigurationTest, ThePictureIsTheApplicationsOrAMessageNamingIt) {
    QImage image(40, 28, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(QDir(dossier.path()).mkpath("Vimra_app"));
    ASSERT_TRUE(EnregistreJpeg(image, chemin("Vimra_app/coupe.jpg")));
    ouvre(57);
    EXPECT_EQ(dlg().ImageApplication->image().size(), QSize(40, 28));
    EXPECT_EQ(dlg().FichierImage(), "coupe.jpg");
    dlg().hide();
    ouvre(58);
    EXPECT_TRUE(dlg().ImageApplication->image().isNull());
    EXPECT_TRUE(
        dlg().ImageApplication->message().startsWith("Erreur de lecture du fichier\npont_roulant.jpg\n"));
    EXPECT_TRUE(dlg().FichierImage().isEmpty());
}

TEST_F(ConfigurationTest, Code64StartsBar6AtItsMinimum) {
    ouvre(64);
    EXPECT_EQ(barre(6)->value(), 10);
    EXPECT_EQ(travail().ParamApplication[4], 10);
    EXPECT_EQ(travail().ParamApplication[5], 10);
    EXPECT_EQ(valeur(6), QString::fromUtf8("0,010 kg.m²"));
    EXPECT_EQ(dlg().TextTitre->text(), QString::fromUtf8("Désenfumage"));
}

TEST_F(ConfigurationTest, TheTopOfAVerticalBarIsItsMaximum) {
    ouvre(51);
    barre(1)->setValue(barre(1)->minimum());
    EXPECT_EQ(travail().ParamApplication[1], 20);
    EXPECT_EQ(valeur(1), "0,20 N.m/kg");
    // F = (1500 x 150 x 100 - 20 x 70 x 150) / 14 / 750 = 2122.
    EXPECT_EQ(valeur(2), "F = 2122 N");
    barre(3)->triggerAction(QAbstractSlider::SliderToMaximum); // the bottom
    EXPECT_EQ(travail().ParamApplication[2], 0);
    EXPECT_EQ(valeur(3), "0,00 N.m");
    barre(5)->setValue(200);
    EXPECT_EQ(travail().ParamApplication[0], 200);
    EXPECT_EQ(valeur(5), "200");
}

TEST_F(ConfigurationTest, FromTheRunScreenItShowsTheTestsOwnParameters) {
    sessionTravail().ParamApplicationSauve = {150, 25, 40, 5, 5, 0};
    ouvre(153);
    EXPECT_EQ(travail().ApplicationCourante, 53);
    EXPECT_EQ(barre(5)->value(), 150);
    EXPECT_EQ(barre(1)->value(), 30 + 5 - 25);
    EXPECT_EQ(barre(3)->value(), 50 + 0 - 40);
    EXPECT_EQ(barre(6)->value(), 5);
    // M = 75 x 1500 x 10472 / 150 / 5 / 100 = 15708; J = 15708 x 150 x 150 / 246740 = 1432. P4 is
    // not a conveyor's parameter: it keeps its value.
    EXPECT_EQ(travail().ParamApplication, (P{150, 25, 40, 5, 5, 1432}));
    EXPECT_EQ(valeur(2), "M = 15708 kg");
    EXPECT_EQ(dlg().TextTitre->text(), "Convoyeur");
    EXPECT_FALSE(dlg().TextAFF(4)->isVisible());
    EXPECT_FALSE(barre(4)->isVisible());
}

TEST_F(ConfigurationTest, FromTheRunScreenWithoutApplicationThereIsNothingToSet) {
    sessionTravail().ParamApplicationSauve = {1, 2, 3, 4, 5, 6};
    ouvre(100);
    EXPECT_EQ(travail().ApplicationCourante, 0);
    EXPECT_EQ(travail().ParamApplication, (P{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(barre(1)->isVisible());
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
}

TEST_F(ConfigurationTest, CancelRestoresTheParametersOnEntry) {
    sessionTravail().ParamApplicationSauve = {600, 10, 50, 50, 100, 100};
    ouvre(157);
    barre(5)->setValue(900);
    EXPECT_EQ(travail().ParamApplication[0], 900);
    dlg().BoutonAnnuler->click();
    EXPECT_FALSE(dlg().isVisible());
    EXPECT_EQ(dlg().result(), QDialog::Rejected);
    EXPECT_EQ(travail().ParamApplication, (P{600, 10, 50, 50, 100, 100}));

    ouvre(157);
    barre(6)->setValue(300);
    QTest::keyClick(&dlg(), Qt::Key_Escape);
    EXPECT_FALSE(dlg().isVisible());
    EXPECT_EQ(travail().ParamApplication[4], 100);
}

TEST_F(ConfigurationTest, TheFrameKeepsTheEditedValuesAndOkKeepsThemToo) {
    sessionTravail().ParamApplicationSauve = {600, 10, 50, 50, 100, 100};
    ouvre(157);
    barre(6)->setValue(300);
    dlg().close();
    EXPECT_EQ(dlg().result(), QDialog::Rejected);
    EXPECT_EQ(travail().ParamApplication, (P{600, 10, 50, 50, 300, 300}));

    travail().ApplicationCourante = 58;
    QTimer::singleShot(0, &dlg(), [this] {
        barre(5)->setValue(20);
        QTest::keyClick(&dlg(), Qt::Key_Return);
    });
    EXPECT_EQ(dlg().exec(), QDialog::Accepted);
    // M = 1500 x 75 x 53 / 20 / 500 = 596; J = 596 x 20 x 20 / 24670 = 9.
    EXPECT_EQ(travail().ParamApplication[0], 20);
    EXPECT_EQ(travail().ParamApplication[5], 9);
}

TEST_F(ConfigurationTest, WithoutACodeItReadsTheLastChosenFile) {
    travail().ApplicationCourante = 61;
    travail().ParamApplication = {50, 3, 70, 0, 0, 0};
    ASSERT_TRUE(EcritApplication(travail(), chemin("pompe.APPLI")));
    dialoguesFichiers().OpenDialogApplication.nomFichier = chemin("pompe.APPLI");
    travail().ParamApplication = {};
    ouvre(0);
    EXPECT_EQ(travail().ApplicationCourante, 61);
    EXPECT_EQ(travail().ParamApplication, (P{50, 3, 70, 0, 0, 0}));
    EXPECT_EQ(dlg().ListePompes->currentRow(), 3);
    EXPECT_EQ(barre(1)->value(), 100 + 10 - 50);
    ASSERT_EQ(dlg().ListePompes->count(), 6);
    EXPECT_EQ(dlg().ListePompes->item(0)->text(),
              QString::fromUtf8("Pompe centrifuge : PA-1 : Hn=38m Qn=5m³"));
    EXPECT_TRUE(dlg().ListePompes->isVisible());
    EXPECT_FALSE(barre(4)->isVisible());
    EXPECT_FALSE(dlg().TextValAFFinertie->isVisible());
    // PA-4: head 22,4 m at zero flow, 19,3 m rated.
    EXPECT_EQ(valeur(1), "11,2 m");
    EXPECT_EQ(valeur(2), "H = 19,3 m");
    dlg().ListePompes->setCurrentRow(5);
    EXPECT_EQ(travail().ParamApplication[1], 5);
    EXPECT_EQ(valeur(2), "H = 7,7 m");
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
}

TEST_F(ConfigurationTest, WithoutACodeOrAFileThereIsNothingToSet) {
    dialoguesFichiers().OpenDialogApplication.nomFichier.clear();
    sessionTravail().ParamApplicationSauve = {1, 2, 3, 4, 5, 6};
    ouvre(0);
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
    EXPECT_EQ(travail().ParamApplication, (P{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(barre(1)->isVisible());
    EXPECT_FALSE(barre(5)->isVisible());
    EXPECT_FALSE(dlg().BoutonEnregistrer->isEnabled());
    EXPECT_FALSE(dlg().ImageApplication->message().isEmpty());
}

TEST_F(ConfigurationTest, AnUnreadableLastFileSaysSo) {
    dialoguesFichiers().OpenDialogApplication.nomFichier = chemin("absent.APPLI");
    ouvre(0);
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de lecture du fichier"});
    EXPECT_EQ(travail().ApplicationCourante, 0);
}

TEST_F(ConfigurationTest, AnApplicationWithoutSettingsChangesNothing) {
    sessionTravail().ParamApplicationSauve = {1, 2, 3, 4, 5, 6};
    ouvre(63);
    EXPECT_EQ(dlg().TextTitre->text(), "Compresseur");
    EXPECT_EQ(travail().ParamApplication, (P{1, 2, 3, 4, 5, 6}));
    for (int k : BARRES_APPLICATION)
        EXPECT_FALSE(barre(k)->isVisible()) << k;
    EXPECT_TRUE(dlg().ImageApplication->image().isNull());
}

TEST_F(ConfigurationTest, SaveWritesTheApplicationAsEdited) {
    ouvre(66);
    barre(4)->setValue(15);
    dialogues.fichiers = {chemin("tapis.APPLI")};
    dlg().BoutonEnregistrer->click();
    QFile f(chemin("tapis.APPLI"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // M = (70 x 1500 x 10472 / 50) / (25 x 981 / 100 + 50) / 100 = 745; J = 745 x 2500 / 246740 = 7.
    EXPECT_EQ(DecodeApplication(f.readAll()), (FichierApplication{66, {50, 30, 20, 50, 15, 7}}));
    EXPECT_EQ(dialoguesFichiers().SaveDialogApplication.nomFichier, chemin("tapis.APPLI"));
    EXPECT_TRUE(sessionTravail().NomFichierCourant.isEmpty());
    EXPECT_TRUE(dlg().isVisible());

    // A cancelled dialog writes nothing.
    f.remove();
    dlg().BoutonEnregistrer->click();
    EXPECT_FALSE(QFile::exists(chemin("tapis.APPLI")));
}

TEST_F(ConfigurationTest, SetParamInitGivesTheDefaultsWithoutShowingIt) {
    for (const int code : {51, 52, 53, 57, 58, 61, 62, 64, 66}) {
        travail().ApplicationCourante = code;
        travail().ParamApplication = {-1, 4, -1, -1, -1, -1};
        dlg().SetParamInit();
        EXPECT_FALSE(dlg().isVisible());
        EXPECT_EQ(travail().ParamApplication, ParamInit(code, 1500, 2, {-1, 4, -1, -1, -1, -1})) << code;
        if (code == 64) {
            EXPECT_EQ(travail().ParamApplication[4], 10); // bar 6 raised without the window
        }
    }
}

TEST_F(ConfigurationTest, TheHelpClosesWithTheDialog) {
    ouvre(62);
    dlg().SpeedButton1->click();
    EXPECT_TRUE(fenetres().FormVisualisationPDF->isVisible());
    dlg().BoutonOK->click();
    EXPECT_FALSE(fenetres().FormVisualisationPDF->isVisible());
    EXPECT_FALSE(menu().isVisible()); // hiding the help does not bring the main menu back
}

TEST_F(ConfigurationTest, CaptionsFollowTheLanguage) {
    AppliqueLangue(2);
    ouvre(52);
    EXPECT_EQ(dlg().windowTitle(), "Application configuration");
    EXPECT_EQ(dlg().TextTitre->text(), "absolute positionning  ");
    EXPECT_EQ(dlg().TextAFF(4)->text(), "prehensor weight");
    EXPECT_EQ(dlg().BoutonEnregistrer->text(), "Register");
    EXPECT_EQ(dlg().BoutonAnnuler->text(), "Cancel");
    EXPECT_FALSE(barre(1)->isVisible());
    EXPECT_FALSE(barre(3)->isVisible());
}

} // namespace
