#pragma once
// 32-bit signed arithmetic as the drive and the stored records do it: products wrap in two's
// complement, divisions truncate toward zero. Signed overflow is undefined in C++, hence these.

#include <cstdint>

// A product formed in 32 bits, wrapping as the drive's own arithmetic does.
inline int32_t produit32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(int64_t(a) * b));
}

// A truncating quotient that a corrupt divisor cannot turn into a crash: 0 for a zero divisor,
// and the wrapped result for the one quotient that does not fit.
inline int32_t quotient32(int32_t a, int32_t b) {
    if (b == 0) return 0;
    if (b == -1) return produit32(a, -1);
    return a / b;
}
