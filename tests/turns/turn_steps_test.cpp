// The steps of a turn on boards built for the case: the prompts, the result texts, the die
// that cannot be placed, the presses that must be ignored, a new game in the middle of a
// turn and the die area when a turn opens.
#include "controller_states.h"

#include <functional>
#include <map>

namespace {

using TestTour = FenetreTest;

// --- Prompts ------------------------------------------------------------------------------

struct Invites {
    TModeJeu Mode;
    const char* Gauche; // turn 1
    const char* Droite; // turn 2
    TEtatBouton Bouton;
    bool Roule;
};

class PremiersTours : public FenetreTest, public ::testing::WithParamInterface<Invites> {};

TEST_P(PremiersTours, NameThePlayerByHisColourAndEmptyTheOtherPanel) {
    const Invites& i = GetParam();
    Nouvelle(i.Mode);
    EXPECT_EQ(Message(jGauche), Texte(i.Gauche));
    EXPECT_TRUE(Message(jDroite).isEmpty());
    EXPECT_EQ(Bouton(), i.Bouton);
    EXPECT_EQ(DeRoule(), i.Roule);
    EXPECT_EQ(Partie->TrCrt, 1);

    JoueTour();
    EXPECT_EQ(Message(jDroite), Texte(i.Droite));
    EXPECT_TRUE(Message(jGauche).isEmpty());
    EXPECT_EQ(Bouton(), i.Bouton);
    EXPECT_EQ(DeRoule(), i.Roule);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PremiersTours,
    ::testing::Values(Invites{mjBlitz, "C'est à Bleu de jouer !\rAppuyez sur STOP\rpour arrêter le dé...",
                              "C'est à Rouge de jouer !\rAppuyez sur STOP\rpour arrêter le dé...", ebStop,
                              true},
                      Invites{mjMaster, "C'est à Bleu de jouer !\rChoisissez un dé...",
                              "C'est à Rouge de jouer !\rChoisissez un dé...", ebIndefini, false}),
    [](const auto& info) { return std::string(info.param.Mode == mjBlitz ? "Blitz" : "Master"); });

// --- Result texts -------------------------------------------------------------------------

struct DeArrange {
    TIdJoueur Jr;
    int Face;
    int x;
    int y;
};

struct Resultat {
    const char* Nom;
    std::vector<DeArrange> Plateau; // around (0, 0), where the left player's 1 goes
    const char* Message;
    const char* LegendeCaptures; // of the left player
    int Total;                   // of the left player
    const char* Etoile;          // the star timer that blinks afterwards, or nullptr
    friend void PrintTo(const Resultat& cas, std::ostream* os) { *os << cas.Nom; }
};

class Resultats : public FenetreTest, public ::testing::WithParamInterface<Resultat> {};

void Arrange(const std::vector<DeArrange>& plateau) {
    for (const DeArrange& d : plateau)
        FenetreTest::PoseSurGrille(d.Jr, d.Face, d.x, d.y);
}

TEST_P(Resultats, ReportCapturesAndSuitesOfThePlacement) {
    const Resultat& r = GetParam();
    Nouvelle(mjBlitz);
    Arrange(r.Plateau);
    Stop(); // no tick: the imposed die keeps its printed 1
    ASSERT_EQ(Partie->Des[Partie->DeCrt]->FFace, 1);
    ASSERT_TRUE(Partie->Jouable[0][0]);
    ChoisitCase({0, 0});

    EXPECT_EQ(Message(jGauche), Texte(r.Message));
    EXPECT_EQ(Bouton(), ebOK);
    EXPECT_EQ(Partie->PhCrt, phResultatPose);
    EXPECT_EQ(Legende("Label1DC"), Texte(r.LegendeCaptures));
    EXPECT_EQ(Partie->Score(jGauche), r.Total);
    for (const char* etoile : {"Timer1SM", "Timer1SP", "Timer2SM", "Timer2SP"})
        EXPECT_EQ(Minuteur(etoile)->isActive(), r.Etoile && std::string(etoile) == r.Etoile) << etoile;
    EXPECT_EQ(ViolationModele(*Partie, false), "");
}

INSTANTIATE_TEST_SUITE_P(
    Plateaux, Resultats,
    ::testing::Values(
        Resultat{"Nothing", {}, "Vous n'obtenez aucun point.", "Dés capturés (0)", 0, nullptr},
        Resultat{"TwoOwnDice",
                 {{jGauche, 2, 1, 0}, {jGauche, 3, 2, 0}, {jDroite, 4, 3, 0}},
                 "Vous avez capturé 2 dés dont\r0 adverse\rrapportant 5 points.",
                 "Dés capturés (2, 5 pts)",
                 5,
                 nullptr},
        Resultat{"OneOpponentDie",
                 {{jDroite, 4, 1, 0}, {jGauche, 5, 2, 0}},
                 "Vous avez capturé 1 dé dont\r1 adverse\rrapportant 8 points.",
                 "Dés capturés (1, 8 pts)",
                 8,
                 nullptr},
        // A 6 next to the 1 encloses nothing, so the full row captures nothing.
        Resultat{"CleanSuite",
                 {{jGauche, 6, 1, 0},
                  {jGauche, 2, 2, 0},
                  {jGauche, 3, 3, 0},
                  {jGauche, 4, 4, 0},
                  {jGauche, 5, 5, 0}},
                 "Une suite vient d'être formée.\rElle doit rester jusqu'à la fin\rpour être comptabilisée.\r"
                 "Vous n'obtenez aucun point.",
                 "Dés capturés (0)",
                 40,
                 "Timer1SP"},
        // The row captures, the column fills: captures come first, the suite text in front.
        Resultat{"SuiteAndCapture",
                 {{jDroite, 6, 0, 1},
                  {jGauche, 2, 0, 2},
                  {jGauche, 3, 0, 3},
                  {jGauche, 4, 0, 4},
                  {jGauche, 5, 0, 5},
                  {jDroite, 4, 1, 0},
                  {jGauche, 5, 2, 0}},
                 "Une suite vient d'être formée.\rElle doit rester jusqu'à la fin\rpour être comptabilisée.\r"
                 "Vous avez capturé 1 dé dont\r1 adverse\rrapportant 8 points.",
                 "Dés capturés (1, 8 pts)",
                 28,
                 "Timer1SM"}),
    [](const auto& info) { return std::string(info.param.Nom); });

// --- A die that cannot be placed ----------------------------------------------------------

class SansCase : public FenetreTest, public ::testing::WithParamInterface<TModeJeu> {};

// A 1 in every row leaves no cell for the left player's first die, a 1.
TEST_P(SansCase, PassesTheDieAndGivesTheOpponentAPoint) {
    Nouvelle(GetParam());
    for (int i = 0; i < TailleGrille; ++i)
        PoseSurGrille(jDroite, 1, i, i);
    if (GetParam() == mjBlitz)
        Stop();
    else
        ChoisitPlace(jGauche, 1);

    EXPECT_EQ(Partie->DeCrt, ndG01);
    EXPECT_EQ(Partie->Des[ndG01]->Etat, edNonJoue);
    EXPECT_EQ(Message(jGauche), Texte("Impossible de placer votre dé !\rVotre adversaire gagne un point."));
    EXPECT_EQ(Bouton(), ebOK);
    EXPECT_FALSE(DeRoule());
    EXPECT_EQ(Partie->PhCrt, phResultatPose);
    EXPECT_TRUE(CasesMarquees().empty());
    EXPECT_EQ(Legende("Label2DNJ"), Texte("Dés non joués (1, 1 pt)"));
    EXPECT_EQ(Legende("Label1DNJ"), Texte("Dés non joués (0)"));
    EXPECT_EQ(Partie->Score(jDroite), 1);
    // The die shows in the right player's unplayed area, in its owner's blue.
    const QColor corps = Ecran("PaintBox2DNJ").pixelColor(8, 8);
    EXPECT_GT(corps.blue(), corps.red() + 100) << corps.name().toStdString();

    Ok();
    EXPECT_EQ(Partie->JrCrt, jDroite);
    EXPECT_EQ(Partie->TrCrt, 2);
}

INSTANTIATE_TEST_SUITE_P(Modes, SansCase, ::testing::Values(mjBlitz, mjMaster), [](const auto& info) {
    return std::string(info.param == mjBlitz ? "Blitz" : "Master");
});

// --- Wrong cells and the playable-cells display -------------------------------------------

TEST_F(TestTour, UnmarkedCellsAreRefusedWhetherTheMarksShowOrNot) {
    Nouvelle(mjBlitz);
    PoseSurGrille(jDroite, 1, 3, 3); // row 3 and column 3 are closed to the 1
    Stop();
    ASSERT_EQ(EtatAffiche(*Fenetre), EtatControleur::Placement);
    const QColor marque = Ecran("PaintBoxGrille").pixelColor(CentreCase(1, 1));
    EXPECT_EQ(marque, QColor(0x24, 0x50, 0xEF)) << "a marked cell shows a blue body";

    for (const Cellule c : {Cellule{3, 3}, Cellule{3, 5}, Cellule{0, 3}}) {
        ChoisitCase(c);
        EXPECT_EQ(Message(jGauche), Texte("Choix incorrect !\rChoisissez une case colorée !"));
        EXPECT_EQ(EtatAffiche(*Fenetre), EtatControleur::Placement);
    }

    Declenche("MenuItemAffichageCasesJouables");
    EXPECT_FALSE(Composant<QAction>("MenuItemAffichageScoresCaptures")->isEnabled());
    EXPECT_EQ(Ecran("PaintBoxGrille").pixelColor(CentreCase(1, 1)), QColor(0x40, 0x40, 0x40))
        << "the marks are hidden";
    ChoisitCase({3, 5});
    EXPECT_EQ(Message(jGauche), Texte(TexteChoixIncorrect));
    ChoisitCase({1, 1});
    EXPECT_EQ(Partie->Gr[1][1], ndG01) << "the marks decide, shown or not";
    EXPECT_EQ(EtatAffiche(*Fenetre), EtatControleur::Resultat);
}

// --- Presses that are not taken -----------------------------------------------------------

struct PresseIgnoree {
    const char* Nom;
    std::function<void(FenetreTest&)> Prepare;
    std::function<void(FenetreTest&)> Presse;
    friend void PrintTo(const PresseIgnoree& cas, std::ostream* os) { *os << cas.Nom; }
};

class PressesIgnorees : public FenetreTest, public ::testing::WithParamInterface<PresseIgnoree> {};

TEST_P(PressesIgnorees, ChangeNothing) {
    const PresseIgnoree& p = GetParam();
    if (p.Prepare)
        p.Prepare(*this);
    const EtatControleur etat = EtatAffiche(*Fenetre);
    const Instantane avant = Photo();
    p.Presse(*this);
    EXPECT_EQ(Photo(), avant);
    EXPECT_EQ(EtatAffiche(*Fenetre), etat);
}

const auto blitz = [](FenetreTest& f) { f.Nouvelle(mjBlitz); };
const auto master = [](FenetreTest& f) { f.Nouvelle(mjMaster); };
const auto placement = [](FenetreTest& f) {
    f.Nouvelle(mjBlitz);
    f.Stop();
};
const auto resultat = [](FenetreTest& f) {
    f.Nouvelle(mjMaster);
    f.JoueTour(false);
};
const auto presseGrille = [](FenetreTest& f) { f.ChoisitCase({2, 3}); };

INSTANTIATE_TEST_SUITE_P(
    Cas, PressesIgnorees,
    ::testing::Values(
        PresseIgnoree{"BeforeTheFirstGameGrid", nullptr, presseGrille},
        PresseIgnoree{"BeforeTheFirstGamePanel", nullptr, [](FenetreTest& f) { f.ChoisitPlace(jGauche, 1); }},
        PresseIgnoree{"BeforeTheFirstGameButton", nullptr,
                      [](FenetreTest& f) { f.CliqueAuCentre("PaintBoxAction"); }},
        PresseIgnoree{"BlitzRollingOwnPanel", blitz, [](FenetreTest& f) { f.ChoisitPlace(jGauche, 3); }},
        PresseIgnoree{"BlitzRollingGrid", blitz, presseGrille},
        PresseIgnoree{"MasterChoosingOtherPanel", master, [](FenetreTest& f) { f.ChoisitPlace(jDroite, 1); }},
        PresseIgnoree{"MasterChoosingGrid", master, presseGrille},
        PresseIgnoree{"MasterChoosingBlankButton", master,
                      [](FenetreTest& f) { f.CliqueAuCentre("PaintBoxAction"); }},
        PresseIgnoree{"MasterChoosingEmptySlot",
                      [](FenetreTest& f) {
                          f.Nouvelle(mjMaster);
                          f.JoueTour();
                          f.JoueTour();
                      },
                      [](FenetreTest& f) { f.ChoisitPlace(jGauche, 18); }},
        PresseIgnoree{"PlacingRightButton", placement,
                      [](FenetreTest& f) {
                          f.Clique("PaintBoxGrille", {96, 96}, Qt::RightButton);
                      }},
        PresseIgnoree{"PlacingMiddleButton", placement,
                      [](FenetreTest& f) {
                          f.Clique("PaintBoxGrille", {96, 96}, Qt::MiddleButton);
                      }},
        PresseIgnoree{"PlacingOwnPanel",
                      [](FenetreTest& f) {
                          f.Nouvelle(mjMaster);
                          f.ChoisitPlace(jGauche, 1);
                      },
                      [](FenetreTest& f) { f.ChoisitPlace(jGauche, 2); }},
        PresseIgnoree{"ResultGrid", resultat, presseGrille},
        PresseIgnoree{"ResultPanels", resultat,
                      [](FenetreTest& f) {
                          f.ChoisitPlace(jGauche, 1);
                          f.ChoisitPlace(jDroite, 1);
                      }}),
    [](const auto& info) { return std::string(info.param.Nom); });

// --- A new game in the middle of a turn ---------------------------------------------------

struct Abandon {
    const char* Nom;
    std::function<void(FenetreTest&)> Prepare; // leaves a turn under way
    TModeJeu Nouveau;
    friend void PrintTo(const Abandon& cas, std::ostream* os) { *os << cas.Nom; }
};

class Abandons : public FenetreTest, public ::testing::WithParamInterface<Abandon> {};

// Left: a capture and a suite, so a caption and a star; right: a placing turn with its marks.
const auto captureSuitePuisPlacement = [](FenetreTest& f) {
    f.Nouvelle(mjBlitz);
    Arrange({{jDroite, 6, 0, 1},
             {jGauche, 2, 0, 2},
             {jGauche, 3, 0, 3},
             {jGauche, 4, 0, 4},
             {jGauche, 5, 0, 5},
             {jDroite, 4, 1, 0},
             {jGauche, 5, 2, 0}});
    f.Stop();
    f.ChoisitCase({0, 0});
    f.Fenetre->TimerSuitesTimer(*f.Fenetre->findChild<TTimer*>("Timer1SM"));
    f.Ok();
    f.Stop();
};

TEST_P(Abandons, LeaveNothingOfTheAbandonedGame) {
    const Abandon& a = GetParam();
    a.Prepare(*this);
    ASSERT_NE(EtatAffiche(*Fenetre), EtatControleur::Repos);

    Nouvelle(a.Nouveau);
    EXPECT_EQ(Partie->TrCrt, 1);
    EXPECT_EQ(Partie->JrCrt, jGauche);
    EXPECT_EQ(DeRoule(), a.Nouveau == mjBlitz);
    EXPECT_EQ(EtatAffiche(*Fenetre),
              a.Nouveau == mjBlitz ? EtatControleur::Roulement : EtatControleur::Choix);
    EXPECT_TRUE(CasesMarquees().empty());
    for (const auto& colonne : Partie->Scores)
        for (int s : colonne)
            EXPECT_EQ(s, 0) << "a capture preview survived";
    for (const char* nom : {"Timer1SM", "Timer1SP", "Timer2SM", "Timer2SP"}) {
        EXPECT_FALSE(Minuteur(nom)->isActive()) << nom;
        EXPECT_EQ(Minuteur(nom)->Tag, 0) << nom;
    }
    const int restent = a.Nouveau == mjBlitz ? 17 : 18; // the rolling die has left the panel
    EXPECT_EQ(Legende("Label1DRAJ"), QString("Reste à jouer (%1)").arg(restent));
    EXPECT_EQ(Legende("Label2DRAJ"), Texte("Reste à jouer (18)"));
    for (const char* label : {"Label1DC", "Label2DC"})
        EXPECT_EQ(Legende(label), Texte("Dés capturés (0)")) << label;
    for (const char* label : {"Label1DNJ", "Label2DNJ"})
        EXPECT_EQ(Legende(label), Texte("Dés non joués (0)")) << label;
    EXPECT_EQ(ViolationModele(*Partie), "");
    EXPECT_EQ(ViolationFenetre(*Fenetre, true), "");

    // On screen: no mark and no star is left.
    const QImage grille = Ecran("PaintBoxGrille");
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y)
            EXPECT_EQ(grille.pixelColor(CentreCase(x, y)), QColor(0x40, 0x40, 0x40)) << x << ", " << y;
    EXPECT_EQ(Ecran("PaintBox1SM").pixelColor(24, 12), QColor(Qt::black));
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Abandons,
    ::testing::Values(Abandon{"BlitzPlacingWithStarsToMaster", captureSuitePuisPlacement, mjMaster},
                      Abandon{"BlitzPlacingWithStarsToBlitz", captureSuitePuisPlacement, mjBlitz},
                      Abandon{"BlitzRollingToMaster", blitz, mjMaster},
                      Abandon{"MasterPlacingToBlitz",
                              [](FenetreTest& f) {
                                  f.Nouvelle(mjMaster);
                                  f.ChoisitPlace(jGauche, 4);
                              },
                              mjBlitz}),
    [](const auto& info) { return std::string(info.param.Nom); });

