// The servers on real lines, checked by an independent master (libmodbus) and by raw bytes.

#include "simulator/Banc.h"
#include "simulator/BancSimule.h"
#include "simulator/ServeurBanc.h"

#include <gtest/gtest.h>
#include <modbus.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Octets = std::vector<uint8_t>;
using Horloge = std::chrono::steady_clock;

// A master that talks raw bytes on the program's side of the pseudo-terminal.
class LigneBrute {
public:
    explicit LigneBrute(const std::string& chemin) : fd_(open(chemin.c_str(), O_RDWR | O_NOCTTY)) {
        termios t{};
        tcgetattr(fd_, &t);
        cfmakeraw(&t);
        tcsetattr(fd_, TCSANOW, &t);
    }
    ~LigneBrute() {
        if (fd_ >= 0) close(fd_);
    }
    bool ouverte() const { return fd_ >= 0; }

    // Sends the request, then gathers bytes until the line stays quiet for `silence` ms, or until
    // `attendus` bytes are in.
    Octets echange(const Octets& requete, int silence = 80, std::size_t attendus = 0) {
        tcflush(fd_, TCIOFLUSH);
        envoi_ = Horloge::now();
        EXPECT_EQ(write(fd_, requete.data(), requete.size()), static_cast<ssize_t>(requete.size()));
        return recoit(silence, attendus);
    }
    Octets recoit(int silence, std::size_t attendus = 0) {
        Octets r;
        ferme_ = false;
        const auto debut = Horloge::now();
        for (;;) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, silence) <= 0 || Horloge::now() - debut > std::chrono::seconds(3)) break;
            uint8_t o[256];
            const ssize_t n = read(fd_, o, sizeof o);
            if (n <= 0) {
                ferme_ = true; // hang-up: the drive's side is gone
                break;
            }
            dernier_ = Horloge::now();
            r.insert(r.end(), o, o + n);
            if (attendus > 0 && r.size() >= attendus) break;
        }
        return r;
    }
    bool aRaccroche() const { return ferme_; }
    // From the request to the last byte of the reply: a reader that wakes late cannot shorten it.
    double dureeReponse() const { return std::chrono::duration<double>(dernier_ - envoi_).count(); }

private:
    int fd_;
    bool ferme_ = false;
    Horloge::time_point envoi_, dernier_;
};

// libmodbus on the pseudo-terminal, standard layout.
struct MaitreRtu {
    modbus_t* ctx = nullptr;
    explicit MaitreRtu(const std::string& chemin) {
        ctx = modbus_new_rtu(chemin.c_str(), 19200, 'N', 8, 1);
        modbus_set_slave(ctx, 1);
        modbus_set_response_timeout(ctx, 0, 300000);
    }
    ~MaitreRtu() {
        modbus_close(ctx);
        modbus_free(ctx);
    }
};

// Every exchange the program makes, by the independent master: read 11.32, read the block
// 20.02..20.11, write 20.29, write the block 19.20..19.25.
void EchangesDuProgramme(modbus_t* ctx, TBanc& banc) {
    uint16_t v[10] = {};
    ASSERT_EQ(modbus_read_registers(ctx, ADRESSE_CALIBRE, 1, v), 1) << modbus_strerror(errno);
    EXPECT_EQ(v[0], CalibreDeClasse(banc.config().classe));
    const uint16_t controle = 2 << 8 | 5;
    ASSERT_EQ(modbus_write_registers(ctx, ADRESSE_CONTROLE, 1, &controle), 1) << modbus_strerror(errno);
    EXPECT_EQ(banc.etat().loi, LoiCoupleK);
    const uint16_t bloc[6] = {400, 0xFF38, 3, 4, 5, 0};
    ASSERT_EQ(modbus_write_registers(ctx, ADRESSE_BLOC, 6, bloc), 6) << modbus_strerror(errno);
    EXPECT_EQ(banc.litRegistres(ADRESSE_BLOC, 6), std::vector<uint16_t>(bloc, bloc + 6));
    ASSERT_EQ(modbus_read_registers(ctx, ADRESSE_MESURES, 10, v), 10) << modbus_strerror(errno);
    const auto attendu = banc.blocMesures();
    EXPECT_EQ(static_cast<int16_t>(v[8]), 400); // the K in use
    EXPECT_NEAR(static_cast<int16_t>(v[1]), attendu[1], 50);
    EXPECT_GT(static_cast<int16_t>(v[1]), 0);
}

