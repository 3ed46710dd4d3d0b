#include "data_folder.h"

#include "utf8_path.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <vector>
#include <windows.h>
#endif

std::string stRepDonnees;

namespace {

#ifdef _WIN32
constexpr TDisposition DispositionNative = dpWindows;
constexpr char SeparateurNatif = '\\';
#else
constexpr TDisposition DispositionNative = dpUnix;
constexpr char SeparateurNatif = '/';
#endif

// A variable given as "C:\Users\x\" or "/home/x/" must not double the separator it is joined with.
std::string SansSeparateurFinal(std::string Chemin, char Separateur) {
    while (!Chemin.empty() && (Chemin.back() == Separateur || Chemin.back() == '/'))
        Chemin.pop_back();
    return Chemin;
}

std::string Joint(std::string Base, std::initializer_list<const char*> Noms, char Separateur) {
    Base = SansSeparateurFinal(std::move(Base), Separateur);
    for (const char* Nom : Noms) {
        Base += Separateur;
        Base += Nom;
    }
    return Base;
}

std::string Utilise(const std::string& Dossier, char Separateur, const std::string& RepProgramme,
                    const TDossiers& Dossiers) {
    if (Dossiers.Existe(Dossier) || Dossiers.Cree(Dossier))
        return Dossier + Separateur;
    return RepProgramme;
}

std::string ResoutWindows(const TLectureEnvironnement& Environnement, char Separateur,
                          const std::string& RepProgramme, const TDossiers& Dossiers) {
    if (const std::string Local = Environnement("LOCALAPPDATA"); !Local.empty())
        return Utilise(Joint(Local, {"Tessarine", "Dorvane"}, Separateur), Separateur, RepProgramme,
                       Dossiers);
    if (const std::string Profil = Environnement("USERPROFILE"); !Profil.empty())
        return Utilise(
            Joint(Profil, {"Local Settings", "Application Data", "Tessarine", "Dorvane"}, Separateur),
            Separateur, RepProgramme, Dossiers);
    return RepProgramme;
}

std::string ResoutUnix(const TLectureEnvironnement& Environnement, char Separateur,
                       const std::string& RepProgramme, const TDossiers& Dossiers) {
    // A relative XDG_CONFIG_HOME is invalid by its own rules and is ignored.
    if (const std::string Config = Environnement("XDG_CONFIG_HOME");
        !Config.empty() && Config.front() == Separateur)
        return Utilise(Joint(Config, {"Tessarine", "Dorvane"}, Separateur), Separateur, RepProgramme,
                       Dossiers);
    if (const std::string Maison = Environnement("HOME"); !Maison.empty())
        return Utilise(Joint(Maison, {".config", "Tessarine", "Dorvane"}, Separateur), Separateur,
                       RepProgramme, Dossiers);
    return RepProgramme;
}

} // namespace

TDossiers DossiersReels() {
    return {
        [](const std::string& Chemin) {
            std::error_code Erreur;
            return std::filesystem::is_directory(CheminUtf8(Chemin), Erreur);
        },
        [](const std::string& Chemin) {
            std::error_code Erreur;
            std::filesystem::create_directories(CheminUtf8(Chemin), Erreur);
            return !Erreur && std::filesystem::is_directory(CheminUtf8(Chemin), Erreur);
        },
    };
}

std::string ResoutRepertoire(TDisposition Disposition, const TLectureEnvironnement& Environnement,
                             char Separateur, const std::string& RepProgramme, const TDossiers& Dossiers) {
    return Disposition == dpWindows ? ResoutWindows(Environnement, Separateur, RepProgramme, Dossiers)
                                    : ResoutUnix(Environnement, Separateur, RepProgramme, Dossiers);
}

std::string LitEnvironnement(const char* Nom) {
#ifdef _WIN32
    const std::wstring NomLarge = std::filesystem::path(Nom).wstring();
    const wchar_t* Valeur = _wgetenv(NomLarge.c_str());
    return Valeur ? TexteUtf8(std::filesystem::path(Valeur)) : std::string();
#else
    const char* Valeur = std::getenv(Nom);
    return Valeur ? std::string(Valeur) : std::string();
#endif
}

std::string RepertoireProgramme() {
    std::filesystem::path Programme;
#ifdef _WIN32
    std::vector<wchar_t> Tampon(MAX_PATH);
    for (;;) {
        const DWORD Longueur = GetModuleFileNameW(nullptr, Tampon.data(), static_cast<DWORD>(Tampon.size()));
        if (Longueur == 0)
            break;
        if (Longueur < Tampon.size()) {
            Programme = std::filesystem::path(std::wstring(Tampon.data(), Longueur));
            break;
        }
        Tampon.resize(Tampon.size() * 2);
    }
#else
    std::error_code Erreur;
    Programme = std::filesystem::read_symlink("/proc/self/exe", Erreur);
#endif
    std::filesystem::path Dossier = Programme.parent_path();
    if (Dossier.empty()) {
        // Without the program's path, the working folder is the closest thing to "beside it".
        std::error_code Erreur;
        Dossier = std::filesystem::current_path(Erreur);
    }
    return Dossier.empty() ? std::string(".") + SeparateurNatif
                           : SansSeparateurFinal(TexteUtf8(Dossier), SeparateurNatif) + SeparateurNatif;
}

void InitialiseRepertoire(const std::string& RepProgramme) {
    stRepDonnees = ResoutRepertoire(DispositionNative, LitEnvironnement, SeparateurNatif, RepProgramme);
}

void InitialiseRepertoire() {
    InitialiseRepertoire(RepertoireProgramme());
}

void LibereRepertoire() {
    stRepDonnees.clear();
}
