// The dice lists and the capture rule.
#include "fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// TListeDes

TEST(ListeDes, KeepsItsDiceInTheOrderAdded) {
    TListeDes l(ndD05);
    EXPECT_EQ(l.NumDe, ndD05);
    EXPECT_EQ(l.Svt, nullptr);
    l.AjouteDe(ndG02);
    l.AjouteDe(ndG18);
    l.AjouteDe(ndD01);
    EXPECT_EQ(Contenu(&l), (std::vector<TNumDe>{ndD05, ndG02, ndG18, ndD01}));
}

class ListeDesIdTest : public ::testing::TestWithParam<TIdJoueur> {};

// A right 5, a left 2, a left 6 (ndG18) and a right 1: counted by owner, weighed for the
// current player; the third argument of Score plays no part.
TEST_P(ListeDesIdTest, CountsByOwnerAndWeighsForTheCurrentPlayer) {
    const TPartie P(mjBlitz);
    TListeDes l(ndD05);
    l.AjouteDe(ndG02);
    l.AjouteDe(ndG18);
    l.AjouteDe(ndD01);
    EXPECT_EQ(l.Des(P.Des, jIndefini), 4);
    EXPECT_EQ(l.Des(P.Des, jGauche), 2);
    EXPECT_EQ(l.Des(P.Des, jDroite), 2);
    EXPECT_EQ(l.Svt->Svt->Des(P.Des, jDroite), 1) << "a node counts from itself to the tail";
    EXPECT_EQ(l.Score(P.Des, jGauche, GetParam()), 5 * 2 + 2 + 6 + 1 * 2);
    EXPECT_EQ(l.Score(P.Des, jDroite, GetParam()), 5 + 2 * 2 + 6 * 2 + 1);
    EXPECT_EQ(l.Svt->Svt->Score(P.Des, jGauche, GetParam()), 6 + 1 * 2);
}

INSTANTIATE_TEST_SUITE_P(Part13, ListeDesIdTest, ::testing::Values(jIndefini, jGauche, jDroite));

TEST(ListeDes, ScoreReadsTheCurrentFace) {
    TPartie P(mjBlitz);
    TListeDes l(ndG01);
    P.Des[ndG01]->Change(5);
    EXPECT_EQ(l.Score(P.Des, jGauche, jIndefini), 5);
    EXPECT_EQ(l.Score(P.Des, jDroite, jIndefini), 10);
}

// ---------------------------------------------------------------------------------------------
// The capture rule. The placed die belongs to the current player; unnamed cells are empty.

struct CasCapture {
    std::string Nom;
    std::vector<DeSurCase> Plateau;
    DeSurCase Place;
    std::vector<Case> Prises; // in the order of the list
    int Points;               // Score for the current player
    int DesAdversaire;        // how many captured dice the opponent owned
};

void PrintTo(const CasCapture& c, std::ostream* os) {
    *os << c.Nom;
}

class CaptureTest : public PartieTestP<CasCapture> {
protected:
    TNumDe d = ndIndefini;
    std::vector<TNumDe> attendus;

    void SetUp() override {
        for (const auto& de : GetParam().Plateau)
            Pose(de.Jr, de.Face, de.x, de.y);
        d = DonneDe(GetParam().Place.Jr, GetParam().Place.Face);
        attendus = DesSur(GetParam().Prises);
    }

    void VerifieListe(bool Resultat, const std::unique_ptr<TListeDes>& l) {
        const CasCapture& c = GetParam();
        EXPECT_EQ(Resultat, !c.Prises.empty());
        EXPECT_EQ(Contenu(l.get()), attendus);
        if (!l)
            return;
        EXPECT_EQ(l->Des(P.Des, jIndefini), static_cast<int>(c.Prises.size()));
        EXPECT_EQ(l->Des(P.Des, Adversaire[P.JrCrt]), c.DesAdversaire);
        EXPECT_EQ(l->Score(P.Des, P.JrCrt, jIndefini), c.Points);
        EXPECT_EQ(l->Score(P.Des, P.JrCrt, P.JrCrt), c.Points);
    }
};

TEST_P(CaptureTest, WithoutCaptureListsAndChangesNothing) {
    const DeSurCase& p = GetParam().Place;
    const Instantane avant(P);
    std::unique_ptr<TListeDes> l;
    VerifieListe(P.CaptureDes(d, p.x, p.y, l, false), l);
    EXPECT_EQ(Instantane(P), avant);
}

