// The main window: the board, the current die, the action button and the side panels of
// both players, the menus and the timers. Its handlers are spread over several sources:
// main_f_layout.cpp (components, menus, display options), main_f_lifecycle.cpp (start-up,
// close, new game, players dialog), main_f_options.cpp (the settings file),
// main_f_board.cpp (board, die and button drawing), main_f_panels.cpp (messages, dice
// areas, captions, stars, digits, turn counter), main_f_turns.cpp (the turn controller) and
// help_about.cpp (help, About, version). automaton_player.h plays a computer's turns.
#pragma once

#include "base.h"
#include "colours.h"
#include "paint_box.h"

#include <QMainWindow>

#include <array>

class QAction;
class QActionGroup;
class QLabel;
class QStatusBar;
struct TCatalogue;
class TJoueurAutomate;

enum TEtatBouton : std::uint8_t { ebIndefini, ebOK, ebStop };

// Names and sizes of the widgets of each counter.
inline constexpr std::array<const char*, 5> SuffixeCompteur{"DRAJ", "DC", "DNJ", "SM", "SP"};
inline constexpr std::array<int, 5> LignesCompteur{3, 2, 2, 0, 0};
inline constexpr std::array<std::uint8_t, 5> GenreCompteur{0, 0, 0, 1, 1}; // 0 dice area, 1 star
inline constexpr std::array<TEtatDe, 5> EtatCompteur{edEnAttente, edCapture, edNonJoue, edPose, edPose};
inline constexpr std::array<const char*, 3> SuffixeChiffre{"U", "D", "C"};

// The texts of a turn; "\r" separates lines.
inline constexpr std::array<const char*, 2> InviteMode{
    "C'est à %s de jouer !\rAppuyez sur STOP\rpour arrêter le dé...",
    "C'est à %s de jouer !\rChoisissez un dé...",
};
inline constexpr std::array<const char*, 2> Pluriel{"", "s"};
inline constexpr const char* TextePlacez = "Placez votre dé sur\rl'une des cases de votre couleur...";
inline constexpr const char* TexteChoixIncorrect = "Choix incorrect !\rChoisissez une case colorée !";
inline constexpr const char* TexteCapture =
    "Vous avez capturé %d dé%s dont\r%d adverse%s\rrapportant %d point%s.";
inline constexpr const char* TexteAucunPoint = "Vous n'obtenez aucun point.";
inline constexpr const char* TexteSuite =
    "Une suite vient d'être formée.\rElle doit rester jusqu'à la fin\rpour être comptabilisée.\r";
inline constexpr const char* TexteImpossible =
    "Impossible de placer votre dé !\rVotre adversaire gagne un point.";
inline constexpr const char* TexteGagne = "Partie terminée\rVous avez gagné !";
inline constexpr const char* TextePerdu = "Partie terminée\rVous avez perdu !";
inline constexpr const char* TexteEgalite = "Partie terminée\rVous êtes à égalité !";

// Splits off the first line of `reste` (up to the first carriage return) and returns it.
QString ExtraitLigne(QString& reste);

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    // The action button's state, kept in the Tag of PaintBoxAction.
    TEtatBouton EtatBouton() const;
    void SetEtatBouton(TEtatBouton etat);

    // Display operations.
    void AfficheMessage(TIdJoueur Id, const QString& stNvMsg, TEtatBouton etat);
    void AfficheCompteur(TCompteur c, TIdJoueur Id);
    void AfficheCompteursSuite(TIdJoueur Id);
    void AfficheCompteurs(TIdJoueur Id);
    void AfficheScore(TIdJoueur Id);
    int AfficheCasesJouables();
    void AfficheGrille();
    void ColoreTexteJoueurs();

    // The turn controller.
    void AfficheTour();
    void LanceDe();
    void ActionDe(TNumDe NumDe, TEtatDe Etat);
    void FinDePartie();

    // The steps of a turn, taken by a person's presses or by the computer.
    void ArreteDe();                // STOP: the rolling die stops and its cells are marked
    void ChoisitDe(TNumDe NumDe);   // mode Master: the player picks one of his waiting dice
    void ChoisitCase(int x, int y); // the die goes on (x, y) if it is marked
    void PasseAuTourSuivant();      // OK: the next turn, or the verdict after the last

    // Handlers, public so that tests and the dialog reach them as the events do.
    void MenuItemPartieNouvelleClick();
    void MenuItemAffichageCasesClick(QAction* sender);
    void MenuItemJoueursClick();
    void MenuItemAideClick();
    void MenuItemAProposClick();
    void TimerDeTimer();
    void TimerSuitesTimer(TTimer& timer);
    void PaintBoxActionClick(TPaintBox& sender);
    void PaintBoxDRAJMouseDown(TPaintBox& sender, Qt::MouseButton button, QPoint pos);
    void PaintBoxGrilleMouseDown(TPaintBox& sender, Qt::MouseButton button, QPoint pos);

    // The About text, built from the version strings.
    QString TexteAPropos() const;

    // Level menu: one item per strength of the computer player.
    std::array<QAction*, 4> MenuItemNiveau{};

    std::array<QString, 3> stMsg;
    int xPose = 0;
    int yPose = 0;
    QString stVersion;
    QString stSousVersion;
    int NiveauAutomate = 2; // strength of the computer opponent, 0 to 3

    // Components used often; every one can also be found by its name.
    TPaintBox* PaintBoxGrille = nullptr;
    TPaintBox* PaintBoxAction = nullptr;
    TPaintBox* PaintBoxDe = nullptr;
    TPaintBox* PaintBoxTour = nullptr;
    TTimer* TimerDe = nullptr;
    QAction* MenuItemPartieNouvelle = nullptr;
    QAction* MenuItemJoueurs = nullptr;
    QAction* MenuItemModeBlitz = nullptr;
    QAction* MenuItemModeMaster = nullptr;
    QAction* MenuItemAffichageCasesJouables = nullptr;
    QAction* MenuItemAffichageScoresCaptures = nullptr;
    QAction* MenuItemAide = nullptr;
    QAction* MenuItemAPropos = nullptr;

    const TCatalogue& Images;
    TJoueurAutomate* Automate = nullptr; // plays the turns of a computer player

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreeComposants();
    void CreeMenus();
    void FormCreate();
    void FormShow();
    void FormClose();
    void LitOptions();
    void EcritOptions();
    void LitVersion();

    // Painters.
    void PaintBoxGrillePaint(TPaintBox& sender, QPainter& painter);
    void PaintBoxDePaint(TPaintBox& sender, QPainter& painter);
    void PaintBoxActionPaint(TPaintBox& sender, QPainter& painter);
    void PaintBoxMsgPaint(TPaintBox& sender, QPainter& painter);
    void PaintBoxDesPaint(TPaintBox& sender, QPainter& painter);
    void PaintBoxScorePaint(TPaintBox& sender, QPainter& painter);
    void PaintBoxSuitesPaint(TPaintBox& sender, QPainter& painter);
    void PaintBoxTourPaint(TPaintBox& sender, QPainter& painter);

    // Components reached by composed names.
    TPaintBox* Zone(const QString& nom) const;
    TTimer* Minuteur(const QString& nom) const;
    QLabel* Etiquette(const QString& nom) const;
    // Stops the roll, clears the marks and the suite stars of an abandoned game.
    void AbandonneTour();
};

// The player digit of a composed name ("PaintBox1DC" -> jGauche), jIndefini for none.
TIdJoueur JoueurDuNom(const QString& nom, int position);
