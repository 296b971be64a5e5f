// The run screen's widgets: the button bar, the two columns of measurements around the
// application's picture, and the application panel with its load bar, bar graph, quantities and
// parameters.
#include "FormApplication.h"

#include "application/VisualisationPDF.h"
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
#include "socle/Textes.h"
#include "study/FormVisuApp.h"
#include "work/SessionTravail.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor fondAffichage(couleurs::fondAffichage);
const QColor texteAffichage(couleurs::texteAffichage);

// A widget that keeps its room when hidden: the panels around it do not move.
void gardePlace(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

} // namespace

AffichageMesure::AffichageMesure(const QString& nom, QWidget* parent) : QFrame(parent) {
    setObjectName(nom);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(1);
    libelle = new QLabel(this);
    valeur = new QLabel(Textes().Texte[txt::TraitsAbsents], this);
    valeur->setObjectName(nom + "Valeur");
    valeur->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valeur->setAutoFillBackground(true);
    valeur->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    valeur->setMargin(3);
    QFont gras = valeur->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.3);
    valeur->setFont(gras);
    // Room for the longest value a display shows: a sign, five digits, decimals and a unit.
    valeur->setMinimumWidth(QFontMetrics(gras).horizontalAdvance("-00000,000 tr/min") + 12);
    QPalette p = valeur->palette();
    p.setColor(QPalette::Window, fondAffichage);
    p.setColor(QPalette::WindowText, texteAffichage);
    valeur->setPalette(p);
    l->addWidget(libelle);
    l->addWidget(valeur);
}

void AffichageMesure::setTexte(const QString& texte) {
    if (valeur->text() == texte) return;
    valeur->setText(texte);
    setAccessibleName(libelle->text() + " " + texte);
}

void AffichageMesure::setLibelle(const QString& texte) {
    libelle->setText(texte);
    setAccessibleName(texte + " " + valeur->text());
}

QString AffichageMesure::texte() const {
    return valeur->text();
}

void AffichageMesure::setCouleur(const QColor& couleur) {
    QPalette p = valeur->palette();
    if (p.color(QPalette::WindowText) == couleur) return;
    p.setColor(QPalette::WindowText, couleur);
    valeur->setPalette(p);
}

QColor AffichageMesure::couleur() const {
    return valeur->palette().color(QPalette::WindowText);
}

BarGrapheCharge::BarGrapheCharge(QWidget* parent) : QWidget(parent) {
    setObjectName("PanelBarGraph");
    setMinimumHeight(34);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    PanelCache = new QWidget(this);
    PanelCache->setObjectName("PanelCache");
    FondUni(PanelCache, QColor(52, 56, 60));
}

void BarGrapheCharge::setGenre(BarGraphe genre) {
    if (genre == m_genre) return;
    m_genre = genre;
    update();
}

void BarGrapheCharge::setNiveau(int position, int maximum) {
    m_position = position;
    m_maximum = maximum;
    placeCache();
}

void BarGrapheCharge::placeCache() {
    const int gauche = std::clamp(BordCacheBarGraphe(m_position, width(), m_maximum), 0, width());
    PanelCache->setGeometry(gauche, 0, width() - gauche, height());
}

void BarGrapheCharge::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    placeCache();
}

void BarGrapheCharge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(20, 22, 24));
    // Segments that grow along the bar, as a level meter draws them.
    const int n = 24;
    const double pas = double(width() - 4) / n;
    for (int i = 0; i < n; ++i) {
        const double x = 2 + i * pas;
        const double hauteur = (height() - 6) * (0.35 + 0.65 * (i + 1) / n);
        const QRectF r(x + 1, height() - 3 - hauteur, pas - 2, hauteur);
        QColor c;
        if (m_genre == BarGraphe::Simple) {
            c = QColor::fromHsvF(0.58, 0.35 + 0.6 * i / n, 0.95);
        } else {
            const double f = double(i) / n;
            c = f < 0.6 ? QColor(40, 200, 70) : f < 0.85 ? QColor(240, 190, 40) : QColor(225, 50, 40);
        }
        p.fillRect(r, c);
    }
}