// What any other master asks of a standard slave: functions 6 and 23, and the exceptions.
void EchangesStandard(modbus_t* ctx, TBanc& banc) {
    ASSERT_EQ(modbus_write_register(ctx, ADRESSE_ECHO, 0xBEEF), 1) << modbus_strerror(errno);
    EXPECT_EQ(banc.litRegistre(ADRESSE_ECHO), 0xBEEF);
    const uint16_t k[2] = {700, 0xFF38};
    uint16_t lus[3] = {};
    ASSERT_EQ(modbus_write_and_read_registers(ctx, ADRESSE_BLOC, 2, k, ADRESSE_CALIBRE, 1, lus), 1)
        << modbus_strerror(errno);
    EXPECT_EQ(lus[0], CalibreDeClasse(banc.config().classe));
    ASSERT_EQ(modbus_write_and_read_registers(ctx, ADRESSE_BLOC + 1, 1, k, ADRESSE_BLOC, 3, lus), 3);
    EXPECT_EQ(std::vector<uint16_t>(lus, lus + 3), (std::vector<uint16_t>{700, 700, 3}));
    EXPECT_EQ(modbus_write_register(ctx, NB_REGISTRES, 1), -1);
    EXPECT_EQ(errno, EMBXILADD);
    EXPECT_EQ(modbus_read_input_registers(ctx, ADRESSE_MESURES, 1, lus), -1);
    EXPECT_EQ(errno, EMBXILFUN);
}

TEST(ServeurPty, AnswersAnIndependentMaster) {
    TBanc banc;
    std::string erreur;
    auto s = TServeurLigne::ouvrePty(banc, 0, TCadence{1, 0.05}, {}, &erreur);
    ASSERT_TRUE(s) << erreur;
    MaitreRtu m(s->chemin());
    ASSERT_EQ(modbus_connect(m.ctx), 0) << modbus_strerror(errno);
    EchangesDuProgramme(m.ctx, banc);
    EchangesStandard(m.ctx, banc);
    EXPECT_GE(s->echanges(), 5);
}

TEST(ServeurTcp, AnswersAnIndependentMaster) {
    TBanc banc;
    std::string erreur;
    auto s = TServeurTcp::ouvre(banc, "127.0.0.1", 0, TCadence{1, 0.05}, {}, &erreur);
    ASSERT_TRUE(s) << erreur;
    ASSERT_GT(s->port(), 0);
    modbus_t* ctx = modbus_new_tcp("127.0.0.1", s->port());
    modbus_set_slave(ctx, 1);
    modbus_set_response_timeout(ctx, 1, 0);
    ASSERT_EQ(modbus_connect(ctx), 0) << modbus_strerror(errno);
    EchangesDuProgramme(ctx, banc);
    EchangesStandard(ctx, banc);
    modbus_close(ctx);
    modbus_free(ctx);
}

