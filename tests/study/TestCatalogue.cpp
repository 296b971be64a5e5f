// The applications catalogue: its file layout, the start-up read that leaves an empty catalogue
// rather than a wrong one, the groups of the load types, and what the viewer shows.
#include "socle/ImageJpeg.h"
#include "socle/Textes.h"
#include "study/Catalogue.h"
#include "work/LoisCharge.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEntreeApplication entree(const QString& nom, const QString& image, int32_t reserve = 0) {
    TEntreeApplication e;
    e.Reserve = reserve;
    e.Name.setTexte(nom);
    e.ImageFile.setTexte(image);
    return e;
}

TCatalogueApplications exemple() {
    TCatalogueApplications c;
    TGroupeApplications& g = c.groupe(3);
    g.Count = 2;
    g.Entrees[0] = entree("Compresseur", "compresseur.jpg");
    g.Entrees[1] = entree("Pompe centrifuge", "pompes.jpg", 0x01020304);
    c.groupe(7).Count = 1;
    c.groupe(7).Entrees[0] = entree("Palan électrique", "palan.jpg");
    return c;
}

TEST(CatalogueFichier, FieldsSitAtTheirOffsets) {
    const QByteArray b = exemple().octets();
    ASSERT_EQ(b.size(), 4060);
    const qsizetype g3 = 580 * 2, e2 = g3 + 96;
    EXPECT_EQ(b.mid(g3, 4).toHex(), "02000000");
    EXPECT_EQ(b.mid(e2 + 4, 4).toHex(), "04030201");
    EXPECT_EQ(b.mid(e2 + 8, 17), QByteArray("\x10Pompe centrifuge"));
    EXPECT_EQ(b.mid(e2 + 69, 11), QByteArray("\x0Apompes.jpg"));
    // The name is Windows-1252: "é" is one byte.
    const qsizetype g7 = 580 * 6;
    EXPECT_EQ(b.mid(g7 + 8, 17), QByteArray("\x10Palan \xE9lectrique"));
}

TEST(CatalogueFichier, BytesReadAreWrittenBackAsTheyWere) {
    QByteArray b = exemple().octets();
    b[580 * 4 + 8 + 30] = 'Z'; // past the length of an empty name
    b[580 * 5] = char(0x80);   // a count out of range
    const auto c = TCatalogueApplications::depuisOctets(b);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->octets(), b);
    EXPECT_EQ(c->groupe(3).Entrees[1].Name.texte(), "Pompe centrifuge");
    EXPECT_EQ(c->groupe(7).Entrees[0].Name.texte(), "Palan électrique");
}

