// The application run screen on the in-memory drive.
#include "ParamsApplications.h"
#include "ProgrammeTest.h"

#include "application/ConfigurationApplication.h"
#include "application/EmulationCharge.h"
#include "application/FormApplication.h"
#include "application/FormKorlan.h"
#include "graph/CaractMachine.h"
#include "socle/ImageJpeg.h"
#include "study/FormVisuApp.h"
#include "work/FichierTravail.h"
#include "work/Format.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr uint16_t Bloc = 1919;     // 19.20..19.25
constexpr uint16_t Controle = 2028; // 20.29
constexpr uint16_t Vitesse = 2002;  // 20.03
constexpr uint16_t Couple = 2003;   // 20.04

class RunScreen : public ProgrammeTest {
protected:
    TFormApplication& f() { return *fenetres().FormApplication; }

    // The catalogue's hand-over: application `code` with its default parameters on `machine`.
    void choisit(int code, int machine = 1) {
        Travail& t = travail();
        t.ApplicationCourante = code;
        t.ParamApplication = ParamsParDefaut(code);
        sessionTravail().MachineApplication = machine;
        sessionTravail().ModeleEssai.TypeMachine() = machine;
    }
    void ouvre(int code, int machine = 1) {
        choisit(code, machine);
        montre();
    }
    // The run screen shown on the choices made.
    void montre() {
        montreMenu();
        menu().hide();
        f().show();
        QApplication::processEvents();
    }
    int16_t registre(uint16_t a) { return int16_t(port.esclave.registres[a]); }
    std::array<int16_t, 6> blocRecu() {
        std::array<int16_t, 6> b{};
        for (int i = 0; i < 6; ++i)
            b[i] = registre(uint16_t(Bloc + i));
        return b;
    }
    std::array<int16_t, 6> blocAttendu(int32_t position) {
        BlocParametres bloc{};
        EmulationCharge e;
        e.SetCharge(travail().Essais[sessionTravail().EssaiCourant].Entete, ConfigGenerale().ClassePuissance,
                    position, f().ScrollBarCharge->minimum(), bloc);
        std::array<int16_t, 6> r{};
        for (int i = 0; i < 6; ++i)
            r[i] = int16_t(bloc[i]);
        return r;
    }
    // A work whose current test of application `code` holds `points` points.
    void essaiAvecPoints(int code, int points) {
        choisit(code);
        ReconcilieEssai(travail(), sessionTravail());
        for (int k = 0; k < points; ++k)
            travail().AjoutePoint(sessionTravail(), f().etat().Mesures);
        sessionTravail().TravailEnregistre = true;
    }
};

TEST_F(RunScreen, OpeningShowsTheApplicationItsParametersAndItsRange) {
    QDir(dossier.path()).mkpath("Vimra_app");
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(EnregistreJpeg(photo, chemin("Vimra_app/convoyeur.jpg")));
    ouvre(53);
    EXPECT_EQ(f().TextApplication->text(), "Convoyeur");
    EXPECT_FALSE(f().TextNomDeLaCharge->isVisible());
    EXPECT_EQ(f().ImageApp->image().size(), QSize(64, 48)) << f().ImageApp->message().toStdString();
    EXPECT_EQ(f().TextNomCharge->text(), "Masse des colis");
    EXPECT_EQ(f().TextAFF[Aff1]->text(), "Couple de perte");
    EXPECT_EQ(f().TextValAFF[Aff1]->text(), "1,00 N.m");
    EXPECT_FALSE(f().TextAFF[Aff4]->isVisible());
    EXPECT_EQ(f().TextValAFF[AffInertie]->text(), "---- kg.m²");
    // P1 = 10 .. 120, at 80 % of the span.
    EXPECT_EQ(f().ScrollBarCharge->minimum(), 10);
    EXPECT_EQ(f().ScrollBarCharge->maximum(), 120);
    EXPECT_EQ(f().ScrollBarCharge->value(), 88);
    EXPECT_EQ(f().ScrollBarCharge->pageStep(), 10);
    // The load is stopped: no bar, no bar graph, the configuration may change.
    EXPECT_FALSE(f().ScrollBarCharge->isVisible());
    EXPECT_FALSE(f().PanelBarGraph->isVisible());
    EXPECT_TRUE(f().ButtonConfiguration->isEnabled());
    EXPECT_FALSE(f().TimerApplication->isActive());
    EXPECT_EQ(f().TextVar2->libelle->text(), QString::fromUtf8("Vitesse linéaire"));
    EXPECT_EQ(f().Mesure[1]->texte(), "----");
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(travail().Essais[1].Entete.TypeCharge(), 53);
    EXPECT_EQ(registre(Controle), 1); // opening stops whatever ran
}

