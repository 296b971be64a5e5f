#pragma once
// What the application sheets say, in the three languages.

#include "Documents.h"

#include <vector>

struct ParametreFiche {
    page::T3 nom;
    page::T3 reglage; // unit, range and default of the setting
    page::T3 role;    // what it changes in the emulated load
};

struct TexteFiche {
    int code;          // the application the sheet is named after
    const char* image; // picture of the applications folder drawn on the sheet
    page::T3 titre;
    page::T3 description;
    std::vector<ParametreFiche> parametres;
    page::T3 loi;        // the load law the drive applies
    page::T3 affichages; // what the run screen shows
    int programme;       // load program of the drive
};

const std::vector<TexteFiche>& textesFiches();
