// Drawing of the graph: background, axes with their arrows, symbols, units, graduations, then
// the curves of the tests and single new points.
#include "Courbe.h"
#include "Graphe.h"
#include "Marqueurs.h"
#include "PixelsDirects.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

// Text whose top-left corner is at (x, haut), the way the graph places its texts.
void texte(QPainter& p, const QFontMetrics& fm, int64_t x, int64_t haut, const QString& s) {
    p.drawText(PixelBorne(x), PixelBorne(haut + fm.ascent()), s);
}

void ligne(QPainter& p, int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
    p.drawLine(PixelBorne(x1), PixelBorne(y1), PixelBorne(x2), PixelBorne(y2));
}

} // namespace

void TGraphe::TraceCadre() {
    if (!Valide || !Surface) return;
    QPainter& p = *Surface;
    const int64_t ppi = ppiX();
    const int64_t t1 = ppi * 10 / 254; // 1 mm
    const int64_t t2 = 2 * t1;

    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(Cadre.Gauche, Cadre.Haut, Cadre.largeur(), Cadre.hauteur()), Couleurs[0]);
    p.setPen(QPen(Couleurs[1], static_cast<qreal>(ppi * 3 / 254)));
    p.setBrush(Qt::NoBrush);
    p.setFont(Police());
    const QFontMetrics fm = p.fontMetrics();
    const int64_t gauche = Cadre.Gauche, haut = Cadre.Haut, droite = Cadre.Droite, bas = Cadre.Bas;

    // X axis, arrow to the right.
    const int64_t y = AxeY.Porig;
    ligne(p, gauche + t1, y, droite - t1, y);
    ligne(p, droite - t2 - t1, y - t1, droite - t1, y);
    ligne(p, droite - t1, y, droite - t2 - t1, y + t1);
    texte(p, fm, droite - t1 - fm.horizontalAdvance(X.Symbole), y - t1 - fm.height(), X.Symbole);
    if (!X.Unite.isEmpty()) {
        const QString unite = u'(' + X.Unite + u')';
        texte(p, fm, droite - t1 - fm.horizontalAdvance(unite), y + t1, unite);
    }

    // X graduations: to the right only those whose label fits before the end of the axis;
    // none at Vref itself.
    if (AxeX.K > 0) {
        const int64_t j = AxeX.Vref / AxeX.Step;
        auto graduationX = [&](int64_t pixel, const QString& s, int64_t largeur) {
            ligne(p, pixel, y, pixel, y + t2);
            texte(p, fm, pixel - largeur / 2, y + t1 + 1, s);
        };
        int64_t valeur = (j + 1) * AxeX.LabelStep;
        for (int64_t pixel = AxeX.Porig + AxeX.K; pixel < AxeX.P1; pixel += AxeX.K) {
            const QString s = TexteGraduation(valeur, AxeX.LabelDecimals);
            const int64_t largeur = fm.horizontalAdvance(s);
            if (pixel + largeur / 2 + t1 < AxeX.P1) graduationX(pixel, s, largeur);
            valeur += AxeX.LabelStep;
        }
        valeur = (j - 1) * AxeX.LabelStep;
        for (int64_t pixel = AxeX.Porig - AxeX.K; pixel > AxeX.P0; pixel -= AxeX.K) {
            const QString s = TexteGraduation(valeur, AxeX.LabelDecimals);
            graduationX(pixel, s, fm.horizontalAdvance(s));
            valeur -= AxeX.LabelStep;
        }
    }

    // Y axis, arrow at the top.
    const int64_t x = AxeX.Porig;
    ligne(p, x, bas - t1, x, haut + t1);
    ligne(p, x - t1, haut + t1 + t2, x, haut + t1);
    ligne(p, x, haut + t1, x + t1, haut + t1 + t2);
    texte(p, fm, x + t1, haut + t1, Y.Symbole);
    if (!Y.Unite.isEmpty()) texte(p, fm, x + t1, haut + t2 + fm.height(), u'(' + Y.Unite + u')');

    PourGraduationsY([&](int64_t pixel, int64_t valeur) {
        const QString s = TexteGraduation(valeur, AxeY.LabelDecimals);
        ligne(p, x, pixel, x - t2, pixel);
        texte(p, fm, x - t2 - fm.horizontalAdvance(s), pixel - fm.height() / 2, s);
    });
}

