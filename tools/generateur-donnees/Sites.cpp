// The pictures of the application catalogue window: the industrial site with its two buildings
// opened on their insides, the production plant hall and the technical room with a stand for each
// application, and the small picture of each application, made from its illustration. The places
// of the stands and openings are the window's (CatalogueKorlan), so that its pictures fall on them.
#include "Dessin.h"
#include "Images.h"
#include "application/CatalogueKorlan.h"

#include <QtMath>

using namespace dessin;

namespace {

constexpr qreal L = LARGEUR_VUE_KORLAN;
constexpr qreal H = HAUTEUR_VUE_KORLAN;

// The stand under an application's picture: a darker plinth edged with yellow and black stripes.
void emplacement(QPainter& p, const QRect& cadre) {
    const QRectF ext = QRectF(cadre).adjusted(-16, -16, 16, 16);
    const QRectF inte = ext.adjusted(7, 7, -7, -7);
    ombre(p, QRectF(ext.left() - 6, ext.bottom() - 10, ext.width() + 12, 24));
    QPainterPath anneau;
    anneau.addRect(ext);
    anneau.addRect(inte);
    p.save();
    p.setClipPath(anneau);
    p.fillRect(ext, couleur::jaune);
    p.setPen(QPen(QColor(30, 30, 30), 7));
    for (qreal x = ext.left() - ext.height(); x < ext.right(); x += 20)
        p.drawLine(QPointF(x, ext.bottom()), QPointF(x + ext.height(), ext.top()));
    p.restore();
    p.fillRect(inte, QColor(92, 98, 104));
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(ext);
}

void emplacements(QPainter& p, PanneauKorlan zone) {
    for (const ApplicationKorlan& a : ApplicationsKorlan())
        if (a.zone() == zone && a.visible) emplacement(p, a.cadre);
}

// A concrete floor from `haut` down, its joints drawn towards a vanishing point above the picture.
void sol(QPainter& p, qreal haut, const QColor& c) {
    QLinearGradient g(0, haut, 0, H);
    g.setColorAt(0, c.lighter(112));
    g.setColorAt(1, c.darker(118));
    p.fillRect(QRectF(0, haut, L, H - haut), g);
    p.setPen(QPen(c.darker(112), 1.2));
    for (qreal x = -900; x <= L + 900; x += 130)
        p.drawLine(QPointF(L / 2 + (x - L / 2) * 0.55, haut), QPointF(x, H));
    for (qreal y = haut + 30, pas = 26; y < H; y += pas, pas *= 1.22)
        p.drawLine(QPointF(0, y), QPointF(L, y));
}

// A walkway painted across the floor: green with white edges.
void allee(QPainter& p, qreal y, qreal h) {
    p.fillRect(QRectF(0, y, L, h), QColor(72, 140, 96));
    p.fillRect(QRectF(0, y, L, 4), QColor(236, 236, 230));
    p.fillRect(QRectF(0, y + h - 4, L, 4), QColor(236, 236, 230));
}

// A steel column of the hall, from the roof to the floor at `bas`.
void poteau(QPainter& p, qreal x, qreal bas) {
    boite(p, QRectF(x - 9, 0, 18, bas), QColor(70, 110, 150), 0);
    boite(p, QRectF(x - 14, bas - 8, 28, 8), couleur::acierSombre, 0);
}

// A window of the clerestory.
void baie(QPainter& p, const QRectF& r) {
    QLinearGradient verre(r.topLeft(), r.bottomLeft());
    verre.setColorAt(0, QColor(206, 230, 246));
    verre.setColorAt(1, QColor(150, 190, 220));
    p.setPen(QPen(QColor(120, 130, 140), 3));
    p.setBrush(verre);
    p.drawRect(r);
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
}

// A forklift carrying a pallet, forks to the left.
void chariot(QPainter& p, const QPointF& roue) {
    const qreal x = roue.x(), y = roue.y();
    ombre(p, QRectF(x - 90, y + 14, 190, 18));
    boite(p, QRectF(x - 16, y - 70, 90, 60), QColor(236, 160, 30), 8);
    boite(p, QRectF(x + 50, y - 60, 40, 50), QColor(210, 140, 20), 6);
    p.setPen(QPen(QColor(40, 40, 40), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x - 6, y - 70), QPointF(x - 6, y - 150));
    p.drawLine(QPointF(x + 60, y - 60), QPointF(x + 60, y - 150));
    p.drawLine(QPointF(x - 6, y - 150), QPointF(x + 60, y - 150));
    boite(p, QRectF(x - 34, y - 160, 12, 160), couleur::acierSombre, 0);
    boite(p, QRectF(x - 92, y - 8, 64, 6), couleur::acierSombre, 0);
    palette(p, QRectF(x - 92, y - 30, 60, 22));
    caisse(p, QRectF(x - 88, y - 84, 52, 54));
    for (const qreal dx : {0.0, 64.0}) {
        contour(p);
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QPointF(x + dx, y), 16, 16);
        p.setBrush(couleur::acier);
        p.drawEllipse(QPointF(x + dx, y), 6, 6);
    }
}

