// The suite records, the formation of suites and the creator of a cell's suite.
#include "fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

auto Fiche(const TSuiteDes& s) {
    return std::make_tuple(s.Jr, s.x, s.y, s.Propre, s.Tr);
}

std::vector<std::tuple<TIdJoueur, int, int, bool, TTour>> Fiches(const TPartie& P) {
    std::vector<std::tuple<TIdJoueur, int, int, bool, TTour>> v;
    for (const auto& ligne : P.Suites)
        for (const auto& s : ligne)
            v.push_back(Fiche(*s));
    return v;
}

TEST(SuiteDes, StartsNotFormedAndAffecteLeavesTr) {
    TSuiteDes s(oVerticale, 4);
    EXPECT_EQ(s.o, oVerticale);
    EXPECT_EQ(s.Pos, 4);
    EXPECT_EQ(Fiche(s), std::make_tuple(jIndefini, -1, -1, false, TTour{0}));

    s.Tr = 9;
    s.Affecte(jDroite, 4, 2, true);
    EXPECT_EQ(Fiche(s), std::make_tuple(jDroite, 4, 2, true, TTour{9}));
    s.Initialise();
    EXPECT_EQ(Fiche(s), std::make_tuple(jIndefini, -1, -1, false, TTour{9}));
    EXPECT_EQ(s.o, oVerticale);
    EXPECT_EQ(s.Pos, 4);
}

TEST_F(PartieTest, NoSuiteBeforeTheFirstFormation) {
    // A full row put on the board without SuiteCree: its record was never formed.
    for (int x = 0; x < TailleGrille; ++x)
        Pose(jGauche, x + 1, x, 0);
    for (const auto& ligne : P.Suites)
        for (const auto& s : ligne) {
            EXPECT_FALSE(s->ExisteTjrs(P.Gr));
            EXPECT_EQ(s->Score(P.Gr, P.Des), 0);
        }
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y)
            EXPECT_EQ(P.CreateurSuite(x, y), jIndefini) << Case{x, y};
}

// Row 2 holds 2, 5, 6, _, 1, 3; a left 4 fills (3, 2) and captures nothing.
struct LigneDeux {
    std::string Nom;
    TIdJoueur Autres; // owner of the five other dice, jIndefini for a mix
    bool Propre;
    int Points;
};

class LigneDeuxTest : public PartieTestP<LigneDeux> {};

