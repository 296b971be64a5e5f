#include "FormTraceCaract.h"

#include "FormChoixCaract.h"
#include "TraceCaract.h"
#include "commun/AboutBox.h"
#include "commun/AideCablage.h"
#include "commun/BarreOscillo.h"
#include "commun/Controles.h"
#include "commun/Fenetres.h"
#include "commun/MenuFichier.h"
#include "graph/CaractMachine.h"
#include "link/Liaison.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/CouleursFenetres.h"
#include "socle/LibelleElide.h"
#include "socle/Textes.h"
#include "work/DefinitionCaract.h"
#include "work/Format.h"
#include "work/LoisCharge.h"
#include "work/SessionTravail.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A caption that opens something when clicked: the current box's opens the current range.
class LibelleCliquable : public QLabel {
public:
    std::function<void()> clic;
    using QLabel::QLabel;

protected:
    void mouseReleaseEvent(QMouseEvent*) override {
        if (clic) clic();
    }
};

} // namespace

TFormTraceCaract::TFormTraceCaract(Liaison& liaison, Travail& travail, SessionTravail& session,
                                   Fenetres& fenetres, QWidget* parent)
    : FenetreEtude(parent, "FormTraceCaract", QSize(800, 600), aide::TraceCaract, travail, session),
      m_liaison(liaison), m_fenetres(fenetres), m_acq(liaison, travail, session, m_etat, ConfigGenerale()) {
    QVBoxLayout* colonne = colonneCentrale(4);
    QWidget* centre = centralWidget();

    // Characteristic buttons and the window's own buttons.
    auto* haut = new QHBoxLayout;
    for (int k = 0; k < 4; ++k) {
        ButtonCar[k] = BoutonTexte(QString("ButtonCar%1").arg(k + 1), centre, true);
        ButtonCar[k]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(ButtonCar[k], &QToolButton::clicked, this, [this, k] { ButtonCarClick(k + 1); });
        haut->addWidget(ButtonCar[k]);
    }
    ButtonModifCharge = BoutonTexte("ButtonModifCharge", centre);
    ButtonAffichage = BoutonTexte("ButtonAffichage", centre, true);
    ButtonAffichage->setChecked(true);
    ButtonTitre = BoutonTexte("ButtonTitre", centre, true);
    ButtonClose = BoutonTexte("ButtonClose", centre);
    for (QToolButton* b : {ButtonModifCharge, ButtonAffichage, ButtonTitre, ButtonClose})
        haut->addWidget(b);
    connect(ButtonModifCharge, &QToolButton::clicked, this, &TFormTraceCaract::ButtonModifChargeClick);
    connect(ButtonAffichage, &QToolButton::clicked, this, [this] { Action(); });
    connect(ButtonTitre, &QToolButton::clicked, this, [this] { Action(); });
    connect(ButtonClose, &QToolButton::clicked, this, &QWidget::close);
    colonne->addLayout(haut);

    ToolBarTitre = BarreTitre(centre, EditTitre, m_travail);
    colonne->addWidget(ToolBarTitre);

    construitBarres();
    colonne->addWidget(PanelAcquisitionCarMachine->parentWidget());

    auto* corps = new QHBoxLayout;
    ImageFond = new QWidget(centre);
    ImageFond->setObjectName("ImageFond");
    FondUni(ImageFond, QColor(couleurs::fondPanneaux));
    ImageFond->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    ImageFond->installEventFilter(this);
    for (int k = 0; k < 4; ++k) {
        m_panneaux[k] = new TCaractMachine(k + 1, m_travail, m_session, m_etat, ImageFond);
        m_panneaux[k]->setProprietaires(this, nullptr);
        m_panneaux[k]->couleursEntete(QColor(couleurs::textePanneaux), QColor(couleurs::survolPanneaux));
        m_panneaux[k]->hide();
    }
    corps->addWidget(ImageFond, 1);
    construitValeurs();
    corps->addWidget(PanelAffichageValeur);
    colonne->addLayout(corps, 1);

    TimerManu = new QTimer(this);
    TimerManu->setInterval(200);
    connect(TimerManu, &QTimer::timeout, this, &TFormTraceCaract::TimerManuTimer);
    TimerAuto = new QTimer(this);
    TimerAuto->setInterval(50);
    connect(TimerAuto, &QTimer::timeout, this, &TFormTraceCaract::TimerAutoTimer);
    TimerChargeAuto = new QTimer(this);
    TimerChargeAuto->setInterval(50);
    connect(TimerChargeAuto, &QTimer::timeout, this, &TFormTraceCaract::TimerChargeAutoTimer);
    TimerOscillo = new QTimer(this);
    TimerOscillo->setInterval(50);
    connect(TimerOscillo, &QTimer::timeout, this, &TFormTraceCaract::TimerOscilloTimer);

    construitMenus();
    // The window sees Escape and Space before its controls.
    qApp->installEventFilter(this);
    // Maximised when it opens; restored, it still fits a 1366 x 768 laptop screen.
    resize(1100, 700);
    setWindowState(Qt::WindowMaximized);
    Langue();
}

