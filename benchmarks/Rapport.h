#pragma once
// One table for a benchmark run: each figure's median, the floor or peer measured in the same run,
// and their ratio against the target.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Two ways of doing a thing, timed in alternation: `lots` batches of `taille` operations each, the
// first way first in one batch and second in the next, so that whatever else the machine does
// weighs on both alike. Other work on the machine only ever adds time to a batch: the figure of
// each way is its lower quartile over the batches, the time of one operation in seconds, which
// moves far less from run to run than the median on a loaded machine.
template <class A, class B> std::pair<double, double> tempsAlternes(A a, B b, int lots, int taille) {
    using horloge = std::chrono::steady_clock;
    std::vector<double> ta, tb;
    const auto lot = [taille](auto& f, std::vector<double>& temps) {
        const auto debut = horloge::now();
        for (int i = 0; i < taille; ++i)
            f();
        temps.push_back(std::chrono::duration<double>(horloge::now() - debut).count() / taille);
    };
    for (int l = 0; l < lots; ++l) {
        if (l % 2 == 0) {
            lot(a, ta);
            lot(b, tb);
        } else {
            lot(b, tb);
            lot(a, ta);
        }
    }
    const auto quartile = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 4, v.end());
        return v[v.size() / 4];
    };
    return {quartile(ta), quartile(tb)};
}

class Rapport : public benchmark::ConsoleReporter {
public:
    struct Ligne {
        std::string figure;
        std::string mesure;      // benchmark name
        std::string reference;   // benchmark name, or empty when the floor is a counter of `mesure`
        std::string compteur;    // counter of `mesure` holding the floor in seconds
        double cible;            // the ratio must not exceed this
        double plafondMs = 0;    // and, when set, the median must stay under this
        std::string valeur = {}; // when set, the counter of `mesure` holding the figure in seconds,
                                 // instead of the run's time
    };

    explicit Rapport(std::vector<Ligne> lignes) : m_lignes(std::move(lignes)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            // The median of the repetitions, or the single run.
            const bool median = r.aggregate_name == "median";
            if (r.run_type == Run::RT_Aggregate && !median) continue;
            // The name as written in the table: function and arguments, without the run's options.
            const std::string nom =
                r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args);
            if (r.run_type == Run::RT_Iteration && m_temps.count(nom)) continue;
            m_temps[nom] = r.GetAdjustedRealTime() * 1e-9 * multiplicateur(r.time_unit);
            for (const auto& [cle, c] : r.counters)
                m_compteurs[nom][cle] = c.value;
        }
    }

    // Prints the table; false when a figure misses its target.
    bool imprime() const {
        bool bon = true;
        std::printf("\n%-58s %12s %12s %8s %8s\n", "figure", "measured", "floor/peer", "ratio", "target");
        for (const Ligne& l : m_lignes) {
            const auto t = m_temps.find(l.mesure);
            if (t == m_temps.end()) continue;
            double mesure = t->second;
            if (!l.valeur.empty()) {
                const auto c = m_compteurs.find(l.mesure);
                if (c == m_compteurs.end() || !c->second.count(l.valeur)) continue;
                mesure = c->second.at(l.valeur);
            }
            double ref = 0;
            if (!l.reference.empty()) {
                const auto r = m_temps.find(l.reference);
                if (r == m_temps.end()) continue;
                ref = r->second;
            } else if (!l.compteur.empty()) {
                const auto c = m_compteurs.find(l.mesure);
                if (c == m_compteurs.end() || !c->second.count(l.compteur)) continue;
                ref = c->second.at(l.compteur);
            } else {
                // A figure shown for what it is, with no floor to compare against.
                std::printf("%-58s %10.3fms %12s %8s %8s\n", l.figure.c_str(), mesure * 1e3, "-", "-", "-");
                continue;
            }
            const double ratio = mesure / ref;
            const bool ok = ratio <= l.cible && (l.plafondMs == 0 || mesure * 1e3 <= l.plafondMs);
            bon = bon && ok;
            std::printf("%-58s %10.3fms %10.3fms %8.3f %8.2f%s\n", l.figure.c_str(), mesure * 1e3, ref * 1e3,
                        ratio, l.cible, ok ? "" : "  MISSED");
        }
        return bon;
    }

private:
    static double multiplicateur(benchmark::TimeUnit u) {
        switch (u) {
        case benchmark::kNanosecond:
            return 1;
        case benchmark::kMicrosecond:
            return 1e3;
        case benchmark::kMillisecond:
            return 1e6;
        case benchmark::kSecond:
            return 1e9;
        }
        return 1;
    }
    std::vector<Ligne> m_lignes;
    std::map<std::string, double> m_temps;
    std::map<std::string, std::map<std::string, double>> m_compteurs;
};
