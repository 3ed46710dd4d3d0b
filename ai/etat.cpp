// The rules of the game on the compact state: placement, captures, suites and scores, each
// worked out exactly as the game object does, only on bitboards and small arrays.
#include "etat.h"

#include <bit>
#include <cassert>

namespace {

constexpr std::uint64_t Tout = (std::uint64_t{1} << NbCases) - 1;

constexpr std::uint64_t Melange(std::uint64_t& s) {
    s += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = s;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Random keys for the position key: a die of a player showing a face on a cell, a die
// still waiting, and the cell of a line from which its standing suite was formed (the
// board itself tells its owner and whether it is clean).
struct TCles {
    std::array<std::array<std::array<std::uint64_t, 3>, NbFaces + 1>, NbCases> Case{};
    std::array<std::uint64_t, NbDes + 1> Attente{};
    std::array<std::array<std::uint64_t, NbCases>, NbLignes> Suite{};
};

constexpr TCles FaitCles() {
    TCles k{};
    std::uint64_t s = 0x5D0C0FFEEull;
    for (auto& c : k.Case)
        for (auto& f : c)
            for (auto& j : f)
                j = Melange(s);
    for (auto& a : k.Attente)
        a = Melange(s);
    for (auto& l : k.Suite)
        for (auto& c : l)
            c = Melange(s);
    return k;
}

constexpr TCles Cles = FaitCles();

bool Entre(int v, int a, int b) {
    return (a < v && v < b) || (b < v && v < a);
}

std::uint64_t Bit(int c) {
    return std::uint64_t{1} << c;
}

void PoseFace(TEtatJeu& e, int c, int f, TIdJoueur j) {
    e.Face[c] = static_cast<std::uint8_t>(f);
    e.Occupe[j] |= Bit(c);
    e.FacesLigne[YCase(c)] |= static_cast<std::uint8_t>(1u << f);
    e.FacesColonne[XCase(c)] |= static_cast<std::uint8_t>(1u << f);
    e.Cle ^= Cles.Case[c][f][j];
}

// A line never shows a face twice, so clearing the face's bit is exact.
void RetireFace(TEtatJeu& e, int c) {
    const int f = e.Face[c];
    const TIdJoueur j = (e.Occupe[jGauche] & Bit(c)) ? jGauche : jDroite;
    e.Face[c] = 0;
    e.Occupe[j] &= ~Bit(c);
    e.FacesLigne[YCase(c)] &= static_cast<std::uint8_t>(~(1u << f));
    e.FacesColonne[XCase(c)] &= static_cast<std::uint8_t>(~(1u << f));
    e.Cle ^= Cles.Case[c][f][j];
}

bool Pleine(std::uint64_t occupees, int l) {
    return (occupees & MasqueLigne(l)) == MasqueLigne(l);
}

// Sum of the faces of line l except the one on cell c.
int SommeSaufCase(const TEtatJeu& e, int l, int c) {
    int s = 0;
    for (std::uint64_t m = MasqueLigne(l); m; m &= m - 1) {
        const int k = std::countr_zero(m);
        if (k != c)
            s += e.Face[k];
    }
    return s;
}

} // namespace

std::uint64_t MasqueDes(TIdJoueur j, int f) {
    std::uint64_t m = 0;
    for (int k = f; k <= NbDes / 2; k += NbFaces)
        m |= std::uint64_t{1} << (2 * k - (j == jGauche ? 1 : 0));
    return m;
}

int Restants(const TEtatJeu& e, TIdJoueur j, int f) {
    return std::popcount(e.EnAttente & MasqueDes(j, f));
}

TNumDe DeDeFace(const TEtatJeu& e, TIdJoueur j, int f) {
    const std::uint64_t m = e.EnAttente & MasqueDes(j, f);
    return m ? static_cast<TNumDe>(std::countr_zero(m)) : ndIndefini;
}

TEtatJeu EtatDePartie(const TPartie& p) {
    TEtatJeu e;
    e.Mode = p.FMode;
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y)
            if (const TNumDe n = p.Gr[x][y]; n != ndIndefini)
                PoseFace(e, IndexCase(x, y), p.Des[n]->FFace, p.Des[n]->Jr);
    for (int n = ndG01; n <= NbDes; ++n) {
        const TDe& d = *p.Des[n];
        if (d.Etat == edEnAttente) {
            e.EnAttente |= std::uint64_t{1} << n;
            e.Cle ^= Cles.Attente[n];
        } else if (d.Etat == edCapture && d.Vq != jIndefini) {
            e.PointsCaptures[d.Vq] =
                static_cast<std::int16_t>(e.PointsCaptures[d.Vq] + d.FFace * (d.Jr == d.Vq ? 1 : 2));
            ++e.NbCaptures[d.Vq];
        } else if (d.Etat == edNonJoue && d.Vq != jIndefini) {
            ++e.NbPasses[d.Vq];
        }
    }
    // Only standing suites matter: the placement that fills a line again rewrites its record.
    for (auto o : {oHorizontale, oVerticale})
        for (int pos = 0; pos < TailleGrille; ++pos) {
            const TSuiteDes& s = *p.Suites[o][pos];
            if (s.ExisteTjrs(p.Gr) && DansGrille(s.x, s.y))
                e.Suites[o == oHorizontale ? pos : TailleGrille + pos] = {
                    s.Jr, static_cast<std::uint8_t>(IndexCase(s.x, s.y)), s.Propre};
        }
    // Outside the two phases of a turn there is nothing to play.
    const bool ouvert = (p.PhCrt == phLanceDes || p.PhCrt == phPoseDe) && p.JrCrt != jIndefini;
    e.Tour = ouvert ? p.TrCrt : 0;
    e.Trait = p.JrCrt;
    if (ouvert && p.DeCrt != ndIndefini && p.Des[p.DeCrt]->Etat == edLance) {
        e.De = p.DeCrt;
        e.FaceDe = p.Des[p.DeCrt]->FFace;
    }
    return e;
}