TFormTraceCaract::~TFormTraceCaract() {
    qApp->removeEventFilter(this);
}

void TFormTraceCaract::construitBarres() {
    auto* barre = new QWidget(centralWidget());
    auto* l = new QHBoxLayout(barre);
    l->setContentsMargins(0, 0, 0, 0);

    PanelAcquisitionCarMachine = new QWidget(barre);
    PanelAcquisitionCarMachine->setObjectName("PanelAcquisitionCarMachine");
    auto* modes = new QHBoxLayout(PanelAcquisitionCarMachine);
    modes->setContentsMargins(0, 0, 0, 0);
    ButtonManu = BoutonTexte("ButtonManu", PanelAcquisitionCarMachine, true);
    ButtonAuto = BoutonTexte("ButtonAuto", PanelAcquisitionCarMachine, true);
    modes->addWidget(ButtonManu);
    modes->addWidget(ButtonAuto);
    connect(ButtonManu, &QToolButton::clicked, this, &TFormTraceCaract::ButtonManuClick);
    connect(ButtonAuto, &QToolButton::clicked, this, &TFormTraceCaract::ButtonAutoClick);
    l->addWidget(PanelAcquisitionCarMachine);

    PanelAcqusitionChargeStatique = new QWidget(barre);
    PanelAcqusitionChargeStatique->setObjectName("PanelAcqusitionChargeStatique");
    auto* statique = new QHBoxLayout(PanelAcqusitionChargeStatique);
    statique->setContentsMargins(0, 0, 0, 0);
    ButtonChargeManu = BoutonTexte("ButtonChargeManu", PanelAcqusitionChargeStatique, true);
    ButtonChargeAuto = BoutonTexte("ButtonChargeAuto", PanelAcqusitionChargeStatique, true);
    statique->addWidget(ButtonChargeManu);
    statique->addWidget(ButtonChargeAuto);
    l->addWidget(PanelAcqusitionChargeStatique);
    PanelAcqusitionChargeDynamique = new QWidget(barre);
    PanelAcqusitionChargeDynamique->setObjectName("PanelAcqusitionChargeDynamique");
    auto* dynamique = new QHBoxLayout(PanelAcqusitionChargeDynamique);
    dynamique->setContentsMargins(0, 0, 0, 0);
    ButtonChargeDynamique = BoutonTexte("ButtonChargeDynamique", PanelAcqusitionChargeDynamique, true);
    dynamique->addWidget(ButtonChargeDynamique);
    l->addWidget(PanelAcqusitionChargeDynamique);
    connect(ButtonChargeManu, &QToolButton::clicked, this, &TFormTraceCaract::ButtonChargeManuClick);
    connect(ButtonChargeAuto, &QToolButton::clicked, this, &TFormTraceCaract::ButtonChargeAutoClick);
    connect(ButtonChargeDynamique, &QToolButton::clicked, this,
            &TFormTraceCaract::ButtonChargeDynamiqueClick);
    construitBarresCharge(barre);

    PanelAcquiManu = new QWidget(barre);
    PanelAcquiManu->setObjectName("PanelAcquiManu");
    auto* manu = new QHBoxLayout(PanelAcquiManu);
    manu->setContentsMargins(0, 0, 0, 0);
    ScrollBarK = new QScrollBar(Qt::Horizontal, PanelAcquiManu);
    ScrollBarK->setObjectName("ScrollBarK");
    // The arrows and Page keys move K; a scroll bar reverses its keys by default: Right and Up raise it.
    ScrollBarK->setFocusPolicy(Qt::StrongFocus);
    ScrollBarK->setInvertedControls(false);
    ScrollBarK->setRange(0, 100);
    ScrollBarK->setPageStep(10);
    ScrollBarK->setMinimumWidth(260);
    TextK = new QLabel("K = 0%", PanelAcquiManu);
    TextK->setMinimumWidth(80);
    TextK->setBuddy(ScrollBarK); // a screen reader names the bar by its value, "K = 35%"
    ButtonAcquiPointCaract = BoutonTexte("ButtonAcquiPointCaract", PanelAcquiManu);
    ButtonStopManu = BoutonTexte("ButtonStopManu", PanelAcquiManu);
    ButtonStopManu->setText("Stop");
    TextModechargeManu = new LibelleElide(PanelAcquiManu);
    for (QWidget* w : std::initializer_list<QWidget*>{ScrollBarK, TextK, ButtonAcquiPointCaract,
                                                      ButtonStopManu, TextModechargeManu})
        manu->addWidget(w);
    connect(ScrollBarK, &QScrollBar::valueChanged, this, &TFormTraceCaract::ScrollBarKChange);
    connect(ButtonAcquiPointCaract, &QToolButton::clicked, this,
            &TFormTraceCaract::ButtonAcquiPointCaractClick);
    connect(ButtonStopManu, &QToolButton::clicked, this, &TFormTraceCaract::ButtonStopManuClick);
    l->addWidget(PanelAcquiManu);

    PanelAcquiAuto = new QWidget(barre);
    PanelAcquiAuto->setObjectName("PanelAcquiAuto");
    auto* automatique = new QHBoxLayout(PanelAcquiAuto);
    automatique->setContentsMargins(0, 0, 0, 0);
    ScrollBarT = new QScrollBar(Qt::Horizontal, PanelAcquiAuto);
    ScrollBarT->setObjectName("ScrollBarT");
    ScrollBarT->setFocusPolicy(Qt::StrongFocus);
    ScrollBarT->setInvertedControls(false);
    ScrollBarT->setRange(5, 15);
    ScrollBarT->setValue(5);
    ScrollBarT->setMinimumWidth(160);
    TextT = new QLabel("T = 5 s", PanelAcquiAuto);
    TextT->setBuddy(ScrollBarT);
    ButtonAutoCroissant = BoutonTexte("ButtonAutoCroissant", PanelAcquiAuto, true);
    ButtonAutoDecroissant = BoutonTexte("ButtonAutoDecroissant", PanelAcquiAuto, true);
    ButtonAutoCroissant->setText(QStringLiteral("K ↗"));
    ButtonAutoDecroissant->setText(QStringLiteral("K ↘"));
    ButtonStopAuto = BoutonTexte("ButtonStopAuto", PanelAcquiAuto);
    ButtonStopAuto->setText("Stop");
    TextModechargeAuto = new LibelleElide(PanelAcquiAuto);
    for (QWidget* w :
         std::initializer_list<QWidget*>{ScrollBarT, TextT, ButtonAutoCroissant, ButtonAutoDecroissant,
                                         ButtonStopAuto, TextModechargeAuto})
        automatique->addWidget(w);
    connect(ScrollBarT, &QScrollBar::valueChanged, this, &TFormTraceCaract::ScrollBarTChange);
    connect(ButtonAutoCroissant, &QToolButton::clicked, this, &TFormTraceCaract::ButtonAutoCroissantClick);
    connect(ButtonAutoDecroissant, &QToolButton::clicked, this,
            &TFormTraceCaract::ButtonAutoDecroissantClick);
    connect(ButtonStopAuto, &QToolButton::clicked, this, &TFormTraceCaract::ButtonStopManuClick);
    l->addWidget(PanelAcquiAuto);

    PanelANALYSE = new QWidget(barre);
    PanelANALYSE->setObjectName("PanelANALYSE");
    construitEssais(PanelANALYSE);
    l->addWidget(PanelANALYSE, 1);
}

