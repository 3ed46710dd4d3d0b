// Captures: the dice of an unbroken run that lie strictly between two enclosing faces.
#include "base.h"

#include <cassert>

TListeDes::TListeDes(TNumDe PrmNumDe) : NumDe(PrmNumDe) { assert(PrmNumDe != ndIndefini); }

void TListeDes::AjouteDe(TNumDe NvNumDe) {
    TListeDes* dernier = this;
    while (dernier->Svt)
        dernier = dernier->Svt.get();
    dernier->Svt = std::make_unique<TListeDes>(NvNumDe);
}

int TListeDes::Des(const TDes& d, TIdJoueur Id) const {
    const int ici = (Id == jIndefini || d[NumDe]->Jr == Id) ? 1 : 0;
    return ici + (Svt ? Svt->Des(d, Id) : 0);
}

// Own dice count their face once, the opponent's twice; Id plays no part.
int TListeDes::Score(const TDes& d, TIdJoueur JrCrt, TIdJoueur Id) const {
    const TDe& de = *d[NumDe];
    const int ici = de.FFace * (de.Jr == JrCrt ? 1 : 2);
    return ici + (Svt ? Svt->Score(d, JrCrt, Id) : 0);
}

namespace {

bool Entre(int v, int a, int b) { return (a < v && v < b) || (b < v && v < a); }

} // namespace

bool TPartie::CaptureDes(TNumDe NumDe, TCoordonnee x, TCoordonnee y, std::unique_ptr<TListeDes>& ListeDes,
                         bool bCapturer) {
    assert(NumDe != ndIndefini && DansGrille(x, y));
    bool Result = false;
    const int f0 = Des[NumDe]->FFace;
    const auto capture = [&](TNumDe c) {
        Result = true;
        if (bCapturer)
            CaptureDe(c);
        if (!ListeDes)
            ListeDes = std::make_unique<TListeDes>(c);
        else
            ListeDes->AjouteDe(c);
    };

    for (int axe : {2, 3}) {
        for (int sens : {-1, 1}) {
            const int dx = sens * DeltaX[axe];
            const int dy = sens * DeltaY[axe];
            const auto a_distance = [&](int n) { return Gr[x + n * dx][y + n * dy]; };

            int L = 0;
            while (DansGrille(x + (L + 1) * dx, y + (L + 1) * dy) && a_distance(L + 1) != ndIndefini)
                ++L;

            for (int F = L; F >= 2; --F) {
                const int fe = Des[a_distance(F)]->FFace;
                bool ok = true;
                for (int n = 1; n < F && ok; ++n)
                    ok = Entre(Des[a_distance(n)]->FFace, fe, f0);
                if (!ok)
                    continue;
                // Along each axis the dice are taken by increasing coordinate.
                if (sens < 0)
                    for (int n = F - 1; n >= 1; --n)
                        capture(a_distance(n));
                else
                    for (int n = 1; n < F; ++n)
                        capture(a_distance(n));
                break;
            }
        }
    }
    return Result;
}
