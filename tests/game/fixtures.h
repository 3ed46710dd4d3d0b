// A game object and the few moves that build exactly the board a test case needs, without
// playing the turns that would lead there.
#pragma once

#include "base.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <ostream>
#include <tuple>
#include <vector>

// A die to put on the board: its owner, the face it shows and its cell (x the column).
struct DeSurCase {
    TIdJoueur Jr;
    int Face;
    int x;
    int y;
};

struct Case {
    int x;
    int y;
    bool operator==(const Case&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Case& c) {
    return os << '(' << c.x << ", " << c.y << ')';
}

// What the turn controller has in hand after one placement.
struct Coup {
    TNumDe De;
    bool Capture; // CaptureDes gave True
    std::unique_ptr<TListeDes> Captures;
    bool Suite; // SuiteCree gave True
};

class Banc {
public:
    TPartie P{mjBlitz};

    // A waiting die of owner j showing Face, lowest number first. Each player owns three dice
    // of each face; once they are used up another waiting die of j is given the face through
    // Change, as the die roll of mode Blitz does.
    TNumDe Prend(TIdJoueur j, int Face) {
        for (int n = ndG01; n <= NbDes; ++n) {
            const TDe& d = *P.Des[n];
            if (d.Jr == j && d.Etat == edEnAttente && d.FFace == Face)
                return d.Id;
        }
        for (int n = ndG01; n <= NbDes; ++n) {
            TDe& d = *P.Des[n];
            if (d.Jr == j && d.Etat == edEnAttente) {
                d.Change(static_cast<std::uint8_t>(Face));
                return d.Id;
            }
        }
        ADD_FAILURE() << "no waiting die left for player " << int{j};
        return ndIndefini;
    }

    // Puts a die of j showing Face on (x, y) the way PoseDe does, leaving the marks, the
    // phase and the turn alone.
    TNumDe Pose(TIdJoueur j, int Face, int x, int y) {
        EXPECT_EQ(P.Gr[x][y], ndIndefini) << "cell " << Case{x, y} << " is taken";
        const TNumDe n = Prend(j, Face);
        TDe& d = *P.Des[n];
        d.Etat = edPose;
        d.x = x;
        d.y = y;
        d.Tour = P.TrCrt;
        P.Gr[x][y] = n;
        return n;
    }

    void Pose(std::initializer_list<DeSurCase> Des) {
        for (const auto& d : Des)
            Pose(d.Jr, d.Face, d.x, d.y);
    }

    // Opens a new turn of j whose die shows Face and is ready to be placed, as the turn
    // controller does in mode Master when the player picks a die.
    TNumDe DonneDe(TIdJoueur j, int Face) {
        P.TrCrt = static_cast<TTour>(P.TrCrt + 1);
        P.JrCrt = j;
        P.DeCrt = Prend(j, Face);
        P.Des[P.DeCrt]->Etat = edLance;
        P.PhCrt = phPoseDe;
        return P.DeCrt;
    }

    // A turn of j with a die showing Face placed on (x, y): the turn controller's calls after
    // the click on a marked cell.
    Coup Joue(TIdJoueur j, int Face, int x, int y) {
        Coup c{DonneDe(j, Face), false, nullptr, false};
        EXPECT_TRUE(P.EstJouable(c.De, x, y)) << "a " << Face << " may not go on " << Case{x, y};
        P.PoseDe(c.De, x, y);
        c.Capture = P.CaptureDes(c.De, x, y, c.Captures, true);
        c.Suite = P.SuiteCree(x, y);
        P.PhaseSuivante();
        return c;
    }

    // The die lying on each cell, in the order given.
    std::vector<TNumDe> DesSur(const std::vector<Case>& Cases) const {
        std::vector<TNumDe> v;
        for (const auto& c : Cases)
            v.push_back(P.Gr[c.x][c.y]);
        return v;
    }

    int NbDesSurGrille() const {
        int n = 0;
        for (const auto& colonne : P.Gr)
            for (const TNumDe d : colonne)
                n += d != ndIndefini;
        return n;
    }

    int NbMarques() const {
        int n = 0;
        for (const auto& colonne : P.Jouable)
            for (const bool b : colonne)
                n += b;
        return n;
    }
};

// The dice of a list, head first.
inline std::vector<TNumDe> Contenu(const TListeDes* l) {
    std::vector<TNumDe> v;
    for (; l; l = l->Svt.get())
        v.push_back(l->NumDe);
    return v;
}

// Everything of a die that an operation may change.
inline auto EtatDe(const TDe& d) {
    return std::make_tuple(d.Vq, d.x, d.y, d.Etat, d.Tour, d.FFace);
}

// Everything of a game that an operation may change, to test that one changed nothing.
struct Instantane {
    TModeJeu FMode;
    TGrille Gr;
    TMarquage Jouable;
    TScore Scores;
    TTour TrCrt;
    TIdJoueur JrCrt;
    TNumDe DeCrt;
    TPhaseJeu PhCrt;
    std::vector<std::tuple<TIdJoueur, int, int, TEtatDe, TTour, std::uint8_t>> Des;
    std::vector<std::tuple<int, int, TTour, TIdJoueur, bool>> Suites;

    explicit Instantane(const TPartie& P)
        : FMode(P.FMode), Gr(P.Gr), Jouable(P.Jouable), Scores(P.Scores), TrCrt(P.TrCrt), JrCrt(P.JrCrt),
          DeCrt(P.DeCrt), PhCrt(P.PhCrt) {
        for (int n = ndG01; n <= NbDes; ++n)
            Des.push_back(EtatDe(*P.Des[n]));
        for (const auto& ligne : P.Suites)
            for (const auto& s : ligne)
                Suites.emplace_back(s->x, s->y, s->Tr, s->Jr, s->Propre);
    }
    bool operator==(const Instantane&) const = default;
};

// gtest prints an Instantane that differs as bytes; a summary is enough to see which game it was.
inline void PrintTo(const Instantane& i, std::ostream* os) {
    *os << "turn " << int{i.TrCrt} << ", player " << int{i.JrCrt} << ", die " << int{i.DeCrt} << ", phase "
        << int{i.PhCrt};
}

class PartieTest : public ::testing::Test, public Banc {};

template <typename T> class PartieTestP : public ::testing::TestWithParam<T>, public Banc {};
