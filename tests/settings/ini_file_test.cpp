#include "ini_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <sys/stat.h>

namespace {

struct TCasEntier {
    const char* Valeur;
    int Attendu; // with a default of 7
};

const TCasEntier CasEntiers[] = {
    {"12", 12},
    {" 12 ", 12},
    {"-3", -3},
    {"+4", 4},
    {"0x1F", 31},
    {"0X1f", 31},
    {"-0x2", -2},
    {"0", 0},
    {"2147483647", INT_MAX},
    {"-2147483648", INT_MIN},
    {"2147483648", 7},
    {"99999999999999999999", 7},
    {"0x100000000", 7},
    {"", 7},
    {"abc", 7},
    {"12abc", 7},
    {"1.5", 7},
    {"0x", 7},
    {"0xG", 7},
    {"--5", 7},
    {"0x-1", 7},
    {"- 5", 7},
    {"$1F", 7},
};

TEST(LectureEntier, DecimalOrHexadecimalElseTheDefault) {
    TDossierTemporaire Dossier;
    for (const TCasEntier& Cas : CasEntiers) {
        EcritTexte(Dossier / "f.ini", std::string("[S]\nK=") + Cas.Valeur + "\n");
        EXPECT_EQ(TIniFile(Dossier / "f.ini").ReadInteger("S", "K", 7), Cas.Attendu)
            << '"' << Cas.Valeur << '"';
    }
}

TEST(Lecture, MissingFileSectionOrKeyGivesTheDefault) {
    TDossierTemporaire Dossier;
    EXPECT_EQ(TIniFile(Dossier / "absent.ini").ReadInteger("S", "K", 5), 5);
    EXPECT_TRUE(TIniFile(Dossier / "absent.ini").ReadBool("S", "K", true));
    EcritTexte(Dossier / "f.ini", "; rien\n[Autre]\nK=1\n[S]\nJ=1\nK\n");
    const TIniFile Fichier(Dossier / "f.ini");
    EXPECT_EQ(Fichier.ReadInteger("Absente", "K", 5), 5);
    EXPECT_EQ(Fichier.ReadInteger("S", "Absente", 5), 5);
    EXPECT_EQ(Fichier.ReadInteger("S", "K", 5), 5) << "a line without '=' is no key";
}

TEST(Lecture, NamesIgnoreCaseAndTheFirstOccurrenceWins) {
    TDossierTemporaire Dossier;
    EcritTexte(Dossier / "f.ini",
               "\xEF\xBB\xBF[oPtIoNs]\r\n  couljrg = 3 \r\nCOULJRG=5\r\n[Options]\r\nMode=1\r\n");
    const TIniFile Fichier(Dossier / "f.ini");
    EXPECT_EQ(Fichier.ReadInteger("Options", "CoulJrG", 0), 3);
    EXPECT_FALSE(Fichier.ReadBool("Options", "Mode", false)) << "only the first [Options] is read";
}

TEST(Lecture, BooleansAreIntegersTrueWhenNotZero) {
    TDossierTemporaire Dossier;
    EcritTexte(Dossier / "f.ini", "[S]\nZero=0\nUn=1\nDeux=2\nMoins=-1\nHexa=0x0\nMot=oui\n");
    const TIniFile Fichier(Dossier / "f.ini");
    EXPECT_FALSE(Fichier.ReadBool("S", "Zero", true));
    EXPECT_TRUE(Fichier.ReadBool("S", "Un", false));
    EXPECT_TRUE(Fichier.ReadBool("S", "Deux", false));
    EXPECT_TRUE(Fichier.ReadBool("S", "Moins", false));
    EXPECT_FALSE(Fichier.ReadBool("S", "Hexa", true));
    EXPECT_TRUE(Fichier.ReadBool("S", "Mot", true));
    EXPECT_FALSE(Fichier.ReadBool("S", "Mot", false));
}

// What a file becomes after some writes: everything not written keeps its bytes.
struct TCasEcriture {
    const char* Nom;
    const char* Avant; // nullptr: no file
    std::function<void(TIniFile&)> Ecritures;
    const char* Apres;
};

const TCasEcriture CasEcritures[] = {
    {"NewFile", nullptr,
     [](TIniFile& f) {
         f.WriteInteger("A", "x", -12);
         f.WriteBool("B", "y", true);
         f.WriteBool("A", "z", false);
     },
     "[A]\nx=-12\nz=0\n[B]\ny=1\n"},
    {"ValueReplacedInPlaceKeepingSpellingAndSpacing", "[a]\n  Cle =  0x3\n",
     [](TIniFile& f) { f.WriteInteger("A", "CLE", 4); }, "[a]\n  Cle =  4\n"},
    {"SameValueLeavesTheLineAlone", "[A]\nK = 4   \n", [](TIniFile& f) { f.WriteInteger("A", "K", 4); },
     "[A]\nK = 4   \n"},
    {"NewKeyAfterTheLastKeyOfItsSection", "[A]\nK=1\n; note\n\n[B]\nL=2\n",
     [](TIniFile& f) { f.WriteInteger("A", "N", 3); }, "[A]\nK=1\nN=3\n; note\n\n[B]\nL=2\n"},
    {"NewKeyInAnEmptySection", "[A]\n\n[B]\n", [](TIniFile& f) { f.WriteInteger("A", "N", 3); },
     "[A]\nN=3\n\n[B]\n"},
    {"CrLfFileGetsCrLfLines", "[A]\r\nK=1\r\n",
     [](TIniFile& f) {
         f.WriteInteger("A", "K", 2);
         f.WriteInteger("A", "N", 3);
         f.WriteInteger("C", "M", 4);
     },
     "[A]\r\nK=2\r\nN=3\r\n[C]\r\nM=4\r\n"},
    {"LastLineWithoutLineEnd", "[A]\nK=1", [](TIniFile& f) { f.WriteInteger("B", "N", 3); },
     "[A]\nK=1\n[B]\nN=3\n"},
    {"ByteOrderMarkAndLinesBeforeAnySectionKept", "\xEF\xBB\xBF; en-tête\nlibre=1\n[A]\nK=1\n",
     [](TIniFile& f) {
         f.WriteInteger("A", "libre", 5);
         f.WriteInteger("A", "K", 6);
     },
     "\xEF\xBB\xBF; en-tête\nlibre=1\n[A]\nK=6\nlibre=5\n"},
    {"CommentedKeyIsNotTheKey", "[A]\n;K=1\n#K=2\n", [](TIniFile& f) { f.WriteInteger("A", "K", 3); },
     "[A]\nK=3\n;K=1\n#K=2\n"},
};

class Ecriture : public testing::TestWithParam<TCasEcriture> {};

TEST_P(Ecriture, TouchesOnlyTheKeysWritten) {
    const TCasEcriture& Cas = GetParam();
    TDossierTemporaire Dossier;
    const std::string Chemin = Dossier / "f.ini";
    if (Cas.Avant)
        EcritTexte(Chemin, Cas.Avant);
    TIniFile Fichier(Chemin);
    Cas.Ecritures(Fichier);
    std::string Erreur;
    ASSERT_TRUE(Fichier.Save(&Erreur)) << Erreur;
    EXPECT_EQ(LitTexte(Chemin), Cas.Apres);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dossier.Chemin()), {}), 1)
        << "no file left over";
}

