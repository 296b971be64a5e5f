#include "FormVisualisation.h"

#include "Liaison.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/LibelleElide.h"
#include "socle/Textes.h"
#include "work/DefinitionCaract.h"
#include "work/Format.h"
#include "work/LoisCharge.h"
#include "work/SessionTravail.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int bordAffichage = 6;
constexpr int periodeMs = 250;
const QString textesInitiaux = QStringLiteral("---------------");

// The font whose line is as tall as the label's box, made smaller when the text would not fit
// its width: a number cut at the edge would read as another number.
void ajustePolice(QLabel* l) {
    const QRect c = l->contentsRect();
    if (c.height() <= 0 || c.width() <= 0) return;
    QFont f = l->font();
    constexpr int reference = 100;
    f.setPixelSize(reference);
    const QFontMetricsF fm(f);
    double taille = reference * c.height() / fm.height();
    const double largeur = fm.horizontalAdvance(l->text()) * taille / reference;
    const double place = c.width() - 2 * l->margin() - fm.averageCharWidth() * taille / reference;
    if (largeur > place && largeur > 0) taille *= std::max(place, 1.0) / largeur;
    f.setPixelSize(std::max(1, int(taille)));
    l->setFont(f);
}

QString texte(int base, int index, int dernier) {
    return index >= 0 && index <= dernier ? Textes().Texte[base + index] : QString();
}

} // namespace

TAffichage::TAffichage(QWidget* parent) : QWidget(parent) {
    PanelAffichage = new QFrame(this);
    PanelAffichage->setObjectName("PanelAffichage");
    PanelAffichage->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelAffichage->setLineWidth(2);
    Panel1 = new QWidget(PanelAffichage);
    Panel2 = new QWidget(PanelAffichage);
    TextTitre = new QLabel(textesInitiaux, PanelAffichage);
    TextTitre->setObjectName("TextTitre");
    TextTitre->setAlignment(Qt::AlignCenter);
    TextAffichage = new QLabel(textesInitiaux, PanelAffichage);
    TextAffichage->setObjectName("TextAffichage");
    TextAffichage->setAlignment(Qt::AlignCenter);
    TextAffichage->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    TextAffichage->setBackgroundRole(QPalette::Base);
    TextAffichage->setAutoFillBackground(true);
}

void TAffichage::setTitre(const QString& texte) {
    TextTitre->setText(texte);
    ajustePolice(TextTitre);
    setAccessibleName(texte + " " + TextAffichage->text());
}

void TAffichage::setValeur(const QString& texte) {
    if (texte == TextAffichage->text()) return;
    TextAffichage->setText(texte);
    ajustePolice(TextAffichage);
    setAccessibleName(TextTitre->text() + " " + texte);
}

QString TAffichage::titre() const {
    return TextTitre->text();
}

QString TAffichage::valeur() const {
    return TextAffichage->text();
}

void TAffichage::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    PanelAffichage->setGeometry(rect());
    PanelAffichageResize();
}

void TAffichage::PanelAffichageResize() {
    const DispositionAffichage d = DisposeAffichage(PanelAffichage->size(), bordAffichage);
    Panel1->setGeometry(d.espace1);
    TextTitre->setGeometry(d.titre);
    Panel2->setGeometry(d.espace2);
    TextAffichage->setGeometry(d.valeur);
    ajustePolice(TextTitre);
    ajustePolice(TextAffichage);
}

