#include "automaton_player.h"

#include "automate.h"
#include "main_f.h"
#include "random_face.h"

TJoueurAutomate::TJoueurAutomate(TFormMain& fenetre) : QObject(&fenetre), fenetre_(fenetre) {
    minuteur_.setSingleShot(true);
    connect(&minuteur_, &QTimer::timeout, this, &TJoueurAutomate::Execute);
}

TJoueurAutomate::~TJoueurAutomate() {
    Annule();
}

bool TJoueurAutomate::JoueLeTour() const {
    if (!Partie || Partie->JrCrt == jIndefini)
        return false;
    const bool ouvert = Partie->PhCrt == phLanceDes || Partie->PhCrt == phPoseDe;
    return ouvert && Partie->Jr[Partie->JrCrt]->Automate;
}

bool TJoueurAutomate::Occupe() const {
    return etape_ != eAucune;
}

void TJoueurAutomate::Annule() {
    ArreteEtape();
    tourCoup_ = 0;
    deCoup_ = ndIndefini;
    xCoup_ = yCoup_ = -1;
}

// A stale search may still post its answer; the generation tells it apart.
void TJoueurAutomate::ArreteEtape() {
    minuteur_.stop();
    etape_ = eAucune;
    ++generation_;
    if (annule_)
        *annule_ = true;
    if (recherche_.joinable())
        recherche_.join();
}

void TJoueurAutomate::Reprend() {
    ArreteEtape();
    if (!Partie || Partie->JrCrt == jIndefini)
        return;
    const TPartie& p = *Partie;
    const bool automate = p.Jr[p.JrCrt]->Automate;
    switch (p.PhCrt) {
    case phLanceDes:
        if (!automate)
            return;
        if (p.FMode == mjBlitz) {
            if (fenetre_.EtatBouton() == ebStop)
                Planifie(eStop, Delais.Roulement);
        } else if (p.DeCrt == ndIndefini) {
            LanceRecherche();
        }
        break;
    case phPoseDe:
        if (!automate)
            return;
        if (tourCoup_ == p.TrCrt && deCoup_ == p.DeCrt && DansGrille(xCoup_, yCoup_) &&
            p.Jouable[xCoup_][yCoup_])
            Planifie(ePose, Delais.Pose);
        else
            LanceRecherche();
        break;
    case phResultatPose:
        // Between two computers nobody would press OK.
        if (fenetre_.EtatBouton() == ebOK && automate && p.Jr[Adversaire[p.JrCrt]]->Automate)
            Planifie(eOk, Delais.Ok);
        break;
    default:
        break;
    }
}

void TJoueurAutomate::Planifie(TEtape etape, int delai) {
    etape_ = etape;
    minuteur_.start(delai);
}

void TJoueurAutomate::Execute() {
    const TEtape etape = etape_;
    etape_ = eAucune;
    switch (etape) {
    case eStop:
        fenetre_.ArreteDe();
        break;
    case eChoixDe:
        fenetre_.ChoisitDe(deCoup_);
        break;
    case ePose:
        fenetre_.ChoisitCase(xCoup_, yCoup_);
        break;
    case eOk:
        fenetre_.PasseAuTourSuivant();
        break;
    default:
        return;
    }
    Reprend();
}

void TJoueurAutomate::LanceRecherche() {
    const TEtatJeu etat = EtatDePartie(*Partie);
    const int niveau = fenetre_.NiveauAutomate;
    const std::uint64_t graine = TireGraine();
    const quint64 generation = ++generation_;
    annule_ = std::make_shared<std::atomic<bool>>(false);
    resultat_ = std::make_shared<TCoupAutomate>();
    etape_ = eRecherche;
    recherche_ =
        std::thread([this, etat, niveau, graine, generation, annule = annule_, resultat = resultat_] {
            *resultat = ChoisitCoup(etat, niveau, graine, *annule);
            if (!*annule)
                QMetaObject::invokeMethod(
                    this, [this, generation] { RechercheTerminee(generation); }, Qt::QueuedConnection);
        });
}

void TJoueurAutomate::RechercheTerminee(quint64 generation) {
    if (generation != generation_ || etape_ != eRecherche || !Partie)
        return;
    if (recherche_.joinable())
        recherche_.join();
    etape_ = eAucune;
    const TCoupAutomate coup = *resultat_;
    tourCoup_ = Partie->TrCrt;
    deCoup_ = coup.De;
    xCoup_ = coup.x;
    yCoup_ = coup.y;
    // In mode Master the die is picked first and shown; the placement follows after a pause.
    if (Partie->PhCrt == phLanceDes && Partie->FMode == mjMaster && coup.De != ndIndefini)
        Planifie(eChoixDe, 0);
    else
        Reprend();
}

void TJoueurAutomate::ExecuteEnAttente() {
    if (etape_ == eRecherche) {
        if (recherche_.joinable())
            recherche_.join();
        RechercheTerminee(generation_);
    } else if (etape_ != eAucune) {
        minuteur_.stop();
        Execute();
    }
}
