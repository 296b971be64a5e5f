#include "Format.h"

#include "Travail.h"

#include <array>
#include <cstdlib>

QString TexteValeur(int32_t v, int d) {
    QString chiffres = QString::number(std::llabs(static_cast<long long>(v)));
    if (d > 0) {
        if (chiffres.size() <= d) chiffres = QString(d + 1 - chiffres.size(), u'0') + chiffres;
        chiffres.insert(chiffres.size() - d, u',');
    }
    return v < 0 ? u'-' + chiffres : chiffres;
}

QString TexteValeurUnite(int32_t v, int d, const QString& unite) {
    return TexteValeur(v, d) + u' ' + unite;
}

QString TexteMesure(const Travail& t, int i) {
    return TexteValeurUnite(t.Mesures[i], t.Colonnes[i].Decimales, t.Colonnes[i].Unite);
}

QString TexteMesureBrut(const Travail& t, int i) {
    return TexteValeur(t.Mesures[i], t.Colonnes[i].Decimales);
}

QString TexteMesure(int i) {
    return TexteMesure(travail(), i);
}
QString TexteMesureBrut(int i) {
    return TexteMesureBrut(travail(), i);
}

namespace {

constexpr std::array<int32_t, 71> pas = {
    0,    1,    2,    3,    4,    5,    6,    7,    8,    9,    10,    11,   12,   13,   14,
    15,   16,   18,   20,   22,   25,   30,   35,   40,   45,   50,    60,   70,   80,   90,
    100,  110,  120,  130,  140,  150,  160,  180,  200,  220,  250,   300,  350,  400,  450,
    500,  600,  700,  800,  900,  1000, 1100, 1200, 1300, 1400, 1500,  1600, 1800, 2000, 2200,
    2500, 3000, 3500, 4000, 4500, 5000, 6000, 7000, 8000, 9000, 10000,
};
static_assert(pas[61] == 3000 && pas[62] == 3500 && pas[17] == 18);

} // namespace

int32_t ValeurPas(int index) {
    return index >= 0 && index <= 61 ? pas[index] : 0;
}

int IndicePas(int32_t a) {
    for (int i = 0; i < static_cast<int>(pas.size()); ++i)
        if (pas[i] >= a) return i;
    return static_cast<int>(pas.size()) - 1;
}
