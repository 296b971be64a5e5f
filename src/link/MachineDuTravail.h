#pragma once
// The machine under study as the work's test model gives it: what the link's conversion needs.

#include "Liaison.h"
#include "work/Travail.h"

inline Liaison::MachineCourante machineDuTravail(const Travail& t) {
    return [&t] {
        return MachineMesuree{t.ModeleEssai.TypeMachine(),
                              t.ModeleEssai[TEnteteEssai::MotCalibreCourant] == 1};
    };
}
