#include "EmulationCharge.h"

#include "link/Visualisation.h"
#include "socle/Entier32.h"
#include "work/Applications.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The drive's arithmetic: 32-bit products and sums wrap, quotients truncate toward zero, and a
// quotient by zero reads 0. Written left to right as the drive's formulas are.
struct I32 {
    int32_t v;
    I32(int32_t x) : v(x) {}
};
I32 operator*(I32 a, I32 b) {
    return produit32(a.v, b.v);
}
I32 operator/(I32 a, I32 b) {
    return quotient32(a.v, b.v);
}
I32 operator+(I32 a, I32 b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a.v) + static_cast<uint32_t>(b.v));
}
I32 operator-(I32 a, I32 b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a.v) - static_cast<uint32_t>(b.v));
}

// 64-bit arithmetic for the pump, the scroll bar's range and the displays. Only parameters no
// dialog gives can reach the limits; there the value stops at the limit instead of wrapping.
constexpr int64_t Max64 = std::numeric_limits<int64_t>::max();
constexpr int64_t Min64 = std::numeric_limits<int64_t>::min();
struct I64 {
    int64_t v;
    I64(int64_t x) : v(x) {}
};
I64 operator*(I64 a, I64 b) {
    int64_t r;
    if (__builtin_mul_overflow(a.v, b.v, &r)) return (a.v < 0) != (b.v < 0) ? Min64 : Max64;
    return r;
}
I64 operator+(I64 a, I64 b) {
    int64_t r;
    if (__builtin_add_overflow(a.v, b.v, &r)) return a.v < 0 ? Min64 : Max64;
    return r;
}
I64 operator-(I64 a, I64 b) {
    int64_t r;
    if (__builtin_sub_overflow(a.v, b.v, &r)) return a.v < 0 ? Min64 : Max64;
    return r;
}
I64 operator/(I64 a, I64 b) {
    if (b.v == 0) return int64_t{0};
    if (a.v == Min64 && b.v == -1) return Max64;
    return a.v / b.v;
}
I64 abs64(I64 a) {
    return a.v == Min64 ? Max64 : (a.v < 0 ? -a.v : a.v);
}
int32_t sature32(I64 x) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(x.v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int32_t coupleNominal(int classePuissance) {
    return ChampTailleBanc(classePuissance, 1);
}

} // namespace

int ModeCharge(int code) {
    const DescriptionApplication* a = DescriptionDApplication(code);
    return a ? a->modeCharge : 0;
}

int ModeCharge(const Travail& t, const SessionTravail& s) {
    return ModeCharge(t.Essais[s.EssaiCourant].Entete.TypeCharge());
}

int PourcentagePositionDefaut(int code) {
    const DescriptionApplication* a = DescriptionDApplication(code);
    return a ? a->positionDefaut : 0;
}

int32_t SinusPente(int32_t angle) {
    return static_cast<int32_t>(std::trunc(100.0 * std::sin(angle * std::numbers::pi / 180.0)));
}

ParamsApplication ParamsEssai(const TEnteteEssai& e) {
    ParamsApplication p{};
    for (int k = 0; k < 6; ++k)
        p[k] = e[TEnteteEssai::MotParamApplication + k];
    return p;
}

