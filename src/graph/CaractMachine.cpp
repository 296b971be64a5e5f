#include "CaractMachine.h"

#include "CaractTravail.h"
#include "ProprietaireGraphe.h"
#include "socle/ConfigGenerale.h"
#include "socle/Textes.h"
#include "work/EtatEtude.h"
#include "work/Format.h"
#include "work/SessionTravail.h"

#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QToolButton>

namespace {

// The paint area: it shows the panel's picture and hands mouse and size changes to the panel.
class ZoneGraphe final : public QWidget {
public:
    explicit ZoneGraphe(TCaractMachine& panneau) : QWidget(&panneau), m_panneau(panneau) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(40, 40);
        // Tab reaches the graph: the arrow keys then walk the points of the current test.
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QImage& image = m_panneau.imageEcran();
        if (image.isNull())
            p.fillRect(rect(), palette().window());
        else
            p.drawImage(
                QRectF(0, 0, image.width() / devicePixelRatioF(), image.height() / devicePixelRatioF()),
                image);
        if (hasFocus()) {
            // The keyboard is here: a frame in the highlight colour says so.
            p.setPen(QPen(palette().color(QPalette::Highlight), 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
    }
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }
    void keyPressEvent(QKeyEvent* e) override {
        const int pas = e->key() == Qt::Key_Right || e->key() == Qt::Key_Down ? 1
                        : e->key() == Qt::Key_Left || e->key() == Qt::Key_Up  ? -1
                        : e->key() == Qt::Key_PageDown                        ? 10
                        : e->key() == Qt::Key_PageUp                          ? -10
                        : e->key() == Qt::Key_Home                            ? -NB_POINTS_MAX
                        : e->key() == Qt::Key_End                             ? NB_POINTS_MAX
                                                                              : 0;
        if (pas == 0) return QWidget::keyPressEvent(e);
        m_panneau.PointSuivant(pas);
    }
    void resizeEvent(QResizeEvent*) override {
        if (isVisible()) m_panneau.PaintBox1Paint();
    }
    void showEvent(QShowEvent*) override { m_panneau.PaintBox1Paint(); }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) m_panneau.PaintBox1Souris(pixel(e), true);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (e->buttons() & Qt::LeftButton) m_panneau.PaintBox1Souris(pixel(e), false);
    }
    void contextMenuEvent(QContextMenuEvent* e) override {
        m_panneau.PopupMenu1Popup();
        m_panneau.PopupMenu1->exec(e->globalPos());
    }

private:
    // The graph counts in device pixels.
    QPoint pixel(const QMouseEvent* e) const { return (e->position() * devicePixelRatioF()).toPoint(); }
    TCaractMachine& m_panneau;
};

constexpr int txtSuppressionPoint = 288; // .. 293: the context menu
constexpr int txtZoomX = 294;
constexpr int txtZoomY = 295;
constexpr int txtValeurX = 296;
constexpr int txtValeurY = 297;
constexpr int txtVariableX = 298;
constexpr int txtVariableY = 299;
constexpr int txtCaract = 303;
constexpr int txtModificationCaract = 304;

// What a screen reader adds to the panel's name: the tests and points it shows.
QString descriptionPanneau(const Travail& t) {
    int points = 0;
    for (int k = 1; k <= std::min(t.EnteteTravail.NbEssais, NB_ESSAIS_MAX); ++k)
        points += std::max(0, t.Essais[k].Entete.DernierPoint() + 1);
    return Traduit("%1 essai(s), %2 point(s)", "%1 test(s), %2 point(s)", "%1 prueba(s), %2 punto(s)")
        .arg(std::clamp(t.EnteteTravail.NbEssais, 0, NB_ESSAIS_MAX))
        .arg(points);
}

} // namespace

// The screen graph drawing into the panel's picture for the length of one operation.
class TCaractMachine::Peinture {
public:
    explicit Peinture(TCaractMachine& p) : m_panneau(p) {
        if (!p.m_image.isNull() && m_painter.begin(&p.m_image)) p.m_grapheEcran.Surface = &m_painter;
    }
    ~Peinture() {
        m_panneau.m_grapheEcran.Surface = nullptr;
        if (m_painter.isActive()) m_painter.end();
        m_panneau.PaintBox1->update();
    }
    Peinture(const Peinture&) = delete;
    Peinture& operator=(const Peinture&) = delete;

private:
    TCaractMachine& m_panneau;
    QPainter m_painter;
};

