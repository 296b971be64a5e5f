#pragma once
// The documents the help viewers show: the sheet of each application and the wiring diagram of
// each machine, per language, and where they are delivered beside the program.

#include <QString>

#include <span>

// File name of the sheet of application `code` in language `langue` (1 French, 2 English,
// 3 Spanish, any other French); empty when the application has no sheet.
QString FicheApplication(int code, int langue);

// File name of the wiring diagram of machine type `machine` (1..7); the same for every language
// (1, 2 or 3); empty for another machine type or another language.
QString SchemaCablage(int machine, int langue);

// The full path of `fichier` in the folder `dossier`; empty when `fichier` is.
QString CheminDocument(const QString& dossier, const QString& fichier);

// Every application code that has a sheet, and every machine type that has a diagram.
std::span<const int> CodesAvecFiche();
constexpr int NB_MACHINES_CABLAGE = 7;

// The sheets' and diagrams' folders of language `langue` (1, 2, 3; any other French) in the program
// folder `programme`.
QString DossierFichesLangue(const QString& programme, int langue);
QString DossierCablageLangue(const QString& programme, int langue);
