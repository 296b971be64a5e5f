// The program itself on its built-in simulated bench, as `make run` starts it.
#include "Processus.h"
#include "socle/ConfigGenerale.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(Demo, StartsOpensTheLinkToTheBenchAndQuitsCleanly) {
    QTemporaryDir dossier;
    // A settings file of the user's, with a network link that the demo must leave as it is.
    TConfigGenerale c = TConfigGenerale::defaut();
    c.TypeLiaison = 0;
    c.PortCom.setTexte("COM3");
    const QByteArray avant = c.octets();
    {
        QFile f(QDir(dossier.path()).filePath("CFGVimra.cfg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(avant);
    }
    QProcess p;
    p.setWorkingDirectory(dossier.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(VIMRA, {"--demo"});
    ASSERT_TRUE(p.waitForStarted(5000));

    QByteArray err = attendErreur(p, "control word 1 on the bench", 10000);
    ASSERT_TRUE(err.contains("link open, drive rating 1500, power class 2, control word 1 on the bench"))
        << err.toStdString();

    QElapsedTimer t;
    t.start();
    ::kill(pid_t(p.processId()), SIGTERM);
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_LT(t.elapsed(), 5000);
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    err += p.readAllStandardError();
    EXPECT_TRUE(err.contains("last received control word 0")) << err.toStdString();

    QFile f(QDir(dossier.path()).filePath("CFGVimra.cfg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), avant); // the demo bench is not written as the user's link
}

TEST(Demo, HelpAndVersion) {
    QProcess p;
    p.start(VIMRA, {"--version"});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_TRUE(p.readAllStandardOutput().contains("1.7"));
    p.start(VIMRA, {"--help"});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_TRUE(p.readAllStandardOutput().contains("--demo"));
}

} // namespace
