#include "ConstantesBanc.h"

#include "link/Visualisation.h"
#include "socle/ConfigGenerale.h"
#include "socle/Entier32.h"

#include <cmath>
#include <numbers>

ConstantesBanc constantesBanc(int frequenceReseau, int classePuissance) {
    ConstantesBanc c{};
    c.SyncSpeed = produit32(30, frequenceReseau); // a settings file may hold any frequency
    c.RatedTorque = ChampTailleBanc(classePuissance, 1);
    c.RatedPower = ChampTailleBanc(classePuissance, 2);
    c.RatedInertia = ChampTailleBanc(classePuissance, 3);
    c.AngularSpeed10 = static_cast<int32_t>(std::lround(c.SyncSpeed * std::numbers::pi / 3));
    return c;
}

ConstantesBanc constantesBanc(const TConfigGenerale& config) {
    return constantesBanc(config.FrequenceReseau, config.ClassePuissance);
}
