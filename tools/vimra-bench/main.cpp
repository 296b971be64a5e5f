// vimra-bench: the simulated bench on a pseudo-terminal, a serial device or a loopback TCP port,
// until SIGINT or SIGTERM.

#include "simulator/Banc.h"
#include "simulator/ServeurBanc.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <charconv>
#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr char DESCRIPTION[] =
    R"(The simulated bench: the active-load drive as Modbus slave 1 (functions 3, 6, 16
and 23), with a machine under study coupled to the load machine. One line is served:
--pty, --serial DEV or --tcp ADDRESS:PORT.

Machines (--machine): 1 separately excited DC, 2 series DC, 3 three-phase asynchronous,
4 three-phase synchronous, 5 DC-supplied drive, 6 three-phase-supplied drive, 7 single-phase-
supplied drive.

Faults (--faults, comma-separated): no-reply, bad-crc, short, extra, close, each optionally @N
(every Nth exchange; close: at exchange N), and pace=BAUD (reply bytes one by one at that rate).

Exit codes: 0 stopped by SIGINT or SIGTERM, 1 usage, 2 the line could not be opened.)";

int Usage(const std::string& message) {
    std::fprintf(stderr, "vimra-bench: %s\n(see vimra-bench --help)\n", message.c_str());
    return 1;
}

template <typename T> bool Nombre(std::string_view s, T& v) {
    const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && fin == s.data() + s.size();
}

// The value of an option that is set, read as a number within [min, max].
template <typename T> bool Valeur(const QCommandLineParser& p, const QString& nom, T min, T max, T& v) {
    const std::string texte = p.value(nom).toStdString();
    return Nombre(std::string_view(texte), v) && v >= min && v <= max;
}

} // namespace

