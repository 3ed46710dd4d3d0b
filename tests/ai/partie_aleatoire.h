// Games played through the real game object by a random hand, stopped wherever a test needs
// a position: the turn open, the die of Blitz rolled, nothing picked yet in Master.
#pragma once

#include "base.h"

#include <memory>
#include <random>
#include <vector>

// A smaller sample under the debug and sanitizer build, which is many times slower.
#ifdef NDEBUG
inline constexpr int Echelle = 10;
#else
inline constexpr int Echelle = 1;
#endif

// Rolls the die of a Blitz turn; nothing to do in Master.
inline void Lance(TPartie& p, std::mt19937_64& g) {
    if (p.FMode == mjBlitz)
        p.Des[p.DeCrt]->Change(static_cast<std::uint8_t>(g() % NbFaces + 1));
}

// Makes d the die of a Master turn, as the press on the remaining-dice panel does.
inline void Choisit(TPartie& p, TNumDe d) {
    if (p.FMode == mjMaster) {
        p.DeCrt = d;
        p.Des[d]->Etat = edLance;
        p.PhCrt = phPoseDe;
    }
}

// Plays the current die on (x, y), or passes it when x < 0, as the turn controller does.
// Returns what SuiteCree gave.
inline bool Termine(TPartie& p, int x, int y) {
    if (x < 0) {
        p.PasseDe(p.DeCrt);
        p.PhaseSuivante();
        p.PhaseSuivante();
        return false;
    }
    if (p.FMode == mjBlitz)
        p.PhaseSuivante();
    p.PoseDe(p.DeCrt, x, y);
    std::unique_ptr<TListeDes> liste;
    p.CaptureDes(p.DeCrt, static_cast<TCoordonnee>(x), static_cast<TCoordonnee>(y), liste, true);
    const bool suite = p.SuiteCree(static_cast<TCoordonnee>(x), static_cast<TCoordonnee>(y));
    p.PhaseSuivante();
    return suite;
}

inline std::vector<TNumDe> DesEnAttente(const TPartie& p) {
    std::vector<TNumDe> v;
    for (int n = ndG01; n <= NbDes; ++n)
        if (p.Des[n]->Jr == p.JrCrt && p.Des[n]->Etat == edEnAttente)
            v.push_back(static_cast<TNumDe>(n));
    return v;
}

// One random turn: a random die in Master, a random marked cell, preferring captures now and
// then so that captures and broken suites come up often.
inline void TourAleatoire(TPartie& p, std::mt19937_64& g) {
    if (p.FMode == mjMaster) {
        const auto v = DesEnAttente(p);
        Choisit(p, v[g() % v.size()]);
    }
    p.MarqueCasesJouables();
    std::vector<std::pair<int, int>> cases;
    int meilleur = 0;
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y)
            if (p.Jouable[x][y]) {
                cases.emplace_back(x, y);
                meilleur = std::max(meilleur, p.Scores[x][y]);
            }
    if (cases.empty()) {
        Termine(p, -1, -1);
        return;
    }
    auto c = cases[g() % cases.size()];
    if (meilleur > 0 && g() % 2 == 0)
        for (const auto& k : cases)
            if (p.Scores[k.first][k.second] == meilleur)
                c = k;
    Termine(p, c.first, c.second);
}

// A new game played at random up to the start of turn `tour` (1..36), its die rolled.
inline std::unique_ptr<TPartie> PartieAuTour(TModeJeu mode, int tour, std::mt19937_64& g) {
    auto p = std::make_unique<TPartie>(mode);
    p->Nouvelle(mode);
    Lance(*p, g);
    while (p->TrCrt < tour) {
        TourAleatoire(*p, g);
        p->JoueurSuivant();
        Lance(*p, g);
    }
    return p;
}
