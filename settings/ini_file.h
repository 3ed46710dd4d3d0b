// A small INI file reader and writer. Only the keys a program reads or writes are touched:
// every other section, key, comment, blank line and line ending of the file stays exactly as
// it was. Section and key names compare case-insensitively, as in Windows INI files.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TIniFile {
public:
    // Reads the file now. A missing file reads as empty; a file that exists but cannot be read
    // also reads as empty, and Save then refuses to replace it.
    explicit TIniFile(std::string NomFichier);

    const std::string& FileName() const { return FNomFichier; }

    // The value of a key with surrounding blanks removed, or Default when the section or key
    // is missing. The first occurrence of a repeated section or key wins.
    std::string ReadString(std::string_view Section, std::string_view Ident,
                           const std::string& Default) const;
    // Decimal, or hexadecimal after "0x" or "0X", with an optional sign; anything else, or a
    // value out of the range of int, gives Default.
    int ReadInteger(std::string_view Section, std::string_view Ident, int Default) const;
    // Read as an integer (1 for a true Default, 0 for a false one): true when not 0.
    bool ReadBool(std::string_view Section, std::string_view Ident, bool Default) const;

    // Changes take effect in memory; Save writes them. A key that already holds the same text
    // is left alone; a new key goes after the last key of its section, a new section at the
    // end of the file.
    void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value);
    void WriteInteger(std::string_view Section, std::string_view Ident, int Value);
    void WriteBool(std::string_view Section, std::string_view Ident, bool Value);

    // True when the text in memory differs from the file as read or last saved.
    bool Modified() const { return FModifie; }

    // The whole text as it would be saved.
    std::string Text() const;

    // Replaces the file with the text in memory, when it changed: the text goes to a new file
    // beside it, is flushed to the disk, then renamed over the old one, so the old file stays
    // whole until the new one is complete. On failure the old file is left as it was, false
    // is returned and Erreur (when given) receives a French message naming the file. Throws
    // nothing.
    bool Save(std::string* Erreur = nullptr);

private:
    struct TLigne {
        std::string Texte; // without its line ending
        std::string Fin;   // "\n", "\r\n", or "" for a last line that has none
    };
    struct TSection {
        std::size_t Entete; // index of the "[...]" line
        std::size_t Fin;    // index of the line after the section
    };

    std::optional<TSection> TrouveSection(std::string_view Section) const;
    std::optional<std::size_t> TrouveCle(const TSection& Section, std::string_view Ident) const;
    std::optional<std::string> Valeur(std::string_view Section, std::string_view Ident) const;

    std::string FNomFichier;
    std::string FMarque; // a UTF-8 byte-order mark found at the start, kept as it was
    std::vector<TLigne> FLignes;
    std::string FFinDeLigne;    // the file's own line ending, used for new lines
    std::string FErreurLecture; // why an existing file could not be read; empty when it could
    bool FModifie = false;
};
