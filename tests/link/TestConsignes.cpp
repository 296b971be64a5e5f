#include "LiaisonTest.h"
#include "work/LoisCharge.h"

namespace {

using Defaut = EsclaveScripte::Defaut;

TEST_F(LiaisonTest, ParamBlockAlwaysGoesOutAsSixWordsAndWaits) {
    ouvre();
    liaison->ParamBlock = {1000, 0, 150, 10, -2, 0};
    liaison->EmissionParam();
    ASSERT_EQ(port.esclave.requetes.size(), 1u);
    EXPECT_EQ(port.esclave.requetes[0].size(), 2 * 6 + 9);
    EXPECT_EQ(registre(19, 20), 1000);
    EXPECT_EQ(registre(19, 22), 150);
    EXPECT_EQ(registre(19, 24), 0xFFFE);
    EXPECT_EQ(registre(19, 25), 0);
    EXPECT_EQ(horloge.attentes, std::vector<int>{100});
}

TEST_F(LiaisonTest, ConstantKTouchesOnly1920AndDoesNotWait) {
    ouvre();
    pose(19, 21, 77);
    liaison->EmissionConstanteK(1000);
    EXPECT_EQ(registre(19, 20), 1000);
    EXPECT_EQ(registre(19, 21), 77);
    EXPECT_TRUE(horloge.attentes.empty());
}

TEST_F(LiaisonTest, ControlWordIsWrittenThenWaits100Ms) {
    ouvre();
    liaison->EmissionControle(CodesLoiCharge(6) * 256 + 5);
    EXPECT_EQ(registre(20, 29), 11 * 256 + 5);
    EXPECT_EQ(horloge.attentes, std::vector<int>{100});
}

TEST_F(LiaisonTest, SetParam0ClearsTheErrorCountEvenWhenItsWriteFailed) {
    ouvre();
    liaison->ParamBlock = {1, 2, 3, 4, 5, 0};
    port.esclave.defaut = Defaut::Silence;
    liaison->WriteRegModbus(20, 29, 1);
    liaison->setParam0();
    EXPECT_TRUE(liaison->LastFailed);
    EXPECT_EQ(liaison->ErrorCount, 0);
    EXPECT_EQ(liaison->ParamBlock, (std::array<int32_t, 6>{0, 0, 0, 0, 0, 0}));
}

TEST_F(LiaisonTest, WithTheLinkClosedNothingIsSentButTheWaitsHold) {
    liaison->EmissionControle(1);
    liaison->EmissionParam();
    liaison->EmissionConstanteK(5);
    liaison->setParam0();
    EXPECT_TRUE(port.esclave.requetes.empty());
    EXPECT_EQ(horloge.attentes, (std::vector<int>{100, 100, 100}));
}

TEST(CodesLoiCharge, FollowTheTableOfLoadTypes) {
    const int attendu[19] = {0, 2, 1, 4, 3, 10, 11, 11, 7, 8, 11, 11, 7, 8, 9, 12, 12, 13, 13};
    for (int t = 0; t <= 18; ++t)
        EXPECT_EQ(CodesLoiCharge(t), attendu[t]) << t;
    EXPECT_EQ(CodesLoiCharge(51), 0);
    EXPECT_EQ(CodesLoiCharge(-1), 0);
}

} // namespace
