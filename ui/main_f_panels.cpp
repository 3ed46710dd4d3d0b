// The side panels: the players' messages, the six dice areas and their captions, the
// blinking suite stars, the score digits and the turn counter.
#include "main_f.h"

#include "drawing.h"
#include "image_list.h"
#include "picture.h"

#include <QLabel>

namespace {

constexpr int DecalageTexteEtoile = 2; // the star's number sits 2 pixels below the centre
constexpr int DesParLigne = 6;
constexpr int ChiffresParCouleur = 10;

// The counter named by the suffix of an area's name ("PaintBox1DNJ" -> cDNJ).
TCompteur CompteurDuNom(const QString& nom) {
    const QString suffixe = nom.mid(9, 4);
    for (int c = cDRAJ; c <= cSP; ++c)
        if (suffixe == SuffixeCompteur[c])
            return static_cast<TCompteur>(c);
    return cDRAJ;
}

QString Chiffre(int j) {
    return QString::number(j);
}

} // namespace

QString ExtraitLigne(QString& reste) {
    const qsizetype i = reste.indexOf(QChar('\r'));
    QString ligne;
    if (i >= 0) {
        ligne = reste.left(i);
        reste = reste.mid(i + 1);
    } else {
        ligne = reste;
        reste.clear();
    }
    return ligne;
}

void TFormMain::AfficheMessage(TIdJoueur Id, const QString& stNvMsg, TEtatBouton etat) {
    for (int j = jGauche; j <= jDroite; ++j) {
        if (Id != jIndefini && Id != j)
            continue;
        stMsg[j] = stNvMsg;
        Zone("PaintBox" + Chiffre(j) + "Msg")->update();
    }
    SetEtatBouton(etat);
}

void TFormMain::PaintBoxMsgPaint(TPaintBox& sender, QPainter& painter) {
    const int i = sender.Tag;
    painter.fillRect(RectangleZone(sender), sender.Couleur);
    if (i < jGauche || i > jDroite)
        return;
    QString reste = stMsg[i];
    QStringList lignes;
    do
        lignes << ExtraitLigne(reste);
    while (!reste.isEmpty());

    const QFontMetrics fm = painter.fontMetrics();
    const int h = fm.height();
    const int top = (sender.height() - static_cast<int>(lignes.size()) * h) / 2;
    for (int r = 0; r < lignes.size(); ++r) {
        const QPoint coin((sender.width() - fm.horizontalAdvance(lignes[r])) / 2, top + r * h);
        TexteOpaque(painter, coin, lignes[r], sender.Couleur, sender.CouleurTexte);
    }
}

void TFormMain::PaintBoxDesPaint(TPaintBox& sender, QPainter& painter) {
    if (!Partie)
        return;
    const TPartie& p = *Partie;
    const TIdJoueur j = JoueurDuNom(sender.objectName(), 8);
    const TCompteur c = CompteurDuNom(sender.objectName());
    const int lignes = LignesCompteur[c];
    const int t = std::min(sender.width() / DesParLigne, sender.height() / lignes);
    const int places = DesParLigne * lignes; // dice past the last row would not be seen

    // Dice appear in the order they entered the state shown, ties by number.
    int n = 0;
    for (int r = 0; r <= p.TrCrt && n < places; ++r)
        for (int k = ndG01; k <= NbDes && n < places; ++k) {
            const TDe& d = *p.Des[k];
            if (d.Tour != r || d.Etat != EtatCompteur[c])
                continue;
            const bool montre = c == cDRAJ ? d.Jr == j : c == cDC ? d.Vq == j : d.Jr == Adversaire[j];
            if (!montre)
                continue;
            const QRect place((n % DesParLigne) * t, (n / DesParLigne) * t, t - 1, t - 1);
            TPicture image;
            image.Draw(Images.VirtualImageListFnd, cNoir);
            image.Draw(Images.VirtualImageListFde, CouleurJoueur[d.Jr]);
            image.Draw(Images.VirtualImageListDes, d.FFace - 1);
            image.CopyTo(painter, place);
            ++n;
        }
}

void TFormMain::AfficheCompteur(TCompteur c, TIdJoueur Id) {
    if (!Partie)
        return;
    for (int j = jGauche; j <= jDroite; ++j) {
        if (Id != jIndefini && Id != j)
            continue;
        const QString nom = Chiffre(j) + SuffixeCompteur[c];
        const auto joueur = static_cast<TIdJoueur>(j);
        if (GenreCompteur[c] == 0) {
            Zone("PaintBox" + nom)->update();
            QLabel* label = Etiquette("Label" + nom);
            const int n = Partie->Compte(joueur, c);
            const int s = Partie->Score(joueur, c);
            QString titre = label->text();
            titre.truncate(titre.indexOf('(') + 1);
            titre +=
                s == 0 ? QString("%1)").arg(n) : QString("%1, %2 pt%3)").arg(n).arg(s).arg(Pluriel[s > 1]);
            label->setText(titre);
        } else {
            TTimer* timer = Minuteur("Timer" + nom);
            if (Partie->Compte(joueur, c) > 0) {
                // A running blink keeps its phase and rhythm.
                if (!timer->isActive())
                    timer->start();
            } else {
                timer->Tag = 0;
                timer->stop();
                Zone("PaintBox" + nom)->update();
            }
        }
    }
}

