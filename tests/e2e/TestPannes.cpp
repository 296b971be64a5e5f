// Faults on the line during every kind of recording, on the simulated bench over a pseudo-terminal:
// the recording stops (or the displays lose their values), the points already recorded stay, and
// the link opens again without restarting the program.
#include "ParamsApplications.h"
#include "SurBanc.h"

#include "application/Application.h"
#include "application/ChargeApplication.h"
#include "study/AcquisitionCaract.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

namespace {

enum class Mode { Manuel, Balayage, Oscilloscope, Application };
enum class Panne { SansReponse, MauvaisCrc, Courte, OctetsEnTrop, Lente, Coupure, BancDisparu };

struct Cas {
    Mode mode;
    Panne panne;
    bool reseau = false; // the network route instead of the serial line
};

std::string nom(const testing::TestParamInfo<Cas>& i) {
    static const char* modes[] = {"manual", "sweep", "oscilloscope", "application"};
    static const char* pannes[] = {"noReply", "badCrc",     "short",    "garbage",
                                   "slow",    "lineClosed", "benchGone"};
    return std::string(i.param.reseau ? "network_" : "serial_") + modes[int(i.param.mode)] + "_" +
           pannes[int(i.param.panne)];
}

TConfigBanc banc() {
    TConfigBanc c;
    c.machine = TypeMachine::Asynchrone;
    c.classe = 2;
    return c;
}

class Pannes : public testing::TestWithParam<Cas> {
protected:
    SurBanc s{0, banc()};
    std::unique_ptr<AcquisitionCaract> acq;
    std::unique_ptr<ChargeApplication> charge;
    int32_t minimum = 0;
    // The network route: a bench of its own behind a Modbus TCP server on loopback.
    std::unique_ptr<TBanc> bancReseau;
    std::unique_ptr<TServeurTcp> serveurReseau;

    void ouvreReseau() {
        bancReseau = std::make_unique<TBanc>(banc());
        serveurReseau = TServeurTcp::ouvre(*bancReseau, "127.0.0.1", 0, TCadence{1.0, 0.05});
        ASSERT_TRUE(serveurReseau);
        qputenv("VIMRA_MODBUS_TCP_PORT", QByteArray::number(serveurReseau->port()));
    }
    TServeurBanc& serveur() {
        return GetParam().reseau ? static_cast<TServeurBanc&>(*serveurReseau) : s.banc->serveur();
    }
    void TearDown() override { qunsetenv("VIMRA_MODBUS_TCP_PORT"); }

    void SetUp() override {
        ASSERT_TRUE(s.banc);
        if (GetParam().reseau) {
            ouvreReseau();
            s.config.TypeLiaison = 0;
            for (int i = 0; i < 4; ++i)
                s.config.AdresseIP[i].setTexte(QString::number(i == 0 ? 127 : i == 3 ? 1 : 0));
        }
        AppliqueLangue(1);
        acq = std::make_unique<AcquisitionCaract>(*s.liaison, *s.travail, s.session, s.etat, s.config);
        charge = std::make_unique<ChargeApplication>(*s.liaison, *s.travail, s.session, s.etat, s.config);
        Travail& t = *s.travail;
        if (GetParam().mode == Mode::Application) {
            t.ApplicationCourante = 62;
            t.ParamApplication = ParamsParDefaut(62);
            s.session.MachineApplication = 3;
            ReconcilieEssai(t, s.session);
        } else {
            s.session.ModeleEssai.TypeMachine() = 3;
            s.session.ModeleEssai.TypeCharge() = GetParam().mode == Mode::Oscilloscope ? 14 : 1;
            t.AjouteEssai(s.session);
        }
    }

    bool entre() {
        switch (GetParam().mode) {
        case Mode::Manuel:
            return acq->entreManuel();
        case Mode::Balayage:
            if (!acq->entreAuto()) return false;
            acq->T = 15;
            acq->demarreBalayage(AcquisitionCaract::BalayageCroissant);
            return true;
        case Mode::Oscilloscope:
            if (!acq->entreOscillo()) return false;
            acq->configureOscillo(24, 1);
            acq->arme(false);
            return true;
        case Mode::Application: {
            s.liaison->Initialise();
            const auto plage = charge->SetApp();
            if (!plage) return false;
            minimum = plage->minimum;
            return charge->Demarre(minimum);
        }
        }
        return false;
    }

    // One tick of the mode; false when the mode stopped or the displays lost their values.
    bool tick() {
        s.horloge.maintenant += 50;
        switch (GetParam().mode) {
        case Mode::Manuel:
            if (acq->TimerManuTimer() == AcquisitionCaract::Suite::Stop) return false;
            acq->enregistrePoint();
            return true;
        case Mode::Balayage:
            return acq->TimerAutoTimer() == AcquisitionCaract::Suite::Continue;
        case Mode::Oscilloscope:
            return acq->TimerOscilloTimer() == AcquisitionCaract::Suite::Continue;
        case Mode::Application:
            charge->Cycle(minimum + 50, minimum);
            if (s.etat.Mesures[0] < 0) return false;
            s.travail->AjoutePoint(s.session, s.etat.Mesures);
            return true;
        }
        return false;
    }

