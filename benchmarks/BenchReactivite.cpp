// Reactivity: how long an input (a key press, a repaint request, any event posted to the window
// thread) waits before the window thread handles it while the program talks to the drive. The
// program is started as main() starts it, in a program folder of its own, and driven by clicks on
// its windows into each situation: a rising sweep on the simulated bench at 19200 baud (both
// drive models), an oscilloscope recording there, the live values window on a serial line that
// never answers, and the network route to a peer that accepts the connection and never replies.
// A thread of the benchmark posts timestamped events all along; an event filter of the
// application reads how late each one is delivered. The simulated bench runs as a program of its
// own (vimra-bench), so that the CPU time of this process is the program's alone.
#include "Pty.h"
#include "Rapport.h"
#include "app/Demarrage.h"
#include "commun/Fenetres.h"
#include "shell/Programme.h"
#include "socle/Aide.h"
#include "socle/ConfigGenerale.h"
#include "study/FormTraceCaract.h"
#include "work/Travail.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDevice>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

// Posted events that carry the moment they were posted.
// The keyboard is the window thread's: the posting thread is given it.
struct ToucheDatee : QKeyEvent {
    ToucheDatee(Horloge::time_point t, const QInputDevice* clavier)
        : QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier, 0, 0, 0, {}, false, 1, clavier),
          poste(t) {}
    Horloge::time_point poste;
};
struct RepeintDate : QEvent {
    explicit RepeintDate(Horloge::time_point t) : QEvent(QEvent::UpdateRequest), poste(t) {}
    Horloge::time_point poste;
};
const QEvent::Type TypeDate = QEvent::Type(QEvent::registerEventType());
struct EvenementDate : QEvent {
    explicit EvenementDate(Horloge::time_point t) : QEvent(TypeDate), poste(t) {}
    Horloge::time_point poste;
};

// Every 5 ms, in turn: a key press (Shift, which does nothing) and a repaint request for the
// window on view, and an event of its own. The filter notes each one's delay as the window thread
// reaches it; the key press goes no further.
class Sonde : public QObject {
public:
    explicit Sonde(QWidget* fenetre) : m_fenetre(fenetre), m_clavier(QInputDevice::primaryKeyboard()) {
        qApp->installEventFilter(this);
        m_fil = std::thread([this] {
            for (int n = 0; !m_fin; ++n) {
                const auto t = Horloge::now();
                switch (n % 3) {
                case 0:
                    QCoreApplication::postEvent(m_fenetre, new ToucheDatee(t, m_clavier));
                    break;
                case 1:
                    QCoreApplication::postEvent(m_fenetre, new RepeintDate(t));
                    break;
                default:
                    QCoreApplication::postEvent(this, new EvenementDate(t));
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
    }
    ~Sonde() override {
        arrete();
        qApp->removeEventFilter(this);
    }
    // The thread stops posting; what it posted is still handled, and noted.
    void arrete() {
        if (!m_fil.joinable()) return;
        m_fin = true;
        m_fil.join();
        QCoreApplication::sendPostedEvents();
    }
    std::vector<double> delais; // seconds

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            if (auto* d = dynamic_cast<ToucheDatee*>(e)) return note(d->poste), true;
        } else if (e->type() == QEvent::UpdateRequest) {
            if (auto* d = dynamic_cast<RepeintDate*>(e)) note(d->poste);
        } else if (e->type() == TypeDate && o == this) {
            note(static_cast<EvenementDate*>(e)->poste);
            return true;
        }
        return false;
    }

private:
    void note(Horloge::time_point poste) {
        delais.push_back(std::chrono::duration<double>(Horloge::now() - poste).count());
    }
    QWidget* m_fenetre;
    const QInputDevice* m_clavier;
    std::atomic<bool> m_fin{false};
    std::thread m_fil;
};

// A step that cannot be done as a person would: the situation is not measured.
struct Impossible : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void attends(int ms) {
    QTest::qWait(ms);
}

bool attends(const std::function<bool()>& condition, int ms) {
    return QTest::qWaitFor(condition, ms);
}

QWidget* visibleActif(const QString& legende) {
    const auto nettoie = [](QString t) { return t.remove(u'&').trimmed(); };
    QList<QWidget*> fenetres;
    if (QWidget* m = QApplication::activeModalWidget())
        fenetres = {m};
    else
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) fenetres << w;
    for (QWidget* f : fenetres)
        for (QWidget* w : f->findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->isEnabled()) continue;
            if (w->objectName() == legende) return w;
            if (auto* b = qobject_cast<QAbstractButton*>(w); b && nettoie(b->text()) == legende) return w;
        }
    return nullptr;
}

