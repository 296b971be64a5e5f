#include "ProgrammeTest.h"

#include "study/NouvelCaract.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class NouvelCaractTest : public ProgrammeTest {
protected:
    TNouvelCaract& dlg() { return *fenetres().NouvelCaract; }
    void etude(int typeMachine, int typeCharge) {
        sessionTravail().ModeleEssai.TypeMachine() = typeMachine;
        sessionTravail().ModeleEssai.TypeCharge() = typeCharge;
    }
    void montre(ModeDefinition mode, int cible = 1) {
        dlg().Prepare(mode, cible);
        dlg().show();
        QApplication::processEvents();
    }
    static QList<QRadioButton*> radios(QGroupBox* g) { return g->findChildren<QRadioButton*>(); }
    static QStringList noms(QGroupBox* g) {
        QStringList n;
        for (QRadioButton* r : radios(g))
            n << r->text();
        return n;
    }
    static QString coche(QGroupBox* g) {
        for (QRadioButton* r : radios(g))
            if (r->isChecked()) return r->text();
        return {};
    }
    static QRadioButton* radio(QGroupBox* g, const QString& texte) {
        for (QRadioButton* r : radios(g))
            if (r->text() == texte) return r;
        return nullptr;
    }
    int quadrantPresse() {
        for (int q = 0; q < NB_QUADRANTS; ++q)
            if (dlg().Q[q]->isChecked()) return q;
        return -1;
    }
    std::vector<int> quadrantsUtilisables() {
        std::vector<int> v;
        for (int q = 0; q < NB_QUADRANTS; ++q)
            if (dlg().Q[q]->isEnabled()) v.push_back(q);
        return v;
    }
    TDefCaract& slot(int a) { return travail().EnteteTravail.DefCaract(a); }
};

TEST_F(NouvelCaractTest, ANewDefinitionOnADcSeriesMachineLacksExcitationCurrentAndPowerFactor) {
    etude(2, 1);
    montre(ModeDefinition::Nouveau);
    EXPECT_EQ(dlg().windowTitle(), QString::fromUtf8("Nouvelle caractéristique"));
    for (QGroupBox* g : {dlg().RadioGroupY, dlg().RadioGroupX}) {
        EXPECT_EQ(noms(g).size(), 8);
        EXPECT_FALSE(noms(g).contains("Courant d'excitation"));
        EXPECT_FALSE(noms(g).contains("Facteur de puissance"));
    }
    EXPECT_EQ(coche(dlg().RadioGroupY), "Couple utile");
    EXPECT_EQ(coche(dlg().RadioGroupX), "Vitesse de rotation");
    EXPECT_EQ(quadrantPresse(), 0);
    EXPECT_EQ(quadrantsUtilisables().size(), 9u);
}

