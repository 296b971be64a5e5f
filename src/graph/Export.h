#pragma once
// What leaves the program for a lab report: the values of the tests as CSV in the conventions of
// the current language, and an Excel workbook with a sheet per test (its context, then its values
// as numbers) and a chart per characteristic, in the colours of the graphs.

#include "work/CopieValeurs.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class Travail;
struct SessionTravail;
struct TEnteteEssai;

struct OptionsExport {
    int derniereColonne = DERNIERE_COLONNE_CARACT; // or DERNIERE_COLONNE_APPLICATION for an application work
    int essai = 0;                                 // 0: every test that holds points; k: test k alone
    bool demo = false;                             // the context says that the bench was the simulated one
    // The characteristic definitions shown (1..8), one chart each in the workbook; empty: every
    // defined and shown one of the layout (1..4 for a characteristic work, 5..8 for an application work).
    std::vector<int> caracteristiques;
};

// UTF-8 with a byte order mark, RFC 4180, CR LF. French and Spanish: ';' between fields and a decimal
// comma; English: ',' and a decimal point. The work's title and a row per exported test (number,
// comment) come first, then the header (test, then each column's symbol and unit) and one row per
// point, every value with the digits the program shows. Columns without a quantity, or whose quantity
// the application's run screen does not show, are left out.
QByteArray CsvExport(const Travail& t, const SessionTravail& s, const OptionsExport& o);
// Both write a temporary file beside `chemin` and rename it over the target once whole: a failure
// leaves the previous file as it was, returns false and says why in `erreur`.
bool EcritCsv(const Travail& t, const SessionTravail& s, const OptionsExport& o, const QString& chemin,
              QString* erreur = nullptr);
bool EcritXlsx(const Travail& t, const SessionTravail& s, const OptionsExport& o, const QString& chemin,
               QString* erreur = nullptr);

// A line of a test's context in the workbook: a caption and its value.
struct LigneContexte {
    QString libelle;
    QString valeur;
    bool operator==(const LigneContexte&) const = default;
};
// What the load panel (a characteristic test) or the application's parameter panel (an application
// test) shows for a test header: the law or application first, then its parameters. The layers that
// know the laws and the applications install it (the program at start-up, vimra-tool); without it
// the context names the law alone.
using ParametresEssai =
    std::function<std::vector<LigneContexte>(const TEnteteEssai& entete, bool application)>;
void InstalleParametresEssai(ParametresEssai f);
