#include "Pompes.h"

#include <algorithm>

namespace {

constexpr std::array<TModelePompe, NB_MODELES_POMPE> tableA{{
    {"PA-1 : Hn=38m Qn=5m³", 380, 500, 550, 800, 3830, 15350, {0, 0}, 550},
    {"PA-2 : Hn=15m Qn=16m³", 150, 1600, 156, 2500, 199, -2773, {0, 0}, 846},
    {"PA-3 : Hn=12,8m Qn=22m³", 128, 2200, 117, 3000, 153, -3843, {0, 0}, 733},
    {"PA-4 : Hn=19,3m Qn=15m³", 193, 1500, 224, 3000, 308, -2422, {0, 0}, 1410},
    {"PA-5 : Hn=7,1m Qn=49m³", 71, 4900, 86, 10000, 12, -292, {0, 0}, 552},
    {"PA-6 : Hn=7,7m Qn=61m³", 77, 6100, 97, 15000, 7, -115, {0, 0}, 920},
}};

constexpr std::array<TModelePompe, NB_MODELES_POMPE> tableB{{
    {"PB-1 : Hn=4,4m Qn=9m³", 44, 900, 69, 1400, 147, 1525, {0, 0}, 142},
    {"PB-2 : Hn=7m  Qn=9m³", 70, 900, 108, 1400, 207, 2324, {0, 0}, 198},
    {"PB-3 : Hn=3,9m Qn=15m³", 39, 1500, 54, 3000, 49, 2738, {0, 0}, 91},
    {"PB-4 : Hn=4m Qn=24m³", 40, 2400, 54, 5000, 16, 2204, {0, 0}, 108},
    {"PB-5 : Hn=4,9m Qn=15m³", 49, 1500, 58, 2000, 60, -308, {0, 0}, 350},
    {"PB-6 : Hn=7m Qn=8m³", 70, 800, 82, 1500, 347, -1051, {0, 0}, 397},
}};

constexpr std::array<TModelePompe, NB_MODELES_POMPE> tableC{{
    {"PC-1 : Hn=38m Qn=5", 380, 500, 550, 800, 375, 1620, {0, 0}, 550},
    {"PC-2 : Hn=30m Qn=8", 300, 800, 500, 1000, 375, 1600, {0, 0}, 850},
    {"PC-3 : Hn=25m Qn=10", 250, 1000, 450, 1500, 375, 1600, {0, 0}, 850},
    {"PC-4 : Hn=20m Qn=15", 200, 1500, 400, 800, 375, 1600, {0, 0}, 850},
    {"PC-5 : Hn=15m Qn=20", 150, 2000, 350, 800, 375, 1600, {0, 0}, 850},
    {"PC-6 : Hn=10m Qn=25", 100, 2500, 300, 800, 375, 1600, {0, 0}, 850},
}};

} // namespace

const std::array<TModelePompe, NB_MODELES_POMPE>& ModelesPompe(int classePuissance) {
    switch (classePuissance) {
    case 1:
        return tableB;
    case 3:
        return tableC;
    default:
        return tableA;
    }
}

const TModelePompe& ModelePompe(int classePuissance, int index) {
    const auto& modeles = ModelesPompe(classePuissance);
    return modeles[std::clamp(index, 0, NB_MODELES_POMPE - 1)];
}