TFormApplication::TFormApplication(Liaison& liaison, Travail& travail, SessionTravail& session,
                                   Fenetres& fenetres, QWidget* parent)
    : FenetreEtude(parent, "FormApplication", QSize(980, 660), aide::EcranApplication, travail, session),
      m_liaison(liaison), m_fenetres(fenetres), m_charge(liaison, travail, session, m_etat, ConfigGenerale()),
      m_acq(liaison, travail, session, m_etat, ConfigGenerale()) {
    // The oscilloscope's ticks keep the drive on the load the scroll bar sets.
    m_acq.dureesLongues = true;
    m_acq.lecture = [this] { m_charge.Cycle(ScrollBarCharge->value(), ScrollBarCharge->minimum()); };
    // Columns 12 to 15 of a point are worked out from the tick's own measurement.
    m_acq.rafraichit = [this] { curseur(); };
    QVBoxLayout* colonne = colonneCentrale(6);
    QWidget* centre = centralWidget();
    colonne->addWidget(construitBoutons(centre));

    ToolBarTitre = BarreTitre(centre, EditTitre, m_travail);
    colonne->addWidget(ToolBarTitre);

    PanelAcquisition = new QWidget(centre);
    PanelAcquisition->setObjectName("PanelAcquisition");
    PanelAcquisition->setFixedHeight(48);
    PanelAcquisition->hide();
    colonne->addWidget(PanelAcquisition);

    colonne->addWidget(construitCentre(centre), 1);
    colonne->addWidget(construitApplication(centre));
    construitAcquisition();

    TimerApplication = new QTimer(this);
    TimerApplication->setInterval(100);
    connect(TimerApplication, &QTimer::timeout, this, &TFormApplication::TimerApplicationTimer);

    Quitter1 = new QAction(this);
    Quitter1->setShortcut(QKeySequence::Close);
    connect(Quitter1, &QAction::triggered, this, &TFormApplication::Quitter1Click);
    construitMenus();
    // F5 starts and stops the load, as the button does.
    auto* marche = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(marche, &QShortcut::activated, this, [this] {
        if (ButtonCharge->isEnabled()) ButtonCharge->click();
    });

    // The window sees Escape before its controls.
    qApp->installEventFilter(this);
    resize(1180, 700);
    Langue();
}

TFormApplication::~TFormApplication() {
    qApp->removeEventFilter(this);
}

QWidget* TFormApplication::construitBoutons(QWidget* parent) {
    auto* barre = new QWidget(parent);
    barre->setObjectName("PanelBoutons");
    auto* l = new QHBoxLayout(barre);
    l->setContentsMargins(0, 0, 0, 0);
    ButtonCharge = BoutonTexte("ButtonCharge", barre, true);
    QFont gras = ButtonCharge->font();
    gras.setBold(true);
    ButtonCharge->setFont(gras);
    ButtonGraphAnim = BoutonTexte("ButtonGraphAnim", barre, true);
    ButtonCopieValeur = BoutonTexte("ButtonCopieValeur", barre);
    ButtonConfiguration = BoutonTexte("ButtonConfiguration", barre);
    ButtonRessource = BoutonTexte("ButtonRessource", barre);
    ButtonCablage = BoutonTexte("ButtonCablage", barre);
    ButtonTitre = BoutonTexte("ButtonTitre", barre, true);
    ButtonFermer = BoutonTexte("ButtonFermer", barre);
    for (QToolButton* b : {ButtonCharge, ButtonGraphAnim, ButtonCopieValeur, ButtonConfiguration,
                           ButtonRessource, ButtonCablage})
        l->addWidget(b);
    l->addStretch(1);
    l->addWidget(ButtonTitre);
    l->addWidget(ButtonFermer);
    connect(ButtonGraphAnim, &QToolButton::clicked, this, &TFormApplication::ButtonGraphAnimClick);
    connect(ButtonCopieValeur, &QToolButton::clicked, this, &TFormApplication::ButtonCopieValeurClick);
    connect(ButtonCharge, &QToolButton::clicked, this, &TFormApplication::ButtonChargeClick);
    connect(ButtonConfiguration, &QToolButton::clicked, this, &TFormApplication::ButtonConfigurationClick);
    connect(ButtonTitre, &QToolButton::clicked, this, [this] { Action(); });
    connect(ButtonFermer, &QToolButton::clicked, this, &TFormApplication::Quitter1Click);
    connect(ButtonRessource, &QToolButton::clicked, this, [this] {
        if (TFormVisualisationPDF* w = m_fenetres.FormVisualisationPDF) w->Montre(this);
    });
    connect(ButtonCablage, &QToolButton::clicked, this, [this] {
        if (TFormAideCablage* w = m_fenetres.FormAideCablage) w->Montre(this);
    });
    return barre;
}

