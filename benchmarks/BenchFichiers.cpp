// Works on disk and on the clipboard: a full work (five tests of 2001 points) written and read in
// both layouts against a plain write and read of the same bytes, and the text of all its values.
#include "Rapport.h"
#include "socle/Dialogues.h"
#include "work/CopieValeurs.h"
#include "work/FichierTravail.h"
#include "work/Travail.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

Travail& travailPlein() {
    static const std::unique_ptr<Travail> t = [] {
        auto w = std::make_unique<Travail>();
        for (int e = 1; e <= NB_ESSAIS_MAX; ++e) {
            w->AjouteEssai();
            for (int k = 0; k < NB_POINTS_MAX; ++k) {
                for (int c = 1; c < NB_COLONNES; ++c)
                    w->Mesures[c] = (k * 37 + c * 1009 + e * 7) % 30000 - 15000;
                w->AjoutePoint();
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

void Ecriture(benchmark::State& etat, Disposition d) {
    Travail& t = travailPlein();
    for (auto _ : etat)
        if (!EcritTravail(t, chemin(d), d)) etat.SkipWithError("the work could not be written");
    etat.counters["octets"] = double(OctetsTravail(t, d).size());
}

void EcriturePlate(benchmark::State& etat, Disposition d) {
    const QByteArray octets = OctetsTravail(travailPlein(), d);
    const QString nom = chemin(d) + ".plat";
    for (auto _ : etat) {
        QFile f(nom);
        if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
            etat.SkipWithError("write failed");
    }
}

void Lecture(benchmark::State& etat, Disposition d) {
    EcritTravail(travailPlein(), chemin(d), d);
    auto t = std::make_unique<Travail>();
    for (auto _ : etat)
        if (!LitTravail(*t, chemin(d))) etat.SkipWithError("the work could not be read");
}

void LecturePlate(benchmark::State& etat, Disposition d) {
    EcritTravail(travailPlein(), chemin(d), d);
    for (auto _ : etat) {
        QFile f(chemin(d));
        if (!f.open(QIODevice::ReadOnly)) etat.SkipWithError("read failed");
        benchmark::DoNotOptimize(f.readAll());
    }
}

void CopieValeurs(benchmark::State& etat) {
    Travail& t = travailPlein();
    for (auto _ : etat)
        benchmark::DoNotOptimize(TexteValeurs(t, -1, DERNIERE_COLONNE_APPLICATION));
    etat.counters["plafond"] = 0.020;
}

} // namespace

BENCHMARK_CAPTURE(Ecriture, Vimr2, Disposition::Vimr2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(EcriturePlate, Vimr2, Disposition::Vimr2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Ecriture, MLX2, Disposition::MLX2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(EcriturePlate, MLX2, Disposition::MLX2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Lecture, Vimr2, Disposition::Vimr2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(LecturePlate, Vimr2, Disposition::Vimr2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Lecture, MLX2, Disposition::MLX2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(LecturePlate, MLX2, Disposition::MLX2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CopieValeurs)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    DialoguesConsole console;
    installeDialogues(&console);
    benchmark::Initialize(&argc, argv);
    Rapport rapport({
        {"full work written, Vimr2 / plain write of its bytes", "Ecriture/Vimr2", "EcriturePlate/Vimr2", "",
         3.0},
        {"full work written, MLX2 / plain write of its bytes", "Ecriture/MLX2", "EcriturePlate/MLX2", "",
         3.0},
        {"full work read, Vimr2 / plain read of its bytes", "Lecture/Vimr2", "LecturePlate/Vimr2", "", 3.0},
        {"full work read, MLX2 / plain read of its bytes", "Lecture/MLX2", "LecturePlate/MLX2", "", 3.0},
        {"values of a full work as text / 20 ms", "CopieValeurs", "", "plafond", 1.0},
    });
    benchmark::RunSpecifiedBenchmarks(&rapport);
    const bool ok = rapport.imprime();
    benchmark::Shutdown();
    installeDialogues(nullptr);
    return ok ? 0 : 1;
}
