// The About text, the version numbers it shows, and the help page's places.
#include "window_fixture.h"

#include "help_about.h"

#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

TEST(VersionTest, SplitsTheFourNumbers) {
    QString v, sv;
    LitVersion("2.0.3.104", v, sv);
    EXPECT_EQ(v, "2.0.3");
    EXPECT_EQ(sv, ".104");
}

TEST(VersionTest, MissingVersionDataRaisesTheProgramsError) {
    for (const char* donnees : {"", "1.1.0", "1.x.0.21"}) {
        QString v, sv;
        try {
            LitVersion(donnees, v, sv);
            ADD_FAILURE() << donnees;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Erreur inattendue : aucune information de version incluse.");
        }
        EXPECT_TRUE(v.isEmpty() && sv.isEmpty());
    }
}

TEST(AboutTest, FirstLineNamesTheVersionAndTheWordSize) {
    const QString bits = QString::number(sizeof(void*) * 8);
    const QStringList lignes = TexteAPropos("1.1.0", ".21").split('\n');
    EXPECT_EQ(lignes[0], "Dorvane 1.1.0.21 version " + bits + " bits");
    EXPECT_EQ(lignes[1], "11/02/2021");
    EXPECT_EQ(TexteAPropos("", "").split('\n')[0], "Dorvane  version " + bits + " bits");
}

TEST_F(FenetreTest, AboutBoxShowsTheProgramsOwnVersion) {
    EXPECT_EQ(Fenetre->stVersion, "1.1.0");
    EXPECT_EQ(Fenetre->stSousVersion, ".21");
    QString titre, texte;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            titre = box->windowTitle();
            texte = box->text();
            box->accept();
        }
    });
    Fenetre->MenuItemAPropos->trigger();
    EXPECT_EQ(titre, QString::fromUtf8("À propos de Dorvane"));
    EXPECT_TRUE(texte.startsWith("Dorvane 1.1.0.21 version "));
}

TEST(HelpTest, PageIsLookedForBesideTheProgramThenInAnInstalledLayout) {
    EXPECT_EQ(EmplacementsAide("/opt/d/bin"),
              (QStringList{"/opt/d/bin/html/index.html", "/opt/d/bin/../share/dorvane/html/index.html"}));
}

TEST_F(FenetreTest, MissingHelpPageShowsNoMessage) {
    bool boite = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            boite = true;
            w->close();
        }
    });
    Fenetre->MenuItemAide->trigger(); // the test program has no page beside it
    QApplication::processEvents();
    EXPECT_FALSE(boite);
}

namespace {

// A program built without version data: the start-up reports it in an error box and goes on.
class NoVersionTest : public FenetreTest {
protected:
    void AvantFenetre() override {
        DonneesVersionProgramme().clear();
        QTimer::singleShot(0, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
        });
    }
    void TearDown() override {
        FenetreTest::TearDown();
        DonneesVersionProgramme() = "1.1.0.21";
    }
    QString message;
};

} // namespace

TEST_F(NoVersionTest, StartUpReportsTheMissingVersionAndTheWindowStillComesUp) {
    // The box is modal inside the window's creation, so it is answered from the event loop.
    EXPECT_EQ(message, QString::fromUtf8("Erreur inattendue : aucune information de version incluse."));
    EXPECT_TRUE(Fenetre->isVisible());
    EXPECT_TRUE(Fenetre->stVersion.isEmpty());
    EXPECT_TRUE(Fenetre->TexteAPropos().startsWith("Dorvane  version "));
}