// Storage racks with pallets, seen from the front.
void rayonnage(QPainter& p, const QRectF& r) {
    const int niveaux = 3;
    const qreal h = r.height() / niveaux;
    for (int i = 0; i < niveaux; ++i) {
        const qreal y = r.top() + i * h;
        palette(p, QRectF(r.left() + 8, y + h - 26, r.width() - 16, 18));
        caisse(p, QRectF(r.left() + 14, y + 12, r.width() - 28, h - 38));
        boite(p, QRectF(r.left(), y + h - 8, r.width(), 8), couleur::orange, 0);
    }
    boite(p, QRectF(r.left() - 4, r.top(), 8, r.height()), QColor(50, 90, 150), 0);
    boite(p, QRectF(r.right() - 4, r.top(), 8, r.height()), QColor(50, 90, 150), 0);
}

// The production hall inside: clerestory, crane runway, columns, walkways and five stands.
void usine(QPainter& p) {
    const qreal mur = 150;
    QLinearGradient g(0, 0, 0, mur);
    g.setColorAt(0, QColor(206, 214, 222));
    g.setColorAt(1, QColor(182, 192, 202));
    p.fillRect(QRectF(0, 0, L, mur), g);
    p.setPen(QPen(QColor(196, 204, 212), 2));
    for (qreal x = 12; x < L; x += 24)
        p.drawLine(QPointF(x, 58), QPointF(x, mur));
    for (qreal x = 30; x < L; x += 160)
        baie(p, QRectF(x, 8, 120, 38));
    sol(p, mur, QColor(160, 164, 166));
    allee(p, 268, 38);
    allee(p, 500, 34);
    for (const qreal x : {22.0, 482.0, 942.0})
        poteau(p, x, mur + 4);
    // Crane runway along the back wall.
    poutre(p, QRectF(0, 50, L, 16));
    boite(p, QRectF(610, 36, 120, 14), couleur::jaune, 2);
    emplacements(p, PanneauKorlan::Usine);
    rayonnage(p, QRectF(20, 316, 180, 172));
    chariot(p, QPointF(850, 470));
    // Fire extinguisher on the right column.
    boite(p, QRectF(930, 96, 22, 46), couleur::rouge, 8);
}

// A group of pipes along the wall, with valves.
void tuyauterie(QPainter& p) {
    const QColor couleurs[] = {QColor(60, 120, 200), QColor(60, 150, 90), QColor(190, 70, 50)};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 22 + i * 24;
        tuyau(p, QPolygonF{{0, y}, {L, y}}, 14, couleurs[i]);
        for (qreal x = 120 + i * 90; x < L; x += 300) {
            bride(p, QPointF(x, y), 14, false);
            contour(p);
            p.setBrush(couleur::rouge);
            p.drawEllipse(QPointF(x + 10, y - 12), 8, 4);
        }
    }
    // Cable tray.
    boite(p, QRectF(0, 96, L, 10), couleur::acier, 0);
}

// Drive cabinets: grey doors with a small screen and two lamps each.
void armoires(QPainter& p, const QRectF& r, int n) {
    const qreal l = r.width() / n;
    ombre(p, QRectF(r.left() - 6, r.bottom() - 8, r.width() + 12, 20));
    for (int i = 0; i < n; ++i) {
        const QRectF a(r.left() + i * l, r.top(), l, r.height());
        boite(p, a, QColor(200, 204, 208), 2);
        boite(p, QRectF(a.center().x() - 18, a.top() + 26, 36, 24), QColor(30, 60, 80), 2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 230, 140));
        p.drawEllipse(QPointF(a.center().x() - 8, a.top() + 66), 4, 4);
        p.setBrush(QColor(250, 180, 40));
        p.drawEllipse(QPointF(a.center().x() + 8, a.top() + 66), 4, 4);
        p.setPen(QPen(QColor(140, 146, 150), 1.5));
        for (qreal y = a.bottom() - 40; y < a.bottom() - 12; y += 6)
            p.drawLine(QPointF(a.left() + 10, y), QPointF(a.right() - 10, y));
        boite(p, QRectF(a.right() - 12, a.center().y() - 12, 5, 24), couleur::acierSombre, 1);
    }
}

