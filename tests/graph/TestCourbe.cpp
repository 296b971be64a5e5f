#include "graph/Courbe.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CasMode {
    int interpolation, dernier, attendu;
};

class ModeEffectifTest : public testing::TestWithParam<CasMode> {};

TEST_P(ModeEffectifTest, TheNumberOfPointsCapsTheInterpolation) {
    const CasMode c = GetParam();
    EXPECT_EQ(ModeEffectif(c.interpolation, c.dernier), c.attendu);
}

INSTANTIATE_TEST_SUITE_P(Plafonds, ModeEffectifTest,
                         testing::Values(CasMode{5, 0, -1}, CasMode{1, 0, -1}, CasMode{0, 0, -1}, // one point
                                         CasMode{5, 1, 2}, CasMode{5, 3, 2}, CasMode{5, 4, 3},
                                         CasMode{5, 5, 4}, CasMode{5, 6, 4}, CasMode{5, 7, 5},
                                         CasMode{1, 2000, 1}, CasMode{0, 9, 0}, CasMode{-1, 9, -1},
                                         CasMode{9, 2000, 5},  // an unknown mode from a file
                                         CasMode{-4, 9, -1})); // below "none" is none

std::vector<int64_t> lisse(int largeur, std::vector<int64_t> p) {
    std::vector<int64_t> s(p.size(), -12345);
    Lissage(largeur, p.data(), s.data(), static_cast<int>(p.size()) - 1);
    return s;
}

TEST(Lissage, ThreePointsWeighOneTwoOneAndTruncateTowardZero) {
    EXPECT_EQ(lisse(3, {0, 8, 0, 8, 0}), (std::vector<int64_t>{0, 4, 4, 4, 0}));
    EXPECT_EQ(lisse(3, {0, -3, 0}), (std::vector<int64_t>{0, -1, 0})); // -6 / 4
}

TEST(Lissage, FivePointsAreBinomialWithThreePointsNextToTheEnds) {
    EXPECT_EQ(lisse(5, {0, 0, 0, 16, 0, 0, 0}), (std::vector<int64_t>{0, 0, 4, 6, 4, 0, 0}));
    EXPECT_EQ(lisse(5, {0, 16, 0, 0, 0, 16, 0}), (std::vector<int64_t>{0, 8, 4, 2, 4, 8, 0}));
}

TEST(Lissage, SevenPointsUseTheFiltersOwnWeights) {
    // 1, 8, 12, 22, 12, 8, 1 over 64: an impulse of 64 shows the weights themselves.
    EXPECT_EQ(lisse(7, {0, 0, 0, 0, 64, 0, 0, 0, 0}), (std::vector<int64_t>{0, 0, 4, 12, 22, 12, 4, 0, 0}));
    EXPECT_EQ(lisse(7, {0, 0, 0, 0, 0, 64, 0, 0, 0, 0, 0}),
              (std::vector<int64_t>{0, 0, 0, 8, 12, 22, 12, 8, 0, 0, 0}));
}

TEST(Lissage, TooFewPointsForTheWidthFallBackToANarrowerRule) {
    EXPECT_EQ(lisse(7, {0, 8, 0}), (std::vector<int64_t>{0, 4, 0}));
    EXPECT_EQ(lisse(5, {3, 9}), (std::vector<int64_t>{3, 9}));
}

std::vector<QPoint> cubique(std::vector<int64_t> x, std::vector<int64_t> y) {
    std::vector<QPoint> s;
    PolylineCubique(x.data(), y.data(), static_cast<int>(x.size()) - 1, s);
    return s;
}

TEST(PolylineCubique, EightSubPointsPerSegmentAfterTheFirstPoint) {
    for (int n = 2; n < 7; ++n) {
        std::vector<int64_t> x(n + 1), y(n + 1);
        EXPECT_EQ(cubique(x, y).size(), std::size_t(8 * n + 2)) << n;
    }
}

TEST(PolylineCubique, ALineStaysALineAtEveryEighth) {
    // The weights of every row add up to their divisor and reproduce a straight line exactly.
    const std::vector<QPoint> s = cubique({0, 1024, 2048, 3072}, {3072, 2048, 1024, 0});
    ASSERT_EQ(s.size(), 26u);
    std::vector<int> xs;
    for (const QPoint& p : s) {
        xs.push_back(p.x());
        EXPECT_EQ(p.x() + p.y(), 3072);
    }
    // First segment t = 1/8..8/8, inner one from its start, last one from its start to its end.
    const std::vector<int> attendu{0,    128,  256,  384,  512,  640,  768,  896,  1024,
                                   1024, 1152, 1280, 1408, 1536, 1664, 1792, 1920, 2048,
                                   2176, 2304, 2432, 2560, 2688, 2816, 2944, 3072};
    EXPECT_EQ(xs, attendu);
}

TEST(PolylineCubique, EndSegmentsFollowTheQuadraticWeights) {
    // y = 0, 0, 128: the first segment dips below zero, (0, 0, -7)/128, (0, 0, -3)/32 ...
    const std::vector<QPoint> s = cubique({0, 8, 16}, {0, 0, 128});
    std::vector<int> ys;
    for (const QPoint& p : s)
        ys.push_back(p.y());
    EXPECT_EQ(ys,
              (std::vector<int>{0, -7, -12, -15, -16, -15, -12, -7, 0, 0, 9, 20, 33, 48, 65, 84, 105, 128}));
}

TEST(PolylineCubique, SubPointsTruncateTowardZero) {
    // -7/128 is 0 by truncation (the floor would give -1).
    const std::vector<QPoint> s = cubique({0, 8, 16}, {0, 0, 1});
    EXPECT_EQ(s[1].y(), 0);
    const std::vector<QPoint> n = cubique({0, 8, 16}, {0, 0, -128});
    EXPECT_EQ(n[1].y(), 7);
}

TEST(PolylineCubique, InnerSegmentsFollowTheCubicWeights) {
    // An impulse at p[2] shows the weights on p[i+1] of the inner segment p[1] -> p[2] ...
    const std::vector<QPoint> s = cubique({0, 8, 16, 24, 32}, {0, 0, 1024, 0, 0});
    std::vector<int> segment;
    for (int k = 9; k < 17; ++k)
        segment.push_back(s[k].y());
    EXPECT_EQ(segment, (std::vector<int>{0, 93, 232, 399, 576, 745, 888, 987}));
}

TEST(PolylineCubique, TwoPointsAreJoinedByAStraightSegmentAndOneIsAVertex) {
    EXPECT_EQ(cubique({5, 50}, {7, 70}), (std::vector<QPoint>{{5, 7}, {50, 70}}));
    EXPECT_EQ(cubique({5}, {7}), (std::vector<QPoint>{{5, 7}}));
}

TEST(PixelBorne, FarValuesAreHeldInsteadOfWrapped) {
    EXPECT_EQ(PixelBorne(123), 123);
    EXPECT_GT(PixelBorne(int64_t(1) << 40), 1000000);
    EXPECT_LT(PixelBorne(-(int64_t(1) << 40)), -1000000);
}

} // namespace
