#pragma once
// Pieces the study windows build alike.

#include <QString>

class QLineEdit;
class QToolButton;
class QWidget;

// A flat text button of a window's bar; `bascule` makes it stay down when pressed.
QToolButton* BoutonTexte(const QString& nom, QWidget* parent, bool bascule = false);
// The title bar: one line holding the work's comment, stored as it is typed, at most 100
// characters. `edition` receives the line.
QWidget* BarreTitre(QWidget* parent, QLineEdit*& edition);
