#pragma once
// The work in progress kept safe across a crash, a kill or a power cut. While the program runs, its
// work's journal follows every change (five times a second); a clean end removes it. At start-up,
// the journals that programs which are gone left behind are offered again: restored as the work
// in progress, or written into the work folder as a recovered work file.
//
// Each running program holds the lock of its own journal, so that a second program never reads,
// takes or overwrites it; the demo bench keeps its journals apart from the real bench's.

#include "work/JournalTravail.h"

#include <QObject>
#include <QTimer>

#include <memory>

class QLockFile;
class TFormMachine2;

class Reprise : public QObject {
public:
    // The journals of `dossier` (the demo's are below it, in "Demo"). The lock of this program's
    // journal is taken at once.
    Reprise(const QString& dossier, bool demo, TFormMachine2* menu);
    // A clean end: the work was saved or given up as its user chose; the journal goes.
    ~Reprise() override;
    Reprise(const Reprise&) = delete;
    Reprise& operator=(const Reprise&) = delete;

    // Offers, one by one, the journals of programs that are gone (the newest first).
    void offre();
    // Brings this program's journal in line with the work.
    void suit();

    QString dossier() const { return m_dossier; }
    QString cheminJournal() const;

private:
    // A journal of a program that is gone, locked by this one while it is dealt with.
    void traite(const QString& chemin, bool& restaure, QStringList& ecrits);
    bool restaure(const ContenuJournal& c);
    QString ecritRecupere(const ContenuJournal& c) const;

    QString m_dossier;
    TFormMachine2* m_menu;
    std::unique_ptr<QLockFile> m_verrou;
    std::unique_ptr<EcrivainJournal> m_journal;
    QTimer m_minuterie;
    bool m_averti = false;
};

// What the question at start-up says of a recovered work, in the current language.
QString DescriptionReprise(const ContenuJournal& c, const Travail& t);
