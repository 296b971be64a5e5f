// Pumps, fans, compressors and mixers.
#include "Dessin.h"
#include "Images.h"

#include <QtMath>

#include <tuple>

using namespace dessin;

namespace {

// Small arrows that show which way the fluid goes in a pipe.
void sens(QPainter& p, const QPointF& a, const QPointF& b) {
    fleche(p, a, b, QColor(30, 110, 200));
}

void vanne(QPainter& p, const QPointF& c, qreal d, bool verticale) {
    p.save();
    p.translate(c);
    if (verticale) p.rotate(90);
    contour(p);
    p.setBrush(couleur::rouge);
    p.drawPolygon(
        QPolygonF{{-d * 0.7, -d * 0.6}, {d * 0.7, d * 0.6}, {d * 0.7, -d * 0.6}, {-d * 0.7, d * 0.6}});
    p.restore();
    const QPointF haut = verticale ? c + QPointF(-d * 1.1, 0) : c + QPointF(0, -d * 1.1);
    p.setPen(QPen(couleur::trait, 3));
    p.drawLine(c, haut);
    boite(p,
          verticale ? QRectF(haut.x() - 4, haut.y() - d * 0.6, 8, d * 1.2)
                    : QRectF(haut.x() - d * 0.6, haut.y() - 4, d * 1.2, 8),
          couleur::rouge, 2);
}

// An end-suction centrifugal pump set: motor, coupling, pump, suction and discharge pipes.
void pompes(QPainter& p) {
    fondAtelier(p, 430);
    const qreal y = 330; // shaft axis
    // Discharge pipe up and away, suction pipe from the right.
    tuyau(p, QPolygonF{{575, y - 60}, {575, 120}, {810, 120}}, 34, QColor(70, 130, 190));
    tuyau(p, QPolygonF{{630, y}, {810, y}}, 40, QColor(70, 130, 190));
    vanne(p, QPointF(575, 200), 22, true);
    vanne(p, QPointF(720, y), 24, false);
    manometre(p, QPointF(630, 170), 20);
    p.setPen(QPen(couleur::trait, 4));
    p.drawLine(QPointF(592, 170), QPointF(612, 170));
    ombre(p, QRectF(120, 410, 560, 30));
    chassis(p, 130, 650, 398, 18);
    for (const qreal x : {470.0, 560.0})
        boite(p, QRectF(x, y + 20, 40, 398 - y - 20), couleur::vert.darker(115), 2);
    socle(p, QPointF(380, y), 100, 398);
    moteur(p, QPointF(380, y), 100, Sens::Droite);
    accouplement(p, QPointF(420, y), 60);
    // Coupling guard.
    p.setPen(QPen(couleur::orange.darker(120), 2));
    p.setBrush(QColor(240, 150, 40, 150));
    p.drawRoundedRect(QRectF(404, y - 26, 34, 52), 4, 4);
    cylindreH(p, QRectF(438, y - 24, 70, 48), couleur::vert.darker(110));
    // Volute casing with its nozzles.
    cylindreV(p, QRectF(552, y - 84, 46, 40), couleur::vert.darker(108));
    contour(p);
    p.setBrush(sphere(QPointF(560, y), 72, couleur::vert));
    p.drawEllipse(QPointF(560, y + 4), 66, 70);
    cylindreH(p, QRectF(606, y - 26, 30, 52), couleur::vert.darker(108));
    disque(p, QPointF(560, y + 4), 26, couleur::vert.darker(120));
    sens(p, QPointF(800, y - 50), QPointF(700, y - 50));
    sens(p, QPointF(690, 80), QPointF(790, 80));
}

// An axial fan in its frame, seen from the front.
void ventilation(QPainter& p) {
    fondAtelier(p, 470);
    const QPointF c(400, 270);
    const qreal r = 190;
    ombre(p, QRectF(180, 460, 440, 24));
    boite(p, QRectF(c.x() - 220, c.y() - 220, 440, 440), QColor(120, 132, 144), 10);
    boite(p, QRectF(c.x() - 180, 474, 60, 14), QColor(70, 76, 84), 1);
    boite(p, QRectF(c.x() + 120, 474, 60, 14), QColor(70, 76, 84), 1);
    contour(p, 2);
    QRadialGradient creux(c, r);
    creux.setColorAt(0, QColor(50, 56, 64));
    creux.setColorAt(1, QColor(90, 98, 108));
    p.setBrush(creux);
    p.drawEllipse(c, r, r);
    // Blades, swept in the direction of rotation.
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 60 + 10);
        QPainterPath pale;
        pale.moveTo(30, -18);
        pale.cubicTo(90, -60, 160, -62, 178, -30);
        pale.cubicTo(170, 10, 110, 30, 30, 18);
        pale.closeSubpath();
        contour(p, 1.6);
        QLinearGradient g(0, -60, 0, 30);
        g.setColorAt(0, QColor(236, 238, 240));
        g.setColorAt(1, QColor(150, 158, 166));
        p.setBrush(g);
        p.drawPath(pale);
        p.restore();
    }
    // Hub and the motor behind it, then the guard.
    disque(p, c, 46, couleur::moteur);
    p.setPen(QPen(QColor(40, 44, 48, 150), 1.4));
    p.setBrush(Qt::NoBrush);
    for (qreal k = 60; k < r; k += 26)
        p.drawEllipse(c, k, k);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * 48, c + QPointF(std::cos(a), std::sin(a)) * r);
    }
    flecheRotation(p, c, r + 26, 60, -80);
}

