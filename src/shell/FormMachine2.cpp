#include "FormMachine2.h"

#include "application/ChoixMachine.h"
#include "application/FormApplication.h"
#include "commun/AboutBox.h"
#include "commun/Fenetres.h"
#include "link/FormCom.h"
#include "link/Liaison.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/CouleursFenetres.h"
#include "socle/DialoguesFichiers.h"
#include "socle/Dossiers.h"
#include "socle/Pictogrammes.h"
#include "socle/Preferences.h"
#include "socle/Textes.h"
#include "study/Catalogue.h"
#include "study/FormChoixCaract.h"
#include "study/FormTraceCaract.h"
#include "work/FichierTravail.h"
#include "work/QuestionsTravail.h"
#include "work/SessionTravail.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int largeurClient = 556;
constexpr int hauteurClient = 672;
constexpr int hauteurBanniere = 168;

} // namespace

TFormMachine2::TFormMachine2(Liaison& liaison, Travail& travail, SessionTravail& session, Fenetres& fenetres,
                             QWidget* parent)
    : QWidget(parent), m_liaison(liaison), m_travail(travail), m_session(session), m_fenetres(fenetres) {
    setObjectName("FormMachine2");
    setProperty(aide::Propriete, aide::MenuPrincipal);
    setFixedSize(largeurClient, hauteurClient);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(couleurs::fondMenu));
    p.setColor(QPalette::WindowText, QColor(couleurs::texteMenu));
    p.setColor(QPalette::ButtonText, QColor(couleurs::texteMenu));
    setPalette(p);
    QFont f("Arial");
    f.setPixelSize(16);
    f.setBold(true);
    f.setItalic(true);
    setFont(f);
    // Scoped to this window: child dialogs keep their own look.
    const auto nom = [](QRgb c) { return QColor(c).name(); };
    setStyleSheet(
        QString("#FormMachine2 > QToolButton { color: %1; background: %2; border: none; padding: 4px 10px; }"
                "#FormMachine2 > QToolButton:hover { background: %3; }"
                "#FormMachine2 > QToolButton:pressed { background: %4; }"
                "#FormMachine2 > QToolButton:focus { background: %5; }")
            .arg(nom(couleurs::texteMenu), nom(couleurs::fondMenu), nom(couleurs::survolMenu),
                 nom(couleurs::appuiMenu), nom(couleurs::focusMenu)));

    m_image1 = new QLabel(this);
    m_image1->setObjectName("Image1");
    m_image1->setFixedSize(largeurClient, hauteurBanniere);
    m_image1->setCursor(Qt::PointingHandCursor);
    m_image1->installEventFilter(this);

    using pictogrammes::Icone;
    m_etudeMachine = creeBouton("ButtonEtudeMachine", int(Icone::Caracteristiques), false);
    m_traceCaract = creeBouton("ButtonTraceCaract", int(Icone::ModeCaract), true);
    m_chargeStatique = creeBouton("ButtonChargeStatique", int(Icone::ModeStatique), true);
    m_chargeDynamique = creeBouton("ButtonChargeDynamique", int(Icone::ModeDynamique), true);
    m_etudeApplication = creeBouton("ButtonEtudeApplication", int(Icone::Application), false);
    m_ouvrir = creeBouton("ButtonOuvrir", int(Icone::Ouvrir), false);
    m_nouveau = creeBouton("ButtonNouveauTravail", int(Icone::Nouveau), false);
    m_configure = creeBouton("ButtonConfigure", int(Icone::Configuration), false);
    m_quitter = creeBouton("ButtonQuitter", int(Icone::Quitter), false);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 8);
    colonne->setSpacing(2);
    colonne->addWidget(m_image1);
    auto* etude = new QGridLayout;
    etude->setSpacing(0);
    auto* petits = new QHBoxLayout;
    petits->setSpacing(0);
    petits->setContentsMargins(8, 0, 0, 0);
    for (QToolButton* b : {m_traceCaract, m_chargeStatique, m_chargeDynamique})
        petits->addWidget(b);
    etude->addLayout(petits, 0, 0);
    etude->addWidget(m_etudeMachine, 0, 1);
    etude->setColumnStretch(1, 1);
    colonne->addLayout(etude);
    for (QToolButton* b : {m_etudeApplication, m_ouvrir, m_nouveau, m_configure, m_quitter})
        colonne->addWidget(b);
    colonne->addStretch();

    connect(m_etudeApplication, &QToolButton::clicked, this, &TFormMachine2::ButtonEtudeApplicationClick);
    connect(m_etudeMachine, &QToolButton::clicked, this, &TFormMachine2::ButtonEtudeMachineClick);
    connect(m_traceCaract, &QToolButton::clicked, this, [this] { ButtonModeEtudeClick(0); });
    connect(m_chargeStatique, &QToolButton::clicked, this, [this] { ButtonModeEtudeClick(1); });
    connect(m_chargeDynamique, &QToolButton::clicked, this, [this] { ButtonModeEtudeClick(2); });
    connect(m_ouvrir, &QToolButton::clicked, this, &TFormMachine2::ButtonOuvrirClick);
    connect(m_nouveau, &QToolButton::clicked, this, &TFormMachine2::ButtonNouveauTravailClick);
    connect(m_configure, &QToolButton::clicked, this, &TFormMachine2::ButtonConfigureClick);
    connect(m_quitter, &QToolButton::clicked, this, &QWidget::close);

    FormCreate();
}

