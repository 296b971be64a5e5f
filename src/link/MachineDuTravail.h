#pragma once
// The machine under study as the template of the next test gives it: what the link's conversion needs.

#include "Liaison.h"
#include "work/SessionTravail.h"

inline Liaison::MachineCourante machineDuTravail(const SessionTravail& s) {
    return [&s] {
        return MachineMesuree{s.ModeleEssai.TypeMachine(),
                              s.ModeleEssai[TEnteteEssai::MotCalibreCourant] == 1};
    };
}
