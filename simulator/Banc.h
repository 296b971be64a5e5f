#pragma once
// The simulated bench as the load machine's drive sees it: the drive's parameters (registers
// "menu.parameter"), the control word and its load laws, the automatic sweep of K, and behind
// them the shaft that couples the machine under study to the load machine.
//
// Every public member locks the bench, so a server thread and the program may share one.

#include "simulator/LoiCharge.h"
#include "simulator/MachineEtudiee.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

// Register address of parameter menu.parametre.
constexpr uint16_t AdresseParametre(int menu, int parametre) {
    return static_cast<uint16_t>(menu * 100 + parametre - 1);
}

inline constexpr uint16_t ADRESSE_CALIBRE = AdresseParametre(11, 32);
inline constexpr uint16_t ADRESSE_ECHO = AdresseParametre(18, 30);
inline constexpr uint16_t ADRESSE_BLOC = AdresseParametre(19, 20);
inline constexpr uint16_t ADRESSE_MESURES = AdresseParametre(20, 2);
inline constexpr uint16_t ADRESSE_CONTROLE = AdresseParametre(20, 29);

// Status word bits.
inline constexpr uint16_t STATUT_BALAYAGE = 0x0004;
inline constexpr uint16_t STATUT_MONTEE = 0x0100;
inline constexpr uint16_t STATUT_DESCENTE = 0x0200;
// Control word bits.
inline constexpr uint16_t CONTROLE_APPLIQUE = 0x0004;
inline constexpr uint16_t CONTROLE_MONTEE = 0x4000;
inline constexpr uint16_t CONTROLE_DESCENTE = 0x8000;

// Rating answered in 11.32 for each bench power class, one that the program maps back to it.
int CalibreDeClasse(int classe);

struct TConfigBanc {
    TypeMachine machine = TypeMachine::MccIndependante;
    int classe = 2;                      // bench power class 0..3
    double frequence = 50;               // mains frequency, Hz
    int calibreCourant = 20;             // current range of the measuring box: 2 or 20 (A)
    std::optional<int> calibreVariateur; // 11.32; by default the one of the class
    TReglagesMachine reglages;
};

// A snapshot of the bench for tests and displays.
struct TEtatBanc {
    double temps = 0;            // simulated seconds
    double vitesse = 0;          // tr/min
    double couple = 0;           // N.m on the shaft, as the torque meter reads it
    double coupleMachine = 0;    // N.m, electromagnetic torque of the machine under study
    double coupleCharge = 0;     // N.m, torque the load machine opposes (positive brakes forward)
    double inertie = 0;          // kg.m2 of the whole shaft, added inertia included
    int loi = 0;                 // law code being applied, 0 for none
    int k = 0;                   // constant K in use, tenths of a percent
    uint16_t motControle = 1;    // last control word
    uint16_t statut = 0;         // status word 20.02
    bool programmeParti = false; // control word 0 received
    TGrandeursElectriques grandeurs;
};

class TBanc {
public:
    explicit TBanc(const TConfigBanc& config = {});

    // Registers, as the Modbus slave reads and writes them.
    uint16_t litRegistre(uint16_t adresse) const;
    std::vector<uint16_t> litRegistres(uint16_t adresse, int nombre) const;
    void ecritRegistres(uint16_t adresse, const std::vector<uint16_t>& valeurs);
    void ecritRegistre(uint16_t adresse, uint16_t valeur) { ecritRegistres(adresse, {valeur}); }
    // The ten words of 20.02..20.11 as the program reads them.
    std::array<int16_t, 10> blocMesures() const;

    // Simulated time: the shaft is integrated in steps of PAS seconds.
    static constexpr double PAS = 0.0005;
    void avance(double secondes);

    TEtatBanc etat() const;
    TConfigBanc config() const;
    // A new machine, class or mains frequency restarts the shaft; the registers stay.
    void configure(const TConfigBanc& config);
    void regleCalibreCourant(int calibre);
    void regleReglages(const TReglagesMachine& r);

private:
    struct TBalayage {
        bool actif = false;
        bool montee = true;
        double t = 0;
        double dureeMontee = 0, dureeDescente = 0;
        int kBas = 0, kHaut = 1000;
    };

    void commande(uint16_t mot);
    void pas();
    void calculeMachine(double dt);
    int kCourant() const;
    uint16_t statut() const;
    std::array<int16_t, 6> bloc() const;
    std::array<int16_t, 10> mesures() const;
    void redemarre();

    mutable std::mutex verrou_;
    TConfigBanc config_;
    TConstantesBanc constantes_;
    TMachineEtudiee machine_;
    std::vector<uint16_t> registres_;

    double temps_ = 0;
    double reliquat_ = 0;
    double omega_ = 0; // rad/s
    double coupleArbre_ = 0;
    double coupleCharge_ = 0;
    double inertie_ = 0;
    double tours_ = 0;
    double integrale_ = 0; // speed loop of the load machine

    uint16_t motControle_ = 1;
    int loi_ = 0;
    bool programmeParti_ = false;
    TBalayage balayage_;
    std::optional<int> kFige_; // K left by the end of a sweep, until the next control word
};