QWidget* TFormApplication::construitCentre(QWidget* parent) {
    auto* corps = new QWidget(parent);
    auto* l = new QHBoxLayout(corps);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(8);
    const auto groupe = [corps](const char* nom) {
        auto* g = new QGroupBox(corps);
        g->setObjectName(nom);
        g->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        auto* v = new QVBoxLayout(g);
        v->setSpacing(6);
        return g;
    };
    GroupeElectrique = groupe("GroupeElectrique");
    auto* couplage = new QHBoxLayout;
    ButtonEtoile = BoutonTexte("ButtonEtoile", GroupeElectrique, true);
    ButtonTriangle = BoutonTexte("ButtonTriangle", GroupeElectrique, true);
    for (QToolButton* b : {ButtonEtoile, ButtonTriangle}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        couplage->addWidget(b);
    }
    connect(ButtonEtoile, &QToolButton::clicked, this, &TFormApplication::ButtonEtoileClick);
    connect(ButtonTriangle, &QToolButton::clicked, this, &TFormApplication::ButtonTriangleClick);
    auto* electrique = static_cast<QVBoxLayout*>(GroupeElectrique->layout());
    electrique->addLayout(couplage);
    for (int c : {4, 5, 6, 9, 7}) {
        Mesure[c] = new AffichageMesure(QString("TextMesure%1").arg(c), GroupeElectrique);
        electrique->addWidget(Mesure[c]);
    }
    electrique->addStretch(1);

    GroupeMecanique = groupe("GroupeMecanique");
    auto* mecanique = static_cast<QVBoxLayout*>(GroupeMecanique->layout());
    for (int c : {1, 2, 3, 8, 10}) {
        Mesure[c] = new AffichageMesure(QString("TextMesure%1").arg(c), GroupeMecanique);
        mecanique->addWidget(Mesure[c]);
    }
    mecanique->addStretch(1);

    auto* milieu = new QWidget(corps);
    auto* m = new QVBoxLayout(milieu);
    m->setContentsMargins(0, 0, 0, 0);
    TextApplication = new QLabel(milieu);
    TextApplication->setObjectName("TextApplication");
    TextApplication->setAlignment(Qt::AlignCenter);
    QFont grand = TextApplication->font();
    grand.setBold(true);
    grand.setPointSizeF(grand.pointSizeF() * 1.6);
    TextApplication->setFont(grand);
    TextNomDeLaCharge = new QLabel(milieu);
    TextNomDeLaCharge->setObjectName("TextNomDeLaCharge");
    TextNomDeLaCharge->setAlignment(Qt::AlignCenter);
    QFont moyen = TextNomDeLaCharge->font();
    moyen.setPointSizeF(moyen.pointSizeF() * 1.15);
    TextNomDeLaCharge->setFont(moyen);
    ImageApp = new TVueImage(milieu);
    ImageApp->setObjectName("ImageApp");
    ImageApp->setMinimumSize(320, 220);
    PanelGraphe = new QWidget(milieu);
    PanelGraphe->setObjectName("PanelGraphe");
    PanelGraphe->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    PanelGraphe->hide();
    auto* graphe = new QVBoxLayout(PanelGraphe);
    graphe->setContentsMargins(0, 0, 0, 0);
    CaractMachine5 = new TCaractMachine(5, m_travail, m_session, m_etat, PanelGraphe);
    CaractMachine5->setObjectName("CaractMachine5");
    CaractMachine5->setProprietaires(nullptr, this);
    graphe->addWidget(CaractMachine5);
    m->addWidget(TextApplication);
    m->addWidget(TextNomDeLaCharge);
    m->addWidget(ImageApp, 1);
    m->addWidget(PanelGraphe, 1);
    // Holds the names at the top when the application has no picture.
    m->addStretch(0);

    l->addWidget(GroupeElectrique);
    l->addWidget(milieu, 1);
    l->addWidget(GroupeMecanique);
    return corps;
}

