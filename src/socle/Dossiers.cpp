#include "Dossiers.h"

#include "Textes.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

void Dossiers::fixe(const QString& dossier) {
    DossierProgramme = QDir::cleanPath(dossier);
    DossierConfig = dossierConfiguration(DossierProgramme);
    suitLangue();
}

void Dossiers::suitLangue() {
    const QDir p(DossierProgramme);
    DossierApplications = p.filePath("Vimra_app");
    DossierFiches = p.filePath(Textes().DossierFiches);
    DossierCablage = p.filePath(Textes().DossierCablage);
    DossierTravaux = p.filePath(Textes().DossierTravaux);
}

Dossiers& dossiers() {
    static Dossiers d;
    return d;
}

QString dossierConfiguration(const QString& dossierProgramme) {
    const QFileInfo p(dossierProgramme);
    if (p.isDir() && p.isWritable()) return dossierProgramme;
    const QString utilisateur = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(utilisateur);
    return utilisateur;
}
