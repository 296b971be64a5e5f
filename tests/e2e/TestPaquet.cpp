// The Debian package unpacked into a temporary folder and run from there, as a lab PC runs the
// installed program: its data found beside the executable, its settings and works in the user's
// folders, nothing written inside the tree.
#include "Processus.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

class Paquet : public testing::Test {
protected:
    QTemporaryDir dossier;
    QString deb, arbre, maison;

    void SetUp() override {
        const QDir paquets(VIMRA_PAQUETS);
        const QStringList debs = paquets.entryList({"vimra_" VIMRA_VERSION "_*.deb"}, QDir::Files);
        ASSERT_EQ(debs.size(), 1) << "built by the test Package.IsBuiltForTheTestsThatUnpackIt";
        deb = paquets.filePath(debs.first());
        arbre = QDir(dossier.path()).filePath("arbre");
        maison = QDir(dossier.path()).filePath("maison");
        ASSERT_TRUE(QDir().mkpath(maison));
        const Sortie x = lance("dpkg-deb", {"-x", deb, arbre});
        ASSERT_EQ(x.code, 0) << x.err.toStdString();
    }
    QString dans(const QString& chemin) const { return QDir(arbre).filePath(chemin); }
    // Every file of the tree, to see that a run wrote nothing there.
    QStringList fichiers() const {
        QStringList l;
        for (QDirIterator i(arbre, QDir::Files, QDirIterator::Subdirectories); i.hasNext();)
            l << i.next();
        l.sort();
        return l;
    }
};

TEST_F(Paquet, LaysOutTheProgramItsDataAndItsDesktopFiles) {
    QStringList attendus = {"usr/bin/vimra",
                            "usr/bin/vimra-tool",
                            "usr/bin/vimra-bench",
                            "usr/share/vimra/CFGAPPFR.cfg",
                            "usr/share/vimra/Vimra_app/pompes.jpg",
                            "usr/share/vimra/Vimra_Fiches/Fiche pompage_FR.pdf",
                            "usr/share/vimra/Cablage_SP/Cablage MAS_Fr.pdf",
                            "usr/share/vimra/Exemples/Caracteristique MAS.MLX2",
                            "usr/share/vimra/Exemples/Pompe centrifuge.Vimr2",
                            "usr/share/applications/fr.vimra.Vimra.desktop",
                            "usr/share/metainfo/fr.vimra.Vimra.metainfo.xml",
                            "usr/share/icons/hicolor/scalable/apps/fr.vimra.Vimra.svg",
                            "usr/share/man/man1/vimra-tool.1.gz",
                            "usr/share/man/man1/vimra-bench.1.gz"};
    for (int n : {16, 22, 24, 32, 48, 64, 128, 256})
        attendus << QString("usr/share/icons/hicolor/%1x%1/apps/fr.vimra.Vimra.png").arg(n);
    for (const QString& f : attendus)
        EXPECT_TRUE(QFileInfo(dans(f)).isFile()) << f.toStdString();
    EXPECT_TRUE(QFileInfo(dans("usr/bin/vimra")).isExecutable());

    // The libraries come from what the binaries link; Qt's translations are named by hand.
    const Sortie d = lance("dpkg-deb", {"--field", deb, "Depends"});
    ASSERT_EQ(d.code, 0);
    for (const char* p : {"libqt6widgets6", "libqt6serialport6", "libqt6pdfwidgets6", "libjpeg62-turbo",
                          "qt6-translations-l10n"})
        EXPECT_TRUE(d.out.contains(p)) << p << " missing from " << d.out.toStdString();
}

TEST_F(Paquet, ItsCompanionReadsTheDeliveredExamples) {
    const Sortie v = lance(dans("usr/bin/vimra"), {"--version"});
    EXPECT_EQ(v.code, 0);
    EXPECT_TRUE(v.out.contains(VIMRA_VERSION)) << v.out.toStdString();
    for (const char* exemple : {"Caracteristique MAS.MLX2", "Pompe centrifuge.Vimr2"}) {
        const Sortie s =
            lance(dans("usr/bin/vimra-tool"), {"dump", dans("usr/share/vimra/Exemples/") + exemple});
        EXPECT_EQ(s.code, 0) << exemple << ": " << s.err.toStdString();
        EXPECT_GT(s.out.count('\n'), 10) << exemple;
    }
}

TEST_F(Paquet, TheDemoRunsFromTheTreeAndKeepsItsFilesInTheUsersFolders) {
    const QStringList avant = fichiers();
    QTemporaryDir ailleurs; // the current folder of a program started from a menu
    QProcess p;
    p.setWorkingDirectory(ailleurs.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", maison);
    for (const char* v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.remove(v);
    p.setProcessEnvironment(env);
    p.start(dans("usr/bin/vimra"), {"--demo"});
    ASSERT_TRUE(p.waitForStarted(5000));
    const QByteArray err = attendErreur(p, "link open", 15000);
    ASSERT_TRUE(err.contains("link open, drive rating 1500")) << err.toStdString();
    ::kill(pid_t(p.processId()), SIGTERM);
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);

    EXPECT_EQ(QFileInfo(QDir(maison).filePath(".config/Vimra/CFGVimra.cfg")).size(), 80);
    EXPECT_TRUE(QFileInfo(QDir(maison).filePath("Documents/Vimra/Fichiers")).isDir());
    EXPECT_EQ(fichiers(), avant) << "nothing is written inside the installed tree";
    EXPECT_TRUE(QDir(ailleurs.path()).isEmpty());
}

} // namespace
