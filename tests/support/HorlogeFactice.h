#pragma once
// A clock that never sleeps: waits move the time of day and are recorded.

#include "link/Horloge.h"

#include <vector>

class HorlogeFactice final : public Horloge {
public:
    int32_t maintenant = 12 * 3600 * 1000;
    std::vector<int> attentes;

    int32_t maintenantMs() override { return maintenant; }
    void attendre(int ms) override {
        attentes.push_back(ms);
        maintenant = (maintenant + ms) % 86'400'000;
    }
};
