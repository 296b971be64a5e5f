#pragma once
// The recovery journal of the work in progress. From the first change of a work that is not saved,
// the journal holds what rebuilds the work exactly as a save would write it: a base (the work's
// bytes, its layout and the file it was last saved to) followed by records of what changed since
// (the work header, a test header, a run of points), each record whole or not at all behind its
// own length and CRC-32. A point costs a record of its own values; the whole work is written again
// only when a new base is due (a new layout or file name, or a journal grown past its work).
//
// The records reach the system at once, so that a killed program loses nothing written; they reach
// the disk (fsync) at most once a second, and at once after a change of structure (a base, a test
// added or deleted, points rewritten by a sort or a deletion).

#include "work/FichierTravail.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class Travail;
struct SessionTravail;
struct TEssai;

inline constexpr int VERSION_JOURNAL = 1;

// What a journal holds, as read back.
struct ContenuJournal {
    enum class Lecture {
        Complet,            // every record read
        Endommage,          // the records before the damage; what follows was lost
        Vide,               // a journal with no work in it yet
        PasUnJournal,       // not a journal, or damaged before its work was read: nothing read
        VersionPlusRecente, // written by a newer program: nothing read
    };
    Lecture lecture = Lecture::PasUnJournal;
    bool demo = false;
    Disposition disposition = Disposition::MLX2;
    QString nomFichier;      // the file the work was last saved to, empty when never saved
    qint64 heure = 0;        // of the last change read, milliseconds since the epoch (UTC)
    int enregistrements = 0; // records read, the base included
    QByteArray octets;       // the work as a save would write it; empty when nothing was read

    bool travailLu() const { return lecture == Lecture::Complet || lecture == Lecture::Endommage; }
};

// Reads a journal's bytes; never trusts them: a record that does not check out ends the reading.
ContenuJournal LitJournal(const QByteArray& octets);

// The journal one program keeps of its work. Every call is quick: the work is compared with what
// the journal already holds, and only the difference is written.
class EcrivainJournal {
public:
    enum class Resultat {
        Rien,     // the journal already agreed with the work
        Ecrit,    // a record or a new base was written
        Supprime, // the work is saved: the journal was removed
        Echec,    // the journal could not be written: the work is not protected
    };

    EcrivainJournal(QString chemin, bool demo);
    ~EcrivainJournal();
    EcrivainJournal(const EcrivainJournal&) = delete;
    EcrivainJournal& operator=(const EcrivainJournal&) = delete;

    // Brings the journal in line with the work at `maintenant` (milliseconds since the epoch): a
    // saved work has none; an unsaved one has what rebuilds it. After a failure, a new base is
    // tried again at most every 10 s.
    Resultat suit(const Travail& t, const SessionTravail& s, qint64 maintenant);
    // The work is ended as its user chose: the journal goes.
    void supprime();
    const QString& chemin() const { return m_chemin; }
    bool existe() const { return m_base; }
    // Bytes written to the journal since its base, and its records: for the benchmarks.
    qint64 taille() const { return m_taille; }

private:
    struct Ombre;
    bool ecritBase(const Travail& t, const SessionTravail& s, Disposition d, qint64 maintenant);
    bool ajoute(const QByteArray& corps, bool structure, qint64 maintenant);
    void synchroniseDisque(qint64 maintenant);

    QString m_chemin;
    bool m_demo;
    QFile m_fichier;
    bool m_base = false;
    bool m_enAttente = false; // written since the last fsync
    qint64 m_dernierFsync = 0;
    qint64 m_dernierEchec = -1;
    qint64 m_taille = 0;
    qint64 m_tailleTravail = 0;
    std::unique_ptr<Ombre> m_ombre; // what the journal holds, to compare the work with
};

// The CRC-32 of the records (the polynomial of zip and PNG).
uint32_t Crc32(const char* octets, qsizetype n);
