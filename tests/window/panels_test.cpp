// What the side panels show: messages, dice areas and captions, stars, digits, turn counter.
#include "window_fixture.h"

#include "image_list.h"
#include "picture.h"

#include <QPainter>

namespace {

const QColor Gris = QColor::fromRgb(ValeurCouleur[cGris]);

// The columns and rows of `image` that hold a pixel other than `fond`.
QRect Encre(const QImage& image, QColor fond) {
    QRect r;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) != fond)
                r |= QRect(x, y, 1, 1);
    return r;
}

// The picture a score digit area should show for digit `chiffre` in colour `c`.
QImage Chiffre(int chiffre, TCouleur c) {
    QImage image(25, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 24, 63), Gris);
    TPicture t;
    t.Draw(Catalogue().VirtualImageListFnd, cNoir);
    t.Draw(Catalogue().VirtualImageListChf, c + 10 * chiffre);
    t.CopyTo(p, QRect(0, 0, 24, 63));
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage Rgb32(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

class PanelsTest : public FenetreTest {
protected:
    void SetUp() override {
        FenetreTest::SetUp();
        CouleurJoueur = {cNoir, cBleu, cRouge};
        Fenetre->ColoreTexteJoueurs();
    }
    static void Capture(TNumDe d, TIdJoueur par) {
        Partie->Des[d]->Etat = edCapture;
        Partie->Des[d]->Vq = par;
    }
    // Row 0 full with faces 1..6, its record formed by `j`.
    static void Suite(TIdJoueur j, bool propre) {
        const TNumDe des[6] = {ndG01, ndD02, ndG03, ndD04, ndG05, ndD06};
        for (int x = 0; x < 6; ++x)
            Pose(des[x], x, 0);
        Partie->Suites[oHorizontale][0]->Affecte(j, 5, 0, propre);
    }
};

} // namespace

TEST_F(PanelsTest, MessageLinesAreCentredOneByOne) {
    Fenetre->AfficheMessage(jGauche, "Un\rDeux mots", ebOK);
    EXPECT_EQ(Fenetre->EtatBouton(), ebOK);
    const QImage m = Grab("PaintBox1Msg");
    const QRect tout = Encre(m, Gris);
    ASSERT_TRUE(tout.isValid());
    EXPECT_NEAR(tout.center().x(), 132, 2);
    EXPECT_NEAR(tout.center().y(), 76, 3);
    // The short first line is centred on its own, not flush with the longer one.
    const QRect premiere = Encre(m.copy(0, 0, 264, tout.center().y()), Gris);
    EXPECT_NEAR(premiere.center().x(), 132, 2);
    EXPECT_GT(premiere.left(), tout.left() + 10);

    Fenetre->AfficheMessage(jGauche, "Un\rDeux mots\r", ebIndefini);
    EXPECT_EQ(Grab("PaintBox1Msg"), m); // a final line break adds no line
    EXPECT_FALSE(Encre(Grab("PaintBox2Msg"), Gris).isValid());
}

TEST_F(PanelsTest, MessageToBothPlayersAndEmptyMessage) {
    Fenetre->AfficheMessage(jIndefini, "Bonjour", ebStop);
    EXPECT_EQ(Fenetre->stMsg[jGauche], "Bonjour");
    EXPECT_EQ(Fenetre->stMsg[jDroite], "Bonjour");
    EXPECT_EQ(Fenetre->EtatBouton(), ebStop);
    EXPECT_TRUE(Encre(Grab("PaintBox2Msg"), Gris).isValid());
    Fenetre->AfficheMessage(jDroite, "", ebIndefini);
    EXPECT_FALSE(Encre(Grab("PaintBox2Msg"), Gris).isValid());
}

TEST(ExtraitLigneTest, SplitsAtCarriageReturnsOnly) {
    struct {
        QString Texte;
        QStringList Lignes;
    } const cas[] = {
        {"", {""}},
        {"a", {"a"}},
        {"a\rb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\nb\tc", {"a\nb\tc"}},
    };
    for (const auto& c : cas) {
        QString reste = c.Texte;
        QStringList lignes;
        do
            lignes << ExtraitLigne(reste);
        while (!reste.isEmpty());
        EXPECT_EQ(lignes, c.Lignes) << c.Texte.toStdString();
    }
}

TEST_F(PanelsTest, CaptionsReportCountsAndPoints) {
    Partie->Nouvelle(mjBlitz);
    Capture(ndD02, jGauche); // an opponent's 2: 4 points
    Capture(ndG03, jGauche); // an own 3: 3 points
    Partie->PasseDe(ndD01);  // the right player's die passed: 1 point for the left
    Fenetre->AfficheCompteurs(jIndefini);
    EXPECT_EQ(Legende("Label1DRAJ"), QString::fromUtf8("Reste à jouer (16)"));
    EXPECT_EQ(Legende("Label1DC"), QString::fromUtf8("Dés capturés (2, 7 pts)"));
    EXPECT_EQ(Legende("Label1DNJ"), QString::fromUtf8("Dés non joués (1, 1 pt)"));
    EXPECT_EQ(Legende("Label2DC"), QString::fromUtf8("Dés capturés (0)"));
    EXPECT_EQ(Legende("Label2DRAJ"), QString::fromUtf8("Reste à jouer (16)"));
}

