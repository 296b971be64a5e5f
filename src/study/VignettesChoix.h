#pragma once
// The machine and the load chosen on a page of the characteristic choice screen, as pictures (from
// the pictures folder) above their names, and the glyphs of the screen's buttons.

#include <QIcon>
#include <QWidget>

class QLabel;
class TVueImage;

class TVignettesChoix : public QWidget {
    Q_OBJECT
public:
    // The two names are the screen's own labels, laid out under the pictures; the pictures side
    // by side, or one above the other.
    TVignettesChoix(QLabel* nomMachine, QLabel* nomCharge, Qt::Orientation sens, QWidget* parent = nullptr);

    // Shows the pictures of `machine` (1..7) and `charge` (1..18); 0 shows none.
    void Montre(int machine, int charge);
    // The next Montre reads the pictures again (the screen is shown anew).
    void Oublie() { m_machine = m_charge = -1; }

    TVueImage* ImageMachine;
    TVueImage* ImageCharge;

private:
    int m_machine = -1;
    int m_charge = -1;
};

// Small pictures of a machine type and of a load law, sharp at any screen scale.
QIcon GlypheMachine(int typeMachine);
QIcon GlypheCharge(int typeCharge);
inline constexpr QSize TailleGlyphe{44, 28};
