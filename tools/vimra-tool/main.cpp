#include "Outil.h"

#include "shell/Textes.h"

#include <QCoreApplication>

namespace {

const char usage[] =
    "usage: vimra-tool COMMAND ...\n"
    "  dump FILE                     the values of every test, tab-separated (CR LF)\n"
    "  export-csv FILE [--test K]    the values as CSV (RFC 4180, dot decimal)\n"
    "  convert IN OUT                rewrite a work in the layout of OUT's extension (.MLX2, .Vimr2)\n"
    "  frame read M.PP | read10 M.PP N | write M.PP VALUE | write10 M.PP V1 V2 ... [--model 0|1]\n"
    "                                the request frame, as hexadecimal bytes\n"
    "  read M.PP | read10 M.PP N | write M.PP VALUE | write10 M.PP V1 V2 ...\n"
    "  measure [--machine 0..7] [--range 2|20]\n"
    "                                talk to the drive named by --port DEV or --tcp HOST[:PORT],\n"
    "                                with --model 0|1 (default 1)\n";

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
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fputs(usage, stderr);
        return Usage;
    }
    AppliqueLangue(1); // the tool speaks French, as the program does by default
    const QString commande = args.takeFirst();
    int code = -1;
    if (commande == "dump")
        code = commandeDump(args);
    else if (commande == "export-csv")
        code = commandeExportCsv(args);
    else if (commande == "convert")
        code = commandeConvert(args);
    else if (commande == "frame")
        code = commandeTrame(args);
    else if (QStringList{"read", "read10", "write", "write10", "measure"}.contains(commande))
        code = commandeVariateur(commande, args);
    if (code == -1 || code == Usage) {
        if (code == -1) erreur("unknown command: " + commande);
        std::fputs(usage, stderr);
        return Usage;
    }
    return code;
}
