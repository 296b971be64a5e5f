// The plot window's load modes: the drive emulates the current test's load law while the machine
// is studied point by point, automatically, or against time with a triggered oscilloscope.
#include "FormTraceCaract.h"

#include "FormChoixCaract.h"
#include "TraceCaract.h"
#include "commun/BarreOscillo.h"
#include "commun/Controles.h"
#include "commun/Fenetres.h"
#include "graph/CaractMachine.h"
#include "socle/Dialogues.h"
#include "socle/LibelleElide.h"
#include "socle/Textes.h"
#include "work/SessionTravail.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace {

QWidget* barreMode(const QString& nom, QWidget* parent, QHBoxLayout*& l) {
    auto* w = new QWidget(parent);
    w->setObjectName(nom);
    l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    return w;
}

// The mode text gives way when the bar is short: the controls keep their room.
QLabel* texteMode(QWidget* parent) {
    return new LibelleElide(parent);
}

} // namespace

void TFormTraceCaract::construitBarresCharge(QWidget* barre) {
    auto* l = static_cast<QHBoxLayout*>(barre->layout());
    QHBoxLayout* manu = nullptr;
    PanelChargeStatiqueManu = barreMode("PanelChargeStatiqueManu", barre, manu);
    ButtonAcquiPointStatique = BoutonTexte("ButtonAcquiPointStatique", PanelChargeStatiqueManu);
    ButtonStopChargeManu = BoutonTexte("ButtonStopChargeManu", PanelChargeStatiqueManu);
    ButtonStopChargeManu->setText("Stop");
    TextModeChargestatiqueManu = texteMode(PanelChargeStatiqueManu);
    manu->addWidget(ButtonAcquiPointStatique);
    manu->addWidget(ButtonStopChargeManu);
    manu->addWidget(TextModeChargestatiqueManu, 1);
    connect(ButtonAcquiPointStatique, &QToolButton::clicked, this,
            &TFormTraceCaract::ButtonAcquiPointCaractClick);
    connect(ButtonStopChargeManu, &QToolButton::clicked, this, &TFormTraceCaract::ButtonStopManuClick);
    l->addWidget(PanelChargeStatiqueManu, 1);

    QHBoxLayout* automatique = nullptr;
    PanelChargeStatiqueAuto = barreMode("PanelChargeStatiqueAuto", barre, automatique);
    ButtonAcquiAutoStatique = BoutonTexte("ButtonAcquiAutoStatique", PanelChargeStatiqueAuto, true);
    ButtonStopChargeAuto = BoutonTexte("ButtonStopChargeAuto", PanelChargeStatiqueAuto);
    ButtonStopChargeAuto->setText("Stop");
    TextModeChargestatiqueAuto = texteMode(PanelChargeStatiqueAuto);
    automatique->addWidget(ButtonAcquiAutoStatique);
    automatique->addWidget(ButtonStopChargeAuto);
    automatique->addWidget(TextModeChargestatiqueAuto, 1);
    connect(ButtonStopChargeAuto, &QToolButton::clicked, this, &TFormTraceCaract::ButtonStopManuClick);
    l->addWidget(PanelChargeStatiqueAuto, 1);

    QHBoxLayout* oscillo = nullptr;
    PanelChargeDynamique = barreMode("PanelChargeDynamique", barre, oscillo);
    construitBarreOscillo(PanelChargeDynamique, oscillo, "SpeedButtonOscillo", "ButtonStopDynamique",
                          {AcquisitionCaract::dernierIndexDuree(false),
                           [](int i) { return AcquisitionCaract::dureeOscillo(i); }});
    SpeedButtonOscillo = AcquiOscillo;
    ButtonStopDynamique = StopOscillo;
    TextModeChargeDynamique = texteMode(PanelChargeDynamique);
    oscillo->addWidget(TextModeChargeDynamique, 1);
    connect(SpeedButtonOscillo, &QToolButton::clicked, this, &TFormTraceCaract::SpeedButtonOscilloClick);
    connect(ButtonStopDynamique, &QToolButton::clicked, this, &TFormTraceCaract::ButtonStopManuClick);
    connect(ButtonSynchro, &QToolButton::clicked, this, [this] { Action(); });
    connect(ComboBoxVariable, &QComboBox::activated, this, &TFormTraceCaract::ComboBoxDureeChange);
    connect(ScrollBarDureeOscillo, &QScrollBar::valueChanged, this, &TFormTraceCaract::ComboBoxDureeChange);
    l->addWidget(PanelChargeDynamique, 1);
}

void TFormTraceCaract::afficheOscillo() {
    montreSynchro();
    montreOscillo(m_session.ModeleEssai);
}

