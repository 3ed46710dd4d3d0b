#include "data_folder.h"
#include "options.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class FichierOptions : public testing::Test {
protected:
    TDossierTemporaire Dossier;
    const std::string Chemin = Dossier / NomFichierOptions;

    TOptions Lit(const std::string& Texte) {
        EcritTexte(Chemin, Texte);
        return LitFichierOptions(Chemin);
    }
};

TEST_F(FichierOptions, FirstCloseAfterACleanStartWritesTheDefaults) {
    stRepDonnees = Dossier.Chemin().string() + "/";
    EXPECT_EQ(CheminFichierOptions(), Chemin);
    const TOptions Options = LitFichierOptions(CheminFichierOptions());
    EXPECT_EQ(Options.Couleur[jGauche], cBleu);
    EXPECT_EQ(Options.Couleur[jDroite], cRouge);
    EXPECT_FALSE(Options.Automate[jGauche] || Options.Automate[jDroite] || Options.Master);
    EXPECT_TRUE(Options.Poses && Options.Scores);
    EXPECT_EQ(Options.NiveauAutomate, 2);

    std::string Erreur;
    ASSERT_TRUE(EcritFichierOptions(CheminFichierOptions(), Options, &Erreur)) << Erreur;
    EXPECT_EQ(LitTexte(Chemin),
              "[Options]\nCoulJrG=1\nTypeJrG=0\nCoulJrD=4\nTypeJrD=0\nMode=0\nNiveauAutomate=2\n"
              "[Affichage]\nPoses=1\nScores=1\n");
    LibereRepertoire();
}

TEST_F(FichierOptions, EveryOptionSurvivesARestart) {
    TOptions Options;
    Options.Couleur[jGauche] = cPourpre;
    Options.Couleur[jDroite] = cNoir;
    Options.Automate[jDroite] = true;
    Options.Master = true;
    Options.Poses = false;
    Options.Scores = true;
    Options.NiveauAutomate = 3;
    ASSERT_TRUE(EcritFichierOptions(Chemin, Options));
    EXPECT_EQ(LitTexte(Chemin),
              "[Options]\nCoulJrG=7\nTypeJrG=0\nCoulJrD=0\nTypeJrD=1\nMode=1\nNiveauAutomate=3\n"
              "[Affichage]\nPoses=0\nScores=1\n");
    EXPECT_EQ(LitFichierOptions(Chemin), Options);

    Options.Automate[jGauche] = true;
    Options.Scores = false;
    Options.NiveauAutomate = 0;
    ASSERT_TRUE(EcritFichierOptions(Chemin, Options));
    EXPECT_EQ(LitFichierOptions(Chemin), Options);
}

TEST_F(FichierOptions, HandEditedValues) {
    EXPECT_EQ(Lit("[Options]\nCoulJrG=0x2\n").Couleur[jGauche], cMagenta);
    EXPECT_EQ(Lit("[Options]\nCoulJrG=bleu\nCoulJrD=\n").Couleur, CouleurDefaut);
    EXPECT_TRUE(Lit("[Options]\nMode=1\n").Master);
    EXPECT_TRUE(Lit("[Options]\nTypeJrG=2\n").Automate[jGauche]);
    const TOptions Affichage = Lit("[Affichage]\nPoses=0\nScores=1\n");
    EXPECT_FALSE(Affichage.Poses);
    EXPECT_TRUE(Affichage.Scores);
    EXPECT_EQ(Lit("[options]\ncouljrd = 5\n").Couleur[jDroite], cJaune);
    EXPECT_EQ(Lit("[Affichage]\nCoulJrG=3\n").Couleur[jGauche], cBleu)
        << "a key of the wrong section is not read";
}

// A colour without die body and ring would draw no dice at all.
TEST_F(FichierOptions, ColoursWithoutDiceGiveThePlayersDefault) {
    for (const char* Valeur :
         {"8", "9", "10", "-1", "255", "256", "0x104", "2147483647", "-2147483648", "99999999999"}) {
        const TOptions Options =
            Lit(std::string("[Options]\nCoulJrG=") + Valeur + "\nCoulJrD=" + Valeur + "\n");
        EXPECT_EQ(Options.Couleur[jGauche], cBleu) << Valeur;
        EXPECT_EQ(Options.Couleur[jDroite], cRouge) << Valeur;
    }
    for (int Couleur = cNoir; Couleur <= cPourpre; ++Couleur)
        EXPECT_EQ(Lit("[Options]\nCoulJrD=" + std::to_string(Couleur) + "\n").Couleur[jDroite], Couleur);
}

TEST_F(FichierOptions, ComputerLevelOutOfRangeGivesTheDefault) {
    for (const auto& [Valeur, Attendu] : std::initializer_list<std::pair<const char*, int>>{
             {"0", 0}, {"3", 3}, {"0x1", 1}, {"4", 2}, {"-1", 2}, {"fort", 2}, {"", 2}})
        EXPECT_EQ(Lit(std::string("[Options]\nNiveauAutomate=") + Valeur + "\n").NiveauAutomate, Attendu)
            << Valeur;
}

