#include "IconeDessinee.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>

namespace {

// A disabled icon in grey tones over the window's colour, as the styles draw one.
QPixmap estompe(const QPixmap& p) {
    const QColor fond = QApplication::palette().color(QPalette::Disabled, QPalette::Window);
    const auto ton = [](int c, int i) {
        return i < 128 ? (c * (i << 1)) >> 8 : std::min(c + ((i - 128) << 1), 255);
    };
    QImage im = p.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < im.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(im.scanLine(y));
        for (int x = 0; x < im.width(); ++x) {
            const QRgb c = ligne[x];
            const int i = (77 * qRed(c) + 150 * qGreen(c) + 28 * qBlue(c)) / 255;
            ligne[x] = qRgba(ton(fond.red(), i), ton(fond.green(), i), ton(fond.blue(), i), qAlpha(c));
        }
    }
    return QPixmap::fromImage(im);
}

class MoteurDessin final : public QIconEngine {
public:
    using Dessin = std::function<void(QPainter&, const QRectF&)>;
    MoteurDessin(QSizeF taille, Dessin dessin) : m_taille(taille), m_dessin(std::move(dessin)) {}

    QIconEngine* clone() const override { return new MoteurDessin(m_taille, m_dessin); }

    QSize actualSize(const QSize& taille, QIcon::Mode, QIcon::State) override {
        return m_taille.scaled(QSizeF(taille), Qt::KeepAspectRatio).toSize();
    }

    // `taille` in the pixels of the device: the icon asks its owner for the ratio.
    QPixmap pixmap(const QSize& taille, QIcon::Mode mode, QIcon::State etat) override {
        const QSize pixels = actualSize(taille, mode, etat);
        if (pixels.isEmpty()) return {};
        const bool grise = mode == QIcon::Disabled;
        // The last one drawn of each kind, for the next paint of the same button.
        QPixmap& dernier = grise ? m_grise : m_normal;
        if (dernier.size() == pixels) return dernier;
        QPixmap p(pixels);
        p.fill(Qt::transparent);
        {
            QPainter g(&p);
            g.scale(pixels.width() / m_taille.width(), pixels.height() / m_taille.height());
            m_dessin(g, QRectF(QPointF(0, 0), m_taille));
        }
        dernier = grise ? estompe(p) : p;
        return dernier;
    }

    void paint(QPainter* peintre, const QRect& cadre, QIcon::Mode mode, QIcon::State etat) override {
        const qreal ratio = peintre->device() ? peintre->device()->devicePixelRatio() : 1.0;
        QPixmap p = pixmap((QSizeF(cadre.size()) * ratio).toSize(), mode, etat);
        p.setDevicePixelRatio(ratio);
        const QSizeF logique = QSizeF(p.size()) / ratio;
        peintre->drawPixmap(QRectF(QPointF(cadre.center()) - QPointF(logique.width(), logique.height()) / 2 +
                                       QPointF(0.5, 0.5),
                                   logique),
                            p, QRectF(p.rect()));
    }

private:
    QSizeF m_taille;
    Dessin m_dessin;
    QPixmap m_normal, m_grise;
};

} // namespace

QIcon IconeDessinee(QSizeF taille, std::function<void(QPainter&, const QRectF&)> dessin) {
    return QIcon(new MoteurDessin(taille, std::move(dessin)));
}