bool TFormTraceCaract::entreModeCharge(QToolButton* bouton, bool presse, bool (AcquisitionCaract::*entre)()) {
    if (presse && (m_acq.*entre)()) {
        // One load mode at a time: the others wait for Stop.
        for (QToolButton* b : {ButtonChargeManu, ButtonChargeAuto, ButtonChargeDynamique})
            b->setEnabled(b == bouton);
        // Opening another work or a new one under a recording would lose its points.
        resetMenu();
        return true;
    }
    bouton->setChecked(false);
    ButtonStopManuClick();
    return false;
}

void TFormTraceCaract::ButtonChargeManuClick(bool presse) {
    if (!entreModeCharge(ButtonChargeManu, presse, &AcquisitionCaract::entreChargeManu)) return;
    TextModeChargestatiqueManu->setText(windowTitle());
    synchroniseTimers();
    Action();
}

void TFormTraceCaract::ButtonChargeAutoClick(bool presse) {
    if (!entreModeCharge(ButtonChargeAuto, presse, &AcquisitionCaract::entreChargeAuto)) return;
    TextModeChargestatiqueAuto->setText(windowTitle());
    ButtonAcquiAutoStatique->setChecked(false);
    synchroniseTimers();
    Action();
}

void TFormTraceCaract::ButtonChargeDynamiqueClick(bool presse) {
    if (!entreModeCharge(ButtonChargeDynamique, presse, &AcquisitionCaract::entreOscillo)) return;
    TextModeChargeDynamique->setText(windowTitle());
    StaticTextModeOscillo->setText(Textes().Texte[txt::OscilloConfiguration]);
    SpeedButtonOscillo->setEnabled(true);
    PanelConfOscillo->setEnabled(true);
    synchroniseTimers();
    Action();
}

void TFormTraceCaract::finTick(int pointsAvant, AcquisitionCaract::Suite suite) {
    const Travail& t = m_travail;
    if (m_etat.Mesures[0] >= 0) Curseur();
    const TEssai& essai = t.Essais[m_session.EssaiCourant];
    for (int k = pointsAvant; k < essai.nbPoints(); ++k)
        for (TCaractMachine* p : m_panneaux)
            p->tracepoint(m_session.EssaiCourant, k);
    if (suite == AcquisitionCaract::Suite::Continue) return;
    if (essai.Entete.DernierPoint() >= DERNIER_POINT_MAX && m_etat.Mesures[0] >= 0)
        dialogues().avertissement(Textes().Message[msg::EssaiPlein]);
    ButtonStopManuClick();
}

void TFormTraceCaract::TimerChargeAutoTimer() {
    const Travail& t = m_travail;
    const int avant = t.Essais[m_session.EssaiCourant].nbPoints();
    finTick(avant, m_acq.TimerChargeAutoTimer(ButtonAcquiAutoStatique->isChecked()));
}

void TFormTraceCaract::TimerOscilloTimer() {
    const Travail& t = m_travail;
    const int avant = t.Essais[m_session.EssaiCourant].nbPoints();
    const bool attendait = !m_acq.oscilloDeclenche;
    const AcquisitionCaract::Suite suite = m_acq.TimerOscilloTimer();
    if (attendait && m_acq.oscilloDeclenche)
        StaticTextModeOscillo->setText(Textes().Texte[txt::OscilloAcquisition]);
    finTick(avant, suite);
}

void TFormTraceCaract::SpeedButtonOscilloClick() {
    SpeedButtonOscillo->setEnabled(false);
    PanelConfOscillo->setEnabled(false);
    const bool synchro = ButtonSynchro->isChecked();
    StaticTextModeOscillo->setText(Textes().Texte[synchro ? 92 : 93]);
    m_acq.arme(synchro);
    Curseur();
}

void TFormTraceCaract::ComboBoxDureeChange() {
    m_acq.configureOscillo(ScrollBarDureeOscillo->value(), ComboBoxVariable->currentIndex());
    TextDureeSynchro->setText(texteDuree(ScrollBarDureeOscillo->value()));
}

void TFormTraceCaract::ButtonModifChargeClick() {
    Travail& t = m_travail;
    if (m_session.EssaiCourant >= 1 && m_session.EssaiCourant <= NB_ESSAIS_MAX)
        m_session.ModeleEssai = t.Essais[m_session.EssaiCourant].Entete;
    // The choice screen opens on the page of the current test's load.
    TFormChoixCaract* c = m_fenetres.FormChoixCaract;
    switch (groupeMode(m_session.ModeleEssai.TypeCharge())) {
    case GroupeMode::Acquisition:
        c->PageDemandee = 0;
        break;
    case GroupeMode::ChargeStatique:
        c->PageDemandee = 1;
        break;
    case GroupeMode::Oscilloscope:
        c->PageDemandee = 2;
        break;
    case GroupeMode::Inchange:
        break;
    }
    c->exec();
    Action();
}
