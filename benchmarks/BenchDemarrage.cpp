// Start-up: from nothing to the main menu painted on the screen, every window created, the
// settings read and the work reset. The drive link starts after that first showing.
#include "Rapport.h"
#include "commun/Fenetres.h"
#include "link/BibliothequeReseau.h"
#include "link/Horloge.h"
#include "link/MachineDuTravail.h"
#include "link/PortSerie.h"
#include "shell/FormMachine2.h"
#include "shell/Programme.h"
#include "socle/ConfigGenerale.h"
#include "socle/Dialogues.h"
#include "work/Travail.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

class Peint : public QObject {
public:
    bool vu = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) vu = true;
        return false;
    }
};

double premierDemarrage = 0;

void Demarrage(benchmark::State& etat) {
    QTemporaryDir dossier;
    QDir::setCurrent(dossier.path());
    QFile f("CFGVimra.cfg");
    f.open(QIODevice::WriteOnly);
    f.write(TConfigGenerale::defaut().octets());
    f.close();
    auto port = creePortSerieSysteme();
    auto reseau = creeBibliothequeModbusTcp();
    for (auto _ : etat) {
        QElapsedTimer t;
        t.start();
        Liaison liaison(*port, *reseau, horlogeSysteme(), ConfigGenerale(),
                        machineDuTravail(sessionTravail()));
        Programme p(liaison, travail(), sessionTravail());
        Peint peint;
        fenetres().FormMachine2->installEventFilter(&peint);
        fenetres().FormMachine2->show();
        while (!peint.vu)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (premierDemarrage == 0) premierDemarrage = double(t.nsecsElapsed()) * 1e-6;
        etat.PauseTiming();
        fenetres().FormMachine2->removeEventFilter(&peint);
        etat.ResumeTiming();
    }
    etat.counters["plafond"] = 0.300;
}

} // namespace

BENCHMARK(Demarrage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

namespace {

constexpr double POINTE_CIBLE_MO = 50;

// The peak memory of a fresh process that holds the program and nothing of the benchmark's, in MB,
// -1 when it could not be measured.
double pointeProcessusNeuf() {
    QProcess p;
    p.start(QStringLiteral(VIMRA_BENCH_MEMOIRE), {});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return -1;
    bool ok = false;
    const double mo = p.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? mo : -1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    DialoguesConsole muets;
    installeDialogues(&muets);
    benchmark::Initialize(&argc, argv);
    Rapport rapport({{"start-up to the main menu painted / 300 ms", "Demarrage", "", "plafond", 1.0}});
    benchmark::RunSpecifiedBenchmarks(&rapport);
    bool ok = rapport.imprime();
    std::printf("first start-up of the process (fonts, plug-ins and pictures loaded cold): %.1f ms\n",
                premierDemarrage);
    const double memoire = pointeProcessusNeuf();
    const bool memoireOk = memoire > 0 && memoire < POINTE_CIBLE_MO;
    std::printf("%-58s %10.1fMB %10.1fMB %8.3f %8.2f%s\n",
                "peak memory, full work shown in four panels / 50 MB", memoire, POINTE_CIBLE_MO,
                memoire / POINTE_CIBLE_MO, 1.0, memoireOk ? "" : "  MISSED");
    ok = ok && memoireOk;
    benchmark::Shutdown();
    installeDialogues(nullptr);
    return ok ? 0 : 1;
}
