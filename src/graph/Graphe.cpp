#include "Graphe.h"

#include "Couleurs.h"
#include "Courbe.h"
#include "work/Format.h"
#include "work/Travail.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::array<int32_t, NB_POSITIONS_ZOOM> facteurs{
    10,  11,  12,  13,  14,  15,  16,  18,  20,  22,  24,  26,  28,  30,  34,  38,  42,
    46,  50,  55,  60,  68,  75,  82,  90,  100, 110, 120, 130, 140, 150, 160, 180, 200,
    220, 240, 260, 280, 300, 340, 380, 420, 460, 500, 550, 600, 680, 750, 820, 900, 1000,
};
static_assert(facteurs[18] == 50 && facteurs[27] == 120);

int64_t puissanceDix(int n) {
    int64_t p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

const TGrandeur& colonne(const std::array<TGrandeur, NB_COLONNES>& colonnes, int c) {
    static const TGrandeur vide;
    return c >= 0 && c < NB_COLONNES ? colonnes[c] : vide;
}

} // namespace

int32_t FacteurZoom(int position) {
    return facteurs[std::clamp(position, 0, POSITION_ZOOM_MAX)];
}

void EchelleAxe(TAxe& a, bool vertical) {
    int64_t d = a.Vmax - a.Vmin;
    int n = static_cast<int>(std::to_string(d).size()); // a minus sign counts
    if (n == 1) {
        n = 2;
        d *= 10;
    }
    const int64_t lead = d / puissanceDix(n - 2);
    int64_t s = 1;
    if (lead >= 10 && lead <= 12)
        s = 1;
    else if (lead >= 13 && lead <= 24)
        s = 2;
    else if (lead >= 25 && lead <= 48)
        s = 4;
    else if (lead >= 49 && lead <= 64)
        s = 5;
    else if (lead >= 65 && lead <= 100)
        s = 10;
    a.Step = std::max<int64_t>(1, s * puissanceDix(n - 2));
    a.LabelStep = a.Step;
    a.LabelDecimals = a.Decimales;
    if (a.Vmin > 0)
        a.Vref = (a.Vmin / a.Step + 1) * a.Step;
    else if (a.Vmax < 0)
        a.Vref = (a.Vmax / a.Step - 1) * a.Step;
    else
        a.Vref = 0;
    a.K = a.L * a.Step / a.R;
    const int64_t decalage = (a.Vref - a.Vmin) * a.L / a.R;
    a.Porig = vertical ? a.P1 - decalage : a.P0 + decalage;
}

QString TexteGraduation(int64_t v, int decimales) {
    return TexteValeur(static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)), decimales);
}

void TGraphe::setSchemaCouleurs(int schema) {
    Couleurs = SchemaCouleurs(schema);
}

void TGraphe::ConfigureAxes(const TDefCaract& d, const std::array<TGrandeur, NB_COLONNES>& colonnes) {
    const TGrandeur& gx = colonne(colonnes, d.ColonneX);
    const TGrandeur& gy = colonne(colonnes, d.ColonneY);
    X.Symbole = gx.Symbole;
    X.Unite = gx.Unite;
    X.Exposant = gx.Exposant;
    X.Decimales = gx.Decimales;
    Y.Symbole = gy.Symbole;
    Y.Unite = gy.Unite;
    Y.Exposant = gy.Exposant;
    Y.Decimales = gy.Decimales;
    const int32_t w = static_cast<int32_t>(int64_t(gx.Maximum) * 50 / FacteurZoom(d.ZoomX));
    const int32_t v = static_cast<int32_t>(int64_t(gy.Maximum) * 50 / FacteurZoom(d.ZoomY));
    // Xmin, Xmax, Ymin, Ymax by quadrant code, as multiples of (w, v).
    static constexpr std::array<std::array<int, 4>, 9> quadrants{{
        {-1, 1, -1, 1}, // four quadrants
        {0, 1, 0, 1},   // 1
        {0, 1, -1, 1},  // 1 and 4
        {0, 1, -1, 0},  // 4
        {-1, 1, -1, 0}, // 3 and 4
        {-1, 0, -1, 0}, // 3
        {-1, 0, -1, 1}, // 2 and 3
        {-1, 0, 0, 1},  // 2
        {-1, 1, 0, 1},  // 1 and 2
    }};
    if (d.Quadrant < 0 || d.Quadrant >= int(quadrants.size())) return;
    const auto& q = quadrants[d.Quadrant];
    X.Min = q[0] * w;
    X.Max = q[1] * w;
    Y.Min = q[2] * v;
    Y.Max = q[3] * v;
}

