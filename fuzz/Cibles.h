#pragma once
// What the fuzzers feed: every reader of outside bytes, each behind one function that takes the
// bytes and returns 0. A violated expectation traps, so that the fuzzer and the tests see it.
// The same functions run the seeds and the kept findings in the test suite.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace cibles {

using Cible = int (*)(const uint8_t* donnees, std::size_t taille);

int travail(const uint8_t* d, std::size_t n);     // work files, both layouts (first byte chooses)
int config(const uint8_t* d, std::size_t n);      // the settings record
int catalogue(const uint8_t* d, std::size_t n);   // the application catalogue file
int jpeg(const uint8_t* d, std::size_t n);        // the JPEG loader
int modbusRtu(const uint8_t* d, std::size_t n);   // the drive's replies on the serial line
int modbusTcp(const uint8_t* d, std::size_t n);   // the drive's responses on the network route
int application(const uint8_t* d, std::size_t n); // the application file, and what its values drive
int journal(const uint8_t* d, std::size_t n);     // the recovery journal (first byte: CRCs set right)

// Whether the last input fed was accepted by its reader (a file read, a reply taken as valid).
extern bool derniereAcceptee;

struct Description {
    const char* nom;
    Cible cible;
    // Valid inputs to start from.
    std::vector<std::pair<QString, QByteArray>> (*graines)();
};

const std::vector<Description>& toutes();

} // namespace cibles
