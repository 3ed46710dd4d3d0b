// The settings read when the window is created and written when it closes.
#include "main_f.h"

#include "data_folder.h"
#include "options.h"

#include <QAction>
#include <QMessageBox>

void TFormMain::LitOptions() {
    const TOptions o = LitFichierOptions(CheminFichierOptions());
    for (TIdJoueur j : {jGauche, jDroite}) {
        CouleurJoueur[j] = o.Couleur[j];
        if (Partie)
            Partie->Jr[j]->Automate = o.Automate[j];
    }
    (o.Master ? MenuItemModeMaster : MenuItemModeBlitz)->setChecked(true);
    MenuItemAffichageCasesJouables->setChecked(o.Poses);
    MenuItemAffichageScoresCaptures->setChecked(o.Scores);
    NiveauAutomate = o.NiveauAutomate;
    MenuItemNiveau[NiveauAutomate]->setChecked(true);
}

// A failed write must not keep the window open: the player is told, the old file stays.
void TFormMain::EcritOptions() {
    TOptions o;
    for (TIdJoueur j : {jGauche, jDroite}) {
        o.Couleur[j] = CouleurJoueur[j];
        if (Partie)
            o.Automate[j] = Partie->Jr[j]->Automate;
    }
    o.Master = MenuItemModeMaster->isChecked();
    o.Poses = MenuItemAffichageCasesJouables->isChecked();
    o.Scores = MenuItemAffichageScoresCaptures->isChecked();
    o.NiveauAutomate = NiveauAutomate;
    std::string erreur;
    if (!EcritFichierOptions(CheminFichierOptions(), o, &erreur))
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(erreur));
}
