// The dice, the players, the game object and its sequence of turns and phases.
#include "fixtures.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct IdentiteDe {
    TNumDe De;
    TIdJoueur Jr;
    int Face;
};

class IdentiteDeTest : public ::testing::TestWithParam<IdentiteDe> {};

TEST_P(IdentiteDeTest, NumberGivesOwnerAndPrintedFace) {
    const TDe d(GetParam().De);
    EXPECT_EQ(d.Id, GetParam().De);
    EXPECT_EQ(d.Jr, GetParam().Jr);
    EXPECT_EQ(d.FFace, GetParam().Face);
    EXPECT_EQ(d.Vq, GetParam().Jr);
    EXPECT_EQ(d.x, -1);
    EXPECT_EQ(d.y, -1);
    EXPECT_EQ(d.Etat, edEnAttente);
    EXPECT_EQ(d.Tour, 0);
}

INSTANTIATE_TEST_SUITE_P(Part11, IdentiteDeTest,
                         ::testing::Values(IdentiteDe{ndG01, jGauche, 1}, IdentiteDe{ndD01, jDroite, 1},
                                           IdentiteDe{ndG02, jGauche, 2}, IdentiteDe{ndG05, jGauche, 5},
                                           IdentiteDe{ndD05, jDroite, 5}, IdentiteDe{ndG06, jGauche, 6},
                                           IdentiteDe{ndD06, jDroite, 6}, IdentiteDe{ndG07, jGauche, 1},
                                           IdentiteDe{ndD12, jDroite, 6}, IdentiteDe{ndG13, jGauche, 1},
                                           IdentiteDe{ndD18, jDroite, 6}));

TEST(Des, EachPlayerOwnsThreeDiceOfEachFace) {
    std::array<std::array<int, NbFaces + 1>, 3> n{};
    for (int k = ndG01; k <= NbDes; ++k) {
        const TDe d(static_cast<TNumDe>(k));
        ++n[d.Jr][d.FFace];
    }
    for (auto j : {jGauche, jDroite})
        for (int f = 1; f <= NbFaces; ++f)
            EXPECT_EQ(n[j][f], 3) << "player " << int{j} << ", face " << f;
    EXPECT_EQ(n[jIndefini], (std::array<int, NbFaces + 1>{}));
}

TEST(Des, ChangeShowsTheNewFaceAndInitialiseRestoresEverything) {
    TDe d(ndD04); // printed face 4
    for (int f = 1; f <= NbFaces; ++f) {
        d.Change(static_cast<std::uint8_t>(f));
        EXPECT_EQ(d.FFace, f);
    }
    d.Vq = jGauche;
    d.x = 3;
    d.y = 5;
    d.Etat = edCapture;
    d.Tour = 17;
    d.Initialise();
    EXPECT_EQ(EtatDe(d), EtatDe(TDe(ndD04)));
    EXPECT_EQ(d.FFace, 4);
    EXPECT_EQ(d.Vq, jDroite);
}

TEST(Joueurs, StartAsPeople) {
    for (auto j : {jGauche, jDroite}) {
        const TJoueur p(j);
        EXPECT_EQ(p.Id, j);
        EXPECT_FALSE(p.Automate);
    }
}

TEST(Adversaires, EachPlayerFacesTheOther) {
    EXPECT_EQ(Adversaire[jIndefini], jIndefini);
    EXPECT_EQ(Adversaire[jGauche], jDroite);
    EXPECT_EQ(Adversaire[jDroite], jGauche);
}

// ---------------------------------------------------------------------------------------------

class NouvellePartieTest : public ::testing::TestWithParam<TModeJeu> {};

