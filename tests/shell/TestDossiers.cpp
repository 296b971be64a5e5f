// Where the program takes its delivered data, keeps its settings and its works: everything in the
// program folder, or, installed, the data beside the executable and the rest in the user's folders.
#include "socle/Dossiers.h"
#include "socle/Textes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CasDisposition {
    const char* nom;
    const char* executable; // folders of the temporary tree
    const char* courant;
    const char* programme;
    const char* config;
    const char* travaux; // in French, then in Spanish
    const char* trabajos;
};

class DispositionDossiers : public testing::TestWithParam<CasDisposition> {
protected:
    QTemporaryDir d;
    QByteArray home = qgetenv("HOME"), xdg = qgetenv("XDG_CONFIG_HOME");

    void SetUp() override {
        qputenv("HOME", chemin("maison").toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        for (const char* f : {"build", "arbre/usr/bin", "arbre/usr/share/vimra", "ailleurs", "maison"})
            ASSERT_TRUE(QDir().mkpath(chemin(f)));
    }
    void TearDown() override {
        qputenv("HOME", home);
        if (!xdg.isEmpty()) qputenv("XDG_CONFIG_HOME", xdg);
        AppliqueLangue(1);
    }
    QString chemin(const char* f) const { return QFileInfo(QDir(d.path()).filePath(f)).absoluteFilePath(); }
};

TEST_P(DispositionDossiers, TakesTheDataAndKeepsTheFilesWhereTheLayoutSays) {
    const CasDisposition& c = GetParam();
    AppliqueLangue(1);
    Dossiers& o = dossiers();
    o.choisit(chemin(c.executable), chemin(c.courant));
    EXPECT_EQ(o.DossierProgramme, chemin(c.programme));
    EXPECT_EQ(o.DossierApplications, chemin(c.programme) + "/Vimra_app");
    EXPECT_EQ(o.DossierConfig, chemin(c.config));
    EXPECT_TRUE(QFileInfo(o.DossierConfig).isDir());
    EXPECT_EQ(o.DossierTravaux, chemin(c.travaux));
    EXPECT_TRUE(QFileInfo(o.DossierTravaux).isDir()) << "the work folder is created at start-up";
    AppliqueLangue(3);
    o.suitLangue();
    EXPECT_EQ(o.DossierTravaux, chemin(c.trabajos));
    EXPECT_TRUE(QFileInfo(o.DossierTravaux).isDir()) << "and when the language changes";
    EXPECT_TRUE(QDir(chemin("ailleurs")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Dispositions, DispositionDossiers,
                         testing::Values(CasDisposition{"programFolder", "build", "build", "build", "build",
                                                        "build/Fichiers", "build/Ficheros"},
                                         CasDisposition{"installedTree", "arbre/usr/bin", "ailleurs",
                                                        "arbre/usr/share/vimra", "maison/.config/Vimra",
                                                        "maison/Documents/Vimra/Fichiers",
                                                        "maison/Documents/Vimra/Ficheros"}),
                         [](const auto& i) { return std::string(i.param.nom); });

} // namespace
