#include "simulator/LoiCharge.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Torque words of the block are hundredths of N.m.
double Couple(int16_t mot) {
    return mot / 100.0;
}

// Cyclic torque over one period of w2 + w3 shaft revolutions: minimum for w2/2, rise over w3/2,
// maximum for w2/2, fall over w3/2.
double CoupleCyclique(double tMax, double tMin, double plat, double rampe, double tours) {
    const double periode = plat + rampe;
    if (periode <= 0) return tMin;
    const double x = std::fmod(std::abs(tours), periode);
    const double p = plat / 2, r = rampe / 2;
    if (x < p) return tMin;
    if (x < p + r) return tMin + (tMax - tMin) * (x - p) / r;
    if (x < 2 * p + r) return tMax;
    return tMax - (tMax - tMin) * (x - 2 * p - r) / r;
}

} // namespace

bool LoiConnue(int code) {
    switch (code) {
    case LoiAucune:
    case LoiVitesseConstante:
    case LoiCoupleK:
    case LoiEntrainante:
    case LoiVitesseK:
    case LoiQuadratique:
    case LoiPuissanceConstante:
    case LoiCyclique:
    case LoiCouplage:
    case LoiLineaire:
    case LoiDecollage:
    case LoiLevage:
        return true;
    default:
        return false;
    }
}

TEffortCharge EffortCharge(int code, const std::array<int16_t, 6>& bloc, int k, double vitesse, double tours,
                           const TConstantesBanc& c) {
    TEffortCharge e;
    const double kRelatif = std::clamp(k, 0, 1000) / 1000.0;
    const double n = std::abs(vitesse);
    const double ns = c.vitesseSynchrone;
    // Every law that comes with a block may add inertia (word 4, thousandths of kg.m2).
    e.inertieAjoutee = std::max(0, int{bloc[4]}) / 1000.0;

    switch (code) {
    case LoiCoupleK:
        e.coupleResistant = kRelatif * c.coupleNominal;
        break;
    case LoiVitesseConstante:
        // Holds the bench's synchronous speed with a torque capability set by K.
        e.vitesseImposee = true;
        e.consigneVitesse = ns;
        e.coupleLimite = kRelatif * 2 * c.coupleNominal;
        break;
    case LoiVitesseK:
        e.vitesseImposee = true;
        e.consigneVitesse = kRelatif * 1.2 * ns; // synchronism at K = 83.3 %
        e.coupleLimite = 2 * c.coupleNominal;
        break;
    case LoiEntrainante: {
        // Drives the machine towards No = 1.2 x synchronous speed: a motor whose own no-load speed is
        // lower ends up generating. K sets the slope: 2 x full-scale torque from No to standstill.
        const double no = 1.2 * ns;
        e.coupleActif = kRelatif * 2 * c.coupleNominal * (vitesse - no) / no;
        break;
    }
    case LoiCouplage:
        e.vitesseImposee = true;
        e.consigneVitesse = ns * (0.9 + 0.2 * kRelatif); // K = 50 % gives synchronism
        e.coupleLimite = 2 * c.coupleNominal;
        e.alternateurDecouple = true;
        break;
    case LoiLineaire: {
        // Word 0 torque at the speed of word 2, word 1 torque at standstill; without a speed the
        // torque is the constant of word 1.
        const double t0 = Couple(bloc[1]);
        const double pente = bloc[2] > 0 ? (Couple(bloc[0]) - t0) / bloc[2] : 0.0;
        e.coupleResistant = std::max(0.0, t0 + pente * n);
        break;
    }
    case LoiQuadratique: {
        const double t0 = Couple(bloc[1]);
        const double x = bloc[2] > 0 ? n / bloc[2] : 0.0;
        double t = std::max(0.0, t0 + (Couple(bloc[0]) - t0) * x * x);
        // Word 3: loss of torque, in percent, when the machine turns backwards (a pump or a fan
        // driven the wrong way moves less fluid).
        if (vitesse < 0) t = t * (100 - std::clamp(int{bloc[3]}, 0, 100)) / 100.0;
        e.coupleResistant = t;
        break;
    }
    case LoiPuissanceConstante: {
        // Word 0 torque up to the corner speed of word 2, constant power above it.
        const double tLimite = std::max(0.0, Couple(bloc[0]));
        const double coin = bloc[2];
        e.coupleResistant = (coin > 0 && n > coin) ? tLimite * coin / n : tLimite;
        break;
    }
    case LoiCyclique:
        e.coupleResistant =
            std::max(0.0, CoupleCyclique(Couple(bloc[0]), Couple(bloc[1]), std::max(0, int{bloc[2]}),
                                         std::max(0, int{bloc[3]}), tours));
        break;
    case LoiDecollage: {
        // Word 1 holds at standstill and falls to word 0 at the breakaway speed (word 2, hundredths
        // of the synchronous speed); word 3 is a torque of constant sign (a slope).
        const double tCollage = Couple(bloc[1]), tMarche = Couple(bloc[0]);
        const double nd = std::max(0, int{bloc[2]}) * ns / 100.0;
        const double t =
            (nd > 0 && n < nd) ? tCollage + (tMarche - tCollage) * n / nd : (n > 0 ? tMarche : tCollage);
        e.coupleResistant = std::max(0.0, t);
        e.coupleActif = Couple(bloc[3]);
        break;
    }
    case LoiLevage: {
        // Word 0 mass (kg), word 1 efficiency (%), word 2 linear speed at 1500 tr/min (tenths of m/s).
        // Raising needs m.g.v/(w.eta), lowering gives back m.g.v.eta/w: gravity is the mean, the
        // friction of the hoist half the difference.
        const double masse = std::max(0, int{bloc[0]});
        const double rendement = std::clamp(int{bloc[1]}, 1, 100) / 100.0;
        const double v = std::max(0, int{bloc[2]}) / 10.0;
        const double gravite = masse * 9.81 * v / (1500 * std::numbers::pi / 30);
        const double montee = gravite / rendement, descente = gravite * rendement;
        e.coupleActif = (montee + descente) / 2;
        e.coupleResistant = (montee - descente) / 2;
        break;
    }
    default:
        e.inertieAjoutee = 0;
        break;
    }
    return e;
}