QWidget* TFormApplication::construitApplication(QWidget* parent) {
    PanelApplication = new QFrame(parent);
    PanelApplication->setObjectName("PanelApplication");
    static_cast<QFrame*>(PanelApplication)->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* l = new QHBoxLayout(PanelApplication);
    l->setSpacing(12);

    auto* charge = new QWidget(PanelApplication);
    charge->setMinimumWidth(300);
    auto* c = new QVBoxLayout(charge);
    c->setContentsMargins(0, 0, 0, 0);
    TextNomCharge = new QLabel(charge);
    TextNomCharge->setObjectName("TextNomCharge");
    QFont gras = TextNomCharge->font();
    gras.setBold(true);
    TextNomCharge->setFont(gras);
    PanelBarGraph = new BarGrapheCharge(charge);
    ScrollBarCharge = new QScrollBar(Qt::Horizontal, charge);
    ScrollBarCharge->setObjectName("ScrollBarCharge");
    ScrollBarCharge->setRange(0, 120);
    ScrollBarCharge->setPageStep(10);
    ScrollBarCharge->setMinimumHeight(22);
    ScrollBarCharge->setFocusPolicy(Qt::StrongFocus);
    ScrollBarCharge->setInvertedControls(false); // Right, Up and Page Up raise the load
    for (QWidget* w : std::initializer_list<QWidget*>{TextNomCharge, PanelBarGraph, ScrollBarCharge}) {
        gardePlace(w);
        c->addWidget(w);
    }
    // The mask follows the bar at once; the drive hears of it at the next cycle.
    connect(ScrollBarCharge, &QScrollBar::valueChanged, this, [this] { placeCache(); });
    TextCharge = new AffichageMesure("TextCharge", charge);
    c->addWidget(TextCharge);
    c->addStretch(1);

    auto* grandeurs = new QWidget(PanelApplication);
    auto* g = new QVBoxLayout(grandeurs);
    g->setContentsMargins(0, 0, 0, 0);
    TextVar2 = new AffichageMesure("TextVar2", grandeurs);
    TextVarTemps = new AffichageMesure("TextVarTemps", grandeurs);
    TextVar3 = new AffichageMesure("TextVar3", grandeurs);
    for (AffichageMesure* a : {TextVar2, TextVarTemps, TextVar3})
        g->addWidget(a);
    g->addStretch(1);

    PanelParametres = new QFrame(PanelApplication);
    PanelParametres->setObjectName("PanelParametres");
    static_cast<QFrame*>(PanelParametres)->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* p = new QGridLayout(PanelParametres);
    p->setHorizontalSpacing(10);
    p->setVerticalSpacing(4);
    const char* noms[NbLignesAff] = {"AFF1", "AFF3", "AFF4", "AFF5", "AFF6", "AFFinertie"};
    QFont valeur = font();
    valeur.setBold(true);
    for (int i = 0; i < NbLignesAff; ++i) {
        TextAFF[i] = new QLabel(PanelParametres);
        TextAFF[i]->setObjectName(QString("Text") + noms[i]);
        TextValAFF[i] = new QLabel(PanelParametres);
        TextValAFF[i]->setObjectName(QString("TextVal") + noms[i]);
        TextValAFF[i]->setFont(valeur);
        TextValAFF[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        p->addWidget(TextAFF[i], i, 0);
        p->addWidget(TextValAFF[i], i, 1);
    }
    p->setColumnStretch(0, 1);
    p->setRowStretch(NbLignesAff, 1);

    l->addWidget(charge, 3);
    l->addWidget(grandeurs, 2);
    l->addWidget(PanelParametres, 4);
    return PanelApplication;
}

void TFormApplication::Langue() {
    const auto& t = Textes().Texte;
    ButtonCharge->setText(Traduit("Marche charge active", "Active load on", "Marcha carga activa"));
    ButtonCharge->setToolTip(Traduit("Démarre ou arrête la charge active (F5)",
                                     "Starts or stops the active load (F5)",
                                     "Arranca o para la carga activa (F5)"));
    ButtonGraphAnim->setText(Traduit("Graphique", "Graph", "Gráfico"));
    ButtonCopieValeur->setText(
        Traduit("Copier les valeurs du point", "Copy the point's values", "Copiar los valores del punto"));
    ButtonConfiguration->setText(QStringLiteral("Config.Appli."));
    ButtonConfiguration->setToolTip(Traduit("Paramètres de l'application (charge arrêtée)",
                                            "Parameters of the application (load stopped)",
                                            "Parámetros de la aplicación (carga parada)"));
    ButtonRessource->setText(Traduit("Ressource", "Resource", "Recurso"));
    ButtonRessource->setToolTip(t[172]);
    ButtonCablage->setText(Traduit("Schéma Cablage", "Wiring diagram", "Esquema de cableado"));
    ButtonCablage->setToolTip(t[285]);
    ButtonTitre->setText(t[319]);
    ButtonTitre->setToolTip(t[320]);
    ButtonFermer->setText(t[246]);
    ButtonFermer->setToolTip(t[247]);
    ButtonEtoile->setText(Traduit("Etoile", "Star", "Estrella"));
    ButtonTriangle->setText(Traduit("Triangle", "Delta", "Triángulo"));
    const QString bulleCouplage =
        Traduit("Couplage de la machine : la tension et le courant en dépendent",
                "Coupling of the machine: the voltage and current depend on it",
                "Conexión de la máquina: la tensión y la corriente dependen de ella");
    ButtonEtoile->setToolTip(bulleCouplage);
    ButtonTriangle->setToolTip(bulleCouplage);
    GroupeElectrique->setTitle(
        Traduit("Mesures électriques", "Electrical measurements", "Medidas eléctricas"));
    GroupeMecanique->setTitle(Traduit("Mesures mécaniques (arbre moteur)",
                                      "Mechanical measurements (motor shaft)",
                                      "Medidas mecánicas (eje del motor)"));
    EditTitre->setToolTip(t[320]);
    ScrollBarCharge->setToolTip(Traduit("Niveau de la charge", "Load level", "Nivel de la carga"));
    for (int c = 1; c <= 10; ++c)
        Mesure[c]->setLibelle(Textes().Grandeurs[c].Nom);
    TextVarTemps->setLibelle(Textes().Grandeurs[11].Nom);
    Fichier1->setTitle(t[254]);
    Edition1->setTitle(t[255]);
    Configuration1->setTitle(t[256]);
    LangueMenus(menuBar());
    CaractMachine5->setmenu();
    Quitter1->setText(t[246]);
    BoutonManuel->setText(Traduit("Manuel", "Manual", "Manual"));
    BoutonOscillo->setText(Traduit("Oscilloscope", "Oscilloscope", "Osciloscopio"));
    ButtonAcquiPoint->setText(Traduit("Point", "Point", "Punto"));
    ButtonAcquiPoint->setToolTip(
        Traduit("Acquisition du point", "Acquisition of the point", "Adquisición del punto"));
    const QString fin = Traduit("Fin de l'acquisition", "End of the acquisition", "Fin de la adquisición");
    ButtonStopChargeManu->setToolTip(fin);
    LangueOscillo();
    for (int k = 0; k < 5; ++k) {
        Buttoncourbe[k]->setText(Textes().MotEssai + " " + QString::number(k + 1));
        Buttoncourbe[k]->setToolTip(t[331] + " " + QString::number(k + 1));
        Editcourbe[k]->setToolTip(t[300] + QString::number(k + 1));
    }
}

// The link window changed the language: the window follows at once.
void TFormApplication::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange && isVisible()) Langue();
}
