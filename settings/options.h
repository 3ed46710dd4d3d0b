// The user's choices kept from one run to the next, and their place in the settings file.
#pragma once

#include "colours.h"

#include <array>
#include <string>

inline constexpr const char* NomFichierOptions = "Ferrandel.ini";

// The strength of the computer opponent, weakest first.
inline constexpr int NbNiveauxAutomate = 4;
inline constexpr int NiveauAutomateDefaut = 2;

// The colours that have a die body and a ring, so that a player's dice can be drawn.
constexpr bool EstCouleurDeJoueur(int Couleur) {
    return Couleur >= cNoir && Couleur <= cPourpre;
}

struct TOptions {
    std::array<TCouleur, 3> Couleur = CouleurDefaut;   // by TIdJoueur; the jIndefini entry is unused
    std::array<bool, 3> Automate{false, false, false}; // by TIdJoueur: played by the computer
    bool Master = false;                               // the mode of the next game
    bool Poses = true;                                 // show the playable cells
    bool Scores = true;                                // show the capture scores on them
    int NiveauAutomate = NiveauAutomateDefaut;         // 0 to NbNiveauxAutomate - 1

    bool operator==(const TOptions&) const = default;
};

// stRepDonnees + "Ferrandel.ini".
std::string CheminFichierOptions();

// The options of the file, each missing or unusable value replaced by its default: a colour
// without die body or ring gives that player's default colour, a level out of range the
// default level. A missing or unreadable file gives the defaults. Throws nothing.
TOptions LitFichierOptions(const std::string& Chemin);

// Writes every option into the file, keeping everything else the file holds. On failure the
// file is left as it was, false is returned and Erreur (when given) receives a French message
// naming the file. Throws nothing.
bool EcritFichierOptions(const std::string& Chemin, const TOptions& Options, std::string* Erreur = nullptr);
