#pragma once
// The graph colour schemes: background, axes and texts, then the curves of tests 1..5.

#include <QColor>

#include <array>

constexpr int NB_SCHEMAS_COULEURS = 8;

// Scheme 0..7; any other number gives scheme 0.
std::array<QColor, 7> SchemaCouleurs(int schema);
