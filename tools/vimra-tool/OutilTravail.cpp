// Commands on work files.
#include "Outil.h"

#include "shell/Dialogues.h"
#include "work/CopieValeurs.h"
#include "work/FichierTravail.h"
#include "work/Travail.h"

namespace {

// Prints the program's messages with the name of the file they concern.
class DialoguesOutil final : public DialoguesConsole {
public:
    explicit DialoguesOutil(QString fichier) : m_fichier(std::move(fichier)) { installeDialogues(this); }
    ~DialoguesOutil() override { installeDialogues(nullptr); }
    void avertissement(const QString& texte) override { erreur(m_fichier + ": " + texte); }
    bool imprimer(QPrinter&) override { return false; }
    bool configurerImprimante(QPrinter&) override { return false; }

private:
    QString m_fichier;
};

bool lit(const QString& nom) {
    DialoguesOutil d(nom);
    return LitTravail(travail(), nom);
}

int derniereColonne(const QString& nom) {
    return TypeFichier(nom) == QLatin1String(TYPE_VIMR2) ? DERNIERE_COLONNE_APPLICATION
                                                         : DERNIERE_COLONNE_CARACT;
}

} // namespace

int commandeDump(const OptionsOutil& o) {
    if (o.arguments.size() != 1) return Usage;
    const QString& f = o.arguments[0];
    if (!lit(f)) return Echec;
    ecritSortie(TexteValeurs(travail(), -1, derniereColonne(f)));
    return Fait;
}

int commandeExportCsv(const OptionsOutil& o) {
    if (o.arguments.size() != 1) return Usage;
    const QString& f = o.arguments[0];
    if (!lit(f)) return Echec;
    if (o.essai > travail().EnteteTravail.NbEssais) {
        erreur(f + ": no test " + QString::number(o.essai));
        return Echec;
    }
    ecritSortie(CsvValeurs(travail(), o.essai, derniereColonne(f)));
    return Fait;
}

int commandeConvert(const OptionsOutil& o) {
    if (o.arguments.size() != 2) return Usage;
    const QString &source = o.arguments[0], &cible = o.arguments[1];
    const QString type = TypeFichier(cible);
    if (type != QLatin1String(TYPE_MLX2) && type != QLatin1String(TYPE_VIMR2)) {
        erreur(cible + ": the output name must end in .MLX2 or .Vimr2");
        return Usage;
    }
    if (!lit(source)) return Echec;
    DialoguesOutil d(cible);
    return EcritTravail(travail(), cible,
                        type == QLatin1String(TYPE_MLX2) ? Disposition::MLX2 : Disposition::Vimr2)
               ? Fait
               : Echec;
}
