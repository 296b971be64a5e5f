#include "FormChoixCaract.h"

#include "Catalogue.h"
#include "FormTraceCaract.h"
#include "FormVisuApp.h"
#include "NouvelCaract.h"
#include "PanelCaract.h"
#include "VignettesChoix.h"
#include "commun/Avertissements.h"
#include "commun/Fenetres.h"
#include "link/FormVisualisation.h"
#include "link/Visualisation.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/Textes.h"
#include "work/LoisCharge.h"
#include "work/SessionTravail.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>
#include <vector>

namespace {

const char* nomsMachine[7] = {"ButtonMCCInd",   "ButtonMCCSerie", "ButtonMASTri",  "ButtonMSynch",
                              "ButtonAlimCont", "ButtonAlimTri",  "ButtonAlimMono"};
const char* nomsCharge[3][7] = {
    {"ButtonTcstC", "ButtonTanC", "ButtonNcste", "ButtonNan", "ButtonCouplage", nullptr, nullptr},
    {"ButtonTcstS", "ButtonTanbS", "Buttontan2bS", "ButtonPcstS", "ButtonTcollageS", "ButtonLevageS",
     nullptr},
    {"ButtonTcstD", "ButtonTanbD", "Buttontan2bD", "ButtonPcstD", "ButtonTcycle", "ButtonTcollageD",
     "ButtonLevageD"}};

QToolButton* bascule(const char* nom, const QIcon& glyphe, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setCheckable(true);
    b->setIcon(glyphe);
    b->setIconSize(TailleGlyphe);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setMinimumHeight(34);
    return b;
}

// Toggles of which one at most is down, and the one down can be released again: none down is a
// valid state. Not a QButtonGroup: Qt makes a group a single Tab stop, and Tab must reach each toggle.
using Groupe = std::shared_ptr<std::vector<QToolButton*>>;
void ajoute(const Groupe& g, QToolButton* b) {
    g->push_back(b);
    QObject::connect(b, &QToolButton::toggled, b, [g, b](bool presse) {
        if (!presse) return;
        for (QToolButton* autre : *g)
            if (autre != b) autre->setChecked(false);
    });
}

} // namespace