int TGraphe::ppiX() const {
    return Surface && Surface->device() ? Surface->device()->logicalDpiX() : 96;
}

int TGraphe::ppiY() const {
    return Surface && Surface->device() ? Surface->device()->logicalDpiY() : 96;
}

namespace {

void axeDepuis(TAxe& a, const TGrandeurAxe& g) {
    a.Vmin = g.Min;
    a.Vmax = g.Max;
    a.R = std::llabs(int64_t(g.Max) - g.Min);
    if (a.R == 0) a.R = 1;
    a.Exposant = g.Exposant;
    a.Decimales = g.Decimales;
}

} // namespace

QFont TGraphe::Police() const {
    QFont f(NomPolice);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(std::max(1, TaillePolice));
    return f;
}

void TGraphe::Dispose() {
    if (!Surface || !Surface->isActive() || Cadre.largeur() <= 100 || Cadre.hauteur() <= 100) {
        Valide = false;
        return;
    }
    if (TaillePolice == 0 || TaillePolice == 1) TaillePolice = std::abs(Cadre.largeur()) / 200 + 5;
    const int64_t m = int64_t(ppiX()) * 15 / 254; // 1.5 mm
    Surface->setFont(Police());
    const QFontMetrics fm = Surface->fontMetrics();

    axeDepuis(AxeX, X);
    axeDepuis(AxeY, Y);

    const int64_t h = int64_t(TaillePolice) * ppiY() / 72;
    AxeY.P0 = Cadre.Haut + 2 * m + 2 * h;
    AxeY.P1 = Cadre.Bas - m - h;
    AxeY.L = std::llabs(AxeY.P1 - AxeY.P0);
    EchelleAxe(AxeY, true);

    const int64_t W = Y.Decimales < 1 ? fm.horizontalAdvance(QString::number(AxeY.R))
                                      : fm.horizontalAdvance(QStringLiteral("-00,00"));
    AxeX.P0 = Cadre.Gauche + W + m;
    AxeX.P1 = Cadre.Droite -
              std::max(fm.horizontalAdvance(X.Symbole), fm.horizontalAdvance(u'(' + X.Unite + u')')) - m;
    // Wider Y labels (large values, three decimals) push the Y axis right until each label, its
    // tick (2 mm) and a pixel of its smoothed edge stay inside the frame.
    int64_t etiquettes = 0;
    PourGraduationsY([&](int64_t, int64_t valeur) {
        etiquettes =
            std::max<int64_t>(etiquettes, fm.horizontalAdvance(TexteGraduation(valeur, AxeY.LabelDecimals)));
    });
    const int64_t place = etiquettes + 2 * (int64_t(ppiX()) * 10 / 254) + 1;
    for (int essai = 0; essai < 4; ++essai) {
        AxeX.L = std::llabs(AxeX.P1 - AxeX.P0);
        EchelleAxe(AxeX, false);
        const int64_t manque = Cadre.Gauche + place - AxeX.Porig;
        if (manque <= 0 || AxeX.P0 + manque >= AxeX.P1) break;
        AxeX.P0 += manque;
    }

    InitialiseCurseur(Curseur.TypeCurseur, IndexCouleurCurseur);
    Valide = true;
}

int64_t TGraphe::EcranX(int64_t valeur) const {
    return AxeX.Porig + (valeur - AxeX.Vref) * AxeX.K / AxeX.Step;
}

int64_t TGraphe::EcranY(int64_t valeur) const {
    return AxeY.Porig - (valeur - AxeY.Vref) * AxeY.K / AxeY.Step;
}

int TGraphe::PointLePlusProche(int mx, int my, const TTrace& courbe) const {
    const int dernier = std::min(courbe.Dernier, NB_VALEURS_TRACE - 2);
    const int premier = std::max(courbe.Premier, 0);
    if (dernier < 0 || premier > dernier) return -1;
    // Held coordinates keep the squares inside 64 bits.
    auto distance = [&](int k) {
        const int64_t dx = int64_t(PixelBorne(EcranX(courbe.x(k)))) - mx;
        const int64_t dy = int64_t(PixelBorne(EcranY(courbe.y(k)))) - my;
        return dx * dx + dy * dy;
    };
    int64_t meilleure = distance(premier);
    int index = premier;
    for (int k = premier; k <= dernier; ++k) {
        const int64_t d = distance(k);
        if (d < meilleure) {
            meilleure = d;
            index = k;
        }
    }
    return index;
}
