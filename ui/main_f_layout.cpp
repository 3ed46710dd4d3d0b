// The window as declared: every component with its name, place, Tag and font, the timers,
// the menus, the action-button state and the display options.
#include "main_f.h"

#include "automate.h"
#include "automaton_player.h"
#include "fonts.h"
#include "image_list.h"

#include <QAction>
#include <QActionGroup>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>

namespace {

constexpr int LargeurClient = 896;
constexpr int HauteurClient = 627;
constexpr int PoliceFenetrePx = 19;
constexpr int PoliceGrillePx = 24;
constexpr int PoliceSuitesPx = 12;
constexpr int IntervalleDe = 20;
constexpr int IntervalleSuites = 500;
const QColor GrisPanneau{0x40, 0x40, 0x40};

enum TRole { rGrille, rDRAJ, rDes, rAction, rDe, rScore, rMsg, rTour, rSuites };

struct TComposant {
    const char* Nom;
    int Left, Top, Width, Height, Tag;
    TRole Role;
};

// Creation order matters: a later area paints over an earlier one where they overlap.
constexpr TComposant Zones[] = {
    {"PaintBoxGrille", 256, 200, 384, 384, 0, rGrille}, {"PaintBox1DRAJ", 32, 232, 192, 96, 1, rDRAJ},
    {"PaintBox1DC", 32, 392, 192, 64, 0, rDes},         {"PaintBox1DNJ", 32, 520, 192, 64, 0, rDes},
    {"PaintBox2DRAJ", 672, 232, 192, 96, 2, rDRAJ},     {"PaintBox2DC", 672, 392, 192, 64, 0, rDes},
    {"PaintBox2DNJ", 672, 520, 192, 64, 0, rDes},
};

struct TEtiquette {
    const char* Nom;
    int Left, Top;
    const char* Titre;
};

constexpr int LargeurEtiquette = 192;
constexpr int HauteurEtiquette = 26;
constexpr TEtiquette Etiquettes[] = {
    {"Label1DRAJ", 32, 200, "Reste à jouer (18)"},     {"Label2DRAJ", 672, 200, "Reste à jouer (18)"},
    {"Label1DC", 32, 360, "Dés capturés (0, 0 pt)"},   {"Label2DC", 672, 360, "Dés capturés (0, 0 pt)"},
    {"Label1DNJ", 32, 488, "Dés non joués (0, 0 pt)"}, {"Label2DNJ", 672, 488, "Dés non joués (0, 0 pt)"},
};

constexpr TComposant ZonesHaut[] = {
    {"PaintBoxAction", 416, 112, 64, 64, 0, rAction}, {"PaintBoxDe", 416, 42, 64, 64, 0, rDe},
    {"PaintBox1ScoreC", 322, 42, 25, 64, 0, rScore},  {"PaintBox1ScoreD", 347, 42, 25, 64, 1, rScore},
    {"PaintBox2ScoreC", 499, 42, 25, 64, 3, rScore},  {"PaintBox2ScoreD", 524, 42, 25, 64, 4, rScore},
    {"PaintBox1Msg", 32, 24, 264, 152, 1, rMsg},      {"PaintBox2Msg", 600, 24, 264, 152, 2, rMsg},
    {"PaintBoxTour", 416, 20, 64, 18, 0, rTour},      {"PaintBox1ScoreU", 372, 42, 25, 64, 2, rScore},
    {"PaintBox2ScoreU", 549, 42, 25, 64, 5, rScore},  {"PaintBox1SM", 310, 122, 48, 48, 0, rSuites},
    {"PaintBox1SP", 355, 122, 48, 48, 1, rSuites},    {"PaintBox2SM", 486, 122, 48, 48, 2, rSuites},
    {"PaintBox2SP", 532, 122, 48, 48, 3, rSuites},
};

constexpr int HautBarreEtat = 608;
constexpr int HauteurBarreEtat = 19;

} // namespace

TFormMain::TFormMain(QWidget* parent) : QMainWindow(parent), Images(Catalogue()) {
    setObjectName("FormMain");
    setWindowTitle("Dorvane");
    // A fixed window: system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(PoliceFenetre(PoliceFenetrePx));
    CreeComposants();
    CreeMenus();
    Automate = new TJoueurAutomate(*this);
    // The window takes exactly the client area and the menu bar, and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormCreate();
}

TFormMain::~TFormMain() = default;

