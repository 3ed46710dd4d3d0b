#include "data_folder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

const std::string Programme = "/opt/dorvane/";

// Replaces "{T}" with the test's temporary folder.
std::string Dans(const TDossierTemporaire& Dossier, std::string Texte) {
    for (auto i = Texte.find("{T}"); i != std::string::npos; i = Texte.find("{T}"))
        Texte.replace(i, 3, Dossier.Chemin().string());
    return Texte;
}

struct TCasRepertoire {
    const char* Nom;
    TDisposition Disposition;
    std::map<std::string, std::string> Environnement;
    const char* Existant; // a folder made before the resolution, or nullptr
    const char* Fichier;  // a regular file made before the resolution, or nullptr
    const char* Attendu;  // the data folder; Programme when it falls back
    int Creations;        // how many folders the resolution tries to create
};

const TCasRepertoire CasRepertoire[] = {
    {"LocalAppData",
     dpWindows,
     {{"LOCALAPPDATA", "{T}/local"}, {"USERPROFILE", "{T}/profil"}},
     nullptr,
     nullptr,
     "{T}/local/Tessarine/Dorvane/",
     1},
    {"LocalAppDataWithTrailingSeparator",
     dpWindows,
     {{"LOCALAPPDATA", "{T}/local/"}},
     nullptr,
     nullptr,
     "{T}/local/Tessarine/Dorvane/",
     1},
    {"OnlyUserProfile",
     dpWindows,
     {{"USERPROFILE", "{T}/profil"}},
     nullptr,
     nullptr,
     "{T}/profil/Local Settings/Application Data/Tessarine/Dorvane/",
     1},
    {"NeitherWindowsVariable", dpWindows, {{"HOME", "{T}/maison"}}, nullptr, nullptr, nullptr, 0},
    {"ExistingLocalAppDataFolder",
     dpWindows,
     {{"LOCALAPPDATA", "{T}/local"}},
     "{T}/local/Tessarine/Dorvane",
     nullptr,
     "{T}/local/Tessarine/Dorvane/",
     0},
    // A failed LOCALAPPDATA folder does not move on to USERPROFILE.
    {"LocalAppDataCannotBeCreated",
     dpWindows,
     {{"LOCALAPPDATA", "{T}/fichier"}, {"USERPROFILE", "{T}/profil"}},
     nullptr,
     "{T}/fichier",
     nullptr,
     1},
    {"XdgConfigHome",
     dpUnix,
     {{"XDG_CONFIG_HOME", "{T}/config"}, {"HOME", "{T}/maison"}},
     nullptr,
     nullptr,
     "{T}/config/Tessarine/Dorvane/",
     1},
    {"OnlyHome",
     dpUnix,
     {{"HOME", "{T}/maison"}},
     nullptr,
     nullptr,
     "{T}/maison/.config/Tessarine/Dorvane/",
     1},
    {"RelativeXdgConfigHomeIgnored",
     dpUnix,
     {{"XDG_CONFIG_HOME", "config"}, {"HOME", "{T}/maison"}},
     nullptr,
     nullptr,
     "{T}/maison/.config/Tessarine/Dorvane/",
     1},
    {"NeitherUnixVariable", dpUnix, {{"LOCALAPPDATA", "{T}/local"}}, nullptr, nullptr, nullptr, 0},
    {"ExistingXdgFolder",
     dpUnix,
     {{"XDG_CONFIG_HOME", "{T}/config"}},
     "{T}/config/Tessarine/Dorvane",
     nullptr,
     "{T}/config/Tessarine/Dorvane/",
     0},
    {"XdgFolderCannotBeCreated",
     dpUnix,
     {{"XDG_CONFIG_HOME", "{T}/fichier"}, {"HOME", "{T}/maison"}},
     nullptr,
     "{T}/fichier",
     nullptr,
     1},
    {"HomeFolderCannotBeCreated", dpUnix, {{"HOME", "{T}/fichier"}}, nullptr, "{T}/fichier", nullptr, 1},
};

class RepertoireDonnees : public testing::TestWithParam<TCasRepertoire> {};

