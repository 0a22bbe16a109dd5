// Program flow: conditions, loops, subroutines, variables, the end of a run.
#include <gtest/gtest.h>

#include "makrolauf_hilfe.h"

namespace quarzel {
namespace {

using test::ergebnis;
using test::Makrolauf;

TEST(Bedingungen, NurDieNullIstFalsch) {
  EXPECT_EQ(ergebnis("0 IF (ja) ELSE (nein) ENDIF"), "nein");
  EXPECT_EQ(ergebnis("0.0 IF (ja) ELSE (nein) ENDIF"), "ja");
  EXPECT_EQ(ergebnis("FALSE IF (ja) ELSE (nein) ENDIF"), "ja");
  EXPECT_EQ(ergebnis("-1 IF (ja) ELSE (nein) ENDIF"), "ja");
}

TEST(Bedingungen, VerschachtelteZweigeWerdenUebersprungen) {
  const char* q = "0 IF 1 IF (a) ELSE (b) ENDIF (c) ELSE (d) ENDIF (e)";
  Makrolauf m;
  m.lauf(q);
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"d", "e"}));
  m.lauf("1 IF 0 IF (a) ELSE (b) ENDIF (c) ELSE (d) ENDIF (e)");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"b", "c", "e"}));
}

TEST(Bedingungen, OhneElseGehtEsNachEndifWeiter) {
  Makrolauf m;
  m.lauf("0 IF (a) (b) ENDIF (c)");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"c"}));
}

TEST(Bedingungen, GrossUndKleinschreibungDerWoerter) {
  EXPECT_EQ(ergebnis("0 if (a) else (b) endif"), "b");
}

TEST(Bedingungen, FehlendesEndifBeendetDenLauf) {
  Makrolauf m;
  EXPECT_EQ(m.lauf("0 IF (a) (b)"), Laufende::Beendet);
  EXPECT_TRUE(m.stapel().empty());
}

TEST(Schleifen, NullUndEinsLaufenEinmal) {
  EXPECT_EQ(ergebnis("/n 0 DEF 0 { /n n 1 ADD DEF } n"), "1");
  EXPECT_EQ(ergebnis("/n 0 DEF 1 { /n n 1 ADD DEF } n"), "1");
  EXPECT_EQ(ergebnis("/n 0 DEF -5 { /n n 1 ADD DEF } n"), "1");
  EXPECT_EQ(ergebnis("/n 0 DEF 7 { /n n 1 ADD DEF } n"), "7");
}

TEST(Schleifen, Verschachtelt) {
  EXPECT_EQ(ergebnis("/n 0 DEF 3 { 4 { /n n 1 ADD DEF } } n"), "12");
}

TEST(Schleifen, ExitVerlaesstDieInnersteSchleife) {
  EXPECT_EQ(ergebnis("/n 0 DEF 100 { /n n 1 ADD DEF n 5 EQ EXIT } n"), "5");
  EXPECT_EQ(ergebnis("/n 0 DEF 3 { 100 { /n n 1 ADD DEF -1 EXIT } } n"), "3");
  EXPECT_EQ(ergebnis("/n 0 DEF 4 { 0 EXIT /n n 1 ADD DEF } n"), "4");
}

TEST(Schleifen, ExitSpringtUeberInnereSchleifen) {
  EXPECT_EQ(ergebnis("/n 0 DEF 5 { /n n 1 ADD DEF 1 EXIT 2 { (nie) } } n"), "1");
}

TEST(Schleifen, FehlerDerSchleifenwoerter) {
  Makrolauf m;
  m.lauf("}");
  EXPECT_EQ(m.fehlercode(), 11);
  EXPECT_EQ(m.fehlertext(), "Schleifende ohne Schleifenanfang");
  m.lauf("1 EXIT");
  EXPECT_EQ(m.fehlercode(), 10);
  EXPECT_EQ(m.fehlertext(), "EXIT nur innerhalb von Schleifen erlaubt");
  m.lauf("{");
  EXPECT_EQ(m.fehlercode(), 1);
  EXPECT_EQ(m.fehlertext(), "Zuwenig Parameter für {");
}

