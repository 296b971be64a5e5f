#include "Pictogrammes.h"

#include "CouleursFenetres.h"
#include "IconeDessinee.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace pictogrammes {

namespace {

const QColor aqua(couleurs::texteMenu);
const QColor acier(150, 170, 190);
const QColor ambre(255, 190, 60);

void courbe(QPainter& g) {
    g.setPen(QPen(acier, 2.5, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(8, 40), QPointF(44, 40));
    g.drawLine(QPointF(8, 40), QPointF(8, 6));
    g.drawLine(QPointF(44, 40), QPointF(40, 37));
    g.drawLine(QPointF(44, 40), QPointF(40, 43));
    g.drawLine(QPointF(8, 6), QPointF(5, 10));
    g.drawLine(QPointF(8, 6), QPointF(11, 10));
    QPainterPath c(QPointF(10, 12));
    c.cubicTo(QPointF(22, 14), QPointF(30, 20), QPointF(42, 36));
    g.setPen(QPen(aqua, 3, Qt::SolidLine, Qt::RoundCap));
    g.drawPath(c);
    g.setBrush(ambre);
    g.setPen(Qt::NoPen);
    for (const QPointF& p : {QPointF(16, 13), QPointF(26, 18.5), QPointF(35, 27)})
        g.drawEllipse(p, 2.6, 2.6);
}

void usine(QPainter& g) {
    QPainterPath toit;
    toit.moveTo(4, 42);
    toit.lineTo(4, 24);
    toit.lineTo(14, 18);
    toit.lineTo(14, 24);
    toit.lineTo(24, 18);
    toit.lineTo(24, 24);
    toit.lineTo(34, 18);
    toit.lineTo(34, 8);
    toit.lineTo(40, 8);
    toit.lineTo(40, 42);
    toit.closeSubpath();
    g.setPen(QPen(acier, 2));
    g.setBrush(QColor(40, 60, 80));
    g.drawPath(toit);
    g.setBrush(aqua);
    g.setPen(Qt::NoPen);
    for (int x : {8, 18, 28})
        g.drawRect(QRectF(x, 30, 5, 5));
    // The conveyor in front.
    g.setPen(QPen(ambre, 2.5));
    g.drawLine(QPointF(2, 45), QPointF(46, 45));
    g.setBrush(ambre);
    g.drawEllipse(QPointF(6, 45), 2, 2);
    g.drawEllipse(QPointF(42, 45), 2, 2);
}

void dossier(QPainter& g) {
    QPainterPath p;
    p.moveTo(4, 12);
    p.lineTo(18, 12);
    p.lineTo(22, 16);
    p.lineTo(44, 16);
    p.lineTo(44, 40);
    p.lineTo(4, 40);
    p.closeSubpath();
    g.setPen(QPen(ambre.darker(130), 2));
    g.setBrush(ambre);
    g.drawPath(p);
    g.setBrush(QColor(255, 215, 120));
    QPainterPath avant;
    avant.moveTo(8, 22);
    avant.lineTo(47, 22);
    avant.lineTo(43, 40);
    avant.lineTo(4, 40);
    avant.closeSubpath();
    g.drawPath(avant);
}

void feuille(QPainter& g) {
    QPainterPath f;
    f.moveTo(10, 4);
    f.lineTo(30, 4);
    f.lineTo(40, 14);
    f.lineTo(40, 44);
    f.lineTo(10, 44);
    f.closeSubpath();
    g.setPen(QPen(acier, 2));
    g.setBrush(QColor(235, 240, 245));
    g.drawPath(f);
    g.drawLine(QPointF(30, 4), QPointF(30, 14));
    g.drawLine(QPointF(30, 14), QPointF(40, 14));
    g.setPen(QPen(aqua.darker(140), 3, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(25, 22), QPointF(25, 38));
    g.drawLine(QPointF(17, 30), QPointF(33, 30));
}

void prise(QPainter& g) {
    g.setPen(QPen(acier, 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath cable(QPointF(4, 42));
    cable.cubicTo(QPointF(12, 42), QPointF(10, 28), QPointF(18, 28));
    g.drawPath(cable);
    g.setBrush(QColor(40, 60, 80));
    g.drawRoundedRect(QRectF(18, 20, 14, 16), 3, 3);
    g.setPen(QPen(ambre, 3, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(32, 24), QPointF(42, 24));
    g.drawLine(QPointF(32, 32), QPointF(42, 32));
    g.setPen(QPen(aqua, 2));
    g.setBrush(Qt::NoBrush);
    g.drawArc(QRectF(26, 4, 18, 14), 0, 180 * 16);
    g.drawArc(QRectF(30, 8, 10, 8), 0, 180 * 16);
}

void marche(QPainter& g) {
    g.setPen(QPen(QColor(255, 90, 80), 4, Qt::SolidLine, Qt::RoundCap));
    g.drawArc(QRectF(8, 8, 32, 32), 120 * 16, 300 * 16);
    g.drawLine(QPointF(24, 4), QPointF(24, 22));
}

void statique(QPainter& g) {
    // A weight hanging from a drum: a load that holds.
    g.setPen(QPen(acier, 2.5));
    g.setBrush(QColor(40, 60, 80));
    g.drawEllipse(QPointF(24, 12), 9, 9);
    g.drawLine(QPointF(33, 12), QPointF(33, 28));
    g.setBrush(ambre);
    g.drawRect(QRectF(25, 28, 16, 14));
    g.setPen(QPen(aqua, 2.5));
    g.drawLine(QPointF(6, 44), QPointF(46, 44));
}

void dynamique(QPainter& g) {
    g.setPen(QPen(acier, 2));
    g.setBrush(QColor(10, 30, 30));
    g.drawRoundedRect(QRectF(3, 6, 42, 36), 4, 4);
    g.setPen(QPen(aqua.darker(180), 1));
    for (int x = 10; x < 45; x += 8)
        g.drawLine(QPointF(x, 8), QPointF(x, 40));
    QPainterPath onde(QPointF(5, 24));
    for (int x = 5; x <= 43; ++x)
        onde.lineTo(x, 24 - 11 * std::sin((x - 5) / 38.0 * 2 * 3.14159265) * (x < 24 ? 1 : 0.5));
    g.setPen(QPen(aqua, 2.5));
    g.setBrush(Qt::NoBrush);
    g.drawPath(onde);
}

} // namespace

QIcon icone(Icone i) {
    static const std::function<void(QPainter&)> dessins[] = {courbe, usine,  dossier,  feuille,  prise,
                                                             marche, courbe, statique, dynamique};
    // Drawn on a 48 x 48 grid whatever the pixel size.
    return IconeDessinee(QSizeF(48, 48), [f = dessins[int(i)]](QPainter& g, const QRectF&) {
        g.setRenderHint(QPainter::Antialiasing);
        f(g);
    });
}

QPixmap banniere(int largeur, int hauteur, qreal ratio, const QString& sousTitre, const QString& mention) {
    QPixmap p(int(largeur * ratio), int(hauteur * ratio));
    p.setDevicePixelRatio(ratio);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fond(0, 0, 0, hauteur);
    fond.setColorAt(0, QColor(couleurs::hautBanniere));
    fond.setColorAt(1, Qt::black);
    g.fillRect(QRectF(0, 0, largeur, hauteur), fond);

    // Faint grid of a measuring screen.
    g.setPen(QPen(QColor(0, 255, 255, 28), 1));
    for (int x = 0; x < largeur; x += 24)
        g.drawLine(x, 0, x, hauteur);
    for (int y = 0; y < hauteur; y += 24)
        g.drawLine(0, y, largeur, y);

    // The machine under study coupled to the load machine.
    const qreal y0 = hauteur * 0.62;
    const auto machine = [&g](QRectF r, QColor c) {
        QLinearGradient m(r.topLeft(), r.bottomLeft());
        m.setColorAt(0, c.lighter(150));
        m.setColorAt(0.5, c);
        m.setColorAt(1, c.darker(220));
        g.setPen(QPen(QColor(20, 20, 20), 1.5));
        g.setBrush(m);
        g.drawRoundedRect(r, 6, 6);
        g.setPen(QPen(c.darker(250), 1.2));
        for (qreal x = r.left() + 8; x < r.right() - 4; x += 7)
            g.drawLine(QPointF(x, r.top() + 5), QPointF(x, r.bottom() - 5));
    };
    machine(QRectF(300, y0 - 30, 92, 60), QColor(40, 110, 170));
    machine(QRectF(430, y0 - 26, 84, 52), QColor(170, 120, 40));
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(200, 205, 210));
    g.drawRect(QRectF(392, y0 - 5, 38, 10));
    g.setBrush(QColor(60, 60, 60));
    g.drawRect(QRectF(406, y0 - 11, 10, 22));

    // A characteristic traced over the machines.
    QPainterPath c(QPointF(290, 24));
    c.cubicTo(QPointF(360, 30), QPointF(430, 60), QPointF(530, 120));
    g.setPen(QPen(aqua, 2.5));
    g.setBrush(Qt::NoBrush);
    g.drawPath(c);
    g.setPen(Qt::NoPen);
    g.setBrush(ambre);
    for (qreal t : {0.15, 0.4, 0.65, 0.9})
        g.drawEllipse(c.pointAtPercent(t), 3.5, 3.5);

    QFont titre("Arial");
    titre.setPixelSize(int(hauteur * 0.36));
    titre.setBold(true);
    titre.setItalic(true);
    g.setFont(titre);
    g.setPen(aqua);
    g.drawText(QRectF(22, 8, 280, hauteur * 0.55), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vimra"));
    QFont sous("Arial");
    sous.setPixelSize(13);
    sous.setItalic(true);
    g.setFont(sous);
    g.setPen(QColor(couleurs::sousTitreBanniere));
    g.drawText(QRectF(24, hauteur * 0.6, 270, hauteur * 0.36),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, sousTitre);
    if (!mention.isEmpty()) {
        QFont f("Arial");
        f.setPixelSize(14);
        f.setBold(true);
        g.setFont(f);
        const qreal l = QFontMetricsF(f).horizontalAdvance(mention) + 20;
        const QRectF r(largeur - l - 8, 8, l, 24);
        g.setPen(QPen(QColor(255, 200, 60), 1.5));
        g.setBrush(QColor::fromRgba(couleurs::fondMention));
        g.drawRoundedRect(r, 5, 5);
        g.setPen(QColor(couleurs::texteMention));
        g.drawText(r, Qt::AlignCenter, mention);
    }
    return p;
}

} // namespace pictogrammes
