// Handling and lifting: overhead crane, belt and roller conveyors, palletiser, hoist, lift, tower
// crane, winch.
#include "Dessin.h"
#include "Images.h"

#include <QtMath>

using namespace dessin;

namespace {

void pontRoulant(QPainter& p) {
    fondAtelier(p, 440);
    // Runway columns with their rails, seen end on.
    for (const qreal x : {28.0, 732.0}) {
        boite(p, QRectF(x, 168, 40, 272), QColor(120, 128, 136), 0);
        boite(p, QRectF(x - 6, 156, 52, 14), couleur::acierSombre, 0);
    }
    // The girder and its end carriages on the rails.
    for (const qreal x : {20.0, 716.0}) {
        boite(p, QRectF(x, 112, 64, 34), couleur::jaune.darker(112), 3);
        disque(p, QPointF(x + 32, 146), 10, couleur::acierSombre);
    }
    boite(p, QRectF(60, 106, 680, 52), couleur::jaune, 4);
    p.setPen(QPen(couleur::jaune.darker(140), 2));
    for (qreal x = 100; x < 730; x += 60)
        p.drawLine(QPointF(x, 110), QPointF(x, 154));
    boite(p, QRectF(60, 150, 680, 10), couleur::jaune.darker(125), 0);
    moteur(p, QPointF(96, 96), 22, Sens::Gauche);
    // Trolley with its hoist drum and motor.
    const qreal xc = 420;
    boite(p, QRectF(xc - 80, 70, 160, 36), couleur::jaune.darker(118), 4);
    for (const qreal dx : {-58.0, 58.0})
        disque(p, QPointF(xc + dx, 106), 9, couleur::acierSombre);
    cylindreH(p, QRectF(xc - 44, 40, 88, 34), couleur::acier);
    reducteur(p, QRectF(xc + 46, 40, 30, 32));
    moteur(p, QPointF(xc - 44, 57), 26, Sens::Droite);
    // Ropes, hook block, slings and the load.
    const qreal yMoufle = 262;
    cable(p, QPointF(xc - 8, 74), QPointF(xc - 8, yMoufle + 10));
    cable(p, QPointF(xc + 8, 74), QPointF(xc + 8, yMoufle + 10));
    const QPointF bas = crochet(p, QPointF(xc, yMoufle), 1.0);
    const QRectF charge(xc - 110, 372, 220, 56);
    ombre(p, QRectF(charge.left() - 10, 432, charge.width() + 20, 16));
    p.setPen(QPen(QColor(70, 70, 70), 3));
    p.drawLine(bas, charge.topLeft() + QPointF(14, 0));
    p.drawLine(bas, charge.topRight() - QPointF(14, 0));
    cylindreH(p, charge, QColor(110, 124, 140));
    p.setPen(QPen(QColor(80, 90, 100), 2));
    for (qreal x = charge.left() + 30; x < charge.right(); x += 40)
        p.drawLine(QPointF(x, charge.top() + 4), QPointF(x, charge.bottom() - 4));
    fleche(p, QPointF(xc - 170, 200), QPointF(xc - 40, 200), couleur::fleche, true);
    fleche(p, QPointF(xc + 150, 250), QPointF(xc + 150, 350), couleur::fleche, true);
}

// The belt of a quarry: gravel raised to a stockpile.
void bande(QPainter& p) {
    fondExterieur(p, 430, QColor(190, 170, 130));
    const QPointF queue(70, 410);
    const qreal angle = 21, longueur = 560;
    const QPointF tete =
        queue + QPointF(std::cos(qDegreesToRadians(angle)), -std::sin(qDegreesToRadians(angle))) * longueur;
    // Stockpile under the head.
    QPainterPath tas;
    tas.moveTo(tete.x() - 150, 470);
    tas.cubicTo(tete.x() - 60, 300, tete.x() + 40, 300, tete.x() + 170, 470);
    tas.closeSubpath();
    contour(p, 1.2);
    QLinearGradient g(0, 300, 0, 470);
    g.setColorAt(0, QColor(176, 164, 150));
    g.setColorAt(1, QColor(128, 116, 104));
    p.setBrush(g);
    p.drawPath(tas);
    p.setPen(Qt::NoPen);
    Alea alea(11);
    for (int i = 0; i < 260; ++i) {
        const qreal u = alea.entre(-1, 1), v = alea();
        p.setBrush(QColor(90, 82, 74).lighter(int(alea.entre(90, 150))));
        p.drawEllipse(QPointF(tete.x() + 10 + u * 150, 468 - v * (150 - std::abs(u) * 150) * 0.95), 2.6, 2);
    }
    // Legs.
    for (qreal s = 90; s < longueur; s += 150) {
        const QPointF a = queue + (tete - queue) * (s / longueur);
        boite(p, QRectF(a.x() - 5, a.y() + 18, 10, 452 - a.y() - 18), couleur::acierSombre, 0);
        boite(p, QRectF(a.x() - 14, 448, 28, 8), QColor(90, 90, 90), 0);
    }
    // Falling gravel.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const qreal t = alea();
        p.setBrush(QColor(110, 100, 90).lighter(int(alea.entre(90, 140))));
        p.drawEllipse(QPointF(tete.x() + 16 + t * 14 + alea.entre(-5, 5), tete.y() + 12 + t * t * 110), 2.4,
                      2);
    }
    // The conveyor in its own frame: x along the belt.
    p.save();
    p.translate(queue);
    p.rotate(-angle);
    treillis(p, QRectF(22, 18, longueur - 44, 22), couleur::acierSombre);
    p.setPen(QPen(QColor(40, 40, 40), 6));
    p.drawLine(QPointF(0, -14), QPointF(longueur, -14));
    p.drawLine(QPointF(0, 12), QPointF(longueur, 12));
    for (qreal s = 40; s < longueur - 20; s += 44)
        disque(p, QPointF(s, -5), 6, couleur::acier);
    disque(p, QPointF(0, -1), 14, couleur::acier);
    disque(p, QPointF(longueur, -1), 15, couleur::acier);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(132, 120, 106));
    for (qreal s = 24; s < longueur - 10; s += 34) {
        p.drawEllipse(QPointF(s, -18), 15, 7);
        p.drawEllipse(QPointF(s + 12, -20), 8, 6);
    }
    reducteur(p, QRectF(longueur - 40, 30, 44, 38));
    moteur(p, QPointF(longueur - 40, 50), 30, Sens::Droite);
    p.restore();
    fleche(p, queue + QPointF(130, -110), queue + QPointF(330, -188));
}

