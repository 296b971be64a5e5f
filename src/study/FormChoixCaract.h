#pragma once
// The choice of the machine under study and of the load law before a characteristic study: three
// pages, machine characteristics, static loads and loads in time.

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;
class TPanelCaract;
class TVignettesChoix;
class Travail;
struct SessionTravail;
struct Fenetres;

// Load type of each load button, page by page.
inline constexpr std::array<std::array<int, 7>, 3> TypesChargeParPage{{
    {1, 2, 3, 4, 5, 0, 0},
    {6, 7, 8, 9, 15, 17, 0},
    {10, 11, 12, 13, 14, 16, 18},
}};

class TFormChoixCaract : public QDialog {
    Q_OBJECT
public:
    // Chooses the test template of `travail`; leads to the windows of `fenetres`.
    TFormChoixCaract(Travail& travail, SessionTravail& session, Fenetres& fenetres,
                     QWidget* parent = nullptr);

    // The page to open: 0 machine characteristics, 1 static loads, 2 loads in time.
    int PageDemandee = 0;
    int Machine = 0;
    int Charge = 0;

    void FormShow();
    void Langue();
    void SetButton();
    void Action();
    void ButtonEtudeCaractClick();
    void ButtonVISUALISATIONClick();
    void ButtonAPPstatClick();

    QTabWidget* PageControl;
    std::array<QToolButton*, 7> BoutonsMachine{}; // types 1..7
    std::array<std::array<QToolButton*, 7>, 3> BoutonsCharge{};
    QToolButton* ButtonCouplage;
    QLabel* TextPuissanceMachine;
    std::array<QLabel*, 3> TextMachinePage{}; // TextCaractMachine, TextMachineS, TextMachineD
    std::array<QLabel*, 3> TextChargePage{};  // TextCaractCharge, TextTitreS, TextTitreD
    std::array<QPushButton*, 3> ButtonEtude{};
    QPushButton* ButtonVISUALISATION;
    std::array<QPushButton*, 3> ButtonAPP{};     // pages 1 and 2 only
    std::array<TPanelCaract*, 3> PanelCaract{};  // PanelCaractS, PanelCaractD on pages 1 and 2
    std::array<TVignettesChoix*, 3> Vignettes{}; // the chosen machine and load, as pictures

protected:
    void showEvent(QShowEvent* e) override;
    void done(int resultat) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    Travail& m_travail;
    SessionTravail& m_session;
    Fenetres& m_fenetres;
    std::array<QLabel*, 3> m_titresPage{};
    QLabel* m_textMachine;
    std::array<QLabel*, 3> m_textCharge{};
    std::array<QPushButton*, 3> m_fermer{};
};
