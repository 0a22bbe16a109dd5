// The check pass: colour spans of a line and how they look.
#include <gtest/gtest.h>

#include <vector>

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
  EXPECT_TRUE(istFett(A::Befehlswort) && istFett(A::Klammer) && !istFett(A::Literal));
  EXPECT_EQ(farbeVon(A::Literal), rgb(0, 0, 255));
  EXPECT_EQ(farbeVon(A::Kommentar), rgb(192, 192, 192));
  EXPECT_EQ(farbeVon(A::Befehlswort), rgb(0, 0, 0));
}

}  // namespace
}  // namespace quarzel