// The technical room inside: pipes and cables on the wall, drive cabinets, a tank, four stands.
void local(QPainter& p) {
    const qreal mur = 140;
    QLinearGradient g(0, 0, 0, mur);
    g.setColorAt(0, QColor(214, 222, 214));
    g.setColorAt(1, QColor(190, 200, 192));
    p.fillRect(QRectF(0, 0, L, mur), g);
    p.setPen(QPen(QColor(200, 208, 200), 1));
    for (qreal y = 112; y < mur; y += 14)
        p.drawLine(QPointF(0, y), QPointF(L, y));
    sol(p, mur, QColor(130, 150, 140));
    // Fresh-air duct on the left, extraction duct on the right, down from the ceiling.
    for (const qreal x : {12.0, 888.0}) {
        boite(p, QRectF(x, 0, 64, 440), QColor(176, 184, 190), 2);
        p.setPen(QPen(QColor(150, 158, 164), 1.5));
        for (qreal y = 60; y < 340; y += 70)
            p.drawLine(QPointF(x + 2, y), QPointF(x + 62, y));
        boite(p, QRectF(x + 6, 350, 52, 80), QColor(150, 158, 164), 2);
        p.setPen(QPen(QColor(100, 108, 114), 2));
        for (qreal y = 358; y < 426; y += 8)
            p.drawLine(QPointF(x + 12, y), QPointF(x + 52, y));
    }
    tuyauterie(p);
    allee(p, 500, 30);
    emplacements(p, PanneauKorlan::LocalTechnique);
    armoires(p, QRectF(400, 82, 164, 196), 3);
    // Expansion tank on the manifold between the stands.
    ombre(p, QRectF(420, 478, 130, 20));
    tuyau(p, QPolygonF{{384, 296}, {584, 296}}, 12, QColor(60, 120, 200));
    tuyau(p, QPolygonF{{484, 296}, {484, 330}}, 10, QColor(60, 120, 200));
    cylindreV(p, QRectF(434, 340, 100, 140), QColor(200, 60, 50));
    contour(p);
    p.setBrush(sphere(QPointF(484, 336), 50, QColor(200, 60, 50)));
    p.drawChord(QRectF(434, 318, 100, 44), 0, 180 * 16);
    manometre(p, QPointF(484, 400), 16);
    boite(p, QRectF(92, 460, 22, 46), couleur::rouge, 8);
}

