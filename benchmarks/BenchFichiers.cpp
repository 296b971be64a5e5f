// Works on disk and on the clipboard: a full work (five tests of 2001 points) written and read in
// both layouts against a plain write and read of the same bytes, the text of all its values, its
// export for a report, and a point of a full work reaching the recovery journal.
#include "Rapport.h"
#include "TravailExemple.h"
#include "graph/Export.h"
#include "socle/Dialogues.h"
#include "work/CopieValeurs.h"
#include "work/FichierTravail.h"
#include "work/JournalTravail.h"
#include "work/Travail.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

SessionTravail& sessionPleine() {
    static SessionTravail s;
    return s;
}

Travail& travailPlein() {
    static const std::unique_ptr<Travail> t = [] {
        auto w = std::make_unique<Travail>();
        SessionTravail& sessionW = sessionPleine();
        VecteurMesures m{};
        for (int e = 1; e <= NB_ESSAIS_MAX; ++e) {
            w->AjouteEssai(sessionW);
            for (int k = 0; k < NB_POINTS_MAX; ++k) {
                for (int c = 1; c < NB_COLONNES; ++c)
                    m[c] = (k * 37 + c * 1009 + e * 7) % 30000 - 15000;
                w->AjoutePoint(sessionW, m);
            }
        }
        return w;
    }();
    return *t;
}

QTemporaryDir& dossier() {
    static QTemporaryDir d;
    return d;
}

QString chemin(Disposition d) {
    return QDir(dossier().path()).filePath(d == Disposition::MLX2 ? "w.MLX2" : "w.Vimr2");
}

// Batches of writes or reads of the full work, each against the same bytes written or read
// plainly, in alternation (tempsAlternes): 101 batches each way of 2 writes, 501 of 2 reads.

void Ecriture(benchmark::State& etat, Disposition d) {
    Travail& t = travailPlein();
    const QByteArray octets = OctetsTravail(t, d);
    const QString plat = chemin(d) + ".plat";
    for (auto _ : etat) {
        const auto [travail, simple] = tempsAlternes(
            [&] {
                if (!EcritTravail(t, sessionPleine(), chemin(d), d))
                    etat.SkipWithError("the work could not be written");
            },
            // The same bytes in one write, replacing the file the same safe way: a temporary file
            // synced to disk, then renamed.
            [&] {
                QSaveFile f(plat);
                if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size() || !f.commit())
                    etat.SkipWithError("write failed");
            },
            101, 2);
        etat.SetIterationTime(travail);
        etat.counters["plain"] = simple;
    }
    etat.counters["octets"] = double(octets.size());
}

void Lecture(benchmark::State& etat, Disposition d) {
    EcritTravail(travailPlein(), sessionPleine(), chemin(d), d);
    auto t = std::make_unique<Travail>();
    SessionTravail session;
    for (auto _ : etat) {
        const auto [travail, simple] = tempsAlternes(
            [&] {
                if (!LitTravail(*t, session, chemin(d))) etat.SkipWithError("the work could not be read");
            },
            [&] {
                QFile f(chemin(d));
                if (!f.open(QIODevice::ReadOnly)) etat.SkipWithError("read failed");
                benchmark::DoNotOptimize(f.readAll());
            },
            501, 2);
        etat.SetIterationTime(travail);
        etat.counters["plain"] = simple;
    }
}

void CopieValeurs(benchmark::State& etat) {
    Travail& t = travailPlein();
    for (auto _ : etat)
        benchmark::DoNotOptimize(TexteValeurs(t, sessionPleine(), -1, DERNIERE_COLONNE_APPLICATION));
    etat.counters["plafond"] = 0.020;
}

// The export of a full work with its four characteristics, as "Exporter…" writes it.
void Export(benchmark::State& etat, bool classeur) {
    static SessionTravail session;
    static const std::unique_ptr<Travail> t = [] {
        auto w = std::make_unique<Travail>();
        remplitTravailExemple(*w, session, NB_POINTS_MAX);
        w->EnteteTravail.Commentaire.setTexte("Moteur à courant continu");
        return w;
    }();
    const QString nom = QDir(dossier().path()).filePath(classeur ? "export.xlsx" : "export.csv");
    const OptionsExport o;
    QString erreur;
    for (auto _ : etat)
        if (!(classeur ? EcritXlsx(*t, session, o, nom, &erreur) : EcritCsv(*t, session, o, nom, &erreur)))
            etat.SkipWithError(erreur.toStdString().c_str());
    etat.counters["plafond"] = 1.0;
    etat.counters["octets"] = double(QFileInfo(nom).size());
}

