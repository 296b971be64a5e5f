#include "PanelCaract.h"

#include "graph/Courbe.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "socle/CouleursFenetres.h"
#include "socle/Textes.h"
#include "work/Travail.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The drawing area: its paint event draws the load curve of the panel's state.
class ZoneTrace final : public QWidget {
public:
    explicit ZoneTrace(TPanelCaract& panneau) : QWidget(&panneau), m_panneau(panneau) {
        setObjectName("PaintBox");
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(160, 110);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        m_panneau.AfficheCar(p, m_panneau.etat().GenreAxes);
    }

private:
    TPanelCaract& m_panneau;
};

QLabel* libelle(const char* nom, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    return l;
}

// A caption over its value box.
QWidget* volet(QLabel*& legende, QLabel*& valeur, const char* nomLegende, const char* nomValeur,
               QWidget* parent) {
    auto* v = new QWidget(parent);
    auto* l = new QVBoxLayout(v);
    l->setContentsMargins(2, 0, 2, 0);
    l->setSpacing(2);
    legende = libelle(nomLegende, v);
    legende->setAlignment(Qt::AlignCenter);
    legende->setWordWrap(true); // on two lines in a large font rather than cut
    QPalette marine = legende->palette();
    marine.setColor(QPalette::WindowText, QColor(couleurs::legendeParametre));
    legende->setPalette(marine);
    valeur = libelle(nomValeur, v);
    valeur->setAlignment(Qt::AlignCenter);
    valeur->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    valeur->setAutoFillBackground(true);
    QPalette blanc = valeur->palette();
    blanc.setColor(QPalette::Window, QColor(couleurs::fondValeurParametre));
    blanc.setColor(QPalette::WindowText, QColor(couleurs::valeurParametre));
    valeur->setPalette(blanc);
    valeur->setMinimumWidth(80);
    l->addWidget(legende);
    l->addWidget(valeur);
    return v;
}

// The bars A and B show their maximum at the top: position Min is the top of the bar, and the keys
// and the wheel move the thumb the way they point.
QSlider* barreVerticale(const char* nom, QWidget* parent) {
    auto* b = new QSlider(Qt::Vertical, parent);
    b->setObjectName(nom);
    b->setInvertedAppearance(true);
    b->setInvertedControls(true);
    b->setTickPosition(QSlider::TicksBothSides);
    b->setTickInterval(10);
    b->setPageStep(10);
    return b;
}

QSlider* barreHorizontale(const char* nom, int min, int max, QWidget* parent) {
    auto* b = new QSlider(Qt::Horizontal, parent);
    b->setObjectName(nom);
    b->setRange(min, max);
    return b;
}

// Two small arrow buttons one above the other.
QWidget* boutonsPas(const char* nom, QToolButton*& haut, QToolButton*& bas, QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setObjectName(nom);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    for (QToolButton** b : {&haut, &bas}) {
        *b = new QToolButton(w);
        (*b)->setArrowType(b == &haut ? Qt::UpArrow : Qt::DownArrow);
        (*b)->setObjectName(QString::fromLatin1(nom) + (b == &haut ? "Up" : "Down"));
        (*b)->setFixedSize(18, 12);
        (*b)->setAutoRepeat(true);
        l->addWidget(*b);
    }
    return w;
}

// Text whose top-left corner is at (x, y), as the drawing places its texts.
void texte(QPainter& p, const QFontMetrics& fm, int64_t x, int64_t y, const QString& s) {
    p.drawText(PixelBorne(x), PixelBorne(y + fm.ascent()), s);
}

void ligne(QPainter& p, int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
    p.drawLine(PixelBorne(x1), PixelBorne(y1), PixelBorne(x2), PixelBorne(y2));
}

} // namespace

