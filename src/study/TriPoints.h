#pragma once
// Sorting the points of the tests and choosing the current range of the current test: what the
// plot window's "Trier les points" and "Calibre Courant" entries do once their dialog answers.

#include <vector>

class Travail;
struct SessionTravail;

struct ChoixTri {
    int colonne = 0; // 0..10
    int ordre = 0;   // 0 ascending, 1 descending
    bool operator==(const ChoixTri&) const = default;
};

// Columns a test of machine type `typeMachine` can be sorted by, in increasing order: the point
// number and the measured quantities the machine offers; never the time.
std::vector<int> ColonnesTri(int typeMachine);

// "de la courbe selectionnée": the sort settings of the current test, then every test is sorted
// again by its own settings. Neither marks the work modified.
void TriCourbeSelectionnee(Travail& t, SessionTravail& s, ChoixTri choix);
// "de toutes les courbes": the sort settings of all five test places, then the same resort.
// Tests that keep their points in time order (oscilloscope, applications) stay so.
void TriToutesCourbes(Travail& t, ChoixTri choix);
// Whether "de la courbe selectionnée" is usable for the current test's load type; for lifting
// (17, 18) the entry keeps the state it had.
bool TriCourbeSelectionneeActif(int typeCharge, bool actuel);

// Current range of the current test (the template of the next test when none is selected):
// 1 the 2 A range, 0 the 20 A range.
int CalibreEssaiCourant(const Travail& t, const SessionTravail& s);
void ChoisitCalibreEssaiCourant(Travail& t, SessionTravail& s, int calibre);