void TFormMain::CreeComposants() {
    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setFixedSize(LargeurClient, HauteurClient);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::black);
    client->setPalette(palette);
    setCentralWidget(client);

    const auto cree = [&](const TComposant& c) {
        const QRect g(c.Left, c.Top, c.Width, c.Height);
        auto* zone = new TPaintBox(client, c.Nom, g, c.Tag, c.Role == rMsg ? GrisPanneau : QColor(Qt::black));
        switch (c.Role) {
        case rGrille:
            zone->setFont(PoliceFenetre(PoliceGrillePx));
            zone->OnPaint = [this](TPaintBox& s, QPainter& p) { PaintBoxGrillePaint(s, p); };
            zone->OnMouseDown = [this](TPaintBox& s, Qt::MouseButton b, QPoint pt) {
                PaintBoxGrilleMouseDown(s, b, pt);
            };
            PaintBoxGrille = zone;
            break;
        case rDRAJ:
            zone->OnMouseDown = [this](TPaintBox& s, Qt::MouseButton b, QPoint pt) {
                PaintBoxDRAJMouseDown(s, b, pt);
            };
            [[fallthrough]];
        case rDes:
            zone->OnPaint = [this](TPaintBox& s, QPainter& p) { PaintBoxDesPaint(s, p); };
            break;
        case rAction:
            zone->OnPaint = [this](TPaintBox& s, QPainter& p) { PaintBoxActionPaint(s, p); };
            zone->OnClick = [this](TPaintBox& s) { PaintBoxActionClick(s); };
            PaintBoxAction = zone;
            break;
        case rDe:
            zone->OnPaint = [this](TPaintBox& s, QPainter& p) { PaintBoxDePaint(s, p); };
            PaintBoxDe = zone;
            break;
        case rScore:
            zone->OnPaint = [this](TPaintBox& s, QPainter& p) { PaintBoxScorePaint(s, p); };
            break;
        case rMsg:
            zone->OnPaint = [this](TPaintBox& s, QPainter& p) { PaintBoxMsgPaint(s, p); };
            break;
        case rTour:
            zone->OnPaint = [this](TPaintBox& s, QPainter& p) { PaintBoxTourPaint(s, p); };
            PaintBoxTour = zone;
            break;
        case rSuites:
            zone->setFont(PoliceFenetre(PoliceSuitesPx));
            zone->OnPaint = [this](TPaintBox& s, QPainter& p) { PaintBoxSuitesPaint(s, p); };
            break;
        }
    };

    for (const auto& c : Zones)
        cree(c);
    for (const auto& e : Etiquettes)
        CreeLabel(client, e.Nom, QRect(e.Left, e.Top, LargeurEtiquette, HauteurEtiquette), font(),
                  QString::fromUtf8(e.Titre));
    for (const auto& c : ZonesHaut)
        cree(c);

    auto* barre = new QStatusBar(client);
    barre->setObjectName("StatusBar");
    barre->setGeometry(0, HautBarreEtat, LargeurClient, HauteurBarreEtat);
    barre->setSizeGripEnabled(false);

    TimerDe = new TTimer(this, "TimerDe", IntervalleDe);
    connect(TimerDe, &QTimer::timeout, this, &TFormMain::TimerDeTimer);
    for (const char* nom : {"Timer1SM", "Timer1SP", "Timer2SM", "Timer2SP"}) {
        auto* timer = new TTimer(this, nom, IntervalleSuites);
        connect(timer, &QTimer::timeout, this, [this, timer] { TimerSuitesTimer(*timer); });
    }
}

