#include "NouvelCaract.h"

#include "BoutonsCalibre.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/Textes.h"
#include "work/SessionTravail.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QVBoxLayout>

namespace {

// Signs each quadrant code shows on X then Y: -1 negative half only, 0 both, +1 positive half.
struct Region {
    int x, y;
};
constexpr std::array<Region, NB_QUADRANTS> regions = {
    {{0, 0}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}}};

// Place of each code in the 3 x 3 grid: the quadrants of the plane around the centre.
struct Case {
    int ligne, colonne;
};
constexpr std::array<Case, NB_QUADRANTS> cases = {
    {{1, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}, {0, 0}, {0, 1}}};

} // namespace

TBoutonQuadrant::TBoutonQuadrant(int code, QWidget* parent) : QToolButton(parent), m_code(code) {
    setObjectName(QString("Q%1").arg(code));
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize TBoutonQuadrant::sizeHint() const {
    const int c = fontMetrics().height() * 3;
    return {c, c};
}

void TBoutonQuadrant::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionToolButton o;
    initStyleOption(&o);
    o.text.clear();
    o.icon = QIcon();
    p.drawComplexControl(QStyle::CC_ToolButton, o);

    // The plane drawn in logical pixels, so that it stays sharp at any scale.
    const qreal m = width() / 5.0;
    const QRectF plan = QRectF(rect()).adjusted(m, m, -m, -m);
    const Region r = regions[m_code];
    const qreal cx = plan.center().x();
    const qreal cy = plan.center().y();
    const QRectF zone(QPointF(r.x > 0 ? cx : plan.left(), r.y < 0 ? cy : plan.top()),
                      QPointF(r.x < 0 ? cx : plan.right(), r.y > 0 ? cy : plan.bottom()));
    const QPalette::ColorGroup g = isEnabled() ? QPalette::Active : QPalette::Disabled;
    p.setRenderHint(QPainter::Antialiasing);
    QColor fond = palette().color(g, QPalette::Highlight);
    // The chosen region stands out; the others are only suggested.
    fond.setAlpha(!isEnabled() ? 40 : isChecked() ? 230 : 90);
    p.fillRect(zone, fond);
    QPen axe(palette().color(g, QPalette::ButtonText), 1.2);
    p.setPen(axe);
    p.drawLine(QPointF(plan.left(), cy), QPointF(plan.right(), cy));
    p.drawLine(QPointF(cx, plan.top()), QPointF(cx, plan.bottom()));
}

void TBoutonQuadrant::mouseDoubleClickEvent(QMouseEvent* e) {
    QToolButton::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton) emit doubleClic(m_code);
}

namespace {

QGroupBox* liste(const char* nom, QWidget* parent) {
    auto* g = new QGroupBox(parent);
    g->setObjectName(nom);
    auto* l = new QVBoxLayout(g);
    l->addStretch();
    return g;
}

} // namespace

TNouvelCaract::TNouvelCaract(Travail& travail, SessionTravail& session, QWidget* parent)
    : QDialog(parent), m_travail(travail), m_session(session) {
    setObjectName("NouvelCaract");
    setProperty(aide::Propriete, aide::NouvelCaract);
    setModal(true);

    RadioGroupY = liste("RadioGroupY", this);
    RadioGroupX = liste("RadioGroupX", this);
    m_boutonsY = new QButtonGroup(this);
    m_boutonsX = new QButtonGroup(this);
    connect(m_boutonsY, &QButtonGroup::idClicked, this, &TNouvelCaract::RadioGroupYClick);
    connect(m_boutonsX, &QButtonGroup::idClicked, this, &TNouvelCaract::RadioGroupXClick);

    GroupBoxQuadrants = new QGroupBox(this);
    GroupBoxQuadrants->setObjectName("GroupBoxQuadrants");
    auto* grille = new QGridLayout(GroupBoxQuadrants);
    grille->setSpacing(2);
    m_boutonsQ = new QButtonGroup(this);
    for (int q = 0; q < NB_QUADRANTS; ++q) {
        Q[q] = new TBoutonQuadrant(q, GroupBoxQuadrants);
        m_boutonsQ->addButton(Q[q], q);
        grille->addWidget(Q[q], cases[q].ligne, cases[q].colonne);
        connect(Q[q], &TBoutonQuadrant::doubleClic, this, &TNouvelCaract::QuadrantDoubleClick);
    }
    connect(m_boutonsQ, &QButtonGroup::idClicked, this, &TNouvelCaract::QuadrantClick);

    const BoutonsCalibre calibres = creeBoutonsCalibre(this);
    GroupBoxCalibre = calibres.GroupBoxCalibre;
    ButtonCalibre2A = calibres.ButtonCalibre2A;
    ButtonCalibre20A = calibres.ButtonCalibre20A;
    // A range in amperes reads the same in every language.
    ButtonCalibre2A->setText("2 A");
    ButtonCalibre20A->setText("20 A");
    connect(ButtonCalibre2A, &QToolButton::clicked, this, &TNouvelCaract::ButtonCalibre2AClick);
    connect(ButtonCalibre20A, &QToolButton::clicked, this, &TNouvelCaract::ButtonCalibre20AClick);

    BtnOK = new QPushButton(this);
    BtnOK->setObjectName("BtnOK");
    BtnOK->setDefault(true);
    BitBtn2 = new QPushButton(this);
    BitBtn2->setObjectName("BitBtn2");
    connect(BtnOK, &QPushButton::clicked, this, &TNouvelCaract::BtnOKClick);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* droite = new QVBoxLayout;
    droite->addWidget(GroupBoxQuadrants, 0, Qt::AlignHCenter);
    droite->addWidget(GroupBoxCalibre);
    droite->addStretch();
    auto* haut = new QHBoxLayout;
    haut->addWidget(RadioGroupY);
    haut->addWidget(RadioGroupX);
    haut->addLayout(droite);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    for (QPushButton* b : {BtnOK, BitBtn2}) {
        b->setMinimumWidth(b->fontMetrics().averageCharWidth() * 14);
        bas->addWidget(b);
    }
    auto* l = new QVBoxLayout(this);
    l->addLayout(haut);
    l->addLayout(bas);
    Langue();
}

