#include "CurseurXor.h"

#include "Courbe.h"
#include "Graphe.h"

#include <QPaintDevice>
#include <QPainter>

void TCurseurXor::setCadre(const TCadre& c) {
    Gauche = c.Gauche;
    Haut = c.Haut;
    Droite = c.Droite;
    Bas = c.Bas;
}

void TCurseurXor::Dessine(QPainter& p) const {
    // Raster operations exist only on a raster image; a picture or a page never shows a cursor.
    if (!p.isActive() || p.device()->devType() != QInternal::Image) return;
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