TEST_F(RunScreen, ThePumpShowsItsModelAndNoInertia) {
    choisit(61);
    travail().ParamApplication[1] = 3;
    montre();
    EXPECT_TRUE(f().TextNomDeLaCharge->isVisible());
    EXPECT_EQ(f().TextNomDeLaCharge->text(), QString::fromUtf8("PA-4 : Hn=19,3m Qn=15m³"));
    EXPECT_EQ(f().TextValAFF[Aff4]->text(), "19,3m");
    EXPECT_FALSE(f().TextAFF[AffInertie]->isVisible());
    EXPECT_EQ(f().PanelBarGraph->genre(), BarGraphe::Simple);
    EXPECT_EQ(f().ScrollBarCharge->maximum(), 100);
}

TEST_F(RunScreen, TheFirstBlockIsForPositionMinusOneAndTheNextTickSendsTheBar) {
    ouvre(53);
    const int position = f().ScrollBarCharge->value();
    f().ButtonCharge->click();
    ASSERT_TRUE(f().ButtonCharge->isChecked());
    EXPECT_TRUE(f().TimerApplication->isActive());
    EXPECT_EQ(f().TimerApplication->interval(), 100);
    EXPECT_TRUE(f().etat().AcquisitionEnCours);
    EXPECT_EQ(registre(Controle), 12 * 256 + 5);
    EXPECT_EQ(blocRecu(), blocAttendu(-1));
    EXPECT_NE(blocAttendu(-1), blocAttendu(position));
    EXPECT_TRUE(f().ScrollBarCharge->isVisible());
    EXPECT_FALSE(f().ButtonConfiguration->isEnabled());

    port.esclave.registres[Vitesse] = 1200;
    f().TimerApplicationTimer();
    EXPECT_EQ(blocRecu(), blocAttendu(position));
    EXPECT_EQ(f().charge().DernierePositionEnvoyee, position);
    EXPECT_EQ(f().Mesure[1]->texte(), "1200 tr/min");
    EXPECT_EQ(f().TextVar2->texte(), "0,80 m/s"); // 1200 x 100 / 1500 hundredths
    EXPECT_EQ(f().TextValAFF[AffInertie]->text(), TexteValeur(blocAttendu(position)[4], 3) + " kg.m²");

    // The bar moves: the next tick sends its block, and only then.
    const size_t avant = port.esclave.requetes.size();
    f().ScrollBarCharge->setValue(40);
    EXPECT_EQ(port.esclave.requetes.size(), avant);
    f().TimerApplicationTimer();
    EXPECT_EQ(blocRecu(), blocAttendu(40));
}

TEST_F(RunScreen, MovingTheBarWhileTheLoadIsStoppedSendsNothing) {
    ouvre(62);
    const size_t avant = port.esclave.requetes.size();
    f().ScrollBarCharge->setValue(30);
    f().ScrollBarCharge->setValue(70);
    QTest::qWait(250);
    EXPECT_FALSE(f().TimerApplication->isActive());
    EXPECT_EQ(port.esclave.requetes.size(), avant);
}

TEST_F(RunScreen, TheLoadBarTakesTheKeyboardRightAndPageUpRaisingTheLoad) {
    ouvre(62);
    QScrollBar* b = f().ScrollBarCharge;
    EXPECT_TRUE(b->focusPolicy() & Qt::TabFocus);
    b->setValue(30);
    QTest::keyClick(b, Qt::Key_Right);
    EXPECT_EQ(b->value(), 31);
    QTest::keyClick(b, Qt::Key_PageUp);
    EXPECT_EQ(b->value(), 31 + b->pageStep());
    QTest::keyClick(b, Qt::Key_Left);
    EXPECT_EQ(b->value(), 30 + b->pageStep());
}

TEST_F(RunScreen, StoppingTheLoadSendsTheStopWordAndZeroBlock) {
    ouvre(58);
    f().ButtonCharge->click();
    f().TimerApplicationTimer();
    ASSERT_NE(blocRecu(), (std::array<int16_t, 6>{}));
    f().ButtonCharge->click();
    EXPECT_FALSE(f().ButtonCharge->isChecked());
    EXPECT_FALSE(f().TimerApplication->isActive());
    EXPECT_FALSE(f().etat().AcquisitionEnCours);
    EXPECT_EQ(registre(Controle), 1);
    EXPECT_EQ(blocRecu(), (std::array<int16_t, 6>{}));
    EXPECT_EQ(f().Mesure[2]->texte(), "----");
    EXPECT_TRUE(f().ButtonConfiguration->isEnabled());
}

