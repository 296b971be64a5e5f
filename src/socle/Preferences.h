#pragma once
// The program's preferences beyond the settings record, whose 80 bytes stay as the files that rely
// on them expect: a small text file beside it, one "name=value" line each.

#include <QString>

struct Preferences {
    // Markers twice their size, drawn with a two-pixel pen, for those who need to tell the tests
    // apart without colour.
    bool GrandsReperes = false;
};

Preferences& preferences();
// Reads the preferences of the settings folder; a missing or unreadable file leaves the defaults.
void ChargePreferences(const QString& dossier);
// Writes them whole (through a temporary file); false when the folder cannot be written.
bool SauvePreferences(const QString& dossier);
