// The computer at the table: whole games between two computers, a person's presses ignored
// during the computer's turn, and searches cancelled by a new game or the close.
#include "window_fixture.h"

#include "automaton_player.h"

namespace {

class AutomatonTest : public FenetreTest {
protected:
    void SetUp() override {
        FenetreTest::SetUp();
        CouleurJoueur = {cNoir, cBleu, cRouge};
        Fenetre->Automate->Delais = {0, 0, 0};
    }
    TJoueurAutomate& A() { return *Fenetre->Automate; }
    // Takes every step the computer has scheduled, as the timers would.
    void JoueTout() {
        for (int pas = 0; pas < 1000 && A().Occupe(); ++pas)
            A().ExecuteEnAttente();
    }
};

class TwoComputersTest : public AutomatonTest, public testing::WithParamInterface<TModeJeu> {};

} // namespace

TEST_P(TwoComputersTest, PlayAWholeGameToTheVerdict) {
    Fenetre->NiveauAutomate = 0;
    Partie->Jr[jGauche]->Automate = true;
    Partie->Jr[jDroite]->Automate = true;
    Nouvelle(GetParam());
    JoueTout();
    EXPECT_EQ(Partie->TrCrt, 36);
    EXPECT_EQ(Partie->PhCrt, phResultatPose);
    EXPECT_EQ(Fenetre->EtatBouton(), ebIndefini);
    EXPECT_TRUE(Fenetre->stMsg[jGauche].startsWith("Partie terminée"));
    EXPECT_TRUE(Fenetre->stMsg[jDroite].startsWith("Partie terminée"));
    EXPECT_EQ(Partie->Compte(jGauche, cDRAJ) + Partie->Compte(jDroite, cDRAJ), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, TwoComputersTest, testing::Values(mjBlitz, mjMaster));

TEST_F(AutomatonTest, ComputerPlaysItsTurnAndWaitsForThePersonsOk) {
    Fenetre->NiveauAutomate = 2;
    Partie->Jr[jDroite]->Automate = true;
    Nouvelle(mjMaster);
    EXPECT_FALSE(A().Occupe()); // the left player is a person
    Clique("PaintBox1DRAJ", CentrePlace(3));
    Clique("PaintBoxGrille", CentreCase(2, 2));
    ASSERT_EQ(Fenetre->EtatBouton(), ebOK);
    Clique("PaintBoxAction", QPoint(32, 32));
    ASSERT_EQ(Partie->JrCrt, jDroite);
    EXPECT_TRUE(A().Occupe());

    // A person's presses on the board and the panels are not taken meanwhile.
    Clique("PaintBox2DRAJ", CentrePlace(1));
    EXPECT_EQ(Partie->DeCrt, ndIndefini);

    JoueTout();
    EXPECT_EQ(Partie->JrCrt, jDroite);
    EXPECT_EQ(Partie->PhCrt, phResultatPose);
    EXPECT_EQ(Fenetre->EtatBouton(), ebOK); // the person sees the result and presses OK
    EXPECT_FALSE(A().Occupe());
    Clique("PaintBoxAction", QPoint(32, 32));
    EXPECT_EQ(Partie->TrCrt, 3);
    EXPECT_EQ(Partie->JrCrt, jGauche);
}

TEST_F(AutomatonTest, ComputerStopsItsOwnRollInBlitz) {
    Fenetre->NiveauAutomate = 1;
    Partie->Jr[jGauche]->Automate = true;
    Nouvelle(mjBlitz);
    EXPECT_TRUE(Fenetre->TimerDe->isActive());
    Clique("PaintBoxAction", QPoint(32, 32)); // a person's STOP is not taken
    EXPECT_TRUE(Fenetre->TimerDe->isActive());
    JoueTout();
    EXPECT_FALSE(Fenetre->TimerDe->isActive());
    EXPECT_EQ(Partie->PhCrt, phResultatPose);
    EXPECT_EQ(Partie->Des[ndG01]->Etat, edPose);
}

TEST_F(AutomatonTest, NewGameCancelsASearchAndNothingOfItIsPlayed) {
    Fenetre->NiveauAutomate = 3;
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
    EXPECT_EQ(Fenetre->EtatBouton(), ebStop);
}

TEST_F(AutomatonTest, ClosingDuringASearchEndsCleanly) {
    Fenetre->NiveauAutomate = 3;
    Partie->Jr[jGauche]->Automate = true;
    Nouvelle(mjMaster);
    ASSERT_TRUE(A().Occupe());
    Fenetre->close();
    EXPECT_FALSE(A().Occupe());
    QApplication::processEvents();
    EXPECT_EQ(Partie->DeCrt, ndIndefini);
}
