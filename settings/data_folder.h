// The per-user data folder that holds the settings file, resolved once at start-up.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The data folder, always ending with a path separator; empty before start-up and after
// shut-down.
extern std::string stRepDonnees;

// Gives the value of an environment variable, or "" when it is unset.
using TLectureEnvironnement = std::function<std::string(const char* Nom)>;

// Which platform's layout of per-user data a resolution follows.
enum TDisposition : std::uint8_t { dpWindows, dpUnix };

// The two folder operations of the resolution, replaceable so that tests can watch them.
struct TDossiers {
    std::function<bool(const std::string& Chemin)> Existe; // true for an existing folder
    std::function<bool(const std::string& Chemin)> Cree;   // creates it with its parents
};

// The real file system.
TDossiers DossiersReels();

// The data folder for the given environment. Windows: LOCALAPPDATA\Tessarine\Dorvane, else
// USERPROFILE\Local Settings\Application Data\Tessarine\Dorvane; Unix: XDG_CONFIG_HOME/
// Tessarine/Dorvane, else HOME/.config/Tessarine/Dorvane. The chosen folder is used if it
// exists and created (with its parents) only if it does not; when neither variable is set,
// or the folder can be neither found nor created, the result is RepProgramme, which must
// end with a separator. Otherwise the result is the folder followed by Separateur.
std::string ResoutRepertoire(TDisposition Disposition, const TLectureEnvironnement& Environnement,
                             char Separateur, const std::string& RepProgramme,
                             const TDossiers& Dossiers = DossiersReels());

// The process environment.
std::string LitEnvironnement(const char* Nom);

// The folder of the running program file, with its trailing separator.
std::string RepertoireProgramme();

// Sets stRepDonnees for the platform the program was built for.
void InitialiseRepertoire();
void InitialiseRepertoire(const std::string& RepProgramme);

// Empties stRepDonnees at shut-down.
void LibereRepertoire();
