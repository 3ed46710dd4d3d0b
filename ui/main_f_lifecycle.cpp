// Start-up, show and close of the main window, and the start of a new game.
#include "main_f.h"

#include "automaton_player.h"
#include "joueurs_f.h"

#include <QAction>
#include <QCloseEvent>
#include <QMessageBox>
#include <QScreen>
#include <stdexcept>

void TFormMain::FormCreate() {
    LitOptions();
    // A program without version data reports it and goes on with empty version strings;
    // the players' colours are then left as the window was created.
    try {
        LitVersion();
    } catch (const std::exception& e) {
        QMessageBox::critical(this, windowTitle(), QString::fromUtf8(e.what()));
        return;
    }
    ColoreTexteJoueurs();
}

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormMain::FormShow() {
    if (const QScreen* ecran = screen())
        move(ecran->availableGeometry().center() - frameGeometry().center() + pos());
    TimerDe->stop();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    FormClose();
    QMainWindow::closeEvent(event);
}

void TFormMain::FormClose() {
    AbandonneTour();
    EcritOptions();
}

void TFormMain::AbandonneTour() {
    Automate->Annule();
    TimerDe->stop();
    for (const char* nom : {"Timer1SM", "Timer1SP", "Timer2SM", "Timer2SP"}) {
        TTimer* timer = Minuteur(nom);
        timer->stop();
        timer->Tag = 0;
    }
}

// A new game leaves nothing of an abandoned one on screen: no roll, no mark, no star, no
// stale caption.
void TFormMain::MenuItemPartieNouvelleClick() {
    if (!Partie)
        return;
    AbandonneTour();
    Partie->Nouvelle(MenuItemModeMaster->isChecked() ? mjMaster : mjBlitz);
    AfficheCompteurs(jIndefini);
    centralWidget()->update();
    AfficheTour();
    LanceDe();
    Automate->Reprend();
}

// The dialog lives only while it is shown. The computer does not play behind it: a type
// changed there takes effect when it closes.
void TFormMain::MenuItemJoueursClick() {
    Automate->Annule();
    {
        TFormJoueurs FormJoueurs(*this);
        FormJoueurs.exec();
    }
    Automate->Reprend();
}
