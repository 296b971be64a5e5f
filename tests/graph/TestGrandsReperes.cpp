// Tests told apart without colour: the large markers of the preferences, kept in their file, and the
// printed legend that shows each test's marker beside its name.
#include "GrapheTest.h"

#include "graph/Marqueurs.h"
#include "socle/Preferences.h"
#include "socle/Textes.h"
#include "study/TraceCaract.h"
#include "work/SessionTravail.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// The inked columns of an image's band of rows.
int largeurEncre(const QImage& image, QRect bande) {
    int gauche = image.width(), droite = -1;
    for (int y = bande.top(); y <= bande.bottom(); ++y)
        for (int x = bande.left(); x <= bande.right(); ++x)
            if (qGray(image.pixel(x, y)) < 200) {
                gauche = std::min(gauche, x);
                droite = std::max(droite, x);
            }
    return droite < gauche ? 0 : droite - gauche + 1;
}

class GrandsReperes : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        appliGui();
        AppliqueLangue(1);
        preferences().GrandsReperes = GetParam();
    }
    void TearDown() override { preferences() = Preferences{}; }
};

// The inked width of marker `type` at 96 ppi, with the preferences as they stand.
int largeurMarqueur(int type) {
    SurfaceImage s(60, 60);
    s.painter.setPen(Qt::black);
    StyleMarqueur(s.painter);
    TraceMarqueur(s.painter, type, DemiTailleMarqueur(96), QPoint(30, 30));
    s.painter.end();
    return largeurEncre(s.image, s.image.rect());
}

TEST(GrandsReperesPreferes, DrawEveryMarkerTwiceItsWidthAndWithATwoPixelPen) {
    appliGui();
    for (int type = 1; type <= 5; ++type) {
        preferences().GrandsReperes = false;
        const int usuel = largeurMarqueur(type);
        preferences().GrandsReperes = true;
        // Twice the half size; the diamond and the triangle reach one pixel past theirs.
        EXPECT_GE(largeurMarqueur(type), 2 * usuel - 2) << "marker " << type << ", usually " << usuel;
    }
    preferences() = Preferences{};
}

TEST_P(GrandsReperes, ThePrintedLegendShowsEachTestsMarkerBeforeItsName) {
    auto t = std::make_unique<Travail>();
    SessionTravail session;
    t->AjouteEssai(session);
    t->AjouteEssai(session);
    SurfaceImage s(1100, 800, 100);
    const MiseEnPage m = miseEnPageImpression(1100, 800);
    imprimeEnTete(s.painter, s.image, *t, m);
    s.painter.end();
    const QRect devant(m.legendeX(2) - 30, m.legendeY() - 20, 28, 24);
    const int largeur = largeurEncre(s.image, devant);
    EXPECT_GT(largeur, GetParam() ? 7 : 3) << "the marker of test 2 before its name";
}

INSTANTIATE_TEST_SUITE_P(Tailles, GrandsReperes, testing::Bool(),
                         [](const auto& i) { return std::string(i.param ? "large" : "usual"); });

TEST(Preferences, AreKeptInTheirFileAndAMissingOrForeignFileGivesTheDefaults) {
    QTemporaryDir dossier;
    ChargePreferences(dossier.path());
    EXPECT_FALSE(preferences().GrandsReperes);
    preferences().GrandsReperes = true;
    ASSERT_TRUE(SauvePreferences(dossier.path()));
    preferences() = Preferences{};
    ChargePreferences(dossier.path());
    EXPECT_TRUE(preferences().GrandsReperes);
    QFile f(dossier.filePath("Preferences.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(8000, '\x01'));
    f.close();
    ChargePreferences(dossier.path());
    EXPECT_FALSE(preferences().GrandsReperes);
}

} // namespace