TFormChoixCaract::TFormChoixCaract(Travail& travail, SessionTravail& session, Fenetres& fenetres,
                                   QWidget* parent)
    : QDialog(parent), m_travail(travail), m_session(session), m_fenetres(fenetres) {
    setObjectName("FormChoixCaract");
    setProperty(aide::Propriete, aide::ChoixCaracteristiques);
    resize(940, 680);
    auto* l = new QHBoxLayout(this);

    auto* machines = new QVBoxLayout;
    m_textMachine = new QLabel(this);
    QFont titre = m_textMachine->font();
    titre.setBold(true);
    titre.setPointSizeF(titre.pointSizeF() * 1.3);
    m_textMachine->setFont(titre);
    TextPuissanceMachine = new QLabel(this);
    machines->addWidget(m_textMachine);
    machines->addWidget(TextPuissanceMachine);
    const Groupe gm = std::make_shared<std::vector<QToolButton*>>();
    for (int i = 0; i < 7; ++i) {
        BoutonsMachine[i] = bascule(nomsMachine[i], GlypheMachine(i + 1), this);
        ajoute(gm, BoutonsMachine[i]);
        machines->addWidget(BoutonsMachine[i]);
        // On toggled, not clicked: an assistive technology's Toggle action changes the state
        // without a click, and Action reads the states whatever changed them.
        connect(BoutonsMachine[i], &QToolButton::toggled, this, &TFormChoixCaract::Action);
    }
    machines->addStretch();
    l->addLayout(machines);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControlChoix");
    for (int p = 0; p < 3; ++p) {
        auto* page = new QWidget;
        auto* g = new QGridLayout(page);
        m_titresPage[p] = new QLabel(page);
        m_titresPage[p]->setFont(titre);
        g->addWidget(m_titresPage[p], 0, 0, 1, 2);
        TextMachinePage[p] = new QLabel(page);
        TextChargePage[p] = new QLabel(page);
        // The machine and the load as pictures: the whole page's room on the first page, a band
        // above the load's panel on the others.
        Vignettes[p] = new TVignettesChoix(TextMachinePage[p], TextChargePage[p],
                                           p == 0 ? Qt::Vertical : Qt::Horizontal, page);
        if (p > 0) Vignettes[p]->setMaximumHeight(190);
        g->addWidget(Vignettes[p], p == 0 ? 3 : 1, 0);
        auto* charges = new QVBoxLayout;
        m_textCharge[p] = new QLabel(page);
        m_textCharge[p]->setFont(titre);
        charges->addWidget(m_textCharge[p]);
        const Groupe gc = std::make_shared<std::vector<QToolButton*>>();
        for (int i = 0; i < 7; ++i) {
            if (!nomsCharge[p][i]) continue;
            BoutonsCharge[p][i] = bascule(nomsCharge[p][i], GlypheCharge(TypesChargeParPage[p][i]), page);
            ajoute(gc, BoutonsCharge[p][i]);
            charges->addWidget(BoutonsCharge[p][i]);
            connect(BoutonsCharge[p][i], &QToolButton::toggled, this, &TFormChoixCaract::Action);
        }
        charges->addStretch();
        g->addLayout(charges, 1, 1, 3, 1);
        // The load's own settings, with its curve.
        if (p > 0) {
            PanelCaract[p] = new TPanelCaract(m_session.ModeleEssai, page);
            PanelCaract[p]->setObjectName(p == 1 ? "PanelCaractS" : "PanelCaractD");
            g->addWidget(PanelCaract[p], 3, 0);
        }
        g->setRowStretch(3, 1);
        g->setColumnStretch(0, 1);
        auto* bas = new QHBoxLayout;
        if (p == 0) {
            ButtonVISUALISATION = new QPushButton(page);
            ButtonVISUALISATION->setObjectName("ButtonVISUALISATION");
            bas->addWidget(ButtonVISUALISATION);
            connect(ButtonVISUALISATION, &QPushButton::clicked, this,
                    &TFormChoixCaract::ButtonVISUALISATIONClick);
        } else {
            ButtonAPP[p] = new QPushButton(page);
            ButtonAPP[p]->setObjectName(p == 1 ? "ButtonAPPstat" : "ButtonAPPdyn");
            bas->addWidget(ButtonAPP[p]);
            connect(ButtonAPP[p], &QPushButton::clicked, this, &TFormChoixCaract::ButtonAPPstatClick);
        }
        ButtonEtude[p] = new QPushButton(page);
        ButtonEtude[p]->setObjectName(p == 0   ? "ButtonEtudeCaract"
                                      : p == 1 ? "ButtonEtudeStatique"
                                               : "ButtonEtudeDynamique");
        bas->addWidget(ButtonEtude[p]);
        connect(ButtonEtude[p], &QPushButton::clicked, this, &TFormChoixCaract::ButtonEtudeCaractClick);
        bas->addStretch();
        m_fermer[p] = new QPushButton(page);
        bas->addWidget(m_fermer[p]);
        connect(m_fermer[p], &QPushButton::clicked, this, &QWidget::close);
        g->addLayout(bas, 4, 0, 1, 2);
        PageControl->addTab(page, QString());
    }
    ButtonCouplage = BoutonsCharge[0][4];
    connect(PageControl, &QTabWidget::currentChanged, this, &TFormChoixCaract::Action);
    l->addWidget(PageControl, 1);
    Langue();
}

void TFormChoixCaract::Langue() {
    const auto& t = Textes().Texte;
    setWindowTitle(LegendeFenetre(t[173]));
    m_textMachine->setText(t[23]);
    TextPuissanceMachine->setText(QString::number(ChampTailleBanc(ConfigGenerale().ClassePuissance, 4)) +
                                  " W");
    for (int i = 0; i < 7; ++i) {
        BoutonsMachine[i]->setText(t[txt::TypeMachineCourt + i + 1]);
        BoutonsMachine[i]->setToolTip(t[txt::TypeMachineLong + i + 1]);
    }
    // It takes the focus by Tab: read as what its pages choose.
    PageControl->setAccessibleName(Traduit("Type d'étude", "Kind of study", "Tipo de estudio"));
    for (int p = 0; p < 3; ++p) {
        PageControl->setTabText(p, t[20 + p]);
        m_titresPage[p]->setText(t[p == 0 ? 4 : p == 1 ? 6 : 8]);
        m_textCharge[p]->setText(t[24]);
        ButtonEtude[p]->setText(t[27]);
        ButtonEtude[p]->setToolTip(t[28]);
        m_fermer[p]->setText(t[246]);
        m_fermer[p]->setToolTip(t[3]);
        for (int i = 0; i < 7; ++i) {
            if (!BoutonsCharge[p][i]) continue;
            const int type = TypesChargeParPage[p][i];
            BoutonsCharge[p][i]->setText(t[txt::TypeChargeCourt + type]);
            BoutonsCharge[p][i]->setToolTip(t[txt::TypeChargeDescription + type]);
        }
        if (ButtonAPP[p]) {
            ButtonAPP[p]->setText(t[29]);
            ButtonAPP[p]->setToolTip(t[30]);
        }
        if (PanelCaract[p]) PanelCaract[p]->Langue();
    }
    ButtonVISUALISATION->setText(t[25]);
    ButtonVISUALISATION->setToolTip(t[26]);
}

