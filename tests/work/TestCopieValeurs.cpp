#include "TravailTest.h"
#include "work/CopieValeurs.h"

namespace {

const QString enteteFr = QString::fromUtf8("N°\tn\tTu\tPm\tU\tI\tPe\tIe\tRd\tFp\tPertes\tt\r\n"
                                           "\t(tr/min)\t(Nm)\t(W)\t(V)\t(A)\t(W)\t(A)\t\t\t(W)\t(s)\r\n");

TEST_F(TravailTest, ABlockStartsWithSymbolsAndUnitsThenOneLinePerPoint) {
    t().AjouteEssai(s());
    etat.Mesures.fill(0);
    etat.Mesures[1] = 1480;
    etat.Mesures[2] = -5;    // -0,05 N.m
    etat.Mesures[8] = 0;     // efficiency 0,000
    etat.Mesures[11] = 1234; // 12,34 s
    t().AjoutePoint(s(), etat.Mesures);
    EXPECT_EQ(TexteValeurs(t(), s(), 1, DERNIERE_COLONNE_CARACT),
              enteteFr + "0\t1480\t-0,05\t0,0\t0,0\t0,000\t0,0\t0,000\t0,000\t0,000\t0,0\t12,34\r\n");
}

TEST_F(TravailTest, TheSelectedTestWithoutPointsGivesTheTwoHeaderLines) {
    t().AjouteEssai(s());
    EXPECT_EQ(TexteValeurs(t(), s(), 1, DERNIERE_COLONNE_CARACT), enteteFr);
}

TEST_F(TravailTest, AllTestsSkipThoseWithoutPointsAndTitleTheOthers) {
    essaiDe(1);
    essaiDe(0);
    essaiDe(2);
    t().Essais[3].Entete.setCommentaire("charge 50 %");
    const QString s = TexteValeurs(t(), *session, -1, DERNIERE_COLONNE_CARACT);
    const QStringList lignes = s.split("\r\n");
    EXPECT_EQ(lignes[0], "Essai 1\t");
    EXPECT_EQ(lignes[4], "Essai 3\tcharge 50 %");
    EXPECT_FALSE(s.contains("Essai 2"));
    EXPECT_EQ(lignes.size(), 1 + 2 + 1 + 1 + 2 + 2 + 1); // the last CR LF ends an empty piece
    EXPECT_TRUE(s.endsWith("\r\n"));
}

TEST_F(TravailTest, ApplicationCopiesCoverColumns0To14) {
    s().InitColonnesApplication(51);
    essaiDe(1);
    const QStringList lignes = TexteValeurs(t(), s(), 1, DERNIERE_COLONNE_APPLICATION).split("\r\n");
    EXPECT_TRUE(lignes[0].endsWith("\tt\tF\tVl\tPc"));
    EXPECT_TRUE(lignes[1].endsWith("\t(s)\t(N)\t(m/s)\t(W)"));
    EXPECT_EQ(lignes[2].split('\t').size(), 15);
}

// An application whose own columns have no quantity (the generator) still copies fifteen columns:
// the blank descriptors give empty names and units, the values their numbers.
TEST_F(TravailTest, ApplicationCopiesKeepFifteenColumnsWithBlankDescriptors) {
    s().InitColonnesApplication(60);
    ASSERT_TRUE(s().Colonnes[12].Nom.isEmpty());
    essaiDe(2);
    const QStringList lignes = TexteValeurs(t(), s(), 1, DERNIERE_COLONNE_APPLICATION).split("\r\n");
    ASSERT_GE(lignes.size(), 4);
    for (int l = 0; l < 4; ++l)
        EXPECT_EQ(lignes[l].split('\t').size(), 15) << l;
    EXPECT_TRUE(lignes[0].endsWith("\tt\t\t\t"));
    EXPECT_EQ(lignes[3].split('\t')[12], "121"); // base 0 + 10 x 12 + point 1
}

TEST_F(TravailTest, TheTestWordFollowsTheLanguage) {
    essaiDe(1);
    AppliqueLangue(2);
    const QString s = TexteValeurs(t(), *session, -1, DERNIERE_COLONNE_CARACT);
    AppliqueLangue(1);
    EXPECT_TRUE(s.startsWith("Test 1\t"));
}

TEST_F(TravailTest, CsvUsesDotsQuotesCommasAndNumbersTheTests) {
    essaiDe(1);
    t().Essais[1].valeur(2, 0) = -125;
    s().Colonnes[3].Symbole = "P,m"; // a field with a comma is quoted
    const QStringList lignes = CsvValeurs(t(), s(), -1, DERNIERE_COLONNE_CARACT).split("\r\n");
    EXPECT_EQ(lignes[0],
              QString::fromUtf8("Essai,N°,n (tr/min),Tu (Nm),\"P,m (W)\",U (V),I (A),Pe (W),Ie (A),Rd,Fp,"
                                "Pertes (W),t (s)"));
    EXPECT_EQ(lignes[1], "1,0,10,-1.25,3.0,4.0,0.050,6.0,0.070,0.080,0.090,10.0,1.10");
    EXPECT_EQ(lignes.size(), 3);
}

TEST_F(TravailTest, CsvOfOneTestLeavesTheOthersOut) {
    essaiDe(2);
    essaiDe(3);
    const QStringList lignes =
        CsvValeurs(t(), s(), 2, DERNIERE_COLONNE_CARACT).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 4);
    for (int i = 1; i < 4; ++i)
        EXPECT_TRUE(lignes[i].startsWith("2,"));
}

} // namespace