INSTANTIATE_TEST_SUITE_P(Cas, Ecriture, testing::ValuesIn(CasEcritures),
                         [](const auto& Info) { return std::string(Info.param.Nom); });

TEST(Enregistrement, AnUnchangedFileIsNotRewritten) {
    TDossierTemporaire Dossier;
    const std::string Chemin = Dossier / "f.ini";
    EcritTexte(Chemin, "[A]\nK=1\n");
    struct stat Avant {};
    ASSERT_EQ(stat(Chemin.c_str(), &Avant), 0);
    TIniFile Fichier(Chemin);
    Fichier.WriteInteger("A", "K", 1);
    EXPECT_FALSE(Fichier.Modified());
    EXPECT_TRUE(Fichier.Save());
    struct stat Apres {};
    ASSERT_EQ(stat(Chemin.c_str(), &Apres), 0);
    EXPECT_EQ(Apres.st_ino, Avant.st_ino);
}

TEST(Enregistrement, KeepsThePermissionsAndFollowsALink) {
    TDossierTemporaire Dossier;
    const std::string Vrai = Dossier / "vrai.ini";
    const std::string Lien = Dossier / "lien.ini";
    EcritTexte(Vrai, "[A]\nK=1\n");
    std::filesystem::permissions(Vrai,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink(Vrai, Lien);
    TIniFile Fichier(Lien);
    Fichier.WriteInteger("A", "K", 2);
    ASSERT_TRUE(Fichier.Save());
    EXPECT_TRUE(std::filesystem::is_symlink(Lien));
    EXPECT_EQ(LitTexte(Vrai), "[A]\nK=2\n");
    EXPECT_EQ(std::filesystem::status(Vrai).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

} // namespace
