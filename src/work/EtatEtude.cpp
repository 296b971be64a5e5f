#include "EtatEtude.h"

void EtatEtude::SelectionPoint(const Travail& t, int index) {
    if (t.EssaiCourant > 0 && t.EssaiCourant <= NB_ESSAIS_MAX) {
        if (index < 0 || index > DERNIER_POINT_MAX) {
            Mesures[0] = -1;
        } else {
            const TEssai& essai = t.Essais[t.EssaiCourant];
            for (int c = 0; c <= 15; ++c)
                Mesures[c] = essai.valeur(c, index);
        }
    }
    PointCourant = index;
}
