#pragma once
// Acquisition of a machine's characteristics: by hand with K under the user's hand, or during a
// sweep of K run by the drive, recording a point each time the operating point has moved far
// enough. The plot window drives this with its timers and buttons; nothing here is a widget.

#include "work/Travail.h"

#include <cstdint>

class Liaison;
struct TConfigGenerale;

class AcquisitionCaract {
public:
    enum class Mode { Aucun, Manuel, Auto };
    // What a tick asks of the window.
    enum class Suite { Continue, Stop };

    static constexpr int BalayageCroissant = 1;
    static constexpr int BalayageDecroissant = 3;
    static constexpr int32_t BitBalayage = 0x0004;
    static constexpr int32_t BitMontee = 0x0100;
    static constexpr int32_t BitDescente = 0x0200;
    static constexpr int64_t SeuilDistance = 2000;

    AcquisitionCaract(Liaison& liaison, Travail& travail, TConfigGenerale& config);

    Mode mode = Mode::Aucun;
    // The window's timers: which must run.
    bool TimerManu = false;
    bool TimerAuto = false;
    bool TimerOscillo = false;
    bool TimerChargeAuto = false;
    int K = 0; // percent, 0..100
    int T = 5; // sweep duration, s, 5..15
    int typeBalayage = 0;
    int phaseEnregistree = 0;
    int64_t vitessePrecedente = 0;
    int64_t couplePrecedent = 0;

    // Weight of the torque in the distance between two points of a sweep, by power class.
    static int poidsDistance(int classePuissance);
    // Load-law code of the current test's load type.
    int codeLoi() const;

    // Entering a mode opens the link when needed; false when it cannot be opened (the link has
    // said so) and the window must release the mode button.
    bool entreManuel();
    bool entreAuto();
    // Sends K (percent) as tenths of a percent.
    void changeK(int k);
    // The phase of a sweep kind, swapped when a speed-imposing load already turns the machine.
    int setmode(int type);
    void demarreBalayage(int type);
    Suite TimerManuTimer();
    Suite TimerAutoTimer();
    // Appends Mesures to the current test; a full test refuses the point.
    ResultatAjout enregistrePoint();
    // Ends any mode: timers off, load off, K back to 0.
    void stop();
    void resetAcquisition();

private:
    Liaison& m_liaison;
    Travail& m_travail;
    TConfigGenerale& m_config;
};