TEST(ServeurPty, ModelOneTakesTheZeroByteAndRepliesInTheStandardLayout) {
    TBanc banc;
    auto s = TServeurLigne::ouvrePty(banc, 1, TCadence{1, 0.01});
    ASSERT_TRUE(s);
    LigneBrute l(s->chemin());
    ASSERT_TRUE(l.ouverte());
    Octets calibre{0x01, 0x03, 0x02, 0x05, 0xDC}; // 1500, the class-2 rating
    AjouteCrc(calibre);
    EXPECT_EQ(l.echange(RequeteLectureRtu(ADRESSE_CALIBRE, 1, 1)), calibre);
    const uint16_t un[] = {1};
    const auto r = l.echange(RequeteEcritureRtu(ADRESSE_CONTROLE, un, 1));
    ASSERT_EQ(r.size(), 8u);
    EXPECT_EQ(Octets(r.begin(), r.begin() + 6), (Octets{0x01, 0x10, 0x07, 0xEC, 0x00, 0x01}));
    EXPECT_TRUE(CrcValide(r));
    // Functions 6 and 23 take the zero byte in each address; the replies stay standard.
    const Octets un6{0x06, 0x07, 0x25, 0x00, 0x2A};
    Octets echo{0x01, 0x06, 0x07, 0x25, 0x00, 0x2A}; // the request, echoed in the standard layout
    AjouteCrc(echo);
    EXPECT_EQ(l.echange(RequeteRtu(un6, 1)), echo);
    const Octets lecture23{0x17, 0x07, 0x25, 0x00, 0x01, 0x07, 0x7F, 0x00, 0x01, 0x02, 0x01, 0xF4};
    Octets attendu23{0x01, 0x17, 0x02, 0x00, 0x2A};
    AjouteCrc(attendu23);
    EXPECT_EQ(l.echange(RequeteRtu(lecture23, 1)), attendu23);
    EXPECT_EQ(banc.litRegistre(ADRESSE_BLOC), 500);
    // A standard frame never completes the model-1 request: silence, and the next one is served.
    EXPECT_TRUE(l.echange(RequeteLectureRtu(ADRESSE_CALIBRE, 1, 0)).empty());
    EXPECT_EQ(l.echange(RequeteLectureRtu(ADRESSE_MESURES, 10, 1)).size(), 25u);
}

TEST(ServeurPty, AnswersAnUnknownFunctionOnceTheLineFallsSilent) {
    TBanc banc;
    auto s = TServeurLigne::ouvrePty(banc, 0);
    ASSERT_TRUE(s);
    LigneBrute l(s->chemin());
    Octets t{0x01, 0x2B, 0x0E, 0x01, 0x00};
    AjouteCrc(t);
    const auto r = l.echange(t);
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[1], 0xAB);
    EXPECT_EQ(r[2], EXCEPTION_FONCTION);
}

TEST(ServeurPty, FollowsTheRequestsInSimulatedTime) {
    TBanc banc;
    auto s = TServeurLigne::ouvrePty(banc, 0, TCadence{1, 0.1});
    ASSERT_TRUE(s);
    LigneBrute l(s->chemin());
    for (int i = 0; i < 20; ++i)
        l.echange(RequeteLectureRtu(ADRESSE_CALIBRE, 1, 0), 30);
    EXPECT_NEAR(banc.etat().temps, 2.0, TBanc::PAS);
    EXPECT_GT(banc.etat().vitesse, 1500);
}

struct TDefautLigne {
    const char* nom;
    const char* defauts;
    std::size_t longueur;
    bool crcBon;
};

class DefautLigne : public testing::TestWithParam<TDefautLigne> {};

TEST_P(DefautLigne, ReachesTheMasterAsStated) {
    TBanc banc;
    auto s = TServeurLigne::ouvrePty(banc, 0, {}, *LitDefauts(GetParam().defauts));
    ASSERT_TRUE(s);
    LigneBrute l(s->chemin());
    const auto r = l.echange(RequeteLectureRtu(ADRESSE_MESURES, 10, 0));
    EXPECT_EQ(r.size(), GetParam().longueur);
    EXPECT_EQ(r.size() >= 25 && CrcValide(std::span(r).first(25)), GetParam().crcBon);
    // The request was carried out all the same, and the line serves on.
    EXPECT_EQ(s->echanges(), 1);
    EXPECT_TRUE(s->actif());
}

INSTANTIATE_TEST_SUITE_P(Defauts, DefautLigne,
                         testing::Values(TDefautLigne{"NoReply", "no-reply", 0, false},
                                         TDefautLigne{"BadCrc", "bad-crc", 25, false},
                                         TDefautLigne{"Short", "short", 22, false},
                                         TDefautLigne{"Extra", "extra", 27, true}),
                         [](const auto& info) { return info.param.nom; });