TEST_F(RunScreen, ALinkThatCannotOpenReleasesTheButtonAndSendsNothing) {
    ouvre(53);
    liaison->Relache();
    port.ouvrable = false;
    const size_t avant = port.esclave.requetes.size();
    f().ButtonCharge->click();
    EXPECT_FALSE(f().ButtonCharge->isChecked());
    EXPECT_FALSE(f().TimerApplication->isActive());
    EXPECT_FALSE(f().etat().AcquisitionEnCours);
    EXPECT_EQ(port.esclave.requetes.size(), avant);
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de liaison"}); // said once
}

TEST_F(RunScreen, TheTorqueTurnsRedAboveTwoThirdsOfTheRatedTorque) {
    ouvre(53);
    f().ButtonCharge->click();
    ASSERT_EQ(ConfigGenerale().ClassePuissance, 2); // Tn = 15 N.m: red above 10 N.m
    const QColor lime(0, 255, 0);
    for (const auto& [couple, rouge] : {std::pair{1001, true}, {1000, false}, {-3000, false}, {1400, true}}) {
        port.esclave.registres[Couple] = uint16_t(int16_t(couple));
        f().TimerApplicationTimer();
        EXPECT_EQ(f().Mesure[2]->couleur() != lime, rouge) << couple;
        EXPECT_EQ(f().Mesure[2]->couleur() == QColor(255, 40, 40), rouge) << couple;
    }
}

TEST_F(RunScreen, AThreePhaseMachineShowsVoltageAndCurrentOnlyOnceCoupled) {
    ouvre(53, 3);
    EXPECT_TRUE(f().ButtonEtoile->isVisible());
    EXPECT_TRUE(f().ButtonTriangle->isVisible());
    EXPECT_FALSE(f().Mesure[4]->isVisible());
    EXPECT_FALSE(f().Mesure[5]->isVisible());
    EXPECT_TRUE(f().Mesure[6]->isVisible());
    f().ButtonTriangle->click();
    EXPECT_TRUE(f().ButtonTriangle->isChecked());
    EXPECT_FALSE(f().ButtonEtoile->isChecked());
    EXPECT_TRUE(f().Mesure[4]->isVisible());
    EXPECT_TRUE(f().Mesure[5]->isVisible());
    EXPECT_EQ(travail().Essais[sessionTravail().EssaiCourant].Entete[TEnteteEssai::MotCouplage],
              CouplageTriangle);
    EXPECT_EQ(sessionTravail().ModeleEssai[TEnteteEssai::MotCouplage], CouplageTriangle);
    // Delta: the line current is the phase current x 1,732.
    f().ButtonCharge->click();
    port.esclave.registres[2006] = 1000; // phase current, mA
    f().TimerApplicationTimer();
    EXPECT_EQ(f().Mesure[5]->texte(), "1,732 A");
    // Once the test holds a point the coupling stays.
    travail().AjoutePoint(sessionTravail(), f().etat().Mesures);
    f().SetEtoileTriangle();
    EXPECT_FALSE(f().ButtonEtoile->isVisible());
    EXPECT_TRUE(f().ButtonTriangle->isVisible());
}

TEST_F(RunScreen, ADirectCurrentMachineHasNoCouplingButtons) {
    ouvre(57, 1);
    EXPECT_FALSE(f().ButtonEtoile->isVisible());
    EXPECT_FALSE(f().ButtonTriangle->isVisible());
    EXPECT_TRUE(f().Mesure[4]->isVisible());
    EXPECT_TRUE(f().Mesure[7]->isVisible()); // separately excited: excitation current
    EXPECT_FALSE(f().TextVar3->isVisible()); // the cut has no column-14 quantity
}

TEST_F(RunScreen, ChangedParametersOnATestWithPointsMakeANewTestButNotTheInertiaAlone) {
    essaiAvecPoints(53, 2);
    travail().ParamApplication[5] += 50;
    montre();
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(travail().Essais[1].Entete[TEnteteEssai::MotParamApplication + 5], 381 + 50);
    f().close();
    // Back in the catalogue, the same application is chosen again with a faster belt.
    EXPECT_TRUE(fenetres().FormKorlan->isVisible());
    fenetres().FormKorlan->hide();
    travail().ApplicationCourante = 53;
    travail().ParamApplication = ParamsParDefaut(53);
    travail().ParamApplication[0] = 150;
    f().show();
    QApplication::processEvents();
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 2);
    EXPECT_EQ(sessionTravail().EssaiCourant, 2);
    EXPECT_EQ(travail().Essais[2].Entete[TEnteteEssai::MotParamApplication], 150);
    EXPECT_EQ(travail().Essais[1].Entete[TEnteteEssai::MotParamApplication], 100);
    EXPECT_EQ(f().TextValAFF[Aff5]->text(), "1,50 m/s");
}

