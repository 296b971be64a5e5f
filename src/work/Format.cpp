#include "Format.h"

#include "Travail.h"

#include <array>
#include <cstdlib>

void AjouteTexteValeur(QString& s, int32_t v, int d, char16_t virgule) {
    // At most 10 digits, the leading zeros for up to `d` decimals, a comma and a sign.
    char16_t tampon[64];
    char16_t* fin = tampon + 64;
    char16_t* p = fin;
    uint64_t reste = v < 0 ? uint64_t(-int64_t(v)) : uint64_t(v);
    const int decimales = std::clamp(d, 0, 40);
    int chiffres = 0;
    do {
        *--p = char16_t(u'0' + reste % 10);
        reste /= 10;
        ++chiffres;
        if (chiffres == decimales) *--p = virgule;
    } while (reste != 0 || chiffres <= decimales);
    if (v < 0) *--p = u'-';
    s.append(reinterpret_cast<const QChar*>(p), fin - p);
}

QString TexteValeur(int32_t v, int d) {
    QString s;
    AjouteTexteValeur(s, v, d);
    return s;
}

QString TexteValeurUnite(int32_t v, int d, const QString& unite) {
    return TexteValeur(v, d) + u' ' + unite;
}

QString TexteMesure(const SessionTravail& s, const VecteurMesures& mesures, int i) {
    return TexteValeurUnite(mesures[i], s.Colonnes[i].Decimales, s.Colonnes[i].Unite);
}

QString TexteMesureBrut(const SessionTravail& s, const VecteurMesures& mesures, int i) {
    return TexteValeur(mesures[i], s.Colonnes[i].Decimales);
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
