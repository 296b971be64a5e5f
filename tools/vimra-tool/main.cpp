#include "Outil.h"

#include "socle/Textes.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QMap>
#include <QRegularExpression>

#include <functional>
#include <limits>

namespace {

const char commandes[] =
    "  dump FILE                 the values of every test, tab-separated (CR LF)\n"
    "  export-csv FILE [--test K]\n"
    "                            the values as CSV (RFC 4180, dot decimal)\n"
    "  export FILE OUT [--test K] [--language fr|en|es]\n"
    "                            the values for a report, in the language's conventions: OUT.csv\n"
    "                            (UTF-8, ';' and decimal comma in French and Spanish, ',' and decimal\n"
    "                            point in English), or OUT.xlsx (a sheet per test with its context\n"
    "                            and its values as numbers, and a chart per characteristic shown)\n"
    "  convert IN OUT            rewrite a work in the layout of OUT's extension (.MLX2, .Vimr2)\n"
    "  recover JOURNAL OUT       the work a recovery journal holds, written to OUT as a save would\n"
    "                            write it (.MLX2 for a characteristic work, .Vimr2 for an application\n"
    "                            work), with its last change's time, tests and points; from a damaged\n"
    "                            journal, the changes before the damage. Vimra keeps its journals in\n"
    "                            Reprise/ beside its settings (~/.local/share/Vimra/Reprise/ when\n"
    "                            installed; the demo's in Reprise/Demo/)\n"
    "  frame read M.PP | read10 M.PP N | write M.PP VALUE | write10 M.PP V1 V2 ... [--model 0|1]\n"
    "                            the request frame, as hexadecimal bytes\n"
    "  read M.PP | read10 M.PP N | write M.PP VALUE | write10 M.PP V1 V2 ...\n"
    "                            read or write the drive's registers\n"
    "  measure [--machine 0..7] [--range 2|20]\n"
    "                            one measurement cycle, as index<TAB>value lines\n"
    "  watch [--every MS] [--count N] [--machine 0..7] [--range 2|20]\n"
    "                            a measurement cycle every MS ms as CSV rows (time first), until\n"
    "                            N rows or an interrupt\n"
    "  The last four talk to the drive named by --port DEV or --tcp HOST[:PORT], with\n"
    "  --model 0|1 (default 1).\n";

const char description[] = "The headless companion of Vimra: work files, recovery journals, the drive's "
                           "request frames, and a drive (or the simulated bench) on a serial port or a "
                           "Modbus TCP route.";

const char fin[] = "\nExit codes: 0 done, 1 usage, 2 file, format or link failure.\n"
                   "Errors go to the standard error stream with the program's own message.\n";

void usage() {
    std::fprintf(stderr, "usage: vimra-tool COMMAND ...\n%s(vimra-tool --help tells more)\n", commandes);
}

// QCommandLineParser takes "-2" for an option: a negative number is kept aside as a value.
const QChar negatif(0xE000);

QStringList protegeNegatifs(QStringList args) {
    static const QRegularExpression nombre("^-[0-9]+$");
    for (QString& a : args)
        if (nombre.match(a).hasMatch()) a.prepend(negatif);
    return args;
}

QString restaure(QString a) {
    if (a.startsWith(negatif)) a.remove(0, 1);
    return a;
}

// The options each command takes; any other is a usage error.
const QMap<QString, QStringList>& optionsPermises() {
    static const QStringList liaison{"model", "port", "tcp"};
    static const QMap<QString, QStringList> p{
        {"dump", {}},
        {"export-csv", {"test"}},
        {"export", {"test", "language"}},
        {"convert", {}},
        {"recover", {}},
        {"frame", {"model"}},
        {"read", liaison},
        {"read10", liaison},
        {"write", liaison},
        {"write10", liaison},
        {"measure", liaison + QStringList{"machine", "range"}},
        {"watch", liaison + QStringList{"machine", "range", "every", "count"}},
    };
    return p;
}

// An option's integer value, when it is one the option takes; false, with a message, otherwise.
bool entier(const QCommandLineParser& p, const QString& nom, const std::function<bool(int)>& valide,
            const char* attendu, int& v) {
    if (!p.isSet(nom)) return true;
    bool ok = false;
    const int x = restaure(p.value(nom)).toInt(&ok);
    if (!ok || !valide(x)) {
        erreur("--" + nom + " takes " + attendu + ", not " + restaure(p.value(nom)));
        return false;
    }
    v = x;
    return true;
}

} // namespace

void erreur(const QString& message) {
    std::fprintf(stderr, "vimra-tool: %s\n", message.toLocal8Bit().constData());
}