void TFormMain::CreeMenus() {
    QMenuBar* barre = menuBar();
    barre->setObjectName("MainMenu");
    barre->setNativeMenuBar(false);

    const auto menu = [&](const char* nom, const char* titre) {
        QMenu* m = barre->addMenu(QString::fromUtf8(titre));
        m->setObjectName(nom);
        m->menuAction()->setObjectName(nom);
        return m;
    };
    const auto item = [&](QMenu* m, const char* nom, const char* titre, const QKeySequence& raccourci) {
        QAction* a = m->addAction(QString::fromUtf8(titre));
        a->setObjectName(nom);
        a->setShortcut(raccourci);
        return a;
    };

    QMenu* partie = menu("MenuItemPartie", "&Partie");
    MenuItemPartieNouvelle = item(partie, "MenuItemPartieNouvelle", "&Nouvelle", QKeySequence("Ctrl+N"));
    connect(MenuItemPartieNouvelle, &QAction::triggered, this, &TFormMain::MenuItemPartieNouvelleClick);

    QMenu* options = menu("MenuItemOptions", "&Options");
    MenuItemJoueurs = item(options, "MenuItemJoueurs", "&Joueurs...", QKeySequence("Ctrl+J"));
    connect(MenuItemJoueurs, &QAction::triggered, this, &TFormMain::MenuItemJoueursClick);
    options->addSeparator()->setObjectName("MenuItemSeparator1");
    auto* groupeMode = new QActionGroup(this);
    groupeMode->setObjectName("GroupeMode");
    MenuItemModeBlitz = item(options, "MenuItemModeBlitz", "Mode &Blitz", QKeySequence("Ctrl+B"));
    MenuItemModeMaster = item(options, "MenuItemModeMaster", "Mode &Master", QKeySequence("Ctrl+M"));
    for (QAction* a : {MenuItemModeBlitz, MenuItemModeMaster}) {
        a->setCheckable(true);
        groupeMode->addAction(a);
    }
    MenuItemModeBlitz->setChecked(true);

    // The strength of the computer player.
    options->addSeparator()->setObjectName("MenuItemSeparator2");
    auto* groupeNiveau = new QActionGroup(this);
    groupeNiveau->setObjectName("GroupeNiveau");
    constexpr std::array<const char*, NbNiveaux> nomsNiveau{"MenuItemNiveauDebutant", "MenuItemNiveauAmateur",
                                                            "MenuItemNiveauConfirme", "MenuItemNiveauExpert"};
    for (int i = 0; i < NbNiveaux; ++i) {
        QAction* a = item(options, nomsNiveau[i], NomNiveau[i], QKeySequence());
        a->setCheckable(true);
        groupeNiveau->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { NiveauAutomate = i; });
        MenuItemNiveau[i] = a;
    }

    QMenu* affichage = menu("MenuItemAffichage", "&Affichage");
    MenuItemAffichageCasesJouables =
        item(affichage, "MenuItemAffichageCasesJouables", "Cases &jouables", QKeySequence("Ctrl+Shift+J"));
    MenuItemAffichageScoresCaptures =
        item(affichage, "MenuItemAffichageScoresCaptures", "&Scores captures ", QKeySequence("Ctrl+Shift+S"));
    for (QAction* a : {MenuItemAffichageCasesJouables, MenuItemAffichageScoresCaptures}) {
        a->setCheckable(true);
        a->setChecked(true);
        connect(a, &QAction::triggered, this, [this, a] { MenuItemAffichageCasesClick(a); });
    }

    QMenu* info = menu("MenuItemInfo", "&?");
    MenuItemAide = item(info, "MenuItemAide", "&Règle du jeu et utilisation", QKeySequence(Qt::Key_F1));
    connect(MenuItemAide, &QAction::triggered, this, &TFormMain::MenuItemAideClick);
    MenuItemAPropos = item(info, "MenuItemAPropos", "À propos...", QKeySequence(Qt::SHIFT | Qt::Key_F1));
    connect(MenuItemAPropos, &QAction::triggered, this, &TFormMain::MenuItemAProposClick);
}

TEtatBouton TFormMain::EtatBouton() const {
    return static_cast<TEtatBouton>(PaintBoxAction->Tag);
}

void TFormMain::SetEtatBouton(TEtatBouton etat) {
    PaintBoxAction->Tag = etat;
    PaintBoxAction->update();
}

// The capture scores are shown on playable cells only, so that option is available only
// while the playable cells are shown.
void TFormMain::MenuItemAffichageCasesClick(QAction* sender) {
    if (sender == MenuItemAffichageCasesJouables) {
        const bool montre = MenuItemAffichageCasesJouables->isChecked();
        MenuItemAffichageScoresCaptures->setEnabled(montre);
        if (!montre)
            MenuItemAffichageScoresCaptures->setChecked(false);
    }
    AfficheGrille();
}

TPaintBox* TFormMain::Zone(const QString& nom) const {
    return findChild<TPaintBox*>(nom);
}
TTimer* TFormMain::Minuteur(const QString& nom) const {
    return findChild<TTimer*>(nom);
}
QLabel* TFormMain::Etiquette(const QString& nom) const {
    return findChild<QLabel*>(nom);
}

TIdJoueur JoueurDuNom(const QString& nom, int position) {
    if (nom.size() <= position)
        return jIndefini;
    const QChar c = nom.at(position);
    return c == '1' ? jGauche : c == '2' ? jDroite : jIndefini;
}
