// Compiled macro files: what is written reads back as the same program, and
// anything else is "not a macro" (error 24) or missing (error 23).
#include <gtest/gtest.h>

#include <string>

#include "macro/makrocompiler.h"
#include "macro/makrodatei.h"
#include "macro/makrofehler.h"
#include "makrotest_hilfe.h"

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

TEST(Makrodatei, SourceTextIsNotReadableInTheFile) {
  const std::string datei = verschluessele(kompiliereText(Beispiel));
  EXPECT_EQ(datei.substr(0, 4), "QZMK");
  for (std::string_view wort : {"MOVETO", "Stufe", "RLINETO", "RETURN", "DEF"}) {
    EXPECT_EQ(datei.find(wort), std::string::npos) << wort;
  }
}

TEST(Makrodatei, EveryChangedByteIsNoticed) {
  const std::string gut = verschluessele(kompiliereText(Beispiel));
  for (std::size_t i = 0; i < gut.size(); ++i) {
    for (unsigned char maske : {0x01, 0x80}) {
      std::string boese = gut;
      boese[i] = static_cast<char>(boese[i] ^ maske);
      EXPECT_FALSE(entschluessele(boese).has_value()) << "byte " << i;
    }
  }
}

TEST(Makrodatei, TruncatedOrLengthenedFileIsNoMacro) {
  const std::string gut = verschluessele(kompiliereText(Beispiel));
  for (std::size_t n = 0; n < gut.size(); ++n) EXPECT_FALSE(entschluessele(gut.substr(0, n)).has_value()) << n;
  EXPECT_FALSE(entschluessele(gut + '\0').has_value());
}

TEST(Makrodatei, GarbageAndSourceTextAreNoMacro) {
  EXPECT_FALSE(entschluessele("").has_value());
  EXPECT_FALSE(entschluessele(Beispiel).has_value());
  EXPECT_FALSE(entschluessele(std::string(1000, '\xAB')).has_value());
  // A header that announces more tokens than the payload can hold.
  std::string kopf = verschluessele(kompiliereText(""));
  kopf[15] = '\x7F';
  EXPECT_FALSE(entschluessele(kopf).has_value());
  // A program without its end markers.
  Tokenprogramm offen;
  offen.fuegeAn("ADD");
  EXPECT_FALSE(entschluessele(verschluessele(offen)).has_value());
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
  EXPECT_EQ(p->zeile(0), 5u);
  EXPECT_EQ(p->spalte(0), 7u);
  EXPECT_EQ(p->befehl(0), Befehl::ADD);
  EXPECT_FALSE(entschluessele(verpacke(ende, 1)).has_value());          // a token left over
  EXPECT_FALSE(entschluessele(verpacke(ende + "\0"s, 2)).has_value());  // a byte left over
  EXPECT_FALSE(entschluessele(verpacke(ende, 3)).has_value());          // a token missing
  EXPECT_FALSE(entschluessele(verpacke(zuLang + ende, 3)).has_value());
  EXPECT_FALSE(entschluessele(verpacke(zahl35 + ende, 3)).has_value());
  EXPECT_FALSE(entschluessele(verpacke(zahl42 + ende, 3)).has_value());
}

TEST(Makrodatei, ForeignBytesInTokensBecomeUtf8) {
  Tokenprogramm p;
  p.fuegeAn("\xC4rger");  // "Ärger" in Windows-1252
  p.schliesseAb();
  const std::optional<Tokenprogramm> wieder = entschluessele(verschluessele(p));
  ASSERT_TRUE(wieder.has_value());
  EXPECT_EQ(wieder->text(0), "Ärger");
}

TEST(Makrodateien, WrittenFileIsReadAndMissingOrForeignFilesAreTold) {
  test::Makroordner ordner;
  const Tokenprogramm p = kompiliereText(Beispiel);
  ASSERT_TRUE(schreibeMakrodatei(ordner / "treppe.MAK", p));
  const Makroleseergebnis gelesen = leseMakrodatei(ordner / "treppe.MAK");
  ASSERT_EQ(gelesen.status, Makrolesestatus::Gelesen);
  erwarteGleich(p, gelesen.programm);

  EXPECT_EQ(leseMakrodatei(ordner / "fehlt.MAK").status, Makrolesestatus::Fehlt);
  test::schreibeBytes(ordner / "quelle.MAK", Beispiel);
  EXPECT_EQ(leseMakrodatei(ordner / "quelle.MAK").status, Makrolesestatus::KeinMakro);
  std::filesystem::create_directory(ordner / "ordner.MAK");
  EXPECT_EQ(leseMakrodatei(ordner / "ordner.MAK").status, Makrolesestatus::KeinMakro);
}

TEST(Makrodateien, NameIsFoundInAnotherSpelling) {
  test::Makroordner ordner;
  ASSERT_TRUE(schreibeMakrodatei(ordner / "treppe.mak", kompiliereText("ADD")));
  const Makroleseergebnis gelesen = leseMakrodatei(ordner / mitMakroendung("Treppe"));
  EXPECT_EQ(gelesen.status, Makrolesestatus::Gelesen);
  EXPECT_EQ(gelesen.pfad.filename(), "treppe.mak");
}

TEST(Makrodateien, MissingExtensionIsAdded) {
  EXPECT_EQ(mitMakroendung("treppe"), "treppe.MAK");
  EXPECT_EQ(mitMakroendung("treppe.mak"), "treppe.mak");
  EXPECT_EQ(mitMakroendung("teile/treppe.alt"), "teile/treppe.alt");
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