TPanelCaract::TPanelCaract(TEnteteEssai& modele, QWidget* parent)
    : QWidget(parent), m_modele(modele), m_etat(modele, ConfigGenerale()) {
    setProperty(aide::Propriete, aide::PanneauCharge);
    setMinimumSize(360, 280);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(2, 2, 2, 2);
    l->setSpacing(4);

    auto* entete = new QHBoxLayout;
    entete->setSpacing(4);
    entete->addWidget(volet(TextC1, TextB1, "TextC1", "TextB1", this), 1);
    m_volet2 = volet(TextC2, TextB2, "TextC2", "TextB2", this);
    entete->addWidget(m_volet2, 1);
    entete->addWidget(volet(TextC3, TextB3, "TextC3", "TextB3", this), 1);
    l->addLayout(entete);

    auto* milieu = new QHBoxLayout;
    milieu->setSpacing(2);
    TrackBarB = barreVerticale("TrackBarB", this);
    TrackBarA = barreVerticale("TrackBarA", this);
    PaintBox = new ZoneTrace(*this);
    milieu->addWidget(TrackBarB);
    milieu->addWidget(PaintBox, 1);
    milieu->addWidget(TrackBarA);
    l->addLayout(milieu, 1);

    PanelN = new QWidget(this);
    PanelN->setObjectName("PanelN");
    auto* ln = new QHBoxLayout(PanelN);
    ln->setContentsMargins(0, 0, 0, 0);
    TrackBarN = barreHorizontale("TrackBarN", 1, 100, PanelN);
    ln->addWidget(TrackBarN);
    l->addWidget(PanelN);

    PanelCycle = new QWidget(this);
    PanelCycle->setObjectName("PanelCycle");
    auto* lc = new QGridLayout(PanelCycle);
    lc->setContentsMargins(0, 0, 0, 0);
    lc->setHorizontalSpacing(6);
    lc->setVerticalSpacing(2);
    StaticTextReduction = libelle("StaticTextReduction", PanelCycle);
    StaticTextred = libelle("StaticTextred", PanelCycle);
    StaticTextPent = libelle("StaticTextPent", PanelCycle);
    StaticTextPente = libelle("StaticTextPente", PanelCycle);
    SpinButtonRduction =
        boutonsPas("SpinButtonRduction", SpinButtonRductionUp, SpinButtonRductionDown, PanelCycle);
    SpinButtonPente = boutonsPas("SpinButtonPente", SpinButtonPenteUp, SpinButtonPenteDown, PanelCycle);
    // One row a setting: the captions differ in length from one law to the other.
    lc->addWidget(StaticTextReduction, 0, 0);
    lc->addWidget(StaticTextred, 0, 1);
    lc->addWidget(SpinButtonRduction, 0, 2);
    lc->addWidget(StaticTextPent, 1, 0);
    lc->addWidget(StaticTextPente, 1, 1);
    lc->addWidget(SpinButtonPente, 1, 2);
    lc->setColumnStretch(3, 1);
    l->addWidget(PanelCycle);

    PanelInertie = new QWidget(this);
    PanelInertie->setObjectName("PanelInertie");
    auto* li = new QHBoxLayout(PanelInertie);
    li->setContentsMargins(0, 0, 0, 0);
    StaticTextInertie = libelle("StaticTextInertie", PanelInertie);
    TrackBarJ = barreHorizontale("TrackBarJ", 0, 50, PanelInertie);
    TextJ = libelle("TextJ", PanelInertie);
    TextJ->setMinimumWidth(QFontMetrics(TextJ->font()).horizontalAdvance("J = 0,000 kg.m²") + 4);
    li->addWidget(StaticTextInertie);
    li->addWidget(TrackBarJ, 1);
    li->addStretch(0); // keeps the value on the right when the bar is hidden (lifting)
    li->addWidget(TextJ);
    l->addWidget(PanelInertie);

    // Each handler hears its own control only.
    connect(TrackBarA, &QSlider::valueChanged, this, &TPanelCaract::TrackBarAChange);
    connect(TrackBarB, &QSlider::valueChanged, this, &TPanelCaract::TrackBarBChange);
    connect(TrackBarN, &QSlider::valueChanged, this, &TPanelCaract::TrackBarNChange);
    connect(TrackBarJ, &QSlider::valueChanged, this, &TPanelCaract::TrackBarJChange);
    connect(SpinButtonRductionUp, &QToolButton::clicked, this, &TPanelCaract::SpinButtonRductionUpClick);
    connect(SpinButtonRductionDown, &QToolButton::clicked, this, &TPanelCaract::SpinButtonRductionDownClick);
    connect(SpinButtonPenteUp, &QToolButton::clicked, this, &TPanelCaract::SpinButtonPenteUpClick);
    connect(SpinButtonPenteDown, &QToolButton::clicked, this, &TPanelCaract::SpinButtonPenteDownClick);
    Langue();
}

void TPanelCaract::Langue() {
    StaticTextInertie->setText(Textes().Texte[txt::Inertie]);
    Action();
}

void TPanelCaract::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Action(); // the bench constants may have changed since the last look
}

void TPanelCaract::SetMode(int typeCharge) {
    m_etat.SetMode(typeCharge);
    rafraichit();
}

void TPanelCaract::Action() {
    m_etat.Action();
    rafraichit();
}

