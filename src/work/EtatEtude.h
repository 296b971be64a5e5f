#pragma once
// What a study window measures or shows, and what it is doing: the measurement vector of the point
// being measured (or of the stored point selected in its graphs), that point, whether an
// acquisition runs. None of it belongs to the work: a save writes none of it.

#include "SessionTravail.h"

struct EtatEtude {
    // Slot 0 is 0 while the values are a measurement or a stored point, -1 when there is none.
    VecteurMesures Mesures{-1};
    // The stored point of the current test selected in the graphs, -1 for none.
    int32_t PointCourant = -1;
    bool AcquisitionEnCours = false;

    // Selects point `index` of the session's current test: its columns 0..15 into Mesures, or slot 0
    // at -1 for an index outside the test's store. Without a current test only the index is kept.
    void SelectionPoint(const Travail& t, const SessionTravail& s, int index);
};
