// Sorting the points of a test.
#include "Travail.h"
#include "work/LoisCharge.h"

#include <utility>

namespace {

void echange(TEssai& essai, int i, int j) {
    for (auto& c : essai.Colonnes)
        std::swap(c[i + 1], c[j + 1]);
}

// Partition-exchange sort with the middle point as pivot: the order it leaves points with
// equal keys in is the one stored works and copies rely on.
void tri(TEssai& essai, int c, bool decroissant, int lo, int hi) {
    const auto& cle = essai.Colonnes[c];
    const int32_t pivot = cle[(lo + hi) / 2 + 1];
    int i = lo;
    int j = hi;
    do {
        if (decroissant) {
            while (cle[i + 1] > pivot)
                ++i;
            while (pivot > cle[j + 1])
                --j;
        } else {
            while (cle[i + 1] < pivot)
                ++i;
            while (pivot < cle[j + 1])
                --j;
        }
        if (i <= j) {
            echange(essai, i, j);
            ++i;
            --j;
        }
    } while (i <= j);
    if (lo < j) tri(essai, c, decroissant, lo, j);
    if (i < hi) tri(essai, c, decroissant, i, hi);
}

} // namespace

void Travail::TriEssai(int ordre, int colonne, int essai) {
    if (ordre != 0 && ordre != 1) return;
    if (colonne < 0 || colonne >= NB_COLONNES || essai < 0 || essai > NB_ESSAIS_MAX) return;
    TEssai& e = Essais[essai];
    const int dernier = std::min(e.Entete.DernierPoint(), DERNIER_POINT_MAX);
    if (dernier > 0) tri(e, colonne, ordre == 1, 0, dernier);
}

void Travail::TriParNumero() {
    for (int k = 1; k <= EnteteTravail.NbEssais && k <= NB_ESSAIS_MAX; ++k)
        TriEssai(0, 0, k);
}

void Travail::Retri() {
    for (int k = 1; k <= EnteteTravail.NbEssais && k <= NB_ESSAIS_MAX; ++k) {
        const TEnteteEssai& e = Essais[k].Entete;
        if (DescriptionTypeCharge(e.TypeCharge()).gardeTriee)
            TriEssai(e[TEnteteEssai::MotOrdreTri], e[TEnteteEssai::MotColonneTri], k);
    }
}
