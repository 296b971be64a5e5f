// A save cut off at any point (a full disk, a pulled USB stick, a program killed) leaves the
// previous file whole; the new file appears only once it is whole.
#include "DialoguesScriptes.h"
#include "TravailTest.h"
#include "application/ReglagesApplication.h"
#include "socle/ConfigGenerale.h"
#include "socle/FichierAtomique.h"
#include "work/FichierTravail.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray contenu(const QString& nom) {
    QFile f(nom);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Interruption : public TravailTest, public testing::WithParamInterface<Disposition> {
protected:
    QTemporaryDir dossier;
    DialoguesScriptes dialogues;
    void TearDown() override { SimuleEchecEcritureApres(-1); }
    QString chemin(const QString& nom) const { return QDir(dossier.path()).filePath(nom); }
    // Only the target: no temporary file is left behind.
    QStringList fichiers() const { return QDir(dossier.path()).entryList(QDir::Files); }
};

TEST_P(Interruption, AWorkSaveCutAnywhereLeavesTheOldFileWhole) {
    const QString nom = chemin(GetParam() == Disposition::MLX2 ? "essai.MLX2" : "essai.Vimr2");
    essaiDe(4, 100);
    ASSERT_TRUE(EcritTravail(t(), s(), nom, GetParam()));
    const QByteArray ancien = contenu(nom);
    essaiDe(30, -500); // the work grows: the new file is longer than the old one
    const QByteArray nouveau = OctetsTravail(t(), GetParam());
    ASSERT_GT(nouveau.size(), ancien.size());
    for (qint64 coupure = 0; coupure < nouveau.size(); coupure += coupure < 64 ? 1 : 61) {
        SimuleEchecEcritureApres(coupure);
        s().TravailEnregistre = false;
        ASSERT_FALSE(EcritTravail(t(), s(), nom, GetParam())) << coupure;
        ASSERT_EQ(contenu(nom), ancien) << "cut after " << coupure << " bytes";
        ASSERT_FALSE(s().TravailEnregistre);
        ASSERT_EQ(fichiers(), QStringList{QFileInfo(nom).fileName()});
    }
    EXPECT_EQ(dialogues.avertissements.size(),
              dialogues.avertissements.count("Erreur d'ecriture du fichier"));
    SimuleEchecEcritureApres(-1);
    ASSERT_TRUE(EcritTravail(t(), s(), nom, GetParam()));
    EXPECT_EQ(contenu(nom), nouveau);
    auto relu = std::make_unique<Travail>();
    SessionTravail sessionRelue;
    ASSERT_TRUE(LitTravail(*relu, sessionRelue, nom));
    EXPECT_EQ(OctetsTravail(*relu, GetParam()), nouveau);
}

INSTANTIATE_TEST_SUITE_P(Dispositions, Interruption, testing::Values(Disposition::MLX2, Disposition::Vimr2),
                         [](const auto& i) { return i.param == Disposition::MLX2 ? "MLX2" : "Vimr2"; });

TEST_F(Interruption, TheSettingsSurviveASaveCutAnywhere) {
    const TConfigGenerale avant = ConfigGenerale();
    ConfigGenerale().ClassePuissance = 1;
    ASSERT_TRUE(SauveConfig(dossier.path()));
    const QByteArray ancien = contenu(chemin(NOM_FICHIER_CONFIG));
    ConfigGenerale().ClassePuissance = 3;
    ConfigGenerale().FrequenceReseau = 60;
    for (qint64 coupure = 0; coupure < TConfigGenerale::taille; ++coupure) {
        SimuleEchecEcritureApres(coupure);
        ASSERT_FALSE(SauveConfig(dossier.path()));
        ASSERT_EQ(contenu(chemin(NOM_FICHIER_CONFIG)), ancien) << coupure;
    }
    SimuleEchecEcritureApres(-1);
    ASSERT_TRUE(ChargeConfig(dossier.path()));
    EXPECT_EQ(ConfigGenerale().ClassePuissance, 1); // what was last saved whole
    ConfigGenerale() = avant;
}

TEST_F(Interruption, AnApplicationFileCutAnywhereStaysTheOldOne) {
    const QString nom = chemin("pompe.APPLI");
    t().ApplicationCourante = 61;
    t().ParamApplication = {30, 2, 80, 0, 0, 0};
    ASSERT_TRUE(EcritApplication(t(), nom));
    const QByteArray ancien = contenu(nom);
    t().ParamApplication = {90, 5, 60, 0, 0, 0};
    for (qint64 coupure = 0; coupure < TAILLE_FICHIER_APPLICATION; ++coupure) {
        SimuleEchecEcritureApres(coupure);
        ASSERT_FALSE(EcritApplication(t(), nom));
        ASSERT_EQ(contenu(nom), ancien) << coupure;
    }
}

} // namespace
