// The settings file as the window reads it at creation and writes it at close.
#include "window_fixture.h"

#include <QFile>
#include <QMessageBox>
#include <QTimer>

namespace {

QString Lis(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void Ecris(const QString& chemin, const QString& texte) {
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(texte.toUtf8());
}

class SettingsFenetreTest : public FenetreTest {
protected:
    QString Fichier() const { return Dossier.path() + "/Ferrandel.ini"; }
    void AvantFenetre() override {
        if (!contenu.isEmpty())
            Ecris(Fichier(), contenu);
    }
    QString contenu;
};

class SettingsFromFileTest : public SettingsFenetreTest {
protected:
    void SetUp() override {
        contenu = "; "
                  "kept\n[Options]\nCoulJrG=0x2\nTypeJrD=1\nMode=1\nNiveauAutomate=3\n[Affichage]\nPoses="
                  "0\nScores=1\n";
        SettingsFenetreTest::SetUp();
    }
};

} // namespace

TEST_F(SettingsFenetreTest, FirstCloseWritesTheDefaults) {
    EXPECT_EQ(CouleurJoueur[jGauche], cBleu);
    EXPECT_EQ(CouleurJoueur[jDroite], cRouge);
    EXPECT_TRUE(Fenetre->MenuItemModeBlitz->isChecked());
    EXPECT_TRUE(Fenetre->MenuItemNiveau[2]->isChecked());
    Fenetre->close();
    EXPECT_EQ(Lis(Fichier()),
              "[Options]\nCoulJrG=1\nTypeJrG=0\nCoulJrD=4\nTypeJrD=0\nMode=0\nNiveauAutomate=2\n"
              "[Affichage]\nPoses=1\nScores=1\n");
}

TEST_F(SettingsFromFileTest, FileChoicesAreInForceAndSurviveTheNextClose) {
    EXPECT_EQ(CouleurJoueur[jGauche], cMagenta);
    EXPECT_TRUE(Partie->Jr[jDroite]->Automate);
    EXPECT_FALSE(Partie->Jr[jGauche]->Automate);
    EXPECT_TRUE(Fenetre->MenuItemModeMaster->isChecked());
    EXPECT_TRUE(Fenetre->MenuItemNiveau[3]->isChecked());
    EXPECT_FALSE(Fenetre->MenuItemAffichageCasesJouables->isChecked());
    // Loaded as it stands: the second option stays ticked and available.
    EXPECT_TRUE(Fenetre->MenuItemAffichageScoresCaptures->isChecked());
    EXPECT_TRUE(Fenetre->MenuItemAffichageScoresCaptures->isEnabled());

    Fenetre->MenuItemNiveau[0]->trigger();
    Fenetre->close();
    const QString ecrit = Lis(Fichier());
    EXPECT_TRUE(ecrit.startsWith("; kept\n[Options]\nCoulJrG=2\n"));
    EXPECT_TRUE(ecrit.contains("TypeJrD=1\n"));
    EXPECT_TRUE(ecrit.contains("Mode=1\n"));
    EXPECT_TRUE(ecrit.contains("NiveauAutomate=0\n"));
    EXPECT_TRUE(ecrit.contains("Poses=0\n"));
}

// The new game then starts in the mode the file chose.
TEST_F(SettingsFromFileTest, NextNewGameUsesTheModeOfTheFile) {
    Partie->Jr[jDroite]->Automate = false;
    Fenetre->MenuItemPartieNouvelle->trigger();
    EXPECT_EQ(Partie->FMode, mjMaster);
}

TEST_F(SettingsFenetreTest, UnwritableSettingsAreReportedAndTheWindowStillCloses) {
    // A data folder below a plain file cannot be created, whoever runs the test.
    Ecris(Dossier.path() + "/fichier", "x");
    stRepDonnees = (Dossier.path() + "/fichier/sous/").toStdString();
    QString message;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    Fenetre->close();
    EXPECT_FALSE(Fenetre->isVisible());
    EXPECT_TRUE(message.contains("Ferrandel.ini")) << message.toStdString();
    EXPECT_EQ(Lis(Dossier.path() + "/fichier"), "x");
}
