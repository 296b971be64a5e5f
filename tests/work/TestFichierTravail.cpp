#include "DialoguesScriptes.h"
#include "DossierVerrouille.h"
#include "TravailTest.h"
#include "socle/Octets.h"
#include "work/FichierTravail.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class Fichiers : public TravailTest {
protected:
    QTemporaryDir dossier;
    DialoguesScriptes dialogues;

    QString chemin(const QString& nom) const { return QDir(dossier.path()).filePath(nom); }
    static QByteArray contenu(const QString& nom) {
        QFile f(nom);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void ecrit(const QString& nom, const QByteArray& b) {
        QFile f(nom);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }

    // A work that uses every part of the layout.
    void travailComplet() {
        t().EnteteTravail.Commentaire.setTexte(QString::fromUtf8("Moteur asynchrone à vide"));
        t().EnteteTravail.Interpolation = 2;
        t().EnteteTravail.Reserve[0] = 0x11223344;
        t().EnteteTravail.Remplissage21 = 0x21;
        t().EnteteTravail.Remplissage125 = {1, 2, 3};
        for (int a = 1; a <= 8; ++a) {
            TDefCaract& d = t().EnteteTravail.DefCaract(a);
            d = TDefCaract{1, uint8_t(a % 2), {9, 8}, a, 18, {a, -a}, 20 - a, 27, {3, 4}, a % 9};
        }
        s().ModeleEssai.TypeMachine() = 3;
        s().ModeleEssai.TypeCharge() = 55;
        s().ModeleEssai[TEnteteEssai::MotParamApplication + 2] = 1234;
        s().ModeleEssai.setCommentaire("Essai de charge");
        essaiDe(3, 100);
        essaiDe(0);
        essaiDe(5, -700);
    }
};

TEST_F(Fichiers, AWorkWithoutTestsWritesOnlyTheHeader) {
    EXPECT_EQ(OctetsTravail(t(), Disposition::Vimr2).size(), 488);
    EXPECT_EQ(OctetsTravail(t(), Disposition::MLX2).size(), 1640);
}

TEST_F(Fichiers, SizesAddUpFromTheHeadersAndPoints) {
    essaiDe(3);
    essaiDe(0);
    EXPECT_EQ(OctetsTravail(t(), Disposition::Vimr2).size(), 488 + (212 + 21 * 3 * 4) + 212);
    EXPECT_EQ(OctetsTravail(t(), Disposition::MLX2).size(), 1640 + (212 + 12 * 3 * 4) + 212);
}

TEST_F(Fichiers, Vimr2HeaderIsTheWorkHeaderByteForByte) {
    travailComplet();
    const QByteArray b = OctetsTravail(t(), Disposition::Vimr2);
    EXPECT_EQ(b.left(16), QByteArray("\x0fVimra-Tavernole"));
    EXPECT_EQ(uint8_t(b[21]), 0x21);
    EXPECT_EQ(uint8_t(b[22]) | uint8_t(b[23]) << 8, 1020);
    EXPECT_EQ(uint8_t(b[24]), 24);        // length of the comment
    EXPECT_EQ(uint8_t(b[25 + 18]), 0xE0); // à in Windows-1252
    LecteurOctets l(b);
    l.saute(128);
    EXPECT_EQ(l.i32(), 3);          // NbEssais
    EXPECT_EQ(l.i32(), 2);          // Interpolation
    EXPECT_EQ(l.i32(), 0x11223344); // first reserved word
    l.saute(12);
    EXPECT_EQ(l.u8(), 1); // first flag
    l.saute(15);
    EXPECT_EQ(l.position(), 168);
    EXPECT_EQ(l.u8(), 1); // definition 1: Defini, Affichee, two reserved bytes
    EXPECT_EQ(l.u8(), 1);
    EXPECT_EQ(l.u8(), 9);
    EXPECT_EQ(l.u8(), 8);
    EXPECT_EQ(l.i32(), 1);  // X column
    EXPECT_EQ(l.i32(), 18); // X zoom
    l.saute(8);
    EXPECT_EQ(l.i32(), 19); // Y column
    l.saute(12);
    EXPECT_EQ(l.i32(), 1); // quadrant
    l.saute(488 - 208);
    EXPECT_EQ(l.i32(), 3);  // test 1: TypeMachine
    EXPECT_EQ(l.i32(), 55); // TypeCharge
    EXPECT_EQ(l.i32(), 2);  // DernierPoint
    l.saute(212 - 12);
    EXPECT_EQ(l.i32(), 0); // column 0, points 0..2
    EXPECT_EQ(l.i32(), 1);
    EXPECT_EQ(l.i32(), 2);
    EXPECT_EQ(l.i32(), 110); // column 1, point 0
}

