#pragma once
// The cursor that follows the selected point without redrawing the graph: it is drawn by XOR, so
// drawing it a second time at the same place gives every pixel back.

#include <QColor>

#include <cstdint>

class QImage;
class QPainter;
struct TCadre;

struct TCurseurXor {
    enum Type { Point = 0, Reticule = 1 }; // a thick dot, or a dotted cross-hair over the frame

    QColor Couleur; // background XOR the colour it must show in
    int TypeCurseur = Reticule;
    int32_t Gauche = 0, Haut = 0, Droite = 0, Bas = 0; // the graph's frame
    int32_t X = 0, Y = 0;                              // pixel position
    bool Visible = false;
    bool Actif = false;

    void setCadre(const TCadre& c);
    // One XOR pass at the stored position; only on a raster image surface.
    void Dessine(QPainter& p) const;
    // The same pass written into the pixels of an opaque 32-bit image; false (nothing drawn) when
    // the cursor reaches outside the image and only the painter knows how to clip it.
    bool DessineDirect(QImage& image) const;
};
