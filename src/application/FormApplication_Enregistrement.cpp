// The run screen's recording side: the application graph and its tests, points recorded on
// demand or against time with the oscilloscope while the load keeps running.
#include "FormApplication.h"

#include "commun/BarreOscillo.h"
#include "commun/Controles.h"
#include "commun/Fenetres.h"
#include "graph/CaractMachine.h"
#include "link/Liaison.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dialogues.h"
#include "socle/Textes.h"
#include "study/NouvelCaract.h"
#include "study/TraceCaract.h"
#include "work/SessionTravail.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int Graphe = 5; // the application graph's definition

QWidget* barre(const char* nom, QWidget* parent, QHBoxLayout*& l) {
    auto* w = new QWidget(parent);
    w->setObjectName(nom);
    l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    return w;
}

} // namespace

void TFormApplication::construitAcquisition() {
    auto* l = new QHBoxLayout(PanelAcquisition);
    l->setContentsMargins(0, 0, 0, 0);
    QHBoxLayout* modes = nullptr;
    PanelManuOscillo = barre("PanelManuOscillo", PanelAcquisition, modes);
    BoutonManuel = BoutonTexte("BoutonManuel", PanelManuOscillo, true);
    BoutonOscillo = BoutonTexte("BoutonOscillo", PanelManuOscillo, true);
    modes->addWidget(BoutonManuel);
    modes->addWidget(BoutonOscillo);
    l->addWidget(PanelManuOscillo);
    connect(BoutonManuel, &QToolButton::clicked, this, &TFormApplication::BoutonManuelClick);
    connect(BoutonOscillo, &QToolButton::clicked, this, &TFormApplication::BoutonOscilloClick);

    QHBoxLayout* manuel = nullptr;
    PanelAcquisitionManuel = barre("PanelAcquisitionManuel", PanelAcquisition, manuel);
    ButtonAcquiPoint = BoutonTexte("ButtonAcquiPoint", PanelAcquisitionManuel);
    ButtonStopChargeManu = BoutonTexte("ButtonStopChargeManu", PanelAcquisitionManuel);
    ButtonStopChargeManu->setText("Stop");
    manuel->addWidget(ButtonAcquiPoint);
    manuel->addWidget(ButtonStopChargeManu);
    manuel->addStretch(1);
    l->addWidget(PanelAcquisitionManuel, 1);
    connect(ButtonAcquiPoint, &QToolButton::clicked, this, &TFormApplication::ButtonAcquiPointClick);
    connect(ButtonStopChargeManu, &QToolButton::clicked, this, &TFormApplication::ButtonStopClick);

    QHBoxLayout* oscillo = nullptr;
    PanelOscillo = barre("PanelOscillo", PanelAcquisition, oscillo);
    construitBarreOscillo(PanelOscillo, oscillo, "BoutonStartOscillo", "ButtonStopOscillo",
                          {AcquisitionCaract::dernierIndexDuree(true),
                           [](int i) { return AcquisitionCaract::dureeOscillo(i, true); }});
    BoutonStartOscillo = AcquiOscillo;
    ButtonStopOscillo = StopOscillo;
    oscillo->addStretch(1);
    l->addWidget(PanelOscillo, 1);
    connect(BoutonStartOscillo, &QToolButton::clicked, this, &TFormApplication::BoutonStartOscilloClick);
    connect(ButtonStopOscillo, &QToolButton::clicked, this, &TFormApplication::ButtonStopClick);
    connect(ButtonSynchro, &QToolButton::clicked, this, [this] { montreSynchro(); });
    connect(ComboBoxVariable, &QComboBox::activated, this, &TFormApplication::ScrollBarDureeOscilloChange);
    connect(ScrollBarDureeOscillo, &QScrollBar::valueChanged, this,
            &TFormApplication::ScrollBarDureeOscilloChange);

    PanelEssais_Boutons = new QWidget(PanelAcquisition);
    PanelEssais_Boutons->setObjectName("PanelEssais_Boutons");
    construitEssais(PanelEssais_Boutons);
    l->addWidget(PanelEssais_Boutons, 1);

    TimerOscillo = new QTimer(this);
    TimerOscillo->setInterval(AcquisitionCaract::intervalleOscillo(5));
    connect(TimerOscillo, &QTimer::timeout, this, &TFormApplication::TimerOscilloTimer);
}

