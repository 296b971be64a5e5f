#include "ConfigurationApplication.h"

#include "Pompes.h"
#include "commun/VuePdf.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/CouleursFenetres.h"
#include "socle/DialoguesFichiers.h"
#include "socle/Dossiers.h"
#include "socle/Textes.h"
#include "study/ConstantesBanc.h"
#include "study/FormVisuApp.h"
#include "work/SessionTravail.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int largeurColonne = 176; // side columns of the vertical bars
constexpr int largeurValeur = 168;  // value displays of the bottom rows

QLabel* legende(QWidget* parent, const QString& nom) {
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    l->setWordWrap(true);
    return l;
}

// A value display: a sunken panel, its text centred and bold.
QLabel* valeur(QWidget* parent, const QString& nom) {
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setMinimumHeight(l->fontMetrics().height() + 10);
    return l;
}

} // namespace

TConfigurationApplication::TConfigurationApplication(Travail& travail, SessionTravail& session,
                                                     std::function<TFenetreDocument*()> fiche,
                                                     QWidget* parent)
    : QDialog(parent), m_travail(travail), m_session(session), m_fiche(std::move(fiche)) {
    setObjectName("ConfigurationApplication");
    setProperty(aide::Propriete, aide::ConfigurationApplication);
    setModal(true);

    TextTitre = new QLabel(this);
    TextTitre->setObjectName("TextTitre");
    TextTitre->setAlignment(Qt::AlignCenter);
    TextTitre->setAutoFillBackground(true);
    QPalette bande = TextTitre->palette();
    bande.setColor(QPalette::Window, QColor(couleurs::bandeConfiguration));
    bande.setColor(QPalette::WindowText, QColor(couleurs::texteBande));
    TextTitre->setPalette(bande);
    QFont titre = TextTitre->font();
    titre.setPointSizeF(titre.pointSizeF() * 1.5);
    titre.setBold(true);
    TextTitre->setFont(titre);
    TextTitre->setMargin(6);

    ImageApplication = new TVueImage(this);
    ImageApplication->setObjectName("ImageApplication");
    ImageApplication->setMinimumSize(480, 336);

    for (int k : BARRES_APPLICATION) {
        auto* b = new QScrollBar(k == 1 || k == 3 ? Qt::Vertical : Qt::Horizontal, this);
        b->setObjectName(QString("ScrollBar%1").arg(k));
        connect(b, &QScrollBar::valueChanged, this, &TConfigurationApplication::ScrollBarChange);
        m_barres[std::size_t(k)] = b;
    }
    for (int k = 1; k <= 6; ++k) {
        m_legendes[std::size_t(k)] = legende(this, QString("TextAFF%1").arg(k));
        m_valeurs[std::size_t(k)] = valeur(this, QString("TextValAFF%1").arg(k));
    }
    TextAFFinertie = legende(this, "TextAFFinertie");
    TextAFFinertie->setWordWrap(false);
    TextValAFFinertie = new QLabel(this);
    TextValAFFinertie->setObjectName("TextValAFFinertie");
    QFont gras = TextValAFFinertie->font();
    gras.setBold(true);
    TextValAFFinertie->setFont(gras);

    // Left and right of the picture: label, value, then the vertical bar with its top at the maximum.
    const auto colonne = [this](int k) {
        auto* w = new QWidget(this);
        w->setFixedWidth(largeurColonne);
        auto* l = new QVBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        m_legendes[std::size_t(k)]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        m_legendes[std::size_t(k)]->setMinimumHeight(2 * fontMetrics().height() + 4);
        l->addWidget(m_legendes[std::size_t(k)]);
        l->addWidget(m_valeurs[std::size_t(k)]);
        m_barres[std::size_t(k)]->setMinimumHeight(200);
        m_barres[std::size_t(k)]->setFixedWidth(20);
        l->addWidget(m_barres[std::size_t(k)], 1, Qt::AlignHCenter);
        // The picture keeps its size whether the application has these bars or not.
        QSizePolicy garde = w->sizePolicy();
        garde.setRetainSizeWhenHidden(true);
        w->setSizePolicy(garde);
        return w;
    };
    m_colonneGauche = colonne(1);
    m_colonneDroite = colonne(3);

    // Under the picture: the derived value and the inertia.
    m_panneauDerive = new QWidget(this);
    auto* derive = new QHBoxLayout(m_panneauDerive);
    derive->setContentsMargins(0, 0, 0, 0);
    m_legendes[2]->setWordWrap(false);
    derive->addStretch();
    derive->addWidget(m_legendes[2]);
    m_valeurs[2]->setMinimumWidth(largeurValeur);
    derive->addWidget(m_valeurs[2]);
    derive->addStretch();
    m_panneauInertie = new QWidget(this);
    auto* inertie = new QHBoxLayout(m_panneauInertie);
    inertie->setContentsMargins(0, 0, 0, 0);
    inertie->setSpacing(0);
    inertie->addStretch();
    inertie->addWidget(TextAFFinertie);
    inertie->addWidget(TextValAFFinertie);
    inertie->addStretch();
    auto* centre = new QVBoxLayout;
    centre->addWidget(ImageApplication, 1);
    centre->addWidget(m_panneauDerive);
    centre->addWidget(m_panneauInertie);

    auto* haut = new QHBoxLayout;
    haut->addWidget(m_colonneGauche);
    haut->addLayout(centre, 1);
    haut->addWidget(m_colonneDroite);

    // Bottom panel: rows 4, 5, 6, or the pump list.
    m_panneauBas = new QWidget(this);
    auto* grille = new QGridLayout(m_panneauBas);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->setColumnStretch(1, 1);
    for (int k = 4; k <= 6; ++k) {
        QLabel* texte = m_legendes[std::size_t(k)];
        texte->setWordWrap(false); // one line each, so that the rows keep their pitch
        texte->setMinimumWidth(260);
        m_valeurs[std::size_t(k)]->setMinimumWidth(largeurValeur);
        m_barres[std::size_t(k)]->setFixedHeight(20);
        grille->addWidget(texte, k - 4, 0);
        grille->addWidget(m_barres[std::size_t(k)], k - 4, 1);
        grille->addWidget(m_valeurs[std::size_t(k)], k - 4, 2);
    }
    m_panneauPompes = new QWidget(this);
    auto* pompes = new QHBoxLayout(m_panneauPompes);
    pompes->setContentsMargins(0, 0, 0, 0);
    TextPompe = legende(this, "TextPompe");
    TextPompe->setMinimumWidth(260);
    TextPompe->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ListePompes = new QListWidget(this);
    ListePompes->setObjectName("ListePompes");
    ListePompes->setSpacing(1);
    ListePompes->setFixedHeight(NB_MODELES_POMPE * (fontMetrics().height() + 4) + 6);
    connect(ListePompes, &QListWidget::currentRowChanged, this, &TConfigurationApplication::UpDown1Click);
    pompes->addWidget(TextPompe);
    pompes->addWidget(ListePompes, 1);

    const auto bouton = [this](const char* nom, QStyle::StandardPixmap icone) {
        auto* b = new QPushButton(this);
        b->setObjectName(nom);
        b->setIcon(style()->standardIcon(icone));
        b->setMinimumWidth(120);
        return b;
    };
    SpeedButton1 = bouton("SpeedButton1", QStyle::SP_FileDialogInfoView);
    SpeedButton1->setAutoDefault(false);
    BoutonEnregistrer = bouton("BoutonEnregistrer", QStyle::SP_DialogSaveButton);
    BoutonEnregistrer->setAutoDefault(false);
    BoutonOK = bouton("BoutonOK", QStyle::SP_DialogOkButton);
    BoutonOK->setDefault(true);
    BoutonAnnuler = bouton("BoutonAnnuler", QStyle::SP_DialogCancelButton);
    BoutonAnnuler->setAutoDefault(false);
    connect(SpeedButton1, &QPushButton::clicked, this, &TConfigurationApplication::SpeedButton1Click);
    connect(BoutonEnregistrer, &QPushButton::clicked, this,
            &TConfigurationApplication::BoutonEnregistrerClick);
    connect(BoutonOK, &QPushButton::clicked, this, &TConfigurationApplication::BoutonOKClick);
    connect(BoutonAnnuler, &QPushButton::clicked, this, &TConfigurationApplication::BoutonAnnulerClick);
    auto* enregistre = new QShortcut(QKeySequence::Save, this);
    connect(enregistre, &QShortcut::activated, this, &TConfigurationApplication::BoutonEnregistrerClick);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(SpeedButton1);
    boutons->addStretch();
    boutons->addWidget(BoutonEnregistrer);
    boutons->addSpacing(12);
    boutons->addWidget(BoutonOK);
    boutons->addWidget(BoutonAnnuler);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(10, 10, 10, 10);
    l->addWidget(TextTitre);
    l->addLayout(haut, 1);
    for (QWidget* w : {m_panneauBas, m_panneauPompes}) {
        w->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        l->addWidget(w);
    }
    l->addSpacing(6);
    l->addLayout(boutons);
    resize(1040, 690);
    Langue();
    Initialise();
}

