// The link on a real serial line: the system's port code on a pseudo-terminal whose other end is a
// scripted slave, with the real clock.
#include "DialoguesScriptes.h"
#include "EsclavePty.h"
#include "link/Horloge.h"
#include "link/MachineDuTravail.h"
#include "link/PortSerie.h"
#include "socle/ConfigGenerale.h"
#include "work/Travail.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using Defaut = EsclaveScripte::Defaut;

class LigneSerie : public testing::TestWithParam<int> {
protected:
    EsclavePty esclave;
    std::unique_ptr<PortSerie> port = creePortSerieSysteme();
    std::unique_ptr<BibliothequeReseau> reseau = creeBibliothequeModbusTcp();
    TConfigGenerale config = TConfigGenerale::defaut();
    std::unique_ptr<Travail> travail = std::make_unique<Travail>();
    SessionTravail session;
    DialoguesScriptes dialogues;
    std::unique_ptr<Liaison> liaison;

    void SetUp() override {
        ASSERT_TRUE(esclave.pty.ok());
        config.TypeLiaison = 1;
        config.TypeVariateur = GetParam();
        liaison =
            std::make_unique<Liaison>(*port, *reseau, horlogeSysteme(), config, machineDuTravail(session));
        liaison->serie().NomPortImpose = esclave.pty.chemin();
        esclave.avec([&](EsclaveScripte& e) {
            e.modele = GetParam();
            e.registres[1131] = 1800;
            return 0;
        });
        liaison->Initialise();
        ASSERT_TRUE(liaison->LinkOpen);
    }
    void pose(int menu, int parametre, int v) {
        esclave.avec([&](EsclaveScripte& e) {
            return e.registres[uint16_t(menu * 100 + parametre - 1)] = uint16_t(v);
        });
    }
    void defaut(Defaut d) {
        esclave.avec([&](EsclaveScripte& e) { return e.defaut = d; });
    }
};

TEST_P(LigneSerie, InitialiseReadsTheRatingAndArmsTheDrive) {
    EXPECT_EQ(liaison->DriveRating, 1800);
    EXPECT_EQ(config.ClassePuissance, 3);
    EXPECT_EQ(esclave.avec([](EsclaveScripte& e) { return e.registres[2028]; }), 1);
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
}

TEST_P(LigneSerie, AFullMeasurementCycle) {
    session.ModeleEssai.TypeMachine() = 3;
    const int mots[10] = {0x0004, 1450, 700, 0, 0, 2000, 0, 2300, 0, 400};
    for (int i = 0; i < 10; ++i)
        pose(20, 2 + i, mots[i]);
    ASSERT_TRUE(liaison->LectureValeurs());
    EXPECT_EQ(liaison->Mesures[0], 0);
    EXPECT_EQ(liaison->Mesures[3], 10630);
    EXPECT_EQ(liaison->Mesures[9], 869);
    EXPECT_EQ(esclave.avec([](EsclaveScripte& e) { return e.registres[1829]; }), 5);
}

TEST_P(LigneSerie, BlockWritesAndSignedWords) {
    liaison->ParamBlock = {1000, -1, 32767, -2, 5, 0};
    liaison->EmissionParam();
    EXPECT_EQ(liaison->LastResult, 0);
    EXPECT_EQ(esclave.avec([](EsclaveScripte& e) { return e.registres[1920]; }), 0xFFFF);
    Valeurs10 v{};
    liaison->Read10RegModbus(19, 20, 6, v);
    EXPECT_EQ(v, (Valeurs10{1000, -1, 32767, -2, 5, 0, 0, 0, 0, 0}));
    EXPECT_EQ(liaison->ReadRegModbus(19, 21), 65535);
}

struct CasDefaut {
    const char* nom;
    Defaut defaut;
    bool lecture; // single read of 11.32, else single write of 20.29
    int32_t code;
    int maxMs; // the port's time-outs, plus the 10 ms pause of a read, plus a margin
};

class DefautLigne : public LigneSerie {};

const CasDefaut defauts[] = {
    {"readBadCrc", Defaut::MauvaisCrc, true, 1, 150},
    {"readShort", Defaut::Court, true, 1, 10 + 100 + 150},
    {"readException", Defaut::Exception, true, 1, 10 + 100 + 150},
    {"readSilence", Defaut::Silence, true, 1, 10 + 170 + 150},
    {"writeBadCrc", Defaut::MauvaisCrc, false, 3, 150},
    {"writeShort", Defaut::Court, false, 4, 100 + 150},
    {"writeException", Defaut::Exception, false, 4, 100 + 150},
    {"writeSilence", Defaut::Silence, false, 4, 180 + 150},
};

