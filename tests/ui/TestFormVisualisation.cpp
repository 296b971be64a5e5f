#include "ProgrammeTest.h"
#include "study/FormChoixCaract.h"

#include "link/FormVisualisation.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

class Visualisation : public ProgrammeTest {
protected:
    TFormVisualisation& v() { return *fenetres().FormVisualisation; }
    QWidget& choix() { return *fenetres().FormChoixCaract; }
    // Raw words R1..R9 (20.03..20.11) of the in-memory drive.
    void mesure(std::array<int, 9> r) {
        for (int i = 0; i < 9; ++i)
            port.esclave.registres[uint16_t(2002 + i)] = uint16_t(r[i]);
    }
    // The choice screen showing, as when its "VISUALISATION" button is pressed, on an
    // asynchronous machine under "T = K" unless told otherwise.
    void ouvre(int typeMachine = 3, int typeCharge = 1) {
        montreMenu(); // the link starts on the in-memory drive
        sessionTravail().ModeleEssai.TypeMachine() = typeMachine;
        sessionTravail().ModeleEssai.TypeCharge() = typeCharge;
        choix().show();
        v().show();
        QApplication::processEvents();
    }
    uint16_t controle() { return port.esclave.registres[2028]; }
    uint16_t constanteK() { return port.esclave.registres[1919]; }
    QString tuile(int k) { return v().Affichage[k]->valeur(); }
};

TEST_F(Visualisation, ShowingAppliesTheLoadLawWithKZeroAndHidesTheChoiceScreen) {
    mesure({1450, 700, 0, 0, 2000, 0, 2300, 0, 400});
    port.esclave.registres[1919] = 555;
    ouvre(3, 1);
    EXPECT_FALSE(choix().isVisible());
    EXPECT_EQ(constanteK(), 0);
    EXPECT_EQ(controle(), 2 * 256 + 5); // "T = K" is law 2
    EXPECT_TRUE(v().TimerA->isActive());
    EXPECT_EQ(v().TimerA->interval(), 250);
    EXPECT_EQ(v().windowTitle(), "Visualisation");
    EXPECT_EQ(v().TextK->text(), "K = 0%");
    EXPECT_EQ(v().TextdelaMachine->text(), "MACHINE 1500 W"); // rating 1000: class 2
    EXPECT_EQ(v().TextModechargeManu->text(),
              QString::fromUtf8(" Machine asynchrone triphasée -  Charge mécanique : T = K"));
    EXPECT_EQ(v().LabelCourant->text(), "Calibre courant");
    EXPECT_EQ(v().ButtonClose->text(), "Fermer");
    EXPECT_EQ(v().ScrollBarK->toolTip(), QString::fromUtf8("Réglage de la constante K de 0 à 100%"));
    EXPECT_TRUE(v().ButtonCalibre20A->isChecked());
    EXPECT_FALSE(v().ButtonCalibre2A->isChecked());
    EXPECT_EQ(v().Affichage[1]->titre(), "Vitesse de rotation");
    EXPECT_EQ(v().Affichage[10]->titre(), "Pertes");
    const QStringList attendu = {"1450 tr/min", "7,00 Nm", "1063,0 W", "230,0 V", "2,000 A",
                                 "1200,0 W",    "0,000 A", "0,885 ",   "0,869 ",  "137,0 W"};
    for (int k = 1; k <= NB_TUILES; ++k)
        EXPECT_EQ(tuile(k), attendu[k - 1]) << "tile " << k;
}

TEST_F(Visualisation, Position37Sends370AndShowsIt) {
    ouvre();
    v().ScrollBarK->setValue(37);
    EXPECT_EQ(constanteK(), 370);
    EXPECT_EQ(v().TextK->text(), "K = 37%");
    QTest::keyClick(v().ScrollBarK, Qt::Key_Right); // the bar answers the keyboard, Right raising K
    EXPECT_EQ(constanteK(), 380);
    EXPECT_EQ(v().TextK->text(), "K = 38%");
    QTest::keyClick(v().ScrollBarK, Qt::Key_Down);
    EXPECT_EQ(constanteK(), 370);
}

