// Values: stack, arithmetic, comparison and text words, with their exact results.
#include <gtest/gtest.h>

#include "makrolauf_hilfe.h"

namespace quarzel {
namespace {

using test::ergebnis;
using test::Makrolauf;

TEST(Stapelwoerter, DupPopExchClear) {
  Makrolauf m;
  m.lauf("1 2 DUP");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"1", "2", "2"}));
  m.lauf("1 2 EXCH");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"2", "1"}));
  m.lauf("1 2 POP");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"1"}));
  m.lauf("1 2 3 CLEAR");
  EXPECT_TRUE(m.stapel().empty());
}

TEST(Stapelwoerter, MultidupVerdoppeltDieObersten) {
  Makrolauf m;
  m.lauf("a b c 2 MULTIDUP");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"a", "b", "c", "b", "c"}));
  m.lauf("a 2.9 MULTIDUP");
  EXPECT_EQ(m.fehlercode(), 1);
  m.lauf("a 0 MULTIDUP");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"a"}));
}

TEST(Stapelwoerter, ExchMitVarLiestEineVariable) {
  Makrolauf m;
  m.lauf("/breite 12 DEF (breite) \\VAR EXCH");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"12"}));
  m.lauf("(unbekannt) \\var EXCH");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"unbekannt"}));
}

TEST(Stapelwoerter, StapelWaechstNichtOhneGrenze) {
  Makrolauf m;
  m.lauf("1 2000000 { 1 }");
  EXPECT_EQ(m.fehlercode(), 13);
  EXPECT_EQ(m.interpreter.stapel().groesse(), Makrostapel::Hoechstgroesse);
}

TEST(Arithmetik, Grundrechenarten) {
  EXPECT_EQ(ergebnis("2 3 ADD"), "5");
  EXPECT_EQ(ergebnis("2 3 SUB"), "-1");
  EXPECT_EQ(ergebnis("2,5 2 MUL"), "5");
  EXPECT_EQ(ergebnis("1 4 DIV"), "0.25");
  EXPECT_EQ(ergebnis("7 2 IDIV"), "3");
  EXPECT_EQ(ergebnis("-7 2 IDIV"), "-3");
  EXPECT_EQ(ergebnis("7 3 MOD"), "1");
  EXPECT_EQ(ergebnis("-7 3 MOD"), "-1");
  EXPECT_EQ(ergebnis("7.5 2 MOD"), "1");
  EXPECT_EQ(ergebnis("2 10 POWER"), "1024");
  EXPECT_EQ(ergebnis("2 3 MAX"), "3");
  EXPECT_EQ(ergebnis("2 3 MIN"), "2");
  EXPECT_EQ(ergebnis("0.1 0.2 ADD"), "0.3");
  EXPECT_EQ(ergebnis(" 1 3 DIV"), "0.333333333333333");
}

TEST(Arithmetik, DivisionDurchDenText0IstFehler9) {
  Makrolauf m;
  m.lauf("1 0 DIV");
  EXPECT_EQ(m.fehlercode(), 9);
  EXPECT_EQ(m.fehlertext(), "Divison durch 0 bei DIV");
  EXPECT_EQ(ergebnis("1 0 IDIV"), "Fehler 9");
  EXPECT_EQ(ergebnis("1 0 MOD"), "Fehler 9");
}

TEST(Arithmetik, DivisionDurch0Punkt0ScheitertInDerRechnung) {
  Makrolauf m;
  m.lauf("1 0.0 DIV");
  EXPECT_EQ(m.fehlercode(), 97);
  EXPECT_TRUE(m.fehlertext().starts_with("Unbekannter Fehler führte zum Abbruch bei DIV ")) << m.fehlertext();
  EXPECT_EQ(ergebnis("1 0.0 IDIV"), "Fehler 99");
}

TEST(Arithmetik, TextStattZahl) {
  EXPECT_EQ(ergebnis("a 1 ADD"), "Fehler 97");  // ADD has a fast path
  EXPECT_EQ(ergebnis("a ABS"), "Fehler 99");
  EXPECT_EQ(ergebnis("2 a LT"), "Fehler 99");
}

TEST(Arithmetik, EinstelligeWoerter) {
  EXPECT_EQ(ergebnis("-3 ABS"), "3");
  EXPECT_EQ(ergebnis("3 NEG"), "-3");
  EXPECT_EQ(ergebnis("3 INC"), "4");
  EXPECT_EQ(ergebnis("3 DEC"), "2");
  EXPECT_EQ(ergebnis("16 SQR"), "4");
  EXPECT_EQ(ergebnis("1 LOG"), "0");
  EXPECT_EQ(ergebnis("1000 LOG10"), "3");
  EXPECT_EQ(ergebnis("8 LOG2"), "3");
  EXPECT_EQ(ergebnis("-3.7 INT"), "-3");
  EXPECT_EQ(ergebnis("5 !"), "120");
  EXPECT_EQ(ergebnis("0 !"), "1");
  EXPECT_EQ(ergebnis("-2 !"), "1");
  EXPECT_EQ(ergebnis("3 ODD"), "-1");
  EXPECT_EQ(ergebnis("3 EVEN"), "0");
}

TEST(Arithmetik, OhneErgebnisStopptDerLauf) {
  EXPECT_EQ(ergebnis("-1 SQR"), "Fehler 99");
  EXPECT_EQ(ergebnis("0 LOG"), "Fehler 99");
  EXPECT_EQ(ergebnis("2 ASIN"), "Fehler 99");
  EXPECT_EQ(ergebnis("171 !"), "Fehler 99");
  EXPECT_EQ(ergebnis("10 400 POWER"), "Fehler 99");
}

