// Cross-checks with an independent Modbus peer: libmodbus as the drive, on a pseudo-terminal for the
// standard frame layout and on loopback TCP for the network route.
#include "DialoguesScriptes.h"
#include "Pty.h"
#include "link/Horloge.h"
#include "link/MachineDuTravail.h"
#include "link/ModbusRtu.h"
#include "link/PortSerie.h"
#include "socle/ConfigGenerale.h"
#include "work/Travail.h"

#include <modbus.h>

#include <QElapsedTimer>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

namespace {

// libmodbus answering as slave 1 from its own thread, with holding registers 0..2999.
class EsclaveLibmodbus {
public:
    modbus_mapping_t* registres = modbus_mapping_new(0, 0, 3000, 0);

    // RTU on the master side of a pseudo-terminal.
    explicit EsclaveLibmodbus(int fdPty) {
        m_ctx = modbus_new_rtu("/dev/null", 19200, 'N', 8, 1);
        modbus_set_slave(m_ctx, 1);
        modbus_set_socket(m_ctx, fdPty);
        demarre();
    }
    // TCP on loopback; port() tells where.
    EsclaveLibmodbus() {
        for (int essai = 0; essai < 20 && m_ecoute < 0; ++essai) {
            m_port = 20000 + (::getpid() * 7 + essai * 131) % 20000;
            m_ctx = modbus_new_tcp("127.0.0.1", m_port);
            m_ecoute = modbus_tcp_listen(m_ctx, 1);
            if (m_ecoute < 0) modbus_free(std::exchange(m_ctx, nullptr));
        }
        if (m_ctx) demarre();
    }
    ~EsclaveLibmodbus() {
        m_fin = true;
        if (m_fil.joinable()) m_fil.join();
        if (m_ecoute >= 0) ::close(m_ecoute);
        if (m_ctx) {
            if (m_ecoute >= 0) modbus_close(m_ctx);
            modbus_free(m_ctx);
        }
        modbus_mapping_free(registres);
    }
    bool ok() const { return m_ctx != nullptr; }
    int port() const { return m_port; }

private:
    void demarre() {
        m_fil = std::thread([this] {
            if (m_ecoute >= 0) {
                // Wait for the program's connection without blocking the end of the test.
                while (!m_fin) {
                    pollfd p{m_ecoute, POLLIN, 0};
                    if (::poll(&p, 1, 50) > 0) {
                        modbus_tcp_accept(m_ctx, &m_ecoute);
                        break;
                    }
                }
            }
            modbus_set_indication_timeout(m_ctx, 0, 50000);
            uint8_t requete[MODBUS_TCP_MAX_ADU_LENGTH];
            while (!m_fin) {
                const int n = modbus_receive(m_ctx, requete);
                if (n > 0) modbus_reply(m_ctx, requete, n, registres);
            }
        });
    }
    modbus_t* m_ctx = nullptr;
    int m_ecoute = -1;
    int m_port = 0;
    std::atomic<bool> m_fin{false};
    std::thread m_fil;
};

// What the program must read back of what it wrote.
void allerRetour(Liaison& l, modbus_mapping_t* r) {
    r->tab_registers[1131] = 1000;
    EXPECT_EQ(l.ReadRegModbus(11, 32), 1000);
    EXPECT_EQ(l.LastResult, 0);

    for (const int32_t v : {-1, -2, 32767, 65535}) {
        l.WriteRegModbus(20, 29, v);
        EXPECT_EQ(l.LastResult, 0) << v;
        EXPECT_EQ(r->tab_registers[2028], uint16_t(v)) << v;
    }
    r->tab_registers[2028] = 0xFFFF;
    const int32_t seul = l.ReadRegModbus(20, 29);
    EXPECT_TRUE(seul == 65535);

    l.ParamBlock = {-1, -2, 32767, 65535, 7, 0};
    l.EmissionParam();
    EXPECT_EQ(l.LastResult, 0);
    const uint16_t attendu[6] = {0xFFFF, 0xFFFE, 0x7FFF, 0xFFFF, 7, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(r->tab_registers[1919 + i], attendu[i]) << i;

    const uint16_t bloc[10] = {4, 1500, 1000, 0xFFFF, 0xFFFE, 32767, 2300, 2300, 0, 400};
    for (int i = 0; i < 10; ++i)
        r->tab_registers[2001 + i] = bloc[i];
    Valeurs10 v{};
    l.Read10RegModbus(20, 2, 10, v);
    EXPECT_EQ(l.LastResult, 0);
    EXPECT_EQ(v, (Valeurs10{4, 1500, 1000, -1, -2, 32767, 2300, 2300, 0, 400}));
    EXPECT_TRUE(l.LectureValeurs());
    EXPECT_EQ(r->tab_registers[1829], 5);
}

TEST(Libmodbus, StandardLayoutAgainstAnRtuSlaveOnAPseudoTerminal) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    EsclaveLibmodbus esclave(pty.maitre());
    auto port = creePortSerieSysteme();
    auto reseau = creeBibliothequeModbusTcp();
    TConfigGenerale config = TConfigGenerale::defaut();
    config.TypeLiaison = 1;
    config.TypeVariateur = 0;
    auto travail = std::make_unique<Travail>();
    SessionTravail session;
    DialoguesScriptes dialogues;
    Liaison l(*port, *reseau, horlogeSysteme(), config, machineDuTravail(session));
    l.serie().NomPortImpose = pty.chemin();
    esclave.registres->tab_registers[1131] = 3000;
    l.Initialise();
    ASSERT_TRUE(l.LinkOpen);
    EXPECT_EQ(config.ClassePuissance, 1);
    allerRetour(l, esclave.registres);
    l.Ferme();
    EXPECT_EQ(esclave.registres->tab_registers[2028], 0);
}

// The settings of the network route to this machine.
TConfigGenerale configBoucleLocale() {
    TConfigGenerale config = TConfigGenerale::defaut();
    config.TypeLiaison = 0;
    for (int i = 0; i < 4; ++i)
        config.AdresseIP[i].setTexte(QString::number(i == 0 ? 127 : i == 3 ? 1 : 0));
    return config;
}

TEST(Libmodbus, NetworkRouteAgainstATcpServerOnLoopback) {
    EsclaveLibmodbus serveur;
    ASSERT_TRUE(serveur.ok());
    qputenv("VIMRA_MODBUS_TCP_PORT", QByteArray::number(serveur.port()));
    auto port = creePortSerieSysteme();
    auto reseau = creeBibliothequeModbusTcp();
    TConfigGenerale config = configBoucleLocale();
    auto travail = std::make_unique<Travail>();
    SessionTravail session;
    DialoguesScriptes dialogues;
    Liaison l(*port, *reseau, horlogeSysteme(), config, machineDuTravail(session));
    serveur.registres->tab_registers[1131] = 1000;
    l.Initialise();
    ASSERT_TRUE(l.LinkOpen);
    EXPECT_EQ(l.reseau().AddressText, "(127.0.0.1)");
    EXPECT_EQ(config.ClassePuissance, 2);
    allerRetour(l, serveur.registres);
    qunsetenv("VIMRA_MODBUS_TCP_PORT");
}

TEST(Libmodbus, AnUnreachableDriveGivesAResultCodeInsteadOfAFreeze) {
    // A port where nobody listens: the connection is refused at once.
    qputenv("VIMRA_MODBUS_TCP_PORT", "9");
    auto port = creePortSerieSysteme();
    auto reseau = creeBibliothequeModbusTcp();
    TConfigGenerale config = configBoucleLocale();
    auto travail = std::make_unique<Travail>();
    SessionTravail session;
    DialoguesScriptes dialogues;
    Liaison l(*port, *reseau, horlogeSysteme(), config, machineDuTravail(session));
    l.Initialise();
    EXPECT_EQ(l.DriveRating, -1);
    EXPECT_NE(l.LastResult, 0);
    EXPECT_FALSE(l.LectureValeurs());
    EXPECT_EQ(l.Mesures[0], -1);
    qunsetenv("VIMRA_MODBUS_TCP_PORT");
}

TEST(Libmodbus, APeerThatAcceptsAndNeverAnswersCostsNoMoreThanTheSerialLine) {
    QTcpServer muet; // the kernel accepts the connections; nobody ever reads or answers
    ASSERT_TRUE(muet.listen(QHostAddress::LocalHost, 0));
    qputenv("VIMRA_MODBUS_TCP_PORT", QByteArray::number(muet.serverPort()));
    auto port = creePortSerieSysteme();
    auto reseau = creeBibliothequeModbusTcp();
    TConfigGenerale config = configBoucleLocale();
    auto travail = std::make_unique<Travail>();
    SessionTravail session;
    Liaison l(*port, *reseau, horlogeSysteme(), config, machineDuTravail(session));
    ASSERT_TRUE(l.Ouvre());
    // Each exchange waits its whole bound, as long as its reply would take on the serial line, and
    // no longer: 100 ms and 10 ms a byte.
    struct Echange {
        std::function<void()> fait;
        int octetsReponse;
        int32_t genre;
    };
    Valeurs10 v{};
    const Echange echanges[] = {
        {[&] { l.ReadRegModbus(11, 32); }, modbus::longueurReponseLecture(1), reponseKnr::lecture},
        {[&] { l.Read10RegModbus(20, 2, 10, v); }, modbus::longueurReponseLecture(10),
         reponseKnr::lectureListe},
        {[&] { l.WriteRegModbus(18, 30, 1); }, modbus::longueurReponseEcriture, reponseKnr::ecriture},
    };
    for (const Echange& e : echanges) {
        QElapsedTimer t;
        t.start();
        e.fait();
        const qint64 ms = t.elapsed();
        EXPECT_EQ(l.LastResult, reponseKnr::compose(e.genre, statutKnr::delai));
        EXPECT_GE(ms, delais::total(e.octetsReponse) - 10) << e.octetsReponse;
        EXPECT_LT(ms, delais::total(e.octetsReponse) + 100) << e.octetsReponse;
    }
    qunsetenv("VIMRA_MODBUS_TCP_PORT");
}

} // namespace
