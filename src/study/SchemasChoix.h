#pragma once
// What the characteristic choice screen shows of its choices: the machine type's symbol (its
// supply, the machine or the drive and its motor, the shaft) and the load law's torque-speed
// shape. vimra-donnees draws the pictures delivered in the pictures folder from these symbols,
// and the screen draws its buttons' glyphs with them. No text but symbols ("M", "3~", "T", "n"),
// so that one picture serves the three languages.

#include "socle/CouleursFenetres.h"

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <vector>

// File names in the pictures folder; empty for "none" (0) and for a type out of range.
QString ImageMachineChoix(int typeMachine); // 1..7
QString ImageChargeChoix(int typeCharge);   // 1..18
// Every picture the screen reads.
std::vector<QString> ImagesChoixCaract();

struct StyleSchema {
    QColor encre{38, 44, 52};                // lines and symbols
    QColor machine{couleurs::machineSchema}; // the machine's body
    QColor courbe{226, 62, 30};              // the load's curve
    bool detaille = true;                    // false: a button glyph, the essentials only
};

// Draws in `cadre`, keeping the proportions of the drawing, centred.
void DessineSymboleMachine(QPainter& p, const QRectF& cadre, int typeMachine, const StyleSchema& s = {});
void DessineAllureCharge(QPainter& p, const QRectF& cadre, int typeCharge, const StyleSchema& s = {});
