// The illustrations of the applications catalogue that no load group shows: packaging,
// positioning, synchronisation, generators, explosive atmospheres.
#include "Dessin.h"
#include "Images.h"

#include <QtMath>

using namespace dessin;

namespace {

// A warning triangle with a flame: hazardous area, without words.
void danger(QPainter& p, const QPointF& c, qreal t) {
    contour(p, 3);
    p.setBrush(couleur::jaune);
    p.drawPolygon(
        QPolygonF{c + QPointF(0, -t), c + QPointF(t * 0.9, t * 0.6), c + QPointF(-t * 0.9, t * 0.6)});
    QPainterPath flamme;
    const QPointF b = c + QPointF(0, t * 0.42);
    flamme.moveTo(b + QPointF(-t * 0.26, 0));
    flamme.cubicTo(b + QPointF(-t * 0.36, -t * 0.4), b + QPointF(-t * 0.02, -t * 0.5),
                   b + QPointF(0, -t * 0.86));
    flamme.cubicTo(b + QPointF(t * 0.1, -t * 0.5), b + QPointF(t * 0.38, -t * 0.36),
                   b + QPointF(t * 0.26, 0));
    flamme.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawPath(flamme);
}

void rouleauConvoyeur(QPainter& p, qreal x1, qreal x2, qreal y) {
    for (qreal x = x1 + 30; x < x2; x += 180)
        boite(p, QRectF(x, y + 20, 12, 470 - y - 20), couleur::acierSombre, 0);
    for (qreal x = x1 + 12; x < x2; x += 30)
        disque(p, QPointF(x, y - 2), 11, couleur::acier);
    boite(p, QRectF(x1, y - 2, x2 - x1, 26), QColor(70, 120, 170), 2);
}

// A stretch wrapper: the pallet turns, the film carriage rises and falls on the mast.
void conditionnement(QPainter& p) {
    fondAtelier(p, 440);
    const qreal xc = 330;
    ombre(p, QRectF(150, 440, 380, 24));
    boite(p, QRectF(160, 424, 340, 24), QColor(90, 96, 104), 6);
    palette(p, QRectF(190, 392, 280, 34));
    for (int couche = 0; couche < 3; ++couche)
        for (int i = 0; i < 3; ++i)
            caisse(p, QRectF(196 + i * 90, 392 - 80 * (couche + 1), 88, 80));
    // Film already wound: translucent bands across the load.
    p.setPen(Qt::NoPen);
    for (qreal y = 170; y < 400; y += 34) {
        p.setBrush(QColor(230, 240, 255, 110));
        p.drawRect(QRectF(190, y, 280, 40));
    }
    // Mast with the film carriage.
    boite(p, QRectF(600, 80, 40, 370), QColor(60, 120, 170), 4);
    boite(p, QRectF(560, 440, 120, 14), QColor(60, 120, 170), 2);
    boite(p, QRectF(540, 220, 110, 70), QColor(80, 140, 190), 6);
    cylindreV(p, QRectF(500, 200, 40, 110), QColor(235, 240, 246));
    p.setPen(QPen(QColor(200, 220, 240), 8));
    p.drawLine(QPointF(500, 230), QPointF(470, 250));
    moteur(p, QPointF(620, 70), 26, Sens::Bas);
    p.save();
    p.translate(xc, 432);
    p.scale(1, 0.2);
    flecheRotation(p, QPointF(0, 0), 180, 200, 140);
    p.restore();
    fleche(p, QPointF(700, 190), QPointF(700, 330), couleur::fleche, true);
}

// A shuttle on a linear axis goes to stations measured from its origin.
void posAbsolu(QPainter& p) {
    fondAtelier(p, 440);
    const qreal y = 300;
    boite(p, QRectF(60, y, 680, 36), QColor(170, 176, 184), 4);
    for (const qreal x : {100.0, 400.0, 700.0})
        boite(p, QRectF(x - 10, y + 36, 20, 440 - y - 36), couleur::acierSombre, 0);
    // Scale from the origin and the stations.
    p.setPen(QPen(QColor(50, 50, 50), 2));
    for (int i = 0; i <= 32; ++i) {
        const qreal x = 80 + i * 20;
        p.drawLine(QPointF(x, y + 6), QPointF(x, y + (i % 5 == 0 ? 22 : 14)));
    }
    for (const qreal x : {80.0, 300.0, 520.0, 700.0}) {
        contour(p);
        p.setBrush(x == 80 ? couleur::vert : couleur::orange);
        p.drawPolygon(QPolygonF{{x, y - 4}, {x - 10, y - 24}, {x + 10, y - 24}});
    }
    // Carriage with its pallet and load, at a station.
    const qreal xc = 520;
    boite(p, QRectF(xc - 80, y - 40, 160, 36), QColor(240, 160, 40), 4);
    palette(p, QRectF(xc - 74, y - 70, 148, 30));
    caisse(p, QRectF(xc - 64, y - 150, 128, 80));
    moteur(p, QPointF(60, y + 18), 30, Sens::Gauche);
    disque(p, QPointF(80, y + 18), 14, couleur::acierSombre);
    fleche(p, QPointF(80, 200), QPointF(xc, 200));
}

// An indexing conveyor: every move is the same step from where the load stands.
void posRelatif(QPainter& p) {
    fondAtelier(p, 440);
    const qreal y = 310;
    rouleauConvoyeur(p, 40, 760, y);
    for (int i = 0; i < 4; ++i)
        caisse(p, QRectF(70 + i * 170, y - 76, 90, 66));
    for (int i = 0; i < 3; ++i)
        fleche(p, QPointF(115 + i * 170, 190), QPointF(285 + i * 170, 190));
    reducteur(p, QRectF(494, 362, 50, 46));
    moteur(p, QPointF(494, 386), 34, Sens::Droite);
    boite(p, QRectF(506, y + 24, 12, 40), couleur::acierSombre, 0);
}

// Two rolls driven in step: the second motor follows the first.
void synchro(QPainter& p) {
    fondAtelier(p, 460);
    const QPointF a(240, 220), b(560, 220);
    for (const QPointF c : {a, b}) {
        boite(p, QRectF(c.x() - 80, c.y() - 20, 160, 470 - c.y() + 20), QColor(110, 120, 130), 10);
        disque(p, c, 70, QColor(200, 206, 212));
        disque(p, c + QPointF(0, 150), 14, couleur::acierSombre);
    }
    // The web runs over both rolls.
    p.setPen(QPen(couleur::trait, 8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(30, a.y() - 74), QPointF(770, b.y() - 74));
    p.setPen(QPen(QColor(240, 230, 200), 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(30, a.y() - 74), QPointF(770, b.y() - 74));
    for (const QPointF c : {a, b}) {
        const QPointF m = c + QPointF(0, 150);
        p.setPen(QPen(QColor(30, 30, 30), 6));
        p.drawLine(m + QPointF(-14, 0), c + QPointF(-24, 0));
        p.drawLine(m + QPointF(14, 0), c + QPointF(24, 0));
        disque(p, c, 24, couleur::acierSombre);
        moteurFace(p, m, 40, 14);
        flecheRotation(p, c, 92, 150, -80);
    }
    p.setPen(QPen(couleur::fleche, 4, Qt::DashLine));
    p.drawLine(a + QPointF(50, 150), b + QPointF(-50, 150));
    fleche(p, QPointF(330, 100), QPointF(470, 100));
}

void pylone(QPainter& p, const QPointF& pied, qreal h) {
    p.setPen(QPen(QColor(90, 96, 104), 3));
    const QPointF sommet = pied - QPointF(0, h);
    p.drawLine(pied + QPointF(-h * 0.2, 0), sommet);
    p.drawLine(pied + QPointF(h * 0.2, 0), sommet);
    for (qreal k = 0.2; k < 0.95; k += 0.18)
        p.drawLine(pied + QPointF(-h * 0.2 * (1 - k), -h * k),
                   pied + QPointF(h * 0.2 * (1 - k - 0.18), -h * (k + 0.18)));
    for (const qreal k : {0.72, 0.88})
        p.drawLine(sommet + QPointF(-h * 0.26, h * (1 - k)), sommet + QPointF(h * 0.26, h * (1 - k)));
}

// A generator set coupled to the mains: the machine, its switchgear, the lines.
void reseau(QPainter& p) {
    fondExterieur(p, 430, QColor(130, 160, 100));
    pylone(p, QPointF(560, 430), 260);
    pylone(p, QPointF(740, 420), 200);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::NoBrush);
    for (const qreal dy : {0.12, 0.28}) {
        QPainterPath ligne;
        ligne.moveTo(560 - 66, 170 + 260 * dy);
        ligne.quadTo(650, 230 + 200 * dy, 740 - 52, 220 + 200 * dy);
        p.drawPath(ligne);
        ligne = QPainterPath();
        ligne.moveTo(560 + 66, 170 + 260 * dy);
        ligne.quadTo(650, 240 + 200 * dy, 740 + 52, 220 + 200 * dy);
        p.drawPath(ligne);
    }
    // Switchgear cubicle and the cable to the line.
    boite(p, QRectF(380, 280, 90, 150), QColor(200, 204, 196), 3);
    p.fillRect(QRectF(396, 300, 58, 40), QColor(60, 70, 80));
    danger(p, QPointF(425, 380), 20);
    p.setPen(QPen(QColor(30, 30, 30), 4));
    p.drawLine(QPointF(470, 300), QPointF(560 - 40, 210));
    p.drawLine(QPointF(330, 330), QPointF(380, 330));
    // The set: motor (the drive) and the generator.
    ombre(p, QRectF(40, 420, 340, 20));
    chassis(p, 40, 350, 400, 16);
    socle(p, QPointF(170, 340), 60, 400);
    moteur(p, QPointF(170, 340), 60, Sens::Droite);
    accouplement(p, QPointF(196, 340), 40);
    const QRectF alternateur(212, 290, 120, 100);
    cylindreH(p, alternateur, QColor(60, 140, 100));
    boite(p, QRectF(250, 264, 60, 28), QColor(60, 140, 100).lighter(110), 3);
    p.setPen(QPen(QColor(40, 90, 60), 2));
    for (qreal x = alternateur.left() + 14; x < alternateur.right() - 6; x += 14)
        p.drawLine(QPointF(x, alternateur.top() + 6), QPointF(x, alternateur.bottom() - 6));
    fleche(p, QPointF(340, 250), QPointF(480, 190));
}

// A hydroelectric generator: penstock, spiral casing, vertical alternator.
void alternateur(QPainter& p) {
    fondAtelier(p, 460);
    // Water from the penstock into the spiral casing.
    tuyau(p, QPolygonF{{-10, 120}, {180, 300}, {300, 360}}, 56, QColor(110, 130, 150));
    const QPointF c(420, 380);
    contour(p, 2);
    p.setBrush(sphere(c, 130, QColor(120, 140, 160)));
    p.drawEllipse(c, 130, 60);
    QPainterPath spirale;
    for (int i = 0; i <= 60; ++i) {
        const qreal a = i / 60.0 * 2 * M_PI * 1.4, rr = 20 + 90 * i / 60.0;
        const QPointF q = c + QPointF(rr * std::cos(a), rr * 0.42 * std::sin(a));
        i == 0 ? spirale.moveTo(q) : spirale.lineTo(q);
    }
    p.setPen(QPen(QColor(80, 96, 110), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spirale);
    // Shaft up to the alternator and its exciter.
    cylindreV(p, QRectF(c.x() - 14, 220, 28, 110), couleur::acier);
    const QRectF stator(c.x() - 150, 110, 300, 120);
    cylindreV(p, stator, QColor(60, 140, 100));
    p.setPen(QPen(QColor(40, 90, 60), 2));
    for (qreal y = stator.top() + 12; y < stator.bottom() - 4; y += 12)
        p.drawLine(QPointF(stator.left() + 4, y), QPointF(stator.right() - 4, y));
    cylindreV(p, QRectF(c.x() - 60, 60, 120, 52), QColor(60, 140, 100).lighter(115));
    boite(p, QRectF(c.x() - 170, 226, 340, 14), QColor(90, 96, 104), 2);
    for (const qreal x : {c.x() - 160, c.x() + 140})
        boite(p, QRectF(x, 240, 20, 100), QColor(90, 96, 104), 1);
    p.setPen(QPen(QColor(30, 30, 30), 5));
    p.drawLine(QPointF(c.x() + 150, 160), QPointF(800, 160));
    fleche(p, QPointF(40, 230), QPointF(150, 330), couleur::eau);
    p.save();
    p.translate(c.x(), 170);
    p.scale(1, 0.25);
    flecheRotation(p, QPointF(0, 0), 190, 200, 140);
    p.restore();
}

void reservoir(QPainter& p, const QRectF& r, const QColor& c) {
    contour(p, 2);
    p.setBrush(cylindreVertical(r, c));
    p.drawRect(r);
    p.setBrush(degradeVertical(QRectF(r.left(), r.top() - 24, r.width(), 24), c.lighter(110)));
    p.drawChord(QRectF(r.left(), r.top() - 24, r.width(), 48), 0, 180 * 16);
}

// A transfer pump in a tank farm: flammable vapours around.
void atexGaz(QPainter& p) {
    fondExterieur(p, 440, QColor(170, 170, 160));
    reservoir(p, QRectF(40, 160, 180, 280), QColor(230, 232, 236));
    reservoir(p, QRectF(250, 220, 140, 220), QColor(230, 232, 236));
    contour(p, 2);
    p.setBrush(sphere(QPointF(640, 220), 110, QColor(236, 236, 240)));
    p.drawEllipse(QPointF(640, 220), 110, 110);
    for (const qreal x : {560.0, 620.0, 660.0, 720.0})
        boite(p, QRectF(x - 6, 300, 12, 140), couleur::acierSombre, 0);
    tuyau(p, QPolygonF{{220, 400}, {430, 400}}, 22);
    tuyau(p, QPolygonF{{560, 400}, {620, 400}, {620, 330}}, 22);
    chassis(p, 400, 590, 430, 12);
    socle(p, QPointF(510, 396), 44, 430);
    moteur(p, QPointF(510, 396), 44, Sens::Droite);
    disque(p, QPointF(540, 400), 26, couleur::vert);
    // Vapour drifting from the tanks.
    Alea alea(9);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor(200, 220, 140, 60));
        p.drawEllipse(QPointF(alea.entre(60, 560), alea.entre(120, 300)), alea.entre(20, 50),
                      alea.entre(10, 24));
    }
    danger(p, QPointF(440, 120), 46);
}

// A belt feeding grain silos: dust in the air.
void atexPoussiere(QPainter& p) {
    fondExterieur(p, 450, QColor(190, 180, 140));
    for (const qreal x : {440.0, 580.0}) {
        reservoir(p, QRectF(x, 150, 120, 300), QColor(200, 204, 208));
        p.setPen(QPen(QColor(160, 164, 168), 2));
        for (qreal y = 180; y < 440; y += 30)
            p.drawLine(QPointF(x + 2, y), QPointF(x + 118, y));
    }
    // Inclined belt up to the silo tops, grain on it.
    const QPointF bas(60, 420), haut(500, 110);
    p.setPen(QPen(QColor(40, 40, 40), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bas, haut);
    p.setPen(QPen(QColor(200, 160, 80), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bas + QPointF(4, -8), haut + QPointF(-4, -8));
    for (qreal k = 0.2; k < 0.95; k += 0.25) {
        const QPointF a = bas + (haut - bas) * k;
        boite(p, QRectF(a.x() - 5, a.y() + 6, 10, 450 - a.y() - 6), couleur::acierSombre, 0);
    }
    reducteur(p, QRectF(470, 108, 40, 34));
    moteur(p, QPointF(470, 126), 26, Sens::Droite);
    // Dust.
    Alea alea(21);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 300; ++i) {
        p.setBrush(QColor(210, 180, 120, int(alea.entre(60, 160))));
        const QPointF a = bas + (haut - bas) * alea();
        p.drawEllipse(a + QPointF(alea.entre(-60, 60), alea.entre(-70, 10)), 2, 2);
    }
    danger(p, QPointF(170, 150), 46);
    fleche(p, QPointF(200, 380), QPointF(360, 265));
}

} // namespace

std::vector<DessinImage> imagesIllustrations() {
    return {
        {"conditionnement.jpg", conditionnement},
        {"pos_absolu.jpg", posAbsolu},
        {"pos_relatif.jpg", posRelatif},
        {"synchro.jpg", synchro},
        {"reseau.jpg", reseau},
        {"alternateur.jpg", alternateur},
        {"atex_gaz.jpg", atexGaz},
        {"atex_poussiere.jpg", atexPoussiere},
    };
}
