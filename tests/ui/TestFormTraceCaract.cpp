#include "ProgrammeTest.h"

#include "graph/CaractMachine.h"
#include "socle/Preferences.h"
#include "study/FormTraceCaract.h"
#include "work/FichierTravail.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

using R = Dialogues::Reponse;

class TraceCaract : public ProgrammeTest {
protected:
    TFormTraceCaract& f() { return *static_cast<TFormTraceCaract*>(fenetres().FormTraceCaract); }

    // A work of an asynchronous machine under "T = K" with `n` characteristics defined.
    void travailDe(int n, int points = 3) {
        Travail& t = travail();
        sessionTravail().ModeleEssai.TypeMachine() = 3;
        sessionTravail().ModeleEssai.TypeCharge() = 1;
        t.AjouteEssai(sessionTravail());
        VecteurMesures m{};
        for (int k = 0; k < points; ++k) {
            m[1] = 1500 - 20 * k;
            m[2] = 100 * k;
            m[5] = 1000 + 100 * k;
            t.AjoutePoint(sessionTravail(), m);
        }
        const int y[4] = {2, 5, 3, 8};
        for (int k = 1; k <= n; ++k) {
            TDefCaract& d = t.EnteteTravail.DefCaract(k);
            d = TDefCaract{1, 1, {}, 1, 18, {}, y[k - 1], 18, {}, 0};
        }
        sessionTravail().TravailEnregistre = true;
    }
    void montre() {
        f().resize(1000, 700);
        f().show();
        QApplication::processEvents();
    }
};

TEST_F(TraceCaract, PanelsTakeTheirSlotsInTheOrderOfTheCharacteristics) {
    travailDe(4);
    montre();
    const QRect r = f().rectanglePanneaux();
    const int w = r.width() / 2, h = r.height() / 2;
    for (int nombre : {4, 3, 2, 1}) {
        // Hide the characteristics from the first: the slots follow the numbers still shown.
        for (int k = 1; k <= 4; ++k)
            travail().EnteteTravail.DefCaract(k).Affichee = k > 4 - nombre;
        f().Action();
        std::vector<QRect> vus;
        for (int k = 1; k <= 4; ++k)
            if (f().panneau(k)->isVisible()) vus.push_back(f().panneau(k)->geometry());
        ASSERT_EQ(int(vus.size()), nombre);
        if (nombre == 1) {
            EXPECT_EQ(vus[0], r);
        } else if (nombre == 2) {
            EXPECT_EQ(vus[1], QRect(r.left() + w, r.top(), w, r.height()));
        } else if (nombre == 3) {
            EXPECT_EQ(vus[0], QRect(r.left(), r.top(), w, h));
            EXPECT_EQ(vus[1], QRect(r.left(), r.top() + h, w, h));
            EXPECT_EQ(vus[2], QRect(r.left() + w, r.top(), w, r.height()));
        }
    }
    for (int k = 1; k <= 4; ++k)
        travail().EnteteTravail.DefCaract(k).Affichee = 0;
    f().Action();
    for (int k = 1; k <= 4; ++k)
        EXPECT_FALSE(f().panneau(k)->isVisible());
}

TEST_F(TraceCaract, EscapeWithNoAcquisitionClearsTheValueBoxes) {
    travailDe(1);
    montre();
    f().etat().Mesures[0] = 0;
    f().Curseur();
    EXPECT_NE(f().TexteValeur[1]->text(), "----");
    QTest::keyClick(&f(), Qt::Key_Escape);
    EXPECT_EQ(f().TexteValeur[1]->text(), "----");
    EXPECT_EQ(f().etat().Mesures[0], -1);
}

TEST_F(TraceCaract, ValueBoxesFollowTheMachine) {
    travailDe(1);
    travail().Essais[1].Entete.TypeMachine() = 3; // asynchronous: no excitation current
    montre();
    EXPECT_FALSE(f().TexteValeur[7]->isVisible());
    EXPECT_TRUE(f().TexteValeur[9]->isVisible());
    EXPECT_TRUE(f().LibelleValeur[5]->text().endsWith(" (20A)"));
    EXPECT_EQ(f().LibelleValeur[1]->text(), "Vitesse de rotation : n");
}

