// The measurement cycle: one block read of the status and nine measurement words, the status echo,
// then the measured and derived quantities.
#include "Horloge.h"
#include "Liaison.h"

namespace {

constexpr int32_t msParJour = 86'400'000;

} // namespace

Mesure Liaison::mesure(bool fraiche) const {
    return Mesure{fraiche, Mesures[0] < 0, Mesures};
}

Mesure Liaison::LectureValeurs() {
    // A closed link reads nothing: blank words are no measurement.
    if (!LinkOpen) {
        Mesures[0] = -1;
        return mesure(false);
    }
    Valeurs10 mots{};
    Read10RegModbus(variateur::mesures, variateur::nbMotsMesures, mots);
    const bool lu = !LastFailed;
    // A failed read holds no status word: the echo repeats the last one known.
    if (lu) {
        StatusEcho = mots[0];
        DriveStatus = mots[0];
    }
    SetStatus();
    if (lu && !LastFailed) {
        Mesures[0] = 0;
        for (int i = 1; i <= 9; ++i)
            RawValues[i] = mots[i];
        CalculValeurs();
        ErrorCount = 0;
        return mesure(true);
    }
    if (ErrorCount > 1) Mesures[0] = -1;
    return mesure(false);
}

Mesure Liaison::LectureValeursApi(int32_t couplage) {
    // After a failed cycle the slots hold the last good values, already converted.
    Mesure m = LectureValeurs();
    if (m.fraiche) {
        AppliqueCouplage(couplage, Mesures);
        m.valeurs = Mesures;
    }
    return m;
}

void Liaison::SetStatus() {
    StatusEcho |= 1;
    WriteRegModbus(variateur::echoStatut, StatusEcho);
}

void Liaison::CalculValeurs() {
    if (!Timing) {
        Mesures[11] = 0;
    } else {
        int32_t maintenant = m_horloge.maintenantMs();
        if (maintenant < StartTimeMs) maintenant += msParJour;
        Mesures[11] = (maintenant - StartTimeMs) / 10;
    }
    CalculeGrandeurs(RawValues, m_machine ? m_machine() : MachineMesuree{}, Mesures);
}

void Liaison::inittime() {
    StartTimeMs = m_horloge.maintenantMs();
    Timing = true;
}

void Liaison::StopTime() {
    Timing = false;
}
