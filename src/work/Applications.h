#pragma once
// The industrial applications, codes 51..66 of a test header's word 1 (59, the mains, has no load
// program): what the drive runs, where the catalogue shows them, what the run screen and the
// configuration dialog show, which quantities fill columns 12..14. Every rule on an application
// code reads this table; the application folder lists the formulas of each code beside it.

#include <array>
#include <cstdint>

constexpr int PREMIERE_APPLICATION = 51;
constexpr int DERNIERE_APPLICATION = 66;
constexpr int NB_APPLICATIONS = DERNIERE_APPLICATION - PREMIERE_APPLICATION + 1;

// The catalogue's area of an application.
enum class ZoneApplication : uint8_t { Usine, LocalTechnique };

enum class BarGraphe { Aucun, TroisNiveaux, Simple };

// The five scroll bars of the configuration dialog are numbered as on the window: 1 and 3 vertical
// (left and right of the picture), 4, 5 and 6 horizontal (bottom rows). There is no bar 2.
constexpr int BARRES_APPLICATION[] = {1, 3, 4, 5, 6};

// The range of a configuration scroll bar.
struct PlageBarre {
    int32_t Minimum;
    int32_t Maximum;
    int32_t Defaut; // may lie outside the range: the scroll bar then takes the nearest end
    bool operator==(const PlageBarre&) const = default;
};
// The range of a bar an application does not set.
inline constexpr PlageBarre PLAGE_COMMUNE{10, 100, 50};

// Texts of the configuration dialog, as numbers in the main text table (-1: hidden).
struct LegendesApplication {
    int Aff1 = -1, Aff2 = -1, Aff3 = -1, Aff4 = -1, Aff5 = -1, Aff6 = -1, Inertie = -1;
    bool Pompes = false; // the pump list replaces rows 4 to 6, and P1 is the pump chosen
};

struct DescriptionApplication {
    int code = 0;
    ZoneApplication zone = ZoneApplication::Usine;
    int modeCharge = 0;                 // the drive's load program; 0: none, the load cannot start
    bool avertissement = false;         // the drive's function inputs must be wired
    int texteNom = -1;                  // the name in the catalogue's text table
    const char* illustration = nullptr; // the catalogue's picture
    bool illustreeEnMarche = false;     // the run screen shows that picture too
    int texteLibelleCharge = -1;        // beside the load scroll bar, in the main text table
    int positionDefaut = 0;             // of the load scroll bar, percent of its range
    BarGraphe barGraphe = BarGraphe::Aucun;
    std::array<int, 3> grandeurs{-1, -1, -1}; // quantities of columns 12..14, -1 an empty one
    std::array<bool, 3> offertes{};           // which of them the run screen offers
    // The configuration dialog: its own picture (tried before the illustration), its texts, the
    // ranges of the bars in the order of BARRES_APPLICATION, and the bar that sets each of P0..P4
    // (0 none).
    const char* imageConfiguration = nullptr;
    LegendesApplication legendes{};
    std::array<PlageBarre, 5> plages{PLAGE_COMMUNE, PLAGE_COMMUNE, PLAGE_COMMUNE, PLAGE_COMMUNE,
                                     PLAGE_COMMUNE};
    std::array<int, 5> barreDuParam{};

    // The dialog has controls for the application: a bar or the pump list sets a parameter.
    bool configurable() const {
        for (int b : barreDuParam)
            if (b != 0) return true;
        return legendes.Pompes;
    }
};

// The entry of `code`, nullptr for a code outside 51..66.
const DescriptionApplication* DescriptionDApplication(int code);
// Every application, in the order of their codes.
const std::array<DescriptionApplication, NB_APPLICATIONS>& DescriptionsApplications();

// Codes 51..70 are kept for applications: a test of one runs against time.
inline bool CodeApplication(int code) {
    return code >= PREMIERE_APPLICATION && code <= 70;
}
