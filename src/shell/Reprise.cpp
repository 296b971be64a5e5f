#include "Reprise.h"

#include "FormMachine2.h"
#include "Programme.h"
#include "socle/Dialogues.h"
#include "socle/Dossiers.h"
#include "socle/FichierAtomique.h"
#include "socle/Textes.h"
#include "work/SessionTravail.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

namespace {

constexpr int PERIODE_MS = 200; // the journal follows the work five times a second
const QString EXTENSION = QStringLiteral(".journal");

QLocale localeCourante() {
    switch (LangueCourante()) {
    case Langue::Anglais:
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    case Langue::Espagnol:
        return QLocale(QLocale::Spanish, QLocale::Spain);
    case Langue::Francais:
        break;
    }
    return QLocale(QLocale::French, QLocale::France);
}

// A lock that only the death of its holder frees, whatever its age.
std::unique_ptr<QLockFile> verrou(const QString& journal) {
    auto v = std::make_unique<QLockFile>(journal + ".lock");
    v->setStaleLockTime(0);
    return v->tryLock(0) ? std::move(v) : nullptr;
}

qint64 maintenant() {
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

QString DescriptionReprise(const ContenuJournal& c, const Travail& t) {
    const QLocale l = localeCourante();
    const QDateTime heure = QDateTime::fromMSecsSinceEpoch(c.heure);
    QString s =
        Traduit("Vimra ne s'est pas arrêté normalement. Un travail qui n'était pas enregistré a été "
                "retrouvé :",
                "Vimra did not end normally. A work that was not saved has been found:",
                "Vimra no se cerró normalmente. Se ha encontrado un trabajo que no estaba guardado:") +
        "\n\n";
    s += Traduit("Dernière modification : le %1 à %2", "Last change: %1 at %2",
                 "Última modificación: el %1 a las %2")
             .arg(l.toString(heure.date(), QLocale::ShortFormat), l.toString(heure.time(), "HH:mm:ss")) +
         u'\n';
    int points = 0;
    for (int k = 1; k <= t.EnteteTravail.NbEssais; ++k) {
        const TEssai& e = t.Essais[k];
        points += e.nbPoints();
        QString ligne = Textes().MotEssai + u' ' + QString::number(k);
        const QString commentaire = e.Entete.Commentaire().trimmed();
        if (!commentaire.isEmpty()) ligne += " \u00ab " + commentaire + " \u00bb";
        s += ligne + " : " + QString::number(e.nbPoints()) + u' ' +
             Traduit("point(s)", "point(s)", "punto(s)") + u'\n';
    }
    s += Traduit("%1 essai(s), %2 point(s) en tout", "%1 test(s), %2 point(s) in all",
                 "%1 ensayo(s), %2 punto(s) en total")
             .arg(t.EnteteTravail.NbEssais)
             .arg(points) +
         u'\n';
    s += c.nomFichier.isEmpty() ? Traduit("Jamais enregistré", "Never saved", "Nunca guardado")
                                : Traduit("Enregistré pour la dernière fois sous : %1", "Last saved as: %1",
                                          "Guardado por última vez como: %1")
                                      .arg(QDir::toNativeSeparators(c.nomFichier));
    s += u'\n';
    if (c.lecture == ContenuJournal::Lecture::Endommage)
        s += u'\n' +
             Traduit("Le journal de reprise est endommagé : seules les modifications qui précèdent "
                     "l'endommagement ont pu être relues.",
                     "The recovery journal is damaged: only the changes before the damage could be read.",
                     "El diario de recuperación está dañado: solo se han podido leer los cambios "
                     "anteriores al daño.") +
             u'\n';
    s += u'\n' +
         Traduit("Voulez-vous le restaurer ?\n(Non : il est enregistré dans le dossier des travaux ; rien "
                 "n'est perdu.)",
                 "Do you want to restore it?\n(No: it is saved in the work folder; nothing is lost.)",
                 "¿Desea restaurarlo?\n(No: se guarda en la carpeta de trabajos; no se pierde nada.)");
    return s;
}

Reprise::Reprise(const QString& dossier, bool demo, TFormMachine2* menu)
    : m_dossier(demo ? QDir(dossier).filePath("Demo") : dossier), m_menu(menu) {
    QDir().mkpath(m_dossier);
    const QString nom = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss") + u'-' +
                        QString::number(QCoreApplication::applicationPid()) + EXTENSION;
    const QString chemin = QDir(m_dossier).filePath(nom);
    m_verrou = verrou(chemin);
    m_journal = std::make_unique<EcrivainJournal>(chemin, demo);
    m_minuterie.setInterval(PERIODE_MS);
    connect(&m_minuterie, &QTimer::timeout, this, &Reprise::suit);
    m_minuterie.start();
}

Reprise::~Reprise() {
    m_journal->supprime();
}

QString Reprise::cheminJournal() const {
    return m_journal->chemin();
}

void Reprise::suit() {
    const EcrivainJournal::Resultat r = m_verrou ? m_journal->suit(travail(), sessionTravail(), maintenant())
                                                 : EcrivainJournal::Resultat::Echec;
    if (r != EcrivainJournal::Resultat::Echec || m_averti || sessionTravail().TravailEnregistre) return;
    // Said once; the work goes on, and a save works as before.
    m_averti = true;
    m_minuterie.stop();
    dialogues().avertissement(
        Traduit("Le travail en cours n'est pas protégé contre une panne : le journal de reprise ne peut pas "
                "être écrit dans %1. Enregistrez votre travail régulièrement.",
                "The work in progress is not protected against a crash: the recovery journal cannot be "
                "written in %1. Save your work often.",
                "El trabajo en curso no está protegido contra un fallo: el diario de recuperación no se "
                "puede escribir en %1. Guarde su trabajo con frecuencia.")
            .arg(QDir::toNativeSeparators(m_dossier)));
    m_minuterie.start();
}

void Reprise::offre() {
    QFileInfoList journaux = QDir(m_dossier).entryInfoList({"*" + EXTENSION}, QDir::Files, QDir::Time);
    bool restaure = false;
    QStringList ecrits;
    for (const QFileInfo& f : journaux)
        if (f.absoluteFilePath() != QFileInfo(cheminJournal()).absoluteFilePath())
            traite(f.absoluteFilePath(), restaure, ecrits);
    if (!ecrits.isEmpty())
        dialogues().avertissement(
            Traduit("Le travail retrouvé a été enregistré sous :", "The recovered work was saved as:",
                    "El trabajo recuperado se ha guardado como:") +
            "\n\n" + ecrits.join(u'\n'));
}

void Reprise::traite(const QString& chemin, bool& restaure, QStringList& ecrits) {
    const std::unique_ptr<QLockFile> v = verrou(chemin);
    if (!v) return; // its program still runs
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return;
    const ContenuJournal c = LitJournal(f.readAll());
    f.close();
    const auto fin = [&] {
        QFile::remove(chemin);
        v->unlock();
    };
    if (c.lecture == ContenuJournal::Lecture::Vide) return fin();
    if (!c.travailLu()) {
        // Kept aside, never offered again, never destroyed.
        const QString garde = chemin + ".illisible";
        QFile::rename(chemin, garde);
        v->unlock();
        dialogues().avertissement(
            (c.lecture == ContenuJournal::Lecture::VersionPlusRecente
                 ? Traduit(
                       "Un journal de reprise a été écrit par une version plus récente de Vimra : il n'est "
                       "pas lu ici.",
                       "A recovery journal was written by a newer version of Vimra: it is not read here.",
                       "Un diario de recuperación fue escrito por una versión más reciente de Vimra: no se "
                       "lee aquí.")
                 : Traduit(
                       "Un journal de reprise est illisible (endommagé dès son début) : aucun travail n'a pu "
                       "en être relu.",
                       "A recovery journal cannot be read (damaged from its start): no work could be read "
                       "from it.",
                       "Un diario de recuperación es ilegible (dañado desde el principio): no se ha podido "
                       "leer ningún trabajo.")) +
            "\n" +
            Traduit("Il est conservé sous : %1", "It is kept as: %1", "Se conserva como: %1")
                .arg(QDir::toNativeSeparators(garde)));
        return;
    }
    if (!restaure) {
        const auto t = std::make_unique<Travail>();
        SessionTravail session;
        DecodeTravail(*t, session, c.octets, c.disposition);
        if (dialogues().question(DescriptionReprise(c, *t), false) == Dialogues::Reponse::Oui &&
            this->restaure(c)) {
            restaure = true;
            // Gone once this program's journal holds the work.
            if (m_journal->existe()) return fin();
            return v->unlock();
        }
    }
    const QString ecrit = ecritRecupere(c);
    if (ecrit.isEmpty()) {
        // The journal stays for the next start.
        v->unlock();
        dialogues().avertissement(
            Traduit("Le travail retrouvé n'a pas pu être enregistré dans %1 ; son journal "
                    "est conservé et sera proposé au prochain démarrage.",
                    "The recovered work could not be saved in %1; its journal is kept and "
                    "will be offered at the next start.",
                    "El trabajo recuperado no se ha podido guardar en %1; su diario se "
                    "conserva y se ofrecerá en el próximo inicio.")
                .arg(QDir::toNativeSeparators(dossiers().DossierTravaux)));
        return;
    }
    ecrits << QDir::toNativeSeparators(ecrit);
    fin();
}

bool Reprise::restaure(const ContenuJournal& c) {
    Travail& t = travail();
    SessionTravail& s = sessionTravail();
    if (!DecodeTravail(t, s, c.octets, c.disposition)) return false;
    s.NomFichierCourant = c.nomFichier;
    s.TravailEnregistre = false;
    // This program's journal holds the work before the old one goes.
    suit();
    m_menu->OuvreEtude(c.disposition == Disposition::Vimr2);
    return true;
}

QString Reprise::ecritRecupere(const ContenuJournal& c) const {
    const QString type = c.disposition == Disposition::Vimr2 ? TYPE_VIMR2 : TYPE_MLX2;
    // The name of the file it was last saved to, without its type (after the first dot).
    QString base = QFileInfo(c.nomFichier).fileName().section(u'.', 0, 0);
    if (base.isEmpty()) base = Traduit("Travail", "Work", "Trabajo");
    const QString date = QDateTime::fromMSecsSinceEpoch(c.heure).toString("yyyy-MM-dd HH'h'mm'm'ss");
    const QString suffixe = Traduit("récupéré le", "recovered on", "recuperado el");
    const QDir dossier(dossiers().DossierTravaux);
    QString chemin = dossier.filePath(QString("%1 (%2 %3).%4").arg(base, suffixe, date, type));
    for (int i = 2; QFileInfo::exists(chemin); ++i)
        chemin = dossier.filePath(QString("%1 (%2 %3) %4.%5").arg(base, suffixe, date).arg(i).arg(type));
    return EcritFichierAtomique(chemin, c.octets) ? chemin : QString();
}
