// Start-up and shut-down in order: the generator, the game, the window; on the way out the
// game goes before the windows.
#include "base.h"
#include "data_folder.h"
#include "fonts.h"
#include "main_f.h"
#include "random_face.h"

#include <QApplication>
#include <QIcon>
#include <chrono>

namespace {

// The program's name and icon, which the desktop shows with its window.
void Presente() {
    QApplication::setApplicationName("Dorvane");
    QApplication::setOrganizationName("Tessarine");
    QApplication::setDesktopFileName("org.tessarine.Dorvane");
    QIcon icone;
    icone.addFile(":/app/dorvane-64.png");
    icone.addFile(":/app/dorvane-256.png");
    QApplication::setWindowIcon(icone);
}

} // namespace

int main(int argc, char* argv[]) {
    InitialiseGenerateur(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    InitialiseRepertoire();
    Partie = std::make_unique<TPartie>(mjBlitz);
    int code = 0;
    {
        QApplication application(argc, argv);
        Presente();
        EnregistrePolices();
        TFormMain FormMain;
        FormMain.show();
        code = application.exec();
        Partie.reset();
        LibereRepertoire();
    }
    return code;
}
