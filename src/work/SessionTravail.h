#pragma once
// What the program knows of the open work beyond its file: the quantities of its columns, the
// template of its next test and its current test, its file's name and whether it is saved, and the
// machine and parameters the application study starts from. A save writes none of it.

#include "Travail.h"

struct SessionTravail {
    // The quantities of the 21 columns, from the language and the application.
    std::array<TGrandeur, NB_COLONNES> Colonnes;
    // Whether columns 12, 13, 14 are offered in an application study; the fourth equals the first.
    std::array<bool, 4> DrapeauxApplication{true, true, true, true};
    // The header of the next test.
    TEnteteEssai ModeleEssai;
    // The test new points go to, 0 for none.
    int32_t EssaiCourant = 0;
    bool TravailEnregistre = true;
    QString NomFichierCourant;
    // The application parameters the configuration dialog starts from and restores on Cancel: an
    // application file read, or the run screen's current test, sets them before it opens.
    std::array<int32_t, 6> ParamApplicationSauve{};
    // The machine chosen for the application study, 0 none, 1..7 as TypeMachine. It outlives a new
    // work: only the machine choice changes it.
    int32_t MachineApplication = 0;

    SessionTravail() { Reinitialise(); }

    // The session of a new work: the columns of the current language, no current test, the default
    // template, saved, no file. The application's flags and machine are kept.
    void Reinitialise();
    // Columns 12..14 and their flags for the application `code` (51..66).
    void InitColonnesApplication(int code);
};