QToolButton* TFormMachine2::creeBouton(const char* nom, int icone, bool petit) {
    auto* b = new QToolButton(this);
    b->setObjectName(nom);
    b->setIcon(pictogrammes::icone(pictogrammes::Icone(icone)));
    b->setAutoRaise(true);
    if (petit) {
        b->setIconSize(QSize(36, 36));
        b->setFixedSize(46, 64);
    } else {
        b->setIconSize(QSize(48, 48));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setFixedHeight(74);
    }
    return b;
}

QToolButton* TFormMachine2::bouton(const char* nom) const {
    return findChild<QToolButton*>(nom);
}

void TFormMachine2::FormCreate() {
    // Before any other window exists: settings, texts and work data only.
    dossiers().choisit(QCoreApplication::applicationDirPath(), QDir::currentPath());
    ChargeConfig(dossiers().DossierConfig);
    ChargePreferences(dossiers().DossierConfig);
    // The catalogue of the language just loaded; another language is read at the next start.
    ChargeCatalogue(dossiers().DossierProgramme);
    LiaisonInitialisee = false;
    m_travail.NouveauTravail(m_session);
}

void TFormMachine2::FormShow() {
    if (!m_liaison.LinkOpen && !LiaisonInitialisee) {
        // Started once the window is on screen: the link may take its time or ask something.
        QTimer::singleShot(0, this, [this] { m_liaison.Initialise(); });
    }
    LiaisonInitialisee = true;
    AppliqueLangue(ConfigGenerale().LangueConfig);
    dossiers().suitLangue();
    dialoguesFichiers().fixeDossier(dossiers().DossierTravaux);
    Langue();
}