TEST_P(DefautLigne, GivesItsResultCodeWithinTheTimeOuts) {
    for (const CasDefaut& c : defauts) {
        defaut(c.defaut);
        QElapsedTimer t;
        t.start();
        if (c.lecture) {
            liaison->ReadRegModbus(11, 32);
        } else {
            liaison->WriteRegModbus(20, 29, 1);
        }
        const qint64 ms = t.elapsed();
        EXPECT_EQ(liaison->LastResult, c.code) << c.nom;
        EXPECT_LE(ms, c.maxMs) << c.nom;
        if (c.defaut == Defaut::Silence) {
            EXPECT_GE(ms, c.lecture ? 170 : 180) << c.nom;
        }
    }
    defaut(Defaut::Aucun);
    EXPECT_EQ(liaison->ReadRegModbus(11, 32), 1800); // the line recovers at the next exchange
    EXPECT_EQ(liaison->LastResult, 0);
}

TEST_P(LigneSerie, ABlockWithABadCrcKeepsItsWordsOnTheRealLine) {
    pose(20, 2, 77);
    defaut(Defaut::MauvaisCrc);
    Valeurs10 v{};
    liaison->Read10RegModbus(20, 2, 10, v);
    EXPECT_EQ(liaison->LastResult, 3);
    EXPECT_EQ(v[0], 77);
}

TEST_P(LigneSerie, ARepliesPacedAt19200BaudArriveWhole) {
    esclave.microsParOctet = 521;
    pose(20, 3, 1500);
    EXPECT_TRUE(liaison->LectureValeurs());
    EXPECT_EQ(liaison->Mesures[1], 1500);
}

TEST_P(LigneSerie, RepliesSlowerThanTheByteTimeOutFail) {
    esclave.microsParOctet = 130'000; // more than 100 ms between two bytes
    QElapsedTimer t;
    t.start();
    liaison->WriteRegModbus(20, 29, 1);
    EXPECT_EQ(liaison->LastResult, 4);
    EXPECT_LE(t.elapsed(), 100 + 80 + 200);
    esclave.microsParOctet = 0;
}

INSTANTIATE_TEST_SUITE_P(Modeles, LigneSerie, testing::Values(0, 1),
                         [](const auto& i) { return "model" + std::to_string(i.param); });
INSTANTIATE_TEST_SUITE_P(Modeles, DefautLigne, testing::Values(0, 1),
                         [](const auto& i) { return "model" + std::to_string(i.param); });

TEST(PortSysteme, AnEmptyOrMissingNameDoesNotOpen) {
    auto port = creePortSerieSysteme();
    EXPECT_FALSE(port->ouvre(""));
    EXPECT_FALSE(port->ouvre("/dev/vimra-absent"));
    EXPECT_FALSE(port->estOuvert());
}

TEST(PortSysteme, AReplyOneByteShortIsAnEmptyFailedRead) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    auto port = creePortSerieSysteme();
    ASSERT_TRUE(port->ouvre(pty.chemin()));
    pty.ecrit("abcd");
    QByteArray recu = "x";
    EXPECT_FALSE(port->lit(5, recu));
    EXPECT_TRUE(recu.isEmpty());
    pty.ecrit("abcde");
    EXPECT_TRUE(port->lit(5, recu));
    EXPECT_EQ(recu, "abcde");
}

// A port another program holds: the link says "Erreur de liaison" and stays closed.
TEST(PortSysteme, APortHeldByAnotherProgramGivesTheLinkError) {
    EsclavePty esclave;
    ASSERT_TRUE(esclave.pty.ok());
    auto detenteur = creePortSerieSysteme();
    ASSERT_TRUE(detenteur->ouvre(esclave.pty.chemin()));
    auto port = creePortSerieSysteme();
    auto reseau = creeBibliothequeModbusTcp();
    TConfigGenerale config = TConfigGenerale::defaut();
    config.TypeLiaison = 1;
    auto travail = std::make_unique<Travail>();
    SessionTravail session;
    DialoguesScriptes dialogues;
    Liaison liaison(*port, *reseau, horlogeSysteme(), config, machineDuTravail(session));
    liaison.serie().NomPortImpose = esclave.pty.chemin();
    liaison.Initialise();
    EXPECT_FALSE(liaison.LinkOpen);
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de liaison"});
    // Once the other program lets it go, the same link opens.
    detenteur->ferme();
    dialogues.avertissements.clear();
    liaison.Initialise();
    EXPECT_TRUE(liaison.LinkOpen);
}

// Bytes a late reply left on the line are gone before the next request.
TEST(PortSysteme, APurgeDiscardsWhatWaitsOnTheLine) {
    Pty pty;
    ASSERT_TRUE(pty.ok());
    auto port = creePortSerieSysteme();
    ASSERT_TRUE(port->ouvre(pty.chemin()));
    pty.ecrit("late");
    QThread::msleep(20);
    port->purge();
    pty.ecrit("fresh");
    QByteArray recu;
    EXPECT_TRUE(port->lit(5, recu));
    EXPECT_EQ(recu, "fresh");
    port->purge(); // nothing waits: nothing to discard, nothing lost
    pty.ecrit("again");
    EXPECT_TRUE(port->lit(5, recu));
    EXPECT_EQ(recu, "again");
}

} // namespace