TFormVisualisation::TFormVisualisation(Liaison& liaison, Travail& travail, SessionTravail& session,
                                       QWidget* parent)
    : QDialog(parent), m_liaison(liaison), m_travail(travail), m_session(session) {
    setObjectName("FormVisualisation");
    setProperty(aide::Propriete, aide::Visualisation);
    setSizeGripEnabled(false);

    m_bandeau = new QWidget(this);
    m_bandeau->setObjectName("PanelHaut");
    auto* haut = new QHBoxLayout(m_bandeau);
    ButtonClose = new QPushButton(m_bandeau);
    ButtonClose->setObjectName("ButtonClose");
    ButtonClose->setAutoDefault(false);
    connect(ButtonClose, &QPushButton::clicked, this, &TFormVisualisation::ButtonCloseClick);
    TextModechargeManu = new LibelleElide(m_bandeau);
    TextModechargeManu->setObjectName("TextModechargeManu");
    QFont gras = TextModechargeManu->font();
    gras.setBold(true);
    TextModechargeManu->setFont(gras);
    TextdelaMachine = new QLabel(m_bandeau);
    TextdelaMachine->setObjectName("TextdelaMachine");
    TextdelaMachine->setFont(gras);
    LabelCourant = new QLabel(m_bandeau);
    LabelCourant->setObjectName("LabelCourant");
    const auto calibre = [this](const char* nom, const char* texte) {
        auto* b = new QToolButton(m_bandeau);
        b->setObjectName(nom);
        b->setText(texte);
        b->setCheckable(true);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return b;
    };
    ButtonCalibre20A = calibre("ButtonCalibre20A", "20 A");
    ButtonCalibre2A = calibre("ButtonCalibre2A", "2A");
    auto* groupe = new QButtonGroup(this);
    groupe->setObjectName("GroupeCalibre");
    groupe->addButton(ButtonCalibre20A);
    groupe->addButton(ButtonCalibre2A);
    connect(ButtonCalibre20A, &QToolButton::clicked, this, &TFormVisualisation::ButtonCalibre20AClick);
    connect(ButtonCalibre2A, &QToolButton::clicked, this, &TFormVisualisation::ButtonCalibre2AClick);
    // A long machine and load text gives way rather than pushing the bench power out.
    haut->addWidget(ButtonClose);
    haut->addSpacing(fontMetrics().height());
    haut->addWidget(TextModechargeManu, 1);
    haut->addSpacing(fontMetrics().height());
    haut->addWidget(TextdelaMachine);

    m_bandeauK = new QWidget(this);
    m_bandeauK->setObjectName("PanelK");
    auto* k = new QHBoxLayout(m_bandeauK);
    ScrollBarK = new QScrollBar(Qt::Horizontal, m_bandeauK);
    ScrollBarK->setObjectName("ScrollBarK");
    ScrollBarK->setRange(0, 100);
    ScrollBarK->setPageStep(10);
    ScrollBarK->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar reverses its keys by default; here Right and Up raise K.
    ScrollBarK->setInvertedControls(false);
    connect(ScrollBarK, &QScrollBar::valueChanged, this, &TFormVisualisation::ScrollBarKChange);
    TextK = new QLabel(m_bandeauK);
    TextK->setObjectName("TextK");
    TextK->setBuddy(ScrollBarK); // a screen reader names the bar by its value
    TextK->setFont(gras);
    TextK->setMinimumWidth(QFontMetrics(gras).horizontalAdvance(TexteK(100)) + fontMetrics().height());
    TextK->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    k->addWidget(ScrollBarK, 1);
    k->addWidget(TextK);
    k->addSpacing(fontMetrics().height() * 2);
    k->addWidget(LabelCourant);
    k->addWidget(ButtonCalibre20A);
    k->addWidget(ButtonCalibre2A);

    for (int i = 1; i <= NB_TUILES; ++i) {
        Affichage[i] = new TAffichage(this);
        Affichage[i]->setObjectName(QString("Affichage%1").arg(i));
    }

    TimerA = new QTimer(this);
    TimerA->setObjectName("TimerA");
    TimerA->setInterval(periodeMs);
    connect(TimerA, &QTimer::timeout, this, &TFormVisualisation::TimerATimer);

    setMinimumSize(800, 600);
    resize(800, 600);
    setTabOrder(ScrollBarK, ButtonCalibre20A);
    setTabOrder(ButtonCalibre20A, ButtonCalibre2A);
    setTabOrder(ButtonCalibre2A, ButtonClose);
}

int TFormVisualisation::hauteurBandeau() const {
    return std::max(m_bandeau->sizeHint().height(), m_bandeauK->sizeHint().height());
}

void TFormVisualisation::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Restoring a minimised window is not a new showing: K and the load law stay.
    if (!e->spontaneous()) FormShow();
}

// Every way of closing (the button, the window's close box, Escape, a hide by the program) ends
// here, so that no measurement cycle runs while the view is away.
void TFormVisualisation::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    if (!e->spontaneous()) FormClose();
}

