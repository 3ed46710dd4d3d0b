#include "options.h"

#include "data_folder.h"
#include "ini_file.h"

#include <exception>

namespace {

constexpr const char* SectionOptions = "Options";
constexpr const char* SectionAffichage = "Affichage";
constexpr std::array<TIdJoueur, 2> Joueurs{jGauche, jDroite};

std::string Cle(const char* Racine, TIdJoueur j) {
    return std::string(Racine) + SuffixeJoueur[j];
}

} // namespace

std::string CheminFichierOptions() {
    return stRepDonnees + NomFichierOptions;
}

TOptions LitFichierOptions(const std::string& Chemin) {
    TOptions Options;
    try {
        const TIniFile Fichier(Chemin);
        for (const TIdJoueur j : Joueurs) {
            const int Couleur = Fichier.ReadInteger(SectionOptions, Cle("CoulJr", j), CouleurDefaut[j]);
            Options.Couleur[j] =
                EstCouleurDeJoueur(Couleur) ? static_cast<TCouleur>(Couleur) : CouleurDefaut[j];
            Options.Automate[j] = Fichier.ReadBool(SectionOptions, Cle("TypeJr", j), false);
        }
        Options.Master = Fichier.ReadBool(SectionOptions, "Mode", false);
        Options.Poses = Fichier.ReadBool(SectionAffichage, "Poses", true);
        Options.Scores = Fichier.ReadBool(SectionAffichage, "Scores", true);
        const int Niveau = Fichier.ReadInteger(SectionOptions, "NiveauAutomate", NiveauAutomateDefaut);
        Options.NiveauAutomate = Niveau >= 0 && Niveau < NbNiveauxAutomate ? Niveau : NiveauAutomateDefaut;
    } catch (const std::exception&) {
        // Only memory can run out here; the settings are not worth stopping the program for.
        return TOptions{};
    }
    return Options;
}

bool EcritFichierOptions(const std::string& Chemin, const TOptions& Options, std::string* Erreur) {
    try {
        TIniFile Fichier(Chemin);
        for (const TIdJoueur j : Joueurs) {
            Fichier.WriteInteger(SectionOptions, Cle("CoulJr", j), Options.Couleur[j]);
            Fichier.WriteBool(SectionOptions, Cle("TypeJr", j), Options.Automate[j]);
        }
        Fichier.WriteBool(SectionOptions, "Mode", Options.Master);
        Fichier.WriteBool(SectionAffichage, "Poses", Options.Poses);
        Fichier.WriteBool(SectionAffichage, "Scores", Options.Scores);
        Fichier.WriteInteger(SectionOptions, "NiveauAutomate", Options.NiveauAutomate);
        return Fichier.Save(Erreur);
    } catch (const std::exception& e) {
        if (Erreur)
            *Erreur = "Les réglages n'ont pas pu être enregistrés dans le fichier « " + Chemin +
                      " » : " + e.what() + ".";
        return false;
    }
}
