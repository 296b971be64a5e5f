// A whole lesson at the fastest ticks, in accelerated simulated time: an hour of oscilloscope
// recordings on a cyclic load, then an hour of an application followed every 100 ms. Memory and
// open files must not grow, and the last recording must match the first.
#include "ParamsApplications.h"
#include "SurBanc.h"

#include "application/Application.h"
#include "application/ChargeApplication.h"
#include "study/AcquisitionCaract.h"

#include <QDir>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

// Resident memory of the process, kB (VmRSS).
long memoireKo() {
    std::ifstream f("/proc/self/status");
    std::string ligne;
    while (std::getline(f, ligne))
        if (ligne.rfind("VmRSS:", 0) == 0) return std::stol(ligne.substr(6));
    return -1;
}

qsizetype descripteursOuverts() {
    return QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size();
}

TConfigBanc machineCourantContinu() {
    TConfigBanc c;
    c.machine = TypeMachine::MccIndependante;
    c.classe = 2;
    return c;
}

// One tick of 50 ms simulated time per exchange cycle; an hour is 72 000 ticks.
constexpr int ticksParHeure = 3600 * 20;

TEST(Endurance, AnHourOfOscilloscopeRecordingsNeitherGrowsNorDrifts) {
    SurBanc s{0, machineCourantContinu(), 0.02};
    ASSERT_TRUE(s.banc);
    AcquisitionCaract acq(*s.liaison, *s.travail, s.session, s.etat, s.config);
    s.session.ModeleEssai.TypeMachine() = 1;
    s.session.ModeleEssai.TypeCharge() = 14;
    s.travail->AjouteEssai(s.session);
    ASSERT_TRUE(acq.entreOscillo());
    acq.configureOscillo(0, 1); // 5 s, no synchronisation needed
    const long memoireAvant = memoireKo();
    const qsizetype fichiersAvant = descripteursOuverts();
    int enregistrements = 0;
    std::vector<int32_t> premier, dernier;
    for (int tick = 0; tick < ticksParHeure;) {
        acq.arme(false);
        std::vector<int32_t> temps;
        while (tick < ticksParHeure) {
            s.horloge.maintenant += 50;
            ++tick;
            if (acq.TimerOscilloTimer() == AcquisitionCaract::Suite::Stop) break;
        }
        const TEssai& e = s.travail->Essais[1];
        for (int k = 0; k < e.nbPoints(); ++k)
            temps.push_back(e.valeur(11, k));
        if (enregistrements == 0) premier = temps;
        if (tick < ticksParHeure) dernier = temps;
        ++enregistrements;
        // The student empties the test and records again.
        s.travail->Essais[1].Entete.DernierPoint() = -1;
        if (tick < ticksParHeure) {
            ASSERT_TRUE(acq.entreOscillo());
        }
    }
    acq.stop();
    EXPECT_GT(enregistrements, 600);
    EXPECT_EQ(dernier, premier) << "a recording late in the lesson keeps the same ticks";
    EXPECT_EQ(descripteursOuverts(), fichiersAvant);
    EXPECT_LT(memoireKo() - memoireAvant, 2048) << "kB grown over the hour";
}

TEST(Endurance, AnHourOfApplicationCyclesNeitherGrowsNorDrifts) {
    TConfigBanc c;
    c.machine = TypeMachine::Asynchrone;
    c.classe = 2;
    SurBanc s{0, c, 0.05};
    ASSERT_TRUE(s.banc);
    AppliqueLangue(1);
    ChargeApplication charge(*s.liaison, *s.travail, s.session, s.etat, s.config);
    Travail& t = *s.travail;
    t.ApplicationCourante = 62;
    t.ParamApplication = ParamsParDefaut(62);
    s.session.MachineApplication = 3;
    ReconcilieEssai(t, s.session);
    s.liaison->Initialise();
    ASSERT_TRUE(s.liaison->LinkOpen);
    const auto plage = charge.SetApp();
    ASSERT_TRUE(plage);
    ASSERT_TRUE(charge.Demarre(plage->minimum));
    const long memoireAvant = memoireKo();
    const qsizetype fichiersAvant = descripteursOuverts();
    const int cycles = 3600 * 10; // every 100 ms
    int32_t vitesseDebut = 0;
    for (int i = 0; i < cycles; ++i) {
        // The flaps open and close once a minute.
        const int32_t position = plage->minimum + (i / 300) % 2 * (plage->maximum - plage->minimum);
        charge.Cycle(position, plage->minimum);
        ASSERT_GE(s.etat.Mesures[0], 0) << "cycle " << i;
        if (i == 290) vitesseDebut = s.etat.Mesures[1];
        if (i == cycles - 310) {
            // The same phase of the last minute as of the first: the same operating point.
            EXPECT_NEAR(s.etat.Mesures[1], vitesseDebut, 3);
        }
    }
    charge.Arrete();
    EXPECT_EQ(s.banc->banc().etat().motControle, 1);
    EXPECT_EQ(descripteursOuverts(), fichiersAvant);
    EXPECT_LT(memoireKo() - memoireAvant, 2048) << "kB grown over the hour";
}

} // namespace