void TFormVisualisation::FormShow() {
    if (m_ouverte) return;
    m_ouverte = true;
    if (FenetreChoix) FenetreChoix->hide();
    const auto& t = Textes().Texte;
    setWindowTitle(LegendeFenetre(t[346]));
    ScrollBarK->setToolTip(t[335]);
    LabelCourant->setText(t[347]);
    ButtonClose->setText(t[2].trimmed());

    const TEnteteEssai& modele = m_session.ModeleEssai;
    const int32_t calibre = modele[TEnteteEssai::MotCalibreCourant];
    ButtonCalibre20A->group()->setExclusive(false);
    ButtonCalibre20A->setChecked(calibre == 0);
    ButtonCalibre2A->setChecked(calibre == 1);
    ButtonCalibre20A->group()->setExclusive(true);

    TextdelaMachine->setText(TexteMachineBanc(ConfigGenerale().ClassePuissance));
    const int typeMachine = modele.TypeMachine();
    const int typeCharge = modele.TypeCharge();
    for (int k = 1; k <= NB_TUILES; ++k) {
        Affichage[k]->setTitre(m_session.Colonnes[k].Nom);
        Affichage[k]->setVisible(ColonneOfferte(typeMachine, k));
    }

    ScrollBarK->blockSignals(true);
    ScrollBarK->setValue(0);
    ScrollBarK->blockSignals(false);
    ScrollBarKChange();
    m_liaison.EmissionControle(variateur::controleApplique(CodesLoiCharge(typeCharge)));

    TextModechargeManu->setText(texte(txt::TypeMachineLong, typeMachine, 7) + " - " +
                                texte(txt::TypeChargeLong, typeCharge, 18));
    Action();

    // Centred on the screen, never larger than it.
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect ecran = s->availableGeometry();
        const QSize marge = frameGeometry().size() - size();
        const QSize place = (ecran.size() - marge).expandedTo(QSize(4, 3));
        const QSize plafond = QSize(place.height() * 4 / 3, place.height())
                                  .boundedTo(QSize(place.width(), place.width() * 3 / 4));
        setMinimumSize(QSize(800, 600).boundedTo(plafond));
        if (width() > plafond.width()) resize(plafond);
        move(ecran.center() - rect().center() - QPoint(marge.width() / 2, marge.height() / 2));
    }
    Affiche();
    ScrollBarK->setFocus();
    TimerA->start();
}

void TFormVisualisation::FormClose() {
    if (!m_ouverte) return;
    m_ouverte = false;
    TimerA->stop();
    m_liaison.EmissionControle(variateur::controleArme);
    if (FenetreChoix) FenetreChoix->show();
}

void TFormVisualisation::ButtonCloseClick() {
    TimerA->stop();
    close();
}

void TFormVisualisation::TimerATimer() {
    cycle();
}

// A closed link reads nothing, yet its cycle would work the quantities out again from blank
// words: the tiles would show a stopped machine. They keep their values instead.
void TFormVisualisation::cycle() {
    if (!m_liaison.LinkOpen) return;
    // A measurement that comes back after the view closed shows nothing.
    m_liaison.LectureValeursEnFond(this, [this](const Mesure& m) {
        if (m_ouverte) montre(m);
    });
}

void TFormVisualisation::montre(const Mesure& mesure) {
    mesure.reporte(m_mesures);
    AfficheValeur();
}

void TFormVisualisation::ScrollBarKChange() {
    m_liaison.EmissionConstanteKEnFond(ScrollBarK->value() * 10);
    Action();
    cycle();
}

void TFormVisualisation::Action() {
    TextK->setText(TexteK(ScrollBarK->value()));
}

void TFormVisualisation::AfficheValeur() {
    // A lost link: the tiles keep what was last measured.
    if (m_mesures[0] < 0) return;
    for (int k = 1; k <= NB_TUILES; ++k)
        Affichage[k]->setValeur(TexteMesure(m_session, m_mesures, k));
}

void TFormVisualisation::Affiche() {
    const int h = hauteurBandeau();
    m_bandeau->setGeometry(0, 0, width(), h);
    m_bandeauK->setGeometry(0, h, width(), h);
    const auto tuiles = DispositionTuiles(size(), h);
    for (int k = 1; k <= NB_TUILES; ++k)
        Affichage[k]->setGeometry(tuiles[k]);
}

void TFormVisualisation::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    if (!m_proportionne) {
        const QSize voulue = ProportionsVisualisation(e->oldSize(), e->size(), minimumSize());
        if (voulue != e->size()) {
            m_proportionne = true;
            resize(voulue);
            m_proportionne = false;
        }
    }
    Affiche();
}

void TFormVisualisation::ButtonCalibre2AClick() {
    m_session.ModeleEssai[TEnteteEssai::MotCalibreCourant] = 1;
}

void TFormVisualisation::ButtonCalibre20AClick() {
    m_session.ModeleEssai[TEnteteEssai::MotCalibreCourant] = 0;
}
