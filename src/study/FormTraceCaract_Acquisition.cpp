// The plot window's acquisition modes: by hand with K, or during a sweep of K by the drive.
#include "FormTraceCaract.h"

#include "TraceCaract.h"
#include "commun/Controles.h"
#include "graph/CaractMachine.h"
#include "socle/Dialogues.h"
#include "socle/Textes.h"
#include "work/SessionTravail.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

void TFormTraceCaract::synchroniseTimers() {
    const auto suit = [](QTimer* t, bool marche) {
        if (marche && !t->isActive()) t->start();
        if (!marche && t->isActive()) t->stop();
    };
    suit(TimerManu, m_acq.TimerManu);
    suit(TimerAuto, m_acq.TimerAuto);
    suit(TimerChargeAuto, m_acq.TimerChargeAuto);
    suit(TimerOscillo, m_acq.TimerOscillo);
}

// The menus and every command in them, their shortcuts included.
void TFormTraceCaract::resetMenu() {
    ActiveMenus(menuBar(), false);
}

void TFormTraceCaract::setMenu() {
    ActiveMenus(menuBar(), true);
    // The file commands that need a point keep their rule for their shortcuts too.
    activeFichier();
}

void TFormTraceCaract::ButtonManuClick(bool presse) {
    if (!presse) {
        ButtonStopManuClick();
        return;
    }
    if (!m_acq.entreManuel()) {
        ButtonManu->setChecked(false);
        ButtonStopManuClick();
        return;
    }
    resetMenu();
    ButtonAuto->setEnabled(false);
    ScrollBarK->blockSignals(true);
    ScrollBarK->setValue(m_acq.K);
    ScrollBarK->blockSignals(false);
    TextK->setText(QString("K = %1%").arg(m_acq.K));
    TextModechargeManu->setText(windowTitle());
    synchroniseTimers();
    Action();
}

void TFormTraceCaract::ButtonAutoClick(bool presse) {
    if (!presse) {
        ButtonStopManuClick();
        return;
    }
    if (!m_acq.entreAuto()) {
        ButtonAuto->setChecked(false);
        ButtonStopManuClick();
        return;
    }
    resetMenu();
    ButtonManu->setEnabled(false);
    for (QToolButton* b : {ButtonAutoCroissant, ButtonAutoDecroissant}) {
        b->setEnabled(true);
        b->setChecked(false);
    }
    m_acq.T = ScrollBarT->value();
    TextT->setText(QString("T = %1 s").arg(m_acq.T));
    TextModechargeAuto->setText(windowTitle());
    synchroniseTimers();
    Action();
}

void TFormTraceCaract::ScrollBarKChange(int k) {
    m_acq.changeK(k);
    TextK->setText(QString("K = %1%").arg(k));
    Curseur();
}

void TFormTraceCaract::ScrollBarTChange(int t) {
    m_acq.T = t;
    TextT->setText(QString("T = %1 s").arg(t));
}

void TFormTraceCaract::ButtonAutoCroissantClick() {
    ButtonAutoCroissant->setEnabled(false);
    ButtonAutoDecroissant->setEnabled(false);
    m_acq.demarreBalayage(AcquisitionCaract::BalayageCroissant);
    synchroniseTimers();
}

void TFormTraceCaract::ButtonAutoDecroissantClick() {
    ButtonAutoCroissant->setEnabled(false);
    ButtonAutoDecroissant->setEnabled(false);
    m_acq.demarreBalayage(AcquisitionCaract::BalayageDecroissant);
    synchroniseTimers();
}

void TFormTraceCaract::TimerManuTimer() {
    if (m_acq.TimerManuTimer() == AcquisitionCaract::Suite::Stop) {
        ButtonStopManuClick();
        return;
    }
    Curseur();
}

void TFormTraceCaract::TimerAutoTimer() {
    const Travail& t = m_travail;
    const int avant = t.Essais[m_session.EssaiCourant].nbPoints();
    finTick(avant, m_acq.TimerAutoTimer());
}

void TFormTraceCaract::ButtonAcquiPointCaractClick() {
    const Travail& t = m_travail;
    switch (m_acq.enregistrePoint()) {
    case ResultatAjout::Ajoute:
        for (TCaractMachine* p : m_panneaux)
            p->tracepoint(m_session.EssaiCourant, t.Essais[m_session.EssaiCourant].Entete.DernierPoint());
        break;
    case ResultatAjout::EssaiPlein:
        arretSurEssaiPlein();
        break;
    case ResultatAjout::PasDEssai:
        break;
    }
}

void TFormTraceCaract::arretSurEssaiPlein() {
    dialogues().avertissement(Textes().Message[msg::EssaiPlein]);
    if (m_etat.AcquisitionEnCours) ButtonStopManuClick();
}

void TFormTraceCaract::ButtonStopManuClick() {
    for (QToolButton* b : {ButtonManu, ButtonAuto}) {
        b->setEnabled(true);
        b->setChecked(false);
    }
    for (QToolButton* b : {ButtonChargeManu, ButtonChargeAuto, ButtonChargeDynamique}) {
        b->setEnabled(true);
        b->setChecked(false);
    }
    ButtonAcquiAutoStatique->setChecked(false);
    m_acq.stop();
    synchroniseTimers();
    ScrollBarK->blockSignals(true);
    ScrollBarK->setValue(0);
    ScrollBarK->blockSignals(false);
    TextK->setText("K = 0%");
    setMenu();
    Action();
}