namespace {

// What the emulation computes for each application, in the order of their codes. tn is the rated
// torque, a the load scroll bar's position and b its minimum.
struct Emulation {
    // The load scroll bar's range, from 0..120; nullptr: the bar is left as it stands.
    void (*plage)(const ParamsApplication& p, I64 tn, I64& minimum, I64& maximum);
    // Words 0..4 of the drive's block; nullptr: the block stays as it was.
    void (*bloc)(EmulationCharge& e, const ParamsApplication& p, int classePuissance, I32 tn, int32_t a,
                 int32_t b, BlocParametres& bloc);
    // Mesures[12..14] from n = Mesures[1]; nullptr: they keep their values.
    void (*valeurs)(const EmulationCharge& e, const ParamsApplication& p, int classePuissance, I64 tn,
                    int32_t a, VecteurMesures& m);
};

using Mots = std::array<I32, 5>;
void ecrit(BlocParametres& bloc, const Mots& m) {
    for (int k = 0; k < 5; ++k)
        bloc[k] = m[k].v;
    bloc[5] = 0;
}

// The ranges.
void plageGenerique(const ParamsApplication&, I64, I64&, I64&) {}
void plageMinimumP1(const ParamsApplication& p, I64, I64& minimum, I64&) {
    minimum = p[1];
}
void plagePourcent(const ParamsApplication&, I64, I64&, I64& maximum) {
    maximum = int64_t{100};
}
void plageLevage(const ParamsApplication& p, I64 tn, I64& minimum, I64& maximum) {
    minimum = tn * p[4] / 15000;
    // No linear speed: the generic bar.
    if (p[0] != 0) maximum = tn * p[1] * 68 / p[0] / 5000;
}

// The blocks.
void blocVide(EmulationCharge&, const ParamsApplication&, int, I32, int32_t, int32_t, BlocParametres& bloc) {
    ecrit(bloc, {0, 0, 0, 0, 0});
}
void blocCoupleK(EmulationCharge&, const ParamsApplication&, int, I32 tn, int32_t a, int32_t,
                 BlocParametres& bloc) {
    const I32 A = a;
    ecrit(bloc, {A * tn / 1500, A * tn / 1500, 0, 10, 0});
}

// The displays.
void valeursNulles(const EmulationCharge&, const ParamsApplication&, int, I64, int32_t, VecteurMesures& m) {
    m[12] = m[13] = m[14] = 0;
}
// The fans: at negative speed the flaps pass less air, the degradation P2 applies.
I64 debitVentilation(const ParamsApplication& p, I64 n, I64 a) {
    return n.v >= 0 ? n * p[3] * a / 1500 : n * p[3] * a * (I64(100) - p[2]) / 150000;
}

const std::array<Emulation, NB_APPLICATIONS> emulations{{
    // 51, wrapping
    {[](const ParamsApplication& p, I64 tn, I64& minimum, I64&) {
         // No reduction ratio: no rolling load to start from.
         if (p[0] != 0) minimum = I64(p[1]) * p[4] * 150 / p[0] / tn;
     },
     [](EmulationCharge&, const ParamsApplication& p, int, I32 tn, int32_t a, int32_t, BlocParametres& bloc) {
         const I32 A = a;
         Mots m{0, 0, 0, 0, 0};
         m[0] = A * tn / 150;
         m[1] = (I32(p[2]) + a) * tn / 150;
         m[2] = 20;
         // Without a reduction ratio the drive is told no inertia.
         if (p[0] != 0) m[4] = I32(p[4]) * p[3] * p[3] * 125 / p[0] / p[0] * tn / 15000;
         ecrit(bloc, m);
     },
     [](const EmulationCharge&, const ParamsApplication& p, int, I64 tn, int32_t a, VecteurMesures& m) {
         const I64 n = m[1], A = a;
         if (p[3] != 0) m[12] = sature32(A * tn * p[0] / 75 / p[3]);
         if (p[0] != 0) m[13] = sature32(abs64(n * p[3] * 1000 / 191 / p[0]));
         m[14] = sature32(abs64(A * tn / 100 * n * 314 / 45000));
     }},
    // 52, palletising
    {plageLevage,
     [](EmulationCharge&, const ParamsApplication& p, int, I32, int32_t a, int32_t, BlocParametres& bloc) {
         const I32 A = a;
         ecrit(bloc, {A, p[1], p[0], 0, I32(p[0]) * a * p[0] / 2467});
     },
     [](const EmulationCharge&, const ParamsApplication& p, int, I64, int32_t a, VecteurMesures& m) {
         const I64 n = m[1];
         m[12] = a;
         m[13] = sature32(n * p[0] / 150);
         m[14] = sature32(n * a * p[0] / 1530);
     }},
    // 53, conveyor
    {plageMinimumP1,
     [](EmulationCharge&, const ParamsApplication& p, int, I32 tn, int32_t a, int32_t b,
        BlocParametres& bloc) {
         const I32 A = a;
         Mots m{0, 0, 0, 0, 0};
         m[0] = A * tn / 150;
         m[1] = (I32(p[2]) + a) * tn / 150;
         m[2] = 20;
         // Without a rolling coefficient the drive is told no inertia.
         if (p[3] != 0) m[4] = (A - b) * tn * p[0] * 10 / p[3] / 23566;
         ecrit(bloc, m);
     },
     [](const EmulationCharge&, const ParamsApplication& p, int, I64 tn, int32_t a, VecteurMesures& m) {
         const I64 n = m[1], A = a;
         const I64 e = (p[0] == 0 || p[3] == 0) ? I64(0) : A * tn * 1047 / p[3] / p[0] / 10;
         m[12] = sature32(e);
         m[13] = sature32(n * p[0] / 1500);
         m[14] = sature32(abs64(e * m[13] * 36 / 1000));
     }},
    // 54, relative positioning
    {plageGenerique, blocCoupleK,
     [](const EmulationCharge&, const ParamsApplication& p, int, I64, int32_t a, VecteurMesures& m) {
         const I64 n = m[1];
         m[12] = a;
         m[13] = sature32(n * p[0] / 150);
         m[14] = 0;
     }},
    // 55, unwinding
    {plageMinimumP1, blocCoupleK, valeursNulles},
    // 56, synchronisation
    {plageGenerique, blocCoupleK, valeursNulles},
    // 57, cutting to length
    {[](const ParamsApplication& p, I64, I64& minimum, I64& maximum) {
         minimum = p[1];
         maximum = I64(p[1]) + 220;
     },
     [](EmulationCharge&, const ParamsApplication& p, int, I32 tn, int32_t a, int32_t, BlocParametres& bloc) {
         Mots m{0, 0, 0, 0, 0};
         m[0] = (I32(p[1]) + a) * tn / 150;
         m[1] = I32(p[2]) * tn / 150;
         // Without a rate there is no cutting period: both words read 0.
         if (p[0] != 0) {
             m[2] = I32(5000) / p[0];
             m[3] = I32(10000) / p[0];
         }
         m[4] = p[4];
         ecrit(bloc, m);
     },
     [](const EmulationCharge&, const ParamsApplication& p, int, I64 tn, int32_t a, VecteurMesures& m) {
         const I64 n = m[1];
         m[12] = (p[0] == 0 || p[3] == 0) ? 0 : sature32(tn / 100 * 20944 * a / p[3] / p[0]);
         m[13] = sature32(abs64(n * p[0] / 1500));
         m[14] = sature32(abs64(I64(m[3]) * a / 120));
     }},
    // 58, travelling crane
    {plageLevage,
     [](EmulationCharge&, const ParamsApplication& p, int, I32, int32_t a, int32_t, BlocParametres& bloc) {
         const I32 A = a;
         ecrit(bloc, {A, p[1], p[0], 0, sature32(I64(a) * p[0] * p[0] / 2467)});
     },
     [](const EmulationCharge&, const ParamsApplication& p, int, I64, int32_t a, VecteurMesures& m) {
         const I64 n = m[1];
         m[12] = a;
         m[13] = sature32(n * p[0] / 150);
         m[14] = sature32(n * a * p[0] / 153);
     }},
    // 59, the mains: no load program
    {nullptr, nullptr, nullptr},
    // 60, generator
    {plageGenerique, blocVide, valeursNulles},
    // 61, centrifugal pump
    {plagePourcent,
     [](EmulationCharge& e, const ParamsApplication& p, int classePuissance, I32, int32_t a, int32_t,
        BlocParametres& bloc) { e.chargePompe(ModelePompe(classePuissance, p[1]), p, a, bloc); },
     [](const EmulationCharge& e, const ParamsApplication& p, int classePuissance, I64, int32_t a,
        VecteurMesures& m) {
         const PointPompe point = e.PointFonctionnement(ModelePompe(classePuissance, p[1]), p[0], m[1]);
         m[12] = a;
         m[13] = point.debit;
         m[14] = point.hauteur;
     }},
    // 62, ventilation
    {plagePourcent,
     [](EmulationCharge&, const ParamsApplication& p, int, I32 tn, int32_t a, int32_t, BlocParametres& bloc) {
         const I32 A = a;
         ecrit(bloc, {(A * 80 / 100 + 20) * tn / 150, I32(p[0]) * 10, 1500, p[2], p[4]});
     },
     [](const EmulationCharge&, const ParamsApplication& p, int, I64, int32_t a, VecteurMesures& m) {
         m[12] = a;
         m[13] = sature32(abs64(debitVentilation(p, m[1], a)));
         m[14] = 0;
     }},
    // 63, compressor
    {plageGenerique, blocVide, valeursNulles},
    // 64, smoke extraction
    {plagePourcent,
     [](EmulationCharge&, const ParamsApplication& p, int, I32 tn, int32_t a, int32_t, BlocParametres& bloc) {
         const I32 A = a;
         ecrit(bloc, {(I32(120) - A / 6) * tn / 150, I32(p[0]) * 10, 1500, p[2], p[4]});
     },
     [](const EmulationCharge&, const ParamsApplication& p, int, I64, int32_t a, VecteurMesures& m) {
         m[12] = a;
         m[13] = sature32(debitVentilation(p, m[1], a));
         m[14] = 0;
     }},
    // 65, gas atmosphere
    {plageGenerique, blocVide, valeursNulles},
    // 66, conveyor belt
    {[](const ParamsApplication& p, I64 tn, I64&, I64& maximum) {
         // A downward slope can cancel the rolling coefficient: the generic bar then, as for P0 = 0.
         const I64 resistance = I64(SinusPente(p[4])) * 981 / 100 + p[3];
         if (p[0] != 0 && p[3] != 0 && resistance.v != 0)
             maximum = tn * (I64(120) - p[1]) * 10472 / p[0] / resistance / 100;
     },
     [](EmulationCharge&, const ParamsApplication& p, int, I32 tn, int32_t a, int32_t, BlocParametres& bloc) {
         const I32 A = a;
         const int32_t s = SinusPente(p[4]);
         Mots m{0, 0, 0, 0, 0};
         m[0] = I32(p[3]) * a * p[0] / 15707 + I32(p[1]) * tn / 150;
         m[1] = I32(p[2]) * tn / 150 + m[0];
         m[2] = 20;
         m[3] = A * s * p[0] * 624 / 1000000;
         m[4] = I32(p[0]) * a * p[0] / 246740;
         ecrit(bloc, m);
     },
     [](const EmulationCharge&, const ParamsApplication& p, int, I64, int32_t a, VecteurMesures& m) {
         const I64 n = m[1], A = a;
         m[12] = a;
         m[13] = sature32(n * p[0] / 1500);
         m[14] = sature32(abs64(A * m[13] * 36 / 1000));
     }},
}};

const Emulation* emulation(int code) {
    return DescriptionDApplication(code) ? &emulations[std::size_t(code - PREMIERE_APPLICATION)] : nullptr;
}

} // namespace

