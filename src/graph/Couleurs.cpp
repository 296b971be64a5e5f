#include "Couleurs.h"

namespace {

// The standard 16-colour palette.
constexpr QRgb blanc = 0xFFFFFF, noir = 0x000000, rouge = 0xFF0000, marine = 0x000080, vert = 0x008000,
               marron = 0x800000, gris = 0x808080, cyan = 0x00FFFF, jaune = 0xFFFF00, argent = 0xC0C0C0,
               citron = 0x00FF00;

constexpr std::array<QRgb, 5> courbesClaires{rouge, marine, vert, marron, gris};
constexpr std::array<QRgb, 5> courbesSombres{rouge, cyan, citron, jaune, argent};
// Red and grey are too light for small text on paper: their names are printed just dark enough.
constexpr std::array<QRgb, 5> nomsClairs{0xEE0000, marine, vert, marron, 0x767676};

struct Schema {
    QRgb fond;
    QRgb textes;
    const std::array<QRgb, 5>& courbes;
};

const std::array<Schema, NB_SCHEMAS_COULEURS> schemas{{
    {blanc, noir, courbesClaires},
    {cyan, noir, courbesClaires},
    {jaune, noir, courbesClaires},
    {argent, noir, courbesClaires},
    {marron, blanc, courbesSombres},
    {vert, blanc, courbesSombres},
    {marine, blanc, courbesSombres},
    {noir, blanc, courbesSombres},
}};

} // namespace

std::array<QColor, 7> SchemaCouleurs(int schema) {
    const Schema& s = schemas[schema >= 0 && schema < NB_SCHEMAS_COULEURS ? schema : 0];
    std::array<QColor, 7> c;
    c[0] = QColor::fromRgb(s.fond);
    c[1] = QColor::fromRgb(s.textes);
    for (int k = 0; k < 5; ++k)
        c[2 + k] = QColor::fromRgb(s.courbes[k]);
    return c;
}

std::array<CouleurLegende, 5> CouleursLegende() {
    std::array<CouleurLegende, 5> c;
    for (std::size_t k = 0; k < c.size(); ++k)
        c[k] = {QColor::fromRgb(courbesClaires[k]), QColor::fromRgb(nomsClairs[k])};
    return c;
}
