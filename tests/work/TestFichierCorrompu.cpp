// Damaged work and settings files: a read error and a new work, or a whole valid work; never a
// partial one, never a read past the store.
#include "DialoguesScriptes.h"
#include "TravailTest.h"
#include "socle/ConfigGenerale.h"
#include "work/FichierTravail.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>

namespace {

class FichierCorrompu : public TravailTest, public testing::WithParamInterface<Disposition> {
protected:
    std::unique_ptr<Travail> neuf = std::make_unique<Travail>();

    QByteArray fichierValide() {
        t().EnteteTravail.DefCaract(1) = TDefCaract{1, 1, {}, 1, 18, {}, 2, 18, {}, 0};
        essaiDe(4, 10);
        essaiDe(0);
        essaiDe(2, -50);
        return OctetsTravail(t(), GetParam());
    }

    // After a refused file the work is exactly a new one.
    void estNeuf() {
        EXPECT_EQ(t().EnteteTravail, neuf->EnteteTravail);
        EXPECT_EQ(s().EssaiCourant, 0);
        for (int k = 0; k <= NB_ESSAIS_MAX; ++k) {
            ASSERT_EQ(t().Essais[k].Entete, neuf->Essais[k].Entete);
            ASSERT_EQ(t().Essais[k].Colonnes, neuf->Essais[k].Colonnes);
        }
    }

