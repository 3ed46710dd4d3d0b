// Conversions between the UTF-8 strings the program keeps and file-system paths. On Windows a
// narrow string would be read in the ANSI code page, so accented user names would break.
#pragma once

#include <filesystem>
#include <string>

inline std::filesystem::path CheminUtf8(const std::string& Texte) {
    return std::filesystem::path(std::u8string(Texte.begin(), Texte.end()));
}

inline std::string TexteUtf8(const std::filesystem::path& Chemin) {
    const std::u8string Texte = Chemin.u8string();
    return std::string(Texte.begin(), Texte.end());
}
