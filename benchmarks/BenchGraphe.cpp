// A full redraw of the plot window's four graphs at 960 x 540 each, five tests of 2001 points with
// cubic interpolation, on raster images. The floor is the painter alone drawing, with
// drawPolyline, the very vertices the engine computes for the same curves.
#include "Rapport.h"
#include "TravailExemple.h"
#include "graph/CaractTravail.h"
#include "graph/Graphe.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int nbGraphes = 4;

struct Banc {
    std::unique_ptr<Travail> travail = std::make_unique<Travail>();
    SessionTravail session;
    std::vector<QImage> images;
    std::unique_ptr<TTrace> courbe = std::make_unique<TTrace>();
    // The vertices of every curve of every graph, and the same without repeated neighbours.
    std::vector<std::vector<std::vector<QPoint>>> sommets, sansRepetition;

    Banc() {
        AppliqueLangue(1);
        remplitTravailExemple(*travail, session, NB_POINTS_MAX);
        travail->EnteteTravail.Interpolation = 2;
        for (int i = 0; i < nbGraphes; ++i) {
            QImage image(960, 540, QImage::Format_RGB32);
            image.setDotsPerMeterX(3780); // 96 ppi
            image.setDotsPerMeterY(3780);
            images.push_back(image);
        }
        sommets.resize(nbGraphes);
        sansRepetition.resize(nbGraphes);
        for (int i = 0; i < nbGraphes; ++i) {
            QPainter p(&images[i]);
            TGraphe g;
            prepare(g, p, i);
            for (int e = 1; e <= NB_ESSAIS_MAX; ++e) {
                RemplitCourbe(*courbe, *travail, i + 1, e);
                std::vector<QPoint> s = g.SommetsCourbe(*courbe);
                sommets[i].push_back(s);
                s.erase(std::unique(s.begin(), s.end()), s.end());
                sansRepetition[i].push_back(s);
            }
        }
    }

    void prepare(TGraphe& g, QPainter& p, int i) const {
        g.Surface = &p;
        g.Cadre = {0, 0, 960, 540};
        g.setSchemaCouleurs(0);
        g.TaillePolice = 0;
        g.ConfigureAxes(travail->EnteteTravail.DefCaract(i + 1), session.Colonnes);
        g.Dispose();
    }

    // What the panels do on a full redraw: layout, frame, every curve, the cursor reset.
    void redessine() {
        for (int i = 0; i < nbGraphes; ++i) {
            QPainter p(&images[i]);
            TGraphe g;
            prepare(g, p, i);
            g.TraceCadre();
            for (int e = 1; e <= NB_ESSAIS_MAX; ++e) {
                RemplitCourbe(*courbe, *travail, i + 1, e);
                g.TraceCourbe(*courbe);
            }
            g.InitialiseCurseur(TCurseurXor::Reticule, 1);
        }
    }

    void polylines(const std::vector<std::vector<std::vector<QPoint>>>& lignes) {
        for (int i = 0; i < nbGraphes; ++i) {
            QPainter p(&images[i]);
            p.setPen(QPen(Qt::red, 1));
            for (const std::vector<QPoint>& s : lignes[i])
                p.drawPolyline(s.data(), int(s.size()));
        }
    }
};

Banc& banc() {
    static Banc b;
    return b;
}

void Redessin(benchmark::State& etat) {
    Banc& b = banc();
    for (auto _ : etat)
        b.redessine();
    std::size_t n = 0;
    for (const auto& g : b.sommets)
        for (const auto& s : g)
            n += s.size();
    etat.counters["vertices"] = double(n);
}

void Polyline(benchmark::State& etat) {
    Banc& b = banc();
    for (auto _ : etat)
        b.polylines(b.sommets);
}

void PolylineSansRepetition(benchmark::State& etat) {
    Banc& b = banc();
    for (auto _ : etat)
        b.polylines(b.sansRepetition);
}

// The cursor following the measurement over a full graph: XOR off and on, no redraw.
void DeplacementCurseur(benchmark::State& etat) {
    Banc& b = banc();
    QPainter p(&b.images[0]);
    TGraphe g;
    b.prepare(g, p, 0);
    g.TraceCadre();
    for (int e = 1; e <= NB_ESSAIS_MAX; ++e) {
        RemplitCourbe(*b.courbe, *b.travail, 1, e);
        g.TraceCourbe(*b.courbe);
    }
    g.InitialiseCurseur(TCurseurXor::Reticule, 1);
    const TDefCaract& d = b.travail->EnteteTravail.DefCaract(1);
    const TEssai& essai = b.travail->Essais[1];
    int k = 0;
    for (auto _ : etat) {
        const int j = k++ % NB_POINTS_MAX;
        g.PlaceCurseur(essai.valeur(d.ColonneX, j), essai.valeur(d.ColonneY, j));
    }
    etat.counters["plafond"] = 0.0002;
}

} // namespace

BENCHMARK(DeplacementCurseur)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(Redessin)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(Polyline)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(PolylineSansRepetition)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Rapport rapport({
        {"4 graphs 960x540, 5 x 2001 points, cubic / drawPolyline", "Redessin", "Polyline", "", 3.0, 16.0},
        {"the same / drawPolyline without repeated vertices", "Redessin", "PolylineSansRepetition", "", 3.0,
         16.0},
        {"cursor moved on a full graph / 0.2 ms", "DeplacementCurseur", "", "plafond", 1.0},
    });
    benchmark::RunSpecifiedBenchmarks(&rapport);
    const bool ok = rapport.imprime();
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
