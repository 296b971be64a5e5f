#include "GrapheTest.h"
#include "graph/Graphe.h"
#include "work/SessionTravail.h"

namespace {

TEST(FacteurZoom, FullScaleAtPosition18AndTheTableEnds) {
    EXPECT_EQ(FacteurZoom(0), 10);
    EXPECT_EQ(FacteurZoom(18), 50);
    EXPECT_EQ(FacteurZoom(27), 120);
    EXPECT_EQ(FacteurZoom(50), 1000);
}

TEST(FacteurZoom, APositionOutsideTheSliderIsBroughtBack) {
    EXPECT_EQ(FacteurZoom(-3), 10);
    EXPECT_EQ(FacteurZoom(51), 1000);
    EXPECT_EQ(FacteurZoom(1 << 30), 1000);
}

struct CasEchelle {
    int64_t vmin, vmax;
    int64_t step, vref;
};

class EchelleAxeTest : public testing::TestWithParam<CasEchelle> {};

TEST_P(EchelleAxeTest, StepAndReferenceFollowTheLeadDigits) {
    const CasEchelle c = GetParam();
    TAxe a;
    a.P0 = 40;
    a.P1 = 840;
    a.L = 800;
    a.Vmin = c.vmin;
    a.Vmax = c.vmax;
    a.R = std::max<int64_t>(1, c.vmax - c.vmin);
    a.Decimales = 2;
    EchelleAxe(a, false);
    EXPECT_EQ(a.Step, c.step);
    EXPECT_EQ(a.LabelStep, c.step);
    EXPECT_EQ(a.LabelDecimals, 2);
    EXPECT_EQ(a.Vref, c.vref);
    EXPECT_EQ(a.K, 800 * c.step / a.R);
    EXPECT_EQ(a.Porig, 40 + (c.vref - c.vmin) * 800 / a.R);
}

INSTANTIATE_TEST_SUITE_P(Plages, EchelleAxeTest,
                         testing::Values(CasEchelle{0, 1500, 200, 0},        // speed, lead 15
                                         CasEchelle{0, 833, 100, 0},         // torque at factor 120, lead 83
                                         CasEchelle{-1500, 1500, 400, 0},    // four quadrants, lead 30
                                         CasEchelle{250, 1000, 100, 300},    // above zero: next multiple
                                         CasEchelle{300, 1000, 100, 400},    // Vmin on a multiple: the next
                                         CasEchelle{-1000, -250, 100, -300}, // below zero
                                         CasEchelle{0, 100, 10, 0},          // lead 10
                                         CasEchelle{0, 1000, 100, 0},        // lead 10
                                         CasEchelle{0, 20000, 2000, 0},      // lead 20
                                         CasEchelle{0, 64, 5, 0},            // lead 64
                                         CasEchelle{0, 99, 10, 0},           // lead 99
                                         CasEchelle{0, 5, 5, 0},             // one digit: times ten
                                         CasEchelle{0, 0, 1, 0}));           // empty range

TEST(EchelleAxe, TheVerticalAxisCountsUpFromItsBottom) {
    TAxe a;
    a.P0 = 60;
    a.P1 = 460;
    a.L = 400;
    a.Vmin = 250;
    a.Vmax = 1000;
    a.R = 750;
    EchelleAxe(a, true);
    EXPECT_EQ(a.Vref, 300);
    EXPECT_EQ(a.Porig, 460 - 50 * 400 / 750);
    EXPECT_EQ(a.K, 400 * 100 / 750);
}

TEST(EcranX, MapsThroughTheTruncatedStepWidth) {
    TGraphe g;
    axesALaMain(g, 1500, 40, 840, 2000, 60, 460);
    ASSERT_EQ(g.AxeX.K, 106); // 800 x 200 / 1500, truncated
    EXPECT_EQ(g.EcranX(0), 40);
    EXPECT_EQ(g.EcranX(1400), 40 + 1400 * 106 / 200);
    EXPECT_EQ(g.EcranX(-7), 40 - 7 * 106 / 200); // truncates toward zero
    ASSERT_EQ(g.AxeY.Step, 200);                 // lead 20
    ASSERT_EQ(g.AxeY.K, 40);
    EXPECT_EQ(g.EcranY(0), 460);
    EXPECT_EQ(g.EcranY(2000), 60);
    EXPECT_EQ(g.EcranY(-399), 460 + 79); // -399 x 40 / 200 = -79,8, truncated toward zero
}

struct CasQuadrant {
    int code;
    int32_t xmin, xmax, ymin, ymax;
};

class QuadrantTest : public testing::TestWithParam<CasQuadrant> {};

TEST_P(QuadrantTest, RangesFollowTheQuadrantCode) {
    const CasQuadrant c = GetParam();
    AppliqueLangue(1);
    auto t = std::make_unique<Travail>();
    SessionTravail session;
    TDefCaract d;
    d.ColonneX = 1; // speed, Maximum 1500
    d.ZoomX = 18;
    d.ColonneY = 2; // torque, Maximum 2000
    d.ZoomY = 27;   // factor 120: 2000 x 50 / 120 = 833
    d.Quadrant = c.code;
    TGraphe g;
    g.X.Min = g.X.Max = g.Y.Min = g.Y.Max = 7;
    g.ConfigureAxes(d, session.Colonnes);
    EXPECT_EQ(g.X.Min, c.xmin);
    EXPECT_EQ(g.X.Max, c.xmax);
    EXPECT_EQ(g.Y.Min, c.ymin);
    EXPECT_EQ(g.Y.Max, c.ymax);
    EXPECT_EQ(g.X.Symbole, "n");
    EXPECT_EQ(g.X.Unite, "tr/min");
    EXPECT_EQ(g.Y.Decimales, 2);
    EXPECT_EQ(g.Y.Exposant, -2);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, QuadrantTest,
    testing::Values(CasQuadrant{0, -1500, 1500, -833, 833}, CasQuadrant{1, 0, 1500, 0, 833},
                    CasQuadrant{2, 0, 1500, -833, 833}, CasQuadrant{3, 0, 1500, -833, 0},
                    CasQuadrant{4, -1500, 1500, -833, 0}, CasQuadrant{5, -1500, 0, -833, 0},
                    CasQuadrant{6, -1500, 0, -833, 833}, CasQuadrant{7, -1500, 0, 0, 833},
                    CasQuadrant{8, -1500, 1500, 0, 833},
                    // an unknown code leaves the ranges as they were
                    CasQuadrant{9, 7, 7, 7, 7}, CasQuadrant{-1, 7, 7, 7, 7}));

TEST(ConfigureAxes, AColumnOutsideTheWorkGivesTheEmptyQuantity) {
    auto t = std::make_unique<Travail>();
    SessionTravail session;
    TDefCaract d;
    d.ColonneX = 40;
    d.ColonneY = -2;
    d.ZoomX = d.ZoomY = 18;
    d.Quadrant = 1;
    TGraphe g;
    g.ConfigureAxes(d, session.Colonnes);
    EXPECT_EQ(g.X.Max, 1000);
    EXPECT_TRUE(g.X.Symbole.isEmpty());
}

TEST(PointLePlusProche, TheEarliestOfTwoEquallyNearPointsWins) {
    TGraphe g;
    axesALaMain(g, 1000, 0, 1000, 1000, 0, 1000); // one pixel per unit, Y upward
    ASSERT_EQ(g.EcranX(300), 300);
    ASSERT_EQ(g.EcranY(300), 700);
    // Points 1 and 2 are both 100 pixels from (500, 500); point 3 is the same place as point 1.
    auto c = courbeDe({{0, 0}, {400, 500}, {600, 500}, {400, 500}, {900, 900}});
    EXPECT_EQ(g.PointLePlusProche(500, 500, *c), 1);
    EXPECT_EQ(g.PointLePlusProche(601, 500, *c), 2);
    EXPECT_EQ(g.PointLePlusProche(-50, 1200, *c), 0);
    EXPECT_EQ(g.PointLePlusProche(900, 100, *c), 4);
}

TEST(PointLePlusProche, AnEmptyCurveHasNoNearestPoint) {
    TGraphe g;
    axesALaMain(g, 1000, 0, 1000, 1000, 0, 1000);
    auto c = courbeDe({});
    EXPECT_EQ(g.PointLePlusProche(10, 10, *c), -1);
}

TEST(PointLePlusProche, FarAwayValuesDoNotOverflowTheDistance) {
    TGraphe g;
    axesALaMain(g, 5, 0, 1000, 5, 0, 1000); // 200 pixels per unit
    auto c = courbeDe({{INT32_MAX, INT32_MIN}, {2, 2}, {INT32_MIN, INT32_MAX}});
    EXPECT_EQ(g.PointLePlusProche(400, 600, *c), 1);
}

} // namespace
