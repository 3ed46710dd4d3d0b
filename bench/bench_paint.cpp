// How long the window's painters take: the die area (repainted every 20 ms while a die
// rolls), the board, and the whole window. Run offscreen.
#include "base.h"
#include "fonts.h"
#include "main_f.h"
#include "paint_box.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

TFormMain* Fenetre = nullptr;

void Rend(QWidget& zone, benchmark::State& state) {
    QImage image(zone.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        zone.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

TPaintBox& Zone(const char* nom) {
    return *Fenetre->findChild<TPaintBox*>(nom);
}

void DieArea(benchmark::State& state) {
    Partie->Nouvelle(mjBlitz);
    Rend(Zone("PaintBoxDe"), state);
}
BENCHMARK(DieArea);

// Every cell holds a die, half of them in a standing suite's ring.
void BoardFull(benchmark::State& state) {
    Partie->Nouvelle(mjMaster);
    for (int x = 0; x < TailleGrille; ++x)
        for (int y = 0; y < TailleGrille; ++y) {
            const auto d = static_cast<TNumDe>(1 + x + TailleGrille * y);
            Partie->Des[d]->Etat = edPose;
            Partie->Des[d]->x = x;
            Partie->Des[d]->y = y;
            Partie->Gr[x][y] = d;
        }
    for (int y = 0; y < TailleGrille; y += 2)
        Partie->Suites[oHorizontale][y]->Affecte(jGauche, 0, static_cast<TCoordonnee>(y), false);
    Rend(Zone("PaintBoxGrille"), state);
}
BENCHMARK(BoardFull);

void BoardAllPlayable(benchmark::State& state) {
    Partie->Nouvelle(mjBlitz);
    Partie->MarqueCasesJouables();
    Rend(Zone("PaintBoxGrille"), state);
}
BENCHMARK(BoardAllPlayable);

void WholeWindow(benchmark::State& state) {
    Partie->Nouvelle(mjBlitz);
    Partie->MarqueCasesJouables();
    Rend(*Fenetre, state);
}
BENCHMARK(WholeWindow);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    EnregistrePolices();
    Partie = std::make_unique<TPartie>(mjBlitz);
    CouleurJoueur = {cNoir, cBleu, cRouge};
    TFormMain fenetre;
    Fenetre = &fenetre;
    fenetre.show();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    Fenetre = nullptr;
    Partie.reset();
    return 0;
}
