#pragma once
// The questions asked before something of the work is discarded: the save prompt (open, new work,
// quit), the deletion of a test and of its points.

class Travail;
struct SessionTravail;

// True when the caller may go on: the work has no unsaved change, the user answers No, or the
// user answers Yes and the work is then written (characteristic layout, or application layout
// when an application is selected). Cancel, a cancelled dialog or a failed write keep the work.
bool Avertissement(const Travail& t, SessionTravail& s);

// Asks "Voulez-vous supprimer l'essai k", then deletes test k; whether it was deleted.
bool DemandeSuppressionEssai(Travail& t, SessionTravail& s, int k);
// When test k holds points, asks "Voulez-vous supprimer tous les points de l'essai k", then empties
// it (the work is then unsaved); whether it was emptied.
bool DemandeSuppressionPoints(Travail& t, SessionTravail& s, int k);