// A centrifugal compressor: motor, speed-up gearbox, compressor stage, air receiver.
void compresseur(QPainter& p) {
    fondAtelier(p, 430);
    const qreal y = 320;
    // Air receiver and the discharge pipe to it.
    const QRectF reservoir(620, 130, 120, 290);
    tuyau(p, QPolygonF{{520, 240}, {520, 170}, {622, 170}}, 26);
    contour(p);
    p.setBrush(cylindreVertical(reservoir, QColor(210, 214, 218)));
    p.drawRoundedRect(reservoir, 60, 50);
    manometre(p, QPointF(680, 228), 20);
    boite(p, QRectF(640, 414, 20, 20), couleur::acierSombre, 1);
    boite(p, QRectF(700, 414, 20, 20), couleur::acierSombre, 1);
    // Suction filter above the compressor inlet.
    tuyau(p, QPolygonF{{470, 250}, {470, 150}}, 30);
    boite(p, QRectF(420, 96, 100, 56), QColor(200, 200, 196), 6);
    p.setPen(QPen(QColor(150, 150, 146), 2));
    for (qreal x = 432; x < 512; x += 10)
        p.drawLine(QPointF(x, 104), QPointF(x, 144));
    ombre(p, QRectF(70, 410, 520, 24));
    chassis(p, 70, 590, 396, 18);
    socle(p, QPointF(250, y), 96, 396);
    moteur(p, QPointF(250, y), 96, Sens::Droite);
    accouplement(p, QPointF(284, y), 50);
    reducteur(p, QRectF(296, 250, 110, 146));
    // Compressor stage: the volute in section, then its casing.
    contour(p);
    p.setBrush(sphere(QPointF(490, y - 20), 80, QColor(200, 206, 212)));
    p.drawEllipse(QPointF(490, y - 20), 78, 72);
    QPainterPath spirale;
    for (int i = 0; i <= 80; ++i) {
        const qreal a = i / 80.0 * 2 * M_PI * 1.6;
        const qreal rr = 12 + 36 * i / 80.0;
        const QPointF q(490 + rr * std::cos(a), y - 20 + rr * std::sin(a));
        i == 0 ? spirale.moveTo(q) : spirale.lineTo(q);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 126, 132), 3));
    p.drawPath(spirale);
    boite(p, QRectF(440, y + 48, 100, 48), QColor(150, 156, 162), 2);
    sens(p, QPointF(560, 130), QPointF(610, 130));
}

