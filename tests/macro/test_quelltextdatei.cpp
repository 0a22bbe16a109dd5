// Source files: reading in the encodings users have, writing UTF-8, the ".PSB"
// backup, and the automatic save of open sources before a run.
//
// Compiled macro files: what is written reads back as the same program, and
// anything else is "not a macro" (error 24) or missing (error 23).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/makrocompiler.h"
#include "macro/makrodatei.h"
#include "macro/makrofehler.h"
#include "macro/quelltextdatei.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {
namespace fs = std::filesystem;

TEST(Quelltextdatei, WrittenAsUtf8LinesAndReadBack) {
  test::TempOrdner ordner;
  const fs::path datei = ordner / "a.PSQ";
  ASSERT_TRUE(speichereQuelltext(datei, "(Grüße) SHOW\r\n10 20 MOVETO"));
  EXPECT_EQ(test::leseDatei(datei), "(Grüße) SHOW\n10 20 MOVETO\n");
  const Quelltextergebnis gelesen = leseQuelltext(datei);
  EXPECT_EQ(gelesen.status, Quelltextstatus::Gelesen);
  EXPECT_EQ(gelesen.text, "(Grüße) SHOW\n10 20 MOVETO");
}

TEST(Quelltextdatei, SavingOverAFileKeepsTheOldOneAsPsb) {
  test::TempOrdner ordner;
  const fs::path datei = ordner / "a.PSQ";
  ASSERT_TRUE(speichereQuelltext(datei, "eins"));
  EXPECT_FALSE(fs::exists(ordner / "a.PSB"));
  ASSERT_TRUE(speichereQuelltext(datei, "zwei"));
  EXPECT_EQ(test::leseDatei(ordner / "a.PSB"), "eins\n");
  ASSERT_TRUE(speichereQuelltext(datei, "drei"));
  EXPECT_EQ(test::leseDatei(ordner / "a.PSB"), "zwei\n");
  EXPECT_EQ(test::leseDatei(datei), "drei\n");
  EXPECT_EQ(ordner.inhalt(), (std::vector<std::string>{"a.PSB", "a.PSQ"}));
}

TEST(Autosave, SourcesOfMoreThanOneLineAreSavedByTabNumber) {
  test::TempOrdner ordner;
  const std::vector<std::string> texte = {"eine Zeile", "zwei\nZeilen", "", "eine\n", "a\r\nb"};
  const std::vector<Quelltextsicherung> s = sichereQuelltexteAutomatisch(texte, ordner.pfad());
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(std::tuple(s[0].reiter, s[0].gespeichert, s[1].reiter), std::tuple(2, true, 5));
  EXPECT_EQ(test::leseDatei(ordner / "Source_2_autosave.psq"), "zwei\nZeilen\n");
  EXPECT_EQ(test::leseDatei(ordner / "Source_5_autosave.psq"), "a\nb\n");
  EXPECT_EQ(ordner.inhalt(), (std::vector<std::string>{"Source_2_autosave.psq", "Source_5_autosave.psq"}));
}

}  // namespace
}  // namespace quarzel