void TFormTraceCaract::construitValeurs() {
    PanelAffichageValeur = new QWidget(centralWidget());
    PanelAffichageValeur->setObjectName("PanelAffichageValeur");
    PanelAffichageValeur->setFixedWidth(230);
    auto* l = new QVBoxLayout(PanelAffichageValeur);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    QFont gras = font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.25);
    for (int c = 1; c <= 11; ++c) {
        auto* libelle = new LibelleCliquable(PanelAffichageValeur);
        if (c == 5) {
            libelle->clic = [this] { CalibreCourant1Click(); };
            libelle->setCursor(Qt::PointingHandCursor);
        }
        LibelleValeur[c] = libelle;
        TexteValeur[c] = new QLabel("----", PanelAffichageValeur);
        TexteValeur[c]->setObjectName(QString("TexteValeur%1").arg(c));
        TexteValeur[c]->setFont(gras);
        TexteValeur[c]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        TexteValeur[c]->setFrameShape(QFrame::StyledPanel);
        TexteValeur[c]->setMinimumHeight(26);
        l->addWidget(libelle);
        l->addWidget(TexteValeur[c]);
    }
    l->addStretch();
}

void TFormTraceCaract::Langue() {
    const auto& t = Textes().Texte;
    ButtonModifCharge->setText(t[315]);
    ButtonModifCharge->setToolTip(t[316]);
    ButtonAffichage->setText(t[317]);
    ButtonAffichage->setToolTip(t[318]);
    ButtonTitre->setText(t[319]);
    ButtonTitre->setToolTip(t[320]);
    ButtonClose->setText(t[2]);
    ButtonClose->setToolTip(t[3]);
    ButtonManu->setText(t[307]);
    ButtonManu->setToolTip(t[308]);
    ButtonAuto->setText(t[309]);
    ButtonAuto->setToolTip(t[310]);
    ButtonChargeManu->setText(t[311]);
    ButtonChargeManu->setToolTip(t[312]);
    ButtonChargeAuto->setText(t[313]);
    ButtonChargeAuto->setToolTip(t[314]);
    ButtonChargeDynamique->setText(t[305]);
    ButtonChargeDynamique->setToolTip(t[306]);
    ButtonAcquiPointStatique->setText(t[323]);
    ButtonAcquiPointStatique->setToolTip(t[324]);
    ButtonAcquiAutoStatique->setText(t[313]);
    ButtonAcquiAutoStatique->setToolTip(t[326]);
    for (QToolButton* b : {ButtonStopChargeManu, ButtonStopChargeAuto})
        b->setToolTip(t[334]);
    LangueOscillo();
    ButtonAcquiPointCaract->setText(t[321]);
    ButtonAcquiPointCaract->setToolTip(t[322]);
    ButtonStopManu->setToolTip(t[334]);
    ButtonStopAuto->setToolTip(t[334]);
    ScrollBarK->setToolTip(t[335]);
    ScrollBarT->setToolTip(t[336]);
    ButtonAutoCroissant->setToolTip(Traduit("Début de l'acquisition avec K croissant",
                                            "Acquisition beginning with rising K",
                                            "La adquisición empieza con K creciente"));
    ButtonAutoDecroissant->setToolTip(Traduit("Début de l'acquisition avec K décroissant",
                                              "Acquisition beginning with falling K",
                                              "La adquisición empieza con K decreciente"));
    for (int k = 0; k < 5; ++k) {
        Buttoncourbe[k]->setText(Textes().MotEssai + " " + QString::number(k + 1));
        Buttoncourbe[k]->setToolTip(t[331]);
        Editcourbe[k]->setToolTip(t[333]);
        Editcourbe[k]->setAccessibleName(t[333] + " " + QString::number(k + 1));
    }
    EditTitre->setToolTip(t[320]);
    Fichier1->setTitle(t[254]);
    Edition1->setTitle(t[255]);
    Configuration1->setTitle(t[256]);
    LangueMenus(menuBar());
    for (TCaractMachine* p : m_panneaux)
        p->setmenu();
    for (int c = 1; c <= 11; ++c) {
        const TGrandeur& g = m_session.Colonnes[c];
        LibelleValeur[c]->setText(g.Nom + " : " + g.Symbole);
    }
    ajusteLargeurValeurs();
}

