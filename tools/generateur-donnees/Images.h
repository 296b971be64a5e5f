#pragma once
// The application pictures, each drawn by one function on an 800 x 560 canvas.

#include <QPainter>

#include <vector>

struct DessinImage {
    const char* nom; // file name in the pictures folder
    void (*dessine)(QPainter&);
};

// Cranes, conveyors, palletiser, lifts and winches.
std::vector<DessinImage> imagesManutention();
// Pumps, fans, compressors, mixers.
std::vector<DessinImage> imagesFluides();
// Extruder, calender, brake, winder, lathe, cutter, press.
std::vector<DessinImage> imagesProcedes();
// Packaging, positioning, synchronisation, generators, explosive atmospheres.
std::vector<DessinImage> imagesIllustrations();
