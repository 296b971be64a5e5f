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

int commandeDump(const QStringList& args) {
    if (args.size() != 1) return Usage;
    if (!lit(args[0])) return Echec;
    ecritSortie(TexteValeurs(travail(), -1, derniereColonne(args[0])));
    return Fait;
}

int commandeExportCsv(const QStringList& args) {
    int essai = -1;
    if (args.size() == 3 && args[1] == "--test") {
        bool ok = false;
        essai = args[2].toInt(&ok);
        if (!ok || essai < 1 || essai > NB_ESSAIS_MAX) {
            erreur("--test takes a test number from 1 to 5");
            return Usage;
        }
    } else if (args.size() != 1) {
        return Usage;
    }
    if (!lit(args[0])) return Echec;
    if (essai > travail().EnteteTravail.NbEssais) {
        erreur(args[0] + ": no test " + QString::number(essai));
        return Echec;
    }
    ecritSortie(CsvValeurs(travail(), essai, derniereColonne(args[0])));
    return Fait;
}

int commandeConvert(const QStringList& args) {
    if (args.size() != 2) return Usage;
    const QString type = TypeFichier(args[1]);
    if (type != QLatin1String(TYPE_MLX2) && type != QLatin1String(TYPE_VIMR2)) {
        erreur(args[1] + ": the output name must end in .MLX2 or .Vimr2");
        return Usage;
    }
    if (!lit(args[0])) return Echec;
    DialoguesOutil d(args[1]);
    return EcritTravail(travail(), args[1],
                        type == QLatin1String(TYPE_MLX2) ? Disposition::MLX2 : Disposition::Vimr2)
               ? Fait
               : Echec;
}
