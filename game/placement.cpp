// The placement rule: no row or column may show a face twice.
#include "base.h"

#include <cassert>

bool TPartie::EstJouable(TNumDe d, TCoordonnee x, TCoordonnee y) const {
    assert(d != ndIndefini && DansGrille(x, y));
    if (Gr[x][y] != ndIndefini)
        return false;
    const auto f = Des[d]->FFace;
    for (int i = 0; i < TailleGrille; ++i) {
        if (Gr[i][y] != ndIndefini && Des[Gr[i][y]]->FFace == f)
            return false;
        if (Gr[x][i] != ndIndefini && Des[Gr[x][i]]->FFace == f)
            return false;
    }
    return true;
}

// Only sets marks: the grids are expected clear, as a placement or a new game leaves them.
int TPartie::MarqueCasesJouables() {
    assert(DeCrt != ndIndefini);
    int Count = 0;
    for (TCoordonnee x = 0; x < TailleGrille; ++x)
        for (TCoordonnee y = 0; y < TailleGrille; ++y) {
            if (!EstJouable(DeCrt, x, y))
                continue;
            Jouable[x][y] = true;
            ++Count;
            std::unique_ptr<TListeDes> liste;
            if (CaptureDes(DeCrt, x, y, liste, false))
                Scores[x][y] = liste->Score(Des, JrCrt, JrCrt);
        }
    return Count;
}
