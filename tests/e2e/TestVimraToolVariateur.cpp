// vimra-tool talking to a drive on a serial line, as a user checks a drive from a terminal.
#include "EsclavePty.h"

#include "Processus.h"
#include "simulator/Banc.h"
#include "simulator/ServeurBanc.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

Sortie lance(const QStringList& args) {
    return lance(VIMRA_TOOL, args);
}

class OutilVariateur : public testing::Test {
protected:
    EsclavePty esclave;
    void pose(int a, int v) {
        esclave.avec([&](EsclaveScripte& e) { return e.registres[uint16_t(a)] = uint16_t(v); });
    }
    uint16_t registre(int a) {
        return esclave.avec([&](EsclaveScripte& e) { return e.registres[uint16_t(a)]; });
    }
    QStringList port() const { return {"--port", esclave.pty.chemin(), "--model", "0"}; }
};

TEST_F(OutilVariateur, ReadsAndWritesRegisters) {
    pose(1131, 1800);
    Sortie s = lance(QStringList{"read", "11.32"} + port());
    ASSERT_EQ(s.code, 0) << s.err.toStdString();
    EXPECT_EQ(s.out, "1800\n");

    s = lance(QStringList{"write10", "19.20", "1000", "-2", "5"} + port());
    ASSERT_EQ(s.code, 0) << s.err.toStdString();
    EXPECT_EQ(registre(1920), 0xFFFE);

    s = lance(QStringList{"read10", "19.20", "3"} + port());
    EXPECT_EQ(s.out, "1000 -2 5\n");

    s = lance(QStringList{"write", "20.29", "261"} + port());
    ASSERT_EQ(s.code, 0);
    EXPECT_EQ(registre(2028), 261); // the tool writes what it is told and nothing more
}

TEST_F(OutilVariateur, MeasurePrintsTheMeasurementVector) {
    const int mots[10] = {4, 1450, 700, 0, 0, 2000, 0, 2300, 0, 400};
    for (int i = 0; i < 10; ++i)
        pose(2001 + i, mots[i]);
    const Sortie s = lance(QStringList{"measure", "--machine", "3"} + port());
    ASSERT_EQ(s.code, 0) << s.err.toStdString();
    const QStringList lignes = QString::fromUtf8(s.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 12);
    EXPECT_EQ(lignes[0], "0\t0");
    EXPECT_EQ(lignes[3], "3\t10630");
    EXPECT_EQ(lignes[5], "5\t2000");
    EXPECT_EQ(lignes[9], "9\t869");
    const Sortie s2 = lance(QStringList{"measure", "--machine", "3", "--range", "2"} + port());
    EXPECT_EQ(QString::fromUtf8(s2.out).split('\n')[5], "5\t200");
}

TEST_F(OutilVariateur, ASilentDriveIsACommunicationError) {
    esclave.avec([](EsclaveScripte& e) { return e.defaut = EsclaveScripte::Defaut::Silence; });
    const Sortie s = lance(QStringList{"read", "11.32"} + port());
    EXPECT_EQ(s.code, 2);
    EXPECT_TRUE(s.out.isEmpty());
    EXPECT_TRUE(s.err.contains("Erreur de communication")) << s.err.toStdString();
}

TEST(OutilSansVariateur, AMissingPortIsAConnectionError) {
    const Sortie s = lance({"measure", "--port", "/dev/vimra-absent"});
    EXPECT_EQ(s.code, 2);
    EXPECT_TRUE(s.err.contains("Erreur de liaison"));
}

// watch follows the simulated bench live, as a script or a notebook reads it.
class Suivi : public testing::Test {
protected:
    TBanc banc{[] {
        TConfigBanc c;
        c.machine = TypeMachine::Asynchrone;
        return c;
    }()};

