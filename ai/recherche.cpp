// Alpha-beta (Master) and expectimax (Blitz) with iterative deepening.
//
// A node's value is the final margin of the player to move minus the margin he has already
// banked (captures and passed dice); it depends only on the board, the standing suites and
// the dice left, so it can be kept in a transposition table whatever the path. Standing
// suites count at the leaves, where they can still be broken no more.
#include "recherche.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <limits>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

struct TCoup {
    std::int8_t Face;
    std::int8_t Case; // -1: passed
    std::int16_t Gain;
    std::uint16_t Tri; // random tie-break between equal gains
};

constexpr int MaxCoups = NbFaces * NbCases + NbFaces;
constexpr int Infini = 1 << 20;

std::uint64_t Melange(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

enum TBorne : std::uint8_t { bVide, bExacte, bMin, bMax };

struct TEntree {
    std::uint64_t Cle = 0;
    std::int16_t Valeur = 0;
    std::uint8_t Profondeur = 0;
    std::uint8_t Borne = bVide;
    std::int8_t Face = 0;
    std::int8_t Case = -1;
    std::uint16_t Generation = 0;
};

// One table per thread, emptied between searches by a generation number so that a search
// depends only on its own position.
struct TTable {
    static constexpr int Bits = 18;
    std::vector<TEntree> E = std::vector<TEntree>(std::size_t{1} << Bits);
    std::uint16_t Generation = 0;
    void Nouvelle() {
        if (++Generation == 0) {
            std::fill(E.begin(), E.end(), TEntree{});
            Generation = 1;
        }
    }
    TEntree& Case(std::uint64_t k) { return E[k >> (64 - Bits)]; }
};

thread_local TTable Table;

// The moves of the player to move: every face he may play on every playable cell, or the
// pass of a face that has none. Gains are immediate margins, for move ordering.
int Genere(const TEtatJeu& e, TCoup* out, std::uint64_t graine) {
    const TIdJoueur j = e.Trait;
    int n = 0;
    for (int f = 1; f <= NbFaces; ++f) {
        if (e.De != ndIndefini ? f != e.FaceDe : Restants(e, j, f) == 0)
            continue;
        const std::uint64_t m = CasesJouables(e, f);
        if (!m) {
            out[n++] = {static_cast<std::int8_t>(f), -1, -1, 0};
            continue;
        }
        for (std::uint64_t b = m; b; b &= b - 1) {
            const int c = std::countr_zero(b);
            out[n++] = {static_cast<std::int8_t>(f), static_cast<std::int8_t>(c),
                        static_cast<std::int16_t>(GainImmediat(e, f, c, j)), 0};
        }
    }
    if (graine)
        for (int i = 0; i < n; ++i)
            out[i].Tri = static_cast<std::uint16_t>(Melange(graine ^ (out[i].Face * 64 + out[i].Case + 1)));
    return n;
}

void Ordonne(TCoup* c, int n) {
    std::sort(c, c + n, [](const TCoup& a, const TCoup& b) {
        return a.Gain != b.Gain ? a.Gain > b.Gain : a.Tri > b.Tri;
    });
}

class TRecherche {
public:
    TRecherche(const TReglages& r, const std::atomic<bool>& annule)
        : R(r), Annule(annule), Debut(Horloge::now()) {}

    const TReglages& R;
    const std::atomic<bool>& Annule;
    Horloge::time_point Debut;
    long long Positions = 0;
    bool Arret = false;
    int Decompte = 1;

    bool Temps() const { return std::chrono::duration<double>(Horloge::now() - Debut).count() > R.Secondes; }

    // Polled often enough to stop within a fraction of a millisecond.
    bool Arrete() {
        if (Arret)
            return true;
        if (--Decompte > 0)
            return false;
        Decompte = 64;
        Arret = Annule.load(std::memory_order_relaxed) || Temps() || Positions > R.Positions;
        return Arret;
    }

    // One turn ahead: the best immediate gain, computed without making the moves.
    int Frontiere(const TEtatJeu& e) {
        const TIdJoueur j = e.Trait;
        int meilleur = -Infini;
        for (int f = 1; f <= NbFaces; ++f) {
            if (e.De != ndIndefini ? f != e.FaceDe : Restants(e, j, f) == 0)
                continue;
            const std::uint64_t m = CasesJouables(e, f);
            if (!m) {
                meilleur = std::max(meilleur, -1);
                continue;
            }
            for (std::uint64_t b = m; b; b &= b - 1) {
                ++Positions;
                meilleur = std::max(meilleur, GainImmediat(e, f, std::countr_zero(b), j));
            }
        }
        return MargeSuites(e, j) + meilleur;
    }

    int AlphaBeta(const TEtatJeu& e, int prof, int alpha, int beta) {
        if (e.Finie())
            return MargeSuites(e, e.Trait);
        if (prof <= 1)
            return Frontiere(e);
        ++Positions;
        if (Arrete())
            return 0;
        const std::uint64_t cle = ClePosition(e);
        TEntree& t = Table.Case(cle);
        int face = 0;
        int cell = -2;
        if (t.Generation == Table.Generation && t.Cle == cle) {
            if (t.Profondeur >= prof) {
                if (t.Borne == bExacte || (t.Borne == bMin && t.Valeur >= beta) ||
                    (t.Borne == bMax && t.Valeur <= alpha))
                    return t.Valeur;
            }
            face = t.Face;
            cell = t.Case;
        }
        TCoup coups[MaxCoups];
        const int n = Genere(e, coups, 0);
        for (int i = 0; i < n; ++i)
            if (coups[i].Face == face && coups[i].Case == cell)
                coups[i].Gain = std::numeric_limits<std::int16_t>::max();
        Ordonne(coups, n);
        const int alpha0 = alpha;
        int meilleur = -Infini;
        TCoup choisi = coups[0];
        for (int i = 0; i < n; ++i) {
            TEtatJeu fils = e;
            const TResultatCoup r = Joue(fils, ndIndefini, coups[i].Face, coups[i].Case);
            const int g = coups[i].Case < 0 ? -1 : r.Points;
            const int v = g - AlphaBeta(fils, prof - 1, g - beta, g - alpha);
            if (Arret)
                return 0;
            if (v > meilleur) {
                meilleur = v;
                choisi = coups[i];
                if (v > alpha)
                    alpha = v;
                if (alpha >= beta)
                    break;
            }
        }
        t.Cle = cle;
        t.Generation = Table.Generation;
        t.Profondeur = static_cast<std::uint8_t>(prof);
        t.Valeur = static_cast<std::int16_t>(meilleur);
        t.Borne = meilleur <= alpha0 ? bMax : meilleur >= beta ? bMin : bExacte;
        t.Face = choisi.Face;
        t.Case = choisi.Case;
        return meilleur;
    }

    // Blitz: the player to move holds a die showing f.
    double ValeurDe(const TEtatJeu& e, int f, int prof) {
        const TIdJoueur j = e.Trait;
        const std::uint64_t m = CasesJouables(e, f);
        if (prof <= 1) {
            int meilleur = -1;
            if (m) {
                meilleur = -Infini;
                for (std::uint64_t b = m; b; b &= b - 1) {
                    ++Positions;
                    meilleur = std::max(meilleur, GainImmediat(e, f, std::countr_zero(b), j));
                }
            }
            return MargeSuites(e, j) + meilleur;
        }
        ++Positions;
        if (Arrete())
            return 0;
        if (!m) {
            TEtatJeu fils = e;
            Joue(fils, ndIndefini, f, -1);
            return -1 - Hasard(fils, prof - 1);
        }
        TCoup coups[NbCases];
        int n = 0;
        for (std::uint64_t b = m; b; b &= b - 1) {
            const int c = std::countr_zero(b);
            coups[n++] = {static_cast<std::int8_t>(f), static_cast<std::int8_t>(c),
                          static_cast<std::int16_t>(GainImmediat(e, f, c, j)), 0};
        }
        if (R.Largeur > 0 && n > R.Largeur) {
            Ordonne(coups, n);
            n = R.Largeur;
        }
        double meilleur = -Infini;
        for (int i = 0; i < n; ++i) {
            TEtatJeu fils = e;
            const TResultatCoup r = Joue(fils, ndIndefini, f, coups[i].Case);
            meilleur = std::max(meilleur, r.Points - Hasard(fils, prof - 1));
            if (Arret)
                return 0;
        }
        return meilleur;
    }

    // Blitz: the die of the player to move is still to be rolled.
    double Hasard(const TEtatJeu& e, int prof) {
        if (e.Finie() || prof <= 0)
            return MargeSuites(e, e.Trait);
        double s = 0;
        for (int f = 1; f <= NbFaces; ++f)
            s += ValeurDe(e, f, prof);
        return s / NbFaces;
    }
};

int ToursRestants(const TEtatJeu& e) {
    return e.Finie() ? 0 : NbTours - e.Tour + 1;
}

} // namespace

