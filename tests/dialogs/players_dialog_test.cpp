// The players dialog: frames on the current choices, OK keeps, every cancel undoes.
#include "window_fixture.h"

#include "joueurs_f.h"

#include <QPushButton>

namespace {

class PlayersDialogTest : public FenetreTest {
protected:
    void SetUp() override {
        FenetreTest::SetUp();
        CouleurJoueur = {cNoir, cBleu, cRouge};
        dialogue = std::make_unique<TFormJoueurs>(*Fenetre);
        dialogue->show();
    }
    void TearDown() override {
        dialogue.reset();
        FenetreTest::TearDown();
    }
    TPaintBox& Boite(const char* nom) { return *dialogue->findChild<TPaintBox*>(nom); }
    void Clic(const char* nom) {
        QTest::mouseClick(&Boite(nom), Qt::LeftButton, Qt::NoModifier, QPoint(24, 24));
    }
    // A box is framed when its three outer rings of pixels are black.
    bool Encadree(const char* nom) {
        const QImage b = Boite(nom).grab().toImage();
        for (int i = 0; i < 3; ++i)
            if (b.pixelColor(i, 24) != QColor(Qt::black) || b.pixelColor(24, i) != QColor(Qt::black))
                return false;
        return b.pixelColor(3, 24) != QColor(Qt::black);
    }

    std::unique_ptr<TFormJoueurs> dialogue;
};

} // namespace

TEST_F(PlayersDialogTest, IsLaidOutAsDeclared) {
    EXPECT_EQ(dialogue->windowTitle(), QString::fromUtf8("Définition des joueurs"));
    EXPECT_EQ(dialogue->size(), QSize(409, 247));
    EXPECT_EQ(Boite("PaintBoxG1").Tag, 1);
    EXPECT_EQ(Boite("PaintBoxD7").Tag, 7);
    EXPECT_EQ(Boite("PaintBoxGA").Tag, 0);
    EXPECT_EQ(Boite("PaintBoxDH").Tag, 1);
    EXPECT_EQ(Boite("PaintBoxD5").geometry(), QRect(71, 79, 49, 49));
    EXPECT_TRUE(dialogue->findChild<QPushButton*>("ButtonOK")->isDefault());
    EXPECT_EQ(dialogue->findChild<QPushButton*>("ButtonAnnuler")->text(), "Annuler");
}

TEST_F(PlayersDialogTest, FramesTheCurrentColourAndType) {
    EXPECT_TRUE(Encadree("PaintBoxG1"));
    EXPECT_FALSE(Encadree("PaintBoxG4"));
    EXPECT_TRUE(Encadree("PaintBoxD4"));
    EXPECT_TRUE(Encadree("PaintBoxGA"));
    EXPECT_FALSE(Encadree("PaintBoxGH"));
    // A colour that the dialog does not offer frames no colour box.
    CouleurJoueur[jGauche] = cNoir;
    for (const char* nom :
         {"PaintBoxG1", "PaintBoxG2", "PaintBoxG3", "PaintBoxG4", "PaintBoxG5", "PaintBoxG6", "PaintBoxG7"})
        EXPECT_FALSE(Encadree(nom)) << nom;
}

TEST_F(PlayersDialogTest, OkKeepsTheChoiceAndRecoloursTheWindow) {
    Clic("PaintBoxG3");
    EXPECT_EQ(CouleurJoueur[jGauche], cOrange);
    EXPECT_TRUE(Encadree("PaintBoxG3"));
    EXPECT_FALSE(Encadree("PaintBoxG1"));
    Clic("PaintBoxD1"); // the same colour for both players is allowed
    Clic("PaintBoxDH");
    EXPECT_TRUE(Encadree("PaintBoxDH"));
    EXPECT_FALSE(Encadree("PaintBoxDA"));
    QTest::mouseClick(dialogue->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
    EXPECT_EQ(dialogue->result(), QDialog::Accepted);
    EXPECT_EQ(CouleurJoueur[jGauche], cOrange);
    EXPECT_EQ(CouleurJoueur[jDroite], cBleu);
    EXPECT_TRUE(Partie->Jr[jDroite]->Automate);
    EXPECT_EQ(Composant<QLabel>("Label1DC")->palette().color(QPalette::WindowText),
              QColor::fromRgb(ValeurCouleur[cOrange]));
    EXPECT_EQ(Composant("PaintBox2Msg")->CouleurTexte, QColor::fromRgb(ValeurCouleur[cBleu]));
}

class CancelTest : public PlayersDialogTest, public testing::WithParamInterface<int> {};

TEST_P(CancelTest, EveryWayOfCancellingPutsBackColoursAndTypes) {
    Clic("PaintBoxG5");
    Clic("PaintBoxG6");
    Clic("PaintBoxD2");
    Clic("PaintBoxGH");
    EXPECT_EQ(CouleurJoueur[jGauche], cVert);
    switch (GetParam()) {
    case 0:
        QTest::mouseClick(dialogue->findChild<QPushButton*>("ButtonAnnuler"), Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(dialogue.get(), Qt::Key_Escape);
        break;
    default:
        dialogue->close();
        break;
    }
    EXPECT_EQ(dialogue->result(), QDialog::Rejected);
    EXPECT_EQ(CouleurJoueur[jGauche], cBleu);
    EXPECT_EQ(CouleurJoueur[jDroite], cRouge);
    EXPECT_FALSE(Partie->Jr[jGauche]->Automate);
}

INSTANTIATE_TEST_SUITE_P(ButtonEscapeCloseBox, CancelTest, testing::Values(0, 1, 2));
