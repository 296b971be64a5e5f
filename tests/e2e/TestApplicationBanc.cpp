// Industrial applications run on the simulated bench through the real serial code: the drive sees
// the program word and the parameter block the emulation gives for each load level, and the shaft
// takes the load the drive's program builds from them.
#include "ParamsApplications.h"
#include "Processus.h"
#include "SurBanc.h"

#include "application/Application.h"
#include "application/ChargeApplication.h"
#include "study/AcquisitionCaract.h"

#include "work/FichierTravail.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct CasBanc {
    const char* nom;
    int code;
    int programme;
    int machine;              // machine under study, 1..7
    TypeMachine machineBanc;  // the same on the bench
    int32_t nouvellePosition; // where the student moves the bar halfway
};

class ApplicationBanc : public testing::TestWithParam<CasBanc> {
protected:
    static TConfigBanc configBanc(TypeMachine m) {
        TConfigBanc c;
        c.machine = m;
        c.classe = 2;
        return c;
    }
    SurBanc s{0, configBanc(GetParam().machineBanc)};
    std::unique_ptr<ChargeApplication> charge;

    void SetUp() override {
        ASSERT_TRUE(s.banc);
        AppliqueLangue(1);
        charge = std::make_unique<ChargeApplication>(*s.liaison, *s.travail, s.session, s.etat, s.config);
        Travail& t = *s.travail;
        t.ApplicationCourante = GetParam().code;
        t.ParamApplication = ParamsParDefaut(GetParam().code);
        s.session.MachineApplication = GetParam().machine;
        ReconcilieEssai(t, s.session);
        s.liaison->Initialise();
        ASSERT_TRUE(s.liaison->LinkOpen);
        ASSERT_EQ(s.config.ClassePuissance, 2);
    }

    // What the emulation gives for the current test at load level `a`, as the drive's registers.
    std::vector<int16_t> blocCalcule(int32_t a, int32_t b) const {
        BlocParametres bloc{};
        EmulationCharge e;
        e.SetCharge(*s.travail, s.session, s.config.ClassePuissance, a, b, bloc);
        return {bloc.begin(), bloc.end()};
    }
    std::vector<int16_t> blocRecu() const {
        const std::vector<uint16_t> r = s.banc->banc().litRegistres(ADRESSE_BLOC, 6);
        return {r.begin(), r.end()};
    }
    // Cycles of the run screen's timer for `secondes` of simulated time.
    void tourne(int32_t position, int32_t minimum, double secondes) {
        const double fin = s.banc->banc().etat().temps + secondes;
        while (s.banc->banc().etat().temps < fin) {
            charge->Cycle(position, minimum);
            s.horloge.maintenant += 100;
        }
    }
};

TEST_P(ApplicationBanc, TheDriveRunsTheProgramWithTheBlockOfEachLoadLevel) {
    const CasBanc& c = GetParam();
    const PlageCharge plage = *charge->SetApp();
    const int mot = (c.programme << 8) | 5;

    ASSERT_TRUE(charge->Demarre(plage.minimum));
    EXPECT_EQ(s.banc->banc().etat().motControle, mot);
    EXPECT_EQ(s.banc->banc().etat().loi, c.programme);
    EXPECT_EQ(blocRecu(), blocCalcule(-1, plage.minimum)) << "the window has just opened";

    // The motor runs its application for a few seconds at the default level.
    tourne(plage.position, plage.minimum, 3.0);
    EXPECT_EQ(blocRecu(), blocCalcule(plage.position, plage.minimum));
    EXPECT_EQ(s.banc->banc().etat().motControle, mot);
    ASSERT_GE(s.etat.Mesures[0], 0);
    const int32_t n = s.etat.Mesures[1];
    EXPECT_GT(n, 900) << "the motor turns its load";

    // The application's quantities are those of the measured speed.
    charge->SetValeursAff(plage.position, plage.minimum);
    EXPECT_EQ(s.etat.Mesures[15], blocCalcule(plage.position, plage.minimum)[4]);
    VecteurMesures attendu = s.etat.Mesures;
    EmulationCharge e;
    BlocParametres bloc{};
    e.SetCharge(*s.travail, s.session, 2, plage.position, plage.minimum, bloc);
    e.SetValeursAff(*s.travail, s.session, 2, plage.position - plage.minimum, bloc, s.etat.Mesures);
    EXPECT_EQ(s.etat.Mesures, attendu);

    // The student moves the bar: the next cycle sends the new block, the program stays.
    tourne(c.nouvellePosition, plage.minimum, 3.0);
    EXPECT_EQ(blocRecu(), blocCalcule(c.nouvellePosition, plage.minimum));
    EXPECT_EQ(s.banc->banc().etat().motControle, mot);
    EXPECT_EQ(charge->DernierePositionEnvoyee, c.nouvellePosition);

    charge->Arrete();
    EXPECT_EQ(s.banc->banc().etat().motControle, 1);
    EXPECT_EQ(s.banc->banc().etat().loi, 0);
    EXPECT_EQ(blocRecu(), std::vector<int16_t>(6, 0));
}