// A click as the window system delivers it: to the window, which finds the control under the mouse.
void clic(QWidget* w) {
    QWidget* f = w->window();
    if (!QApplication::activeModalWidget() && !f->isActiveWindow()) {
        f->activateWindow();
        QApplication::processEvents();
    }
    QTest::mouseClick(f->windowHandle(), Qt::LeftButton, {}, w->mapTo(f, w->rect().center()));
    QApplication::processEvents();
}

// Clicks the visible, enabled control of that caption or name; it may take a moment to appear.
void clique(const QString& legende) {
    QWidget* w = nullptr;
    if (!attends([&] { return (w = visibleActif(legende)) != nullptr; }, 5000))
        throw Impossible(("\"" + legende + "\" cannot be clicked").toStdString());
    clic(w);
}

void enfonce(const QString& legende, bool bas = true) {
    QWidget* w = nullptr;
    if (!attends([&] { return (w = visibleActif(legende)) != nullptr; }, 5000))
        throw Impossible(("\"" + legende + "\" cannot be clicked").toStdString());
    if (static_cast<QAbstractButton*>(w)->isChecked() != bas) clic(w);
}

// The program in a folder of its own, with these settings, as main() starts it; the windows it
// opens modally are answered by the gestures queued, the others closed (and counted).
class ProgrammeLance {
public:
    explicit ProgrammeLance(const TConfigGenerale& config) {
        QDir::setCurrent(m_dossier.path());
        QFile f("CFGVimra.cfg");
        if (!f.open(QIODevice::WriteOnly) || f.write(config.octets()) < 0)
            throw Impossible("no settings file");
        f.close();
        m_surveillant.setInterval(20);
        QObject::connect(&m_surveillant, &QTimer::timeout, [this] { surveille(); });
        m_surveillant.start();
        m_programme = std::make_unique<Demarrage>(false);
        m_programme->montreMenu();
        attends(300);
    }
    ~ProgrammeLance() {
        m_surveillant.stop();
        m_programme.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    // The next window opened modally gets these clicks.
    void ensuite(QStringList clics) { m_gestes = std::move(clics); }

    // From the main menu: the separately excited DC machine on `charge`, `etude`, and the first
    // characteristic (torque against speed) in the dialog that asks for one.
    void ouvreEtude(const QString& mode, const QString& charge, const QString& etude) {
        clique(mode);
        enfonce("MCC Indépendante");
        enfonce(charge);
        if (!etude.isEmpty()) {
            ensuite({"Couple utile", "Vitesse de rotation", "OK"});
            clique(etude);
            if (!attends([] { return fenetres().FormTraceCaract->isVisible(); }, 5000))
                throw Impossible("the plot window did not open");
        }
    }

    int inattendues = 0; // modal windows nobody asked for, closed

private:
    void surveille() {
        if (m_occupe) return;
        QWidget* m = QApplication::activeModalWidget();
        if (!m || !m->isVisible()) return;
        m_occupe = true;
        if (!m_gestes.isEmpty()) {
            const QStringList gestes = std::exchange(m_gestes, {});
            for (const QString& g : gestes)
                if (QWidget* w = visibleActif(g)) clic(w);
        } else {
            ++inattendues;
            QTest::keyClick(m->windowHandle(), Qt::Key_Escape);
        }
        m_occupe = false;
    }

    QTemporaryDir m_dossier;
    QTimer m_surveillant;
    QStringList m_gestes;
    bool m_occupe = false;
    std::unique_ptr<Demarrage> m_programme;
};

// The simulated bench at 19200 baud, as a program of its own on a pseudo-terminal.
class BancExterne {
public:
    explicit BancExterne(int modele) {
        m_p.start(VIMRA_BENCH,
                  {"--pty", "--model", QString::number(modele), "--class", "2", "--faults", "pace=19200"});
        if (!m_p.waitForReadyRead(5000)) throw Impossible("the simulated bench did not start");
        chemin = QString::fromLocal8Bit(m_p.readLine()).trimmed();
    }
    ~BancExterne() {
        m_p.terminate();
        if (!m_p.waitForFinished(3000)) m_p.kill();
    }
    QString chemin;

private:
    QProcess m_p;
};

// The settings of a program on the serial line at `chemin` ("/dev/pts/4" is named "pts/4").
TConfigGenerale configSerie(const QString& chemin, int modele) {
    TConfigGenerale c = TConfigGenerale::defaut();
    c.TypeLiaison = 1;
    c.TypeVariateur = modele;
    c.PortCom.setTexte(QString(chemin).remove(QRegularExpression("^/dev/")));
    return c;
}

constexpr int DUREE_MS = 2500;

// Points of the test under way.
int points() {
    const Travail& t = travail();
    return sessionTravail().EssaiCourant >= 1 && sessionTravail().EssaiCourant <= NB_ESSAIS_MAX
               ? t.Essais[sessionTravail().EssaiCourant].nbPoints()
               : 0;
}

// Posts and notes for DUREE_MS while the program runs; the figures go to the run's counters, with
// the points recorded meanwhile (what the program was doing).
void mesure(benchmark::State& etat, QWidget* fenetre) {
    const int avant = points();
    Sonde s(fenetre);
    attends(DUREE_MS);
    s.arrete();
    etat.counters["points"] = points() - avant;
    std::vector<double>& d = s.delais;
    if (d.empty()) {
        etat.SkipWithError("no event handled");
        return;
    }
    std::sort(d.begin(), d.end());
    etat.counters["median"] = d[d.size() / 2];
    etat.counters["worst"] = d.back();
    etat.counters["events"] = double(d.size());
    etat.counters["frame"] = 0.016;
    etat.counters["noticed"] = 0.100;
}

QWidget* fenetreActive() {
    QWidget* w = QApplication::activeWindow();
    if (!w) throw Impossible("no window on view has the keyboard");
    return w;
}

// A rising sweep of K, T = K, on the simulated bench.
void Balayage(benchmark::State& etat, int modele) {
    for (auto _ : etat)
        try {
            BancExterne banc(modele);
            ProgrammeLance p(configSerie(banc.chemin, modele));
            p.ouvreEtude("Tracé des caractéristiques d'une machine", "T = K", "ETUDE");
            clique("Auto");
            clique("K ↗");
            attends(300);
            mesure(etat, fenetreActive());
            etat.counters["unexpected windows"] = p.inattendues;
        } catch (const Impossible& e) {
            etat.SkipWithError(e.what());
        }
}

// CPU time of this process, in seconds.
double tempsProcesseur() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           1e-6 * double(r.ru_utime.tv_usec + r.ru_stime.tv_usec);
}

