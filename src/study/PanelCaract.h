#pragma once
// The load panel: the user sets the load law of the next test with track bars and spin buttons,
// and sees it as a torque-speed curve. The choice screen holds one on its static page and one on
// its dynamic page. The computing is CaractCharge's; this is its window.

#include "CaractCharge.h"

#include <QWidget>

class QLabel;
class QPainter;
class QSlider;
class QToolButton;

class TPanelCaract : public QWidget {
    Q_OBJECT
public:
    // Sets the load law of `modele`, the test template of the study.
    explicit TPanelCaract(TEnteteEssai& modele, QWidget* parent = nullptr);

    // Selects a load type, loads the controls from the record and draws.
    void SetMode(int typeCharge);
    // Recomputes the texts and the curve from the record and draws.
    void Action();
    void Langue();
    // Draws the curve on the axes of one of the six kinds.
    void AfficheCar(QPainter& p, int genre);
    void TraceCar(QPainter& p, const QRect& r, const AxeCar& couple, const AxeCar& vitesse);

    void TrackBarAChange(int position);
    void TrackBarBChange(int position);
    void TrackBarNChange(int position);
    void TrackBarJChange(int position);
    void SpinButtonRductionUpClick();
    void SpinButtonRductionDownClick();
    void SpinButtonPenteUpClick();
    void SpinButtonPenteDownClick();

    const CaractCharge& etat() const { return m_etat; }

    QWidget* PaintBox;
    QLabel *TextC1, *TextC2, *TextC3;
    QLabel *TextB1, *TextB2, *TextB3;
    QSlider* TrackBarA;
    QSlider* TrackBarB;
    QWidget* PanelN;
    QSlider* TrackBarN;
    QWidget* PanelCycle;
    QLabel *StaticTextReduction, *StaticTextred, *StaticTextPent, *StaticTextPente;
    QWidget* SpinButtonRduction;
    QWidget* SpinButtonPente;
    QToolButton *SpinButtonRductionUp, *SpinButtonRductionDown;
    QToolButton *SpinButtonPenteUp, *SpinButtonPenteDown;
    QWidget* PanelInertie;
    QLabel* StaticTextInertie;
    QSlider* TrackBarJ;
    QLabel* TextJ;

protected:
    void showEvent(QShowEvent* e) override;

private:
    TEnteteEssai& m_modele;
    CaractCharge m_etat;
    QWidget* m_volet2;

    // Shows the state: bar bounds and positions without echoing them back, texts, visibility.
    void rafraichit();
};