TEST_P(NouvellePartieTest, FreshGameIsEmptyAndWaits) {
    const TPartie P(GetParam());
    EXPECT_EQ(P.FMode, GetParam());
    EXPECT_EQ(P.TrCrt, 0);
    EXPECT_EQ(P.JrCrt, jIndefini);
    EXPECT_EQ(P.DeCrt, ndIndefini);
    EXPECT_EQ(P.PhCrt, phIndefinie);
    EXPECT_EQ(P.Gr, TGrille{});
    EXPECT_EQ(P.Jouable, TMarquage{});
    EXPECT_EQ(P.Scores, TScore{});

    EXPECT_EQ(P.Jr[jIndefini], nullptr);
    for (auto j : {jGauche, jDroite}) {
        ASSERT_NE(P.Jr[j], nullptr);
        EXPECT_EQ(P.Jr[j]->Id, j);
        EXPECT_FALSE(P.Jr[j]->Automate);
    }
    EXPECT_EQ(P.Des[ndIndefini], nullptr);
    for (int n = ndG01; n <= NbDes; ++n) {
        ASSERT_NE(P.Des[n], nullptr);
        EXPECT_EQ(P.Des[n]->Id, n);
        EXPECT_EQ(EtatDe(*P.Des[n]), EtatDe(TDe(static_cast<TNumDe>(n))));
    }
    for (auto o : {oHorizontale, oVerticale})
        for (int Pos = 0; Pos < TailleGrille; ++Pos) {
            const TSuiteDes& s = *P.Suites[o][Pos];
            EXPECT_EQ(s.o, o);
            EXPECT_EQ(s.Pos, Pos);
            EXPECT_EQ(s.Jr, jIndefini);
            EXPECT_EQ(s.Tr, 0);
        }
}