void TFormApplication::ActionEnregistrement() {
    Travail& t = m_travail;
    const bool graphe = ButtonGraphAnim->isChecked();
    if (!graphe) {
        BoutonManuel->setChecked(false);
        BoutonOscillo->setChecked(false);
    }
    const bool manuel = BoutonManuel->isChecked();
    const bool oscillo = BoutonOscillo->isChecked();
    PanelEssais_Boutons->setVisible(graphe && !manuel && !oscillo);
    PanelAcquisitionManuel->setVisible(manuel);
    PanelOscillo->setVisible(oscillo);
    const Visibilites v = VisibilitesAffichages(t, m_session, oscillo);
    const bool possible =
        ButtonCharge->isChecked() && v.couplageChoisi &&
        !EnregistrementTemporel(t.Essais[std::clamp(m_session.EssaiCourant, 0, NB_ESSAIS_MAX)]);
    BoutonOscillo->setEnabled(!manuel && (oscillo || possible));
    BoutonManuel->setEnabled(!oscillo && (manuel || possible));
    TextVarTemps->setVisible(v.temps);
    // No command of the menus, shortcut or click, reaches under a recording.
    const bool menus = !manuel && !oscillo;
    if (menus != m_menusActifs) {
        m_menusActifs = menus;
        ActiveMenus(menuBar(), menus);
        if (menus) activeFichier();
    }

    for (int k = 1; k <= 5; ++k) {
        const bool present = t.EnteteTravail.NbEssais >= k;
        Buttoncourbe[k - 1]->setVisible(present);
        Buttoncourbe[k - 1]->setIcon(IconeEssai(k));
        Editcourbe[k - 1]->setVisible(present);
        Editcourbe[k - 1]->setText(t.Essais[k].Entete.Commentaire());
        Editcourbe[k - 1]->setEnabled(k == m_session.EssaiCourant);
    }
    if (m_session.EssaiCourant >= 1 && m_session.EssaiCourant <= 5)
        Buttoncourbe[m_session.EssaiCourant - 1]->setChecked(true);
    EditTitre->setText(t.EnteteTravail.Commentaire.texte());

    CaractMachine5->setVisible(graphe && t.EnteteTravail.DefCaract(Graphe).Defini);
    if (CaractMachine5->isVisible()) CaractMachine5->tracecaract();
}

void TFormApplication::Curseur() {
    curseur();
}

void TFormApplication::definitGraphe() {
    Travail& t = m_travail;
    if (t.EnteteTravail.DefCaract(Graphe).Defini) return;
    if (auto* d = qobject_cast<TNouvelCaract*>(m_fenetres.NouvelCaract)) {
        d->Prepare(ModeDefinition::Nouveau, Graphe);
        d->InitCaract_Y_de_X(2, 1);
    } else {
        EcritDefinition(t, m_session, Graphe, ModeDefinition::Nouveau, 1, 2, 0,
                        ConfigGenerale().ClassePuissance);
    }
}

void TFormApplication::ButtonGraphAnimClick(bool presse) {
    Travail& t = m_travail;
    if (presse && !t.EnteteTravail.DefCaract(Graphe).Defini) {
        definitGraphe();
        m_session.EssaiCourant = 0;
        m_etat.PointCourant = -1;
        t.Essais[0].Entete = m_session.ModeleEssai;
        m_session.TravailEnregistre = false;
    }
    if (!presse && (BoutonManuel->isChecked() || BoutonOscillo->isChecked())) {
        ButtonStopClick();
        return;
    }
    Action();
}

void TFormApplication::ButtoncourbeClick(int k) {
    selectionneEssai(k);
    Travail& t = m_travail;
    m_session.ModeleEssai = t.Essais[std::clamp(m_session.EssaiCourant, 0, NB_ESSAIS_MAX)].Entete;
    m_etat.Mesures[0] = -1;
    Action();
    Curseur();
}

void TFormApplication::Nouvelessai1Click() {
    Travail& t = m_travail;
    m_session.ModeleEssai = t.Essais[std::clamp(m_session.EssaiCourant, 0, NB_ESSAIS_MAX)].Entete;
    t.AjouteEssai(m_session);
    Action();
}

void TFormApplication::NouvelEssai() {
    Nouvelessai1Click();
}

void TFormApplication::ModifieCaract(int n) {
    auto* d = qobject_cast<TNouvelCaract*>(m_fenetres.NouvelCaract);
    if (!d || n != Graphe) return;
    d->Prepare(ModeDefinition::Modification, n);
    d->exec();
    Action();
}

