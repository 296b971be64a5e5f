#pragma once
// The first step of an application study: the machine under study, then either the application
// catalogue or a saved application file that goes straight to the run screen.

#include <QDialog>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QToolButton;
class Travail;
struct SessionTravail;

class TChoixMachine : public QDialog {
    Q_OBJECT
public:
    // Chooses the machine of `travail`, then shows `catalogue` or, for a file read, `ecranApplication`;
    // `menu`, the parent, is shown again when the user goes back.
    TChoixMachine(Travail& travail, SessionTravail& session, QWidget& catalogue, QWidget& ecranApplication,
                  QWidget* menu);

    // New work: no machine chosen, the default test template.
    void initialise();
    void FormShow();
    void Langue();
    // Click of any machine button.
    void Action();
    void ButtonApplicationClick();
    void ButtonOuvrirClick();
    void BitBtnCancelClick();

    // Type of the last choice, 0..7.
    int Choix() const { return m_choix; }

    // Controls, named as the window has them.
    QLabel* TextTitreSelection;
    // ButtonMCCI, ButtonMCCS, ButtonMAS, ButtonMS, ButtonMVC, ButtonMVAtri, ButtonMVAmono: types 1..7.
    std::array<QToolButton*, 7> BoutonsMachine{};
    QPushButton* ButtonApplication;
    QPushButton* ButtonOuvrir;
    QPushButton* BitBtnCancel;

protected:
    void showEvent(QShowEvent* e) override;
    // Escape and the window's frame go back to the main menu, as the cancel button does.
    void reject() override;

private:
    Travail& m_travail;
    SessionTravail& m_session;
    QWidget& m_catalogue;
    QWidget& m_ecranApplication;
    QWidget* m_menu;
    int m_choix = 0;
};
