#pragma once
// From the drive's raw measurement words to the measured quantities: speed, torque, mechanical
// power, voltage, current, electrical power, excitation current, efficiency, power factor and
// losses. No exchange and no state: the same words always give the same quantities.

#include <array>
#include <cstdint>
#include <span>

// Slots 0..11 of a measurement: 0 its validity (0 valid, -1 not), 1 speed (tr/min), 2 torque
// (hundredths of N.m), 3 mechanical power, 4 voltage, 5 current, 6 electrical power, 7 excitation
// current, 8 efficiency (thousandths), 9 power factor (thousandths), 10 losses, 11 time
// (hundredths of a second). The powers are in tenths of a watt.
constexpr int NB_GRANDEURS_MESUREES = 12;
using GrandeursMesurees = std::array<int32_t, NB_GRANDEURS_MESUREES>;
// What one measurement cycle gives its reader. True when both exchanges succeeded.
struct Mesure {
    bool fraiche = false; // the values are this cycle's
    bool perdue = false;  // the link is lost: slot 0 is -1
    GrandeursMesurees valeurs{};
    explicit operator bool() const { return fraiche; }
    // Into the reader's own measurement vector (slots 0..11 of it): a fresh measurement replaces
    // them, a lost link sets slot 0 to -1, a failure still tolerated leaves everything as it was.
    void reporte(std::span<int32_t> mesures) const;
};

// R1..R9 at 1..9: the words 20.03..20.11 of the measurement block.
using MotsBruts = std::array<int32_t, 10>;

// What the conversion needs to know of the bench: the machine under study (its type 0..7 tells
// which words are its voltage and current) and the range of the measuring box's current input.
struct MachineMesuree {
    int type = 0;
    bool calibre2A = false;
};

// Efficiency in thousandths from the electrical and mechanical powers, the same for motor and
// generator: the smaller magnitude over the larger when the signs agree, 0 otherwise.
int32_t Rendement(int32_t pe, int32_t pm);

// Slots 1..10 of `m` from the raw words. A machine type outside 0..7 has no voltage, current,
// electrical power, excitation current, power factor or losses of its own: those slots keep
// their values. Slot 0 and the time are the caller's.
void CalculeGrandeurs(const MotsBruts& R, const MachineMesuree& machine, GrandeursMesurees& m);

// The application's coupling: 1 turns the measured phase voltage (slot 4) into the line voltage, 2
// the measured phase current (slot 5) into the line current; any other code changes nothing.
void AppliqueCouplage(int32_t couplage, GrandeursMesurees& m);