// The column of values is 230 pixels wide, wider when a large font needs it to show whole names.
void TFormTraceCaract::ajusteLargeurValeurs() {
    int largeur = 230;
    for (int c = 1; c <= 11; ++c)
        largeur =
            std::max(largeur, LibelleValeur[c]->fontMetrics().horizontalAdvance(LibelleValeur[c]->text()) +
                                  2 * LibelleValeur[c]->margin() + 8);
    PanelAffichageValeur->setFixedWidth(largeur);
}

void TFormTraceCaract::Settitre() {
    const TEnteteEssai& e = m_session.ModeleEssai;
    const int type = e.TypeCharge();
    const QString titre = titreTraceCaract(type, e.TypeMachine());
    if (!titre.isEmpty()) setWindowTitle(LegendeFenetre(titre));
    switch (groupeMode(type)) {
    case GroupeMode::Acquisition:
        PanelAcquisitionCarMachine->setVisible(true);
        PanelAcqusitionChargeStatique->setVisible(false);
        PanelAcqusitionChargeDynamique->setVisible(false);
        ButtonAuto->setVisible(DescriptionLoiCharge(type).balayageOffert);
        break;
    case GroupeMode::ChargeStatique:
        PanelAcquisitionCarMachine->setVisible(false);
        PanelAcqusitionChargeStatique->setVisible(true);
        PanelAcqusitionChargeDynamique->setVisible(false);
        break;
    case GroupeMode::Oscilloscope:
        PanelAcquisitionCarMachine->setVisible(false);
        PanelAcqusitionChargeStatique->setVisible(false);
        PanelAcqusitionChargeDynamique->setVisible(true);
        break;
    case GroupeMode::Inchange:
        break;
    }
    const TGrandeur& courant = m_session.Colonnes[5];
    LibelleValeur[5]->setText(courant.Nom + " : " + courant.Symbole +
                              (e[TEnteteEssai::MotCalibreCourant] == 1 ? " (2A)" : " (20A)"));
    ajusteLargeurValeurs();
}

