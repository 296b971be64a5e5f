#pragma once
// The graph colour schemes: background, axes and texts, then the curves of tests 1..5.

#include <QColor>

#include <array>

constexpr int NB_SCHEMAS_COULEURS = 8;

// Scheme 0..7; any other number gives scheme 0.
std::array<QColor, 7> SchemaCouleurs(int schema);

// The printed page's legend, on white paper, for tests 1..5: the marker in the test's curve colour
// of scheme 0 (the printed graph's), the name in the same colour darkened where that one is too
// light to read.
struct CouleurLegende {
    QColor marqueur;
    QColor nom;
};
std::array<CouleurLegende, 5> CouleursLegende();
