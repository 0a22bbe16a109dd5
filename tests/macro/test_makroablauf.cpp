// Program flow: conditions, loops, subroutines, variables, the end of a run.
#include <gtest/gtest.h>

#include "support/macro/makrolauf_hilfe.h"

namespace quarzel {
namespace {

using test::ergebnis;
using test::Makrolauf;
using V = std::vector<std::string>;

// Source -> the stack it leaves, for the flow rules that need no set-up.
struct Ablauf {
  const char* quelle;
  V stapel;
};

void pruefeAblaeufe(std::initializer_list<Ablauf> faelle) {
  for (const Ablauf& f : faelle) {
    Makrolauf m;
    m.lauf(f.quelle);
    EXPECT_EQ(m.fehlercode(), 0) << f.quelle << ": " << m.fehlertext();
    EXPECT_EQ(m.stapel(), f.stapel) << f.quelle;
  }
}

TEST(Bedingungen, NurDieNullIstFalschUndZweigeWerdenVerschachteltUebersprungen) {
  pruefeAblaeufe({
      {"0 IF (ja) ELSE (nein) ENDIF", {"nein"}},
      {"0.0 IF (ja) ELSE (nein) ENDIF", {"ja"}},
      {"FALSE IF (ja) ELSE (nein) ENDIF", {"ja"}},
      {"0 IF 1 IF (a) ELSE (b) ENDIF (c) ELSE (d) ENDIF (e)", {"d", "e"}},
      {"1 IF 0 IF (a) ELSE (b) ENDIF (c) ELSE (d) ENDIF (e)", {"b", "c", "e"}},
      {"0 IF (a) (b) ENDIF (c)", {"c"}},
      {"0 if (a) else (b) endif", {"b"}},
      {"0 IF (a) (b)", {}},  // a missing ENDIF ends the run
  });
}

TEST(Schleifen, AnzahlVerschachtelungUndExit) {
  pruefeAblaeufe({
      // Zero, one and negative counts run once.
      {"/n 0 DEF 0 { /n n 1 ADD DEF } n", {"1"}},
      {"/n 0 DEF -5 { /n n 1 ADD DEF } n", {"1"}},
      {"/n 0 DEF 7 { /n n 1 ADD DEF } n", {"7"}},
      {"/n 0 DEF 3 { 4 { /n n 1 ADD DEF } } n", {"12"}},
      // EXIT leaves the innermost loop only, skipping inner loops on the way.
      {"/n 0 DEF 100 { /n n 1 ADD DEF n 5 EQ EXIT } n", {"5"}},
      {"/n 0 DEF 3 { 100 { /n n 1 ADD DEF -1 EXIT } } n", {"3"}},
      {"/n 0 DEF 4 { 0 EXIT /n n 1 ADD DEF } n", {"4"}},
      {"/n 0 DEF 5 { /n n 1 ADD DEF 1 EXIT 2 { (nie) } } n", {"1"}},
  });
}

TEST(Unterprogramme, AufrufRueckkehrUndLaufende) {
  pruefeAblaeufe({
      {"(a) (teil) CALL (c) teil# (b) RETURN", {"a", "b", "c"}},
      {"(Aussen) CALL subroutine Aussen# subroutine (innen) CALL subroutine RETURN innen# subroutine RETURN",
       {"Aussen", "innen", "Aussen", "no"}},
      {"(TEIL) CALL TeIl# (drin) RETURN", {"drin"}},
      {"1 2 3", {"1", "2", "3"}},
      {"(a) ende# (b) (c)", {"a"}},             // the first label ends the main program
      {"(t) CALL (nie) t# (a) u# (b)", {"a"}},  // without RETURN: up to the next label
  });
}

TEST(Variablen, ErsetzungFelderUndSchreibweise) {
  pruefeAblaeufe({
      {"/x 3 DEF x X /x", {"3", "3", "/x"}},
      {"/x (y) DEF x 5 DEF y", {"5"}},  // a value as name defines a new variable
      {"/i 2 DEF /a[i] 7 DEF a[2] a[i] /i 3 DEF a[i] a[j]", {"7", "7", "a[3]", "a[j]"}},
      {"/i 0 DEF 5 { /i i 1 ADD DEF /q[i] i i MUL DEF } q[4]", {"16"}},
      {"/Breite 4 DEF BREITE breite ADD", {"8"}},
      {"/x 3 DEF (x)", {"x"}},
      {"pi", {"3.14159265358979"}},
  });
}

// Source -> the error that ends the run: its number and the exact text the
// user reads (nullptr: not checked).
TEST(Laufende, FehlerNennenNummerUndText) {
  const struct {
    const char* quelle;
    int code;
    const char* text;
  } faelle[] = {
      {"}", 11, "Schleifende ohne Schleifenanfang"},
      {"1 EXIT", 10, "EXIT nur innerhalb von Schleifen erlaubt"},
      {"2.5 { }", 97, nullptr},
      {"(fehlt) CALL", 2, "Unterprogramm \"fehlt\" nicht gefunden"},
      {"RETURN", 3, "RETURN ohne CALL"},
      {"(rechne) CALL rechne# 1 0 DIV RETURN", 9, "Divison durch 0 bei DIV in rechne#"},
      {"(a) CALL a# (b) CALL RETURN b# POP RETURN", 1, "Zuwenig Parameter für POP in b#"},
      {"(r) CALL r# (r) CALL RETURN", 21, nullptr},
      {"(a) CALL a# (b) CALL RETURN b# (a) CALL RETURN", 21, "Unerlaubter rekursiver Aufruf von a. in b#"},
      {"/x 3 DEF x 5 DEF", 37, "Die Zahl 3 ist als Variablenname nicht zulässig."},
  };
  for (const auto& f : faelle) {
    Makrolauf m;
    EXPECT_EQ(m.lauf(f.quelle), Laufende::Fehler) << f.quelle;
    EXPECT_EQ(m.fehlercode(), f.code) << f.quelle;
    if (f.text != nullptr) {
      EXPECT_EQ(m.fehlertext(), f.text);
    }
  }
  // The run ends at the error; a number as a name pops nothing; recursion
  // stops at the deepest call.
  Makrolauf m;
  m.lauf("(a) POP POP (b)");
  EXPECT_TRUE(m.stapel().empty());
  m.lauf("/x 3 DEF x 5 DEF");
  EXPECT_EQ(m.stapel(), (V{"3", "5"}));
  m.lauf("(r) CALL r# (r) CALL RETURN");
  EXPECT_EQ(m.interpreter.aufruftiefe(), Makrointerpreter::HoechsteAufruftiefe);
}

}  // namespace
}  // namespace quarzel