TCaractMachine::TCaractMachine(int n, Travail& t, SessionTravail& session, EtatEtude& etat, QWidget* parent)
    : QWidget(parent), m_n(n), m_travail(t), m_session(session), m_etat(etat),
      m_courbe(std::make_unique<TTrace>()) {
    TextVariableY = new QLabel(this);
    TextValeurY = new QLabel(QStringLiteral("----"), this);
    ButtonCaract = new QToolButton(this);
    ButtonCaract->setAutoRaise(true);
    ButtonCaract->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    TextCaract = new QLabel(this);
    TextCaract->setAlignment(Qt::AlignHCenter);
    TextVariableX = new QLabel(this);
    TextVariableX->setAlignment(Qt::AlignRight);
    // Long names go on two lines in a narrow panel or a large font rather than being cut.
    for (QLabel* l : {TextVariableY, TextVariableX, TextCaract})
        l->setWordWrap(true);
    TextValeurX = new QLabel(QStringLiteral("----"), this);
    TextValeurX->setAlignment(Qt::AlignRight);
    ZoomY = new QSlider(Qt::Vertical, this);
    // Up zooms in: the top of the vertical slider is its position 0, the narrowest Y range.
    ZoomY->setInvertedAppearance(true);
    ZoomX = new QSlider(Qt::Horizontal, this);
    for (QSlider* s : {ZoomX, ZoomY}) {
        s->setRange(0, POSITION_ZOOM_MAX);
        s->setPageStep(5);
    }
    ButtonAuto = new QToolButton(this);
    ButtonAuto->setFixedSize(16, 16);
    // It only fills the corner between the two sliders: kept out of sight and out of the keyboard.
    QSizePolicy coin = ButtonAuto->sizePolicy();
    coin.setRetainSizeWhenHidden(true);
    ButtonAuto->setSizePolicy(coin);
    ButtonAuto->hide();
    PaintBox1 = new ZoneGraphe(*this);
    PaintBox1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Named as the windows name them, for the tests and the screenshots that look for them.
    setObjectName(QString("CaractMachine%1").arg(n));
    PaintBox1->setObjectName("PaintBox1");
    ZoomX->setObjectName("ZoomX");
    ZoomY->setObjectName("ZoomY");
    TextValeurX->setObjectName("TextValeurX");
    TextValeurY->setObjectName("TextValeurY");

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(TextVariableY);
    gauche->addWidget(TextValeurY);
    auto* centre = new QVBoxLayout;
    centre->addWidget(ButtonCaract);
    centre->addWidget(TextCaract);
    auto* droite = new QVBoxLayout;
    droite->addWidget(TextVariableX);
    droite->addWidget(TextValeurX);
    auto* haut = new QHBoxLayout;
    haut->addLayout(gauche, 1);
    haut->addLayout(centre, 1);
    haut->addLayout(droite, 1);
    auto* milieu = new QHBoxLayout;
    milieu->addWidget(ZoomY);
    milieu->addWidget(PaintBox1, 1);
    auto* bas = new QHBoxLayout;
    bas->addWidget(ButtonAuto);
    bas->addWidget(ZoomX, 1);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(2, 2, 2, 2);
    colonne->setSpacing(2);
    colonne->addLayout(haut);
    colonne->addLayout(milieu, 1);
    colonne->addLayout(bas);

    PopupMenu1 = new QMenu(this);
    Suppressiondupoint1 = PopupMenu1->addAction(QString());
    Suppressiondetouslespoints1 = PopupMenu1->addAction(QString());
    Nouvelessai1 = PopupMenu1->addAction(QString());
    PopupMenu1->addSeparator();
    Modificationdelacarcateristique1 = PopupMenu1->addAction(QString());
    PopupMenu1->addSeparator();
    Copierlacaracteristique1 = PopupMenu1->addAction(QString());
    CopierlesvaleursSel = PopupMenu1->addAction(QString());

    auto auProprietaire = [this](void (ProprietaireGraphe::*f)()) {
        return [this, f] {
            if (ProprietaireGraphe* p = proprietaire()) (p->*f)();
        };
    };
    connect(Suppressiondupoint1, &QAction::triggered, this,
            auProprietaire(&ProprietaireGraphe::SupprimePointSelectionne));
    connect(Suppressiondetouslespoints1, &QAction::triggered, this,
            auProprietaire(&ProprietaireGraphe::SupprimeTousLesPoints));
    connect(Nouvelessai1, &QAction::triggered, this, auProprietaire(&ProprietaireGraphe::NouvelEssai));
    connect(Modificationdelacarcateristique1, &QAction::triggered, this, [this] { ButtonCaractClick(); });
    connect(Copierlacaracteristique1, &QAction::triggered, this, [this] { Copiercaract(); });
    connect(CopierlesvaleursSel, &QAction::triggered, this, [this] { CopierValeurs(); });
    connect(ButtonCaract, &QToolButton::clicked, this, [this] { ButtonCaractClick(); });
    connect(ZoomX, &QSlider::valueChanged, this, [this](int v) { ZoomXChange(v); });
    connect(ZoomY, &QSlider::valueChanged, this, [this](int v) { ZoomYChange(v); });

    GrapheImprimante.setSchemaCouleurs(0);
    setmenu();
}

