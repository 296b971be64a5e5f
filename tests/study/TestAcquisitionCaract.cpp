#include "../link/LiaisonTest.h"

#include "study/AcquisitionCaract.h"

namespace {

class Acquisition : public LiaisonTest {
protected:
    std::unique_ptr<AcquisitionCaract> acq;

    void SetUp() override {
        LiaisonTest::SetUp();
        config.ClassePuissance = 2;
        acq = std::make_unique<AcquisitionCaract>(*liaison, *travail, config);
        travail->ModeleEssai.TypeMachine() = 3;
        travail->ModeleEssai.TypeCharge() = 1;
        travail->AjouteEssai();
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
    EXPECT_TRUE(travail->AcquisitionEnCours);
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
    EXPECT_FALSE(travail->AcquisitionEnCours);
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
    EXPECT_FALSE(travail->AcquisitionEnCours);
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

} // namespace
