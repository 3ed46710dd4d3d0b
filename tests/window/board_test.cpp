// What the board, the current die and the action button show.
#include "window_fixture.h"

namespace {

const QColor Gris = QColor::fromRgb(ValeurCouleur[cGris]);

bool Proche(QColor a, QColor b, int tolerance = 40) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Whether some pixel of `zone` is close to `c`.
bool Contient(const QImage& image, const QRect& zone, QColor c, int tolerance = 40) {
    for (int x = zone.left(); x <= zone.right(); ++x)
        for (int y = zone.top(); y <= zone.bottom(); ++y)
            if (Proche(image.pixelColor(x, y), c, tolerance))
                return true;
    return false;
}

QRect CentreCentreCase(int x, int y) {
    return QRect(x * 64 + 22, y * 64 + 22, 20, 20);
}

class BoardTest : public FenetreTest {
protected:
    void SetUp() override {
        FenetreTest::SetUp();
        CouleurJoueur = {cNoir, cBleu, cRouge};
    }

    // A new game whose first die shows `face`, with its cells marked.
    void Marque(int face) {
        Partie->Nouvelle(mjBlitz);
        Partie->Des[Partie->DeCrt]->Change(static_cast<std::uint8_t>(face));
        ASSERT_GT(Fenetre->AfficheCasesJouables(), 0);
    }
};

} // namespace

TEST_F(BoardTest, EmptyBoardIsGreySquaresWithFourPixelBlackLines) {
    const QImage g = Grab("PaintBoxGrille");
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 6; ++y) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            EXPECT_EQ(Pixel(g, x * 64 + 2, y * 64 + 2), Gris);
            EXPECT_EQ(Pixel(g, x * 64 + 61, y * 64 + 61), Gris);
            EXPECT_EQ(Pixel(g, x * 64 + 32, y * 64 + 32), Gris);
            EXPECT_EQ(Pixel(g, x * 64 + 1, y * 64 + 32), QColor(Qt::black));
            EXPECT_EQ(Pixel(g, x * 64 + 62, y * 64 + 32), QColor(Qt::black));
            EXPECT_EQ(Pixel(g, x * 64 + 32, y * 64 + 62), QColor(Qt::black));
        }
}

TEST_F(BoardTest, DieShowsItsOwnerAndTheRingOfTheSuiteCreator) {
    Partie->Nouvelle(mjMaster);
    // Row 0 full with faces 1..6, the left player's 1 at (0, 0), the suite formed by the right.
    const TNumDe des[6] = {ndG01, ndD02, ndG03, ndD04, ndG05, ndD06};
    for (int x = 0; x < 6; ++x)
        Pose(des[x], x, 0);
    Partie->Suites[oHorizontale][0]->Affecte(jDroite, 5, 0, false);
    const QImage g = Grab("PaintBoxGrille");
    EXPECT_TRUE(Proche(Pixel(g, 2 + 3, 2 + 3), QColor::fromRgb(ValeurCouleur[cRouge])));  // ring
    EXPECT_TRUE(Proche(Pixel(g, 2 + 14, 2 + 14), QColor::fromRgb(ValeurCouleur[cBleu]))); // body
    EXPECT_LT(Pixel(g, 2 + 30, 2 + 30).value(), 60);                                      // the pip of a 1

    // Once a die of the row leaves, the suite no longer stands and the ring goes.
    Partie->Gr[3][0] = ndIndefini;
    const QImage h = Grab("PaintBoxGrille");
    EXPECT_TRUE(Proche(Pixel(h, 2 + 3, 2 + 3), Gris, 10));
}

TEST_F(BoardTest, PlayableCellsShowABlankBodyInTheCurrentPlayersColour) {
    Marque(3);
    const QImage g = Grab("PaintBoxGrille");
    EXPECT_TRUE(Proche(Pixel(g, 4 * 64 + 32, 1 * 64 + 32), QColor::fromRgb(ValeurCouleur[cBleu]), 5));

    Fenetre->MenuItemAffichageCasesJouables->trigger();
    EXPECT_EQ(Pixel(Grab("PaintBoxGrille"), 4 * 64 + 32, 1 * 64 + 32), Gris);
}

