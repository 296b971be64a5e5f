#pragma once
// Defining a characteristic: which quantities the ordinate and abscissa lists offer for a
// machine and a load, the first selection, the quadrant rule of a time axis, the current range
// buttons and what confirming writes into the work. The dialog NouvelCaract only mirrors this.

#include <QString>
#include <QStringList>

#include <vector>

class Travail;
struct SessionTravail;

constexpr int COLONNE_TEMPS = 11;
constexpr int NB_QUADRANTS = 9;    // quadrant codes 0..8, clockwise from quadrant 1 around 0
constexpr int QUADRANT_TOUS = 0;   // four quadrants
constexpr int QUADRANT_1_ET_4 = 2; // the one a time axis falls back to
constexpr int QUADRANT_1_ET_2 = 8; // its button does not confirm on a double-click

// Whether machine type `typeMachine` offers column `colonne` (1..10): the excitation current (7)
// and the power factor (9) exist only on some machines. A type outside 0..7 is treated as 0.
bool ColonneOfferte(int typeMachine, int colonne);
// Load types whose study runs against time: the time column ends the abscissa list.
bool TempsOffert(int typeCharge);
// Load types of the plot window's oscilloscope: a new definition starts on the time axis.
bool TempsParDefaut(int typeCharge);
// Hint of quadrant button q in the current language (the text table has none).
QString BulleQuadrant(int q);
// Hints of the ordinate and abscissa lists in the current language.
QString BulleOrdonnee();
QString BulleAbscisse();

enum class ModeDefinition { Nouveau = 0, Modification = 1 };

// Writes slot `cible` (1..8) as a confirmed definition: defined and shown, the two columns, the
// quadrant and, in new mode only, the default zooms of the bench class; marks the work
// modified. Another slot number changes nothing and answers false.
bool EcritDefinition(Travail& t, SessionTravail& s, int cible, ModeDefinition mode, int colonneX,
                     int colonneY, int quadrant, int classePuissance);

class DefinitionCaract {
public:
    // Set by the caller before the dialog is shown; kept from one showing to the next.
    ModeDefinition Mode = ModeDefinition::Nouveau;
    int Cible = 1; // DefCaract slot: 1..4 plot window, 5..8 application screen

    // Built by Prepare. ColonneDePosition maps a list position to its column; the abscissa list
    // holds every entry, the ordinate list the first NbOrdonnees (all but a trailing time column).
    std::vector<int> ColonneDePosition;
    int NbOrdonnees = 0;
    int PositionX = 0;
    int PositionY = 0;
    int Quadrant = QUADRANT_TOUS;

    // Builds the lists for the machine and load of the test template, chooses the first
    // selection (new mode) or the stored one (modify mode), and runs the quadrant rule.
    void Prepare(const Travail& t, const SessionTravail& s);
    QStringList NomsOrdonnee(const SessionTravail& s) const;
    QStringList NomsAbscisse(const SessionTravail& s) const;
    int ColonneX() const;
    int ColonneY() const;

    // A time abscissa allows only quadrants 1, 1 and 4, and 4.
    bool QuadrantPermis(int q) const;
    // Selecting another abscissa runs the quadrant rule; a position outside the list is ignored.
    void ChoisitAbscisse(int position);
    void ChoisitOrdonnee(int position);
    // False, and nothing changes, for a code outside 0..8 or a quadrant the abscissa forbids.
    bool ChoisitQuadrant(int q);
    // A double-click on quadrant button q confirms the dialog, except on button 8.
    bool DoubleClicConfirme(int q) const { return q != QUADRANT_1_ET_2 && QuadrantPermis(q); }

    // What OK writes (EcritDefinition with the selection); false when the slot is not 1..8.
    bool Valide(Travail& t, SessionTravail& s, int classePuissance) const;
    // Defines the slot without a window, as OK does, with quadrant 0.
    bool InitCaract_Y_de_X(Travail& t, SessionTravail& s, int colonneY, int colonneX,
                           int classePuissance) const;

    // The current range buttons act at once and stay when the dialog is cancelled: the template
    // of the next test and, in modify mode, the current test. 1 = 2 A, 0 = 20 A.
    void ChoisitCalibre(Travail& t, SessionTravail& s, int calibre) const;
    // Whether the template's current range is the 2 A one (the link reads it so).
    static bool Calibre2A(const SessionTravail& s);

private:
    void RegleQuadrant();
};
