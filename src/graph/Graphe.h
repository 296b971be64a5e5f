#pragma once
// The graph object: one characteristic (a Y column against an X column) drawn into a rectangle of
// any QPainter surface (the panel's backing image, a vector picture, a printed page). Scaling is
// 64-bit integer arithmetic on the stored values; the drawing half lives in GrapheTrace.cpp.

#include "graph/Courbe.h"
#include "graph/CurseurXor.h"
#include "socle/Textes.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QPainter;
struct TDefCaract;

constexpr int NB_POSITIONS_ZOOM = 51; // slider positions 0..50
constexpr int POSITION_ZOOM_MAX = NB_POSITIONS_ZOOM - 1;

// Factor of a zoom position; position 18 (factor 50) shows exactly the column's Maximum.
// A position outside 0..50 (a damaged work) is brought back into the table.
int32_t FacteurZoom(int position);

// A rectangle the way the graph counts: Droite and Bas are one past the last pixel.
struct TCadre {
    int32_t Gauche = 0;
    int32_t Haut = 0;
    int32_t Droite = 0;
    int32_t Bas = 0;
    int32_t largeur() const { return Droite - Gauche; }
    int32_t hauteur() const { return Bas - Haut; }
    bool operator==(const TCadre&) const = default;
};

struct TAxe {
    int64_t P0 = 0, P1 = 0; // pixel ends (X: left, right; Y: top, bottom)
    int64_t Porig = 0;      // pixel of Vref
    int64_t K = 0;          // pixels per step
    int64_t L = 0;          // |P1 - P0|
    int64_t Vmin = 0, Vmax = 0;
    int64_t Vref = 0; // a multiple of the step inside or at the edge of the range, 0 when it holds 0
    int64_t Step = 1;
    int64_t R = 1; // |Vmax - Vmin|, at least 1
    int64_t LabelStep = 1;
    int32_t LabelDecimals = 0;
    int32_t Exposant = 0;
    int32_t Decimales = 0;
};

// Graduation step, Vref, K and Porig of an axis whose P0, P1, L, Vmin, Vmax and R are set.
// `vertical`: values grow upward, from P1.
void EchelleAxe(TAxe& a, bool vertical);

// The label of a graduation, in the program's digits.
QString TexteGraduation(int64_t v, int decimales);

// One axis' quantity as the graph shows it.
struct TGrandeurAxe {
    int32_t Min = 0;
    int32_t Max = 0;
    int32_t Exposant = 0;
    int32_t Decimales = 0;
    QString Symbole;
    QString Unite;
};

class TGraphe {
public:
    QPainter* Surface = nullptr; // not owned; drawing calls do nothing without it
    TCadre Cadre;
    QString NomPolice = QStringLiteral("Arial");
    int32_t TaillePolice = 0; // points; 0 or 1: chosen by the layout
    // [0] background, [1] axes and texts, [2..6] curves of tests 1..5.
    std::array<QColor, 7> Couleurs{};
    TGrandeurAxe X, Y;
    TAxe AxeX, AxeY;
    TCurseurXor Curseur;
    int IndexCouleurCurseur = 0; // the selected test; 0: the axes colour
    int64_t CurseurValeurX = 0, CurseurValeurY = 0;
    bool Valide = false;

    QFont Police() const;

    void setSchemaCouleurs(int schema);

    // X and Y quantities and ranges from a characteristic definition and the work's columns.
    void ConfigureAxes(const TDefCaract& d, const std::array<TGrandeur, 21>& colonnes);
    // Both axes from the frame, the font and the ranges; Valide when the surface is there and
    // the frame is more than 100 pixels each way.
    void Dispose();

    // Value to pixel, through the truncated K of each axis so that drawing, cursor and
    // point search agree with one another.
    int64_t EcranX(int64_t valeur) const;
    int64_t EcranY(int64_t valeur) const;

    // Index of the point of the curve nearest to (mx, my), the earliest one on a tie; -1 when
    // the curve is empty.
    int PointLePlusProche(int mx, int my, const TTrace& courbe) const;

    // Horizontal and vertical pixels per inch of the surface (96 without one).
    int ppiX() const;
    int ppiY() const;

    // Drawing (GrapheTrace.cpp); nothing while the graph is not valid.
    void TraceCadre();
    void TraceCourbe(const TTrace& courbe);
    void TracePoint(int k, const TTrace& courbe);
    // The vertices TraceCourbe joins for a linear, cubic or smoothed curve (empty otherwise); the
    // mapped points, or the smoothed ones, are among them.
    std::vector<QPoint> SommetsCourbe(const TTrace& courbe) const;

    // The XOR cursor (CurseurXor.cpp).
    void InitialiseCurseur(int type, int indexCouleur);
    void PlaceCurseur(int64_t valeurX, int64_t valeurY);
    void RetraceCurseur();
    void CacheCurseur();
    void CacheEtDesactiveCurseur();

private:
    // Each graduation of the Y axis drawn, above then below the origin: f(pixel, value).
    template <class F> void PourGraduationsY(F f) const {
        if (AxeY.K <= 0) return;
        const int64_t j = AxeY.Vref / AxeY.Step;
        int64_t valeur = (j + 1) * AxeY.LabelStep;
        for (int64_t pixel = AxeY.Porig - AxeY.K; pixel > AxeY.P0; pixel -= AxeY.K, valeur += AxeY.LabelStep)
            f(pixel, valeur);
        valeur = (j - 1) * AxeY.LabelStep;
        for (int64_t pixel = AxeY.Porig + AxeY.K; pixel < AxeY.P1; pixel += AxeY.K, valeur -= AxeY.LabelStep)
            f(pixel, valeur);
    }

    void StyleCourbe(const TTrace& courbe);
    void pixelsCourbe(const TTrace& courbe, std::vector<int64_t>& xs, std::vector<int64_t>& ys) const;
    std::vector<QPoint> SommetsCourbe(const TTrace& courbe, const std::vector<int64_t>& xs,
                                      const std::vector<int64_t>& ys) const;
};
