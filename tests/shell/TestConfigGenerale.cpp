#include "DialoguesScriptes.h"
#include "DossierVerrouille.h"
#include "socle/ConfigGenerale.h"
#include "socle/Textes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Config : public testing::Test {
protected:
    QTemporaryDir dossier;
    DialoguesScriptes dialogues;

    void SetUp() override { ConfigGenerale() = TConfigGenerale::defaut(); }
    void TearDown() override {
        ConfigGenerale() = TConfigGenerale::defaut();
        AppliqueLangue(1);
    }
    QString chemin() const { return QDir(dossier.path()).filePath("CFGVimra.cfg"); }
    void ecrit(const QByteArray& b) const {
        QFile f(chemin());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    QByteArray lit() const {
        QFile f(chemin());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(Config, DefaultRecordHasTheDocumentedBytes) {
    const QByteArray b = TConfigGenerale::defaut().octets();
    ASSERT_EQ(b.size(), 80);
    QByteArray attendu(80, '\0');
    attendu[0] = 2; // ClassePuissance
    attendu[5] = 1; // reserved 1, 0, 0
    attendu[8] = 8; // TypeLiaison
    attendu.replace(12, 5,
                    QByteArray("\x04"
                               "COM8"));
    attendu.replace(23, 4,
                    QByteArray("\x03"
                               "192"));
    attendu.replace(34, 4,
                    QByteArray("\x03"
                               "168"));
    attendu.replace(45, 2,
                    QByteArray("\x01"
                               "1"));
    attendu.replace(56, 4,
                    QByteArray("\x03"
                               "100"));
    attendu[68] = 1;  // French
    attendu[72] = 50; // Hz
    attendu[76] = 1;  // drive model
    EXPECT_EQ(b.toHex(' '), attendu.toHex(' '));
}

TEST_F(Config, AFirstStartWithoutAFileKeepsTheDefaultsQuietly) {
    ConfigGenerale().ClassePuissance = 0;
    EXPECT_TRUE(ChargeConfig(dossier.path()));
    EXPECT_EQ(ConfigGenerale(), TConfigGenerale::defaut());
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
}

TEST_F(Config, AFileThatCannotBeReadKeepsTheDefaultsAndWarnsOnce) {
    ASSERT_TRUE(QDir(dossier.path()).mkdir("CFGVimra.cfg"));
    ConfigGenerale().ClassePuissance = 0;
    EXPECT_FALSE(ChargeConfig(dossier.path()));
    EXPECT_EQ(ConfigGenerale(), TConfigGenerale::defaut());
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de lecture du fichier"});
}

TEST_F(Config, ReservedBytesSurviveLoadAndSave) {
    QByteArray b = TConfigGenerale::defaut().octets();
    b[5] = char(0x5A), b[6] = char(0xA5), b[7] = char(0x7F), b[67] = char(0xEE);
    b[20] = 'Z'; // past the length of "COM8": kept as read
    b[0] = 3;
    ecrit(b);
    ASSERT_TRUE(ChargeConfig(dossier.path()));
    EXPECT_EQ(ConfigGenerale().ClassePuissance, 3);
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
    ASSERT_TRUE(SauveConfig(dossier.path()));
    EXPECT_EQ(lit().toHex(), b.toHex());
}

TEST_F(Config, ShortFileReplacesOnlyTheStartAndWarns) {
    QByteArray b = TConfigGenerale::defaut().octets().left(12);
    b[0] = 1; // class
    b[4] = 6; // colour scheme
    b[8] = 1; // serial link
    ecrit(b);
    EXPECT_FALSE(ChargeConfig(dossier.path()));
    EXPECT_EQ(ConfigGenerale().ClassePuissance, 1);
    EXPECT_EQ(ConfigGenerale().SchemaCouleurs, 6);
    EXPECT_EQ(ConfigGenerale().TypeLiaison, 1);
    EXPECT_EQ(ConfigGenerale().PortCom.texte(), "COM8");
    EXPECT_EQ(ConfigGenerale().FrequenceReseau, 50);
    EXPECT_EQ(dialogues.avertissements.size(), 1);
}

class LangueDuFichier : public testing::TestWithParam<std::pair<int, const char*>> {};

TEST_P(LangueDuFichier, AppliesTheLanguageOfTheFile) {
    QTemporaryDir dossier;
    DialoguesScriptes d;
    TConfigGenerale c = TConfigGenerale::defaut();
    c.LangueConfig = GetParam().first;
    QFile f(QDir(dossier.path()).filePath("CFGVimra.cfg"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(c.octets());
    f.close();
    ASSERT_TRUE(ChargeConfig(dossier.path()));
    EXPECT_EQ(Textes().Texte[1], GetParam().second);
    AppliqueLangue(1);
    ConfigGenerale() = TConfigGenerale::defaut();
}

INSTANTIATE_TEST_SUITE_P(Codes, LangueDuFichier,
                         testing::Values(std::pair{0, "Annuler"}, std::pair{7, "Annuler"},
                                         std::pair{1, "Annuler"}, std::pair{2, "Cancel"},
                                         std::pair{3, "Anular"}));

TEST_F(Config, ReadWarningSpeaksTheLanguageOfWhatWasRead) {
    QByteArray b = TConfigGenerale::defaut().octets().left(72);
    b[68] = 2; // English, but the file is short
    ecrit(b);
    EXPECT_FALSE(ChargeConfig(dossier.path()));
    EXPECT_EQ(dialogues.avertissements, QStringList{"File reading error"});
}

TEST_F(Config, FailedSaveWarnsAndLeavesThePreviousFile) {
    const QByteArray avant = TConfigGenerale::defaut().octets();
    ecrit(avant);
    ConfigGenerale().ClassePuissance = 0;
    {
        DossierVerrouille verrou(dossier.path());
        if (!verrou.verrouille()) GTEST_SKIP() << "this file system cannot refuse writes to root";
        EXPECT_FALSE(SauveConfig(dossier.path()));
    }
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur d'ecriture du fichier"});
    EXPECT_EQ(lit(), avant);
}

TEST_F(Config, SaveToAMissingFolderFailsWithTheWriteWarning) {
    EXPECT_FALSE(SauveConfig(QDir(dossier.path()).filePath("absent/dossier")));
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur d'ecriture du fichier"});
}

TEST_F(Config, AddressTextJoinsTheFourBytes) {
    EXPECT_EQ(TexteAdresseIP(TConfigGenerale::defaut()), "(192.168.1.100)");
}

} // namespace
