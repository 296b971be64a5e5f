#pragma once
// What one test contributes to one graph, and the ways its points are joined: bars, straight
// segments, cubic interpolation, and the 3-, 5- and 7-point smoothing in front of it.

#include <QPoint>

#include <array>
#include <cstdint>
#include <vector>

constexpr int NB_VALEURS_TRACE = 2002; // point k at element k + 1, as in a test's columns

struct TTrace {
    int Premier = 0;
    int Dernier = -1;         // the test's DernierPoint
    int TypeMarqueur = -1;    // -1 none, 0 pixel, 1 "+", 2 "x", 3 square, 4 diamond, 5 triangle
    int Interpolation = -1;   // -1 none, 0 bars, 1 linear, 2 cubic, 3/4/5 smoothed over 3/5/7 points
    int IndexCouleur = 1;     // 1..5, the test's number
    int StyleCrayon = 0;      // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    int FacteurEpaisseur = 0; // in 0.3 mm
    int TypeBrosse = 0;       // 1 solid, 2..7 hatches; others: no fill
    std::array<int32_t, NB_VALEURS_TRACE> X{};
    std::array<int32_t, NB_VALEURS_TRACE> Y{};

    int32_t x(int k) const { return X[k + 1]; }
    int32_t y(int k) const { return Y[k + 1]; }
};

// The interpolation actually drawn: the curve's own, capped by what its number of points allows.
int ModeEffectif(int interpolation, int dernier);

// Smoothing of p[0..n] over 3, 5 or 7 points into s[0..n] (integer weights, truncating division).
// The ends keep the narrower rules; too few points for a rule fall back to the narrower one.
void Lissage(int largeur, const int64_t* p, int64_t* s, int n);

// A pixel coordinate handed to the painter: far-away values are held at a distance the painter
// still handles, so that a wild value draws a steep line instead of a wrapped one.
inline int32_t PixelBorne(int64_t v) {
    constexpr int64_t borne = int64_t(1) << 22;
    return static_cast<int32_t>(v < -borne ? -borne : v > borne ? borne : v);
}

// The polyline of the cubic interpolation through (x[0..n], y[0..n]): p[0], then eight
// sub-points per segment. Two points give a straight segment, one point a single vertex.
void PolylineCubique(const int64_t* x, const int64_t* y, int n, std::vector<QPoint>& sortie);
