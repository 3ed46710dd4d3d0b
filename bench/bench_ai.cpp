// The computer player's speed: playable cells, captures, a move on a copy of the state, and
// the positions per second of its searches at their full strength (in Blitz Expert's
// positions are the turns of its played-out games, and its last turns are exact).
#include "automate.h"
#include "recherche.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <bit>
#include <memory>
#include <random>
#include <vector>

namespace {

const std::atomic<bool> Jamais{false};

// Middle-game positions reached by greedy play, turn `tour` open.
std::vector<TEtatJeu> Positions(TModeJeu mode, int tour, int combien) {
    std::vector<TEtatJeu> v;
    for (int i = 0; i < combien; ++i) {
        std::mt19937_64 g(static_cast<std::uint64_t>(i + 1));
        TPartie p(mode);
        p.Nouvelle(mode);
        while (true) {
            if (mode == mjBlitz)
                p.Des[p.DeCrt]->Change(static_cast<std::uint8_t>(g() % NbFaces + 1));
            const TEtatJeu e = EtatDePartie(p);
            if (p.TrCrt == tour) {
                v.push_back(e);
                break;
            }
            const TCoupAutomate k = CoupGlouton(e, g());
            if (mode == mjMaster) {
                p.DeCrt = k.De;
                p.Des[k.De]->Etat = edLance;
                p.PhCrt = phPoseDe;
            }
            p.MarqueCasesJouables();
            if (k.Passe) {
                p.PasseDe(p.DeCrt);
            } else {
                p.PoseDe(p.DeCrt, k.x, k.y);
                std::unique_ptr<TListeDes> l;
                p.CaptureDes(p.DeCrt, static_cast<TCoordonnee>(k.x), static_cast<TCoordonnee>(k.y), l, true);
                p.SuiteCree(static_cast<TCoordonnee>(k.x), static_cast<TCoordonnee>(k.y));
            }
            p.PhCrt = phResultatPose;
            p.JoueurSuivant();
        }
    }
    return v;
}

// All moves of a Master position: playable cells of each face, then each move made on a copy
// (the copy is the undo).
void BM_GenereEtJoue(benchmark::State& st) {
    const auto v = Positions(mjMaster, 16, 16);
    std::size_t i = 0;
    long long coups = 0;
    for (auto _ : st) {
        const TEtatJeu& e = v[i++ % v.size()];
        for (int f = 1; f <= NbFaces; ++f) {
            if (Restants(e, e.Trait, f) == 0)
                continue;
            for (std::uint64_t b = CasesJouables(e, f); b; b &= b - 1) {
                TEtatJeu fils = e;
                benchmark::DoNotOptimize(Joue(fils, ndIndefini, f, std::countr_zero(b)));
                benchmark::DoNotOptimize(fils);
                ++coups;
            }
        }
    }
    st.counters["moves/s"] = benchmark::Counter(static_cast<double>(coups), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GenereEtJoue);

// The immediate gain of every move, which orders the search and values its last turn.
void BM_GainImmediat(benchmark::State& st) {
    const auto v = Positions(mjMaster, 16, 16);
    std::size_t i = 0;
    long long coups = 0;
    for (auto _ : st) {
        const TEtatJeu& e = v[i++ % v.size()];
        int s = 0;
        for (int f = 1; f <= NbFaces; ++f)
            for (std::uint64_t b = CasesJouables(e, f); b; b &= b - 1, ++coups)
                s += GainImmediat(e, f, std::countr_zero(b), e.Trait);
        benchmark::DoNotOptimize(s);
    }
    st.counters["moves/s"] = benchmark::Counter(static_cast<double>(coups), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GainImmediat);

void Recherche(benchmark::State& st, TModeJeu mode, int tour, int niveau) {
    const auto v = Positions(mode, tour, 8);
    std::size_t i = 0;
    long long positions = 0;
    for (auto _ : st) {
        TStatistiques s;
        benchmark::DoNotOptimize(ChoisitCoup(v[i++ % v.size()], niveau, 1, Jamais, &s));
        positions += s.Positions;
    }
    st.counters["positions/s"] =
        benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(Recherche, master_expert_tour8, mjMaster, 8, nvExpert)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recherche, master_expert_tour24, mjMaster, 24, nvExpert)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recherche, master_confirme_tour16, mjMaster, 16, nvConfirme)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recherche, blitz_expert_tour8, mjBlitz, 8, nvExpert)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recherche, blitz_expert_tour24, mjBlitz, 24, nvExpert)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recherche, blitz_expert_tour33, mjBlitz, 33, nvExpert)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recherche, blitz_confirme_tour16, mjBlitz, 16, nvConfirme)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
