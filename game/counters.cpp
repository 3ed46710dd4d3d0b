// Counters and scores, recomputed from the dice and the suite records at every call.
#include "base.h"

namespace {

bool Suite(TCompteur c) { return c == cSM || c == cSP; }

} // namespace

int TPartie::Compte(TIdJoueur j, TCompteur c) const {
    if (j == jIndefini)
        return 0;
    int n = 0;
    if (Suite(c)) {
        for (const auto& ligne : Suites)
            for (const auto& s : ligne)
                if (s->ExisteTjrs(Gr) && s->Jr == j && s->Propre == (c == cSP))
                    ++n;
        return n;
    }
    for (int k = ndG01; k <= NbDes; ++k) {
        const TDe& d = *Des[k];
        switch (c) {
        case cDRAJ:
            n += d.Jr == j && d.Etat == edEnAttente;
            break;
        case cDC:
            n += d.Vq == j && d.Etat == edCapture;
            break;
        case cDNJ:
            n += d.Jr == Adversaire[j] && d.Etat == edNonJoue;
            break;
        default:
            break;
        }
    }
    return n;
}

int TPartie::Score(TIdJoueur j, TCompteur c) const {
    if (j == jIndefini)
        return 0;
    switch (c) {
    case cDC: {
        int s = 0;
        for (int k = ndG01; k <= NbDes; ++k) {
            const TDe& d = *Des[k];
            if (d.Vq == j && d.Etat == edCapture)
                s += d.FFace * (d.Jr == Adversaire[j] ? 2 : 1);
        }
        return s;
    }
    case cDNJ:
        return Compte(j, cDNJ);
    case cSM:
    case cSP: {
        // A broken suite scores 0 by itself, so no existence test is needed here.
        int s = 0;
        for (const auto& ligne : Suites)
            for (const auto& suite : ligne)
                if (suite->Jr == j && suite->Propre == (c == cSP))
                    s += suite->Score(Gr, Des);
        return s;
    }
    default:
        return 0;
    }
}

int TPartie::Score(TIdJoueur j) const { return Score(j, cDC) + Score(j, cDNJ) + Score(j, cSM) + Score(j, cSP); }
