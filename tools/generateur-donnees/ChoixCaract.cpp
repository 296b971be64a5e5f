// The pictures of the characteristic choice screen: each machine type's symbol coupled to the
// shaft of the load machine, and each load law's torque-speed shape beside a machine that loads
// its motor that way (the illustrations of the applications viewer).
#include "Dessin.h"
#include "Images.h"
#include "study/SchemasChoix.h"

using namespace dessin;

namespace {

constexpr int LARGEUR_CHOIX = 480;
constexpr int HAUTEUR_CHOIX = 300;

// A machine that loads its motor with the law: the picture it is cut from and the cut.
struct Exemple {
    const char* image;
    QRectF recadrage;
};

Exemple exemple(int type) {
    switch (type) {
    case 5:
        return {"alternateur.jpg", QRectF(60, 90, 680, 460)};
    case 6:
    case 10:
        return {"convoyeur.jpg", QRectF(40, 60, 720, 490)};
    case 7:
    case 11:
        return {"calandre.jpg", QRectF(40, 60, 720, 490)};
    case 8:
    case 12:
        return {"pompes.jpg", QRectF(140, 90, 640, 440)};
    case 9:
    case 13:
        return {"deroulage.jpg", QRectF(40, 60, 720, 490)};
    case 14:
        return {"presse.jpg", QRectF(60, 40, 700, 480)};
    case 15:
    case 16:
        return {"bande.jpg", QRectF(40, 60, 720, 490)};
    case 17:
    case 18:
        return {"palan.jpg", QRectF(60, 20, 700, 480)};
    default:
        return {nullptr, {}};
    }
}

// A light panel with a thin border, behind the symbols.
void fond(QPainter& p) {
    QLinearGradient g(0, 0, 0, HAUTEUR_CHOIX);
    g.setColorAt(0, QColor(250, 251, 253));
    g.setColorAt(1, QColor(232, 237, 243));
    p.fillRect(QRectF(0, 0, LARGEUR_CHOIX, HAUTEUR_CHOIX), g);
    p.setPen(QPen(QColor(180, 188, 198), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, LARGEUR_CHOIX - 2, HAUTEUR_CHOIX - 2));
}

DessinImage machine(int type) {
    return {ImageMachineChoix(type),
            [type](QPainter& p) {
                fond(p);
                DessineSymboleMachine(p, QRectF(12, 14, LARGEUR_CHOIX - 24, HAUTEUR_CHOIX - 28), type);
            },
            QSize(LARGEUR_CHOIX, HAUTEUR_CHOIX), 92};
}

DessinImage charge(int type, const std::map<QString, DessinImage>& dessins) {
    const Exemple e = exemple(type);
    const auto i = e.image ? dessins.find(e.image) : dessins.end();
    std::function<void(QPainter&)> illustration;
    if (i != dessins.end()) illustration = i->second.dessine;
    return {ImageChargeChoix(type),
            [type, e, illustration](QPainter& p) {
                fond(p);
                if (!illustration) {
                    DessineAllureCharge(p, QRectF(12, 12, LARGEUR_CHOIX - 24, HAUTEUR_CHOIX - 24), type);
                    return;
                }
                DessineAllureCharge(p, QRectF(0, 30, 306, 240), type);
                // The example, framed, on the right.
                const qreal h = 164 * e.recadrage.height() / e.recadrage.width();
                const QRectF cadre(306, (HAUTEUR_CHOIX - h) / 2, 164, h);
                p.save();
                p.setClipRect(cadre);
                p.translate(cadre.topLeft());
                p.scale(cadre.width() / e.recadrage.width(), cadre.height() / e.recadrage.height());
                p.translate(-e.recadrage.topLeft());
                illustration(p);
                p.restore();
                p.setPen(QPen(couleur::trait, 2));
                p.setBrush(Qt::NoBrush);
                p.drawRoundedRect(cadre, 3, 3);
            },
            QSize(LARGEUR_CHOIX, HAUTEUR_CHOIX), 92};
}

} // namespace

std::vector<DessinImage> imagesChoixCaract(const std::map<QString, DessinImage>& dessins) {
    std::vector<DessinImage> images;
    for (int m = 1; m <= 7; ++m)
        images.push_back(machine(m));
    for (int c = 1; c <= 18; ++c)
        images.push_back(charge(c, dessins));
    return images;
}
