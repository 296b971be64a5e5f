// The application configuration without its window: ranges, parameters read from the controls,
// value texts, the way back to the controls, the pictures and the application file.
#include "DialoguesScriptes.h"
#include "DossierVerrouille.h"
#include "application/Pompes.h"
#include "application/ReglagesApplication.h"
#include "socle/Textes.h"
#include "work/SessionTravail.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int32_t Tn = 1500; // rated torque of the usual bench, hundredths of N.m
constexpr int classe = 2;
const ParamsApplication temoin{-1, -2, -3, -4, -5, -6}; // values no control gives

const int configurables[] = {51, 52, 53, 57, 58, 61, 62, 64, 66};

QString utf8(const char* s) {
    return QString::fromUtf8(s);
}

// --- Ranges -------------------------------------------------------------------------------------

struct CasPlage {
    int code, barre;
    PlageBarre plage;
};

class PlagesBarres : public testing::TestWithParam<CasPlage> {};

TEST_P(PlagesBarres, ABarHasTheRangeOfItsApplicationOrTheCommonOne) {
    const CasPlage& c = GetParam();
    EXPECT_EQ(PlageBarreApplication(c.code, c.barre), c.plage) << c.code << " bar " << c.barre;
}

// The pump index and the one default outside its range; then the codes that share one range.
INSTANTIATE_TEST_SUITE_P(Table, PlagesBarres,
                         testing::Values(CasPlage{61, 4, {0, 5, 0}}, CasPlage{64, 6, {10, 200, 5}},
                                         CasPlage{50, 1, {10, 100, 50}}, CasPlage{54, 6, {10, 100, 50}},
                                         CasPlage{59, 4, {10, 100, 50}}, CasPlage{63, 3, {10, 100, 50}},
                                         CasPlage{70, 5, {10, 100, 50}}, CasPlage{0, 1, {10, 100, 50}},
                                         CasPlage{151, 1, {10, 100, 50}}, CasPlage{51, 2, {10, 100, 50}}));

TEST(PlagesBarres, EveryDefaultLiesInItsRangeButTheOneTheScrollBarRaises) {
    for (int code = 50; code <= 70; ++code)
        for (int b : BARRES_APPLICATION) {
            const PlageBarre p = PlageBarreApplication(code, b);
            EXPECT_LT(p.Minimum, p.Maximum) << code << " bar " << b;
            if (code == 64 && b == 6) {
                EXPECT_LT(p.Defaut, p.Minimum);
                EXPECT_EQ(ControlesDefaut(code).Barre[6], p.Minimum);
                continue;
            }
            EXPECT_GE(p.Defaut, p.Minimum) << code << " bar " << b;
            EXPECT_LE(p.Defaut, p.Maximum) << code << " bar " << b;
        }
}

TEST(PlagesBarres, TheDivisorsWithoutGuardCannotReachZero) {
    // 57 divides by P0 (bar 5) and P3 (bar 4); 62 and 64 by P3 (bar 5).
    EXPECT_GT(PlageBarreApplication(57, 5).Minimum, 0);
    EXPECT_GT(PlageBarreApplication(57, 4).Minimum, 0);
    EXPECT_GT(PlageBarreApplication(62, 5).Minimum, 0);
    EXPECT_GT(PlageBarreApplication(64, 5).Minimum, 0);
}

struct CasBarre {
    int code, barre;
    int32_t position, valeur;
};

class LectureBarre : public testing::TestWithParam<CasBarre> {};

TEST_P(LectureBarre, VerticalBarsReadUpsideDown) {
    const CasBarre& c = GetParam();
    EXPECT_EQ(ValeurBarre(c.code, c.barre, c.position), c.valeur);
    EXPECT_EQ(PositionBarre(c.code, c.barre, c.valeur), c.position);
}

INSTANTIATE_TEST_SUITE_P(Table, LectureBarre,
                         testing::Values(CasBarre{51, 1, 5, 20},    // the top gives the maximum
                                         CasBarre{51, 1, 20, 5},    // the bottom the minimum
                                         CasBarre{51, 1, 13, 12},   // 20 + 5 - 13
                                         CasBarre{53, 3, 30, 20},   // 50 + 0 - 30
                                         CasBarre{61, 3, 90, 60},   // 90 + 60 - 90
                                         CasBarre{51, 4, 7, 7},     // horizontal bars read as they stand
                                         CasBarre{57, 5, 900, 900}, //
                                         CasBarre{66, 6, 20, 20}));