void convoyeur(QPainter& p) {
    fondAtelier(p, 430);
    const qreal y = 300, x1 = 40, x2 = 760;
    for (qreal x = x1 + 30; x < x2; x += 170) {
        boite(p, QRectF(x, y + 20, 12, 470 - y - 20), couleur::acierSombre, 0);
        ombre(p, QRectF(x - 14, 464, 40, 10));
    }
    // Cartons riding on the rollers.
    const qreal tailles[] = {86, 104, 70, 96};
    qreal x = 80;
    for (const qreal t : tailles) {
        ombre(p, QRectF(x - 4, y - 12, t + 8, 10));
        caisse(p, QRectF(x, y - 10 - t * 0.8, t, t * 0.8));
        x += t + 80;
    }
    for (qreal xr = x1 + 12; xr < x2; xr += 30)
        disque(p, QPointF(xr, y - 2), 11, couleur::acier);
    // The side rail hides the lower half of the rollers.
    boite(p, QRectF(x1, y - 2, x2 - x1, 26), QColor(70, 120, 170), 2);
    // The gear motor hangs under the frame; a chain drives one roller.
    boite(p, QRectF(500, y + 24, 12, 34), couleur::acierSombre, 0);
    const QPointF pignon(530, 376), roue(530, y + 10);
    p.setPen(QPen(QColor(40, 40, 40), 3.5));
    p.drawLine(pignon + QPointF(-9, 0), roue + QPointF(-9, 0));
    p.drawLine(pignon + QPointF(9, 0), roue + QPointF(9, 0));
    reducteur(p, QRectF(494, 352, 50, 46));
    disque(p, pignon, 10, couleur::acierSombre);
    moteur(p, QPointF(494, 376), 34, Sens::Droite);
    fleche(p, QPointF(180, 180), QPointF(440, 180));
}

