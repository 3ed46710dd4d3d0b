// Plays N games between two players through the real game object, one game per seed and the
// seats alternating, and prints the results from the first player's point of view.
//
//   arena --mode blitz|master --games N --seed S [--jobs J] [--verbose] A B
//
// A and B are random, greedy, debutant, amateur, confirme or expert. The last line is
// machine-readable: "result wins=... draws=... losses=... winrate=... stderr=... margin=...
// a_mean_ms=... a_max_ms=... b_mean_ms=... b_max_ms=...".
#include "automate.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

constexpr std::array<std::string_view, 6> NomsJoueurs{"random",  "greedy",   "debutant",
                                                      "amateur", "confirme", "expert"};

int JoueurDeNom(std::string_view n) {
    for (std::size_t i = 0; i < NomsJoueurs.size(); ++i)
        if (NomsJoueurs[i] == n)
            return static_cast<int>(i);
    return -1;
}

std::uint64_t Melange(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

TCoupAutomate Choisit(int joueur, const TEtatJeu& e, std::uint64_t graine) {
    static const std::atomic<bool> jamais{false};
    switch (joueur) {
    case 0:
        return CoupAleatoire(e, graine);
    case 1:
        return CoupGlouton(e, graine);
    default:
        return ChoisitCoup(e, joueur - 2, graine, jamais);
    }
}

struct TTemps {
    double Total = 0;
    double Max = 0;
    int Coups = 0;
    void Ajoute(double ms) {
        Total += ms;
        Max = std::max(Max, ms);
        ++Coups;
    }
};

struct TPartieJouee {
    int ScoreA = 0;
    int ScoreB = 0;
    bool AAGauche = true;
    TTemps TempsA;
    TTemps TempsB;
    std::string Erreur;
};

// One game, driven as the turn controller drives it, the players only choosing moves.
TPartieJouee JoueUne(TModeJeu mode, std::uint64_t graine, int a, int b, bool aAGauche) {
    TPartieJouee r;
    r.AAGauche = aAGauche;
    TPartie p(mode);
    p.Nouvelle(mode);
    std::uint64_t des = Melange(graine ^ 0xD1CEull);
    do {
        const bool tourDeA = (p.JrCrt == jGauche) == aAGauche;
        if (mode == mjBlitz) {
            des = Melange(des);
            p.Des[p.DeCrt]->Change(static_cast<std::uint8_t>(des % NbFaces + 1));
        }
        const TEtatJeu etat = EtatDePartie(p);
        const auto t0 = std::chrono::steady_clock::now();
        const TCoupAutomate k = Choisit(tourDeA ? a : b, etat, Melange(graine * 64 + p.TrCrt));
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        (tourDeA ? r.TempsA : r.TempsB).Ajoute(ms);

        const auto faute = [&](const char* quoi) {
            r.Erreur = std::string(quoi) + " au tour " + std::to_string(p.TrCrt);
        };
        if (mode == mjMaster) {
            if (k.De == ndIndefini || p.Des[k.De]->Jr != p.JrCrt || p.Des[k.De]->Etat != edEnAttente) {
                faute("dé illégal");
                return r;
            }
            p.DeCrt = k.De;
            p.Des[k.De]->Etat = edLance;
            p.PhCrt = phPoseDe;
        } else if (k.De != p.DeCrt) {
            faute("dé qui n'est pas celui du tour");
            return r;
        }
        const int n = p.MarqueCasesJouables();
        if (n == 0) {
            if (!k.Passe) {
                faute("dé posé sans case jouable");
                return r;
            }
            p.PasseDe(p.DeCrt);
            p.PhaseSuivante();
            p.PhaseSuivante();
            continue;
        }
        if (k.Passe || !DansGrille(k.x, k.y) || !p.Jouable[k.x][k.y]) {
            faute("case illégale");
            return r;
        }
        if (mode == mjBlitz)
            p.PhaseSuivante();
        p.PoseDe(p.DeCrt, k.x, k.y);
        std::unique_ptr<TListeDes> liste;
        p.CaptureDes(p.DeCrt, static_cast<TCoordonnee>(k.x), static_cast<TCoordonnee>(k.y), liste, true);
        p.SuiteCree(static_cast<TCoordonnee>(k.x), static_cast<TCoordonnee>(k.y));
        p.PhaseSuivante();
    } while (p.JoueurSuivant());
    r.ScoreA = p.Score(aAGauche ? jGauche : jDroite);
    r.ScoreB = p.Score(aAGauche ? jDroite : jGauche);
    return r;
}

int Usage() {
    std::fprintf(stderr, "usage: arena --mode blitz|master --games N --seed S [--jobs J] [--verbose] A B\n"
                         "       A, B: random greedy debutant amateur confirme expert\n");
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    TModeJeu mode = mjMaster;
    long parties = 100;
    unsigned long long graine = 1;
    int taches = 1;
    bool detail = false;
    std::vector<std::string_view> noms;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool valeur = i + 1 < argc;
        if (arg == "--mode" && valeur) {
            const std::string_view m = argv[++i];
            if (m != "blitz" && m != "master")
                return Usage();
            mode = m == "blitz" ? mjBlitz : mjMaster;
        } else if (arg == "--games" && valeur) {
            parties = std::strtol(argv[++i], nullptr, 10);
        } else if (arg == "--seed" && valeur) {
            graine = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--jobs" && valeur) {
            taches = static_cast<int>(std::strtol(argv[++i], nullptr, 10));
        } else if (arg == "--verbose") {
            detail = true;
        } else if (!arg.starts_with("--")) {
            noms.push_back(arg);
        } else {
            return Usage();
        }
    }
    if (noms.size() != 2 || parties < 1 || taches < 1)
        return Usage();
    const int a = JoueurDeNom(noms[0]);
    const int b = JoueurDeNom(noms[1]);
    if (a < 0 || b < 0)
        return Usage();

    std::vector<TPartieJouee> jeux(static_cast<std::size_t>(parties));
    std::atomic<long> suivante{0};
    const auto travaille = [&] {
        for (long g; (g = suivante++) < parties;)
            jeux[static_cast<std::size_t>(g)] =
                JoueUne(mode, graine + static_cast<unsigned long long>(g), a, b, g % 2 == 0);
    };
    const auto t0 = std::chrono::steady_clock::now();
    std::vector<std::thread> fils;
    for (int t = 1; t < taches; ++t)
        fils.emplace_back(travaille);
    travaille();
    for (auto& f : fils)
        f.join();
    const double duree = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    int gains = 0, nuls = 0, pertes = 0;
    std::array<int, 2> gainsSiege{}, partiesSiege{};
    double marge = 0, somme = 0, somme2 = 0;
    TTemps ta, tb;
    for (long g = 0; g < parties; ++g) {
        const TPartieJouee& j = jeux[static_cast<std::size_t>(g)];
        if (!j.Erreur.empty()) {
            std::printf("game %ld (seed %llu): %s\n", g, graine + static_cast<unsigned long long>(g),
                        j.Erreur.c_str());
            return 2;
        }
        const double s = j.ScoreA > j.ScoreB ? 1 : j.ScoreA == j.ScoreB ? 0.5 : 0;
        gains += s == 1;
        nuls += s == 0.5;
        pertes += s == 0;
        somme += s;
        somme2 += s * s;
        marge += j.ScoreA - j.ScoreB;
        const int siege = j.AAGauche ? 0 : 1;
        ++partiesSiege[siege];
        gainsSiege[siege] += s == 1;
        ta.Total += j.TempsA.Total;
        ta.Coups += j.TempsA.Coups;
        ta.Max = std::max(ta.Max, j.TempsA.Max);
        tb.Total += j.TempsB.Total;
        tb.Coups += j.TempsB.Coups;
        tb.Max = std::max(tb.Max, j.TempsB.Max);
        if (detail)
            std::printf("game %4ld seed %llu  %s %s  %3d - %3d\n", g,
                        graine + static_cast<unsigned long long>(g), noms[0].data(),
                        j.AAGauche ? "left " : "right", j.ScoreA, j.ScoreB);
    }
    const double n = static_cast<double>(parties);
    const double taux = somme / n;
    const double variance = std::max(0.0, somme2 / n - taux * taux);
    const double erreur = parties > 1 ? std::sqrt(variance / (n - 1)) : 0;
    std::printf("%s vs %s, mode %s, %ld games from seed %llu, %.1f s\n", noms[0].data(), noms[1].data(),
                mode == mjBlitz ? "blitz" : "master", parties, graine, duree);
    std::printf("%s: %d wins, %d draws, %d losses; wins as left %d/%d, as right %d/%d; mean margin %+.2f\n",
                noms[0].data(), gains, nuls, pertes, gainsSiege[0], partiesSiege[0], gainsSiege[1],
                partiesSiege[1], marge / n);
    std::printf("time per move: %s mean %.2f ms max %.1f ms, %s mean %.2f ms max %.1f ms\n", noms[0].data(),
                ta.Coups ? ta.Total / ta.Coups : 0, ta.Max, noms[1].data(),
                tb.Coups ? tb.Total / tb.Coups : 0, tb.Max);
    std::printf("result wins=%d draws=%d losses=%d winrate=%.4f stderr=%.4f margin=%.3f a_mean_ms=%.3f "
                "a_max_ms=%.3f b_mean_ms=%.3f b_max_ms=%.3f\n",
                gains, nuls, pertes, taux, erreur, marge / n, ta.Coups ? ta.Total / ta.Coups : 0, ta.Max,
                tb.Coups ? tb.Total / tb.Coups : 0, tb.Max);
    return 0;
}