TEST(LectureBarre, APositionOutsideTheRangeIsTakenAtItsEnd) {
    EXPECT_EQ(PositionBarre(64, 6, 5), 10);
    EXPECT_EQ(PositionBarre(51, 1, 99), 5); // the maximum, at the top
    EXPECT_EQ(PositionBarre(51, 1, -4), 20);
    EXPECT_EQ(PositionBarre(57, 5, 5000), 1200);
}

// --- Parameters and value texts -----------------------------------------------------------------

struct CasValeurs {
    int code;
    int32_t tn;
    int classe;
    ParamsApplication p;
    AffichageApplication a;
};

void PrintTo(const CasValeurs& c, std::ostream* os) {
    *os << "code " << c.code << " Tn " << c.tn;
}

class DefautsApplication : public testing::TestWithParam<CasValeurs> {};

TEST_P(DefautsApplication, TheDefaultControlsGiveTheseParametersAndTexts) {
    const CasValeurs& c = GetParam();
    ParamsApplication p = temoin;
    const AffichageApplication a = LitControles(c.code, ControlesDefaut(c.code), c.tn, c.classe, p);
    EXPECT_EQ(p, c.p);
    EXPECT_EQ(a.Aff1, c.a.Aff1);
    EXPECT_EQ(a.Aff2, c.a.Aff2);
    EXPECT_EQ(a.Aff3, c.a.Aff3);
    EXPECT_EQ(a.Aff4, c.a.Aff4);
    EXPECT_EQ(a.Aff5, c.a.Aff5);
    EXPECT_EQ(a.Aff6, c.a.Aff6);
    EXPECT_EQ(a.Inertie, c.a.Inertie);
}

