// Program flow: conditions, loops, subroutines, variables, the end of a run.
#include <gtest/gtest.h>

#include "makrolauf_hilfe.h"

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

TEST(Schleifen, FehlerDerSchleifenwoerter) {
  Makrolauf m;
  m.lauf("}");
  EXPECT_EQ(m.fehlercode(), 11);
  EXPECT_EQ(m.fehlertext(), "Schleifende ohne Schleifenanfang");
  m.lauf("1 EXIT");
  EXPECT_EQ(m.fehlercode(), 10);
  EXPECT_EQ(m.fehlertext(), "EXIT nur innerhalb von Schleifen erlaubt");
  m.lauf("2.5 { }");
  EXPECT_EQ(m.fehlercode(), 97);
}

TEST(Unterprogramme, AufrufRueckkehrUndLaufende) {
  pruefeAblaeufe({
      {"(a) (teil) CALL (c) teil# (b) RETURN", {"a", "b", "c"}},
      {"(Aussen) CALL subroutine Aussen# subroutine (innen) CALL subroutine RETURN innen# subroutine RETURN",
       {"Aussen", "innen", "Aussen", "no"}},
      {"(TEIL) CALL TeIl# (drin) RETURN", {"drin"}},
      {"1 2 3", {"1", "2", "3"}},
      {"(a) ende# (b) (c)", {"a"}},                // the first label ends the main program
      {"(t) CALL (nie) t# (a) u# (b)", {"a"}},     // without RETURN: up to the next label
  });
}

TEST(Unterprogramme, ZweiterAufrufKommtAusDemZwischenspeicher) {
  Makrolauf m;
  m.lauf("(t) CALL (t) CALL (u) CALL t# 1 RETURN u# 2 RETURN");
  EXPECT_EQ(m.stapel(), (V{"1", "1", "2"}));
  EXPECT_EQ(m.interpreter.unterprogramme(), (V{"t", "u"}));
}

TEST(Unterprogramme, FehlerNennenDasUnterprogramm) {
  Makrolauf m;
  m.lauf("(fehlt) CALL");
  EXPECT_EQ(m.fehlertext(), "Unterprogramm \"fehlt\" nicht gefunden");
  m.lauf("RETURN");
  EXPECT_EQ(m.fehlertext(), "RETURN ohne CALL");
  m.lauf("(rechne) CALL rechne# 1 0 DIV RETURN");
  EXPECT_EQ(m.fehlertext(), "Divison durch 0 bei DIV in rechne#");
  m.lauf("(a) CALL a# (b) CALL RETURN b# POP RETURN");
  EXPECT_EQ(m.fehlertext(), "Zuwenig Parameter für POP in b#");
  EXPECT_EQ(m.lauf("(a) POP POP (b)"), Laufende::Fehler);
  EXPECT_TRUE(m.stapel().empty()) << "the run ends at the error";
}

TEST(Unterprogramme, EndlosRekursionEndetMitFehler) {
  Makrolauf m;
  m.lauf("(r) CALL r# (r) CALL RETURN");
  EXPECT_EQ(m.ende, Laufende::Fehler);
  EXPECT_EQ(m.fehlercode(), 21);
  EXPECT_EQ(m.interpreter.aufruftiefe(), Makrointerpreter::HoechsteAufruftiefe);
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

TEST(Variablen, ZahlAlsNameIstFehler37) {
  Makrolauf m;
  m.lauf("/x 3 DEF x 5 DEF");
  EXPECT_EQ(m.fehlercode(), 37);
  EXPECT_EQ(m.fehlertext(), "Die Zahl 3 ist als Variablenname nicht zulässig.");
  EXPECT_EQ(m.stapel(), (V{"3", "5"}));  // nothing popped
}

TEST(Variablen, JederLaufBeginntFrisch) {
  Makrolauf m;
  m.lauf("/x 1 DEF 5 6");
  m.lauf("x");
  EXPECT_EQ(m.stapel(), V{"x"});
}

TEST(Debugmodus, UnterschiedlicheAnzahlenWarnenUndStoppenNachDemErstenBefehl) {
  Makrolauf m;
  Makrostart start;
  start.debugmodus = true;
  m.lauf("(a) (b) 1 IF { /x", start);
  EXPECT_EQ(m.interpreter.warnungen(), (V{"Fehler: unterschiedliche Anzahl IF und ENDIF",
                                          "Fehler: unterschiedliche Anzahl /var und DEF",
                                          "Fehler: unterschiedliche Anzahl { und }"}));
  EXPECT_EQ(m.stapel(), V{"a"});
  ASSERT_EQ(m.benutzer.meldungen.size(), 3u);
  EXPECT_EQ(m.benutzer.meldungen[0].art, Meldungsart::Warnung);

  m.lauf("/x 1 DEF 1 IF 2 { } ENDIF (fertig)", start);
  EXPECT_TRUE(m.interpreter.warnungen().empty());
  EXPECT_EQ(m.oben(), "fertig");

  // A macro started from a file is not checked.
  start.ausDatei = true;
  m.lauf("(a) (b) 1 IF", start);
  EXPECT_TRUE(m.interpreter.warnungen().empty());
  EXPECT_EQ(m.stapel().size(), 2u);
}

}  // namespace
}  // namespace quarzel
