// Every text the graphs and the windows draw in colours of their own stays legible: a contrast
// ratio of at least 4.5:1 against its background, 3:1 for large text (WCAG 2.1).
#include "graph/Couleurs.h"
#include "socle/CouleursFenetres.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>

namespace {

double composante(int v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb c) {
    return 0.2126 * composante(qRed(c)) + 0.7152 * composante(qGreen(c)) + 0.0722 * composante(qBlue(c));
}

double contraste(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A translucent background over what lies under it, as the painter composes them.
QRgb compose(QRgb fond, QRgb dessous) {
    const int a = qAlpha(fond);
    auto m = [a](int f, int d) { return (f * a + d * (255 - a) + 127) / 255; };
    return qRgb(m(qRed(fond), qRed(dessous)), m(qGreen(fond), qGreen(dessous)),
                m(qBlue(fond), qBlue(dessous)));
}

TEST(Contraste, FormulaGivesTheKnownRatios) {
    EXPECT_NEAR(contraste(qRgb(0, 0, 0), qRgb(255, 255, 255)), 21.0, 1e-9);
    EXPECT_NEAR(contraste(qRgb(119, 119, 119), qRgb(255, 255, 255)), 4.48, 0.01);
    EXPECT_NEAR(contraste(qRgb(255, 0, 0), qRgb(255, 255, 255)), 4.0, 0.01);
    EXPECT_EQ(compose(qRgba(200, 100, 0, 255), qRgb(0, 0, 0)), qRgb(200, 100, 0));
    EXPECT_EQ(compose(qRgba(200, 100, 0, 0), qRgb(10, 20, 30)), qRgb(10, 20, 30));
}

class ContrasteSchema : public testing::TestWithParam<int> {};

// Axis symbols, units and graduation values are written in the texts colour on the background.
TEST_P(ContrasteSchema, GraphTextsAreLegibleOnTheBackground) {
    const std::array<QColor, 7> c = SchemaCouleurs(GetParam());
    const double r = contraste(c[1].rgb(), c[0].rgb());
    EXPECT_GE(r, 4.5) << "graph texts " << qPrintable(c[1].name()) << " on " << qPrintable(c[0].name())
                      << ", colour scheme " << GetParam() << ": " << r << ":1";
}

INSTANTIATE_TEST_SUITE_P(Schemas, ContrasteSchema, testing::Range(0, NB_SCHEMAS_COULEURS));

// The names of the tests under the printed page's title, in their curves' colours.
TEST(Contraste, PrintedLegendNamesAreLegibleOnPaper) {
    const std::array<CouleurLegende, 5> c = CouleursLegende();
    for (std::size_t k = 0; k < c.size(); ++k) {
        const double r = contraste(c[k].nom.rgb(), qRgb(255, 255, 255));
        EXPECT_GE(r, 4.5) << "printed page: name of test " << k + 1 << ", " << qPrintable(c[k].nom.name())
                          << " on white, " << r << ":1";
    }
}

class ContrasteFenetre : public testing::TestWithParam<couleurs::PaireCouleurs> {};

TEST_P(ContrasteFenetre, TextIsLegibleOnItsBackground) {
    const couleurs::PaireCouleurs& p = GetParam();
    const double seuil = p.grand ? 3.0 : 4.5;
    const double r = contraste(p.texte, compose(p.fond, p.dessous));
    EXPECT_GE(r, seuil) << p.nom << ": " << qPrintable(QColor(p.texte).name()) << " on "
                        << qPrintable(QColor(compose(p.fond, p.dessous)).name()) << ", " << r << ":1";
}

std::string nomPaire(const testing::TestParamInfo<couleurs::PaireCouleurs>& i) {
    std::string n;
    for (const char* c = i.param.nom; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c))) n += *c;
    return n;
}

INSTANTIATE_TEST_SUITE_P(Fenetres, ContrasteFenetre, testing::ValuesIn(couleurs::PairesFenetres), nomPaire);

} // namespace
