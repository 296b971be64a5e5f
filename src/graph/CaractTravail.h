#pragma once
// A characteristic of the work as the graph panel shows and copies it.

#include <QString>

struct TTrace;
class Travail;
struct SessionTravail;

// Curve of test `essai` (1..5) for characteristic definition n: the test's own marker and colour,
// the work's interpolation (none during an acquisition), its X and Y columns whole.
// A test number outside 1..5 gives an empty curve.
void RemplitCourbe(TTrace& courbe, const Travail& t, int n, int essai, bool enAcquisition = false);

// The X and Y values of the selected test for definition n as tab-separated text, CR LF line
// ends: symbols, then units in brackets, then one line per point.
QString TexteValeursCaract(const Travail& t, const SessionTravail& s, int n);
