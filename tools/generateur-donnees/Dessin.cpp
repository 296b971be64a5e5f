#include "Dessin.h"

#include <QtMath>

namespace dessin {

QImage toile() {
    QImage im(LARGEUR, HAUTEUR, QImage::Format_RGB32);
    im.fill(Qt::white);
    return im;
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void fondAtelier(QPainter& p, qreal sol) {
    QLinearGradient mur(0, 0, 0, sol);
    mur.setColorAt(0, QColor(222, 228, 234));
    mur.setColorAt(1, QColor(192, 201, 210));
    p.fillRect(QRectF(0, 0, LARGEUR, sol), mur);
    // Clerestory windows and wall panels: a hall, not a void.
    p.setPen(Qt::NoPen);
    for (qreal x = 40; x < LARGEUR; x += 190) {
        QLinearGradient verre(0, 28, 0, 96);
        verre.setColorAt(0, QColor(200, 226, 244));
        verre.setColorAt(1, QColor(160, 196, 222));
        p.setBrush(verre);
        p.drawRect(QRectF(x, 28, 130, 68));
        p.setPen(QPen(QColor(150, 160, 170), 3));
        p.drawLine(QPointF(x + 65, 28), QPointF(x + 65, 96));
        p.drawRect(QRectF(x, 28, 130, 68));
        p.setPen(Qt::NoPen);
    }
    p.setPen(QPen(QColor(206, 213, 220), 2));
    for (qreal x = 95; x < LARGEUR; x += 190)
        p.drawLine(QPointF(x, 120), QPointF(x, sol));
    p.fillRect(QRectF(0, sol - 10, LARGEUR, 10), QColor(150, 158, 166));
    QLinearGradient dalle(0, sol, 0, HAUTEUR);
    dalle.setColorAt(0, QColor(158, 163, 166));
    dalle.setColorAt(1, QColor(120, 126, 130));
    p.fillRect(QRectF(0, sol, LARGEUR, HAUTEUR - sol), dalle);
    // Floor joints drawn in perspective.
    p.setPen(QPen(QColor(140, 145, 150), 1.2));
    for (qreal x = -400; x <= LARGEUR + 400; x += 120)
        p.drawLine(QPointF(LARGEUR / 2.0 + (x - LARGEUR / 2.0) * 0.45, sol), QPointF(x, HAUTEUR));
    for (qreal y = sol + 24, pas = 18; y < HAUTEUR; y += pas, pas *= 1.35)
        p.drawLine(QPointF(0, y), QPointF(LARGEUR, y));
    p.setPen(QPen(QColor(230, 190, 40), 5));
    p.drawLine(QPointF(0, HAUTEUR - 26), QPointF(LARGEUR, HAUTEUR - 26));
}

void fondExterieur(QPainter& p, qreal sol, const QColor& terrain) {
    QLinearGradient ciel(0, 0, 0, sol);
    ciel.setColorAt(0, QColor(104, 164, 222));
    ciel.setColorAt(1, QColor(214, 232, 246));
    p.fillRect(QRectF(0, 0, LARGEUR, sol), ciel);
    // Distant hills and two clouds.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 190, 196));
    QPainterPath collines;
    collines.moveTo(0, sol);
    collines.cubicTo(160, sol - 70, 300, sol - 20, 420, sol - 46);
    collines.cubicTo(540, sol - 74, 680, sol - 10, LARGEUR, sol - 40);
    collines.lineTo(LARGEUR, sol);
    p.drawPath(collines);
    p.setBrush(QColor(255, 255, 255, 200));
    for (const QPointF c : {QPointF(150, 80), QPointF(590, 56)}) {
        p.drawEllipse(c, 60, 20);
        p.drawEllipse(c + QPointF(-30, -12), 34, 22);
        p.drawEllipse(c + QPointF(26, -16), 40, 26);
    }
    QLinearGradient sol_(0, sol, 0, HAUTEUR);
    sol_.setColorAt(0, terrain.lighter(110));
    sol_.setColorAt(1, terrain.darker(125));
    p.fillRect(QRectF(0, sol, LARGEUR, HAUTEUR - sol), sol_);
}

QLinearGradient degradeVertical(const QRectF& r, const QColor& c) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, c.lighter(125));
    g.setColorAt(1, c.darker(125));
    return g;
}

QLinearGradient cylindreHorizontal(const QRectF& r, const QColor& c) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, c.darker(135));
    g.setColorAt(0.28, c.lighter(145));
    g.setColorAt(0.55, c);
    g.setColorAt(1, c.darker(175));
    return g;
}

