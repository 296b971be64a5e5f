#pragma once
// The pair of current range buttons, "2 A" and "20 A", one pressed at a time, that both the
// characteristic definition and the current range dialog show.

class QGroupBox;
class QToolButton;
class QWidget;

struct BoutonsCalibre {
    QGroupBox* GroupBoxCalibre;
    QToolButton* ButtonCalibre2A;
    QToolButton* ButtonCalibre20A;
};

BoutonsCalibre creeBoutonsCalibre(QWidget* parent);