void ecritSortie(const QString& texte) {
    const QByteArray b = texte.toUtf8();
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stdout);
    std::fflush(stdout);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("vimra-tool");
    QCoreApplication::setApplicationVersion(VIMRA_VERSION);

    QCommandLineParser p;
    p.setApplicationDescription(QString(description) + "\n\nCommands:\n" + commandes + fin);
    // Not addHelpOption(): its --help-all would list Qt's own options, of no use here.
    p.addOption({{"h", "help"}, "Displays this help."});
    p.addVersionOption();
    p.addOptions({
        {"test", "export-csv, export: only test K (1..5).", "K"},
        {"language", "export: the language of the texts, separators and decimal mark (fr).", "fr|en|es"},
        {"port", "The drive's serial port (a device such as /dev/ttyUSB0, or COM3).", "DEV"},
        {"tcp", "The drive's Modbus TCP route: an IPv4 address, and a port (502 by default).", "HOST[:PORT]"},
        {"model", "The drive's frame layout: 0 standard, 1 zero byte between the address bytes (1).", "0|1"},
        {"machine", "measure, watch: the machine under study, 0..7, for the voltage and current (0).",
         "0..7"},
        {"range", "measure, watch: the current range of the measuring box, 2 or 20 A (20).", "2|20"},
        {"every", "watch: the period of the measurement cycles in milliseconds (100).", "MS"},
        {"count", "watch: stop after N rows (by default on SIGINT or SIGTERM).", "N"},
    });
    p.addPositionalArgument("command", "One of the commands above, then its arguments.",
                            "COMMAND [ARGUMENTS...]");

    if (!p.parse(protegeNegatifs(app.arguments()))) {
        erreur(p.errorText());
        usage();
        return Usage;
    }
    if (p.isSet("help")) {
        // The usage line names the program, not the path it was started by.
        QString aide = p.helpText();
        aide.replace(0, aide.indexOf(" [options]"), "Usage: vimra-tool");
        ecritSortie(aide);
        return Fait;
    }
    if (p.isSet("version")) p.showVersion();

    QStringList args;
    for (const QString& a : p.positionalArguments())
        args << restaure(a);
    if (args.isEmpty()) {
        usage();
        return Usage;
    }
    AppliqueLangue(1); // the tool speaks French, as the program does by default
    const QString commande = args.takeFirst();
    if (!optionsPermises().contains(commande)) {
        erreur("unknown command: " + commande);
        usage();
        return Usage;
    }
    for (const QString& nom : p.optionNames()) {
        if (!optionsPermises()[commande].contains(nom)) {
            erreur("--" + nom + " does not apply to " + commande);
            usage();
            return Usage;
        }
    }

    OptionsOutil o;
    o.arguments = args;
    o.port = p.value("port");
    o.tcp = p.value("tcp");
    const auto entre = [](int min, int max) { return [=](int x) { return x >= min && x <= max; }; };
    if (!entier(p, "test", entre(1, 5), "a test number from 1 to 5", o.essai) ||
        !entier(p, "model", entre(0, 1), "0 or 1", o.modele) ||
        !entier(p, "machine", entre(0, 7), "0..7", o.machine) ||
        !entier(
            p, "range", [](int x) { return x == 2 || x == 20; }, "2 or 20", o.calibre) ||
        !entier(p, "every", entre(1, 3600000), "a period of 1 to 3600000 ms", o.periode) ||
        !entier(p, "count", entre(1, std::numeric_limits<int>::max()), "a number of rows from 1", o.nombre)) {
        usage();
        return Usage;
    }
    if (p.isSet("language")) {
        static const QStringList langues{"fr", "en", "es"};
        o.langue = int(langues.indexOf(p.value("language").toLower())) + 1;
        if (o.langue == 0) {
            erreur("--language takes fr, en or es, not " + restaure(p.value("language")));
            usage();
            return Usage;
        }
    }

    const QMap<QString, std::function<int()>> actions{
        {"dump", [&] { return commandeDump(o); }},       {"export-csv", [&] { return commandeExportCsv(o); }},
        {"export", [&] { return commandeExport(o); }},   {"convert", [&] { return commandeConvert(o); }},
        {"frame", [&] { return commandeTrame(o); }},     {"watch", [&] { return commandeSuivi(o); }},
        {"recover", [&] { return commandeRecover(o); }},
    };
    const int code = actions.contains(commande) ? actions[commande]() : commandeVariateur(commande, o);
    if (code == Usage) usage();
    return code;
}
