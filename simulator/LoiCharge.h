#pragma once
// The load laws of the active load: from the law code of the control word, the constant K and
// the parameter block, the torque that the load machine puts on the shaft.

#include <array>
#include <cstdint>

// Bench constants the laws are scaled with.
struct TConstantesBanc {
    double vitesseSynchrone = 1500;  // tr/min, 30 x mains frequency
    double coupleNominal = 15;       // N.m, the full scale of the load laws
    double puissanceNominale = 2000; // W
    double inertieNominale = 1;      // kg.m2, reference of the added inertia
};

// Law codes of the control word's high byte (bits 8..13).
enum CodeLoi : int {
    LoiAucune = 0,
    LoiVitesseConstante = 1, // "n = cste"
    LoiCoupleK = 2,          // "T = K"
    LoiEntrainante = 3,      // "T = K.(n-No)"
    LoiVitesseK = 4,         // "N = K"
    LoiQuadratique = 7,      // T = a.n2 + b, pumps and fans
    LoiPuissanceConstante = 8,
    LoiCyclique = 9,
    LoiCouplage = 10,  // help to couple an alternator to the mains
    LoiLineaire = 11,  // T = a.n + b, and constant torque
    LoiDecollage = 12, // breakaway torque, conveyors
    LoiLevage = 13,
};

// What the load machine does at one instant. Torques in N.m as the machine under study feels
// them: positive brakes positive rotation.
struct TEffortCharge {
    // Torque with its own sign whatever the motion (gravity, slope, a driving law).
    double coupleActif = 0;
    // Torque >= 0 that opposes the motion; at standstill it holds up to this value.
    double coupleResistant = 0;
    // Speed laws: the load machine runs a speed loop instead.
    bool vitesseImposee = false;
    double consigneVitesse = 0; // tr/min
    double coupleLimite = 0;    // N.m, of the speed loop
    double inertieAjoutee = 0;  // kg.m2, emulated by the drive
    // The synchronous machine stays open-circuit (coupling help).
    bool alternateurDecouple = false;
};

// code: law code; bloc: registers 19.20..19.25 as signed words; k: constant K in tenths of a
// percent (0..1000); vitesse: tr/min; tours: revolutions turned since the law was applied.
TEffortCharge EffortCharge(int code, const std::array<int16_t, 6>& bloc, int k, double vitesse, double tours,
                           const TConstantesBanc& c);

// Whether a law code is one the drive knows.
bool LoiConnue(int code);
