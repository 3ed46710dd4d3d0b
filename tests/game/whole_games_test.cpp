// Thousands of complete random games in both modes, played through the model exactly as the
// turn controller drives it, with every rule of the game checked after every turn.
#include "fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int NbParties = 2000;

// What the games went through, so that a property that held only because nothing happened
// shows up.
struct Bilan {
    int Passes = 0;
    int ToursAvecPrises = 0;
    int DesPris = 0;
    int PlusGrandePrise = 0;
    int Suites = 0;
    int SuitesPropres = 0;
    int DoublesSuites = 0;
    int SuitesCassees = 0;
    std::array<int, 3> Victoires{}; // [jIndefini] counts the draws
};

#define EXIGE(cond)                                                                                          \
    do {                                                                                                     \
        if (!(cond))                                                                                         \
            return std::string("line ") + std::to_string(__LINE__) + ": " #cond;                             \
    } while (0)

bool LignePleine(const TPartie& P, TOrientation o, int Pos) {
    for (int i = 0; i < TailleGrille; ++i)
        if ((o == oHorizontale ? P.Gr[i][Pos] : P.Gr[Pos][i]) == ndIndefini)
            return false;
    return true;
}

// The placement rule, written out again independently of the model.
bool Permise(const TPartie& P, int face, int x, int y) {
    if (P.Gr[x][y] != ndIndefini)
        return false;
    for (int i = 0; i < TailleGrille; ++i)
        for (const TNumDe d : {P.Gr[i][y], P.Gr[x][i]})
            if (d != ndIndefini && P.Des[d]->FFace == face)
                return false;
    return true;
}

// What must hold between two turns; "" when it all does.
std::string Incoherence(const TPartie& P) {
    // No row or column shows a face twice.
    for (int a = 0; a < TailleGrille; ++a) {
        std::array<int, NbFaces + 1> ligne{};
        std::array<int, NbFaces + 1> colonne{};
        for (int i = 0; i < TailleGrille; ++i) {
            if (P.Gr[i][a] != ndIndefini)
                EXIGE(++ligne[P.Des[P.Gr[i][a]]->FFace] == 1);
            if (P.Gr[a][i] != ndIndefini)
                EXIGE(++colonne[P.Des[P.Gr[a][i]]->FFace] == 1);
        }
    }

    // The board and the dice agree.
    int surGrille = 0;
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y) {
            const TNumDe d = P.Gr[x][y];
            if (d == ndIndefini)
                continue;
            ++surGrille;
            EXIGE(P.Des[d]->Etat == edPose);
            EXIGE(P.Des[d]->x == x && P.Des[d]->y == y);
        }

    // Every die is in one state, credited as that state says.
    std::array<int, edCapture + 1> etats{};
    std::array<int, 3> joues{};
    std::array<int, 3> prisesScore{};
    for (int n = ndG01; n <= NbDes; ++n) {
        const TDe& d = *P.Des[n];
        EXIGE(d.Etat <= edCapture);
        ++etats[d.Etat];
        EXIGE(d.Tour <= P.TrCrt);
        EXIGE(d.FFace >= 1 && d.FFace <= NbFaces);
        if (d.Etat == edPose)
            EXIGE(DansGrille(d.x, d.y) && P.Gr[d.x][d.y] == d.Id);
        else
            EXIGE(d.x == -1 && d.y == -1);
        switch (d.Etat) {
        case edEnAttente:
        case edPose:
            EXIGE(d.Vq == d.Jr);
            break;
        case edNonJoue:
            EXIGE(d.Vq == Adversaire[d.Jr]);
            break;
        case edCapture:
            EXIGE(d.Vq == jGauche || d.Vq == jDroite);
            prisesScore[d.Vq] += d.FFace * (d.Jr == d.Vq ? 1 : 2);
            break;
        case edLance:
            EXIGE(!"the turn is over: its die was placed or passed");
        }
        if (d.Etat != edEnAttente) {
            ++joues[d.Jr];
            if (P.FMode == mjBlitz)
                EXIGE(n <= P.TrCrt);
        }
    }
    EXIGE(surGrille == etats[edPose]);
    EXIGE(etats[edEnAttente] + etats[edPose] + etats[edNonJoue] + etats[edCapture] == NbDes);
    EXIGE(joues[jGauche] == (P.TrCrt + 1) / 2 && joues[jDroite] == P.TrCrt / 2);
    EXIGE(P.Compte(jGauche, cDRAJ) + P.Compte(jDroite, cDRAJ) == etats[edEnAttente]);
    EXIGE(P.Compte(jGauche, cDC) + P.Compte(jDroite, cDC) == etats[edCapture]);
    EXIGE(P.Compte(jGauche, cDNJ) + P.Compte(jDroite, cDNJ) == etats[edNonJoue]);

    // The suites: a full line is a standing suite of the owner of its forming die.
    int pleines = 0;
    for (auto o : {oHorizontale, oVerticale})
        for (int Pos = 0; Pos < TailleGrille; ++Pos) {
            const TSuiteDes& s = *P.Suites[o][Pos];
            EXIGE(s.Tr == 0);
            const bool pleine = LignePleine(P, o, Pos);
            EXIGE(s.ExisteTjrs(P.Gr) == pleine);
            if (!pleine) {
                EXIGE(s.Score(P.Gr, P.Des) == 0);
                continue;
            }
            ++pleines;
            EXIGE((o == oHorizontale ? s.y : s.x) == Pos);
            const TDe& forme = *P.Des[P.Gr[s.x][s.y]];
            EXIGE(s.Jr == forme.Jr);
            bool propre = true;
            for (int i = 0; i < TailleGrille; ++i)
                propre = propre && P.Des[o == oHorizontale ? P.Gr[i][Pos] : P.Gr[Pos][i]]->Jr == s.Jr;
            EXIGE(s.Propre == propre);
            EXIGE(s.Score(P.Gr, P.Des) == (21 - forme.FFace) * (s.Propre ? 2 : 1));
        }
    EXIGE(P.Compte(jGauche, cSM) + P.Compte(jGauche, cSP) + P.Compte(jDroite, cSM) + P.Compte(jDroite, cSP) ==
          pleines);
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y) {
            const TSuiteDes& h = *P.Suites[oHorizontale][y];
            const TSuiteDes& v = *P.Suites[oVerticale][x];
            const TIdJoueur attendu = h.ExisteTjrs(P.Gr) ? h.Jr : v.ExisteTjrs(P.Gr) ? v.Jr : jIndefini;
            EXIGE(P.CreateurSuite(x, y) == attendu);
        }

    // Each total is the sum of its parts.
    for (auto j : {jGauche, jDroite}) {
        EXIGE(P.Score(j, cDRAJ) == 0);
        EXIGE(P.Score(j, cDC) == prisesScore[j]);
        EXIGE(P.Score(j, cDNJ) == P.Compte(j, cDNJ));
        EXIGE(P.Score(j) == P.Score(j, cDC) + P.Score(j, cDNJ) + P.Score(j, cSM) + P.Score(j, cSP));
    }

    // The marks of the turn are gone.
    EXIGE(P.Jouable == TMarquage{});
    EXIGE(P.Scores == TScore{});
    return "";
}

