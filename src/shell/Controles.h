#pragma once
// Pieces the study windows build alike.

#include <QString>

#include <array>
#include <functional>

class QAction;
class QLineEdit;
class QMenuBar;
class QToolButton;
class QWidget;

// A flat text button of a window's bar; `bascule` makes it stay down when pressed.
QToolButton* BoutonTexte(const QString& nom, QWidget* parent, bool bascule = false);
// The title bar: one line holding the work's comment, stored as it is typed, at most 100
// characters. `edition` receives the line.
QWidget* BarreTitre(QWidget* parent, QLineEdit*& edition);

// What the test row does when the user acts on test k (1..5).
struct ActionsEssais {
    std::function<void(int)> selection;      // button k pressed
    std::function<void(int)> commentaire;    // comment k typed
    std::function<void(int)> supprimePoints; // pop-up: every point of test k
    std::function<void(int)> supprimeEssai;  // pop-up: test k itself
};
// Lays the five test buttons (one group) over their comment fields (at most 20 characters) in
// `panneau`; each button has a pop-up with the two deletions.
void RangeeEssais(QWidget* panneau, std::array<QToolButton*, 5>& boutons,
                  std::array<QLineEdit*, 5>& commentaires, const ActionsEssais& actions);

// Menu entries that follow the language: `a` keeps the number of its text in the text table, or
// its three translations, and takes its text at once.
QAction* EntreeTexte(QAction* a, int texte);
QAction* EntreeTexte(QAction* a, const char* francais, const char* anglais, const char* espagnol);
// Gives every entry of the bar made by EntreeTexte its text in the current language.
void LangueMenus(QMenuBar* barre);
// Every command of the bar on or off, its keyboard shortcut with it: a recording that runs leaves
// no way to open, save or print under it.
void ActiveMenus(QMenuBar* barre, bool actif);