    std::unique_ptr<TServeurLigne> sert(const char* defauts = "") {
        auto s = TServeurLigne::ouvrePty(banc, 0, {}, *LitDefauts(defauts));
        EXPECT_TRUE(s);
        return s;
    }
    static QStringList args(const TServeurLigne& s, QStringList autres) {
        return QStringList{"watch",     "--port", QString::fromStdString(s.chemin()), "--model", "0",
                           "--machine", "3"} +
               autres;
    }
};

const char* const ENTETE = "t (s),n (tr/min),Tu (Nm),Pm (W),U (V),I (A),Pe (W),Ie (A),Rd,Fp,Pertes (W)";

TEST_F(Suivi, PrintsAHeaderThenOneCsvRowPerCycleOnTheTimeBase) {
    const auto s = sert();
    ASSERT_TRUE(s);
    const Sortie r = lance(args(*s, {"--count", "4", "--every", "100"}));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    const QStringList lignes = QString::fromUtf8(r.out).split("\r\n");
    ASSERT_EQ(lignes.size(), 6) << r.out.toStdString(); // header, four rows, the end of the last
    EXPECT_EQ(lignes[0], ENTETE);
    EXPECT_EQ(lignes[5], "");
    double avant = -1;
    for (int i = 1; i <= 4; ++i) {
        const QStringList champs = lignes[i].split(',');
        ASSERT_EQ(champs.size(), 11) << lignes[i].toStdString();
        bool ok = false;
        const double t = champs[0].toDouble(&ok);
        ASSERT_TRUE(ok) << lignes[i].toStdString();
        EXPECT_TRUE(champs[2].contains('.')); // the torque, dot decimal
        if (avant >= 0) {
            EXPECT_NEAR(t - avant, 0.10, 0.05) << lignes[i].toStdString();
        }
        avant = t;
        EXPECT_GT(champs[1].toInt(), 0); // the asynchronous machine turns
        EXPECT_EQ(champs[4], "230.0");   // its phase voltage
    }
}

TEST_F(Suivi, ALostCycleIsToldOnStandardErrorAndPrintsNoRow) {
    // Exchanges 5 and 10 go unanswered: the read of the third cycle, the echo of the fifth.
    const auto s = sert("no-reply@5");
    ASSERT_TRUE(s);
    const Sortie r = lance(args(*s, {"--count", "4", "--every", "20"}));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count("\r\n"), 5);
    EXPECT_EQ(r.err.count("Erreur de communication"), 2) << r.err.toStdString();
}

TEST_F(Suivi, AnInterruptEndsItCleanlyAfterAWholeRow) {
    const auto s = sert();
    ASSERT_TRUE(s);
    QProcess p;
    p.start(VIMRA_TOOL, args(*s, {"--every", "20"}));
    QByteArray out;
    while (out.count("\r\n") < 3 && p.waitForReadyRead(3000))
        out += p.readAllStandardOutput();
    ASSERT_GE(out.count("\r\n"), 3) << out.toStdString();
    p.terminate(); // SIGTERM
    ASSERT_TRUE(p.waitForFinished(3000));
    out += p.readAllStandardOutput();
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(out.endsWith("\r\n"));
    EXPECT_TRUE(p.readAllStandardError().isEmpty());
}

TEST(SuiviSansVariateur, AMissingPortIsAConnectionErrorAndBadOptionsAreUsageErrors) {
    const Sortie s = lance({"watch", "--port", "/dev/vimra-absent", "--count", "1"});
    EXPECT_EQ(s.code, 2);
    EXPECT_TRUE(s.err.contains("Erreur de liaison"));
    EXPECT_TRUE(s.out.isEmpty());
    EXPECT_EQ(lance({"watch", "--port", "/dev/vimra-absent", "--every", "0"}).code, 1);
    EXPECT_EQ(lance({"watch", "--port", "/dev/vimra-absent", "--count", "-1"}).code, 1);
    EXPECT_EQ(lance({"watch", "--count", "1"}).code, 1);
}

} // namespace
