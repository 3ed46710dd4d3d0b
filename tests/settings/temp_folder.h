// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

class TDossierTemporaire {
public:
    TDossierTemporaire() {
        std::string Modele = (std::filesystem::temp_directory_path() / "dorvane-settings-XXXXXX").string();
        if (!mkdtemp(Modele.data()))
            throw std::runtime_error("mkdtemp failed");
        FChemin = Modele;
    }
    ~TDossierTemporaire() {
        std::error_code Erreur;
        std::filesystem::remove_all(FChemin, Erreur);
    }
    TDossierTemporaire(const TDossierTemporaire&) = delete;
    TDossierTemporaire& operator=(const TDossierTemporaire&) = delete;

    const std::filesystem::path& Chemin() const { return FChemin; }
    std::string operator/(const std::string& Nom) const { return (FChemin / Nom).string(); }

private:
    std::filesystem::path FChemin;
};

inline void EcritTexte(const std::string& Chemin, const std::string& Texte) {
    std::ofstream(Chemin, std::ios::binary) << Texte;
}

inline std::string LitTexte(const std::string& Chemin) {
    std::ifstream Flux(Chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(Flux), std::istreambuf_iterator<char>()};
}
