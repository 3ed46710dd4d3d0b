// The two searches behind the levels: alpha-beta over dice and cells for mode Master, and
// expectimax over the faces still to be rolled for mode Blitz. Values are margins: the
// final total of the player to move minus his opponent's.
#pragma once

#include "etat.h"

#include <atomic>
#include <cstdint>

struct TReglages {
    int Profondeur = 64;           // at most this many turns ahead
    long long Positions = 1 << 30; // stop deepening past this many positions
    double Secondes = 0.9;         // and past this time
    int Largeur = 0;               // Blitz: cells kept per inner decision (0: all)
    int LargeurRacine = 0;         // Blitz: cells kept at the root past the first depth (0: all)
    double Bruit = 0;              // Blitz: up to this many points of random error per root cell
    std::uint64_t Graine = 0;      // breaks ties between moves of equal immediate gain
    int Simulations = 0;           // Blitz: games played out from the root cells, in all
};

struct TResultatRecherche {
    int Face = 0;
    int Case = -1; // -1: the die is passed
    double Valeur = 0;
    int Profondeur = 0;
    long long Positions = 0;
    bool Exacte = false;
};

// Needs a turn open in `e`; in Master a die already chosen (e.De) restricts the search to it.
TResultatRecherche ChercheMaster(const TEtatJeu& e, const TReglages& r, const std::atomic<bool>& annule);
// Needs the face of the current die (e.FaceDe).
TResultatRecherche ChercheBlitz(const TEtatJeu& e, const TReglages& r, const std::atomic<bool>& annule);
// Blitz by sampling: each root cell is valued by the mean final margin of games played out
// to the end, both sides taking the cell of greatest immediate gain on random faces; the
// cells share r.Simulations games, the weaker half dropped after each round.
TResultatRecherche SimuleBlitz(const TEtatJeu& e, const TReglages& r, const std::atomic<bool>& annule);