void TGraphe::StyleCourbe(const TTrace& courbe) {
    QPainter& p = *Surface;
    static constexpr Qt::BrushStyle brosses[] = {Qt::NoBrush,      Qt::SolidPattern,    Qt::BDiagPattern,
                                                 Qt::FDiagPattern, Qt::HorPattern,      Qt::VerPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                              Qt::DashDotDotLine};
    const QColor couleur = Couleurs[1 + std::clamp(courbe.IndexCouleur, 0, 5)];
    const int64_t epaisseur = std::max<int64_t>(1, int64_t(courbe.FacteurEpaisseur) * ppiX() * 3 / 254);
    const bool styleConnu = courbe.StyleCrayon >= 0 && courbe.StyleCrayon <= 4;
    QPen crayon(couleur, static_cast<qreal>(epaisseur),
                styleConnu ? styles[courbe.StyleCrayon] : Qt::SolidLine);
    p.setPen(crayon);
    const bool brosseConnue = courbe.TypeBrosse >= 1 && courbe.TypeBrosse <= 7;
    p.setBrush(QBrush(couleur, brosseConnue ? brosses[courbe.TypeBrosse] : Qt::NoBrush));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void TGraphe::TraceCourbe(const TTrace& courbe) {
    if (!Valide || !Surface || courbe.Dernier < 0) return;
    QPainter& p = *Surface;
    CacheCurseur();
    StyleCourbe(courbe);

    std::vector<int64_t> xs, ys;
    pixelsCourbe(courbe, xs, ys);
    const int n = static_cast<int>(xs.size()) - 1; // points Premier..Dernier as 0..n

    if (courbe.TypeMarqueur >= 0) {
        std::vector<QPoint> centres(n + 1);
        for (int k = 0; k <= n; ++k)
            centres[k] = QPoint(PixelBorne(xs[k]), PixelBorne(ys[k]));
        StyleMarqueur(p);
        TraceMarqueurs(p, courbe.TypeMarqueur, DemiTailleMarqueur(ppiX()), centres.data(), n + 1);
    }

    StyleCourbe(courbe);
    if (ModeEffectif(courbe.Interpolation, courbe.Dernier) == 0) {
        const int64_t zero = EcranY(0);
        for (int k = 0; k <= n; ++k)
            if (ys[k] != zero) ligne(p, xs[k], zero, xs[k], ys[k]);
    } else {
        // Repeated vertices add nothing to an aliased line but time.
        std::vector<QPoint> sommets = SommetsCourbe(courbe, xs, ys);
        sommets.erase(std::unique(sommets.begin(), sommets.end()), sommets.end());
        TracePolyline(p, sommets);
    }
    RetraceCurseur();
}

std::vector<QPoint> TGraphe::SommetsCourbe(const TTrace& courbe, const std::vector<int64_t>& xs,
                                           const std::vector<int64_t>& ys) const {
    const int n = static_cast<int>(xs.size()) - 1;
    const int mode = ModeEffectif(courbe.Interpolation, courbe.Dernier);
    std::vector<QPoint> sommets;
    if (mode < 1 || n < 0) return sommets;
    if (mode == 1) {
        sommets.reserve(n + 1);
        for (int k = 0; k <= n; ++k)
            sommets.emplace_back(PixelBorne(xs[k]), PixelBorne(ys[k]));
    } else if (mode == 2) {
        PolylineCubique(xs.data(), ys.data(), n, sommets);
    } else {
        std::vector<int64_t> xl(n + 1), yl(n + 1);
        const int largeur = 2 * mode - 3; // 3, 5, 7 points
        Lissage(largeur, xs.data(), xl.data(), n);
        Lissage(largeur, ys.data(), yl.data(), n);
        PolylineCubique(xl.data(), yl.data(), n, sommets);
    }
    return sommets;
}

std::vector<QPoint> TGraphe::SommetsCourbe(const TTrace& courbe) const {
    std::vector<int64_t> xs, ys;
    pixelsCourbe(courbe, xs, ys);
    return SommetsCourbe(courbe, xs, ys);
}

void TGraphe::pixelsCourbe(const TTrace& courbe, std::vector<int64_t>& xs, std::vector<int64_t>& ys) const {
    const int dernier = std::min(courbe.Dernier, NB_VALEURS_TRACE - 2);
    const int premier = std::clamp(courbe.Premier, 0, std::max(dernier, 0));
    const int n = dernier - premier;
    xs.resize(std::max(n + 1, 0));
    ys.resize(xs.size());
    for (int k = 0; k <= n; ++k) {
        xs[k] = EcranX(courbe.x(premier + k));
        ys[k] = EcranY(courbe.y(premier + k));
    }
}

void TGraphe::TracePoint(int k, const TTrace& courbe) {
    if (!Valide || !Surface || k < 0 || k > std::min(courbe.Dernier, NB_VALEURS_TRACE - 2)) return;
    CacheCurseur();
    StyleCourbe(courbe);
    if (courbe.TypeMarqueur >= 0) {
        const QPoint centre(PixelBorne(EcranX(courbe.x(k))), PixelBorne(EcranY(courbe.y(k))));
        StyleMarqueur(*Surface);
        TraceMarqueur(*Surface, courbe.TypeMarqueur, DemiTailleMarqueur(ppiX()), centre);
    }
    RetraceCurseur();
}
