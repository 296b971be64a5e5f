#pragma once
// The current range of the current test. Each button acts at once; OK only closes.

#include <QDialog>

class QGroupBox;
class QPushButton;
class QToolButton;
class Travail;
struct SessionTravail;

class TFormCalibreCourant : public QDialog {
    Q_OBJECT
public:
    // The range of the current test of `travail`.
    explicit TFormCalibreCourant(Travail& travail, SessionTravail& session, QWidget* parent = nullptr);

    void FormShow();
    void Langue();
    void ButtonCalibre2AClick();
    void ButtonCalibre20AClick();

    // Controls, named as the window has them.
    QGroupBox* GroupBoxCalibre;
    QToolButton* ButtonCalibre2A;
    QToolButton* ButtonCalibre20A;
    QPushButton* BitBtn1;

protected:
    void showEvent(QShowEvent* e) override;

private:
    Travail& m_travail;
    SessionTravail& m_session;
};