// The range is worked in 64 bits: the bar is the window's, not the drive's, and a 32-bit product
// of the conveyor belt's maximum wraps negative on the 3000 W bench with its default parameters.
std::optional<PlageCharge> CalculPlageCharge(int code, const ParamsApplication& p, int classePuissance) {
    const Emulation* e = emulation(code);
    if (!e || !e->plage) return std::nullopt;
    I64 minimum = int64_t{0}, maximum = int64_t{120};
    e->plage(p, coupleNominal(classePuissance), minimum, maximum);
    PlageCharge plage;
    plage.minimum = sature32(minimum);
    plage.maximum = sature32(maximum);
    if (plage.minimum > plage.maximum) {
        plage = PlageCharge{};
        plage.refusee = true;
    }
    // The default is a share of the span, not offset by the minimum; the bar then clamps it.
    const I64 position = (I64(plage.maximum) - plage.minimum) * PourcentagePositionDefaut(code) / 100;
    plage.position = std::clamp(sature32(position), plage.minimum, plage.maximum);
    return plage;
}

std::optional<PlageCharge> SetApp(Travail& t, SessionTravail& s, int classePuissance) {
    TEnteteEssai& e = t.Essais[s.EssaiCourant].Entete;
    for (int k = 0; k < 6; ++k)
        e[TEnteteEssai::MotParamApplication + k] = t.ParamApplication[k];
    return CalculPlageCharge(e.TypeCharge(), t.ParamApplication, classePuissance);
}

