#include "ini_file.h"

#include "utf8_path.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr const char* FinDeLigneNative = "\r\n";
#else
constexpr const char* FinDeLigneNative = "\n";
#endif

constexpr std::string_view MarqueUtf8 = "\xEF\xBB\xBF";

std::string_view SansBlancs(std::string_view Texte) {
    const auto Debut = Texte.find_first_not_of(" \t");
    if (Debut == std::string_view::npos)
        return {};
    const auto Fin = Texte.find_last_not_of(" \t");
    return Texte.substr(Debut, Fin - Debut + 1);
}

std::string Concatene(std::initializer_list<std::string_view> Parties) {
    std::string Texte;
    for (const std::string_view Partie : Parties)
        Texte.append(Partie);
    return Texte;
}

bool MemeNom(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto Minuscule = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (Minuscule(a[i]) != Minuscule(b[i]))
            return false;
    }
    return true;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> NomSection(std::string_view Ligne) {
    Ligne = SansBlancs(Ligne);
    if (Ligne.empty() || Ligne.front() != '[')
        return std::nullopt;
    const auto Fermeture = Ligne.find(']');
    if (Fermeture == std::string_view::npos)
        return std::nullopt;
    return SansBlancs(Ligne.substr(1, Fermeture - 1));
}

bool EstCommentaire(std::string_view Ligne) {
    Ligne = SansBlancs(Ligne);
    return !Ligne.empty() && (Ligne.front() == ';' || Ligne.front() == '#');
}

// The key of a "key=value" line, or nothing for any other line.
std::optional<std::string_view> NomCle(std::string_view Ligne) {
    if (EstCommentaire(Ligne) || NomSection(Ligne))
        return std::nullopt;
    const auto Egal = Ligne.find('=');
    if (Egal == std::string_view::npos)
        return std::nullopt;
    const std::string_view Cle = SansBlancs(Ligne.substr(0, Egal));
    if (Cle.empty())
        return std::nullopt;
    return Cle;
}

std::optional<int> Entier(std::string_view Texte) {
    Texte = SansBlancs(Texte);
    bool Negatif = false;
    if (!Texte.empty() && (Texte.front() == '+' || Texte.front() == '-')) {
        Negatif = Texte.front() == '-';
        Texte.remove_prefix(1);
    }
    int Base = 10;
    if (Texte.size() > 2 && Texte[0] == '0' && (Texte[1] == 'x' || Texte[1] == 'X')) {
        Base = 16;
        Texte.remove_prefix(2);
    }
    // from_chars would take a second sign.
    if (Texte.empty() || Texte.front() == '-')
        return std::nullopt;
    long long Valeur = 0;
    const auto [Suite, Code] = std::from_chars(Texte.data(), Texte.data() + Texte.size(), Valeur, Base);
    if (Code != std::errc() || Suite != Texte.data() + Texte.size())
        return std::nullopt;
    if (Negatif)
        Valeur = -Valeur;
    if (Valeur < INT_MIN || Valeur > INT_MAX)
        return std::nullopt;
    return static_cast<int>(Valeur);
}

std::string MessageErreur(const std::string& NomFichier, const std::string& Raison) {
    return "Les réglages n'ont pas pu être enregistrés dans le fichier « " + NomFichier + " » : " + Raison +
           ".";
}

std::string RaisonSysteme(int Code) {
    return std::generic_category().message(Code);
}

std::FILE* CreeNouveauFichier(const fs::path& Chemin) {
    // "x": never reuse a file someone else is writing.
#ifdef _WIN32
    return _wfopen(Chemin.c_str(), L"wbx");
#else
    return std::fopen(Chemin.c_str(), "wbx");
#endif
}

int VersDisque(std::FILE* Fichier) {
#ifdef _WIN32
    return _commit(_fileno(Fichier));
#else
    return fsync(fileno(Fichier));
#endif
}

// The rename itself must reach the disk too, or a power cut could bring the old file back.
void SynchroniseDossier([[maybe_unused]] const fs::path& Dossier) {
#ifndef _WIN32
    const int Descripteur = open(Dossier.empty() ? "." : Dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (Descripteur >= 0) {
        fsync(Descripteur);
        close(Descripteur);
    }
#endif
}

} // namespace

