// The command table: which tokens are commands, and what the table tells
// the interpreter and the editor about them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "macro/befehlstabelle.h"
#include "macro/schreibweise.h"

namespace quarzel {
namespace {

TEST(Befehlstabelle, EveryWordIsFoundInUpperLowerAndMixedCase) {
  for (const Befehlseintrag& e : befehlstabelle()) {
    EXPECT_EQ(findeBefehl(e.wort), e.befehl) << e.wort;
    EXPECT_EQ(findeBefehl(kleinschreibung(e.wort)), e.befehl) << e.wort;
    std::string gemischt(e.wort);
    for (std::size_t i = 0; i < gemischt.size(); i += 2) gemischt[i] = kleinschreibung(gemischt.substr(i, 1))[0];
    EXPECT_EQ(findeBefehl(gemischt), e.befehl) << gemischt;
  }
}

TEST(Befehlstabelle, EntriesAreUniqueUpperCaseAndConsistent) {
  std::set<std::string_view> woerter;
  for (const Befehlseintrag& e : befehlstabelle()) {
    EXPECT_TRUE(woerter.insert(e.wort).second) << e.wort;
    EXPECT_EQ(grossschreibung(e.wort), e.wort);
    ASSERT_NE(eintrag(e.befehl), nullptr);
    EXPECT_EQ(befehlswort(e.befehl), e.wort);
    EXPECT_GE(e.mindestens, 0) << e.wort;
    EXPECT_TRUE(e.hoechstens == VariableOperanden || e.hoechstens >= e.mindestens) << e.wort;
    // UNDO and NUMIROEDIT are commands the editor does not list.
    EXPECT_EQ(e.imEditor, e.befehl != Befehl::UNDO && e.befehl != Befehl::NUMIROEDIT) << e.wort;
  }
  EXPECT_EQ(eintrag(Befehl::Keiner), nullptr);
  EXPECT_EQ(befehlswort(Befehl::Keiner), "");
}

TEST(Befehlstabelle, DocumentedOperandCountsOfStackDrivenWords) {
  EXPECT_EQ(eintrag(Befehl::AREA)->mindestens, 1);
  EXPECT_EQ(eintrag(Befehl::AREA)->hoechstens, VariableOperanden);
  EXPECT_EQ(eintrag(Befehl::SETMULTICOLOR)->hoechstens, 4);
  EXPECT_EQ(eintrag(Befehl::LIVEBUTTON)->mindestens, 8);
}

TEST(Befehlstabelle, OnlyWholeWordsAreCommands) {
  for (std::string_view t : {"", "MOVE", "MOVETOX", " MOVETO", "MOVETO#", "ADD$&&$SUB", "&$ADD$&", "$@§ADD", "10",
                             "GETSUBLAYERVISIBLEX", "SETALIASES"}) {
    EXPECT_EQ(findeBefehl(t), Befehl::Keiner) << t;
  }
}

TEST(Schreibweise, CodePageLettersChangeCaseAndKeepTheirLength) {
  EXPECT_EQ(kleinschreibung("ÄÖÜ ÀÞ ŠŒŽŸ Straße"), "äöü àþ šœžÿ straße");
  EXPECT_EQ(grossschreibung("äöü àþ šœžÿ straße"), "ÄÖÜ ÀÞ ŠŒŽŸ STRAßE");
  EXPECT_EQ(kleinschreibung("×÷"), "×÷");
  EXPECT_EQ(grossschreibung("×÷"), "×÷");
  EXPECT_EQ(kleinschreibung("ДОМ €"), "ДОМ €");
}

TEST(Schreibweise, ComparisonAndHashIgnoreCase) {
  EXPECT_TRUE(gleichInKleinschrift("Maßstab", "MAßSTAB"));
  EXPECT_TRUE(gleichInKleinschrift("Ÿ", "ÿ"));
  EXPECT_FALSE(gleichInKleinschrift("a", "b"));
  EXPECT_FALSE(gleichInKleinschrift("ab", "a"));
  EXPECT_EQ(hashInKleinschrift("Äpfel"), hashInKleinschrift("äPFEL"));
  EXPECT_NE(hashInKleinschrift("apfel"), hashInKleinschrift("apfeL "));
}

TEST(Schreibweise, BrokenUtf8IsLeftAsItIs) {
  EXPECT_EQ(kleinschreibung("A\xC3"), "a\xC3");
  EXPECT_EQ(kleinschreibung("\xC3"
                            "A"),
            "\xC3"
            "a");
}

}  // namespace
}  // namespace quarzel
