#include "simulator/MachineEtudiee.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using Complexe = std::complex<double>;

constexpr double PI = std::numbers::pi;
constexpr double VITESSE_NOMINALE = 1500.0 * PI / 30.0; // every machine of the bench: 1500 tr/min
constexpr int PAIRES_POLES = 2;

// Shaft power of the machines by bench power class (the power written on the bench).
constexpr double PUISSANCE_CLASSE[4] = {1500, 300, 1500, 3000};
// Rotor inertia: a hundredth of the bench's reference inertia.
constexpr double INERTIE_CLASSE[4] = {0.010, 0.002, 0.010, 0.010};
constexpr double EXCITATION_MCC[4] = {0.5, 0.25, 0.5, 0.8};
constexpr double EXCITATION_MS[4] = {1.0, 0.5, 1.0, 1.5};

constexpr double TENSION_MCC = 220.0;      // armature and series machines
constexpr double TENSION_PHASE = 230.0;    // 400 V mains, one phase
constexpr double TENSION_BUS = 310.0;      // DC supply of the DC-supplied drive
constexpr double FACTEUR_TRIPHASE = 0.95;  // rectifier with a choke
constexpr double FACTEUR_MONOPHASE = 0.70; // single-phase rectifier

// Mild saturation of the magnetic circuit: 1 at the rated excitation, slope 1.3 at the origin.
double Flux(double x) {
    constexpr double a = 0.3;
    return x * (1 + a) / (1 + a * std::abs(x));
}

double Signe(double v) {
    return v < 0 ? -1.0 : 1.0;
}

} // namespace

TMachineEtudiee::TMachineEtudiee(TypeMachine type, int classe, double frequence)
    : type_(type), classe_(std::clamp(classe, 0, 3)), frequence_(frequence > 0 ? frequence : 50.0) {
    nominal_.puissance = PUISSANCE_CLASSE[classe_];
    nominal_.vitesse = VITESSE_NOMINALE;
    nominal_.couple = nominal_.puissance / VITESSE_NOMINALE;
    nominal_.inertie = INERTIE_CLASSE[classe_];
    echelleImpedance_ = 1500.0 / nominal_.puissance;
    switch (type_) {
    case TypeMachine::MccIndependante:
        nominal_.tension = TENSION_MCC;
        nominal_.courantExcitation = EXCITATION_MCC[classe_];
        break;
    case TypeMachine::MccSerie:
        nominal_.tension = TENSION_MCC;
        break;
    case TypeMachine::Asynchrone:
        nominal_.tension = TENSION_PHASE;
        break;
    case TypeMachine::Synchrone:
        nominal_.tension = TENSION_PHASE;
        nominal_.courantExcitation = EXCITATION_MS[classe_];
        break;
    case TypeMachine::VariateurContinu:
        nominal_.tension = TENSION_BUS;
        break;
    case TypeMachine::VariateurTriphase:
    case TypeMachine::VariateurMonophase:
        nominal_.tension = TENSION_PHASE;
        break;
    }
    // Mechanical losses at rated speed: 7 % of the rated torque for the DC machines (brushes),
    // 5 % for the others; a dry part and a viscous part.
    const double part =
        (type_ == TypeMachine::MccIndependante || type_ == TypeMachine::MccSerie) ? 0.07 : 0.05;
    frottementSec_ = 0.4 * part * nominal_.couple;
    coefVisqueux_ = 0.6 * part * nominal_.couple / VITESSE_NOMINALE;
}

void TMachineEtudiee::couple(bool couplee) {
    if (couplee && !couplee_) angleInterne_ = 0; // coupled at the right phase, as the student does
    couplee_ = couplee;
}

double TMachineEtudiee::vitesseSynchrone(const TReglagesMachine& r) const {
    return Signe(r.alimentation) * 2 * PI * frequence_ / PAIRES_POLES;
}

