// The application catalogue without its window: what each code shows and where it leads, the
// places of the pictures, the view of an area drawn for the site, and the pictures read from the
// pictures folder.
#include "application/CatalogueKorlan.h"
#include "socle/ImageJpeg.h"
#include "socle/Textes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

using P = PanneauKorlan;

QString utf8(const char* s) {
    return QString::fromUtf8(s);
}

struct CasCode {
    int code;
    const char* illustration; // "" for none
    std::optional<P> retour;
    const char* image; // picture of the window, nullptr for none
    bool visible;
    const char* survol; // French hover text
};

class CodesCatalogue : public testing::TestWithParam<CasCode> {};

TEST_P(CodesCatalogue, ACodeHasItsIllustrationAreaPictureAndHoverText) {
    const CasCode& c = GetParam();
    AppliqueLangue(1);
    EXPECT_EQ(IllustrationApplication(c.code), QString(c.illustration));
    EXPECT_EQ(PanneauRetourAnimation(c.code), c.retour);
    EXPECT_EQ(TexteSurvolApplication(c.code), utf8(c.survol));
    const ApplicationKorlan* a = ApplicationKorlanDuCode(c.code);
    if (!c.image) {
        EXPECT_EQ(a, nullptr);
        return;
    }
    ASSERT_NE(a, nullptr);
    EXPECT_STREQ(a->image, c.image);
    EXPECT_EQ(a->visible, c.visible);
    EXPECT_EQ(a->zone(), *c.retour);
    // A hidden application has no picture to read and no place: it can never be picked.
    EXPECT_EQ(a->vignette != nullptr, c.visible);
    EXPECT_EQ(a->cadre.isEmpty(), !c.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Tableau, CodesCatalogue,
    testing::Values(
        CasCode{51, "conditionnement.jpg", P::Usine, "ImageBanderol", true, "Conditionnement"},
        CasCode{52, "pos_absolu.jpg", P::Usine, "ImagePalette", true, "Positionnement absolu"},
        CasCode{53, "convoyeur.jpg", P::Usine, "ImageConvoyeur", true, "Convoyeur"},
        CasCode{54, "pos_relatif.jpg", P::Usine, "ImagePosrelatif", false, "Positionnement relatif"},
        CasCode{55, "deroulage.jpg", P::Usine, "ImageEnrouleur", false, "Enrouleur-Derouleur"},
        CasCode{56, "synchro.jpg", P::Usine, "ImageSynchronisation", false, "Synchronisation"},
        CasCode{57, "coupe.jpg", P::Usine, "ImageCoupe", true, "Coupe à longueur"},
        CasCode{58, "pont_roulant.jpg", P::Usine, "ImageLevage", true, "Levage"},
        CasCode{59, "reseau.jpg", P::Usine, nullptr, false, ""},
        CasCode{60, "alternateur.jpg", P::LocalTechnique, "ImageAlternateur", false, "Alternateur "},
        CasCode{61, "pompes.jpg", P::LocalTechnique, "ImagePompe", true, "Pompe centrifuge"},
        CasCode{62, "ventilation.jpg", P::LocalTechnique, "ImageVentilation", true, "Ventilation"},
        CasCode{63, "compresseur.jpg", P::LocalTechnique, "ImageCompresseur", false, "Compresseur"},
        CasCode{64, "desenfumage.jpg", P::LocalTechnique, "ImageDesenfumage", true, "Désenfumage"},
        CasCode{65, "atex_gaz.jpg", P::LocalTechnique, nullptr, false, ""},
        CasCode{66, "atex_poussiere.jpg", P::LocalTechnique, "ImageTapisRoulant", true, "Tapis roulant"},
        // Codes outside the catalogue: nothing to show, "Retour" stays where it is.
        CasCode{0, "", std::nullopt, nullptr, false, ""}, CasCode{50, "", std::nullopt, nullptr, false, ""},
        CasCode{67, "", std::nullopt, nullptr, false, ""}, CasCode{161, "", std::nullopt, nullptr, false, ""},
        CasCode{-61, "", std::nullopt, nullptr, false, ""}));

TEST(CatalogueKorlan, HoverTextsFollowTheLanguage) {
    AppliqueLangue(2);
    EXPECT_EQ(TexteSurvolApplication(61), "CentrifugalPump");
    EXPECT_EQ(TexteSurvolApplication(66), "conveyor belt");
    AppliqueLangue(3);
    EXPECT_EQ(TexteSurvolApplication(53), "Transportador");
    AppliqueLangue(1);
}

TEST(CatalogueKorlan, NinePicturesCanBePickedFourteenAreInTheWindow) {
    std::vector<int> visibles;
    std::set<QString> noms;
    for (const ApplicationKorlan& a : ApplicationsKorlan()) {
        noms.insert(a.image);
        if (a.visible) visibles.push_back(a.code);
    }
    EXPECT_EQ(ApplicationsKorlan().size(), 14u);
    EXPECT_EQ(noms.size(), 14u);
    EXPECT_EQ(visibles, (std::vector<int>{51, 52, 53, 57, 58, 61, 62, 64, 66}));
}

// Each picture that can be picked lies on its area picture and covers no other one, so that the
// mouse always finds exactly one under it; the same for the two areas on the site.
TEST(CatalogueKorlan, PicturesLieOnTheirAreaWithoutOverlapping) {
    const QRect vue(0, 0, LARGEUR_VUE_KORLAN, HAUTEUR_VUE_KORLAN);
    for (const P zone : {P::Usine, P::LocalTechnique}) {
        std::vector<QRect> cadres;
        for (const ApplicationKorlan& a : ApplicationsKorlan())
            if (a.zone() == zone && a.visible) cadres.push_back(a.cadre);
        for (std::size_t i = 0; i < cadres.size(); ++i) {
            EXPECT_TRUE(vue.contains(cadres[i])) << i;
            EXPECT_GE(cadres[i].width(), 120);
            for (std::size_t j = i + 1; j < cadres.size(); ++j)
                EXPECT_FALSE(cadres[i].intersects(cadres[j])) << i << " " << j;
        }
    }
    EXPECT_TRUE(vue.contains(CadreSelectUsine()));
    EXPECT_TRUE(vue.contains(CadreSelectLocal()));
    EXPECT_FALSE(CadreSelectUsine().intersects(CadreSelectLocal()));
}

TEST(CatalogueKorlan, EveryPictureTheWindowReadsIsNamedOnce) {
    const std::vector<QString> noms = ImagesKorlan();
    const std::set<QString> uniques(noms.begin(), noms.end());
    EXPECT_EQ(uniques.size(), noms.size());
    // Three areas, nine application pictures, sixteen illustrations.
    EXPECT_EQ(noms.size(), 3u + 9u + 16u);
    for (int code = 51; code <= 66; ++code)
        EXPECT_TRUE(uniques.count(IllustrationApplication(code))) << code;
    for (const ApplicationKorlan& a : ApplicationsKorlan())
        if (a.vignette) {
            EXPECT_TRUE(uniques.count(a.vignette)) << a.code;
        }
    for (const char* zone : {IMAGE_SITE, IMAGE_USINE, IMAGE_LOCAL})
        EXPECT_TRUE(uniques.count(zone)) << zone;
}

QImage uni(const QSize& taille, const QColor& c) {
    QImage im(taille, QImage::Format_RGB32);
    im.fill(c);
    return im;
}

// The site's view of an area: the area picture with the pictures of that area only, in their
// places, whatever the resolution of the area picture.
TEST(ApercuZone, DrawsTheAreasPicturesInTheirPlaces) {
    const QColor fond(10, 10, 10), rouge(220, 0, 0), bleu(0, 0, 220);
    const std::map<int, QImage> vignettes{{53, uni({40, 28}, rouge)}, {61, uni({40, 28}, bleu)}};
    for (const int echelle : {1, 2}) {
        const QImage vue = ApercuZone(uni(QSize(LARGEUR_VUE_KORLAN, HAUTEUR_VUE_KORLAN) * echelle, fond),
                                      P::Usine, vignettes);
        ASSERT_EQ(vue.size(), QSize(LARGEUR_VUE_KORLAN, HAUTEUR_VUE_KORLAN) * echelle);
        const QPoint convoyeur = ApplicationKorlanDuCode(53)->cadre.center() * echelle;
        const QPoint pompe = ApplicationKorlanDuCode(61)->cadre.center() * echelle;
        const QPoint palette = ApplicationKorlanDuCode(52)->cadre.center() * echelle;
        EXPECT_EQ(vue.pixelColor(convoyeur), rouge) << echelle;
        // The pump is in the other area; the palette has no picture: the background shows.
        EXPECT_EQ(vue.pixelColor(pompe), fond) << echelle;
        EXPECT_EQ(vue.pixelColor(palette), fond) << echelle;
        // Just outside the conveyor's place.
        const QRect c = ApplicationKorlanDuCode(53)->cadre;
        EXPECT_EQ(vue.pixelColor((c.topLeft() - QPoint(2, 2)) * echelle), fond) << echelle;
    }
    EXPECT_TRUE(ApercuZone(QImage(), P::Usine, vignettes).isNull());
}

class ImagesDossier : public testing::Test {
protected:
    QTemporaryDir dossier;
    void SetUp() override { AppliqueLangue(1); }
    QString chemin(const QString& nom) const { return QDir(dossier.path()).filePath(nom); }
};

TEST_F(ImagesDossier, AReadablePictureIsShown) {
    ASSERT_TRUE(EnregistreJpeg(uni({64, 32}, Qt::darkGreen), chemin("pompes.jpg")));
    const ImageOuMessage i = ChargeImageKorlan(dossier.path(), "pompes.jpg");
    EXPECT_EQ(i.image.size(), QSize(64, 32));
    EXPECT_TRUE(i.message.isEmpty());
}

TEST_F(ImagesDossier, AMissingOrDamagedPictureSaysWhichFileAndWhy) {
    QFile f(chemin("coupe.jpg"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xFF\xD8\xFF\xE0 not a picture");
    f.close();
    for (const char* nom : {"coupe.jpg", "absente.jpg"}) {
        const ImageOuMessage i = ChargeImageKorlan(dossier.path(), nom);
        EXPECT_TRUE(i.image.isNull()) << nom;
        const QStringList lignes = i.message.split('\n');
        ASSERT_EQ(lignes.size(), 3) << nom;
        EXPECT_EQ(lignes[0], "Erreur de lecture du fichier");
        EXPECT_EQ(lignes[1], nom);
        EXPECT_FALSE(lignes[2].isEmpty());
    }
    // No file to read (a code without illustration): nothing, and nothing to say.
    const ImageOuMessage rien = ChargeImageKorlan(dossier.path(), "");
    EXPECT_TRUE(rien.image.isNull());
    EXPECT_TRUE(rien.message.isEmpty());
}

} // namespace
