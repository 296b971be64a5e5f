// The measurement cycle: one block read of the status and nine measurement words, the status echo,
// then the measured and derived quantities.
#include "Horloge.h"
#include "Liaison.h"
#include "work/Entier32.h"
#include "work/Travail.h"

#include <cstdlib>

namespace {

constexpr int32_t msParJour = 86'400'000;

} // namespace

int32_t Rendement(int32_t pe, int32_t pm) {
    const int64_t a = pe, b = pm;
    if (a > 0 && b > 0) return int32_t(1000 * std::min(a, b) / std::max(a, b));
    if (a < 0 && b < 0) return int32_t(1000 * std::max(a, b) / std::min(a, b));
    return 0;
}

bool Liaison::LectureValeurs() {
    // A closed link reads nothing: blank words are no measurement.
    if (!LinkOpen) {
        m_travail.Mesures[0] = -1;
        return false;
    }
    Valeurs10 mots{};
    Read10RegModbus(20, 2, 10, mots);
    const bool lu = !LastFailed;
    // A failed read holds no status word: the echo repeats the last one known.
    if (lu) {
        StatusEcho = mots[0];
        DriveStatus = mots[0];
    }
    SetStatus();
    auto& mesures = m_travail.Mesures;
    if (lu && !LastFailed) {
        mesures[0] = 0;
        for (int i = 1; i <= 9; ++i)
            RawValues[i] = mots[i];
        CalculValeurs();
        ErrorCount = 0;
        return true;
    }
    if (ErrorCount > 1) mesures[0] = -1;
    return false;
}

void Liaison::LectureValeursApi(int32_t couplage) {
    // After a failed cycle the slots hold the last good values, already converted.
    if (!LectureValeurs()) return;
    auto& m = m_travail.Mesures;
    if (couplage == 1)
        m[4] = int32_t(int64_t(m[4]) * 1732 / 1000);
    else if (couplage == 2)
        m[5] = int32_t(int64_t(m[5]) * 1732 / 1000);
}

void Liaison::SetStatus() {
    StatusEcho |= 1;
    WriteRegModbus(18, 30, StatusEcho);
}

void Liaison::CalculValeurs() {
    auto& m = m_travail.Mesures;
    const auto& R = RawValues;
    m[1] = R[1];
    m[2] = R[2];
    m[3] = int32_t(int64_t(produit32(R[1], R[2])) * 3142 / 300000);
    if (!Timing) {
        m[11] = 0;
    } else {
        int32_t maintenant = m_horloge.maintenantMs();
        if (maintenant < StartTimeMs) maintenant += msParJour;
        m[11] = (maintenant - StartTimeMs) / 10;
    }

    const TEnteteEssai& modele = m_travail.ModeleEssai;
    const int type = modele.TypeMachine();
    const int32_t d = modele[TEnteteEssai::MotCalibreCourant] == 1 ? 10 : 1;
    const auto facteurPuissance = [&R]() -> int32_t {
        const int32_t a = produit32(R[7], R[5]);
        if (a <= 1000) return 0;
        return int32_t(std::min<int64_t>(10'000'000LL * std::llabs(R[9]) / a, 1000));
    };
    switch (type) {
    case 0:
    case 1:
    case 2:
    case 5:
        m[4] = R[6];
        m[5] = R[4] / d;
        m[6] = R[9] * 10 / d;
        m[7] = type <= 1 ? R[3] / 10 : 0;
        m[9] = 0;
        break;
    case 3:
    case 4:
    case 6:
    case 7:
        m[4] = R[7];
        m[5] = R[5] / d;
        m[6] = R[9] * (type == 7 ? 10 : 30) / d;
        m[7] = type == 4 ? R[3] / 10 : 0;
        m[9] = facteurPuissance();
        break;
    default:
        break;
    }
    if (type >= 0 && type <= 7) m[10] = int32_t(std::llabs(int64_t(m[6]) - m[3]));
    m[8] = Rendement(m[6], m[3]);
}

void Liaison::inittime() {
    StartTimeMs = m_horloge.maintenantMs();
    Timing = true;
}

void Liaison::StopTime() {
    Timing = false;
}
