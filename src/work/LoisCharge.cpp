#include "LoisCharge.h"

#include "work/Travail.h"

namespace {

using E = TEnteteEssai;

constexpr int NB_LOIS = static_cast<int>(Loi::Levage) + 1;

// By law, in the order of the enumeration. The loads: law code, number of parameter words, the
// words, which of them bars A and B set, group of the applications viewer, wiring warning.
constexpr std::array<DescriptionLoi, NB_LOIS> lois{{
    {},
    {.codeLoi = 2, .balayageOffert = true, .essaisCommuns = true},
    {.codeLoi = 1, .imposeVitesse = true, .balayageOffert = true, .essaisCommuns = true},
    {.codeLoi = 4, .imposeVitesse = true, .essaisCommuns = true},
    {.codeLoi = 3, .balayageOffert = true, .essaisCommuns = true},
    {.codeLoi = 10, .kDepart = 50},
    {11, 1, {E::MotTorqueConstPos}, -1, 0, 1, true},
    {11, 2, {E::MotLinearAtSyncPos, E::MotLinearConstPos}, 0, 1, 2, true},
    {7, 2, {E::MotQuadAtSyncPos, E::MotQuadConstPos}, 0, 1, 3, false},
    {8, 2, {E::MotPowerTorqueLimitPos, E::MotPowerConstPos}, 1, 0, 4, true},
    {9, 3, {E::MotCyclicMaxPos, E::MotCyclicMinPos, E::MotCyclicReduction}, 0, 1, 5, false},
    {12, 3, {E::MotStickingPos, E::MotStickingRunPos, E::MotBreakawaySpeedPos}, 1, 0, 1, true},
    {13, 3, {E::MotLiftMassPos, E::MotLiftSpeed, E::MotLiftEfficiency}, 0, -1, 7, true},
}};

using L = Loi;
using G = GroupeMode;
using T = TriCourbe;

// By load type 0..18: law, group, points kept sorted, sort of the selected curve, time box.
constexpr std::array<DescriptionCharge, DERNIER_TYPE_CHARGE + 1> types{{
    {L::Aucune, G::Inchange, false, T::Actif, false},
    {L::CoupleImpose, G::Acquisition, true, T::Actif, false},
    {L::VitesseConstante, G::Acquisition, true, T::Actif, false},
    {L::VitesseImposee, G::Acquisition, true, T::Actif, false},
    {L::Entrainante, G::Acquisition, true, T::Actif, false},
    {L::AideCouplage, G::Acquisition, true, T::Actif, false},
    {L::CoupleConstant, G::ChargeStatique, true, T::Actif, false},
    {L::Lineaire, G::ChargeStatique, true, T::Actif, false},
    {L::Quadratique, G::ChargeStatique, true, T::Actif, false},
    {L::PuissanceConstante, G::ChargeStatique, true, T::Inactif, true},
    {L::CoupleConstant, G::Oscilloscope, true, T::Inactif, true},
    {L::Lineaire, G::Oscilloscope, false, T::Inactif, true},
    {L::Quadratique, G::Oscilloscope, false, T::Inactif, true},
    {L::PuissanceConstante, G::Oscilloscope, false, T::Inactif, true},
    {L::Cyclique, G::Oscilloscope, false, T::Inactif, true},
    {L::Decollage, G::ChargeStatique, true, T::Actif, false},
    {L::Decollage, G::Oscilloscope, false, T::Inactif, true},
    {L::Levage, G::ChargeStatique, false, T::Inchange, false},
    {L::Levage, G::Oscilloscope, false, T::Inchange, true},
}};

// What a number outside the table reads: no load, and the sort left as it was.
constexpr DescriptionCharge horsTable{};

} // namespace

const DescriptionCharge& DescriptionTypeCharge(int type) {
    return type >= 0 && type <= DERNIER_TYPE_CHARGE ? types[std::size_t(type)] : horsTable;
}

const DescriptionLoi& DescriptionDeLoi(Loi loi) {
    return lois[static_cast<std::size_t>(loi)];
}

const DescriptionLoi& DescriptionLoiCharge(int type) {
    return DescriptionDeLoi(LoiDuType(type));
}
