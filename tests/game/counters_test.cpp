// The five counters of each player and the total score.
#include "fixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr TCompteur Compteurs[] = {cDRAJ, cDC, cDNJ, cSM, cSP};

class CompteursTest : public PartieTest {
protected:
    // A die of `proprietaire` showing `face`, put on the board and captured by `preneur`.
    void Capture(TIdJoueur preneur, TIdJoueur proprietaire, int face) {
        const TNumDe n = Pose(proprietaire, face, 5, 5);
        P.JrCrt = preneur;
        P.CaptureDe(n);
    }

    // A die of j showing `face` that found no cell.
    void Passe(TIdJoueur j, int face) { P.PasseDe(DonneDe(j, face)); }

    // A full example for the left player: he captured a right 5 and one of his own
    // 2s (12), one right die was passed (1), and he holds a clean row 1 reading 1, 2, 6, 3, 5
    // that his 4 filled on (5, 1) (34): 47 in all.
    void QuaranteSept() {
        Capture(jGauche, jDroite, 5);
        Capture(jGauche, jGauche, 2);
        Passe(jDroite, 6);
        Pose({{jGauche, 1, 0, 1},
              {jGauche, 2, 1, 1},
              {jGauche, 6, 2, 1},
              {jGauche, 3, 3, 1},
              {jGauche, 5, 4, 1}});
        const Coup c = Joue(jGauche, 4, 5, 1);
        ASSERT_FALSE(c.Capture);
        ASSERT_TRUE(c.Suite);
    }
};

TEST_F(CompteursTest, NobodyHasNothing) {
    QuaranteSept();
    for (const TCompteur c : Compteurs) {
        EXPECT_EQ(P.Compte(jIndefini, c), 0) << "counter " << int{c};
        EXPECT_EQ(P.Score(jIndefini, c), 0) << "counter " << int{c};
    }
    EXPECT_EQ(P.Score(jIndefini), 0);
}

TEST_F(CompteursTest, TheExampleTotalIs47) {
    QuaranteSept();
    EXPECT_EQ(P.Compte(jGauche, cDC), 2);
    EXPECT_EQ(P.Score(jGauche, cDC), 5 * 2 + 2);
    EXPECT_EQ(P.Compte(jGauche, cDNJ), 1);
    EXPECT_EQ(P.Score(jGauche, cDNJ), 1);
    EXPECT_EQ(P.Compte(jGauche, cSP), 1);
    EXPECT_EQ(P.Score(jGauche, cSP), 2 * (1 + 2 + 6 + 3 + 5));
    EXPECT_EQ(P.Compte(jGauche, cSM), 0);
    EXPECT_EQ(P.Score(jGauche, cSM), 0);
    EXPECT_EQ(P.Compte(jGauche, cDRAJ), 18 - 6 - 1);
    EXPECT_EQ(P.Score(jGauche), 47);

    EXPECT_EQ(P.Compte(jDroite, cDRAJ), 18 - 2);
    for (const TCompteur c : {cDC, cDNJ, cSM, cSP}) {
        EXPECT_EQ(P.Compte(jDroite, c), 0) << "counter " << int{c};
        EXPECT_EQ(P.Score(jDroite, c), 0) << "counter " << int{c};
    }
    EXPECT_EQ(P.Score(jDroite), 0);
}

// The right player's 5 on (3, 2) takes the 3 of the clean row (far end his 2 on (3, 0)).
TEST_F(CompteursTest, ABrokenSuiteLosesItsCountAndPoints) {
    QuaranteSept();
    Pose(jDroite, 2, 3, 0);
    const Coup c = Joue(jDroite, 5, 3, 2);
    ASSERT_EQ(Contenu(c.Captures.get()).size(), 1u);
    EXPECT_EQ(P.Compte(jGauche, cSP), 0);
    EXPECT_EQ(P.Score(jGauche, cSP), 0);
    EXPECT_EQ(P.Score(jGauche), 12 + 1);
    EXPECT_EQ(P.Compte(jDroite, cDC), 1);
    EXPECT_EQ(P.Score(jDroite, cDC), 3 * 2);
    EXPECT_EQ(P.Score(jDroite), 6);
}

class NouvelleCompteursTest : public PartieTestP<TModeJeu> {};

