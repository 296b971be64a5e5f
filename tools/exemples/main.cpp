// vimra-exemples DOSSIER: records the example works delivered beside the program, on the simulated
// bench through the program's own serial link, as a student records them at the bench:
//   Caracteristique MAS.MLX2  the asynchronous machine on a load T = K: a sweep of K, then ten
//                             points taken by hand, plotted as torque, current and efficiency
//                             against speed;
//   Pompe centrifuge.Vimr2    the centrifugal pump application run by the same machine, one
//                             operating point for each opening of the valve.
// The bench advances a fixed simulated time for every request, so the works come out the same
// from one run to the next.
#include "ParamsApplications.h"
#include "SurBanc.h"

#include "application/Application.h"
#include "application/ChargeApplication.h"
#include "study/AcquisitionCaract.h"
#include "work/DefinitionCaract.h"
#include "work/FichierTravail.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <tuple>

namespace {

TConfigBanc bancAsynchrone() {
    TConfigBanc c;
    c.machine = TypeMachine::Asynchrone;
    c.classe = 2;
    return c;
}

bool echec(const char* quoi) {
    std::fprintf(stderr, "vimra-exemples: %s\n", quoi);
    return false;
}

bool enregistre(Travail& t, SessionTravail& session, const QString& nom, Disposition d) {
    session.TravailEnregistre = false;
    if (!EcritTravail(t, session, nom, d)) return echec("cannot write the work");
    std::printf("%s: %d tests, %d points\n", qPrintable(nom), t.EnteteTravail.NbEssais,
                t.Essais[1].nbPoints() + (t.EnteteTravail.NbEssais > 1 ? t.Essais[2].nbPoints() : 0));
    return true;
}

bool caracteristique(const QString& nom) {
    SurBanc s{1, bancAsynchrone()};
    if (!s.banc) return echec("no pseudo-terminal for the simulated bench");
    Travail& t = *s.travail;
    SessionTravail& session = s.session;
    AcquisitionCaract acq(*s.liaison, t, session, s.etat, s.config);
    session.ModeleEssai.TypeMachine() = 3;
    session.ModeleEssai.TypeCharge() = 1; // T = K
    t.EnteteTravail.Commentaire.setTexte("Machine asynchrone sur une charge T = K");

    // Test 1: the drive sweeps K up over 5 s and the points are taken as the speed moves.
    t.AjouteEssai(session);
    t.Essais[session.EssaiCourant].Entete.setCommentaire("Balayage de K");
    if (!acq.entreAuto()) return echec("the link to the simulated bench does not open");
    acq.T = 5;
    acq.demarreBalayage(AcquisitionCaract::BalayageCroissant);
    for (int tick = 0; tick < 1000 && acq.TimerAutoTimer() == AcquisitionCaract::Suite::Continue; ++tick)
        s.horloge.maintenant += 50;
    acq.stop();

    // Test 2: ten points by hand, K raised by 5 % each time, once the speed has settled.
    t.AjouteEssai(session);
    t.Essais[session.EssaiCourant].Entete.setCommentaire("Points manuels");
    if (!acq.entreManuel()) return echec("the manual mode does not start");
    for (int k = 5; k <= 50; k += 5) {
        acq.changeK(k);
        for (int i = 0; i < 10; ++i) {
            acq.TimerManuTimer();
            s.horloge.maintenant += 200;
        }
        acq.enregistrePoint();
    }
    acq.stop();
    if (t.Essais[1].nbPoints() < 5 || t.Essais[2].nbPoints() != 10) return echec("too few points recorded");

    // Torque, current and efficiency against speed, in the first quadrant.
    const int quadrant1 = 1;
    EcritDefinition(t, session, 1, ModeDefinition::Nouveau, 1, 2, quadrant1, s.config.ClassePuissance);
    EcritDefinition(t, session, 2, ModeDefinition::Nouveau, 1, 5, quadrant1, s.config.ClassePuissance);
    EcritDefinition(t, session, 3, ModeDefinition::Nouveau, 1, 8, quadrant1, s.config.ClassePuissance);
    return enregistre(t, session, nom, Disposition::MLX2);
}

bool pompe(const QString& nom) {
    SurBanc s{1, bancAsynchrone()};
    if (!s.banc) return echec("no pseudo-terminal for the simulated bench");
    Travail& t = *s.travail;
    SessionTravail& session = s.session;
    constexpr int code = 61; // centrifugal pump
    ChargeApplication charge(*s.liaison, t, session, s.etat, s.config);
    t.ApplicationCourante = code;
    t.ParamApplication = ParamsParDefaut(code);
    session.MachineApplication = 3;
    ReconcilieEssai(t, session);
    t.Essais[session.EssaiCourant].Entete[TEnteteEssai::MotCouplage] = CouplageEtoile;
    session.ModeleEssai[TEnteteEssai::MotCouplage] = CouplageEtoile;
    t.Essais[session.EssaiCourant].Entete.setCommentaire("Vanne de 10 a 100 %");
    t.EnteteTravail.Commentaire.setTexte("Pompe centrifuge entraînée par la machine asynchrone");
    s.liaison->Initialise();
    const std::optional<PlageCharge> plage = charge.SetApp();
    if (!plage || !charge.Demarre(plage->minimum)) return echec("the pump does not start");

    // One operating point for each opening of the valve, taken once the flow has settled.
    for (int32_t position = plage->minimum + 10; position <= plage->maximum; position += 10) {
        const double fin = s.banc->banc().etat().temps + 3.0;
        while (s.banc->banc().etat().temps < fin) {
            charge.Cycle(position, plage->minimum);
            s.horloge.maintenant += 100;
        }
        charge.SetValeursAff(position, plage->minimum);
        if (s.etat.Mesures[0] < 0) return echec("the link to the simulated bench was lost");
        t.AjoutePoint(session, s.etat.Mesures);
    }
    charge.Arrete();

    // Head against flow, flow against the valve opening, electrical power against flow.
    for (const auto& [cible, x, y] : {std::tuple{5, 13, 14}, std::tuple{6, 12, 13}, std::tuple{7, 13, 6}})
        EcritDefinition(t, session, cible, ModeDefinition::Nouveau, x, y, 1, s.config.ClassePuissance);
    return enregistre(t, session, nom, Disposition::Vimr2);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vimra-exemples DOSSIER\n");
        return 1;
    }
    AppliqueLangue(1);
    const QDir d(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(d.path())) return echec("cannot create the folder") ? 0 : 2;
    const bool ok = caracteristique(d.filePath("Caracteristique MAS.MLX2")) &&
                    pompe(d.filePath("Pompe centrifuge.Vimr2"));
    return ok ? 0 : 2;
}