void TMachineEtudiee::calcule(double omega, double dt, const TReglagesMachine& r) {
    grandeurs_ = {};
    couple_ = 0;
    switch (type_) {
    case TypeMachine::MccIndependante:
        calculeMccIndependante(omega, r);
        break;
    case TypeMachine::MccSerie:
        calculeMccSerie(omega, r);
        break;
    case TypeMachine::Asynchrone:
        calculeAsynchrone(omega, r);
        break;
    case TypeMachine::Synchrone:
        calculeSynchrone(omega, dt, r);
        break;
    default:
        calculeVariateur(omega, r);
        break;
    }
}

// Armature on a DC source with a current limit of twice the rated current; the rated point is
// 1500 tr/min at 220 V with an 8 % resistive drop.
void TMachineEtudiee::calculeMccIndependante(double omega, const TReglagesMachine& r) {
    const double un = nominal_.tension;
    const double kPhiN = 0.92 * un / VITESSE_NOMINALE;
    const double in = (nominal_.couple + frottementSec_ + coefVisqueux_ * VITESSE_NOMINALE) / kPhiN;
    const double ra = 0.08 * un / in;
    const double kPhi = kPhiN * Flux(r.excitation);
    const double e = kPhi * omega;
    const double ua = r.alimentation * un;
    const double limite = 2 * in;
    const double ia = std::clamp((ua - e) / ra, -limite, limite);
    const double u = e + ra * ia; // the source drops its voltage once it limits the current
    couple_ = kPhi * ia;
    grandeurs_.tensionContinue = u;
    grandeurs_.courantContinu = ia;
    grandeurs_.courantExcitation = std::abs(r.excitation) * nominal_.courantExcitation;
    grandeurs_.puissance = u * ia;
}

// Field in series with the armature: flux grows with the current and saturates. Reversing the
// supply reverses the armature against the field, so the machine turns the other way.
void TMachineEtudiee::calculeMccSerie(double omega, const TReglagesMachine& r) {
    const double un = nominal_.tension;
    const double pertes = frottementSec_ + coefVisqueux_ * VITESSE_NOMINALE;
    const double kPhiN = 0.9 * un / VITESSE_NOMINALE;
    const double in = (nominal_.couple + pertes) / kPhiN;
    const double rt = 0.1 * un / in;
    const double ks = 2 * kPhiN / in; // kPhi(i) = ks i / (1 + i / in): kPhiN at the rated current
    auto kPhi = [&](double i) { return ks * i / (1 + i / in); };

    const double sens = Signe(r.alimentation);
    const double ua = std::abs(r.alimentation) * un;
    const double w = sens * omega;
    const double limite = 2 * in;
    double i = 0;
    if (ua > 0) {
        auto f = [&](double x) { return ua - rt * x - kPhi(x) * w; };
        if (f(limite) >= 0) {
            i = limite;
        } else {
            double bas = 0, haut = limite;
            for (int k = 0; k < 50; ++k) {
                const double milieu = 0.5 * (bas + haut);
                (f(milieu) > 0 ? bas : haut) = milieu;
            }
            i = 0.5 * (bas + haut);
        }
    }
    const double u = rt * i + kPhi(i) * w;
    couple_ = sens * kPhi(i) * i;
    grandeurs_.tensionContinue = sens * u;
    grandeurs_.courantContinu = sens * i;
    grandeurs_.puissance = u * i;
}

// Per-phase equivalent circuit (stator, magnetising branch with iron losses, rotor). A 1500 W
// machine: 1435 tr/min, 80 % efficiency, power factor 0.75, pull-out near 2.8 times the rated torque.
void TMachineEtudiee::calculeAsynchrone(double omega, const TReglagesMachine& r) {
    const double z = echelleImpedance_;
    const double r1 = 3.6 * z, x1 = 6.5 * z, r2 = 3.4 * z, x2 = 6.5 * z, xm = 105 * z, rfe = 1500 * z;
    const double v = std::abs(r.alimentation) * nominal_.tension;
    const double ws = vitesseSynchrone(r);
    const double g = (ws - omega) / ws;
    // Rotor admittance written with the slip on top, so that the synchronous point is regular.
    const Complexe yRotor = g / Complexe(r2, g * x2);
    const Complexe yMagnetisant = 1.0 / Complexe(0, xm) + 1.0 / rfe;
    const Complexe zEntree = Complexe(r1, x1) + 1.0 / (yRotor + yMagnetisant);
    const Complexe i = v / zEntree;
    const Complexe e = v - i * Complexe(r1, x1);
    const Complexe i2 = e * yRotor;
    const double puissanceEntrefer = 3 * std::real(e * std::conj(i2));
    couple_ = puissanceEntrefer / ws;
    grandeurs_.tensionAlternative = v;
    grandeurs_.courantAlternatif = std::abs(i);
    grandeurs_.puissance = std::real(Complexe(v) * std::conj(i));
}

