// The levels of the computer player and the two reference players.
//
// The weak levels are weak on purpose: Débutant plays almost at random, leaning towards
// captures; Amateur takes the best immediate gain but misjudges it by a random amount;
// Confirmé looks one reply ahead; Expert searches as deep as its budget allows in Master, and
// in Blitz plays thousands of games out from its cells on sampled faces; both search to the
// end of the game once few turns are left.
#include "automate.h"

#include "recherche.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

namespace {

// A small fast generator, enough for the choices of the weak levels.
class TAlea {
public:
    explicit TAlea(std::uint64_t graine) : Etat(graine) {}
    std::uint64_t Suivant() {
        Etat += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = Etat;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Reel() { return static_cast<double>(Suivant() >> 11) * 0x1.0p-53; }
    int Entier(int n) { return static_cast<int>(Suivant() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t Etat;
};

struct TOption {
    int Face;
    int Case; // -1: passed
};

// Every move open to the player to move: each face he may play on each playable cell, or
// the pass of a face that has none.
std::vector<TOption> Options(const TEtatJeu& e) {
    std::vector<TOption> o;
    for (int f = 1; f <= NbFaces; ++f) {
        if (e.Mode == mjBlitz || e.De != ndIndefini ? f != e.FaceDe : Restants(e, e.Trait, f) == 0)
            continue;
        const std::uint64_t m = CasesJouables(e, f);
        if (!m)
            o.push_back({f, -1});
        for (std::uint64_t b = m; b; b &= b - 1)
            o.push_back({f, std::countr_zero(b)});
    }
    return o;
}

bool TourOuvert(const TEtatJeu& e) {
    if (e.Finie() || e.Trait == jIndefini)
        return false;
    if (e.Mode == mjBlitz || e.De != ndIndefini)
        return e.De != ndIndefini && e.FaceDe >= 1 && e.FaceDe <= NbFaces;
    return true;
}

TCoupAutomate Coup(const TEtatJeu& e, int f, int c) {
    TCoupAutomate k;
    k.De = e.De != ndIndefini ? e.De : DeDeFace(e, e.Trait, f);
    if (k.De == ndIndefini)
        return {};
    if (c < 0) {
        k.Passe = true;
    } else {
        k.x = XCase(c);
        k.y = YCase(c);
    }
    return k;
}

int Points(const TEtatJeu& e, const TOption& o) {
    return o.Case < 0 ? -1 : PointsImmediats(e, o.Face, o.Case, e.Trait);
}

// The option of greatest value, ties broken at random.
template <typename F> TOption Meilleure(const std::vector<TOption>& o, TAlea& a, F valeur) {
    double meilleur = -1e18;
    TOption choisi = o.front();
    int ex = 0;
    for (const TOption& x : o) {
        const double v = valeur(x);
        if (v > meilleur + 1e-9) {
            meilleur = v;
            choisi = x;
            ex = 1;
        } else if (v > meilleur - 1e-9 && a.Entier(++ex) == 0) {
            choisi = x;
        }
    }
    return choisi;
}

// Débutant: a random move, each weighted by how much it brings at once.
TOption Debutant(const TEtatJeu& e, const std::vector<TOption>& o, TAlea& a) {
    constexpr double Temperature = 4.0;
    std::vector<double> poids;
    double total = 0;
    for (const TOption& x : o) {
        poids.push_back(std::exp(std::max(-1, Points(e, x)) / Temperature));
        total += poids.back();
    }
    double r = a.Reel() * total;
    for (std::size_t i = 0; i < o.size(); ++i) {
        r -= poids[i];
        if (r <= 0)
            return o[i];
    }
    return o.back();
}

// Amateur: the best immediate change of margin, misjudged by up to a few points.
TOption Amateur(const TEtatJeu& e, const std::vector<TOption>& o, TAlea& a) {
    constexpr double Bruit = 6.0;
    return Meilleure(o, a, [&](const TOption& x) {
        const int g = x.Case < 0 ? -1 : GainImmediat(e, x.Face, x.Case, e.Trait);
        return g + Bruit * a.Reel();
    });
}

// Blitz: the turns left from which Expert solves the game exactly, and before that the games
// it plays out per move.
constexpr int ToursExacts = 4;
constexpr int SimulationsExpert = 3000;

TReglages Reglages(const TEtatJeu& e, int niveau, std::uint64_t graine) {
    TReglages r;
    r.Graine = graine;
    r.Secondes = 0.9;
    if (niveau == nvConfirme) {
        // One reply ahead; in Blitz, where that is already most of what search can do, it
        // also misjudges its cells a little.
        r.Profondeur = 2;
        r.Bruit = e.Mode == mjBlitz ? 4.0 : 0.0;
    } else if (e.Mode == mjMaster) {
        r.Positions = 400000;
    } else if (NbTours - e.Tour + 1 <= ToursExacts) {
        // Few turns left: expectimax to the end over every cell.
        r.Profondeur = NbTours;
    } else {
        r.Simulations = SimulationsExpert;
    }
    return r;
}

} // namespace

TCoupAutomate CoupAleatoire(const TEtatJeu& e, std::uint64_t graine) {
    if (!TourOuvert(e))
        return {};
    TAlea a(graine);
    const std::vector<TOption> o = Options(e);
    const TOption x = o[static_cast<std::size_t>(a.Entier(static_cast<int>(o.size())))];
    return Coup(e, x.Face, x.Case);
}

TCoupAutomate CoupGlouton(const TEtatJeu& e, std::uint64_t graine) {
    if (!TourOuvert(e))
        return {};
    TAlea a(graine);
    const std::vector<TOption> o = Options(e);
    const TOption x = Meilleure(o, a, [&](const TOption& k) { return Points(e, k); });
    return Coup(e, x.Face, x.Case);
}

TCoupAutomate ChoisitCoup(const TEtatJeu& e, int niveau, std::uint64_t graine,
                          const std::atomic<bool>& annule, TStatistiques* stats) {
    if (stats)
        *stats = {};
    if (!TourOuvert(e))
        return {};
    niveau = std::clamp(niveau, 0, NbNiveaux - 1);
    TAlea a(graine);
    const std::vector<TOption> o = Options(e);
    if (annule.load()) {
        const TOption x = Meilleure(o, a, [&](const TOption& k) {
            return k.Case < 0 ? -1 : GainImmediat(e, k.Face, k.Case, e.Trait);
        });
        return Coup(e, x.Face, x.Case);
    }
    if (niveau == nvAmateur) {
        const TOption x = Amateur(e, o, a);
        return Coup(e, x.Face, x.Case);
    }
    if (niveau == nvDebutant) {
        const TOption x = Debutant(e, o, a);
        return Coup(e, x.Face, x.Case);
    }
    const TReglages r = Reglages(e, niveau, graine);
    const TResultatRecherche res = e.Mode == mjMaster  ? ChercheMaster(e, r, annule)
                                   : r.Simulations > 0 ? SimuleBlitz(e, r, annule)
                                                       : ChercheBlitz(e, r, annule);
    if (stats)
        *stats = {res.Positions, res.Profondeur, res.Exacte};
    return Coup(e, res.Face, res.Case);
}