TEST_P(CaptureTest, WithCaptureTakesTheSameDiceOffTheBoard) {
    const DeSurCase& p = GetParam().Place;
    P.PoseDe(d, p.x, p.y);
    const Instantane avant(P);
    std::unique_ptr<TListeDes> l;
    VerifieListe(P.CaptureDes(d, p.x, p.y, l, true), l);

    EXPECT_EQ(NbDesSurGrille(), static_cast<int>(GetParam().Plateau.size() + 1 - GetParam().Prises.size()));
    EXPECT_EQ(P.Gr[p.x][p.y], d) << "the placed die stays";
    for (const auto& c : GetParam().Prises)
        EXPECT_EQ(P.Gr[c.x][c.y], ndIndefini) << c;
    for (int n = ndG01; n <= NbDes; ++n) {
        const TDe& de = *P.Des[n];
        if (std::find(attendus.begin(), attendus.end(), n) == attendus.end()) {
            EXPECT_EQ(EtatDe(de), avant.Des[n - 1]) << "die " << n << " is not captured";
            continue;
        }
        EXPECT_EQ(de.Etat, edCapture) << "die " << n;
        EXPECT_EQ(de.Vq, P.JrCrt) << "die " << n;
        EXPECT_EQ(de.x, -1);
        EXPECT_EQ(de.y, -1);
        EXPECT_EQ(de.Tour, P.TrCrt);
    }
    EXPECT_EQ(P.JrCrt, avant.JrCrt);
    EXPECT_EQ(P.PhCrt, avant.PhCrt);
}

const CasCapture Cas[] = {
    {"EnclosedPairOnTheLeft",
     {{jDroite, 2, 0, 0}, {jDroite, 5, 1, 0}, {jGauche, 3, 2, 0}},
     {jGauche, 6, 3, 0},
     {{1, 0}, {2, 0}},
     5 * 2 + 3,
     1},
    {"EveryFarEndFails",
     {{jGauche, 5, 0, 0}, {jDroite, 2, 1, 0}, {jGauche, 4, 2, 0}},
     {jDroite, 3, 3, 0},
     {},
     0,
     0},
    {"NearerFarEndWorks",
     {{jGauche, 1, 0, 0}, {jDroite, 6, 1, 0}, {jDroite, 4, 2, 0}},
     {jGauche, 2, 3, 0},
     {{2, 0}},
     4 * 2,
     1},
    {"FarthestFarEndWins",
     {{jGauche, 1, 0, 0}, {jDroite, 3, 1, 0}, {jGauche, 4, 2, 0}},
     {jDroite, 6, 3, 0},
     {{1, 0}, {2, 0}},
     3 + 4 * 2,
     1},
    {"LowPlacedDieUnderAHighFarEnd",
     {{jGauche, 6, 0, 0}, {jDroite, 4, 1, 0}, {jDroite, 3, 2, 0}},
     {jGauche, 1, 3, 0},
     {{1, 0}, {2, 0}},
     (4 + 3) * 2,
     2},
    {"SingleNeighbourStays", {{jDroite, 3, 2, 0}}, {jGauche, 6, 3, 0}, {}, 0, 0},
    {"GapEndsTheRun", {{jDroite, 1, 0, 0}, {jDroite, 4, 2, 0}}, {jGauche, 6, 3, 0}, {}, 0, 0},
    {"GapHidesAFarEnd",
     {{jDroite, 1, 0, 0}, {jDroite, 2, 1, 0}, {jDroite, 4, 3, 0}, {jGauche, 3, 4, 0}},
     {jGauche, 6, 5, 0},
     {},
     0,
     0},
    {"TiesAreNotBetween", {{jGauche, 2, 0, 0}, {jDroite, 2, 1, 0}}, {jGauche, 6, 2, 0}, {}, 0, 0},
    {"FourFromTheLeftEdge",
     {{jDroite, 4, 1, 0}, {jGauche, 2, 2, 0}, {jDroite, 5, 3, 0}, {jDroite, 3, 4, 0}, {jGauche, 1, 5, 0}},
     {jGauche, 6, 0, 0},
     {{1, 0}, {2, 0}, {3, 0}, {4, 0}},
     4 * 2 + 2 + 5 * 2 + 3 * 2,
     3},
    {"FourFromTheRightEdge",
     {{jGauche, 1, 0, 0}, {jGauche, 3, 1, 0}, {jDroite, 5, 2, 0}, {jGauche, 2, 3, 0}, {jGauche, 4, 4, 0}},
     {jDroite, 6, 5, 0},
     {{1, 0}, {2, 0}, {3, 0}, {4, 0}},
     3 * 2 + 5 + 2 * 2 + 4 * 2,
     3},
    {"BothAxesOfTheSpecification",
     {{jGauche, 1, 0, 2},
      {jDroite, 3, 1, 2},
      {jGauche, 4, 3, 2},
      {jDroite, 2, 4, 2},
      {jDroite, 1, 2, 0},
      {jGauche, 5, 2, 1},
      {jDroite, 2, 2, 3},
      {jGauche, 3, 2, 4}},
     {jGauche, 6, 2, 2},
     {{1, 2}, {3, 2}, {2, 1}},
     3 * 2 + 4 + 5,
     1},
    {"AllFourHalfLinesLeftRightUpDown",
     {{jGauche, 1, 0, 2},
      {jDroite, 3, 1, 2},
      {jDroite, 5, 3, 2},
      {jGauche, 2, 4, 2},
      {jDroite, 2, 2, 0},
      {jGauche, 4, 2, 1},
      {jDroite, 3, 2, 3},
      {jGauche, 1, 2, 4}},
     {jGauche, 6, 2, 2},
     {{1, 2}, {3, 2}, {2, 1}, {2, 3}},
     3 * 2 + 5 * 2 + 4 + 3 * 2,
     3},
    {"DownTheColumn",
     {{jDroite, 4, 1, 2}, {jDroite, 2, 1, 3}, {jGauche, 1, 1, 4}},
     {jGauche, 5, 1, 1},
     {{1, 2}, {1, 3}},
     (4 + 2) * 2,
     2},
    {"UpTheColumnByIncreasingY",
     {{jDroite, 1, 4, 0}, {jGauche, 2, 4, 1}, {jDroite, 3, 4, 2}},
     {jGauche, 6, 4, 3},
     {{4, 1}, {4, 2}},
     2 + 3 * 2,
     1},
    {"OwnDiceOnly",
     {{jGauche, 1, 0, 3}, {jGauche, 3, 1, 3}, {jGauche, 4, 2, 3}},
     {jGauche, 6, 3, 3},
     {{1, 3}, {2, 3}},
     3 + 4,
     0},
    {"CornerCapturesInwardOnly",
     {{jGauche, 3, 1, 0}, {jDroite, 1, 2, 0}, {jGauche, 4, 0, 1}, {jGauche, 2, 0, 2}},
     {jDroite, 6, 0, 0},
     {{1, 0}, {0, 1}},
     (3 + 4) * 2,
     2},
    {"OppositeCornerCapturesInwardOnly",
     {{jGauche, 2, 4, 5}, {jDroite, 6, 3, 5}, {jGauche, 3, 5, 4}, {jDroite, 5, 5, 3}},
     {jDroite, 1, 5, 5},
     {{4, 5}, {5, 4}},
     (2 + 3) * 2,
     2},
};