// The oscilloscope of the run screen records the run against time while the student moves the
// bar: every tick sends the new block when the bar moved, then records the measured point.
TEST_P(ApplicationBanc, AnOscilloscopeRecordingFollowsTheBar) {
    const CasBanc& c = GetParam();
    const PlageCharge plage = *charge->SetApp();
    ASSERT_TRUE(charge->Demarre(plage.minimum));
    tourne(plage.position, plage.minimum, 2.0);

    AcquisitionCaract acq(*s.liaison, *s.travail, s.session, s.etat, s.config);
    acq.dureesLongues = true;
    int32_t position = plage.position;
    acq.lecture = [&] { charge->Cycle(position, plage.minimum); };
    acq.configureOscillo(0, 0); // 5 s, no trigger
    acq.arme(false);
    int ticks = 0;
    while (ticks < 200) {
        s.horloge.maintenant += AcquisitionCaract::intervalleOscillo(0);
        if (ticks == 20) position = c.nouvellePosition;
        ++ticks;
        if (acq.TimerOscilloTimer() == AcquisitionCaract::Suite::Stop) break;
        if (ticks == 21) {
            EXPECT_EQ(blocRecu(), blocCalcule(c.nouvellePosition, plage.minimum));
        }
    }
    const TEssai& e = s.travail->Essais[s.session.EssaiCourant];
    ASSERT_EQ(e.nbPoints(), ticks);
    // The link's own exchanges take time too: fewer ticks than 5 s / 100 ms, never more.
    EXPECT_GE(ticks, 25);
    EXPECT_LE(ticks, 51);
    EXPECT_LE(e.valeur(11, ticks - 2), 500);
    for (int k = 1; k < e.nbPoints(); ++k)
        EXPECT_GT(e.valeur(11, k), e.valeur(11, k - 1)) << k;
    EXPECT_GT(e.valeur(11, ticks - 1), 500);
    // The motor turned the load all along.
    for (int k = 0; k < e.nbPoints(); ++k)
        EXPECT_GT(e.valeur(1, k), 300) << k;
    EXPECT_EQ(s.banc->banc().etat().motControle, (c.programme << 8) | 5);
    charge->Arrete();
}

INSTANTIATE_TEST_SUITE_P(
    Applications, ApplicationBanc,
    testing::Values(CasBanc{"conveyor", 53, 12, 1, TypeMachine::MccIndependante, 40},
                    CasBanc{"lifting", 58, 13, 6, TypeMachine::VariateurTriphase, 30},
                    CasBanc{"pump", 61, 7, 3, TypeMachine::Asynchrone, 40},
                    CasBanc{"ventilation", 62, 7, 3, TypeMachine::Asynchrone, 20},
                    CasBanc{"packaging", 51, 12, 6, TypeMachine::VariateurTriphase, 60},
                    CasBanc{"positioning", 52, 13, 6, TypeMachine::VariateurTriphase, 20},
                    CasBanc{"relativePositioning", 54, 2, 6, TypeMachine::VariateurTriphase, 30},
                    CasBanc{"winder", 55, 8, 6, TypeMachine::VariateurTriphase, 40},
                    CasBanc{"synchronisation", 56, 2, 6, TypeMachine::VariateurTriphase, 30},
                    CasBanc{"cutToLength", 57, 9, 6, TypeMachine::VariateurTriphase, 200},
                    CasBanc{"alternator", 60, 10, 4, TypeMachine::Synchrone, 30},
                    CasBanc{"compressor", 63, 12, 3, TypeMachine::Asynchrone, 30},
                    CasBanc{"smokeExtraction", 64, 7, 3, TypeMachine::Asynchrone, 50},
                    CasBanc{"explosiveGas", 65, 7, 3, TypeMachine::Asynchrone, 30},
                    CasBanc{"belt", 66, 12, 1, TypeMachine::MccIndependante, 30}),
    [](const auto& i) { return std::string(i.param.nom); });

