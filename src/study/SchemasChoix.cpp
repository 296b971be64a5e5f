#include "SchemasChoix.h"

#include "work/LoisCharge.h"

#include <QPainterPath>

#include <cmath>
#include <functional>

QString ImageMachineChoix(int typeMachine) {
    if (typeMachine < 1 || typeMachine > 7) return {};
    return QString("choix_machine_%1.jpg").arg(typeMachine);
}

QString ImageChargeChoix(int typeCharge) {
    if (LoiDuType(typeCharge) == Loi::Aucune) return {};
    return QString("choix_charge_%1.jpg").arg(typeCharge, 2, 10, QChar('0'));
}

std::vector<QString> ImagesChoixCaract() {
    std::vector<QString> noms;
    for (int m = 1; m <= 7; ++m)
        noms.push_back(ImageMachineChoix(m));
    for (int c = 1; c <= DERNIER_TYPE_CHARGE; ++c)
        noms.push_back(ImageChargeChoix(c));
    return noms;
}

namespace {

// The drawings are made on a grid of this size, scaled into the frame.
constexpr qreal L = 200, H = 120;

// Scales the grid into `cadre`, keeping its proportions, centred.
void cadrage(QPainter& p, const QRectF& cadre, qreal l = L, qreal h = H) {
    const qreal k = std::min(cadre.width() / l, cadre.height() / h);
    p.translate(cadre.center().x() - l * k / 2, cadre.center().y() - h * k / 2);
    p.scale(k, k);
}

void texte(QPainter& p, const QPointF& centre, const QString& t, qreal taille, const QColor& c,
           bool gras = true) {
    QFont f = p.font();
    f.setFamily("Liberation Sans");
    f.setPixelSize(std::max(1, int(std::lround(taille))));
    f.setBold(gras);
    p.setFont(f);
    p.setPen(c);
    p.drawText(QRectF(centre.x() - 40, centre.y() - taille, 80, 2 * taille), Qt::AlignCenter, t);
}

// A winding: `n` loops along the segment from a to b (horizontal), bulging upwards.
void bobine(QPainter& p, const QPointF& a, qreal longueur, int n) {
    QPainterPath c(a);
    const qreal pas = longueur / n;
    for (int i = 0; i < n; ++i)
        c.arcTo(QRectF(a.x() + i * pas, a.y() - pas / 2, pas, pas), 180, -180);
    p.setBrush(Qt::NoBrush);
    p.drawPath(c);
}

// A supply: the line towards the machine, its kind written above, one slash per conductor.
void alimentation(QPainter& p, qreal x1, qreal x2, qreal y, const QString& nature, int conducteurs,
                  const StyleSchema& s, qreal taille) {
    p.setPen(QPen(s.encre, s.detaille ? 2.2 : 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    if (s.detaille) {
        p.drawEllipse(QPointF(x1, y), 2.5, 2.5);
        const qreal xm = x1 + (x2 - x1) * 0.35;
        for (int i = 0; i < conducteurs; ++i) {
            const qreal x = xm - (conducteurs - 1) * 2.5 + i * 5;
            p.drawLine(QPointF(x - 3, y + 5), QPointF(x + 3, y - 5));
        }
    }
    texte(p, QPointF(x1 + (x2 - x1) * (s.detaille ? 0.35 : 0.5), y - taille), nature, taille, s.encre);
}

void moteurCercle(QPainter& p, const QPointF& c, qreal r, const QString& lettre, const QString& nature,
                  const StyleSchema& s) {
    p.setPen(QPen(s.encre, s.detaille ? 2.2 : 3));
    p.setBrush(s.machine);
    p.drawEllipse(c, r, r);
    texte(p, c - QPointF(0, r * 0.22), lettre, r * (lettre.size() > 1 ? 0.62 : 0.8),
          QColor(couleurs::lettresMachine));
    texte(p, c + QPointF(0, r * 0.46), nature, r * 0.46, QColor(couleurs::lettresMachine));
}

// The variable-speed drive: a box crossed by its diagonal, its input at the top left, its output
// at the bottom right.
void variateur(QPainter& p, const QRectF& r, const QString& entree, const StyleSchema& s) {
    p.setPen(QPen(s.encre, s.detaille ? 2.2 : 3));
    p.setBrush(QColor(226, 230, 234));
    p.drawRect(r);
    p.drawLine(r.bottomLeft(), r.topRight());
    const qreal t = r.height() * 0.3;
    texte(p, r.topLeft() + QPointF(r.width() * 0.3, r.height() * 0.3), entree, t, s.encre);
    texte(p, r.topLeft() + QPointF(r.width() * 0.7, r.height() * 0.7), "~", t, s.encre);
}

// The shaft out of the machine towards the load machine, with its coupling.
void arbre(QPainter& p, qreal x1, qreal x2, qreal y, const StyleSchema& s) {
    p.setPen(QPen(s.encre, 2));
    p.setBrush(QColor(170, 178, 186));
    p.drawRect(QRectF(x1, y - 4, x2 - x1, 8));
    p.setBrush(QColor(230, 150, 60));
    p.drawRect(QRectF(x2 - 16, y - 11, 10, 22));
    // The direction of rotation.
    QPainterPath fleche;
    const QRectF arc(x1 + 4, y - 20, 16, 40);
    fleche.arcMoveTo(arc, 120);
    fleche.arcTo(arc, 120, -170);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.courbe, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(fleche);
    const QPointF bout = fleche.currentPosition();
    p.drawLine(bout, bout + QPointF(-6, 1));
    p.drawLine(bout, bout + QPointF(-1, -6));
}

} // namespace

namespace {

// Where the pieces of a machine's symbol go, in a picture and in a glyph.
struct Disposition {
    qreal largeur, y, taille; // the grid's width (120 high), the supply's line, its label's size
    QRectF boite;             // the drive
    QPointF centre;           // the machine
    qreal rayon;
    qreal debutSerie, serie; // the series winding on the supply's line
    QPointF inducteur;       // the start of the field winding, and its length
    qreal longueurInducteur;
};

Disposition disposition(int type, bool detaille) {
    const bool variateur = type >= 5, inducteur = type == 1 || type == 4;
    if (!detaille) {
        // A glyph: the machine fills the height, its supply short on the left.
        if (variateur) return {154, 50, 26, QRectF(26, 24, 52, 52), {120, 50}, 32, 0, 0, {}, 0};
        return {154, 50, 26, {}, {104, 50}, 46, 8, 44, {10, 100}, 40};
    }
    const qreal y = inducteur ? 50 : 60;
    if (variateur) return {220, y, 14, QRectF(48, y - 22, 44, 44), {142, y}, 26, 0, 0, {}, 0};
    return {220, y, 14, {}, {112, y}, 30, 50, 26, {92, 104}, 40};
}

} // namespace

void DessineSymboleMachine(QPainter& p, const QRectF& cadre, int type, const StyleSchema& s) {
    if (type < 1 || type > 7) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const bool d = s.detaille;
    const Disposition g = disposition(type, d);
    cadrage(p, cadre, g.largeur, 120);
    const qreal debut = d ? 8 : 0, y = g.y, r = g.rayon;
    const QPointF c = g.centre;
    const QPen trait(s.encre, d ? 2.2 : 4);
    if (type >= 5) {
        const QString nature = type == 5 ? "=" : type == 6 ? "3~" : "1~";
        alimentation(p, debut, g.boite.left(), y, nature, type == 6 ? 3 : 2, s, g.taille);
        variateur(p, g.boite, type == 5 ? "=" : "~", s);
        p.setPen(trait);
        p.drawLine(QPointF(g.boite.right(), y), QPointF(c.x() - r, y));
        moteurCercle(p, c, r, "M", "3~", s);
    } else {
        const bool continu = type <= 2;
        // The series winding is in the armature's line, between the supply and the machine.
        const qreal finAlimentation = type == 2 ? g.debutSerie : c.x() - r;
        alimentation(p, debut, finAlimentation, y, continu ? "=" : "3~", continu ? 2 : 3, s, g.taille);
        if (type == 2) {
            p.setPen(trait);
            bobine(p, QPointF(g.debutSerie, y), g.serie, 4);
            p.drawLine(QPointF(g.debutSerie + g.serie, y), QPointF(c.x() - r, y));
        }
        if (type == 1 || type == 4) {
            // The field winding on its own supply, coupled to the machine.
            const QPointF b = g.inducteur;
            const qreal lg = g.longueurInducteur;
            p.setPen(trait);
            bobine(p, b, lg, 4);
            if (d) {
                p.setPen(QPen(s.encre, 1.6, Qt::DashLine));
                p.drawLine(QPointF(c.x(), b.y() - lg / 8 - 2), QPointF(c.x(), y + r));
                alimentation(p, debut, b.x(), b.y(), "=", 2, s, g.taille * 0.85);
            }
        }
        moteurCercle(p, c, r, type == 4 ? "MS" : "M", continu ? "=" : "3~", s);
    }
    if (d) arbre(p, c.x() + r, 214, y, s);
    p.restore();
}

namespace {

// A plane of the load shapes: the values [xmin, xmax] x [ymin, ymax] in the zone of the grid.
struct Repere {
    QRectF zone;
    qreal xmin, xmax, ymin, ymax;
    QPointF operator()(qreal x, qreal y) const {
        return {zone.left() + (x - xmin) / (xmax - xmin) * zone.width(),
                zone.bottom() - (y - ymin) / (ymax - ymin) * zone.height()};
    }
};

void axes(QPainter& p, const Repere& r, const QString& x, const QString& y, const StyleSchema& s) {
    const QPointF o = r(0, 0);
    const qreal e = s.detaille ? 1.8 : 5;
    p.setPen(QPen(s.encre, e, Qt::SolidLine, Qt::RoundCap));
    const QPointF fx(r.zone.right() + 6, o.y()), fy(o.x(), r.zone.top() - 6);
    p.drawLine(QPointF(r.zone.left() - 2, o.y()), fx);
    p.drawLine(QPointF(o.x(), r.zone.bottom() + 2), fy);
    if (!s.detaille) return;
    p.drawLine(fx, fx + QPointF(-7, -4));
    p.drawLine(fx, fx + QPointF(-7, 4));
    p.drawLine(fy, fy + QPointF(-4, 7));
    p.drawLine(fy, fy + QPointF(4, 7));
    texte(p, fx + QPointF(-4, 12), x, 13, s.encre, false);
    texte(p, fy + QPointF(12, 4), y, 13, s.encre, false);
}

void trace(QPainter& p, const Repere& r, std::initializer_list<QPointF> points, const QPen& stylo) {
    QPainterPath c;
    bool premier = true;
    for (const QPointF& v : points) {
        if (premier)
            c.moveTo(r(v.x(), v.y()));
        else
            c.lineTo(r(v.x(), v.y()));
        premier = false;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(stylo);
    p.drawPath(c);
}

void courbeFonction(QPainter& p, const Repere& r, qreal x1, qreal x2, const std::function<qreal(qreal)>& f,
                    const QPen& stylo) {
    QPainterPath c(r(x1, f(x1)));
    for (int i = 1; i <= 60; ++i) {
        const qreal x = x1 + (x2 - x1) * i / 60;
        c.lineTo(r(x, f(x)));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(stylo);
    p.drawPath(c);
}

// What K changes: a double arrow from a to b, with "K" beside it.
void reglageK(QPainter& p, const QPointF& a, const QPointF& b, const QPointF& etiquette,
              const StyleSchema& s) {
    p.setPen(QPen(s.encre, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    const QPointF u = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-u.y(), u.x());
    for (const auto& [bout, sens] : {std::pair{a, u}, std::pair{b, -u}}) {
        p.drawLine(bout, bout + sens * 7 + n * 4);
        p.drawLine(bout, bout + sens * 7 - n * 4);
    }
    texte(p, (a + b) / 2 + etiquette, "K", 13, s.encre);
}

// The added inertia of the loads in time: a flywheel.
void volant(QPainter& p, const QPointF& c, const StyleSchema& s) {
    p.setPen(QPen(s.encre, 1.6));
    p.setBrush(QColor(200, 206, 212));
    p.drawEllipse(c, 14, 14);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 9, 9);
    for (int i = 0; i < 3; ++i) {
        const qreal a = i * 2 * M_PI / 3;
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * 9);
    }
    p.setBrush(s.encre);
    p.drawEllipse(c, 2.5, 2.5);
    texte(p, c + QPointF(0, 26), "J", 14, s.encre);
}

} // namespace

void DessineAllureCharge(QPainter& p, const QRectF& cadre, int type, const StyleSchema& s) {
    const Loi loi = LoiDuType(type);
    if (loi == Loi::Aucune) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    cadrage(p, cadre);
    const bool d = s.detaille;
    // The right of the grid is kept for the flywheel of the loads in time.
    const QRectF zone = d ? QRectF(24, 18, 142, 86) : QRectF(16, 10, 170, 100);
    const QPen stylo(s.courbe, d ? 4 : 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen autre(s.courbe.lighter(150), 1.6, Qt::DashLine);
    Repere r{zone, 0, 1.15, 0, 1.1};
    QString x = "n", y = "T";
    if (loi == Loi::Entrainante) r = {zone, 0, 1.35, -1.05, 0.6};
    if (loi == Loi::AideCouplage) r = {zone, 0, 2.1, -1.15, 1.15}, x = "t", y = "U";
    if (loi == Loi::Cyclique) r = {zone, 0, 2.1, 0, 1.1}, x = "tr";
    if (loi == Loi::Levage) r = {zone, -1.1, 1.1, -0.2, 1.1};
    axes(p, r, x, y, s);
    switch (loi) {
    case Loi::Aucune:
        break;
    case Loi::CoupleImpose: // T = K: a torque set by K, whatever the speed
        if (d)
            for (qreal k : {0.3, 0.8})
                trace(p, r, {{0, k}, {1.1, k}}, autre);
        trace(p, r, {{0, 0.55}, {1.1, 0.55}}, stylo);
        if (d) reglageK(p, r(0.95, 0.3), r(0.95, 0.8), {10, 0}, s);
        break;
    case Loi::VitesseConstante: // the speed held, the torque up to a limit set by K
        trace(p, r, {{1, 0}, {1, 0.65}}, stylo);
        if (d) reglageK(p, r(1.08, 0.4), r(1.08, 0.92), {10, 0}, s);
        break;
    case Loi::VitesseImposee: // the speed set by K
        if (d)
            for (qreal k : {0.3, 0.9})
                trace(p, r, {{k, 0}, {k, 1}}, autre);
        trace(p, r, {{0.6, 0}, {0.6, 1}}, stylo);
        if (d) reglageK(p, r(0.3, 1.05), r(0.9, 1.05), {0, -12}, s);
        break;
    case Loi::Entrainante: // a driving load towards No, K its slope
        if (d)
            for (qreal k : {0.35, 1.0})
                courbeFonction(
                    p, r, 0, 1.35, [k](qreal n) { return k * (n - 1.2) / 1.2; }, autre);
        courbeFonction(
            p, r, 0, 1.35, [](qreal n) { return 0.7 * (n - 1.2) / 1.2; }, stylo);
        if (d) {
            texte(p, r(1.2, 0) + QPointF(-4, 12), "No", 12, s.encre, false);
            reglageK(p, r(0.25, -0.3), r(0.25, -0.85), {12, 4}, s);
        }
        break;
    case Loi::AideCouplage: // the alternator's voltage brought onto the mains'
        courbeFonction(
            p, r, 0, 2.05, [](qreal t) { return std::sin(2 * M_PI * (t - 0.06)); },
            QPen(s.encre, d ? 2 : 6, Qt::DashLine));
        courbeFonction(
            p, r, 0, 2.05, [](qreal t) { return std::sin(2 * M_PI * t); }, stylo);
        break;
    case Loi::CoupleConstant:
        trace(p, r, {{0, 0}, {0, 0.5}, {1.1, 0.5}}, stylo);
        break;
    case Loi::Lineaire:
        trace(p, r, {{0, 0}, {0, 0.3}, {1.1, 0.74}}, stylo);
        break;
    case Loi::Quadratique:
        trace(p, r, {{0, 0}, {0, 0.15}}, stylo);
        courbeFonction(
            p, r, 0, 1.1, [](qreal n) { return 0.15 + 0.75 * n * n; }, stylo);
        break;
    case Loi::PuissanceConstante:
        trace(p, r, {{0, 0.9}, {0.42, 0.9}}, stylo);
        courbeFonction(
            p, r, 0.42, 1.12, [](qreal n) { return 0.9 * 0.42 / n; }, stylo);
        break;
    case Loi::Cyclique:
        trace(p, r,
              {{0, 0.3},
               {0.4, 0.3},
               {0.5, 0.85},
               {0.9, 0.85},
               {1, 0.3},
               {1.4, 0.3},
               {1.5, 0.85},
               {1.9, 0.85},
               {2, 0.3}},
              stylo);
        break;
    case Loi::Decollage:
        trace(p, r, {{0, 0}, {0, 0.85}, {0.18, 0.35}, {1.1, 0.35}}, stylo);
        break;
    case Loi::Levage:
        trace(p, r, {{-1.05, 0.35}, {0, 0.35}, {0, 0.9}, {1.05, 0.9}}, stylo);
        break;
    }
    if (d && ChargeDynamique(type)) volant(p, QPointF(186, 26), s);
    p.restore();
}
