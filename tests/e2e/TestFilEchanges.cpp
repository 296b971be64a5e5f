// The exchanges on the link's own thread: the drive receives what it received when they ran on the
// window thread, and a drive that never answers holds that thread, not the window.
#include "BibliothequeAbsente.h"
#include "DialoguesScriptes.h"
#include "HorlogeFactice.h"
#include "PortMemoire.h"
#include "link/BibliothequeReseau.h"
#include "link/FormVisualisation.h"
#include "link/Horloge.h"
#include "link/Liaison.h"
#include "link/MachineDuTravail.h"
#include "link/ModbusRtu.h"
#include "link/Variateur.h"
#include "socle/ConfigGenerale.h"
#include "work/Travail.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

struct Trace {
    std::vector<QByteArray> requetes;
    std::vector<int> attentes;
    bool fraiche = false;
    GrandeursMesurees valeurs{};
    bool operator==(const Trace&) const = default;
};

// A start, a K, a background cycle, a write, an end: what the drive received, the pauses between,
// and the measurement handed back.
Trace sequence(bool enFond) {
    PortMemoire port;
    port.esclave.registres[1131] = 1000; // rating
    // The status, then the measurement words.
    const int bloc = modbus::adresse(variateur::mesures.menu, variateur::mesures.parametre);
    for (int i = 0; i <= 9; ++i)
        port.esclave.registres[uint16_t(bloc + i)] = uint16_t(3 + 100 * i);
    BibliothequeAbsente reseau;
    HorlogeFactice horloge;
    TConfigGenerale config = TConfigGenerale::defaut();
    config.TypeLiaison = 1;
    config.TypeVariateur = 0;
    config.PortCom.setTexte("COM1");
    SessionTravail session;
    DialoguesScriptes dialogues;
    Trace trace;
    {
        Liaison l(port, reseau, horloge, config, machineDuTravail(session));
        if (enFond) l.EchangesEnFond();
        l.Initialise();
        l.EmissionConstanteKEnFond(500);
        QObject recepteur;
        std::optional<Mesure> recue;
        EXPECT_TRUE(l.LectureValeursEnFond(&recepteur, [&](const Mesure& m) { recue = m; }));
        // On its own thread the cycle answers through the window thread's events, never at once.
        EXPECT_EQ(recue.has_value(), !enFond);
        EXPECT_TRUE(QTest::qWaitFor([&] { return recue.has_value(); }));
        if (recue) trace.fraiche = recue->fraiche, trace.valeurs = recue->valeurs;
        l.WriteRegModbus(18, 30, 1);
        l.Ferme();
    }
    trace.requetes = port.esclave.requetes;
    trace.attentes = horloge.attentes;
    return trace;
}

TEST(EchangesEnFond, TheDriveReceivesTheSameFramesInTheSameOrderWithTheSamePauses) {
    const Trace ici = sequence(false);
    const Trace enFond = sequence(true);
    EXPECT_TRUE(ici.fraiche);
    EXPECT_EQ(ici.requetes.size(), 7u); // rating, arm, K, block read, echo, write, end
    EXPECT_EQ(ici, enFond);
}

// The network route to a peer that accepts the connection and never answers: each exchange waits
// its whole time-out on the link's thread.
class PairMuet : public testing::Test {
protected:
    QTcpServer muet;
    std::unique_ptr<PortSerie> port = creePortSerieSysteme();
    std::unique_ptr<BibliothequeReseau> reseau = creeBibliothequeModbusTcp();
    TConfigGenerale config = TConfigGenerale::defaut();
    Travail travail;
    SessionTravail session;
    std::unique_ptr<Liaison> liaison;

