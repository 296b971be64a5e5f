#pragma once
// The program's help, "AIDE VIMRA.HLP": the user guide in the three languages, shown in a browser
// window. F1 in any window opens it at the section of that window (property "contexteAide" of the
// window or of the child that has the focus), in the current language; the "?" menus do the same.

class QApplication;
class QMenu;
class QString;
class QWidget;

namespace aide {

// The property a window (or a part of it) carries: the help context of its section.
inline constexpr char Propriete[] = "contexteAide";

// Help contexts. 1, 3 and 14 are the numbers the windows have always had.
enum Contexte : int {
    MenuPrincipal = 1,
    TraceCaract = 2,
    Liaison = 3,
    ChoixCaracteristiques = 4, // the three pages of the characteristic choice screen
    ChoixComportement = 5,
    ChoixTemporel = 6,
    PanneauCharge = 7,
    NouvelCaract = 8,
    TrierPoints = 9,
    CalibreCourant = 10,
    VisuApp = 11,
    Catalogue = 12,
    ChoixMachine = 13,
    Visualisation = 14,
    ConfigurationApplication = 15,
    EcranApplication = 16,
    FicheApplication = 17,
    SchemaCablage = 18,
    Avertissements = 19,
    TraceManuel = 20, // the plot window's modes
    TraceBalayage = 21,
    TraceChargeStatique = 22,
    TraceOscillo = 23,
};

// The guide's page of a language (1 French, 2 English, 3 Spanish, as the settings say).
QString page(int langue);

} // namespace aide

void ouvreAide(int contexte);
void installeAide(QApplication& app);
// The help context of `w`: its own, or that of the nearest parent that has one (1 if none).
int contexteAide(const QWidget* w);
// Puts "Aide de Vimra  F1" at the top of a "?" menu of `fenetre`: the guide at its section.
void ajouteAideAuMenu(QMenu* menu, QWidget* fenetre);
