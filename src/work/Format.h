#pragma once
// Fixed-point values as text: a decimal comma before the last `Decimales` digits.

#include "work/SessionTravail.h"

#include <QString>

#include <cstdint>

// Text of v with d decimals: (5, 1) -> "0,5", (-7, 3) -> "-0,007", (1500, 0) -> "1500".
// This is also the graduation text of the graphs.
QString TexteValeur(int32_t v, int d);
// The same text appended to `s`, without a temporary: the copies of whole works use it.
void AjouteTexteValeur(QString& s, int32_t v, int d, char16_t virgule = u',');
// Cursor text: the value, one space, then the unit (one space even when the unit is empty).
QString TexteValeurUnite(int32_t v, int d, const QString& unite);
// mesures[i] with the decimals of the session's Colonnes[i], then " " and its unit.
QString TexteMesure(const SessionTravail& s, const VecteurMesures& mesures, int i);
// mesures[i] with the decimals of Colonnes[i], without unit.
QString TexteMesureBrut(const SessionTravail& s, const VecteurMesures& mesures, int i);

// The step table of the characteristic previews.
int32_t ValeurPas(int index); // 0 outside 0..61
// Smallest index whose step is at least a; the last index (70) for a value above every step.
int IndicePas(int32_t a);