TEST_P(RepertoireDonnees, ResolvesCreatesOrFallsBack) {
    const TCasRepertoire& Cas = GetParam();
    TDossierTemporaire Dossier;
    if (Cas.Existant)
        std::filesystem::create_directories(Dans(Dossier, Cas.Existant));
    if (Cas.Fichier)
        EcritTexte(Dans(Dossier, Cas.Fichier), "pas un dossier");

    std::map<std::string, std::string> Environnement;
    for (const auto& [Nom, Valeur] : Cas.Environnement)
        Environnement[Nom] = Dans(Dossier, Valeur);
    const auto Lecture = [&](const char* Nom) {
        const auto i = Environnement.find(Nom);
        return i == Environnement.end() ? std::string() : i->second;
    };
    const TDossiers Reels = DossiersReels();
    int Creations = 0;
    const TDossiers Observes{Reels.Existe, [&](const std::string& Chemin) {
                                 ++Creations;
                                 return Reels.Cree(Chemin);
                             }};

    const std::string Resultat = ResoutRepertoire(Cas.Disposition, Lecture, '/', Programme, Observes);

    EXPECT_EQ(Resultat, Cas.Attendu ? Dans(Dossier, Cas.Attendu) : Programme);
    EXPECT_EQ(Creations, Cas.Creations);
    if (Cas.Attendu) {
        EXPECT_TRUE(std::filesystem::is_directory(Resultat));
    }
}

INSTANTIATE_TEST_SUITE_P(Cas, RepertoireDonnees, testing::ValuesIn(CasRepertoire),
                         [](const auto& Info) { return std::string(Info.param.Nom); });

// The Windows layout composed with its own separator, on folders that exist only in the test.
TEST(RepertoireDonneesWindows, UsesBackslashesAndTestsExistenceBeforeCreating) {
    std::vector<std::string> Appels;
    const TDossiers Simules{[&](const std::string& Chemin) {
                                Appels.push_back("existe " + Chemin);
                                return false;
                            },
                            [&](const std::string& Chemin) {
                                Appels.push_back("crée " + Chemin);
                                return true;
                            }};
    const auto Seulement = [](std::string Nom, std::string Valeur) {
        return [=](const char* Demande) { return Nom == Demande ? Valeur : std::string(); };
    };

    EXPECT_EQ(ResoutRepertoire(dpWindows, Seulement("LOCALAPPDATA", "C:\\Users\\Zoé\\AppData\\Local"), '\\',
                               "D:\\Jeux\\Dorvane\\", Simules),
              "C:\\Users\\Zoé\\AppData\\Local\\Tessarine\\Dorvane\\");
    EXPECT_EQ(Appels, (std::vector<std::string>{"existe C:\\Users\\Zoé\\AppData\\Local\\Tessarine\\Dorvane",
                                                "crée C:\\Users\\Zoé\\AppData\\Local\\Tessarine\\Dorvane"}));

    EXPECT_EQ(ResoutRepertoire(dpWindows, Seulement("USERPROFILE", "C:\\Documents and Settings\\Zoé"), '\\',
                               "D:\\Jeux\\Dorvane\\", Simules),
              "C:\\Documents and Settings\\Zoé\\Local Settings\\Application Data\\Tessarine\\Dorvane\\");
}

// Sets an environment variable for one test and puts the old value back.
class TVariable {
public:
    TVariable(const char* Nom, const char* Valeur) : FNom(Nom) {
        if (const char* Ancienne = std::getenv(Nom))
            FAncienne = Ancienne;
        Valeur ? setenv(Nom, Valeur, 1) : unsetenv(Nom);
    }
    ~TVariable() { FAncienne ? setenv(FNom, FAncienne->c_str(), 1) : unsetenv(FNom); }

private:
    const char* FNom;
    std::optional<std::string> FAncienne;
};

TEST(InitialiseRepertoire, FollowsTheProcessEnvironmentAndIsEmptiedAtShutDown) {
    TDossierTemporaire Dossier;
    {
        const TVariable Config("XDG_CONFIG_HOME", Dossier.Chemin().c_str());
        InitialiseRepertoire();
        EXPECT_EQ(stRepDonnees, Dossier / "Tessarine/Dorvane/");
        EXPECT_TRUE(std::filesystem::is_directory(stRepDonnees));
    }
    {
        const TVariable Config("XDG_CONFIG_HOME", nullptr);
        const TVariable Maison("HOME", nullptr);
        InitialiseRepertoire(Programme);
        EXPECT_EQ(stRepDonnees, Programme);
    }
    LibereRepertoire();
    EXPECT_EQ(stRepDonnees, "");
}

TEST(RepertoireProgramme, IsTheFolderOfTheRunningProgramWithItsSeparator) {
    const std::string Repertoire = RepertoireProgramme();
    ASSERT_FALSE(Repertoire.empty());
    EXPECT_EQ(Repertoire.back(), '/');
    EXPECT_TRUE(std::filesystem::is_regular_file(Repertoire + "test_settings"));
}

} // namespace
