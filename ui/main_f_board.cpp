// The board, the current die and the action button, drawn afresh from the game at every
// paint.
#include "main_f.h"

#include "drawing.h"
#include "image_list.h"
#include "picture.h"

#include <QAction>
#include <QPainter>

namespace {

constexpr int MargeCase = 2; // half of the black line between two cells
constexpr int FondGris = cGris;
constexpr int FondNoir = cNoir;

} // namespace

void TFormMain::PaintBoxGrillePaint(TPaintBox& sender, QPainter& painter) {
    if (!Partie)
        return;
    const TPartie& p = *Partie;
    const int t = std::min(sender.width() / TailleGrille, sender.height() / TailleGrille);
    const bool cases = MenuItemAffichageCasesJouables->isChecked();
    const bool scores = MenuItemAffichageScoresCaptures->isChecked();
    const TCouleur couleurCrt = CouleurJoueur[p.JrCrt];

    for (TCoordonnee x = 0; x < TailleGrille; ++x)
        for (TCoordonnee y = 0; y < TailleGrille; ++y) {
            const QRect cellule(x * t + MargeCase, y * t + MargeCase, t - 2 * MargeCase, t - 2 * MargeCase);
            painter.fillRect(cellule, Couleur(cGris));
            TPicture image;
            const TNumDe d = p.Gr[x][y];
            const bool marquee = d == ndIndefini && p.Jouable[x][y] && cases;
            if (d != ndIndefini) {
                image.Draw(Images.VirtualImageListFnd, FondGris);
                const TIdJoueur createur = p.CreateurSuite(x, y);
                if (createur != jIndefini)
                    image.Draw(Images.VirtualImageListTDe, CouleurJoueur[createur]);
                image.Draw(Images.VirtualImageListFde, CouleurJoueur[p.Des[d]->Jr]);
                image.Draw(Images.VirtualImageListDes, p.Des[d]->FFace - 1);
            } else if (marquee && p.Scores[x][y] == 0 && scores && p.CreeSuite(x, y)) {
                image.Draw(Images.VirtualImageListFnd, FondGris);
                image.Draw(Images.VirtualImageListSte, couleurCrt);
            } else if (marquee) {
                image.Draw(Images.VirtualImageListFnd, FondGris);
                image.Draw(Images.VirtualImageListFde, couleurCrt);
            }
            image.CopyTo(painter, cellule);

            const int s = p.Scores[x][y];
            if (marquee && s > 0 && scores) {
                const QString texte = QString::number(s);
                const QFontMetrics fm = painter.fontMetrics();
                const QPoint coin(x * t + (t - fm.horizontalAdvance(texte)) / 2,
                                  y * t + (t - fm.height()) / 2);
                TexteOpaque(painter, coin, texte, Couleur(couleurCrt), Rgb(CouleurTexteSur(couleurCrt)));
            }
        }
}

void TFormMain::PaintBoxDePaint(TPaintBox& sender, QPainter& painter) {
    if (!Partie)
        return;
    const QRect r = RectangleZone(sender);
    painter.fillRect(r, Couleur(cGris));
    TPicture image;
    if (Partie->JrCrt != jIndefini)
        image.Draw(Images.VirtualImageListTDe, CouleurJoueur[Partie->JrCrt]);
    if (Partie->DeCrt != ndIndefini)
        image.Draw(Images.VirtualImageListDes, Partie->Des[Partie->DeCrt]->FFace - 1);
    image.CopyTo(painter, r);
}

void TFormMain::PaintBoxActionPaint(TPaintBox& sender, QPainter& painter) {
    const QRect r = RectangleZone(sender);
    painter.fillRect(r, Couleur(cGris));
    TPicture image;
    image.Draw(Images.VirtualImageListFnd, FondNoir);
    if (sender.Tag > 0)
        image.Draw(Images.VirtualImageListBtn, sender.Tag - 1);
    image.CopyTo(painter, r);
}

int TFormMain::AfficheCasesJouables() {
    if (!Partie)
        return 0;
    const int n = Partie->MarqueCasesJouables();
    AfficheGrille();
    return n;
}

void TFormMain::AfficheGrille() {
    PaintBoxGrille->update();
}