TEST(Schleifen, AnzahlMussGanzzahligSein) {
  Makrolauf m;
  m.lauf("2.5 { }");
  EXPECT_EQ(m.fehlercode(), 97);
}

TEST(Unterprogramme, AufrufUndRueckkehr) {
  Makrolauf m;
  m.lauf("(a) (teil) CALL (c) teil# (b) RETURN");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(m.variable("subroutine"), "no");
}

TEST(Unterprogramme, SubroutineNenntDasLaufende) {
  Makrolauf m;
  m.lauf("(Aussen) CALL subroutine Aussen# subroutine (innen) CALL subroutine RETURN innen# subroutine RETURN");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"Aussen", "innen", "Aussen", "no"}));
}

TEST(Unterprogramme, NamenOhneRuecksichtAufSchreibweise) {
  EXPECT_EQ(ergebnis("(TEIL) CALL TeIl# (drin) RETURN"), "drin");
}

TEST(Unterprogramme, FehlendesLabelIstFehler2) {
  Makrolauf m;
  m.lauf("(fehlt) CALL");
  EXPECT_EQ(m.fehlercode(), 2);
  EXPECT_EQ(m.fehlertext(), "Unterprogramm \"fehlt\" nicht gefunden");
}

TEST(Unterprogramme, ZweiterAufrufKommtAusDemZwischenspeicher) {
  Makrolauf m;
  m.lauf("(t) CALL (t) CALL (u) CALL t# 1 RETURN u# 2 RETURN");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"1", "1", "2"}));
  EXPECT_EQ(m.interpreter.unterprogramme(), (std::vector<std::string>{"t", "u"}));
}

TEST(Unterprogramme, ReturnOhneCall) {
  Makrolauf m;
  m.lauf("RETURN");
  EXPECT_EQ(m.fehlercode(), 3);
  EXPECT_EQ(m.fehlertext(), "RETURN ohne CALL");
}

TEST(Unterprogramme, FehlerImUnterprogrammNenntEs) {
  Makrolauf m;
  m.lauf("(rechne) CALL rechne# 1 0 DIV RETURN");
  EXPECT_EQ(m.fehlertext(), "Divison durch 0 bei DIV in rechne#");
  m.lauf("(a) CALL a# (b) CALL RETURN b# POP RETURN");
  EXPECT_EQ(m.fehlertext(), "Zuwenig Parameter für POP in b#");
}

TEST(Unterprogramme, EndlosRekursionEndetMitFehler) {
  Makrolauf m;
  m.lauf("(r) CALL r# (r) CALL RETURN");
  EXPECT_EQ(m.ende, Laufende::Fehler);
  EXPECT_EQ(m.fehlercode(), 21);
  EXPECT_EQ(m.interpreter.aufruftiefe(), Makrointerpreter::HoechsteAufruftiefe);
}

TEST(Laufende, OhneLabelBisZurEndmarke) {
  Makrolauf m;
  EXPECT_EQ(m.lauf("1 2 3"), Laufende::Beendet);
  EXPECT_EQ(m.stapel().size(), 3u);
}

TEST(Laufende, DasErsteLabelBeendetDasHauptprogramm) {
  Makrolauf m;
  m.lauf("(a) ende# (b) (c)");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"a"}));
}

TEST(Laufende, UnterprogrammOhneReturnEndetAmNaechstenLabel) {
  Makrolauf m;
  m.lauf("(t) CALL (nie) t# (a) u# (b)");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"a"}));
}

TEST(Variablen, NameWirdBeiJedemVorkommenErsetzt) {
  Makrolauf m;
  m.lauf("/x 3 DEF x X /x");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"3", "3", "/x"}));
}

TEST(Variablen, ZahlAlsNameIstFehler37) {
  Makrolauf m;
  m.lauf("/x 3 DEF x 5 DEF");
  EXPECT_EQ(m.fehlercode(), 37);
  EXPECT_EQ(m.fehlertext(), "Die Zahl 3 ist als Variablenname nicht zulässig.");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"3", "5"}));  // nothing popped
}