TEST_P(NouvellePartieTest, NouvelleOpensTurnOneForTheLeftPlayer) {
    TPartie P(GetParam() == mjBlitz ? mjMaster : mjBlitz);
    P.Nouvelle(GetParam());
    EXPECT_EQ(P.FMode, GetParam());
    EXPECT_EQ(P.TrCrt, 1);
    EXPECT_EQ(P.JrCrt, jGauche);
    EXPECT_EQ(P.PhCrt, phLanceDes);
    EXPECT_EQ(P.DeCrt, GetParam() == mjBlitz ? ndG01 : ndIndefini);
    for (int n = ndG01; n <= NbDes; ++n) {
        const bool tire = GetParam() == mjBlitz && n == ndG01;
        EXPECT_EQ(P.Des[n]->Etat, tire ? edLance : edEnAttente) << "die " << n;
        EXPECT_EQ(P.Des[n]->Tour, 0) << "die " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Part11, NouvellePartieTest, ::testing::Values(mjBlitz, mjMaster),
                         [](const auto& i) { return i.param == mjBlitz ? "Blitz" : "Master"; });

// ---------------------------------------------------------------------------------------------

TEST(Tours, BlitzDrawsTheDiceInNumberOrderAndStopsAfterTheLast) {
    TPartie P(mjBlitz);
    P.Nouvelle(mjBlitz);
    for (int t = 1; t <= NbTours; ++t) {
        EXPECT_EQ(P.TrCrt, t);
        EXPECT_EQ(P.DeCrt, t) << "in mode Blitz the die of turn t is die t";
        EXPECT_EQ(P.JrCrt, t % 2 ? jGauche : jDroite);
        EXPECT_EQ(P.Des[P.DeCrt]->Jr, P.JrCrt);
        EXPECT_EQ(P.Des[P.DeCrt]->Etat, edLance);
        EXPECT_EQ(P.Des[P.DeCrt]->Tour, 0) << "drawing a die leaves its Tour";
        EXPECT_EQ(P.PhCrt, phLanceDes);
        P.PhCrt = phResultatPose;
        if (t < NbTours) {
            ASSERT_TRUE(P.JoueurSuivant()) << "turn " << t;
        }
    }
    const Instantane fin(P);
    EXPECT_FALSE(P.JoueurSuivant());
    EXPECT_EQ(Instantane(P), fin);
    EXPECT_EQ(P.TrCrt, 36);
    EXPECT_EQ(P.JrCrt, jDroite);
    EXPECT_EQ(P.DeCrt, ndD18);
    EXPECT_EQ(P.PhCrt, phResultatPose);
}

TEST(Tours, MasterLeavesTheChoiceOfTheDieAndStopsAfterTurn36) {
    TPartie P(mjMaster);
    P.Nouvelle(mjMaster);
    P.DeCrt = ndG04; // the left player picked a die
    P.Des[ndG04]->Etat = edLance;
    ASSERT_TRUE(P.JoueurSuivant());
    EXPECT_EQ(P.TrCrt, 2);
    EXPECT_EQ(P.JrCrt, jDroite);
    EXPECT_EQ(P.DeCrt, ndIndefini);
    EXPECT_EQ(P.PhCrt, phLanceDes);
    for (int n = ndG01; n <= NbDes; ++n)
        EXPECT_EQ(P.Des[n]->Etat, n == ndG04 ? edLance : edEnAttente) << "die " << n;

    P.TrCrt = 35;
    P.JrCrt = jGauche;
    ASSERT_TRUE(P.JoueurSuivant());
    EXPECT_EQ(P.TrCrt, 36);
    EXPECT_EQ(P.JrCrt, jDroite);
    EXPECT_EQ(P.PhCrt, phLanceDes);

    P.DeCrt = ndD09;
    P.PhCrt = phResultatPose;
    const Instantane fin(P);
    EXPECT_FALSE(P.JoueurSuivant());
    EXPECT_EQ(Instantane(P), fin);
}

struct Phases {
    TPhaseJeu Depart;
    int Appels;
    TPhaseJeu Arrivee;
};

class PhaseSuivanteTest : public ::testing::TestWithParam<Phases> {};

TEST_P(PhaseSuivanteTest, AdvancesAndStaysAtTheResult) {
    TPartie P(mjBlitz);
    P.PhCrt = GetParam().Depart;
    for (int i = 0; i < GetParam().Appels; ++i)
        P.PhaseSuivante();
    EXPECT_EQ(P.PhCrt, GetParam().Arrivee);
}

INSTANTIATE_TEST_SUITE_P(
    Part11, PhaseSuivanteTest,
    ::testing::Values(Phases{phIndefinie, 1, phLanceDes}, Phases{phLanceDes, 1, phPoseDe},
                      Phases{phPoseDe, 1, phResultatPose}, Phases{phResultatPose, 1, phResultatPose},
                      Phases{phLanceDes, 2, phResultatPose}, Phases{phPoseDe, 2, phResultatPose},
                      Phases{phIndefinie, 5, phResultatPose}));

// ---------------------------------------------------------------------------------------------

TEST_F(PartieTest, ChangeEtatDeStampsTheTurn) {
    P.TrCrt = 7;
    P.ChangeEtatDe(ndD03, edLance);
    EXPECT_EQ(P.Des[ndD03]->Etat, edLance);
    EXPECT_EQ(P.Des[ndD03]->Tour, 7);
    EXPECT_EQ(P.Des[ndD03]->Vq, jDroite);
}

TEST_F(PartieTest, PoseDePutsTheDieOnItsCellAndClearsAllMarks) {
    P.Nouvelle(mjBlitz);
    ASSERT_EQ(P.MarqueCasesJouables(), 36);
    P.Scores[0][5] = 9; // a preview elsewhere must go too
    P.PhaseSuivante();
    P.PoseDe(ndG01, 2, 3);

    const TDe& d = *P.Des[ndG01];
    EXPECT_EQ(d.Etat, edPose);
    EXPECT_EQ(d.x, 2);
    EXPECT_EQ(d.y, 3);
    EXPECT_EQ(d.Tour, 1);
    EXPECT_EQ(d.Vq, jGauche);
    EXPECT_EQ(P.Gr[2][3], ndG01);
    EXPECT_EQ(NbDesSurGrille(), 1);
    EXPECT_EQ(P.Jouable, TMarquage{});
    EXPECT_EQ(P.Scores, TScore{});
    EXPECT_EQ(P.PhCrt, phPoseDe);
}

TEST_F(PartieTest, PoseDeSetsPhasePoseDeWhateverThePhase) {
    P.Nouvelle(mjBlitz);
    P.PhCrt = phLanceDes;
    P.PoseDe(ndG01, 0, 0);
    EXPECT_EQ(P.PhCrt, phPoseDe);
}

class PasseDeTest : public PartieTestP<TIdJoueur> {};

TEST_P(PasseDeTest, PassedDieGoesToTheOpponent) {
    const TIdJoueur j = GetParam();
    Pose(jGauche, 3, 1, 1);
    const TNumDe n = DonneDe(j, 3);
    P.Jouable[4][4] = true; // left as they are
    P.Scores[4][4] = 5;
    const Instantane avant(P);

    P.PasseDe(n);
    const TDe& d = *P.Des[n];
    EXPECT_EQ(d.Etat, edNonJoue);
    EXPECT_EQ(d.Vq, Adversaire[j]);
    EXPECT_EQ(d.x, -1);
    EXPECT_EQ(d.y, -1);
    EXPECT_EQ(d.Tour, P.TrCrt);
    EXPECT_EQ(P.Gr, avant.Gr);
    EXPECT_EQ(P.Jouable, avant.Jouable);
    EXPECT_EQ(P.Scores, avant.Scores);
    EXPECT_EQ(P.PhCrt, avant.PhCrt);
}

INSTANTIATE_TEST_SUITE_P(Part11, PasseDeTest, ::testing::Values(jGauche, jDroite));

struct Prise {
    TIdJoueur Proprietaire;
    TIdJoueur Preneur;
};

class CaptureDeTest : public PartieTestP<Prise> {};

TEST_P(CaptureDeTest, CapturedDieLeavesTheBoardForTheCurrentPlayer) {
    const TNumDe n = Pose(GetParam().Proprietaire, 5, 4, 2);
    const TNumDe voisin = Pose(jDroite, 2, 4, 3);
    P.TrCrt = 12;
    P.JrCrt = GetParam().Preneur;
    P.CaptureDe(n);

    const TDe& d = *P.Des[n];
    EXPECT_EQ(d.Etat, edCapture);
    EXPECT_EQ(d.Vq, GetParam().Preneur);
    EXPECT_EQ(d.x, -1);
    EXPECT_EQ(d.y, -1);
    EXPECT_EQ(d.Tour, 12);
    EXPECT_EQ(d.FFace, 5);
    EXPECT_EQ(P.Gr[4][2], ndIndefini);
    EXPECT_EQ(P.Gr[4][3], voisin);
    EXPECT_EQ(NbDesSurGrille(), 1);
}

INSTANTIATE_TEST_SUITE_P(Part11, CaptureDeTest,
                         ::testing::Values(Prise{jDroite, jGauche}, Prise{jGauche, jDroite},
                                           Prise{jGauche, jGauche}, Prise{jDroite, jDroite}));

// ---------------------------------------------------------------------------------------------

TEST_F(PartieTest, NouvelleKeepsThePlayersAndSwitchesTheMode) {
    const TJoueur* gauche = P.Jr[jGauche].get();
    P.Jr[jGauche]->Automate = true;
    P.Nouvelle(mjMaster);
    EXPECT_EQ(P.FMode, mjMaster);
    EXPECT_EQ(P.Jr[jGauche].get(), gauche) << "the players are never replaced";
    EXPECT_TRUE(P.Jr[jGauche]->Automate);
    EXPECT_FALSE(P.Jr[jDroite]->Automate);

    P.Jr[jGauche]->Automate = false;
    P.Jr[jDroite]->Automate = true;
    P.Nouvelle(mjBlitz);
    EXPECT_EQ(P.FMode, mjBlitz);
    EXPECT_FALSE(P.Jr[jGauche]->Automate);
    EXPECT_TRUE(P.Jr[jDroite]->Automate);
}

// Mid-game, with dice placed, captured, passed and re-faced, and cells marked for the die in hand.
TEST_F(PartieTest, NouvelleInAnyPhaseRestartsFromTurnOne) {
    P.Nouvelle(mjBlitz);
    Pose({{jGauche, 1, 0, 0}, {jDroite, 4, 1, 0}, {jDroite, 5, 4, 4}});
    const Coup c = Joue(jGauche, 6, 2, 0); // captures the 4
    ASSERT_TRUE(c.Capture);
    P.PasseDe(DonneDe(jDroite, 2));
    P.Des[ndD18]->Change(1);
    DonneDe(jGauche, 5);
    ASSERT_GT(P.MarqueCasesJouables(), 0);

    P.Nouvelle(mjBlitz);
    EXPECT_EQ(P.Gr, TGrille{});
    EXPECT_EQ(P.TrCrt, 1);
    EXPECT_EQ(P.JrCrt, jGauche);
    EXPECT_EQ(P.DeCrt, ndG01);
    EXPECT_EQ(P.PhCrt, phLanceDes);
    for (int n = ndG02; n <= NbDes; ++n)
        EXPECT_EQ(EtatDe(*P.Des[n]), EtatDe(TDe(static_cast<TNumDe>(n)))) << "die " << n;
}

// A new game does not inherit the marks and
// capture previews of an abandoned turn.
TEST_F(PartieTest, NouvelleClearsTheMarksAndPreviewsOfAnAbandonedTurn) {
    P.Nouvelle(mjBlitz);
    Pose({{jDroite, 1, 0, 0}, {jGauche, 3, 1, 0}});
    DonneDe(jDroite, 6);
    ASSERT_GT(P.MarqueCasesJouables(), 0);
    ASSERT_EQ(P.Scores[2][0], 6);

    P.Nouvelle(mjMaster);
    EXPECT_EQ(P.Jouable, TMarquage{});
    EXPECT_EQ(P.Scores, TScore{});
}

TEST_F(PartieTest, InitialiseClearsTheMarksButKeepsModePlayersAndSuites) {
    P.FMode = mjMaster;
    P.Jr[jGauche]->Automate = true;
    P.Jouable[1][2] = true;
    P.Scores[1][2] = 4;
    P.Suites[oVerticale][3]->Affecte(jDroite, 3, 5, true);
    P.Initialise();
    EXPECT_EQ(P.FMode, mjMaster);
    EXPECT_TRUE(P.Jr[jGauche]->Automate);
    EXPECT_EQ(P.Jouable, TMarquage{});
    EXPECT_EQ(P.Scores, TScore{});
    EXPECT_EQ(P.Suites[oVerticale][3]->Jr, jDroite);
    EXPECT_EQ(P.TrCrt, 0);
    EXPECT_EQ(P.JrCrt, jIndefini);
    EXPECT_EQ(P.DeCrt, ndIndefini);
    EXPECT_EQ(P.PhCrt, phIndefinie);
}

// ---------------------------------------------------------------------------------------------
// Debug builds stop on a broken precondition rather than corrupting the game.

#ifndef NDEBUG
using PreconditionsTest = PartieTest;

TEST_F(PreconditionsTest, BrokenPreconditionsAssert) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Pose(jGauche, 2, 1, 1);
    EXPECT_DEATH(TDe{ndIndefini}, "");
    EXPECT_DEATH(P.Des[ndG01]->Change(0), "");
    EXPECT_DEATH(P.Des[ndG01]->Change(7), "");
    EXPECT_DEATH(P.ChangeEtatDe(ndIndefini, edPose), "");
    EXPECT_DEATH(P.PoseDe(ndD01, 1, 1), "") << "occupied cell";
    EXPECT_DEATH(P.PoseDe(ndD01, 6, 0), "") << "off the board";
    EXPECT_DEATH(P.PoseDe(ndD01, 0, -1), "") << "off the board";
    EXPECT_DEATH(P.PasseDe(ndIndefini), "");
    EXPECT_DEATH(P.CaptureDe(ndD01), "") << "a die that is not on the board";
}
#endif

} // namespace