std::uint64_t CasesJouables(const TEtatJeu& e, int f) {
    std::uint64_t interdit = e.Occupees();
    const unsigned b = 1u << f;
    for (int i = 0; i < TailleGrille; ++i) {
        if (e.FacesLigne[i] & b)
            interdit |= MasqueLigne(i);
        if (e.FacesColonne[i] & b)
            interdit |= MasqueLigne(TailleGrille + i);
    }
    return Tout & ~interdit;
}

TCapturesCompactes CalculeCaptures(const TEtatJeu& e, int c, int f0, TIdJoueur j) {
    TCapturesCompactes r;
    const int x = XCase(c);
    const int y = YCase(c);
    const auto prend = [&](int k) {
        const int v = e.Face[k];
        const bool sien = (e.Occupe[j] & Bit(k)) != 0;
        r.Masque |= Bit(k);
        r.Points += sien ? v : 2 * v;
        r.Adverses += sien ? 0 : 1;
        r.Cases[static_cast<std::size_t>(r.Nombre++)] = static_cast<std::uint8_t>(k);
    };
    // Left, right, up, down: the order in which the game object lists the dice.
    constexpr int pas[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& p : pas) {
        const int dx = p[0];
        const int dy = p[1];
        int run[TailleGrille];
        int L = 0;
        while (DansGrille(x + (L + 1) * dx, y + (L + 1) * dy)) {
            const int k = IndexCase(x + (L + 1) * dx, y + (L + 1) * dy);
            if (e.Face[k] == 0)
                break;
            run[++L - 1] = k;
        }
        for (int F = L; F >= 2; --F) {
            const int fe = e.Face[run[F - 1]];
            bool ok = true;
            for (int n = 1; n < F && ok; ++n)
                ok = Entre(e.Face[run[n - 1]], fe, f0);
            if (!ok)
                continue;
            if (dx + dy < 0)
                for (int n = F - 1; n >= 1; --n)
                    prend(run[n - 1]);
            else
                for (int n = 1; n < F; ++n)
                    prend(run[n - 1]);
            break;
        }
    }
    return r;
}

TResultatCoup Joue(TEtatJeu& e, TNumDe d, int f, int c) {
    const TIdJoueur j = e.Trait;
    const TIdJoueur adv = Adversaire[j];
    if (d == ndIndefini)
        d = e.Mode == mjBlitz ? e.De : DeDeFace(e, j, f);
    TResultatCoup r;
    if (d != ndIndefini && (e.EnAttente >> d) & 1) {
        e.EnAttente &= ~(std::uint64_t{1} << d);
        e.Cle ^= Cles.Attente[d];
    }
    if (c < 0) {
        ++e.NbPasses[adv];
    } else {
        assert(c < NbCases && e.Face[c] == 0);
        const TCapturesCompactes k = CalculeCaptures(e, c, f, j);
        PoseFace(e, c, f, j);
        for (int i = 0; i < k.Nombre; ++i)
            RetireFace(e, k.Cases[static_cast<std::size_t>(i)]);
        e.PointsCaptures[j] = static_cast<std::int16_t>(e.PointsCaptures[j] + k.Points);
        e.NbCaptures[j] = static_cast<std::uint8_t>(e.NbCaptures[j] + k.Nombre);
        r.Points = k.Points;
        const std::uint64_t occ = e.Occupees();
        for (const int l : {YCase(c), TailleGrille + XCase(c)})
            if (Pleine(occ, l)) {
                e.Suites[static_cast<std::size_t>(l)] = {static_cast<std::uint8_t>(j),
                                                         static_cast<std::uint8_t>(c),
                                                         (e.Occupe[j] & MasqueLigne(l)) == MasqueLigne(l)};
                ++r.Suites;
            }
    }
    e.Tour = static_cast<TTour>(e.Tour + 1);
    e.Trait = adv;
    e.De = ndIndefini;
    e.FaceDe = 0;
    // In Blitz the next die in number order is drawn at once and no longer waits.
    if (e.Mode == mjBlitz && !e.Finie() && d != ndIndefini && d < NbDes) {
        e.De = static_cast<TNumDe>(d + 1);
        if ((e.EnAttente >> e.De) & 1) {
            e.EnAttente &= ~(std::uint64_t{1} << e.De);
            e.Cle ^= Cles.Attente[e.De];
        }
    }
    return r;
}