// Round-rotor machine behind its synchronous reactance, with damper windings that act as an
// induction cage away from synchronism. Rated excitation gives 1.1 times the mains voltage.
void TMachineEtudiee::calculeSynchrone(double omega, double dt, const TReglagesMachine& r) {
    const double z = echelleImpedance_;
    const double rs = 2.0 * z, xs = 63.0 * z;
    const double v = std::abs(r.alimentation) * nominal_.tension;
    const double ws = vitesseSynchrone(r);
    const double ie = std::abs(r.excitation) * nominal_.courantExcitation;
    const double eMod = 1.1 * nominal_.tension * Flux(std::abs(r.excitation)) * std::abs(omega) /
                        (2 * PI * frequence_ / PAIRES_POLES);
    grandeurs_.courantExcitation = ie;
    if (!couplee_) {
        grandeurs_.tensionAlternative = eMod; // open circuit: the EMF the student compares with the mains
        return;
    }
    const Complexe e = std::polar(eMod, -angleInterne_);
    const Complexe i = (Complexe(v) - e) / Complexe(rs, xs);
    const double puissanceEntrefer = 3 * std::real(e * std::conj(i));
    const double kd = nominal_.couple / (0.05 * std::abs(ws));
    const double amortisseur = std::clamp(kd * (ws - omega), -2 * nominal_.couple, 2 * nominal_.couple);
    couple_ = puissanceEntrefer / ws + amortisseur;
    // The damper's power comes from the mains in phase with the voltage.
    const double pAmortisseur = amortisseur * ws / 3;
    const Complexe iTotal = i + (v > 0 ? pAmortisseur / v : 0.0);
    grandeurs_.tensionAlternative = v;
    grandeurs_.courantAlternatif = std::abs(iTotal);
    grandeurs_.puissance = std::real(Complexe(v) * std::conj(iTotal));
    angleInterne_ = std::remainder(angleInterne_ + PAIRES_POLES * (ws - omega) * dt, 2 * PI);
}

// A motor with its own speed drive: proportional speed loop (3 % droop at rated torque, limit
// 1.5 times the rated torque), regenerative supply, losses of the converter and the motor.
void TMachineEtudiee::calculeVariateur(double omega, const TReglagesMachine& r) {
    const double tn = nominal_.couple, pn = nominal_.puissance;
    const double consigne = r.alimentation * VITESSE_NOMINALE;
    const double gain = tn / (0.03 * VITESSE_NOMINALE);
    couple_ = std::clamp(gain * (consigne - omega), -1.5 * tn, 1.5 * tn);
    const double pertes =
        0.02 * pn + 0.04 * pn * (couple_ / tn) * (couple_ / tn) + 0.03 * std::abs(couple_ * omega);
    const double p = couple_ * omega + pertes;
    const double u = nominal_.tension;
    switch (type_) {
    case TypeMachine::VariateurContinu:
        grandeurs_.tensionContinue = u;
        grandeurs_.courantContinu = p / u;
        grandeurs_.puissance = p;
        break;
    case TypeMachine::VariateurTriphase:
        grandeurs_.tensionAlternative = u;
        grandeurs_.courantAlternatif = std::abs(p / 3) / (u * FACTEUR_TRIPHASE);
        grandeurs_.puissance = p / 3;
        break;
    default:
        grandeurs_.tensionAlternative = u;
        grandeurs_.courantAlternatif = std::abs(p) / (u * FACTEUR_MONOPHASE);
        grandeurs_.puissance = p;
        break;
    }
}