// Expected values worked by hand from the formulas of each application, Tn = 15 N.m.
INSTANTIATE_TEST_SUITE_P(
    Applications, DefautsApplication,
    testing::Values(
        // F = (1500 x 150 x 100 - 10 x 70 x 150) / 14 / 750 = 2132;
        // J = 70 x 14 x 14 x 125 / 150 / 150 x 1500 / 15000 = 7.
        CasValeurs{51,
                   Tn,
                   classe,
                   {150, 10, 5, 14, 70, 7},
                   {"0,10 N.m/kg", "F = 2132 N", "0,50 N.m", "1,4 m", "150", "(500 + 200) kg",
                    utf8(" : 0,007 kg.m²")}},
        // G = 100 x 1500 / 1500 = 100; M = 1500 x 80 x 53 / 20 / 500 = 636; J = 636 x 20 x 20 / 24670 = 10.
        CasValeurs{52,
                   Tn,
                   classe,
                   {20, 80, -3, -4, 100, 10},
                   {"", "M = 53,6 kg", "", "10,0 kg", "2,0 m/s", "80 %", utf8(" : 0,010 kg.m²")}},
        // M = 90 x 1500 x 10472 / 100 / 15 / 100 = 9424; J = 9424 x 100 x 100 / 246740 = 381.
        CasValeurs{
            53,
            Tn,
            classe,
            {100, 10, 20, 15, -5, 381},
            {"1,00 N.m", "M = 9424 kg", "2,00 N.m", "", "1,00 m/s", "0,15 N/kg", utf8(" : 0,381 kg.m²")}},
        // F = (1500 - 15) x 41888 / 50 / 600 = 2073.
        CasValeurs{
            57,
            Tn,
            classe,
            {600, 10, 50, 50, 100, 100},
            {"1,00 N.m", "Fmax = 2073 N", "5,00 N.m", "0,50 m", "60,0 Cp/min", utf8("0,100 kg.m²"), ""}},
        // M = 1500 x 75 x 53 / 10 / 500 = 1192; J = 1192 x 10 x 10 / 24670 = 4.
        CasValeurs{58,
                   Tn,
                   classe,
                   {10, 75, -3, -4, 100, 4},
                   {"", "M = 109,2 kg", "", "10,0 kg", "1,0 m/s", "75 %", utf8(" : 0,004 kg.m²")}},
        // Model 0 of the class: head at zero flow 55,0 m, rated head 38,0 m.
        CasValeurs{61, Tn, classe, {30, 0, 80, -4, -5, -6}, {"16,5 m", "H = 38,0 m", "80 %", "", "", "", ""}},
        // P = 90 x 1500 x 942 / 50 / 10000 = 254 thousandths of bar.
        CasValeurs{62,
                   Tn,
                   classe,
                   {10, 100, 80, 50, 25, 25},
                   {"1,00 N.m", "P = 0,254 Bar", "80 %", "", "5000 m3/h", utf8("0,025 kg.m²"), ""}},
        // Bar 6 starts at its minimum 10, not at its default 5.
        CasValeurs{64,
                   Tn,
                   classe,
                   {10, 90, 20, 50, 10, 10},
                   {"1,00 N.m", "P = 0,254 Bar", "20 %", "", "5000 m3/h", utf8("0,010 kg.m²"), ""}},
        // S = 8 (5 degrees); M = (70 x 1500 x 10472 / 50) / (8 x 981 / 100 + 50) / 100 = 1718;
        // J = 1718 x 50 x 50 / 246740 = 17.
        CasValeurs{66,
                   Tn,
                   classe,
                   {50, 30, 20, 50, 5, 17},
                   {"3,00 N.m", "M = 1718 kg", "2,00 N.m", utf8("5 °"), "0,50 m/s", "0,50 N/kg",
                    utf8(" : 0,017 kg.m²")}},
        // The largest bench (30 N.m): the conveyors' products go past 32 bits and must not wrap.
        // M = 90 x 3000 x 10472 / 100 / 15 / 100 = 18849; J = 18849 x 10000 / 246740 = 763.
        CasValeurs{
            53,
            3000,
            3,
            {100, 10, 20, 15, -5, 763},
            {"2,00 N.m", "M = 18849 kg", "4,00 N.m", "", "1,00 m/s", "0,15 N/kg", utf8(" : 0,763 kg.m²")}},
        // M = (70 x 3000 x 10472 / 50) / 128 / 100 = 3436; J = 3436 x 2500 / 246740 = 34.
        CasValeurs{66,
                   3000,
                   3,
                   {50, 30, 20, 50, 5, 34},
                   {"6,00 N.m", "M = 3436 kg", "4,00 N.m", utf8("5 °"), "0,50 m/s", "0,50 N/kg",
                    utf8(" : 0,034 kg.m²")}},
        // The smallest bench (3 N.m): the load of the pallet follows the rated torque.
        CasValeurs{51,
                   300,
                   1,
                   {150, 10, 5, 14, 70, 1},
                   {"0,10 N.m/kg", "F = 418 N", "0,10 N.m", "1,4 m", "150", "(100 + 40) kg",
                    utf8(" : 0,001 kg.m²")}},
        // Applications without settings change nothing and show nothing.
        CasValeurs{54, Tn, classe, temoin, {}}, CasValeurs{60, Tn, classe, temoin, {}},
        CasValeurs{0, Tn, classe, temoin, {}}));

TEST(ValeursApplication, TheUpperEndsOfTheBarsGiveTheirOwnValues) {
    // Conveyor at 2 m/s, loss torque 30 / 150 of Tn, 0,05 N/kg:
    // M = 70 x 1500 x 10472 / 200 / 5 / 100 = 10995; J = 10995 x 200 x 200 / 246740 = 1782.
    ControlesApplication c = ControlesDefaut(53);
    c.Barre[1] = 30, c.Barre[3] = 50, c.Barre[5] = 200, c.Barre[6] = 5;
    ParamsApplication p = temoin;
    const AffichageApplication a = LitControles(53, c, Tn, classe, p);
    EXPECT_EQ(p, (ParamsApplication{200, 30, 50, 5, -5, 1782}));
    EXPECT_EQ(a.Aff2, "M = 10995 kg");
    EXPECT_EQ(a.Aff1, "3,00 N.m");
    EXPECT_EQ(a.Aff3, "5,00 N.m");
    EXPECT_EQ(a.Inertie, utf8(" : 1,782 kg.m²"));
}