TEST_F(TraceCaract, ManualModeDisablesTheLoadButtonAndTheMenusAndStopGivesThemBack) {
    travailDe(1);
    montreMenu(); // the link starts on the in-memory drive
    montre();
    EXPECT_TRUE(f().ButtonModifCharge->isEnabled());
    f().ButtonManu->click();
    ASSERT_TRUE(f().ButtonManu->isChecked());
    EXPECT_FALSE(f().ButtonModifCharge->isEnabled());
    EXPECT_FALSE(f().Fichier1->menuAction()->isEnabled());
    // Nor by their shortcuts: nothing opens, saves, prints or starts a new work under the mode.
    f().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f()));
    dialogues.fichiers.push_back(chemin("pendant.MLX2"));
    dialogues.impressions.push_back(true);
    for (const char* k : {"Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+N", "Ctrl+P"})
        QTest::keySequence(&f(), QKeySequence(k));
    EXPECT_EQ(dialogues.fichiers.size(), 1u);
    EXPECT_EQ(dialogues.dialoguesImpression, 0);
    ASSERT_TRUE(f().isVisible());
    EXPECT_TRUE(f().TimerManu->isActive());
    EXPECT_FALSE(f().PanelANALYSE->isVisible());
    EXPECT_TRUE(f().etat().AcquisitionEnCours);
    f().ScrollBarK->setValue(40);
    EXPECT_EQ(port.esclave.registres[1919], 400);
    QTest::keyClick(f().ScrollBarK, Qt::Key_Space); // Space records a point, even from the K bar
    EXPECT_EQ(travail().Essais[1].nbPoints(), 4);
    f().ButtonStopManuClick();
    EXPECT_FALSE(f().etat().AcquisitionEnCours);
    EXPECT_TRUE(f().ButtonModifCharge->isEnabled());
    EXPECT_TRUE(f().Fichier1->menuAction()->isEnabled());
    QTest::keySequence(&f(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_TRUE(dialogues.fichiers.empty());
    EXPECT_FALSE(f().TimerManu->isActive());
    EXPECT_EQ(f().ScrollBarK->value(), 0);
    EXPECT_EQ(port.esclave.registres[2028], 1);
}

TEST_F(TraceCaract, TheKBarTakesTheKeyboardAndIsReadWithItsValue) {
    travailDe(1);
    montreMenu();
    montre();
    f().ButtonManu->click();
    QScrollBar* k = f().ScrollBarK;
    EXPECT_TRUE(k->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(k, Qt::Key_Right);
    EXPECT_EQ(port.esclave.registres[1919], 10);
    QTest::keyClick(k, Qt::Key_PageUp);
    EXPECT_EQ(port.esclave.registres[1919], 110);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(k)->text(QAccessible::Name).toStdString(), "K = 11%");
    f().ButtonStopManuClick();
}

TEST_F(TraceCaract, AFullTestStopsTheRecordingWithAMessage) {
    travailDe(1);
    montreMenu();
    montre();
    f().ButtonManu->click();
    travail().Essais[1].Entete.DernierPoint() = DERNIER_POINT_MAX;
    f().ButtonAcquiPointCaractClick();
    EXPECT_EQ(travail().Essais[1].nbPoints(), NB_POINTS_MAX);
    ASSERT_EQ(dialogues.avertissements.size(), 1);
    EXPECT_TRUE(dialogues.avertissements[0].contains("2001"));
    EXPECT_FALSE(f().etat().AcquisitionEnCours);
}

TEST_F(TraceCaract, SavingUnderAnApplicationNameAsksForANewName) {
    travailDe(1);
    montre();
    sessionTravail().NomFichierCourant = chemin("appli.Vimr2");
    dialogues.fichiers = {chemin("caract.MLX2")};
    f().Enregistrer1Click();
    EXPECT_FALSE(QFile::exists(chemin("appli.Vimr2")));
    EXPECT_TRUE(QFile::exists(chemin("caract.MLX2")));
    EXPECT_EQ(sessionTravail().NomFichierCourant, chemin("caract.MLX2"));
    f().Enregistrer1Click(); // a characteristic name is written in place
    EXPECT_TRUE(dialogues.fichiers.empty());
}

TEST_F(TraceCaract, DeletingATestAsksFirst) {
    travailDe(1);
    travail().AjouteEssai(sessionTravail());
    montre();
    dialogues.reponses = {R::Non};
    f().SuppCourbeClick(1);
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 2);
    dialogues.reponses = {R::Oui};
    f().SuppCourbeClick(1);
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(dialogues.questions.last(), "Voulez-vous supprimer l'essai 1");
    EXPECT_FALSE(f().Buttoncourbe[1]->isVisible());
}

TEST_F(TraceCaract, CopiedValuesOfAnEmptyTestAreTheTwoHeaderLines) {
    travailDe(1, 0);
    montre();
    f().Copiervaleurs(1);
    EXPECT_EQ(QApplication::clipboard()->text().count("\r\n"), 2);
}