void EmulationCharge::SetCharge(int code, const ParamsApplication& p, int classePuissance, int32_t a,
                                int32_t b, BlocParametres& bloc) {
    const Emulation* e = emulation(code);
    if (e && e->bloc) e->bloc(*this, p, classePuissance, coupleNominal(classePuissance), a, b, bloc);
}

void EmulationCharge::chargePompe(const TModelePompe& m, const ParamsApplication& p, int32_t a,
                                  BlocParametres& bloc) {
    const I64 q = (I32(a) * m.DebitMax / 100).v;
    const I64 h =
        (I64(10000000) * m.HauteurZero - I64(m.CoefQuadratique) * q * q - I64(100) * m.CoefLineaire * q) /
        10000000;
    const I64 hs = I64(m.HauteurZero) * p[0] / 100;
    if (q.v > 0)
        CoefReseau = std::max<int64_t>(((h - hs) * 10000000 / q / q).v, 0);
    else
        CoefReseau = ReseauFerme;
    const I64 ph = I64(2725) * h * q / 1000000;
    const I64 total = I64(m.PuissanceFixe) + ph;
    bloc[0] = sature32(total * 20000 / 31416);
    bloc[1] = 0;
    bloc[2] = 1500;
    // The share of the torque kept at negative speed; with no power at all there is none to share.
    bloc[3] = total.v == 0 ? 0 : sature32((ph * p[2] + I64(100) * m.PuissanceFixe) / total);
    bloc[4] = 0;
    bloc[5] = 0;
    // A degradation beyond 100 % leaves no speed at all rather than the root of a negative.
    const double garde = std::max(0.0, (100.0 - p[2]) / 100.0);
    FacteurInverse = static_cast<int32_t>(std::trunc(1000.0 * std::sqrt(garde)));
}

