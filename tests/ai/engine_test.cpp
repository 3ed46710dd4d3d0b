// The computer player's moves: always legal for the game object, passed exactly when the
// die has nowhere to go, optimal in the last turns, and prompt when cancelled.
#include "automate.h"
#include "partie_aleatoire.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <random>

namespace {

const std::atomic<bool> Jamais{false};

// Checks that the game object accepts k for the current turn, then plays it.
void VerifieEtJoue(TPartie& p, const TCoupAutomate& k) {
    if (p.FMode == mjMaster && p.PhCrt == phLanceDes) {
        ASSERT_NE(k.De, ndIndefini);
        ASSERT_EQ(p.Des[k.De]->Jr, p.JrCrt);
        ASSERT_EQ(p.Des[k.De]->Etat, edEnAttente);
        Choisit(p, k.De);
    } else {
        ASSERT_EQ(k.De, p.DeCrt);
    }
    const int n = p.MarqueCasesJouables();
    ASSERT_EQ(k.Passe, n == 0);
    if (!k.Passe) {
        ASSERT_TRUE(DansGrille(k.x, k.y));
        ASSERT_TRUE(p.Jouable[k.x][k.y]) << k.x << "," << k.y;
    }
    Termine(p, k.Passe ? -1 : k.x, k.Passe ? -1 : k.y);
}

// Every level plays whole games against itself and every move is legal.
TEST(Automate, JoueDesCoupsLegaux) {
    for (auto mode : {mjBlitz, mjMaster})
        for (int niveau = 0; niveau < NbNiveaux; ++niveau) {
            // The full search is slow under the sanitizers: one short stretch of game there.
            const int debut = niveau == nvExpert && Echelle == 1 ? 33 : 1;
            std::mt19937_64 g(static_cast<std::uint64_t>(11 + niveau));
            auto p = PartieAuTour(mode, debut, g);
            do {
                SCOPED_TRACE(testing::Message()
                             << "mode " << int{mode} << " level " << niveau << " turn " << int{p->TrCrt});
                VerifieEtJoue(*p, ChoisitCoup(EtatDePartie(*p), niveau, g(), Jamais));
                if (HasFatalFailure())
                    return;
            } while (p->JoueurSuivant() && (Lance(*p, g), true));
        }
}

// A 1 on every cell of the diagonal leaves a 1 no cell: the die is passed, at every level.
TEST(Automate, PasseQuandAucuneCase) {
    for (auto mode : {mjBlitz, mjMaster}) {
        TPartie p(mode);
        p.Nouvelle(mode);
        for (int i = 0; i < TailleGrille; ++i) {
            const auto d = static_cast<TNumDe>(ndD10 + 2 * i);
            p.Des[d]->Change(1);
            p.PoseDe(d, i, i);
        }
        if (mode == mjMaster)
            Choisit(p, ndG07);
        p.PhCrt = mode == mjMaster ? phPoseDe : phLanceDes;
        for (int niveau = 0; niveau < NbNiveaux; ++niveau) {
            const TCoupAutomate k = ChoisitCoup(EtatDePartie(p), niveau, 3, Jamais);
            EXPECT_TRUE(k.Passe) << "level " << niveau;
            EXPECT_EQ(k.De, mode == mjMaster ? ndG07 : ndG01);
            EXPECT_EQ(k.x, -1);
        }
    }
}

TEST(Automate, RienAJouerHorsDUnTour) {
    TPartie p(mjBlitz);
    for (int niveau = 0; niveau < NbNiveaux; ++niveau) {
        const TCoupAutomate k = ChoisitCoup(EtatDePartie(p), niveau, 1, Jamais);
        EXPECT_EQ(k.De, ndIndefini);
    }
    EXPECT_EQ(CoupAleatoire(EtatDePartie(p), 1).De, ndIndefini);
    EXPECT_EQ(CoupGlouton(EtatDePartie(p), 1).De, ndIndefini);
}

// Final margin for the player to move, with best play on both sides (mode Master).
int MargeExacte(const TEtatJeu& e) {
    if (e.Finie())
        return Score(e, e.Trait) - Score(e, Adversaire[e.Trait]);
    int meilleur = -1000;
    for (int f = 1; f <= NbFaces; ++f) {
        if (Restants(e, e.Trait, f) == 0)
            continue;
        const std::uint64_t m = CasesJouables(e, f);
        for (int c = 0; c < NbCases; ++c) {
            if (m ? !((m >> c) & 1) : c > 0)
                continue;
            TEtatJeu fils = e;
            Joue(fils, ndIndefini, f, m ? c : -1);
            meilleur = std::max(meilleur, -MargeExacte(fils));
        }
    }
    return meilleur;
}

// Expected final margin for the player to move whose die shows e.FaceDe (mode Blitz).
double EsperanceExacte(const TEtatJeu& e);
double EsperanceAvant(const TEtatJeu& e) {
    if (e.Finie())
        return Score(e, e.Trait) - Score(e, Adversaire[e.Trait]);
    double s = 0;
    for (int f = 1; f <= NbFaces; ++f) {
        TEtatJeu x = e;
        x.FaceDe = static_cast<std::uint8_t>(f);
        s += EsperanceExacte(x);
    }
    return s / NbFaces;
}
double EsperanceExacte(const TEtatJeu& e) {
    const std::uint64_t m = CasesJouables(e, e.FaceDe);
    double meilleur = -1000;
    for (int c = 0; c < NbCases; ++c) {
        if (m ? !((m >> c) & 1) : c > 0)
            continue;
        TEtatJeu fils = e;
        Joue(fils, e.De, e.FaceDe, m ? c : -1);
        meilleur = std::max(meilleur, -EsperanceAvant(fils));
    }
    return meilleur;
}

TEST(Automate, FinDePartieMasterExacte) {
    const int tour = Echelle == 1 ? 34 : 33;
    for (int i = 0; i < Echelle / 2 + 1; ++i) {
        std::mt19937_64 g(static_cast<std::uint64_t>(100 + i));
        auto p = PartieAuTour(mjMaster, tour, g);
        const TEtatJeu e = EtatDePartie(*p);
        TStatistiques st;
        const TCoupAutomate k = ChoisitCoup(e, nvExpert, 1, Jamais, &st);
        EXPECT_TRUE(st.Exacte);
        TEtatJeu fils = e;
        Joue(fils, k.De, FaceImprimee(k.De), k.Passe ? -1 : IndexCase(k.x, k.y));
        EXPECT_EQ(-MargeExacte(fils), MargeExacte(e)) << "seed " << 100 + i;
    }
}

TEST(Automate, FinDePartieBlitzExacte) {
    for (int i = 0; i < Echelle + 1; ++i) {
        std::mt19937_64 g(static_cast<std::uint64_t>(200 + i));
        auto p = PartieAuTour(mjBlitz, 35, g);
        const TEtatJeu e = EtatDePartie(*p);
        const TCoupAutomate k = ChoisitCoup(e, nvExpert, 1, Jamais);
        TEtatJeu fils = e;
        Joue(fils, k.De, e.FaceDe, k.Passe ? -1 : IndexCase(k.x, k.y));
        EXPECT_NEAR(-EsperanceAvant(fils), EsperanceExacte(e), 1e-9) << "seed " << 200 + i;
    }
}

// Cancelled before it starts, every level still answers with a legal move.
TEST(Automate, AnnuleRendUnCoupLegal) {
    const std::atomic<bool> annule{true};
    for (auto mode : {mjBlitz, mjMaster})
        for (int niveau = 0; niveau < NbNiveaux; ++niveau) {
            std::mt19937_64 g(static_cast<std::uint64_t>(niveau));
            auto p = PartieAuTour(mode, 9, g);
            VerifieEtJoue(*p, ChoisitCoup(EtatDePartie(*p), niveau, 5, annule));
        }
}

// Blitz at turn 24 is played out by sampling, which must draw on the seed alone.
TEST(Automate, MemeGraineMemeCoup) {
    for (auto mode : {mjMaster, mjBlitz}) {
        std::mt19937_64 g(42);
        auto p = PartieAuTour(mode, 24, g);
        const TEtatJeu e = EtatDePartie(*p);
        for (int niveau = 0; niveau < NbNiveaux; ++niveau) {
            const TCoupAutomate a = ChoisitCoup(e, niveau, 9, Jamais);
            const TCoupAutomate b = ChoisitCoup(e, niveau, 9, Jamais);
            EXPECT_EQ(a.De, b.De) << "mode " << int{mode} << " level " << niveau;
            EXPECT_EQ(a.x, b.x) << "mode " << int{mode} << " level " << niveau;
            EXPECT_EQ(a.y, b.y) << "mode " << int{mode} << " level " << niveau;
        }
    }
}

} // namespace
