#include "PixelsDirects.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <cstdlib>

bool SurfaceDirecte(QPainter& p, QRect& zone) {
    QPaintDevice* d = p.device();
    if (!d || d->devType() != QInternal::Image) return false;
    QImage* image = static_cast<QImage*>(d);
    const QImage::Format f = image->format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32_Premultiplied && f != QImage::Format_ARGB32)
        return false;
    if (!image->isDetached() || image->devicePixelRatio() != 1.0) return false;
    if (!p.transform().isIdentity() || p.opacity() != 1.0 ||
        p.compositionMode() != QPainter::CompositionMode_SourceOver ||
        p.testRenderHint(QPainter::Antialiasing) || p.backgroundMode() != Qt::TransparentMode)
        return false;
    const QPen crayon = p.pen();
    if (crayon.style() != Qt::NoPen &&
        (crayon.brush().style() != Qt::SolidPattern || crayon.color().alpha() != 255))
        return false;
    const QBrush brosse = p.brush();
    if (brosse.style() != Qt::NoBrush && ((brosse.style() > Qt::DiagCrossPattern) ||
                                          brosse.color().alpha() != 255 || !brosse.transform().isIdentity()))
        return false;
    zone = image->rect();
    if (p.hasClipping()) {
        const QRegion clip = p.clipRegion();
        if (clip.rectCount() != 1) return false;
        zone &= clip.boundingRect();
    }
    return true;
}

namespace {

// The pixels of a direct surface, with writes outside the zone dropped.
class Pixels {
public:
    Pixels(QPainter& p, const QRect& zone)
        : m_bits(static_cast<QImage*>(p.device())->bits()),
          m_ligne(static_cast<QImage*>(p.device())->bytesPerLine()), m_gauche(zone.left()),
          m_haut(zone.top()), m_droite(zone.right()), m_bas(zone.bottom()),
          m_couleur(p.pen().color().rgba()) {}
    void point(int x, int y) {
        if (x >= m_gauche && x <= m_droite && y >= m_haut && y <= m_bas)
            reinterpret_cast<QRgb*>(m_bits + y * m_ligne)[x] = m_couleur;
    }
    // From (x0, y0) up to, not including, (x1, y1).
    void segment(int x0, int y0, int x1, int y1) {
        if (std::max(x0, x1) < m_gauche || std::min(x0, x1) > m_droite || std::max(y0, y1) < m_haut ||
            std::min(y0, y1) > m_bas)
            return;
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        while (x0 != x1 || y0 != y1) {
            point(x0, y0);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }

private:
    uchar* m_bits;
    qsizetype m_ligne;
    int m_gauche, m_haut, m_droite, m_bas;
    QRgb m_couleur;
};

bool crayonFin(const QPen& c) {
    return c.style() == Qt::SolidLine && c.widthF() <= 1.0;
}

// Beyond this the stepping would walk far outside any image: such segments go to the painter.
constexpr int lointain = 1 << 15;

bool proche(QPoint a) {
    return std::abs(a.x()) < lointain && std::abs(a.y()) < lointain;
}

} // namespace

void TracePolyline(QPainter& p, const std::vector<QPoint>& sommets) {
    if (sommets.empty()) return;
    QRect zone;
    if (!SurfaceDirecte(p, zone) || !crayonFin(p.pen())) {
        if (sommets.size() > 1) p.drawPolyline(sommets.data(), static_cast<int>(sommets.size()));
        // The painter's line rule may pass by the pixel of a vertex; a dashed line keeps its gaps.
        if (p.pen().style() == Qt::SolidLine) p.drawPoints(sommets.data(), static_cast<int>(sommets.size()));
        return;
    }
    Pixels pixels(p, zone);
    for (std::size_t i = 1; i < sommets.size(); ++i) {
        const QPoint a = sommets[i - 1], b = sommets[i];
        if (proche(a) && proche(b)) {
            pixels.segment(a.x(), a.y(), b.x(), b.y());
        } else {
            p.drawLine(a, b);
        }
    }
    pixels.point(sommets.back().x(), sommets.back().y());
}

void TracePixels(QPainter& p, const std::vector<QPoint>& points) {
    if (points.empty()) return;
    QRect zone;
    if (!SurfaceDirecte(p, zone) || !crayonFin(p.pen())) {
        p.drawPoints(points.data(), static_cast<int>(points.size()));
        return;
    }
    Pixels pixels(p, zone);
    for (const QPoint& q : points)
        pixels.point(q.x(), q.y());
}
