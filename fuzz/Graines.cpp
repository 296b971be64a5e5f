// Writes the seeds of every fuzzer into DOSSIER/<fuzzer>/, the starting corpus of `make fuzz`.
#include "Cibles.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: fuzz-graines DOSSIER\n");
        return 2;
    }
    const QDir racine(QString::fromLocal8Bit(argv[1]));
    for (const cibles::Description& c : cibles::toutes()) {
        racine.mkpath(c.nom);
        for (const auto& [nom, octets] : c.graines()) {
            QFile f(racine.filePath(QString(c.nom) + "/" + nom));
            if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
                return 1;
            }
        }
    }
    return 0;
}
