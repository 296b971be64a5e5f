#pragma once
// The graphs of a study window written to a file as the printed page draws them (title, legend of
// the tests, the panels): a PNG picture at 300 dpi, an SVG drawing or a PDF document (vector), all
// on an A4 page in landscape. The file is written whole or not at all.

#include <QString>

#include <functional>

class QPainter;
class QPaintDevice;
class QRect;

enum class TypeExport;

// Draws the page in `page`, the printable rectangle of the device in its pixels, its corner at the
// painter's origin (as on a printer).
using DessinPage = std::function<void(QPainter& p, QPaintDevice& support, const QRect& page)>;

// Png, Svg or Pdf; false, with the reason, when the file could not be written.
bool EcritGraphiques(TypeExport type, const QString& chemin, const DessinPage& dessine, QString* erreur);
