// What must hold after any event: the rules of the board and of the counts, recomputed here
// from the dice, and a window that shows one state of the turn controller's table.
#pragma once

#include "window_fixture.h"

#include <QRegularExpression>

#include <sstream>
#include <string>

enum class EtatControleur { Inconnu, Repos, Roulement, Choix, Placement, Resultat, Fin };

inline const char* NomEtat(EtatControleur e) {
    switch (e) {
    case EtatControleur::Repos:
        return "Idle";
    case EtatControleur::Roulement:
        return "Rolling";
    case EtatControleur::Choix:
        return "Choosing";
    case EtatControleur::Placement:
        return "Placing";
    case EtatControleur::Resultat:
        return "Result";
    case EtatControleur::Fin:
        return "Over";
    default:
        return "none of the table";
    }
}

// The row of the controller's table that the game, the button and the die timer show.
inline EtatControleur EtatAffiche(const TFormMain& f) {
    const TPartie& p = *Partie;
    const TEtatBouton b = f.EtatBouton();
    const bool roule = f.TimerDe->isActive();
    const bool de = p.DeCrt != ndIndefini;
    const TEtatDe etat = de ? p.Des[p.DeCrt]->Etat : edEnAttente;
    bool marque = false;
    for (const auto& colonne : p.Jouable)
        for (bool m : colonne)
            marque = marque || m;

    if (p.PhCrt == phIndefinie && b == ebIndefini && !roule && !de && p.TrCrt == 0)
        return EtatControleur::Repos;
    if (p.PhCrt == phLanceDes && b == ebStop && roule && p.FMode == mjBlitz && de && etat == edLance)
        return EtatControleur::Roulement;
    if (p.PhCrt == phLanceDes && b == ebIndefini && !roule && p.FMode == mjMaster && !de)
        return EtatControleur::Choix;
    if (p.PhCrt == phPoseDe && b == ebIndefini && !roule && de && etat == edLance && marque)
        return EtatControleur::Placement;
    if (p.PhCrt == phResultatPose && b == ebOK && !roule && de && (etat == edPose || etat == edNonJoue))
        return EtatControleur::Resultat;
    if (p.PhCrt == phResultatPose && b == ebIndefini && !roule && p.TrCrt == NbTours)
        return EtatControleur::Fin;
    return EtatControleur::Inconnu;
}

// --- The model's invariants, recomputed from the dice -------------------------------------

inline int PointsCaptures(const TPartie& p, TIdJoueur j) {
    int s = 0;
    for (int n = ndG01; n <= NbDes; ++n) {
        const TDe& d = *p.Des[n];
        if (d.Etat == edCapture && d.Vq == j)
            s += d.FFace * (d.Jr == j ? 1 : 2);
    }
    return s;
}

inline int PointsNonJoues(const TPartie& p, TIdJoueur j) {
    int s = 0;
    for (int n = ndG01; n <= NbDes; ++n)
        s += p.Des[n]->Etat == edNonJoue && p.Des[n]->Jr == Adversaire[j];
    return s;
}

// The faces of a full line but the one its record starts from, doubled when clean.
inline int PointsSuites(const TPartie& p, TIdJoueur j) {
    int total = 0;
    for (int o = oHorizontale; o <= oVerticale; ++o)
        for (int pos = 0; pos < TailleGrille; ++pos) {
            const TSuiteDes& s = *p.Suites[o][pos];
            if (s.Jr != j)
                continue;
            int somme = 0;
            bool pleine = true;
            for (int i = 0; i < TailleGrille; ++i) {
                const TNumDe d = o == oHorizontale ? p.Gr[i][pos] : p.Gr[pos][i];
                pleine = pleine && d != ndIndefini;
                if (d != ndIndefini && i != (o == oHorizontale ? s.x : s.y))
                    somme += p.Des[d]->FFace;
            }
            if (pleine)
                total += s.Propre ? 2 * somme : somme;
        }
    return total;
}

