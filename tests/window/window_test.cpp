// The window as declared: caption, size, components, menus and the display options.
#include "window_fixture.h"

#include <QMenu>
#include <QMenuBar>

namespace {

struct TGeometrie {
    const char* Nom;
    QRect Place;
    int Tag;
};

const TGeometrie Geometries[] = {
    {"PaintBoxGrille", {256, 200, 384, 384}, 0}, {"PaintBox1DRAJ", {32, 232, 192, 96}, 1},
    {"PaintBox1DC", {32, 392, 192, 64}, 0},      {"PaintBox1DNJ", {32, 520, 192, 64}, 0},
    {"PaintBox2DRAJ", {672, 232, 192, 96}, 2},   {"PaintBox2DC", {672, 392, 192, 64}, 0},
    {"PaintBox2DNJ", {672, 520, 192, 64}, 0},    {"PaintBoxAction", {416, 112, 64, 64}, 0},
    {"PaintBoxDe", {416, 42, 64, 64}, 0},        {"PaintBox1ScoreC", {322, 42, 25, 64}, 0},
    {"PaintBox1ScoreD", {347, 42, 25, 64}, 1},   {"PaintBox1ScoreU", {372, 42, 25, 64}, 2},
    {"PaintBox2ScoreC", {499, 42, 25, 64}, 3},   {"PaintBox2ScoreD", {524, 42, 25, 64}, 4},
    {"PaintBox2ScoreU", {549, 42, 25, 64}, 5},   {"PaintBox1Msg", {32, 24, 264, 152}, 1},
    {"PaintBox2Msg", {600, 24, 264, 152}, 2},    {"PaintBoxTour", {416, 20, 64, 18}, 0},
    {"PaintBox1SM", {310, 122, 48, 48}, 0},      {"PaintBox1SP", {355, 122, 48, 48}, 1},
    {"PaintBox2SM", {486, 122, 48, 48}, 2},      {"PaintBox2SP", {532, 122, 48, 48}, 3},
};

struct TItem {
    const char* Nom;
    const char* Titre;
    const char* Raccourci;
    bool Cochable;
    bool Coche;
};

const TItem Items[] = {
    {"MenuItemPartieNouvelle", "&Nouvelle", "Ctrl+N", false, false},
    {"MenuItemJoueurs", "&Joueurs...", "Ctrl+J", false, false},
    {"MenuItemModeBlitz", "Mode &Blitz", "Ctrl+B", true, true},
    {"MenuItemModeMaster", "Mode &Master", "Ctrl+M", true, false},
    {"MenuItemAffichageCasesJouables", "Cases &jouables", "Ctrl+Shift+J", true, true},
    {"MenuItemAffichageScoresCaptures", "&Scores captures ", "Ctrl+Shift+S", true, true},
    {"MenuItemAide", "&Règle du jeu et utilisation", "F1", false, false},
    {"MenuItemAPropos", "À propos...", "Shift+F1", false, false},
};

} // namespace

TEST_F(FenetreTest, IsAFixedBlackWindowOfTheDeclaredSize) {
    EXPECT_EQ(Fenetre->windowTitle(), "Dorvane");
    EXPECT_EQ(Fenetre->centralWidget()->size(), QSize(896, 627));
    EXPECT_EQ(Fenetre->minimumSize(), Fenetre->maximumSize());
    EXPECT_FALSE(Fenetre->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QImage client = Fenetre->centralWidget()->grab().toImage();
    EXPECT_EQ(Pixel(client, 5, 5), QColor(Qt::black));
    EXPECT_EQ(Pixel(client, 250, 190), QColor(Qt::black));
}

TEST_F(FenetreTest, ComponentsHaveTheirNamesPlacesAndTags) {
    for (const auto& g : Geometries) {
        SCOPED_TRACE(g.Nom);
        const TPaintBox& z = *Composant(g.Nom);
        EXPECT_EQ(z.geometry(), g.Place);
        EXPECT_EQ(z.Tag, g.Tag);
    }
    for (const char* nom : {"Label1DRAJ", "Label2DRAJ", "Label1DC", "Label2DC", "Label1DNJ", "Label2DNJ"})
        EXPECT_EQ(Composant<QLabel>(nom)->size(), QSize(192, 26)) << nom;
    EXPECT_EQ(Legende("Label1DRAJ"), QString::fromUtf8("Reste à jouer (18)"));
    EXPECT_EQ(Legende("Label2DC"), QString::fromUtf8("Dés capturés (0, 0 pt)"));
    EXPECT_EQ(Legende("Label1DNJ"), QString::fromUtf8("Dés non joués (0, 0 pt)"));
    for (const char* nom : {"Timer1SM", "Timer1SP", "Timer2SM", "Timer2SP"}) {
        const TTimer* t = Fenetre->findChild<TTimer*>(nom);
        ASSERT_NE(t, nullptr) << nom;
        EXPECT_EQ(t->interval(), 500);
        EXPECT_FALSE(t->isActive());
        EXPECT_EQ(t->Tag, 0);
    }
    EXPECT_EQ(Fenetre->TimerDe->interval(), 20);
    EXPECT_FALSE(Fenetre->TimerDe->isActive());
}

TEST_F(FenetreTest, MenusCarryTheirCaptionsShortcutsAndChecks) {
    QStringList menus;
    for (QAction* a : Fenetre->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Partie", "&Options", "&Affichage", "&?"}));
    for (const auto& i : Items) {
        SCOPED_TRACE(i.Nom);
        const QAction& a = *Composant<QAction>(i.Nom);
        EXPECT_EQ(a.text(), QString::fromUtf8(i.Titre));
        EXPECT_EQ(a.shortcut(), QKeySequence(i.Raccourci));
        EXPECT_EQ(a.isCheckable(), i.Cochable);
        EXPECT_EQ(a.isChecked(), i.Coche);
    }
}

TEST_F(FenetreTest, ModeItemsAreOneRadioGroup) {
    Composant<QAction>("MenuItemModeMaster")->trigger();
    EXPECT_TRUE(Composant<QAction>("MenuItemModeMaster")->isChecked());
    EXPECT_FALSE(Composant<QAction>("MenuItemModeBlitz")->isChecked());
    Composant<QAction>("MenuItemModeBlitz")->trigger();
    EXPECT_TRUE(Composant<QAction>("MenuItemModeBlitz")->isChecked());
    EXPECT_FALSE(Composant<QAction>("MenuItemModeMaster")->isChecked());
}

TEST_F(FenetreTest, CaptureScoresAreOfferedOnlyWithPlayableCells) {
    QAction& cases = *Composant<QAction>("MenuItemAffichageCasesJouables");
    QAction& scores = *Composant<QAction>("MenuItemAffichageScoresCaptures");
    cases.trigger();
    EXPECT_FALSE(cases.isChecked());
    EXPECT_FALSE(scores.isChecked());
    EXPECT_FALSE(scores.isEnabled());
    cases.trigger();
    EXPECT_TRUE(cases.isChecked());
    EXPECT_TRUE(scores.isEnabled());
    EXPECT_FALSE(scores.isChecked());
    scores.trigger();
    EXPECT_TRUE(scores.isChecked());
    EXPECT_TRUE(cases.isChecked());
}

TEST_F(FenetreTest, ButtonStateIsKeptInTheActionAreaTag) {
    for (TEtatBouton e : {ebStop, ebOK, ebIndefini}) {
        Fenetre->SetEtatBouton(e);
        EXPECT_EQ(Fenetre->EtatBouton(), e);
        EXPECT_EQ(Composant("PaintBoxAction")->Tag, e);
    }
}
