// The catalogue files and pictures delivered beside the program, as a fresh clone holds them.
#include "socle/ImageJpeg.h"
#include "socle/Textes.h"
#include "study/Catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QDir donnees(VIMRA_DONNEES);

std::optional<TCatalogueApplications> lit(Langue l) {
    QFile f(donnees.filePath(TextesConstants(l).FichierCatalogue));
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return TCatalogueApplications::depuisOctets(f.readAll());
}

class Livre : public testing::TestWithParam<Langue> {};

TEST_P(Livre, EveryLoadGroupHasNamedApplicationsWithTheirPictures) {
    const auto c = lit(GetParam());
    ASSERT_TRUE(c) << "missing or damaged catalogue";
    for (int g = 1; g <= NB_GROUPES_APPLICATIONS; ++g) {
        const TGroupeApplications& groupe = c->groupe(g);
        // Group 6 is never chosen by a load type.
        if (g == 6) {
            EXPECT_EQ(groupe.Count, 0);
            continue;
        }
        EXPECT_GE(groupe.Count, 2) << "group " << g;
        EXPECT_LE(groupe.Count, NB_ENTREES_GROUPE) << "group " << g;
        for (int i = 0; i < groupe.nombre(); ++i) {
            const TEntreeApplication& e = groupe.Entrees[std::size_t(i)];
            const QString image = e.ImageFile.texte();
            EXPECT_FALSE(e.Name.texte().trimmed().isEmpty()) << "group " << g << " entry " << i + 1;
            ASSERT_TRUE(NomImageSur(image)) << image.toStdString();
            const QString chemin = donnees.filePath("Vimra_app/" + image);
            EXPECT_LT(QFileInfo(chemin).size(), 80 * 1024) << image.toStdString();
            const ImageJpeg j = ChargeJpeg(chemin);
            ASSERT_TRUE(j.ok()) << image.toStdString() << ": " << j.detail.toStdString();
            EXPECT_GE(j.image.width(), 640);
            EXPECT_NEAR(double(j.image.width()) / j.image.height(), 10.0 / 7.0, 0.05);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Langues, Livre, testing::Values(Langue::Francais, Langue::Anglais, Langue::Espagnol),
                         [](const auto& i) {
                             return std::string(i.param == Langue::Francais  ? "French"
                                                : i.param == Langue::Anglais ? "English"
                                                                             : "Spanish");
                         });

TEST(Livre, EveryLanguageShowsThePicturesOfTheFrenchCatalogue) {
    const auto francais = lit(Langue::Francais);
    ASSERT_TRUE(francais);
    for (const Langue l : {Langue::Anglais, Langue::Espagnol}) {
        const auto c = lit(l);
        ASSERT_TRUE(c);
        for (int g = 1; g <= NB_GROUPES_APPLICATIONS; ++g) {
            ASSERT_EQ(c->groupe(g).Count, francais->groupe(g).Count) << "group " << g;
            for (int i = 0; i < c->groupe(g).nombre(); ++i)
                EXPECT_EQ(c->groupe(g).Entrees[std::size_t(i)].ImageFile,
                          francais->groupe(g).Entrees[std::size_t(i)].ImageFile);
        }
    }
}

TEST(Livre, NamesAreTranslated) {
    const auto fr = lit(Langue::Francais), en = lit(Langue::Anglais), es = lit(Langue::Espagnol);
    ASSERT_TRUE(fr && en && es);
    // The pump, in each language.
    EXPECT_EQ(fr->groupe(3).Entrees[0].Name.texte(), "Pompe centrifuge");
    EXPECT_EQ(en->groupe(3).Entrees[0].Name.texte(), "Centrifugal pump");
    EXPECT_EQ(es->groupe(3).Entrees[0].Name.texte(), "Bomba centrífuga");
}

} // namespace