TEST_F(Fichiers, Mlx2HeaderKeepsFourDefinitionsAndZerosTheRest) {
    travailComplet();
    const QByteArray b = OctetsTravail(t(), Disposition::MLX2);
    EXPECT_EQ(b.left(16), QByteArray("\x0fVimra-Tavernole"));
    EXPECT_EQ(uint8_t(b[21]), 0); // padding is written as zero
    EXPECT_EQ(b.mid(125, 3), QByteArray(3, '\0'));
    EXPECT_EQ(uint8_t(b[136]), 1);              // definition 1 right after Interpolation
    EXPECT_EQ(uint8_t(b[136 + 40 * 3 + 4]), 4); // X column of definition 4
    EXPECT_EQ(b.mid(296, 1344), QByteArray(1344, '\0'));
    LecteurOctets l(b);
    l.saute(1640 + 212);
    EXPECT_EQ(l.i32(), 0);
}

class AllerRetour : public Fichiers, public testing::WithParamInterface<Disposition> {};

TEST_P(AllerRetour, WritesAndReadsBackBitIdenticalFiles) {
    travailComplet();
    const QString nom = chemin(GetParam() == Disposition::MLX2 ? "travail.MLX2" : "travail.Vimr2");
    ASSERT_TRUE(EcritTravail(t(), s(), nom, GetParam()));
    const QByteArray premier = contenu(nom);
    ASSERT_TRUE(LitTravail(t(), s(), nom));
    const QString copie = chemin(GetParam() == Disposition::MLX2 ? "copie.MLX2" : "copie.Vimr2");
    ASSERT_TRUE(EcritTravail(t(), s(), copie, GetParam()));
    EXPECT_EQ(contenu(copie), premier);
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Dispositions, AllerRetour, testing::Values(Disposition::Vimr2, Disposition::MLX2),
                         [](const auto& i) { return i.param == Disposition::MLX2 ? "MLX2" : "Vimr2"; });

TEST_F(Fichiers, ReadingAVimr2FileRestoresTheWholeWork) {
    travailComplet();
    const TEnteteTravail entete = t().EnteteTravail;
    const auto essais = std::make_unique<std::array<TEssai, 6>>(t().Essais);
    ASSERT_TRUE(EcritTravail(t(), s(), chemin("a.Vimr2"), Disposition::Vimr2));
    t().NouveauTravail(s());
    ASSERT_TRUE(LitTravail(t(), s(), chemin("a.Vimr2")));
    EXPECT_EQ(t().EnteteTravail, entete);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(t().Essais[k].Entete, (*essais)[k].Entete);
        for (int c = 0; c < NB_COLONNES; ++c)
            for (int j = 0; j < t().Essais[k].nbPoints(); ++j)
                ASSERT_EQ(t().Essais[k].valeur(c, j), (*essais)[k].valeur(c, j));
    }
    EXPECT_EQ(t().Essais[3].Entete.Commentaire(), "Essai de charge");
}

