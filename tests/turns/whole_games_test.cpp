// Whole games played by presses on the real window, checking at every step what the players
// see against what the board says.
#include "controller_states.h"

#include <random>

namespace {

struct PartieEntiere {
    TModeJeu Mode;
    std::uint64_t Graine;
};

std::ostream& operator<<(std::ostream& os, const PartieEntiere& p) {
    return os << (p.Mode == mjBlitz ? "Blitz" : "Master") << " seed " << p.Graine;
}

class PartiesEntieres : public FenetreTest, public ::testing::WithParamInterface<PartieEntiere> {};

// The dice j has taken from the opponent so far.
int AdversesCaptures(TIdJoueur j) {
    int n = 0;
    for (int k = ndG01; k <= NbDes; ++k) {
        const TDe& d = *Partie->Des[k];
        n += d.Etat == edCapture && d.Vq == j && d.Jr == Adversaire[j];
    }
    return n;
}

int DesSurGrille() {
    int n = 0;
    for (const auto& colonne : Partie->Gr)
        for (TNumDe d : colonne)
            n += d != ndIndefini;
    return n;
}

QString ResultatAttendu(int n, int adverses, int points, bool suite) {
    const auto s = [](int v) { return v > 1 ? "s" : ""; };
    const QString resultat =
        n == 0 ? Texte(TexteAucunPoint)
               : QString::asprintf(TexteCapture, n, s(n), adverses, s(adverses), points, s(points));
    return suite ? Texte(TexteSuite) + resultat : resultat;
}

TEST_P(PartiesEntieres, PlayedByPressesToTheVerdict) {
    const auto [mode, graine] = GetParam();
    InitialiseGenerateur(graine);
    std::mt19937 joueur(static_cast<std::mt19937::result_type>(graine)); // the players' own choices
    const auto tire = [&](std::size_t n) { return static_cast<int>(joueur() % n); };

    Nouvelle(mode);
    int captures = 0, suites = 0, nonJoues = 0;
    for (int tour = 1; tour <= NbTours; ++tour) {
        SCOPED_TRACE("turn " + std::to_string(tour));
        const TIdJoueur j = tour % 2 == 1 ? jGauche : jDroite;
        const TIdJoueur a = Adversaire[j];
        ASSERT_EQ(Partie->TrCrt, tour);
        ASSERT_EQ(Partie->JrCrt, j);
        EXPECT_EQ(Message(j), Invite(mode, j));
        EXPECT_TRUE(Message(a).isEmpty());

        const int nonJouesAvant = Partie->Compte(a, cDNJ);
        const int totalAdverseAvant = Partie->Score(a);
        if (mode == mjBlitz) {
            EXPECT_EQ(Bouton(), ebStop);
            EXPECT_TRUE(DeRoule());
            EXPECT_EQ(Partie->DeCrt, tour) << "the dice are drawn in number order";
            for (int tic = tire(6); tic > 0; --tic)
                Fenetre->TimerDeTimer();
            Stop();
        } else {
            EXPECT_EQ(Bouton(), ebIndefini);
            EXPECT_FALSE(DeRoule());
            const int k = 1 + tire(NbEnAttente(j));
            const TNumDe attendu = DeEnAttente(j, k);
            // Any button picks a die.
            ChoisitPlace(j, k, tire(2) == 0 ? Qt::LeftButton : Qt::RightButton);
            ASSERT_EQ(Partie->DeCrt, attendu) << "slot " << k;
        }
        EXPECT_FALSE(DeRoule());
        const TNumDe de = Partie->DeCrt;

        const auto marquees = CasesMarquees();
        if (marquees.empty()) {
            ++nonJoues;
            EXPECT_EQ(Message(j), Texte(TexteImpossible));
            EXPECT_EQ(Partie->Des[de]->Etat, edNonJoue);
            EXPECT_EQ(Legende("Label" + QString::number(a) + "DNJ"),
                      LegendeAttendue("Dés non joués (", nonJouesAvant + 1, nonJouesAvant + 1));
            EXPECT_EQ(Partie->Score(a), totalAdverseAvant + 1);
        } else {
            EXPECT_EQ(Message(j), Texte(TextePlacez));
            EXPECT_EQ(Bouton(), ebIndefini);
            // An unmarked cell is refused with a message and the turn stays where it was.
            if (const auto refusees = CasesNonMarquees(); !refusees.empty()) {
                ChoisitCase(refusees[tire(refusees.size())]);
                EXPECT_EQ(Message(j), Texte(TexteChoixIncorrect));
                EXPECT_EQ(Partie->PhCrt, phPoseDe);
                EXPECT_EQ(CasesMarquees(), marquees);
            }
            ChoisitCase(marquees.front(), Qt::RightButton);
            ASSERT_EQ(Partie->PhCrt, phPoseDe) << "a right press places nothing";

            const Cellule c = marquees[tire(marquees.size())];
            const int surGrille = DesSurGrille();
            const int prises = Partie->Compte(j, cDC);
            const int points = Partie->Score(j, cDC);
            const int adverses = AdversesCaptures(j);
            ChoisitCase(c);
            ASSERT_EQ(Partie->Gr[c.x][c.y], de);
            const int n = Partie->Compte(j, cDC) - prises;
            EXPECT_EQ(DesSurGrille(), surGrille + 1 - n);
            const bool suite = LigneOuColonnePleine(*Partie, c.x, c.y);
            EXPECT_EQ(Message(j), ResultatAttendu(n, AdversesCaptures(j) - adverses,
                                                  Partie->Score(j, cDC) - points, suite));
            captures += n > 0;
            suites += suite;
        }
        EXPECT_EQ(Bouton(), ebOK);
        EXPECT_TRUE(CasesMarquees().empty());
        ASSERT_EQ(ViolationModele(*Partie), "");
        ASSERT_EQ(ViolationFenetre(*Fenetre, true), "");

        // Nothing but OK passes the turn.
        const Instantane avant = Photo();
        ChoisitCase(marquees.empty() ? Cellule{0, 0} : marquees.back());
        ChoisitPlace(j, 1);
        EXPECT_EQ(Photo(), avant);
        Ok();
    }

    EXPECT_EQ(EtatAffiche(*Fenetre), EtatControleur::Fin);
    EXPECT_EQ(Bouton(), ebIndefini);
    const int g = Partie->Score(jGauche), d = Partie->Score(jDroite);
    EXPECT_EQ(Message(jGauche), Texte(g > d ? TexteGagne : g < d ? TextePerdu : TexteEgalite));
    EXPECT_EQ(Message(jDroite), Texte(d > g ? TexteGagne : d < g ? TextePerdu : TexteEgalite));
    EXPECT_EQ(ViolationModele(*Partie), "");
    EXPECT_EQ(ViolationFenetre(*Fenetre, true), "");
    RecordProperty("captures", captures);
    RecordProperty("suites", suites);
    RecordProperty("unplayed", nonJoues);
}

INSTANTIATE_TEST_SUITE_P(Jeux, PartiesEntieres,
                         ::testing::Values(PartieEntiere{mjBlitz, 1}, PartieEntiere{mjBlitz, 77},
                                           PartieEntiere{mjMaster, 1}, PartieEntiere{mjMaster, 77}),
                         [](const auto& info) {
                             return std::string(info.param.Mode == mjBlitz ? "Blitz" : "Master") + "Seed" +
                                    std::to_string(info.param.Graine);
                         });

// --- Verdicts: the totals arranged before the last OK --------------------------------------

struct Verdict {
    const char* Nom;
    int Ecart; // left total minus right total
    const char* Gauche;
    const char* Droite;
    friend void PrintTo(const Verdict& cas, std::ostream* os) { *os << cas.Nom; }
};

class Verdicts : public FenetreTest, public ::testing::WithParamInterface<Verdict> {};

// Leaves the totals `ecart` apart and the model sound: suite records are forgotten, captured
// dice become unplayed (one point for the opponent of their owner each), and dice taken off
// the board as unplayed settle the difference.
void ImposeEcart(int ecart) {
    TPartie& p = *Partie;
    for (auto& ligne : p.Suites)
        for (auto& s : ligne)
            s->Initialise();
    const auto passe = [&](TDe& d) {
        if (d.Etat == edPose)
            p.Gr[d.x][d.y] = ndIndefini;
        d.Etat = edNonJoue;
        d.Vq = Adversaire[d.Jr];
        d.x = d.y = -1;
    };
    for (int n = ndG01; n <= NbDes; ++n)
        if (p.Des[n]->Etat == edCapture)
            passe(*p.Des[n]);
    for (int n = ndG01; n <= NbDes && p.Score(jGauche) - p.Score(jDroite) != ecart; ++n) {
        TDe& d = *p.Des[n];
        // A right die off the board is a point for the left player, and the other way round.
        const bool utile = (p.Score(jGauche) - p.Score(jDroite) < ecart) == (d.Jr == jDroite);
        if (d.Etat == edPose && utile)
            passe(d);
    }
}

TEST_P(Verdicts, ShowOnBothSidesAndEndTheGame) {
    const Verdict& v = GetParam();
    Nouvelle(mjBlitz);
    for (int tour = 1; tour < NbTours; ++tour)
        JoueTour();
    JoueTour(false);
    ASSERT_EQ(EtatAffiche(*Fenetre), EtatControleur::Resultat);
    ImposeEcart(v.Ecart);
    ASSERT_EQ(Partie->Score(jGauche) - Partie->Score(jDroite), v.Ecart);
    ASSERT_EQ(ViolationModele(*Partie), "");

    Ok();
    EXPECT_EQ(Message(jGauche), Texte(v.Gauche));
    EXPECT_EQ(Message(jDroite), Texte(v.Droite));
    EXPECT_EQ(Bouton(), ebIndefini);
    EXPECT_EQ(EtatAffiche(*Fenetre), EtatControleur::Fin);

    // No press is taken any more.
    const Instantane fin = Photo();
    Ok();
    for (TIdJoueur j : {jGauche, jDroite})
        ChoisitPlace(j, 1);
    for (int x = 0; x < TailleGrille; ++x)
        ChoisitCase({x, x});
    Fenetre->TimerDeTimer();
    EXPECT_EQ(Photo(), fin);

    // Only a new game starts again, at turn 1 with the left player.
    Nouvelle(mjMaster);
    EXPECT_EQ(Partie->TrCrt, 1);
    EXPECT_EQ(Partie->JrCrt, jGauche);
    EXPECT_EQ(EtatAffiche(*Fenetre), EtatControleur::Choix);
}

INSTANTIATE_TEST_SUITE_P(Totaux, Verdicts,
                         ::testing::Values(Verdict{"LeftAhead", 1, TexteGagne, TextePerdu},
                                           Verdict{"RightAhead", -1, TextePerdu, TexteGagne},
                                           Verdict{"Tie", 0, TexteEgalite, TexteEgalite}),
                         [](const auto& info) { return std::string(info.param.Nom); });

} // namespace