    void arrete() {
        if (GetParam().mode == Mode::Application)
            charge->Arrete();
        else
            acq->stop();
    }

    int points() const { return s.travail->Essais[s.session.EssaiCourant].nbPoints(); }

    void injecte(Panne p) {
        TDefauts d;
        switch (p) {
        case Panne::SansReponse:
            d.regles = {{TypeDefaut::SansReponse, 1}};
            break;
        case Panne::MauvaisCrc:
            d.regles = {{TypeDefaut::MauvaisCrc, 1}};
            break;
        case Panne::Courte:
            d.regles = {{TypeDefaut::ReponseCourte, 1}};
            break;
        case Panne::OctetsEnTrop:
            d.regles = {{TypeDefaut::OctetsEnTrop, 1}};
            break;
        case Panne::Lente:
            d.debitBauds = 50; // 200 ms a byte: past the time between bytes
            break;
        case Panne::Coupure:
            d.regles = {{TypeDefaut::Coupure, int(serveur().echanges()) + 1}};
            break;
        case Panne::BancDisparu:
            // The drive's process gone, its port with it.
            if (GetParam().reseau)
                serveurReseau.reset();
            else
                s.banc.reset();
            return;
        }
        serveur().regleDefauts(d);
    }
};

TEST_P(Pannes, TheRecordingStopsKeepsItsPointsAndTheLinkComesBack) {
    ASSERT_TRUE(entre());
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(tick()) << "tick " << i << " before the fault";
    const int avant = points();
    ASSERT_GT(avant, 0);

    injecte(GetParam().panne);
    QElapsedTimer duree;
    duree.start();
    int ticks = 0;
    bool continue_ = true;
    while (continue_ && ticks < 20) {
        continue_ = tick();
        ++ticks;
    }
    // The network route connects again by itself: a connection dropped on the status echo costs
    // nothing, one dropped on a measurement stops the recording.
    const bool repris = GetParam().reseau && GetParam().panne == Panne::Coupure && continue_;
    if (GetParam().panne == Panne::OctetsEnTrop || repris) {
        // Bytes after a whole reply are dropped before the next request: nothing is lost.
        EXPECT_TRUE(continue_);
        EXPECT_EQ(points(), avant + (GetParam().mode == Mode::Balayage ? points() - avant : ticks));
    } else {
        EXPECT_FALSE(continue_) << "the fault went unnoticed";
        EXPECT_LE(ticks, 2) << "the first failed exchange stops the recording";
        EXPECT_GE(points(), avant) << "recorded points stay";
    }
    EXPECT_LT(duree.elapsed(), 5000) << "no freeze";
    const int gardes = points();
    arrete();
    EXPECT_EQ(points(), gardes);

    // The cable back in (or the bench started again): the link opens and the recording goes on.
    if (GetParam().reseau && GetParam().panne == Panne::BancDisparu) {
        ouvreReseau();
    } else if (GetParam().reseau && GetParam().panne == Panne::Coupure) {
        // The server keeps listening: a new connection is the cable back in.
    } else if (GetParam().panne == Panne::Coupure || GetParam().panne == Panne::BancDisparu) {
        s.banc = TBancSimule::surPty(banc(), 0, TCadence{1.0, 0.05});
        ASSERT_TRUE(s.banc);
        s.liaison->serie().NomPortImpose = QString::fromStdString(s.banc->chemin());
    } else {
        serveur().regleDefauts({});
        QThread::msleep(300); // what a slow reply still had to send arrives, and is dropped
    }
    s.liaison->Ferme();
    s.liaison->Initialise();
    ASSERT_TRUE(s.liaison->LinkOpen);
    ASSERT_TRUE(entre());
    EXPECT_TRUE(tick());
    EXPECT_TRUE(tick());
    EXPECT_GE(points(), gardes);
    arrete();
}

std::vector<Cas> tousLesCas() {
    std::vector<Cas> c;
    for (const Mode m : {Mode::Manuel, Mode::Balayage, Mode::Oscilloscope, Mode::Application}) {
        for (const Panne p : {Panne::SansReponse, Panne::MauvaisCrc, Panne::Courte, Panne::OctetsEnTrop,
                              Panne::Lente, Panne::Coupure, Panne::BancDisparu})
            c.push_back({m, p});
        // The network has no CRC of its own to break, and no byte pace.
        for (const Panne p :
             {Panne::SansReponse, Panne::Courte, Panne::OctetsEnTrop, Panne::Coupure, Panne::BancDisparu})
            c.push_back({m, p, true});
    }
    return c;
}

INSTANTIATE_TEST_SUITE_P(Toutes, Pannes, testing::ValuesIn(tousLesCas()), nom);

} // namespace