// One turn, from the die in hand to the result on view, as the turn controller plays it.
std::string JoueTour(TPartie& P, std::mt19937& alea, Bilan& b) {
    EXIGE(P.PhCrt == phLanceDes);
    EXIGE(P.JrCrt == (P.TrCrt % 2 ? jGauche : jDroite));
    const TIdJoueur j = P.JrCrt;
    if (P.FMode == mjBlitz) {
        EXIGE(P.DeCrt == P.TrCrt);
        EXIGE(P.Des[P.DeCrt]->Etat == edLance);
        P.Des[P.DeCrt]->Change(static_cast<std::uint8_t>(alea() % NbFaces + 1));
    } else {
        EXIGE(P.DeCrt == ndIndefini);
        std::vector<TNumDe> enAttente;
        for (int n = ndG01; n <= NbDes; ++n)
            if (P.Des[n]->Jr == j && P.Des[n]->Etat == edEnAttente)
                enAttente.push_back(static_cast<TNumDe>(n));
        EXIGE(!enAttente.empty());
        P.DeCrt = enAttente[alea() % enAttente.size()];
        P.Des[P.DeCrt]->Etat = edLance;
        P.PhCrt = phPoseDe;
    }
    const TNumDe d = P.DeCrt;

    // The marks follow the rule, and each cell's preview is what a placement there takes.
    const int n = P.MarqueCasesJouables();
    std::vector<Case> marquees;
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y) {
            const bool permise = Permise(P, P.Des[d]->FFace, x, y);
            EXIGE(P.Jouable[x][y] == permise);
            if (!permise) {
                EXIGE(P.Scores[x][y] == 0);
                continue;
            }
            marquees.push_back({x, y});
            std::unique_ptr<TListeDes> l;
            const bool prend = P.CaptureDes(d, x, y, l, false);
            EXIGE(prend == (l != nullptr));
            EXIGE(P.Scores[x][y] == (l ? l->Score(P.Des, j, j) : 0));
        }
    EXIGE(n == static_cast<int>(marquees.size()));

    if (n == 0) {
        P.PasseDe(d);
        P.PhaseSuivante();
        P.PhaseSuivante();
        EXIGE(P.PhCrt == phResultatPose);
        EXIGE(P.Des[d]->Etat == edNonJoue && P.Des[d]->Vq == Adversaire[j]);
        ++b.Passes;
        return Incoherence(P);
    }

    if (P.FMode == mjBlitz) {
        P.PhaseSuivante();
        EXIGE(P.PhCrt == phPoseDe);
    }
    const Case c = marquees[alea() % marquees.size()];
    const int apercu = P.Scores[c.x][c.y];
    const int prisesAvant = P.Score(j, cDC);
    std::array<bool, 2 * TailleGrille> debout{};
    for (auto o : {oHorizontale, oVerticale})
        for (int Pos = 0; Pos < TailleGrille; ++Pos)
            debout[o * TailleGrille + Pos] = P.Suites[o][Pos]->ExisteTjrs(P.Gr);

    P.PoseDe(d, c.x, c.y);
    std::unique_ptr<TListeDes> l;
    const bool prend = P.CaptureDes(d, c.x, c.y, l, true);
    EXIGE(prend == (l != nullptr));
    EXIGE((l ? l->Score(P.Des, j, jIndefini) : 0) == apercu);
    EXIGE(P.Score(j, cDC) - prisesAvant == apercu);
    const std::vector<TNumDe> pris = Contenu(l.get());
    EXIGE(pris.size() <= 8);
    for (const TNumDe p : pris)
        EXIGE(P.Des[p]->Etat == edCapture && P.Des[p]->Vq == j && P.Des[p]->Tour == P.TrCrt);

    const bool suite = P.SuiteCree(c.x, c.y);
    const bool ligne = LignePleine(P, oHorizontale, c.y);
    const bool colonne = LignePleine(P, oVerticale, c.x);
    EXIGE(suite == (ligne || colonne));
    P.PhaseSuivante();
    EXIGE(P.PhCrt == phResultatPose);

    b.ToursAvecPrises += prend;
    b.DesPris += static_cast<int>(pris.size());
    b.PlusGrandePrise = std::max(b.PlusGrandePrise, static_cast<int>(pris.size()));
    b.Suites += ligne + colonne;
    b.DoublesSuites += ligne && colonne;
    b.SuitesPropres +=
        (ligne && P.Suites[oHorizontale][c.y]->Propre) + (colonne && P.Suites[oVerticale][c.x]->Propre);
    for (auto o : {oHorizontale, oVerticale})
        for (int Pos = 0; Pos < TailleGrille; ++Pos)
            b.SuitesCassees += debout[o * TailleGrille + Pos] && !P.Suites[o][Pos]->ExisteTjrs(P.Gr);
    return Incoherence(P);
}

