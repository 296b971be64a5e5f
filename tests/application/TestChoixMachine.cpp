// The machine choice of an application study, inside the whole program.
#include "../ui/ProgrammeTest.h"

#include "application/ChoixMachine.h"
#include "application/FormApplication.h"
#include "application/FormKorlan.h"
#include "application/ReglagesApplication.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

class ChoixMachineTest : public ProgrammeTest {
protected:
    TChoixMachine& choix() { return *fenetres().ChoixMachine; }
    QToolButton* machine(int type) { return choix().BoutonsMachine[std::size_t(type - 1)]; }
    int presses() {
        int n = 0;
        for (QToolButton* b : choix().BoutonsMachine)
            n += b->isChecked();
        return n;
    }
    // The main menu's way in.
    void ouvre() {
        montreMenu();
        menu().ButtonEtudeApplicationClick();
        QApplication::processEvents();
        ASSERT_TRUE(choix().isVisible());
    }
    void TearDown() override {
        sessionTravail().MachineApplication = 0;
        ProgrammeTest::TearDown();
    }
};

TEST_F(ChoixMachineTest, WithNoMachineChosenBothWaysOnAreDisabled) {
    ouvre();
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(presses(), 0);
    EXPECT_FALSE(choix().ButtonApplication->isEnabled());
    EXPECT_FALSE(choix().ButtonOuvrir->isEnabled());
    EXPECT_EQ(choix().windowTitle(),
              QString::fromUtf8("Choix de la machine et des caractéristiques de charge"));
    EXPECT_EQ(choix().TextTitreSelection->text(), "Selection de la machine d'entrainement");
    EXPECT_EQ(machine(3)->text(), QString::fromUtf8(" Machine asynchrone triphasée"));
    EXPECT_EQ(choix().ButtonApplication->text(), "Choix de l'application");
    EXPECT_EQ(choix().ButtonOuvrir->text(), "Lecture d'une application");
}

TEST_F(ChoixMachineTest, PressingAMachineChoosesItAndReleasingItChoosesNone) {
    ouvre();
    machine(3)->click();
    EXPECT_EQ(sessionTravail().MachineApplication, 3);
    EXPECT_EQ(sessionTravail().ModeleEssai.TypeMachine(), 3);
    EXPECT_TRUE(choix().ButtonApplication->isEnabled());
    EXPECT_TRUE(choix().ButtonOuvrir->isEnabled());
    // Another machine releases the first.
    machine(7)->click();
    EXPECT_EQ(presses(), 1);
    EXPECT_EQ(sessionTravail().MachineApplication, 7);
    EXPECT_EQ(choix().Choix(), 7);
    machine(7)->click();
    EXPECT_EQ(presses(), 0);
    EXPECT_EQ(sessionTravail().MachineApplication, 0);
    EXPECT_EQ(sessionTravail().ModeleEssai.TypeMachine(), 0);
    EXPECT_FALSE(choix().ButtonApplication->isEnabled());
    EXPECT_FALSE(choix().ButtonOuvrir->isEnabled());
}

TEST_F(ChoixMachineTest, ItReopensOnTheLastChoiceUntilANewWork) {
    ouvre();
    machine(4)->click();
    choix().BitBtnCancel->click();
    EXPECT_FALSE(choix().isVisible());
    EXPECT_TRUE(menu().isVisible());
    sessionTravail().ModeleEssai.TypeMachine() = 1; // another study changed the template meanwhile
    ouvre();
    EXPECT_TRUE(machine(4)->isChecked());
    EXPECT_EQ(sessionTravail().ModeleEssai.TypeMachine(), 4);
    EXPECT_TRUE(choix().ButtonApplication->isEnabled());
    choix().BitBtnCancel->click();

    sessionTravail().ModeleEssai[TEnteteEssai::MotCalibreCourant] = 1;
    choix().initialise();
    EXPECT_EQ(sessionTravail().ModeleEssai, TEnteteEssai::defaut());
    sessionTravail().MachineApplication = 4;
    menu().ButtonNouveauTravailClick();
    EXPECT_EQ(sessionTravail().MachineApplication, 0);
    EXPECT_EQ(sessionTravail().ModeleEssai, TEnteteEssai::defaut());
    ouvre();
    EXPECT_EQ(presses(), 0);
    EXPECT_FALSE(choix().ButtonOuvrir->isEnabled());
}

