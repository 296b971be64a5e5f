#include "../work/TravailTest.h"

#include "study/TriPoints.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct CasColonnes {
    int typeMachine;
    std::vector<int> colonnes;
};

class ColonnesDeTri : public testing::TestWithParam<CasColonnes> {};

TEST_P(ColonnesDeTri, AreTheNumberAndTheMachinesQuantitiesButNeverTime) {
    EXPECT_EQ(ColonnesTri(GetParam().typeMachine), GetParam().colonnes);
}

INSTANTIATE_TEST_SUITE_P(Cas, ColonnesDeTri,
                         testing::Values(CasColonnes{0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                                         CasColonnes{1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 10}},
                                         CasColonnes{2, {0, 1, 2, 3, 4, 5, 6, 8, 10}},
                                         CasColonnes{3, {0, 1, 2, 3, 4, 5, 6, 8, 9, 10}},
                                         CasColonnes{4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                                         CasColonnes{5, {0, 1, 2, 3, 4, 5, 6, 8, 10}},
                                         CasColonnes{7, {0, 1, 2, 3, 4, 5, 6, 8, 9, 10}}));

// Tests whose points come in a scrambled order of every column but time, which grows as recorded.
class TriTest : public TravailTest {
protected:
    void essai(int typeCharge, int n) {
        s().ModeleEssai.TypeCharge() = typeCharge;
        t().AjouteEssai(s());
        for (int k = 0; k < n; ++k) {
            for (int c = 1; c < NB_COLONNES; ++c)
                etat.Mesures[c] = (k * 37 + c * 11) % 17 - 8;
            etat.Mesures[11] = 10 * k;
            ASSERT_EQ(t().AjoutePoint(s(), etat.Mesures), ResultatAjout::Ajoute);
        }
    }
    std::vector<int32_t> colonne(int essai, int c) const {
        std::vector<int32_t> v;
        const TEssai& e = travail->Essais[essai];
        for (int k = 0; k < e.nbPoints(); ++k)
            v.push_back(e.valeur(c, k));
        return v;
    }
    std::vector<int32_t> reglages(int essai) const {
        const TEnteteEssai& e = travail->Essais[essai].Entete;
        return {e[TEnteteEssai::MotColonneTri], e[TEnteteEssai::MotOrdreTri]};
    }
    static bool croissant(const std::vector<int32_t>& v) { return std::is_sorted(v.begin(), v.end()); }
    static bool decroissant(const std::vector<int32_t>& v) { return std::is_sorted(v.rbegin(), v.rend()); }
};

TEST_F(TriTest, TheSelectedCurveIsSortedAloneAndTheWorkStaysSaved) {
    essai(1, 30);
    essai(1, 30);
    s().EssaiCourant = 2;
    s().TravailEnregistre = true;
    const std::vector<int32_t> avant = colonne(1, 8);
    TriCourbeSelectionnee(t(), s(), {8, 1});
    EXPECT_EQ(reglages(2), (std::vector<int32_t>{8, 1}));
    EXPECT_EQ(reglages(1), (std::vector<int32_t>{0, 0}));
    EXPECT_TRUE(decroissant(colonne(2, 8)));
    EXPECT_FALSE(croissant(colonne(2, 0)));
    EXPECT_EQ(colonne(1, 8), avant);
    EXPECT_TRUE(croissant(colonne(1, 0)));
    EXPECT_TRUE(s().TravailEnregistre);
}

TEST_F(TriTest, AllCurvesAreSortedButAnOscilloscopeTestStaysInTimeOrder) {
    essai(1, 40);  // T = K
    essai(12, 40); // oscilloscope
    essai(15, 40); // sticking torque, static
    s().EssaiCourant = 2;
    s().TravailEnregistre = true;
    TriToutesCourbes(t(), {2, 0});
    for (int k = 1; k <= NB_ESSAIS_MAX; ++k)
        EXPECT_EQ(reglages(k), (std::vector<int32_t>{2, 0})) << k;
    EXPECT_TRUE(croissant(colonne(1, 2)));
    EXPECT_TRUE(croissant(colonne(3, 2)));
    EXPECT_FALSE(croissant(colonne(2, 2)));
    EXPECT_TRUE(croissant(colonne(2, 11)));
    EXPECT_TRUE(croissant(colonne(2, 0)));
    EXPECT_TRUE(s().TravailEnregistre);
}

TEST_F(TriTest, WithoutASelectedTestOnlyTheStoredSettingsAreApplied) {
    essai(1, 20);
    t().Essais[1].Entete[TEnteteEssai::MotColonneTri] = 4;
    s().EssaiCourant = 0;
    TriCourbeSelectionnee(t(), s(), {2, 1});
    EXPECT_EQ(reglages(1), (std::vector<int32_t>{4, 0}));
    EXPECT_TRUE(croissant(colonne(1, 4)));
}

TEST_F(TriTest, ADeletedPointKeepsTheChosenOrder) {
    essai(2, 25);
    s().EssaiCourant = 1;
    TriCourbeSelectionnee(t(), s(), {1, 1});
    t().SupprimePoint(s(), 3, 1);
    EXPECT_EQ(t().Essais[1].nbPoints(), 24);
    EXPECT_TRUE(decroissant(colonne(1, 1)));
}

TEST(TriCourbeSelectionnee, IsUsableForStaticLoadsAndLeftAsItWasForLifting) {
    // By load type 0..18: E enabled, D disabled, = unchanged.
    const std::string attendu = "EEEEEEEEE"
                                "DDDDDD"
                                "ED"
                                "==";
    for (int type = 0; type <= 18; ++type)
        for (bool actuel : {false, true}) {
            const char a = attendu[type];
            EXPECT_EQ(TriCourbeSelectionneeActif(type, actuel), a == 'E' || (a == '=' && actuel)) << type;
        }
}

TEST_F(TravailTest, TheCurrentRangeIsThatOfTheCurrentTestOrOfTheTemplateWithoutOne) {
    t().AjouteEssai(s());
    t().AjouteEssai(s());
    s().EssaiCourant = 2;
    ChoisitCalibreEssaiCourant(t(), s(), 1);
    EXPECT_EQ(t().Essais[2].Entete[TEnteteEssai::MotCalibreCourant], 1);
    EXPECT_EQ(t().Essais[1].Entete[TEnteteEssai::MotCalibreCourant], 0);
    EXPECT_EQ(s().ModeleEssai[TEnteteEssai::MotCalibreCourant], 0);
    EXPECT_EQ(CalibreEssaiCourant(t(), s()), 1);
    s().EssaiCourant = 1;
    EXPECT_EQ(CalibreEssaiCourant(t(), s()), 0);
    t().Essais[1].Entete[TEnteteEssai::MotCalibreCourant] = 7; // read by the link as 20 A
    EXPECT_EQ(CalibreEssaiCourant(t(), s()), 0);
    s().EssaiCourant = 0;
    ChoisitCalibreEssaiCourant(t(), s(), 1);
    EXPECT_EQ(s().ModeleEssai[TEnteteEssai::MotCalibreCourant], 1);
    EXPECT_EQ(CalibreEssaiCourant(t(), s()), 1);
}

} // namespace