    // An accepted file is a whole work that fits the store and writes back as it was read.
    void estEntier(const QByteArray& lu) {
        ASSERT_GE(t().EnteteTravail.NbEssais, 0);
        ASSERT_LE(t().EnteteTravail.NbEssais, NB_ESSAIS_MAX);
        for (int k = 1; k <= t().EnteteTravail.NbEssais; ++k) {
            ASSERT_GE(t().Essais[k].Entete.DernierPoint(), -1);
            ASSERT_LE(t().Essais[k].Entete.DernierPoint(), DERNIER_POINT_MAX);
        }
        const QByteArray reecrit = OctetsTravail(t(), GetParam());
        if (GetParam() == Disposition::Vimr2) {
            EXPECT_EQ(reecrit, lu);
        } else {
            // Padding and reserved bytes of the larger header are written as zeros.
            EXPECT_EQ(reecrit.size(), lu.size());
            EXPECT_EQ(reecrit.mid(TAILLE_ENTETE_MLX2), lu.mid(TAILLE_ENTETE_MLX2));
        }
    }
};

TEST_P(FichierCorrompu, EveryTruncationIsRefused) {
    const QByteArray b = fichierValide();
    for (qsizetype n = 0; n < b.size(); n += (n < 2100 ? 1 : 7)) {
        ASSERT_FALSE(DecodeTravail(t(), s(), b.left(n), GetParam())) << "length " << n;
        estNeuf();
    }
}

TEST_P(FichierCorrompu, ExtraBytesAreRefused) {
    ASSERT_FALSE(DecodeTravail(t(), s(), fichierValide() + QByteArray(1, '\0'), GetParam()));
    estNeuf();
}

struct Alteration {
    const char* nom;
    int test; // 0: the work header
    int mot;  // word of that header, at its offset
    int32_t valeur;
};

class ComptesHorsStore : public FichierCorrompu {};

TEST_P(ComptesHorsStore, CountsOutsideTheStoreAreRefused) {
    const QByteArray valide = fichierValide();
    const int entete = GetParam() == Disposition::Vimr2 ? 488 : 1640;
    const int colonnes = GetParam() == Disposition::Vimr2 ? 21 : 12;
    const Alteration cas[] = {
        {"sixTests", 0, 32, 6},       {"negativeTests", 0, 32, -1},  {"hugeTests", 0, 32, 0x7fffffff},
        {"lastPointBelow", 1, 2, -2}, {"lastPoint2001", 1, 2, 2001}, {"lastPointHuge", 3, 2, 0x40000000},
        {"lastPointGrows", 1, 2, 4},  {"lastPointShrinks", 3, 2, 0},
    };
    for (const Alteration& a : cas) {
        QByteArray b = valide;
        int pos = a.mot * 4;
        if (a.test >= 1) pos = entete + (a.test - 1) * 212 + a.mot * 4;
        if (a.test == 3) pos = entete + 212 + colonnes * 4 * 4 + 212 + a.mot * 4;
        for (int i = 0; i < 4; ++i)
            b[pos + i] = char(uint32_t(a.valeur) >> (8 * i));
        EXPECT_FALSE(DecodeTravail(t(), s(), b, GetParam())) << a.nom;
        estNeuf();
    }
}

TEST_P(FichierCorrompu, DefinitionsPointingOutsideTheTablesAreRefused) {
    const QByteArray valide = fichierValide();
    const int def1 = GetParam() == Disposition::Vimr2 ? 168 : 136;
    for (int offset : {4, 8, 20, 24, 36}) { // X column, X zoom, Y column, Y zoom, quadrant
        QByteArray b = valide;
        b[def1 + offset + 3] = char(0x7f);
        EXPECT_FALSE(DecodeTravail(t(), s(), b, GetParam())) << "offset " << offset;
        estNeuf();
    }
}

TEST_P(FichierCorrompu, BitFlipsGiveAReadErrorOrAWholeWork) {
    const QByteArray valide = fichierValide();
    std::mt19937 hasard(1234);
    std::uniform_int_distribution<qsizetype> position(0, valide.size() - 1);
    std::uniform_int_distribution<int> bit(0, 7), combien(1, 4);
    int refuses = 0;
    for (int essai = 0; essai < 600; ++essai) {
        QByteArray b = valide;
        // Flip bits in the headers most of the time: that is where the counts are.
        for (int n = combien(hasard); n > 0; --n) {
            const qsizetype p = essai % 2 ? position(hasard) % (GetParam() == Disposition::Vimr2 ? 700 : 1900)
                                          : position(hasard);
            b[p] = char(b[p] ^ (1 << bit(hasard)));
        }
        *travail = *neuf; // what a reset leaves of the previous work is not the file's
        if (DecodeTravail(t(), s(), b, GetParam())) {
            estEntier(b);
        } else {
            ++refuses;
            estNeuf();
        }
    }
    EXPECT_GT(refuses, 0);
}

const auto nomDisposition = [](const auto& i) { return i.param == Disposition::MLX2 ? "MLX2" : "Vimr2"; };
INSTANTIATE_TEST_SUITE_P(Dispositions, FichierCorrompu,
                         testing::Values(Disposition::Vimr2, Disposition::MLX2), nomDisposition);
INSTANTIATE_TEST_SUITE_P(Dispositions, ComptesHorsStore,
                         testing::Values(Disposition::Vimr2, Disposition::MLX2), nomDisposition);

TEST_F(TravailTest, ATruncatedFileOnDiskShowsTheReadErrorOnce) {
    DialoguesScriptes dialogues;
    QTemporaryDir dossier;
    essaiDe(3);
    const QString nom = QDir(dossier.path()).filePath("t.Vimr2");
    ASSERT_TRUE(EcritTravail(t(), s(), nom, Disposition::Vimr2));
    QFile::resize(nom, 488 + 212 + 10);
    EXPECT_FALSE(LitTravail(t(), s(), nom));
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de lecture du fichier"});
    EXPECT_EQ(t().EnteteTravail.NbEssais, 0);
}

TEST(ConfigCorrompue, AnyPrefixOrBitFlipLoadsAndSavesBackWhatWasRead) {
    DialoguesScriptes dialogues;
    QTemporaryDir dossier;
    const QString nom = QDir(dossier.path()).filePath("CFGVimra.cfg");
    const QByteArray valide = TConfigGenerale::defaut().octets();
    std::mt19937 hasard(99);
    for (int essai = 0; essai < 200; ++essai) {
        QByteArray b = valide;
        if (essai < 80) {
            b = b.left(essai);
        } else {
            for (int n = 0; n < 6; ++n)
                b[hasard() % 80] = char(hasard());
            if (essai % 3 == 0) b.append(QByteArray(int(hasard() % 40), 'x')); // longer files read 80 bytes
        }
        {
            QFile f(nom);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(b);
        }
        ChargeConfig(dossier.path());
        const QByteArray attendu = b.size() >= 80 ? b.left(80) : b + valide.mid(b.size());
        ASSERT_EQ(ConfigGenerale().octets(), attendu) << essai;
        ConfigGenerale().PortCom.texte(); // a length byte past the capacity reads as the capacity
        ASSERT_LE(ConfigGenerale().PortCom.texte().size(), 10);
    }
    EXPECT_EQ(dialogues.avertissements.size(), 80); // one per short file
    ConfigGenerale() = TConfigGenerale::defaut();
    AppliqueLangue(1);
}

} // namespace
