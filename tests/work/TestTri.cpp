#include "TravailTest.h"

#include <random>
#include <set>
#include <vector>

namespace {

struct CasTri {
    const char* nom;
    std::vector<int32_t> cles; // column 1 of points 0..n-1
    int ordre;
    std::vector<int32_t> cles2;   // column 1 after the sort
    std::vector<int32_t> numeros; // column 0 after the sort
};

class TriCas : public TravailTest, public testing::WithParamInterface<CasTri> {};

TEST_P(TriCas, PartitionExchangeWithTheMiddlePivot) {
    const CasTri& c = GetParam();
    t().AjouteEssai(s());
    for (int32_t v : c.cles) {
        etat.Mesures[1] = v;
        etat.Mesures[2] = -v; // a second column that must move with the first
        t().AjoutePoint(s(), etat.Mesures);
    }
    t().TriEssai(c.ordre, 1, 1);
    const TEssai& e = t().Essais[1];
    std::vector<int32_t> cles, numeros;
    for (int k = 0; k < e.nbPoints(); ++k) {
        cles.push_back(e.valeur(1, k));
        numeros.push_back(e.valeur(0, k));
        EXPECT_EQ(e.valeur(2, k), -e.valeur(1, k));
    }
    EXPECT_EQ(cles, c.cles2);
    EXPECT_EQ(numeros, c.numeros);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, TriCas,
    testing::Values(
        // Equal keys come out in the order this sort leaves them, not in their first order.
        CasTri{"ascendingEqualKeys", {3, 1, 3, 2}, 0, {1, 2, 3, 3}, {1, 3, 2, 0}},
        CasTri{"descendingEqualKeys", {1, 3, 2, 3}, 1, {3, 3, 2, 1}, {3, 1, 2, 0}},
        CasTri{"ascendingNegative", {5, -2, 0, -7}, 0, {-7, -2, 0, 5}, {3, 1, 2, 0}},
        CasTri{"orderTwoLeavesTheTest", {5, -2, 0}, 2, {5, -2, 0}, {0, 1, 2}},
        CasTri{"orderMinusOneLeavesTheTest", {5, -2, 0}, -1, {5, -2, 0}, {0, 1, 2}},
        CasTri{"singlePoint", {4}, 0, {4}, {0}},
        CasTri{"alreadySorted", {1, 2, 3, 4, 5}, 0, {1, 2, 3, 4, 5}, {0, 1, 2, 3, 4}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(TravailTest, AFullTestSortsIntoOrderKeepingEveryPointWhole) {
    t().AjouteEssai(s());
    std::mt19937 hasard(42);
    std::uniform_int_distribution<int32_t> valeur(-500, 500); // many equal keys
    for (int k = 0; k < NB_POINTS_MAX; ++k) {
        for (int c = 1; c < NB_COLONNES; ++c)
            etat.Mesures[c] = valeur(hasard);
        t().AjoutePoint(s(), etat.Mesures);
    }
    std::multiset<std::vector<int32_t>> avant, apres;
    const auto points = [this](std::multiset<std::vector<int32_t>>& s) {
        for (int k = 0; k < NB_POINTS_MAX; ++k) {
            std::vector<int32_t> p;
            for (int c = 0; c < NB_COLONNES; ++c)
                p.push_back(t().Essais[1].valeur(c, k));
            s.insert(p);
        }
    };
    points(avant);
    t().TriEssai(1, 7, 1);
    points(apres);
    EXPECT_EQ(avant, apres);
    for (int k = 1; k < NB_POINTS_MAX; ++k)
        ASSERT_GE(t().Essais[1].valeur(7, k - 1), t().Essais[1].valeur(7, k));
}

TEST_F(TravailTest, ASortColumnOutsideThePointIsIgnored) {
    essaiDe(3);
    t().Essais[1].valeur(1, 0) = 9;
    t().TriEssai(0, 21, 1);
    t().TriEssai(0, -1, 1);
    EXPECT_EQ(t().Essais[1].valeur(1, 0), 9);
}

TEST_F(TravailTest, ResortSkipsDynamicLoadsAndHonoursEachTestsSettings) {
    const auto ajoute = [this](int typeCharge, int colonne, int ordre, std::vector<int32_t> vitesses) {
        s().ModeleEssai.TypeCharge() = typeCharge;
        s().ModeleEssai[TEnteteEssai::MotColonneTri] = colonne;
        s().ModeleEssai[TEnteteEssai::MotOrdreTri] = ordre;
        t().AjouteEssai(s());
        for (int32_t v : vitesses) {
            etat.Mesures[1] = v;
            t().AjoutePoint(s(), etat.Mesures);
        }
    };
    ajoute(1, 1, 0, {3, 1, 2});  // sorted ascending by speed
    ajoute(12, 1, 0, {3, 1, 2}); // oscilloscope record: stays in time order
    ajoute(15, 1, 1, {3, 1, 2}); // sorted descending
    ajoute(7, 1, 2, {3, 1, 2});  // order 2: unchanged
    ajoute(11, 1, 0, {3, 1, 2}); // load with inertia: unchanged
    s().TravailEnregistre = true;
    t().Retri();
    const auto vitesses = [this](int k) {
        std::vector<int32_t> v;
        for (int j = 0; j < 3; ++j)
            v.push_back(t().Essais[k].valeur(1, j));
        return v;
    };
    EXPECT_EQ(vitesses(1), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(vitesses(2), (std::vector<int32_t>{3, 1, 2}));
    EXPECT_EQ(vitesses(3), (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(vitesses(4), (std::vector<int32_t>{3, 1, 2}));
    EXPECT_EQ(vitesses(5), (std::vector<int32_t>{3, 1, 2}));
    EXPECT_TRUE(s().TravailEnregistre); // sorting is not a change of the work
}

} // namespace
