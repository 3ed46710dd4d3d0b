// Creation and reset of the game, and the sequence of turns and phases.
#include "base.h"

#include <cassert>

std::unique_ptr<TPartie> Partie;

TDe::TDe(TNumDe NumDe) : Id(NumDe), Jr(ProprietaireDe(NumDe)) {
    assert(NumDe != ndIndefini);
    Initialise();
}

void TDe::Initialise() {
    Vq = Jr;
    x = -1;
    y = -1;
    Etat = edEnAttente;
    Tour = 0;
    FFace = FaceImprimee(Id);
}

void TDe::Change(std::uint8_t Face) {
    assert(Face >= 1 && Face <= NbFaces);
    FFace = Face;
}

TPartie::TPartie(TModeJeu ModeJeu)
    : FMode(ModeJeu), Gr{}, Jouable{}, Scores{}, TrCrt(0), JrCrt(jIndefini), DeCrt(ndIndefini),
      PhCrt(phIndefinie) {
    InitialiseGrille();
    for (auto p : {jGauche, jDroite})
        Jr[p] = std::make_unique<TJoueur>(p);
    for (int n = ndG01; n <= NbDes; ++n)
        Des[n] = std::make_unique<TDe>(static_cast<TNumDe>(n));
    for (auto o : {oHorizontale, oVerticale})
        for (int Pos = 0; Pos < TailleGrille; ++Pos)
            Suites[o][Pos] = std::make_unique<TSuiteDes>(o, static_cast<TCoordonnee>(Pos));
}

// Players first, then dice in number order, then suite records, as they were created.
TPartie::~TPartie() {
    for (auto& j : Jr)
        j.reset();
    for (auto& d : Des)
        d.reset();
    for (auto& ligne : Suites)
        for (auto& s : ligne)
            s.reset();
}

void TPartie::InitialiseGrille() {
    for (auto& colonne : Gr)
        colonne.fill(ndIndefini);
}

void TPartie::InitialiseMarquage() {
    for (auto& colonne : Jouable)
        colonne.fill(false);
    for (auto& colonne : Scores)
        colonne.fill(0);
}

// The marks describe the current die only, so a new game must not inherit those of an
// abandoned turn. The suite records are kept: none stands on an empty board.
void TPartie::Initialise() {
    InitialiseGrille();
    InitialiseMarquage();
    for (int n = ndG01; n <= NbDes; ++n)
        Des[n]->Initialise();
    TrCrt = 0;
    JrCrt = jIndefini;
    DeCrt = ndIndefini;
    PhCrt = phIndefinie;
}

bool TPartie::DeSuivant() {
    if (FMode == mjBlitz) {
        if (DeCrt >= NbDes)
            return false;
        DeCrt = static_cast<TNumDe>(DeCrt + 1);
        Des[DeCrt]->Etat = edLance;
    } else {
        if (TrCrt >= NbTours)
            return false;
        DeCrt = ndIndefini;
    }
    PhCrt = phLanceDes;
    return true;
}

bool TPartie::JoueurSuivant() {
    if (!DeSuivant())
        return false;
    TrCrt = static_cast<TTour>(TrCrt + 1);
    JrCrt = JrCrt == jGauche ? jDroite : jGauche;
    return true;
}

void TPartie::Nouvelle(TModeJeu ModeJeu) {
    FMode = ModeJeu;
    Initialise();
    JoueurSuivant();
}

void TPartie::ChangeEtatDe(TNumDe NumDe, TEtatDe NvEtat) {
    assert(NumDe != ndIndefini);
    Des[NumDe]->Etat = NvEtat;
    Des[NumDe]->Tour = TrCrt;
}

void TPartie::PoseDe(TNumDe NumDe, int xPose, int yPose) {
    assert(NumDe != ndIndefini && DansGrille(xPose, yPose));
    assert(Gr[xPose][yPose] == ndIndefini);
    ChangeEtatDe(NumDe, edPose);
    TDe& d = *Des[NumDe];
    d.x = xPose;
    d.y = yPose;
    d.Tour = TrCrt;
    Gr[xPose][yPose] = NumDe;
    InitialiseMarquage();
    PhCrt = phPoseDe;
}

void TPartie::PasseDe(TNumDe NumDe) {
    assert(NumDe != ndIndefini);
    ChangeEtatDe(NumDe, edNonJoue);
    Des[NumDe]->Vq = Adversaire[JrCrt];
    Des[NumDe]->Tour = TrCrt;
}

void TPartie::CaptureDe(TNumDe NumDe) {
    assert(NumDe != ndIndefini);
    TDe& d = *Des[NumDe];
    assert(d.Etat == edPose && DansGrille(d.x, d.y) && Gr[d.x][d.y] == NumDe);
    ChangeEtatDe(NumDe, edCapture);
    Gr[d.x][d.y] = ndIndefini;
    d.Vq = JrCrt;
    d.x = -1;
    d.y = -1;
    d.Tour = TrCrt;
}

void TPartie::PhaseSuivante() {
    if (PhCrt < phResultatPose)
        PhCrt = static_cast<TPhaseJeu>(PhCrt + 1);
}