void TConfigurationApplication::Langue() {
    const auto& t = Textes().Texte;
    setWindowTitle(Traduit("Configuration de l'application", "Application configuration",
                           "Configuración de la aplicación"));
    SpeedButton1->setText(Traduit("Ressource", "Resource", "Recurso"));
    SpeedButton1->setToolTip(Textes().Texte[txt::AideApplication]);
    BoutonEnregistrer->setText(t[258]);
    BoutonOK->setText(t[0]);
    BoutonAnnuler->setText(t[1]);
    TextPompe->setText(t[218]);
    ListePompes->setAccessibleName(t[218].trimmed().remove(':').trimmed()); // read by its caption
}

void TConfigurationApplication::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) FormShow();
    QDialog::showEvent(e);
}

void TConfigurationApplication::FormShow() {
    Travail& t = m_travail;
    bool surParam = false;
    if (t.ApplicationCourante == 0) {
        // The file last chosen in the machine choice; with none chosen there is nothing to read.
        const QString nom = dialoguesFichiers().OpenDialogApplication.nomFichier;
        if (!nom.isEmpty()) LitApplication(t, m_session, nom);
        surParam = true;
    }
    // The run screen adds 100 to its code, 0 included: no application code reaches 100.
    if (t.ApplicationCourante >= 100) {
        t.ApplicationCourante -= 100;
        surParam = true;
    }
    Langue();
    Initialise();
    t.ParamApplication = m_session.ParamApplicationSauve;
    const int code = t.ApplicationCourante;
    if (code < 50) return;
    placeControles(surParam ? ControlesDepuisParam(code, m_session.ParamApplicationSauve)
                            : ControlesDefaut(code));
    AfficheValeurs();
    BoutonOK->setFocus();
}

