// Values: stack, arithmetic, comparison and text words, with their exact
// results at the edges (the plain case of every word is pinned with the
// command table).
//
//
#include <gtest/gtest.h>

#include "macro/makrostapel.h"
#include "macro/makrovariablen.h"
#include "macro/makrowerte.h"
#include "support/macro/makrolauf_hilfe.h"

namespace quarzel {
namespace {

using test::ergebnis;
using test::Makrolauf;

// Source -> the top of the stack, or "Fehler n".
void pruefe(std::initializer_list<std::pair<const char*, const char*>> faelle) {
  for (const auto& [quelle, erwartet] : faelle) EXPECT_EQ(ergebnis(quelle), erwartet) << quelle;
}

TEST(Stapelwoerter, MultidupUndExchMitVar) {
  Makrolauf m;
  m.lauf("a b c 2 MULTIDUP");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"a", "b", "c", "b", "c"}));
  m.lauf("a 0 MULTIDUP");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"a"}));
  m.lauf("a 2.9 MULTIDUP");
  EXPECT_EQ(m.fehlercode(), 1);
  m.lauf("/breite 12 DEF (breite) \\VAR EXCH");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"12"}));
  m.lauf("(unbekannt) \\var EXCH");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"unbekannt"}));
}

TEST(Arithmetik, VorzeichenRundungUndFuenfzehnStellen) {
  pruefe({
      {"2,5 2 MUL", "5"},
      {"-7 2 IDIV", "-3"},
      {"-7 3 MOD", "-1"},
      {"7.5 2 MOD", "1"},
      {"0.1 0.2 ADD", "0.3"},
      {" 1 3 DIV", "0.333333333333333"},
      {"-3.7 INT", "-3"},
      {"0 !", "1"},
      {"-2 !", "1"},
      {"3 ODD", "-1"},
      {"3.14159 2 ROUND", "3.14"},
      {"1234 -2 ROUND", "1200"},
      {"2,5 0 FORMAT", "3"},
      {"-0.001 2 FORMAT", "0.00"},
  });
}

TEST(Arithmetik, DivisionDurchNullUndWerteOhneErgebnis) {
  Makrolauf m;
  m.lauf("1 0 DIV");
  EXPECT_EQ(m.fehlertext(), "Divison durch 0 bei DIV");
  // "0.0" is no "0": the division is tried and fails in the arithmetic.
  m.lauf("1 0.0 DIV");
  EXPECT_EQ(m.fehlercode(), 97);
  EXPECT_TRUE(m.fehlertext().starts_with("Unbekannter Fehler führte zum Abbruch bei DIV ")) << m.fehlertext();
  pruefe({
      {"1 0 IDIV", "Fehler 9"},
      {"1 0 MOD", "Fehler 9"},
      {"1 0.0 IDIV", "Fehler 99"},
      {"a 1 ADD", "Fehler 97"},  // ADD has a fast path
      {"a ABS", "Fehler 99"},
      {"2 a LT", "Fehler 99"},
      {"-1 SQR", "Fehler 99"},
      {"0 LOG", "Fehler 99"},
      {"2 ASIN", "Fehler 99"},
      {"171 !", "Fehler 99"},
      {"10 400 POWER", "Fehler 99"},
      {"1.5 NOT", "Fehler 99"},
  });
}

TEST(Vergleiche, GleichheitVergleichtTexteOrdnungZahlen) {
  pruefe({
      {"1 1 EQ", "-1"},
      {"(a) (A) EQ", "0"},
      {"1 1,0 LE", "-1"},
      {"2 10 LT", "-1"},  // not "2" > "1" as texts
      {"2 10 GT", "0"},
      {"-1 0 AND", "0"},
      {"-1 0 OR", "-1"},
      {"-1 -1 EQV", "-1"},
      {"-1 NOT", "0"},
  });
}

TEST(Textwoerter, ZeichenStattBytesUndGeklemmteGrenzen) {
  pruefe({
      {"(Tür) (griff) STRADD", "Türgriff"},
      {"/a1 (x) DEF (a) 1 STRADDV", "x"},
      {"(a) 2 STRADDV", "a2"},
      {"(Ma) 223 STRADDASC", "Maß"},
      {"(a) 0 STRADDASC", "Fehler 5"},
      {"(Größe) 3 LEFTSTR", "Grö"},
      {"(Größe) 3 RIGHTSTR", "öße"},
      {"(Größe) 2 3 MIDSTR", "röß"},
      {"(Größe) LENGTH", "5"},
      {"(Größe) (ße) POS", "4"},
      {"(abc) (x) POS", "0"},
      {"(abc) 10 LEFTSTR", "abc"},
      {"(abc) -1 LEFTSTR", ""},
      {"(abc) 10 RIGHTSTR", "abc"},
      {"(abc) 9 2 MIDSTR", ""},
      {"(abc) 0 2 MIDSTR", "ab"},
      {"12,5 ISTEXT", "0"},
      {"() ISTEXT", "0"},
  });
}

TEST(Makrozahlen, FuenfzehnGueltigeStellenOhneNullenUndExponentOhnePlus) {
  const std::pair<double, const char*> faelle[] = {
      {3, "3"},
      {-0.0, "0"},
      {123456789012345.0, "123456789012345"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
      {3.14159265358979323, "3.14159265358979"},
      {1e20, "1E20"},
      {-2.5e-10, "-2.5E-10"},
      {0.0001, "0.0001"},
  };
  for (const auto& [zahl, text] : faelle) EXPECT_EQ(makrozahl(zahl), text) << text;
}

}  // namespace
}  // namespace quarzel
