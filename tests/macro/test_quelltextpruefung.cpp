// The check pass: colour spans of changed lines, and when it runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/pruefzeitgeber.h"
#include "macro/quelltextpruefung.h"

namespace quarzel {
namespace {

using A = Auszeichnung;
using S = std::vector<Farbspanne>;

TEST(Faerben, CommandWordsAreBoldInAnyCaseAndDataStaysPlain) {
  EXPECT_EQ(faerbeZeile("10 20 moveto x LINETO"), (S{{6, 6, A::Befehlswort}, {15, 6, A::Befehlswort}}));
}

TEST(Faerben, LiteralHasBoldParenthesesAndBlueTextToTheEndOfTheLineIfUnclosed) {
  EXPECT_EQ(faerbeZeile("(Hallo (Welt)) SHOW"),
            (S{{0, 1, A::Klammer}, {1, 12, A::Literal}, {13, 1, A::Klammer}, {15, 4, A::Befehlswort}}));
  EXPECT_EQ(faerbeZeile("()"), (S{{0, 1, A::Klammer}, {1, 1, A::Klammer}}));
  EXPECT_EQ(faerbeZeile("(a b"), (S{{0, 1, A::Klammer}, {1, 3, A::Literal}}));
}

TEST(Faerben, CommentIsSilverFromThePercentSign) {
  EXPECT_EQ(faerbeZeile("ADD % MOVETO"), (S{{0, 3, A::Befehlswort}, {4, 8, A::Kommentar}}));
  EXPECT_EQ(faerbeZeile("%ADD"), (S{{0, 4, A::Kommentar}}));
  EXPECT_EQ(faerbeZeile("50% ADD"), (S{{4, 3, A::Befehlswort}}));
}

TEST(Faerben, StylesAndColoursOfTheMarks) {
  EXPECT_TRUE(istFett(A::Befehlswort));
  EXPECT_TRUE(istFett(A::Klammer));
  EXPECT_FALSE(istFett(A::Literal));
  EXPECT_EQ(farbeVon(A::Literal), rgb(0, 0, 255));
  EXPECT_EQ(farbeVon(A::Kommentar), rgb(192, 192, 192));
  EXPECT_EQ(farbeVon(A::Befehlswort), rgb(0, 0, 0));
}

TEST(Faerben, RangeOfLinesIsClampedToTheSource) {
  const std::vector<std::string> zeilen = {"ADD", "x", "SUB"};
  const std::vector<Zeilenfaerbung> f = faerbeZeilen(zeilen, 1, 99);
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].zeile, 1u);
  EXPECT_TRUE(f[0].spannen.empty());
  EXPECT_EQ(f[1].zeile, 2u);
  EXPECT_EQ(f[1].spannen, (S{{0, 3, A::Befehlswort}}));
  EXPECT_TRUE(faerbeZeilen(zeilen, 5, 2).empty());
}

TEST(Utf16, OffsetsCountUtf16UnitsForTheEditor) {
  const std::string zeile = "(Grüße 😀) SHOW";  // ü, ß: 2 bytes, 1 unit; 😀: 4 bytes, 2 units
  const S spannen = faerbeZeile(zeile);
  EXPECT_EQ(inUtf16(zeile, spannen),
            (S{{0, 1, A::Klammer}, {1, 8, A::Literal}, {9, 1, A::Klammer}, {11, 4, A::Befehlswort}}));
}

TEST(Utf16, BrokenBytesCountOneUnitEach) {
  const std::string zeile = "\xFF\xC3 ADD";
  EXPECT_EQ(inUtf16(zeile, faerbeZeile(zeile)), (S{{3, 3, A::Befehlswort}}));
}

TEST(Pruefung, FirstRunColoursEveryNonEmptyLine) {
  Quelltextpruefung p;
  const std::vector<Zeilenfaerbung> f = p.pruefe({"ADD", "", "x"});
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].zeile, 0u);
  EXPECT_EQ(f[1].zeile, 2u);
}

TEST(Pruefung, LaterRunsColourOnlyChangedLines) {
  Quelltextpruefung p;
  p.pruefe({"ADD", "SUB", "MUL"});
  const std::vector<Zeilenfaerbung> f = p.pruefe({"ADD", "SUB DIV", "MUL", "neu"});
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].zeile, 1u);
  EXPECT_EQ(f[0].spannen, (S{{0, 3, A::Befehlswort}, {4, 3, A::Befehlswort}}));
  EXPECT_EQ(f[1].zeile, 3u);
  EXPECT_TRUE(p.pruefe({"ADD", "SUB DIV", "MUL", "neu"}).empty());
  // Forgetting the copy colours everything again.
  p.vergiss();
  EXPECT_EQ(p.pruefe({"ADD", "SUB DIV", "MUL", "neu"}).size(), 4u);
}

TEST(Pruefung, StatusLineSaysPruefe) {
  Quelltextpruefung p;
  std::vector<std::string> meldungen;
  p.pruefe(std::vector<std::string>(200, "ADD"), [&](const std::string& t) { meldungen.push_back(t); });
  ASSERT_EQ(meldungen.size(), 3u);
  EXPECT_EQ(meldungen[0], " Prüfe Quelltext: 50%");
  EXPECT_EQ(meldungen[1], " Prüfe Quelltext: 100%");
  EXPECT_EQ(meldungen[2], "");
}

TEST(Zeitgeber, ChecksOnlyAfterHalfASecondWithoutTyping) {
  Pruefzeitgeber z;
  EXPECT_FALSE(z.tick(1000, true, false));  // nothing typed yet
  z.aenderung(1000);
  EXPECT_TRUE(z.laeuft());
  EXPECT_FALSE(z.tick(1300, true, false));
  z.aenderung(1400);
  EXPECT_FALSE(z.tick(1900, true, false));  // exactly 500 ms
  EXPECT_TRUE(z.tick(1901, true, false));
  EXPECT_FALSE(z.laeuft());
  EXPECT_FALSE(z.tick(3000, true, false));
}

TEST(Zeitgeber, WaitsWhileAMacroFromAFileRunsAndStopsWhenSwitchedOff) {
  Pruefzeitgeber z;
  z.aenderung(0);
  EXPECT_FALSE(z.tick(5000, true, true));
  EXPECT_TRUE(z.laeuft());
  EXPECT_TRUE(z.tick(5001, true, false));
  z.aenderung(6000);
  EXPECT_FALSE(z.tick(6600, false, false));
  EXPECT_FALSE(z.laeuft());
}

TEST(Zeitgeber, SurvivesTheWrapOfTheTickCounter) {
  Pruefzeitgeber z;
  z.aenderung(0xFFFFFF00u);
  EXPECT_FALSE(z.tick(0x00000010u, true, false));
  EXPECT_TRUE(z.tick(0x00000200u, true, false));
}

}  // namespace
}  // namespace quarzel