// An oscilloscope recording (cyclic load, no trigger) on the simulated bench. Then,
// with nothing posted, the program's CPU time over 2 s of the same recording.
void Oscilloscope(benchmark::State& etat) {
    for (auto _ : etat)
        try {
            BancExterne banc(1);
            ProgrammeLance p(configSerie(banc.chemin, 1));
            p.ouvreEtude("ButtonChargeDynamique", "ButtonTcycle", "ButtonEtudeDynamique");
            clique("ButtonChargeDynamique");
            enfonce("ButtonSynchro", false);
            clique("Acqui.");
            attends(300);
            mesure(etat, fenetreActive());
            const auto debut = Horloge::now();
            const double cpu = tempsProcesseur();
            attends(2000);
            const double mur = std::chrono::duration<double>(Horloge::now() - debut).count();
            // Per 50 ms tick.
            etat.counters["cpu per tick"] = (tempsProcesseur() - cpu) / mur * 0.050;
            etat.counters["tick"] = 0.050;
            etat.counters["unexpected windows"] = p.inattendues;
        } catch (const Impossible& e) {
            etat.SkipWithError(e.what());
        }
}

QWidget* visualisation() {
    clique("ButtonVISUALISATION");
    QWidget* w = nullptr;
    if (!attends(
            [&] {
                return (w = visibleActif("ScrollBarK")) && w->window()->objectName() == "FormVisualisation";
            },
            10000))
        throw Impossible("the live values window did not open");
    return w->window();
}

