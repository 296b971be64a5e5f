#pragma once
// The windows' own fixed colours, and every pair of text and background they put together. The
// windows take their colours from here, and a test holds each pair to the legibility thresholds.

#include <QColor>

#include <array>

namespace couleurs {

// Plot window: the band behind the graph panels, and the panels' header (names, caption, cursor
// values) written on it; `survolPanneaux` is under the header's button when the mouse is on it.
constexpr QRgb fondPanneaux = qRgb(24, 40, 56);
constexpr QRgb textePanneaux = qRgb(224, 232, 240);
constexpr QRgb survolPanneaux = qRgb(48, 72, 96);

// Run screen: the value displays, with the torque in the colour of its state.
constexpr QRgb fondAffichage = qRgb(14, 24, 34);
constexpr QRgb texteAffichage = qRgb(143, 227, 255);
constexpr QRgb coupleNormal = qRgb(0, 255, 0);
constexpr QRgb coupleExcessif = qRgb(255, 40, 40);

// Main menu: its entries at rest, under the mouse, pressed and with the focus.
constexpr QRgb fondMenu = qRgb(0, 0, 0);
constexpr QRgb texteMenu = qRgb(0, 255, 255);
constexpr QRgb survolMenu = qRgb(11, 42, 58);
constexpr QRgb appuiMenu = qRgb(20, 74, 96);
constexpr QRgb focusMenu = qRgb(11, 32, 48);
// Its banner: a gradient from `hautBanniere` down to black, the name and the subtitle over it, and
// the simulated bench's mention in a translucent box.
constexpr QRgb hautBanniere = qRgb(8, 30, 52);
constexpr QRgb sousTitreBanniere = qRgb(190, 230, 235);
constexpr QRgb fondMention = qRgba(120, 40, 0, 220);
constexpr QRgb texteMention = qRgb(255, 220, 120);

// The light window of the style, behind the choice screen's captions and its transparent views.
constexpr QRgb fenetreClaire = qRgb(239, 239, 239);
// Choice screen: the load preview's axes and their labels.
constexpr QRgb fondApercuCharge = qRgb(0, 0, 0);
constexpr QRgb axesApercuCharge = qRgb(0, 255, 255);
// Choice screen: the load parameters' captions on the window, and their values in white boxes.
constexpr QRgb legendeParametre = qRgb(0, 0, 128);
constexpr QRgb valeurParametre = qRgb(0, 0, 0);
constexpr QRgb fondValeurParametre = qRgb(255, 255, 255);
// Choice screen: the machines of its diagrams, with their letters in white.
constexpr QRgb machineSchema = qRgb(44, 104, 178);
constexpr QRgb lettresMachine = qRgb(255, 255, 255);

// Title bands of the applications viewer, of the application's configuration and of its catalogue.
constexpr QRgb texteBande = qRgb(255, 255, 255);
constexpr QRgb bandeVisionneuse = qRgb(0, 128, 128);
constexpr QRgb bandeConfiguration = qRgb(0, 96, 128);
constexpr QRgb bandeCatalogue = qRgb(0, 110, 120);
// Machine choice: the chosen machine's button.
constexpr QRgb fondMachineChoisie = qRgb(30, 111, 168);
constexpr QRgb bordMachineChoisie = qRgb(15, 74, 115);
// What stands in for a picture that cannot be shown: in the catalogue, the application's name
// and the message on a plain box; in the viewer and the choice screen, the message on the view's
// background, light on a dark one, dark on a light one (the choice screen's views are transparent).
constexpr QRgb fondSansImage = qRgb(36, 46, 58);
constexpr QRgb nomSansImage = qRgb(255, 255, 255);
constexpr QRgb titreMessageSombre = qRgb(255, 200, 120);
constexpr QRgb texteMessageSombre = qRgb(220, 220, 220);
constexpr QRgb titreMessageClair = qRgb(160, 70, 0);
constexpr QRgb texteMessageClair = qRgb(60, 60, 60);
constexpr QRgb fondVisionneuse = qRgb(16, 20, 24);

struct PaireCouleurs {
    const char* nom;
    QRgb texte;
    QRgb fond; // may be translucent: then drawn over `dessous`
    QRgb dessous;
    bool grand = false; // 18 pt, or 14 pt bold
};

// Each text over each background it is drawn on; a background that changes (a gradient) is
// given at its lightest under light text.
inline constexpr std::array<PaireCouleurs, 26> PairesFenetres{{
    {"plot window: graph panel header", textePanneaux, fondPanneaux, fondPanneaux},
    {"plot window: graph panel header button under the mouse", textePanneaux, survolPanneaux, survolPanneaux},
    {"run screen: value display", texteAffichage, fondAffichage, fondAffichage},
    {"run screen: torque display", coupleNormal, fondAffichage, fondAffichage},
    {"run screen: excessive torque display", coupleExcessif, fondAffichage, fondAffichage},
    {"main menu: entry", texteMenu, fondMenu, fondMenu},
    {"main menu: entry under the mouse", texteMenu, survolMenu, survolMenu},
    {"main menu: entry pressed", texteMenu, appuiMenu, appuiMenu},
    {"main menu: entry with the focus", texteMenu, focusMenu, focusMenu},
    {"main menu: banner name", texteMenu, hautBanniere, hautBanniere, true},
    {"main menu: banner subtitle", sousTitreBanniere, hautBanniere, hautBanniere},
    {"main menu: simulated bench mention", texteMention, fondMention, hautBanniere},
    {"choice screen: load preview labels", axesApercuCharge, fondApercuCharge, fondApercuCharge},
    {"choice screen: machine letters", lettresMachine, machineSchema, machineSchema},
    {"choice screen: load parameter captions", legendeParametre, fenetreClaire, fenetreClaire},
    {"choice screen: load parameter values", valeurParametre, fondValeurParametre, fondValeurParametre},
    {"applications viewer: title band", texteBande, bandeVisionneuse, bandeVisionneuse},
    {"application configuration: title band", texteBande, bandeConfiguration, bandeConfiguration},
    {"application catalogue: title band", texteBande, bandeCatalogue, bandeCatalogue},
    {"machine choice: chosen machine", texteBande, fondMachineChoisie, fondMachineChoisie},
    {"application catalogue: name without its picture", nomSansImage, fondSansImage, fondSansImage},
    {"application catalogue: message without the picture", titreMessageSombre, fondSansImage, fondSansImage},
    {"applications viewer: message title", titreMessageSombre, fondVisionneuse, fondVisionneuse},
    {"applications viewer: message details", texteMessageSombre, fondVisionneuse, fondVisionneuse},
    {"choice screen: message title", titreMessageClair, fenetreClaire, fenetreClaire},
    {"choice screen: message details", texteMessageClair, fenetreClaire, fenetreClaire},
}};

} // namespace couleurs
