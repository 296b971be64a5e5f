#include "../link/LiaisonTest.h"

#include "link/ModbusRtu.h"
#include "study/AcquisitionCaract.h"

namespace {

class Acquisition : public LiaisonTest {
protected:
    std::unique_ptr<AcquisitionCaract> acq;

    void SetUp() override {
        LiaisonTest::SetUp();
        config.ClassePuissance = 2;
        acq = std::make_unique<AcquisitionCaract>(*liaison, *travail, session, etude, config);
        session.ModeleEssai.TypeMachine() = 3;
        session.ModeleEssai.TypeCharge() = 1;
        travail->AjouteEssai(session);
    }
    // The drive's state as the next cycle reads it.
    void etat(int statut, int vitesse, int couple) {
        pose(20, 2, statut);
        pose(20, 3, vitesse);
        pose(20, 4, couple);
    }
    int points() const { return travail->Essais[1].nbPoints(); }
};

TEST_F(Acquisition, ManualModeAppliesTheLawWithAZeroBlock) {
    ASSERT_TRUE(acq->entreManuel());
    EXPECT_TRUE(acq->TimerManu);
    EXPECT_TRUE(etude.AcquisitionEnCours);
    EXPECT_EQ(registre(20, 29), (2 << 8) | 5); // "T = K" is law 2
    EXPECT_EQ(registre(19, 20), 0);
    acq->changeK(37);
    EXPECT_EQ(registre(19, 20), 370);
}

TEST_F(Acquisition, TheCouplingAidStartsAtHalfK) {
    travail->Essais[1].Entete.TypeCharge() = 5;
    ASSERT_TRUE(acq->entreManuel());
    EXPECT_EQ(acq->K, 50);
    EXPECT_EQ(registre(19, 20), 500); // still there once the law is applied
    EXPECT_EQ(registre(20, 29), (10 << 8) | 5);
}

TEST_F(Acquisition, ALinkThatCannotOpenLeavesTheModeOff) {
    port.ouvrable = false;
    EXPECT_FALSE(acq->entreManuel());
    EXPECT_EQ(acq->mode, AcquisitionCaract::Mode::Aucun);
    EXPECT_FALSE(etude.AcquisitionEnCours);
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de liaison"});
}

TEST_F(Acquisition, LostMeasurementsStopTheManualMode) {
    ASSERT_TRUE(acq->entreManuel());
    EXPECT_EQ(acq->TimerManuTimer(), AcquisitionCaract::Suite::Continue);
    port.esclave.defaut = EsclaveScripte::Defaut::Silence;
    EXPECT_EQ(acq->TimerManuTimer(), AcquisitionCaract::Suite::Stop);
}

TEST_F(Acquisition, StopTakesTheLoadOffAndBringsKBack) {
    ASSERT_TRUE(acq->entreManuel());
    acq->changeK(60);
    acq->stop();
    EXPECT_EQ(registre(20, 29), 1);
    EXPECT_EQ(registre(19, 20), 0);
    EXPECT_EQ(acq->K, 0);
    EXPECT_FALSE(acq->TimerManu || acq->TimerAuto || acq->TimerOscillo || acq->TimerChargeAuto);
    EXPECT_FALSE(etude.AcquisitionEnCours);
}

TEST_F(Acquisition, ASweepSendsItsBlockAndDirection) {
    ASSERT_TRUE(acq->entreAuto());
    acq->T = 7;
    acq->demarreBalayage(AcquisitionCaract::BalayageDecroissant);
    EXPECT_EQ(registre(20, 29), (2 << 8) | 5 | 0x8000);
    EXPECT_EQ((std::array{registre(19, 20), registre(19, 21), registre(19, 22), registre(19, 23)}),
              (std::array<uint16_t, 4>{1000, 0, 5, 70}));
    EXPECT_TRUE(acq->TimerAuto);
    EXPECT_FALSE(acq->TimerManu);
}

TEST_F(Acquisition, ASpeedImposingLoadAlreadyTurningRecordsTheOtherPhase) {
    travail->Essais[1].Entete.TypeCharge() = 2;
    ASSERT_TRUE(acq->entreAuto());
    etat(0, 60, 0);
    acq->demarreBalayage(AcquisitionCaract::BalayageCroissant);
    EXPECT_EQ(acq->phaseEnregistree, AcquisitionCaract::BalayageDecroissant);
    etat(0, -40, 0);
    EXPECT_EQ(acq->setmode(AcquisitionCaract::BalayageCroissant), AcquisitionCaract::BalayageCroissant);
}

struct CasDistance {
    const char* nom;
    int classe;
    int dn, dt;
    bool enregistre;
};

class Distance : public Acquisition, public testing::WithParamInterface<CasDistance> {};

TEST_P(Distance, APointNeedsAMoveBeyondTheThreshold) {
    ASSERT_TRUE(acq->entreAuto());
    config.ClassePuissance = GetParam().classe; // after the link start, which reads it from the drive
    acq->demarreBalayage(AcquisitionCaract::BalayageCroissant);
    etat(0x0104, 1000, 300);
    ASSERT_EQ(acq->TimerAutoTimer(), AcquisitionCaract::Suite::Continue);
    ASSERT_EQ(points(), 1);
    etat(0x0104, 1000 + GetParam().dn, 300 + GetParam().dt);
    acq->TimerAutoTimer();
    EXPECT_EQ(points(), GetParam().enregistre ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Cas, Distance,
                         testing::Values(CasDistance{"speed45", 2, 45, 0, true},
                                         CasDistance{"speed44", 2, 44, 0, false},
                                         CasDistance{"speedMinus45", 2, -45, 0, true},
                                         CasDistance{"torque15class2", 2, 0, 15, true},
                                         CasDistance{"torque14class2", 2, 0, 14, false},
                                         CasDistance{"torque5class1", 1, 0, 5, true},
                                         CasDistance{"torque4class1", 1, 0, 4, false},
                                         CasDistance{"torque7class0", 0, 0, 7, true},
                                         CasDistance{"torque6class0", 0, 0, 6, false}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(Acquisition, OnlyTheRecordedPhaseRecordsAndTheEndOfTheSweepStops) {
    ASSERT_TRUE(acq->entreAuto());
    acq->demarreBalayage(AcquisitionCaract::BalayageCroissant);
    etat(0x0204, 1000, 300); // falling phase: nothing recorded
    EXPECT_EQ(acq->TimerAutoTimer(), AcquisitionCaract::Suite::Continue);
    EXPECT_EQ(points(), 0);
    etat(0x0100, 1200, 300); // rising bit without the sweep bit: the sweep is over
    EXPECT_EQ(acq->TimerAutoTimer(), AcquisitionCaract::Suite::Stop);
    EXPECT_EQ(points(), 0);
    EXPECT_FALSE(acq->TimerAuto);
}

TEST_F(Acquisition, AFullTestStopsTheSweepWithoutWritingPastTheStore) {
    ASSERT_TRUE(acq->entreAuto());
    acq->demarreBalayage(AcquisitionCaract::BalayageCroissant);
    travail->Essais[1].Entete.DernierPoint() = DERNIER_POINT_MAX;
    etat(0x0104, 1500, 300);
    EXPECT_EQ(acq->TimerAutoTimer(), AcquisitionCaract::Suite::Stop);
    EXPECT_EQ(points(), NB_POINTS_MAX);
    EXPECT_EQ(travail->Essais[2].Colonnes[0][0], 0);
}

// The load laws as parameter blocks: the drive must receive what the load panel shows.
struct CasBloc {
    const char* nom;
    int type;
    int classe;
    int frequence;
    std::vector<std::pair<int, int32_t>> mots;
    std::array<int32_t, 5> bloc;
};

class BlocLoi : public testing::TestWithParam<CasBloc> {};

TEST_P(BlocLoi, IsTheDriveParameterBlock) {
    const CasBloc& c = GetParam();
    TEnteteEssai e = TEnteteEssai::defaut();
    e.TypeCharge() = c.type;
    for (const auto& [mot, v] : c.mots)
        e[mot] = v;
    EXPECT_EQ(AcquisitionCaract::blocLoiCharge(e, constantesBanc(c.frequence, c.classe)), c.bloc);
}

using M = TEnteteEssai;
INSTANTIATE_TEST_SUITE_P(
    Cas, BlocLoi,
    testing::Values(
        CasBloc{"constantTorque20Class2", 6, 2, 50, {{M::MotTorqueConstPos, 20}}, {0, 200, 0, 0, 0}},
        CasBloc{"constantTorqueInTimeCarriesInertia",
                10,
                2,
                50,
                {{M::MotTorqueConstPos, 150}, {M::MotInertie, 250}},
                {0, 1500, 0, 0, 250}},
        CasBloc{"linearAt60Hz", 7, 2, 60, {}, {500, 200, 1800, 0, 0}},
        CasBloc{"quadraticClass3", 8, 3, 50, {}, {1000, 400, 1500, 0, 0}},
        CasBloc{"quadraticInTime", 12, 1, 50, {{M::MotInertie, 7}}, {100, 40, 1500, 0, 7}},
        // 2000 x 20 x 956 / 50 / 1500 = 509.86: truncated.
        CasBloc{"constantPowerClass2", 9, 2, 50, {}, {500, 0, 509, 0, 0}},
        CasBloc{"constantPowerFullScaleClass3",
                13,
                3,
                50,
                {{M::MotPowerConstPos, 150}, {M::MotPowerTorqueLimitPos, 10}, {M::MotInertie, 3}},
                {200, 0, 21510, 0, 3}},
        CasBloc{"cyclic90over10", 14, 2, 50, {{M::MotInertie, 40}}, {500, 200, 90, 10, 40}},
        CasBloc{"cyclicReduction30Slope4",
                14,
                2,
                50,
                {{M::MotCyclicReduction, 30}, {M::MotCyclicSlope, 4}},
                {500, 200, 18, 12, 0}},
        CasBloc{"sticking", 15, 2, 50, {}, {200, 500, 10, 0, 0}},
        CasBloc{"stickingInTime", 16, 0, 50, {{M::MotInertie, 9}}, {200, 500, 10, 0, 9}},
        CasBloc{"lifting130Class2", 17, 2, 50, {}, {130, 85, 10, 0, 0}},
        CasBloc{"liftingAt60Hz", 17, 2, 60, {}, {108, 85, 10, 0, 0}},
        CasBloc{"liftingInTimeClass1", 18, 1, 50, {{M::MotInertie, 5}}, {26, 85, 10, 0, 5}},
        CasBloc{"machineCharacteristicSendsNothing", 3, 2, 50, {}, {0, 0, 0, 0, 0}},
        // A record from a file can hold what the panel never lets through: no division by zero.
        CasBloc{
            "constantPowerWithoutTorqueLimit", 9, 2, 50, {{M::MotPowerTorqueLimitPos, 0}}, {0, 0, 0, 0, 0}}),
    [](const auto& i) { return std::string(i.param.nom); });

class ChargeIndustrielle : public Acquisition {
protected:
    void SetUp() override {
        Acquisition::SetUp();
        port.esclave.registres[1131] = 1000; // a class 2 drive
        charge(6);
    }
    void charge(int type) {
        travail->Essais[1].Entete.TypeCharge() = type;
        session.ModeleEssai = travail->Essais[1].Entete;
    }
    // The recorded times rise point after point; the last is the first past the end.
    void tempsCroissantsJusquA(int32_t fin) {
        const TEssai& essai = travail->Essais[1];
        const int n = essai.nbPoints();
        ASSERT_GE(n, 2);
        for (int k = 1; k < n; ++k)
            EXPECT_GT(essai.valeur(11, k), essai.valeur(11, k - 1)) << k;
        EXPECT_LE(essai.valeur(11, n - 2), fin);
        EXPECT_GT(essai.valeur(11, n - 1), fin);
    }
    std::vector<int32_t> motsControle() const {
        std::vector<int32_t> mots;
        for (int i = 1; i <= liaison->SpyLog.count(); ++i)
            if (liaison->SpyLog.entree(i).first == modbus::adresse(20, 29))
                mots.push_back(liaison->SpyLog.entree(i).second);
        return mots;
    }
};

TEST_F(ChargeIndustrielle, TheLawIsPreparedThenRun) {
    ASSERT_TRUE(acq->entreChargeManu());
    EXPECT_EQ(config.ClassePuissance, 2);
    EXPECT_EQ(motsControle(), (std::vector<int32_t>{0x0B01, 0x0B05}));
    EXPECT_EQ(registre(19, 21), 200);
    EXPECT_TRUE(acq->TimerManu);
    EXPECT_TRUE(etude.AcquisitionEnCours);
    acq->stop();
    EXPECT_EQ(motsControle().back(), 1);
}

TEST_F(ChargeIndustrielle, TheAutomaticModeRecordsOnlyWhileItsToggleIsDown) {
    ASSERT_TRUE(acq->entreChargeAuto());
    EXPECT_TRUE(acq->TimerChargeAuto);
    etat(0, 1000, 300);
    EXPECT_EQ(acq->TimerChargeAutoTimer(false), AcquisitionCaract::Suite::Continue);
    EXPECT_EQ(points(), 0);
    EXPECT_EQ(acq->TimerChargeAutoTimer(true), AcquisitionCaract::Suite::Continue);
    EXPECT_EQ(points(), 1);
    etat(0, 1044, 300); // 44 x 44 = 1936: too close
    acq->TimerChargeAutoTimer(true);
    EXPECT_EQ(points(), 1);
    etat(0, 1000, 315); // class 2 weighs the torque by 10: 10 x 225 = 2250
    acq->TimerChargeAutoTimer(true);
    EXPECT_EQ(points(), 2);
    port.esclave.defaut = EsclaveScripte::Defaut::Silence;
    EXPECT_EQ(acq->TimerChargeAutoTimer(true), AcquisitionCaract::Suite::Stop);
    EXPECT_EQ(points(), 2);
}

TEST_F(ChargeIndustrielle, TheStaticWeightFollowsTheBenchClass) {
    EXPECT_EQ(
        (std::array{AcquisitionCaract::poidsDistanceCharge(0), AcquisitionCaract::poidsDistanceCharge(1),
                    AcquisitionCaract::poidsDistanceCharge(2), AcquisitionCaract::poidsDistanceCharge(3)}),
        (std::array{10, 100, 10, 4}));
}

TEST_F(ChargeIndustrielle, TheOscilloscopeConfigurationGoesIntoTheTestWithoutMarkingTheWork) {
    charge(14);
    session.TravailEnregistre = true;
    acq->configureOscillo(5, 0);
    const TEnteteEssai& e = travail->Essais[1].Entete;
    EXPECT_EQ(e[M::MotDureeOscillo], 5);
    EXPECT_EQ(e[M::MotVariableSynchro], 1);
    EXPECT_EQ(e[M::MotSeuilSynchro], 15); // 1500 tr/min x 10 / 1000
    acq->configureOscillo(24, 2);         // "Tension": the voltage column
    EXPECT_EQ(e[M::MotVariableSynchro], 3);
    EXPECT_EQ(e[M::MotSeuilSynchro], session.Colonnes[4].Maximum * 5 / 1000);
    acq->configureOscillo(0, 3); // "Courant": the current column
    EXPECT_EQ(e[M::MotSeuilSynchro], session.Colonnes[5].Maximum * 10 / 1000);
    EXPECT_TRUE(session.TravailEnregistre);
    EXPECT_EQ(AcquisitionCaract::dureeOscillo(5), 10);
    EXPECT_EQ(AcquisitionCaract::dureeOscillo(24), 120);
}

TEST_F(ChargeIndustrielle, TheVariableListDesignatesSpeedTorqueVoltageAndCurrent) {
    EXPECT_EQ((std::array{AcquisitionCaract::colonneSynchro(1), AcquisitionCaract::colonneSynchro(2),
                          AcquisitionCaract::colonneSynchro(3), AcquisitionCaract::colonneSynchro(4)}),
              (std::array{1, 2, 4, 5}));
}

TEST_F(ChargeIndustrielle, WithSynchronisationOnTheSpeedAChangeOf16TriggersBut15DoesNot) {
    charge(14);
    ASSERT_TRUE(acq->entreOscillo());
    EXPECT_TRUE(acq->TimerOscillo);
    acq->configureOscillo(0, 0); // 5 s, speed, threshold 15
    etat(0, 500, 100);
    EXPECT_EQ(acq->TimerOscilloTimer(), AcquisitionCaract::Suite::Continue); // not armed: live values
    EXPECT_EQ(points(), 0);
    acq->arme(true);
    EXPECT_EQ(acq->reference, 500);
    EXPECT_EQ(acq->finTemps, 500);
    horloge.maintenant += 1000;
    etat(0, 515, 100);
    acq->TimerOscilloTimer();
    EXPECT_FALSE(acq->oscilloDeclenche);
    EXPECT_EQ(etude.Mesures[11], 0); // the time is held while waiting
    EXPECT_EQ(points(), 0);
    etat(0, 484, 100);
    acq->TimerOscilloTimer();
    EXPECT_TRUE(acq->oscilloDeclenche);
    EXPECT_EQ(points(), 1);
    EXPECT_EQ(travail->Essais[1].valeur(11, 0), 0); // time counts from the trigger
    int ticks = 1;
    while (acq->TimerOscilloTimer() == AcquisitionCaract::Suite::Continue && ticks < 1000) {
        horloge.maintenant += 50;
        ++ticks;
    }
    ++ticks; // the tick that stopped recorded its point too
    // One point a tick, time rising, until it has passed the 5 s.
    EXPECT_EQ(points(), ticks);
    tempsCroissantsJusquA(500);
    EXPECT_FALSE(acq->TimerOscillo);
}

TEST_F(ChargeIndustrielle, WithoutSynchronisationRecordingStartsAtOnceAndEndsAfterTheDuration) {
    charge(10);
    ASSERT_TRUE(acq->entreOscillo());
    acq->configureOscillo(5, 1); // 10 s
    etat(0, 500, 100);
    acq->arme(false);
    EXPECT_TRUE(acq->oscilloDeclenche);
    int ticks = 1;
    while (acq->TimerOscilloTimer() == AcquisitionCaract::Suite::Continue && ticks < 1000) {
        horloge.maintenant += 50;
        ++ticks;
    }
    EXPECT_EQ(points(), ticks);
    EXPECT_LT(travail->Essais[1].valeur(11, 0), 5); // the first tick after "Acqui."
    tempsCroissantsJusquA(1000);
    EXPECT_FALSE(liaison->Timing); // the time base stops with the recording
}

TEST_F(ChargeIndustrielle, StoppingARecordingStopsTheTimeBase) {
    charge(10);
    ASSERT_TRUE(acq->entreOscillo());
    acq->arme(false);
    ASSERT_TRUE(liaison->Timing);
    acq->stop();
    EXPECT_FALSE(liaison->Timing);
}

TEST_F(ChargeIndustrielle, LostMeasurementsStopTheOscilloscopeAndKeepThePoints) {
    charge(14);
    ASSERT_TRUE(acq->entreOscillo());
    acq->arme(false);
    acq->TimerOscilloTimer();
    port.esclave.defaut = EsclaveScripte::Defaut::Silence;
    EXPECT_EQ(acq->TimerOscilloTimer(), AcquisitionCaract::Suite::Stop);
    EXPECT_EQ(points(), 1);
    acq->stop();
    EXPECT_FALSE(acq->oscilloArme || acq->oscilloDeclenche || acq->TimerOscillo);
}

} // namespace

namespace {

struct DureeLongue {
    int index;
    int secondes;
    int intervalle; // ms
};

class TableLongue : public testing::TestWithParam<DureeLongue> {};

TEST_P(TableLongue, DurationAndTickOfTheApplicationScreen) {
    const DureeLongue d = GetParam();
    EXPECT_EQ(AcquisitionCaract::dureeOscillo(d.index, true), d.secondes);
    EXPECT_EQ(AcquisitionCaract::intervalleOscillo(d.index), d.intervalle);
    // A recording stays about 1200 ticks long at most.
    EXPECT_LE(d.secondes * 1000 / d.intervalle, 1200);
}

INSTANTIATE_TEST_SUITE_P(Bornes, TableLongue,
                         testing::Values(DureeLongue{-3, 5, 100}, DureeLongue{0, 5, 100},
                                         DureeLongue{24, 120, 100}, DureeLongue{25, 130, 200},
                                         DureeLongue{30, 180, 200}, DureeLongue{31, 200, 300},
                                         DureeLongue{35, 300, 300}, DureeLongue{36, 360, 500},
                                         DureeLongue{40, 600, 500}, DureeLongue{41, 600, 500}));

TEST(TableCourte, TheStudyWindowsTableStopsAt120Seconds) {
    EXPECT_EQ(AcquisitionCaract::dureeOscillo(25), 120);
    EXPECT_EQ(AcquisitionCaract::dureeOscillo(40), 120);
    int precedente = 0;
    for (int i = 0; i <= 40; ++i) {
        EXPECT_GT(AcquisitionCaract::dureeOscillo(i, true), precedente) << i;
        precedente = AcquisitionCaract::dureeOscillo(i, true);
    }
}

} // namespace

TEST_F(ChargeIndustrielle, TheLongTableKeepsIndex36AndEndsOnItsOwnReading) {
    charge(14);
    ASSERT_TRUE(acq->entreOscillo());
    acq->dureesLongues = true;
    int lectures = 0;
    acq->lecture = [&] {
        ++lectures;
        liaison->LectureValeurs().reporte(etude.Mesures);
    };
    acq->configureOscillo(36, 1);
    EXPECT_EQ(travail->Essais[1].Entete[TEnteteEssai::MotDureeOscillo], 36);
    acq->configureOscillo(50, 1);
    EXPECT_EQ(travail->Essais[1].Entete[TEnteteEssai::MotDureeOscillo], 40);
    acq->configureOscillo(36, 1);
    etat(0, 500, 100);
    acq->arme(false);
    EXPECT_EQ(acq->finTemps, 36000);
    EXPECT_EQ(lectures, 1);
    int ticks = 0;
    while (acq->TimerOscilloTimer() == AcquisitionCaract::Suite::Continue && ticks < 2000) {
        horloge.maintenant += 500;
        ++ticks;
    }
    ++ticks;
    EXPECT_EQ(lectures, ticks + 1);
    EXPECT_EQ(points(), ticks);
    // The last tick's point is past the end time and still recorded.
    EXPECT_GT(travail->Essais[1].valeur(11, points() - 1), 36000);
    EXPECT_LE(travail->Essais[1].valeur(11, points() - 2), 36000);
}
