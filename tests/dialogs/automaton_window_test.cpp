// The computer at the table: whole games between two computers, a person's presses ignored
// during the computer's turn, and searches cancelled by a new game or the close.
#include "window_fixture.h"

#include "automaton_player.h"

namespace {

class AutomatonTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        CouleurJoueur = {cNoir, cBleu, cRouge};
        F().Automate->Delais = {0, 0, 0};
    }
    TJoueurAutomate& A() { return *F().Automate; }
    // Takes every step the computer has scheduled, as the timers would.
    void JoueTout() {
        for (int pas = 0; pas < 1000 && A().Occupe(); ++pas)
            A().ExecuteEnAttente();
    }
};

class TwoComputersTest : public AutomatonTest, public testing::WithParamInterface<TModeJeu> {};

} // namespace

TEST_P(TwoComputersTest, PlayAWholeGameToTheVerdict) {
    F().NiveauAutomate = 0;
    Partie->Jr[jGauche]->Automate = true;
    Partie->Jr[jDroite]->Automate = true;
    Nouvelle(GetParam());
    JoueTout();
    EXPECT_EQ(Partie->TrCrt, 36);
    EXPECT_EQ(Partie->PhCrt, phResultatPose);
    EXPECT_EQ(F().EtatBouton(), ebIndefini);
    EXPECT_TRUE(F().stMsg[jGauche].startsWith("Partie terminée"));
    EXPECT_TRUE(F().stMsg[jDroite].startsWith("Partie terminée"));
    EXPECT_EQ(Partie->Compte(jGauche, cDRAJ) + Partie->Compte(jDroite, cDRAJ), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, TwoComputersTest, testing::Values(mjBlitz, mjMaster));

TEST_F(AutomatonTest, ComputerPlaysItsTurnAndWaitsForThePersonsOk) {
    F().NiveauAutomate = 2;
    Partie->Jr[jDroite]->Automate = true;
    Nouvelle(mjMaster);
    EXPECT_FALSE(A().Occupe()); // the left player is a person
    Press("PaintBox1DRAJ", Place(3));
    Press("PaintBoxGrille", Cellule(2, 2));
    ASSERT_EQ(F().EtatBouton(), ebOK);
    Press("PaintBoxAction", QPoint(32, 32));
    ASSERT_EQ(Partie->JrCrt, jDroite);
    EXPECT_TRUE(A().Occupe());

    // A person's presses on the board and the panels are not taken meanwhile.
    Press("PaintBox2DRAJ", Place(1));
    EXPECT_EQ(Partie->DeCrt, ndIndefini);

    JoueTout();
    EXPECT_EQ(Partie->JrCrt, jDroite);
    EXPECT_EQ(Partie->PhCrt, phResultatPose);
    EXPECT_EQ(F().EtatBouton(), ebOK); // the person sees the result and presses OK
    EXPECT_FALSE(A().Occupe());
    Press("PaintBoxAction", QPoint(32, 32));
    EXPECT_EQ(Partie->TrCrt, 3);
    EXPECT_EQ(Partie->JrCrt, jGauche);
}

TEST_F(AutomatonTest, ComputerStopsItsOwnRollInBlitz) {
    F().NiveauAutomate = 1;
    Partie->Jr[jGauche]->Automate = true;
    Nouvelle(mjBlitz);
    EXPECT_TRUE(F().TimerDe->isActive());
    Press("PaintBoxAction", QPoint(32, 32)); // a person's STOP is not taken
    EXPECT_TRUE(F().TimerDe->isActive());
    JoueTout();
    EXPECT_FALSE(F().TimerDe->isActive());
    EXPECT_EQ(Partie->PhCrt, phResultatPose);
    EXPECT_EQ(Partie->Des[ndG01]->Etat, edPose);
}

TEST_F(AutomatonTest, NewGameCancelsASearchAndNothingOfItIsPlayed) {
    F().NiveauAutomate = 3;
    Partie->Jr[jGauche]->Automate = true;
    Nouvelle(mjMaster);
    ASSERT_TRUE(A().Occupe());
    Partie->Jr[jGauche]->Automate = false;
    Nouvelle(mjBlitz);
    EXPECT_FALSE(A().Occupe());
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents(); // a late answer of the abandoned search is ignored
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 6; ++y)
            EXPECT_EQ(Partie->Gr[x][y], ndIndefini);
    EXPECT_EQ(Partie->PhCrt, phLanceDes);
    EXPECT_EQ(F().EtatBouton(), ebStop);
}

TEST_F(AutomatonTest, ClosingDuringASearchEndsCleanly) {
    F().NiveauAutomate = 3;
    Partie->Jr[jGauche]->Automate = true;
    Nouvelle(mjMaster);
    ASSERT_TRUE(A().Occupe());
    F().close();
    EXPECT_FALSE(A().Occupe());
    QApplication::processEvents();
    EXPECT_EQ(Partie->DeCrt, ndIndefini);
}