TIniFile::TIniFile(std::string NomFichier) : FNomFichier(std::move(NomFichier)) {
    const fs::path Chemin = CheminUtf8(FNomFichier);
    std::error_code Code;
    const fs::file_status Etat = fs::status(Chemin, Code);
    std::string Contenu;
    if (fs::exists(Etat)) {
        std::ifstream Flux;
        if (fs::is_regular_file(Etat))
            Flux.open(Chemin, std::ios::binary);
        if (!Flux.is_open()) {
            FErreurLecture = "le fichier existe mais ne peut pas être lu";
        } else {
            std::ostringstream Tampon;
            Tampon << Flux.rdbuf();
            if (Flux.bad())
                FErreurLecture = "le fichier existe mais ne peut pas être lu";
            else
                Contenu = std::move(Tampon).str();
        }
    } else if (Code && Code != std::errc::no_such_file_or_directory && Code != std::errc::not_a_directory) {
        FErreurLecture = RaisonSysteme(Code.value());
    }

    std::string_view Reste = Contenu;
    if (Reste.starts_with(MarqueUtf8)) {
        FMarque = MarqueUtf8;
        Reste.remove_prefix(MarqueUtf8.size());
    }
    while (!Reste.empty()) {
        const auto Saut = Reste.find('\n');
        std::string_view Ligne = Reste.substr(0, Saut);
        std::string_view Fin;
        if (Saut == std::string_view::npos) {
            Reste = {};
        } else {
            Reste.remove_prefix(Saut + 1);
            Fin = "\n";
            if (Ligne.ends_with('\r')) {
                Ligne.remove_suffix(1);
                Fin = "\r\n";
            }
        }
        if (FFinDeLigne.empty())
            FFinDeLigne = Fin;
        FLignes.push_back({std::string(Ligne), std::string(Fin)});
    }
    if (FFinDeLigne.empty())
        FFinDeLigne = std::string(FinDeLigneNative);
}

std::optional<TIniFile::TSection> TIniFile::TrouveSection(std::string_view Section) const {
    for (std::size_t i = 0; i < FLignes.size(); ++i) {
        const auto Nom = NomSection(FLignes[i].Texte);
        if (!Nom || !MemeNom(*Nom, Section))
            continue;
        std::size_t Fin = i + 1;
        while (Fin < FLignes.size() && !NomSection(FLignes[Fin].Texte))
            ++Fin;
        return TSection{i, Fin};
    }
    return std::nullopt;
}