int PointsSuite(const TEtatJeu& e, int l) {
    const TSuiteCompacte& s = e.Suites[static_cast<std::size_t>(l)];
    if (s.Jr == jIndefini || !Pleine(e.Occupees(), l))
        return 0;
    const int v = SommeSaufCase(e, l, s.Case);
    return s.Propre ? 2 * v : v;
}

int MargeSuites(const TEtatJeu& e, TIdJoueur j) {
    int m = 0;
    const std::uint64_t occ = e.Occupees();
    for (int l = 0; l < NbLignes; ++l) {
        const TSuiteCompacte& s = e.Suites[static_cast<std::size_t>(l)];
        if (s.Jr == jIndefini || !Pleine(occ, l))
            continue;
        const int v = PointsSuite(e, l);
        m += s.Jr == j ? v : -v;
    }
    return m;
}

namespace {

// The suites a placement of f on c forms once its captures are done.
int PointsFormes(const TEtatJeu& e, int f, int c, TIdJoueur j, const TCapturesCompactes& k) {
    const std::uint64_t apres = (e.Occupees() | Bit(c)) & ~k.Masque;
    const std::uint64_t siens = (e.Occupe[j] | Bit(c)) & ~k.Masque;
    int g = 0;
    for (const int l : {YCase(c), TailleGrille + XCase(c)}) {
        if (!Pleine(apres, l))
            continue;
        const int v = SommeSaufCase(e, l, c);
        g += Pleine(siens, l) ? 2 * v : v;
    }
    (void)f;
    return g;
}

} // namespace

int GainImmediat(const TEtatJeu& e, int f, int c, TIdJoueur j) {
    const TCapturesCompactes k = CalculeCaptures(e, c, f, j);
    int g = k.Points + PointsFormes(e, f, c, j, k);
    if (k.Masque) {
        const std::uint64_t occ = e.Occupees();
        for (int l = 0; l < NbLignes; ++l)
            if ((k.Masque & MasqueLigne(l)) && Pleine(occ, l)) {
                const int v = PointsSuite(e, l);
                g += e.Suites[static_cast<std::size_t>(l)].Jr == j ? -v : v;
            }
    }
    return g;
}

int PointsImmediats(const TEtatJeu& e, int f, int c, TIdJoueur j) {
    const TCapturesCompactes k = CalculeCaptures(e, c, f, j);
    return k.Points + PointsFormes(e, f, c, j, k);
}

std::uint64_t ClePosition(const TEtatJeu& e) {
    std::uint64_t k = e.Cle;
    const std::uint64_t occ = e.Occupees();
    for (int l = 0; l < NbLignes; ++l) {
        const TSuiteCompacte& s = e.Suites[static_cast<std::size_t>(l)];
        if (s.Jr != jIndefini && Pleine(occ, l))
            k ^= Cles.Suite[static_cast<std::size_t>(l)][s.Case];
    }
    return k;
}

int Compte(const TEtatJeu& e, TIdJoueur j, TCompteur c) {
    if (j == jIndefini)
        return 0;
    switch (c) {
    case cDRAJ: {
        std::uint64_t siens = 0;
        for (int f = 1; f <= NbFaces; ++f)
            siens |= MasqueDes(j, f);
        return std::popcount(e.EnAttente & siens);
    }
    case cDC:
        return e.NbCaptures[j];
    case cDNJ:
        return e.NbPasses[j];
    case cSM:
    case cSP: {
        int n = 0;
        for (int l = 0; l < NbLignes; ++l) {
            const TSuiteCompacte& s = e.Suites[static_cast<std::size_t>(l)];
            n += s.Jr == j && s.Propre == (c == cSP) && Pleine(e.Occupees(), l);
        }
        return n;
    }
    default:
        return 0;
    }
}

int Score(const TEtatJeu& e, TIdJoueur j, TCompteur c) {
    if (j == jIndefini)
        return 0;
    switch (c) {
    case cDC:
        return e.PointsCaptures[j];
    case cDNJ:
        return e.NbPasses[j];
    case cSM:
    case cSP: {
        int s = 0;
        for (int l = 0; l < NbLignes; ++l) {
            const TSuiteCompacte& r = e.Suites[static_cast<std::size_t>(l)];
            if (r.Jr == j && r.Propre == (c == cSP))
                s += PointsSuite(e, l);
        }
        return s;
    }
    default:
        return 0;
    }
}

int Score(const TEtatJeu& e, TIdJoueur j) {
    return Score(e, j, cDC) + Score(e, j, cDNJ) + Score(e, j, cSM) + Score(e, j, cSP);
}