TEST_F(RunScreen, ConfigurationRunsTheDialogFromTheRunScreenAndResendsTheBlockWithoutControlWord) {
    essaiAvecPoints(53, 2);
    ouvre(53);
    port.esclave.registres[Controle] = 77;
    int vu = 0;
    int32_t perteMontree = 0;
    // The user moves the loss torque to 20 load units and confirms.
    QTimer::singleShot(0, [&vu, &perteMontree] {
        auto* d = qobject_cast<TConfigurationApplication*>(QApplication::activeModalWidget());
        if (!d) return;
        vu = travail().ApplicationCourante;
        perteMontree = travail().ParamApplication[1];
        QScrollBar* perte = d->ScrollBar(1); // upside down: the top is the maximum
        perte->setValue(perte->maximum() + perte->minimum() - 20);
        d->BoutonOKClick();
    });
    f().ButtonConfiguration->click();
    EXPECT_EQ(vu, 53); // the dialog knew where it came from
    EXPECT_EQ(perteMontree,
              travail().Essais[1].Entete[TEnteteEssai::MotParamApplication + 1]); // the test's own
    EXPECT_EQ(travail().ApplicationCourante, 53);
    EXPECT_EQ(sessionTravail().ParamApplicationSauve, ParamsParDefaut(53));
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 2);
    EXPECT_EQ(f().ScrollBarCharge->minimum(), 20);
    EXPECT_EQ(blocRecu(), blocAttendu(f().ScrollBarCharge->value()));
    EXPECT_EQ(registre(Controle), 77);
    EXPECT_EQ(f().TextValAFF[Aff1]->text(), "2,00 N.m");
}

TEST_F(RunScreen, ADialogThatLeavesTheHundredDoesNotRenewTheWork) {
    essaiAvecPoints(53, 2);
    ouvre(53);
    QTimer::singleShot(0, [] {
        if (QWidget* d = QApplication::activeModalWidget()) d->close();
    });
    f().ButtonConfiguration->click();
    EXPECT_EQ(travail().ApplicationCourante, 53);
    EXPECT_EQ(travail().Essais[1].nbPoints(), 2);
    EXPECT_TRUE(dialogues.questions.isEmpty());
}

TEST_F(RunScreen, AnotherApplicationOnAnUnsavedWorkAsksBeforeTheNewWork) {
    essaiAvecPoints(53, 3);
    sessionTravail().TravailEnregistre = false;
    dialogues.reponses = {Dialogues::Reponse::Non};
    ouvre(61);
    EXPECT_EQ(dialogues.questions, QStringList{"Nouvelle application. Voulez-vous enregistrer l'ancienne ?"});
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(travail().Essais[1].Entete.TypeCharge(), 61);
    EXPECT_EQ(travail().Essais[1].nbPoints(), 0);
    EXPECT_EQ(f().TextApplication->text(), "Pompe centrifuge");
}

TEST_F(RunScreen, EscapeClearsTheDisplays) {
    ouvre(66);
    f().ButtonCharge->click();
    port.esclave.registres[Vitesse] = 900;
    f().TimerApplicationTimer();
    ASSERT_EQ(f().Mesure[1]->texte(), "900 tr/min");
    f().activateWindow();
    QTest::keyClick(&f(), Qt::Key_Escape);
    EXPECT_EQ(f().Mesure[1]->texte(), "----");
    EXPECT_TRUE(f().ButtonCharge->isChecked()); // the load keeps running
    // The speed of the belt stays in view while the load runs.
    EXPECT_EQ(f().TextVar2->texte(), "0,30 m/s");
}

TEST_F(RunScreen, ClosingStopsTheLoadAndGoesBack) {
    ouvre(64);
    f().ButtonCharge->click();
    f().TimerApplicationTimer();
    ASSERT_EQ(registre(Controle), 7 * 256 + 5);
    f().ButtonFermer->click();
    EXPECT_FALSE(f().isVisible());
    EXPECT_FALSE(f().ButtonCharge->isChecked());
    EXPECT_FALSE(f().TimerApplication->isActive());
    EXPECT_FALSE(f().etat().AcquisitionEnCours);
    EXPECT_EQ(registre(Controle), 1);
    EXPECT_EQ(blocRecu(), (std::array<int16_t, 6>{}));
    EXPECT_TRUE(fenetres().FormKorlan->isVisible()); // back to the catalogue
}

TEST_F(RunScreen, ClosingTheWindowByItsFrameStopsTheLoadToo) {
    ouvre(52);
    f().ButtonCharge->click();
    f().close();
    EXPECT_FALSE(f().TimerApplication->isActive());
    EXPECT_EQ(registre(Controle), 1);
}

