#pragma once
// Start-up: every window of the program, created once in a fixed order and kept.

class Liaison;

// Creates the windows in their order, the main menu first (its creation loads the settings and
// the language and resets the work). The windows are destroyed with the object.
class Programme {
public:
    explicit Programme(Liaison& liaison);
    ~Programme();
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;
};
