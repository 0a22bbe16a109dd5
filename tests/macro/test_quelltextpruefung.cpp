// The check pass: colour spans of a line and how they look.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "macro/quelltextpruefung.h"

namespace quarzel {
namespace {

using A = Auszeichnung;
using S = std::vector<Farbspanne>;

// Command words bold in any case, data plain; a literal with bold
// parentheses and blue text to the end of the line if unclosed; a comment
// silver from the percent sign.
TEST(Faerben, SpansOfWordsLiteralsAndComments) {
  const std::pair<const char*, S> faelle[] = {
      {"10 20 moveto x LINETO", {{6, 6, A::Befehlswort}, {15, 6, A::Befehlswort}}},
      {"(Hallo (Welt)) SHOW", {{0, 1, A::Klammer}, {1, 12, A::Literal}, {13, 1, A::Klammer}, {15, 4, A::Befehlswort}}},
      {"()", {{0, 1, A::Klammer}, {1, 1, A::Klammer}}},
      {"(a b", {{0, 1, A::Klammer}, {1, 3, A::Literal}}},
      {"ADD % MOVETO", {{0, 3, A::Befehlswort}, {4, 8, A::Kommentar}}},
      {"%ADD", {{0, 4, A::Kommentar}}},
      {"50% ADD", {{4, 3, A::Befehlswort}}},
  };
  for (const auto& [zeile, spannen] : faelle) EXPECT_EQ(faerbeZeile(zeile), spannen) << zeile;
}

TEST(Faerben, StylesAndColoursOfTheMarks) {
  EXPECT_TRUE(istFett(A::Befehlswort) && istFett(A::Klammer) && !istFett(A::Literal));
  EXPECT_EQ(std::tuple(farbeVon(A::Literal), farbeVon(A::Kommentar), farbeVon(A::Befehlswort)),
            std::tuple(rgb(0, 0, 255), rgb(192, 192, 192), rgb(0, 0, 0)));
}

}  // namespace
}  // namespace quarzel