TEST_F(RunScreen, AWorkWithoutApplicationCannotStartTheLoad) {
    ouvre(0);
    EXPECT_FALSE(f().PanelApplication->isVisible());
    EXPECT_FALSE(f().ButtonCharge->isEnabled());
}

TEST_F(RunScreen, RefusedParametersAreSaid) {
    choisit(51);
    // The rolling load, 20 x 200 x 150 / 1 / 1500 = 400, is beyond the bar's 120.
    travail().ParamApplication[0] = 1;
    travail().ParamApplication[1] = 20;
    travail().ParamApplication[4] = 200;
    montre();
    EXPECT_EQ(dialogues.avertissements.size(), 1);
    EXPECT_EQ(f().ScrollBarCharge->maximum(), 120);
}

} // namespace

namespace {

// The run screen with its load running and its graph shown.
class Recording : public RunScreen {
protected:
    void demarre(int code = 58) {
        ouvre(code);
        f().ButtonCharge->click();
        f().TimerApplicationTimer();
        f().ButtonGraphAnim->click();
    }
    int points() const { return travail().Essais[sessionTravail().EssaiCourant].nbPoints(); }
    // `n` points by hand, then Stop.
    void pointsALaMain(int n) {
        f().BoutonManuel->click();
        for (int k = 0; k < n; ++k)
            f().ButtonAcquiPoint->click();
        f().ButtonStopChargeManu->click();
    }
};

} // namespace

TEST_F(Recording, TheGraphIsTorqueAgainstSpeedWithTheTestRow) {
    ouvre(58);
    ASSERT_FALSE(travail().EnteteTravail.DefCaract(5).Defini);
    EXPECT_TRUE(f().ButtonGraphAnim->isEnabled());
    f().ButtonGraphAnim->click();
    const TDefCaract& d = travail().EnteteTravail.DefCaract(5);
    EXPECT_TRUE(d.Defini);
    EXPECT_EQ(d.ColonneX, 1);
    EXPECT_EQ(d.ColonneY, 2);
    EXPECT_TRUE(f().CaractMachine5->isVisible());
    EXPECT_FALSE(f().ImageApp->isVisible());
    EXPECT_EQ(sessionTravail().EssaiCourant, 1);
    EXPECT_TRUE(f().PanelEssais_Boutons->isVisible());
    EXPECT_TRUE(f().Buttoncourbe[0]->isVisible());
    EXPECT_TRUE(f().Buttoncourbe[0]->isChecked());
    EXPECT_FALSE(f().Buttoncourbe[1]->isVisible());
    // The load is stopped: nothing can be recorded.
    EXPECT_FALSE(f().BoutonManuel->isEnabled());
    EXPECT_FALSE(f().BoutonOscillo->isEnabled());
    f().ButtonGraphAnim->click();
    EXPECT_FALSE(f().CaractMachine5->isVisible());
    EXPECT_FALSE(f().PanelAcquisition->isVisible());
}

TEST_F(Recording, CommentsAndTitleAreCutToTheirLength) {
    demarre();
    QTest::keyClicks(f().Editcourbe[0], "un commentaire de plus de vingt");
    EXPECT_EQ(travail().Essais[1].Entete.Commentaire(), "un commentaire de pl");
    f().ButtonTitre->click();
    f().EditTitre->setFocus();
    QTest::keyClicks(f().EditTitre, "Convoyeur");
    EXPECT_EQ(travail().EnteteTravail.Commentaire.texte(), "Convoyeur");
}

TEST_F(Recording, ManualPointsFollowTheMeasurementsAndStopSendsNothing) {
    demarre();
    ASSERT_TRUE(f().BoutonManuel->isEnabled());
    f().BoutonManuel->click();
    EXPECT_TRUE(f().PanelAcquisitionManuel->isVisible());
    EXPECT_FALSE(f().PanelEssais_Boutons->isVisible());
    EXPECT_FALSE(f().BoutonOscillo->isEnabled());
    for (const int vitesse : {900, 1200}) {
        port.esclave.registres[Vitesse] = uint16_t(vitesse);
        f().TimerApplicationTimer();
        f().ButtonAcquiPoint->click();
        EXPECT_EQ(travail().Essais[sessionTravail().EssaiCourant].valeur(1, points() - 1), vitesse);
    }
    f().activateWindow();
    QTest::keyClick(&f(), Qt::Key_Space);
    EXPECT_EQ(points(), 3);
    EXPECT_EQ(travail().Essais[sessionTravail().EssaiCourant].valeur(11, 2), 0); // no time base in this mode
    EXPECT_FALSE(sessionTravail().TravailEnregistre);

    const size_t avant = port.esclave.requetes.size();
    const auto bloc = blocRecu();
    f().ButtonStopChargeManu->click();
    EXPECT_EQ(port.esclave.requetes.size(), avant);
    EXPECT_FALSE(f().BoutonManuel->isChecked());
    EXPECT_TRUE(f().ButtonCharge->isChecked());
    EXPECT_TRUE(f().TimerApplication->isActive());
    EXPECT_EQ(blocRecu(), bloc);
    EXPECT_TRUE(f().PanelEssais_Boutons->isVisible());
    EXPECT_EQ(points(), 3);
}

