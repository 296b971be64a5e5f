#pragma once
// 32-bit signed arithmetic as the drive and the stored records do it: products wrap in two's
// complement, divisions truncate toward zero. Signed overflow is undefined in C++, hence these.

#include <cstdint>

inline int32_t produit32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(int64_t(a) * b));
}

// A quotient by zero has no value: 0 stands for it, so that a bad record never stops the program.
inline int32_t quotient32(int32_t a, int32_t b) {
    if (b == 0) return 0;
    return static_cast<int32_t>(static_cast<uint32_t>(int64_t(a) / b));
}