    void SetUp() override {
        ASSERT_TRUE(muet.listen(QHostAddress::LocalHost, 0));
        qputenv("VIMRA_MODBUS_TCP_PORT", QByteArray::number(muet.serverPort()));
        config.TypeLiaison = 0;
        for (int i = 0; i < 4; ++i)
            config.AdresseIP[i].setTexte(QString::number(i == 0 ? 127 : i == 3 ? 1 : 0));
        liaison =
            std::make_unique<Liaison>(*port, *reseau, horlogeSysteme(), config, machineDuTravail(session));
        liaison->EchangesEnFond();
        ASSERT_TRUE(liaison->Ouvre());
    }
    void TearDown() override {
        liaison.reset();
        qunsetenv("VIMRA_MODBUS_TCP_PORT");
    }
};

// Every request the silent peer was sent, one connection after another (a time-out drops the
// connection): function code, register and, for a write, the first value.
struct Requete {
    int fonction, registre, valeur;
    bool operator==(const Requete&) const = default;
};

std::vector<Requete> requetesRecues(QTcpServer& serveur) {
    std::vector<Requete> r;
    QCoreApplication::processEvents();
    while (QTcpSocket* s = serveur.nextPendingConnection()) {
        s->waitForReadyRead(100);
        const QByteArray o = s->readAll();
        const auto octet = [&o](int i) { return int(uint8_t(o[i])); };
        for (int i = 0; i + 12 <= o.size(); i += 6 + (octet(i + 4) << 8 | octet(i + 5))) {
            const int f = octet(i + 7);
            r.push_back(
                {f, octet(i + 8) << 8 | octet(i + 9), f == 16 ? octet(i + 13) << 8 | octet(i + 14) : 0});
        }
    }
    return r;
}

int registre(variateur::Registre r) {
    return r.menu * 100 + r.parametre - 1;
}

TEST_F(PairMuet, ALateTickIsSkippedAndOnlyTheLastKGoes) {
    QObject recepteur;
    int recues = 0;
    const auto compte = [&](const Mesure&) { ++recues; };
    EXPECT_TRUE(liaison->LectureValeursEnFond(&recepteur, compte));
    EXPECT_FALSE(liaison->LectureValeursEnFond(&recepteur, compte));
    for (int k = 1; k <= 5; ++k)
        liaison->EmissionConstanteKEnFond(10 * k);
    // The first cycle is a lost one; once it is back, the next tick asks again.
    EXPECT_TRUE(QTest::qWaitFor([&] { return recues == 1; }, 3000));
    EXPECT_TRUE(liaison->LectureValeursEnFond(&recepteur, compte));
    EXPECT_TRUE(QTest::qWaitFor([&] { return recues == 2; }, 3000));
    EXPECT_EQ(liaison->Mesures[0], -1);
    const int bloc = registre(variateur::mesures), echo = registre(variateur::echoStatut);
    EXPECT_EQ(requetesRecues(muet), (std::vector<Requete>{{3, bloc, 0},
                                                          {16, echo, 1},
                                                          {16, registre(variateur::constanteK), 50},
                                                          {3, bloc, 0},
                                                          {16, echo, 1}}));
}

TEST_F(PairMuet, TheLiveValuesAnswerEveryKeyWithinAFrameOrTwoWhileTheExchangesWait) {
    TFormVisualisation f(*liaison, travail, session);
    f.show();
    auto* barre = f.findChild<QScrollBar*>("ScrollBarK");
    ASSERT_TRUE(barre);
    // Twenty presses over two seconds, each one after the last was handled: every 250 ms tick
    // starts a cycle that waits half a second for nothing.
    qint64 pire = 0;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < 20; ++i) {
        const int avant = barre->value();
        QElapsedTimer t;
        t.start();
        QCoreApplication::postEvent(barre, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
        while (barre->value() == avant && t.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pire = std::max(pire, t.elapsed());
        QTest::qWait(100);
    }
    EXPECT_EQ(barre->value(), 20);
    EXPECT_GT(total.elapsed(), 2000);
    EXPECT_LT(pire, 100);
    f.close();
}

} // namespace
