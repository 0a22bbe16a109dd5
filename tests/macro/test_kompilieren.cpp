// The compile pass: source lines to the token program the interpreter runs.
//
// The line tokenizer shared by the compile and the check pass.
//
// The command table: which tokens are commands, and what the table tells
// the interpreter and the editor about them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/befehlstabelle.h"
#include "macro/makrocompiler.h"
#include "macro/quelltokenizer.h"
#include "macro/schreibweise.h"

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
  EXPECT_EQ(std::tuple(p.text(0), p.inhalt(0), p.art(0), p.befehl(1)),
            std::tuple("$@§Hallo (Welt)", "Hallo (Welt)", Tokenart::Literal, Befehl::SHOW));
}

TEST(Kompilieren, TokensRememberLineAndColumn) {
  const Tokenprogramm p = kompiliereText("A\n  (x) ADD\r\n\tB");
  ASSERT_EQ(p.laenge(), 6u);
  EXPECT_EQ(std::tuple(p.zeile(0), p.zeile(1), p.spalte(1), p.spalte(2), p.zeile(3), p.spalte(3)),
            std::tuple(0u, 1u, 2u, 6u, 2u, 1u));
}

// The kind follows from the text alone; only labels, end markers and empty
// tokens end a run.
TEST(Tokenarten, KindsFollowFromTheTextAlone) {
  const struct {
    const char* text;
    Tokenart art;
    bool endetLauf;
  } faelle[] = {
      {"", Tokenart::Leer, true},          {"$@§x", Tokenart::Literal, false},  {"$@§teil#", Tokenart::Literal, false},
      {"lineto", Tokenart::Befehl, false}, {"#", Tokenart::Ende, true},         {"teil#", Tokenart::Label, true},
      {"x#y#", Tokenart::Daten, false},    {"##", Tokenart::Daten, false},      {"/x", Tokenart::Daten, false},
      {"12.5", Tokenart::Daten, false},    {"RETURN", Tokenart::Befehl, false}, {"$@§Nr. #", Tokenart::Literal, false},
  };
  Tokenprogramm p;
  for (const auto& f : faelle) {
    EXPECT_EQ(tokenartVon(f.text), f.art) << f.text;
    p.fuegeAn(f.text);
  }
  for (std::size_t i = 0; i < std::size(faelle); ++i) EXPECT_EQ(p.endetLauf(i), faelle[i].endetLauf) << faelle[i].text;
}

// Labels are found without regard to case, the first one wins; literals are
// never jump targets, but CALL compares every token with name + "#".
TEST(Labels, FirstOneWinsInAnyCaseAndLiteralsAreNoTargets) {
  const Tokenprogramm p = kompiliereText("(Teil) CALL\nTeil#\n10 RETURN\nteil#\nRETURN (x#) SHOW");
  EXPECT_EQ(p.findeLabel("TEIL"), std::optional<std::size_t>(2));
  EXPECT_EQ(p.findeLabel("teil"), std::optional<std::size_t>(2));
  for (const char* kein : {"teil#", "anderes", "x", "$@§x"}) EXPECT_FALSE(p.findeLabel(kein).has_value()) << kein;
  EXPECT_EQ(kompiliereText("x#y#").findeLabel("X#Y"), std::optional<std::size_t>(0));
}

TEST(Einbinden, AppendedProgramKeepsEveryPositionAndOwnLabelsWin) {
  Tokenprogramm haupt = kompiliereText("(a) CALL\na#\n1 RETURN");
  const Tokenprogramm teil = kompiliereText("A#\n2 RETURN\nb#\n3 RETURN");
  const std::vector<std::string> vorher = haupt.texte();
  const std::size_t start = haupt.haengeAn(teil);
  EXPECT_EQ(start, vorher.size());
  for (std::size_t i = 0; i < vorher.size(); ++i) EXPECT_EQ(haupt.text(i), vorher[i]);
  EXPECT_EQ(std::tuple(*haupt.findeLabel("a"), *haupt.findeLabel("b"), haupt.text(*haupt.findeLabel("b") + 1),
                       haupt.befehl(start + 2)),
            std::tuple(2u, start + 3, "3", Befehl::RETURN));
}

