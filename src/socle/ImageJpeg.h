#pragma once
// The program's JPEG pictures (the applications' photographs beside the program, banners and
// illustrations), decoded and encoded with libjpeg. Every window that shows a JPEG loads it here.
// A missing, damaged or oversized file gives an error text: never a crash, never an exit.

#include <QByteArray>
#include <QImage>
#include <QString>

// Bounds checked before anything is allocated for a picture.
struct LimitesJpeg {
    qint64 octetsMax = qint64(64) << 20; // size of the file
    int coteMax = 16384;                 // width or height, in pixels
    qint64 pixelsMax = 50'000'000;       // width x height
    int passesMax = 300;                 // scans of a progressive file
    long memoireMax = 512L << 20;        // libjpeg's own working memory, in bytes
};

enum class ErreurJpeg {
    Aucune,
    Absent,    // no such file
    Illisible, // the file cannot be read
    TropGrand, // file, picture or memory over the bounds
    Corrompu,  // not a JPEG, or damaged (truncated files included)
};

struct ImageJpeg {
    QImage image; // null on failure; Format_RGB888, Format_Grayscale8 or Format_RGB32
    ErreurJpeg erreur = ErreurJpeg::Aucune;
    QString detail; // what went wrong, for the user; empty on success

    bool ok() const { return erreur == ErreurJpeg::Aucune; }
};

ImageJpeg DecodeJpeg(const QByteArray& octets, const LimitesJpeg& limites = {});
ImageJpeg ChargeJpeg(const QString& chemin, const LimitesJpeg& limites = {});

struct OptionsJpeg {
    int qualite = 85; // 1..100
    bool progressif = false;
    bool niveauxDeGris = false;
};

// The counterpart of the loader, for the programs that make the pictures and for the tests.
// Returns an empty array (and `erreur`, when given) on failure.
QByteArray EncodeJpeg(const QImage& image, const OptionsJpeg& options = {}, QString* erreur = nullptr);
// Writes through a temporary file renamed over `chemin`.
bool EnregistreJpeg(const QImage& image, const QString& chemin, const OptionsJpeg& options = {},
                    QString* erreur = nullptr);
