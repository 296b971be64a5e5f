#pragma once
// Weights of the cubic interpolation at eighths of a segment: quadratic Lagrange weights on the
// end segments, cubic ones inside, each over an integer divisor (64-bit, truncating).

#include <array>
#include <cstdint>

struct Poids3 {
    int64_t a, b, c; // on p[i-1], p[i], p[i+1] (first segment: p[0], p[1], p[2])
    int64_t d;       // divisor
};
struct Poids4 {
    int64_t a, b, c, e; // on p[i-1], p[i], p[i+1], p[i+2]
    int64_t d;
};

// First segment p[0] -> p[1], sub-points t = 1/8 .. 8/8, weights on (p[0], p[1], p[2]).
inline constexpr std::array<Poids3, 8> PoidsPremierSegment{{
    {105, 30, -7, 128},
    {21, 14, -3, 32},
    {65, 78, -15, 128},
    {12, 24, -4, 32},
    {33, 110, -15, 128},
    {5, 30, -3, 32},
    {9, 126, -7, 128},
    {0, 1, 0, 1},
}};

// Inner segment p[i] -> p[i+1], sub-points t = 0/8 .. 7/8, weights on (p[i-1], p[i], p[i+1], p[i+2]).
inline constexpr std::array<Poids4, 8> PoidsSegmentInterieur{{
    {0, 1, 0, 0, 1},
    {-49, 987, 93, -7, 1024},
    {-9, 111, 29, -3, 128},
    {-75, 745, 399, -45, 1024},
    {-1, 9, 9, -1, 16},
    {-45, 399, 745, -75, 1024},
    {-3, 29, 111, -9, 128},
    {-7, 93, 987, -49, 1024},
}};

// Last segment p[n-1] -> p[n], sub-points t = 0/8 .. 8/8, weights on (p[n-2], p[n-1], p[n]).
inline constexpr std::array<Poids3, 9> PoidsDernierSegment{{
    {0, 1, 0, 1},
    {-7, 126, 9, 128},
    {-3, 30, 5, 32},
    {-15, 110, 33, 128},
    {-4, 24, 12, 32},
    {-15, 78, 65, 128},
    {-3, 14, 21, 32},
    {-7, 30, 105, 128},
    {0, 0, 1, 1},
}};

// Every row reproduces a constant: its weights add up to its divisor.
template <std::size_t N> constexpr bool normalises(const std::array<Poids3, N>& t) {
    for (const Poids3& p : t)
        if (p.a + p.b + p.c != p.d) return false;
    return true;
}
constexpr bool normalises(const std::array<Poids4, 8>& t) {
    for (const Poids4& p : t)
        if (p.a + p.b + p.c + p.e != p.d) return false;
    return true;
}
static_assert(normalises(PoidsPremierSegment) && normalises(PoidsSegmentInterieur) &&
              normalises(PoidsDernierSegment));