TEST_F(TraceCaract, ThreePrintedCharacteristicsStandTwoOnTheLeftAndOneOnTheRight) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    travailDe(3, 10);
    montre();
    const QString pdf = chemin("page.pdf");
    f().imprimante().setOutputFormat(QPrinter::PdfFormat);
    f().imprimante().setOutputFileName(pdf);
    f().imprimante().setResolution(72);
    dialogues.impressions = {true};
    f().Imprimer1Click();
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess::execute(pdftoppm, {"-png", "-r", "40", "-singlefile", pdf, chemin("page")});
    QImage page(chemin("page.png"));
    ASSERT_FALSE(page.isNull());
    // Ink along a vertical line through the middle of each half: the left half breaks between
    // two graphs, the right one runs without a break through the middle height.
    const auto encre = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 200; };
    const int xg = page.width() / 4, xd = page.width() * 3 / 4;
    const int haut = page.height() / 10, bas = page.height() * 6 / 10;
    int cadresGauche = 0, cadresDroite = 0;
    bool avantG = false, avantD = false;
    for (int y = haut; y < bas; ++y) {
        const bool g = encre(xg, y), d = encre(xd, y);
        cadresGauche += g && !avantG;
        cadresDroite += d && !avantD;
        avantG = g;
        avantD = d;
    }
    EXPECT_GT(cadresGauche, cadresDroite);
}

} // namespace

namespace {

class ModesCharge : public TraceCaract {
protected:
    void chargeDe(int type) {
        travailDe(1, 0);
        travail().Essais[1].Entete.TypeCharge() = type;
        montreMenu();
        montre();
    }
};

TEST_F(ModesCharge, TheAutomaticStaticModeKeepsTheLoadButtonAndTheMenus) {
    chargeDe(8);
    EXPECT_TRUE(f().PanelAcqusitionChargeStatique->isVisible());
    EXPECT_FALSE(f().PanelAcqusitionChargeDynamique->isVisible());
    f().ButtonChargeAuto->click();
    ASSERT_TRUE(f().ButtonChargeAuto->isChecked());
    EXPECT_TRUE(f().PanelChargeStatiqueAuto->isVisible());
    EXPECT_FALSE(f().PanelANALYSE->isVisible());
    EXPECT_TRUE(f().ButtonModifCharge->isEnabled());
    EXPECT_FALSE(f().Fichier1->menuAction()->isEnabled());
    EXPECT_FALSE(f().ButtonChargeManu->isEnabled());
    EXPECT_TRUE(f().TimerChargeAuto->isActive());
    EXPECT_EQ(port.esclave.registres[2028], (7 << 8) | 5); // the quadratic law runs
    EXPECT_TRUE(
        f().TextModeChargestatiqueAuto->text().startsWith("Comportement sur application industrielle"));
    port.esclave.registres[2002] = 900;
    f().TimerChargeAutoTimer();
    EXPECT_EQ(travail().Essais[1].nbPoints(), 0); // the recording toggle is up
    f().ButtonAcquiAutoStatique->click();
    f().TimerChargeAutoTimer();
    EXPECT_EQ(travail().Essais[1].nbPoints(), 1);
    f().ButtonStopChargeAuto->click();
    EXPECT_FALSE(f().ButtonChargeAuto->isChecked());
    EXPECT_FALSE(f().ButtonAcquiAutoStatique->isChecked());
    EXPECT_FALSE(f().TimerChargeAuto->isActive());
    EXPECT_TRUE(f().ButtonChargeManu->isEnabled());
    EXPECT_EQ(port.esclave.registres[2028], 1);
    EXPECT_TRUE(f().PanelANALYSE->isVisible());
}

TEST_F(ModesCharge, TheManualStaticModeRecordsWithPointAndDisablesTheLoadButton) {
    chargeDe(6);
    f().ButtonChargeManu->click();
    ASSERT_TRUE(f().ButtonChargeManu->isChecked());
    EXPECT_FALSE(f().ButtonModifCharge->isEnabled());
    EXPECT_TRUE(f().TimerManu->isActive());
    EXPECT_EQ(port.esclave.registres[1920], 200); // constant torque of 20 on class 2
    f().ButtonAcquiPointStatique->click();
    QTest::keyClick(&f(), Qt::Key_Space);
    EXPECT_EQ(travail().Essais[1].nbPoints(), 2);
    QTest::keyClick(&f(), Qt::Key_Escape);
    EXPECT_FALSE(f().etat().AcquisitionEnCours);
    EXPECT_FALSE(f().TimerManu->isActive());
}

TEST_F(ModesCharge, TheOscilloscopeIsConfiguredArmedAndTriggered) {
    chargeDe(14);
    EXPECT_TRUE(f().PanelAcqusitionChargeDynamique->isVisible());
    f().ButtonChargeDynamique->click();
    ASSERT_TRUE(f().ButtonChargeDynamique->isChecked());
    EXPECT_TRUE(f().PanelChargeDynamique->isVisible());
    EXPECT_EQ(f().StaticTextModeOscillo->text(), "Configuration");
    EXPECT_TRUE(f().TimerOscillo->isActive());
    EXPECT_EQ(f().TextSynchro->text(), "Synchronisation sur : ");
    sessionTravail().TravailEnregistre = true;
    EXPECT_EQ(f().ComboBoxVariable->currentIndex(), 1); // a new test synchronises on the torque
    f().ComboBoxVariable->setCurrentIndex(0);
    emit f().ComboBoxVariable->activated(0);
    f().ScrollBarDureeOscillo->setValue(11);
    EXPECT_EQ(f().TextDureeSynchro->text(), "T = 25 s");
    EXPECT_EQ(travail().Essais[1].Entete[TEnteteEssai::MotDureeOscillo], 11);
    EXPECT_EQ(travail().Essais[1].Entete[TEnteteEssai::MotSeuilSynchro], 15);
    EXPECT_TRUE(sessionTravail().TravailEnregistre);

    port.esclave.registres[2002] = 100;
    f().SpeedButtonOscillo->click();
    EXPECT_EQ(f().StaticTextModeOscillo->text(), "Attente");
    EXPECT_FALSE(f().PanelConfOscillo->isEnabled());
    f().TimerOscilloTimer();
    EXPECT_EQ(travail().Essais[1].nbPoints(), 0);
    port.esclave.registres[2002] = 116;
    f().TimerOscilloTimer();
    EXPECT_EQ(f().StaticTextModeOscillo->text(), "Acquisition");
    EXPECT_EQ(travail().Essais[1].nbPoints(), 1);
    // A refresh of the window (a resize) does not disarm a recording under way.
    f().resize(f().width() + 40, f().height());
    QApplication::processEvents();
    f().TimerOscilloTimer();
    EXPECT_EQ(travail().Essais[1].nbPoints(), 2);
    f().ButtonStopDynamique->click();
    EXPECT_FALSE(f().TimerOscillo->isActive());
    EXPECT_EQ(travail().Essais[1].nbPoints(), 2);
}

TEST_F(ModesCharge, WithoutSynchronisationTheVariableListIsHidden) {
    chargeDe(10);
    f().ButtonSynchro->click();
    EXPECT_EQ(f().TextSynchro->text(), "Sans synchronisation");
    EXPECT_FALSE(f().ComboBoxVariable->isVisible());
    f().ButtonChargeDynamique->click();
    f().SpeedButtonOscillo->click();
    EXPECT_EQ(f().StaticTextModeOscillo->text(), "Acquisition");
    f().TimerOscilloTimer();
    EXPECT_EQ(travail().Essais[1].nbPoints(), 1);
}

} // namespace

