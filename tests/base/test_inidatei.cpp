#include <gtest/gtest.h>

#include <string>

#include "base/inidatei.h"

namespace quarzel {
namespace {

using Liste = std::vector<std::string>;

TEST(IniLesen, SektionenUndSchluessel) {
  // Blanks around names and values do not count; every platform's line end.
  const auto ini = IniDatei::ausText(
      "  [ Projektoptionen ]  \r\n"
      "\t Maßstab  =  100  \r\n"
      "Einheitenname=m\r"
      "&architektengerechte Darstellung=1\n"
      "Leer=\n"
      "\n"
      "[Stiftbreiten]\n"
      "StiftBreite1=0,18\n");
  EXPECT_EQ(std::tuple(ini.wert("Projektoptionen", "Maßstab"), ini.wert("Projektoptionen", "Einheitenname"),
                       ini.wert("Projektoptionen", "&architektengerechte Darstellung"),
                       ini.wert("Projektoptionen", "Leer"), ini.wert("Stiftbreiten", "StiftBreite1")),
            std::tuple("100", "m", "1", "", "0,18"));
  EXPECT_FALSE(ini.wert("Stiftbreiten", "Maßstab") || ini.wert("Fehlt", "Maßstab"));
  EXPECT_EQ(ini.sektionen(), (Liste{"Projektoptionen", "Stiftbreiten"}));
  EXPECT_EQ(ini.schluessel("Projektoptionen"),
            (Liste{"Maßstab", "Einheitenname", "&architektengerechte Darstellung", "Leer"}));
}

TEST(IniLesen, AnfuehrungszeichenUmDenWertFallenWeg) {
  const auto ini = IniDatei::ausText("[A]\nv=\"  mit Blanks  \"\nhalb=\"offen\nq=\"\n");
  EXPECT_EQ(std::tuple(ini.wert("A", "v"), ini.wert("A", "halb"), ini.wert("A", "q")),
            std::tuple("  mit Blanks  ", "\"offen", "\""));
}

TEST(IniLesen, DasErsteVorkommenGilt) {
  const auto ini = IniDatei::ausText("[A]\nk=1\nK=2\n[B]\nx=1\n[a]\nk=3\nneu=4\n");
  EXPECT_EQ(ini.wert("A", "k"), "1");
  EXPECT_FALSE(ini.wert("A", "neu")) << "a repeated section is not read";
  EXPECT_EQ(ini.sektionen(), (Liste{"A", "B"}));
  EXPECT_EQ(ini.schluessel("A"), (Liste{"k"}));
}

TEST(IniLesen, KommentareUndUnbekannteZeilenSindKeineEintraege) {
  const auto ini = IniDatei::ausText(
      "vor=der Sektion\n"
      "[A]\n"
      "; k=1\n"
      "# k=2\n"
      "ohne Gleichheitszeichen\n"
      "=nur Wert\n"
      "[kaputt\n"
      "k=3\n"
      "a=b=c\n");
  EXPECT_FALSE(ini.wert("", "vor"));
  EXPECT_EQ(ini.wert("A", "k"), "3");
  EXPECT_EQ(ini.wert("A", "a"), "b=c");
  EXPECT_EQ(ini.schluessel("A"), (Liste{"k", "a"}));
}

TEST(IniSchreiben, ZeilenumbruecheImWertWerdenBlanks) {
  IniDatei ini;
  ASSERT_TRUE(ini.schreibeText("A", "k", "zwei\nZeilen\r\nund[B]"));
  const auto wieder = IniDatei::ausText(ini.text());
  EXPECT_EQ(wieder.wert("A", "k"), "zwei Zeilen  und[B]");
  EXPECT_FALSE(wieder.hatSektion("B"));
}

TEST(IniSchreiben, UnschreibbareNamenWerdenAbgelehnt) {
  IniDatei ini;
  for (const char* schluessel : {"", "a=b", "[k]", ";k", "#k", " k", "k\nl"})
    EXPECT_FALSE(ini.schreibeText("A", schluessel, "x")) << schluessel;
  for (const char* sektion : {"", "A]", "A\n[B"}) EXPECT_FALSE(ini.schreibeText(sektion, "k", "x")) << sektion;
  EXPECT_FALSE(ini.schreibeListe("A", "k", {"a;b"}));
  EXPECT_EQ(ini.text(), "");
}

}  // namespace
}  // namespace quarzel
