#pragma once
// The six point markers, drawn with the painter's present pen and brush.

#include <QPoint>

class QPainter;

// The half size of a marker on a device of `ppi` pixels per inch: 0.6 mm, twice that with the large
// markers of the preferences.
int DemiTailleMarqueur(int ppi);
// The large markers' two-pixel pen, when the preferences ask for them.
void StyleMarqueur(QPainter& p);

// One marker of type 0..5 at (x, y), b being the half size in pixels.
void TraceMarqueur(QPainter& p, int type, int b, QPoint centre);

// The marker of every point, in order. On a raster image with a plain painter state the shape is
// rasterised once and stamped, which gives the same pixels as drawing each marker.
void TraceMarqueurs(QPainter& p, int type, int b, const QPoint* points, int n);
