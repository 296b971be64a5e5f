#pragma once
// The live values window: every measured quantity in a large tile, refreshed four times a second,
// while the drive applies the load law of the study with the constant K under the user's hand.

#include "CalculMesures.h"
#include "Visualisation.h"
#include "work/Travail.h"

#include <QDialog>
#include <QFrame>

#include <array>

class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;
class Liaison;

// One tile: a quantity name above its value, both texts as tall as their own boxes.
class TAffichage : public QWidget {
    Q_OBJECT
public:
    explicit TAffichage(QWidget* parent = nullptr);

    void setTitre(const QString& texte);
    void setValeur(const QString& texte);
    QString titre() const;
    QString valeur() const;
    void PanelAffichageResize();

    QFrame* PanelAffichage;
    QWidget* Panel1;
    QLabel* TextTitre;
    QWidget* Panel2;
    QLabel* TextAffichage;

protected:
    void resizeEvent(QResizeEvent* e) override;
};

class TFormVisualisation : public QDialog {
    Q_OBJECT
public:
    TFormVisualisation(Liaison& liaison, Travail& travail, SessionTravail& session,
                       QWidget* parent = nullptr);

    // The window the view was opened from, hidden while the view is up and shown again after it; the
    // program sets it when it creates its windows.
    QWidget* FenetreChoix = nullptr;

    void FormShow();
    void FormClose();
    void ButtonCloseClick();
    void TimerATimer();
    void ScrollBarKChange();
    void Action();
    // A cycle's measurement into the tiles.
    void montre(const Mesure& mesure);
    void AfficheValeur();
    void Affiche();
    void ButtonCalibre2AClick();
    void ButtonCalibre20AClick();
    bool ouverte() const { return m_ouverte; }

    // Controls, named as the window has them.
    QPushButton* ButtonClose;
    QLabel* TextModechargeManu;
    QScrollBar* ScrollBarK;
    QLabel* TextK;
    std::array<TAffichage*, NB_TUILES + 1> Affichage{}; // 1..10
    QLabel* TextdelaMachine;
    QLabel* LabelCourant;
    QToolButton* ButtonCalibre20A;
    QToolButton* ButtonCalibre2A;
    QTimer* TimerA;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    int hauteurBandeau() const;
    void cycle();

    Liaison& m_liaison;
    Travail& m_travail;
    SessionTravail& m_session;
    // The last measurement shown in the tiles.
    VecteurMesures m_mesures{-1};
    QWidget* m_bandeau;
    QWidget* m_bandeauK;
    bool m_ouverte = false;
    bool m_proportionne = false;
};