TEST_F(PanelsTest, DiceAreasShowDiceInTheOrderTheyArrivedInTheirOwnersColour) {
    Partie->Nouvelle(mjMaster);
    Partie->TrCrt = 3;
    Partie->Des[ndG04]->Tour = 2;
    Capture(ndG04, jGauche);
    Partie->Des[ndD01]->Tour = 1;
    Capture(ndD01, jGauche);
    const QImage a = Grab("PaintBox1DC");
    // Slot 0 holds the right player's die (turn 1), slot 1 the left player's own (turn 2).
    EXPECT_GT(Pixel(a, 6, 16).red(), 200);
    EXPECT_LT(Pixel(a, 6, 16).blue(), 40);
    EXPECT_GT(Pixel(a, 32 + 6, 16).blue(), 200);
    EXPECT_LT(Pixel(a, 32 + 6, 16).red(), 60);
    EXPECT_EQ(Pixel(a, 64 + 16, 16), QColor(Qt::black)); // an empty slot
    EXPECT_EQ(Pixel(a, 31, 16), QColor(Qt::black));      // one pixel between dice
}

TEST_F(PanelsTest, ScoreDigitsShowTheTotalWithLeadingZeros) {
    Partie->Nouvelle(mjMaster);
    for (TNumDe d : {ndD06, ndD12, ndD18, ndD04}) // the opponent's 6, 6, 6 and 4: 44
        Capture(d, jGauche);
    Capture(ndG01, jGauche); // an own 1
    ASSERT_EQ(Partie->Score(jGauche), 45);
    EXPECT_EQ(Rgb32(Grab("PaintBox1ScoreC")), Chiffre(0, cBleu));
    EXPECT_EQ(Rgb32(Grab("PaintBox1ScoreD")), Chiffre(4, cBleu));
    EXPECT_EQ(Rgb32(Grab("PaintBox1ScoreU")), Chiffre(5, cBleu));
    EXPECT_EQ(Rgb32(Grab("PaintBox2ScoreU")), Chiffre(0, cRouge));
}

TEST_F(PanelsTest, SuiteStarBlinksWhileTheSuiteStandsAndStaysLitAtTheEnd) {
    Partie->Nouvelle(mjMaster);
    Suite(jGauche, false);
    Fenetre->AfficheCompteursSuite(jIndefini);
    TTimer& timer = *Fenetre->findChild<TTimer*>("Timer1SM");
    ASSERT_TRUE(timer.isActive());
    EXPECT_FALSE(Fenetre->findChild<TTimer*>("Timer1SP")->isActive());
    EXPECT_FALSE(Fenetre->findChild<TTimer*>("Timer2SM")->isActive());

    Fenetre->TimerSuitesTimer(timer);
    const QImage allumee = Grab("PaintBox1SM");
    EXPECT_EQ(Pixel(allumee, 24, 12), Gris);                          // the top arm of the grey star
    EXPECT_TRUE(Encre(allumee.copy(14, 18, 20, 20), Gris).isValid()); // its white number
    Fenetre->TimerSuitesTimer(timer);
    EXPECT_FALSE(Encre(Grab("PaintBox1SM"), Qt::black).isValid());

    // At the result of the last turn every tick keeps it lit.
    Partie->TrCrt = 36;
    Partie->PhCrt = phResultatPose;
    Fenetre->TimerSuitesTimer(timer);
    Fenetre->TimerSuitesTimer(timer);
    EXPECT_EQ(timer.Tag, 1);

    // A broken suite stops the blink and clears the star.
    Partie->Gr[2][0] = ndIndefini;
    Fenetre->AfficheCompteursSuite(jGauche);
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(timer.Tag, 0);
    EXPECT_FALSE(Encre(Grab("PaintBox1SM"), Qt::black).isValid());
}

TEST_F(PanelsTest, CleanSuiteStarIsInThePlayersColourWithTextReadableOnYellow) {
    CouleurJoueur[jDroite] = cJaune;
    Partie->Nouvelle(mjMaster);
    Suite(jDroite, true);
    Fenetre->AfficheCompteursSuite(jDroite);
    TTimer& timer = *Fenetre->findChild<TTimer*>("Timer2SP");
    Fenetre->TimerSuitesTimer(timer);
    const QImage e = Grab("PaintBox2SP");
    const QColor jaune = QColor::fromRgb(ValeurCouleur[cJaune]);
    EXPECT_EQ(Pixel(e, 24, 12), jaune);
    bool sombre = false; // the number is written in black
    for (int x = 12; x < 36; ++x)
        for (int y = 18; y < 38; ++y)
            sombre = sombre || e.pixelColor(x, y).value() < 100;
    EXPECT_TRUE(sombre);
}

TEST_F(PanelsTest, TurnCounterReadsTurnOverThirtySix) {
    const QRect avant = Encre(Grab("PaintBoxTour"), Qt::black);
    EXPECT_TRUE(avant.isValid());
    Partie->Nouvelle(mjBlitz);
    Partie->TrCrt = 17;
    const QRect pendant = Encre(Grab("PaintBoxTour"), Qt::black);
    EXPECT_GT(pendant.width(), avant.width()); // "17/36" is wider than "0/36"
    EXPECT_NEAR(pendant.center().x(), 31, 2);
}