TEST_P(LigneDeuxTest, FillingTheRowFormsItsSuite) {
    const TIdJoueur a = GetParam().Autres;
    const auto proprietaire = [&](TIdJoueur mix) { return a == jIndefini ? mix : a; };
    Pose({{proprietaire(jGauche), 2, 0, 2},
          {proprietaire(jDroite), 5, 1, 2},
          {proprietaire(jDroite), 6, 2, 2},
          {proprietaire(jGauche), 1, 4, 2},
          {proprietaire(jDroite), 3, 5, 2}});
    const auto avant = Fiches(P);
    const Coup c = Joue(jGauche, 4, 3, 2);
    EXPECT_FALSE(c.Capture);
    EXPECT_TRUE(c.Suite);

    const TSuiteDes& s = *P.Suites[oHorizontale][2];
    EXPECT_EQ(Fiche(s), std::make_tuple(jGauche, 3, 2, GetParam().Propre, TTour{0})) << "Tr stays 0";
    EXPECT_TRUE(s.ExisteTjrs(P.Gr));
    EXPECT_EQ(s.Score(P.Gr, P.Des), GetParam().Points);
    EXPECT_EQ(Fiches(P)[TailleGrille + 3], avant[TailleGrille + 3]) << "column 3 is not full";
    for (int x = 0; x < TailleGrille; ++x) {
        EXPECT_EQ(P.CreateurSuite(x, 2), jGauche) << x;
        EXPECT_EQ(P.CreateurSuite(x, 1), jIndefini) << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Part14, LigneDeuxTest,
                         ::testing::Values(LigneDeux{"BothPlayers", jIndefini, false, 2 + 5 + 6 + 1 + 3},
                                           LigneDeux{"AllLeft", jGauche, true, 2 * 17},
                                           LigneDeux{"AllRight", jDroite, false, 17}),
                         [](const auto& i) { return i.param.Nom; });

// A left 1 on (0, 0) fills row 0 (all left: clean) and column 0 (mixed). The 6 next to it
// on each line keeps it from capturing.
TEST_F(PartieTest, ADieFillingRowAndColumnFormsBoth) {
    Pose(
        {{jGauche, 6, 1, 0}, {jGauche, 2, 2, 0}, {jGauche, 3, 3, 0}, {jGauche, 4, 4, 0}, {jGauche, 5, 5, 0}});
    Pose(
        {{jDroite, 6, 0, 1}, {jGauche, 5, 0, 2}, {jDroite, 4, 0, 3}, {jDroite, 3, 0, 4}, {jDroite, 2, 0, 5}});
    const Coup c = Joue(jGauche, 1, 0, 0);
    EXPECT_FALSE(c.Capture);
    EXPECT_TRUE(c.Suite);
    EXPECT_EQ(Fiche(*P.Suites[oHorizontale][0]), std::make_tuple(jGauche, 0, 0, true, TTour{0}));
    EXPECT_EQ(Fiche(*P.Suites[oVerticale][0]), std::make_tuple(jGauche, 0, 0, false, TTour{0}));
    EXPECT_EQ(P.Suites[oHorizontale][0]->Score(P.Gr, P.Des), 2 * 20);
    EXPECT_EQ(P.Suites[oVerticale][0]->Score(P.Gr, P.Des), 20);
}

TEST_F(PartieTest, APlacementThatFillsNoLineRecordsNothing) {
    Pose({{jGauche, 2, 0, 3}, {jDroite, 3, 1, 3}, {jGauche, 4, 2, 3}, {jDroite, 1, 3, 3}});
    Pose({{jDroite, 5, 4, 0}, {jGauche, 2, 4, 1}, {jDroite, 1, 4, 2}, {jGauche, 3, 4, 4}});
    P.Suites[oHorizontale][3]->Affecte(jDroite, 1, 3, true); // left from an earlier game
    P.Suites[oVerticale][4]->Affecte(jGauche, 4, 5, false);
    const auto avant = Fiches(P);
    const Coup c = Joue(jDroite, 6, 4, 3); // row 3 still lacks (5, 3), column 4 lacks (4, 5)
    EXPECT_FALSE(c.Capture);
    EXPECT_FALSE(c.Suite);
    EXPECT_EQ(Fiches(P), avant);
}

// Row 2 holds 1, 3, _, 2, 4, 5; a 6 on (2, 2) fills the row but takes the 3, so no suite.
TEST_F(PartieTest, AFillingDieThatCapturesInItsRowFormsNoSuite) {
    Pose(
        {{jGauche, 1, 0, 2}, {jDroite, 3, 1, 2}, {jGauche, 2, 3, 2}, {jDroite, 4, 4, 2}, {jDroite, 5, 5, 2}});
    P.Suites[oHorizontale][2]->Affecte(jDroite, 4, 2, true);
    const auto avant = Fiches(P);
    EXPECT_TRUE(P.CreeSuite(2, 2)) << "before its captures the die would fill the row";
    const TNumDe trois = P.Gr[1][2];
    const Coup c = Joue(jGauche, 6, 2, 2);
    EXPECT_EQ(Contenu(c.Captures.get()), std::vector<TNumDe>{trois});
    EXPECT_FALSE(c.Suite);
    EXPECT_EQ(Fiches(P), avant);
    EXPECT_FALSE(P.Suites[oHorizontale][2]->ExisteTjrs(P.Gr));
}

// The left player fills row 2 (2, 5, 6, 4, 1, 3); the right player's 6 on (1, 1) takes the 5
// of the row (far end a 1 on (1, 3)); the right player's 5 then fills the row again.
TEST_F(PartieTest, ACaptureBreaksASuiteAndARefillRewritesIt) {
    Pose(
        {{jGauche, 2, 0, 2}, {jGauche, 5, 1, 2}, {jGauche, 6, 2, 2}, {jDroite, 1, 4, 2}, {jGauche, 3, 5, 2}});
    Pose(jDroite, 1, 1, 3);
    ASSERT_TRUE(Joue(jGauche, 4, 3, 2).Suite);
    const TSuiteDes& s = *P.Suites[oHorizontale][2];
    ASSERT_EQ(s.Score(P.Gr, P.Des), 17);

    const Coup prise = Joue(jDroite, 6, 1, 1);
    ASSERT_EQ(Contenu(prise.Captures.get()).size(), 1u);
    EXPECT_EQ(P.Gr[1][2], ndIndefini);
    EXPECT_FALSE(prise.Suite);
    EXPECT_FALSE(s.ExisteTjrs(P.Gr));
    EXPECT_EQ(s.Score(P.Gr, P.Des), 0);
    EXPECT_EQ(Fiche(s), std::make_tuple(jGauche, 3, 2, false, TTour{0}))
        << "a broken record keeps its fields";
    for (int x = 0; x < TailleGrille; ++x)
        EXPECT_EQ(P.CreateurSuite(x, 2), jIndefini) << x;

    const Coup retour = Joue(jDroite, 5, 1, 2);
    EXPECT_FALSE(retour.Capture);
    EXPECT_TRUE(retour.Suite);
    EXPECT_EQ(Fiche(s), std::make_tuple(jDroite, 1, 2, false, TTour{0}));
    EXPECT_TRUE(s.ExisteTjrs(P.Gr));
    EXPECT_EQ(s.Score(P.Gr, P.Des), 21 - 5);
    for (int x = 0; x < TailleGrille; ++x)
        EXPECT_EQ(P.CreateurSuite(x, 2), jDroite) << x;
}

// ---------------------------------------------------------------------------------------------

struct CasCreeSuite {
    std::string Nom;
    std::vector<Case> Occupees;
    Case Cible;
    bool Attendu;
};

class CreeSuiteTest : public PartieTestP<CasCreeSuite> {};

TEST_P(CreeSuiteTest, TellsWhetherADieThereWouldFillALine) {
    int k = 0;
    for (const auto& c : GetParam().Occupees) {
        Pose(k % 2 ? jDroite : jGauche, k % NbFaces + 1, c.x, c.y);
        ++k;
    }
    EXPECT_EQ(P.CreeSuite(GetParam().Cible.x, GetParam().Cible.y), GetParam().Attendu);
}

const CasCreeSuite CasCree[] = {
    {"EmptyBoard", {}, {2, 2}, false},
    {"RowOfFiveOthers", {{0, 0}, {1, 0}, {3, 0}, {4, 0}, {5, 0}}, {2, 0}, true},
    {"ColumnOfFiveOthers", {{4, 0}, {4, 1}, {4, 2}, {4, 4}, {4, 5}}, {4, 3}, true},
    {"RowWouldBeTakenApartByCaptures", {{0, 2}, {1, 2}, {3, 2}, {4, 2}, {5, 2}}, {2, 2}, true},
    {"RowAndColumnEachLackAnotherCell",
     {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 1}, {4, 2}, {4, 3}, {4, 4}},
     {4, 0},
     false},
    {"OccupiedCellOfAFullRow", {{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}, {2, 5}, true},
    {"OccupiedCellOfARowLackingAnother", {{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}}, {2, 5}, false},
};

INSTANTIATE_TEST_SUITE_P(Part14, CreeSuiteTest, ::testing::ValuesIn(CasCree),
                         [](const auto& i) { return i.param.Nom; });

// Row 0 reads 2, 3, 4, 5, 1, _ and column 0 reads 2, 3, 4, 5, 1, _ downwards; a 6 fills each
// (the 1 next to it keeps it from capturing).
struct Croisement {
    std::string Nom;
    bool LigneDAbord;
    TIdJoueur CreateurLigne;
    TIdJoueur CreateurColonne;
};

class CroisementTest : public PartieTestP<Croisement> {};

TEST_P(CroisementTest, AtACrossingTheRowsCreatorWins) {
    const Croisement& c = GetParam();
    Pose(
        {{jGauche, 2, 0, 0}, {jGauche, 3, 1, 0}, {jGauche, 4, 2, 0}, {jGauche, 5, 3, 0}, {jGauche, 1, 4, 0}});
    Pose({{jDroite, 3, 0, 1}, {jDroite, 4, 0, 2}, {jDroite, 5, 0, 3}, {jDroite, 1, 0, 4}});
    const auto ligne = [&] { EXPECT_TRUE(Joue(c.CreateurLigne, 6, 5, 0).Suite); };
    const auto colonne = [&] { EXPECT_TRUE(Joue(c.CreateurColonne, 6, 0, 5).Suite); };
    if (c.LigneDAbord) {
        ligne();
        colonne();
    } else {
        colonne();
        ligne();
    }
    EXPECT_EQ(P.Suites[oHorizontale][0]->Jr, c.CreateurLigne);
    EXPECT_EQ(P.Suites[oVerticale][0]->Jr, c.CreateurColonne);
    EXPECT_EQ(P.Suites[oHorizontale][0]->Tr, 0);
    EXPECT_EQ(P.Suites[oVerticale][0]->Tr, 0);

    EXPECT_EQ(P.CreateurSuite(0, 0), c.CreateurLigne) << "the crossing";
    EXPECT_EQ(P.CreateurSuite(3, 0), c.CreateurLigne) << "row only";
    EXPECT_EQ(P.CreateurSuite(0, 3), c.CreateurColonne) << "column only";
    EXPECT_EQ(P.CreateurSuite(3, 3), jIndefini);
}

INSTANTIATE_TEST_SUITE_P(Part14, CroisementTest,
                         ::testing::Values(Croisement{"RowLeftFirst", true, jGauche, jDroite},
                                           Croisement{"ColumnRightFirst", false, jGauche, jDroite},
                                           Croisement{"BothRight", true, jDroite, jDroite},
                                           Croisement{"RowRightColumnLeft", true, jDroite, jGauche},
                                           Croisement{"ColumnLeftFirstRowRight", false, jDroite, jGauche}),
                         [](const auto& i) { return i.param.Nom; });

// The crossing rule reads Tr, which no operation writes; set by hand, the later column wins.
TEST_F(PartieTest, CreateurSuiteComparesTr) {
    for (int i = 0; i < TailleGrille; ++i) {
        Pose(jGauche, i + 1, i, 0);
        if (i > 0)
            Pose(jDroite, (i + 1) % NbFaces + 1, 0, i);
    }
    P.Suites[oHorizontale][0]->Affecte(jGauche, 5, 0, false);
    P.Suites[oVerticale][0]->Affecte(jDroite, 0, 5, false);
    EXPECT_EQ(P.CreateurSuite(0, 0), jGauche);
    P.Suites[oVerticale][0]->Tr = 20;
    EXPECT_EQ(P.CreateurSuite(0, 0), jDroite);
    P.Suites[oHorizontale][0]->Tr = 20;
    EXPECT_EQ(P.CreateurSuite(0, 0), jGauche);
}

TEST_F(PartieTest, ANewGameKeepsTheRecordsButNoneStands) {
    Pose(
        {{jGauche, 6, 1, 0}, {jGauche, 2, 2, 0}, {jGauche, 3, 3, 0}, {jGauche, 4, 4, 0}, {jGauche, 5, 5, 0}});
    Pose(
        {{jDroite, 6, 0, 1}, {jGauche, 5, 0, 2}, {jDroite, 4, 0, 3}, {jDroite, 3, 0, 4}, {jDroite, 2, 0, 5}});
    ASSERT_TRUE(Joue(jGauche, 1, 0, 0).Suite);
    ASSERT_EQ(P.Compte(jGauche, cSP), 1);
    const auto avant = Fiches(P);

    P.Nouvelle(mjMaster);
    EXPECT_EQ(Fiches(P), avant);
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y)
            EXPECT_EQ(P.CreateurSuite(x, y), jIndefini) << Case{x, y};
    for (auto j : {jGauche, jDroite})
        for (auto c : {cSM, cSP}) {
            EXPECT_EQ(P.Compte(j, c), 0);
            EXPECT_EQ(P.Score(j, c), 0);
        }
}

#ifndef NDEBUG
TEST_F(PartieTest, SuiteCreeOnAnEmptyCellAsserts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(P.SuiteCree(2, 2), "");
}
#endif

} // namespace
