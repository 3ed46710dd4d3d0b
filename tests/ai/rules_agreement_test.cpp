// The computer's compact copy of the game must follow the game object's rules to the point:
// random games are played through the game object and, turn after turn, every rule of the
// copy is compared with the object's answer on the same position.
#include "etat.h"
#include "partie_aleatoire.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <vector>

namespace {

constexpr std::array<TCompteur, 5> Compteurs{cDRAJ, cDC, cDNJ, cSM, cSP};

void ComparePlateau(const TEtatJeu& a, const TEtatJeu& b) {
    EXPECT_EQ(a.Face, b.Face);
    EXPECT_EQ(a.Occupe, b.Occupe);
    EXPECT_EQ(a.FacesLigne, b.FacesLigne);
    EXPECT_EQ(a.FacesColonne, b.FacesColonne);
    EXPECT_EQ(a.EnAttente, b.EnAttente);
    EXPECT_EQ(a.Cle, b.Cle);
    EXPECT_EQ(ClePosition(a), ClePosition(b));
}

void CompareCompteurs(const TPartie& p, const TEtatJeu& e) {
    for (auto j : {jIndefini, jGauche, jDroite}) {
        for (auto c : Compteurs) {
            EXPECT_EQ(Compte(e, j, c), p.Compte(j, c)) << "player " << int{j} << " counter " << int{c};
            EXPECT_EQ(Score(e, j, c), p.Score(j, c)) << "player " << int{j} << " counter " << int{c};
        }
        EXPECT_EQ(Score(e, j), p.Score(j)) << "player " << int{j};
    }
}

// The points of the suites that the placement on (x, y) has just formed, read from the records.
int SuitesFormees(const TPartie& p, int x, int y) {
    int s = 0;
    for (auto o : {oHorizontale, oVerticale}) {
        const TSuiteDes& r = *p.Suites[o][o == oHorizontale ? y : x];
        if (r.ExisteTjrs(p.Gr) && r.x == x && r.y == y)
            s += r.Score(p.Gr, p.Des);
    }
    return s;
}

void JoueEtCompare(TModeJeu mode, std::uint64_t graine) {
    std::mt19937_64 g(graine);
    TPartie p(mode);
    p.Nouvelle(mode);
    Lance(p, g);
    TEtatJeu suivi = EtatDePartie(p);
    do {
        SCOPED_TRACE(testing::Message() << "seed " << graine << " turn " << int{p.TrCrt});
        ComparePlateau(EtatDePartie(p), suivi);
        if (mode == mjMaster) {
            const auto v = DesEnAttente(p);
            Choisit(p, v[g() % v.size()]);
        }
        const TEtatJeu e = EtatDePartie(p);
        ASSERT_EQ(e.Tour, p.TrCrt);
        ASSERT_EQ(e.Trait, p.JrCrt);
        ASSERT_EQ(e.De, p.DeCrt);
        const TIdJoueur j = p.JrCrt;
        const int f = p.Des[p.DeCrt]->FFace;
        ASSERT_EQ(e.FaceDe, f);

        const int n = p.MarqueCasesJouables();
        const std::uint64_t jouables = CasesJouables(e, f);
        ASSERT_EQ(std::popcount(jouables), n);
        std::vector<int> cases;
        int meilleur = 0;
        for (int x = 0; x < TailleGrille; ++x)
            for (int y = 0; y < TailleGrille; ++y) {
                const int c = IndexCase(x, y);
                ASSERT_EQ(p.Jouable[x][y], ((jouables >> c) & 1) != 0) << "cell " << x << "," << y;
                if (!p.Jouable[x][y])
                    continue;
                cases.push_back(c);
                std::unique_ptr<TListeDes> liste;
                p.CaptureDes(p.DeCrt, static_cast<TCoordonnee>(x), static_cast<TCoordonnee>(y), liste, false);
                std::vector<int> attendu;
                for (const TListeDes* l = liste.get(); l; l = l->Svt.get())
                    attendu.push_back(IndexCase(p.Des[l->NumDe]->x, p.Des[l->NumDe]->y));
                const TCapturesCompactes k = CalculeCaptures(e, c, f, j);
                const std::vector<int> obtenu(k.Cases.begin(), k.Cases.begin() + k.Nombre);
                EXPECT_EQ(obtenu, attendu) << "cell " << x << "," << y;
                EXPECT_EQ(k.Points, p.Scores[x][y]);
                EXPECT_EQ(k.Adverses, liste ? liste->Des(p.Des, Adversaire[j]) : 0);
                meilleur = std::max(meilleur, k.Points);
            }

        // A random cell, often the best capture, so that captures and broken suites abound.
        int c = -1;
        if (!cases.empty()) {
            c = cases[g() % cases.size()];
            if (meilleur > 0 && g() % 2 == 0)
                for (int k : cases)
                    if (CalculeCaptures(e, k, f, j).Points == meilleur)
                        c = k;
        }
        const int gain = c < 0 ? -1 : GainImmediat(e, f, c, j);
        const int immediats = c < 0 ? 0 : PointsImmediats(e, f, c, j);
        const int avant = p.Score(j) - p.Score(Adversaire[j]);
        const int capturesAvant = p.Score(j, cDC);

        const bool suite = Termine(p, c < 0 ? -1 : XCase(c), c < 0 ? -1 : YCase(c));
        const TResultatCoup r = Joue(suivi, p.DeCrt, f, c);

        EXPECT_EQ(r.Suites > 0, suite);
        EXPECT_EQ(r.Points, p.Score(j, cDC) - capturesAvant);
        EXPECT_EQ(gain, p.Score(j) - p.Score(Adversaire[j]) - avant);
        if (c >= 0) {
            EXPECT_EQ(immediats, r.Points + SuitesFormees(p, XCase(c), YCase(c)));
        }
        // The compact copy draws the next die of Blitz with the move, the game object when
        // the turn is passed: compare once both have opened the next turn.
        const bool suivant = p.JoueurSuivant();
        CompareCompteurs(p, suivi);
        if (testing::Test::HasFailure() || !suivant)
            break;
        Lance(p, g);
    } while (true);
    EXPECT_TRUE(suivi.Finie());
}

TEST(AccordDesRegles, PartiesBlitzAuHasard) {
    for (int i = 0; i < 20 * Echelle && !HasFailure(); ++i)
        JoueEtCompare(mjBlitz, 1000 + static_cast<std::uint64_t>(i));
}

TEST(AccordDesRegles, PartiesMasterAuHasard) {
    for (int i = 0; i < 20 * Echelle && !HasFailure(); ++i)
        JoueEtCompare(mjMaster, 5000 + static_cast<std::uint64_t>(i));
}

// The snapshot of a game between turns, finished or not started, opens no turn.
TEST(AccordDesRegles, InstantaneSansTourOuvert) {
    TPartie p(mjMaster);
    EXPECT_TRUE(EtatDePartie(p).Finie());
    std::mt19937_64 g(7);
    auto q = PartieAuTour(mjBlitz, 36, g);
    TourAleatoire(*q, g);
    EXPECT_FALSE(q->JoueurSuivant());
    const TEtatJeu e = EtatDePartie(*q);
    EXPECT_TRUE(e.Finie());
    CompareCompteurs(*q, e);
}

} // namespace