TEST_F(Fichiers, Mlx2DropsColumns12To20AndDefinitions5To8) {
    travailComplet();
    ASSERT_TRUE(EcritTravail(t(), s(), chemin("a.MLX2"), Disposition::MLX2));
    ASSERT_TRUE(LitTravail(t(), s(), chemin("a.MLX2")));
    const TEssai& e = t().Essais[3];
    EXPECT_EQ(e.valeur(11, 4), -700 + 110 + 4);
    for (int c = 12; c < NB_COLONNES; ++c)
        EXPECT_EQ(e.valeur(c, 4), 0) << c;
    for (int a = 5; a <= 8; ++a)
        EXPECT_EQ(t().EnteteTravail.DefCaract(a), TDefCaract{});
    EXPECT_EQ(t().EnteteTravail.DefCaract(4).ColonneX, 4);
    EXPECT_EQ(t().EnteteTravail.Reserve, (std::array<int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(t().EnteteTravail.Interpolation, 2);
    EXPECT_EQ(t().EnteteTravail.Commentaire.texte(), QString::fromUtf8("Moteur asynchrone à vide"));
}

TEST_F(Fichiers, OpeningSelectsTheLastTestAndItsApplication) {
    travailComplet();
    ASSERT_TRUE(EcritTravail(t(), s(), chemin("a.Vimr2"), Disposition::Vimr2));
    ASSERT_TRUE(LitTravail(t(), s(), chemin("a.Vimr2")));
    EXPECT_EQ(s().EssaiCourant, 3);
    EXPECT_EQ(t().ApplicationCourante, 55);
    EXPECT_EQ(t().ParamApplication, (std::array<int32_t, 6>{0, 0, 1234, 0, 0, 0}));
    EXPECT_EQ(s().NomFichierCourant, chemin("a.Vimr2"));
    EXPECT_TRUE(s().TravailEnregistre);
}

TEST_F(Fichiers, AnEmptyWorkOpensWithNoTestSelected) {
    ASSERT_TRUE(EcritTravail(t(), s(), chemin("vide.MLX2"), Disposition::MLX2));
    t().ApplicationCourante = 60;
    ASSERT_TRUE(LitTravail(t(), s(), chemin("vide.MLX2")));
    EXPECT_EQ(s().EssaiCourant, 0);
    EXPECT_EQ(t().ApplicationCourante, 0);
}

TEST_F(Fichiers, SavingSetsTheFileNameAndMarksTheWorkSaved) {
    essaiDe(1);
    ASSERT_FALSE(s().TravailEnregistre);
    ASSERT_TRUE(EcritTravail(t(), s(), chemin("b.MLX2"), Disposition::MLX2));
    EXPECT_TRUE(s().TravailEnregistre);
    EXPECT_EQ(s().NomFichierCourant, chemin("b.MLX2"));
}

TEST_F(Fichiers, AFailedSaveLeavesThePreviousFileAndTheWorkUnsaved) {
    essaiDe(1);
    const QString nom = chemin("c.Vimr2");
    ASSERT_TRUE(EcritTravail(t(), s(), nom, Disposition::Vimr2));
    const QByteArray avant = contenu(nom);
    essaiDe(4);
    ASSERT_FALSE(s().TravailEnregistre);
    s().NomFichierCourant = "precedent.Vimr2";
    {
        DossierVerrouille verrou(dossier.path());
        if (!verrou.verrouille()) GTEST_SKIP() << "this file system cannot refuse writes to root";
        EXPECT_FALSE(EcritTravail(t(), s(), nom, Disposition::Vimr2));
    }
    EXPECT_EQ(contenu(nom), avant);
    EXPECT_FALSE(s().TravailEnregistre);
    EXPECT_EQ(s().NomFichierCourant, "precedent.Vimr2");
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur d'ecriture du fichier"});
}

TEST_F(Fichiers, SavingIntoAMissingFolderFails) {
    essaiDe(1);
    EXPECT_FALSE(EcritTravail(t(), s(), chemin("absent/d.MLX2"), Disposition::MLX2));
    EXPECT_FALSE(s().TravailEnregistre);
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur d'ecriture du fichier"});
}

TEST_F(Fichiers, AMissingFileGivesTheReadErrorAndANewWork) {
    essaiDe(2);
    EXPECT_FALSE(LitTravail(t(), s(), chemin("absent.MLX2")));
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de lecture du fichier"});
    EXPECT_EQ(t().EnteteTravail.NbEssais, 0);
    EXPECT_TRUE(s().NomFichierCourant.isEmpty());
    EXPECT_TRUE(s().TravailEnregistre);
}

TEST_F(Fichiers, ReadErrorSpeaksTheCurrentLanguage) {
    AppliqueLangue(2);
    EXPECT_FALSE(LitTravail(t(), s(), chemin("absent.Vimr2")));
    AppliqueLangue(1);
    EXPECT_EQ(dialogues.avertissements, QStringList{"File reading error"});
}

TEST_F(Fichiers, AFileOfAnotherTypeIsNotTakenForAnEmptyWork) {
    essaiDe(2);
    ASSERT_TRUE(EcritTravail(t(), s(), chemin("travail.MLX2"), Disposition::MLX2));
    QFile::copy(chemin("travail.MLX2"), chemin("travail.mlx2"));
    EXPECT_FALSE(LitTravail(t(), s(), chemin("travail.mlx2"))); // the type is compared exactly
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de lecture du fichier"});
    EXPECT_EQ(t().EnteteTravail.NbEssais, 0);
}

struct CasType {
    const char* chemin;
    const char* type;
};

class TypeFichierCas : public testing::TestWithParam<CasType> {};

TEST_P(TypeFichierCas, IsWhatFollowsTheFirstDotOfTheName) {
    EXPECT_EQ(TypeFichier(GetParam().chemin), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(Noms, TypeFichierCas,
                         testing::Values(CasType{"/home/tp/moteur.MLX2", "MLX2"},
                                         CasType{"moteur.Vimr2", "Vimr2"},
                                         CasType{"/a.b/moteur.MLX2", "MLX2"},
                                         CasType{"tp.moteur.MLX2", "moteur.MLX2"},
                                         CasType{"/a/sans-extension", ""}, CasType{"x.mlx2", "mlx2"}));

} // namespace
