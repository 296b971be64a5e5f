// Extruder, calender, eddy-current brake, winder, lathe, cutter and press.
#include "Dessin.h"
#include "Images.h"

#include <QtMath>

using namespace dessin;

namespace {

// A belt between two pulleys seen face on.
void courroie(QPainter& p, const QPointF& a, qreal ra, const QPointF& b, qreal rb) {
    const QLineF l(a, b);
    const QPointF u = (b - a) / l.length();
    const QPointF n(-u.y(), u.x());
    p.setPen(QPen(QColor(30, 30, 30), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a + n * ra, b + n * rb);
    p.drawLine(a - n * ra, b - n * rb);
}

// A rotation about an axis that lies in the picture: the arrow on a flattened circle.
void rotationAxiale(QPainter& p, const QPointF& centre, qreal rayon, bool verticale) {
    p.save();
    p.translate(centre);
    p.scale(verticale ? 1 : 0.3, verticale ? 0.3 : 1);
    flecheRotation(p, QPointF(0, 0), rayon, 200, 140);
    p.restore();
}

void extrudeuse(QPainter& p) {
    fondAtelier(p, 430);
    ombre(p, QRectF(40, 420, 700, 24));
    chassis(p, 40, 720, 396, 18);
    socle(p, QPointF(220, 316), 88, 396);
    moteur(p, QPointF(220, 316), 88, Sens::Droite);
    reducteur(p, QRectF(220, 236, 110, 160));
    // Barrel with its heater bands, a window on the screw.
    const QRectF fourreau(330, 292, 330, 48);
    for (const qreal x : {420.0, 600.0})
        boite(p, QRectF(x, fourreau.bottom(), 20, 396 - fourreau.bottom()), couleur::acierSombre, 0);
    cylindreH(p, fourreau, couleur::acier);
    const QRectF fenetre(470, 298, 120, 36);
    p.fillRect(fenetre, QColor(60, 60, 64));
    p.setPen(QPen(QColor(190, 196, 200), 5));
    for (qreal x = fenetre.left() + 4; x < fenetre.right(); x += 18)
        p.drawLine(QPointF(x, fenetre.bottom()), QPointF(x + 12, fenetre.top()));
    for (qreal x = 346; x < 650; x += 44) {
        if (x > fenetre.left() - 30 && x < fenetre.right()) continue;
        cylindreH(p, QRectF(x, 286, 26, 60), QColor(190, 90, 50));
    }
    // Hopper full of pellets.
    const QPolygonF tremie{{350, 130}, {460, 130}, {420, 286}, {390, 286}};
    contour(p);
    p.setBrush(degradeVertical(tremie.boundingRect(), QColor(200, 206, 212)));
    p.drawPolygon(tremie);
    Alea alea(3);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 120; ++i) {
        const qreal y = alea.entre(140, 220), demi = 52 - (y - 130) * 0.24;
        p.setBrush(QColor(60, 150, 220).lighter(int(alea.entre(90, 140))));
        p.drawEllipse(QPointF(405 + alea.entre(-demi, demi), y), 4, 3);
    }
    // Die and the extruded pipe.
    contour(p);
    p.setBrush(degradeVertical(QRectF(660, 282, 40, 68), couleur::acierSombre));
    p.drawPolygon(QPolygonF{{660, 282}, {700, 298}, {700, 334}, {660, 350}});
    cylindreH(p, QRectF(700, 302, 110, 28), QColor(40, 90, 150));
    fleche(p, QPointF(560, 230), QPointF(760, 230));
}

void calandre(QPainter& p) {
    fondAtelier(p, 500);
    // Side frame behind the three rolls.
    boite(p, QRectF(320, 70, 160, 440), QColor(120, 130, 140), 18);
    const qreal x = 400, r = 60;
    const QPointF c1(x, 150), c2(x, 275), c3(x, 400);
    // Drive: motor end on, belt to the top roll.
    courroie(p, QPointF(640, 150), 16, c1, 30);
    moteurFace(p, QPointF(640, 150), 46, 16);
    for (const QPointF c : {c1, c2, c3})
        disque(p, c, r, QColor(200, 206, 212));
    disque(p, c1, 30, couleur::acierSombre);
    // The sheet: in at the top nip, round the middle roll, round the bottom roll, out.
    const qreal e = 3.5;
    QPainterPath feuille;
    feuille.moveTo(40, (c1.y() + c2.y()) / 2);
    feuille.lineTo(x, (c1.y() + c2.y()) / 2);
    feuille.arcTo(QRectF(c2.x() - r - e, c2.y() - r - e, 2 * (r + e), 2 * (r + e)), 90, -180);
    feuille.arcTo(QRectF(c3.x() - r - e, c3.y() - r - e, 2 * (r + e), 2 * (r + e)), 90, 180);
    feuille.lineTo(790, c3.y() + r + e);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(couleur::trait, 9, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(feuille);
    p.setPen(QPen(QColor(240, 230, 200), 6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(feuille);
    boite(p, QRectF(560, 474, 230, 26), QColor(90, 96, 104), 2);
    flecheRotation(p, c1, r + 22, 120, 80);
    flecheRotation(p, c2, r + 22, 210, -60);
    flecheRotation(p, c3, r + 22, -30, 60);
    fleche(p, QPointF(80, 180), QPointF(240, 180));
    fleche(p, QPointF(560, 430), QPointF(720, 430));
}

// An eddy-current brake on a test bench, with its disc shown face on in a circle.
void freinFoucault(QPainter& p) {
    fondAtelier(p, 430);
    const qreal y = 310;
    ombre(p, QRectF(60, 420, 560, 24));
    chassis(p, 60, 600, 396, 18);
    socle(p, QPointF(260, y), 90, 396);
    moteur(p, QPointF(260, y), 90, Sens::Droite);
    accouplement(p, QPointF(300, y), 50);
    cylindreH(p, QRectF(310, y - 9, 200, 18), couleur::acier);
    // The disc turns between the two poles of an electromagnet that straddles its rim.
    const qreal xd = 440;
    boite(p, QRectF(xd + 60, y - 10, 20, 396 - y + 10), couleur::acierSombre, 0);
    cylindreV(p, QRectF(xd - 2, y - 130, 20, 210), QColor(205, 127, 60));
    boite(p, QRectF(xd - 66, y - 176, 148, 28), QColor(70, 76, 84), 4);
    for (const qreal x : {xd - 44.0, xd + 22.0}) {
        boite(p, QRectF(x, y - 150, 38, 70), QColor(70, 76, 84), 2);
        cylindreV(p, QRectF(x - 6, y - 146, 50, 40), QColor(196, 110, 50));
        p.setPen(QPen(QColor(150, 80, 30), 2));
        for (qreal yy = y - 142; yy < y - 108; yy += 5)
            p.drawLine(QPointF(x - 4, yy), QPointF(x + 42, yy));
    }
    // Face-on view of the disc: poles and the eddy currents they induce.
    const QPointF c(650, 150);
    contour(p, 2);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(c, 118, 118);
    disque(p, c, 100, QColor(205, 127, 60));
    boite(p, QRectF(c.x() - 22, c.y() - 92, 44, 40), QColor(70, 76, 84), 4);
    p.setPen(QPen(QColor(30, 110, 200), 3));
    p.setBrush(Qt::NoBrush);
    for (const int s : {-1, 1})
        p.drawEllipse(QPointF(c.x() + s * 46, c.y() - 64), 18, 22);
    flecheRotation(p, c, 70, 200, 100);
    p.setPen(QPen(couleur::trait, 2, Qt::DashLine));
    p.drawLine(QPointF(xd + 8, y - 60), c + QPointF(-118, 0));
}

void deroulage(QPainter& p) {
    fondAtelier(p, 470);
    const QPointF gauche(180, 280), droite(620, 300);
    const qreal rg = 130, rd = 70;
    // Stands.
    for (const auto& [c, l] : {std::pair(gauche, 70.0), std::pair(droite, 60.0)}) {
        contour(p);
        p.setBrush(degradeVertical(QRectF(c.x() - l, c.y(), 2 * l, 480 - c.y()), QColor(110, 120, 130)));
        p.drawPolygon(
            QPolygonF{{c.x() - 12, c.y()}, {c.x() + 12, c.y()}, {c.x() + l, 480}, {c.x() - l, 480}});
    }
    // Web from the top of the unwinding reel over the guide rollers to the rewinding reel.
    const QPointF g1(360, 170), g2(460, 230);
    p.setPen(QPen(couleur::trait, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawPolyline(QPolygonF{gauche + QPointF(0, -rg), g1 + QPointF(0, -14), g2 + QPointF(0, 14),
                             droite + QPointF(0, -rd)});
    p.setPen(QPen(QColor(244, 238, 220), 3.5, Qt::SolidLine, Qt::FlatCap));
    p.drawPolyline(QPolygonF{gauche + QPointF(0, -rg), g1 + QPointF(0, -14), g2 + QPointF(0, 14),
                             droite + QPointF(0, -rd)});
    disque(p, g1, 14, couleur::acier);
    disque(p, g2, 14, couleur::acier);
    for (const auto& [c, r] : {std::pair(gauche, rg), std::pair(droite, rd)}) {
        contour(p, 2);
        QRadialGradient papier(c, r);
        papier.setColorAt(0, QColor(220, 210, 186));
        papier.setColorAt(1, QColor(246, 240, 224));
        p.setBrush(papier);
        p.drawEllipse(c, r, r);
        p.setPen(QPen(QColor(210, 200, 178), 1));
        p.setBrush(Qt::NoBrush);
        for (qreal k = 34; k < r; k += 7)
            p.drawEllipse(c, k, k);
        disque(p, c, 30, couleur::acierSombre);
    }
    // Each reel has its motor: the rewinder pulls, the unwinder holds the tension back.
    courroie(p, QPointF(gauche.x(), 430), 12, gauche, 22);
    courroie(p, QPointF(droite.x(), 430), 12, droite, 22);
    moteurFace(p, QPointF(gauche.x(), 430), 34, 12);
    moteurFace(p, QPointF(droite.x(), 430), 34, 12);
    flecheRotation(p, gauche, rg + 20, 150, -50);
    flecheRotation(p, droite, rd + 20, 120, -70);
    fleche(p, QPointF(380, 120), QPointF(500, 160));
}

void tour(QPainter& p) {
    fondAtelier(p, 450);
    ombre(p, QRectF(90, 440, 620, 24));
    // Cabinets, bed, headstock, tailstock.
    boite(p, QRectF(130, 360, 130, 96), QColor(70, 110, 100), 4);
    boite(p, QRectF(560, 360, 130, 96), QColor(70, 110, 100), 4);
    boite(p, QRectF(110, 326, 600, 40), QColor(86, 130, 118), 3);
    boite(p, QRectF(110, 190, 150, 140), QColor(86, 130, 118), 8);
    boite(p, QRectF(50, 290, 20, 160), QColor(70, 110, 100), 2);
    boite(p, QRectF(20, 278, 100, 14), QColor(70, 110, 100), 2);
    moteur(p, QPointF(112, 244), 56, Sens::Droite);
    const qreal y = 262;
    cylindreH(p, QRectF(260, y - 44, 30, 88), couleur::acierSombre);
    for (const qreal dy : {-34.0, 22.0})
        boite(p, QRectF(288, y + dy, 14, 12), couleur::acier, 1);
    // Workpiece turned down from the tailstock end.
    cylindreH(p, QRectF(300, y - 24, 150, 48), couleur::acier.lighter(108));
    cylindreH(p, QRectF(450, y - 17, 110, 34), couleur::acier.lighter(118));
    boite(p, QRectF(570, 214, 110, 112), QColor(86, 130, 118), 6);
    contour(p);
    p.setBrush(couleur::acier);
    p.drawPolygon(QPolygonF{{570, y - 12}, {560, y}, {570, y + 12}});
    // Carriage and tool, with a curl of chip.
    boite(p, QRectF(400, 300, 110, 28), QColor(96, 140, 128), 3);
    boite(p, QRectF(430, 282, 46, 20), QColor(60, 64, 70), 2);
    contour(p);
    p.setBrush(QColor(230, 200, 80));
    p.drawPolygon(QPolygonF{{440, 286}, {448, y + 19}, {470, 286}});
    p.setPen(QPen(QColor(110, 120, 200), 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath copeau;
    copeau.moveTo(452, y + 20);
    for (int i = 1; i <= 30; ++i) {
        const qreal a = i * 0.5, rr = 4 + i * 0.5;
        copeau.lineTo(470 + i * 1.6 + rr * std::cos(a), y + 34 + rr * std::sin(a));
    }
    p.drawPath(copeau);
    rotationAxiale(p, QPointF(380, y), 64, false);
    fleche(p, QPointF(520, 392), QPointF(400, 392));
}

// A rotary cutter: feed rolls, knife drum over its anvil, sheets stacked on the run-out table.
void coupe(QPainter& p) {
    fondAtelier(p, 450);
    const qreal y = 260; // the sheet
    boite(p, QRectF(250, 120, 220, 330), QColor(110, 120, 130), 10);
    boite(p, QRectF(520, 330, 250, 20), QColor(90, 96, 104), 2);
    for (const qreal x : {540.0, 740.0})
        boite(p, QRectF(x, 350, 14, 100), couleur::acierSombre, 0);
    for (int i = 0; i < 9; ++i)
        boite(p, QRectF(560 + i * 1.5, 322 - i * 7, 180, 6), QColor(200, 206, 214), 1);
    // Incoming strip and the sheet just cut.
    p.setPen(QPen(couleur::trait, 8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(20, y), QPointF(370, y));
    p.drawLine(QPointF(392, y), QPointF(520, y + 12));
    p.setPen(QPen(QColor(200, 206, 214), 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(20, y), QPointF(370, y));
    p.drawLine(QPointF(392, y), QPointF(520, y + 12));
    for (const qreal yy : {y - 24, y + 24})
        disque(p, QPointF(290, yy), 20, QColor(60, 64, 70));
    const QPointF couteau(380, y - 62), enclume(380, y + 62);
    disque(p, enclume, 58, QColor(170, 176, 182));
    disque(p, couteau, 58, QColor(170, 176, 182));
    // The blade on the knife drum, just through the sheet.
    contour(p);
    p.setBrush(QColor(230, 234, 238));
    p.drawPolygon(QPolygonF{{374, y - 6}, {380, y + 6}, {386, y - 6}, {386, y - 14}, {374, y - 14}});
    courroie(p, QPointF(380, 400), 14, enclume, 24);
    moteurFace(p, QPointF(380, 400), 38, 14);
    flecheRotation(p, couteau, 80, 160, -70);
    fleche(p, QPointF(60, 200), QPointF(220, 200));
}

// A mechanical press: flywheel and crank on top, the ram strikes the die once per turn.
void presse(QPainter& p) {
    fondAtelier(p, 460);
    ombre(p, QRectF(180, 450, 440, 26));
    // Gap frame.
    QPainterPath bati;
    bati.moveTo(220, 470);
    bati.lineTo(220, 90);
    bati.lineTo(560, 90);
    bati.lineTo(560, 230);
    bati.lineTo(340, 230);
    bati.lineTo(340, 330);
    bati.lineTo(560, 330);
    bati.lineTo(560, 470);
    bati.closeSubpath();
    contour(p, 2);
    p.setBrush(degradeVertical(QRectF(220, 90, 340, 380), QColor(200, 110, 40)));
    p.drawPath(bati);
    // Die on the bed, ram and its guides, the part between them.
    boite(p, QRectF(390, 306, 130, 24), couleur::acierSombre, 2);
    boite(p, QRectF(380, 300, 150, 6), QColor(200, 206, 214), 1);
    const qreal yc = 254;
    boite(p, QRectF(410, 230, 90, yc - 230), QColor(150, 156, 162), 2);
    boite(p, QRectF(420, yc, 70, 20), couleur::acierSombre, 2);
    // Flywheel on the crankshaft, belt from the motor above.
    const QPointF volant(300, 150), poulie(470, 40);
    courroie(p, poulie, 14, volant, 70);
    disque(p, volant, 72, QColor(70, 76, 84), true);
    moteurFace(p, poulie, 34, 14);
    flecheRotation(p, volant, 96, 200, -80);
    fleche(p, QPointF(620, 210), QPointF(620, 310), couleur::fleche, true);
}

} // namespace

std::vector<DessinImage> imagesProcedes() {
    return {
        {"extrudeuse.jpg", extrudeuse}, {"calandre.jpg", calandre}, {"frein_foucault.jpg", freinFoucault},
        {"deroulage.jpg", deroulage},   {"tour.jpg", tour},         {"coupe.jpg", coupe},
        {"presse.jpg", presse},
    };
}