void EmulationCharge::SetCharge(const TEnteteEssai& e, int classePuissance, int32_t position, int32_t minimum,
                                BlocParametres& bloc) {
    SetCharge(e.TypeCharge(), ParamsEssai(e), classePuissance, position, minimum, bloc);
}

void EmulationCharge::SetCharge(const Travail& t, const SessionTravail& s, int classePuissance,
                                int32_t position, int32_t minimum, BlocParametres& bloc) {
    SetCharge(t.Essais[s.EssaiCourant].Entete, classePuissance, position, minimum, bloc);
}

PointPompe EmulationCharge::PointFonctionnement(const TModelePompe& m, int32_t p0, int32_t n) const {
    const I64 hs = I64(m.HauteurZero) * p0 / 100;
    I64 vitesse = abs64(n);
    if (n < 0) vitesse = vitesse * FacteurInverse / 1000;
    const I64 h0 = vitesse * vitesse * m.HauteurZero / 2250000;
    const I64 a = I64(m.CoefQuadratique) * vitesse / 1500;
    PointPompe r{0, sature32(h0)};
    if (h0.v > hs.v && CoefReseau >= 0) {
        const I64 resistance = I64(CoefReseau) + a;
        const double d = static_cast<double>(
            (I64(4000) * resistance * (h0 - hs) + produit32(m.CoefLineaire, m.CoefLineaire)).v);
        // A network without resistance has no quadratic to solve: no flow is shown rather than a
        // quotient by zero.
        if (d > 0 && resistance.v > 0) {
            const double debit = std::trunc(100.0 * (std::sqrt(d) - m.CoefLineaire) /
                                            (2.0 * static_cast<double>(resistance.v)));
            const I64 q =
                static_cast<int64_t>(std::clamp(debit, 0.0, double(std::numeric_limits<int32_t>::max())));
            r.debit = sature32(q);
            r.hauteur = sature32(h0 - a * q * q / 10000000 - q * m.CoefLineaire / 100000);
        }
    }
    if (CoefReseau >= ReseauFerme) r.debit = 0;
    return r;
}

void EmulationCharge::SetValeursAff(int code, const ParamsApplication& p, int classePuissance, int32_t a,
                                    const BlocParametres& bloc, VecteurMesures& mesures) const {
    const Emulation* e = emulation(code);
    if (e && e->valeurs) e->valeurs(*this, p, classePuissance, coupleNominal(classePuissance), a, mesures);
    mesures[15] = bloc[4];
}

void EmulationCharge::SetValeursAff(const TEnteteEssai& e, int classePuissance, int32_t a,
                                    const BlocParametres& bloc, VecteurMesures& mesures) const {
    SetValeursAff(e.TypeCharge(), ParamsEssai(e), classePuissance, a, bloc, mesures);
}

void EmulationCharge::SetValeursAff(const Travail& t, const SessionTravail& s, int classePuissance, int32_t a,
                                    const BlocParametres& bloc, VecteurMesures& mesures) const {
    SetValeursAff(t.Essais[s.EssaiCourant].Entete, classePuissance, a, bloc, mesures);
}