TEST_F(NouvelCaractTest, ATimeBasedLoadPreselectsTimeAndOffersOnlyTheRightHalf) {
    etude(3, 12);
    montre(ModeDefinition::Nouveau);
    EXPECT_EQ(noms(dlg().RadioGroupX).last(), "Temps");
    EXPECT_EQ(coche(dlg().RadioGroupX), "Temps");
    EXPECT_FALSE(noms(dlg().RadioGroupY).contains("Temps"));
    EXPECT_EQ(quadrantsUtilisables(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(quadrantPresse(), 2);
    dlg().BtnOK->click();
    EXPECT_EQ(dlg().result(), QDialog::Accepted);
    EXPECT_EQ(slot(1), (TDefCaract{1, 1, {}, 11, 18, {}, 2, 18, {}, 2}));
    EXPECT_FALSE(sessionTravail().TravailEnregistre);
}

TEST_F(NouvelCaractTest, ModifyingATimeDefinitionKeepsItsQuadrant) {
    etude(3, 12);
    slot(2) = TDefCaract{1, 1, {}, 11, 20, {}, 5, 21, {}, 3};
    montre(ModeDefinition::Modification, 2);
    EXPECT_EQ(dlg().windowTitle(), QString::fromUtf8("Modification d'une caractéristique"));
    EXPECT_EQ(coche(dlg().RadioGroupX), "Temps");
    EXPECT_EQ(coche(dlg().RadioGroupY), "Courant");
    EXPECT_EQ(quadrantPresse(), 3);
    dlg().BtnOK->click();
    EXPECT_EQ(slot(2), (TDefCaract{1, 1, {}, 11, 20, {}, 5, 21, {}, 3}));
}

TEST_F(NouvelCaractTest, InNewModeAnotherAbscissaResetsTheQuadrant) {
    etude(3, 1);
    montre(ModeDefinition::Nouveau);
    dlg().Q[1]->click();
    EXPECT_EQ(quadrantPresse(), 1);
    radio(dlg().RadioGroupX, "Couple utile")->click();
    EXPECT_EQ(quadrantPresse(), 0);
}

TEST_F(NouvelCaractTest, TheArrowKeysMoveThroughAListAndApplyTheQuadrantRule) {
    etude(3, 1);
    montre(ModeDefinition::Nouveau);
    dlg().Q[7]->click();
    QRadioButton* premier = radios(dlg().RadioGroupX).first();
    premier->setFocus();
    QTest::keyClick(premier, Qt::Key_Down);
    EXPECT_EQ(coche(dlg().RadioGroupX), "Couple utile");
    EXPECT_EQ(quadrantPresse(), 0);
    dlg().BtnOK->click();
    EXPECT_EQ(slot(1).ColonneX, 2);
}

class DoubleClic : public NouvelCaractTest, public testing::WithParamInterface<int> {};

TEST_P(DoubleClic, ConfirmsOnEveryQuadrantButTheTopMiddleOne) {
    const int q = GetParam();
    etude(4, 1);
    montre(ModeDefinition::Nouveau, 3);
    // What the system delivers for a double-click: a click, then a double-click and a release.
    QTest::mouseClick(dlg().Q[q], Qt::LeftButton);
    QTest::mouseDClick(dlg().Q[q], Qt::LeftButton);
    QTest::mouseRelease(dlg().Q[q], Qt::LeftButton);
    QApplication::processEvents();
    if (q == QUADRANT_1_ET_2) {
        EXPECT_TRUE(dlg().isVisible());
        EXPECT_FALSE(slot(3).Defini);
        EXPECT_EQ(quadrantPresse(), q); // the click itself still chose it
    } else {
        EXPECT_FALSE(dlg().isVisible());
        EXPECT_EQ(dlg().result(), QDialog::Accepted);
        EXPECT_EQ(slot(3).Quadrant, q);
        EXPECT_EQ(slot(3).Defini, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Quadrants, DoubleClic, testing::Range(0, NB_QUADRANTS));

TEST_F(NouvelCaractTest, CancelAfterTwoAmperesKeepsTheRangeButNoDefinition) {
    etude(3, 1);
    travail().AjouteEssai(sessionTravail());
    sessionTravail().TravailEnregistre = true;
    montre(ModeDefinition::Nouveau, 1);
    EXPECT_TRUE(dlg().ButtonCalibre20A->isChecked());
    dlg().ButtonCalibre2A->click();
    dlg().Q[5]->click();
    dlg().BitBtn2->click();
    EXPECT_EQ(dlg().result(), QDialog::Rejected);
    EXPECT_EQ(sessionTravail().ModeleEssai[TEnteteEssai::MotCalibreCourant], 1);
    EXPECT_EQ(travail().Essais[1].Entete[TEnteteEssai::MotCalibreCourant], 0); // new mode: template only
    EXPECT_FALSE(slot(1).Defini);
    EXPECT_TRUE(sessionTravail().TravailEnregistre);
    montre(ModeDefinition::Nouveau, 1);
    EXPECT_TRUE(dlg().ButtonCalibre2A->isChecked());
}

TEST_F(NouvelCaractTest, InModifyModeTheRangeReachesTheCurrentTestAtOnce) {
    etude(3, 1);
    travail().AjouteEssai(sessionTravail());
    slot(1) = TDefCaract{1, 1, {}, 1, 18, {}, 2, 18, {}, 0};
    montre(ModeDefinition::Modification, 1);
    dlg().ButtonCalibre2A->click();
    EXPECT_EQ(travail().Essais[1].Entete[TEnteteEssai::MotCalibreCourant], 1);
    dlg().ButtonCalibre20A->click();
    EXPECT_EQ(travail().Essais[1].Entete[TEnteteEssai::MotCalibreCourant], 0);
    EXPECT_EQ(sessionTravail().ModeleEssai[TEnteteEssai::MotCalibreCourant], 0);
}

TEST_F(NouvelCaractTest, EnterConfirmsAndEscapeCancels) {
    etude(3, 1);
    montre(ModeDefinition::Nouveau, 1);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dlg(), Qt::Key_Escape);
    EXPECT_EQ(dlg().result(), QDialog::Rejected);
    EXPECT_FALSE(slot(1).Defini);
    montre(ModeDefinition::Nouveau, 1);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dlg(), Qt::Key_Return);
    EXPECT_EQ(dlg().result(), QDialog::Accepted);
    EXPECT_EQ(slot(1), (TDefCaract{1, 1, {}, 1, 15, {}, 2, 18, {}, 0}));
}

TEST_F(NouvelCaractTest, CaptionsFollowTheLanguageAtEveryShow) {
    etude(3, 1);
    AppliqueLangue(2);
    montre(ModeDefinition::Nouveau);
    EXPECT_EQ(dlg().windowTitle(), "New Characteristic");
    EXPECT_EQ(dlg().BitBtn2->text(), "Cancel");
    EXPECT_EQ(dlg().GroupBoxQuadrants->title(), "Display quadrants");
    EXPECT_EQ(dlg().Q[2]->toolTip(), "Study in quadrants 1 and 4");
    dlg().hide();
    AppliqueLangue(1);
    montre(ModeDefinition::Modification);
    EXPECT_EQ(dlg().windowTitle(), QString::fromUtf8("Modification d'une caractéristique"));
    EXPECT_EQ(dlg().BitBtn2->text(), "Annuler");
    EXPECT_EQ(dlg().RadioGroupY->title(), QString::fromUtf8("Ordonnée Y"));
    EXPECT_EQ(dlg().Q[2]->toolTip(), "Etude dans les quadrants 1 et 4");
}

TEST_F(NouvelCaractTest, TheApplicationScreenDefinesItsSlotWithoutAWindow) {
    ConfigGenerale().ClassePuissance = 1;
    dlg().Prepare(ModeDefinition::Nouveau, 5);
    dlg().InitCaract_Y_de_X(2, 11);
    EXPECT_FALSE(dlg().isVisible());
    EXPECT_EQ(slot(5), (TDefCaract{1, 1, {}, 11, 18, {}, 2, 27, {}, 0}));
    EXPECT_FALSE(sessionTravail().TravailEnregistre);
}

} // namespace