namespace {

// The drive stops answering in the middle of a recording: the window gives its controls back at
// once, keeps the points, and the link window's OK brings the link back without a restart.
TEST_F(TraceCaract, ALostDriveStopsTheRecordingAndTheLinkWindowBringsItBack) {
    travailDe(1);
    montreMenu();
    montre();
    f().ButtonManu->click();
    ASSERT_TRUE(f().ButtonManu->isChecked());
    f().ButtonAcquiPointCaractClick();
    const int points = travail().Essais[1].nbPoints();
    port.esclave.defaut = EsclaveScripte::Defaut::Silence;
    f().TimerManuTimer();
    EXPECT_FALSE(f().ButtonManu->isChecked());
    EXPECT_FALSE(f().etat().AcquisitionEnCours);
    EXPECT_TRUE(f().Fichier1->menuAction()->isEnabled());
    EXPECT_EQ(f().TexteValeur[1]->text(), "----");
    EXPECT_EQ(travail().Essais[1].nbPoints(), points);

    port.esclave.defaut = EsclaveScripte::Defaut::Aucun; // the cable back in
    com().show();
    com().ComSelection->remplit({"ttyUSB0"});
    com().ComSelection->findChildren<QRadioButton*>()[0]->setChecked(true);
    com().BoutonOKClick();
    EXPECT_TRUE(liaison->LinkOpen);
    f().ButtonManu->click();
    ASSERT_TRUE(f().ButtonManu->isChecked());
    f().TimerManuTimer();
    EXPECT_NE(f().TexteValeur[1]->text(), "----");
    f().ButtonAcquiPointCaractClick();
    EXPECT_EQ(travail().Essais[1].nbPoints(), points + 1);
    f().ButtonStopManuClick();
}

} // namespace