TEST_F(BoardTest, ACellThatWouldFillALineShowsAStarUnlessScoresAreHidden) {
    Partie->Nouvelle(mjBlitz);
    // Row 0 holds 1 2 3 4 5 on cells 1..5, so a 6 at (0, 0) fills it and captures nothing.
    const TNumDe des[5] = {ndD01, ndD02, ndD03, ndD04, ndD05};
    for (int x = 1; x < 6; ++x)
        Pose(des[x - 1], x, 0);
    Partie->Des[Partie->DeCrt]->Change(6);
    Fenetre->AfficheCasesJouables();
    ASSERT_TRUE(Partie->Jouable[0][0]);
    ASSERT_EQ(Partie->Scores[0][0], 0);
    // The star's centre is in the player's colour, its upper corners the grey tile.
    const QImage g = Grab("PaintBoxGrille");
    EXPECT_TRUE(Proche(Pixel(g, 32, 34), QColor::fromRgb(ValeurCouleur[cBleu]), 5));
    EXPECT_TRUE(Proche(Pixel(g, 5, 5), Gris, 5));

    Fenetre->MenuItemAffichageScoresCaptures->trigger();
    const QImage h = Grab("PaintBoxGrille");
    EXPECT_TRUE(Proche(Pixel(h, 12, 12), QColor::fromRgb(ValeurCouleur[cBleu]), 5)); // a plain body
}

struct TCasNombre {
    TCouleur Couleur;
    QColor Encre;
};

class PreviewNumberTest : public BoardTest, public testing::WithParamInterface<TCasNombre> {};

TEST_P(PreviewNumberTest, CaptureScoreIsWrittenOnThePlayersColour) {
    CouleurJoueur[jGauche] = GetParam().Couleur;
    Partie->Nouvelle(mjBlitz);
    // A 1 at (0, 0) and the left player's own 2 at (1, 0): a 3 at (2, 0) captures it for 2.
    Pose(ndD01, 0, 0);
    Pose(ndG02, 1, 0);
    Partie->Des[Partie->DeCrt]->Change(3);
    Fenetre->AfficheCasesJouables();
    ASSERT_EQ(Partie->Scores[2][0], 2);
    const QImage g = Grab("PaintBoxGrille");
    const QColor fond = QColor::fromRgb(ValeurCouleur[GetParam().Couleur]);
    EXPECT_TRUE(Contient(g, CentreCentreCase(2, 0), GetParam().Encre, 30));
    EXPECT_TRUE(Contient(g, CentreCentreCase(2, 0), fond, 5));
    EXPECT_FALSE(Contient(g, CentreCentreCase(3, 0), GetParam().Encre, 30)); // no number without capture

    Fenetre->MenuItemAffichageScoresCaptures->trigger();
    EXPECT_FALSE(Contient(Grab("PaintBoxGrille"), CentreCentreCase(2, 0), GetParam().Encre, 30));
}

INSTANTIATE_TEST_SUITE_P(Colours, PreviewNumberTest,
                         testing::Values(TCasNombre{cBleu, Qt::white}, TCasNombre{cJaune, Qt::black}));

TEST_F(BoardTest, DieAreaShowsTheCurrentDieInTheCurrentPlayersRing) {
    EXPECT_EQ(Pixel(Grab("PaintBoxDe"), 32, 32), Gris); // no game yet: a grey square
    Partie->Nouvelle(mjBlitz);
    Partie->Des[Partie->DeCrt]->Change(1);
    const QImage d = Grab("PaintBoxDe");
    EXPECT_TRUE(Proche(Pixel(d, 4, 4), QColor::fromRgb(ValeurCouleur[cBleu])));
    EXPECT_LT(Pixel(d, 31, 31).value(), 60);        // the pip of a 1
    EXPECT_GT(Pixel(d, 16, 16).value(), 200);       // a white face
    EXPECT_EQ(Pixel(d, 63, 63), QColor(Qt::black)); // right and bottom edges are left out
}

TEST_F(BoardTest, ActionButtonShowsItsState) {
    struct {
        TEtatBouton Etat;
        QColor Centre;
    } const cas[] = {
        {ebIndefini, Qt::black}, {ebOK, QColor(0x00, 0x80, 0x00)}, {ebStop, QColor(0xCC, 0x28, 0x2A)}};
    for (const auto& c : cas) {
        Fenetre->SetEtatBouton(c.Etat);
        const QImage a = Grab("PaintBoxAction");
        // A point of the sign's colour between its rim and its lettering.
        EXPECT_TRUE(Proche(Pixel(a, 32, 10), c.Centre)) << int(c.Etat);
        EXPECT_TRUE(Proche(Pixel(a, 1, 1), Qt::black, 10)) << int(c.Etat);
    }
}
