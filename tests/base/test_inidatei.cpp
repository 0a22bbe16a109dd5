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
  EXPECT_EQ(ini.wert("Projektoptionen", "Maßstab"), "100");
  EXPECT_EQ(ini.wert("Projektoptionen", "Einheitenname"), "m");
  EXPECT_EQ(ini.wert("Projektoptionen", "&architektengerechte Darstellung"), "1");
  EXPECT_EQ(ini.wert("Projektoptionen", "Leer"), "");
  EXPECT_EQ(ini.wert("Stiftbreiten", "StiftBreite1"), "0,18");
  EXPECT_FALSE(ini.wert("Stiftbreiten", "Maßstab"));
  EXPECT_FALSE(ini.wert("Fehlt", "Maßstab"));
  EXPECT_EQ(ini.sektionen(), (Liste{"Projektoptionen", "Stiftbreiten"}));
  EXPECT_EQ(ini.schluessel("Projektoptionen"),
            (Liste{"Maßstab", "Einheitenname", "&architektengerechte Darstellung", "Leer"}));
}

TEST(IniLesen, NamenOhneRuecksichtAufGrossKleinschreibung) {
  const auto ini = IniDatei::ausText("[Vermassung]\nMaßlinienÜberstand:=1,5\n[Ebene aktivieren]\nKopieren=1\n");
  EXPECT_EQ(ini.wert("VERMASSUNG", "maßlinienüberstand:"), "1,5");
  EXPECT_EQ(ini.wert("vermassung", "MASSLINIENÜBERSTAND:"), std::nullopt) << "ß is not SS";
  EXPECT_EQ(ini.wert("EBENE AKTIVIEREN", "kopieren"), "1");
  EXPECT_EQ(ini.wert("Vermassung", "MAßLINIENÜBERSTAND:"), "1,5");
}

