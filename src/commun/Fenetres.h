#pragma once
// The program's windows, created once at start-up in a fixed order and kept for the whole run. The
// shell fills the table as it creates them and hands it to the windows that open many others.

#include <QDialog>

#include <vector>

class QLabel;
class TFormMachine2;
class TFormCom;
class TFormTraceCaract;
class TNouvelCaract;
class TFormTrierPoints;
class TFormCalibreCourant;
class TFormVisuApp;
class TFormChoixCaract;
class TAvertissements;
class TFormVisualisation;
class TChoixMachine;
class TConfigurationApplication;
class TFormApplication;
class TFormKorlan;
class TAboutBox;
class TFormVisualisationPDF;
class TFormAideCablage;

// A window that a later version of the program fills; it exists so that start-up creates every
// window, and closing it brings the main menu back.
class FenetreVide : public QDialog {
    Q_OBJECT
public:
    FenetreVide(const QString& nom, QWidget* menu);
    QString nom() const { return m_nom; }

protected:
    void done(int resultat) override;

private:
    QString m_nom;
    QWidget* m_menu;
};

struct Fenetres {
    TFormMachine2* FormMachine2 = nullptr;
    // The main menu as the windows below it see it: the one they show again when they close.
    QWidget* MenuPrincipal = nullptr;
    TFormTraceCaract* FormTraceCaract = nullptr;
    TNouvelCaract* NouvelCaract = nullptr;
    TFormVisualisation* FormVisualisation = nullptr;
    TFormChoixCaract* FormChoixCaract = nullptr;
    TFormTrierPoints* FormTrierPoints = nullptr;
    TFormCalibreCourant* FormCalibreCourant = nullptr;
    TFormVisuApp* FormVisuApp = nullptr;
    TAboutBox* AboutBox = nullptr;
    TAvertissements* Avertissements = nullptr;
    TFormKorlan* FormKorlan = nullptr;
    TFormApplication* FormApplication = nullptr;
    TChoixMachine* ChoixMachine = nullptr;
    TConfigurationApplication* ConfigurationApplication = nullptr;
    QWidget* FormTest = nullptr;
    TFormVisualisationPDF* FormVisualisationPDF = nullptr;
    TFormAideCablage* FormAideCablage = nullptr;
    TFormCom* FormCom = nullptr;

    // Study mode of the characteristic choice screen: 0 machine characteristics, 1 static load,
    // 2 dynamic load.
    int ModeEtudeChoixCaract = 0;
    // Names of the windows in the order they were created.
    std::vector<QString> ordre;
};