TEST_F(TraceCaract, PointsRecordedAfterTheOnlyTestWasDeletedGoIntoACountedTest) {
    travailDe(1);
    montreMenu();
    montre();
    dialogues.reponses = {R::Oui};
    f().SuppCourbeClick(1);
    ASSERT_EQ(travail().EnteteTravail.NbEssais, 0);
    f().ButtonManu->click();
    f().ButtonAcquiPointCaract->click();
    f().ButtonStopManu->click();
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(travail().Essais[1].nbPoints(), 1);
    EXPECT_EQ(travail().Essais[1].Entete.TypeMachine(), 3); // the study's machine, not a blank one
    EXPECT_TRUE(f().Buttoncourbe[0]->isVisible());
}

TEST_F(TraceCaract, OpensMaximisedAndTheSweepButtonsSayWhichWayKGoes) {
    travailDe(1);
    montre();
    EXPECT_TRUE(f().isMaximized());
    EXPECT_EQ(f().ButtonAutoCroissant->toolTip(), "Début de l'acquisition avec K croissant");
    EXPECT_EQ(f().ButtonAutoDecroissant->toolTip(), "Début de l'acquisition avec K décroissant");
}

// The two entries of a test button's pop-up, read while it is open.
QStringList entreesPopup(QToolButton* b) {
    QStringList vues;
    QTimer::singleShot(0, [&vues] {
        auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!m) return;
        for (QAction* a : m->actions())
            vues << a->text();
        m->close();
    });
    emit b->customContextMenuRequested(QPoint(2, 2));
    return vues;
}

TEST_F(TraceCaract, TheTestPopUpNamesItsTestInEachLanguage) {
    travailDe(1);
    montre();
    const std::array<QStringList, 3> attendu{
        QStringList{"Suppression de tous les points de l'essai 1", "Suppression de l'essai 1"},
        QStringList{"Delete all the points of test 1", "Delete test 1"},
        QStringList{"Supresión de todos los puntos de la prueba 1", "Supresión de la prueba 1"}};
    for (int langue = 1; langue <= 3; ++langue) {
        AppliqueLangue(langue);
        EXPECT_EQ(entreesPopup(f().Buttoncourbe[0]), attendu[std::size_t(langue - 1)]);
    }
}

TEST_F(TraceCaract, ALanguageChangeReachesTheMenusAndTheGraphPanelsAtOnce) {
    travailDe(1);
    montre();
    AppliqueLangue(2);
    QApplication::processEvents();
    EXPECT_EQ(f().Enregistrer1->text(), TextesConstants(Langue::Anglais).Texte[258]);
    EXPECT_EQ(f().panneau(1)->Suppressiondupoint1->text(), TextesConstants(Langue::Anglais).Texte[288]);
    EXPECT_EQ(f().panneau(1)->ZoomX->toolTip(), TextesConstants(Langue::Anglais).Texte[294]);
}

namespace {

TEST_F(TraceCaract, LargeMarkersAreAPreferenceKeptAtOnceAndEachTestButtonShowsItsMarker) {
    travailDe(1, 3);
    montre();
    auto* entree = f().findChild<QAction*>("GrandsReperes");
    ASSERT_TRUE(entree);
    EXPECT_FALSE(entree->isChecked());
    entree->trigger();
    EXPECT_TRUE(preferences().GrandsReperes);
    QFile f(chemin("Preferences.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "GrandsReperes=1\n");
    preferences() = Preferences{};
    EXPECT_FALSE(this->f().Buttoncourbe[0]->icon().isNull());
}

// Run at 200 % by the test "ui_200" (QT_SCALE_FACTOR=2); at 100 % there is nothing to see.
TEST_F(TraceCaract, AtTwiceTheScaleTheGraphIsDrawnInTheScreensOwnPixels) {
    travailDe(1, 3);
    montre();
    const qreal ratio = f().devicePixelRatioF();
    if (ratio < 1.5) GTEST_SKIP() << "run with QT_SCALE_FACTOR=2";
    TCaractMachine* p = f().panneau(1);
    EXPECT_EQ(p->imageEcran().size(), (QSizeF(p->PaintBox1->size()) * ratio).toSize());
    EXPECT_EQ(p->imageEcran().dotsPerMeterX(), qRound(p->PaintBox1->logicalDpiX() * ratio / 0.0254));
}

} // namespace