void TFormTraceCaract::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    Langue();
    EditTitre->setText(m_travail.EnteteTravail.Commentaire.texte());
    Action();
}

void TFormTraceCaract::Setcourbe() {
    ::Setcourbe(m_travail, m_session);
    if (isVisible()) Action();
}

int TFormTraceCaract::NbPanelTrace() const {
    int n = 0;
    for (QToolButton* b : ButtonCar)
        if (b->isVisible() && b->isChecked()) ++n;
    return n;
}

void TFormTraceCaract::Action() {
    // Showing a panel refreshes; a refresh must not start another from inside.
    if (m_rafraichit) return;
    m_rafraichit = true;
    Travail& t = m_travail;
    if (m_session.EssaiCourant < 1) m_session.EssaiCourant = 1;
    // After a deletion the selection may point past the tests: the last one takes it.
    if (t.EnteteTravail.NbEssais >= 1 && m_session.EssaiCourant > t.EnteteTravail.NbEssais)
        m_session.EssaiCourant = t.EnteteTravail.NbEssais;
    // A selection past the tests holds an empty header: the study's template stays as it is.
    if (t.essaiValide(m_session.EssaiCourant))
        m_session.ModeleEssai = t.Essais[m_session.EssaiCourant].Entete;
    Settitre();
    const int machine = t.TypeMachine(m_session.EssaiCourant);
    const int charge = m_session.ModeleEssai.TypeCharge();
    ToolBarTitre->setVisible(ButtonTitre->isChecked());
    LibelleValeur[7]->setVisible(ColonneOfferte(machine, 7));
    TexteValeur[7]->setVisible(ColonneOfferte(machine, 7));
    LibelleValeur[9]->setVisible(ColonneOfferte(machine, 9));
    TexteValeur[9]->setVisible(ColonneOfferte(machine, 9));
    const bool temps = DescriptionTypeCharge(charge).tempsAffiche;
    LibelleValeur[11]->setVisible(temps);
    TexteValeur[11]->setVisible(temps);

    PanelAffichageValeur->setVisible(ButtonAffichage->isChecked());
    const bool unMode = ButtonManu->isChecked() || ButtonAuto->isChecked() || ButtonChargeManu->isChecked() ||
                        ButtonChargeAuto->isChecked() || ButtonChargeDynamique->isChecked();
    PanelANALYSE->setVisible(!unMode);
    PanelAcquiManu->setVisible(ButtonManu->isChecked());
    PanelAcquiAuto->setVisible(ButtonAuto->isChecked());
    PanelChargeStatiqueManu->setVisible(ButtonChargeManu->isChecked());
    PanelChargeStatiqueAuto->setVisible(ButtonChargeAuto->isChecked());
    PanelChargeDynamique->setVisible(ButtonChargeDynamique->isChecked());
    afficheOscillo();
    setProperty(aide::Propriete, ButtonManu->isChecked()   ? aide::TraceManuel
                                 : ButtonAuto->isChecked() ? aide::TraceBalayage
                                 : ButtonChargeManu->isChecked() || ButtonChargeAuto->isChecked()
                                     ? aide::TraceChargeStatique
                                 : ButtonChargeDynamique->isChecked() ? aide::TraceOscillo
                                                                      : aide::TraceCaract);

    m_etat.Mesures[0] = -1;
    for (int k = 1; k <= 4; ++k) {
        const TDefCaract& d = t.EnteteTravail.DefCaract(k);
        ButtonCar[k - 1]->setVisible(d.Defini);
        ButtonCar[k - 1]->setChecked(d.Affichee);
    }
    for (int k = 1; k <= 5; ++k) {
        const bool present = t.EnteteTravail.NbEssais >= k;
        Buttoncourbe[k - 1]->setVisible(present);
        Buttoncourbe[k - 1]->setIcon(IconeEssai(k));
        Editcourbe[k - 1]->setVisible(present);
        Editcourbe[k - 1]->setText(t.Essais[k].Entete.Commentaire());
        // A screen reader reads "Essai k", then the comment.
        Buttoncourbe[k - 1]->setAccessibleDescription(t.Essais[k].Entete.Commentaire());
    }
    if (m_session.EssaiCourant <= 5) Buttoncourbe[m_session.EssaiCourant - 1]->setChecked(true);
    // The test selection, as a click on the pressed button.
    for (int k = 1; k <= 5; ++k)
        Editcourbe[k - 1]->setEnabled(k == m_session.EssaiCourant);
    ButtonModifCharge->setEnabled(!(ButtonManu->isChecked() || ButtonAuto->isChecked() ||
                                    ButtonChargeManu->isChecked() || ButtonChargeDynamique->isChecked()));
    TraceTout();
    for (int k = 0; k < 4; ++k)
        if (ButtonCar[k]->isVisible()) ButtonCar[k]->setText(m_panneaux[k]->TextCaract->text());
    if (t.essaiValide(m_session.EssaiCourant))
        m_session.ModeleEssai = t.Essais[m_session.EssaiCourant].Entete;
    m_rafraichit = false;
}