// Points recorded one per 50 ms tick into the last test of a full work (four tests of 2001 points,
// the fifth from 1000), each followed by the journal as the program's timer does; the clock moves
// 50 ms a point, so the journal reaches the disk once every 20 points. The journal lives beside the
// program, on the disk its settings are on, as it does when the program runs from its folder.
constexpr int POINTS_JOURNAL = 1000;

void JournalPoint(benchmark::State& etat) {
    auto t = std::make_unique<Travail>();
    SessionTravail session;
    remplitTravailExemple(*t, session, NB_POINTS_MAX);
    t->Essais[NB_ESSAIS_MAX].Entete.DernierPoint() = NB_POINTS_MAX - POINTS_JOURNAL - 2;
    session.EssaiCourant = NB_ESSAIS_MAX;
    session.TravailEnregistre = false;
    const QTemporaryDir dossier(QCoreApplication::applicationDirPath() + "/journal-XXXXXX");
    EcrivainJournal journal(dossier.filePath("bench.journal"), false);
    qint64 heure = 1'765'000'000'000;
    if (journal.suit(*t, session, heure) != EcrivainJournal::Resultat::Ecrit)
        etat.SkipWithError("no journal");
    const qint64 base = journal.taille();
    int k = 0;
    VecteurMesures m{};
    for (auto _ : etat) {
        ++k;
        m[1] = 1300 - k % 17;
        m[2] = 1000 + k % 800;
        for (int c = 3; c < NB_COLONNES; ++c)
            m[c] = c * 100 + k;
        if (t->AjoutePoint(session, m) != ResultatAjout::Ajoute) etat.SkipWithError("the test is full");
        session.TravailEnregistre = false;
        if (journal.suit(*t, session, heure += 50) != EcrivainJournal::Resultat::Ecrit)
            etat.SkipWithError("the journal could not be written");
    }
    etat.counters["tic"] = 0.050;
    etat.counters["octets par point"] = double(journal.taille() - base) / k;
}

} // namespace

BENCHMARK(JournalPoint)
    ->Iterations(POINTS_JOURNAL)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Ecriture, Vimr2, Disposition::Vimr2)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ecriture, MLX2, Disposition::MLX2)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Lecture, Vimr2, Disposition::Vimr2)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Lecture, MLX2, Disposition::MLX2)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CopieValeurs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Export, Xlsx, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Export, Csv, false)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    DialoguesConsole console;
    installeDialogues(&console);
    benchmark::Initialize(&argc, argv);
    Rapport rapport({
        {"full work written, Vimr2 / its bytes saved alike", "Ecriture/Vimr2", "", "plain", 3.0},
        {"full work written, MLX2 / its bytes saved alike", "Ecriture/MLX2", "", "plain", 3.0},
        {"full work read, Vimr2 / plain read of its bytes", "Lecture/Vimr2", "", "plain", 3.0},
        {"full work read, MLX2 / plain read of its bytes", "Lecture/MLX2", "", "plain", 3.0},
        {"values of a full work as text / 20 ms", "CopieValeurs", "", "plafond", 1.0},
        {"export of a full work (5 x 2001 points) to XLSX / 1 s", "Export/Xlsx", "", "plafond", 1.0},
        {"export of a full work (5 x 2001 points) to CSV / 1 s", "Export/Csv", "", "plafond", 1.0},
        {"journalling one point of a full work (its fsync policy included) / 50 ms tick", "JournalPoint", "",
         "tic", 0.02},
    });
    benchmark::RunSpecifiedBenchmarks(&rapport);
    const bool ok = rapport.imprime();
    benchmark::Shutdown();
    installeDialogues(nullptr);
    return ok ? 0 : 1;
}
