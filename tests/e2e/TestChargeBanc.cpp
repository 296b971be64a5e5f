// Industrial loads emulated by the simulated bench, studied through the real serial code.
#include "SurBanc.h"
#include "study/AcquisitionCaract.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class ChargeBanc : public testing::Test {
protected:
    static TConfigBanc configBanc() {
        TConfigBanc c;
        c.machine = TypeMachine::MccIndependante;
        c.classe = 2;
        return c;
    }
    SurBanc s{0, configBanc()};
    std::unique_ptr<AcquisitionCaract> acq;

    void SetUp() override {
        ASSERT_TRUE(s.banc);
        acq = std::make_unique<AcquisitionCaract>(*s.liaison, *s.travail, s.session, s.etat, s.config);
    }
    void charge(int type) {
        s.session.ModeleEssai.TypeMachine() = 1;
        s.session.ModeleEssai.TypeCharge() = type;
        s.travail->AjouteEssai(s.session);
    }
    void alimentation(double fraction) {
        TReglagesMachine r;
        r.alimentation = fraction;
        s.banc->banc().regleReglages(r);
    }
    const TEssai& essai() const { return s.travail->Essais[1]; }
};

TEST_F(ChargeBanc, AStaticAutomaticStudyOfAQuadraticLoadRecordsPointsAlongTheLoadCurve) {
    charge(8); // T = a.n2 + b: 2 N.m at standstill, 5 N.m at 1500 tr/min
    ASSERT_TRUE(acq->entreChargeAuto());
    ASSERT_EQ(s.config.ClassePuissance, 2);
    EXPECT_EQ(s.banc->banc().etat().loi, 7);
    // The motor starts on its rated supply; nothing is recorded until the toggle is down.
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(acq->TimerChargeAutoTimer(false), AcquisitionCaract::Suite::Continue);
    EXPECT_EQ(essai().nbPoints(), 0);
    // The student turns the supply down slowly: the operating point slides down the load curve.
    for (int pas = 0; pas <= 60; ++pas) {
        alimentation(1.0 - 0.01 * pas);
        for (int i = 0; i < 8; ++i)
            ASSERT_EQ(acq->TimerChargeAutoTimer(true), AcquisitionCaract::Suite::Continue);
    }
    acq->stop();
    const int n = essai().nbPoints();
    ASSERT_GE(n, 8);
    int32_t plusLent = INT32_MAX, plusRapide = 0;
    for (int j = 0; j < n; ++j) {
        const double vitesse = essai().valeur(1, j);
        const double attendu = 200 + vitesse * vitesse * 300 / 1500 / 1500;
        EXPECT_NEAR(essai().valeur(2, j), attendu, 25) << "point " << j << " at " << vitesse << " tr/min";
        plusLent = std::min(plusLent, essai().valeur(1, j));
        plusRapide = std::max(plusRapide, essai().valeur(1, j));
    }
    EXPECT_GT(plusRapide - plusLent, 400) << "the points cover the speed range";
    EXPECT_EQ(s.banc->banc().etat().motControle, 1);
}

TEST_F(ChargeBanc, AnOscilloscopeRecordingOfACyclicLoadWaitsTriggersOnTheSpeedAndStops) {
    charge(14); // cyclic torque between 2 and 5 N.m
    alimentation(0);
    ASSERT_TRUE(acq->entreOscillo());
    EXPECT_EQ(s.banc->banc().etat().loi, 9);
    acq->configureOscillo(0, 0); // 5 s, synchronised on the speed
    EXPECT_EQ(s.travail->Essais[1].Entete[TEnteteEssai::MotSeuilSynchro], 15);
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(acq->TimerOscilloTimer(), AcquisitionCaract::Suite::Continue);
    acq->arme(true);
    // The machine stands still: the oscilloscope waits.
    for (int i = 0; i < 20; ++i) {
        s.horloge.maintenant += 50;
        ASSERT_EQ(acq->TimerOscilloTimer(), AcquisitionCaract::Suite::Continue);
    }
    EXPECT_FALSE(acq->oscilloDeclenche);
    EXPECT_EQ(essai().nbPoints(), 0);
    // The motor is switched on: its speed leaves the reference and the recording starts.
    alimentation(1.0);
    int ticks = 0, ticksDepuisDeclenchement = 0;
    AcquisitionCaract::Suite suite = AcquisitionCaract::Suite::Continue;
    while (suite == AcquisitionCaract::Suite::Continue && ticks < 1000) {
        s.horloge.maintenant += 50;
        suite = acq->TimerOscilloTimer();
        ++ticks;
        if (acq->oscilloDeclenche) ++ticksDepuisDeclenchement;
    }
    ASSERT_EQ(suite, AcquisitionCaract::Suite::Stop);
    acq->stop();
    const int n = essai().nbPoints();
    EXPECT_EQ(n, ticksDepuisDeclenchement);
    EXPECT_GE(n, 50); // about 5 s of 50 ms ticks, each a little longer with its exchanges
    EXPECT_EQ(essai().valeur(11, 0), 0);
    for (int j = 1; j < n; ++j)
        ASSERT_GT(essai().valeur(11, j), essai().valeur(11, j - 1)) << j;
    EXPECT_LE(essai().valeur(11, n - 2), 500);
    EXPECT_GT(essai().valeur(11, n - 1), 500);
    EXPECT_GT(std::abs(essai().valeur(1, n - 1)), 500) << "the motor has started";
}

} // namespace