TCaractMachine::~TCaractMachine() = default;

void TCaractMachine::setProprietaires(ProprietaireGraphe* traceCaract, ProprietaireGraphe* application) {
    m_traceCaract = traceCaract;
    m_application = application;
}

ProprietaireGraphe* TCaractMachine::proprietaire() const {
    return m_n > 4 ? m_application : m_traceCaract;
}

ProprietaireGraphe* TCaractMachine::proprietaireCurseur() const {
    const int e = m_session.EssaiCourant;
    const bool application = e >= 0 && e <= NB_ESSAIS_MAX && m_travail.Essais[e].Entete.TypeCharge() > 50;
    ProprietaireGraphe* p = application ? m_application : m_traceCaract;
    return p ? p : proprietaire();
}

void TCaractMachine::setmenu() {
    const auto& t = Textes().Texte;
    const std::array<QAction*, 6> items{
        Suppressiondupoint1,      Suppressiondetouslespoints1, Nouvelessai1, Modificationdelacarcateristique1,
        Copierlacaracteristique1, CopierlesvaleursSel};
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i]->setText(t[txtSuppressionPoint + int(i)]);
    ZoomX->setToolTip(t[txtZoomX]);
    ZoomY->setToolTip(t[txtZoomY]);
    ZoomX->setAccessibleName(t[txtZoomX]);
    ZoomY->setAccessibleName(t[txtZoomY]);
    TextValeurX->setToolTip(t[txtValeurX]);
    TextValeurY->setToolTip(t[txtValeurY]);
    TextVariableX->setToolTip(t[txtVariableX]);
    TextVariableY->setToolTip(t[txtVariableY]);
}

void TCaractMachine::couleursEntete(const QColor& texte, const QColor& survol) {
    for (QWidget* w : std::initializer_list<QWidget*>{TextVariableY, TextValeurY, ButtonCaract, TextCaract,
                                                      TextVariableX, TextValeurX}) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, texte);
        p.setColor(QPalette::ButtonText, texte);
        p.setColor(QPalette::Button, survol);
        w->setPalette(p);
    }
}

void TCaractMachine::tracecaract() {
    // The caption and hint follow the language; the button takes the whole centre of the header.
    ButtonCaract->setText(Textes().Texte[txtCaract]);
    ButtonCaract->setToolTip(Textes().Texte[txtModificationCaract]);
    ButtonCaract->show();
    tracegraphe();
}

void TCaractMachine::preparerImage() {
    const qreal dpr = PaintBox1->devicePixelRatioF();
    const QSize taille = (QSizeF(PaintBox1->size()) * dpr).toSize();
    if (taille.isEmpty()) {
        m_image = QImage();
        return;
    }
    // The picture is in device pixels and says so through its resolution, so that margins,
    // ticks, markers and fonts keep their physical size on a high-density screen.
    if (m_image.size() != taille) m_image = QImage(taille, QImage::Format_RGB32);
    const int dpm = qRound(PaintBox1->logicalDpiX() * dpr / 0.0254);
    m_image.setDotsPerMeterX(dpm);
    m_image.setDotsPerMeterY(qRound(PaintBox1->logicalDpiY() * dpr / 0.0254));
}