QRect TFormTraceCaract::rectanglePanneaux() const {
    return ImageFond->rect();
}

void TFormTraceCaract::TraceTout() {
    EditTitre->setText(m_travail.EnteteTravail.Commentaire.texte());
    const QRect r = rectanglePanneaux();
    const auto places = calculposition(r.left(), r.top(), r.width(), r.height(), NbPanelTrace());
    int slot = 0;
    for (int k = 0; k < 4; ++k) {
        TCaractMachine* p = m_panneaux[k];
        if (ButtonCar[k]->isVisible() && ButtonCar[k]->isChecked()) {
            p->setGeometry(places[slot++]);
            p->show();
            p->tracecaract();
        } else {
            p->hide();
        }
    }
    Curseur();
}

void TFormTraceCaract::Curseur() {
    for (TCaractMachine* p : m_panneaux)
        p->curseur();
    if (!PanelAffichageValeur->isVisible()) return;
    for (int c = 1; c <= 11; ++c)
        TexteValeur[c]->setText(m_etat.Mesures[0] < 0 ? QStringLiteral("----")
                                                      : TexteMesure(m_session, m_etat.Mesures, c));
}

void TFormTraceCaract::ButtonCarClick(int k) {
    m_travail.EnteteTravail.DefCaract(k).Affichee = ButtonCar[k - 1]->isChecked() ? 1 : 0;
    Action();
}