void TFormApplication::SupprimeTousLesPoints() {
    if (m_session.EssaiCourant < 1) return;
    SupprimePoints(m_session.EssaiCourant);
}

void TFormApplication::SupprimePointSelectionne() {
    Travail& t = m_travail;
    t.SupprimePoint(m_session, m_etat.PointCourant, m_session.EssaiCourant);
    m_etat.Mesures[0] = -1;
    if (CaractMachine5->isVisible()) CaractMachine5->tracecaract();
}

void TFormApplication::BoutonManuelClick(bool presse) {
    if (!presse) {
        ButtonStopClick();
        return;
    }
    Action();
}

void TFormApplication::ButtonAcquiPointClick() {
    Travail& t = m_travail;
    if (!BoutonManuel->isChecked()) return;
    switch (m_acq.enregistrePoint()) {
    case ResultatAjout::Ajoute:
        SetEtoileTriangle();
        if (CaractMachine5->isVisible())
            CaractMachine5->tracepoint(m_session.EssaiCourant,
                                       t.Essais[m_session.EssaiCourant].Entete.DernierPoint());
        break;
    case ResultatAjout::EssaiPlein:
        dialogues().avertissement(Textes().Message[msg::EssaiPlein]);
        break;
    case ResultatAjout::PasDEssai:
        break;
    }
}

void TFormApplication::resetAcquisition() {
    TimerOscillo->stop();
    m_acq.TimerOscillo = false;
    m_acq.oscilloArme = false;
    m_acq.oscilloDeclenche = false;
    if (ButtonCharge->isChecked())
        TimerApplication->start();
    else
        TimerApplication->stop();
    m_liaison.StopTime();
}

void TFormApplication::ButtonStopClick() {
    BoutonManuel->setChecked(false);
    BoutonOscillo->setChecked(false);
    resetAcquisition();
    Action();
}

void TFormApplication::BoutonOscilloClick(bool presse) {
    // Released, the button stops the recording.
    if (!presse) return ButtonStopClick();
    montreOscillo(m_travail.Essais[std::clamp(m_session.EssaiCourant, 0, NB_ESSAIS_MAX)].Entete);
    BoutonStartOscillo->setEnabled(true);
    PanelConfOscillo->setEnabled(true);
    Action();
    m_etat.AcquisitionEnCours = true;
    m_liaison.inittime();
    m_acq.oscilloArme = false;
    m_acq.oscilloDeclenche = false;
    m_acq.TimerOscillo = true;
    TimerOscillo->setInterval(AcquisitionCaract::intervalleOscillo(ScrollBarDureeOscillo->value()));
    TimerOscillo->start();
    TimerApplication->stop();
}

void TFormApplication::ScrollBarDureeOscilloChange() {
    const int index = ScrollBarDureeOscillo->value();
    m_acq.configureOscillo(index, ComboBoxVariable->currentIndex());
    TextDureeSynchro->setText(texteDuree(index));
    TimerOscillo->setInterval(AcquisitionCaract::intervalleOscillo(index));
}

void TFormApplication::BoutonStartOscilloClick() {
    BoutonStartOscillo->setEnabled(false);
    PanelConfOscillo->setEnabled(false);
    const bool synchro = ButtonSynchro->isChecked();
    StaticTextModeOscillo->setText(Textes().Texte[synchro ? 92 : 93]);
    SetEtoileTriangle();
    m_acq.arme(synchro);
    Curseur();
}

void TFormApplication::TimerOscilloTimer() {
    Travail& t = m_travail;
    const int avant = t.Essais[m_session.EssaiCourant].nbPoints();
    const bool attendait = !m_acq.oscilloDeclenche;
    const AcquisitionCaract::Suite suite = m_acq.TimerOscilloTimer();
    if (attendait && m_acq.oscilloDeclenche)
        StaticTextModeOscillo->setText(Textes().Texte[txt::OscilloAcquisition]);
    const TEssai& essai = t.Essais[m_session.EssaiCourant];
    if (CaractMachine5->isVisible())
        for (int k = avant; k < essai.nbPoints(); ++k)
            CaractMachine5->tracepoint(m_session.EssaiCourant, k);
    if (suite == AcquisitionCaract::Suite::Continue) return;
    if (essai.Entete.DernierPoint() >= DERNIER_POINT_MAX && m_etat.Mesures[0] >= 0)
        dialogues().avertissement(Textes().Message[msg::EssaiPlein]);
    ButtonStopClick();
}