void TCaractMachine::tracegraphe() {
    const TDefCaract& d = m_travail.EnteteTravail.DefCaract(std::clamp(m_n, 1, NB_DEF_CARACT));
    auto grandeur = [this](int c) { return c >= 0 && c < NB_COLONNES ? m_session.Colonnes[c] : TGrandeur{}; };
    const TGrandeur gx = grandeur(d.ColonneX), gy = grandeur(d.ColonneY);
    TextVariableY->setText(gy.Nom);
    TextVariableX->setText(gx.Nom);
    TextCaract->setText(gy.Symbole + u'(' + gx.Symbole + u')');
    setAccessibleName(TextCaract->text());
    setAccessibleDescription(descriptionPanneau(m_travail));
    // The drawing takes the keyboard: a screen reader names it as the panel.
    PaintBox1->setAccessibleName(TextCaract->text());
    PaintBox1->setAccessibleDescription(descriptionPanneau(m_travail));

    preparerImage();
    {
        Peinture peinture(*this);
        m_grapheEcran.Cadre = {0, 0, m_image.width(), m_image.height()};
        m_grapheEcran.setSchemaCouleurs(ConfigGenerale().SchemaCouleurs);
        m_grapheEcran.NomPolice = QStringLiteral("Arial");
        // The automatic size, counted in the screen's logical pixels: on a high-density screen the
        // graph keeps the proportions it has on an ordinary one.
        m_grapheEcran.TaillePolice = PaintBox1->width() / 200 + 5;
        cfgaxe(m_grapheEcran);
        m_grapheEcran.Dispose();
        m_grapheEcran.TraceCadre();
    }
    tracecourbe();
}

void TCaractMachine::tracecourbe() {
    if (!isVisible()) return;
    {
        Peinture peinture(*this);
        for (int k = 1; k <= NB_ESSAIS_MAX; ++k) {
            if (m_travail.Essais[k].Entete.DernierPoint() < 0) continue;
            RemplitCourbe(*m_courbe, m_travail, m_n, k, m_etat.AcquisitionEnCours);
            m_grapheEcran.TraceCourbe(*m_courbe);
        }
        m_grapheEcran.InitialiseCurseur(
            m_etat.AcquisitionEnCours ? TCurseurXor::Point : TCurseurXor::Reticule, m_session.EssaiCourant);
    }
    TextValeurY->setText(QStringLiteral("----"));
    TextValeurX->setText(QStringLiteral("----"));
}

void TCaractMachine::tracepoint(int essai, int point) {
    if (!isVisible()) return;
    setAccessibleDescription(descriptionPanneau(m_travail));
    Peinture peinture(*this);
    m_grapheEcran.CacheCurseur();
    RemplitCourbe(*m_courbe, m_travail, m_n, essai, m_etat.AcquisitionEnCours);
    m_grapheEcran.TracePoint(point, *m_courbe);
    m_grapheEcran.RetraceCurseur();
}

void TCaractMachine::curseur() {
    if (!isVisible()) return;
    Peinture peinture(*this);
    if (m_etat.Mesures[0] < 0) {
        m_grapheEcran.CacheEtDesactiveCurseur();
        TextValeurY->setText(QStringLiteral("--"));
        TextValeurX->setText(QStringLiteral("--"));
        return;
    }
    const TDefCaract& d = m_travail.EnteteTravail.DefCaract(std::clamp(m_n, 1, NB_DEF_CARACT));
    if (d.ColonneX < 0 || d.ColonneX >= NB_COLONNES || d.ColonneY < 0 || d.ColonneY >= NB_COLONNES) return;
    const int32_t vx = m_etat.Mesures[d.ColonneX], vy = m_etat.Mesures[d.ColonneY];
    m_grapheEcran.PlaceCurseur(vx, vy);
    const TGrandeur& gx = m_session.Colonnes[d.ColonneX];
    const TGrandeur& gy = m_session.Colonnes[d.ColonneY];
    TextValeurY->setText(TexteValeurUnite(vy, gy.Decimales, gy.Unite));
    TextValeurX->setText(TexteValeurUnite(vx, gx.Decimales, gx.Unite));
}

