#pragma once
// The machine under study: seven kinds of machine on their own supply, seen from the shaft
// (electromagnetic torque and friction) and from the bench's measuring box (voltages, currents,
// excitation current, electrical power). Floating point, SI units; the drive scales to its words.

#include <complex>

enum class TypeMachine : int {
    MccIndependante = 1, // separately excited DC
    MccSerie = 2,        // series DC
    Asynchrone = 3,      // three-phase asynchronous on the mains
    Synchrone = 4,       // three-phase synchronous on the mains
    VariateurContinu = 5,
    VariateurTriphase = 6,
    VariateurMonophase = 7,
};

// What the student sets by hand on the bench, outside the drive's reach.
struct TReglagesMachine {
    // Fraction of the rated supply: armature voltage of the DC machines, mains voltage of the
    // three-phase machines, speed set-point of the drives. A negative value reverses the machine
    // (armature polarity, phase order, set-point sign).
    double alimentation = 1.0;
    // Fraction of the rated excitation current (separately excited DC and synchronous machines).
    double excitation = 1.0;
};

// Quantities of the measuring box, motor convention (power absorbed from the supply > 0).
struct TGrandeursElectriques {
    double tensionContinue = 0;    // V
    double courantContinu = 0;     // A, signed
    double tensionAlternative = 0; // V rms, one phase
    double courantAlternatif = 0;  // A rms, one phase
    double courantExcitation = 0;  // A
    // W: the DC power, the power of one phase of a three-phase supply, or the single-phase power.
    double puissance = 0;
};

// Rated values of a machine for a bench power class.
struct TNominalMachine {
    double puissance = 0;         // W, shaft
    double vitesse = 0;           // rad/s
    double couple = 0;            // N.m, shaft
    double tension = 0;           // V: armature, phase, or drive supply
    double courantExcitation = 0; // A
    double inertie = 0;           // kg.m2, rotor
};

class TMachineEtudiee {
public:
    // classe: bench power class 0..3; frequence: mains frequency in Hz.
    TMachineEtudiee(TypeMachine type, int classe, double frequence);

    TypeMachine type() const { return type_; }
    const TNominalMachine& nominal() const { return nominal_; }

    // Electrical state at shaft speed omega (rad/s); dt advances the internal states (load
    // angle of the synchronous machine) that depend on time.
    void calcule(double omega, double dt, const TReglagesMachine& r);
    double coupleElectromagnetique() const { return couple_; }
    const TGrandeursElectriques& grandeurs() const { return grandeurs_; }

    // Friction of the rotor: a dry part and a viscous part (N.m per rad/s).
    double frottementSec() const { return frottementSec_; }
    double coefVisqueux() const { return coefVisqueux_; }

    // Synchronous machine: coupled to the mains (the normal state), or driven open-circuit
    // while the load helps to synchronise it.
    void couple(bool couplee);
    bool estCouplee() const { return couplee_; }
    // Synchronous speed of the mains in rad/s, signed by the phase order.
    double vitesseSynchrone(const TReglagesMachine& r) const;

private:
    void calculeMccIndependante(double omega, const TReglagesMachine& r);
    void calculeMccSerie(double omega, const TReglagesMachine& r);
    void calculeAsynchrone(double omega, const TReglagesMachine& r);
    void calculeSynchrone(double omega, double dt, const TReglagesMachine& r);
    void calculeVariateur(double omega, const TReglagesMachine& r);

    TypeMachine type_;
    int classe_;
    double frequence_;
    TNominalMachine nominal_;
    double echelleImpedance_ = 1; // impedances scale with 1500 W / rated power
    double frottementSec_ = 0;
    double coefVisqueux_ = 0;
    double couple_ = 0;
    TGrandeursElectriques grandeurs_;
    bool couplee_ = true;
    double angleInterne_ = 0; // load angle of the synchronous machine, electrical rad
};
