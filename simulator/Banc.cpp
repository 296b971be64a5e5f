#include "simulator/Banc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double PI = std::numbers::pi;
constexpr double VERS_TR_MIN = 30.0 / PI;

// Bench sizes by power class: full-scale torque (hundredths of N.m), power (W) and reference
// inertia (thousandths of kg.m2) of the load laws.
struct TTailleBanc {
    int couple, puissance, inertie;
};
constexpr TTailleBanc TAILLES[4] = {
    {1500, 1500, 1000}, {300, 500, 200}, {1500, 2000, 1000}, {3000, 4500, 1000}};

constexpr int CALIBRES[4] = {0, 300, 1500, 2000};

int16_t Sature(double v) {
    return static_cast<int16_t>(std::clamp(std::lround(v), -32768L, 32767L));
}

double Signe(double v) {
    return v < 0 ? -1.0 : 1.0;
}

} // namespace

int CalibreDeClasse(int classe) {
    return CALIBRES[std::clamp(classe, 0, 3)];
}

TBanc::TBanc(const TConfigBanc& config)
    : config_(config), machine_(config.machine, config.classe, config.frequence), registres_(65536, 0) {
    registres_[ADRESSE_CONTROLE] = 1;
    redemarre();
}

void TBanc::redemarre() {
    const int c = std::clamp(config_.classe, 0, 3);
    constantes_.vitesseSynchrone = 30 * config_.frequence;
    constantes_.coupleNominal = TAILLES[c].couple / 100.0;
    constantes_.puissanceNominale = TAILLES[c].puissance;
    constantes_.inertieNominale = TAILLES[c].inertie / 1000.0;
    machine_ = TMachineEtudiee(config_.machine, c, config_.frequence);
    // The synchronous machine is found coupled and in step, as the student leaves it.
    omega_ = config_.machine == TypeMachine::Synchrone ? machine_.vitesseSynchrone(config_.reglages) : 0;
    integrale_ = 0;
    tours_ = 0;
    reliquat_ = 0;
    calculeMachine(0);
}

void TBanc::configure(const TConfigBanc& config) {
    std::lock_guard l(verrou_);
    config_ = config;
    redemarre();
}

TConfigBanc TBanc::config() const {
    std::lock_guard l(verrou_);
    return config_;
}

void TBanc::regleCalibreCourant(int calibre) {
    std::lock_guard l(verrou_);
    config_.calibreCourant = calibre == 2 ? 2 : 20;
}

void TBanc::regleReglages(const TReglagesMachine& r) {
    std::lock_guard l(verrou_);
    config_.reglages = r;
}

uint16_t TBanc::litRegistre(uint16_t adresse) const {
    return litRegistres(adresse, 1)[0];
}

std::vector<uint16_t> TBanc::litRegistres(uint16_t adresse, int nombre) const {
    std::lock_guard l(verrou_);
    std::vector<uint16_t> v;
    const auto m = mesures();
    for (int i = 0; i < nombre; ++i) {
        const int a = (adresse + i) & 0xFFFF;
        if (a == ADRESSE_CALIBRE)
            v.push_back(
                static_cast<uint16_t>(config_.calibreVariateur.value_or(CalibreDeClasse(config_.classe))));
        else if (a >= ADRESSE_MESURES && a < ADRESSE_MESURES + 10)
            v.push_back(static_cast<uint16_t>(m[a - ADRESSE_MESURES]));
        else
            v.push_back(registres_[a]);
    }
    return v;
}

std::array<int16_t, 10> TBanc::blocMesures() const {
    std::lock_guard l(verrou_);
    return mesures();
}

void TBanc::ecritRegistres(uint16_t adresse, const std::vector<uint16_t>& valeurs) {
    std::lock_guard l(verrou_);
    for (std::size_t i = 0; i < valeurs.size(); ++i) {
        const int a = (adresse + static_cast<int>(i)) & 0xFFFF;
        registres_[a] = valeurs[i];
        if (a == ADRESSE_BLOC) kFige_.reset(); // a K from the program replaces the one a sweep left
        if (a == ADRESSE_CONTROLE) commande(valeurs[i]);
    }
}

