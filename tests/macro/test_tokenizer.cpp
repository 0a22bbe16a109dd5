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

TEST(Tokenizer, BlanksAndTabsSeparateWordsWithoutEmptyPieces) {
  EXPECT_EQ(stuecke("10  20\tMOVETO \t 110"), (V{"W:10", "W:20", "W:MOVETO", "W:110"}));
  EXPECT_EQ(stuecke("   "), V{});
  EXPECT_EQ(stuecke(""), V{});
}

TEST(Tokenizer, WordsKeepTheirSpellingAndEveryCharacter) {
  EXPECT_EQ(stuecke("MoveTo /x a[i] teil# 1,5 Straße"),
            (V{"W:MoveTo", "W:/x", "W:a[i]", "W:teil#", "W:1,5", "W:Straße"}));
}

TEST(Tokenizer, NestedParenthesesMakeOneLiteral) {
  EXPECT_EQ(stuecke("(Hallo (Welt)) SHOW"), (V{"L:Hallo (Welt)", "W:SHOW"}));
  EXPECT_EQ(stuecke("((()))"), (V{"L:(())"}));
}

TEST(Tokenizer, UnclosedLiteralRunsToTheEndOfTheLine) {
  EXPECT_EQ(stuecke("(a b"), (V{"L:a b!"}));
  EXPECT_EQ(stuecke("x (a (b) c"), (V{"W:x", "L:a (b) c!"}));
  EXPECT_EQ(stuecke("("), (V{"L:!"}));
}

TEST(Tokenizer, LiteralKeepsBlanksAndTurnsTabsIntoBlanks) {
  EXPECT_EQ(stuecke("(  a\tb  )"), (V{"L:  a b  "}));
  EXPECT_EQ(stuecke("()"), (V{"L:"}));
}

TEST(Tokenizer, ReadingGoesOnRightAfterTheClosingParenthesis) {
  EXPECT_EQ(stuecke("(a)b (c)(d)"), (V{"L:a", "W:b", "L:c", "L:d"}));
}

TEST(Tokenizer, ParenthesisInsideAWordIsNoLiteral) {
  EXPECT_EQ(stuecke("x(a b)"), (V{"W:x(a", "W:b)"}));
  EXPECT_EQ(stuecke(") )"), (V{"W:)", "W:)"}));
}

TEST(Tokenizer, PercentOnlyStartsACommentAtTheStartOfAPiece) {
  EXPECT_EQ(stuecke("50% SETGRAY"), (V{"W:50%", "W:SETGRAY"}));
  EXPECT_EQ(stuecke("50%"), (V{"W:50%"}));
  EXPECT_EQ(stuecke("10 20 MOVETO % (kein literal) MOVETO"),
            (V{"W:10", "W:20", "W:MOVETO", "K:% (kein literal) MOVETO"}));
  EXPECT_EQ(stuecke("  %%ganze Zeile"), (V{"K:%%ganze Zeile"}));
}

TEST(Tokenizer, PercentInsideALiteralIsText) {
  EXPECT_EQ(stuecke("(50 %) SHOW"), (V{"L:50 %", "W:SHOW"}));
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
