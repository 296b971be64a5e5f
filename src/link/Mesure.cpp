// The measurement cycle: one block read of the status and nine measurement words, the status echo,
// then the measured and derived quantities.
#include "FilEchanges.h"
#include "Horloge.h"
#include "Liaison.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

constexpr int32_t msParJour = 86'400'000;

} // namespace

Mesure Liaison::mesure(bool fraiche) const {
    return Mesure{fraiche, Mesures[0] < 0, Mesures};
}

Mesure Liaison::LectureValeurs() {
    return cycle(machine());
}

bool Liaison::LectureValeursEnFond(QObject* recepteur, std::function<void(const Mesure&)> suite) {
    if (!m_fil) {
        suite(LectureValeurs());
        return true;
    }
    if (m_cycleEnFond.exchange(true)) return false;
    // The machine as it stands when the tick asks, read on the window's thread.
    m_fil->poste([this, m = machine(), recepteur = QPointer<QObject>(recepteur), suite = std::move(suite)] {
        const Mesure mesure = cycle(m);
        // The receiver is asked after on the window's thread, where it may go.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [recepteur, suite, mesure] {
                if (recepteur) suite(mesure);
            },
            Qt::QueuedConnection);
        m_cycleEnFond = false;
    });
    return true;
}

Mesure Liaison::cycle(const MachineMesuree& machine) {
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
        CalculValeurs(machine);
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
    CalculValeurs(machine());
}

void Liaison::CalculValeurs(const MachineMesuree& machine) {
    if (!Timing) {
        Mesures[11] = 0;
    } else {
        int32_t maintenant = m_horloge.maintenantMs();
        if (maintenant < StartTimeMs) maintenant += msParJour;
        Mesures[11] = (maintenant - StartTimeMs) / 10;
    }
    CalculeGrandeurs(RawValues, machine, Mesures);
}

void Liaison::inittime() {
    StartTimeMs = m_horloge.maintenantMs();
    Timing = true;
}

void Liaison::StopTime() {
    Timing = false;
}