TResultatRecherche ChercheMaster(const TEtatJeu& e, const TReglages& r, const std::atomic<bool>& annule) {
    TResultatRecherche res;
    if (e.Finie())
        return res;
    Table.Nouvelle();
    TRecherche s(r, annule);
    TCoup coups[MaxCoups];
    const int n = Genere(e, coups, r.Graine | 1);
    Ordonne(coups, n);
    res.Face = coups[0].Face;
    res.Case = coups[0].Case;
    res.Valeur = coups[0].Gain + MargeSuites(e, e.Trait);
    const int restants = ToursRestants(e);
    const int profMax = std::min(r.Profondeur, restants);
    for (int prof = 1; prof <= profMax; ++prof) {
        int alpha = -Infini;
        TCoup choisi = coups[0];
        int meilleur = -Infini;
        bool complet = true;
        for (int i = 0; i < n; ++i) {
            int v = coups[i].Gain + MargeSuites(e, e.Trait);
            if (prof > 1) {
                TEtatJeu fils = e;
                const TResultatCoup rc = Joue(fils, ndIndefini, coups[i].Face, coups[i].Case);
                const int g = coups[i].Case < 0 ? -1 : rc.Points;
                v = g - s.AlphaBeta(fils, prof - 1, -Infini, g - alpha);
            }
            if (s.Arret) {
                complet = false;
                break;
            }
            if (v > meilleur) {
                meilleur = v;
                choisi = coups[i];
                alpha = v;
            }
        }
        // The previous best is searched first, so whatever an unfinished iteration found
        // beats it at the new depth and can be trusted.
        if (meilleur > -Infini) {
            res.Face = choisi.Face;
            res.Case = choisi.Case;
            res.Valeur = meilleur;
        }
        if (!complet)
            break;
        res.Profondeur = prof;
        res.Exacte = prof == restants;
        // The best move first at the next depth, the rest in their order of gain.
        for (int i = 0; i < n; ++i)
            if (coups[i].Face == choisi.Face && coups[i].Case == choisi.Case) {
                std::rotate(coups, coups + i, coups + i + 1);
                break;
            }
    }
    res.Positions = s.Positions;
    return res;
}