// The first rule the game breaks, or an empty text. `suiteDesTours` also checks that each
// turn took one die, in number order in mode Blitz: false for boards built by hand.
inline std::string ViolationModele(const TPartie& p, bool suiteDesTours = true) {
    std::ostringstream e;
    for (int a = 0; a < TailleGrille; ++a)
        for (int i = 0; i < TailleGrille; ++i)
            for (int k = i + 1; k < TailleGrille; ++k) {
                const TNumDe c1 = p.Gr[a][i], c2 = p.Gr[a][k];
                if (c1 != ndIndefini && c2 != ndIndefini && p.Des[c1]->FFace == p.Des[c2]->FFace)
                    e << "column " << a << " shows face " << int{p.Des[c1]->FFace} << " twice; ";
                const TNumDe l1 = p.Gr[i][a], l2 = p.Gr[k][a];
                if (l1 != ndIndefini && l2 != ndIndefini && p.Des[l1]->FFace == p.Des[l2]->FFace)
                    e << "row " << a << " shows face " << int{p.Des[l1]->FFace} << " twice; ";
            }

    int parEtat[5] = {};
    int lances = 0;
    for (int n = ndG01; n <= NbDes; ++n) {
        const TDe& d = *p.Des[n];
        if (d.Etat > edCapture) {
            e << "die " << n << " in no state; ";
            continue;
        }
        ++parEtat[d.Etat];
        const bool surGrille = DansGrille(d.x, d.y) && p.Gr[d.x][d.y] == d.Id;
        if ((d.Etat == edPose) != surGrille)
            e << "die " << n << " in state " << int{d.Etat} << " at (" << d.x << ", " << d.y << "); ";
        if (d.FFace < 1 || d.FFace > NbFaces)
            e << "die " << n << " shows face " << int{d.FFace} << "; ";
        if (d.Etat == edLance) {
            ++lances;
            if (d.Id != p.DeCrt)
                e << "die " << n << " rolls but is not the current die; ";
        }
    }
    for (const auto& colonne : p.Gr)
        for (const TNumDe d : colonne)
            if (d != ndIndefini && p.Des[d]->Etat != edPose)
                e << "die " << int{d} << " lies on the board but is not placed; ";
    if (lances > 1)
        e << lances << " dice roll at once; ";

    for (TIdJoueur j : {jGauche, jDroite}) {
        const int attente = [&] {
            int n = 0;
            for (int k = ndG01; k <= NbDes; ++k)
                n += p.Des[k]->Jr == j && p.Des[k]->Etat == edEnAttente;
            return n;
        }();
        if (p.Compte(j, cDRAJ) != attente)
            e << "player " << int{j} << " counts " << p.Compte(j, cDRAJ) << " dice to play, not " << attente
              << "; ";
        const int parts = PointsCaptures(p, j) + PointsNonJoues(p, j) + PointsSuites(p, j);
        if (p.Score(j) != parts)
            e << "player " << int{j} << " totals " << p.Score(j) << ", his parts " << parts << "; ";
    }

    if (p.TrCrt > NbTours)
        e << "turn " << int{p.TrCrt} << "; ";
    if (!suiteDesTours)
        return e.str();
    if (p.PhCrt != phIndefinie) {
        // Every turn so far took one die, the current one included once it is known.
        const int joues = NbDes - parEtat[edEnAttente];
        const int attendus = p.TrCrt - (p.DeCrt == ndIndefini ? 1 : 0);
        if (joues != attendus)
            e << joues << " dice taken by turn " << int{p.TrCrt} << "; ";
        if (p.JrCrt != (p.TrCrt % 2 == 1 ? jGauche : jDroite))
            e << "player " << int{p.JrCrt} << " at turn " << int{p.TrCrt} << "; ";
        if (p.FMode == mjBlitz && p.DeCrt != p.TrCrt)
            e << "die " << int{p.DeCrt} << " imposed at turn " << int{p.TrCrt} << "; ";
    } else if (p.TrCrt != 0 || p.DeCrt != ndIndefini || parEtat[edEnAttente] != NbDes) {
        e << "a game without a phase has moved; ";
    }
    return e.str();
}

// --- What the window shows, read against the game -----------------------------------------

inline bool LigneOuColonnePleine(const TPartie& p, int x, int y) {
    bool ligne = true, colonne = true;
    for (int i = 0; i < TailleGrille; ++i) {
        ligne = ligne && p.Gr[i][y] != ndIndefini;
        colonne = colonne && p.Gr[x][i] != ndIndefini;
    }
    return ligne || colonne;
}

inline QString Invite(TModeJeu mode, TIdJoueur j) {
    return QString::asprintf(InviteMode[mode], NomCouleur[CouleurJoueur[j]]);
}