// Smoke extraction: smoke gathered under the roof of a hall, drawn out by a roof fan.
void desenfumage(QPainter& p) {
    fondExterieur(p, 520, QColor(140, 150, 120));
    const QColor mur(196, 188, 176);
    // The hall in section.
    boite(p, QRectF(60, 260, 680, 300), mur, 0);
    p.fillRect(QRectF(80, 280, 640, 280), QColor(226, 222, 212));
    Alea alea(5);
    // Smoke layer under the roof, thinning downwards.
    for (int i = 0; i < 70; ++i) {
        const qreal x = alea.entre(90, 710), y = 290 + alea() * alea() * 140;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 90, 96, int(110 - (y - 290) * 0.6)));
        p.drawEllipse(QPointF(x, y), alea.entre(20, 46), alea.entre(12, 22));
    }
    // A fire in the corner, and an exit door.
    for (const auto& [dx, h, c] :
         {std::tuple(-14.0, 50.0, QColor(230, 90, 30)), std::tuple(10.0, 64.0, QColor(240, 120, 30)),
          std::tuple(0.0, 36.0, QColor(250, 200, 60))}) {
        QPainterPath flamme;
        const QPointF b(160 + dx, 556);
        flamme.moveTo(b + QPointF(-16, 0));
        flamme.cubicTo(b + QPointF(-22, -h * 0.5), b + QPointF(-2, -h * 0.6), b + QPointF(4, -h));
        flamme.cubicTo(b + QPointF(8, -h * 0.6), b + QPointF(24, -h * 0.4), b + QPointF(16, 0));
        flamme.closeSubpath();
        p.setBrush(c);
        p.drawPath(flamme);
    }
    boite(p, QRectF(620, 470, 60, 90), couleur::vert, 1);
    // Roof, curb and the fan with its motor.
    boite(p, QRectF(40, 246, 720, 20), QColor(140, 136, 130), 0);
    const qreal xc = 420;
    boite(p, QRectF(xc - 70, 210, 140, 40), QColor(150, 150, 150), 2);
    cylindreV(p, QRectF(xc - 80, 120, 160, 92), QColor(170, 178, 186));
    boite(p, QRectF(xc - 96, 112, 192, 14), QColor(120, 126, 134), 3);
    boite(p, QRectF(xc + 80, 184, 70, 10), QColor(120, 126, 134), 1);
    moteur(p, QPointF(xc + 80, 160), 40, Sens::Gauche);
    // The plume above the fan.
    for (int i = 0; i < 46; ++i) {
        const qreal t = alea();
        const qreal y = 104 - t * 100;
        const qreal x = xc + alea.entre(-40, 40) * (1 + t * 1.5) + t * 90;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(100, 100, 106, int(150 - t * 100)));
        p.drawEllipse(QPointF(x, y), 24 + t * 30, 16 + t * 18);
    }
    for (const qreal x : {240.0, 600.0})
        fleche(p, QPointF(x, 380), QPointF(x + (xc - x) * 0.4, 300), QColor(90, 90, 96));
    fleche(p, QPointF(xc, 240), QPointF(xc, 60), couleur::fleche);
}

