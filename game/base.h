// The vocabulary of the game: dice, players, the 6 by 6 board, the suite records and
// the game object. Plain C++ with no knowledge of the screen; the windows read the
// public fields and call the operations below.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

// ---------------------------------------------------------------------------
// Enumerations: one byte each, ordinals from 0, used directly as array indexes.

enum TIdJoueur : std::uint8_t { jIndefini, jGauche, jDroite };

// Die 2k-1 is the left player's k-th die, die 2k the right player's.
enum TNumDe : std::uint8_t {
    ndIndefini, ndG01, ndD01, ndG02, ndD02, ndG03,
    ndD03, ndG04, ndD04, ndG05, ndD05, ndG06,
    ndD06, ndG07, ndD07, ndG08, ndD08, ndG09,
    ndD09, ndG10, ndD10, ndG11, ndD11, ndG12,
    ndD12, ndG13, ndD13, ndG14, ndD14, ndG15,
    ndD15, ndG16, ndD16, ndG17, ndD17, ndG18,
    ndD18,
};

enum TEtatDe : std::uint8_t { edEnAttente, edLance, edPose, edNonJoue, edCapture };
enum TPhaseJeu : std::uint8_t { phIndefinie, phLanceDes, phPoseDe, phResultatPose };
enum TModeJeu : std::uint8_t { mjBlitz, mjMaster };
enum TCompteur : std::uint8_t { cDRAJ, cDC, cDNJ, cSM, cSP };
enum TOrientation : std::uint8_t { oHorizontale, oVerticale };

using TCoordonnee = std::uint8_t; // 0..5
using TTour = std::uint8_t;       // 0..36, 0 before the first turn

inline constexpr int TailleGrille = 6;
inline constexpr int NbDes = 36;
inline constexpr int NbTours = 36;
inline constexpr int NbFaces = 6;

// ---------------------------------------------------------------------------
// Grids, all indexed [x][y] with x the column from the left and y the row from the top.

template <typename T> using TGrilleDe = std::array<std::array<T, TailleGrille>, TailleGrille>;
using TGrille = TGrilleDe<TNumDe>; // ndIndefini marks an empty cell
using TMarquage = TGrilleDe<bool>; // cells where the current die may go
using TScore = TGrilleDe<int>;     // capture preview of each playable cell

class TDe;
class TJoueur;
class TSuiteDes;
class TListeDes;

using TDes = std::array<std::unique_ptr<TDe>, NbDes + 1>;          // entry ndIndefini stays empty
using TJoueurs = std::array<std::unique_ptr<TJoueur>, 3>;          // entry jIndefini stays empty
using TSuitesDes = std::array<std::array<std::unique_ptr<TSuiteDes>, TailleGrille>, 2>; // [o][Pos]

inline constexpr std::array<TIdJoueur, 3> Adversaire{jIndefini, jDroite, jGauche};

// Steps to the four neighbours of a cell: none, up, right, down, left.
inline constexpr std::array<int, 5> DeltaX{0, 0, 1, 0, -1};
inline constexpr std::array<int, 5> DeltaY{0, -1, 0, 1, 0};

constexpr bool DansGrille(int a, int b) {
    return a >= 0 && a < TailleGrille && b >= 0 && b < TailleGrille;
}

// The owner and printed face follow from the number alone.
constexpr TIdJoueur ProprietaireDe(TNumDe NumDe) {
    return static_cast<TIdJoueur>((NumDe - 1) % 2 + 1);
}
constexpr std::uint8_t FaceImprimee(TNumDe NumDe) {
    return static_cast<std::uint8_t>(((NumDe - 1) / 2) % NbFaces + 1);
}

// ---------------------------------------------------------------------------

class TDe {
public:
    TNumDe Id;
    TIdJoueur Jr;
    TIdJoueur Vq; // credited player: owner, opponent once passed, capturer once captured
    int x;
    int y;
    TEtatDe Etat;
    TTour Tour; // turn of the last change of state, 0 until then
    std::uint8_t FFace;

    explicit TDe(TNumDe NumDe);
    void Initialise();
    void Change(std::uint8_t Face);
};

class TJoueur {
public:
    TIdJoueur Id;
    bool Automate; // false: played by a person

    explicit TJoueur(TIdJoueur IdJoueur) : Id(IdJoueur), Automate(false) {}
};

// The record of one row or column: who filled it last, from which cell, and whether the
// six dice were all his.
class TSuiteDes {
public:
    int x;
    int y;
    TTour Tr;
    TIdJoueur Jr;
    TOrientation o;
    TCoordonnee Pos;
    bool Propre;

    TSuiteDes(TOrientation o, TCoordonnee Pos);
    void Initialise();
    void Affecte(TIdJoueur Jr, TCoordonnee x, TCoordonnee y, bool Propre);
    bool ExisteTjrs(const TGrille& Gr) const;
    int Score(const TGrille& Gr, const TDes& Des) const;

private:
    // The cell of index i along the record's line.
    TNumDe Case(const TGrille& Gr, int i) const;
};

// A singly linked list of captured dice; the head owns the chain.
class TListeDes {
public:
    TNumDe NumDe;
    std::unique_ptr<TListeDes> Svt;

    explicit TListeDes(TNumDe PrmNumDe);
    void AjouteDe(TNumDe NvNumDe);
    int Des(const TDes& d, TIdJoueur Id) const;
    int Score(const TDes& d, TIdJoueur JrCrt, TIdJoueur Id) const;
};

class TPartie {
public:
    TModeJeu FMode;
    TGrille Gr;
    TMarquage Jouable;
    TScore Scores;
    TJoueurs Jr;
    TDes Des;
    TTour TrCrt;
    TIdJoueur JrCrt;
    TNumDe DeCrt;
    TPhaseJeu PhCrt;
    TSuitesDes Suites;

    explicit TPartie(TModeJeu ModeJeu);
    ~TPartie();
    TPartie(const TPartie&) = delete;
    TPartie& operator=(const TPartie&) = delete;

    // Turn and phase sequence (game.cpp).
    void InitialiseGrille();
    void InitialiseMarquage();
    void Initialise();
    bool DeSuivant();
    bool JoueurSuivant();
    void Nouvelle(TModeJeu ModeJeu);
    void ChangeEtatDe(TNumDe NumDe, TEtatDe NvEtat);
    void PoseDe(TNumDe NumDe, int xPose, int yPose);
    void PasseDe(TNumDe NumDe);
    void CaptureDe(TNumDe NumDe);
    void PhaseSuivante();

    // Captures (captures.cpp).
    bool CaptureDes(TNumDe NumDe, TCoordonnee x, TCoordonnee y, std::unique_ptr<TListeDes>& ListeDes,
                    bool bCapturer);

    // Placement rule (placement.cpp).
    bool EstJouable(TNumDe d, TCoordonnee x, TCoordonnee y) const;
    int MarqueCasesJouables();

    // Suites (suites.cpp).
    bool SuiteCree(TCoordonnee x, TCoordonnee y);
    bool CreeSuite(TCoordonnee x, TCoordonnee y) const;
    TIdJoueur CreateurSuite(TCoordonnee x, TCoordonnee y) const;

    // Counters and scores (counters.cpp).
    int Compte(TIdJoueur j, TCompteur c) const;
    int Score(TIdJoueur j, TCompteur c) const;
    int Score(TIdJoueur j) const;
};

// The one game of the running program, created at start-up and never replaced.
extern std::unique_ptr<TPartie> Partie;