TEST_F(Recording, AFullTestRefusesThePoint) {
    demarre();
    f().BoutonManuel->click();
    while (travail().AjoutePoint(sessionTravail(), f().etat().Mesures) == ResultatAjout::Ajoute) {
    }
    ASSERT_EQ(points(), 2001);
    f().ButtonAcquiPoint->click();
    EXPECT_EQ(points(), 2001);
    EXPECT_EQ(dialogues.avertissements, QStringList{Textes().Message[msg::EssaiPlein]});
}

TEST_F(Recording, StoppingTheLoadEndsTheRecording) {
    demarre();
    f().BoutonManuel->click();
    f().ButtonCharge->click();
    EXPECT_FALSE(f().BoutonManuel->isChecked());
    EXPECT_FALSE(f().PanelAcquisitionManuel->isVisible());
    EXPECT_FALSE(f().BoutonManuel->isEnabled());
}

TEST_F(Recording, TheOscilloscopeRecordsOn360SecondsAndTheLoadFollowsTheBar) {
    demarre();
    f().BoutonOscillo->click();
    EXPECT_TRUE(f().PanelOscillo->isVisible());
    EXPECT_TRUE(f().TimerOscillo->isActive());
    EXPECT_FALSE(f().TimerApplication->isActive());
    EXPECT_TRUE(f().TextVarTemps->isVisible());
    f().ScrollBarDureeOscillo->setValue(36);
    EXPECT_EQ(travail().Essais[sessionTravail().EssaiCourant].Entete[TEnteteEssai::MotDureeOscillo], 36);
    EXPECT_EQ(f().TimerOscillo->interval(), 500);
    EXPECT_EQ(f().TextDureeSynchro->text(), "T = 360 s");
    f().ButtonSynchro->click(); // no trigger: the recording starts at once
    f().BoutonStartOscillo->click();
    EXPECT_FALSE(f().BoutonStartOscillo->isEnabled());
    int ticks = 0;
    while (f().BoutonOscillo->isChecked() && ticks < 2000) {
        horloge.maintenant += 500;
        if (ticks == 10) f().ScrollBarCharge->setValue(f().ScrollBarCharge->value() + 30);
        f().TimerOscilloTimer();
        ++ticks;
        if (ticks == 11) {
            EXPECT_EQ(blocRecu(), blocAttendu(f().ScrollBarCharge->value()));
            // The point's application columns come from its own tick, not the one before.
            for (int c = 12; c <= 15; ++c)
                EXPECT_EQ(travail().Essais[sessionTravail().EssaiCourant].valeur(c, points() - 1),
                          f().etat().Mesures[c])
                    << c;
        }
    }
    EXPECT_EQ(points(), ticks);
    const TEssai& e = travail().Essais[sessionTravail().EssaiCourant];
    EXPECT_GT(e.valeur(11, points() - 1), 36000);
    EXPECT_LE(e.valeur(11, points() - 2), 36000);
    EXPECT_FALSE(f().TimerOscillo->isActive());
    EXPECT_TRUE(f().TimerApplication->isActive()); // the load still runs
    EXPECT_TRUE(f().ButtonCharge->isChecked());
    // A recording against time: neither mode can record into this test again.
    EXPECT_FALSE(f().BoutonOscillo->isEnabled());
    EXPECT_FALSE(f().BoutonManuel->isEnabled());
}

TEST_F(Recording, TheOscilloscopeWaitsForTheSpeedToMove) {
    demarre();
    port.esclave.registres[Vitesse] = 1000;
    f().BoutonOscillo->click();
    f().ComboBoxVariable->setCurrentIndex(0);
    f().ScrollBarDureeOscillo->setValue(0);
    const int seuil = travail().Essais[sessionTravail().EssaiCourant].Entete[TEnteteEssai::MotSeuilSynchro];
    ASSERT_GT(seuil, 0);
    f().BoutonStartOscillo->click();
    horloge.maintenant += 100;
    f().TimerOscilloTimer();
    EXPECT_EQ(points(), 0);
    port.esclave.registres[Vitesse] = uint16_t(1000 + seuil + 1);
    horloge.maintenant += 100;
    f().TimerOscilloTimer();
    EXPECT_EQ(points(), 1);
    EXPECT_EQ(travail().Essais[sessionTravail().EssaiCourant].valeur(11, 0), 0);
    f().activateWindow();
    QTest::keyClick(&f(), Qt::Key_Escape);
    EXPECT_FALSE(f().BoutonOscillo->isChecked());
    EXPECT_FALSE(f().TimerOscillo->isActive());
    EXPECT_EQ(points(), 1);
}