TEST_F(ChoixMachineTest, KeysOneToSevenPressTheMachines) {
    ouvre();
    QTest::keyClick(&choix(), Qt::Key_5);
    EXPECT_EQ(sessionTravail().MachineApplication, 5);
    EXPECT_TRUE(machine(5)->isChecked());
    QTest::keyClick(&choix(), Qt::Key_5);
    EXPECT_EQ(sessionTravail().MachineApplication, 0);
}

TEST_F(ChoixMachineTest, EscapeGoesBackToTheMainMenu) {
    ouvre();
    QTest::keyClick(&choix(), Qt::Key_Escape);
    EXPECT_FALSE(choix().isVisible());
    EXPECT_TRUE(menu().isVisible());
}

TEST_F(ChoixMachineTest, TheApplicationButtonLeadsToTheCatalogue) {
    ouvre();
    machine(1)->click();
    choix().ButtonApplication->click();
    EXPECT_TRUE(fenetres().FormKorlan->isVisible());
    EXPECT_FALSE(choix().isVisible());
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(sessionTravail().MachineApplication, 1);
}

TEST_F(ChoixMachineTest, CancellingTheFileDialogStaysHere) {
    ouvre();
    machine(2)->click();
    travail().ApplicationCourante = 53;
    travail().ParamApplication = {1, 2, 3, 4, 5, 6};
    choix().ButtonOuvrir->click();
    EXPECT_TRUE(choix().isVisible());
    EXPECT_FALSE(fenetres().FormApplication->isVisible());
    EXPECT_EQ(travail().ApplicationCourante, 53);
    EXPECT_EQ(travail().ParamApplication, (ParamsApplication{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(sessionTravail().MachineApplication, 2);
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
}

TEST_F(ChoixMachineTest, AnApplicationFileGoesStraightToTheRunScreen) {
    travail().ApplicationCourante = 62;
    travail().ParamApplication = {12, 100, 75, 30, 40, 40};
    ASSERT_TRUE(EcritApplication(travail(), chemin("ventilation.APPLI")));
    travail().ApplicationCourante = 0;
    travail().ParamApplication = {};
    sessionTravail().NomFichierCourant = chemin("travail.Vimr2");
    ouvre();
    machine(6)->click();
    dialogues.fichiers = {chemin("ventilation.APPLI")};
    choix().ButtonOuvrir->click();
    EXPECT_EQ(travail().ApplicationCourante, 62);
    EXPECT_EQ(travail().ParamApplication, (ParamsApplication{12, 100, 75, 30, 40, 40}));
    EXPECT_EQ(sessionTravail().ParamApplicationSauve, travail().ParamApplication);
    EXPECT_EQ(sessionTravail().MachineApplication, 6);
    EXPECT_TRUE(fenetres().FormApplication->isVisible());
    EXPECT_FALSE(choix().isVisible());
    EXPECT_FALSE(menu().isVisible());
    // The application file is remembered for the configuration, never taken as the work's file.
    EXPECT_EQ(dialoguesFichiers().OpenDialogApplication.nomFichier, chemin("ventilation.APPLI"));
    EXPECT_EQ(sessionTravail().NomFichierCourant, chemin("travail.Vimr2"));
}

TEST_F(ChoixMachineTest, AnUnreadableFileSaysSoAndStaysHere) {
    QFile f(chemin("court.APPLI"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(20, '\x01'));
    f.close();
    ouvre();
    machine(3)->click();
    travail().ApplicationCourante = 51;
    travail().ParamApplication = {1, 2, 3, 4, 5, 6};
    dialogues.fichiers = {chemin("court.APPLI")};
    choix().ButtonOuvrir->click();
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de lecture du fichier"});
    EXPECT_EQ(travail().ApplicationCourante, 0);
    EXPECT_EQ(travail().ParamApplication, (ParamsApplication{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(choix().isVisible());
    EXPECT_FALSE(fenetres().FormApplication->isVisible());
}

TEST_F(ChoixMachineTest, CaptionsFollowTheLanguage) {
    ConfigGenerale().LangueConfig = 2;
    ouvre();
    EXPECT_EQ(choix().windowTitle(), QString::fromUtf8("machine selection and load caractéristics"));
    EXPECT_EQ(choix().ButtonApplication->text(), "application selection");
    EXPECT_EQ(choix().ButtonOuvrir->text(), "application reading");
    EXPECT_EQ(choix().BitBtnCancel->text(), "Cancel");
}

} // namespace
