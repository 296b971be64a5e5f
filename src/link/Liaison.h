#pragma once
// The link to the drive: opening and closing it, the four register operations on the route of the
// link type, the measurement cycle and the set-points. Every exchange with the drive goes through
// here; the link window is a view over it.

#include "CalculMesures.h"
#include "JournalEspion.h"
#include "RouteReseau.h"
#include "RouteSerie.h"
#include "Variateur.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class FilEchanges;
class Horloge;
class QObject;
class PortSerie;
struct TConfigGenerale;

class Liaison {
public:
    // The machine under study and the current range as they stand when a cycle converts its words.
    using MachineCourante = std::function<MachineMesuree()>;

    Liaison(PortSerie& port, BibliothequeReseau& reseau, Horloge& horloge, TConfigGenerale& config,
            MachineCourante machine);
    ~Liaison();

    // Link state.
    bool LinkOpen = false;
    bool LastFailed = false;
    int32_t DriveRating = -1;
    int32_t LastResult = 0;
    int32_t ErrorCount = 0;
    // Measurement cycle.
    int32_t DriveStatus = 0;
    int32_t StatusEcho = 0;
    MotsBruts RawValues{};
    // The last measurement: slot 0 is 0 after a good cycle and -1 once the link is lost; a failed
    // cycle leaves slots 1..11 as they were.
    GrandeursMesurees Mesures{-1};
    int32_t StartTimeMs = 0;
    bool Timing = false;
    // Set-points: words 0..4 filled by the studies, word 5 stays 0.
    std::array<int32_t, variateur::nbMotsBloc> ParamBlock{};
    JournalEspion SpyLog;

    // Register operations; with the link closed they exchange nothing and leave the state alone.
    int32_t ReadRegModbus(int menu, int parametre);
    void Read10RegModbus(int menu, int parametre, int n, Valeurs10& valeurs);
    void WriteRegModbus(int menu, int parametre, int32_t valeur);
    void Write10RegModbus(int menu, int parametre, const Valeurs10& valeurs, int n);
    int32_t ReadRegModbus(variateur::Registre r) { return ReadRegModbus(r.menu, r.parametre); }
    void Read10RegModbus(variateur::Registre r, int n, Valeurs10& v) {
        Read10RegModbus(r.menu, r.parametre, n, v);
    }
    void WriteRegModbus(variateur::Registre r, int32_t v) { WriteRegModbus(r.menu, r.parametre, v); }
    void Write10RegModbus(variateur::Registre r, const Valeurs10& v, int n) {
        Write10RegModbus(r.menu, r.parametre, v, n);
    }

    // Opens the route of the link type (serial port or network user) without talking to the drive.
    bool Ouvre();
    // Opens the link if needed, reads the drive's rating into the power class and arms the drive.
    void Initialise();
    // Tells the drive that the program leaves (when no exchange failed), then releases the route.
    void Ferme();
    // Releases the serial port or the network user without telling the drive anything.
    void Relache();

    // From now on every exchange runs on a thread of the link's own, one at a time in the order
    // asked; a caller on another thread waits for its own. Before, each runs on its caller's thread.
    void EchangesEnFond();
    // Closes the serial port, so that the next opening takes the port name as it now stands.
    void FermePortSerie();

    // One measurement cycle: the block read, the status echo, the conversion into Mesures.
    Mesure LectureValeurs();
    // The same cycle, run behind the caller's back when the exchanges have their own thread: `suite`
    // then receives the measurement on the program's main thread, and not at all if `recepteur`
    // is gone by then. False, and nothing asked, while the previous such cycle still waits for the drive: a
    // late tick is skipped, never queued. Without a thread of its own, the cycle runs at once.
    bool LectureValeursEnFond(QObject* recepteur, std::function<void(const Mesure&)> suite);
    // ... then the application's coupling applied to a fresh measurement.
    Mesure LectureValeursApi(int32_t couplage);
    void SetStatus();
    void CalculValeurs();
    void inittime();
    void StopTime();

    void EmissionControle(int32_t mot);
    void EmissionConstanteK(int32_t valeur);
    // The same write, behind the caller's back when the exchanges have their own thread. A value
    // asked while the last one still waits to go replaces it: a slider dragged over a slow line
    // sends where it stopped, not every step.
    void EmissionConstanteKEnFond(int32_t valeur);
    void EmissionParam();
    void setParam0();

    RouteSerie& serie() { return m_serie; }
    RouteReseau& reseau() { return m_reseau; }

private:
    RouteRegistres& route();
    // Runs `echange` where the exchanges run.
    void surFil(const std::function<void()>& echange);
    void bilan(int32_t code);
    Mesure cycle(const MachineMesuree& machine);
    void CalculValeurs(const MachineMesuree& machine);
    MachineMesuree machine() const { return m_machine ? m_machine() : MachineMesuree{}; }
    Mesure mesure(bool fraiche) const;

    RouteSerie m_serie;
    RouteReseau m_reseau;
    Horloge& m_horloge;
    TConfigGenerale& m_config;
    MachineCourante m_machine;
    std::unique_ptr<FilEchanges> m_fil;
    std::atomic<bool> m_cycleEnFond = false;
    static constexpr int32_t aucunK = INT32_MIN;
    std::atomic<int32_t> m_kEnAttente = aucunK;
};