TEST_F(Recording, CopiesOfThePointAndOfTheTests) {
    demarre();
    f().BoutonManuel->click();
    port.esclave.registres[Vitesse] = 1234;
    f().TimerApplicationTimer();
    f().ButtonAcquiPoint->click();
    f().ButtonCopieValeurClick();
    const QStringList lignes = QApplication::clipboard()->text().split("\r\n");
    ASSERT_EQ(lignes.size(), 7); // six lines, each ended
    EXPECT_TRUE(lignes[6].isEmpty());
    const QStringList noms = lignes[3].split('\t');
    const QStringList valeurs = lignes[5].split('\t');
    ASSERT_EQ(noms.size(), valeurs.size());
    const int vitesse = int(noms.indexOf(sessionTravail().Colonnes[1].Nom));
    ASSERT_GE(vitesse, 0);
    EXPECT_EQ(valeurs[vitesse], "1234");
    EXPECT_EQ(lignes[0].count('\t'), lignes[2].count('\t'));

    f().Copiervaleurs(-1);
    const QStringList table = QApplication::clipboard()->text().split("\r\n");
    ASSERT_GE(table.size(), 4);
    EXPECT_TRUE(table[0].startsWith(Textes().MotEssai + " 1"));
    EXPECT_EQ(table[1].count('\t'), 14); // columns 0..14
    EXPECT_EQ(table[3].count('\t'), 14);
}

TEST_F(Recording, SavedInTheApplicationLayoutAndReadBack) {
    demarre();
    pointsALaMain(2);
    const QString nom = chemin("convoyeur.Vimr2");
    dialogues.fichiers = {nom};
    f().Enregistrer1Click();
    ASSERT_TRUE(QFile::exists(nom));
    EXPECT_TRUE(sessionTravail().TravailEnregistre);
    Travail lu;
    SessionTravail sessionLue;
    ASSERT_TRUE(LitTravail(lu, sessionLue, nom));
    EXPECT_EQ(lu.Essais[1].nbPoints(), 2);
    EXPECT_EQ(lu.Essais[1].Entete.TypeCharge(), 58);
    EXPECT_TRUE(lu.EnteteTravail.DefCaract(5).Defini);
}

TEST_F(Recording, PrintingNeedsTheGraph) {
    demarre();
    f().BoutonManuel->click();
    f().ButtonAcquiPoint->click();
    const QString page = chemin("page.pdf");
    f().imprimante().setOutputFormat(QPrinter::PdfFormat);
    f().imprimante().setOutputFileName(page);
    f().ButtonGraphAnim->click();
    dialogues.impressions = {true, true};
    f().Imprimer1Click();
    EXPECT_EQ(dialogues.dialoguesImpression, 1); // asked, and nothing printed
    EXPECT_FALSE(QFile::exists(page));
    f().ButtonGraphAnim->click();
    f().Imprimer1Click();
    EXPECT_TRUE(QFile::exists(page));
    EXPECT_GT(QFileInfo(page).size(), 1000);
}

TEST_F(Recording, TestsAreAddedEmptiedAndDeletedOnTheirQuestion) {
    demarre();
    pointsALaMain(1);
    f().Edition1->aboutToShow();
    EXPECT_TRUE(f().Nouvelessai1->isEnabled());
    EXPECT_FALSE(f().Suppressionessai1->isEnabled());
    f().Nouvelessai1->trigger();
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 2);
    EXPECT_EQ(sessionTravail().EssaiCourant, 2);
    EXPECT_TRUE(f().Buttoncourbe[1]->isChecked());
    EXPECT_TRUE(f().Editcourbe[1]->isEnabled());
    EXPECT_FALSE(f().Editcourbe[0]->isEnabled());
    f().Edition1->aboutToShow();
    EXPECT_FALSE(f().Nouvelessai1->isEnabled()); // the last test holds no point
    EXPECT_TRUE(f().Suppressionessai1->isEnabled());
    EXPECT_EQ(f().Suppressionessai1->actions().size(), 2);

    f().Buttoncourbe[0]->click();
    EXPECT_EQ(sessionTravail().EssaiCourant, 1);
    using R = Dialogues::Reponse;
    dialogues.reponses = {R::Non, R::Oui};
    f().SupprimePoints(1);
    EXPECT_EQ(travail().Essais[1].nbPoints(), 1);
    f().SupprimePoints(1);
    EXPECT_EQ(travail().Essais[1].nbPoints(), 0);
    f().SupprimePoints(1); // nothing left: no question
    EXPECT_EQ(dialogues.questions, QStringList(2, "Voulez-vous supprimer tous les points de l'essai 1"));
    dialogues.reponses = {R::Oui};
    f().SuppCourbeClick(2);
    EXPECT_EQ(dialogues.questions.last(), "Voulez-vous supprimer l'essai 2");
    EXPECT_EQ(travail().EnteteTravail.NbEssais, 1);
    EXPECT_FALSE(f().Buttoncourbe[1]->isVisible());
}

