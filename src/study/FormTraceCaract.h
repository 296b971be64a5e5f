#pragma once
// The characteristic plot window: up to four graph panels over the tests of the work, the tests'
// buttons and comments, the value boxes, and the bars of the acquisition and load modes.

#include "study/AcquisitionCaract.h"

#include "commun/FenetreEtude.h"

#include <QMainWindow>
#include <QPrinter>

#include <array>
#include <memory>

class QTimer;
class Liaison;
class TCaractMachine;
struct Fenetres;

class TFormTraceCaract : public FenetreEtude {
    Q_OBJECT
public:
    // Plots the characteristics of `travail`; its menus open the windows of `fenetres`.
    TFormTraceCaract(Liaison& liaison, Travail& travail, SessionTravail& session, Fenetres& fenetres,
                     QWidget* parent = nullptr);
    ~TFormTraceCaract() override;

    // After the choice screen has filled ModeleEssai: the test that records the new load.
    void Setcourbe();
    void Settitre();
    // The central refresh: every control from the work.
    void Action() override;
    void TraceTout();
    int NbPanelTrace() const;
    void Curseur() override;
    void Langue();

    // The graph panels' context menu.
    void SupprimePointSelectionne() override;
    void SupprimeTousLesPoints() override;
    void NouvelEssai() override;
    void ModifieCaract(int n) override;

    // Tests.
    void ButtoncourbeClick(int k) override;
    void ButtonCarClick(int k);

    // Menus.
    void NouvelleCaracteristique();
    void SupprimeCaracteristique(int k);
    void InterpolationClick(int valeur);
    void CouleurClick(int schema);
    void Copierlescaractristiques1Click();
    void Copiervaleurs(int essai);
    void Imprimer1Click();
    void Configurationimprimante1Click();
    void delacourbeselectionne1Click();
    void detouteslescourbes1Click();
    void CalibreCourant1Click();

    // Acquisition.
    void ButtonManuClick(bool presse);
    void ButtonAutoClick(bool presse);
    void ScrollBarKChange(int k);
    void ScrollBarTChange(int t);
    void ButtonAutoCroissantClick();
    void ButtonAutoDecroissantClick();
    void TimerManuTimer();
    void TimerAutoTimer();
    void ButtonAcquiPointCaractClick();
    void ButtonStopManuClick();
    void resetMenu();
    void setMenu();

    // Load modes: the drive emulates the current test's load law.
    void ButtonChargeManuClick(bool presse);
    void ButtonChargeAutoClick(bool presse);
    void ButtonChargeDynamiqueClick(bool presse);
    void TimerChargeAutoTimer();
    void TimerOscilloTimer();
    void SpeedButtonOscilloClick();
    void ComboBoxDureeChange();
    void ButtonModifChargeClick();

    AcquisitionCaract& acquisition() { return m_acq; }
    TCaractMachine* panneau(int k) const { return m_panneaux[k - 1]; }
    QRect rectanglePanneaux() const;
    // The printer, set up at its first use: loading the system's printing costs memory and time.
    QPrinter& imprimante();

    // Controls, named as the window has them.
    std::array<QToolButton*, 4> ButtonCar{};
    QToolButton* ButtonModifCharge;
    QToolButton* ButtonAffichage;
    QToolButton* ButtonTitre;
    QToolButton* ButtonClose;
    QWidget* ToolBarTitre;
    QLineEdit* EditTitre;
    QWidget* PanelAcquisitionCarMachine;
    QWidget* PanelAcqusitionChargeStatique;
    QWidget* PanelAcqusitionChargeDynamique;
    QToolButton* ButtonManu;
    QToolButton* ButtonAuto;
    QToolButton* ButtonChargeManu;
    QToolButton* ButtonChargeAuto;
    QToolButton* ButtonChargeDynamique;
    QWidget* PanelAcquiManu;
    QWidget* PanelAcquiAuto;
    QScrollBar* ScrollBarK;
    QLabel* TextK;
    QToolButton* ButtonAcquiPointCaract;
    QToolButton* ButtonStopManu;
    QLabel* TextModechargeManu;
    QScrollBar* ScrollBarT;
    QLabel* TextT;
    QToolButton* ButtonAutoCroissant;
    QToolButton* ButtonAutoDecroissant;
    QToolButton* ButtonStopAuto;
    QLabel* TextModechargeAuto;
    QWidget* PanelChargeStatiqueManu;
    QLabel* TextModeChargestatiqueManu;
    QToolButton* ButtonAcquiPointStatique;
    QToolButton* ButtonStopChargeManu;
    QWidget* PanelChargeStatiqueAuto;
    QLabel* TextModeChargestatiqueAuto;
    QToolButton* ButtonAcquiAutoStatique;
    QToolButton* ButtonStopChargeAuto;
    QWidget* PanelChargeDynamique;
    QLabel* TextModeChargeDynamique;
    QToolButton* SpeedButtonOscillo;
    QToolButton* ButtonStopDynamique;
    QWidget* PanelANALYSE;
    QWidget* PanelAffichageValeur;
    std::array<QLabel*, 12> LibelleValeur{}; // 1..11
    std::array<QLabel*, 12> TexteValeur{};   // 1..11
    QWidget* ImageFond;
    QTimer* TimerManu;
    QTimer* TimerAuto;
    QTimer* TimerChargeAuto;
    QTimer* TimerOscillo;

    QMenu* Edition1;
    QMenu* Configuration1;
    QMenu* Aide1;
    QAction* NouvelleCaract1;
    QMenu* ModificationCaract1;
    QMenu* SuppressionCaract1;
    QAction* Nouvelessai1;
    QMenu* Suppressionessai1;
    QAction* Delacourbeselectionne1;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void ajusteLargeurValeurs();
    void construitBarres();
    void construitBarresCharge(QWidget* barre);
    void afficheOscillo();
    // After a tick that may have recorded a point: draws it, and stops on the tick's word.
    void finTick(int pointsAvant, AcquisitionCaract::Suite suite);
    // Entering a load mode; false when the link could not be opened and the button is released.
    bool entreModeCharge(QToolButton* bouton, bool presse, bool (AcquisitionCaract::*entre)());
    void construitValeurs();
    void construitMenus();
    void EditionPopup();
    void ConfigurationPopup();
    void synchroniseTimers();
    void dessinePanneaux(QPainter& p, const QRect& cadre, int tailleMin);
    // The printed page: title, legend, the panels shown.
    void dessinePage(QPainter& p, QPaintDevice& support, const QRect& page);
    void arretSurEssaiPlein();

    Liaison& m_liaison;
    Fenetres& m_fenetres;
    AcquisitionCaract m_acq;
    std::array<TCaractMachine*, 4> m_panneaux{};
    std::unique_ptr<QPrinter> m_imprimante;
    bool m_rafraichit = false;
};
