#pragma once
// The pieces the application pictures are drawn from: backgrounds, the electric motor that drives
// every machine, gearboxes, drums, pipes, loads and the arrows that show what moves. Side views,
// shaded with gradients, no text, so that one picture serves the three languages.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <cstdint>

namespace dessin {

constexpr int LARGEUR = 800;
constexpr int HAUTEUR = 560;

namespace couleur {
inline const QColor trait(38, 44, 52);
inline const QColor moteur(44, 104, 178);
inline const QColor jaune(242, 180, 28);
inline const QColor vert(58, 140, 88);
inline const QColor acier(150, 160, 170);
inline const QColor acierSombre(96, 104, 114);
inline const QColor orange(232, 96, 24);
inline const QColor rouge(200, 46, 40);
inline const QColor carton(196, 150, 96);
inline const QColor bois(176, 128, 76);
inline const QColor fleche(226, 62, 30);
inline const QColor eau(70, 140, 210);
} // namespace couleur

// A fixed sequence of numbers in [0, 1): the same picture at every run.
class Alea {
public:
    explicit Alea(uint32_t graine) : m_etat(graine) {}
    qreal operator()() {
        m_etat = m_etat * 1664525u + 1013904223u;
        return (m_etat >> 8) / qreal(1 << 24);
    }
    qreal entre(qreal a, qreal b) { return a + (b - a) * (*this)(); }

private:
    uint32_t m_etat;
};

// A blank picture and a painter set for drawing on it.
QImage toile();
void prepare(QPainter& p);

// Workshop: wall and floor, the floor starting at `sol`.
void fondAtelier(QPainter& p, qreal sol = 430);
// Outdoors: sky and ground.
void fondExterieur(QPainter& p, qreal sol = 450, const QColor& terrain = QColor(150, 160, 120));

// Gradients that give volume: lit from above and from the left.
QLinearGradient degradeVertical(const QRectF& r, const QColor& c);
QLinearGradient cylindreHorizontal(const QRectF& r, const QColor& c); // axis along x
QLinearGradient cylindreVertical(const QRectF& r, const QColor& c);   // axis along y
QRadialGradient sphere(const QPointF& centre, qreal rayon, const QColor& c);

void contour(QPainter& p, qreal epaisseur = 1.6);
// A shaded box with its outline.
void boite(QPainter& p, const QRectF& r, const QColor& c, qreal rayon = 3);
void cylindreH(QPainter& p, const QRectF& r, const QColor& c);
void cylindreV(QPainter& p, const QRectF& r, const QColor& c);
// A disc seen face on: pulley, drum end, flywheel.
void disque(QPainter& p, const QPointF& centre, qreal rayon, const QColor& c, bool rayons = false);
// A soft shadow on the floor under an object.
void ombre(QPainter& p, const QRectF& r);

enum class Sens { Droite, Gauche, Bas, Haut };
// The electric motor, shaft towards `sens`; `arbre` is the centre of its drive-end face and `h`
// the height of its body. Returns the tip of the shaft.
QPointF moteur(QPainter& p, const QPointF& arbre, qreal h, Sens sens = Sens::Droite);
// The block that raises a horizontal motor's feet to a frame whose top is at `y`.
void socle(QPainter& p, const QPointF& arbre, qreal h, qreal y, Sens sens = Sens::Droite);
// The motor seen from its fan end, shaft towards the viewer, centred on `centre`; `r` is the
// radius of its body. `poulie` > 0 draws a pulley of that radius on the shaft.
void moteurFace(QPainter& p, const QPointF& centre, qreal r, qreal poulie = 0);
void reducteur(QPainter& p, const QRectF& r, const QColor& c = couleur::acierSombre);
// A shaft coupling between two machines on the same axis.
void accouplement(QPainter& p, const QPointF& centre, qreal h);
// A base frame under machines, from x1 to x2, top at y.
void chassis(QPainter& p, qreal x1, qreal x2, qreal y, qreal hauteur = 16);

void caisse(QPainter& p, const QRectF& r, const QColor& c = couleur::carton);
void palette(QPainter& p, const QRectF& r);
// An I-beam seen from the side.
void poutre(QPainter& p, const QRectF& r, const QColor& c = couleur::jaune);
// A lattice girder (crane jib or mast).
void treillis(QPainter& p, const QRectF& r, const QColor& c, bool vertical = false);
void cable(QPainter& p, const QPointF& a, const QPointF& b, qreal epaisseur = 2.4);
// A hook block hanging from `haut`; returns the bottom of the hook.
QPointF crochet(QPainter& p, const QPointF& haut, qreal taille = 1);
// A pipe along a polyline, with flanges at its ends.
void tuyau(QPainter& p, const QPolygonF& trajet, qreal diametre, const QColor& c = couleur::acier);
void bride(QPainter& p, const QPointF& centre, qreal diametre, bool verticale);
void manometre(QPainter& p, const QPointF& centre, qreal rayon);

// What moves: a straight arrow, a double arrow, a turning arrow.
void fleche(QPainter& p, const QPointF& a, const QPointF& b, const QColor& c = couleur::fleche,
            bool double_ = false);
void flecheRotation(QPainter& p, const QPointF& centre, qreal rayon, qreal debutDeg, qreal etendueDeg,
                    const QColor& c = couleur::fleche);

} // namespace dessin
