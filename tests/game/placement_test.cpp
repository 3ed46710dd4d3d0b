// The placement rule and the marking of the playable cells with their capture previews.
#include "fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST_F(PartieTest, EveryCellOfTheEmptyBoardIsPlayableWithoutPreview) {
    P.Nouvelle(mjBlitz);
    EXPECT_EQ(P.MarqueCasesJouables(), 36);
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y)
            EXPECT_TRUE(P.Jouable[x][y]) << Case{x, y};
    EXPECT_EQ(P.Scores, TScore{});
}

class CaseOccupeeTest : public PartieTestP<int> {};

TEST_P(CaseOccupeeTest, ATakenCellIsNeverPlayable) {
    const TNumDe occupant = Pose(jDroite, 3, 1, 4);
    const TNumDe d = DonneDe(jGauche, 1);
    P.Des[d]->Change(static_cast<std::uint8_t>(GetParam()));
    EXPECT_FALSE(P.EstJouable(d, 1, 4));
    EXPECT_FALSE(P.EstJouable(occupant, 1, 4)) << "not even for the die lying there";
    P.MarqueCasesJouables();
    EXPECT_FALSE(P.Jouable[1][4]);
}

INSTANTIATE_TEST_SUITE_P(Part12, CaseOccupeeTest, ::testing::Range(1, NbFaces + 1));

// A 4 at (2, 3), owned by either player, blocks the 4s of its row and column only.
struct Bloqueur {
    TIdJoueur Proprietaire;
    TIdJoueur Joueur;
    int Face;
};

class BloqueurTest : public PartieTestP<Bloqueur> {};

TEST_P(BloqueurTest, AFaceBlocksItsRowAndColumnForThatFaceOnly) {
    Pose(GetParam().Proprietaire, 4, 2, 3);
    const TNumDe d = DonneDe(GetParam().Joueur, GetParam().Face);
    const bool memeFace = GetParam().Face == 4;
    const int n = P.MarqueCasesJouables();
    EXPECT_EQ(n, memeFace ? 25 : 35);
    EXPECT_EQ(n, NbMarques());
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y) {
            const bool libre = !(x == 2 && y == 3);
            const bool bloquee = memeFace && (x == 2 || y == 3);
            EXPECT_EQ(P.EstJouable(d, x, y), libre && !bloquee) << Case{x, y};
            EXPECT_EQ(P.Jouable[x][y], libre && !bloquee) << Case{x, y};
        }
}

INSTANTIATE_TEST_SUITE_P(Part12, BloqueurTest,
                         ::testing::Values(Bloqueur{jGauche, jGauche, 4}, Bloqueur{jDroite, jGauche, 4},
                                           Bloqueur{jGauche, jDroite, 4}, Bloqueur{jDroite, jDroite, 4},
                                           Bloqueur{jGauche, jGauche, 5}, Bloqueur{jDroite, jGauche, 5}));

// In mode Blitz the face that counts is the one the die was stopped at, not the printed one.
TEST_F(PartieTest, TheRuleComparesTheCurrentFace) {
    Pose({{jGauche, 4, 0, 0}, {jDroite, 5, 5, 5}});
    const TNumDe d = DonneDe(jGauche, 4);
    EXPECT_FALSE(P.EstJouable(d, 0, 3));
    EXPECT_TRUE(P.EstJouable(d, 5, 3));
    P.Des[d]->Change(5);
    EXPECT_TRUE(P.EstJouable(d, 0, 3));
    EXPECT_FALSE(P.EstJouable(d, 5, 3));
}

// Five 1s on the diagonal and a die on (5, 5): every empty cell sees a 1.
TEST_F(PartieTest, NoCellIsPlayableWhenEveryEmptyCellSeesTheFace) {
    for (int i = 0; i < 5; ++i)
        Pose(i % 2 ? jDroite : jGauche, 1, i, i);
    Pose(jGauche, 2, 5, 5);
    DonneDe(jDroite, 1);
    const Instantane avant(P);
    EXPECT_EQ(P.MarqueCasesJouables(), 0);
    EXPECT_EQ(Instantane(P), avant) << "nothing marked, nothing changed";
    EXPECT_EQ(NbDesSurGrille(), 6) << "30 cells stay empty";
}

