#include "../work/TravailTest.h"

#include "study/TraceCaract.h"

namespace {

struct CasPosition {
    int nombre;
    std::array<QRect, 4> attendu;
};

class Position : public testing::TestWithParam<CasPosition> {};

TEST_P(Position, LaysTheShownPanelsOutInTheRectangle) {
    EXPECT_EQ(calculposition(10, 20, 801, 601, GetParam().nombre), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Panneaux, Position,
                         testing::Values(CasPosition{0, {}}, CasPosition{1, {QRect(10, 20, 801, 601)}},
                                         CasPosition{2, {QRect(10, 20, 400, 601), QRect(410, 20, 400, 601)}},
                                         CasPosition{3,
                                                     {QRect(10, 20, 400, 300), QRect(10, 320, 400, 300),
                                                      QRect(410, 20, 400, 601)}},
                                         CasPosition{4,
                                                     {QRect(10, 20, 400, 300), QRect(10, 320, 400, 300),
                                                      QRect(410, 20, 400, 300), QRect(410, 320, 400, 300)}}),
                         [](const auto& i) { return std::to_string(i.param.nombre) + "shown"; });

class Allocation : public TravailTest {
protected:
    void modele(int machine, int charge) {
        s().ModeleEssai.TypeMachine() = machine;
        s().ModeleEssai.TypeCharge() = charge;
    }
};

TEST_F(Allocation, AnEmptyCurrentTestTakesTheNewLoad) {
    modele(3, 1);
    EXPECT_FALSE(Setcourbe(t(), s()));
    ASSERT_EQ(t().EnteteTravail.NbEssais, 1);
    modele(2, 7);
    EXPECT_TRUE(Setcourbe(t(), s()));
    EXPECT_EQ(t().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(t().Essais[1].Entete.TypeCharge(), 7);
}

TEST_F(Allocation, AnotherMachineWithPointsGetsANewTest) {
    modele(3, 1);
    essaiDe(2);
    s().ModeleEssai = t().Essais[1].Entete;
    modele(1, 4);
    EXPECT_FALSE(Setcourbe(t(), s()));
    EXPECT_EQ(t().EnteteTravail.NbEssais, 2);
    EXPECT_EQ(s().EssaiCourant, 2);
    EXPECT_EQ(t().Essais[2].Entete.DernierPoint(), -1);
}

TEST_F(Allocation, TheSameMachineFromTKToTKnoReusesTheTestAndKeepsItsPoints) {
    modele(3, 1);
    essaiDe(4);
    s().ModeleEssai = t().Essais[1].Entete;
    s().ModeleEssai.DernierPoint() = -1; // a template that forgot the points
    s().ModeleEssai.TypeCharge() = 4;
    EXPECT_TRUE(Setcourbe(t(), s()));
    EXPECT_EQ(t().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(t().Essais[1].Entete.TypeCharge(), 4);
    EXPECT_EQ(t().Essais[1].Entete.DernierPoint(), 3);
}

TEST_F(Allocation, ASelectionPastTheTestsGetsACountedTestAndNoPointGoesOutsideOne) {
    // A new work (or its last test deleted), then a window's refresh selecting test 1.
    s().EssaiCourant = 1;
    ASSERT_EQ(t().EnteteTravail.NbEssais, 0);
    EXPECT_EQ(t().AjoutePoint(s(), etat.Mesures), ResultatAjout::PasDEssai);
    modele(3, 1);
    EXPECT_FALSE(Setcourbe(t(), s()));
    EXPECT_EQ(t().EnteteTravail.NbEssais, 1);
    EXPECT_EQ(t().AjoutePoint(s(), etat.Mesures), ResultatAjout::Ajoute);
}

TEST_F(Allocation, AFullWorkRecordsInTheCurrentTest) {
    for (int i = 0; i < 5; ++i) {
        modele(3, 6 + i % 2);
        essaiDe(1);
    }
    modele(4, 1);
    EXPECT_FALSE(Setcourbe(t(), s()));
    EXPECT_EQ(t().EnteteTravail.NbEssais, 5);
    EXPECT_EQ(s().EssaiCourant, 5);
}

struct CasGroupe {
    int typeCharge;
    GroupeMode groupe;
};

class Groupe : public testing::TestWithParam<CasGroupe> {};

TEST_P(Groupe, FollowsTheLoadType) {
    EXPECT_EQ(groupeMode(GetParam().typeCharge), GetParam().groupe);
}

INSTANTIATE_TEST_SUITE_P(
    Types, Groupe,
    testing::Values(CasGroupe{0, GroupeMode::Inchange}, CasGroupe{1, GroupeMode::Acquisition},
                    CasGroupe{5, GroupeMode::Acquisition}, CasGroupe{6, GroupeMode::ChargeStatique},
                    CasGroupe{9, GroupeMode::ChargeStatique}, CasGroupe{10, GroupeMode::Oscilloscope},
                    CasGroupe{14, GroupeMode::Oscilloscope}, CasGroupe{15, GroupeMode::ChargeStatique},
                    CasGroupe{16, GroupeMode::Oscilloscope}, CasGroupe{17, GroupeMode::ChargeStatique},
                    CasGroupe{18, GroupeMode::Oscilloscope}, CasGroupe{51, GroupeMode::Inchange}));

TEST(Titre, JoinsTheStudyTheMachineAndTheLoad) {
    AppliqueLangue(1);
    EXPECT_EQ(titreTraceCaract(1, 3),
              QString::fromUtf8("Tracé des caractéristiques d'une machine :  Machine asynchrone "
                                "triphasée Charge mécanique : T = K"));
    EXPECT_TRUE(
        titreTraceCaract(12, 1).startsWith("Visualisation temporelle sur application industrielle : "));
    EXPECT_EQ(titreTraceCaract(0, 3), "");
}

TEST(Copie, Is190By140MillimetresAtTheScreensResolution) {
    EXPECT_EQ(tailleCopieCaract(96), QSize(718, 529));
    EXPECT_EQ(tailleCopieCaract(192), QSize(1436, 1058));
}

TEST(Impression, LaysTheA4PageOut) {
    const MiseEnPage m = miseEnPageImpression(4960, 7016); // A4 at 600 dpi
    EXPECT_EQ(m.largeur, 4629);
    EXPECT_EQ(m.marge, 165);
    EXPECT_EQ(m.hauteur, 4629); // no taller than wide
    EXPECT_EQ(m.panneaux, QRect(165, 231, 4629, 3934));
    EXPECT_EQ(m.legendeX(1), 165);
    EXPECT_EQ(m.legendeX(5), 4 * 4629 / 5 + 165);
    EXPECT_EQ(m.legendeY(), 4629 * 37 / 20 / 2);
    EXPECT_EQ(m.commentaireY(), 4629 * 19 / 20);
    const MiseEnPage paysage = miseEnPageImpression(7016, 4960);
    EXPECT_EQ(paysage.hauteur, 4960);
}

} // namespace