void TPanelCaract::rafraichit() {
    const CaractCharge& e = m_etat;
    const auto charge = [](QSlider* s, const Reglette& r) {
        const QSignalBlocker bloque(s);
        s->setRange(r.Min, r.Max);
        s->setValue(r.Position);
    };
    charge(TrackBarA, e.TrackBarA);
    charge(TrackBarB, e.TrackBarB);
    charge(TrackBarN, e.TrackBarN);
    charge(TrackBarJ, e.TrackBarJ);
    TextC1->setText(e.TextC1);
    TextC2->setText(e.TextC2);
    TextC3->setText(e.TextC3);
    TextB1->setText(e.TextB1);
    TextB2->setText(e.TextB2);
    TextB3->setText(e.TextB3);
    TextJ->setText(e.TextJ);
    StaticTextReduction->setText(e.StaticTextReduction);
    StaticTextred->setText(e.StaticTextred);
    StaticTextPent->setText(e.StaticTextPent);
    StaticTextPente->setText(e.StaticTextPente);
    m_volet2->setVisible(e.Volet2Visible);
    TrackBarA->setVisible(e.TrackBarAVisible);
    TrackBarB->setVisible(e.TrackBarBVisible);
    TrackBarJ->setVisible(e.TrackBarJVisible);
    PanelN->setVisible(e.PanelNVisible);
    PanelCycle->setVisible(e.PanelCycleVisible);
    PanelInertie->setVisible(e.PanelInertieVisible);
    PaintBox->update();
}

void TPanelCaract::TrackBarAChange(int position) {
    m_etat.TrackBarAChange(position);
    rafraichit();
}

void TPanelCaract::TrackBarBChange(int position) {
    m_etat.TrackBarBChange(position);
    rafraichit();
}

void TPanelCaract::TrackBarNChange(int position) {
    m_etat.TrackBarNChange(position);
    rafraichit();
}

void TPanelCaract::TrackBarJChange(int position) {
    m_etat.TrackBarJChange(position);
    TextJ->setText(m_etat.TextJ);
}

void TPanelCaract::SpinButtonRductionUpClick() {
    m_etat.SpinButtonRductionUpClick();
    rafraichit();
}

void TPanelCaract::SpinButtonRductionDownClick() {
    m_etat.SpinButtonRductionDownClick();
    rafraichit();
}

void TPanelCaract::SpinButtonPenteUpClick() {
    m_etat.SpinButtonPenteUpClick();
    rafraichit();
}

void TPanelCaract::SpinButtonPenteDownClick() {
    m_etat.SpinButtonPenteDownClick();
    rafraichit();
}

void TPanelCaract::AfficheCar(QPainter& p, int genre) {
    const AxesCar a =
        AxesDuGenre(genre, constantesBanc(ConfigGenerale()), m_modele[TEnteteEssai::MotCyclicReduction]);
    TraceCar(p, PaintBox->rect(), a.Couple, a.Vitesse);
}

void TPanelCaract::TraceCar(QPainter& p, const QRect& r, const AxeCar& couple, const AxeCar& vitesse) {
    p.fillRect(r, QColor(couleurs::fondApercuCharge));
    if (!ChargeDuPanneau(m_etat.TypeCharge) || m_etat.GenreAxes == 0) return;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(font());
    const QFontMetrics fm = p.fontMetrics();
    const GeometrieCar g =
        GeometrieTraceCar(r, couple, vitesse, fm.height(), fm.horizontalAdvance(QString::number(couple.Max)));
    const int64_t gauche = r.left(), haut = r.top(), droite = r.right(), bas = r.bottom();
    p.setPen(QPen(QColor(couleurs::axesApercuCharge), 2));

    // Speed axis, arrow to the right.
    ligne(p, gauche, g.Y0, droite, g.Y0);
    ligne(p, droite, g.Y0, droite - 10, g.Y0 - 5);
    ligne(p, droite, g.Y0, droite - 10, g.Y0 + 5);
    texte(p, fm, droite - fm.horizontalAdvance(vitesse.Libelle) - 5, g.Y0 - fm.height() - 5, vitesse.Libelle);
    for (const Graduation& t : g.GraduationsVitesse) {
        const QString s = QString::number(t.Valeur);
        ligne(p, t.Pixel, g.Y0, t.Pixel, g.Y0 + 5);
        texte(p, fm, t.Pixel - fm.horizontalAdvance(s) / 2, g.Y0 + 5, s);
    }

    // Torque axis, arrow at the top.
    ligne(p, g.X0, haut, g.X0, bas);
    ligne(p, g.X0, haut, g.X0 - 5, haut + 10);
    ligne(p, g.X0, haut, g.X0 + 5, haut + 10);
    texte(p, fm, g.X0 + 5, haut + 5, couple.Libelle);
    for (const Graduation& t : g.GraduationsCouple) {
        const QString s = QString::number(t.Valeur);
        ligne(p, g.X0 - 5, t.Pixel, g.X0, t.Pixel);
        texte(p, fm, g.X0 - 6 - fm.horizontalAdvance(s), t.Pixel - fm.height() / 2, s);
    }

    QPolygon courbe;
    for (int i = 0; i <= m_etat.DernierPoint; ++i)
        courbe << QPoint(PixelBorne(g.colonne(m_etat.Courbe[i].X)), PixelBorne(g.ligne(m_etat.Courbe[i].Y)));
    p.setPen(QPen(QColor(255, 255, 0), 3));
    p.drawPolyline(courbe);
}