void TConfigurationApplication::Initialise() {
    const int code = m_travail.ApplicationCourante;
    const auto& t = Textes().Texte;
    const QString nom = NomApplication(code);
    TextTitre->setText(nom.isEmpty() ? TextesKorlan().Texte[txtKorlan::Application] : nom);

    const bool configurable = ApplicationConfigurable(code);
    m_fichierImage.clear();
    if (configurable) {
        ImageConfiguration i = ChargeImageConfiguration(code, dossiers().DossierApplications);
        if (i.image.isNull()) {
            ImageApplication->montreMessage(i.message);
        } else {
            ImageApplication->montreImage(i.image);
            m_fichierImage = i.fichier;
        }
    } else {
        ImageApplication->montreMessage(Traduit("Pas de paramètre à régler pour cette application",
                                                "No parameter to set for this application",
                                                "Ningún parámetro que ajustar para esta aplicación"));
    }

    const LegendesApplication l = Legendes(code);
    const int textes[7] = {-1, l.Aff1, l.Aff2, l.Aff3, l.Aff4, l.Aff5, l.Aff6};
    for (int k = 1; k <= 6; ++k) {
        const bool visible = textes[k] >= 0;
        m_legendes[std::size_t(k)]->setText(visible ? t[std::size_t(textes[k])] : QString());
        m_legendes[std::size_t(k)]->setVisible(visible);
        m_valeurs[std::size_t(k)]->setVisible(visible);
        if (m_barres[std::size_t(k)]) m_barres[std::size_t(k)]->setVisible(visible);
        if (!visible) m_valeurs[std::size_t(k)]->clear();
    }
    m_colonneGauche->setVisible(l.Aff1 >= 0);
    m_colonneDroite->setVisible(l.Aff3 >= 0);
    m_panneauDerive->setVisible(l.Aff2 >= 0);
    m_panneauInertie->setVisible(l.Inertie >= 0);
    TextAFFinertie->setText(l.Inertie >= 0 ? t[std::size_t(l.Inertie)] : QString());
    if (l.Inertie < 0) TextValAFFinertie->clear();
    m_panneauBas->setVisible(configurable && !l.Pompes);
    m_panneauPompes->setVisible(l.Pompes);
    if (l.Pompes) remplitPompes();
    BoutonEnregistrer->setEnabled(code >= 50);
}

