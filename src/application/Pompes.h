#pragma once
// The centrifugal pumps a pumping application can emulate: six models per bench size.

#include <QString>

#include <array>
#include <cstdint>

struct TModelePompe {
    const char* Nom;         // shown as it stands, in every language (UTF-8)
    int32_t HauteurNominale; // tenths of m
    int32_t DebitNominal;    // hundredths of m3/h
    int32_t HauteurZero;     // head at zero flow, tenths of m
    int32_t DebitMax;        // flow at full opening, hundredths of m3/h
    int32_t CoefQuadratique; // head lost per squared flow, x 1e-7
    int32_t CoefLineaire;    // head lost per flow, x 1e-5
    int32_t Reserve[2];      // 0 in every model
    int32_t PuissanceFixe;   // W added to the hydraulic power

    QString nom() const { return QString::fromUtf8(Nom); }
};

constexpr int NB_MODELES_POMPE = 6;

// The models of a bench power class: one table for classes 0 and 2, one for 1, one for 3. A class
// the settings should not hold reads as class 2.
const std::array<TModelePompe, NB_MODELES_POMPE>& ModelesPompe(int classePuissance);
// Model `index` of the class; an index outside 0..5 (a damaged file) is brought to the nearest end.
const TModelePompe& ModelePompe(int classePuissance, int index);
