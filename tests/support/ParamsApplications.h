#pragma once
// The parameters the configuration dialog gives each application by default on the 1500 W bench
// (class 2), its inertia included: what a run started from the catalogue sends.

#include <array>
#include <cstdint>

inline std::array<int32_t, 6> ParamsParDefaut(int code) {
    switch (code) {
    case 51:
        return {150, 10, 5, 14, 70, 7};
    case 52:
        return {20, 80, 0, 0, 100, 10};
    case 53:
        return {100, 10, 20, 15, 0, 381};
    case 57:
        return {600, 10, 50, 50, 100, 100};
    case 58:
        return {10, 75, 0, 0, 100, 4};
    case 61:
        return {30, 0, 80, 0, 0, 0};
    case 62:
        return {10, 100, 80, 50, 25, 25};
    case 64:
        return {10, 90, 20, 50, 10, 10};
    case 66:
        return {50, 30, 20, 50, 5, 17};
    default: // the applications without parameters of their own
        return {};
    }
}