namespace quarzel {
namespace {

const char* const Beispiel =
    "% Treppe\n"
    "10 20 MOVETO (Stufe (1)) SHOW\n"
    "/n 5 DEF n { 3 0 rlineto 0 3 RLINETO }\n"
    "(stufe) CALL\n"
    "Stufe#\n"
    "  Maßstab ÄNDERN 50% RETURN\n";

void erwarteGleich(const Tokenprogramm& a, const Tokenprogramm& b) {
  ASSERT_EQ(a.laenge(), b.laenge());
  for (std::size_t i = 0; i < a.laenge(); ++i) {
    EXPECT_EQ(a.text(i), b.text(i)) << i;
    EXPECT_EQ(a.art(i), b.art(i)) << i;
    EXPECT_EQ(a.befehl(i), b.befehl(i)) << i;
    EXPECT_EQ(a.zeile(i), b.zeile(i)) << i;
    EXPECT_EQ(a.spalte(i), b.spalte(i)) << i;
  }
}

TEST(Makrodatei, CompiledProgramReadsBackUnchanged) {
  const Tokenprogramm p = kompiliereText(Beispiel);
  const std::optional<Tokenprogramm> wieder = entschluessele(verschluessele(p));
  ASSERT_TRUE(wieder.has_value());
  erwarteGleich(p, *wieder);
  EXPECT_EQ(wieder->findeLabel("STUFE"), p.findeLabel("stufe"));
  EXPECT_EQ(verschluessele(p), verschluessele(kompiliereText(Beispiel))) << "same program, same bytes";
}

// Anything but an intact file is no macro: every flipped bit, every cut,
// one byte more, garbage, the source text itself, a header that promises
// more tokens than follow, a program without its end markers.
TEST(Makrodatei, AnythingButAnIntactFileIsNoMacro) {
  const std::string gut = verschluessele(kompiliereText(Beispiel));
  for (std::size_t i = 0; i < gut.size(); ++i) {
    for (unsigned char maske : {0x01, 0x80}) {
      std::string boese = gut;
      boese[i] = static_cast<char>(boese[i] ^ maske);
      EXPECT_FALSE(entschluessele(boese).has_value()) << "byte " << i;
    }
    EXPECT_FALSE(entschluessele(gut.substr(0, i)).has_value()) << i;
  }
  std::string kopf = verschluessele(kompiliereText(""));
  kopf[15] = '\x7F';
  Tokenprogramm offen;
  offen.fuegeAn("ADD");
  for (const std::string& boese :
       {gut + '\0', std::string(), std::string(Beispiel), std::string(1000, '\xAB'), kopf, verschluessele(offen)})
    EXPECT_FALSE(entschluessele(boese).has_value()) << boese.size();
}

// Payloads of our own behind a correct header and checksum: only a payload
// that holds exactly the announced tokens and ends with the end markers counts.
TEST(Makrodatei, PayloadMustHoldExactlyTheAnnouncedTokens) {
  using namespace std::string_literals;
  const std::string ende = "\0\0\x01#\0\0\x01#"s;
  const std::string add = "\x05\x07\x03"s + "ADD";  // line 5, column 7
  const std::string zuLang = "\0\0\x09"s + "ADD";   // says 9 bytes of text
  const std::string zahl35 = "\xFF\xFF\xFF\xFF\x7F\0\x01#"s;
  const std::string zahl42 = "\xFF\xFF\xFF\xFF\xFF\x01\0\x01#"s;
  ASSERT_TRUE(entschluessele(verpacke(ende, 2)).has_value());
  const std::optional<Tokenprogramm> p = entschluessele(verpacke(add + ende, 3));
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(std::tuple(p->zeile(0), p->spalte(0), p->befehl(0)), std::tuple(5u, 7u, Befehl::ADD));
  // A token left over, a byte left over, a token missing, text too long, bad numbers.
  for (const auto& [nutzlast, tokens] :
       {std::pair(ende, 1), {ende + "\0"s, 2}, {ende, 3}, {zuLang + ende, 3}, {zahl35 + ende, 3}, {zahl42 + ende, 3}})
    EXPECT_FALSE(entschluessele(verpacke(nutzlast, tokens)).has_value()) << nutzlast.size() << " " << tokens;
}

TEST(Makrodateien, WrittenFileIsReadAndMissingOrForeignFilesAreTold) {
  test::TempOrdner ordner;
  const Tokenprogramm p = kompiliereText(Beispiel);
  ASSERT_TRUE(schreibeMakrodatei(ordner / "treppe.MAK", p));
  const Makroleseergebnis gelesen = leseMakrodatei(ordner / "treppe.MAK");
  ASSERT_EQ(gelesen.status, Makrolesestatus::Gelesen);
  erwarteGleich(p, gelesen.programm);

  EXPECT_EQ(leseMakrodatei(ordner / "fehlt.MAK").status, Makrolesestatus::Fehlt);
  test::schreibeDatei(ordner / "quelle.MAK", Beispiel);
  EXPECT_EQ(leseMakrodatei(ordner / "quelle.MAK").status, Makrolesestatus::KeinMakro);
  std::filesystem::create_directory(ordner / "ordner.MAK");
  EXPECT_EQ(leseMakrodatei(ordner / "ordner.MAK").status, Makrolesestatus::KeinMakro);
}

TEST(Makrofehler, TextsAreKeptAsUsersKnowThem) {
  const struct {
    Makrofehler code;
    const char* bezug;
    const char* text;
  } faelle[] = {
      {Makrofehler::MakroFehlt, "treppe.MAK", "Das eingebundene Makro treppe.MAK konnte nicht gefunden werden."},
      {Makrofehler::KeinMakro, "quelle.MAK", "Die Datei quelle.MAK ist kein Makro"},
      {Makrofehler::DivisionDurchNull, "DIV", "Divison durch 0 bei DIV"},
      {Makrofehler::AusserhalbDialogNichtErlaubt, "LABEL", "LABEL außerhalb von Dialogdefintionen nicht erlaubt"},
      {static_cast<Makrofehler>(150), "X", "Unbekannter Fehler bei X"},
  };
  for (const auto& f : faelle) EXPECT_EQ(makrofehlertext(f.code, f.bezug), f.text);
  EXPECT_EQ(makrofehlertext(Makrofehler::UnbekannterFehlerMitSpur, "ADD", "a", "b"),
            "Unbekannter Fehler führte zum Abbruch bei ADD a b");
}

}  // namespace
}  // namespace quarzel
