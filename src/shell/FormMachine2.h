#pragma once
// The main menu: the program's first window. It loads the settings and the language, starts the
// drive link once, and leads to the two studies, to work files and to the link configuration.

#include <QWidget>

class QLabel;
class QToolButton;
class Liaison;
class Travail;
struct SessionTravail;
struct Fenetres;

class TFormMachine2 : public QWidget {
    Q_OBJECT
public:
    // Holds `travail` and leads to the windows of `fenetres`.
    TFormMachine2(Liaison& liaison, Travail& travail, SessionTravail& session, Fenetres& fenetres,
                  QWidget* parent = nullptr);

    bool LiaisonInitialisee = false;

    // Runs at every showing and every repaint: the link's first start, language, folders, captions.
    void FormShow();
    void ButtonEtudeApplicationClick();
    void ButtonEtudeMachineClick();
    void ButtonModeEtudeClick(int mode);
    void ButtonOuvrirClick();
    // The study window of a work just read (the application's for its layout) replaces the menu.
    void OuvreEtude(bool application);
    void ButtonNouveauTravailClick();
    void ButtonConfigureClick();
    void Image1Click();

    QToolButton* bouton(const char* nom) const;

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void FormCreate();
    void Langue();
    QToolButton* creeBouton(const char* nom, int icone, bool petit);

    Liaison& m_liaison;
    Travail& m_travail;
    SessionTravail& m_session;
    Fenetres& m_fenetres;
    QLabel* m_image1;
    QToolButton* m_etudeApplication;
    QToolButton* m_etudeMachine;
    QToolButton* m_traceCaract;
    QToolButton* m_chargeStatique;
    QToolButton* m_chargeDynamique;
    QToolButton* m_ouvrir;
    QToolButton* m_nouveau;
    QToolButton* m_configure;
    QToolButton* m_quitter;
    QString m_sousTitre;
    QString m_mention; // the simulated bench, in demo mode
};
