#pragma once
// The program's pictures, drawn as vector art at the screen's pixel ratio: the main menu's banner
// and the icons of its buttons.

#include <QIcon>
#include <QPixmap>

namespace pictogrammes {

enum class Icone {
    Caracteristiques,
    Application,
    Ouvrir,
    Nouveau,
    Configuration,
    Quitter,
    ModeCaract,
    ModeStatique,
    ModeDynamique
};

QIcon icone(Icone i);
// The banner: two coupled machines and a characteristic, with the program's name and `sousTitre`;
// `mention`, when given, stands out in its top right corner (the simulated bench).
QPixmap banniere(int largeur, int hauteur, qreal ratio, const QString& sousTitre,
                 const QString& mention = QString());

} // namespace pictogrammes
