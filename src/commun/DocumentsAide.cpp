#include "DocumentsAide.h"

#include "socle/Textes.h"

#include <QDir>

namespace {

struct Fiche {
    int code;
    const char* nom;
};

// 64 is the fan at reduced flow: it shares the fan's sheet.
constexpr Fiche fiches[] = {
    {51, "conditionnement"},
    {52, "positionnement absolu"},
    {53, "convoyeur à rouleaux"},
    {57, "coupe à longueur"},
    {58, "levage"},
    {61, "pompage"},
    {62, "ventilation"},
    {64, "ventilation"},
    {66, "convoyeur à bandes"},
};

constexpr int codes[] = {51, 52, 53, 57, 58, 61, 62, 64, 66};

constexpr const char* schemas[NB_MACHINES_CABLAGE] = {
    "MCCI", "MCCS", "MAS", "MS", "Alimentation CC", "Alimentation AC3", "Alimentation AC1"};

} // namespace

QString FicheApplication(int code, int langue) {
    const char* suffixe = langue == 2 ? "_UK" : langue == 3 ? "_SP" : "_FR";
    for (const Fiche& f : fiches)
        if (f.code == code) return QStringLiteral("Fiche %1%2.pdf").arg(QString::fromUtf8(f.nom), suffixe);
    return {};
}

QString SchemaCablage(int machine, int langue) {
    if (langue < 1 || langue > 3 || machine < 1 || machine > NB_MACHINES_CABLAGE) return {};
    return QStringLiteral("Cablage %1_Fr.pdf").arg(QString::fromUtf8(schemas[machine - 1]));
}

QString CheminDocument(const QString& dossier, const QString& fichier) {
    return fichier.isEmpty() ? QString() : QDir(dossier).filePath(fichier);
}

std::span<const int> CodesAvecFiche() {
    return codes;
}

QString DossierFichesLangue(const QString& programme, int langue) {
    return QDir(programme).filePath(TextesConstants(langueDuCode(langue)).DossierFiches);
}

QString DossierCablageLangue(const QString& programme, int langue) {
    return QDir(programme).filePath(TextesConstants(langueDuCode(langue)).DossierCablage);
}
