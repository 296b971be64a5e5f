#pragma once
// What the application catalogue window shows, without the window: the industrial site, its two
// areas, the clickable picture of each application, the names shown while the mouse is over a
// picture, the illustration of each application code, and where "Retour" leads. The pictures are
// files of the pictures folder; their places are in the coordinates of the area picture, so that
// the program that draws the pictures and the window agree.

#include "study/Catalogue.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <map>
#include <optional>
#include <span>
#include <vector>

// The four panels of the catalogue, of which exactly one is on view.
enum class PanneauKorlan { Principal, Usine, LocalTechnique, Animation };

// Size of the picture of each panel (site, plant, technical room and illustration area), in
// logical pixels: the window is 964 x 664 with its title above and its buttons below.
constexpr int LARGEUR_VUE_KORLAN = 964;
constexpr int HAUTEUR_VUE_KORLAN = 560;

// The pictures of the areas: the site on the main panel, the plant and the technical room.
inline constexpr const char* IMAGE_SITE = "site_industriel.jpg";
inline constexpr const char* IMAGE_USINE = "usine_production.jpg";
inline constexpr const char* IMAGE_LOCAL = "local_technique.jpg";

// The clickable pictures of the site that open the two areas, in the site picture's coordinates.
// Each one shows the area's own picture, reduced.
QRect CadreSelectUsine();
QRect CadreSelectLocal();

// The area of application `code`, where "Retour" from its illustration leads: the plant for codes
// 51 to 59, the technical room for 60 to 66; nothing for any other code (the panel stays as it is).
std::optional<PanneauKorlan> PanneauRetourAnimation(int code);

struct ApplicationKorlan {
    int code;
    const char* image;    // the picture's name in the window: "ImageBanderol"
    bool visible;         // a hidden picture is in the window but never shown
    const char* vignette; // its file in the pictures folder; nullptr for a hidden picture
    QRect cadre;          // its place on the area picture; empty for a hidden picture

    PanneauKorlan zone() const { return *PanneauRetourAnimation(code); }
};

// The fourteen application pictures, plant first, in the order of their codes.
std::span<const ApplicationKorlan> ApplicationsKorlan();
// The picture that selects `code`, nullptr for a code without one (59, 65 and any other).
const ApplicationKorlan* ApplicationKorlanDuCode(int code);

// The illustration of application `code` (51..66) in the pictures folder; empty for any other.
QString IllustrationApplication(int code);
// The text shown while the mouse is over the picture of `code`, in the current language: the
// application's name; empty for a code without a picture.
QString TexteSurvolApplication(int code);

// Every picture the window reads: the three area pictures, the visible applications' pictures and
// every illustration. The program that draws them delivers exactly these.
std::vector<QString> ImagesKorlan();

// The area picture `fond` with the pictures of its applications drawn in their places: the view
// of the area that the site shows. `vignettes` holds the pictures that could be read, by code.
QImage ApercuZone(const QImage& fond, PanneauKorlan zone, const std::map<int, QImage>& vignettes);

// A picture of the pictures folder, or the lines that say why it cannot be shown.
inline ImageOuMessage ChargeImageKorlan(const QString& dossierApplications, const QString& fichier) {
    return ChargeImageApplications(dossierApplications, fichier);
}