void TFormMain::AfficheCompteursSuite(TIdJoueur Id) {
    AfficheCompteur(cSM, Id);
    AfficheCompteur(cSP, Id);
}

void TFormMain::AfficheCompteurs(TIdJoueur Id) {
    for (int c = cDRAJ; c <= cSP; ++c)
        AfficheCompteur(static_cast<TCompteur>(c), Id);
}

// Once the last turn has its result, the stars stay lit.
void TFormMain::TimerSuitesTimer(TTimer& timer) {
    if (!Partie)
        return;
    if (Partie->TrCrt == NbTours && Partie->PhCrt == phResultatPose)
        timer.Tag = 1;
    else
        timer.Tag = 1 - timer.Tag;
    Zone("PaintBox" + timer.objectName().mid(5))->update();
}

void TFormMain::PaintBoxSuitesPaint(TPaintBox& sender, QPainter& painter) {
    if (!Partie)
        return;
    const QString nom = sender.objectName().mid(8);
    const TTimer* timer = Minuteur("Timer" + nom);
    if (!timer || !timer->isActive() || timer->Tag != 1)
        return;
    const auto j = JoueurDuNom(sender.objectName(), 8);
    const TCompteur c = CompteurDuNom(sender.objectName());
    const TCouleur k = c == cSP ? CouleurJoueur[j] : cGris;
    TPicture image;
    image.Draw(Images.VirtualImageListFnd, cNoir);
    image.Draw(Images.VirtualImageListSte, k);
    image.CopyTo(painter, RectangleZone(sender));

    const QString texte = QString::number(Partie->Score(j, c));
    const QFontMetrics fm = painter.fontMetrics();
    const QPoint coin((sender.width() - fm.horizontalAdvance(texte)) / 2,
                      (sender.height() - fm.height()) / 2 + DecalageTexteEtoile);
    TexteOpaque(painter, coin, texte, Couleur(k), Rgb(CouleurTexteSur(k)));
}

void TFormMain::AfficheScore(TIdJoueur Id) {
    for (int j = jGauche; j <= jDroite; ++j) {
        if (Id != jIndefini && Id != j)
            continue;
        for (const char* suffixe : SuffixeChiffre)
            Zone("PaintBox" + Chiffre(j) + "Score" + suffixe)->update();
    }
}

void TFormMain::PaintBoxScorePaint(TPaintBox& sender, QPainter& painter) {
    if (!Partie)
        return;
    const auto p = static_cast<TIdJoueur>(sender.Tag / 3 + 1);
    const int S = Partie->Score(p);
    // Hundreds are not reduced: a total of 1000 selects no digit and shows a black tile.
    const int rang = sender.Tag % 3;
    const int chiffre = rang == 0 ? S / 100 : rang == 1 ? (S / 10) % 10 : S % 10;
    const QRect r = RectangleZone(sender);
    painter.fillRect(r, Couleur(cGris));
    TPicture image;
    image.Draw(Images.VirtualImageListFnd, cNoir);
    image.Draw(Images.VirtualImageListChf, CouleurJoueur[p] + ChiffresParCouleur * chiffre);
    image.CopyTo(painter, r);
}

void TFormMain::PaintBoxTourPaint(TPaintBox& sender, QPainter& painter) {
    if (!Partie)
        return;
    const QString texte = QString("%1/%2").arg(Partie->TrCrt).arg(NbTours);
    const QFontMetrics fm = painter.fontMetrics();
    const QPoint coin((sender.width() - 1 - fm.horizontalAdvance(texte)) / 2,
                      (sender.height() - 1 - fm.height()) / 2);
    TexteOpaque(painter, coin, texte, sender.Couleur, sender.CouleurTexte);
}

void TFormMain::ColoreTexteJoueurs() {
    for (int j = jGauche; j <= jDroite; ++j) {
        const QColor c = Couleur(CouleurJoueur[j]);
        for (const char* suffixe : {"DRAJ", "DC", "DNJ"})
            ColoreLabel(*Etiquette("Label" + Chiffre(j) + suffixe), c);
        Zone("PaintBox" + Chiffre(j) + "Msg")->CouleurTexte = c;
    }
}