std::optional<std::size_t> TIniFile::TrouveCle(const TSection& Section, std::string_view Ident) const {
    for (std::size_t i = Section.Entete + 1; i < Section.Fin; ++i) {
        const auto Cle = NomCle(FLignes[i].Texte);
        if (Cle && MemeNom(*Cle, Ident))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> TIniFile::Valeur(std::string_view Section, std::string_view Ident) const {
    const auto Sec = TrouveSection(Section);
    if (!Sec)
        return std::nullopt;
    const auto Ligne = TrouveCle(*Sec, Ident);
    if (!Ligne)
        return std::nullopt;
    const std::string_view Texte = FLignes[*Ligne].Texte;
    return std::string(SansBlancs(Texte.substr(Texte.find('=') + 1)));
}

std::string TIniFile::ReadString(std::string_view Section, std::string_view Ident,
                                 const std::string& Default) const {
    return Valeur(Section, Ident).value_or(Default);
}

int TIniFile::ReadInteger(std::string_view Section, std::string_view Ident, int Default) const {
    const auto Texte = Valeur(Section, Ident);
    return Texte ? Entier(*Texte).value_or(Default) : Default;
}

bool TIniFile::ReadBool(std::string_view Section, std::string_view Ident, bool Default) const {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) {
    const auto Sec = TrouveSection(Section);
    if (!Sec) {
        if (!FLignes.empty() && FLignes.back().Fin.empty())
            FLignes.back().Fin = FFinDeLigne;
        FLignes.push_back({Concatene({"[", Section, "]"}), FFinDeLigne});
        FLignes.push_back({Concatene({Ident, "=", Value}), FFinDeLigne});
        FModifie = true;
        return;
    }
    if (const auto Ligne = TrouveCle(*Sec, Ident)) {
        std::string& Texte = FLignes[*Ligne].Texte;
        // Keep the key as it is spelled and spaced in the file, and replace only the value.
        auto DebutValeur = Texte.find('=') + 1;
        while (DebutValeur < Texte.size() && (Texte[DebutValeur] == ' ' || Texte[DebutValeur] == '\t'))
            ++DebutValeur;
        if (SansBlancs(std::string_view(Texte).substr(DebutValeur)) == Value)
            return;
        Texte.replace(DebutValeur, std::string::npos, Value);
        FModifie = true;
        return;
    }
    std::size_t Apres = Sec->Entete;
    for (std::size_t i = Sec->Entete + 1; i < Sec->Fin; ++i)
        if (NomCle(FLignes[i].Texte))
            Apres = i;
    if (FLignes[Apres].Fin.empty())
        FLignes[Apres].Fin = FFinDeLigne;
    FLignes.insert(FLignes.begin() + static_cast<std::ptrdiff_t>(Apres + 1),
                   {Concatene({Ident, "=", Value}), FFinDeLigne});
    FModifie = true;
}

void TIniFile::WriteInteger(std::string_view Section, std::string_view Ident, int Value) {
    WriteString(Section, Ident, std::to_string(Value));
}

void TIniFile::WriteBool(std::string_view Section, std::string_view Ident, bool Value) {
    WriteString(Section, Ident, Value ? "1" : "0");
}

std::string TIniFile::Text() const {
    std::string Texte = FMarque;
    for (const TLigne& Ligne : FLignes) {
        Texte += Ligne.Texte;
        Texte += Ligne.Fin;
    }
    return Texte;
}

bool TIniFile::Save(std::string* Erreur) {
    const auto Echec = [&](const std::string& Raison) {
        if (Erreur)
            *Erreur = MessageErreur(FNomFichier, Raison);
        return false;
    };
    if (!FErreurLecture.empty())
        return Echec(FErreurLecture);
    if (!FModifie)
        return true;
    try {
        fs::path Cible = CheminUtf8(FNomFichier);
        std::error_code Code;
        // Replace what a link points to, not the link.
        if (fs::is_symlink(fs::symlink_status(Cible, Code))) {
            if (fs::path Lien = fs::canonical(Cible, Code); !Code)
                Cible = std::move(Lien);
        }
        const std::string Texte = this->Text();

        fs::path Provisoire;
        std::FILE* Fichier = nullptr;
        for (int Essai = 0; Essai < 100 && !Fichier; ++Essai) {
            Provisoire = Cible;
            Provisoire += ".tmp" + std::to_string(Essai);
            errno = 0;
            Fichier = CreeNouveauFichier(Provisoire);
            if (!Fichier && errno != EEXIST)
                break;
        }
        if (!Fichier)
            return Echec(RaisonSysteme(errno ? errno : EEXIST));

        const bool Ecrit = std::fwrite(Texte.data(), 1, Texte.size(), Fichier) == Texte.size() &&
                           std::fflush(Fichier) == 0 && VersDisque(Fichier) == 0;
        const int CodeEcriture = errno;
        const bool Ferme = std::fclose(Fichier) == 0;
        const int CodeFermeture = errno;
        if (!Ecrit || !Ferme) {
            fs::remove(Provisoire, Code);
            return Echec(RaisonSysteme(!Ecrit ? CodeEcriture : CodeFermeture));
        }

        const fs::file_status Ancien = fs::status(Cible, Code);
        if (fs::exists(Ancien))
            fs::permissions(Provisoire, Ancien.permissions(), Code);
        fs::rename(Provisoire, Cible, Code);
        if (Code) {
            std::error_code Ignore;
            fs::remove(Provisoire, Ignore);
            return Echec(Code.message());
        }
        SynchroniseDossier(Cible.parent_path());
        FModifie = false;
        return true;
    } catch (const std::exception& e) {
        return Echec(e.what());
    }
}
