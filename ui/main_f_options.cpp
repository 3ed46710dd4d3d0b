// The settings read when the window is created and written when it closes.
#include "main_f.h"

#include <QAction>

void TFormMain::LitOptions() {
    CouleurJoueur[jGauche] = CouleurDefaut[jGauche];
    CouleurJoueur[jDroite] = CouleurDefaut[jDroite];
}

void TFormMain::EcritOptions() {}
