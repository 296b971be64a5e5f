#include "../work/TravailTest.h"
#include "TravailExemple.h"
#include "graph/CaractTravail.h"
#include "graph/Courbe.h"

namespace {

class CaractTravailTest : public TravailTest {
protected:
    void SetUp() override {
        TravailTest::SetUp();
        TDefCaract& d = t().EnteteTravail.DefCaract(1);
        d.Defini = 1;
        d.ColonneX = 1; // n, tr/min, no decimals
        d.ColonneY = 2; // Tu, Nm, two decimals
    }
};

TEST_F(CaractTravailTest, ValuesOfATestWithoutPointsAreTheTwoHeaderLines) {
    t().AjouteEssai(s());
    EXPECT_EQ(TexteValeursCaract(t(), s(), 1), "n\tTu\r\n(tr/min)\t(Nm)\r\n");
}

TEST_F(CaractTravailTest, ValuesAreOneLinePerPointWithTheColumnsDecimals) {
    t().AjouteEssai(s());
    etat.Mesures[1] = 1480;
    etat.Mesures[2] = -5;
    t().AjoutePoint(s(), etat.Mesures);
    etat.Mesures[1] = 0;
    etat.Mesures[2] = 1250;
    t().AjoutePoint(s(), etat.Mesures);
    EXPECT_EQ(TexteValeursCaract(t(), s(), 1), "n\tTu\r\n(tr/min)\t(Nm)\r\n1480\t-0,05\r\n0\t12,50\r\n");
}

TEST_F(CaractTravailTest, AQuantityWithoutUnitLeavesItsBracketsOut) {
    TDefCaract& d = t().EnteteTravail.DefCaract(1);
    d.ColonneY = 8; // efficiency
    essaiDe(1);
    const QStringList lignes = TexteValeursCaract(t(), s(), 1).split("\r\n");
    EXPECT_EQ(lignes[0], "n\tRd");
    EXPECT_EQ(lignes[1], "(tr/min)\t");
    EXPECT_EQ(lignes[2], "10\t0,080");
}

TEST_F(CaractTravailTest, NoSelectedTestGivesTheHeaderOnly) {
    essaiDe(3);
    s().EssaiCourant = 0;
    t().Essais[0].Entete.DernierPoint() = 4; // the scratch test is nobody's selection
    EXPECT_EQ(TexteValeursCaract(t(), s(), 1).count("\r\n"), 2);
}

TEST_F(CaractTravailTest, ACurveTakesItsTestsMarkerColourAndTheWorksInterpolation) {
    remplitTravailExemple(t(), s(), 30);
    t().EnteteTravail.Interpolation = 4;
    auto c = std::make_unique<TTrace>();
    RemplitCourbe(*c, t(), 1, 3);
    EXPECT_EQ(c->Dernier, 29);
    EXPECT_EQ(c->TypeMarqueur, 3);
    EXPECT_EQ(c->IndexCouleur, 3);
    EXPECT_EQ(c->Interpolation, 4);
    EXPECT_EQ(c->TypeBrosse, 3);
    EXPECT_EQ(c->StyleCrayon, 0);
    EXPECT_EQ(c->FacteurEpaisseur, 0);
    EXPECT_EQ(c->x(7), t().Essais[3].valeur(2, 7)); // definition 1 of the sample: n(Tu)
    EXPECT_EQ(c->y(7), t().Essais[3].valeur(1, 7));
    RemplitCourbe(*c, t(), 1, 3, true); // during an acquisition
    EXPECT_EQ(c->Interpolation, -1);
    RemplitCourbe(*c, t(), 1, 6);
    EXPECT_EQ(c->Dernier, -1);
}

} // namespace
