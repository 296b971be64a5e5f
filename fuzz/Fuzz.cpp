// One fuzzer: CIBLE names the function of Cibles.h it feeds.
#include "Cibles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille) {
    return cibles::CIBLE(donnees, taille);
}
