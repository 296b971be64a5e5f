#include "GrapheTest.h"
#include "graph/Couleurs.h"
#include "graph/Marqueurs.h"
#include "graph/PixelsDirects.h"

#include <QFontMetrics>

namespace {

const QColor rouge(0xFF, 0, 0);

class TraceTest : public testing::Test {
protected:
    void SetUp() override { appliGui(); }

    // The curve alone on a white 400 x 300 picture, axes 0..1000 by hand.
    QImage seule(const TTrace& c) {
        SurfaceImage s(400, 300);
        TGraphe g;
        preparer(g, s);
        axesALaMain(g, 1000, 50, 350, 1000, 30, 270);
        g.TraceCourbe(c);
        return s.copie();
    }
};

class ModeTest : public TraceTest, public testing::WithParamInterface<int> {};

TEST_P(ModeTest, OnePointIsDrawnAsItsMarkerAlone) {
    auto c = courbeDe({{500, 500}}, GetParam(), 3);
    auto sansLigne = courbeDe({{500, 500}}, -1, 3);
    const QImage image = seule(*c);
    EXPECT_EQ(image, seule(*sansLigne));
    // Every red pixel lies inside the square around the mapped point.
    TGraphe g;
    axesALaMain(g, 1000, 50, 350, 1000, 30, 270);
    const int x = int(g.EcranX(500)), y = int(g.EcranY(500));
    int dedans = 0;
    for (int j = 0; j < image.height(); ++j)
        for (int i = 0; i < image.width(); ++i)
            if (image.pixel(i, j) == rouge.rgb()) {
                EXPECT_LE(std::abs(i - x), 3);
                EXPECT_LE(std::abs(j - y), 3);
                ++dedans;
            }
    EXPECT_GT(dedans, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeTest, testing::Values(-1, 0, 1, 2, 3, 4, 5));

TEST_F(TraceTest, FivePointsWithSevenPointSmoothingGetTheThreePointOne) {
    const std::initializer_list<std::pair<int32_t, int32_t>> zigzag{
        {100, 100}, {300, 900}, {500, 100}, {700, 900}, {900, 100}};
    const QImage sept = seule(*courbeDe(zigzag, 5, 1));
    EXPECT_EQ(sept, seule(*courbeDe(zigzag, 3, 1)));
    EXPECT_NE(sept, seule(*courbeDe(zigzag, 2, 1))); // the smoothing does change the picture
}

TEST_F(TraceTest, TwoPointsWithACubicModeAreJoinedStraight) {
    const std::initializer_list<std::pair<int32_t, int32_t>> deux{{100, 100}, {900, 700}};
    EXPECT_EQ(seule(*courbeDe(deux, 5)), seule(*courbeDe(deux, 1)));
    EXPECT_GT(compte(seule(*courbeDe(deux, 2)), rouge), 200);
}

// Twelve points up and down, so that every mode bends differently.
std::unique_ptr<TTrace> dentsDeScie(int mode) {
    return courbeDe({{0, 0},
                     {80, 400},
                     {170, 150},
                     {260, 800},
                     {300, 620},
                     {420, 990},
                     {510, 300},
                     {600, 310},
                     {720, 20},
                     {800, 560},
                     {900, 440},
                     {1000, 1000}},
                    mode);
}

// Distance from pixel (x, y) to the segment a-b.
double distance(QPoint p, QPoint a, QPoint b) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y(), l2 = dx * dx + dy * dy;
    const double t = l2 == 0 ? 0 : std::clamp(((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / l2, 0.0, 1.0);
    return std::hypot(p.x() - a.x() - t * dx, p.y() - a.y() - t * dy);
}

class PassageTest : public TraceTest, public testing::WithParamInterface<int> {};

TEST_P(PassageTest, TheCurveLightsEveryVertexAndOnlyPixelsAlongItsSegments) {
    auto c = dentsDeScie(GetParam());
    SurfaceImage s(400, 300);
    TGraphe g;
    preparer(g, s);
    axesALaMain(g, 1000, 50, 350, 1000, 30, 270);
    g.TraceCourbe(*c);
    std::vector<QPoint> v = g.SommetsCourbe(*c);
    ASSERT_EQ(v.size(), GetParam() == 1 ? 12u : 8u * 11 + 2);
    for (const QPoint& q : v)
        EXPECT_EQ(s.image.pixel(q), rouge.rgb()) << q.x() << "," << q.y();
    v.erase(std::unique(v.begin(), v.end()), v.end());
    int pas = 1;
    for (std::size_t i = 1; i < v.size(); ++i)
        pas += std::max(std::abs(v[i].x() - v[i - 1].x()), std::abs(v[i].y() - v[i - 1].y()));
    int allumes = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            if (s.image.pixel(x, y) != rouge.rgb()) continue;
            ++allumes;
            double d = 1e9;
            for (std::size_t i = 1; i < v.size(); ++i)
                d = std::min(d, distance({x, y}, v[i - 1], v[i]));
            EXPECT_LE(d, 0.71) << x << "," << y;
        }
    EXPECT_LE(allumes, pas); // one pixel per step: a thin line
}

TEST_P(PassageTest, OnAnySurfaceThePainterDrawsTheSameVertices) {
    auto c = dentsDeScie(GetParam());
    SurfaceImage s(400, 300, 96, QImage::Format_RGB888);
    TGraphe g;
    preparer(g, s);
    axesALaMain(g, 1000, 50, 350, 1000, 30, 270);
    g.TraceCourbe(*c);
    std::vector<QPoint> v = g.SommetsCourbe(*c);
    v.erase(std::unique(v.begin(), v.end()), v.end());
    SurfaceImage attendu(400, 300);
    attendu.painter.setPen(QPen(rouge, 1));
    attendu.painter.drawPolyline(v.data(), int(v.size()));
    attendu.painter.drawPoints(v.data(), int(v.size()));
    EXPECT_EQ(s.copie(), attendu.copie());
}

INSTANTIATE_TEST_SUITE_P(Modes, PassageTest, testing::Values(1, 2, 3, 4, 5));

TEST_F(TraceTest, FarVerticesAndClippingAreHandled) {
    SurfaceImage s(100, 80);
    s.painter.setPen(QPen(rouge, 1));
    s.painter.setClipRect(QRect(10, 10, 50, 40));
    TracePolyline(s.painter, {{0, 0}, {99, 79}, {4000000, 40}, {20, 40}});
    int dehors = 0, dedans = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x)
            if (s.image.pixel(x, y) == rouge.rgb())
                (QRect(10, 10, 50, 40).contains(x, y) ? dedans : dehors) += 1;
    EXPECT_EQ(dehors, 0);
    EXPECT_GT(dedans, 40 + 40); // the diagonal and the line back from far away
    EXPECT_EQ(s.image.pixel(30, 40), rouge.rgb());
}

class SommetsTest : public TraceTest, public testing::WithParamInterface<int> {};

TEST_P(SommetsTest, LinearAndCubicCurvesGoThroughEveryMappedPoint) {
    auto c = dentsDeScie(GetParam());
    SurfaceImage s(400, 300);
    TGraphe g;
    preparer(g, s);
    axesALaMain(g, 1000, 50, 350, 1000, 30, 270);
    g.TraceCourbe(*c);
    for (int k = 0; k <= c->Dernier; ++k) {
        // x = 50 + v x K / Step with K = 300 x 100 / 1000 = 30: hand-checked for two of them.
        const int x = int(g.EcranX(c->x(k))), y = int(g.EcranY(c->y(k)));
        EXPECT_EQ(s.image.pixel(x, y), rouge.rgb()) << "point " << k;
    }
    EXPECT_EQ(g.EcranX(420), 50 + 420 * 30 / 100);
    EXPECT_EQ(g.EcranY(990), 270 - 990 * 24 / 100);
}

INSTANTIATE_TEST_SUITE_P(Modes, SommetsTest, testing::Values(1, 2));

TEST_F(TraceTest, BarsRiseFromTheZeroOfTheYAxis) {
    SurfaceImage s(400, 300);
    TGraphe g;
    preparer(g, s);
    axesALaMain(g, 1000, 50, 350, 1000, 30, 270);
    auto c = courbeDe({{100, 500}, {400, 0}, {700, 1000}}, 0);
    g.TraceCourbe(*c);
    const int zero = int(g.EcranY(0));
    for (int k : {0, 2}) {
        const int x = int(g.EcranX(c->x(k)));
        for (int y = int(g.EcranY(c->y(k))); y <= zero; ++y)
            EXPECT_EQ(s.image.pixel(x, y), rouge.rgb()) << k << " " << y;
    }
    EXPECT_EQ(s.image.pixel(int(g.EcranX(400)), zero), QColor(Qt::white).rgb()); // a zero value: no bar
    EXPECT_EQ(s.image.pixel(int(g.EcranX(250)), zero), QColor(Qt::white).rgb()); // nothing joins the bars
}

struct CasMarqueur {
    int type, brosse;
};

class MarqueurTest : public TraceTest, public testing::WithParamInterface<CasMarqueur> {};

TEST_P(MarqueurTest, StampedMarkersMatchMarkersDrawnOneByOne) {
    const CasMarqueur c = GetParam();
    const std::vector<QPoint> points{{0, 0},   {10, 10}, {10, 10}, {11, 10}, {37, 12}, {38, 13}, {39, 19},
                                     {-2, 15}, {63, 40}, {61, 38}, {20, 41}, {45, 25}, {10, 10}};
    auto dessine = [&](QImage::Format format, QSize taille, QPoint decalage) {
        QImage image(taille, format);
        image.fill(QColor(0x10, 0x20, 0x30));
        {
            QPainter p(&image);
            p.setPen(QPen(QColor(0, 0, 0x80), 1));
            p.setBrush(
                QBrush(QColor(0x80, 0, 0), std::array{Qt::NoBrush, Qt::SolidPattern, Qt::BDiagPattern,
                                                      Qt::FDiagPattern, Qt::HorPattern, Qt::VerPattern,
                                                      Qt::CrossPattern, Qt::DiagCrossPattern}[c.brosse]));
            std::vector<QPoint> decales;
            for (QPoint q : points)
                decales.push_back(q + decalage);
            TraceMarqueurs(p, c.type, 3, decales.data(), int(decales.size()));
        }
        return image.convertToFormat(QImage::Format_RGB32);
    };
    // On a 24-bit image the painter draws each marker itself; there it draws them on a larger
    // picture, shifted by whole hatch tiles, so that no marker is cut by the edge: the stamps of
    // the markers the edge cuts must be exactly the visible part of the whole ones.
    const QImage parLePeintre =
        dessine(QImage::Format_RGB888, QSize(96, 74), QPoint(16, 16)).copy(QRect(16, 16, 64, 42));
    for (QImage::Format f : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
        EXPECT_EQ(dessine(f, QSize(64, 42), QPoint()), parLePeintre) << "format " << int(f);
}

std::vector<CasMarqueur> casMarqueurs() {
    std::vector<CasMarqueur> cas;
    for (int type = 0; type <= 5; ++type)
        for (int brosse = 0; brosse <= 7; ++brosse)
            cas.push_back({type, brosse});
    return cas;
}

INSTANTIATE_TEST_SUITE_P(TypesEtBrosses, MarqueurTest, testing::ValuesIn(casMarqueurs()));

TEST_F(TraceTest, PixelsAreWrittenDirectlyOnAPlainImageOnly) {
    SurfaceImage s(64, 48);
    QRect zone;
    s.painter.setPen(QPen(rouge, 1));
    s.painter.setBrush(QBrush(rouge, Qt::FDiagPattern));
    EXPECT_TRUE(SurfaceDirecte(s.painter, zone));
    EXPECT_EQ(zone, QRect(0, 0, 64, 48));
    s.painter.setClipRect(QRect(4, 5, 20, 10));
    EXPECT_TRUE(SurfaceDirecte(s.painter, zone));
    EXPECT_EQ(zone, QRect(4, 5, 20, 10));
    s.painter.setClipping(false);
    s.painter.setRenderHint(QPainter::Antialiasing, true);
    EXPECT_FALSE(SurfaceDirecte(s.painter, zone));
    s.painter.setRenderHint(QPainter::Antialiasing, false);
    s.painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    EXPECT_FALSE(SurfaceDirecte(s.painter, zone));
    s.painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    EXPECT_TRUE(SurfaceDirecte(s.painter, zone));
    SurfaceImage autreFormat(64, 48, 96, QImage::Format_RGB888);
    EXPECT_FALSE(SurfaceDirecte(autreFormat.painter, zone));
}

TEST_F(TraceTest, MarkersAreCentredAndSizedByTheResolution) {
    // b = ppi x 6 / 254: 2 at 96 ppi, 7 at 300 ppi; the square's outline spans x - b .. x + b.
    for (auto [ppi, b] : {std::pair{96, 2}, std::pair{300, 7}}) {
        SurfaceImage s(400, 300, ppi);
        TGraphe g;
        preparer(g, s);
        axesALaMain(g, 1000, 50, 350, 1000, 30, 270);
        auto c = courbeDe({{500, 500}}, -1, 3);
        c->TypeBrosse = 0;
        g.TraceCourbe(*c);
        const int x = int(g.EcranX(500)), y = int(g.EcranY(500));
        EXPECT_EQ(s.image.pixel(x - b, y), rouge.rgb()) << ppi;
        EXPECT_EQ(s.image.pixel(x + b, y + b), rouge.rgb()) << ppi;
        EXPECT_NE(s.image.pixel(x + b + 1, y), rouge.rgb()) << ppi;
        EXPECT_NE(s.image.pixel(x, y), rouge.rgb()) << ppi; // hollow without a brush
    }
}

class CadreTest : public TraceTest {
protected:
    // Speed against torque, quadrant 1 or four quadrants.
    void configure(TGraphe& g, int quadrant) {
        g.X = {0, 1500, 0, 0, "n", "tr/min"};
        g.Y = {0, 833, -2, 2, "Tu", "Nm"};
        if (quadrant == 0) {
            g.X.Min = -1500;
            g.Y.Min = -833;
        }
    }
};

TEST_F(CadreTest, LayoutTakesItsMarginsAndFontFromTheSurface) {
    for (int ppi : {96, 192}) {
        SurfaceImage s(960, 540, ppi);
        TGraphe g;
        preparer(g, s);
        configure(g, 1);
        g.Dispose();
        ASSERT_TRUE(g.Valide);
        EXPECT_EQ(g.TaillePolice, 960 / 200 + 5);
        const int64_t m = ppi * 15 / 254, h = 9 * ppi / 72;
        const QFontMetrics fm(g.Police(), &s.image);
        EXPECT_EQ(g.AxeX.P0, fm.horizontalAdvance("-00,00") + m) << ppi;
        EXPECT_EQ(g.AxeX.P1, 960 - fm.horizontalAdvance("(tr/min)") - m) << ppi;
        EXPECT_EQ(g.AxeY.P0, 2 * m + 2 * h) << ppi;
        EXPECT_EQ(g.AxeY.P1, 540 - m - h) << ppi;
        EXPECT_EQ(g.AxeX.Step, 200);
        EXPECT_EQ(g.AxeY.Step, 100);
    }
}

TEST_F(CadreTest, AFrameOfAHundredPixelsOrLessIsNotDrawn) {
    for (auto [l, h, valide] :
         {std::tuple{100, 300, false}, std::tuple{300, 100, false}, std::tuple{101, 101, true}}) {
        SurfaceImage s(l, h);
        const QImage avant = s.copie();
        TGraphe g;
        preparer(g, s);
        configure(g, 1);
        g.Dispose();
        EXPECT_EQ(g.Valide, valide) << l << "x" << h;
        g.TraceCadre();
        g.TraceCourbe(*courbeDe({{0, 0}, {1500, 833}}));
        g.PlaceCurseur(700, 400);
        if (!valide) {
            EXPECT_EQ(s.copie(), avant);
        }
    }
    TGraphe sansSurface;
    sansSurface.Cadre = {0, 0, 500, 500};
    sansSurface.Dispose();
    EXPECT_FALSE(sansSurface.Valide);
}

// Whether a tick is drawn below the X axis at pixel x.
bool graduee(const QImage& image, const TGraphe& g, int64_t x) {
    return image.pixel(int(x), int(g.AxeY.Porig) + 2) == QColor(Qt::black).rgb();
}

TEST_F(CadreTest, LabelsThatWouldPassTheEndOfTheAxisAreLeftOut) {
    int omises = 0, tracees = 0;
    for (int largeur = 200; largeur <= 700; largeur += 9) {
        SurfaceImage s(largeur, 300);
        TGraphe g;
        preparer(g, s);
        configure(g, 1);
        g.Dispose();
        g.TraceCadre();
        const int64_t t1 = 96 * 10 / 254;
        const QFontMetrics fm(g.Police(), &s.image);
        int64_t valeur = g.AxeX.Vref + g.AxeX.Step;
        for (int64_t x = g.AxeX.Porig + g.AxeX.K; x < g.AxeX.P1; x += g.AxeX.K, valeur += g.AxeX.Step) {
            const int64_t moitie = fm.horizontalAdvance(QString::number(valeur)) / 2;
            const bool tient = x + moitie + t1 < g.AxeX.P1;
            EXPECT_EQ(graduee(s.image, g, x), tient) << "width " << largeur << ", value " << valeur;
            (tient ? tracees : omises) += 1;
        }
        EXPECT_FALSE(graduee(s.image, g, g.AxeX.Porig + 1)); // none at Vref
    }
    EXPECT_GT(omises, 0);
    EXPECT_GT(tracees, 0);
}

TEST_F(CadreTest, LabelsLeftOfTheOriginAreAlwaysDrawn) {
    SurfaceImage s(260, 200);
    TGraphe g;
    preparer(g, s);
    configure(g, 0);
    g.Dispose();
    g.TraceCadre();
    ASSERT_EQ(g.AxeX.Step, 400);
    int gauche = 0;
    for (int64_t x = g.AxeX.Porig - g.AxeX.K; x > g.AxeX.P0; x -= g.AxeX.K, ++gauche)
        EXPECT_TRUE(graduee(s.image, g, x)) << x;
    EXPECT_EQ(gauche, 3); // -400, -800, -1200
}

// Y axes whose labels are wide: every label stays inside the frame, none drawn over its left edge.
class EtiquettesYTest : public TraceTest, public testing::WithParamInterface<TGrandeurAxe> {};

TEST_P(EtiquettesYTest, EveryYLabelStaysInsideTheFrame) {
    const int gauche = 80;
    SurfaceImage s(gauche + 500, 360);
    TGraphe g;
    preparer(g, s);
    g.Cadre = {gauche, 0, s.image.width(), s.image.height()};
    g.X = {0, 1500, 0, 0, "n", "tr/min"};
    g.Y = GetParam();
    g.Dispose();
    ASSERT_TRUE(g.Valide);
    g.TraceCadre();
    for (int y = 0; y < s.image.height(); ++y)
        for (int x = 0; x < gauche; ++x)
            ASSERT_EQ(s.image.pixel(x, y), QColor(Qt::white).rgb()) << "(" << x << ", " << y << ")";
}

INSTANTIATE_TEST_SUITE_P(Axes, EtiquettesYTest,
                         testing::Values(TGrandeurAxe{0, 833, -2, 2, "Tu", "Nm"},
                                         TGrandeurAxe{0, 20000, -3, 3, "M", "Nm"},
                                         TGrandeurAxe{-20000, 20000, -3, 3, "M", "Nm"},
                                         TGrandeurAxe{-15000, 15000, 0, 0, "P", "W"},
                                         TGrandeurAxe{-9999, 0, -2, 2, "Tu", "Nm"}));

class SchemaTest : public CadreTest, public testing::WithParamInterface<int> {};

TEST_P(SchemaTest, TheFrameAndTheCursorShowTheSchemesColours) {
    const int schema = GetParam();
    // Background, texts, test 1, test 2 of the scheme, in the 16-colour palette.
    static constexpr QRgb attendu[8][4] = {
        {0xFFFFFF, 0x000000, 0xFF0000, 0x000080}, {0x00FFFF, 0x000000, 0xFF0000, 0x000080},
        {0xFFFF00, 0x000000, 0xFF0000, 0x000080}, {0xC0C0C0, 0x000000, 0xFF0000, 0x000080},
        {0x800000, 0xFFFFFF, 0xFF0000, 0x00FFFF}, {0x008000, 0xFFFFFF, 0xFF0000, 0x00FFFF},
        {0x000080, 0xFFFFFF, 0xFF0000, 0x00FFFF}, {0x000000, 0xFFFFFF, 0xFF0000, 0x00FFFF}};
    SurfaceImage s(500, 300);
    TGraphe g;
    preparer(g, s);
    g.setSchemaCouleurs(schema);
    configure(g, 1);
    g.Dispose();
    g.TraceCadre();
    EXPECT_EQ(s.image.pixel(499, 0), 0xFF000000 | attendu[schema][0]);
    EXPECT_EQ(s.image.pixel(int(g.AxeX.Porig + 20), int(g.AxeY.Porig)), 0xFF000000 | attendu[schema][1]);
    // The cursor of test 2 shows in test 2's colour where it crosses the background.
    g.InitialiseCurseur(TCurseurXor::Reticule, 2);
    g.PlaceCurseur(700, 400);
    int couleurEssai = 0;
    for (int x = int(g.AxeX.Porig) + 1; x < 499; ++x)
        couleurEssai += s.image.pixel(x, g.Curseur.Y) == (0xFF000000 | attendu[schema][3]);
    EXPECT_GT(couleurEssai, 50);
    const auto c = SchemaCouleurs(schema);
    EXPECT_EQ(c[2].rgb(), 0xFF000000 | attendu[schema][2]);
}

INSTANTIATE_TEST_SUITE_P(Schemas, SchemaTest, testing::Range(0, 8));

class CurseurTest : public CadreTest, public testing::WithParamInterface<int> {
protected:
    SurfaceImage s{500, 300};
    TGraphe g;
    void SetUp() override {
        CadreTest::SetUp();
        preparer(g, s);
        g.setSchemaCouleurs(6); // dark background, light curves
        configure(g, 1);
        g.Dispose();
        g.TraceCadre();
        g.TraceCourbe(*courbeDe({{0, 0}, {300, 200}, {700, 500}, {1500, 833}}, 2, 1));
        g.InitialiseCurseur(GetParam(), 1);
    }
};

TEST_P(CurseurTest, DrawingTheCursorTwiceGivesEveryPixelBack) {
    const QImage avant = s.copie();
    g.PlaceCurseur(700, 500); // on the curve
    EXPECT_NE(s.copie(), avant);
    g.Curseur.Dessine(s.painter);
    EXPECT_EQ(s.copie(), avant);
}

TEST_P(CurseurTest, MovingAndHidingLeavesThePictureAsItWas) {
    const QImage avant = s.copie();
    g.PlaceCurseur(700, 500);
    g.PlaceCurseur(700, 500);
    g.PlaceCurseur(100, 800);
    g.PlaceCurseur(-50, 2000); // off the axes
    g.RetraceCurseur();
    g.CacheCurseur();
    EXPECT_EQ(s.copie(), avant);
    g.CacheCurseur(); // hiding a hidden cursor draws nothing
    EXPECT_EQ(s.copie(), avant);
}

TEST_P(CurseurTest, RedrawingCurvesKeepsTheCursorAndItsPixelsRight) {
    const QImage avant = s.copie();
    g.PlaceCurseur(300, 200);
    const QImage avec = s.copie();
    g.TraceCourbe(*courbeDe({{0, 0}, {300, 200}, {700, 500}, {1500, 833}}, 2, 1));
    EXPECT_EQ(s.copie(), avec);
    g.CacheEtDesactiveCurseur();
    EXPECT_EQ(s.copie(), avant);
    g.RetraceCurseur(); // disabled: nothing comes back
    EXPECT_EQ(s.copie(), avant);
    EXPECT_EQ(g.CurseurValeurX, 0);
}

TEST_P(CurseurTest, TheCursorShowsInTheSelectedTestsColourOnTheBackground) {
    g.PlaceCurseur(750, 700);
    const QRgb rougeRgb = 0xFFFF0000; // test 1 on scheme 6
    const int x = g.Curseur.X, y = g.Curseur.Y;
    if (GetParam() == TCurseurXor::Point) {
        EXPECT_EQ(s.image.pixel(x, y), rougeRgb);
        EXPECT_EQ(s.image.pixel(x + 2, y), rougeRgb);
        EXPECT_NE(s.image.pixel(x + 4, y), rougeRgb);
    } else {
        int rouges = 0;
        for (int i = x + 1; i < 500; ++i)
            rouges += s.image.pixel(i, y) == rougeRgb;
        EXPECT_GT(rouges, (500 - x) / 4); // dotted
        EXPECT_LT(rouges, (500 - x) * 3 / 4);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, CurseurTest,
                         testing::Values(int(TCurseurXor::Point), int(TCurseurXor::Reticule)));

} // namespace

namespace {

// The cursor written into the pixels lights exactly what the painter's dotted XOR pen lights.
TEST(CurseurDirect, MatchesThePaintersDottedXorStroke) {
    QImage fond(640, 400, QImage::Format_RGB32);
    for (int y = 0; y < fond.height(); ++y)
        for (int x = 0; x < fond.width(); ++x)
            fond.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    const struct {
        int gauche, haut, droite, bas;
    } cadres[] = {{0, 0, 639, 399},   {0, 0, 640, 400}, {40, 17, 601, 380},
                  {41, 18, 600, 379}, {5, 9, 7, 11},    {3, 4, 900, 2000}};
    for (const auto& c : cadres)
        for (const int type : {int(TCurseurXor::Point), int(TCurseurXor::Reticule)})
            for (const QPoint pos : {QPoint(c.gauche + 2, c.haut + 2), QPoint(320, 200),
                                     QPoint(std::min(c.droite, 639) - 2, std::min(c.bas, 399) - 2)}) {
                TCurseurXor curseur;
                curseur.Couleur = QColor::fromRgb(0xFF5A3CC3u);
                curseur.TypeCurseur = type;
                curseur.Gauche = c.gauche, curseur.Haut = c.haut, curseur.Droite = c.droite,
                curseur.Bas = c.bas;
                curseur.X = pos.x(), curseur.Y = pos.y();
                QImage direct = fond.copy();
                ASSERT_TRUE(curseur.DessineDirect(direct));
                QImage reference = fond.copy();
                {
                    QPainter p(&reference);
                    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
                    if (type == TCurseurXor::Point) {
                        p.fillRect(pos.x() - 1, pos.y() - 2, 3, 1, curseur.Couleur);
                        p.fillRect(pos.x() - 2, pos.y() - 1, 5, 3, curseur.Couleur);
                        p.fillRect(pos.x() - 1, pos.y() + 2, 3, 1, curseur.Couleur);
                    } else {
                        p.setPen(QPen(curseur.Couleur, 1, Qt::DotLine, Qt::FlatCap));
                        p.drawLine(c.gauche, pos.y(), c.droite, pos.y());
                        p.drawLine(pos.x(), c.haut, pos.x(), c.bas);
                    }
                }
                EXPECT_EQ(direct, reference) << "type " << type << " frame " << c.gauche << "," << c.haut
                                             << " at " << pos.x() << "," << pos.y();
            }
}

TEST(CurseurDirect, LeavesToThePainterWhatReachesOutsideTheImage) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::black);
    TCurseurXor curseur;
    curseur.Couleur = Qt::white;
    curseur.Gauche = -10, curseur.Haut = 0, curseur.Droite = 99, curseur.Bas = 99; // starts outside
    curseur.X = 50, curseur.Y = 50;
    EXPECT_FALSE(curseur.DessineDirect(image));
    curseur.TypeCurseur = TCurseurXor::Point;
    curseur.X = 1;
    EXPECT_FALSE(curseur.DessineDirect(image));
    QImage noir(100, 100, QImage::Format_RGB32);
    noir.fill(Qt::black);
    EXPECT_EQ(image, noir);
}

} // namespace
