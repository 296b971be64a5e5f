#pragma once
// The application pictures, each drawn by one function on its canvas (800 x 560 unless it says).

#include "Dessin.h"

#include <QPainter>
#include <QSize>

#include <functional>
#include <map>
#include <vector>

struct DessinImage {
    QString nom; // file name in the pictures folder
    std::function<void(QPainter&)> dessine;
    QSize taille{dessin::LARGEUR, dessin::HAUTEUR};
    int qualite = 0; // JPEG quality; 0: the generator's own, for photographs
};

// Cranes, conveyors, palletiser, lifts and winches.
std::vector<DessinImage> imagesManutention();
// Pumps, fans, compressors, mixers.
std::vector<DessinImage> imagesFluides();
// Extruder, calender, brake, winder, lathe, cutter, press.
std::vector<DessinImage> imagesProcedes();
// Packaging, positioning, synchronisation, generators, explosive atmospheres.
std::vector<DessinImage> imagesIllustrations();
// The application catalogue window: the industrial site, the production plant and the technical
// room, and the small picture of each application, made from its illustration (`dessins`, by
// file name).
std::vector<DessinImage> imagesCatalogue(const std::map<QString, DessinImage>& dessins);
// The characteristic choice screen: the machine symbols and the load shapes, these beside an
// illustration of `dessins` that loads its motor that way.
std::vector<DessinImage> imagesChoixCaract(const std::map<QString, DessinImage>& dessins);
