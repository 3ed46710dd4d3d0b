// The colours of the game: ten named colours, their RGB values and French names, and the
// colour of each player. Plain C++ so that the settings module can use them too.
#pragma once

#include "base.h"

#include <array>
#include <cstdint>

enum TCouleur : std::uint8_t {
    cNoir,
    cBleu,
    cMagenta,
    cOrange,
    cRouge,
    cJaune,
    cVert,
    cPourpre,
    cBlanc,
    cGris
};

inline constexpr int NbCouleurs = 10;

// 0xRRGGBB.
inline constexpr std::array<std::uint32_t, NbCouleurs> ValeurCouleur{
    0x000000, 0x2450EF, 0xC23979, 0xFF8000, 0xFF0000, 0xFFFF60, 0x008900, 0x974BB4, 0xFFFFFF, 0x404040,
};

inline constexpr std::array<const char*, NbCouleurs> NomCouleur{
    "Noir", "Bleu", "Magenta", "Orange", "Rouge", "Jaune", "Vert", "Pourpre", "Blanc", "Gris",
};

inline constexpr std::array<TCouleur, 3> CouleurDefaut{cNoir, cBleu, cRouge};

// The suffix that names each player's keys in the settings file.
inline constexpr std::array<const char*, 3> SuffixeJoueur{"", "G", "D"};

// Read at every paint; set from the settings file and by the players dialog.
inline std::array<TCouleur, 3> CouleurJoueur{cNoir, cNoir, cNoir};

// Text on a coloured background is black on yellow and white on everything else.
constexpr std::uint32_t CouleurTexteSur(TCouleur fond) {
    return fond == cJaune ? 0x000000 : 0xFFFFFF;
}