namespace {

// The cells open to the stopped die of a Blitz turn, with its face noted in `res`; none when
// no turn is open or the face is not known yet.
std::uint64_t CasesDuTourBlitz(const TEtatJeu& e, TResultatRecherche& res) {
    if (e.Finie() || e.FaceDe < 1 || e.FaceDe > NbFaces)
        return 0;
    res.Face = e.FaceDe;
    return CasesJouables(e, e.FaceDe);
}

} // namespace

TResultatRecherche ChercheBlitz(const TEtatJeu& e, const TReglages& r, const std::atomic<bool>& annule) {
    TResultatRecherche res;
    const std::uint64_t m = CasesDuTourBlitz(e, res);
    if (!m)
        return res;
    const int f = e.FaceDe;
    TRecherche s(r, annule);
    TCoup coups[NbCases];
    int n = 0;
    for (std::uint64_t b = m; b; b &= b - 1) {
        const int c = std::countr_zero(b);
        coups[n++] = {static_cast<std::int8_t>(f), static_cast<std::int8_t>(c),
                      static_cast<std::int16_t>(GainImmediat(e, f, c, e.Trait)),
                      static_cast<std::uint16_t>(Melange((r.Graine | 1) ^ static_cast<std::uint64_t>(c)))};
    }
    Ordonne(coups, n);
    res.Case = coups[0].Case;
    res.Valeur = coups[0].Gain;
    const int restants = ToursRestants(e);
    const int profMax = std::min(r.Profondeur, restants);
    // Even depths end on the opponent's reply, which keeps the search from counting on a
    // last move of its own that he would answer; an odd depth only to reach the end.
    std::vector<int> profondeurs;
    for (int p = 2; p <= profMax; p += 2)
        profondeurs.push_back(p);
    if (profMax == restants && profMax % 2 == 1 && profMax > 1)
        profondeurs.push_back(profMax);
    double valeurs[NbCases];
    for (const int prof : profondeurs) {
        double meilleur = -Infini;
        int choisi = -1;
        for (int i = 0; i < n; ++i) {
            TEtatJeu fils = e;
            const TResultatCoup rc = Joue(fils, ndIndefini, f, coups[i].Case);
            valeurs[i] = rc.Points - s.Hasard(fils, prof - 1);
            if (r.Bruit > 0)
                valeurs[i] += r.Bruit * static_cast<double>(coups[i].Tri) / 65536.0;
            if (s.Arret)
                break;
            if (valeurs[i] > meilleur + 1e-9) {
                meilleur = valeurs[i];
                choisi = coups[i].Case;
            }
        }
        // Without alpha-beta a partial iteration says nothing about the moves left out.
        if (s.Arret)
            break;
        res.Case = choisi;
        res.Valeur = meilleur;
        res.Profondeur = prof;
        res.Exacte = prof == restants && (r.Largeur == 0 || prof <= 2);
        // The deeper iteration looks only at the best few cells of this one.
        int ordre[NbCases];
        for (int i = 0; i < n; ++i)
            ordre[i] = i;
        std::stable_sort(ordre, ordre + n, [&](int a, int b) { return valeurs[a] > valeurs[b]; });
        TCoup tries[NbCases];
        for (int i = 0; i < n; ++i)
            tries[i] = coups[ordre[i]];
        std::copy(tries, tries + n, coups);
        if (r.LargeurRacine > 0)
            n = std::min(n, r.LargeurRacine);
    }
    if (profMax <= 1)
        res.Profondeur = 1;
    res.Positions = s.Positions;
    return res;
}

