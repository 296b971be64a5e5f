#pragma once
// The dialog that creates or modifies one characteristic definition: the quantity on each axis,
// the quadrants shown and the current range. The caller sets the mode and the slot (Prepare),
// then runs it modally; its logic is DefinitionCaract's.

#include "work/DefinitionCaract.h"

#include <QDialog>
#include <QToolButton>

#include <array>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QVBoxLayout;
class Travail;
struct SessionTravail;

// A quadrant button: draws the axes with the region it shows, and tells a double-click apart.
class TBoutonQuadrant : public QToolButton {
    Q_OBJECT
public:
    TBoutonQuadrant(int code, QWidget* parent);
    QSize sizeHint() const override;

signals:
    void doubleClic(int code);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    int m_code;
};

class TNouvelCaract : public QDialog {
    Q_OBJECT
public:
    // Defines the characteristics of `travail`.
    explicit TNouvelCaract(Travail& travail, SessionTravail& session, QWidget* parent = nullptr);

    // Mode and target slot for the next showing (1..4 plot window, 5..8 application screen).
    void Prepare(ModeDefinition mode, int cible);
    // Defines the target slot as OK would, with quadrant 0, without showing anything.
    void InitCaract_Y_de_X(int colonneY, int colonneX);
    const DefinitionCaract& definition() const { return m_def; }

    void FormShow();
    void Langue();
    void BtnOKClick();
    void RadioGroupXClick(int position);
    void RadioGroupYClick(int position);
    void QuadrantClick(int code);
    void QuadrantDoubleClick(int code);
    void ButtonCalibre2AClick();
    void ButtonCalibre20AClick();

    // Controls, named as the window has them.
    QGroupBox* RadioGroupY;
    QGroupBox* RadioGroupX;
    QGroupBox* GroupBoxQuadrants;
    QGroupBox* GroupBoxCalibre;
    std::array<TBoutonQuadrant*, NB_QUADRANTS> Q;
    QToolButton* ButtonCalibre2A;
    QToolButton* ButtonCalibre20A;
    QPushButton* BtnOK;
    QPushButton* BitBtn2;

protected:
    void showEvent(QShowEvent* e) override;

private:
    // Mirrors the selection and the quadrant state of m_def onto the controls.
    void Action();
    void ajuste();
    void remplit(QGroupBox* groupe, QButtonGroup* boutons, const QStringList& noms);

    Travail& m_travail;

    SessionTravail& m_session;
    DefinitionCaract m_def;
    QButtonGroup* m_boutonsY;
    QButtonGroup* m_boutonsX;
    QButtonGroup* m_boutonsQ;
};
