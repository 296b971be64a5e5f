#pragma once
// The load of an application on the drive, as the run screen drives it: the block for a load
// level, starting and stopping the drive's program, and the 100 ms cycle that follows the load
// scroll bar and reads the measurements. The window holds the scroll bar and the buttons; nothing
// here is a widget.

#include "application/EmulationCharge.h"

#include <cstdint>
#include <optional>

class Liaison;
class Travail;
struct EtatEtude;
struct SessionTravail;
struct TConfigGenerale;

class ChargeApplication {
public:
    ChargeApplication(Liaison& liaison, Travail& travail, SessionTravail& session, EtatEtude& etat,
                      TConfigGenerale& config);

    EmulationCharge emulation;
    // The load position whose block was sent last; -1 after the window opened.
    int32_t DernierePositionEnvoyee = -1;
    // "Marche charge active" is down: every block is followed by the program's control word.
    bool enMarche = false;

    // The current test takes ParamApplication; the load scroll bar's range for its application
    // (nothing for an application without one: the bar stays as it is).
    std::optional<PlageCharge> SetApp();
    // The block of the current test's application at load level `position` of a bar starting at
    // `minimum`, sent to the drive, then the control word when the load runs.
    void SetCharge(int32_t position, int32_t minimum);
    // Starts the load from the block of the last position sent (the next cycle sends the bar's):
    // opens the link when needed. False, with nothing sent, when the link cannot be opened (the
    // link has said so).
    bool Demarre(int32_t minimum);
    // One cycle: the block again when the bar moved, then one measurement with the test's coupling.
    void Cycle(int32_t position, int32_t minimum);
    // Stops the load: stop word, block zeroed and sent, no measurement.
    void Arrete();
    // The application's quantities from the measurement, while the load runs.
    void SetValeursAff(int32_t position, int32_t minimum);

    int32_t couplage() const;

private:
    Liaison& m_liaison;
    Travail& m_travail;
    SessionTravail& m_session;
    EtatEtude& m_etat;
    TConfigGenerale& m_config;
};