// A gantry palletiser: boxes from the infeed conveyor stacked in layers on a pallet.
void palettiseur(QPainter& p) {
    fondAtelier(p, 440);
    // Infeed conveyor.
    for (const qreal x : {30.0, 200.0})
        boite(p, QRectF(x, 350, 12, 100), couleur::acierSombre, 0);
    for (const qreal x : {40.0, 130.0})
        caisse(p, QRectF(x, 268, 70, 56));
    for (qreal x = 14; x < 250; x += 26)
        disque(p, QPointF(x, 332), 9, couleur::acier);
    boite(p, QRectF(0, 330, 250, 22), QColor(70, 120, 170), 2);
    // Pallet and the layers already made.
    const QRectF pal(460, 410, 240, 32);
    ombre(p, QRectF(450, 434, 260, 16));
    palette(p, pal);
    for (int couche = 0; couche < 2; ++couche)
        for (int i = 0; i < 3; ++i)
            caisse(p, QRectF(pal.left() + 6 + i * 76, pal.top() - 58 * (couche + 1), 74, 58));
    caisse(p, QRectF(pal.left() + 6, pal.top() - 174, 74, 58));
    // Gantry: two columns and the beam.
    for (const qreal x : {262.0, 720.0})
        boite(p, QRectF(x, 110, 22, 332), couleur::jaune.darker(110), 0);
    poutre(p, QRectF(240, 84, 510, 34));
    moteur(p, QPointF(712, 66), 20, Sens::Droite);
    // Carriage, vertical arm and gripper holding the next box.
    const qreal xc = 520;
    boite(p, QRectF(xc - 50, 60, 100, 30), couleur::orange, 4);
    moteur(p, QPointF(xc + 6, 44), 18, Sens::Droite);
    cylindreV(p, QRectF(xc - 12, 90, 24, 150), couleur::acier);
    boite(p, QRectF(xc - 52, 236, 104, 16), couleur::orange.darker(110), 2);
    for (const qreal dx : {-48.0, 40.0})
        boite(p, QRectF(xc + dx, 250, 8, 40), couleur::acierSombre, 1);
    caisse(p, QRectF(xc - 37, 252, 74, 58));
    fleche(p, QPointF(330, 170), QPointF(450, 170), couleur::fleche, true);
    fleche(p, QPointF(610, 160), QPointF(610, 280), couleur::fleche, true);
}

// An electric wire-rope hoist under a monorail beam.
void palan(QPainter& p) {
    fondAtelier(p, 440);
    for (const qreal x : {120.0, 680.0})
        boite(p, QRectF(x, 0, 14, 84), couleur::acierSombre, 0);
    poutre(p, QRectF(-10, 80, 820, 40), QColor(70, 110, 160));
    // Trolley wheels on the lower flange.
    const qreal xc = 400;
    for (const qreal dx : {-70.0, 70.0}) {
        boite(p, QRectF(xc + dx - 8, 108, 16, 40), couleur::jaune.darker(120), 2);
        disque(p, QPointF(xc + dx, 114), 9, couleur::acierSombre);
    }
    // Gearbox, rope drum and motor in a row.
    reducteur(p, QRectF(xc - 150, 142, 50, 64), couleur::jaune.darker(110));
    cylindreH(p, QRectF(xc - 100, 148, 170, 52), couleur::acier);
    p.setPen(QPen(QColor(110, 116, 122), 1.5));
    for (qreal x = xc - 94; x < xc + 66; x += 7)
        p.drawLine(QPointF(x, 150), QPointF(x + 4, 198));
    moteur(p, QPointF(xc + 70, 174), 44, Sens::Gauche);
    // Pendant control.
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.drawLine(QPointF(xc + 120, 200), QPointF(xc + 150, 320));
    boite(p, QRectF(xc + 138, 320, 26, 56), couleur::jaune, 4);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 0 ? couleur::vert : QColor(40, 40, 40));
        p.drawEllipse(QPointF(xc + 151, 334 + i * 14), 4, 4);
    }
    // Rope, hook and the load.
    cable(p, QPointF(xc - 20, 200), QPointF(xc - 20, 250));
    cable(p, QPointF(xc - 4, 200), QPointF(xc - 4, 250));
    const QPointF bas = crochet(p, QPointF(xc - 12, 244), 0.9);
    const QRectF charge(xc - 100, 350, 176, 74);
    ombre(p, QRectF(charge.left(), 434, charge.width(), 14));
    p.setPen(QPen(QColor(70, 70, 70), 3));
    p.drawLine(bas, charge.topLeft() + QPointF(10, 0));
    p.drawLine(bas, charge.topRight() - QPointF(10, 0));
    boite(p, charge, couleur::bois, 2);
    p.setPen(QPen(couleur::bois.darker(140), 2));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(charge.left() + 4, charge.top() + i * charge.height() / 4),
                   QPointF(charge.right() - 4, charge.top() + i * charge.height() / 4));
    p.drawLine(charge.topLeft() + QPointF(6, 6), charge.bottomRight() - QPointF(6, 6));
    fleche(p, QPointF(xc - 150, 260), QPointF(xc - 150, 400), couleur::fleche, true);
}

