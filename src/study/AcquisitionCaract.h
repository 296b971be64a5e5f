#pragma once
// Acquisition of a machine's characteristics: by hand with K under the user's hand, or during a
// sweep of K run by the drive, recording a point each time the operating point has moved far
// enough; and the study of the machine on an industrial load law that the drive emulates, point by
// point or against time with a triggered oscilloscope. The plot window drives this with its timers
// and buttons; nothing here is a widget.

#include "link/Variateur.h"
#include "study/ConstantesBanc.h"
#include "work/EtatEtude.h"

#include <array>
#include <cstdint>
#include <functional>

class Liaison;
struct TConfigGenerale;

class AcquisitionCaract {
public:
    enum class Mode { Aucun, Manuel, Auto, ChargeManu, ChargeAuto, Oscillo };
    // What a tick asks of the window.
    enum class Suite { Continue, Stop };

    static constexpr int BalayageCroissant = 1;
    static constexpr int BalayageDecroissant = 3;
    static constexpr int64_t SeuilDistance = 2000;

    AcquisitionCaract(Liaison& liaison, Travail& travail, SessionTravail& session, EtatEtude& etat,
                      TConfigGenerale& config);

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
    // The same weight in the automatic mode on a static load.
    static int poidsDistanceCharge(int classePuissance);
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
    // Appends the measurement to the current test; a full test refuses the point.
    ResultatAjout enregistrePoint();
    // The load law of a test header as the drive's parameter block (torques in hundredths of N.m,
    // the corner speed of the constant-power law in tr/min, the lifted mass in kg).
    static std::array<int32_t, 5> blocLoiCharge(const TEnteteEssai& e, const ConstantesBanc& banc);
    // Sends the current test's load law to the drive and clears the last recorded point.
    void setAcquisitionChargeManu();
    bool entreChargeManu();
    bool entreChargeAuto();
    bool entreOscillo();
    // enregistre: the automatic recording toggle is down.
    Suite TimerChargeAutoTimer(bool enregistre);

    // Oscilloscope. Durations in seconds, index 0..24, or 0..40 with the long table of the
    // application screen (outside: the nearest end).
    static int dureeOscillo(int index, bool longue = false);
    static int dernierIndexDuree(bool longue) { return longue ? 40 : 24; }
    // Tick interval (ms) of a duration of the long table: a recording stays about 1200 ticks long.
    static int intervalleOscillo(int index);
    // The application screen records on the long table and reads its measurements its own way.
    bool dureesLongues = false;
    std::function<void()> lecture;
    // The window's cursor and displays, refreshed on each oscilloscope tick before its point is
    // recorded: the application screen works its own columns out there.
    std::function<void()> rafraichit;
    // The column of Mesures that synchronisation variable 1..4 designates: speed, torque,
    // voltage, current.
    static int colonneSynchro(int variable);
    // Trigger threshold, thousandths of the variable's full scale, by class and list position.
    static int seuilSynchro(int classePuissance, int position);
    // The duration bar or the variable list changed: the current test's words 17..19. The work is
    // not marked modified: this is the view's configuration, not a measurement.
    void configureOscillo(int indexDuree, int position);
    // "Acqui.": the time base restarts; with synchronisation the recording waits for the trigger.
    void arme(bool synchro);
    Suite TimerOscilloTimer();
    bool oscilloArme = false;
    bool oscilloDeclenche = false;
    int32_t reference = 0;
    int32_t finTemps = 0; // hundredths of a second

    // Ends any mode: timers off, load off, K back to 0.
    void stop();
    void resetAcquisition();

private:
    bool prepareMode();
    void lis();

    Liaison& m_liaison;
    Travail& m_travail;
    SessionTravail& m_session;
    EtatEtude& m_etat;
    TConfigGenerale& m_config;
};
