#pragma once
// The drive as the program sees it: the registers it exchanges (parameter "menu.parameter") and the
// words written to them. The simulated bench names the same registers on its own side, so that each
// side checks the other.

#include <cstdint>

namespace variateur {

struct Registre {
    int menu;
    int parametre;
};

inline constexpr Registre calibre{11, 32};        // the drive's rating, read once at start
inline constexpr Registre echoStatut{18, 30};     // the status word written back, bit 0 set
inline constexpr Registre constanteK{19, 20};     // K, tenths of a percent
inline constexpr Registre blocParametres{19, 20}; // 19.20..19.25, the six words of the load law
inline constexpr Registre mesures{20, 2};         // status word, then R1..R9 (20.03..20.11)
inline constexpr Registre controle{20, 29};       // control word

inline constexpr int nbMotsMesures = 10;
inline constexpr int nbMotsBloc = 6;

// Status word bits.
inline constexpr int32_t statutBalayage = 0x0004; // a sweep runs
inline constexpr int32_t statutMontee = 0x0100;   // ... with K rising
inline constexpr int32_t statutDescente = 0x0200; // ... with K falling

// Control words. Bit 0 is set whenever the link is in use, bit 2 while a load law is applied; the
// law's code goes into bits 8..13, the sweep's direction into bit 14 (rising) or 15 (falling).
inline constexpr int32_t controleFin = 0;  // the program leaves
inline constexpr int32_t controleArme = 1; // link in use, no load
inline constexpr int32_t sensMontee = 0x4000;
inline constexpr int32_t sensDescente = 0x8000;
constexpr int32_t controleAvantBloc(int code, int32_t sens = 0) {
    return (code << 8) | controleArme | sens;
}
constexpr int32_t controleApplique(int code, int32_t sens = 0) {
    return (code << 8) | 0x0004 | controleArme | sens;
}

} // namespace variateur