TEST(Arithmetik, RundenUndFormatieren) {
  EXPECT_EQ(ergebnis("3.14159 2 ROUND"), "3.14");
  EXPECT_EQ(ergebnis("1234 -2 ROUND"), "1200");
  EXPECT_EQ(ergebnis("2 3 FORMAT"), "2.000");
  EXPECT_EQ(ergebnis("2,5 0 FORMAT"), "3");
  EXPECT_EQ(ergebnis("-0.001 2 FORMAT"), "0.00");
}

TEST(Arithmetik, WinkelInGrad) {
  EXPECT_EQ(ergebnis("90 SIN"), "1");
  EXPECT_EQ(ergebnis("90 COS"), "0");
  EXPECT_EQ(ergebnis("270 COS"), "0");
  EXPECT_EQ(ergebnis("60 COS"), "0.5");
  EXPECT_EQ(ergebnis("45 TAN"), "1");
  EXPECT_EQ(ergebnis("1 ASIN"), "90");
  EXPECT_EQ(ergebnis("1 ATN"), "45");
  EXPECT_EQ(ergebnis("0 0 3 4 DISTANCE"), "5");
  EXPECT_EQ(ergebnis("0 0 0 5 ANGLE"), "90");
  EXPECT_EQ(ergebnis("0 0 0 -5 ANGLE"), "270");
}

TEST(Arithmetik, ZufallBleibtImBereich) {
  Makrolauf m;
  m.lauf("200 { 6 RND }");
  for (const std::string& w : m.stapel()) {
    const int z = std::stoi(w);
    EXPECT_GE(z, 0);
    EXPECT_LT(z, 6);
  }
  EXPECT_EQ(ergebnis("0 RND"), "0");
}

TEST(Vergleiche, GleichheitVergleichtTexte) {
  EXPECT_EQ(ergebnis("1 1.0 EQ"), "0");
  EXPECT_EQ(ergebnis("1 1 EQ"), "-1");
  EXPECT_EQ(ergebnis("(a) (A) EQ"), "0");
  EXPECT_EQ(ergebnis("1 1.0 NE"), "-1");
}

TEST(Vergleiche, OrdnungVergleichtZahlen) {
  EXPECT_EQ(ergebnis("1 1.0 GE"), "-1");
  EXPECT_EQ(ergebnis("1 1,0 LE"), "-1");
  EXPECT_EQ(ergebnis("2 10 LT"), "-1");
  EXPECT_EQ(ergebnis("2 10 GT"), "0");
}

TEST(Logik, Bitweise) {
  EXPECT_EQ(ergebnis("-1 0 AND"), "0");
  EXPECT_EQ(ergebnis("-1 0 OR"), "-1");
  EXPECT_EQ(ergebnis("6 3 XOR"), "5");
  EXPECT_EQ(ergebnis("-1 -1 EQV"), "-1");
  EXPECT_EQ(ergebnis("-1 NOT"), "0");
  EXPECT_EQ(ergebnis("0 NOT"), "-1");
  EXPECT_EQ(ergebnis("1.5 NOT"), "Fehler 99");
}

TEST(Textwoerter, Verketten) {
  EXPECT_EQ(ergebnis("(Tür) (griff) STRADD"), "Türgriff");
  EXPECT_EQ(ergebnis("/a1 (x) DEF (a) 1 STRADDV"), "x");
  EXPECT_EQ(ergebnis("(a) 2 STRADDV"), "a2");
  EXPECT_EQ(ergebnis("(a) 65 STRADDASC"), "aA");
  EXPECT_EQ(ergebnis("(Ma) 223 STRADDASC"), "Maß");
  EXPECT_EQ(ergebnis("(a) 0 STRADDASC"), "Fehler 5");
}

TEST(Textwoerter, TeileZaehlenZeichenNichtBytes) {
  EXPECT_EQ(ergebnis("(Größe) 3 LEFTSTR"), "Grö");
  EXPECT_EQ(ergebnis("(Größe) 3 RIGHTSTR"), "öße");
  EXPECT_EQ(ergebnis("(Größe) 2 3 MIDSTR"), "röß");
  EXPECT_EQ(ergebnis("(Größe) LENGTH"), "5");
  EXPECT_EQ(ergebnis("(Größe) (ße) POS"), "4");
  EXPECT_EQ(ergebnis("(abc) (x) POS"), "0");
}

TEST(Textwoerter, GrenzenWerdenGeklemmt) {
  EXPECT_EQ(ergebnis("(abc) 10 LEFTSTR"), "abc");
  EXPECT_EQ(ergebnis("(abc) -1 LEFTSTR"), "");
  EXPECT_EQ(ergebnis("(abc) 10 RIGHTSTR"), "abc");
  EXPECT_EQ(ergebnis("(abc) 9 2 MIDSTR"), "");
  EXPECT_EQ(ergebnis("(abc) 0 2 MIDSTR"), "ab");
}

TEST(Textwoerter, IstText) {
  EXPECT_EQ(ergebnis("12,5 ISTEXT"), "0");
  EXPECT_EQ(ergebnis("(abc) ISTEXT"), "-1");
  EXPECT_EQ(ergebnis("() ISTEXT"), "0");
}

TEST(Textwoerter, TextbreiteWaechstMitDemText) {
  Makrolauf m;
  m.lauf("(ab) TEXTWIDTH (abcd) TEXTWIDTH");
  ASSERT_EQ(m.stapel().size(), 2u);
  EXPECT_GT(std::stod(m.stapel()[1]), std::stod(m.stapel()[0]));
}

}  // namespace
}  // namespace quarzel