// A traction lift: the machine room above the shaft, the car and its counterweight.
void ascenseur(QPainter& p) {
    QLinearGradient ciel(0, 0, 0, HAUTEUR);
    ciel.setColorAt(0, QColor(150, 190, 230));
    ciel.setColorAt(1, QColor(226, 236, 246));
    p.fillRect(QRectF(0, 0, LARGEUR, HAUTEUR), ciel);
    const QColor beton(188, 184, 176), interieur(236, 230, 216);
    // The building in section: three floors, the shaft in the middle, the machine room on top.
    boite(p, QRectF(110, 120, 580, 440), beton, 0);
    p.fillRect(QRectF(130, 140, 540, 400), interieur);
    const qreal g = 320, d = 500; // shaft walls
    p.fillRect(QRectF(g, 140, d - g, 420), QColor(150, 150, 146));
    for (const qreal y : {240.0, 380.0, 520.0}) {
        boite(p, QRectF(110, y, g - 110, 20), beton, 0);
        boite(p, QRectF(d, y, 690 - d, 20), beton, 0);
        // Landing doors.
        boite(p, QRectF(g - 50, y - 86, 42, 86), QColor(170, 176, 182), 1);
    }
    boite(p, QRectF(260, 40, 300, 82), beton, 0);
    p.fillRect(QRectF(276, 52, 268, 70), interieur);
    boite(p, QRectF(110, 120, 580, 20), beton, 0);
    // Guide rails.
    p.setPen(QPen(QColor(90, 90, 90), 4));
    for (const qreal x : {g + 10, d - 10})
        p.drawLine(QPointF(x, 140), QPointF(x, 560));
    // Traction machine: motor, gearbox, sheave.
    const QPointF poulie(420, 96);
    chassis(p, 290, 530, 114, 8);
    moteur(p, QPointF(360, 92), 30, Sens::Droite);
    reducteur(p, QRectF(360, 70, 40, 44));
    disque(p, poulie, 22, couleur::acier);
    // Car on the left of the sheave, counterweight on the right.
    const QRectF cabine(g + 24, 250, 112, 130);
    cable(p, QPointF(poulie.x() - 22, poulie.y()), QPointF(poulie.x() - 22, cabine.top()));
    cable(p, QPointF(poulie.x() + 22, poulie.y()), QPointF(poulie.x() + 22, 420));
    boite(p, QRectF(poulie.x() + 10, 420, 26, 90), couleur::acierSombre, 2);
    boite(p, cabine, QColor(200, 206, 212), 3);
    p.fillRect(cabine.adjusted(10, 12, -10, -6), QColor(250, 240, 200));
    p.setPen(QPen(QColor(140, 146, 152), 2));
    p.drawLine(QPointF(cabine.center().x(), cabine.top() + 12),
               QPointF(cabine.center().x(), cabine.bottom() - 6));
    fleche(p, QPointF(240, 290), QPointF(240, 430), couleur::fleche, true);
    flecheRotation(p, poulie, 38, 150, -120);
}

