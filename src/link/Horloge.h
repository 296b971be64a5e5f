#pragma once
// Time of day and the link's blocking waits, behind a seam so that tests run on a fake clock.

#include <cstdint>

class Horloge {
public:
    virtual ~Horloge() = default;
    // Milliseconds since midnight.
    virtual int32_t maintenantMs() = 0;
    // Blocks the calling thread for ms milliseconds (the link waits 10 or 100 ms).
    virtual void attendre(int ms) = 0;

    void delay10() { attendre(10); }
    void delay100() { attendre(100); }
};

// The system's clock and real sleeping.
Horloge& horlogeSysteme();