TEST(ServeurPty, LibmodbusSeesABadCrcAndATimeOut) {
    TBanc banc;
    auto s = TServeurLigne::ouvrePty(banc, 0, {}, *LitDefauts("bad-crc@2,no-reply@3"));
    ASSERT_TRUE(s);
    MaitreRtu m(s->chemin());
    ASSERT_EQ(modbus_connect(m.ctx), 0);
    uint16_t v[10];
    EXPECT_EQ(modbus_read_registers(m.ctx, ADRESSE_MESURES, 10, v), 10);
    EXPECT_EQ(modbus_read_registers(m.ctx, ADRESSE_MESURES, 10, v), -1);
    EXPECT_EQ(errno, EMBBADCRC);
    EXPECT_EQ(modbus_read_registers(m.ctx, ADRESSE_MESURES, 10, v), -1);
    EXPECT_EQ(errno, ETIMEDOUT);
    // Exchange 4 is hit by the CRC rule again, exchange 5 by none.
    EXPECT_EQ(modbus_read_registers(m.ctx, ADRESSE_MESURES, 10, v), -1);
    EXPECT_EQ(modbus_read_registers(m.ctx, ADRESSE_MESURES, 10, v), 10);
}

TEST(ServeurPty, ClosesTheLineMidReply) {
    TBanc banc;
    auto s = TServeurLigne::ouvrePty(banc, 0, {}, *LitDefauts("close@2"));
    ASSERT_TRUE(s);
    LigneBrute l(s->chemin());
    EXPECT_EQ(l.echange(RequeteLectureRtu(ADRESSE_MESURES, 10, 0)).size(), 25u);
    EXPECT_EQ(l.echange(RequeteLectureRtu(ADRESSE_MESURES, 10, 0), 300).size(), 12u);
    EXPECT_TRUE(l.aRaccroche());
    for (int i = 0; i < 100 && s->actif(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(s->actif());
}

class Cadence : public testing::TestWithParam<int> {};

TEST_P(Cadence, PacesTheReplyBytesAtTheLineRate) {
    TBanc banc;
    TDefauts d;
    d.debitBauds = GetParam();
    auto s = TServeurLigne::ouvrePty(banc, 0, {}, d);
    ASSERT_TRUE(s);
    LigneBrute l(s->chemin());
    const auto r = l.echange(RequeteLectureRtu(ADRESSE_MESURES, 10, 0));
    ASSERT_EQ(r.size(), 25u);
    EXPECT_TRUE(CrcValide(r));
    // 24 byte times of 10 bits from the first byte of the reply to the last, and so at least as long
    // from the request to the last.
    const double attendu = 24 * 10.0 / GetParam();
    EXPECT_GE(l.dureeReponse(), 0.9 * attendu);
    EXPECT_LT(l.dureeReponse(), 3 * attendu + 0.1);
}

INSTANTIATE_TEST_SUITE_P(Debits, Cadence, testing::Values(19200, 2400));

TEST(BancSimule, TurnsInRealTimeBehindItsPseudoTerminal) {
    TConfigBanc c;
    c.machine = TypeMachine::VariateurMonophase;
    std::string erreur;
    auto demo = TBancSimule::surPty(c, 0, {}, {}, &erreur);
    ASSERT_TRUE(demo) << erreur;
    LigneBrute l(demo->chemin());
    // The drive-fed motor reaches 1000 tr/min within a few tenths of a second of wall time.
    int vitesse = 0;
    const auto debut = Horloge::now();
    while (vitesse < 1000 && Horloge::now() - debut < std::chrono::seconds(3)) {
        const auto r = l.echange(RequeteLectureRtu(ADRESSE_MESURES, 10, 0), 300, 25);
        ASSERT_EQ(r.size(), 25u);
        vitesse = static_cast<int16_t>(r[5] << 8 | r[6]);
    }
    EXPECT_GE(vitesse, 1000);
    EXPECT_GT(demo->banc().etat().temps, 0.05);
}

TEST(ServeurSerie, ServesADeviceWhoseOtherEndIsTheMaster) {
    // A pseudo-terminal stands for the cable: the server takes its slave side as the device.
    const int maitre = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(maitre, 0);
    ASSERT_EQ(grantpt(maitre), 0);
    ASSERT_EQ(unlockpt(maitre), 0);
    TBanc banc;
    std::string erreur;
    auto s = TServeurLigne::ouvreSerie(banc, ptsname(maitre), 1, {}, {}, &erreur);
    ASSERT_TRUE(s) << erreur;
    const auto requete = RequeteLectureRtu(ADRESSE_CALIBRE, 1, 1);
    ASSERT_EQ(write(maitre, requete.data(), requete.size()), static_cast<ssize_t>(requete.size()));
    Octets r;
    for (int i = 0; i < 100 && r.size() < 7; ++i) {
        pollfd p{maitre, POLLIN, 0};
        if (poll(&p, 1, 20) > 0) {
            uint8_t o[64];
            const ssize_t n = read(maitre, o, sizeof o);
            if (n > 0) r.insert(r.end(), o, o + n);
        }
    }
    ASSERT_EQ(r.size(), 7u);
    EXPECT_TRUE(CrcValide(r));
    EXPECT_EQ(r[3] << 8 | r[4], 1500);
    s->arrete();
    close(maitre);
}

TEST(ServeurTcp, ATimeOutAndADroppedConnectionThenServesANewOne) {
    TBanc banc;
    auto s = TServeurTcp::ouvre(banc, "127.0.0.1", 0, {}, *LitDefauts("no-reply@2,close@3"));
    ASSERT_TRUE(s);
    modbus_t* ctx = modbus_new_tcp("127.0.0.1", s->port());
    modbus_set_slave(ctx, 1);
    modbus_set_response_timeout(ctx, 0, 200000);
    ASSERT_EQ(modbus_connect(ctx), 0);
    uint16_t v[10];
    EXPECT_EQ(modbus_read_registers(ctx, ADRESSE_MESURES, 10, v), 10);
    EXPECT_EQ(modbus_read_registers(ctx, ADRESSE_MESURES, 10, v), -1);
    EXPECT_EQ(errno, ETIMEDOUT);
    EXPECT_EQ(modbus_read_registers(ctx, ADRESSE_MESURES, 10, v), -1); // cut mid-reply
    modbus_close(ctx);
    ASSERT_EQ(modbus_connect(ctx), 0);
    EXPECT_EQ(modbus_read_registers(ctx, ADRESSE_CALIBRE, 1, v), -1); // exchange 4: no reply again
    EXPECT_EQ(modbus_read_registers(ctx, ADRESSE_CALIBRE, 1, v), 1);
    EXPECT_EQ(v[0], 1500);
    EXPECT_TRUE(s->actif());
    modbus_close(ctx);
    modbus_free(ctx);
}

TEST(Serveur, StopsPromptlyAndTwice) {
    TBanc banc;
    auto s = TServeurLigne::ouvrePty(banc, 0);
    ASSERT_TRUE(s);
    const auto debut = Horloge::now();
    s->arrete();
    s->arrete();
    EXPECT_FALSE(s->actif());
    EXPECT_LT(Horloge::now() - debut, std::chrono::milliseconds(200));
}

TEST(Serveur, RefusesALineItCannotOpen) {
    TBanc banc;
    std::string erreur;
    EXPECT_FALSE(TServeurLigne::ouvreSerie(banc, "/nonexistent/ttyS99", 0, {}, {}, &erreur));
    EXPECT_NE(erreur.find("/nonexistent/ttyS99"), std::string::npos);
    EXPECT_FALSE(TServeurTcp::ouvre(banc, "not-an-address", 0, {}, {}, &erreur));
}

} // namespace
