#include "Dossiers.h"

#include "Textes.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString dossierUtilisateur(QStandardPaths::StandardLocation ou) {
    QString d = QStandardPaths::writableLocation(ou);
    if (d.isEmpty()) d = QDir::homePath();
    return QDir(d).filePath("Vimra");
}

} // namespace

void Dossiers::fixe(const QString& dossier) {
    DossierProgramme = QDir::cleanPath(dossier);
    DossierConfig = dossierConfiguration(DossierProgramme);
    DossierReprise = QDir(DossierConfig).filePath("Reprise");
    DossierDocuments = DossierProgramme;
    suitLangue();
}

void Dossiers::fixeInstalle(const QString& donnees) {
    DossierProgramme = QDir::cleanPath(donnees);
    DossierConfig = dossierUtilisateur(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(DossierConfig);
    DossierReprise = QDir(dossierUtilisateur(QStandardPaths::GenericDataLocation)).filePath("Reprise");
    DossierDocuments = dossierUtilisateur(QStandardPaths::DocumentsLocation);
    suitLangue();
}

void Dossiers::choisit(const QString& dossierExecutable, const QString& dossierCourant) {
    const QString donnees = dossierDonneesInstallees(dossierExecutable);
    if (donnees.isEmpty())
        fixe(dossierCourant);
    else
        fixeInstalle(donnees);
}

void Dossiers::suitLangue() {
    const QDir p(DossierProgramme);
    DossierApplications = p.filePath("Vimra_app");
    DossierFiches = p.filePath(Textes().DossierFiches);
    DossierCablage = p.filePath(Textes().DossierCablage);
    DossierTravaux = QDir(DossierDocuments).filePath(Textes().DossierTravaux);
    // A dialog pointed at a missing folder would open in its parent with the folder's name as the
    // file name.
    QDir().mkpath(DossierTravaux);
}

Dossiers& dossiers() {
    static Dossiers d;
    return d;
}

QString dossierConfiguration(const QString& dossierProgramme) {
    const QFileInfo p(dossierProgramme);
    if (p.isDir() && p.isWritable()) return dossierProgramme;
    const QString utilisateur = dossierUtilisateur(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(utilisateur);
    return utilisateur;
}

QString dossierDonneesInstallees(const QString& dossierExecutable) {
    const QFileInfo d(QDir(dossierExecutable).filePath("../share/vimra"));
    return d.isDir() ? d.canonicalFilePath() : QString();
}
