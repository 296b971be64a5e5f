#include "FichierAtomique.h"

#include <QSaveFile>

#include <algorithm>

namespace {

thread_local qint64 limiteSimulee = -1;

// Pieces small enough that an interruption can fall anywhere in a work file.
constexpr qint64 morceau = 4096;

} // namespace

void SimuleEchecEcritureApres(qint64 octets) {
    limiteSimulee = octets;
}

bool EcritFichierAtomique(const QString& chemin, const QByteArray& octets, QString* erreur) {
    QSaveFile f(chemin);
    if (chemin.isEmpty() || !f.open(QIODevice::WriteOnly)) {
        if (erreur) *erreur = f.errorString();
        return false;
    }
    for (qint64 ecrits = 0; ecrits < octets.size();) {
        qint64 n = std::min(morceau, octets.size() - ecrits);
        if (limiteSimulee >= 0) n = std::min(n, limiteSimulee - ecrits);
        if (n <= 0 || f.write(octets.constData() + ecrits, n) != n) {
            // The temporary file is dropped; the target was never touched.
            f.cancelWriting();
            if (erreur) *erreur = QStringLiteral("write failed after %1 bytes").arg(ecrits);
            return false;
        }
        ecrits += n;
    }
    if (!f.commit()) {
        if (erreur) *erreur = f.errorString();
        return false;
    }
    return true;
}