TEST_F(PartieTest, EstJouableChangesNothing) {
    Pose({{jGauche, 1, 0, 0}, {jDroite, 3, 1, 0}});
    const TNumDe d = DonneDe(jGauche, 6);
    const Instantane avant(P);
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y)
            P.EstJouable(d, x, y);
    EXPECT_EQ(Instantane(P), avant);
}

// A 6 placed on (3, 0) captures an opponent's 3 and an own 2 (far end the 1 at (0, 0)):
// 3 x 2 + 2 x 1 = 8 for the left player, 3 x 1 + 2 x 2 = 7 for the right one.
struct Apercu {
    TIdJoueur Joueur;
    int Attendu;
};

class ApercuTest : public PartieTestP<Apercu> {};

TEST_P(ApercuTest, PreviewWeighsTheCapturesForTheCurrentPlayer) {
    Pose({{jGauche, 1, 0, 0}, {jDroite, 3, 1, 0}, {jGauche, 2, 2, 0}});
    DonneDe(GetParam().Joueur, 6);
    const Instantane avant(P);
    EXPECT_EQ(P.MarqueCasesJouables(), 33) << "no 6 on the board";
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y)
            EXPECT_EQ(P.Scores[x][y], x == 3 && y == 0 ? GetParam().Attendu : 0) << Case{x, y};
    EXPECT_EQ(P.Gr, avant.Gr) << "the preview captures nothing";
    EXPECT_EQ(Instantane(P).Des, avant.Des);
}

INSTANTIATE_TEST_SUITE_P(Part12, ApercuTest, ::testing::Values(Apercu{jGauche, 8}, Apercu{jDroite, 7}));

TEST_F(PartieTest, PlacementClearsMarksAndPreviewsAgain) {
    Pose({{jGauche, 1, 0, 0}, {jDroite, 3, 1, 0}, {jGauche, 2, 2, 0}});
    const TNumDe d = DonneDe(jGauche, 6);
    ASSERT_GT(P.MarqueCasesJouables(), 0);
    ASSERT_EQ(P.Scores[3][0], 8);
    P.PoseDe(d, 4, 4);
    EXPECT_EQ(P.Jouable, TMarquage{});
    EXPECT_EQ(P.Scores, TScore{});
}

// The marking only sets: what a second call finds marked stays marked, and a preview is
// overwritten only where the second call finds captures.
TEST_F(PartieTest, MarkingAddsToWhatIsAlreadyMarked) {
    Pose({{jGauche, 1, 0, 0}, {jDroite, 3, 1, 0}, {jGauche, 2, 2, 0}});
    DonneDe(jGauche, 6);
    P.Jouable[1][0] = true; // a taken cell
    P.Scores[1][0] = 11;
    P.Scores[5][5] = 9; // a playable cell without captures
    P.Scores[3][0] = 1; // a playable cell with captures
    const int n = P.MarqueCasesJouables();
    EXPECT_EQ(n, 33) << "only the playable cells are counted";
    EXPECT_EQ(NbMarques(), 34);
    EXPECT_TRUE(P.Jouable[1][0]);
    EXPECT_EQ(P.Scores[1][0], 11);
    EXPECT_EQ(P.Scores[5][5], 9);
    EXPECT_EQ(P.Scores[3][0], 8);
}

#ifndef NDEBUG
TEST_F(PartieTest, MarkingWithoutACurrentDieAsserts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    P.Nouvelle(mjMaster);
    EXPECT_DEATH(P.MarqueCasesJouables(), "");
    EXPECT_DEATH(P.EstJouable(ndIndefini, 0, 0), "");
}
#endif

} // namespace
