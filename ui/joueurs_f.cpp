#include "joueurs_f.h"

#include "image_list.h"
#include "main_f.h"
#include "picture.h"

#include <QGroupBox>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int LargeurClient = 409;
constexpr int HauteurClient = 247;
constexpr int TaillePoliceDialogue = 11;
constexpr int TailleBoite = 49;
constexpr int EpaisseurCadre = 3;
const QColor FondDialogue{0x80, 0x80, 0x80};

struct TBoite {
    char Suffixe;
    int Left, Top, Tag;
};

// A 3 by 3 square: the seven colours in reading order, then the person and the computer.
constexpr TBoite Boites[] = {
    {'1', 16, 24, 1},  {'2', 71, 24, 2},  {'3', 126, 24, 3}, {'4', 16, 79, 4},   {'5', 71, 79, 5},
    {'6', 126, 79, 6}, {'7', 16, 134, 7}, {'A', 71, 134, 0}, {'H', 126, 134, 1},
};

struct TGroupe {
    const char* Nom;
    const char* Titre;
    char Joueur;
    int Left;
};

constexpr TGroupe Groupes[] = {
    {"GroupBox1", " Joueur de Gauche ", 'G', 8},
    {"GroupBox2", " Joueur de Droite ", 'D', 207},
};
constexpr int HautGroupe = 8;
constexpr int LargeurGroupe = 193;
constexpr int HauteurGroupe = 201;

bool BoiteCouleur(const QString& nom) {
    return nom.size() > 9 && nom.at(9) >= '1' && nom.at(9) <= '7';
}

void Cadre(QPainter& painter, const QRect& r) {
    painter.fillRect(r.left(), r.top(), r.width(), 1, Qt::black);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, Qt::black);
    painter.fillRect(r.left(), r.top(), 1, r.height(), Qt::black);
    painter.fillRect(r.right(), r.top(), 1, r.height(), Qt::black);
}

} // namespace

TIdJoueur JoueurDeLaBoite(const QString& nom) {
    if (nom.size() <= 8)
        return jIndefini;
    return nom.at(8) == 'G' ? jGauche : nom.at(8) == 'D' ? jDroite : jIndefini;
}

TFormJoueurs::TFormJoueurs(TFormMain& owner) : QDialog(&owner), FormMain(owner) {
    setObjectName("FormJoueurs");
    setWindowTitle(QString::fromUtf8("Définition des joueurs"));
    setFixedSize(LargeurClient, HauteurClient);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, FondDialogue);
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    QFont police = font();
    police.setPixelSize(TaillePoliceDialogue);
    setFont(police);

    for (const TGroupe& g : Groupes) {
        auto* groupe = new QGroupBox(QString::fromUtf8(g.Titre), this);
        groupe->setObjectName(g.Nom);
        groupe->setGeometry(g.Left, HautGroupe, LargeurGroupe, HauteurGroupe);
        for (const TBoite& b : Boites) {
            const QString nom = QString("PaintBox") + g.Joueur + b.Suffixe;
            auto* boite = new TPaintBox(groupe, nom, QRect(b.Left, b.Top, TailleBoite, TailleBoite), b.Tag,
                                        FondDialogue);
            boite->OnPaint = [this](TPaintBox& s, QPainter& p) { PaintBoxPaint(s, p); };
            boite->OnClick = [this](TPaintBox& s) { PaintBoxClick(s); };
        }
    }

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ButtonOK");
    ok->setGeometry(240, 215, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* annuler = new QPushButton("Annuler", this);
    annuler->setObjectName("ButtonAnnuler");
    annuler->setGeometry(321, 214, 75, 25);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

void TFormJoueurs::FormCreate() {
    CoulJG = CouleurJoueur[jGauche];
    CoulJD = CouleurJoueur[jDroite];
    if (Partie) {
        AutoJG = Partie->Jr[jGauche]->Automate;
        AutoJD = Partie->Jr[jDroite]->Automate;
    }
}

void TFormJoueurs::PaintBoxPaint(TPaintBox& sender, QPainter& painter) {
    const QRect r1(0, 0, sender.width() - 1, sender.height() - 1);
    const TIdJoueur p = JoueurDeLaBoite(sender.objectName());
    const TCatalogue& images = Catalogue();
    TPicture image;
    bool choisie = false;
    if (BoiteCouleur(sender.objectName())) {
        image.Draw(images.VirtualImageListFnd, sender.Tag);
        choisie = CouleurJoueur[p] == sender.Tag;
    } else {
        image.Draw(images.VirtualImageListTjr, sender.Tag);
        choisie = Partie && p != jIndefini && int(Partie->Jr[p]->Automate) == sender.Tag;
    }
    image.CopyTo(painter, r1);
    if (choisie)
        for (int i = 0; i < EpaisseurCadre; ++i)
            Cadre(painter, r1.adjusted(i, i, -i, -i));
}

// A type box sets the player's type: a player of type computer is played by the program.
void TFormJoueurs::PaintBoxClick(TPaintBox& sender) {
    const TIdJoueur p = JoueurDeLaBoite(sender.objectName());
    if (p == jIndefini)
        return;
    if (BoiteCouleur(sender.objectName()))
        CouleurJoueur[p] = static_cast<TCouleur>(sender.Tag);
    else if (Partie)
        Partie->Jr[p]->Automate = sender.Tag != 0;
    update();
    for (auto* boite : findChildren<TPaintBox*>())
        boite->update();
}

void TFormJoueurs::done(int result) {
    FormClose(result);
    QDialog::done(result);
}

// Cancel also repaints the main window, so no trial colour lingers where it was uncovered.
void TFormJoueurs::FormClose(int result) {
    if (result != QDialog::Accepted) {
        CouleurJoueur[jGauche] = CoulJG;
        CouleurJoueur[jDroite] = CoulJD;
        if (Partie) {
            Partie->Jr[jGauche]->Automate = AutoJG;
            Partie->Jr[jDroite]->Automate = AutoJD;
        }
    } else {
        FormMain.ColoreTexteJoueurs();
    }
    FormMain.update();
    for (auto* zone : FormMain.findChildren<QWidget*>())
        zone->update();
}