// A two-cylinder piston compressor on its receiver, belt-driven; motor seen end on.
void compresseurPiston(QPainter& p) {
    fondAtelier(p, 440);
    const QRectF reservoir(150, 320, 500, 110);
    ombre(p, QRectF(140, 430, 520, 24));
    for (const qreal x : {190.0, 590.0})
        boite(p, QRectF(x, 420, 26, 22), couleur::acierSombre, 1);
    contour(p);
    p.setBrush(cylindreHorizontal(reservoir, couleur::rouge));
    p.drawRoundedRect(reservoir, 54, 54);
    manometre(p, QPointF(626, 300), 16);
    p.setPen(QPen(couleur::trait, 4));
    p.drawLine(QPointF(626, 316), QPointF(626, 324));
    // Pump: crankcase and two finned cylinders in V.
    const QPointF vilebrequin(330, 260);
    for (const qreal angle : {-35.0, 35.0}) {
        p.save();
        p.translate(vilebrequin);
        p.rotate(angle);
        boite(p, QRectF(-34, -150, 68, 120), QColor(90, 96, 104), 4);
        p.setPen(QPen(QColor(60, 64, 70), 3));
        for (qreal yy = -140; yy < -36; yy += 10)
            p.drawLine(QPointF(-40, yy), QPointF(40, yy));
        boite(p, QRectF(-40, -170, 80, 24), QColor(110, 116, 124), 4);
        p.restore();
    }
    boite(p, QRectF(270, 220, 120, 100), QColor(100, 106, 114), 10);
    tuyau(p, QPolygonF{{254, 160}, {230, 200}, {230, 322}}, 12, QColor(190, 140, 70));
    // Flywheel, belt, motor.
    const QPointF volant(330, 270), poulie(540, 250);
    p.setPen(QPen(QColor(30, 30, 30), 7));
    p.drawLine(volant + QPointF(0, -76), poulie + QPointF(0, -18));
    p.drawLine(volant + QPointF(0, 76), poulie + QPointF(0, 18));
    disque(p, volant, 78, QColor(80, 86, 94), true);
    moteurFace(p, poulie, 52, 18);
    flecheRotation(p, volant, 104, 200, 80);
}