void TFormMachine2::Langue() {
    const auto& t = Textes().Texte;
    setWindowTitle(LegendeFenetre("Vimra"));
    const auto texte = [](QToolButton* b, const QString& legende, const QString& bulle) {
        if (b->text() != legende) b->setText(legende);
        if (b->toolTip() != bulle) b->setToolTip(bulle);
    };
    texte(m_etudeApplication, t[10], t[11]);
    texte(m_etudeMachine, t[4], QString());
    texte(m_traceCaract, QString(), t[5]);
    texte(m_chargeStatique, QString(), t[7]);
    texte(m_chargeDynamique, QString(), t[9]);
    // The three glyph-only buttons are read by their hint.
    for (QToolButton* b : {m_traceCaract, m_chargeStatique, m_chargeDynamique})
        if (b->accessibleName() != b->toolTip().trimmed()) b->setAccessibleName(b->toolTip().trimmed());
    texte(m_ouvrir, t[12], t[13]);
    texte(m_nouveau, t[14], t[15]);
    texte(m_configure, t[16], t[17]);
    texte(m_quitter, t[18], t[19]);
    const qreal ratio = devicePixelRatioF();
    const QString mention = MentionBancSimule();
    // The banner opens the about box: a screen reader names it so.
    m_image1->setAccessibleName(Traduit("À propos de Vimra", "About Vimra", "Acerca de Vimra"));
    if (m_sousTitre != t[230] || m_mention != mention || m_image1->pixmap().devicePixelRatio() != ratio) {
        m_sousTitre = t[230];
        m_mention = mention;
        m_image1->setPixmap(
            pictogrammes::banniere(largeurClient, hauteurBanniere, ratio, m_sousTitre, m_mention));
    }
}

void TFormMachine2::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    FormShow();
}

void TFormMachine2::paintEvent(QPaintEvent* e) {
    FormShow();
    QWidget::paintEvent(e);
}

bool TFormMachine2::eventFilter(QObject* o, QEvent* e) {
    if (o == m_image1 && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        Image1Click();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

void TFormMachine2::ButtonEtudeApplicationClick() {
    if (!m_fenetres.ChoixMachine->isVisible()) m_fenetres.ChoixMachine->show();
    hide();
}

void TFormMachine2::ButtonEtudeMachineClick() {
    m_fenetres.FormChoixCaract->PageDemandee = m_fenetres.ModeEtudeChoixCaract;
    m_fenetres.FormChoixCaract->show();
    hide();
}

void TFormMachine2::ButtonModeEtudeClick(int mode) {
    m_fenetres.ModeEtudeChoixCaract = mode;
    ButtonEtudeMachineClick();
}

void TFormMachine2::ButtonOuvrirClick() {
    if (!Avertissement(m_travail, m_session)) return;
    DialoguesFichiers& d = dialoguesFichiers();
    const QString nom = d.OpenDialogMachine.ouvre();
    if (nom.isEmpty()) {
        d.SaveDialogAppli.nomFichier.clear();
        return;
    }
    LitTravail(m_travail, m_session, nom);
    // A file of another type opens the characteristic study on the new, empty work.
    OuvreEtude(TypeFichier(nom) == QLatin1String(TYPE_VIMR2));
}

void TFormMachine2::OuvreEtude(bool application) {
    if (application)
        m_fenetres.FormApplication->show();
    else
        m_fenetres.FormTraceCaract->show();
    hide();
}

void TFormMachine2::ButtonNouveauTravailClick() {
    if (!Avertissement(m_travail, m_session)) return;
    m_travail.NouveauTravail(m_session);
    m_fenetres.ModeEtudeChoixCaract = 0;
    dialoguesFichiers().SaveDialogMachine.nomFichier.clear();
    dialoguesFichiers().SaveDialogAppli.nomFichier.clear();
    m_travail.ApplicationCourante = 0;
    m_fenetres.ChoixMachine->initialise();
}

void TFormMachine2::ButtonConfigureClick() {
    m_fenetres.FormCom->exec();
}

void TFormMachine2::Image1Click() {
    if (TAboutBox* a = m_fenetres.AboutBox) a->exec();
}

void TFormMachine2::keyPressEvent(QKeyEvent* e) {
    // Return and Enter press the focused entry, as Space does (a tool button takes only Space).
    auto* b = qobject_cast<QToolButton*>(focusWidget());
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && b && b->parentWidget() == this &&
        !e->isAutoRepeat()) {
        b->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TFormMachine2::closeEvent(QCloseEvent* e) {
    if (!Avertissement(m_travail, m_session)) {
        e->ignore();
        return;
    }
    m_liaison.Ferme();
    SauveConfig(dossiers().DossierConfig);
    e->accept();
    QCoreApplication::quit();
}