// A tower crane on a building site.
void grue(QPainter& p) {
    fondExterieur(p, 460, QColor(170, 150, 120));
    // A building rising on the right.
    boite(p, QRectF(560, 300, 220, 160), QColor(190, 186, 178), 0);
    p.setPen(QPen(QColor(120, 110, 100), 3));
    for (const qreal x : {580.0, 640.0, 700.0, 760.0})
        p.drawLine(QPointF(x, 300), QPointF(x, 250));
    for (const qreal y : {340.0, 400.0}) {
        p.fillRect(QRectF(580, y - 24, 180, 22), QColor(90, 110, 130));
    }
    // Mast, cab, apex and the two jibs.
    const qreal xm = 300;
    boite(p, QRectF(xm - 50, 452, 100, 18), QColor(150, 150, 150), 0);
    treillis(p, QRectF(xm - 20, 120, 40, 332), couleur::jaune, true);
    boite(p, QRectF(xm + 20, 118, 40, 34), QColor(240, 240, 236), 3);
    p.fillRect(QRectF(xm + 26, 124, 28, 16), QColor(120, 170, 210));
    treillis(p, QRectF(xm, 94, 480, 26), couleur::jaune);
    treillis(p, QRectF(80, 94, 220, 26), couleur::jaune);
    QPolygonF pointe{{xm - 16, 94}, {xm, 30}, {xm + 16, 94}};
    contour(p);
    p.setBrush(couleur::jaune);
    p.drawPolygon(pointe);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.drawLine(QPointF(xm, 32), QPointF(620, 94));
    p.drawLine(QPointF(xm, 32), QPointF(100, 94));
    // Counterweights and the hoist winch on the counter-jib.
    for (int i = 0; i < 3; ++i)
        boite(p, QRectF(92 + i * 26, 120, 24, 58), QColor(160, 160, 156), 1);
    cylindreH(p, QRectF(190, 70, 44, 24), couleur::acier);
    moteur(p, QPointF(190, 82), 18, Sens::Droite);
    // Trolley, rope, hook and a pallet of bricks.
    const qreal xt = 600;
    boite(p, QRectF(xt - 22, 120, 44, 16), couleur::acierSombre, 2);
    cable(p, QPointF(xt, 136), QPointF(xt, 270), 2);
    const QPointF bas = crochet(p, QPointF(xt, 270), 0.8);
    const QRectF charge(xt - 60, 356, 120, 50);
    p.setPen(QPen(QColor(70, 70, 70), 2.5));
    p.drawLine(bas, charge.topLeft());
    p.drawLine(bas, charge.topRight());
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            boite(p, QRectF(charge.left() + c * 30 + (r % 2) * 6 - 3, charge.top() + r * 12, 28, 12),
                  QColor(178, 84, 56), 1);
    palette(p, QRectF(charge.left(), charge.bottom() - 12, charge.width(), 16));
    fleche(p, QPointF(xt + 80, 240), QPointF(xt + 80, 380), couleur::fleche, true);
}

// A winch raising a load over a pulley at the top of a gallows.
void treuil(QPainter& p) {
    fondExterieur(p, 450, QColor(160, 160, 150));
    // Gallows and its pulley.
    boite(p, QRectF(600, 90, 24, 362), couleur::acierSombre, 0);
    boite(p, QRectF(520, 82, 110, 20), couleur::acierSombre, 0);
    const QPointF poulie(536, 116);
    // The winch on its base: motor, gearbox, drum.
    chassis(p, 70, 360, 424, 16);
    const QRectF tambour(230, 340, 110, 72);
    socle(p, QPointF(180, 384), 44, 424);
    moteur(p, QPointF(180, 384), 44, Sens::Droite);
    reducteur(p, QRectF(180, 348, 46, 76));
    cable(p, QPointF(tambour.right() - 10, tambour.top()), poulie + QPointF(-10, -16));
    cylindreH(p, tambour, QColor(70, 76, 84));
    p.setPen(QPen(QColor(150, 156, 160), 2));
    for (qreal x = tambour.left() + 6; x < tambour.right() - 4; x += 6)
        p.drawLine(QPointF(x, tambour.top() + 6), QPointF(x + 3, tambour.bottom() - 6));
    for (const qreal x : {tambour.left() - 4, tambour.right() - 4})
        boite(p, QRectF(x, tambour.top() - 10, 8, tambour.height() + 20), couleur::acierSombre, 1);
    disque(p, poulie, 18, couleur::acier);
    // Rope down to the load.
    cable(p, poulie + QPointF(-18, 0), QPointF(poulie.x() - 18, 250));
    const QPointF bas = crochet(p, QPointF(poulie.x() - 18, 244), 0.7);
    const QRectF charge(bas.x() - 50, 320, 100, 80);
    p.setPen(QPen(QColor(70, 70, 70), 2.5));
    p.drawLine(bas, charge.topLeft() + QPointF(8, 0));
    p.drawLine(bas, charge.topRight() - QPointF(8, 0));
    cylindreV(p, charge, QColor(90, 120, 90));
    ombre(p, QRectF(charge.left(), 446, charge.width(), 14));
    fleche(p, QPointF(charge.right() + 40, 260), QPointF(charge.right() + 40, 390), couleur::fleche, true);
}

} // namespace

std::vector<DessinImage> imagesManutention() {
    return {
        {"pont_roulant.jpg", pontRoulant},
        {"bande.jpg", bande},
        {"convoyeur.jpg", convoyeur},
        {"palettiseur.jpg", palettiseur},
        {"palan.jpg", palan},
        {"ascenseur.jpg", ascenseur},
        {"grue.jpg", grue},
        {"treuil.jpg", treuil},
    };
}
