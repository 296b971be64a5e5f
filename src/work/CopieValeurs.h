#pragma once
// The measured values of the tests as text: the tab-separated copy the study windows put on the
// clipboard, and a CSV export for spreadsheets.

#include "work/SessionTravail.h"

#include <QString>

#include <span>

// Columns 0..11 for the characteristic study, 0..14 for the application study.
constexpr int DERNIERE_COLONNE_CARACT = 11;
constexpr int DERNIERE_COLONNE_APPLICATION = 14;

// essai < 1: every test that holds points, each after a title line ("Essai 2<TAB>comment");
// otherwise the block of that test alone. CR LF line ends.
QString TexteValeurs(const Travail& t, const SessionTravail& s, int essai, int derniereColonne);

// RFC 4180 text, dot decimal: a header of symbols and units, then one line per point with the
// test number first. essai < 1 exports every test.
QString CsvValeurs(const Travail& t, const SessionTravail& s, int essai, int derniereColonne);

// The present measurements, for a program that follows the bench live: the CSV header of the
// columns (symbols and units), and one CSV line of a measurement for them, dot decimal, CR LF each.
QString EnteteCsvMesures(const SessionTravail& s, std::span<const int> colonnes);
QString LigneCsvMesures(const SessionTravail& s, const VecteurMesures& mesures,
                        std::span<const int> colonnes);