// --- The die area when a turn opens -------------------------------------------------------

// Pip centres of the six faces in the 160-pixel drawing.
constexpr QPoint Pips[] = {{80, 80}, {50, 50}, {110, 110}, {110, 50}, {50, 110}, {50, 80}, {110, 80}};

QPoint SurLaZone(QPoint p) {
    return p * 63 / 160;
}

TEST_F(TestTour, MasterTurnOpensOnAnEmptyDieInTheNewPlayersRing) {
    Nouvelle(mjMaster);
    ChoisitPlace(jGauche, 1); // the left player's first die, a 1
    ChoisitCase(CasesMarquees().front());
    const QImage avant = Ecran("PaintBoxDe");
    EXPECT_LT(avant.pixelColor(SurLaZone({80, 80})).lightness(), 60) << "the pip of the 1";

    Ok();
    const QImage apres = Ecran("PaintBoxDe");
    for (const QPoint pip : Pips) {
        const QColor c = apres.pixelColor(SurLaZone(pip));
        EXPECT_GT(c.lightness(), 200)
            << "a pip of the previous die is left at " << pip.x() << ", " << pip.y();
    }
    const QColor anneau = apres.pixelColor(4, 32);
    EXPECT_GT(anneau.red(), 200) << "the right player's red ring";
    EXPECT_LT(anneau.blue(), 60);
}

} // namespace

// --- The cost of the roll -----------------------------------------------------------------

// Counts the paints each widget receives.
class Peintures : public QObject {
public:
    std::map<std::string, int> Nombre;
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::Paint)
            ++Nombre[objet->objectName().toStdString()];
        return false;
    }
};

TEST_F(TestTour, ATickRepaintsTheDieAreaAlone) {
    Nouvelle(mjBlitz);
    Ecran("PaintBoxDe"); // the paints of the new game are done
    Peintures peintures;
    Fenetre->installEventFilter(&peintures);
    for (QWidget* w : Fenetre->findChildren<QWidget*>())
        w->installEventFilter(&peintures);
    for (int tic = 0; tic < 3; ++tic)
        Fenetre->TimerDeTimer();
    Ecran("PaintBoxDe");
    ASSERT_TRUE(peintures.Nombre.count("PaintBoxDe"));
    EXPECT_EQ(peintures.Nombre.size(), 1u) << "also painted: " << [&] {
        std::string s;
        for (const auto& [nom, n] : peintures.Nombre)
            s += nom + " ";
        return s;
    }();
}