QLinearGradient cylindreVertical(const QRectF& r, const QColor& c) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, c.darker(140));
    g.setColorAt(0.3, c.lighter(145));
    g.setColorAt(0.6, c);
    g.setColorAt(1, c.darker(170));
    return g;
}

QRadialGradient sphere(const QPointF& centre, qreal rayon, const QColor& c) {
    QRadialGradient g(centre, rayon, centre - QPointF(rayon * 0.35, rayon * 0.35));
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(0.7, c);
    g.setColorAt(1, c.darker(150));
    return g;
}

void contour(QPainter& p, qreal epaisseur) {
    p.setPen(QPen(couleur::trait, epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void boite(QPainter& p, const QRectF& r, const QColor& c, qreal rayon) {
    contour(p);
    p.setBrush(degradeVertical(r, c));
    p.drawRoundedRect(r, rayon, rayon);
}

void cylindreH(QPainter& p, const QRectF& r, const QColor& c) {
    contour(p);
    p.setBrush(cylindreHorizontal(r, c));
    p.drawRoundedRect(r, 2, 2);
}

void cylindreV(QPainter& p, const QRectF& r, const QColor& c) {
    contour(p);
    p.setBrush(cylindreVertical(r, c));
    p.drawRoundedRect(r, 2, 2);
}

void disque(QPainter& p, const QPointF& centre, qreal rayon, const QColor& c, bool rayons) {
    contour(p);
    p.setBrush(sphere(centre, rayon, c));
    p.drawEllipse(centre, rayon, rayon);
    if (rayons) {
        p.setBrush(c.darker(160));
        p.drawEllipse(centre, rayon * 0.8, rayon * 0.8);
        p.setPen(QPen(c, rayon * 0.14, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 5; ++i) {
            const qreal a = qDegreesToRadians(i * 72.0 - 90);
            p.drawLine(centre, centre + QPointF(std::cos(a), std::sin(a)) * rayon * 0.8);
        }
        contour(p);
    }
    p.setBrush(c.darker(130));
    p.drawEllipse(centre, rayon * 0.22, rayon * 0.22);
    p.setBrush(couleur::acier);
    p.drawEllipse(centre, rayon * 0.08, rayon * 0.08);
}

void ombre(QPainter& p, const QRectF& r) {
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, QColor(0, 0, 0, 80));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(r.center());
    p.scale(1, r.height() / r.width());
    p.translate(-r.center());
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r.center(), r.width() / 2, r.width() / 2);
    p.restore();
}

QPointF moteur(QPainter& p, const QPointF& arbre, qreal h, Sens sens) {
    p.save();
    p.translate(arbre);
    switch (sens) {
    case Sens::Droite:
        break;
    case Sens::Gauche:
        p.scale(-1, 1);
        break;
    case Sens::Bas:
        p.rotate(90);
        break;
    case Sens::Haut:
        p.rotate(-90);
        break;
    }
    const bool pattes = sens == Sens::Droite || sens == Sens::Gauche;
    const QColor c = couleur::moteur;
    // Feet first, under the body.
    if (pattes) {
        boite(p, QRectF(-1.38 * h, 0.36 * h, 0.34 * h, 0.22 * h), c.darker(115), 1);
        boite(p, QRectF(-0.56 * h, 0.36 * h, 0.34 * h, 0.22 * h), c.darker(115), 1);
    } else {
        boite(p, QRectF(-0.1 * h, -0.62 * h, 0.08 * h, 1.24 * h), c.darker(110), 1); // mounting flange
    }
    // Fan cowl at the back, with its grille.
    const QRectF capot(-1.86 * h, -0.44 * h, 0.4 * h, 0.88 * h);
    contour(p);
    p.setBrush(cylindreHorizontal(capot, c.darker(108)));
    p.drawRoundedRect(capot, 0.16 * h, 0.16 * h);
    p.setPen(QPen(c.darker(170), h / 40));
    for (int i = 1; i < 6; ++i)
        p.drawLine(QPointF(capot.left() + 0.05 * h, capot.top() + i * capot.height() / 6),
                   QPointF(capot.left() + 0.12 * h, capot.top() + i * capot.height() / 6));
    // Finned body.
    const QRectF corps(-1.48 * h, -0.5 * h, 1.4 * h, h);
    contour(p);
    p.setBrush(cylindreHorizontal(corps, c));
    p.drawRoundedRect(corps, 0.05 * h, 0.05 * h);
    p.setPen(QPen(c.darker(150), h / 45));
    for (int i = 1; i < 10; ++i) {
        const qreal y = corps.top() + i * h / 10;
        p.drawLine(QPointF(corps.left() + 0.06 * h, y), QPointF(corps.right() - 0.06 * h, y));
    }
    // Drive-end shield.
    boite(p, QRectF(-0.1 * h, -0.42 * h, 0.1 * h, 0.84 * h), c.darker(112), 0.03 * h);
    // Terminal box and its cable gland.
    const QRectF bornier(-1.0 * h, -0.72 * h, 0.52 * h, 0.24 * h);
    boite(p, bornier, c.lighter(108), 0.04 * h);
    boite(p, QRectF(bornier.right() - 0.02 * h, -0.66 * h, 0.1 * h, 0.1 * h), couleur::acierSombre, 0.02 * h);
    // Rating plate.
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(QColor(236, 236, 226));
    p.drawRect(QRectF(-0.9 * h, -0.18 * h, 0.3 * h, 0.2 * h));
    // Shaft.
    const QRectF bout(0, -0.07 * h, 0.3 * h, 0.14 * h);
    cylindreH(p, bout, couleur::acier);
    const QPointF pointe = p.transform().map(QPointF(0.3 * h, 0));
    p.restore();
    return pointe;
}

void socle(QPainter& p, const QPointF& arbre, qreal h, qreal y, Sens sens) {
    const qreal haut = arbre.y() + 0.58 * h;
    if (y <= haut) return;
    const qreal x = sens == Sens::Gauche ? arbre.x() + 0.12 * h : arbre.x() - 1.5 * h;
    boite(p, QRectF(x, haut, 1.38 * h, y - haut), QColor(84, 92, 100), 1);
}

void moteurFace(QPainter& p, const QPointF& centre, qreal r, qreal poulie) {
    const QColor c = couleur::moteur;
    boite(p, QRectF(centre.x() - r * 0.95, centre.y() + r * 0.7, r * 0.5, r * 0.36), c.darker(115), 1);
    boite(p, QRectF(centre.x() + r * 0.45, centre.y() + r * 0.7, r * 0.5, r * 0.36), c.darker(115), 1);
    boite(p, QRectF(centre.x() - r * 0.32, centre.y() - r * 1.24, r * 0.64, r * 0.34), c.lighter(108), 2);
    contour(p);
    p.setBrush(sphere(centre, r, c));
    p.drawEllipse(centre, r, r);
    // Fins seen end on, around the body.
    p.setPen(QPen(c.darker(150), r / 16));
    for (int i = 0; i < 24; ++i) {
        const qreal a = i * M_PI / 12;
        const QPointF u(std::cos(a), std::sin(a));
        p.drawLine(centre + u * r * 0.86, centre + u * r * 0.99);
    }
    contour(p);
    p.setBrush(c.darker(112));
    p.drawEllipse(centre, r * 0.78, r * 0.78);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.darker(150), r / 20));
    for (qreal k = 0.2; k < 0.75; k += 0.14)
        p.drawEllipse(centre, r * k, r * k);
    if (poulie > 0) disque(p, centre, poulie, couleur::acier);
}

