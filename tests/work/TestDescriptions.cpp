// The tables of load types and applications against what the rest of the program takes from them.
#include "work/Applications.h"
#include "work/LoisCharge.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class TypesCharge : public testing::TestWithParam<int> {};

TEST_P(TypesCharge, AgreeWithTheirLaw) {
    const int type = GetParam();
    const DescriptionCharge& t = DescriptionTypeCharge(type);
    const DescriptionLoi& loi = DescriptionLoiCharge(type);
    // A bar sets one of the words two tests compare, or a test would be reused across settings.
    for (int barre : {loi.barreA, loi.barreB})
        EXPECT_LT(barre, loi.nbMots);
    // The loads have parameters and applications; the machine characteristics have neither.
    const bool charge = t.groupe == GroupeMode::ChargeStatique || t.dynamique();
    EXPECT_EQ(loi.duPanneau(), charge);
    EXPECT_EQ(loi.groupeApplications != 0, charge);
    EXPECT_EQ(t.groupe == GroupeMode::Acquisition, loi.codeLoi != 0 && !charge);
    // A dynamic load is recorded against time, and the plot window shows it.
    EXPECT_TRUE(!t.dynamique() || t.tempsAffiche);
}

INSTANTIATE_TEST_SUITE_P(Tous, TypesCharge, testing::Range(0, DERNIER_TYPE_CHARGE + 1));

class Applications : public testing::TestWithParam<int> {};

TEST_P(Applications, DescribeWhatTheirScreensUse) {
    const DescriptionApplication& a = *DescriptionDApplication(GetParam());
    // A load that can start shows its level; the mains cannot.
    EXPECT_EQ(a.modeCharge != 0, a.barGraphe != BarGraphe::Aucun);
    EXPECT_NE(a.illustration, nullptr);
    // The dialog of an application with controls has its picture and names each value.
    EXPECT_EQ(a.configurable(), a.imageConfiguration != nullptr);
    EXPECT_TRUE(!a.configurable() || a.legendes.Aff2 >= 0);
    // Each parameter has a bar of its own among those of the dialog.
    const std::set<int> existantes(std::begin(BARRES_APPLICATION), std::end(BARRES_APPLICATION));
    std::set<int> barres;
    for (int b : a.barreDuParam) {
        if (b == 0) continue;
        EXPECT_TRUE(existantes.count(b)) << b;
        EXPECT_TRUE(barres.insert(b).second) << b;
    }
    for (const PlageBarre& p : a.plages)
        EXPECT_LE(p.Minimum, p.Maximum);
}

INSTANTIATE_TEST_SUITE_P(Toutes, Applications,
                         testing::Range(PREMIERE_APPLICATION, DERNIERE_APPLICATION + 1));

} // namespace
