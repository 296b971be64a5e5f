#include "CalculMesures.h"

#include "socle/Entier32.h"

#include <algorithm>
#include <cstdlib>

namespace {

// P = n x T x pi / 30 (n in tr/min, T in N.m, P in W). With T in hundredths of N.m and P in
// tenths of a watt: P = n x T x (pi / 30) / 10, pi taken as 3142 / 1000.
constexpr int64_t puissanceNumerateur = 3142;
constexpr int64_t puissanceDenominateur = 1000 * 30 * 10;
// sqrt(3), the ratio of a three-phase line's quantity to a phase's, as 1732 / 1000.
constexpr int64_t racine3Numerateur = 1732;
constexpr int64_t racine3Denominateur = 1000;

} // namespace

int32_t Rendement(int32_t pe, int32_t pm) {
    const int64_t a = pe, b = pm;
    if (a > 0 && b > 0) return int32_t(1000 * std::min(a, b) / std::max(a, b));
    if (a < 0 && b < 0) return int32_t(1000 * std::max(a, b) / std::min(a, b));
    return 0;
}

namespace {

// Which raw words a machine type's electrical quantities come from.
struct Branchement {
    bool alternatif;       // U = R7 (phase voltage) and I = R5 (phase current); else R6 and R4
    int32_t phases;        // Pe = R9 x 10 x phases: R9 is the power of one phase (or the DC power)
    bool excitation;       // Ie = R3 div 10 (R3 in tenths of mA)
    bool facteurPuissance; // an AC machine has a power factor
};

// By machine type 0..7: none, separately excited DC, series DC, three-phase asynchronous,
// three-phase synchronous, DC-supplied drive, three-phase-supplied drive, single-phase-supplied
// drive.
constexpr std::array<Branchement, 8> branchements = {{
    {false, 1, true, false},
    {false, 1, true, false},
    {false, 1, false, false},
    {true, 3, false, true},
    {true, 3, true, true},
    {false, 1, false, false},
    {true, 3, false, true},
    {true, 1, false, true},
}};

// 1000 x P / (U x I) of one phase from the raw words (R7 tenths of V, R5 and R9 on the same range),
// capped at 1000; 0 when U x I is too small to mean anything.
int32_t facteurPuissance(const MotsBruts& R) {
    const int32_t ui = produit32(R[7], R[5]);
    if (ui <= 1000) return 0;
    return int32_t(std::min<int64_t>(10'000'000LL * std::llabs(R[9]) / ui, 1000));
}

} // namespace

void CalculeGrandeurs(const MotsBruts& R, const MachineMesuree& machine, GrandeursMesurees& m) {
    m[1] = R[1];
    m[2] = R[2];
    m[3] = int32_t(int64_t(produit32(R[1], R[2])) * puissanceNumerateur / puissanceDenominateur);
    if (machine.type >= 0 && machine.type < int(branchements.size())) {
        const Branchement& b = branchements[machine.type];
        // On the 2 A range the box gives currents in tenths of mA and powers in tenths of W.
        const int32_t d = machine.calibre2A ? 10 : 1;
        m[4] = b.alternatif ? R[7] : R[6];
        m[5] = (b.alternatif ? R[5] : R[4]) / d;
        m[6] = R[9] * 10 * b.phases / d;
        m[7] = b.excitation ? R[3] / 10 : 0;
        m[9] = b.facteurPuissance ? facteurPuissance(R) : 0;
        m[10] = int32_t(std::llabs(int64_t(m[6]) - m[3]));
    }
    m[8] = Rendement(m[6], m[3]);
}

void AppliqueCouplage(int32_t couplage, GrandeursMesurees& m) {
    if (couplage == 1)
        m[4] = int32_t(int64_t(m[4]) * racine3Numerateur / racine3Denominateur);
    else if (couplage == 2)
        m[5] = int32_t(int64_t(m[5]) * racine3Numerateur / racine3Denominateur);
}

void Mesure::reporte(std::span<int32_t> mesures) const {
    if (fraiche)
        std::copy(valeurs.begin(), valeurs.end(), mesures.begin());
    else if (perdue)
        mesures[0] = -1;
}
