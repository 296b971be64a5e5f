#pragma once
// Drawing straight into the pixels of a raster image, for the many small strokes of a curve of
// 2001 points, where the painter spends most of its time per call rather than per pixel.

#include <QPoint>
#include <QRect>

#include <vector>

class QPainter;

// Whether the painter draws on an unshared 32-bit image, untransformed, aliased, in plain
// source-over of opaque colours, clipped at most to a rectangle: then writing its pen and brush
// colours into the pixels is what it would do. `zone` is the part of the image it may write.
bool SurfaceDirecte(QPainter& p, QRect& zone);

// The polyline through the vertices in the painter's pen. With a one-pixel solid pen on a direct
// surface every segment is stepped pixel by pixel from its start up to (not including) its end,
// and the last vertex closes it, so that each vertex is lit; otherwise the painter draws it and,
// with a solid pen, the vertices are set after it.
void TracePolyline(QPainter& p, const std::vector<QPoint>& sommets);

// Single pixels in the painter's pen.
void TracePixels(QPainter& p, const std::vector<QPoint>& points);