void TCaractMachine::cfgaxe(TGraphe& g) {
    const TDefCaract& d = m_travail.EnteteTravail.DefCaract(std::clamp(m_n, 1, NB_DEF_CARACT));
    // Setting the sliders from the definition is not a user's change.
    const QSignalBlocker bx(ZoomX), by(ZoomY);
    ZoomX->setValue(d.ZoomX);
    ZoomY->setValue(POSITION_ZOOM_MAX - d.ZoomY);
    g.ConfigureAxes(d, m_session.Colonnes);
}

void TCaractMachine::ZoomXChange(int position) {
    m_travail.EnteteTravail.DefCaract(std::clamp(m_n, 1, NB_DEF_CARACT)).ZoomX = position;
    tracegraphe();
}

void TCaractMachine::ZoomYChange(int position) {
    // The vertical slider runs the other way: its top is the widest range.
    m_travail.EnteteTravail.DefCaract(std::clamp(m_n, 1, NB_DEF_CARACT)).ZoomY = POSITION_ZOOM_MAX - position;
    tracegraphe();
}

void TCaractMachine::PaintBox1Paint() {
    tracegraphe();
    if (ProprietaireGraphe* p = proprietaireCurseur()) p->Curseur();
}

void TCaractMachine::PaintBox1Souris(QPoint pixel, bool appui) {
    if (appui) RemplitCourbe(*m_courbe, m_travail, m_n, m_session.EssaiCourant, m_etat.AcquisitionEnCours);
    if (!m_grapheEcran.Valide) return;
    m_etat.SelectionPoint(m_travail, m_session,
                          m_grapheEcran.PointLePlusProche(pixel.x(), pixel.y(), *m_courbe));
    if (ProprietaireGraphe* p = proprietaireCurseur()) p->Curseur();
}

void TCaractMachine::PointSuivant(int pas) {
    const Travail& t = m_travail;
    if (m_session.EssaiCourant < 1 || m_session.EssaiCourant > NB_ESSAIS_MAX) return;
    const int dernier = std::min(t.Essais[m_session.EssaiCourant].Entete.DernierPoint(), DERNIER_POINT_MAX);
    if (dernier < 0) return;
    // From the point selected, else from the first (forwards) or the last (backwards).
    const int k = m_etat.Mesures[0] >= 0 && m_etat.PointCourant >= 0
                      ? std::clamp(m_etat.PointCourant + pas, 0, dernier)
                  : pas > 0 ? 0
                            : dernier;
    m_etat.SelectionPoint(m_travail, m_session, k);
    if (ProprietaireGraphe* p = proprietaireCurseur()) p->Curseur();
    // The selected point, read as the labels show it.
    PaintBox1->setAccessibleDescription(Traduit("Point %1 : ", "Point %1: ", "Punto %1: ").arg(k) +
                                        TextVariableX->text() + u' ' + TextValeurX->text() + ", " +
                                        TextVariableY->text() + u' ' + TextValeurY->text());
}

void TCaractMachine::ButtonCaractClick() {
    ProprietaireGraphe* p = proprietaire();
    if (!p) return;
    p->ModifieCaract(m_n);
    p->Action();
}

void TCaractMachine::PopupMenu1Popup() {
    const Travail& t = m_travail;
    const bool essaiValide = m_session.EssaiCourant >= 1 && m_session.EssaiCourant <= NB_ESSAIS_MAX;
    const bool essaiAvecPoint = essaiValide && t.Essais[m_session.EssaiCourant].Entete.DernierPoint() >= 0;
    bool travailAvecPoint = false;
    for (int k = 1; k <= std::min(t.EnteteTravail.NbEssais, NB_ESSAIS_MAX); ++k)
        travailAvecPoint = travailAvecPoint || t.Essais[k].Entete.DernierPoint() >= 0;
    Suppressiondupoint1->setEnabled(m_etat.Mesures[0] >= 0);
    Suppressiondetouslespoints1->setEnabled(essaiAvecPoint);
    Nouvelessai1->setEnabled(essaiAvecPoint);
    Modificationdelacarcateristique1->setEnabled(travailAvecPoint);
    Copierlacaracteristique1->setEnabled(true);
    CopierlesvaleursSel->setEnabled(true);
}