void reducteur(QPainter& p, const QRectF& r, const QColor& c) {
    boite(p, r, c, 6);
    p.setPen(QPen(c.darker(140), 2));
    for (qreal x = r.left() + r.width() * 0.2; x < r.right() - 4; x += r.width() * 0.2)
        p.drawLine(QPointF(x, r.top() + 6), QPointF(x, r.bottom() - 6));
    boite(p, QRectF(r.center().x() - 6, r.top() - 8, 12, 9), c.lighter(130), 2); // breather
}

void accouplement(QPainter& p, const QPointF& centre, qreal h) {
    cylindreH(p, QRectF(centre.x() - 0.22 * h, centre.y() - 0.24 * h, 0.2 * h, 0.48 * h),
              couleur::acierSombre);
    cylindreH(p, QRectF(centre.x() + 0.02 * h, centre.y() - 0.24 * h, 0.2 * h, 0.48 * h),
              couleur::acierSombre);
    cylindreH(p, QRectF(centre.x() - 0.02 * h, centre.y() - 0.18 * h, 0.04 * h, 0.36 * h),
              QColor(40, 40, 40));
}

void chassis(QPainter& p, qreal x1, qreal x2, qreal y, qreal hauteur) {
    boite(p, QRectF(x1, y, x2 - x1, hauteur), QColor(80, 88, 96), 2);
    for (const qreal x : {x1 + 6, x2 - 26})
        boite(p, QRectF(x, y + hauteur, 20, 8), QColor(60, 64, 70), 1);
}