TEST_F(Recording, TheFileMenuWaitsForAPointAndANewWorkAsksFirst) {
    demarre();
    f().Fichier1->aboutToShow();
    EXPECT_FALSE(f().Enregistrer1->isEnabled());
    EXPECT_FALSE(f().Imprimer1->isEnabled());
    f().BoutonManuel->click();
    f().ButtonAcquiPoint->click();
    f().Fichier1->aboutToShow();
    EXPECT_TRUE(f().Enregistrer1->isEnabled());
    EXPECT_TRUE(f().Nouveautravail1->isEnabled());
    // Cancelled: the work stays, the window closes and the recording ends.
    f().Nouveautravail1Click();
    EXPECT_EQ(dialogues.questions, QStringList{"Fichier modifié. Voulez-vous l'enregistrer?"});
    EXPECT_FALSE(f().isVisible());
    EXPECT_FALSE(f().BoutonManuel->isChecked());
    EXPECT_EQ(travail().Essais[1].nbPoints(), 1);
    // No: a new work.
    montre();
    dialogues.reponses = {Dialogues::Reponse::Non};
    f().Nouveautravail1Click();
    EXPECT_EQ(travail().Essais[1].nbPoints(), 0);
    EXPECT_FALSE(travail().EnteteTravail.DefCaract(5).Defini);
}

TEST_F(Recording, ClosingEndsAnOscilloscopeRecording) {
    demarre();
    f().BoutonOscillo->click();
    f().BoutonStartOscillo->click();
    ASSERT_TRUE(f().TimerOscillo->isActive());
    f().close();
    EXPECT_FALSE(f().TimerOscillo->isActive());
    EXPECT_FALSE(f().BoutonOscillo->isChecked());
    EXPECT_EQ(registre(Controle), 1);
}

TEST_F(Recording, TheGraphPictureIsCopied) {
    demarre();
    QApplication::clipboard()->clear();
    f().Copierlescaracteristiques1Click();
    const QImage image = QApplication::clipboard()->image();
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), image.height());
}

TEST_F(Recording, TheGraphCursorFollowsEveryTickAndClearsWithALostLink) {
    demarre();
    port.esclave.registres[Vitesse] = 1234;
    f().TimerApplicationTimer();
    EXPECT_EQ(f().CaractMachine5->TextValeurX->text(), TexteValeurUnite(1234, 0, "tr/min"));
    port.esclave.defaut = EsclaveScripte::Defaut::Silence;
    f().TimerApplicationTimer();
    EXPECT_EQ(f().CaractMachine5->TextValeurX->text(), "--");
}

TEST_F(Recording, NoMenuCommandIsReachedWhileARecordingRuns) {
    demarre();
    f().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f()));
    dialogues.fichiers.push_back(chemin("pendant.Vimr2"));
    dialogues.impressions.push_back(true);
    f().BoutonManuel->click();
    f().ButtonAcquiPoint->click();
    for (const char* k : {"Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+N", "Ctrl+P"})
        QTest::keySequence(&f(), QKeySequence(k));
    EXPECT_EQ(dialogues.fichiers.size(), 1u);
    EXPECT_EQ(dialogues.dialoguesImpression, 0);
    EXPECT_TRUE(f().isVisible());
    f().ButtonStopChargeManu->click();
    QTest::keySequence(&f(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_TRUE(dialogues.fichiers.empty()); // stopped, the command answers again
}

TEST_F(Recording, TheDeletionSubmenuListsTheTestsEvenWithTheRowHidden) {
    demarre();
    pointsALaMain(1);
    f().Nouvelessai1Click();
    f().ButtonGraphAnim->click(); // the test row goes with the graph
    ASSERT_FALSE(f().PanelEssais_Boutons->isVisible());
    emit f().Edition1->aboutToShow();
    EXPECT_EQ(f().Suppressionessai1->actions().size(), 2);
}

TEST_F(Recording, TestButtonsAndCommentsCarryTheirNumberInTheirHints) {
    demarre();
    EXPECT_EQ(f().Buttoncourbe[2]->toolTip(), "Sélection de l'essai 3");
    EXPECT_EQ(f().Editcourbe[2]->toolTip(), "Commentaire de l'essai3");
}