// The live values window on a serial line nobody answers on.
void LigneMuette(benchmark::State& etat) {
    for (auto _ : etat)
        try {
            Pty muet;
            if (!muet.ok()) throw Impossible("no pseudo-terminal");
            ProgrammeLance p(configSerie(muet.chemin(), 1));
            p.ouvreEtude("Tracé des caractéristiques d'une machine", "T = K", {});
            QWidget* f = visualisation();
            attends(300);
            mesure(etat, f);
            etat.counters["unexpected windows"] = p.inattendues;
        } catch (const Impossible& e) {
            etat.SkipWithError(e.what());
        }
}

// The live values window on the network route, to a peer on loopback that accepts
// the connection and never replies.
void ReseauMuet(benchmark::State& etat) {
    for (auto _ : etat)
        try {
            QTcpServer pair;
            if (!pair.listen(QHostAddress::LocalHost)) throw Impossible("no loopback port");
            std::vector<std::unique_ptr<QTcpSocket>> acceptes;
            QObject::connect(&pair, &QTcpServer::newConnection, [&] {
                while (QTcpSocket* s = pair.nextPendingConnection())
                    acceptes.emplace_back(s);
            });
            qputenv("VIMRA_MODBUS_TCP_PORT", QByteArray::number(pair.serverPort()));
            TConfigGenerale c = TConfigGenerale::defaut();
            c.TypeLiaison = 0;
            for (int i = 0; i < 4; ++i)
                c.AdresseIP[i].setTexte(QString::number(i == 0 ? 127 : i == 3 ? 1 : 0));
            {
                ProgrammeLance p(c);
                p.ouvreEtude("Tracé des caractéristiques d'une machine", "T = K", {});
                QWidget* f = visualisation();
                attends(300);
                mesure(etat, f);
                etat.counters["unexpected windows"] = p.inattendues;
                etat.counters["connections"] = double(acceptes.size());
            }
            qunsetenv("VIMRA_MODBUS_TCP_PORT");
        } catch (const Impossible& e) {
            qunsetenv("VIMRA_MODBUS_TCP_PORT");
            etat.SkipWithError(e.what());
        }
}

} // namespace

BENCHMARK_CAPTURE(Balayage, model0, 0)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Balayage, model1, 1)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Oscilloscope)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LigneMuette)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReseauMuet)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    NommeApplication();
    installeAide(app);
    benchmark::Initialize(&argc, argv);
    std::vector<Rapport::Ligne> lignes;
    const auto situation = [&](const std::string& nom, const std::string& figure) {
        lignes.push_back({"input delay, median, " + figure + " / 16 ms", nom, "", "frame", 1.0, 0, "median"});
        lignes.push_back(
            {"input delay, worst, " + figure + " / 100 ms", nom, "", "noticed", 1.0, 0, "worst"});
    };
    situation("Balayage/model0", "rising sweep at 19200 Bd, model 0");
    situation("Balayage/model1", "rising sweep at 19200 Bd, model 1");
    situation("Oscilloscope", "oscilloscope recording at 19200 Bd");
    situation("LigneMuette", "live values, serial line silent");
    situation("ReseauMuet", "live values, network peer silent");
    lignes.push_back({"CPU time per 50 ms tick of an oscilloscope recording / tick", "Oscilloscope", "",
                      "tick", 0.10, 0, "cpu per tick"});
    Rapport rapport(lignes);
    benchmark::RunSpecifiedBenchmarks(&rapport);
    const bool ok = rapport.imprime();
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
