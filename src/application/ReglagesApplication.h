#pragma once
// The computations of the application configuration: the scroll bar ranges of each application,
// the parameters P0..P5 read from the controls with their value texts and derived values, the way
// back from parameters to controls, and the 28-byte application file.

#include "work/Applications.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class Travail;
struct SessionTravail;

using ParamsApplication = std::array<int32_t, 6>;

// Range of `barre` for application `code`; codes without their own table (and codes outside
// 50..70, or a bar that does not exist) read 10..100, default 50.
PlageBarre PlageBarreApplication(int code, int barre);
// Bars 1 and 3 read upside down, so that their top is the maximum.
bool BarreInversee(int barre);
// The value a scroll bar of that range shows at `position`, and the position that shows `valeur`
// (clamped into the range, as the scroll bar does).
int32_t ValeurBarre(int code, int barre, int32_t position);
int32_t PositionBarre(int code, int barre, int32_t valeur);

// Whether the dialog has controls for the application (51, 52, 53, 57, 58, 61, 62, 64, 66).
bool ApplicationConfigurable(int code);

// The values the controls show (not their positions): Barre[1], [3], [4], [5], [6], and the
// index of the pump chosen in the list.
struct ControlesApplication {
    std::array<int32_t, 7> Barre{};
    int32_t Pompe = 0;
    bool operator==(const ControlesApplication&) const = default;
};

// Every bar on its default value (raised or lowered into its range), pump 0.
ControlesApplication ControlesDefaut(int code);
// The controls that give back `p` (the assignments of the application read backwards), starting
// from the defaults; values are clamped into the ranges, a pump index outside 0..5 selects 0.
ControlesApplication ControlesDepuisParam(int code, const ParamsApplication& p);

// What the value displays show; an empty text for a display the application hides.
struct AffichageApplication {
    QString Aff1; // left, beside bar 1
    QString Aff2; // the derived value: a force, a mass, a pressure, a head
    QString Aff3; // right, beside bar 3
    QString Aff4; // rows 4, 5, 6
    QString Aff5;
    QString Aff6;
    QString Inertie; // " : " + J + " kg.m²"
    bool operator==(const AffichageApplication&) const = default;
};

// Reads the controls into the parameters of application `code` on a bench of rated torque `tn`
// (hundredths of N.m) and power class `classe` (for the pump table), and gives the value texts.
// Parameters the application does not use keep their value; an application without controls
// changes none and shows nothing.
AffichageApplication LitControles(int code, const ControlesApplication& c, int32_t tn, int classe,
                                  ParamsApplication& p);
// The default parameters of application `code`: the defaults of every bar read as above, and
// pump 0 for the centrifugal pump. Codes below 50 leave `p` as it is.
ParamsApplication ParamInit(int code, int32_t tn, int classe, ParamsApplication p);

// Texts of the dialog for each application.
LegendesApplication Legendes(int code);
// Number of the application's name in the catalogue's text table, -1 for a code without a name.
int TexteNomApplication(int code);
// The application's name in the current language, empty for a code without a name.
QString NomApplication(int code);

// The picture of the dialog: the application's own picture in the pictures folder, else the
// catalogue's illustration of the application; without either, a message that says why.
struct ImageConfiguration {
    QImage image;
    QString fichier; // the file shown
    QString message; // when there is no picture
};
// File names tried, in order; none for a code without a picture.
std::array<const char*, 2> FichiersImageConfiguration(int code);
ImageConfiguration ChargeImageConfiguration(int code, const QString& dossierApplications);

// Application file: the code then P0..P5, signed 32-bit little-endian, nothing else.
constexpr int TAILLE_FICHIER_APPLICATION = 28;
struct FichierApplication {
    int32_t Code = 0;
    ParamsApplication Param{};
    bool operator==(const FichierApplication&) const = default;
};
QByteArray OctetsApplication(const FichierApplication& f);
// Nothing unless the bytes are exactly one application file.
std::optional<FichierApplication> DecodeApplication(const QByteArray& octets);
// Reads `nom` into ApplicationCourante and the session's ParamApplicationSauve. A file that cannot
// be opened or is not exactly 28 bytes long shows "Erreur de lecture du fichier", sets
// ApplicationCourante to 0 and leaves ParamApplicationSauve as it was. The work's own file name is
// not touched.
bool LitApplication(Travail& t, SessionTravail& s, const QString& nom);
// Writes ApplicationCourante and ParamApplication to `nom` through a temporary file renamed over
// it: a failed write leaves the previous file intact and shows "Erreur d'ecriture du fichier".
bool EcritApplication(const Travail& t, const QString& nom);
