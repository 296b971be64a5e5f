#pragma once
// Start-up: every window of the program, created once in a fixed order and kept.

class Liaison;
class Travail;
struct SessionTravail;
struct Fenetres;

// Creates the windows in their order, the main menu first (its creation loads the settings and
// the language and resets the work), and hands each the work, its session and the windows or hooks
// it uses.
// The windows are destroyed with the object.
class Programme {
public:
    Programme(Liaison& liaison, Travail& travail, SessionTravail& session);
    ~Programme();
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;
};

// The work of the program, one per process, its session, and the table of its windows. Only the
// start-up reaches them so: the windows are handed what they use.
Travail& travail();
SessionTravail& sessionTravail();
Fenetres& fenetres();
