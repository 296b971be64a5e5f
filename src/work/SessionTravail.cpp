#include "SessionTravail.h"

#include <algorithm>

void SessionTravail::Reinitialise() {
    const auto& g = Textes().Grandeurs;
    std::copy_n(g.begin(), 12, Colonnes.begin());
    Colonnes[12] = g[13];
    Colonnes[13] = g[17];
    Colonnes[14] = g[14];
    std::fill(Colonnes.begin() + 15, Colonnes.end(), TGrandeur{});
    EssaiCourant = 0;
    ModeleEssai = TEnteteEssai::defaut();
    TravailEnregistre = true;
    NomFichierCourant.clear();
}

void SessionTravail::InitColonnesApplication(int code) {
    std::array<TGrandeur, 3> g;
    std::array<bool, 3> f;
    if (!GrandeursApplication(code, g, f)) return;
    std::copy(g.begin(), g.end(), Colonnes.begin() + 12);
    DrapeauxApplication = {f[0], f[1], f[2], f[0]};
}