INSTANTIATE_TEST_SUITE_P(Part13, CaptureTest, ::testing::ValuesIn(Cas),
                         [](const auto& i) { return i.param.Nom; });

// ---------------------------------------------------------------------------------------------

TEST_F(PartieTest, AListPassedInIsExtended) {
    Pose({{jDroite, 2, 0, 0}, {jDroite, 5, 1, 0}, {jGauche, 3, 2, 0}});
    const std::vector<TNumDe> prises = DesSur({{1, 0}, {2, 0}});
    const TNumDe d = DonneDe(jGauche, 6);
    auto l = std::make_unique<TListeDes>(ndD18);
    EXPECT_TRUE(P.CaptureDes(d, 3, 0, l, false));
    EXPECT_EQ(Contenu(l.get()), (std::vector<TNumDe>{ndD18, prises[0], prises[1]}));
}

TEST_F(PartieTest, AListPassedInStaysAsItWasWhenNothingIsCaptured) {
    Pose(jDroite, 3, 2, 0);
    const TNumDe d = DonneDe(jGauche, 6);
    auto l = std::make_unique<TListeDes>(ndD18);
    const TListeDes* tete = l.get();
    EXPECT_FALSE(P.CaptureDes(d, 3, 0, l, true));
    EXPECT_EQ(l.get(), tete);
    EXPECT_EQ(Contenu(l.get()), (std::vector<TNumDe>{ndD18}));
}

// Capturing on one half-line does not change what the others see, so a second scan of the
// same cell after the capture finds nothing left to take.
TEST_F(PartieTest, ASecondScanAfterTheCaptureFindsNothing) {
    Pose({{jGauche, 1, 0, 2}, {jDroite, 3, 1, 2}, {jDroite, 5, 3, 2}, {jGauche, 2, 4, 2}});
    const TNumDe d = DonneDe(jGauche, 6);
    P.PoseDe(d, 2, 2);
    std::unique_ptr<TListeDes> l;
    ASSERT_TRUE(P.CaptureDes(d, 2, 2, l, true));
    std::unique_ptr<TListeDes> encore;
    EXPECT_FALSE(P.CaptureDes(d, 2, 2, encore, false));
    EXPECT_EQ(encore, nullptr);
}

#ifndef NDEBUG
TEST_F(PartieTest, CaptureOfNoDieAsserts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::unique_ptr<TListeDes> l;
    EXPECT_DEATH(P.CaptureDes(ndIndefini, 0, 0, l, false), "");
    EXPECT_DEATH(TListeDes{ndIndefini}, "");
}
#endif

} // namespace
