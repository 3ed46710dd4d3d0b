// The computer player's own copy of a game: a small value type that the search copies
// instead of undoing moves, with the same placement, capture, suite and scoring rules as
// the game object it is taken from.
#pragma once

#include "base.h"

#include <array>
#include <cstdint>

inline constexpr int NbCases = TailleGrille * TailleGrille;
inline constexpr int NbLignes = 2 * TailleGrille; // rows 0..5, then columns 0..5

// Cells are numbered row by row, so that a row is six consecutive bits of a bitboard.
constexpr int IndexCase(int x, int y) {
    return y * TailleGrille + x;
}
constexpr int XCase(int c) {
    return c % TailleGrille;
}
constexpr int YCase(int c) {
    return c / TailleGrille;
}

// The bitboard of line l: rows 0..5 first, then columns 0..5.
constexpr std::uint64_t MasqueLigne(int l) {
    if (l < TailleGrille)
        return std::uint64_t{0x3F} << (TailleGrille * l);
    return std::uint64_t{0x041041041} << (l - TailleGrille);
}

// The record of a full line: who filled it, from which cell, whether all six were his.
struct TSuiteCompacte {
    std::uint8_t Jr = jIndefini;
    std::uint8_t Case = 0;
    bool Propre = false;
};

// What a placement captures, in the order in which the game object takes the dice.
struct TCapturesCompactes {
    std::uint64_t Masque = 0;
    int Points = 0;   // own dice once their face, the opponent's twice
    int Adverses = 0; // how many belong to the opponent
    int Nombre = 0;
    std::array<std::uint8_t, 8> Cases{};
};

struct TEtatJeu {
    std::array<std::uint8_t, NbCases> Face{}; // face on each cell, 0 when empty
    std::array<std::uint64_t, 3> Occupe{};    // cells held by each player's dice, [jIndefini] unused
    std::array<std::uint8_t, TailleGrille> FacesLigne{};   // bit f: face f shows in row y
    std::array<std::uint8_t, TailleGrille> FacesColonne{}; // bit f: face f shows in column x
    std::uint64_t EnAttente = 0;                           // bit n: die n still waits to be played
    std::array<TSuiteCompacte, NbLignes> Suites{};
    std::array<std::int16_t, 3> PointsCaptures{}; // capture points credited to each player
    std::array<std::uint8_t, 3> NbCaptures{};     // dice captured by each player
    std::array<std::uint8_t, 3> NbPasses{};       // the opponent's passed dice, one point each
    std::uint64_t Cle = 0;                        // position key of the board and the waiting dice
    TModeJeu Mode = mjMaster;
    TTour Tour = 0;              // turn being played; NbTours + 1 once the game is over
    TIdJoueur Trait = jIndefini; // the player of that turn
    TNumDe De = ndIndefini;      // die of the turn when known (always in Blitz, once chosen in Master)
    std::uint8_t FaceDe = 0;     // its face, 0 while unknown

    std::uint64_t Occupees() const { return Occupe[jGauche] | Occupe[jDroite]; }
    bool Finie() const { return Tour < 1 || Tour > NbTours; }
};

// A snapshot of the game in progress, to be taken on the thread that owns the game.
TEtatJeu EtatDePartie(const TPartie& p);

// The dice of player j whose printed face is f (three of them), as a bitmask of numbers.
std::uint64_t MasqueDes(TIdJoueur j, int f);
// How many of j's waiting dice show face f (mode Master, where faces are printed).
int Restants(const TEtatJeu& e, TIdJoueur j, int f);
// The lowest-numbered waiting die of j with printed face f, ndIndefini when none is left.
TNumDe DeDeFace(const TEtatJeu& e, TIdJoueur j, int f);

// The empty cells where a die showing f may go.
std::uint64_t CasesJouables(const TEtatJeu& e, int f);
// The dice that a die of j showing f0 placed on cell c would capture.
TCapturesCompactes CalculeCaptures(const TEtatJeu& e, int c, int f0, TIdJoueur j);

// Plays die d showing f on cell c for the player to move (c must be playable), or passes it
// when c is negative; then opens the next turn. Returns the capture points of the move.
struct TResultatCoup {
    int Points = 0; // capture points
    int Suites = 0; // lines filled by the placement (0, 1 or 2)
};
TResultatCoup Joue(TEtatJeu& e, TNumDe d, int f, int c);

// The points of player j, counted as the game object counts them.
int Compte(const TEtatJeu& e, TIdJoueur j, TCompteur c);
int Score(const TEtatJeu& e, TIdJoueur j, TCompteur c);
int Score(const TEtatJeu& e, TIdJoueur j);

// Standing suites: the points of line l (0 when not standing) and j's suites minus the opponent's.
int PointsSuite(const TEtatJeu& e, int l);
int MargeSuites(const TEtatJeu& e, TIdJoueur j);
// The change of j's margin that a placement of f on c would bring at once: captures, suites
// formed, suites of either side broken by the captures.
int GainImmediat(const TEtatJeu& e, int f, int c, TIdJoueur j);
// Captures and suites formed only, the way a greedy player counts.
int PointsImmediats(const TEtatJeu& e, int f, int c, TIdJoueur j);
// The position key including the standing suites, for the transposition table.
std::uint64_t ClePosition(const TEtatJeu& e);
