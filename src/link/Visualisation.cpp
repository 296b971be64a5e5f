#include "Visualisation.h"

#include <algorithm>
#include <cstdlib>

int32_t ChampTailleBanc(int classePuissance, int champ) {
    static constexpr int32_t table[4][5] = {
        {1500, 1500, 1500, 1000, 1500},
        {1500, 300, 500, 200, 300},
        {1500, 1500, 2000, 1000, 1500},
        {1500, 3000, 4500, 1000, 3000},
    };
    if (classePuissance < 0 || classePuissance > 3) classePuissance = 2;
    if (champ < 0 || champ > 4) return 0;
    return table[classePuissance][champ];
}

QString TexteMachineBanc(int classePuissance) {
    return QStringLiteral("MACHINE %1 W").arg(ChampTailleBanc(classePuissance, 4));
}

QString TexteK(int position) {
    return QStringLiteral("K = %1%").arg(position);
}

std::array<QRect, NB_TUILES + 1> DispositionTuiles(QSize client, int hauteurBandeau) {
    const int t = 2 * hauteurBandeau;
    const int w = std::max(client.width() / 3, 0);
    const int h = std::max((client.height() - t) / 4, 0);
    std::array<QRect, NB_TUILES + 1> r{};
    const auto place = [&](int k, int gauche, int rang) { r[k] = QRect(gauche, t + rang * h, w, h); };
    for (int i = 0; i < 3; ++i) {
        place(1 + i, i * w, 0);
        place(4 + i, i * w, 1);
    }
    place(8, w / 3, 2);
    place(10, 5 * w / 3, 2);
    place(7, w / 3, 3);
    place(9, 5 * w / 3, 3);
    return r;
}

DispositionAffichage DisposeAffichage(QSize panneau, int bord) {
    const int p = panneau.height();
    const int largeur = std::max(panneau.width() - 2 * bord, 0);
    DispositionAffichage d;
    int haut = bord;
    const auto suivant = [&](int hauteur) {
        const QRect r(bord, haut, largeur, hauteur);
        haut += hauteur;
        return r;
    };
    d.espace1 = suivant(p / 8);
    d.titre = suivant(p / 5);
    d.espace2 = suivant(p / 8);
    d.valeur = suivant(3 * p / 8);
    return d;
}

QSize ProportionsVisualisation(QSize ancienne, QSize demandee, QSize minimum) {
    const int dl = std::abs(demandee.width() - ancienne.width());
    const int dh = std::abs(demandee.height() - ancienne.height());
    // The side moved the more, in proportion, leads.
    int h = dl * 3 > dh * 4 ? demandee.width() * 3 / 4 : demandee.height();
    h = std::max({h, minimum.height(), (minimum.width() * 3 + 3) / 4});
    return {h * 4 / 3, h};
}
