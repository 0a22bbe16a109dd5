// The compile pass: source lines to the token program the interpreter runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/makrocompiler.h"

namespace quarzel {
namespace {

using V = std::vector<std::string>;

TEST(Kompilieren, TokensOfAllLinesInOrderThenTwoEndMarkers) {
  const Tokenprogramm p = kompiliereText("10 20 MOVETO\n\n110 20 LINETO % Linie\n% nur Kommentar\n");
  EXPECT_EQ(p.texte(), (V{"10", "20", "MOVETO", "110", "20", "LINETO", "#", "#"}));
  EXPECT_TRUE(p.abgeschlossen());
  EXPECT_EQ(kompiliereText("").texte(), (V{"#", "#"}));
}

TEST(Kompilieren, NestedLiteralBecomesMarkerAndText) {
  const Tokenprogramm p = kompiliereText("(Hallo (Welt)) SHOW");
  ASSERT_EQ(p.laenge(), 4u);
  EXPECT_EQ(p.text(0), "$@§Hallo (Welt)");
  EXPECT_EQ(p.inhalt(0), "Hallo (Welt)");
  EXPECT_EQ(p.art(0), Tokenart::Literal);
  EXPECT_EQ(p.befehl(1), Befehl::SHOW);
}

TEST(Kompilieren, CommandWordsKeepTheirCaseAndAreRecognisedInAnyCase) {
  const Tokenprogramm p = kompiliereText("MOVETO moveto MoveTo");
  EXPECT_EQ(p.texte(), (V{"MOVETO", "moveto", "MoveTo", "#", "#"}));
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(p.art(i), Tokenart::Befehl);
    EXPECT_EQ(p.befehl(i), Befehl::MOVETO);
  }
}

TEST(Kompilieren, TokensRememberLineAndColumn) {
  const Tokenprogramm p = kompiliereText("A\n  (x) ADD\r\n\tB");
  ASSERT_EQ(p.laenge(), 6u);
  EXPECT_EQ(p.zeile(0), 0u);
  EXPECT_EQ(p.zeile(1), 1u);
  EXPECT_EQ(p.spalte(1), 2u);
  EXPECT_EQ(p.spalte(2), 6u);
  EXPECT_EQ(p.zeile(3), 2u);
  EXPECT_EQ(p.spalte(3), 1u);
}

TEST(Tokenarten, KindsFollowFromTheTextAlone) {
  EXPECT_EQ(tokenartVon(""), Tokenart::Leer);
  EXPECT_EQ(tokenartVon("$@§x"), Tokenart::Literal);
  EXPECT_EQ(tokenartVon("$@§teil#"), Tokenart::Literal);
  EXPECT_EQ(tokenartVon("lineto"), Tokenart::Befehl);
  EXPECT_EQ(tokenartVon("#"), Tokenart::Ende);
  EXPECT_EQ(tokenartVon("teil#"), Tokenart::Label);
  EXPECT_EQ(tokenartVon("x#y#"), Tokenart::Daten);
  EXPECT_EQ(tokenartVon("##"), Tokenart::Daten);
  EXPECT_EQ(tokenartVon("/x"), Tokenart::Daten);
  EXPECT_EQ(tokenartVon("12.5"), Tokenart::Daten);
}

TEST(Tokenarten, OnlyLabelsEndMarkersAndEmptyTokensEndTheRun) {
  Tokenprogramm p;
  for (std::string_view t : {"teil#", "#", "", "$@§Nr. #", "x#y#", "RETURN"}) p.fuegeAn(t);
  EXPECT_TRUE(p.endetLauf(0));
  EXPECT_TRUE(p.endetLauf(1));
  EXPECT_TRUE(p.endetLauf(2));
  EXPECT_FALSE(p.endetLauf(3));
  EXPECT_FALSE(p.endetLauf(4));
  EXPECT_FALSE(p.endetLauf(5));
}

TEST(Tokenarten, IndexFlagAndLowerCaseForm) {
  const Tokenprogramm p = kompiliereText("A[I] a] ]a[ Maßstab ÄRGER");
  EXPECT_TRUE(p.hatIndex(0));
  EXPECT_FALSE(p.hatIndex(1));
  EXPECT_FALSE(p.hatIndex(2));
  EXPECT_EQ(p.klein(0), "a[i]");
  EXPECT_EQ(p.klein(3), "maßstab");
  EXPECT_EQ(p.klein(4), "ärger");
  EXPECT_EQ(p.text(4), "ÄRGER");
}

TEST(Labels, FoundWithoutRegardToCaseAndTheFirstOneWins) {
  const Tokenprogramm p = kompiliereText("(Teil) CALL\nTeil#\n10 RETURN\nteil#\nRETURN");
  ASSERT_TRUE(p.findeLabel("TEIL").has_value());
  EXPECT_EQ(*p.findeLabel("TEIL"), 2u);
  EXPECT_EQ(*p.findeLabel("teil"), 2u);
  EXPECT_FALSE(p.findeLabel("teil#").has_value());
  EXPECT_FALSE(p.findeLabel("anderes").has_value());
}

TEST(Labels, LiteralsAreNeverJumpTargetsButNamesWithAHashAre) {
  const Tokenprogramm p = kompiliereText("(teil#) SHOW");
  EXPECT_FALSE(p.findeLabel("teil").has_value());
  EXPECT_FALSE(p.findeLabel("$@§teil").has_value());
  // CALL compares every token with name + "#": "x#y#" is reached by "x#y".
  EXPECT_EQ(kompiliereText("x#y#").findeLabel("X#Y"), std::optional<std::size_t>(0));
}

TEST(Einbinden, AppendedProgramKeepsEveryPositionAndOwnLabelsWin) {
  Tokenprogramm haupt = kompiliereText("(a) CALL\na#\n1 RETURN");
  const Tokenprogramm teil = kompiliereText("A#\n2 RETURN\nb#\n3 RETURN");
  const std::vector<std::string> vorher = haupt.texte();
  const std::size_t start = haupt.haengeAn(teil);
  EXPECT_EQ(start, vorher.size());
  for (std::size_t i = 0; i < vorher.size(); ++i) EXPECT_EQ(haupt.text(i), vorher[i]);
  EXPECT_EQ(*haupt.findeLabel("a"), 2u);
  EXPECT_EQ(*haupt.findeLabel("b"), start + 3);
  EXPECT_EQ(haupt.text(*haupt.findeLabel("b") + 1), "3");
  EXPECT_EQ(haupt.befehl(start + 2), Befehl::RETURN);
}

TEST(Einbinden, AProgramCanBeAppendedToItself) {
  Tokenprogramm p = kompiliereText("x#");
  p.haengeAn(p);
  EXPECT_EQ(p.texte(), (V{"x#", "#", "#", "x#", "#", "#"}));
}

TEST(Fortschritt, StatusLineEveryHundredLinesAtMostAndClearedAtTheEnd) {
  std::vector<std::string> zeilen(1000, "1 POP");
  std::vector<std::string> meldungen;
  kompiliere(zeilen, [&](const std::string& t) { meldungen.push_back(t); });
  ASSERT_EQ(meldungen.size(), 11u);
  EXPECT_EQ(meldungen.front(), " Compiliere Quelltext: 10%");
  EXPECT_EQ(meldungen[9], " Compiliere Quelltext: 100%");
  EXPECT_EQ(meldungen.back(), "");
  // Short sources only clear the status line.
  meldungen.clear();
  kompiliere(std::vector<std::string>(99, "A"), [&](const std::string& t) { meldungen.push_back(t); });
  EXPECT_EQ(meldungen, V{""});
}

TEST(Zeilen, AllLineEndsSplitAndAFinalBreakAddsNoLine) {
  EXPECT_EQ(teileInZeilen("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(teileInZeilen("a\n"), V{"a"});
  EXPECT_EQ(teileInZeilen("a\n\n"), (V{"a", ""}));
  EXPECT_EQ(teileInZeilen(""), V{});
}

}  // namespace
}  // namespace quarzel