TEST(IniLesen, AnfuehrungszeichenUmDenWertFallenWeg) {
  const auto ini = IniDatei::ausText("[A]\nv=\"  mit Blanks  \"\nhalb=\"offen\nq=\"\n");
  EXPECT_EQ(ini.wert("A", "v"), "  mit Blanks  ");
  EXPECT_EQ(ini.wert("A", "halb"), "\"offen");
  EXPECT_EQ(ini.wert("A", "q"), "\"");
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

TEST(IniLesen, TypisierteWerte) {
  const auto ini = IniDatei::ausText(
      "[T]\n"
      "eins=1\nnull=0\nwahr=TRUE\nfalsch=false\nzwei=2\nja=ja\nleer=\n"
      "zahl=3,5\npunkt=3.5\nmuell=abc\nriesig=1e400\n"
      "ganz=-12\nkomma=12,5\nzugross=99999999999\n"
      "liste=1;1;2;3;\nluecke=a;;b\nohneende=x;y\n");
  EXPECT_TRUE(ini.leseBool("T", "eins", false));
  EXPECT_FALSE(ini.leseBool("T", "null", true));
  EXPECT_TRUE(ini.leseBool("T", "wahr", false));
  EXPECT_FALSE(ini.leseBool("T", "falsch", true));
  EXPECT_TRUE(ini.leseBool("T", "zwei", false));
  EXPECT_TRUE(ini.leseBool("T", "ja", true));
  EXPECT_FALSE(ini.leseBool("T", "ja", false));
  EXPECT_TRUE(ini.leseBool("T", "leer", true));
  EXPECT_TRUE(ini.leseBool("T", "fehlt", true));

  EXPECT_EQ(ini.leseZahl("T", "zahl", 0), 3.5);
  EXPECT_EQ(ini.leseZahl("T", "punkt", 0), 3.5);
  EXPECT_EQ(ini.leseZahl("T", "muell", 9), 9);
  EXPECT_EQ(ini.leseZahl("T", "riesig", 9), 9);
  EXPECT_EQ(ini.leseZahl("T", "leer", 9), 0) << "an empty number is 0";

  EXPECT_EQ(ini.leseGanzzahl("T", "ganz", 0), -12);
  EXPECT_EQ(ini.leseGanzzahl("T", "komma", 7), 7);
  EXPECT_EQ(ini.leseGanzzahl("T", "zugross", 7), 7);
  EXPECT_EQ(ini.leseGanzzahl("T", "leer", 7), 7);

  EXPECT_EQ(ini.leseListe("T", "liste"), (Liste{"1", "1", "2", "3"}));
  EXPECT_EQ(ini.leseListe("T", "luecke"), (Liste{"a", "", "b"}));
  EXPECT_EQ(ini.leseListe("T", "ohneende"), (Liste{"x", "y"}));
  EXPECT_TRUE(ini.leseListe("T", "leer").empty());
  EXPECT_TRUE(ini.leseListe("T", "fehlt").empty());
  EXPECT_EQ(ini.leseText("T", "fehlt", "Arial"), "Arial");
}

TEST(IniSchreiben, AendertWertAnSeinerStelle) {
  auto ini = IniDatei::ausText("; Kopf\n[A]\nx = 1 ; bleibt\nk=1\ny=2\n\n[B]\nz=3\n");
  ASSERT_TRUE(ini.schreibeGanzzahl("a", "K", 5));
  EXPECT_EQ(ini.text(), "; Kopf\n[A]\nx = 1 ; bleibt\nk=5\ny=2\n\n[B]\nz=3\n");
  // An unchanged value leaves the line as it was.
  const std::string text = "[A]\n  k   =   1   \n";
  auto gleich = IniDatei::ausText(text);
  ASSERT_TRUE(gleich.schreibeText("A", "k", "1"));
  EXPECT_EQ(gleich.text(), text);
}

TEST(IniSchreiben, NeuerSchluesselKommtHinterDenLetztenDerSektion) {
  auto ini = IniDatei::ausText("[A]\nx=1\n; Ende von A\n\n[B]\nz=3\n");
  ASSERT_TRUE(ini.schreibeText("A", "neu", "wert"));
  EXPECT_EQ(ini.text(), "[A]\nx=1\nneu=wert\n; Ende von A\n\n[B]\nz=3\n");
  // The index of the keys behind the insertion must follow.
  ASSERT_TRUE(ini.schreibeText("A", "x", "2"));
  EXPECT_EQ(ini.wert("A", "x"), "2");
  EXPECT_EQ(ini.wert("A", "neu"), "wert");
}

TEST(IniSchreiben, NeueSektionAmEndeMitLeerzeile) {
  auto ini = IniDatei::ausText("[A]\nx=1");
  ASSERT_TRUE(ini.schreibeZahl("Drucken", "Segmente", 1));
  ASSERT_TRUE(ini.schreibeBool("Drucken", "PDFoptimieren", true));
  EXPECT_EQ(ini.text(), "[A]\nx=1\n\n[Drucken]\nSegmente=1\nPDFoptimieren=1\n");

  IniDatei leer;
  ASSERT_TRUE(leer.schreibeListe("Mehrfachlinien", "Stil", {"1", "1", "2"}));
  EXPECT_EQ(leer.text(), "[Mehrfachlinien]\nStil=1;1;2;\n");
}

TEST(IniSchreiben, WerteKommenGenauSoZurueck) {
  IniDatei ini;
  for (const std::string wert : {"  Blanks vorn und hinten  ", "\"in Anführungszeichen\"", "a=b", "; kein Kommentar",
                                 "[keine Sektion]", "Umlaute äöüß €", ""}) {
    ASSERT_TRUE(ini.schreibeText("A", "k", wert));
    EXPECT_EQ(IniDatei::ausText(ini.text()).wert("A", "k"), wert);
  }
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

TEST(IniSchreiben, UmschreibenBehaeltUnbekanntesUndKommentare) {
  const std::string original =
      "; Quarzel-Einstellungen, von Hand ergänzt\n"
      "[Projektoptionen]\n"
      "Maßstab=50\n"
      "Unbekannt=behalten\n"
      "Müll ohne Gleichheitszeichen\n"
      "# noch ein Kommentar\n"
      "\n"
      "[Fremde Sektion]\n"
      "irgendwas=1\n";
  auto ini = IniDatei::ausText(original);
  ini.schreibeZahl("Projektoptionen", "Maßstab", 100);
  ini.schreibeText("Projektoptionen", "Einheitenname", "m");
  const std::string neu = ini.text();
  for (const char* zeile :
       {"; Quarzel-Einstellungen, von Hand ergänzt\n", "Unbekannt=behalten\n", "Müll ohne Gleichheitszeichen\n",
        "# noch ein Kommentar\n", "[Fremde Sektion]\n", "irgendwas=1\n", "Maßstab=100\n", "Einheitenname=m\n"}) {
    EXPECT_NE(neu.find(zeile), std::string::npos) << zeile;
  }
  EXPECT_EQ(neu.find("Maßstab=50"), std::string::npos);
  EXPECT_LT(neu.find("Einheitenname=m"), neu.find("Müll")) << "new key directly after the last key";
}

TEST(IniSchreiben, EntfernenVonSchluesselnUndSektionen) {
  auto ini = IniDatei::ausText("[A]\nk=1\nx=2\nK=3\n[B]\ny=1\n[a]\nk=4\n");
  EXPECT_TRUE(ini.entferneSchluessel("A", "k"));
  EXPECT_FALSE(ini.entferneSchluessel("A", "k"));
  EXPECT_FALSE(ini.wert("A", "k"));
  EXPECT_EQ(ini.wert("A", "x"), "2");
  EXPECT_TRUE(ini.entferneSektion("a"));
  EXPECT_FALSE(ini.hatSektion("A")) << "both sections named A are gone";
  EXPECT_EQ(ini.wert("B", "y"), "1");
  EXPECT_FALSE(ini.entferneSektion("A"));
  EXPECT_EQ(ini.text(), "[B]\ny=1\n");
}

}  // namespace
}  // namespace quarzel
