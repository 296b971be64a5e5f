#pragma once
// The load emulation of the application run screen. From an application code, its six parameters
// and the position of the load scroll bar: the bar's range, the drive's parameter block and the
// program number of the control word. From the measured speed: the application's own quantities
// (load level, linear speed, flow, head, force, power) in Mesures[12..15]. No widget: the run
// screen calls these with the current test and the link's ParamBlock.

#include "application/Pompes.h"
#include "link/Variateur.h"
#include "work/SessionTravail.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

using ParamsApplication = std::array<int32_t, 6>; // P0..P5, test header words 30..35
using BlocParametres = std::array<int32_t, 6>;    // the link's ParamBlock; word 5 stays 0

// Program number of the drive's load program for an application code; 0 for 59 and unknown codes.
int ModeCharge(int code);
// ... for the application of the work's current test.
int ModeCharge(const Travail& t, const SessionTravail& s);
// Control word while the load runs.
inline int32_t MotControleCharge(int code) {
    return variateur::controleApplique(ModeCharge(code));
}
// Default position of the load scroll bar, percent of its range; 0 for codes without one.
int PourcentagePositionDefaut(int code);
// Slope term of the conveyor belt: Trunc(100 x sin(angle in degrees)).
int32_t SinusPente(int32_t angle);

// P0..P5 of a test header.
ParamsApplication ParamsEssai(const TEnteteEssai& e);

// Range and default position of the load scroll bar.
struct PlageCharge {
    int32_t minimum = 0;
    int32_t maximum = 120;
    int32_t position = 0;
    // The parameters gave a minimum above the maximum: the bar falls back to 0..120 with its
    // default position, and the window says that the parameters do not fit.
    bool refusee = false;
    bool operator==(const PlageCharge&) const = default;
};

// The range of the load scroll bar for an application; nothing for 59 and unknown codes, whose
// bar is left as it stands.
std::optional<PlageCharge> CalculPlageCharge(int code, const ParamsApplication& p, int classePuissance);
// Copies ParamApplication into P0..P5 of the current test and gives the range of its application.
std::optional<PlageCharge> SetApp(Travail& t, SessionTravail& s, int classePuissance);

// The pump's operating point at a measured speed.
struct PointPompe {
    int32_t debit = 0;   // hundredths of m3/h
    int32_t hauteur = 0; // tenths of m
    bool operator==(const PointPompe&) const = default;
};

// The emulation state of one run screen: what the pump's block leaves for its displays.
class EmulationCharge {
public:
    // A network coefficient this large means a closed valve: no flow.
    static constexpr int64_t ReseauFerme = 100000000;

    int64_t CoefReseau = ReseauFerme;
    int32_t FacteurInverse = 1000; // thousandths of the speed kept at negative speed

    // Fills words 0..4 of `bloc` for application `code` at scroll bar position `a` with minimum
    // `b`; 59 and unknown codes leave the block as it was. Code 61 also sets the pump state.
    void SetCharge(int code, const ParamsApplication& p, int classePuissance, int32_t a, int32_t b,
                   BlocParametres& bloc);
    void SetCharge(const TEnteteEssai& e, int classePuissance, int32_t position, int32_t minimum,
                   BlocParametres& bloc);
    // ... for the work's current test.
    void SetCharge(const Travail& t, const SessionTravail& s, int classePuissance, int32_t position,
                   int32_t minimum, BlocParametres& bloc);

    // Mesures[12..14] from n = Mesures[1] and Mesures[3] with `a` = position - minimum of the
    // scroll bar, then Mesures[15] = bloc[4]. A quantity of code 51 whose divisor is zero keeps
    // the value it had; those of 53 and 57 read 0. Unknown codes only set Mesures[15].
    void SetValeursAff(int code, const ParamsApplication& p, int classePuissance, int32_t a,
                       const BlocParametres& bloc, VecteurMesures& mesures) const;
    void SetValeursAff(const TEnteteEssai& e, int classePuissance, int32_t a, const BlocParametres& bloc,
                       VecteurMesures& mesures) const;
    // ... for the work's current test.
    void SetValeursAff(const Travail& t, const SessionTravail& s, int classePuissance, int32_t a,
                       const BlocParametres& bloc, VecteurMesures& mesures) const;

    // Operating point of pump `m` with discharge height P0 (percent of its zero-flow head) at
    // speed n (tr/min), on the network of the last block.
    PointPompe PointFonctionnement(const TModelePompe& m, int32_t p0, int32_t n) const;

    // The pump's block at scroll bar position `a`, and the network it leaves for the displays.
    void chargePompe(const TModelePompe& m, const ParamsApplication& p, int32_t a, BlocParametres& bloc);
};
