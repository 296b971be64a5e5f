#include "EtatEtude.h"

void EtatEtude::SelectionPoint(const Travail& t, const SessionTravail& s, int index) {
    if (s.EssaiCourant > 0 && s.EssaiCourant <= NB_ESSAIS_MAX) {
        if (index < 0 || index > DERNIER_POINT_MAX) {
            Mesures[0] = -1;
        } else {
            const TEssai& essai = t.Essais[s.EssaiCourant];
            for (int c = 0; c <= 15; ++c)
                Mesures[c] = essai.valeur(c, index);
        }
    }
    PointCourant = index;
}