class CatalogueLecture : public testing::Test {
protected:
    QTemporaryDir dossier;
    void SetUp() override { CatalogueApplications() = exemple(); }
    void TearDown() override {
        CatalogueApplications() = {};
        AppliqueLangue(1);
    }
    void ecrit(const QString& nom, const QByteArray& b) const {
        QFile f(QDir(dossier.path()).filePath(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
};

struct CasFichier {
    const char* nom;
    qsizetype taille; // -1: no file
};

class CatalogueRefuse : public CatalogueLecture, public testing::WithParamInterface<CasFichier> {};

TEST_P(CatalogueRefuse, LeavesTheCatalogueEmpty) {
    if (GetParam().taille >= 0) {
        QByteArray b = exemple().octets();
        b.resize(GetParam().taille, 'x');
        ecrit("CFGAPPFR.cfg", b);
    }
    EXPECT_FALSE(ChargeCatalogue(dossier.path()));
    EXPECT_EQ(CatalogueApplications(), TCatalogueApplications{});
}

INSTANTIATE_TEST_SUITE_P(Fichiers, CatalogueRefuse,
                         testing::Values(CasFichier{"Missing", -1}, CasFichier{"Empty", 0},
                                         CasFichier{"OneByteShort", 4059}, CasFichier{"OneGroup", 580},
                                         CasFichier{"OneByteLong", 4061}, CasFichier{"Doubled", 8120}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(CatalogueLecture, ReadsTheFileOfTheCurrentLanguage) {
    TCatalogueApplications anglais;
    anglais.groupe(1).Count = 1;
    anglais.groupe(1).Entrees[0] = entree("Bridge crane", "pont_roulant.jpg");
    ecrit("CFGAPPFR.cfg", exemple().octets());
    ecrit("CFGAPPUK.cfg", anglais.octets());
    CatalogueApplications() = {};
    EXPECT_TRUE(ChargeCatalogue(dossier.path()));
    EXPECT_EQ(CatalogueApplications(), exemple());
    AppliqueLangue(2);
    EXPECT_TRUE(ChargeCatalogue(dossier.path()));
    EXPECT_EQ(CatalogueApplications(), anglais);
    AppliqueLangue(3);
    EXPECT_FALSE(ChargeCatalogue(dossier.path()));
    EXPECT_EQ(CatalogueApplications(), TCatalogueApplications{});
}

TEST(CatalogueGroupes, EachLoadTypeHasItsGroup) {
    const std::map<int, int> attendu = {{6, 1},  {10, 1}, {15, 1}, {16, 1}, {7, 2},  {11, 2}, {8, 3},
                                        {12, 3}, {9, 4},  {13, 4}, {14, 5}, {17, 7}, {18, 7}};
    for (int type = -1; type <= 20; ++type) {
        const auto i = attendu.find(type);
        EXPECT_EQ(GroupeApplications(type), i == attendu.end() ? 0 : i->second) << "type " << type;
    }
}

struct CasNavigation {
    const char* nom;
    int groupe;
    int32_t count;
    int dernier; // the last index the arrows reach
};

class Navigation : public testing::TestWithParam<CasNavigation> {};

TEST_P(Navigation, ArrowsStopAtBothEnds) {
    TCatalogueApplications c;
    for (int i = 0; i < NB_ENTREES_GROUPE; ++i)
        c.Groupes[2].Entrees[std::size_t(i)] = entree(QString("Machine %1").arg(i + 1), "m.jpg");
    c.Groupes[2].Count = GetParam().count;
    VisionneuseApplications v(c);
    v.setGroupe(GetParam().groupe);
    EXPECT_EQ(v.Index(), 1);
    EXPECT_FALSE(v.PrecedenteActive());
    EXPECT_FALSE(v.Precedente());
    int pas = 0;
    while (v.Suivante())
        ASSERT_LT(++pas, 10) << "never stops";
    EXPECT_EQ(v.Index(), GetParam().dernier);
    EXPECT_FALSE(v.SuivanteActive());
    EXPECT_EQ(v.PrecedenteActive(), GetParam().dernier > 1);
    if (GetParam().groupe == 3) {
        EXPECT_EQ(v.Nom(), QString("Machine %1").arg(GetParam().dernier));
    }
    while (v.Precedente())
        --pas;
    EXPECT_EQ(pas, 0);
    EXPECT_EQ(v.Index(), 1);
    EXPECT_EQ(v.SuivanteActive(), GetParam().dernier > 1);
    // Choosing the group again starts from its first entry.
    v.Suivante();
    v.setGroupe(GetParam().groupe);
    EXPECT_EQ(v.Index(), 1);
}

INSTANTIATE_TEST_SUITE_P(Groupes, Navigation,
                         testing::Values(CasNavigation{"Three", 3, 3, 3}, CasNavigation{"One", 3, 1, 1},
                                         CasNavigation{"Empty", 3, 0, 1}, CasNavigation{"Full", 3, 6, 6},
                                         CasNavigation{"CountPastTheEntries", 3, 1000, 6},
                                         CasNavigation{"NegativeCount", 3, -4, 1},
                                         CasNavigation{"GroupZero", 0, 3, 1},
                                         CasNavigation{"GroupEight", 8, 3, 1},
                                         CasNavigation{"AnotherGroup", 4, 3, 1}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST(CatalogueNoms, OnlyPlainFileNamesArePictures) {
    for (const char* bon : {"pompes.jpg", "salida de humos.jpg", "a..b.jpg", "Pont.JPG"})
        EXPECT_TRUE(NomImageSur(bon)) << bon;
    for (const char* mauvais :
         {"", ".", "..", "../x.jpg", "a/b.jpg", "a\\b.jpg", "C:x.jpg", "/etc/passwd", "a\tb"})
        EXPECT_FALSE(NomImageSur(mauvais)) << mauvais;
}

class CatalogueVue : public testing::Test {
protected:
    QTemporaryDir racine;
    QString dossier;
    TCatalogueApplications c;

    void SetUp() override {
        AppliqueLangue(1);
        QDir(racine.path()).mkdir("Vimra_app");
        dossier = QDir(racine.path()).filePath("Vimra_app");
        QImage im(120, 80, QImage::Format_RGB32);
        im.fill(QColor(20, 120, 200));
        ASSERT_TRUE(EnregistreJpeg(im, QDir(dossier).filePath("pompes.jpg")));
        ASSERT_TRUE(EnregistreJpeg(im, QDir(racine.path()).filePath("dehors.jpg")));
        QFile f(QDir(dossier).filePath("abime.jpg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(EncodeJpeg(im).left(300));
        f.close();
        c.groupe(3).Count = 5;
        c.groupe(3).Entrees[0] = entree("Pompe centrifuge", "pompes.jpg");
        c.groupe(3).Entrees[1] = entree("Ventilateur", "ventilation.jpg");
        c.groupe(3).Entrees[2] = entree("Abîmée", "abime.jpg");
        c.groupe(3).Entrees[3] = entree("Dehors", "../dehors.jpg");
        c.groupe(3).Entrees[4] = entree("Sans image", "");
    }
    VueApplication vue(int index) {
        VisionneuseApplications v(c);
        v.setGroupe(3);
        while (v.Index() < index && v.Suivante()) {
        }
        EXPECT_EQ(v.Index(), index);
        return v.Vue(dossier);
    }
};

TEST_F(CatalogueVue, AnEntryWithItsPicture) {
    const VueApplication v = vue(1);
    EXPECT_EQ(v.titre, "Pompe centrifuge");
    EXPECT_EQ(v.image.size(), QSize(120, 80));
    EXPECT_TRUE(v.message.isEmpty());
    EXPECT_FALSE(v.precedente);
    EXPECT_TRUE(v.suivante);
}

TEST_F(CatalogueVue, PicturesThatCannotBeShownAreExplained) {
    struct Cas {
        int index;
        QString deuxiemeLigne;
        QString cause;
    };
    for (const Cas& k : {Cas{2, "ventilation.jpg", "ventilation.jpg"}, Cas{3, "abime.jpg", "Premature end"},
                         Cas{4, "../dehors.jpg", "pictures folder"}, Cas{5, "CFGAPPFR.cfg", ""}}) {
        const VueApplication v = vue(k.index);
        EXPECT_TRUE(v.image.isNull()) << k.index;
        const QStringList lignes = v.message.split('\n');
        ASSERT_GE(lignes.size(), 2) << k.index;
        EXPECT_EQ(lignes[0], "Erreur de lecture du fichier");
        EXPECT_EQ(lignes[1], k.deuxiemeLigne);
        EXPECT_TRUE(lignes.join(' ').contains(k.cause)) << v.message.toStdString();
        EXPECT_EQ(v.precedente, k.index > 1);
        EXPECT_EQ(v.suivante, k.index < 5);
    }
}

TEST_F(CatalogueVue, AnEmptyCatalogueShowsEntryOneWithoutArrows) {
    c = {};
    AppliqueLangue(2);
    const VueApplication v = vue(1);
    EXPECT_TRUE(v.titre.isEmpty());
    EXPECT_FALSE(v.precedente);
    EXPECT_FALSE(v.suivante);
    EXPECT_EQ(v.message, "File reading error\nCFGAPPUK.cfg");
    AppliqueLangue(1);
}

} // namespace
