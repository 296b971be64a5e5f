// vimra-bench: the simulated bench on a pseudo-terminal, a serial device or a loopback TCP port,
// until SIGINT or SIGTERM.

#include "simulator/Banc.h"
#include "simulator/ServeurBanc.h"

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr char AIDE[] = R"(Usage: vimra-bench (--pty | --serial DEV | --tcp ADDRESS:PORT) [options]

The simulated bench: the active-load drive as Modbus slave 1, with a machine under study
coupled to the load machine.

Line (one of):
  --pty                 open a pseudo-terminal, print the path of its slave side, serve it
  --serial DEV          serve a serial device (19200 baud, 8N1)
  --tcp ADDRESS:PORT    serve Modbus TCP (unit 1), e.g. 127.0.0.1:15020

Options:
  --model 0|1           RTU frame layout: 0 standard, 1 zero byte between the address bytes (0)
  --class 0..3          bench power class; 11.32 answers a rating of that class (2)
  --rating N            answer N in 11.32 instead
  --machine 1..7        machine under study: 1 separately excited DC, 2 series DC,
                        3 three-phase asynchronous, 4 three-phase synchronous, 5 DC-supplied
                        drive, 6 three-phase-supplied drive, 7 single-phase-supplied drive (1)
  --frequency 50|60     mains frequency (50)
  --range 2|20          current range of the measuring box, in A (20)
  --supply F            supply of the machine under study, fraction of rated; negative
                        reverses it (1)
  --excitation F        excitation current, fraction of rated (1)
  --realtime            simulated time follows the wall clock (the default)
  --speed F             simulated time runs F times faster than the wall clock
  --step MS             simulated time advances MS milliseconds per request, as fast as asked
  --faults LIST         faults on the line, comma-separated: no-reply, bad-crc, short, extra,
                        close, each optionally @N (every Nth exchange; close: at exchange N),
                        and pace=BAUD (reply bytes one by one at that rate)
  --help                this text

Exit codes: 0 stopped by SIGINT or SIGTERM, 1 usage, 2 the line could not be opened.
)";

int Usage(const std::string& message) {
    std::fprintf(stderr, "vimra-bench: %s\n(see vimra-bench --help)\n", message.c_str());
    return 1;
}

template <typename T> bool Nombre(std::string_view s, T& v) {
    const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && fin == s.data() + s.size();
}

} // namespace

int main(int argc, char** argv) {
    enum class Ligne { Aucune, Pty, Serie, Tcp } ligne = Ligne::Aucune;
    std::string peripherique, adresse;
    uint16_t port = 0;
    int modele = 0;
    TConfigBanc config;
    TCadence cadence;
    TDefauts defauts;

    const std::vector<std::string_view> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        auto valeur = [&](std::string_view& v) {
            if (i + 1 >= args.size()) return false;
            v = args[++i];
            return true;
        };
        std::string_view v;
        if (a == "--help" || a == "-h") {
            std::fputs(AIDE, stdout);
            return 0;
        } else if (a == "--pty") {
            ligne = Ligne::Pty;
        } else if (a == "--serial") {
            if (!valeur(v)) return Usage("--serial needs a device");
            ligne = Ligne::Serie;
            peripherique = v;
        } else if (a == "--tcp") {
            if (!valeur(v)) return Usage("--tcp needs ADDRESS:PORT");
            const auto deuxPoints = v.rfind(':');
            if (deuxPoints == std::string_view::npos || !Nombre(v.substr(deuxPoints + 1), port))
                return Usage("--tcp needs ADDRESS:PORT");
            ligne = Ligne::Tcp;
            adresse = v.substr(0, deuxPoints);
        } else if (a == "--model") {
            if (!valeur(v) || !Nombre(v, modele) || modele < 0 || modele > 1)
                return Usage("--model is 0 or 1");
        } else if (a == "--class") {
            if (!valeur(v) || !Nombre(v, config.classe) || config.classe < 0 || config.classe > 3)
                return Usage("--class is 0..3");
        } else if (a == "--rating") {
            int n = 0;
            if (!valeur(v) || !Nombre(v, n) || n < -32768 || n > 65535)
                return Usage("--rating is a 16-bit number");
            config.calibreVariateur = n;
        } else if (a == "--machine") {
            int m = 0;
            if (!valeur(v) || !Nombre(v, m) || m < 1 || m > 7) return Usage("--machine is 1..7");
            config.machine = static_cast<TypeMachine>(m);
        } else if (a == "--frequency") {
            int f = 0;
            if (!valeur(v) || !Nombre(v, f) || (f != 50 && f != 60)) return Usage("--frequency is 50 or 60");
            config.frequence = f;
        } else if (a == "--range") {
            if (!valeur(v) || !Nombre(v, config.calibreCourant) ||
                (config.calibreCourant != 2 && config.calibreCourant != 20))
                return Usage("--range is 2 or 20");
        } else if (a == "--supply") {
            if (!valeur(v) || !Nombre(v, config.reglages.alimentation) ||
                config.reglages.alimentation < -1.5 || config.reglages.alimentation > 1.5)
                return Usage("--supply is a fraction between -1.5 and 1.5");
        } else if (a == "--excitation") {
            if (!valeur(v) || !Nombre(v, config.reglages.excitation) || config.reglages.excitation < 0 ||
                config.reglages.excitation > 1.5)
                return Usage("--excitation is a fraction between 0 and 1.5");
        } else if (a == "--realtime") {
            cadence = {};
        } else if (a == "--speed") {
            if (!valeur(v) || !Nombre(v, cadence.facteur) || !(cadence.facteur > 0) || cadence.facteur > 1000)
                return Usage("--speed is a factor between 0 and 1000");
            cadence.pasParRequete = 0;
        } else if (a == "--step") {
            double ms = 0;
            if (!valeur(v) || !Nombre(v, ms) || !(ms > 0) || ms > 60000)
                return Usage("--step is a number of ms");
            cadence.pasParRequete = ms / 1000;
        } else if (a == "--faults") {
            std::string erreur;
            std::optional<TDefauts> d;
            if (!valeur(v) || !(d = LitDefauts(v, &erreur))) return Usage("--faults: " + erreur);
            defauts = *d;
        } else {
            return Usage("unknown option " + std::string(a));
        }
    }
    if (ligne == Ligne::Aucune) return Usage("one of --pty, --serial DEV, --tcp ADDRESS:PORT is needed");

    // The serving thread must not take the signals: the main thread waits for them.
    sigset_t signaux;
    sigemptyset(&signaux);
    sigaddset(&signaux, SIGINT);
    sigaddset(&signaux, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signaux, nullptr);

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
