// Whole pictures of the engine compared with stored ones, pixel for pixel. The stored pictures are
// made again only on purpose: tests/graph/golden/regenerer.sh.
#include "GrapheTest.h"
#include "TravailExemple.h"
#include "graph/CaractTravail.h"

#include <QDir>
#include <QFontInfo>

namespace {

struct Scene {
    const char* nom;
    int largeur, hauteur, ppi;
    int definition, quadrant, interpolation, schema;
    bool acquisition;
};

class GoldenTest : public testing::TestWithParam<Scene> {
protected:
    void SetUp() override { appliGui(); }
};

QImage dessine(const Scene& sc) {
    AppliqueLangue(1);
    auto t = std::make_unique<Travail>();
    SessionTravail session;
    remplitTravailExemple(*t, session, 40);
    TDefCaract& d = t->EnteteTravail.DefCaract(sc.definition);
    d.Quadrant = sc.quadrant;
    t->EnteteTravail.Interpolation = sc.interpolation;
    SurfaceImage s(sc.largeur, sc.hauteur, sc.ppi);
    TGraphe g;
    preparer(g, s);
    g.setSchemaCouleurs(sc.schema);
    g.ConfigureAxes(d, session.Colonnes);
    g.Dispose();
    g.TraceCadre();
    auto c = std::make_unique<TTrace>();
    for (int e = 1; e <= NB_ESSAIS_MAX; ++e) {
        RemplitCourbe(*c, *t, sc.definition, e, sc.acquisition);
        g.TraceCourbe(*c);
    }
    g.InitialiseCurseur(sc.acquisition ? TCurseurXor::Point : TCurseurXor::Reticule, 2);
    RemplitCourbe(*c, *t, sc.definition, 2, sc.acquisition);
    g.PlaceCurseur(c->x(25), c->y(25));
    return s.copie();
}

TEST_P(GoldenTest, ThePictureIsTheStoredOne) {
    ASSERT_EQ(QFontInfo(QFont(policeTests)).family(), policeTests)
        << "the fonts-liberation package is needed";
    const Scene sc = GetParam();
    const QImage image = dessine(sc);
    const QString chemin = QStringLiteral(VIMRA_GOLDEN "/") + sc.nom + ".png";
    if (qEnvironmentVariableIsSet("VIMRA_REGENERE_GOLDEN")) {
        ASSERT_TRUE(image.save(chemin)) << chemin.toStdString();
        return;
    }
    const QImage attendue = QImage(chemin).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(attendue.isNull()) << "missing " << chemin.toStdString();
    if (image != attendue) {
        const QString obtenue = QDir::temp().filePath(QString("vimra_") + sc.nom + ".png");
        image.save(obtenue);
        FAIL() << "differs from " << chemin.toStdString() << "; drawn: " << obtenue.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scenes, GoldenTest,
    testing::Values(Scene{"vitesse_couple_cubique", 640, 400, 96, 1, 1, 2, 0, false},
                    Scene{"courant_couple_lineaire_sombre", 640, 400, 96, 2, 1, 1, 7, false},
                    Scene{"puissance_vitesse_lissage7_4quadrants", 560, 420, 96, 3, 0, 5, 4, false},
                    Scene{"rendement_acquisition_192ppi", 800, 500, 192, 4, 2, 5, 2, true}),
    [](const testing::TestParamInfo<Scene>& i) { return std::string(i.param.nom); });

} // namespace