// The shaft's torque follows what the block asks: the load the student sets is the load the motor
// feels.
TEST(ApplicationBancCharge, TheFanTorqueGrowsWithTheFlapOpening) {
    TConfigBanc config;
    config.machine = TypeMachine::VariateurTriphase;
    config.classe = 2;
    SurBanc s{0, config};
    ASSERT_TRUE(s.banc);
    AppliqueLangue(1);
    ChargeApplication charge(*s.liaison, *s.travail, s.session, s.etat, s.config);
    Travail& t = *s.travail;
    t.ApplicationCourante = 62;
    t.ParamApplication = ParamsParDefaut(62);
    s.session.MachineApplication = 6;
    ReconcilieEssai(t, s.session);
    s.liaison->Initialise();
    ASSERT_TRUE(charge.Demarre(0));
    const auto regime = [&](int32_t ouverture) {
        const double fin = s.banc->banc().etat().temps + 4.0;
        while (s.banc->banc().etat().temps < fin) {
            charge.Cycle(ouverture, 0);
            s.horloge.maintenant += 100;
        }
        return s.banc->banc().etat().couple;
    };
    const double ferme = regime(0);
    const double ouvert = regime(100);
    charge.Arrete();
    // At 1500 tr/min the fan takes word 0: (a x 80 / 100 + 20) x Tn / 150 hundredths of N.m.
    EXPECT_NEAR(ouvert / ferme, 100.0 / 20.0, 0.8);
    EXPECT_NEAR(ouvert, 10.0, 1.5);
}

} // namespace

namespace {

// A lifting run recorded against time with synchronisation on the torque: the recording waits
// while the hook hangs still, starts when the student lifts a heavier load, ends after its time;
// the work saved as an application work opens again whole, and the command-line companion shows
// its fifteen columns.
TEST(LevageOscilloscope, TriggersOnTheTorqueRecordsStopsAndIsSavedWhole) {
    TConfigBanc c;
    c.machine = TypeMachine::VariateurTriphase;
    c.classe = 2;
    SurBanc s{0, c};
    ASSERT_TRUE(s.banc);
    AppliqueLangue(1);
    Travail& t = *s.travail;
    t.ApplicationCourante = 58;
    t.ParamApplication = ParamsParDefaut(58);
    s.session.MachineApplication = 6;
    ReconcilieEssai(t, s.session);
    s.liaison->Initialise();
    ChargeApplication charge(*s.liaison, t, s.session, s.etat, s.config);
    const PlageCharge plage = *charge.SetApp();
    ASSERT_TRUE(charge.Demarre(plage.minimum));
    int32_t position = plage.minimum;
    for (int i = 0; i < 30; ++i)
        charge.Cycle(position, plage.minimum);

    AcquisitionCaract acq(*s.liaison, t, s.session, s.etat, s.config);
    acq.dureesLongues = true;
    acq.lecture = [&] { charge.Cycle(position, plage.minimum); };
    acq.configureOscillo(0, 1); // 5 s, synchronised on the torque
    acq.arme(true);
    int ticks = 0;
    for (; ticks < 10; ++ticks) {
        s.horloge.maintenant += AcquisitionCaract::intervalleOscillo(0);
        ASSERT_EQ(acq.TimerOscilloTimer(), AcquisitionCaract::Suite::Continue);
    }
    EXPECT_FALSE(acq.oscilloDeclenche) << "the load has not changed";
    EXPECT_EQ(t.Essais[s.session.EssaiCourant].nbPoints(), 0);
    position = plage.maximum; // a heavier load on the hook
    AcquisitionCaract::Suite suite = AcquisitionCaract::Suite::Continue;
    while (suite == AcquisitionCaract::Suite::Continue && ticks < 300) {
        s.horloge.maintenant += AcquisitionCaract::intervalleOscillo(0);
        suite = acq.TimerOscilloTimer();
        ++ticks;
    }
    ASSERT_EQ(suite, AcquisitionCaract::Suite::Stop);
    EXPECT_TRUE(acq.oscilloDeclenche);
    const TEssai& e = t.Essais[s.session.EssaiCourant];
    ASSERT_GE(e.nbPoints(), 20);
    EXPECT_EQ(e.valeur(11, 0), 0);
    EXPECT_GT(e.valeur(11, e.nbPoints() - 1), 500);
    charge.Arrete();

    QTemporaryDir dossier;
    const QString nom = QDir(dossier.path()).filePath("levage.Vimr2");
    ASSERT_TRUE(EcritTravail(t, s.session, nom, Disposition::Vimr2));
    auto relu = std::make_unique<Travail>();
    SessionTravail sessionRelue;
    ASSERT_TRUE(LitTravail(*relu, sessionRelue, nom));
    EXPECT_EQ(relu->ApplicationCourante, 58);
    const TEssai& r = relu->Essais[sessionRelue.EssaiCourant];
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(r.Entete[TEnteteEssai::MotParamApplication + k], t.ParamApplication[k]) << k;
    ASSERT_EQ(r.nbPoints(), e.nbPoints());
    for (int col = 0; col <= 14; ++col)
        for (int k = 0; k < e.nbPoints(); ++k)
            ASSERT_EQ(r.valeur(col, k), e.valeur(col, k)) << col << " " << k;

    const Sortie sortie = lance(VIMRA_TOOL, {"dump", nom});
    ASSERT_EQ(sortie.code, 0) << sortie.err.constData();
    const QStringList lignes = QString::fromUtf8(sortie.out).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_GE(lignes.size(), 3 + e.nbPoints());
    EXPECT_EQ(lignes[3].split('\t').size(), 15);
}

} // namespace
