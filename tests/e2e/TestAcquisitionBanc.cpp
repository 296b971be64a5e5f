// Acquisitions on the simulated bench through the real serial code, in both frame layouts.
#include "SurBanc.h"
#include "study/AcquisitionCaract.h"
#include "work/FichierTravail.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class AcquisitionBanc : public testing::TestWithParam<int> {
protected:
    TConfigBanc configBanc() {
        TConfigBanc c;
        c.machine = TypeMachine::Asynchrone;
        c.classe = 2;
        return c;
    }
    SurBanc s{GetParam(), configBanc()};
    std::unique_ptr<AcquisitionCaract> acq;

    void SetUp() override {
        ASSERT_TRUE(s.banc);
        acq = std::make_unique<AcquisitionCaract>(*s.liaison, *s.travail, s.session, s.etat, s.config);
        s.session.ModeleEssai.TypeMachine() = 3;
        s.session.ModeleEssai.TypeCharge() = 1; // T = K
        s.travail->AjouteEssai(s.session);
    }
};

TEST_P(AcquisitionBanc, TenManualPointsAtRisingKSlowTheMotorDown) {
    ASSERT_TRUE(acq->entreManuel());
    for (int k = 5; k <= 50; k += 5) {
        acq->changeK(k);
        for (int i = 0; i < 10; ++i)
            ASSERT_EQ(acq->TimerManuTimer(), AcquisitionCaract::Suite::Continue);
        ASSERT_EQ(acq->enregistrePoint(), ResultatAjout::Ajoute);
    }
    acq->stop();
    const TEssai& e = s.travail->Essais[1];
    ASSERT_EQ(e.nbPoints(), 10);
    for (int j = 1; j < 10; ++j) {
        EXPECT_GT(e.valeur(2, j), e.valeur(2, j - 1)) << "torque rises, point " << j;
        EXPECT_LT(e.valeur(1, j), e.valeur(1, j - 1)) << "speed falls, point " << j;
        EXPECT_EQ(e.valeur(0, j), j);
    }
    EXPECT_EQ(s.banc->banc().etat().motControle, 1); // the load is off again
}

TEST_P(AcquisitionBanc, ARisingSweepRecordsItsRisingPhaseAndEndsByItself) {
    ASSERT_TRUE(acq->entreAuto());
    ASSERT_EQ(s.config.ClassePuissance, 2);
    acq->T = 5;
    acq->demarreBalayage(AcquisitionCaract::BalayageCroissant);
    int ticks = 0, pendantDescente = 0;
    int32_t derniereVitesse = 0, dernierCouple = 0;
    while (ticks < 400) {
        const int avant = s.travail->Essais[1].nbPoints();
        const auto suite = acq->TimerAutoTimer();
        ++ticks;
        const TEssai& e = s.travail->Essais[1];
        if (e.nbPoints() > avant) {
            // Each new point is the operating point of this cycle, in the rising phase, far enough
            // from the previous one.
            EXPECT_TRUE(s.liaison->DriveStatus & variateur::statutMontee);
            const int64_t dn = e.valeur(1, e.nbPoints() - 1) - derniereVitesse;
            const int64_t dt = e.valeur(2, e.nbPoints() - 1) - dernierCouple;
            EXPECT_GT(dn * dn + 10 * dt * dt, 2000);
            derniereVitesse = e.valeur(1, e.nbPoints() - 1);
            dernierCouple = e.valeur(2, e.nbPoints() - 1);
        }
        if (s.liaison->DriveStatus & variateur::statutDescente) ++pendantDescente;
        if (suite == AcquisitionCaract::Suite::Stop) break;
    }
    acq->stop();
    EXPECT_LT(ticks, 400) << "the sweep never ended";
    EXPECT_GT(pendantDescente, 0);
    EXPECT_GE(s.travail->Essais[1].nbPoints(), 5);
    EXPECT_EQ(s.liaison->DriveStatus & variateur::statutBalayage, 0);
    EXPECT_FALSE(s.etat.AcquisitionEnCours);

    // The work saved and opened again is the same, byte for byte.
    QTemporaryDir d;
    const QString nom = QDir(d.path()).filePath("balayage.MLX2");
    ASSERT_TRUE(EcritTravail(*s.travail, s.session, nom, Disposition::MLX2));
    auto relu = std::make_unique<Travail>();
    SessionTravail sessionRelue;
    ASSERT_TRUE(LitTravail(*relu, sessionRelue, nom));
    EXPECT_EQ(OctetsTravail(*relu, Disposition::MLX2), OctetsTravail(*s.travail, Disposition::MLX2));
    for (int c = 0; c <= 11; ++c)
        for (int j = 0; j < s.travail->Essais[1].nbPoints(); ++j)
            ASSERT_EQ(relu->Essais[1].valeur(c, j), s.travail->Essais[1].valeur(c, j));
}

INSTANTIATE_TEST_SUITE_P(Modeles, AcquisitionBanc, testing::Values(0, 1),
                         [](const auto& i) { return "model" + std::to_string(i.param); });

} // namespace