// The beam pump of an oil well: crank and counterweights, walking beam, horse head.
void pompeBalancier(QPainter& p) {
    fondExterieur(p, 440, QColor(214, 186, 140));
    const qreal sol = 456;
    boite(p, QRectF(120, sol - 8, 600, 18), QColor(160, 160, 156), 0);
    // Samson post.
    contour(p);
    p.setBrush(QColor(90, 96, 104));
    p.drawPolygon(
        QPolygonF{{330, sol - 8}, {400, 150}, {470, sol - 8}, {450, sol - 8}, {400, 190}, {350, sol - 8}});
    // Walking beam with the horse head on the left, the pivot on the post.
    const QPointF pivot(400, 150);
    p.save();
    p.translate(pivot);
    p.rotate(-8);
    boite(p, QRectF(-240, -16, 470, 32), couleur::jaune, 3);
    QPainterPath tete;
    tete.moveTo(-240, -40);
    tete.cubicTo(-300, -30, -300, 110, -240, 120);
    tete.lineTo(-230, 120);
    tete.lineTo(-230, -40);
    tete.closeSubpath();
    contour(p);
    p.setBrush(degradeVertical(QRectF(-300, -40, 70, 160), couleur::jaune));
    p.drawPath(tete);
    const QPointF bielle = p.transform().map(QPointF(210, 14));
    const QPointF bride = p.transform().map(QPointF(-290, 40));
    p.restore();
    disque(p, pivot, 14, couleur::acierSombre);
    // Bridle and polished rod down to the wellhead.
    cable(p, bride, QPointF(bride.x(), 370));
    cylindreV(p, QRectF(bride.x() - 4, 370, 8, 40), couleur::acier);
    boite(p, QRectF(bride.x() - 22, 400, 44, 16), QColor(200, 60, 40), 2);
    boite(p, QRectF(bride.x() - 14, 414, 28, 36), QColor(200, 60, 40), 2);
    // Gearbox and its belt from the motor (seen end on), crank with its counterweight, pitman arm.
    const QPointF manivelle(610, 350), poulie(744, 420), gorge(662, 420);
    reducteur(p, QRectF(560, 336, 100, 112));
    p.setPen(QPen(QColor(30, 30, 30), 6));
    p.drawLine(gorge + QPointF(0, -26), poulie + QPointF(0, -12));
    p.drawLine(gorge + QPointF(0, 26), poulie + QPointF(0, 12));
    disque(p, gorge, 26, couleur::acier);
    moteurFace(p, poulie, 30, 12);
    p.save();
    p.translate(manivelle);
    p.rotate(-40);
    contour(p);
    p.setBrush(degradeVertical(QRectF(-110, -110, 220, 220), QColor(200, 60, 40)));
    p.drawPie(QRectF(-112, -112, 224, 224), -150 * 16, -60 * 16);
    boite(p, QRectF(-16, -16, 112, 32), QColor(90, 96, 104), 6);
    const QPointF maneton = p.transform().map(QPointF(84, 0));
    p.restore();
    disque(p, manivelle, 16, couleur::acierSombre);
    p.setPen(QPen(couleur::trait, 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bielle, maneton);
    p.setPen(QPen(QColor(110, 116, 124), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bielle, maneton);
    flecheRotation(p, manivelle, 136, 95, 70);
    fleche(p, QPointF(bride.x() - 50, 240), QPointF(bride.x() - 50, 360), couleur::fleche, true);
}

// A mixer for a viscous product: vertical motor and gearbox above a tank, impeller in the fluid.
void agitateur(QPainter& p) {
    fondAtelier(p, 450);
    const QRectF cuve(220, 230, 360, 226);
    ombre(p, QRectF(210, 456, 380, 24));
    for (const qreal x : {240.0, 540.0})
        boite(p, QRectF(x, 430, 20, 40), couleur::acierSombre, 1);
    // Tank, cut open to show the product.
    contour(p, 2);
    p.setBrush(cylindreVertical(cuve, QColor(214, 218, 222)));
    p.drawRoundedRect(cuve, 40, 40);
    const QRectF produit = cuve.adjusted(18, 50, -18, -18);
    QLinearGradient miel(produit.topLeft(), produit.bottomLeft());
    miel.setColorAt(0, QColor(236, 178, 52));
    miel.setColorAt(1, QColor(184, 112, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(miel);
    p.drawRoundedRect(produit, 28, 28);
    // Shaft and impeller.
    const qreal xc = cuve.center().x();
    cylindreV(p, QRectF(xc - 7, 150, 14, 260), couleur::acier);
    for (const int s : {-1, 1}) {
        QPainterPath pale;
        pale.moveTo(xc, 384);
        pale.lineTo(xc + s * 110, 366);
        pale.lineTo(xc + s * 110, 402);
        pale.lineTo(xc, 410);
        pale.closeSubpath();
        contour(p);
        p.setBrush(degradeVertical(pale.boundingRect(), couleur::acier));
        p.drawPath(pale);
    }
    // Flow loops of the stirred product.
    for (const int s : {-1, 1}) {
        p.setPen(QPen(QColor(255, 240, 200, 180), 3, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(xc + s * 90, 350), 56, 40);
    }
    // Cover, gearbox and the vertical motor.
    boite(p, QRectF(cuve.left() - 10, 222, cuve.width() + 20, 16), QColor(150, 156, 162), 2);
    reducteur(p, QRectF(xc - 46, 150, 92, 74));
    moteur(p, QPointF(xc, 150), 52, Sens::Bas);
    // The shaft turns about a vertical axis: the arrow is drawn on a flattened circle.
    p.save();
    p.translate(xc, 300);
    p.scale(1, 0.3);
    flecheRotation(p, QPointF(0, 0), 80, 200, 140);
    p.restore();
}

} // namespace

std::vector<DessinImage> imagesFluides() {
    return {
        {"pompes.jpg", pompes},
        {"ventilation.jpg", ventilation},
        {"compresseur.jpg", compresseur},
        {"desenfumage.jpg", desenfumage},
        {"compresseur_piston.jpg", compresseurPiston},
        {"pompe_balancier.jpg", pompeBalancier},
        {"agitateur.jpg", agitateur},
    };
}