TEST(Zeilen, AllLineEndsSplitAndAFinalBreakAddsNoLine) {
  EXPECT_EQ(teileInZeilen("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(teileInZeilen("a\n"), V{"a"});
  EXPECT_EQ(teileInZeilen("a\n\n"), (V{"a", ""}));
  EXPECT_EQ(teileInZeilen(""), V{});
}

// The pieces of a line written back as "W:word", "L:literal text" (with "!"
// when unclosed) and "K:comment".
std::vector<std::string> stuecke(std::string_view zeile) {
  std::vector<std::string> aus;
  for (const Quellstueck& s : zerlegeZeile(zeile)) {
    switch (s.art) {
      case Stueckart::Wort:
        aus.push_back("W:" + std::string(zeile.substr(s.anfang, s.laenge)));
        break;
      case Stueckart::Literal:
        aus.push_back("L:" + literaltext(zeile, s) + (s.geschlossen ? "" : "!"));
        break;
      case Stueckart::Kommentar:
        aus.push_back("K:" + std::string(zeile.substr(s.anfang, s.laenge)));
        break;
    }
  }
  return aus;
}

TEST(Tokenizer, PiecesOfALine) {
  const std::pair<const char*, V> faelle[] = {
      // Blanks and tabs separate words; no empty pieces.
      {"10  20\tMOVETO \t 110", {"W:10", "W:20", "W:MOVETO", "W:110"}},
      {"   ", {}},
      // Words keep their spelling and every character.
      {"MoveTo /x a[i] teil# 1,5 Straße", {"W:MoveTo", "W:/x", "W:a[i]", "W:teil#", "W:1,5", "W:Straße"}},
      // Nested parentheses make one literal; unclosed it runs to the line's end.
      {"(Hallo (Welt)) SHOW", {"L:Hallo (Welt)", "W:SHOW"}},
      {"((()))", {"L:(())"}},
      {"x (a (b) c", {"W:x", "L:a (b) c!"}},
      {"(", {"L:!"}},
      // A literal keeps blanks and turns tabs into blanks.
      {"(  a\tb  )", {"L:  a b  "}},
      {"()", {"L:"}},
      // Reading goes on right after the closing parenthesis.
      {"(a)b (c)(d)", {"L:a", "W:b", "L:c", "L:d"}},
      // A parenthesis inside a word starts no literal.
      {"x(a b)", {"W:x(a", "W:b)"}},
      {") )", {"W:)", "W:)"}},
      // "%" starts a comment only at the start of a piece, never in a literal.
      {"50% SETGRAY", {"W:50%", "W:SETGRAY"}},
      {"10 20 MOVETO % (kein literal) MOVETO", {"W:10", "W:20", "W:MOVETO", "K:% (kein literal) MOVETO"}},
      {"  %%ganze Zeile", {"K:%%ganze Zeile"}},
      {"(50 %) SHOW", {"L:50 %", "W:SHOW"}},
  };
  for (const auto& [zeile, erwartet] : faelle) EXPECT_EQ(stuecke(zeile), erwartet) << zeile;
}

// The letters of code page 1252 change case wherever they stand; × ÷ ß stay.
TEST(Schreibweise, Latin1UndCp1252BuchstabenWechselnDieSchreibweise) {
  const std::pair<std::string_view, std::string_view> paare[] = {
      {"ÄRGER", "ärger"}, {"XÖÜÀÞ", "xöüàþ"}, {"ŠŒŽŸ", "šœžÿ"}, {"×÷ß", "×÷ß"}};
  for (const auto& [gross, klein] : paare) {
    EXPECT_EQ(kleinschreibung(gross), klein);
    EXPECT_EQ(grossschreibung(klein), gross);
  }
}

TEST(Befehlstabelle, EveryWordIsFoundInUpperLowerAndMixedCase) {
  for (const Befehlseintrag& e : befehlstabelle()) {
    EXPECT_EQ(findeBefehl(e.wort), e.befehl) << e.wort;
    EXPECT_EQ(findeBefehl(kleinschreibung(e.wort)), e.befehl) << e.wort;
    std::string gemischt(e.wort);
    for (std::size_t i = 0; i < gemischt.size(); i += 2) gemischt[i] = kleinschreibung(gemischt.substr(i, 1))[0];
    EXPECT_EQ(findeBefehl(gemischt), e.befehl) << gemischt;
  }
}

}  // namespace
}  // namespace quarzel
