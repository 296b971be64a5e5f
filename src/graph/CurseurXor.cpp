#include "CurseurXor.h"

#include "Courbe.h"
#include "Graphe.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// The image under the painter when the cursor can be XORed straight into its pixels: unshared,
// 32-bit opaque, at its own scale, untransformed and unclipped. The painter spends far longer
// setting up a dotted XOR stroke than the few hundred pixels take.
QImage* imageDirecte(QPainter& p) {
    auto* image = static_cast<QImage*>(p.device());
    if (image->format() != QImage::Format_RGB32 || !image->isDetached() || image->devicePixelRatio() != 1.0)
        return nullptr;
    if (!p.transform().isIdentity() || p.hasClipping()) return nullptr;
    return image;
}

// XOR of single pixels, the image's rows addressed once.
class Inverseur {
public:
    Inverseur(QImage& image, QRgb masque)
        : m_bits(image.bits()), m_ligne(image.bytesPerLine()), m_masque(masque) {}
    void operator()(int x, int y) const { reinterpret_cast<QRgb*>(m_bits + y * m_ligne)[x] ^= m_masque; }

private:
    uchar* m_bits;
    qsizetype m_ligne;
    QRgb m_masque;
};

} // namespace

void TCurseurXor::setCadre(const TCadre& c) {
    Gauche = c.Gauche;
    Haut = c.Haut;
    Droite = c.Droite;
    Bas = c.Bas;
}

bool TCurseurXor::DessineDirect(QImage& image) const {
    const QRect r = image.rect();
    if (TypeCurseur == Point) {
        if (!r.contains(X - 2, Y - 2) || !r.contains(X + 2, Y + 2)) return false;
        const Inverseur inverse(image, Couleur.rgb() & 0x00FFFFFFu);
        for (int dy = -2; dy <= 2; ++dy) {
            const int demi = dy == -2 || dy == 2 ? 1 : 2;
            for (int dx = -demi; dx <= demi; ++dx)
                inverse(X + dx, Y + dy);
        }
        return true;
    }
    // The painter's dotted pen lights one pixel in three from the start of each line, the end
    // excluded. A line that starts inside the image keeps that phase wherever it ends; one that
    // starts outside is left to the painter.
    const bool horizontale = Gauche < Droite && r.contains(Gauche, Y);
    const bool verticale = Haut < Bas && r.contains(X, Haut);
    if (!horizontale || !verticale) return false;
    const Inverseur inverse(image, Couleur.rgb() & 0x00FFFFFFu);
    for (int x = Gauche, fin = std::min(Droite, r.right() + 1); x < fin; x += 3)
        inverse(x, Y);
    for (int y = Haut, fin = std::min(Bas, r.bottom() + 1); y < fin; y += 3)
        inverse(X, y);
    return true;
}

void TCurseurXor::Dessine(QPainter& p) const {
    // Raster operations exist only on a raster image; a picture or a page never shows a cursor.
    if (!p.isActive() || p.device()->devType() != QInternal::Image) return;
    if (QImage* image = imageDirecte(p); image && DessineDirect(*image)) return;
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    if (TypeCurseur == Point) {
        // A round 5-pixel dot made of rows that do not overlap, so no pixel is XORed twice.
        p.fillRect(X - 1, Y - 2, 3, 1, Couleur);
        p.fillRect(X - 2, Y - 1, 5, 3, Couleur);
        p.fillRect(X - 1, Y + 2, 3, 1, Couleur);
    } else {
        // Both lines span the frame; each pixel is touched once per pass, so a pass undoes the last.
        p.setPen(QPen(Couleur, 1, Qt::DotLine, Qt::FlatCap));
        p.drawLine(Gauche, Y, Droite, Y);
        p.drawLine(X, Haut, X, Bas);
    }
    p.restore();
}

void TGraphe::InitialiseCurseur(int type, int indexCouleur) {
    CacheCurseur();
    IndexCouleurCurseur = indexCouleur >= 0 && indexCouleur <= 5 ? indexCouleur : 0;
    const QColor c = Couleurs[IndexCouleurCurseur == 0 ? 1 : 1 + IndexCouleurCurseur];
    Curseur.Couleur = QColor::fromRgb((Couleurs[0].rgb() ^ c.rgb()) | 0xFF000000u);
    Curseur.TypeCurseur = type == TCurseurXor::Point ? TCurseurXor::Point : TCurseurXor::Reticule;
    Curseur.setCadre(Cadre);
    Curseur.Visible = false;
}

void TGraphe::PlaceCurseur(int64_t valeurX, int64_t valeurY) {
    Curseur.Actif = true;
    CurseurValeurX = valeurX;
    CurseurValeurY = valeurY;
    if (!Valide || !Surface) return;
    if (Curseur.Visible) Curseur.Dessine(*Surface);
    Curseur.X = PixelBorne(EcranX(valeurX));
    Curseur.Y = PixelBorne(EcranY(valeurY));
    Curseur.Dessine(*Surface);
    Curseur.Visible = true;
}

void TGraphe::RetraceCurseur() {
    // A cursor that was never placed, or was disabled, has no position to come back to.
    if (Curseur.Actif) PlaceCurseur(CurseurValeurX, CurseurValeurY);
}

void TGraphe::CacheCurseur() {
    if (Curseur.Actif && Curseur.Visible && Surface) Curseur.Dessine(*Surface);
    Curseur.Visible = false;
}

void TGraphe::CacheEtDesactiveCurseur() {
    CacheCurseur();
    CurseurValeurX = 0;
    CurseurValeurY = 0;
    Curseur.Actif = false;
}