TEST(Variablen, WertAlsNameDefiniertNeueVariable) {
  Makrolauf m;
  m.lauf("/x (y) DEF x 5 DEF y");
  EXPECT_EQ(m.oben(), "5");
}

TEST(Variablen, FelderUeberDenIndex) {
  Makrolauf m;
  m.lauf("/i 2 DEF /a[i] 7 DEF a[2] a[i] /i 3 DEF a[i]");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"7", "7", "a[3]"}));
  EXPECT_EQ(m.variable("a[2]"), "7");
  m.lauf("a[j]");
  EXPECT_EQ(m.oben(), "a[j]");
}

TEST(Variablen, FelderInSchleifen) {
  EXPECT_EQ(ergebnis("/i 0 DEF 5 { /i i 1 ADD DEF /q[i] i i MUL DEF } q[4]"), "16");
}

TEST(Variablen, NamenOhneRuecksichtAufSchreibweise) {
  EXPECT_EQ(ergebnis("/Breite 4 DEF BREITE breite ADD"), "8");
}

TEST(Variablen, LiteralWirdNieErsetzt) {
  EXPECT_EQ(ergebnis("/x 3 DEF (x)"), "x");
}

TEST(Variablen, VordefinierteSindDa) {
  Makrolauf m;
  m.lauf("pi");
  EXPECT_EQ(m.oben(), "3.14159265358979");
  EXPECT_EQ(m.interpreter.variablen().anzahl(), 44u);
}

TEST(Variablen, JederLaufBeginntFrisch) {
  Makrolauf m;
  m.lauf("/x 1 DEF 5 6");
  m.lauf("x");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"x"}));
}

TEST(Befehle, KleinGeschriebeneWoerterSindBefehle) {
  EXPECT_EQ(ergebnis("2 3 add"), "5");
  EXPECT_EQ(ergebnis("2 3 Mul"), "6");
}

TEST(Befehle, ZuwenigOperandenAendertNichts) {
  Makrolauf m;
  m.lauf("1 ADD");
  EXPECT_EQ(m.fehlercode(), 1);
  EXPECT_EQ(m.fehlertext(), "Zuwenig Parameter für ADD");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"1"}));
}

TEST(Befehle, LaufEndetNachDemFehler) {
  Makrolauf m;
  EXPECT_EQ(m.lauf("(a) POP POP (b)"), Laufende::Fehler);
  EXPECT_TRUE(m.stapel().empty());
}

TEST(Debugmodus, UnterschiedlicheAnzahlenWarnenUndStoppenNachDemErstenBefehl) {
  Makrolauf m;
  Makrostart start;
  start.debugmodus = true;
  m.lauf("(a) (b) 1 IF { /x", start);
  EXPECT_EQ(m.interpreter.warnungen(), (std::vector<std::string>{"Fehler: unterschiedliche Anzahl IF und ENDIF",
                                                                 "Fehler: unterschiedliche Anzahl /var und DEF",
                                                                 "Fehler: unterschiedliche Anzahl { und }"}));
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"a"}));
  ASSERT_EQ(m.benutzer.meldungen.size(), 3u);
  EXPECT_EQ(m.benutzer.meldungen[0].art, Meldungsart::Warnung);
}

TEST(Debugmodus, StimmigeAnzahlenLaufenDurch) {
  Makrolauf m;
  Makrostart start;
  start.debugmodus = true;
  m.lauf("/x 1 DEF 1 IF 2 { } ENDIF (fertig)", start);
  EXPECT_TRUE(m.interpreter.warnungen().empty());
  EXPECT_EQ(m.oben(), "fertig");
}

TEST(Debugmodus, MakroAusDateiPrueftNicht) {
  Makrolauf m;
  Makrostart start;
  start.debugmodus = true;
  start.ausDatei = true;
  m.lauf("(a) (b) 1 IF", start);
  EXPECT_TRUE(m.interpreter.warnungen().empty());
  EXPECT_EQ(m.stapel().size(), 2u);
}

}  // namespace
}  // namespace quarzel
