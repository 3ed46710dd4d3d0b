// The real main window, shown offscreen over a fresh game, and the presses a player makes on
// it. The settings live in a temporary folder, so no user file is read or written.
#pragma once

#include "base.h"
#include "data_folder.h"
#include "fonts.h"
#include "main_f.h"
#include "paint_box.h"
#include "random_face.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

// The body of main for a window test executable: the offscreen platform is chosen before the
// application exists, so no display is needed. Listing the tests needs no application.
inline int LanceTestsFenetre(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    EnregistrePolices();
    return RUN_ALL_TESTS();
}

inline constexpr int TailleCase = 64;  // board cells
inline constexpr int TaillePlace = 32; // slots of the dice panels
inline constexpr int PlacesParLigne = 6;
inline constexpr std::uint64_t GraineParDefaut = 20261211;

// Everything a press could change: the game, the messages, the button and the roll.
struct Instantane {
    TGrille Gr;
    TMarquage Jouable;
    TScore Scores;
    std::array<std::tuple<TEtatDe, std::uint8_t, int, int, TIdJoueur, TTour>, NbDes + 1> Des;
    TTour TrCrt;
    TIdJoueur JrCrt;
    TNumDe DeCrt;
    TPhaseJeu PhCrt;
    TModeJeu FMode;
    std::array<QString, 3> stMsg;
    TEtatBouton Bouton;
    bool Roule;
    bool operator==(const Instantane&) const = default;
};

struct Cellule {
    int x;
    int y;
    bool operator==(const Cellule&) const = default;
};

inline std::string Nom(TIdJoueur j) {
    return std::to_string(static_cast<int>(j));
}

