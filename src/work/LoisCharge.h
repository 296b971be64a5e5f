#pragma once
// The load types of a test header's word 1 (0 none, 1..18) and the laws behind them: what the
// drive is told, which header words hold a law's parameters, and how the study treats each type.
// Every rule on a load type reads these two tables.

#include <array>
#include <cstdint>
#include <span>

constexpr int DERNIER_TYPE_CHARGE = 18;

// The law of a load type. A static load and its dynamic twin share one: it chooses the drive's
// parameter block, the load panel's controls and the drawing of the load's shape.
enum class Loi : uint8_t {
    Aucune,
    CoupleImpose,       // 1: T = K
    VitesseConstante,   // 2: the speed held, the torque up to a limit set by K
    VitesseImposee,     // 3: n = K
    Entrainante,        // 4: T = K.(n - No), a driving load
    AideCouplage,       // 5: the alternator brought onto the mains
    CoupleConstant,     // 6, 10
    Lineaire,           // 7, 11: T = a.n + b
    Quadratique,        // 8, 12: T = a.n² + b
    PuissanceConstante, // 9, 13
    Cyclique,           // 14
    Decollage,          // 15, 16: a break-away torque
    Levage,             // 17, 18
};

struct DescriptionLoi {
    int codeLoi = 0; // the drive's law code, high byte of the control word
    // The header words of the law's parameters, in the order two tests are compared.
    uint8_t nbMots = 0;
    std::array<uint8_t, 3> mots{};
    // Which of them the load panel's bars A and B set; -1 for a bar the law does without.
    int8_t barreA = -1;
    int8_t barreB = -1;
    int groupeApplications = 0; // group of the applications viewer, 0 none
    bool avertissement = false; // the drive's function inputs must be wired
    // Machine characteristics only.
    int kDepart = 0;             // K (percent) when the manual mode starts
    bool imposeVitesse = false;  // the load already turns the machine: a sweep starts the other way
    bool balayageOffert = false; // the automatic sweep is offered
    bool essaisCommuns = false;  // tests of any such law on one machine serve one another

    std::span<const uint8_t> motsParametres() const { return {mots.data(), nbMots}; }
    int motBarreA() const { return barreA < 0 ? -1 : mots[std::size_t(barreA)]; }
    int motBarreB() const { return barreB < 0 ? -1 : mots[std::size_t(barreB)]; }
    // The load panel acts on the laws that have parameters.
    bool duPanneau() const { return nbMots > 0; }
};

// The plot window's mode bar, and the page of the choice screen, of a load type.
enum class GroupeMode { Inchange, Acquisition, ChargeStatique, Oscilloscope };
// Whether the sort "of the selected curve" is offered, or left as it was.
enum class TriCourbe : uint8_t { Actif, Inactif, Inchange };

struct DescriptionCharge {
    Loi loi = Loi::Aucune;
    GroupeMode groupe = GroupeMode::Inchange;
    bool gardeTriee = false; // the points are kept sorted by the test's own sort settings
    TriCourbe triCourbe = TriCourbe::Inchange;
    bool tempsAffiche = false; // the plot window shows the time box

    // A dynamic load adds an inertia (header word 14) and is recorded against time.
    bool dynamique() const { return groupe == GroupeMode::Oscilloscope; }
};

// The entry of load type `type`; that of type 0 for a number outside 0..18.
const DescriptionCharge& DescriptionTypeCharge(int type);
// The law of load type `type`.
const DescriptionLoi& DescriptionLoiCharge(int type);
const DescriptionLoi& DescriptionDeLoi(Loi loi);

inline Loi LoiDuType(int type) {
    return DescriptionTypeCharge(type).loi;
}
inline bool ChargeDynamique(int type) {
    return DescriptionTypeCharge(type).dynamique();
}
// Law code of a load type; 0 for a type outside 0..18.
inline int CodesLoiCharge(int type) {
    return DescriptionLoiCharge(type).codeLoi;
}
// Group of the applications viewer that a load type opens, 0 for none.
inline int GroupeApplications(int type) {
    return DescriptionLoiCharge(type).groupeApplications;
}
inline GroupeMode groupeMode(int type) {
    return DescriptionTypeCharge(type).groupe;
}