void TFormChoixCaract::keyPressEvent(QKeyEvent* e) {
    // Return and Enter press the focused toggle, as Space does, rather than the default button.
    auto* b = qobject_cast<QToolButton*>(focusWidget());
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && b && !e->isAutoRepeat()) {
        b->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFormChoixCaract::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

void TFormChoixCaract::FormShow() {
    Langue();
    SetButton();
    PageControl->blockSignals(true);
    PageControl->setCurrentIndex(std::clamp(PageDemandee, 0, 2));
    PageControl->blockSignals(false);
    for (TVignettesChoix* v : Vignettes)
        v->Oublie();
    Action();
}

void TFormChoixCaract::SetButton() {
    const TEnteteEssai& m = m_session.ModeleEssai;
    // Silently: Action, which writes the template back from the buttons, runs once they all agree.
    auto pose = [](QToolButton* b, bool presse) {
        const QSignalBlocker silence(b);
        b->setChecked(presse);
    };
    for (int i = 0; i < 7; ++i)
        pose(BoutonsMachine[i], m.TypeMachine() == i + 1);
    for (int p = 0; p < 3; ++p)
        for (int i = 0; i < 7; ++i)
            if (BoutonsCharge[p][i]) pose(BoutonsCharge[p][i], m.TypeCharge() == TypesChargeParPage[p][i]);
}

void TFormChoixCaract::Action() {
    const auto& t = Textes().Texte;
    for (int p = 0; p < 3; ++p) {
        TextMachinePage[p]->clear();
        TextChargePage[p]->clear();
    }
    Machine = 0;
    Charge = 0;
    for (int i = 0; i < 7; ++i)
        if (BoutonsMachine[i]->isChecked()) Machine = i + 1;
    // The coupling aid is for the synchronous machine only.
    if (Machine != 4) ButtonCouplage->setChecked(false);
    ButtonCouplage->setEnabled(Machine == 4);
    const int page = PageControl->currentIndex();
    setProperty(aide::Propriete, aide::ChoixCaracteristiques + page);
    for (int i = 0; i < 7; ++i)
        if (BoutonsCharge[page][i] && BoutonsCharge[page][i]->isChecked())
            Charge = TypesChargeParPage[page][i];
    TextMachinePage[page]->setText(t[txt::TypeMachineLong + Machine]);
    TextChargePage[page]->setText(t[txt::TypeChargeLong + Charge]);
    Vignettes[page]->Montre(Machine, Charge);
    const bool tout = Machine != 0 && Charge != 0;
    ButtonEtude[page]->setEnabled(tout);
    if (page == 0)
        ButtonVISUALISATION->setEnabled(tout);
    else
        ButtonAPP[page]->setEnabled(Charge != 0);
    TEnteteEssai& m = m_session.ModeleEssai;
    m.TypeMachine() = Machine;
    m.TypeCharge() = Charge;
    for (int p = 1; p < 3; ++p)
        PanelCaract[p]->setVisible(p == page && Charge != 0);
    if (page > 0 && ChargeDuPanneau(Charge)) PanelCaract[page]->SetMode(Charge);
}

void TFormChoixCaract::ButtonVISUALISATIONClick() {
    if (m_fenetres.FormVisualisation) m_fenetres.FormVisualisation->show();
}

void TFormChoixCaract::ButtonAPPstatClick() {
    if (m_fenetres.FormVisuApp) m_fenetres.FormVisuApp->Montre(GroupeApplications(Charge));
}

void TFormChoixCaract::ButtonEtudeCaractClick() {
    Travail& t = m_travail;
    const int charge = Charge;
    const int actuelle = m_session.EssaiCourant >= 1 && m_session.EssaiCourant <= NB_ESSAIS_MAX
                             ? t.Essais[m_session.EssaiCourant].Entete.TypeCharge()
                             : 0;
    auto* avertissement = qobject_cast<TAvertissements*>(m_fenetres.Avertissements);
    if (avertissement) {
        avertissement->Code = charge;
        if (charge != actuelle && avertissement->test() && avertissement->exec() != QDialog::Accepted) return;
    }
    if (t.NbCaract() == 0) {
        TNouvelCaract* d = m_fenetres.NouvelCaract;
        if (!d) return;
        d->Prepare(ModeDefinition::Nouveau, 1);
        if (d->exec() != QDialog::Accepted) return;
    }
    TFormTraceCaract* f = m_fenetres.FormTraceCaract;
    f->Setcourbe();
    f->show();
    f->raise();
    close();
}

// Every way of closing ends here: "Fermer", the close box (through reject) and Escape.
void TFormChoixCaract::done(int resultat) {
    if (!m_fenetres.FormTraceCaract->isVisible() && m_fenetres.MenuPrincipal)
        m_fenetres.MenuPrincipal->show();
    QDialog::done(resultat);
}