// Low byte 5 applies the law of the high byte with the present block; any other word (1, the
// "prepare" words, 0 when the program leaves) takes the load off. Bits 14 and 15 run a sweep.
void TBanc::commande(uint16_t mot) {
    const bool memeMot = mot == motControle_;
    motControle_ = mot;
    programmeParti_ = mot == 0;
    const int code = (mot >> 8) & 0x3F;
    const bool applique = (mot & (CONTROLE_APPLIQUE | 1)) == (CONTROLE_APPLIQUE | 1) && LoiConnue(code);
    if (!applique) {
        loi_ = LoiAucune;
        balayage_.actif = false;
        kFige_.reset();
        return;
    }
    if (code != loi_) {
        integrale_ = 0;
        tours_ = 0;
    }
    loi_ = code;
    if ((mot & (CONTROLE_MONTEE | CONTROLE_DESCENTE)) == 0) {
        balayage_.actif = false;
        kFige_.reset();
        return;
    }
    // The same sweep word written again does not restart a sweep that runs.
    if (memeMot && balayage_.actif) return;
    const auto b = bloc();
    balayage_ = {};
    balayage_.actif = true;
    balayage_.kHaut = std::clamp(int{b[0]}, 0, 1000);
    balayage_.kBas = std::clamp(int{b[1]}, 0, 1000);
    balayage_.dureeMontee = std::max(0, int{b[2]}) / 10.0;
    balayage_.dureeDescente = std::max(0, int{b[3]}) / 10.0;
    kFige_.reset();
}

std::array<int16_t, 6> TBanc::bloc() const {
    std::array<int16_t, 6> b{};
    for (int i = 0; i < 6; ++i)
        b[i] = static_cast<int16_t>(registres_[ADRESSE_BLOC + i]);
    return b;
}

int TBanc::kCourant() const {
    if (balayage_.actif) {
        const double etendue = balayage_.kHaut - balayage_.kBas;
        if (balayage_.montee)
            return balayage_.dureeMontee > 0
                       ? balayage_.kBas +
                             static_cast<int>(std::lround(etendue * balayage_.t / balayage_.dureeMontee))
                       : balayage_.kHaut;
        return balayage_.dureeDescente > 0
                   ? balayage_.kHaut -
                         static_cast<int>(std::lround(etendue * balayage_.t / balayage_.dureeDescente))
                   : balayage_.kBas;
    }
    if (kFige_) return *kFige_;
    return std::clamp(int{static_cast<int16_t>(registres_[ADRESSE_BLOC])}, 0, 1000);
}

uint16_t TBanc::statut() const {
    if (!balayage_.actif) return 0;
    return STATUT_BALAYAGE | (balayage_.montee ? STATUT_MONTEE : STATUT_DESCENTE);
}

void TBanc::avance(double secondes) {
    std::lock_guard l(verrou_);
    if (!(secondes > 0)) return;
    // Whole steps, with a tolerance so that 0.1 s is 200 steps and not 199 plus a rounding error.
    reliquat_ += secondes;
    const auto n = static_cast<long>(std::floor(reliquat_ / PAS + 1e-6));
    reliquat_ = std::max(0.0, reliquat_ - n * PAS);
    for (long i = 0; i < n; ++i)
        pas();
}

void TBanc::calculeMachine(double dt) {
    if (config_.machine == TypeMachine::Synchrone) {
        const auto e = EffortCharge(loi_, bloc(), kCourant(), omega_ * VERS_TR_MIN, tours_, constantes_);
        machine_.couple(!e.alternateurDecouple);
    }
    machine_.calcule(omega_, dt, config_.reglages);
}

