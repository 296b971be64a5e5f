#include "Marqueurs.h"

#include "PixelsDirects.h"
#include "socle/Preferences.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

int DemiTailleMarqueur(int ppi) {
    return ppi * 6 / 254 * (preferences().GrandsReperes ? 2 : 1);
}

void StyleMarqueur(QPainter& p) {
    if (!preferences().GrandsReperes) return;
    QPen crayon = p.pen();
    crayon.setWidth(2);
    p.setPen(crayon);
}

void TraceMarqueur(QPainter& p, int type, int b, QPoint centre) {
    const int x = centre.x(), y = centre.y(), c = b + 1;
    switch (type) {
    case 0:
        p.drawPoint(x, y);
        break;
    case 1: // "+", both strokes stop one pixel short of x + c, y + c
        p.drawLine(x - b, y, x + b, y);
        p.drawLine(x, y - b, x, y + b);
        break;
    case 2: // "x"
        p.drawLine(x - b, y - b, x + b, y + b);
        p.drawLine(x + b, y - b, x - b, y + b);
        break;
    case 3: // square from (x - b, y - b) to (x + c, y + c), outline up to x + b
        p.drawRect(QRect(x - b, y - b, 2 * b, 2 * b));
        break;
    case 4: {
        const QPoint losange[4] = {{x - c, y}, {x, y - c}, {x + c, y}, {x, y + c}};
        p.drawPolygon(losange, 4);
        break;
    }
    case 5: {
        const QPoint triangle[3] = {{x - c, y - c}, {x + c, y - c}, {x, y + c}};
        p.drawPolygon(triangle, 3);
        break;
    }
    default:
        break;
    }
}

namespace {

// A marker rasterised once: the pixels its pen covers and those of its inside, around (0, 0).
struct Empreinte {
    int type = -1;
    int b = 0;
    QPen crayon;
    std::vector<QPoint> trait;
    std::vector<QPoint> interieur;
};

std::vector<QPoint> pixelsCouverts(int type, int b, const QPen& crayon, bool trait) {
    const int r = b + 2 + crayon.width();
    QImage image(2 * r + 1, 2 * r + 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        if (trait) {
            QPen opaque = crayon;
            opaque.setColor(Qt::black);
            p.setPen(opaque);
            p.setBrush(Qt::NoBrush);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
        }
        TraceMarqueur(p, type, b, QPoint(r, r));
    }
    std::vector<QPoint> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) pixels.emplace_back(x - r, y - r);
    return pixels;
}

const Empreinte& empreinte(int type, int b, const QPen& crayon) {
    thread_local std::vector<Empreinte> cache;
    QPen cle = crayon;
    cle.setColor(Qt::black);
    for (const Empreinte& e : cache)
        if (e.type == type && e.b == b && e.crayon == cle) return e;
    if (cache.size() > 32) cache.clear();
    Empreinte e{type, b, cle, pixelsCouverts(type, b, cle, true), {}};
    if (type >= 3) e.interieur = pixelsCouverts(type, b, cle, false);
    cache.push_back(std::move(e));
    return cache.back();
}

// Which pixels of an 8 x 8 tile the brush paints, brush origin at (0, 0).
std::array<uint8_t, 64> motifBrosse(const QBrush& brosse) {
    QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        QBrush noire = brosse;
        noire.setColor(Qt::black);
        p.fillRect(image.rect(), noire);
    }
    std::array<uint8_t, 64> motif{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            motif[8 * y + x] = qAlpha(image.pixel(x, y)) != 0;
    return motif;
}

} // namespace

void TraceMarqueurs(QPainter& p, int type, int b, const QPoint* points, int n) {
    if (type < 0 || type > 5 || n <= 0) return;
    QRect zone;
    if (!SurfaceDirecte(p, zone)) {
        for (int i = 0; i < n; ++i)
            if (i == 0 || points[i] != points[i - 1]) TraceMarqueur(p, type, b, points[i]);
        return;
    }
    const QPen crayon = p.pen();
    const QBrush brosse = p.brush();
    static const Empreinte sansTrait;
    const Empreinte& e = crayon.style() == Qt::NoPen ? sansTrait : empreinte(type, b, crayon);
    const bool rempli = brosse.style() != Qt::NoBrush && type >= 3;
    std::vector<QPoint> interieur;
    if (rempli)
        interieur =
            crayon.style() == Qt::NoPen ? pixelsCouverts(type, b, QPen(Qt::black), false) : e.interieur;
    const std::array<uint8_t, 64> motif = rempli ? motifBrosse(brosse) : std::array<uint8_t, 64>{};
    const QPoint origine = p.brushOrigin();
    const QRgb couleurTrait = crayon.color().rgba();
    const QRgb couleurFond = brosse.color().rgba();

    QImage& image = *static_cast<QImage*>(p.device());
    uchar* bits = image.bits();
    const qsizetype ligne = image.bytesPerLine();
    auto pixel = [&](int x, int y) -> QRgb& { return reinterpret_cast<QRgb*>(bits + y * ligne)[x]; };

    // Pixels of the marker that the zone takes in, the whole marker when its box is inside.
    int rayon = 0;
    for (const QPoint& d : e.trait)
        rayon = std::max({rayon, std::abs(d.x()), std::abs(d.y())});
    for (const QPoint& d : interieur)
        rayon = std::max({rayon, std::abs(d.x()), std::abs(d.y())});
    const int gauche = zone.left(), haut = zone.top(), droite = zone.right(), bas = zone.bottom();
    const int ox = origine.x(), oy = origine.y();
    for (int i = 0; i < n; ++i) {
        const QPoint c = points[i];
        // The same marker at the same place paints the same pixels again.
        if (i > 0 && c == points[i - 1]) continue;
        const int cx = c.x(), cy = c.y();
        if (cx + rayon < gauche || cx - rayon > droite || cy + rayon < haut || cy - rayon > bas) continue;
        const bool entier =
            cx - rayon >= gauche && cx + rayon <= droite && cy - rayon >= haut && cy + rayon <= bas;
        auto dedans = [&](int x, int y) {
            return entier || (x >= gauche && x <= droite && y >= haut && y <= bas);
        };
        for (const QPoint& d : interieur) {
            const int x = cx + d.x(), y = cy + d.y();
            if (dedans(x, y) && motif[8 * ((y - oy) & 7) + ((x - ox) & 7)]) pixel(x, y) = couleurFond;
        }
        for (const QPoint& d : e.trait) {
            const int x = cx + d.x(), y = cy + d.y();
            if (dedans(x, y)) pixel(x, y) = couleurTrait;
        }
    }
}
