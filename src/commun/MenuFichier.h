#pragma once
// The work-file menu both study windows carry (they derive from it, so that its commands are theirs): open,
// save, save as, export, new work, printer set-up, print, quit. Each window says which layout it writes,
// through which save dialog, and what it does around the files.

#include "ExportGraphiques.h"
#include "work/FichierTravail.h"

#include <functional>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
struct DialogueFichier;
struct EtatEtude;
struct SessionTravail;

class MenuFichier {
public:
    // The files of `travail`; a work read or begun anew leaves no point shown in `etat`.
    MenuFichier(Travail& travail, SessionTravail& session, EtatEtude& etat)
        : m_travail(travail), m_session(session), m_etat(etat) {}

    struct Fenetre {
        QMainWindow* fenetre;
        Disposition disposition;          // the layout the window writes
        DialogueFichier* enregistrerSous; // its "Enregistrer sous" dialog
        // A current file name of this type is not saved to by "Enregistrer": it asks for a name.
        std::function<bool(const QString& type)> demandeUnNom;
        std::function<void()> action;              // the window's refresh
        std::function<void()> apresNouveauTravail; // what the window resets with the work
        std::function<void()> configurationImprimante;
        std::function<void()> impression;
        QAction* quitter; // closes the window
        // The page as printing draws it (title, legend, the graphs shown), for the exports of graphs.
        DessinPage dessinePage;
        // The characteristics the window shows (definition numbers), one chart each in a workbook.
        std::function<std::vector<int>()> caracteristiques;
    };
    // Adds "Fichier" to the window's menu bar.
    void construitMenuFichier(Fenetre f);

    void ouvrir1Click();
    void Enregistrer1Click();
    void Enregistrersous1Click();
    // The work is reset when the save prompt allows it; the window closes in any case.
    void Nouveautravail1Click();
    // "Exporter…": the values (CSV, workbook) or the graphs (PNG, SVG, PDF) to a file of the
    // user's choice; the work itself is untouched.
    void Exporter1Click();
    // "Enregistrer", "Nouveau travail", "Imprimer" and the `avecUnPoint` entries need a point in
    // test 1; the menu applies the rule as it opens.
    void activeFichier();
    std::vector<QAction*> avecUnPoint;

    QMenu* Fichier1 = nullptr;
    QAction* Enregistrer1 = nullptr;
    QAction* Nouveautravail1 = nullptr;
    QAction* Imprimer1 = nullptr;
    QAction* Exporter1 = nullptr;

private:
    void enregistre(const QString& nom);

    Travail& m_travail;
    SessionTravail& m_session;
    EtatEtude& m_etat;
    Fenetre m_fenetre{};
};