// A building of the site opened on its inside: the opening where the window puts the picture of
// the area, the wall around it.
void ouverture(QPainter& p, const QRect& cadre) {
    const QRectF r = QRectF(cadre).adjusted(-5, -5, 5, 5);
    p.fillRect(r, QColor(40, 46, 54));
    p.setPen(QPen(QColor(30, 34, 40), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void bardage(QPainter& p, const QRectF& r, const QColor& c) {
    boite(p, r, c, 0);
    p.setPen(QPen(c.darker(112), 1.5));
    for (qreal x = r.left() + 10; x < r.right(); x += 12)
        p.drawLine(QPointF(x, r.top() + 2), QPointF(x, r.bottom() - 2));
}

void arbre(QPainter& p, const QPointF& pied, qreal t) {
    boite(p, QRectF(pied.x() - 4 * t, pied.y() - 30 * t, 8 * t, 30 * t), couleur::bois, 0);
    p.setPen(Qt::NoPen);
    for (const auto& [dx, dy, r] :
         {std::tuple(0.0, -52.0, 26.0), std::tuple(-16.0, -38.0, 18.0), std::tuple(16.0, -40.0, 20.0)}) {
        p.setBrush(sphere(pied + QPointF(dx * t, dy * t), r * t, QColor(70, 140, 70)));
        p.drawEllipse(pied + QPointF(dx * t, dy * t), r * t, r * t);
    }
}

void camion(QPainter& p, const QPointF& roue) {
    const qreal x = roue.x(), y = roue.y();
    ombre(p, QRectF(x - 20, y + 8, 230, 14));
    boite(p, QRectF(x - 20, y - 90, 150, 78), QColor(236, 238, 240), 3);
    boite(p, QRectF(x + 134, y - 64, 60, 52), QColor(40, 110, 180), 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 220, 240));
    p.drawRoundedRect(QRectF(x + 160, y - 58, 28, 20), 3, 3);
    for (const qreal dx : {0.0, 40.0, 160.0}) {
        contour(p);
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QPointF(x + dx, y), 13, 13);
        p.setBrush(couleur::acier);
        p.drawEllipse(QPointF(x + dx, y), 5, 5);
    }
}

// An electricity pylon in the distance.
void pylone(QPainter& p, qreal x, qreal haut, qreal bas) {
    p.setPen(QPen(QColor(120, 130, 140), 2));
    const qreal l = (bas - haut) * 0.16;
    p.drawLine(QPointF(x - l, bas), QPointF(x - 4, haut));
    p.drawLine(QPointF(x + l, bas), QPointF(x + 4, haut));
    for (qreal y = haut + 20; y < bas; y += 24) {
        const qreal e = 4 + (y - haut) / (bas - haut) * (l - 4);
        p.drawLine(QPointF(x - e, y), QPointF(x + e, y + 20));
        p.drawLine(QPointF(x + e, y), QPointF(x - e, y + 20));
    }
    p.drawLine(QPointF(x - 30, haut + 16), QPointF(x + 30, haut + 16));
    p.drawLine(QPointF(x - 22, haut + 40), QPointF(x + 22, haut + 40));
    p.setPen(QPen(QColor(90, 100, 110), 1));
    for (const qreal dy : {16.0, 40.0}) {
        p.drawLine(QPointF(x - 30, haut + dy), QPointF(0, haut + dy + 30));
        p.drawLine(QPointF(x + 30, haut + dy), QPointF(L, haut + dy + 40));
    }
}

// The site: the production plant on the left, the technical room on the right, a road in front.
void site(QPainter& p) {
    const qreal terre = 478;
    QLinearGradient ciel(0, 0, 0, terre);
    ciel.setColorAt(0, QColor(104, 164, 222));
    ciel.setColorAt(1, QColor(220, 236, 248));
    p.fillRect(QRectF(0, 0, L, terre), ciel);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    for (const QPointF c : {QPointF(640, 60), QPointF(880, 110), QPointF(250, 50)}) {
        p.drawEllipse(c, 62, 18);
        p.drawEllipse(c + QPointF(-28, -12), 34, 20);
        p.drawEllipse(c + QPointF(24, -16), 40, 24);
    }
    p.setBrush(QColor(160, 184, 176));
    QPainterPath collines;
    collines.moveTo(0, terre - 60);
    collines.cubicTo(200, terre - 150, 420, terre - 40, 620, terre - 110);
    collines.cubicTo(760, terre - 160, 880, terre - 70, L, terre - 100);
    collines.lineTo(L, terre);
    collines.lineTo(0, terre);
    p.drawPath(collines);
    pylone(p, 556, 150, terre);
    QLinearGradient herbe(0, terre, 0, H);
    herbe.setColorAt(0, QColor(134, 170, 100));
    herbe.setColorAt(1, QColor(100, 136, 76));
    p.fillRect(QRectF(0, terre, L, H - terre), herbe);
    // Road and its markings.
    p.fillRect(QRectF(0, 496, L, 48), QColor(86, 90, 96));
    p.fillRect(QRectF(0, 496, L, 3), QColor(200, 200, 196));
    p.fillRect(QRectF(0, 541, L, 3), QColor(200, 200, 196));
    for (qreal x = 10; x < L; x += 60)
        p.fillRect(QRectF(x, 518, 32, 4), QColor(240, 240, 236));

    // The plant: chimney behind, saw-tooth roof, cladding and the opening on the hall.
    const QRect u = CadreSelectUsine();
    cylindreV(p, QRectF(456, 30, 30, 120), QColor(176, 90, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 238, 240, 170));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(470 + i * 22, 20 - i * 6), 16 + i * 4, 10 + i * 3);
    const qreal toit = u.top() - 40, gauche = u.left() - 32, droite = u.right() + 32;
    bardage(p, QRectF(gauche, toit, droite - gauche, terre - toit), QColor(200, 208, 216));
    const int dents = 5;
    const qreal pas = (droite - gauche) / dents;
    for (int i = 0; i < dents; ++i) {
        const qreal x = gauche + i * pas;
        QPolygonF dent{{x, toit}, {x + pas * 0.78, toit - 48}, {x + pas * 0.78, toit}};
        contour(p);
        p.setBrush(QColor(120, 130, 140));
        p.drawPolygon(dent);
        p.setBrush(QColor(190, 220, 240));
        p.drawPolygon(QPolygonF{{x + pas * 0.78, toit - 48}, {x + pas, toit}, {x + pas * 0.78, toit}});
    }
    boite(p, QRectF(gauche - 4, toit - 4, droite - gauche + 8, 10), QColor(90, 100, 110), 0);
    ouverture(p, u);

    // The technical room: flat roof with its fans, louvres under the opening, pipes to the plant.
    const QRect l = CadreSelectLocal();
    const qreal haut = l.top() - 30, g = l.left() - 22, d = l.right() + 22;
    bardage(p, QRectF(g, haut, d - g, terre - haut), QColor(214, 206, 186));
    boite(p, QRectF(g - 4, haut - 8, d - g + 8, 12), QColor(120, 110, 96), 0);
    // Roof fans: a drum under a flat cowl.
    for (const qreal x : {g + 50, d - 110}) {
        cylindreV(p, QRectF(x, haut - 40, 60, 34), couleur::acier);
        boite(p, QRectF(x - 10, haut - 54, 80, 14), couleur::acierSombre, 4);
    }
    ouverture(p, l);
    for (qreal y = l.bottom() + 12; y < terre - 6; y += 7) {
        p.setPen(QPen(QColor(150, 140, 124), 2));
        p.drawLine(QPointF(l.left() + 40, y), QPointF(l.right() - 40, y));
    }
    for (int i = 0; i < 3; ++i)
        tuyau(p, QPolygonF{{droite, 300.0 + i * 26}, {g, 300.0 + i * 26}}, 12,
              i == 0   ? QColor(60, 120, 200)
              : i == 1 ? QColor(60, 150, 90)
                       : QColor(190, 70, 50));

    // Trees, a fence along the road and a lorry going by.
    for (const auto& [x, t] : {std::pair(14.0, 0.9), std::pair(548.0, 0.7), std::pair(948.0, 0.8)})
        arbre(p, QPointF(x, terre + 6), t);
    p.setPen(QPen(QColor(90, 100, 90), 1.5));
    for (qreal x = 0; x < L; x += 14)
        p.drawLine(QPointF(x, 480), QPointF(x, 494));
    p.drawLine(QPointF(0, 482), QPointF(L, 482));
    p.save();
    p.translate(612, 532);
    p.scale(0.62, 0.62);
    camion(p, QPointF(0, 0));
    p.restore();
}

