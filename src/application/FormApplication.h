#pragma once
// The application run screen: the machine under study drives the load machine, whose drive
// emulates an industrial application. The user sets the load level with a scroll bar; every 100 ms
// the window sends the drive's parameter block again when the level changed, reads the
// measurements and shows the machine's electrical and mechanical values, the application's own
// quantities, its parameters and a bar graph of the load level.

#include "application/Application.h"
#include "application/ChargeApplication.h"
#include "study/AcquisitionCaract.h"

#include "commun/FenetreEtude.h"
#include <QFrame>

#include <QMainWindow>

#include <QPrinter>
#include <memory>

#include <array>

class QGroupBox;
class QTimer;
class Liaison;
class TCaractMachine;
class TVueImage;
struct Fenetres;

// One measurement display: its caption above a value box.
class AffichageMesure : public QFrame {
    Q_OBJECT
public:
    AffichageMesure(const QString& nom, QWidget* parent);
    void setTexte(const QString& texte);
    QString texte() const;
    // The caption; a screen reader reads the display as caption, value and unit.
    void setLibelle(const QString& texte);
    void setCouleur(const QColor& couleur);
    QColor couleur() const;

    QLabel* libelle;
    QLabel* valeur;
};

// The load level as a bar graph: three coloured levels, or one colour for the flow applications.
class BarGrapheCharge : public QWidget {
    Q_OBJECT
public:
    explicit BarGrapheCharge(QWidget* parent);
    void setGenre(BarGraphe genre);
    BarGraphe genre() const { return m_genre; }
    // The mask uncovers the bar graph up to load level `position` of a bar ending at `maximum`.
    void setNiveau(int position, int maximum);

    QWidget* PanelCache;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void placeCache();

    BarGraphe m_genre = BarGraphe::TroisNiveaux;
    int m_position = 0;
    int m_maximum = 120;
};

class TFormApplication : public FenetreEtude {
    Q_OBJECT
public:
    // Runs the application of `travail`; its buttons and menus open the windows of `fenetres`.
    TFormApplication(Liaison& liaison, Travail& travail, SessionTravail& session, Fenetres& fenetres,
                     QWidget* parent = nullptr);
    ~TFormApplication() override;

    void Langue();
    // The opening sequence.
    void FormShow();
    // Every display from Mesures.
    void curseur();
    // Visibility, captions and enabled state of every panel and button, in their order.
    void Action() override;
    void Curseur() override;
    void InitialiseAffichage();
    void AfficheValeurs();
    // The current test against the chosen application, then Action.
    void SetCourbes();
    void SetApp();
    void SetCharge(int32_t position, int32_t minimum);
    void SetEtoileTriangle();
    void StopAcqui();
    // A new work from this window.
    void Initialisation();

    void ButtonChargeClick(bool presse);
    void TimerApplicationTimer();
    void ButtonConfigurationClick();
    void ButtonEtoileClick();
    void ButtonTriangleClick();
    void Quitter1Click();

    // The graph and its tests.
    void ButtonGraphAnimClick(bool presse);
    void ButtoncourbeClick(int k) override;
    void Nouvelessai1Click();
    // The graph panel's context menu.
    void SupprimePointSelectionne() override;
    void SupprimeTousLesPoints() override;
    void NouvelEssai() override;
    void ModifieCaract(int n) override;

    // Recording: points on demand, or against time with the oscilloscope.
    void BoutonManuelClick(bool presse);
    void ButtonAcquiPointClick();
    void ButtonStopClick();
    void resetAcquisition();
    void BoutonOscilloClick(bool presse);
    void BoutonStartOscilloClick();
    void TimerOscilloTimer();
    void ScrollBarDureeOscilloChange();

    // Copies, printing, files.
    void ButtonCopieValeurClick();
    void Copiervaleurs(int essai);
    void Copierlescaracteristiques1Click();
    void Imprimer1Click();
    // The printed page: title, legend, the graph.
    void dessinePage(QPainter& p, QPaintDevice& support, const QRect& page);
    void Configurationimprimante1Click();
    void InterpolationClick(int valeur);
    void CouleurClick(int schema);

    ChargeApplication& charge() { return m_charge; }
    AcquisitionCaract& acquisition() { return m_acq; }
    // The printer, set up at its first use: loading the system's printing costs memory and time.
    QPrinter& imprimante();
    const PanneauParametres& panneau() const { return m_panneau; }

    // Controls, named as the window has them.
    QToolButton* ButtonCharge;
    QToolButton* ButtonGraphAnim;
    QToolButton* ButtonCopieValeur;
    QToolButton* ButtonFermer;
    QToolButton* ButtonTitre;
    QToolButton* ButtonConfiguration;
    QToolButton* ButtonRessource;
    QToolButton* ButtonCablage;
    QWidget* ToolBarTitre;
    QLineEdit* EditTitre;
    // The recording bar and the graph: kept free for the recording of points and the oscilloscope.
    QWidget* PanelAcquisition;
    QWidget* PanelGraphe;

    QGroupBox* GroupeElectrique;
    QGroupBox* GroupeMecanique;
    QToolButton* ButtonEtoile;
    QToolButton* ButtonTriangle;
    std::array<AffichageMesure*, 11> Mesure{}; // columns 1..10
    QLabel* TextApplication;
    QLabel* TextNomDeLaCharge;
    TVueImage* ImageApp;

    QWidget* PanelApplication;
    AffichageMesure* TextVar2;     // column 13
    AffichageMesure* TextVarTemps; // column 11
    AffichageMesure* TextVar3;     // column 14
    AffichageMesure* TextCharge;   // column 12
    QLabel* TextNomCharge;
    QScrollBar* ScrollBarCharge;
    BarGrapheCharge* PanelBarGraph;
    QWidget* PanelParametres;
    std::array<QLabel*, NbLignesAff> TextAFF{};    // Aff1, Aff3..Aff6, inertia
    std::array<QLabel*, NbLignesAff> TextValAFF{}; // their values
    QTimer* TimerApplication;
    QAction* Quitter1;

    TCaractMachine* CaractMachine5;
    QWidget* PanelManuOscillo;
    QToolButton* BoutonManuel;
    QToolButton* BoutonOscillo;
    QWidget* PanelAcquisitionManuel;
    QToolButton* ButtonAcquiPoint;
    QToolButton* ButtonStopChargeManu;
    QWidget* PanelOscillo;
    QToolButton* BoutonStartOscillo;
    QToolButton* ButtonStopOscillo;
    QWidget* PanelEssais_Boutons;
    QTimer* TimerOscillo;
    QMenu* Edition1;
    QMenu* Configuration1;
    QAction* Nouvelessai1;
    QMenu* Suppressionessai1;
    bool m_menusActifs = true;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* construitBoutons(QWidget* parent);
    QWidget* construitCentre(QWidget* parent);
    QWidget* construitApplication(QWidget* parent);
    void construitAcquisition();
    void construitMenus();
    void EditionPopup();
    // The refresh of the test row, the recording bars and the graph.
    void ActionEnregistrement();
    // The definition of the application graph, when there is none yet: torque against speed.
    void definitGraphe();
    void montreImage(int code);
    void placeCache();
    int codeCourant() const;

    Liaison& m_liaison;
    Fenetres& m_fenetres;
    ChargeApplication m_charge;
    PanneauParametres m_panneau;
    AcquisitionCaract m_acq;
    std::unique_ptr<QPrinter> m_imprimante;
    int m_imageMontree = -1;
};
