#pragma once
// Pieces the study windows build alike.

#include "socle/Menus.h"

#include <QString>

#include <array>
#include <functional>

class QAction;
class QColor;
class QLineEdit;
class QMenu;
class QMenuBar;
class QIcon;
class QObject;
class QToolButton;
class QWidget;
class Travail;

// A flat text button of a window's bar; `bascule` makes it stay down when pressed.
QToolButton* BoutonTexte(const QString& nom, QWidget* parent, bool bascule = false);
// `w` paints its background in `couleur`.
void FondUni(QWidget* w, const QColor& couleur);
// The title bar: one line holding the comment of `travail`, stored as it is typed, at most 100
// characters. `edition` receives the line.
QWidget* BarreTitre(QWidget* parent, QLineEdit*& edition, Travail& travail);

// The "Interpolation" submenu of `menu`: its six entries give -1, 1, 2, 3, 4, 5 to `choix`.
void MenuInterpolation(QMenu* menu, QObject* contexte, const std::function<void(int)>& choix);
// "Grands repères", checkable, beside the colours: the large markers of the preferences, kept at once
// (in the settings folder); `apres` redraws the window.
QAction* EntreeGrandsReperes(QMenu* menu, QObject* contexte, const std::function<void()>& apres);
// The marker of test k (1..5) in its colour of the present scheme, on the scheme's background.
QIcon IconeEssai(int k);
// The "Couleur des graphes" submenu of `menu`: eight colour entries named `noms` give 0..7 to `choix`.
void MenuCouleurs(QMenu* menu, QObject* contexte, const std::array<const char*, 8>& noms,
                  const std::function<void(int)>& choix);
