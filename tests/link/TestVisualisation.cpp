#include "link/Visualisation.h"

#include <gtest/gtest.h>

namespace {

struct CasBanc {
    int classe;
    const char* texte;
};

class MachineDuBanc : public testing::TestWithParam<CasBanc> {};

TEST_P(MachineDuBanc, ShowsThePowerOfTheClass) {
    EXPECT_EQ(TexteMachineBanc(GetParam().classe), QString(GetParam().texte));
}

// A class the settings file should not hold shows the default bench rather than reading past
// the table.
INSTANTIATE_TEST_SUITE_P(Cas, MachineDuBanc,
                         testing::Values(CasBanc{0, "MACHINE 1500 W"}, CasBanc{1, "MACHINE 300 W"},
                                         CasBanc{2, "MACHINE 1500 W"}, CasBanc{3, "MACHINE 3000 W"},
                                         CasBanc{4, "MACHINE 1500 W"}, CasBanc{-1, "MACHINE 1500 W"}));

TEST(TailleBanc, FieldsOfTheLargestBenchAndNothingOutsideTheEntry) {
    EXPECT_EQ(ChampTailleBanc(3, 1), 3000); // rated torque
    EXPECT_EQ(ChampTailleBanc(3, 2), 4500); // rated power
    EXPECT_EQ(ChampTailleBanc(1, 3), 200);  // rated inertia
    EXPECT_EQ(ChampTailleBanc(3, 5), 0);
    EXPECT_EQ(ChampTailleBanc(3, -1), 0);
}

TEST(TexteDeK, IsThePositionInPercent) {
    EXPECT_EQ(TexteK(37), "K = 37%");
    EXPECT_EQ(TexteK(0), "K = 0%");
    EXPECT_EQ(TexteK(100), "K = 100%");
}

TEST(DispositionTuiles, ThreeRowsOfThreeThenTwoCentredRowsBelowTheTwoBands) {
    // 800 x 600 with a 40-pixel band: tiles from 80, 266 wide, (600 - 80) / 4 = 130 high.
    const auto r = DispositionTuiles(QSize(800, 600), 40);
    const QRect attendu[11] = {{},
                               {0, 80, 266, 130},
                               {266, 80, 266, 130},
                               {532, 80, 266, 130},
                               {0, 210, 266, 130},
                               {266, 210, 266, 130},
                               {532, 210, 266, 130},
                               {88, 470, 266, 130},
                               {88, 340, 266, 130},
                               {443, 470, 266, 130},
                               {443, 340, 266, 130}};
    for (int k = 1; k <= NB_TUILES; ++k)
        EXPECT_EQ(r[k], attendu[k]) << "tile " << k;
}

TEST(DispositionTuiles, StaysInsideTheClientAndNeverGoesNegative) {
    for (const QSize client : {QSize(1024, 768), QSize(1601, 1201), QSize(100, 50), QSize(0, 0)}) {
        const auto r = DispositionTuiles(client, 30);
        for (int k = 1; k <= NB_TUILES; ++k) {
            EXPECT_GE(r[k].width(), 0);
            EXPECT_GE(r[k].height(), 0);
            if (client.height() >= 60) {
                EXPECT_LE(r[k].right(), client.width() - 1) << "tile " << k;
                EXPECT_LE(r[k].bottom(), client.height() - 1) << "tile " << k;
            }
        }
        // The two lower rows leave equal gaps left, between and right.
        const int w = client.width() / 3;
        EXPECT_EQ(r[8].left(), w / 3);
        EXPECT_EQ(r[10].left(), 5 * w / 3);
    }
}

TEST(DisposeAffichage, SpacersTitleAndValueStackFromTheTopInsideTheBorder) {
    const DispositionAffichage d = DisposeAffichage(QSize(300, 160), 6);
    EXPECT_EQ(d.espace1, QRect(6, 6, 288, 20));
    EXPECT_EQ(d.titre, QRect(6, 26, 288, 32));
    EXPECT_EQ(d.espace2, QRect(6, 58, 288, 20));
    EXPECT_EQ(d.valeur, QRect(6, 78, 288, 60));
    EXPECT_LE(d.valeur.bottom(), 160 - 6);
}

TEST(DisposeAffichage, ATinyPanelGivesEmptyBoxesNotNegativeOnes) {
    const DispositionAffichage d = DisposeAffichage(QSize(8, 4), 6);
    for (const QRect& r : {d.espace1, d.titre, d.espace2, d.valeur}) {
        EXPECT_GE(r.width(), 0);
        EXPECT_GE(r.height(), 0);
    }
}

struct CasProportions {
    QSize ancienne, demandee, attendue;
};

class Proportions : public testing::TestWithParam<CasProportions> {};

TEST_P(Proportions, KeepFourThirdsAndTheMinimum) {
    const CasProportions& c = GetParam();
    EXPECT_EQ(ProportionsVisualisation(c.ancienne, c.demandee, QSize(800, 600)), c.attendue);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Proportions,
    testing::Values(CasProportions{{800, 600}, {800, 750}, {1000, 750}},  // height dragged
                    CasProportions{{800, 600}, {1200, 600}, {1200, 900}}, // width dragged
                    CasProportions{{1200, 900}, {1210, 700}, {933, 700}}, // both, height more
                    CasProportions{{1200, 900}, {700, 500}, {800, 600}},  // below the minimum
                    CasProportions{{-1, -1}, {1024, 768}, {1024, 768}})); // first size

} // namespace
