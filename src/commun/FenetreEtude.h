#pragma once
// What the plot window and the run screen are both made of: a main window that owns graph panels,
// with the oscilloscope bar, the work-file menu and the test row.

#include "BarreOscillo.h"
#include "EssaisEtude.h"
#include "MenuFichier.h"
#include "graph/ProprietaireGraphe.h"
#include "work/EtatEtude.h"

#include <QMainWindow>

class QVBoxLayout;

class FenetreEtude : public QMainWindow,
                     public ProprietaireGraphe,
                     public BarreOscillo,
                     public MenuFichier,
                     public EssaisEtude {
public:
    // The window named `nom`, at least `minimum` large, with help context `contexteAide`, on the
    // tests and files of `travail`, with what the program knows of it in `session`.
    FenetreEtude(QWidget* parent, const char* nom, QSize minimum, int contexteAide, Travail& travail,
                 SessionTravail& session);

    // The graph panels and the test row both ask for the window's refresh.
    void Action() override = 0;

    // The point the window measures or shows, shared by its acquisition and its graph panels.
    EtatEtude& etat() { return m_etat; }

protected:
    // The window's minimum grows with what its bars need (a large font, a longer language), so that
    // no button text is cut.
    bool event(QEvent* e) override;

    // The central widget and its column of bars, `marge` pixels apart and from the edges.
    QVBoxLayout* colonneCentrale(int marge);

    Travail& m_travail;
    SessionTravail& m_session;
    EtatEtude m_etat;

private:
    QSize m_minimum;
};
