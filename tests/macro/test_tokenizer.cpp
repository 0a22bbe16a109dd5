// The line tokenizer shared by the compile and the check pass.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/quelltokenizer.h"

namespace quarzel {
namespace {

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

using V = std::vector<std::string>;

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

TEST(Tokenizer, OffsetsPointIntoTheLine) {
  const std::string zeile = "\tAB (c d) %x";
  const std::vector<Quellstueck> s = zerlegeZeile(zeile);
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0].anfang, 1u);
  EXPECT_EQ(s[0].laenge, 2u);
  EXPECT_EQ(s[1].anfang, 4u);
  EXPECT_EQ(s[1].laenge, 5u);
  EXPECT_TRUE(s[1].geschlossen);
  EXPECT_EQ(s[2].anfang, 10u);
  EXPECT_EQ(s[2].ende(), zeile.size());
}

}  // namespace
}  // namespace quarzel
