// The peak memory of the program with a full work on screen: five tests of 2001 points drawn in
// the four panels of the plot window, in a process of its own that holds nothing else. Prints the
// peak resident memory in MB (VmHWM), -1 when the system does not say.
#include "TravailExemple.h"
#include "commun/Fenetres.h"
#include "link/BibliothequeReseau.h"
#include "link/Horloge.h"
#include "link/MachineDuTravail.h"
#include "link/PortSerie.h"
#include "shell/FormMachine2.h"
#include "shell/Programme.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dialogues.h"
#include "study/FormTraceCaract.h"
#include "work/Travail.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// The peak resident memory of this process so far, in MB (VmHWM), or -1 when the system does not say.
double pointeMemoireMo() {
    std::ifstream f("/proc/self/status");
    std::string ligne;
    while (std::getline(f, ligne))
        if (ligne.rfind("VmHWM:", 0) == 0) return std::stod(ligne.substr(6)) / 1024.0;
    return -1;
}

// The program with a full work on screen: five tests of 2001 points drawn in four panels. Run in a
// process of its own, so that nothing else this benchmark did counts.
double memoireTravailPlein() {
    QTemporaryDir dossier;
    QDir::setCurrent(dossier.path());
    auto port = creePortSerieSysteme();
    auto reseau = creeBibliothequeModbusTcp();
    Liaison liaison(*port, *reseau, horlogeSysteme(), ConfigGenerale(), machineDuTravail(sessionTravail()));
    Programme p(liaison, travail(), sessionTravail());
    fenetres().FormMachine2->show();
    QCoreApplication::processEvents();
    remplitTravailExemple(travail(), sessionTravail(), NB_POINTS_MAX);
    TFormTraceCaract& f = *fenetres().FormTraceCaract;
    f.resize(1920, 1080);
    f.show();
    f.Action();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    return pointeMemoireMo();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    DialoguesConsole muets;
    installeDialogues(&muets);
    std::printf("%.2f\n", memoireTravailPlein());
    installeDialogues(nullptr);
    return 0;
}