int main(int argc, char** argv) {
    // Blocked before any thread starts, so that only the main thread takes them, in its wait.
    sigset_t signaux;
    sigemptyset(&signaux);
    sigaddset(&signaux, SIGINT);
    sigaddset(&signaux, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signaux, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("vimra-bench");
    QCoreApplication::setApplicationVersion(VIMRA_VERSION);
    QCommandLineParser p;
    p.setApplicationDescription(DESCRIPTION);
    // Not addHelpOption(): its --help-all would list Qt's own options, of no use here.
    p.addOption({{"h", "help"}, "Displays this help."});
    p.addVersionOption();
    p.addOptions({
        {"pty", "Open a pseudo-terminal, print the path of its slave side, serve it."},
        {"serial", "Serve a serial device (19200 baud, 8N1).", "DEV"},
        {"tcp", "Serve Modbus TCP (unit 1), e.g. 127.0.0.1:15020.", "ADDRESS:PORT"},
        {"model", "RTU frame layout: 0 standard, 1 zero byte between the address bytes (0).", "0|1"},
        {"class", "Bench power class; 11.32 answers a rating of that class (2).", "0..3"},
        {"rating", "Answer N in 11.32 instead.", "N"},
        {"machine", "Machine under study, see above (1).", "1..7"},
        {"frequency", "Mains frequency (50).", "50|60"},
        {"range", "Current range of the measuring box, in A (20).", "2|20"},
        {"supply", "Supply of the machine under study, fraction of rated; negative reverses it (1).", "F"},
        {"excitation", "Excitation current, fraction of rated (1).", "F"},
        {"realtime", "Simulated time follows the wall clock (the default)."},
        {"speed", "Simulated time runs F times faster than the wall clock.", "F"},
        {"step", "Simulated time advances MS milliseconds per request, as fast as asked.", "MS"},
        {"faults", "Faults on the line, see above.", "LIST"},
    });
    if (!p.parse(QCoreApplication::arguments())) return Usage(p.errorText().toStdString());
    if (p.isSet("help")) {
        // The usage line names the program, not the path it was started by.
        QString aide = p.helpText();
        aide.replace(0, aide.indexOf(" [options]"), "Usage: vimra-bench");
        std::fputs(aide.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (p.isSet("version")) p.showVersion();
    if (!p.positionalArguments().isEmpty())
        return Usage("unknown argument " + p.positionalArguments().first().toStdString());

    std::string peripherique, adresse;
    uint16_t port = 0;
    int modele = 0;
    TConfigBanc config;
    TCadence cadence;
    TDefauts defauts;

    const int lignes = int(p.isSet("pty")) + int(p.isSet("serial")) + int(p.isSet("tcp"));
    if (lignes != 1) return Usage("one of --pty, --serial DEV, --tcp ADDRESS:PORT is needed");
    if (int(p.isSet("realtime")) + int(p.isSet("speed")) + int(p.isSet("step")) > 1)
        return Usage("--realtime, --speed and --step exclude each other");
    if (p.isSet("serial")) peripherique = p.value("serial").toStdString();
    if (p.isSet("tcp")) {
        const std::string v = p.value("tcp").toStdString();
        const auto deuxPoints = v.rfind(':');
        if (deuxPoints == std::string::npos || !Nombre(std::string_view(v).substr(deuxPoints + 1), port))
            return Usage("--tcp needs ADDRESS:PORT");
        adresse = v.substr(0, deuxPoints);
    }
    if (p.isSet("model") && !Valeur(p, "model", 0, 1, modele)) return Usage("--model is 0 or 1");
    if (p.isSet("class") && !Valeur(p, "class", 0, 3, config.classe)) return Usage("--class is 0..3");
    if (p.isSet("rating")) {
        int n = 0;
        if (!Valeur(p, "rating", -32768, 65535, n)) return Usage("--rating is a 16-bit number");
        config.calibreVariateur = n;
    }
    if (p.isSet("machine")) {
        int m = 0;
        if (!Valeur(p, "machine", 1, 7, m)) return Usage("--machine is 1..7");
        config.machine = static_cast<TypeMachine>(m);
    }
    if (p.isSet("frequency")) {
        int f = 0;
        if (!Valeur(p, "frequency", 50, 60, f) || (f != 50 && f != 60))
            return Usage("--frequency is 50 or 60");
        config.frequence = f;
    }
    if (p.isSet("range") && (!Valeur(p, "range", 2, 20, config.calibreCourant) ||
                             (config.calibreCourant != 2 && config.calibreCourant != 20)))
        return Usage("--range is 2 or 20");
    if (p.isSet("supply") && !Valeur(p, "supply", -1.5, 1.5, config.reglages.alimentation))
        return Usage("--supply is a fraction between -1.5 and 1.5");
    if (p.isSet("excitation") && !Valeur(p, "excitation", 0.0, 1.5, config.reglages.excitation))
        return Usage("--excitation is a fraction between 0 and 1.5");
    if (p.isSet("speed") && (!Valeur(p, "speed", 0.0, 1000.0, cadence.facteur) || !(cadence.facteur > 0)))
        return Usage("--speed is a factor between 0 and 1000");
    if (p.isSet("step")) {
        double ms = 0;
        if (!Valeur(p, "step", 0.0, 60000.0, ms) || !(ms > 0)) return Usage("--step is a number of ms");
        cadence.pasParRequete = ms / 1000;
    }
    if (p.isSet("faults")) {
        std::string erreur;
        const auto d = LitDefauts(p.value("faults").toStdString(), &erreur);
        if (!d) return Usage("--faults: " + erreur);
        defauts = *d;
    }
    enum class Ligne { Pty, Serie, Tcp };
    const Ligne ligne = p.isSet("pty") ? Ligne::Pty : p.isSet("serial") ? Ligne::Serie : Ligne::Tcp;

    TBanc banc(config);
    std::string erreur;
    std::unique_ptr<TServeurBanc> serveur;
    if (ligne == Ligne::Pty) {
        auto s = TServeurLigne::ouvrePty(banc, modele, cadence, defauts, &erreur);
        if (s) std::printf("%s\n", s->chemin().c_str());
        serveur = std::move(s);
    } else if (ligne == Ligne::Serie) {
        auto s = TServeurLigne::ouvreSerie(banc, peripherique, modele, cadence, defauts, &erreur);
        if (s) std::printf("%s\n", s->chemin().c_str());
        serveur = std::move(s);
    } else {
        auto s = TServeurTcp::ouvre(banc, adresse, port, cadence, defauts, &erreur);
        if (s) std::printf("%s:%u\n", adresse.c_str(), static_cast<unsigned>(s->port()));
        serveur = std::move(s);
    }
    if (!serveur) {
        std::fprintf(stderr, "vimra-bench: %s\n", erreur.c_str());
        return 2;
    }
    std::fflush(stdout);

    // Until a signal, or until a "close" fault has dropped the line.
    const timespec attente{0, 100'000'000};
    while (serveur->actif() && sigtimedwait(&signaux, nullptr, &attente) < 0) {
    }
    serveur->arrete();
    return 0;
}
