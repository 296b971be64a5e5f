#include "Preferences.h"

#include "FichierAtomique.h"

#include <QDir>
#include <QFile>

namespace {

const QString FICHIER = QStringLiteral("Preferences.txt");
constexpr char GRANDS_REPERES[] = "GrandsReperes";

} // namespace

Preferences& preferences() {
    static Preferences p;
    return p;
}

void ChargePreferences(const QString& dossier) {
    Preferences lues;
    QFile f(QDir(dossier).filePath(FICHIER));
    // A few lines at most: a larger file is not ours.
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& ligne : f.read(4096).split('\n')) {
            const qsizetype egal = ligne.indexOf('=');
            if (egal > 0 && ligne.left(egal).trimmed() == GRANDS_REPERES)
                lues.GrandsReperes = ligne.mid(egal + 1).trimmed() == "1";
        }
    preferences() = lues;
}

bool SauvePreferences(const QString& dossier) {
    const QByteArray texte =
        QByteArray(GRANDS_REPERES) + '=' + (preferences().GrandsReperes ? "1" : "0") + '\n';
    return EcritFichierAtomique(QDir(dossier).filePath(FICHIER), texte);
}
