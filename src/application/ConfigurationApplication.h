#pragma once
// The physical parameters of the industrial application to emulate: each one set with a scroll
// bar (or, for the pump, a list), shown in its unit with a derived value and the inertia the drive
// will be told. The result is ParamApplication for ApplicationCourante; the dialog also saves and
// reads application files.

#include "ReglagesApplication.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QWidget;
class TVueImage;
class TFenetreDocument;
class Travail;
struct SessionTravail;

class TConfigurationApplication : public QDialog {
    Q_OBJECT
public:
    // Sets the parameters of `travail`'s application; `fiche` gives the application's sheet, a window
    // created after this one.
    TConfigurationApplication(Travail& travail, SessionTravail& session,
                              std::function<TFenetreDocument*()> fiche, QWidget* parent = nullptr);

    // Entry: reads the last chosen application file when no application is set, takes the 100
    // off a code from the run screen, then shows the defaults or the parameters on entry.
    void FormShow();
    // Picture, title, labels and visible controls for ApplicationCourante.
    void Initialise();
    // Every control on its default for ApplicationCourante, and the parameters read from them;
    // the catalogue starts a run with these without showing the dialog.
    void SetParamInit();
    // Reads the controls into ParamApplication and refreshes every value display.
    void AfficheValeurs();
    void BoutonOKClick();
    void BoutonAnnulerClick();
    void BoutonEnregistrerClick();
    void SpeedButton1Click();
    void FormClose();

    // Scroll bar k (1, 3, 4, 5, 6), its label and its value display.
    QScrollBar* ScrollBar(int k) const { return m_barres[std::size_t(k)]; }
    QLabel* TextAFF(int k) const { return m_legendes[std::size_t(k)]; }
    QLabel* TextValAFF(int k) const { return m_valeurs[std::size_t(k)]; }
    // The file of the picture shown, empty when there is none.
    QString FichierImage() const { return m_fichierImage; }

    // Controls, named as the window has them.
    QLabel* TextTitre;
    TVueImage* ImageApplication;
    QLabel* TextAFFinertie;
    QLabel* TextValAFFinertie;
    QLabel* TextPompe;
    QListWidget* ListePompes;
    QPushButton* BoutonOK;
    QPushButton* BoutonAnnuler;
    QPushButton* BoutonEnregistrer;
    QPushButton* SpeedButton1;

public slots:
    void done(int resultat) override;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void ScrollBarChange();
    void UpDown1Click();
    void Langue();
    // Ranges of ApplicationCourante and the controls on `c`, without reading them back.
    void placeControles(const ControlesApplication& c);
    ControlesApplication controles() const;
    void remplitPompes();

    Travail& m_travail;

    SessionTravail& m_session;
    std::function<TFenetreDocument*()> m_fiche;
    std::array<QScrollBar*, 7> m_barres{};
    std::array<QLabel*, 7> m_legendes{};
    std::array<QLabel*, 7> m_valeurs{};
    std::array<QWidget*, 7> m_lignes{}; // rows 4, 5, 6 with their label, bar and value
    QWidget* m_colonneGauche;
    QWidget* m_colonneDroite;
    QWidget* m_panneauBas;
    QWidget* m_panneauPompes;
    QWidget* m_panneauDerive;
    QWidget* m_panneauInertie;
    QString m_fichierImage;
    bool m_miseEnPlace = false;
};