TEST_F(Visualisation, AScreenReaderReadsEachTileAsItsQuantityAndValue) {
    mesure({1450, 700, 0, 0, 2000, 0, 2300, 0, 400});
    ouvre(3, 1);
    const auto nom = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(nom(v().Affichage[1]), "Vitesse de rotation 1450 tr/min");
    EXPECT_EQ(nom(v().Affichage[2]), "Couple utile 7,00 Nm");
    mesure({900, 1200, 0, 0, 0, 0, 0, 0, 0});
    v().ScrollBarK->setValue(60);
    EXPECT_EQ(nom(v().Affichage[1]), "Vitesse de rotation 900 tr/min");
    EXPECT_EQ(nom(v().ScrollBarK), "K = 60%");
}

TEST_F(Visualisation, MovingKReadsTheValuesAtOnce) {
    ouvre();
    mesure({900, 1200, 0, 0, 0, 0, 0, 0, 0});
    v().TimerA->stop();
    v().ScrollBarK->setValue(60);
    EXPECT_EQ(tuile(1), "900 tr/min");
    EXPECT_EQ(tuile(2), "12,00 Nm");
}

struct CasTuiles {
    int typeMachine;
    bool excitation, facteurPuissance;
};

class TuilesDuType : public Visualisation, public testing::WithParamInterface<CasTuiles> {};

TEST_P(TuilesDuType, ShowOnlyTheQuantitiesTheMachineHas) {
    ouvre(GetParam().typeMachine);
    EXPECT_EQ(v().Affichage[7]->isVisible(), GetParam().excitation);
    EXPECT_EQ(v().Affichage[9]->isVisible(), GetParam().facteurPuissance);
    for (int k : {1, 2, 3, 4, 5, 6, 8, 10})
        EXPECT_TRUE(v().Affichage[k]->isVisible()) << "tile " << k;
}

INSTANTIATE_TEST_SUITE_P(Cas, TuilesDuType,
                         testing::Values(CasTuiles{1, true, false},    // DC, separate excitation
                                         CasTuiles{2, false, false},   // DC, series excitation
                                         CasTuiles{3, false, true},    // asynchronous
                                         CasTuiles{4, true, true},     // synchronous
                                         CasTuiles{5, false, false})); // drive on a DC supply

TEST_F(Visualisation, TwoAmpRangeIsSetAtOnceAndTheNextCycleDividesTheCurrent) {
    mesure({1450, 700, 0, 0, 2000, 0, 2300, 0, 400});
    ouvre(3);
    ASSERT_EQ(tuile(5), "2,000 A");
    v().ButtonCalibre2A->click();
    EXPECT_EQ(sessionTravail().ModeleEssai[TEnteteEssai::MotCalibreCourant], 1);
    EXPECT_EQ(tuile(5), "2,000 A"); // nothing read yet
    // The running timer brings the next cycle.
    EXPECT_TRUE(QTest::qWaitFor([this] { return tuile(5) == "0,200 A"; }, 2000));
    EXPECT_EQ(tuile(6), "120,0 W");
    v().ButtonCalibre20A->click();
    EXPECT_EQ(sessionTravail().ModeleEssai[TEnteteEssai::MotCalibreCourant], 0);
    v().TimerATimer();
    EXPECT_EQ(tuile(5), "2,000 A");
}

TEST_F(Visualisation, TheRangeButtonsFollowTheTemplate) {
    sessionTravail().ModeleEssai[TEnteteEssai::MotCalibreCourant] = 1;
    ouvre();
    EXPECT_TRUE(v().ButtonCalibre2A->isChecked());
    EXPECT_FALSE(v().ButtonCalibre20A->isChecked());
}

TEST_F(Visualisation, ALostLinkKeepsTheLastValuesAndARecoveredOneUpdatesThem) {
    mesure({1450, 700, 0, 0, 2000, 0, 2300, 0, 400});
    ouvre();
    v().TimerA->stop();
    QStringList avant;
    for (int k = 1; k <= NB_TUILES; ++k)
        avant << tuile(k);
    port.esclave.defaut = EsclaveScripte::Defaut::Silence;
    for (int i = 0; i < 3; ++i)
        v().TimerATimer();
    ASSERT_EQ(liaison->Mesures[0], -1);
    for (int k = 1; k <= NB_TUILES; ++k)
        EXPECT_EQ(tuile(k), avant[k - 1]) << "tile " << k;
    port.esclave.defaut = EsclaveScripte::Defaut::Aucun;
    mesure({1000, 700, 0, 0, 2000, 0, 2300, 0, 400});
    v().TimerATimer();
    EXPECT_EQ(tuile(1), "1000 tr/min");
}

