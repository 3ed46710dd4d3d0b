// The turn controller: carries the game through each turn in answer to the die timer, the
// action button, the remaining-dice panels and the board.
#include "main_f.h"

#include "automaton_player.h"
#include "random_face.h"

namespace {

QString Texte(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

void TFormMain::AfficheTour() {
    if (!Partie)
        return;
    const TIdJoueur j = Partie->JrCrt;
    AfficheMessage(j, QString::asprintf(InviteMode[Partie->FMode], NomCouleur[CouleurJoueur[j]]), ebIndefini);
    AfficheMessage(Adversaire[j], QString(), ebIndefini);
    PaintBoxTour->update();
    // In mode Master the area must not keep showing the previous turn's die.
    PaintBoxDe->update();
}

void TFormMain::LanceDe() {
    if (Partie)
        ActionDe(Partie->DeCrt, edLance);
}

void TFormMain::ActionDe(TNumDe NumDe, TEtatDe Etat) {
    if (!Partie)
        return;
    TPartie& p = *Partie;
    switch (Etat) {
    case edLance:
        if (p.FMode == mjBlitz) {
            SetEtatBouton(ebStop);
            AfficheCompteur(cDRAJ, p.JrCrt);
            TimerDe->start();
        }
        break;

    case edPose: {
        p.PoseDe(NumDe, xPose, yPose);
        QString message = Texte(TexteAucunPoint);
        std::unique_ptr<TListeDes> liste;
        if (p.CaptureDes(NumDe, static_cast<TCoordonnee>(xPose), static_cast<TCoordonnee>(yPose), liste,
                         true)) {
            AfficheScore(jIndefini);
            AfficheCompteur(cDC, p.JrCrt);
            AfficheCompteursSuite(jIndefini);
            const int n = liste->Des(p.Des, jIndefini);
            const int a = liste->Des(p.Des, Adversaire[p.JrCrt]);
            const int points = liste->Score(p.Des, p.JrCrt, jIndefini);
            message = QString::asprintf(TexteCapture, n, Pluriel[n > 1], a, Pluriel[a > 1], points,
                                        Pluriel[points > 1]);
        }
        if (p.SuiteCree(static_cast<TCoordonnee>(xPose), static_cast<TCoordonnee>(yPose))) {
            AfficheScore(p.JrCrt);
            AfficheCompteursSuite(p.JrCrt);
            message = Texte(TexteSuite) + message;
        }
        AfficheMessage(p.JrCrt, message, ebOK);
        AfficheGrille();
        p.PhaseSuivante();
        break;
    }

    case edNonJoue:
        p.PasseDe(NumDe);
        AfficheMessage(p.JrCrt, Texte(TexteImpossible), ebOK);
        AfficheCompteur(cDNJ, Adversaire[p.JrCrt]);
        AfficheScore(Adversaire[p.JrCrt]);
        p.PhaseSuivante();
        p.PhaseSuivante();
        break;

    default:
        break;
    }
}

void TFormMain::FinDePartie() {
    if (!Partie)
        return;
    AfficheScore(jIndefini);
    SetEtatBouton(ebIndefini);
    const int g = Partie->Score(jGauche);
    const int d = Partie->Score(jDroite);
    if (g > d) {
        AfficheMessage(jGauche, Texte(TexteGagne), ebIndefini);
        AfficheMessage(jDroite, Texte(TextePerdu), ebIndefini);
    } else if (d > g) {
        AfficheMessage(jDroite, Texte(TexteGagne), ebIndefini);
        AfficheMessage(jGauche, Texte(TextePerdu), ebIndefini);
    } else {
        AfficheMessage(jDroite, Texte(TexteEgalite), ebIndefini);
        AfficheMessage(jGauche, Texte(TexteEgalite), ebIndefini);
    }
}

void TFormMain::TimerDeTimer() {
    if (!Partie)
        return;
    // A tick that comes once the roll has stopped must not change a die already marked for
    // or placed on the board: only the rolling die takes a new face.
    TPartie& p = *Partie;
    if (p.PhCrt == phLanceDes && p.DeCrt != ndIndefini && p.Des[p.DeCrt]->Etat == edLance)
        p.Des[p.DeCrt]->Change(static_cast<std::uint8_t>(TireFace()));
    PaintBoxDe->update();
}

void TFormMain::PaintBoxActionClick(TPaintBox& sender) {
    if (!Partie)
        return;
    switch (sender.Tag) {
    case ebOK:
        PasseAuTourSuivant();
        break;
    case ebStop:
        // The computer stops its own die.
        if (Automate->JoueLeTour())
            return;
        ArreteDe();
        break;
    default:
        return;
    }
    Automate->Reprend();
}

void TFormMain::PasseAuTourSuivant() {
    if (!Partie || EtatBouton() != ebOK || Partie->PhCrt != phResultatPose)
        return;
    if (Partie->JoueurSuivant()) {
        AfficheTour();
        LanceDe();
    } else {
        FinDePartie();
    }
}

void TFormMain::ArreteDe() {
    if (!Partie || EtatBouton() != ebStop)
        return;
    TPartie& p = *Partie;
    // The timer stops first, so the face marked and placed is the face on screen.
    TimerDe->stop();
    if (AfficheCasesJouables() == 0) {
        ActionDe(p.DeCrt, edNonJoue);
    } else {
        SetEtatBouton(ebIndefini);
        AfficheMessage(p.JrCrt, Texte(TextePlacez), ebIndefini);
        p.PhaseSuivante();
    }
}

// In mode Blitz the die of the turn is imposed: taking another from the panel would leave
// the imposed die unplayed and shift every later draw, so the panel takes presses in mode
// Master only.
void TFormMain::PaintBoxDRAJMouseDown(TPaintBox& sender, Qt::MouseButton, QPoint pos) {
    if (!Partie || Automate->JoueLeTour())
        return;
    const TPartie& p = *Partie;
    if (p.FMode != mjMaster || p.PhCrt != phLanceDes || sender.Tag != p.JrCrt)
        return;
    const int colonne = pos.x() * 6 / sender.width();
    const int ligne = pos.y() * LignesCompteur[cDRAJ] / sender.height();
    if (pos.x() < 0 || pos.y() < 0 || colonne >= 6 || ligne >= LignesCompteur[cDRAJ])
        return;
    // The k-th waiting die of the player, in number order, as the panel lays them out.
    int k = ligne * 6 + colonne + 1;
    for (int d = ndG01; d <= NbDes; ++d)
        if (p.Des[d]->Jr == p.JrCrt && p.Des[d]->Etat == edEnAttente && --k == 0) {
            ChoisitDe(static_cast<TNumDe>(d));
            Automate->Reprend();
            return;
        }
}

void TFormMain::ChoisitDe(TNumDe NumDe) {
    if (!Partie || NumDe == ndIndefini)
        return;
    TPartie& p = *Partie;
    const TDe& de = *p.Des[NumDe];
    if (p.FMode != mjMaster || p.PhCrt != phLanceDes || de.Jr != p.JrCrt || de.Etat != edEnAttente)
        return;
    p.DeCrt = NumDe;
    p.Des[NumDe]->Etat = edLance;
    p.PhCrt = phPoseDe;
    PaintBoxDe->update();
    AfficheCompteur(cDRAJ, p.JrCrt);
    if (AfficheCasesJouables() == 0)
        ActionDe(p.DeCrt, edNonJoue);
    else
        AfficheMessage(p.JrCrt, Texte(TextePlacez), ebIndefini);
}

void TFormMain::PaintBoxGrilleMouseDown(TPaintBox& sender, Qt::MouseButton button, QPoint pos) {
    if (!Partie || button != Qt::LeftButton || Automate->JoueLeTour())
        return;
    const int t = std::min(sender.width() / TailleGrille, sender.height() / TailleGrille);
    if (pos.x() < 0 || pos.y() < 0 || t <= 0)
        return;
    ChoisitCase(pos.x() / t, pos.y() / t);
    Automate->Reprend();
}

void TFormMain::ChoisitCase(int x, int y) {
    if (!Partie || Partie->PhCrt != phPoseDe || Partie->DeCrt == ndIndefini || !DansGrille(x, y))
        return;
    TPartie& p = *Partie;
    if (p.Jouable[x][y]) {
        xPose = x;
        yPose = y;
        ActionDe(p.DeCrt, edPose);
    } else if (p.Des[p.DeCrt]->Etat == edLance) {
        AfficheMessage(p.JrCrt, Texte(TexteChoixIncorrect), ebIndefini);
    }
}