void TConfigurationApplication::remplitPompes() {
    const bool avant = m_miseEnPlace;
    m_miseEnPlace = true;
    ListePompes->clear();
    for (const TModelePompe& m : ModelesPompe(ConfigGenerale().ClassePuissance))
        ListePompes->addItem(TextesKorlan().Texte[txtKorlan::PompeCentrifuge] + " : " + m.nom());
    m_miseEnPlace = avant;
}

void TConfigurationApplication::placeControles(const ControlesApplication& c) {
    const int code = m_travail.ApplicationCourante;
    m_miseEnPlace = true;
    for (int k : BARRES_APPLICATION) {
        QScrollBar* b = m_barres[std::size_t(k)];
        const PlageBarre p = PlageBarreApplication(code, k);
        b->setRange(p.Minimum, p.Maximum);
        b->setSingleStep(1);
        b->setPageStep(std::max(1, (p.Maximum - p.Minimum) / 10));
        b->setValue(PositionBarre(code, k, c.Barre[std::size_t(k)]));
    }
    if (Legendes(code).Pompes && ListePompes->count() == 0) remplitPompes();
    if (ListePompes->count() > 0)
        ListePompes->setCurrentRow(std::clamp(c.Pompe, 0, ListePompes->count() - 1));
    m_miseEnPlace = false;
}

ControlesApplication TConfigurationApplication::controles() const {
    const int code = m_travail.ApplicationCourante;
    ControlesApplication c;
    for (int k : BARRES_APPLICATION)
        c.Barre[std::size_t(k)] = ValeurBarre(code, k, m_barres[std::size_t(k)]->value());
    c.Pompe = std::max(0, ListePompes->currentRow());
    return c;
}

void TConfigurationApplication::SetParamInit() {
    const int code = m_travail.ApplicationCourante;
    if (code < 50) return;
    placeControles(ControlesDefaut(code));
    AfficheValeurs();
    if (Legendes(code).Pompes) m_travail.ParamApplication[1] = 0;
}

void TConfigurationApplication::AfficheValeurs() {
    Travail& t = m_travail;
    const AffichageApplication a =
        LitControles(t.ApplicationCourante, controles(), constantesBanc(ConfigGenerale()).RatedTorque,
                     ConfigGenerale().ClassePuissance, t.ParamApplication);
    const QString* textes[7] = {nullptr, &a.Aff1, &a.Aff2, &a.Aff3, &a.Aff4, &a.Aff5, &a.Aff6};
    for (int k = 1; k <= 6; ++k)
        m_valeurs[std::size_t(k)]->setText(*textes[k]);
    TextValAFFinertie->setText(a.Inertie);
    // A screen reader reads each bar as its caption and the value it gives.
    for (int k : BARRES_APPLICATION)
        m_barres[std::size_t(k)]->setAccessibleName(m_legendes[std::size_t(k)]->text() + " " +
                                                    m_valeurs[std::size_t(k)]->text());
}

void TConfigurationApplication::ScrollBarChange() {
    if (!m_miseEnPlace) AfficheValeurs();
}

void TConfigurationApplication::UpDown1Click() {
    if (!m_miseEnPlace) AfficheValeurs();
}

void TConfigurationApplication::BoutonOKClick() {
    accept();
}

void TConfigurationApplication::BoutonAnnulerClick() {
    m_travail.ParamApplication = m_session.ParamApplicationSauve;
    reject();
}

void TConfigurationApplication::BoutonEnregistrerClick() {
    if (m_travail.ApplicationCourante < 50) return;
    const QString nom = dialoguesFichiers().SaveDialogApplication.enregistre();
    if (!nom.isEmpty()) EcritApplication(m_travail, nom);
}

void TConfigurationApplication::SpeedButton1Click() {
    if (TFenetreDocument* pdf = m_fiche()) pdf->Montre(this);
}

void TConfigurationApplication::FormClose() {
    if (TFenetreDocument* pdf = m_fiche(); pdf && pdf->isVisible()) pdf->close();
}

void TConfigurationApplication::done(int resultat) {
    FormClose();
    QDialog::done(resultat);
}

void TConfigurationApplication::keyPressEvent(QKeyEvent* e) {
    // Escape is the cancel button; only the window's frame keeps the values as edited.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        BoutonAnnulerClick();
        return;
    }
    QDialog::keyPressEvent(e);
}