void TNouvelCaract::Prepare(ModeDefinition mode, int cible) {
    m_def.Mode = mode;
    m_def.Cible = cible;
}

void TNouvelCaract::InitCaract_Y_de_X(int colonneY, int colonneX) {
    m_def.InitCaract_Y_de_X(m_travail, m_session, colonneY, colonneX, ConfigGenerale().ClassePuissance);
}

void TNouvelCaract::Langue() {
    const auto& t = Textes().Texte;
    setWindowTitle(m_def.Mode == ModeDefinition::Nouveau ? t[221] : t[222]);
    RadioGroupY->setTitle(t[249]);
    RadioGroupY->setToolTip(BulleOrdonnee());
    RadioGroupX->setTitle(t[250]);
    RadioGroupX->setToolTip(BulleAbscisse());
    GroupBoxQuadrants->setTitle(t[251]);
    for (int q = 0; q < NB_QUADRANTS; ++q) {
        Q[q]->setToolTip(BulleQuadrant(q));
        Q[q]->setAccessibleName(BulleQuadrant(q));
    }
    GroupBoxCalibre->setTitle(t[252]);
    BtnOK->setText(t[0]);
    BitBtn2->setText(t[1]);
}

void TNouvelCaract::showEvent(QShowEvent* e) {
    FormShow();
    QDialog::showEvent(e);
}

void TNouvelCaract::FormShow() {
    Langue();
    Travail& t = m_travail;
    m_def.Prepare(t, m_session);
    remplit(RadioGroupY, m_boutonsY, m_def.NomsOrdonnee(m_session));
    remplit(RadioGroupX, m_boutonsX, m_def.NomsAbscisse(m_session));
    (DefinitionCaract::Calibre2A(m_session) ? ButtonCalibre2A : ButtonCalibre20A)->setChecked(true);
    Action();
    ajuste();
    if (QAbstractButton* b = m_boutonsY->button(m_def.PositionY)) b->setFocus();
}

void TNouvelCaract::ajuste() {
    // The lists change length with the machine and the load: lay them out now, then fit the
    // window to them, smaller as well as larger.
    for (QGroupBox* g : {RadioGroupY, RadioGroupX}) {
        g->layout()->activate();
        g->updateGeometry();
    }
    layout()->activate();
    adjustSize();
}

void TNouvelCaract::remplit(QGroupBox* groupe, QButtonGroup* boutons, const QStringList& noms) {
    for (QAbstractButton* b : boutons->buttons()) {
        boutons->removeButton(b);
        delete b;
    }
    auto* l = static_cast<QVBoxLayout*>(groupe->layout());
    for (int i = 0; i < noms.size(); ++i) {
        auto* r = new QRadioButton(noms[i], groupe);
        r->setObjectName(QString("%1_%2").arg(groupe->objectName()).arg(i));
        boutons->addButton(r, i);
        l->insertWidget(i, r);
    }
}

void TNouvelCaract::Action() {
    if (QAbstractButton* b = m_boutonsY->button(m_def.PositionY)) b->setChecked(true);
    if (QAbstractButton* b = m_boutonsX->button(m_def.PositionX)) b->setChecked(true);
    for (int q = 0; q < NB_QUADRANTS; ++q)
        Q[q]->setEnabled(m_def.QuadrantPermis(q));
    Q[m_def.Quadrant]->setChecked(true);
}

void TNouvelCaract::RadioGroupXClick(int position) {
    m_def.ChoisitAbscisse(position);
    Action();
}

void TNouvelCaract::RadioGroupYClick(int position) {
    m_def.ChoisitOrdonnee(position);
    Action();
}

void TNouvelCaract::QuadrantClick(int code) {
    m_def.ChoisitQuadrant(code);
    Action();
}

void TNouvelCaract::QuadrantDoubleClick(int code) {
    if (!m_def.DoubleClicConfirme(code)) return;
    m_def.ChoisitQuadrant(code);
    BtnOKClick();
}

void TNouvelCaract::BtnOKClick() {
    if (m_def.Valide(m_travail, m_session, ConfigGenerale().ClassePuissance))
        accept();
    else
        reject(); // a slot outside 1..8 names no definition: nothing was written
}

void TNouvelCaract::ButtonCalibre2AClick() {
    m_def.ChoisitCalibre(m_travail, m_session, 1);
}

void TNouvelCaract::ButtonCalibre20AClick() {
    m_def.ChoisitCalibre(m_travail, m_session, 0);
}