// Public throughout, so that tables of cases can drive the window from their lambdas.
class FenetreTest : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(Dossier.isValid());
        stRepDonnees = QDir(Dossier.path()).absolutePath().toStdString() + '/';
        InitialiseGenerateur(GraineParDefaut);
        Partie = std::make_unique<TPartie>(mjBlitz);
        AvantFenetre();
        Fenetre = std::make_unique<TFormMain>();
        Fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Fenetre.get()));
    }

    // Runs once the game exists and before the window is created, e.g. to write a settings file.
    virtual void AvantFenetre() {}

    // The order of the program's shut-down: the game goes before the window.
    void TearDown() override {
        if (Fenetre && Fenetre->isVisible())
            Fenetre->close();
        Partie.reset();
        Fenetre.reset();
        stRepDonnees.clear();
    }

    // --- Components -------------------------------------------------------------------

    template <typename T = TPaintBox> T* Composant(const QString& nom) const {
        T* c = Fenetre->findChild<T*>(nom);
        if (!c)
            throw std::runtime_error("no component named " + nom.toStdString());
        return c;
    }
    TPaintBox* Panneau(TIdJoueur j) const {
        return Composant("PaintBox" + QString::fromStdString(Nom(j)) + "DRAJ");
    }
    TTimer* Minuteur(const QString& nom) const { return Composant<TTimer>(nom); }
    QString Legende(const QString& label) const { return Composant<QLabel>(label)->text(); }
    QString Message(TIdJoueur j) const { return Fenetre->stMsg[j]; }
    TEtatBouton Bouton() const { return Fenetre->EtatBouton(); }
    bool DeRoule() const { return Fenetre->TimerDe->isActive(); }

    Instantane Photo() const {
        const TPartie& p = *Partie;
        Instantane i{p.Gr,    p.Jouable, p.Scores,       {},       p.TrCrt,  p.JrCrt, p.DeCrt,
                     p.PhCrt, p.FMode,   Fenetre->stMsg, Bouton(), DeRoule()};
        for (int n = ndG01; n <= NbDes; ++n) {
            const TDe& d = *p.Des[n];
            i.Des[n] = {d.Etat, d.FFace, d.x, d.y, d.Vq, d.Tour};
        }
        return i;
    }

    // --- Presses ----------------------------------------------------------------------

    // A press and release at `point` of the named area, as the mouse gives them.
    void Clique(const QString& zone, QPoint point, Qt::MouseButton bouton = Qt::LeftButton) {
        QTest::mouseClick(Composant(zone), bouton, Qt::NoModifier, point);
    }
    void CliqueAuCentre(const QString& zone, Qt::MouseButton bouton = Qt::LeftButton) {
        Clique(zone, Composant(zone)->rect().center(), bouton);
    }
    static QPoint CentreCase(int x, int y) {
        return {x * TailleCase + TailleCase / 2, y * TailleCase + TailleCase / 2};
    }
    // Slot k (from 1) of a dice panel, six to a row.
    static QPoint CentrePlace(int k) {
        return {((k - 1) % PlacesParLigne) * TaillePlace + TaillePlace / 2,
                ((k - 1) / PlacesParLigne) * TaillePlace + TaillePlace / 2};
    }
    void Declenche(const QString& action) { Composant<QAction>(action)->trigger(); }

    void Nouvelle(TModeJeu mode) {
        Declenche(mode == mjMaster ? "MenuItemModeMaster" : "MenuItemModeBlitz");
        Declenche("MenuItemPartieNouvelle");
    }
    void Stop() { CliqueAuCentre("PaintBoxAction"); }
    void Ok() { CliqueAuCentre("PaintBoxAction"); }
    void ChoisitPlace(TIdJoueur j, int k, Qt::MouseButton bouton = Qt::LeftButton) {
        Clique("PaintBox" + QString::fromStdString(Nom(j)) + "DRAJ", CentrePlace(k), bouton);
    }
    void ChoisitCase(Cellule c, Qt::MouseButton bouton = Qt::LeftButton) {
        Clique("PaintBoxGrille", CentreCase(c.x, c.y), bouton);
    }

    // --- The game ---------------------------------------------------------------------

    static std::vector<Cellule> CasesMarquees() {
        std::vector<Cellule> v;
        for (int x = 0; x < TailleGrille; ++x)
            for (int y = 0; y < TailleGrille; ++y)
                if (Partie->Jouable[x][y])
                    v.push_back({x, y});
        return v;
    }
    static std::vector<Cellule> CasesNonMarquees() {
        std::vector<Cellule> v;
        for (int x = 0; x < TailleGrille; ++x)
            for (int y = 0; y < TailleGrille; ++y)
                if (!Partie->Jouable[x][y])
                    v.push_back({x, y});
        return v;
    }
    // The k-th (from 1) waiting die of j in number order, ndIndefini past the last.
    static TNumDe DeEnAttente(TIdJoueur j, int k) {
        for (int d = ndG01; d <= NbDes; ++d)
            if (Partie->Des[d]->Jr == j && Partie->Des[d]->Etat == edEnAttente && --k == 0)
                return static_cast<TNumDe>(d);
        return ndIndefini;
    }
    static int NbEnAttente(TIdJoueur j) { return Partie->Compte(j, cDRAJ); }

    // Puts a die of j showing `face` on (x, y) as a placement would, without a turn. The
    // highest-numbered waiting die is taken, so the dice that mode Blitz draws next stay free.
    static TNumDe PoseSurGrille(TIdJoueur j, int face, int x, int y) {
        for (int n = NbDes; n >= ndG01; --n) {
            TDe& d = *Partie->Des[n];
            if (d.Jr != j || d.Etat != edEnAttente || n == Partie->DeCrt)
                continue;
            d.Change(static_cast<std::uint8_t>(face));
            d.Etat = edPose;
            d.x = x;
            d.y = y;
            d.Tour = Partie->TrCrt;
            Partie->Gr[x][y] = d.Id;
            return d.Id;
        }
        throw std::runtime_error("no waiting die left");
    }

    // One turn played the simplest way: the imposed die stopped or the first waiting die
    // chosen, then the first marked cell; OK only when asked.
    void JoueTour(bool ok = true) {
        if (Partie->FMode == mjBlitz)
            Stop();
        else
            ChoisitPlace(Partie->JrCrt, 1);
        if (const auto marquees = CasesMarquees(); !marquees.empty())
            ChoisitCase(marquees.front());
        if (ok)
            Ok();
    }

    // Puts die `d` itself on (x, y) as a placement would, without captures.
    static void Pose(TNumDe d, int x, int y) {
        TDe& de = *Partie->Des[d];
        de.Etat = edPose;
        de.x = x;
        de.y = y;
        Partie->Gr[x][y] = d;
    }

    // --- What the screen shows --------------------------------------------------------

    // The named area painted afresh from the game, whatever it shows on screen now.
    QImage Grab(const QString& zone) { return Composant(zone)->grab().toImage(); }

    // The pixels of the named area as they are on screen once the pending paints are done:
    // an area that was not asked to repaint still shows its old picture.
    QImage Ecran(const QString& zone) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        const TPaintBox* z = Composant(zone);
        const QPoint coin = z->mapTo(Fenetre.get(), QPoint(0, 0));
        return Fenetre->screen()
            ->grabWindow(Fenetre->winId(), coin.x(), coin.y(), z->width(), z->height())
            .toImage();
    }

    QTemporaryDir Dossier;
    std::unique_ptr<TFormMain> Fenetre;
};

// Failures show texts as the players read them.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(TModeJeu mode, std::ostream* os) {
    *os << (mode == mjMaster ? "Master" : "Blitz");
}

inline QColor Pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

inline QString Texte(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The caption a counter label shows for the model's count and points; `debut` runs up to
// and including the opening parenthesis.
inline QString LegendeAttendue(const char* debut, int n, int s) {
    return Texte(debut) +
           (s == 0 ? QString("%1)").arg(n) : QString("%1, %2 pt%3)").arg(n).arg(s).arg(s > 1 ? "s" : ""));
}