// One step of the shaft: the load law, the machine under study, then the speed, with dry
// friction that holds the shaft at standstill while the torques do not overcome it.
void TBanc::pas() {
    const double dt = PAS;
    temps_ += dt;
    if (balayage_.actif) {
        balayage_.t += dt;
        if (balayage_.montee && balayage_.t >= balayage_.dureeMontee) {
            balayage_.montee = false;
            balayage_.t = 0;
        }
        if (!balayage_.montee && balayage_.t >= balayage_.dureeDescente) {
            balayage_.actif = false;
            kFige_ = balayage_.kBas;
        }
    }

    const double vitesse = omega_ * VERS_TR_MIN;
    const auto effort = EffortCharge(loi_, bloc(), kCourant(), vitesse, tours_, constantes_);
    if (config_.machine == TypeMachine::Synchrone) machine_.couple(!effort.alternateurDecouple);
    machine_.calcule(omega_, dt, config_.reglages);

    const double limite = 2 * constantes_.coupleNominal;
    const double jMachine = machine_.nominal().inertie;
    const double j = 2 * jMachine + effort.inertieAjoutee; // both rotors, and the emulated inertia
    inertie_ = j;

    double actif = 0, resistant = 0;
    if (effort.vitesseImposee) {
        // PI speed loop of the load machine, tuned on the shaft's inertia.
        const double kp = 30 * j, ki = 8 * kp;
        const double borne = std::min(effort.coupleLimite, limite);
        const double erreur = effort.consigneVitesse / VERS_TR_MIN - omega_;
        integrale_ = std::clamp(integrale_ + ki * erreur * dt, -borne, borne);
        actif = -std::clamp(kp * erreur + integrale_, -borne, borne);
    } else {
        actif = std::clamp(effort.coupleActif, -limite, limite);
        resistant = std::clamp(effort.coupleResistant, 0.0, limite);
    }

    const double te = machine_.coupleElectromagnetique();
    const double secMachine = machine_.frottementSec();
    const double moteur = te - actif;
    double acceleration = 0, frottementMachine = 0, resistantApplique = 0;
    if (std::abs(omega_) < 1e-4) {
        const double retenue = secMachine + resistant;
        if (std::abs(moteur) <= retenue) {
            omega_ = 0;
            frottementMachine = std::clamp(moteur, -secMachine, secMachine);
            resistantApplique = moteur - frottementMachine;
        } else {
            frottementMachine = Signe(moteur) * secMachine;
            resistantApplique = Signe(moteur) * resistant;
            acceleration = (moteur - frottementMachine - resistantApplique) / j;
            omega_ += acceleration * dt;
        }
    } else {
        frottementMachine = Signe(omega_) * (secMachine + machine_.coefVisqueux() * std::abs(omega_));
        resistantApplique = Signe(omega_) * resistant;
        acceleration = (moteur - frottementMachine - resistantApplique) / j;
        const double nouvelle = omega_ + acceleration * dt;
        // Friction stops the shaft; it does not turn it back.
        omega_ = (nouvelle * omega_ < 0 && resistant + secMachine > 0) ? 0.0 : nouvelle;
    }
    coupleCharge_ = actif + resistantApplique;
    // The torque meter sits between the machines: it sees the machine's torque less its own
    // friction and what its own rotor takes to accelerate.
    coupleArbre_ = te - frottementMachine - jMachine * acceleration;
    tours_ += std::abs(omega_) * dt / (2 * PI);
}

std::array<int16_t, 10> TBanc::mesures() const {
    const auto& g = machine_.grandeurs();
    const bool calibre2 = config_.calibreCourant == 2;
    const double courant = calibre2 ? 10000 : 1000; // tenths of mA, or mA
    const double puissance = calibre2 ? 10 : 1;     // tenths of W, or W
    const auto type = config_.machine;
    const bool excitation = type == TypeMachine::MccIndependante || type == TypeMachine::Synchrone;
    std::array<int16_t, 10> m{};
    m[0] = static_cast<int16_t>(statut());
    m[1] = Sature(omega_ * VERS_TR_MIN);
    m[2] = Sature(coupleArbre_ * 100);
    m[3] = excitation ? Sature(g.courantExcitation * 10000) : 0;
    m[4] = Sature(g.courantContinu * courant);
    m[5] = Sature(g.courantAlternatif * courant);
    m[6] = Sature(g.tensionContinue * 10);
    m[7] = Sature(g.tensionAlternative * 10);
    m[8] = static_cast<int16_t>(kCourant()); // the K in use, for whoever watches the line
    m[9] = Sature(g.puissance * puissance);
    return m;
}

TEtatBanc TBanc::etat() const {
    std::lock_guard l(verrou_);
    TEtatBanc e;
    e.temps = temps_;
    e.vitesse = omega_ * VERS_TR_MIN;
    e.couple = coupleArbre_;
    e.coupleMachine = machine_.coupleElectromagnetique();
    e.coupleCharge = coupleCharge_;
    e.inertie = inertie_;
    e.loi = loi_;
    e.k = kCourant();
    e.motControle = motControle_;
    e.statut = statut();
    e.programmeParti = programmeParti_;
    e.grandeurs = machine_.grandeurs();
    return e;
}