TEST_P(NouvelleCompteursTest, OnlyTheDiceToPlayCount) {
    P.Nouvelle(GetParam());
    EXPECT_EQ(P.Compte(jGauche, cDRAJ), GetParam() == mjBlitz ? 17 : 18) << "ndG01 is drawn in mode Blitz";
    EXPECT_EQ(P.Compte(jDroite, cDRAJ), 18);
    for (auto j : {jGauche, jDroite}) {
        for (const TCompteur c : Compteurs) {
            EXPECT_EQ(P.Score(j, c), 0) << "counter " << int{c};
            if (c != cDRAJ) {
                EXPECT_EQ(P.Compte(j, c), 0) << "counter " << int{c};
            }
        }
        EXPECT_EQ(P.Score(j), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Part15, NouvelleCompteursTest, ::testing::Values(mjBlitz, mjMaster),
                         [](const auto& i) { return i.param == mjBlitz ? "Blitz" : "Master"; });

// Captures are credited to the capturer, whoever owned the die, and weighed for him.
TEST_F(CompteursTest, CapturesCountForTheCapturer) {
    Capture(jDroite, jGauche, 4);
    Capture(jDroite, jDroite, 6);
    Capture(jDroite, jGauche, 1);
    Capture(jGauche, jDroite, 3);
    EXPECT_EQ(P.Compte(jDroite, cDC), 3);
    EXPECT_EQ(P.Score(jDroite, cDC), 4 * 2 + 6 + 1 * 2);
    EXPECT_EQ(P.Compte(jGauche, cDC), 1);
    EXPECT_EQ(P.Score(jGauche, cDC), 3 * 2);
    EXPECT_EQ(P.Compte(jDroite, cDRAJ), 18 - 2);
    EXPECT_EQ(P.Compte(jGauche, cDRAJ), 18 - 2);
}

TEST_F(CompteursTest, EachPassedDieIsAPointForTheOpponent) {
    for (int k = 1; k <= 3; ++k) {
        Passe(jDroite, k);
        EXPECT_EQ(P.Compte(jGauche, cDNJ), k);
        EXPECT_EQ(P.Score(jGauche, cDNJ), k);
        EXPECT_EQ(P.Score(jGauche), k);
        EXPECT_EQ(P.Compte(jDroite, cDNJ), 0);
        EXPECT_EQ(P.Score(jDroite), 0);
    }
    Passe(jGauche, 6);
    EXPECT_EQ(P.Compte(jDroite, cDNJ), 1);
    EXPECT_EQ(P.Compte(jGauche, cDNJ), 3);
}

TEST_F(CompteursTest, TheDiceToPlayAreWorthNothing) {
    EXPECT_EQ(P.Compte(jGauche, cDRAJ), 18);
    EXPECT_EQ(P.Score(jGauche, cDRAJ), 0);
    DonneDe(jGauche, 3); // drawn, no longer waiting
    EXPECT_EQ(P.Compte(jGauche, cDRAJ), 17);
    Pose(jGauche, 5, 2, 2); // on the board, worth nothing by itself
    EXPECT_EQ(P.Compte(jGauche, cDRAJ), 16);
    EXPECT_EQ(P.Score(jGauche), 0);
}

TEST_F(CompteursTest, OtherCountersAreZero) {
    QuaranteSept();
    for (const int c : {5, 6, 255})
        for (auto j : {jGauche, jDroite}) {
            EXPECT_EQ(P.Compte(j, static_cast<TCompteur>(c)), 0) << c;
            EXPECT_EQ(P.Score(j, static_cast<TCompteur>(c)), 0) << c;
        }
}

// A standing suite is worth 21 minus the face of the die that formed it, twice that when clean,
// whatever the line and the cell of formation.
struct ValeurSuite {
    TOrientation o;
    int Face; // of the forming die
    bool Propre;
};

class ValeurSuiteTest : public PartieTestP<ValeurSuite> {};

TEST_P(ValeurSuiteTest, WorthTwentyOneMinusTheFormingFace) {
    const auto [o, forme, propre] = GetParam();
    const int Pos = 3;
    int xForme = -1;
    int yForme = -1;
    for (int i = 0; i < TailleGrille; ++i) {
        const int face = (i + 4) % NbFaces + 1;
        const int x = o == oHorizontale ? i : Pos;
        const int y = o == oHorizontale ? Pos : i;
        Pose(propre || i % 2 ? jDroite : jGauche, face, x, y);
        if (face == forme) {
            xForme = x;
            yForme = y;
        }
    }
    P.Suites[o][Pos]->Affecte(jDroite, xForme, yForme, propre);
    const int attendu = (21 - forme) * (propre ? 2 : 1);
    const TCompteur compteur = propre ? cSP : cSM;
    const TCompteur autre = propre ? cSM : cSP;
    EXPECT_EQ(P.Compte(jDroite, compteur), 1);
    EXPECT_EQ(P.Score(jDroite, compteur), attendu);
    EXPECT_EQ(P.Compte(jDroite, autre), 0);
    EXPECT_EQ(P.Score(jDroite, autre), 0);
    EXPECT_EQ(P.Score(jDroite), attendu);
    EXPECT_EQ(P.Score(jGauche), 0);
}

std::vector<ValeurSuite> ValeursSuites() {
    std::vector<ValeurSuite> v;
    for (auto o : {oHorizontale, oVerticale})
        for (int f = 1; f <= NbFaces; ++f)
            for (bool propre : {false, true})
                v.push_back({o, f, propre});
    return v;
}

INSTANTIATE_TEST_SUITE_P(Part15, ValeurSuiteTest, ::testing::ValuesIn(ValeursSuites()), [](const auto& i) {
    return std::string(i.param.o == oHorizontale ? "Row" : "Column") + "FormedBy" +
           std::to_string(i.param.Face) + (i.param.Propre ? "Clean" : "Mixed");
});

} // namespace
