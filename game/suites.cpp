// Suites: full rows and columns, recorded for the player whose die filled them.
#include "base.h"

#include <cassert>

TSuiteDes::TSuiteDes(TOrientation o, TCoordonnee Pos) : Tr(0), o(o), Pos(Pos) { Initialise(); }

void TSuiteDes::Initialise() {
    x = -1;
    y = -1;
    Jr = jIndefini;
    Propre = false;
}

void TSuiteDes::Affecte(TIdJoueur Jr, TCoordonnee x, TCoordonnee y, bool Propre) {
    this->Jr = Jr;
    this->x = x;
    this->y = y;
    this->Propre = Propre;
}

TNumDe TSuiteDes::Case(const TGrille& Gr, int i) const { return o == oHorizontale ? Gr[i][y] : Gr[x][i]; }

bool TSuiteDes::ExisteTjrs(const TGrille& Gr) const {
    if (Jr == jIndefini)
        return false;
    for (int i = 0; i < TailleGrille; ++i)
        if (Case(Gr, i) == ndIndefini)
            return false;
    return true;
}

int TSuiteDes::Score(const TGrille& Gr, const TDes& Des) const {
    if (Jr == jIndefini)
        return 0;
    const int origine = o == oHorizontale ? x : y;
    int somme = 0;
    for (int i = 0; i < TailleGrille; ++i) {
        const TNumDe d = Case(Gr, i);
        if (d == ndIndefini)
            return 0;
        if (i != origine)
            somme += Des[d]->FFace;
    }
    return Propre ? 2 * somme : somme;
}

bool TPartie::SuiteCree(TCoordonnee x, TCoordonnee y) {
    assert(DansGrille(x, y) && Gr[x][y] != ndIndefini);
    const TIdJoueur j = Des[Gr[x][y]]->Jr;
    bool Result = false;
    for (auto o : {oHorizontale, oVerticale}) {
        bool pleine = true;
        bool Propre = true;
        for (int i = 0; i < TailleGrille && pleine; ++i) {
            const TNumDe d = o == oHorizontale ? Gr[i][y] : Gr[x][i];
            pleine = d != ndIndefini;
            Propre = Propre && pleine && Des[d]->Jr == j;
        }
        if (!pleine)
            continue;
        Suites[o][o == oHorizontale ? y : x]->Affecte(j, x, y, Propre);
        Result = true;
    }
    return Result;
}

// Whether a die here would fill a line, before the captures it would make.
bool TPartie::CreeSuite(TCoordonnee x, TCoordonnee y) const {
    assert(DansGrille(x, y));
    bool ligne = true;
    bool colonne = true;
    for (int i = 0; i < TailleGrille; ++i) {
        if (i != x && Gr[i][y] == ndIndefini)
            ligne = false;
        if (i != y && Gr[x][i] == ndIndefini)
            colonne = false;
    }
    return ligne || colonne;
}

// At a crossing of two standing suites the row's creator wins: no record carries the turn
// of its formation.
TIdJoueur TPartie::CreateurSuite(TCoordonnee x, TCoordonnee y) const {
    assert(DansGrille(x, y));
    const TSuiteDes& v = *Suites[oVerticale][x];
    const TSuiteDes& h = *Suites[oHorizontale][y];
    const TIdJoueur jV = v.ExisteTjrs(Gr) ? v.Jr : jIndefini;
    const TIdJoueur jH = h.ExisteTjrs(Gr) ? h.Jr : jIndefini;
    if (jH != jIndefini && jV != jIndefini)
        return v.Tr > h.Tr ? jV : jH;
    return jH != jIndefini ? jH : jV;
}
