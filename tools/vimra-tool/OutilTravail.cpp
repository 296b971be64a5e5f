// Commands on work files.
#include "Outil.h"

#include "application/ContexteExport.h"
#include "graph/Export.h"
#include "socle/Dialogues.h"
#include "socle/FichierAtomique.h"
#include "socle/Textes.h"
#include "work/CopieValeurs.h"
#include "work/FichierTravail.h"
#include "work/JournalTravail.h"
#include "work/SessionTravail.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <memory>

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

// The work of file `nom`, nothing when it cannot be read (the reason was said). An application work
// shows its application's own quantities in columns 12..14 of `session`, as the run screen does.
std::unique_ptr<Travail> lit(const QString& nom, SessionTravail& session) {
    DialoguesOutil d(nom);
    auto t = std::make_unique<Travail>();
    if (!LitTravail(*t, session, nom)) return nullptr;
    if (TypeFichier(nom) == QLatin1String(TYPE_VIMR2))
        session.InitColonnesApplication(t->ApplicationCourante);
    return t;
}

int derniereColonne(const QString& nom) {
    return TypeFichier(nom) == QLatin1String(TYPE_VIMR2) ? DERNIERE_COLONNE_APPLICATION
                                                         : DERNIERE_COLONNE_CARACT;
}

} // namespace

int commandeDump(const OptionsOutil& o) {
    if (o.arguments.size() != 1) return Usage;
    const QString& f = o.arguments[0];
    SessionTravail session;
    const auto t = lit(f, session);
    if (!t) return Echec;
    ecritSortie(TexteValeurs(*t, session, -1, derniereColonne(f)));
    return Fait;
}

int commandeExportCsv(const OptionsOutil& o) {
    if (o.arguments.size() != 1) return Usage;
    const QString& f = o.arguments[0];
    SessionTravail session;
    const auto t = lit(f, session);
    if (!t) return Echec;
    if (o.essai > t->EnteteTravail.NbEssais) {
        erreur(f + ": no test " + QString::number(o.essai));
        return Echec;
    }
    ecritSortie(CsvValeurs(*t, session, o.essai, derniereColonne(f)));
    return Fait;
}

int commandeExport(const OptionsOutil& o) {
    if (o.arguments.size() != 2) return Usage;
    const QString &source = o.arguments[0], &cible = o.arguments[1];
    const QString extension = QFileInfo(cible).suffix().toLower();
    if (extension != QLatin1String("csv") && extension != QLatin1String("xlsx")) {
        erreur(cible + ": the output name must end in .csv or .xlsx");
        return Usage;
    }
    AppliqueLangue(o.langue);
    SessionTravail session;
    const auto t = lit(source, session);
    if (!t) return Echec;
    if (o.essai > t->EnteteTravail.NbEssais) {
        erreur(source + ": no test " + QString::number(o.essai));
        return Echec;
    }
    OptionsExport options;
    options.derniereColonne = derniereColonne(source);
    options.essai = std::max(o.essai, 0);
    InstalleParametresEssai(ParametresChargeEssai);
    QString raison;
    const bool ecrit = extension == QLatin1String("csv") ? EcritCsv(*t, session, options, cible, &raison)
                                                         : EcritXlsx(*t, session, options, cible, &raison);
    InstalleParametresEssai(nullptr);
    if (!ecrit) {
        erreur(cible + ": " + Textes().Texte[txt::ErreurEcriture] + " (" + raison + ")");
        return Echec;
    }
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
    SessionTravail session;
    const auto t = lit(source, session);
    if (!t) return Echec;
    DialoguesOutil d(cible);
    return EcritTravail(*t, session, cible,
                        type == QLatin1String(TYPE_MLX2) ? Disposition::MLX2 : Disposition::Vimr2)
               ? Fait
               : Echec;
}

namespace {

QString nombre(int n, const char* mot) {
    return QString("%1 %2%3").arg(n).arg(mot).arg(n == 1 ? "" : "s");
}

// What the journal held, in one line: when it last changed, its tests and points.
QString resume(const ContenuJournal& c) {
    const auto t = std::make_unique<Travail>();
    SessionTravail session;
    DecodeTravail(*t, session, c.octets, c.disposition);
    int points = 0;
    for (int k = 1; k <= t->EnteteTravail.NbEssais; ++k)
        points += t->Essais[k].nbPoints();
    QString s = "last change " + QDateTime::fromMSecsSinceEpoch(c.heure).toString("yyyy-MM-dd HH:mm:ss") +
                ", " + nombre(t->EnteteTravail.NbEssais, "test") + ", " + nombre(points, "point");
    if (c.demo) s += ", simulated bench";
    s += c.nomFichier.isEmpty() ? ", never saved" : ", last saved as " + c.nomFichier;
    return s + "\n";
}

} // namespace

int commandeRecover(const OptionsOutil& o) {
    if (o.arguments.size() != 2) return Usage;
    const QString &source = o.arguments[0], &cible = o.arguments[1];
    const QString type = TypeFichier(cible);
    if (type != QLatin1String(TYPE_MLX2) && type != QLatin1String(TYPE_VIMR2)) {
        erreur(cible + ": the output name must end in .MLX2 (a characteristic work) or .Vimr2 (an "
                       "application work), with no other dot in the name");
        return Usage;
    }

    QFile f(source);
    if (!f.open(QIODevice::ReadOnly)) {
        erreur(source + ": " + Textes().Texte[txt::ErreurLecture] + " (" + f.errorString() + ")");
        return Echec;
    }
    const ContenuJournal c = LitJournal(f.readAll());
    if (f.error() != QFileDevice::NoError) {
        erreur(source + ": " + Textes().Texte[txt::ErreurLecture] + " (" + f.errorString() + ")");
        return Echec;
    }
    using L = ContenuJournal::Lecture;
    switch (c.lecture) {
    case L::PasUnJournal:
        erreur(source + ": not a recovery journal, or damaged from its start: nothing to recover");
        return Echec;
    case L::VersionPlusRecente:
        erreur(source + ": written by a newer version of Vimra: not read here");
        return Echec;
    case L::Vide:
        erreur(source + ": the journal holds no work yet: nothing to recover");
        return Echec;
    case L::Complet:
    case L::Endommage:
        break;
    }

    const bool application = c.disposition == Disposition::Vimr2;
    const QLatin1String attendu(application ? TYPE_VIMR2 : TYPE_MLX2);
    if (type != attendu) {
        erreur(cible + ": the journal holds " + (application ? "an application" : "a characteristic") +
               " work: the output name must end in ." + attendu);
        return Usage;
    }
    QString raison;
    if (!EcritFichierAtomique(cible, c.octets, &raison)) {
        erreur(cible + ": " + Textes().Texte[txt::ErreurEcriture] + " (" + raison + ")");
        return Echec;
    }
    if (c.lecture == L::Endommage)
        erreur(source + ": the journal is damaged: only the changes before the damage were recovered");
    ecritSortie(resume(c));
    return Fait;
}
