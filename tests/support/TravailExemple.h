#pragma once
// A work of five tests of a separately excited DC motor loaded from no load to 18 N.m: speed
// falls with torque, a little differently in each test, with a deterministic ripple of a few
// tr/min so that interpolation and smoothing show. Used by tests, screenshots and benchmarks.

#include "work/SessionTravail.h"

#include <cstdint>

inline void remplitTravailExemple(Travail& t, SessionTravail& s, int nbPoints) {
    t.NouveauTravail(s);
    for (int e = 1; e <= NB_ESSAIS_MAX; ++e) {
        s.ModeleEssai.TypeMachine() = 1;
        s.ModeleEssai.TypeCharge() = 1;
        t.AjouteEssai(s);
        for (int k = 0; k < nbPoints; ++k) {
            const int64_t couple = nbPoints > 1 ? int64_t(k) * 1800 / (nbPoints - 1) : 900; // 0,01 N.m
            const int64_t ondulation =
                int64_t((uint32_t(k + 1) * 2654435761u + uint32_t(e) * 40503u) >> 9) % 25 - 12;
            const int64_t vitesse = 1450 - (150 + 40 * e) * couple / 1800 + ondulation; // tr/min
            const int64_t pm = vitesse * couple * 628318 / 60000000;              // 0,1 W: n x 2 pi / 60 x Tu
            const int64_t courant = 400 + couple * (22 - e) / 2 + 3 * ondulation; // mA
            const int64_t tension = 2200 - courant / 100;                         // 0,1 V
            const int64_t pe = tension * courant / 1000;                          // 0,1 W
            VecteurMesures m{};
            m[1] = int32_t(vitesse);
            m[2] = int32_t(couple);
            m[3] = int32_t(pm);
            m[4] = int32_t(tension);
            m[5] = int32_t(courant);
            m[6] = int32_t(pe);
            m[7] = 500;
            m[8] = pe > 0 ? int32_t(pm * 1000 / pe) : 0;
            m[9] = 1000;
            m[10] = int32_t(pe - pm);
            m[11] = k * 5;
            t.AjoutePoint(s, m);
        }
    }
    // Four characteristics: n(Tu), I(Tu), Pm(n), Rd(Pm).
    const int definitions[4][2] = {{2, 1}, {2, 5}, {1, 3}, {3, 8}};
    for (int a = 1; a <= 4; ++a) {
        TDefCaract& d = t.EnteteTravail.DefCaract(a);
        d.Defini = 1;
        d.Affichee = 1;
        d.ColonneX = definitions[a - 1][0];
        d.ColonneY = definitions[a - 1][1];
        d.ZoomX = 18;
        d.ZoomY = 18;
        d.Quadrant = 1;
    }
    t.EnteteTravail.Interpolation = 2;
    s.EssaiCourant = 1;
}