namespace {

// The face of turn t in played-out game i: the same for every root cell, so that the cells
// are compared on the same luck.
int FaceTiree(std::uint64_t graine, int t) {
    return static_cast<int>(Melange(graine ^ (static_cast<std::uint64_t>(t) << 56)) % NbFaces) + 1;
}

// Plays e out to the end, each side taking its cell of greatest immediate gain, ties broken
// at random. Returns the final margin of j.
int JoueJusquAuBout(TEtatJeu e, std::uint64_t graine, TIdJoueur j) {
    std::uint64_t alea = Melange(graine ^ 0xA5A5A5A5ull);
    while (!e.Finie()) {
        const int f = FaceTiree(graine, e.Tour);
        const std::uint64_t m = CasesJouables(e, f);
        int choisie = -1;
        long long meilleur = std::numeric_limits<long long>::min();
        alea = Melange(alea);
        for (std::uint64_t b = m; b; b &= b - 1) {
            const int c = std::countr_zero(b);
            const long long v = static_cast<long long>(GainImmediat(e, f, c, e.Trait)) * 65536 +
                                static_cast<long long>((alea >> (c % 48)) & 0xFFFF);
            if (v > meilleur) {
                meilleur = v;
                choisie = c;
            }
        }
        Joue(e, ndIndefini, f, choisie);
    }
    const TIdJoueur a = Adversaire[j];
    return e.PointsCaptures[j] + e.NbPasses[j] - e.PointsCaptures[a] - e.NbPasses[a] + MargeSuites(e, j);
}

} // namespace

TResultatRecherche SimuleBlitz(const TEtatJeu& e, const TReglages& r, const std::atomic<bool>& annule) {
    TResultatRecherche res;
    const std::uint64_t m = CasesDuTourBlitz(e, res);
    if (!m)
        return res;
    const int f = e.FaceDe;
    const TIdJoueur j = e.Trait;
    struct TCandidat {
        int Case;
        TEtatJeu Fils;
        double Somme = 0;
        int Jeux = 0;
        std::uint16_t Tri = 0;
        double Moyenne() const { return Jeux ? Somme / Jeux : -Infini; }
    };
    std::vector<TCandidat> c;
    for (std::uint64_t b = m; b; b &= b - 1) {
        const int k = std::countr_zero(b);
        TCandidat x{k, e};
        Joue(x.Fils, ndIndefini, f, k);
        x.Tri = static_cast<std::uint16_t>(Melange((r.Graine | 1) ^ static_cast<std::uint64_t>(k)));
        c.push_back(x);
    }
    res.Case = c.front().Case;
    if (c.size() == 1)
        return res;
    const auto t0 = Horloge::now();
    int rondes = 1;
    while ((std::size_t{1} << rondes) < c.size())
        ++rondes;
    const int parRonde = std::max(1, r.Simulations / rondes);
    int jeu = 0; // index of the next played-out game, shared by all the cells
    bool arret = false;
    while (!arret) {
        const int n = std::max(1, parRonde / static_cast<int>(c.size()));
        for (int i = 0; i < n && !arret; ++i, ++jeu) {
            const std::uint64_t g = Melange(r.Graine * 0x100000001B3ull + static_cast<std::uint64_t>(jeu));
            for (TCandidat& x : c) {
                x.Somme += JoueJusquAuBout(x.Fils, g, j);
                ++x.Jeux;
            }
            res.Positions += static_cast<long long>(c.size()) * ToursRestants(e);
            arret = annule.load(std::memory_order_relaxed) ||
                    std::chrono::duration<double>(Horloge::now() - t0).count() > r.Secondes;
        }
        std::stable_sort(c.begin(), c.end(), [](const TCandidat& a, const TCandidat& b) {
            return a.Moyenne() != b.Moyenne() ? a.Moyenne() > b.Moyenne() : a.Tri > b.Tri;
        });
        if (c.size() == 1)
            break;
        c.resize((c.size() + 1) / 2);
    }
    res.Case = c.front().Case;
    res.Valeur = c.front().Moyenne();
    res.Profondeur = ToursRestants(e);
    return res;
}
