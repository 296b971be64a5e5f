#pragma once
// An icon drawn when it is shown, at the size and pixel ratio of the screen that shows it: nothing
// is kept for the sizes and scales that never show it.

#include <QIcon>

#include <functional>

class QPainter;
class QRectF;

// `dessin` draws the icon in a rectangle of `taille` logical pixels; a larger or smaller icon is
// the same drawing scaled, in the same proportions.
QIcon IconeDessinee(QSizeF taille, std::function<void(QPainter&, const QRectF&)> dessin);