TEST(ValeursApplication, TheCuttingForceTruncatesTheLossTorqueToward0) {
    // P1 = 5: 5 x 3 / 2 = 7; F = (1500 - 7) x 41888 / 10 / 200 = 31269.
    ControlesApplication c = ControlesDefaut(57);
    c.Barre[1] = 5, c.Barre[4] = 10, c.Barre[5] = 200;
    ParamsApplication p{};
    EXPECT_EQ(LitControles(57, c, Tn, classe, p).Aff2, "Fmax = 31269 N");
}

TEST(ValeursApplication, ASteeperBeltCarriesLess) {
    // 15 degrees: S = 25; M = (70 x 1500 x 10472 / 50) / (245 + 50) / 100 = 745.
    ControlesApplication c = ControlesDefaut(66);
    c.Barre[4] = 15;
    ParamsApplication p{};
    EXPECT_EQ(LitControles(66, c, Tn, classe, p).Aff2, "M = 745 kg");
    EXPECT_EQ(p[4], 15);
}

struct CasPompe {
    int classe, pompe;
    int32_t hauteur; // bar 1, percent of the head at zero flow
    const char *gauche, *derivee;
};

class ChoixPompe : public testing::TestWithParam<CasPompe> {};

TEST_P(ChoixPompe, TheHeadsAreThoseOfTheChosenModelOfTheBench) {
    const CasPompe& c = GetParam();
    ControlesApplication ctl = ControlesDefaut(61);
    ctl.Barre[1] = c.hauteur;
    ctl.Pompe = c.pompe;
    ParamsApplication p = temoin;
    const AffichageApplication a = LitControles(61, ctl, Tn, c.classe, p);
    EXPECT_EQ(p[1], c.pompe);
    EXPECT_EQ(a.Aff1, c.gauche);
    EXPECT_EQ(a.Aff2, c.derivee);
}

INSTANTIATE_TEST_SUITE_P(Modeles, ChoixPompe,
                         testing::Values(CasPompe{1, 3, 100, "5,4 m", "H = 4,0 m"},  // PB-4: 54 x 100 / 100
                                         CasPompe{3, 5, 50, "15,0 m", "H = 10,0 m"}, // PC-6: 300 x 50 / 100
                                         CasPompe{0, 1, 10, "1,5 m", "H = 15,0 m"},  // PA-2: 156 x 10 / 100
                                         CasPompe{2, 4, 33, "2,8 m", "H = 7,1 m"})); // PA-5: 86 x 33 / 100

struct CasGarde {
    int code;
    std::array<int32_t, 7> barres; // the value of bar k at index k
    const char* derivee;
    const char* inertie;
};

class GardesApplication : public testing::TestWithParam<CasGarde> {};

// Controls outside their ranges (a damaged file read back) must give values, not a crash.
TEST_P(GardesApplication, AZeroDivisorGivesZero) {
    const CasGarde& c = GetParam();
    ControlesApplication ctl;
    ctl.Barre = c.barres;
    ParamsApplication p = temoin;
    const AffichageApplication a = LitControles(c.code, ctl, Tn, classe, p);
    EXPECT_EQ(a.Aff2, c.derivee);
    EXPECT_EQ(a.Inertie, utf8(c.inertie));
}

