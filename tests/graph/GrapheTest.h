#pragma once
// Graph tests draw on a raster image with one fixed font, so that pictures are the same on every
// run of this machine's setup.

#include "graph/Courbe.h"
#include "graph/Graphe.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

// The font family the fonts-liberation package installs; the program itself names "Arial".
inline const QString policeTests = QStringLiteral("Liberation Sans");

// Fonts need a GUI application; one is made on first use, offscreen, and kept to the end.
inline void appliGui() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nom[] = "vimra_core_tests";
    static char* argv[] = {nom, nullptr};
    new QGuiApplication(argc, argv); // reachable through qApp until the process ends
}

// An image and a painter open on it.
struct SurfaceImage {
    QImage image;
    QPainter painter;
    // A 24-bit image makes the painter draw every stroke itself.
    SurfaceImage(int largeur, int hauteur, int ppi = 96, QImage::Format format = QImage::Format_RGB32)
        : image(largeur, hauteur, format) {
        image.fill(Qt::white);
        const int dpm = qRound(ppi / 0.0254);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        painter.begin(&image);
    }
    // The picture as it is now, the painter staying open.
    QImage copie() const { return image.convertToFormat(QImage::Format_RGB32); }
};

// A graph on `s` whose frame is the whole image, scheme 0, the tests' font.
inline void preparer(TGraphe& g, SurfaceImage& s) {
    g.Surface = &s.painter;
    g.Cadre = {0, 0, s.image.width(), s.image.height()};
    g.NomPolice = policeTests;
    g.TaillePolice = 0;
    g.setSchemaCouleurs(0);
}

// Axes set by hand (no layout, no text): X 0..xmax over pixels p0x..p1x, Y 0..ymax over p0y..p1y.
inline void axesALaMain(TGraphe& g, int64_t xmax, int64_t p0x, int64_t p1x, int64_t ymax, int64_t p0y,
                        int64_t p1y) {
    g.AxeX = {};
    g.AxeX.P0 = p0x;
    g.AxeX.P1 = p1x;
    g.AxeX.L = p1x - p0x;
    g.AxeX.Vmax = xmax;
    g.AxeX.R = xmax;
    EchelleAxe(g.AxeX, false);
    g.AxeY = {};
    g.AxeY.P0 = p0y;
    g.AxeY.P1 = p1y;
    g.AxeY.L = p1y - p0y;
    g.AxeY.Vmax = ymax;
    g.AxeY.R = ymax;
    EchelleAxe(g.AxeY, true);
    g.Valide = true;
}

inline std::unique_ptr<TTrace> courbeDe(std::initializer_list<std::pair<int32_t, int32_t>> points,
                                        int interpolation = 1, int marqueur = -1) {
    auto c = std::make_unique<TTrace>();
    int k = 0;
    for (auto [x, y] : points) {
        c->X[k + 1] = x;
        c->Y[k + 1] = y;
        ++k;
    }
    c->Dernier = k - 1;
    c->Interpolation = interpolation;
    c->TypeMarqueur = marqueur;
    c->IndexCouleur = 1;
    c->TypeBrosse = 3;
    return c;
}

// Pixels of a colour in a picture.
inline int compte(const QImage& image, QColor couleur) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == couleur.rgb();
    return n;
}
