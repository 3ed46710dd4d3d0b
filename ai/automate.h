// The computer player: it chooses the move of the player to move in a snapshot of the game.
//
// Use from the window: on the game's thread take `EtatDePartie(*Partie)` once the die of the
// turn is known to the player (mode Blitz: after STOP, the face being the stopped one; mode
// Master: at the start of the turn, before any die is picked), hand the snapshot to a worker
// thread and call `ChoisitCoup` there. The snapshot is a plain value that shares nothing with
// the game, so the game may keep being painted meanwhile. Back on the game's thread, play the
// move as a person would: in Master make `De` the current die first; then `MarqueCasesJouables`
// (it marks (x, y) whenever `Passe` is false), then `PoseDe`/`CaptureDes`/`SuiteCree`, or
// `PasseDe` when `Passe` is true.
#pragma once

#include "etat.h"

#include <array>
#include <atomic>
#include <cstdint>

// Playing strength, weakest first; the names are shown to the user as they stand.
enum TNiveau : std::uint8_t { nvDebutant, nvAmateur, nvConfirme, nvExpert };
inline constexpr int NbNiveaux = 4;
inline constexpr std::array<const char*, NbNiveaux> NomNiveau{"Débutant", "Amateur", "Confirmé", "Expert"};

struct TCoupAutomate {
    // The die to play: in Blitz the current die; in Master one of the player's waiting dice
    // (or the current die if one was already picked). ndIndefini only when no turn is open
    // in the snapshot (no game, game over, or the result of the turn already shown).
    TNumDe De = ndIndefini;
    int x = -1; // the cell (x the column, y the row), -1 when the die is passed
    int y = -1;
    bool Passe = false; // true exactly when the die has no playable cell
};

// What a search did, for measurements; filled when a pointer is given.
struct TStatistiques {
    long long Positions = 0; // positions visited
    int Profondeur = 0;      // depth of the last completed search, in turns
    bool Exacte = false;     // searched to the end of the game
};

// Chooses the move for the player to move in `etat` at strength `niveau` (a TNiveau; values
// out of range are taken as the nearest level). The weaker levels draw on `graine`; the same
// snapshot, level and seed give the same move. Returns soon after `annule` becomes true, with
// the best move found so far (at worst the move of greatest immediate gain). Never longer
// than about a second on one core.
TCoupAutomate ChoisitCoup(const TEtatJeu& etat, int niveau, std::uint64_t graine,
                          const std::atomic<bool>& annule, TStatistiques* stats = nullptr);

// Reference players for measuring strength: a uniformly random legal move, and the move of
// the most immediate points (captures plus suites formed), ties broken at random.
TCoupAutomate CoupAleatoire(const TEtatJeu& etat, std::uint64_t graine);
TCoupAutomate CoupGlouton(const TEtatJeu& etat, std::uint64_t graine);
