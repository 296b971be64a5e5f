#include "ExportGraphiques.h"

#include "socle/DialoguesFichiers.h"
#include "socle/FichierAtomique.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

constexpr int DPI_IMAGE = 300;
constexpr int DPI_SVG = 96;
// A4 in landscape with the margins of a printer's page, in millimetres.
const QPageLayout PAGE(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);

// As a printer's painter: the origin at the printable rectangle's corner, which is returned.
QRect imprimable(QPainter& p, int dpi) {
    const QRect r = PAGE.paintRectPixels(dpi);
    p.translate(r.topLeft());
    return QRect(QPoint(0, 0), r.size());
}

QByteArray png(const DessinPage& dessine) {
    // 3508 x 2480: the sheet's millimetres at the resolution (Qt's own pixels go through points).
    const QSizeF mm = PAGE.pageSize().size(QPageSize::Millimeter).transposed();
    QImage image(QSize(qRound(mm.width() / 25.4 * DPI_IMAGE), qRound(mm.height() / 25.4 * DPI_IMAGE)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(DPI_IMAGE / 0.0254));
    image.setDotsPerMeterY(qRound(DPI_IMAGE / 0.0254));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        dessine(p, image, imprimable(p, DPI_IMAGE));
    }
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    image.save(&b, "PNG");
    return b.data();
}

QByteArray svg(const DessinPage& dessine) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    QSvgGenerator g;
    g.setOutputDevice(&b);
    g.setResolution(DPI_SVG);
    g.setSize(PAGE.fullRectPixels(DPI_SVG).size());
    g.setViewBox(PAGE.fullRectPixels(DPI_SVG));
    g.setTitle(QStringLiteral("Vimra"));
    {
        QPainter p(&g);
        dessine(p, g, imprimable(p, DPI_SVG));
    }
    return b.data();
}

QByteArray pdf(const DessinPage& dessine) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    {
        QPdfWriter w(&b);
        w.setPageLayout(PAGE);
        w.setResolution(DPI_IMAGE);
        w.setCreator(QStringLiteral("Vimra"));
        QPainter p(&w);
        // The painter of a PDF writer starts at the printable rectangle's corner.
        const QRect page = PAGE.paintRectPixels(DPI_IMAGE);
        dessine(p, w, QRect(QPoint(0, 0), page.size()));
    }
    return b.data();
}

} // namespace

bool EcritGraphiques(TypeExport type, const QString& chemin, const DessinPage& dessine, QString* erreur) {
    const QByteArray octets = type == TypeExport::Png   ? png(dessine)
                              : type == TypeExport::Svg ? svg(dessine)
                                                        : pdf(dessine);
    if (octets.isEmpty()) {
        if (erreur) *erreur = QStringLiteral("nothing drawn");
        return false;
    }
    return EcritFichierAtomique(chemin, octets, erreur);
}