void caisse(QPainter& p, const QRectF& r, const QColor& c) {
    boite(p, r, c, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(c.lighter(118));
    p.drawRect(QRectF(r.center().x() - r.width() * 0.08, r.top() + 1, r.width() * 0.16, r.height() * 0.3));
    p.setBrush(QColor(245, 245, 240));
    p.drawRect(QRectF(r.left() + r.width() * 0.12, r.bottom() - r.height() * 0.36, r.width() * 0.3,
                      r.height() * 0.2));
}

void palette(QPainter& p, const QRectF& r) {
    const QColor c = couleur::bois;
    const qreal e = r.height() * 0.22;
    boite(p, QRectF(r.left(), r.top(), r.width(), e), c, 1);
    boite(p, QRectF(r.left(), r.bottom() - e, r.width(), e), c.darker(110), 1);
    const qreal bloc = r.width() * 0.14;
    for (const qreal x : {r.left(), r.center().x() - bloc / 2, r.right() - bloc})
        boite(p, QRectF(x, r.top() + e, bloc, r.height() - 2 * e), c.darker(120), 1);
}

void poutre(QPainter& p, const QRectF& r, const QColor& c) {
    const qreal aile = std::min(r.height() * 0.2, 12.0);
    boite(p, QRectF(r.left(), r.top() + aile, r.width(), r.height() - 2 * aile), c.darker(115), 0);
    boite(p, QRectF(r.left(), r.top(), r.width(), aile), c.lighter(110), 0);
    boite(p, QRectF(r.left(), r.bottom() - aile, r.width(), aile), c, 0);
}

void treillis(QPainter& p, const QRectF& r, const QColor& c, bool vertical) {
    QPen barre(c.darker(110), vertical ? r.width() * 0.05 : r.height() * 0.05, Qt::SolidLine, Qt::RoundCap);
    QPen bord(couleur::trait, barre.widthF() + 2.4, Qt::SolidLine, Qt::RoundCap);
    QPolygonF zigzag;
    const qreal pas = vertical ? r.width() : r.height();
    const qreal longueur = vertical ? r.height() : r.width();
    for (int i = 0; i * pas <= longueur + 0.5; ++i) {
        const qreal s = i * pas;
        zigzag << (vertical ? QPointF(i % 2 ? r.right() : r.left(), r.bottom() - s)
                            : QPointF(r.left() + s, i % 2 ? r.top() : r.bottom()));
    }
    for (const QPen& pen : {bord, barre}) {
        p.setPen(pen);
        p.drawPolyline(zigzag);
    }
    const qreal membrure = barre.widthF() * 1.8;
    if (vertical) {
        boite(p, QRectF(r.left() - membrure / 2, r.top(), membrure, r.height()), c, 1);
        boite(p, QRectF(r.right() - membrure / 2, r.top(), membrure, r.height()), c, 1);
    } else {
        boite(p, QRectF(r.left(), r.top() - membrure / 2, r.width(), membrure), c, 1);
        boite(p, QRectF(r.left(), r.bottom() - membrure / 2, r.width(), membrure), c, 1);
    }
}

void cable(QPainter& p, const QPointF& a, const QPointF& b, qreal epaisseur) {
    p.setPen(QPen(QColor(50, 54, 58), epaisseur, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a, b);
    p.setPen(QPen(QColor(150, 156, 160), epaisseur * 0.35, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a, b);
}

QPointF crochet(QPainter& p, const QPointF& haut, qreal t) {
    const QRectF moufle(haut.x() - 18 * t, haut.y(), 36 * t, 46 * t);
    boite(p, moufle, couleur::jaune, 6 * t);
    disque(p, QPointF(haut.x(), haut.y() + 18 * t), 11 * t, couleur::acier);
    boite(p, QRectF(haut.x() - 5 * t, moufle.bottom(), 10 * t, 10 * t), couleur::acierSombre, 1);
    QPainterPath c;
    const qreal y0 = moufle.bottom() + 10 * t;
    c.moveTo(haut.x(), y0);
    c.lineTo(haut.x(), y0 + 12 * t);
    c.cubicTo(haut.x(), y0 + 34 * t, haut.x() - 24 * t, y0 + 34 * t, haut.x() - 22 * t, y0 + 18 * t);
    p.setPen(QPen(couleur::trait, 9 * t, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(c);
    p.setPen(QPen(couleur::acier.lighter(110), 5 * t, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(c);
    return {haut.x() - 6 * t, y0 + 28 * t};
}

void bride(QPainter& p, const QPointF& centre, qreal d, bool verticale) {
    const QRectF r = verticale ? QRectF(centre.x() - d * 0.16, centre.y() - d * 0.8, d * 0.32, d * 1.6)
                               : QRectF(centre.x() - d * 0.8, centre.y() - d * 0.16, d * 1.6, d * 0.32);
    boite(p, r, couleur::acierSombre, 1);
}

void tuyau(QPainter& p, const QPolygonF& trajet, qreal d, const QColor& c) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(couleur::trait, d + 3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPolyline(trajet);
    p.setPen(QPen(c, d, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPolyline(trajet);
    p.setPen(QPen(c.lighter(140), d * 0.3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPolyline(trajet);
    // Flanges across the end segments.
    for (const auto& [a, b] : {std::pair(trajet.first(), trajet.value(1)),
                               std::pair(trajet.last(), trajet.value(trajet.size() - 2))}) {
        const bool verticale = std::abs(b.x() - a.x()) > std::abs(b.y() - a.y());
        bride(p, a, d, verticale);
    }
}

void manometre(QPainter& p, const QPointF& centre, qreal rayon) {
    contour(p);
    p.setBrush(couleur::acierSombre);
    p.drawEllipse(centre, rayon, rayon);
    p.setBrush(QColor(250, 250, 244));
    p.drawEllipse(centre, rayon * 0.8, rayon * 0.8);
    p.setPen(QPen(couleur::rouge, rayon * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(rayon * 0.5, -rayon * 0.45));
}

void fleche(QPainter& p, const QPointF& a, const QPointF& b, const QColor& c, bool double_) {
    const QLineF l(a, b);
    const qreal pointe = 24;
    const QPointF u = (b - a) / l.length();
    const QPointF n(-u.y(), u.x());
    const auto tete = [&](const QPointF& bout, const QPointF& dir) {
        return QPolygonF{bout, bout - dir * pointe + n * pointe * 0.55,
                         bout - dir * pointe - n * pointe * 0.55};
    };
    const QPointF debut = double_ ? a + u * pointe * 0.8 : a;
    const QPointF fin = b - u * pointe * 0.8;
    for (int passe = 0; passe < 2; ++passe) {
        const QColor trait = passe == 0 ? QColor(255, 255, 255, 220) : c;
        const qreal e = passe == 0 ? 4 : 0;
        p.setPen(QPen(trait, 8 + e, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawLine(debut, fin);
        p.setPen(QPen(trait, 1 + e, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(trait);
        p.drawPolygon(tete(b, u));
        if (double_) p.drawPolygon(tete(a, -u));
    }
}

void flecheRotation(QPainter& p, const QPointF& centre, qreal rayon, qreal debutDeg, qreal etendueDeg,
                    const QColor& c) {
    const QRectF r(centre.x() - rayon, centre.y() - rayon, 2 * rayon, 2 * rayon);
    // Angles counter-clockwise from 3 o'clock, as QPainter's arcs; the head sits at the end.
    const qreal fin = qDegreesToRadians(debutDeg + etendueDeg);
    const QPointF bout = centre + QPointF(std::cos(fin), -std::sin(fin)) * rayon;
    const qreal signe = etendueDeg > 0 ? 1 : -1;
    const QPointF tangente = QPointF(-std::sin(fin), -std::cos(fin)) * signe;
    const QPointF n(-tangente.y(), tangente.x());
    const qreal pointe = 20;
    const qreal retrait = signe * qRadiansToDegrees(pointe * 0.7 / rayon);
    for (int passe = 0; passe < 2; ++passe) {
        const QColor trait = passe == 0 ? QColor(255, 255, 255, 220) : c;
        const qreal e = passe == 0 ? 4 : 0;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(trait, 7 + e, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(r, int(debutDeg * 16), int((etendueDeg - retrait) * 16));
        p.setPen(QPen(trait, 1 + e, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(trait);
        p.drawPolygon(QPolygonF{bout + tangente * pointe * 0.45,
                                bout - tangente * pointe * 0.75 + n * pointe * 0.55,
                                bout - tangente * pointe * 0.75 - n * pointe * 0.55});
    }
}

} // namespace dessin