// The small picture of an application: its illustration, cropped to the machine, half size.
DessinImage vignette(const ApplicationKorlan& a, const DessinImage& illustration, const QRectF& recadrage) {
    const QSize taille(a.cadre.width() * 2, a.cadre.height() * 2);
    const auto dessine = illustration.dessine;
    return {QString::fromLatin1(a.vignette),
            [dessine, recadrage, taille](QPainter& p) {
                p.scale(taille.width() / recadrage.width(), taille.height() / recadrage.height());
                p.translate(-recadrage.topLeft());
                dessine(p);
            },
            taille};
}

// Where each small picture is cut from its illustration (800 x 560), at the proportions 10 x 7.
QRectF recadrage(int code) {
    const auto r = [](qreal x, qreal y, qreal l) { return QRectF(x, y, l, l * 0.7); };
    switch (code) {
    case 51:
        return r(110, 50, 640);
    case 52:
        return r(40, 56, 720);
    case 53:
        return r(40, 40, 740);
    case 57:
        return r(20, 28, 760);
    case 61:
        return r(180, 100, 620);
    case 62:
        return r(80, 20, 640);
    case 64:
        return r(50, 0, 760);
    default:
        return r(0, 0, 800);
    }
}

} // namespace

std::vector<DessinImage> imagesCatalogue(const std::map<QString, DessinImage>& dessins) {
    const QSize vue(LARGEUR_VUE_KORLAN, HAUTEUR_VUE_KORLAN);
    std::vector<DessinImage> images{
        {IMAGE_SITE, site, vue}, {IMAGE_USINE, usine, vue}, {IMAGE_LOCAL, local, vue}};
    for (const ApplicationKorlan& a : ApplicationsKorlan()) {
        if (!a.vignette) continue;
        const auto i = dessins.find(IllustrationApplication(a.code));
        if (i != dessins.end()) images.push_back(vignette(a, i->second, recadrage(a.code)));
    }
    return images;
}