// The first thing the window shows that its state does not explain, or an empty text. The
// captions and stars are checked once a game has been started (`partieLancee`): before it
// the labels keep their design captions.
inline std::string ViolationFenetre(const TFormMain& f, bool partieLancee) {
    const TPartie& p = *Partie;
    std::ostringstream e;
    const EtatControleur etat = EtatAffiche(f);
    if (etat == EtatControleur::Inconnu) {
        e << "state of no row: phase " << int{p.PhCrt} << ", button " << int{f.EtatBouton()} << ", timer "
          << f.TimerDe->isActive() << ", die " << int{p.DeCrt} << "; ";
        return e.str();
    }

    const TIdJoueur j = p.JrCrt;
    const TIdJoueur a = Adversaire[j];
    const QString mien = j != jIndefini ? f.stMsg[j] : QString();
    static const QRegularExpression capture(
        "^Vous avez capturé (\\d+) dé(s?) dont\r(\\d+) adverse(s?)\rrapportant (\\d+) point(s?)\\.$");
    const auto texte = [&](const char* t) { return QString::fromUtf8(t); };
    bool ok = true;
    switch (etat) {
    case EtatControleur::Repos:
        ok = f.stMsg[jGauche].isEmpty() && f.stMsg[jDroite].isEmpty();
        break;
    case EtatControleur::Roulement:
    case EtatControleur::Choix:
        ok = mien == Invite(p.FMode, j) && f.stMsg[a].isEmpty();
        break;
    case EtatControleur::Placement:
        ok = (mien == texte(TextePlacez) || mien == texte(TexteChoixIncorrect)) && f.stMsg[a].isEmpty();
        break;
    case EtatControleur::Resultat: {
        const TDe& d = *p.Des[p.DeCrt];
        if (d.Etat == edNonJoue) {
            ok = mien == texte(TexteImpossible);
        } else {
            QString reste = mien;
            const bool suite = LigneOuColonnePleine(p, d.x, d.y);
            ok = reste.startsWith(texte(TexteSuite)) == suite;
            if (suite)
                reste.remove(0, texte(TexteSuite).size());
            const auto m = capture.match(reste);
            if (m.hasMatch()) {
                const int n = m.captured(1).toInt(), na = m.captured(3).toInt(), pts = m.captured(5).toInt();
                ok = ok && n >= 1 && na <= n && pts >= n && (m.captured(2) == "s") == (n > 1) &&
                     (m.captured(4) == "s") == (na > 1) && (m.captured(6) == "s") == (pts > 1);
            } else {
                ok = ok && reste == texte(TexteAucunPoint);
            }
        }
        ok = ok && f.stMsg[a].isEmpty();
        break;
    }
    case EtatControleur::Fin: {
        const int g = p.Score(jGauche), d = p.Score(jDroite);
        const QString vg = texte(g > d ? TexteGagne : g < d ? TextePerdu : TexteEgalite);
        const QString vd = texte(d > g ? TexteGagne : d < g ? TextePerdu : TexteEgalite);
        ok = f.stMsg[jGauche] == vg && f.stMsg[jDroite] == vd;
        break;
    }
    default:
        break;
    }
    if (!ok)
        e << NomEtat(etat) << " shows the messages \"" << f.stMsg[jGauche].toStdString() << "\" and \""
          << f.stMsg[jDroite].toStdString() << "\"; ";

    if (partieLancee)
        for (TIdJoueur k : {jGauche, jDroite}) {
            const QString chiffre = QString::number(k);
            const struct {
                TCompteur c;
                const char* debut;
            } legendes[] = {{cDRAJ, "Reste à jouer ("}, {cDC, "Dés capturés ("}, {cDNJ, "Dés non joués ("}};
            for (const auto& l : legendes) {
                const auto* label = f.findChild<QLabel*>("Label" + chiffre + SuffixeCompteur[l.c]);
                const QString attendue = LegendeAttendue(l.debut, p.Compte(k, l.c), p.Score(k, l.c));
                if (label->text() != attendue)
                    e << "caption \"" << label->text().toStdString() << "\" for \"" << attendue.toStdString()
                      << "\"; ";
            }
            for (TCompteur c : {cSM, cSP}) {
                const auto* timer = f.findChild<TTimer*>("Timer" + chiffre + SuffixeCompteur[c]);
                if (timer->isActive() != (p.Compte(k, c) > 0))
                    e << "star " << chiffre.toStdString() << SuffixeCompteur[c] << " blinks "
                      << timer->isActive() << " for " << p.Compte(k, c) << " suites; ";
            }
        }
    return e.str();
}
