#pragma once
// The save prompt asked before a work is discarded (open, new work, quit).

class Travail;

// True when the caller may go on: the work has no unsaved change, the user answers No, or the
// user answers Yes and the work is then written (characteristic layout, or application layout
// when an application is selected). Cancel, a cancelled dialog or a failed write keep the work.
bool Avertissement(Travail& t);