INSTANTIATE_TEST_SUITE_P(
    Cas, GardesApplication,
    testing::Values(CasGarde{51, {0, 10, 0, 5, 14, 0, 70}, "F = 0 N", " : 0,000 kg.m²"}, // P0 = 0
                    CasGarde{
                        51, {0, 10, 0, 5, 0, 150, 70}, "F = 0 N", " : 0,000 kg.m²"}, // P3 = 0: J is 0 too
                    CasGarde{52, {0, 0, 0, 0, 100, 0, 80}, "M = -10,0 kg", " : 0,000 kg.m²"},
                    CasGarde{53, {0, 10, 0, 20, 0, 100, 0}, "M = 0 kg", " : 0,000 kg.m²"},
                    CasGarde{53, {0, 10, 0, 20, 0, 0, 15}, "M = 0 kg", " : 0,000 kg.m²"},
                    CasGarde{57, {0, 10, 0, 50, 0, 600, 100}, "Fmax = 0 N", ""},
                    CasGarde{57, {0, 10, 0, 50, 50, 0, 100}, "Fmax = 0 N", ""},
                    CasGarde{62, {0, 10, 0, 80, 0, 0, 25}, "P = 0,000 Bar", ""},
                    CasGarde{66, {0, 30, 0, 20, 5, 0, 50}, "M = 0 kg", " : 0,000 kg.m²"},
                    CasGarde{66, {0, 30, 0, 20, 5, 50, 0}, "M = 0 kg", " : 0,000 kg.m²"}));

// --- Defaults and the way back to the controls ---------------------------------------------------

TEST(ParamInitApplication, Code64StartsBar6AtItsMinimum) {
    const ParamsApplication p = ParamInit(64, Tn, classe, temoin);
    EXPECT_EQ(p[4], 10);
    EXPECT_EQ(p[5], 10);
}

TEST(ParamInitApplication, ThePumpStartsOnTheFirstModel) {
    const ParamsApplication p = ParamInit(61, Tn, classe, {0, 4, 0, 0, 0, 0});
    EXPECT_EQ(p, (ParamsApplication{30, 0, 80, 0, 0, 0}));
}

TEST(ParamInitApplication, CodesBelow50AndCodesWithoutSettingsKeepTheirParameters) {
    EXPECT_EQ(ParamInit(0, Tn, classe, temoin), temoin);
    EXPECT_EQ(ParamInit(49, Tn, classe, temoin), temoin);
    EXPECT_EQ(ParamInit(65, Tn, classe, temoin), temoin);
}

class RetourControles : public testing::TestWithParam<int> {};

