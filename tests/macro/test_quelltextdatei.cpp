// Source files: reading in the encodings users have, writing UTF-8, the ".PSB"
// backup, and the automatic save of open sources before a run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/quelltextdatei.h"
#include "makrotest_hilfe.h"

namespace quarzel {
namespace {

namespace fs = std::filesystem;

TEST(Quelltextdatei, WrittenAsUtf8LinesAndReadBack) {
  test::Makroordner ordner;
  const fs::path datei = ordner / "a.PSQ";
  ASSERT_TRUE(speichereQuelltext(datei, "(Grüße) SHOW\r\n10 20 MOVETO"));
  EXPECT_EQ(test::leseBytes(datei), "(Grüße) SHOW\n10 20 MOVETO\n");
  const Quelltextergebnis gelesen = leseQuelltext(datei);
  EXPECT_EQ(gelesen.status, Quelltextstatus::Gelesen);
  EXPECT_EQ(gelesen.text, "(Grüße) SHOW\n10 20 MOVETO");
}

TEST(Quelltextdatei, WindowsFilesAreAccepted) {
  test::Makroordner ordner;
  test::schreibeBytes(ordner / "alt.PSQ",
                      "(Gr\xFC\xDF"
                      "e) SHOW\r\n% \xC4nderung\r\n");
  EXPECT_EQ(leseQuelltext(ordner / "alt.PSQ").text, "(Grüße) SHOW\n% Änderung");
  test::schreibeBytes(ordner / "utf16.PSQ", std::string("\xFF\xFE"
                                                        "A\0D\0D\0\r\0\n\0",
                                                        12));
  EXPECT_EQ(leseQuelltext(ordner / "utf16.PSQ").text, "ADD");
  test::schreibeBytes(ordner / "bom.PSQ",
                      "\xEF\xBB\xBF"
                      "ADD");
  EXPECT_EQ(leseQuelltext(ordner / "bom.PSQ").text, "ADD");
}

TEST(Quelltextdatei, MissingFolderAndHugeFilesAreTold) {
  test::Makroordner ordner;
  EXPECT_EQ(leseQuelltext(ordner / "fehlt.PSQ").status, Quelltextstatus::Fehlt);
  fs::create_directory(ordner / "ordner.PSQ");
  EXPECT_EQ(leseQuelltext(ordner / "ordner.PSQ").status, Quelltextstatus::Unlesbar);
  {
    std::ofstream gross(ordner / "gross.PSQ", std::ios::binary);
    gross.seekp(std::streamoff(HoechsteQuelltextgroesse) + 10);
    gross.put('x');
  }
  EXPECT_EQ(leseQuelltext(ordner / "gross.PSQ").status, Quelltextstatus::ZuGross);
  EXPECT_EQ(meldungQuelltext(Quelltextstatus::Fehlt, "a.PSQ"), "Die Datei a.PSQ wurde nicht gefunden.");
}

TEST(Quelltextdatei, SavingOverAFileKeepsTheOldOneAsPsb) {
  test::Makroordner ordner;
  const fs::path datei = ordner / "a.PSQ";
  ASSERT_TRUE(speichereQuelltext(datei, "eins"));
  EXPECT_FALSE(fs::exists(ordner / "a.PSB"));
  ASSERT_TRUE(speichereQuelltext(datei, "zwei"));
  EXPECT_EQ(test::leseBytes(ordner / "a.PSB"), "eins\n");
  ASSERT_TRUE(speichereQuelltext(datei, "drei"));
  EXPECT_EQ(test::leseBytes(ordner / "a.PSB"), "zwei\n");
  EXPECT_EQ(test::leseBytes(datei), "drei\n");
  std::vector<std::string> namen;
  for (const auto& e : fs::directory_iterator(ordner.pfad())) namen.push_back(e.path().filename().string());
  EXPECT_EQ(namen.size(), 2u);
}

TEST(Quelltextdatei, SaveIntoAMissingFolderGivesTheReason) {
  test::Makroordner ordner;
  std::string fehler;
  EXPECT_FALSE(speichereQuelltext(ordner / "fehlt" / "b.PSQ", "x", &fehler));
  EXPECT_FALSE(fehler.empty());
  EXPECT_FALSE(fs::exists(ordner / "fehlt"));
}

TEST(Quelltextdatei, ExtensionIsAddedOnlyWhenMissing) {
  EXPECT_EQ(mitQuelltextendung("treppe"), "treppe.PSQ");
  EXPECT_EQ(mitQuelltextendung("treppe.psq"), "treppe.psq");
  EXPECT_EQ(mitQuelltextendung("treppe.txt"), "treppe.txt.PSQ");
}

TEST(Autosave, SourcesOfMoreThanOneLineAreSavedByTabNumber) {
  test::Makroordner ordner;
  const std::vector<std::string> texte = {"eine Zeile", "zwei\nZeilen", "", "eine\n", "a\r\nb"};
  const std::vector<Quelltextsicherung> s = sichereQuelltexteAutomatisch(texte, ordner.pfad());
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0].reiter, 2);
  EXPECT_TRUE(s[0].gespeichert);
  EXPECT_EQ(s[1].reiter, 5);
  EXPECT_EQ(test::leseBytes(ordner / "Source_2_autosave.psq"), "zwei\nZeilen\n");
  EXPECT_EQ(test::leseBytes(ordner / "Source_5_autosave.psq"), "a\nb\n");
  EXPECT_FALSE(fs::exists(ordner / "Source_1_autosave.psq"));
  EXPECT_FALSE(fs::exists(ordner / "Source_4_autosave.psq"));
}

TEST(Autosave, PreviousAutosaveBecomesTheBackup) {
  test::Makroordner ordner;
  const std::vector<std::string> vorher = {"a\nb"};
  const std::vector<std::string> nachher = {"c\nd"};
  sichereQuelltexteAutomatisch(vorher, ordner.pfad());
  sichereQuelltexteAutomatisch(nachher, ordner.pfad());
  EXPECT_EQ(test::leseBytes(ordner / "Source_1_autosave.PSB"), "a\nb\n");
  EXPECT_EQ(test::leseBytes(ordner / "Source_1_autosave.psq"), "c\nd\n");
}

TEST(Autosave, AtMostTenTabsAndFailuresAreReported) {
  test::Makroordner ordner;
  const std::vector<std::string> texte(12, "a\nb");
  EXPECT_EQ(sichereQuelltexteAutomatisch(texte, ordner.pfad()).size(), 10u);
  const std::vector<Quelltextsicherung> s = sichereQuelltexteAutomatisch(texte, ordner / "fehlt");
  ASSERT_EQ(s.size(), 10u);
  EXPECT_FALSE(s[0].gespeichert);
  EXPECT_FALSE(s[0].fehler.empty());
}

TEST(Autosave, FolderIsTheMacroFolderOrTheUsersDataFolder) {
  EXPECT_EQ(autosaveordnerQuelltext("/makros"), fs::path("/makros"));
  test::Makroordner daten;
  const Umgebung umgebung = [&](std::string_view name) -> std::optional<std::string> {
    if (name == "XDG_DATA_HOME") return daten.pfad().string();
    return std::nullopt;
  };
  EXPECT_EQ(autosaveordnerQuelltext("", umgebung), daten / "quarzel");
}

}  // namespace
}  // namespace quarzel
