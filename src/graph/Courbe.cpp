#include "Courbe.h"

#include "PoidsCubiques.h"

#include <algorithm>
#include <utility>

int ModeEffectif(int interpolation, int dernier) {
    int plafond;
    if (dernier <= 0)
        plafond = -1;
    else if (dernier <= 3)
        plafond = 2;
    else if (dernier == 4)
        plafond = 3;
    else if (dernier <= 6)
        plafond = 4;
    else
        plafond = 5;
    return std::max(-1, std::min(interpolation, plafond));
}

namespace {

int64_t sur3(const int64_t* p, int i) {
    return (p[i - 1] + 2 * p[i] + p[i + 1]) / 4;
}
int64_t sur5(const int64_t* p, int i) {
    return (p[i - 2] + 4 * p[i - 1] + 6 * p[i] + 4 * p[i + 1] + p[i + 2]) / 16;
}
// Weights 1, 8, 12, 22, 12, 8, 1: not binomial, but these are the filter's.
int64_t sur7(const int64_t* p, int i) {
    return (p[i - 3] + 8 * p[i - 2] + 12 * p[i - 1] + 22 * p[i] + 12 * p[i + 1] + 8 * p[i + 2] + p[i + 3]) /
           64;
}

} // namespace

void Lissage(int largeur, const int64_t* p, int64_t* s, int n) {
    if (n < 0) return;
    if (largeur >= 7 && n < 6) largeur = 5;
    if (largeur >= 5 && n < 4) largeur = 3;
    if (n < 2) largeur = 1;
    s[0] = p[0];
    s[n] = p[n];
    switch (largeur) {
    case 3:
        for (int i = 1; i < n; ++i)
            s[i] = sur3(p, i);
        break;
    case 5:
        s[1] = sur3(p, 1);
        for (int i = 2; i <= n - 2; ++i)
            s[i] = sur5(p, i);
        s[n - 1] = sur3(p, n - 1);
        break;
    case 7:
        s[1] = sur3(p, 1);
        s[2] = sur5(p, 2);
        for (int i = 3; i <= n - 3; ++i)
            s[i] = sur7(p, i);
        s[n - 2] = sur5(p, n - 2);
        s[n - 1] = sur3(p, n - 1);
        break;
    default:
        std::copy(p, p + n + 1, s);
    }
}

namespace {

// The divisors are spelt out as constants so that each division compiles to a shift.
template <const auto& table, std::size_t k> int64_t somme3(const int64_t* p) {
    constexpr Poids3 w = table[k];
    return (w.a * p[0] + w.b * p[1] + w.c * p[2]) / w.d;
}
template <std::size_t k> int64_t somme4(const int64_t* p) {
    constexpr Poids4 w = PoidsSegmentInterieur[k];
    return (w.a * p[0] + w.b * p[1] + w.c * p[2] + w.e * p[3]) / w.d;
}

template <const auto& table, std::size_t... k>
void segment3(const int64_t* x, const int64_t* y, std::vector<QPoint>& s, std::index_sequence<k...>) {
    (s.emplace_back(PixelBorne(somme3<table, k>(x)), PixelBorne(somme3<table, k>(y))), ...);
}
template <std::size_t... k>
void segment4(const int64_t* x, const int64_t* y, std::vector<QPoint>& s, std::index_sequence<k...>) {
    (s.emplace_back(PixelBorne(somme4<k>(x)), PixelBorne(somme4<k>(y))), ...);
}

} // namespace

void PolylineCubique(const int64_t* x, const int64_t* y, int n, std::vector<QPoint>& sortie) {
    if (n < 0) return;
    sortie.reserve(sortie.size() + 8 * std::size_t(n) + 2);
    sortie.emplace_back(PixelBorne(x[0]), PixelBorne(y[0]));
    if (n == 0) return;
    if (n == 1) {
        // No third point for the curve: a straight segment.
        sortie.emplace_back(PixelBorne(x[1]), PixelBorne(y[1]));
        return;
    }
    segment3<PoidsPremierSegment>(x, y, sortie, std::make_index_sequence<8>());
    for (int i = 1; i <= n - 2; ++i)
        segment4(x + i - 1, y + i - 1, sortie, std::make_index_sequence<8>());
    segment3<PoidsDernierSegment>(x + n - 2, y + n - 2, sortie, std::make_index_sequence<9>());
}
