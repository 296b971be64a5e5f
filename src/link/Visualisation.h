#pragma once
// The live values window without its widgets: the bench size, the K text, where the ten tiles go
// in the client area, the inside of one tile and the window's proportions.

#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>

constexpr int NB_TUILES = 10; // tile k shows column k, 1..10

// Field `champ` (0..4) of the bench-size entry of power class `classePuissance`: 1 rated torque
// (hundredths of N.m), 2 rated power (W), 3 rated inertia, 4 machine power (W). A class the
// settings file should not hold reads as class 2, the program's default; another field as 0.
int32_t ChampTailleBanc(int classePuissance, int champ);
// "MACHINE 3000 W" for class 3.
QString TexteMachineBanc(int classePuissance);
// "K = 37%".
QString TexteK(int position);

// Geometry of tile k at index k (index 0 unused) for a client area and the height of the top
// band: two bands above the tiles, three rows of three, then two rows of two centred.
std::array<QRect, NB_TUILES + 1> DispositionTuiles(QSize client, int hauteurBandeau);

// Inside of a tile of height P within a border: spacer P/8, title P/5, spacer P/8, value 3P/8,
// from the top; each as wide as the panel less its borders.
struct DispositionAffichage {
    QRect espace1, titre, espace2, valeur;
};
DispositionAffichage DisposeAffichage(QSize panneau, int bord);

// The size the window takes when `demandee` is asked from `ancienne`: width four thirds of the
// height, following the side the user moved, never below `minimum`.
QSize ProportionsVisualisation(QSize ancienne, QSize demandee, QSize minimum);
