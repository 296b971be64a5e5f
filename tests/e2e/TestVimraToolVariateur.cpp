// vimra-tool talking to a drive on a serial line, as a user checks a drive from a terminal.
#include "EsclavePty.h"

#include "Processus.h"

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

} // namespace