// A bar counts exactly when the dialog shows its label; the others keep their default.
TEST_P(RetourControles, TheParametersPutTheControlsBackWhereTheyWere) {
    const int code = GetParam();
    const LegendesApplication l = Legendes(code);
    const bool montree[7] = {false, l.Aff1 >= 0, false, l.Aff3 >= 0, l.Aff4 >= 0, l.Aff5 >= 0, l.Aff6 >= 0};
    const ControlesApplication defaut = ControlesDefaut(code);
    for (const bool versLeHaut : {false, true}) {
        ControlesApplication c = defaut;
        for (int b : BARRES_APPLICATION) {
            const PlageBarre r = PlageBarreApplication(code, b);
            c.Barre[b] = versLeHaut ? r.Maximum : r.Minimum + 1;
        }
        c.Pompe = versLeHaut ? 5 : 2;
        ParamsApplication p = temoin;
        LitControles(code, c, Tn, classe, p);
        const ControlesApplication retour = ControlesDepuisParam(code, p);
        for (int b : BARRES_APPLICATION)
            EXPECT_EQ(retour.Barre[b], montree[b] ? c.Barre[b] : defaut.Barre[b]) << "bar " << b;
        EXPECT_EQ(retour.Pompe, code == 61 ? c.Pompe : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Applications, RetourControles, testing::ValuesIn(configurables));

TEST(RetourControles, ParametersOutsideTheRangesGoToTheirEnds) {
    const ControlesApplication c = ControlesDepuisParam(64, {0, 90, 95, 2000, 5, 5});
    EXPECT_EQ(c.Barre[1], 1);
    EXPECT_EQ(c.Barre[3], 50);
    EXPECT_EQ(c.Barre[5], 50);
    EXPECT_EQ(c.Barre[6], 10);
    EXPECT_EQ(ControlesDepuisParam(61, {30, 9, 80, 0, 0, 0}).Pompe, 0);
    EXPECT_EQ(ControlesDepuisParam(61, {30, -1, 80, 0, 0, 0}).Pompe, 0);
}

// --- Names and pictures -------------------------------------------------------------------------

TEST(NomsApplication, TheTitleIsTheApplicationsNameInTheCurrentLanguage) {
    AppliqueLangue(1);
    EXPECT_EQ(NomApplication(51), "Conditionnement");
    EXPECT_EQ(NomApplication(58), "Levage");
    EXPECT_EQ(NomApplication(61), "Pompe centrifuge");
    EXPECT_EQ(NomApplication(66), "Tapis roulant");
    EXPECT_EQ(NomApplication(59), "");
    EXPECT_EQ(NomApplication(0), "");
    AppliqueLangue(2);
    EXPECT_EQ(NomApplication(64), "smoke extraction");
    AppliqueLangue(1);
}

TEST(ImagesConfiguration, EveryConfigurableApplicationHasAPictureDelivered) {
    const QString dossier = QDir(VIMRA_DONNEES).filePath("Vimra_app");
    for (int code : configurables) {
        const ImageConfiguration i = ChargeImageConfiguration(code, dossier);
        EXPECT_FALSE(i.image.isNull()) << code << ": " << i.message.toStdString();
        EXPECT_TRUE(i.message.isEmpty());
    }
    // A picture of its own first, else the catalogue's illustration.
    EXPECT_EQ(ChargeImageConfiguration(53, dossier).fichier, "convoyeur.jpg");
    EXPECT_EQ(ChargeImageConfiguration(51, dossier).fichier,
              QFile::exists(QDir(dossier).filePath("banderoleuse.jpg")) ? "banderoleuse.jpg"
                                                                        : "conditionnement.jpg");
}

TEST(ImagesConfiguration, WithoutAnyPictureTheMessageNamesTheFile) {
    AppliqueLangue(1);
    QTemporaryDir vide;
    const ImageConfiguration i = ChargeImageConfiguration(66, vide.path());
    EXPECT_TRUE(i.image.isNull());
    EXPECT_TRUE(i.message.startsWith("Erreur de lecture du fichier\natex_poussiere.jpg\n"))
        << i.message.toStdString();
    EXPECT_TRUE(ChargeImageConfiguration(62, vide.path())
                    .message.startsWith("Erreur de lecture du fichier\nventilation.jpg\n"));
    const ImageConfiguration aucune = ChargeImageConfiguration(54, vide.path());
    EXPECT_TRUE(aucune.image.isNull());
    EXPECT_TRUE(aucune.message.isEmpty());
}

// --- Application file ---------------------------------------------------------------------------

TEST(OctetsFichierApplication, TheCodeThenSixWordsLittleEndian) {
    const QByteArray b = OctetsApplication({0x01020304, {-2, 1, 0x7FFFFFFF, 0, 256, INT32_MIN}});
    ASSERT_EQ(b.size(), TAILLE_FICHIER_APPLICATION);
    EXPECT_EQ(b.toHex(' '), QByteArray("04 03 02 01 fe ff ff ff 01 00 00 00 ff ff ff 7f 00 00 00 00 "
                                       "00 01 00 00 00 00 00 80"));
    EXPECT_EQ(DecodeApplication(b), (FichierApplication{0x01020304, {-2, 1, 0x7FFFFFFF, 0, 256, INT32_MIN}}));
    EXPECT_FALSE(DecodeApplication(b.left(27)));
    EXPECT_FALSE(DecodeApplication(b + '\0'));
    EXPECT_FALSE(DecodeApplication({}));
}

class FichierApplicationTest : public testing::Test {
protected:
    QTemporaryDir dossier;
    DialoguesScriptes dialogues;
    std::unique_ptr<Travail> travail;
    Travail& t() { return *travail; }
    std::unique_ptr<SessionTravail> session;
    SessionTravail& s() { return *session; }
    QString chemin(const QString& nom) const { return QDir(dossier.path()).filePath(nom); }
    void SetUp() override {
        AppliqueLangue(1);
        travail = std::make_unique<Travail>();
        session = std::make_unique<SessionTravail>();
    }
    void ecrit(const QString& nom, const QByteArray& b) {
        QFile f(chemin(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    QByteArray contenu(const QString& nom) {
        QFile f(chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(FichierApplicationTest, AWrittenApplicationReadsBackIntoTheSavedParameters) {
    t().ApplicationCourante = 66;
    t().ParamApplication = {50, 30, 20, 50, 5, 17};
    s().NomFichierCourant = "travail.Vimr2";
    ASSERT_TRUE(EcritApplication(t(), chemin("tapis.APPLI")));
    EXPECT_EQ(contenu("tapis.APPLI").size(), 28);

    Travail& u = t();
    u.ApplicationCourante = 0;
    u.ParamApplication = temoin;
    ASSERT_TRUE(LitApplication(u, s(), chemin("tapis.APPLI")));
    EXPECT_EQ(u.ApplicationCourante, 66);
    EXPECT_EQ(s().ParamApplicationSauve, (ParamsApplication{50, 30, 20, 50, 5, 17}));
    // The caller copies them; the application file never becomes the work's file.
    EXPECT_EQ(u.ParamApplication, temoin);
    EXPECT_EQ(s().NomFichierCourant, "travail.Vimr2");
    EXPECT_TRUE(dialogues.avertissements.isEmpty());
}

struct CasLecture {
    const char* nom;
    int taille; // -1: no file
};

class LectureRefusee : public FichierApplicationTest, public testing::WithParamInterface<CasLecture> {};

TEST_P(LectureRefusee, AFileNotExactly28BytesIsAReadError) {
    const CasLecture& c = GetParam();
    if (c.taille >= 0) ecrit("a.APPLI", QByteArray(c.taille, '\x07'));
    t().ApplicationCourante = 53;
    s().ParamApplicationSauve = temoin;
    EXPECT_FALSE(LitApplication(t(), s(), chemin("a.APPLI")));
    EXPECT_EQ(t().ApplicationCourante, 0);
    EXPECT_EQ(s().ParamApplicationSauve, temoin);
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de lecture du fichier"});
}

INSTANTIATE_TEST_SUITE_P(Tailles, LectureRefusee,
                         testing::Values(CasLecture{"missing", -1}, CasLecture{"empty", 0},
                                         CasLecture{"short", 27}, CasLecture{"long", 29},
                                         CasLecture{"twoFiles", 56}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST_F(FichierApplicationTest, NoFileNameIsAReadError) {
    t().ApplicationCourante = 53;
    EXPECT_FALSE(LitApplication(t(), s(), QString()));
    EXPECT_EQ(t().ApplicationCourante, 0);
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur de lecture du fichier"});
}

TEST_F(FichierApplicationTest, AFailedWriteKeepsThePreviousFile) {
    t().ApplicationCourante = 62;
    t().ParamApplication = {10, 100, 80, 50, 25, 25};
    ASSERT_TRUE(EcritApplication(t(), chemin("v.APPLI")));
    const QByteArray avant = contenu("v.APPLI");
    t().ParamApplication = {20, 100, 70, 40, 30, 30};
    {
        DossierVerrouille verrou(dossier.path());
        if (!verrou.verrouille()) GTEST_SKIP() << "this file system cannot refuse writes to root";
        EXPECT_FALSE(EcritApplication(t(), chemin("v.APPLI")));
    }
    EXPECT_EQ(contenu("v.APPLI"), avant);
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur d'ecriture du fichier"});
}

TEST_F(FichierApplicationTest, WritingIntoAMissingFolderSaysSo) {
    t().ApplicationCourante = 51;
    EXPECT_FALSE(EcritApplication(t(), chemin("absent/a.APPLI")));
    EXPECT_EQ(dialogues.avertissements, QStringList{"Erreur d'ecriture du fichier"});
}

TEST_F(FichierApplicationTest, ASecondWriteReplacesTheFile) {
    t().ApplicationCourante = 57;
    t().ParamApplication = {600, 10, 50, 50, 100, 100};
    ASSERT_TRUE(EcritApplication(t(), chemin("c.APPLI")));
    t().ParamApplication = {1200, 30, 100, 100, 500, 500};
    ASSERT_TRUE(EcritApplication(t(), chemin("c.APPLI")));
    EXPECT_EQ(DecodeApplication(contenu("c.APPLI")),
              (FichierApplication{57, {1200, 30, 100, 100, 500, 500}}));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"c.APPLI"});
}

} // namespace