TEST_F(FichierOptions, EverythingElseInTheFileIsKeptByteForByte) {
    const std::string Avant = "; Réglages de Dorvane\r\n"
                              "\r\n"
                              "[Fenêtre]\r\n"
                              "Gauche = 120\r\n"
                              "\r\n"
                              "[options]\r\n"
                              "couljrg = 0x3\r\n"
                              "; le joueur de droite\r\n"
                              "CoulJrD=4\r\n"
                              "Inconnue=oui\r\n"
                              "\r\n"
                              "[Autre]\r\n"
                              "Mode=1";
    EcritTexte(Chemin, Avant);
    TOptions Options = LitFichierOptions(Chemin);
    EXPECT_EQ(Options.Couleur[jGauche], cOrange);
    EXPECT_FALSE(Options.Master);
    Options.Couleur[jGauche] = cVert;
    ASSERT_TRUE(EcritFichierOptions(Chemin, Options));
    EXPECT_EQ(LitTexte(Chemin), "; Réglages de Dorvane\r\n"
                                "\r\n"
                                "[Fenêtre]\r\n"
                                "Gauche = 120\r\n"
                                "\r\n"
                                "[options]\r\n"
                                "couljrg = 6\r\n"
                                "; le joueur de droite\r\n"
                                "CoulJrD=4\r\n"
                                "Inconnue=oui\r\n"
                                "TypeJrG=0\r\n"
                                "TypeJrD=0\r\n"
                                "Mode=0\r\n"
                                "NiveauAutomate=2\r\n"
                                "\r\n"
                                "[Autre]\r\n"
                                "Mode=1\r\n"
                                "[Affichage]\r\n"
                                "Poses=1\r\n"
                                "Scores=1\r\n");
}

// Writes that fail must leave the old file whole and say which file could not be written.
bool EcritAutresOptions(const std::string& Chemin, std::string* Erreur) {
    TOptions Options;
    Options.Couleur[jGauche] = cJaune;
    return EcritFichierOptions(Chemin, Options, Erreur);
}

void AttendEchec(bool Ecrit, const std::string& Erreur, const std::string& Chemin,
                 const std::string& Ancien) {
    EXPECT_FALSE(Ecrit);
    EXPECT_NE(Erreur.find("« " + Chemin + " »"), std::string::npos) << Erreur;
    if (!Ancien.empty()) {
        EXPECT_EQ(LitTexte(Chemin), Ancien);
    }
}

void AttendEchec(const std::string& Chemin, const std::string& Ancien) {
    std::string Erreur;
    const bool Ecrit = EcritAutresOptions(Chemin, &Erreur);
    AttendEchec(Ecrit, Erreur, Chemin, Ancien);
}

TEST_F(FichierOptions, FolderThatCannotHoldTheFile) {
    // Even root cannot create a file inside a regular file.
    EcritTexte(Dossier / "fichier", "x");
    AttendEchec(Dossier / "fichier/Ferrandel.ini", "");
    EXPECT_EQ(LitTexte(Dossier / "fichier"), "x");
}

TEST_F(FichierOptions, DiskFullDuringTheWrite) {
    const std::string Ancien = "[Options]\nCoulJrG=3\n";
    EcritTexte(Chemin, Ancien);
    // A file-size limit fails the write part-way, as a full disk would, even for root.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit Limite{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Limite), 0);
    const rlimit Petite{16, Limite.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Petite), 0);
    std::string Erreur;
    const bool Ecrit = EcritAutresOptions(Chemin, &Erreur);
    // Lifted before any report, which may itself go to a file.
    setrlimit(RLIMIT_FSIZE, &Limite);
    AttendEchec(Ecrit, Erreur, Chemin, Ancien);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dossier.Chemin()), {}), 1)
        << "no file left over";
    EXPECT_EQ(LitFichierOptions(Chemin).Couleur[jGauche], cOrange);
}

TEST_F(FichierOptions, PathTakenByAFolder) {
    std::filesystem::create_directories(Chemin + "/dedans");
    EXPECT_EQ(LitFichierOptions(Chemin), TOptions{});
    AttendEchec(Chemin, "");
    EXPECT_TRUE(std::filesystem::is_directory(Chemin + "/dedans"));
}

TEST_F(FichierOptions, ReadOnlyFolder) {
    const std::string Ancien = "[Options]\nCoulJrG=3\n";
    EcritTexte(Chemin, Ancien);
    std::filesystem::permissions(Dossier.Chemin(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (access(Dossier.Chemin().c_str(), W_OK) == 0) {
        std::filesystem::permissions(Dossier.Chemin(), std::filesystem::perms::owner_all);
        GTEST_SKIP() << "this user writes into read-only folders";
    }
    AttendEchec(Chemin, Ancien);
    std::filesystem::permissions(Dossier.Chemin(), std::filesystem::perms::owner_all);
}

} // namespace
