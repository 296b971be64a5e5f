#pragma once
// Faults the simulated drive can put on the line, to see how the program copes: silence,
// a corrupted CRC, a reply cut short, bytes after the reply, slow bytes, a line that drops.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class TypeDefaut {
    SansReponse,   // "no-reply": the request is carried out, the reply never sent
    MauvaisCrc,    // "bad-crc": last byte of the reply inverted
    ReponseCourte, // "short": the last three bytes (or all but one) left off
    OctetsEnTrop,  // "extra": two bytes after the reply
    Coupure,       // "close": half the reply, then the line is closed for good
};

struct TRegleDefaut {
    TypeDefaut type = TypeDefaut::SansReponse;
    // The fault hits every periode-th exchange (exchanges counted from 1); for "close", the line
    // drops at that exchange.
    int periode = 1;
};

struct TDefauts {
    std::vector<TRegleDefaut> regles;
    // Bytes of a reply sent one by one at this rate (10 bits a byte); 0 sends them at once.
    int debitBauds = 0;
};

// "no-reply@3,bad-crc@5,short,extra,close@10,pace=19200"; nullopt with a message when wrong.
std::optional<TDefauts> LitDefauts(std::string_view texte, std::string* erreur = nullptr);

struct TReponseAlteree {
    std::vector<uint8_t> octets;
    bool coupure = false; // close the line once these bytes are out
};

// The reply of exchange number `echange` as the faults leave it.
TReponseAlteree AppliqueDefauts(const TDefauts& d, long echange, std::vector<uint8_t> reponse);