TEST_F(Visualisation, AClosedLinkLeavesTheTilesAsTheyWere) {
    mesure({1450, 700, 0, 0, 2000, 0, 2300, 0, 400});
    ouvre();
    v().TimerA->stop();
    liaison->Relache();
    ASSERT_FALSE(liaison->LinkOpen);
    v().TimerATimer();
    v().ScrollBarK->setValue(20);
    EXPECT_EQ(tuile(1), "1450 tr/min");
    EXPECT_EQ(tuile(5), "2,000 A");
    EXPECT_EQ(v().TextK->text(), "K = 20%");
}

enum class Fermeture { Bouton, CaseDeFermeture, Echap, Rejet, Masquage };

class FermeturePar : public Visualisation, public testing::WithParamInterface<Fermeture> {};

TEST_P(FermeturePar, StopsTheTimerRemovesTheLoadLawAndBringsTheChoiceScreenBack) {
    ouvre();
    ASSERT_TRUE(v().TimerA->isActive());
    ASSERT_NE(controle(), 1);
    switch (GetParam()) {
    case Fermeture::Bouton:
        v().ButtonClose->click();
        break;
    case Fermeture::CaseDeFermeture:
        v().close();
        break;
    case Fermeture::Echap:
        QTest::keyClick(&v(), Qt::Key_Escape);
        break;
    case Fermeture::Rejet:
        v().reject();
        break;
    case Fermeture::Masquage:
        v().hide();
        break;
    }
    QApplication::processEvents();
    EXPECT_FALSE(v().isVisible());
    EXPECT_FALSE(v().TimerA->isActive());
    EXPECT_EQ(controle(), 1);
    EXPECT_TRUE(choix().isVisible());
    // Closed, the view exchanges nothing more with the drive.
    const std::size_t requetes = port.esclave.requetes.size();
    QTest::qWait(600);
    EXPECT_EQ(port.esclave.requetes.size(), requetes);
}

INSTANTIATE_TEST_SUITE_P(Cas, FermeturePar,
                         testing::Values(Fermeture::Bouton, Fermeture::CaseDeFermeture, Fermeture::Echap,
                                         Fermeture::Rejet, Fermeture::Masquage));

TEST_F(Visualisation, ShowingAgainStartsFromKZero) {
    ouvre();
    v().ScrollBarK->setValue(50);
    v().close();
    v().show();
    EXPECT_EQ(v().ScrollBarK->value(), 0);
    EXPECT_EQ(constanteK(), 0);
    EXPECT_EQ(controle(), 2 * 256 + 5);
    EXPECT_TRUE(v().TimerA->isActive());
}

TEST_F(Visualisation, TheTilesFollowTheLayoutAndTheirTextsFitThem) {
    mesure({-1450, -3000, 0, 0, 20000, 0, 4000, 0, 3000});
    ouvre(4);
    v().resize(1024, 768);
    QApplication::processEvents();
    EXPECT_EQ(v().width() * 3, v().height() * 4);
    const QRect premiere = v().Affichage[1]->geometry();
    EXPECT_EQ(premiere.width(), v().width() / 3);
    EXPECT_GT(premiere.top(), v().ButtonClose->geometry().bottom());
    for (int k = 1; k <= NB_TUILES; ++k) {
        for (QLabel* l : {v().Affichage[k]->TextTitre, v().Affichage[k]->TextAffichage}) {
            const QFontMetrics fm(l->font());
            EXPECT_LE(fm.horizontalAdvance(l->text()), l->contentsRect().width()) << "tile " << k;
            EXPECT_LE(fm.height(), l->contentsRect().height() + 1) << "tile " << k;
        }
    }
}

TEST_F(Visualisation, TheBenchPowerFollowsTheClass) {
    port.esclave.registres[1131] = 30000; // a rating of class 3
    ouvre();
    EXPECT_EQ(v().TextdelaMachine->text(), "MACHINE 3000 W");
}

} // namespace
