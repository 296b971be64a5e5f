#pragma once
// What the characteristic plot window computes: where its panels go, which test a new load is
// recorded into, its caption and mode bar, and the layout of a copied or printed page.

#include "work/LoisCharge.h"

#include <QRect>
#include <QString>

#include <array>

class Travail;
struct SessionTravail;

// The slots of `nombre` shown panels (1..4) in the rectangle: one fills it; two side by side;
// three as two stacked on the left and one full height on the right; four in a square.
std::array<QRect, 4> calculposition(int gauche, int haut, int largeur, int hauteur, int nombre);

// Gives the load now in ModeleEssai a test: the current one when it may take it (empty, or
// recorded with the same settings), else a new one while the work has room. Returns whether the
// current test was reused. A reused test keeps its points.
bool Setcourbe(Travail& t, SessionTravail& s);

// The window caption for a load and machine; empty for load type 0 (the caption stays).
QString titreTraceCaract(int typeCharge, int typeMachine);

// The copied picture: 190 mm by 140 mm at the screen's horizontal resolution.
QSize tailleCopieCaract(int dpi);

// A printed page: title, one legend entry per test, the panels below.
struct MiseEnPage {
    int largeur;    // usable width W
    int marge;      // left margin L
    int hauteur;    // H, no more than W
    QRect panneaux; // where the panels are laid out
    int legendeX(int essai) const { return (essai - 1) * largeur / 5 + marge; }
    int legendeY() const { return (hauteur * 37 / 20) / 2; }
    int commentaireY() const { return hauteur * 19 / 20; }
};
MiseEnPage miseEnPageImpression(int largeurPage, int hauteurPage);

class QPainter;
class QPaintDevice;
// The page's title (the work's comment, centred) and the legend of the tests in their colours;
// the panels are the window's to draw in m.panneaux.
void imprimeEnTete(QPainter& p, QPaintDevice& imprimante, const Travail& t, const MiseEnPage& m);
