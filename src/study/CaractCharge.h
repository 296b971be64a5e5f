#pragma once
// The load panel without its widgets: the load law of the test-header template set with track bars
// and spin buttons, the texts that describe it, and its torque-speed curve with the geometry of
// the drawing. The panel's window is a thin layer over this.

#include "ConstantesBanc.h"
#include "work/Format.h"
#include "work/LoisCharge.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

struct TConfigGenerale;
struct TEnteteEssai;

// The load types the panel acts on.
inline bool ChargeDuPanneau(int typeCharge) {
    return DescriptionLoiCharge(typeCharge).duPanneau();
}

// Minimum and maximum of track bar A, then of track bar B, for a load type.
struct BornesReglettes {
    int32_t MinA, MaxA, MinB, MaxB;
};
BornesReglettes BornesDuType(int typeCharge);

// The inertia table (thousandths of the rated inertia) is the first 62 entries of the step table.
inline int32_t ValeurInertie(int index) {
    return ValeurPas(index);
}
// First index whose entry is not less than `valeur`; the last one (61) for a value above them all.
inline int IndiceInertie(int32_t valeur) {
    return IndicePas(valeur) > 61 ? 61 : IndicePas(valeur);
}

// A track bar as the panel sees it: its bounds and the position of its thumb. Bars A and B show
// their maximum at the top: their value is Max + Min - Position.
struct Reglette {
    int32_t Min = 0;
    int32_t Max = 150;
    int32_t Position = 0;

    void place(int64_t position);
    void bornes(int32_t min, int32_t max);
    int32_t valeurInversee() const { return Max + Min - Position; }
    void placeValeurInversee(int32_t valeur) { place(int64_t(Max) + Min - valeur); }
};

// One axis of the load curve: range, divisor of the label values, number of divisions, symbol.
struct AxeCar {
    int32_t Min = 0;
    int32_t Max = 0;
    int32_t Diviseur = 1;
    int32_t Divisions = 1;
    QString Libelle;
};

struct AxesCar {
    AxeCar Vitesse;
    AxeCar Couple;
};
// The axes of each of the six kinds; the cyclic kind (5) counts its abscissa in the reduction.
AxesCar AxesDuGenre(int genre, const ConstantesBanc& c, int32_t cyclicReduction);

struct Graduation {
    int64_t Pixel;  // column of a speed tick, row of a torque tick
    int32_t Valeur; // label value
};

// Where the drawing of the load curve puts its axes and ticks in a rectangle, the text sizes of
// the panel's font given: the height of "M" and the width of the torque maximum as an integer.
struct GeometrieCar {
    int64_t X0 = 0, Y0 = 0; // origin
    int64_t Sx = 0, Sy = 0; // pixels per division
    std::vector<Graduation> GraduationsVitesse;
    std::vector<Graduation> GraduationsCouple;
    AxeCar Vitesse, Couple;

    // Pixel of a curve point, in 64 bits; a degenerate axis puts the point on the origin.
    int64_t colonne(int64_t x) const;
    int64_t ligne(int64_t y) const;
};
GeometrieCar GeometrieTraceCar(const QRect& r, const AxeCar& couple, const AxeCar& vitesse, int hauteurM,
                               int largeurMaxCouple);

struct PointCar {
    int64_t X = 0; // speed
    int64_t Y = 0; // torque
    bool operator==(const PointCar&) const = default;
};

class CaractCharge {
public:
    static constexpr int NB_POINTS_COURBE = 22;

    CaractCharge(TEnteteEssai& modele, const TConfigGenerale& config);

    int TypeCharge = 0;
    Reglette TrackBarA;
    Reglette TrackBarB;
    Reglette TrackBarN{1, 100, 1};
    Reglette TrackBarJ{0, 50, 0};

    QString TextC1, TextC2, TextC3; // captions of the three panes
    QString TextB1, TextB2, TextB3; // their values
    QString TextJ;
    QString StaticTextReduction, StaticTextred, StaticTextPent, StaticTextPente;

    // What is on view; panes 1 and 3 always are.
    bool Volet2Visible = false;
    bool TrackBarAVisible = false;
    bool TrackBarBVisible = false;
    bool TrackBarJVisible = false;
    bool PanelNVisible = false;
    bool PanelCycleVisible = false;
    bool PanelInertieVisible = false;

    int GenreAxes = 0; // 1..6, 0 before the first drawing
    std::array<PointCar, NB_POINTS_COURBE> Courbe{};
    int DernierPoint = -1;

    void SetMode(int typeCharge);
    // Recomputes texts and curve from the record, for load types 6 to 18.
    void Action();
    AxesCar axes() const;

    // Change handlers: the position of the control that moved.
    void TrackBarAChange(int32_t position);
    void TrackBarBChange(int32_t position);
    void TrackBarNChange(int32_t position);
    void TrackBarJChange(int32_t position); // updates TextJ only, no recomputing
    void SpinButtonRductionUpClick();
    void SpinButtonRductionDownClick();
    void SpinButtonPenteUpClick();
    void SpinButtonPenteDownClick();

private:
    TEnteteEssai& m_modele;
    const TConfigGenerale& m_config;

    ConstantesBanc constantes() const;
    // The record word of a bar takes the bar's value, for the current load type.
    void ecritA();
    void ecritB();
    // Moves a bar for the other bar's sake; its own word follows when it actually moved.
    void deplaceA(int32_t position);
    void deplaceB(int32_t position);
    // The spin buttons: the reduction or linear speed (first), the slope or efficiency.
    void reglePas(bool premier, int sens);
    void point(int i, int64_t x, int64_t y) { Courbe[i] = {x, y}; }
};
