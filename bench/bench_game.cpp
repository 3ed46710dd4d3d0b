// Complete random games through the model, played as the turn controller drives it; one
// item is one game of 36 turns.
#include "base.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

void JouePartie(TPartie& P, TModeJeu mode, std::mt19937& alea) {
    P.Nouvelle(mode);
    std::vector<TNumDe> choix;
    choix.reserve(NbDes);
    do {
        if (mode == mjBlitz) {
            P.Des[P.DeCrt]->Change(static_cast<std::uint8_t>(alea() % NbFaces + 1));
        } else {
            choix.clear();
            for (int n = ndG01; n <= NbDes; ++n)
                if (P.Des[n]->Jr == P.JrCrt && P.Des[n]->Etat == edEnAttente)
                    choix.push_back(static_cast<TNumDe>(n));
            P.DeCrt = choix[alea() % choix.size()];
            P.Des[P.DeCrt]->Etat = edLance;
            P.PhCrt = phPoseDe;
        }
        const int n = P.MarqueCasesJouables();
        if (n == 0) {
            P.PasseDe(P.DeCrt);
            P.PhaseSuivante();
            P.PhaseSuivante();
            continue;
        }
        if (mode == mjBlitz)
            P.PhaseSuivante();
        // The k-th marked cell, counted in the marking's own order.
        int k = static_cast<int>(alea() % static_cast<unsigned>(n));
        int x = 0;
        int y = 0;
        for (int i = 0; i < TailleGrille * TailleGrille; ++i)
            if (P.Jouable[i / TailleGrille][i % TailleGrille] && k-- == 0) {
                x = i / TailleGrille;
                y = i % TailleGrille;
                break;
            }
        const TNumDe d = P.DeCrt;
        P.PoseDe(d, x, y);
        std::unique_ptr<TListeDes> prises;
        P.CaptureDes(d, static_cast<TCoordonnee>(x), static_cast<TCoordonnee>(y), prises, true);
        P.SuiteCree(static_cast<TCoordonnee>(x), static_cast<TCoordonnee>(y));
        P.PhaseSuivante();
    } while (P.JoueurSuivant());
}

void BM_PartieComplete(benchmark::State& state, TModeJeu mode) {
    TPartie P(mode);
    std::mt19937 alea(20261211u + mode);
    for (auto _ : state) {
        JouePartie(P, mode, alea);
        // The end of the game reads both totals, as FinDePartie does.
        benchmark::DoNotOptimize(P.Score(jGauche) - P.Score(jDroite));
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(BM_PartieComplete, Blitz, mjBlitz);
BENCHMARK_CAPTURE(BM_PartieComplete, Master, mjMaster);

} // namespace

BENCHMARK_MAIN();