void TFormTraceCaract::ButtoncourbeClick(int k) {
    selectionneEssai(k);
    Travail& t = m_travail;
    if (m_session.EssaiCourant >= 1) m_session.ModeleEssai = t.Essais[m_session.EssaiCourant].Entete;
    Settitre();
    m_etat.Mesures[0] = -1;
    TraceTout();
}

void TFormTraceCaract::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (isVisible()) Action();
}

bool TFormTraceCaract::eventFilter(QObject* o, QEvent* e) {
    if (o == ImageFond && e->type() == QEvent::Resize && isVisible()) {
        QTimer::singleShot(0, this, [this] { TraceTout(); });
        return false;
    }
    if (e->type() != QEvent::KeyPress || !isActiveWindow()) return QMainWindow::eventFilter(o, e);
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->window() != this) return QMainWindow::eventFilter(o, e);
    const int touche = static_cast<QKeyEvent*>(e)->key();
    if (touche == Qt::Key_Escape) {
        if (m_etat.AcquisitionEnCours) ButtonStopManuClick();
        m_etat.Mesures[0] = -1;
        Curseur();
        return true;
    }
    if (touche == Qt::Key_Space && m_etat.AcquisitionEnCours) {
        ButtonAcquiPointCaractClick();
        return true;
    }
    return QMainWindow::eventFilter(o, e);
}

// The link window changed the language: the window follows at once.
void TFormTraceCaract::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange && isVisible()) Langue();
}

void TFormTraceCaract::closeEvent(QCloseEvent* e) {
    ButtonStopManuClick();
    if (TimerManu->isActive() || TimerAuto->isActive() || TimerChargeAuto->isActive() ||
        TimerOscillo->isActive())
        m_acq.resetAcquisition();
    if (QWidget* a = m_fenetres.FormAideCablage) a->close();
    if (m_fenetres.MenuPrincipal) m_fenetres.MenuPrincipal->show();
    e->accept();
}
