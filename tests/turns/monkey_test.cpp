// Random events at the real window: presses anywhere with any button, ticks of every timer,
// new games, mode and display changes. After each one the game must still obey its rules and
// the window must show a state of the turn controller's table.
#include "controller_states.h"

#include <deque>
#include <random>
#include <set>

namespace {

// Enough events for every seed to reach every state of the table, a finished game among
// them; under the sanitizers this still takes only a few seconds.
constexpr int NbEvenements = 20000;

class Singe : public FenetreTest, public ::testing::WithParamInterface<std::uint64_t> {
public:
    std::mt19937_64 Hasard;

    int Tire(int n) { return static_cast<int>(Hasard() % static_cast<std::uint64_t>(n)); }
    bool Chance(int pourcent) { return Tire(100) < pourcent; }

    Qt::MouseButton UnBouton() {
        const int b = Tire(10);
        return b < 7 ? Qt::LeftButton : b < 9 ? Qt::RightButton : Qt::MiddleButton;
    }
    QPoint UnPoint(const QWidget& zone) { return {Tire(zone.width()), Tire(zone.height())}; }

    // A press on the area at a point of it, described for the log of the last events.
    std::string Presse(TPaintBox& zone, QPoint point, Qt::MouseButton bouton) {
        QTest::mouseClick(&zone, bouton, Qt::NoModifier, point);
        return zone.objectName().toStdString() + " (" + std::to_string(point.x()) + ", " +
               std::to_string(point.y()) + ") button " + std::to_string(static_cast<int>(bouton));
    }

    TTimer* UneEtoile() {
        static const char* noms[] = {"Timer1SM", "Timer1SP", "Timer2SM", "Timer2SP"};
        return Minuteur(noms[Tire(4)]);
    }
};

TEST_P(Singe, NeverBreaksTheGameNorLeavesTheTable) {
    Hasard.seed(GetParam());
    InitialiseGenerateur(GetParam());
    const QList<TPaintBox*> zones = Fenetre->findChildren<TPaintBox*>();
    ASSERT_EQ(zones.size(), 22) << "every painted area of the window";

    std::deque<std::string> derniers; // the last events, shown when a check fails
    std::set<EtatControleur> vus{EtatAffiche(*Fenetre)};
    bool lancee = false;
    int finies = 0;
    EtatControleur precedent = EtatAffiche(*Fenetre);

    for (int i = 0; i < NbEvenements; ++i) {
        const TModeJeu mode = Partie->FMode;
        bool nouvelle = false;
        std::string quoi;
        const int genre = Tire(1000);
        if (genre < 280) {
            quoi = Presse(*Fenetre->PaintBoxAction,
                          Chance(70) ? Fenetre->PaintBoxAction->rect().center()
                                     : UnPoint(*Fenetre->PaintBoxAction),
                          UnBouton());
        } else if (genre < 520) {
            // Half of the presses aim at a marked cell, as a player would.
            const auto marquees = CasesMarquees();
            const QPoint point = !marquees.empty() && Chance(50)
                                     ? [&] {
                                           const Cellule c = marquees[Tire(static_cast<int>(marquees.size()))];
                                           return CentreCase(c.x, c.y);
                                       }()
                                     : UnPoint(*Fenetre->PaintBoxGrille);
            quoi = Presse(*Fenetre->PaintBoxGrille, point, UnBouton());
        } else if (genre < 680) {
            const TIdJoueur j = Partie->JrCrt != jIndefini && Chance(70) ? Partie->JrCrt
                                : Chance(50)                             ? jGauche
                                                                         : jDroite;
            TPaintBox& panneau = *Panneau(j);
            quoi = Presse(panneau, Chance(60) ? CentrePlace(1 + Tire(18)) : UnPoint(panneau), UnBouton());
        } else if (genre < 780) {
            TPaintBox& zone = *zones[Tire(static_cast<int>(zones.size()))];
            quoi = Presse(zone, UnPoint(zone), UnBouton());
        } else if (genre < 880) {
            // A tick may come late, after the roll has stopped.
            if (Chance(50)) {
                Fenetre->TimerDeTimer();
                quoi = "TimerDeTimer";
            } else {
                ASSERT_TRUE(QMetaObject::invokeMethod(Fenetre->TimerDe, "timeout"));
                quoi = "TimerDe timeout";
            }
        } else if (genre < 940) {
            TTimer* etoile = UneEtoile();
            if (Chance(50))
                Fenetre->TimerSuitesTimer(*etoile);
            else
                ASSERT_TRUE(QMetaObject::invokeMethod(etoile, "timeout"));
            quoi = "tick of " + etoile->objectName().toStdString();
        } else if (genre < 960) {
            const char* item = Chance(50) ? "MenuItemModeBlitz" : "MenuItemModeMaster";
            Declenche(item);
            quoi = item;
        } else if (genre < 985) {
            const char* item =
                Chance(50) ? "MenuItemAffichageCasesJouables" : "MenuItemAffichageScoresCaptures";
            Declenche(item);
            quoi = item;
        } else if (genre < 987) {
            Nouvelle(Chance(50) ? mjBlitz : mjMaster);
            nouvelle = lancee = true;
            quoi = std::string("new game in ") + (Partie->FMode == mjBlitz ? "Blitz" : "Master");
        } else {
            // Every painter runs over the state of the moment.
            Fenetre->grab();
            quoi = "paint";
        }

        derniers.push_back(std::to_string(i) + ": " + quoi);
        if (derniers.size() > 16)
            derniers.pop_front();
        const auto journal = [&] {
            std::string s;
            for (const auto& d : derniers)
                s += "\n  " + d;
            return s;
        };

        const EtatControleur etat = EtatAffiche(*Fenetre);
        finies += etat == EtatControleur::Fin && precedent != EtatControleur::Fin;
        precedent = etat;
        vus.insert(etat);
        ASSERT_EQ(ViolationModele(*Partie), "") << journal();
        ASSERT_EQ(ViolationFenetre(*Fenetre, lancee), "") << journal();
        if (!nouvelle) {
            ASSERT_EQ(Partie->FMode, mode) << "a running game keeps its mode" << journal();
        }
    }

    RecordProperty("finished_games", finies);
    // The events reached every state of the table, a finished game among them.
    for (EtatControleur e : {EtatControleur::Repos, EtatControleur::Roulement, EtatControleur::Choix,
                             EtatControleur::Placement, EtatControleur::Resultat, EtatControleur::Fin})
        EXPECT_TRUE(vus.count(e)) << NomEtat(e) << " never seen";
}

INSTANTIATE_TEST_SUITE_P(Graines, Singe, ::testing::Values(1, 2, 3));

} // namespace