class PartiesCompletesTest : public ::testing::TestWithParam<TModeJeu> {};

TEST_P(PartiesCompletesTest, EveryTurnKeepsTheRules) {
    const TModeJeu mode = GetParam();
    TPartie P(mjBlitz);
    Bilan b;
    for (int partie = 0; partie < NbParties; ++partie) {
        const unsigned graine = 7919u * static_cast<unsigned>(partie) + 104729u * mode + 1u;
        std::mt19937 alea(graine);
        P.Nouvelle(mode);
        int tours = 0;
        do {
            ++tours;
            const std::string faute = JoueTour(P, alea, b);
            ASSERT_EQ(faute, "") << "seed " << graine << ", turn " << int{P.TrCrt};
        } while (P.JoueurSuivant());

        ASSERT_EQ(tours, NbTours) << "seed " << graine;
        EXPECT_EQ(P.TrCrt, NbTours);
        EXPECT_EQ(P.JrCrt, jDroite);
        EXPECT_EQ(P.PhCrt, phResultatPose);
        EXPECT_EQ(P.Compte(jGauche, cDRAJ) + P.Compte(jDroite, cDRAJ), 0);
        if (mode == mjBlitz) {
            EXPECT_EQ(P.DeCrt, ndD18);
        }
        const int g = P.Score(jGauche);
        const int dr = P.Score(jDroite);
        ++b.Victoires[g > dr ? jGauche : dr > g ? jDroite : jIndefini];
    }

    // Random play goes through every kind of event many times over.
    EXPECT_GT(b.Passes, 0);
    EXPECT_GT(b.ToursAvecPrises, 0);
    EXPECT_GE(b.PlusGrandePrise, 3);
    EXPECT_GT(b.Suites, 0);
    EXPECT_GT(b.SuitesPropres, 0);
    EXPECT_GT(b.DoublesSuites, 0);
    EXPECT_GT(b.SuitesCassees, 0);
    EXPECT_GT(b.Victoires[jGauche], 0);
    EXPECT_GT(b.Victoires[jDroite], 0);
    RecordProperty("passes", b.Passes);
    RecordProperty("captured", b.DesPris);
    RecordProperty("largest_capture", b.PlusGrandePrise);
    RecordProperty("suites", b.Suites);
    RecordProperty("clean_suites", b.SuitesPropres);
    RecordProperty("broken_suites", b.SuitesCassees);
    RecordProperty("draws", b.Victoires[jIndefini]);
}

INSTANTIATE_TEST_SUITE_P(Parts11To15, PartiesCompletesTest, ::testing::Values(mjBlitz, mjMaster),
                         [](const auto& i) { return i.param == mjBlitz ? "Blitz" : "Master"; });

} // namespace
