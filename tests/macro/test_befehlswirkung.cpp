// Every word of the command table, run through the interpreter: what it
// leaves on the stack in place of its operands. A word added to the table
// without an entry here fails the test, so no word goes untested.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "macro/befehlstabelle.h"
#include "macro/makrocompiler.h"
#include "support/macro/makrolauf_hilfe.h"

namespace quarzel {
namespace {

// What a word does to a stack holding "Boden" below its operands: the
// results it leaves ("*" for any value), or the error it reports.
struct Wirkung {
  std::string operanden;  // source text before the word
  std::vector<std::string> ergebnis;
  int fehler = 0;
};

const std::map<Befehl, Wirkung>& erwartet() {
  using enum Befehl;
  static const std::map<Befehl, Wirkung> tabelle{
      // stack
      {CLEAR, {"1 2", {}, 0}},
      {DUP, {"7", {"Boden", "7", "7"}}},
      {MULTIDUP, {"a b 2", {"Boden", "a", "b", "a", "b"}}},
      {POP, {"7", {"Boden"}}},
      {EXCH, {"1 2", {"Boden", "2", "1"}}},
      // arithmetic
      {ADD, {"2 3", {"Boden", "5"}}},
      {SUB, {"2 3", {"Boden", "-1"}}},
      {MUL, {"2 3", {"Boden", "6"}}},
      {DIV, {"3 2", {"Boden", "1.5"}}},
      {IDIV, {"7 2", {"Boden", "3"}}},
      {MOD, {"7 2", {"Boden", "1"}}},
      {POWER, {"2 3", {"Boden", "8"}}},
      {MAX, {"2 3", {"Boden", "3"}}},
      {MIN, {"2 3", {"Boden", "2"}}},
      {ROUND, {"2.345 1", {"Boden", "2.3"}}},
      {FORMAT, {"2 2", {"Boden", "2.00"}}},
      {ABS, {"-2", {"Boden", "2"}}},
      {NEG, {"2", {"Boden", "-2"}}},
      {INC, {"2", {"Boden", "3"}}},
      {DEC, {"2", {"Boden", "1"}}},
      {SQR, {"9", {"Boden", "3"}}},
      {LOG, {"1", {"Boden", "0"}}},
      {LOG10, {"100", {"Boden", "2"}}},
      {LOG2, {"4", {"Boden", "2"}}},
      {INT, {"2.7", {"Boden", "2"}}},
      {RND, {"10", {"Boden", "*"}}},
      {Fakultaet, {"4", {"Boden", "24"}}},
      {ODD, {"4", {"Boden", "0"}}},
      {EVEN, {"4", {"Boden", "-1"}}},
      {SIN, {"0", {"Boden", "0"}}},
      {COS, {"0", {"Boden", "1"}}},
      {TAN, {"0", {"Boden", "0"}}},
      {ASIN, {"0", {"Boden", "0"}}},
      {ACOS, {"1", {"Boden", "0"}}},
      {ATN, {"0", {"Boden", "0"}}},
      {DISTANCE, {"0 0 0 2", {"Boden", "2"}}},
      {ANGLE, {"0 0 1 1", {"Boden", "45"}}},
      // comparison and logic
      {EQ, {"1 1.0", {"Boden", "0"}}},
      {NE, {"1 1.0", {"Boden", "-1"}}},
      {LT, {"1 2", {"Boden", "-1"}}},
      {LE, {"2 2", {"Boden", "-1"}}},
      {GT, {"1 2", {"Boden", "0"}}},
      {GE, {"1 1.0", {"Boden", "-1"}}},
      {AND, {"6 3", {"Boden", "2"}}},
      {OR, {"6 3", {"Boden", "7"}}},
      {XOR, {"6 3", {"Boden", "5"}}},
      {EQV, {"0 0", {"Boden", "-1"}}},
      {NOT, {"0", {"Boden", "-1"}}},
      // text
      {STRADD, {"a b", {"Boden", "ab"}}},
      {STRADDV, {"a b", {"Boden", "ab"}}},
      {STRADDASC, {"a 66", {"Boden", "aB"}}},
      {LEFTSTR, {"abc 2", {"Boden", "ab"}}},
      {RIGHTSTR, {"abc 2", {"Boden", "bc"}}},
      {MIDSTR, {"abc 2 1", {"Boden", "b"}}},
      {POS, {"abc c", {"Boden", "3"}}},
      {LENGTH, {"abc", {"Boden", "3"}}},
      {ISTEXT, {"abc", {"Boden", "-1"}}},
      {TEXTWIDTH, {"abc", {"Boden", "*"}}},
      // variables and program flow
      {DEF, {"/x 1", {"Boden"}}},
      {IF, {"0", {"Boden"}}},
      {ELSE, {"", {"Boden"}}},
      {ENDIF, {"", {"Boden"}}},
      {Schleifenanfang, {"3", {"Boden"}}},
      {Schleifenende, {"2 {", {"Boden"}}},
      {EXIT, {"2 { -1", {"Boden"}}},
      {CALL, {"(fehlt)", {}, 2}},
      {RETURN, {"", {}, 3}},
      {SETALIAS, {"", {"Boden"}}},
      {INCLUDE, {"(fehlt)", {}, 23}},
      {RUNFILE, {"a b c", {}, 22}},
      {TIMER, {"", {"Boden", "*"}}},
      {GETDATE, {"", {"Boden", "*"}}},
      {GETTIME, {"", {"Boden", "*"}}},
      {NEWUNDO, {"", {"Boden"}}},
      {Kommentarzeichen, {"", {"Boden"}}},
      {UNDO, {"", {}, 13}},
      // path and figures: only that they take their documented operands
      {MOVETO, {"10 20", {"Boden"}}},
      {RMOVETO, {"1 2", {"Boden"}}},
      {SETZEROPOINT, {"0 0", {"Boden"}}},
      {LINETO, {"30 40", {"Boden"}}},
      {RLINETO, {"1 1", {"Boden"}}},
      {CLOSEPATH, {"", {"Boden"}}},
      {POINT, {"1 1", {"Boden"}}},
      {RPOINT, {"1 1", {"Boden"}}},
      {SETPOINT, {"3 5", {"Boden"}}},
      {BOX, {"5 5", {"Boden"}}},
      {RBOX, {"5 5", {"Boden"}}},
      {FBOX, {"5 5", {"Boden"}}},
      {RFBOX, {"5 5", {"Boden"}}},
      {ARC, {"0 0 10 0 90", {"Boden"}}},
      {ARCN, {"0 0 10 0 90", {"Boden"}}},
      {PIE, {"0 0 10 0 90", {"Boden"}}},
      {CIRCLE, {"5", {"Boden"}}},
      {FCIRCLE, {"5", {"Boden"}}},
      {ELLIPSE, {"5 3", {"Boden"}}},
      {FELLIPSE, {"5 3", {"Boden"}}},
      {CURVETO, {"5 5 10 0", {"Boden"}}},
      {FCURVETO, {"5 5 10 0", {"Boden"}}},
      {RCURVETO, {"5 5 10 0", {"Boden"}}},
      {RFCURVETO, {"5 5 10 0", {"Boden"}}},
      {SECTION, {"0 0 10 10", {"Boden"}}},
      {FSECTION, {"0 0 10 10", {"Boden"}}},
      {RSECTION, {"0 0 10 10", {"Boden"}}},
      {RFSECTION, {"0 0 10 10", {"Boden"}}},
      {RING, {"2 4", {"Boden"}}},
      {RINGPART, {"0 0 2 4 90", {"Boden"}}},
      {RRINGPART, {"0 0 2 4 90", {"Boden"}}},
      {AREA, {"0 0 10 0 10 10 3", {"Boden"}}},
      {POLYLINE, {"0 0 10 0 10 10 3", {"Boden"}}},
      {SPLINE, {"0 0 10 0 10 10 3", {"Boden"}}},
      {FSPLINE, {"0 0 10 0 10 10 3", {"Boden"}}},
      {RAREA, {"0 0 10 0 10 10 3", {"Boden"}}},
      {RPOLYLINE, {"0 0 10 0 10 10 3", {"Boden"}}},
      {RSPLINE, {"0 0 10 0 10 10 3", {"Boden"}}},
      {RFSPLINE, {"0 0 10 0 10 10 3", {"Boden"}}},
      // text figures
      {SHOW, {"(Hallo)", {"Boden"}}},
      {SHOWBLOCK, {"(a|b) (|)", {"Boden"}}},
      {SETFONT, {"(Arial)", {"Boden"}}},
      {SCALEFONT, {"5", {"Boden"}}},
      {TEXTROTATE, {"10", {"Boden"}}},
      {SETTEXTSTYLE, {"1", {"Boden"}}},
      // styles
      {SETPEN, {"2", {"Boden"}}},
      {SETDASH, {"2", {"Boden"}}},
      {RGBCOLOR, {"1 2 3", {"Boden"}}},
      {CMYCOLOR, {"1 2 3", {"Boden"}}},
      {SETGRAY, {"50", {"Boden"}}},
      {HLSCOLOR, {"120 50 50", {"Boden"}}},
      {SETMULTICOLOR, {"0", {"Boden"}}},
      {SETTRANS, {"50", {"Boden"}}},
      {SETPATTERN, {"0", {"Boden"}}},
      {SETBORDER, {"1", {"Boden"}}},
      {FINDPEN, {"0.5", {"Boden", "*"}}},
      // drawing environment
      {SETFORMAT, {"420 297", {"Boden"}}},
      {SETPAGESIZE, {"1 420 297", {"Boden"}}},
      {SETPAGE, {"1", {"Boden"}}},
      {NEWPAGE, {"(B) 420 297", {"Boden"}}},
      {ROTATE, {"0", {"Boden"}}},
      {CREATELAYER, {"(Neu) 50", {"Boden"}}},
      {CREATESUBLAYER, {"(Teil)", {"Boden"}}},
      {SETLAYERVISIBLE, {"1", {"Boden"}}},
      {SETSUBLAYERVISIBLE, {"1", {"Boden"}}},
      {GETLAYERVISIBLE, {"", {"Boden", "*"}}},
      {GETSUBLAYERVISIBLE, {"", {"Boden", "*"}}},
      {SETLAYERUNIT, {"(mm) 2 1", {"Boden"}}},
      {BEGINGROUP, {"(G)", {"Boden"}}},
      {ENDGROUP, {"", {}, 4}},
      {MEASURE, {"0 0 MOVETO 10 0 LINETO 5", {"Boden"}}},
      {MEASURELINE, {"0 0 10 0 5 5", {"Boden"}}},
      {SETMASPOS, {"1", {"Boden"}}},
      {SETMASPROFILE, {"(fehlt)", {}, 31}},
      {CHECKAREA, {"0 0 1", {"Boden", "*"}}},
      {CHECKLINE, {"0 0 10 0 10 10 3 POLYLINE 9 5 MOVETO 11 5", {"Boden", "-1"}}},
      {PICTURE, {"(fehlt.png) 0 0 10 10 0", {}, 6}},
  };
  return tabelle;
}

bool spaetereGruppe(Befehlsgruppe g) {
  return g == Befehlsgruppe::Interaktion || g == Befehlsgruppe::Textdatei || g == Befehlsgruppe::Symbol ||
         g == Befehlsgruppe::Dialog || g == Befehlsgruppe::Steuerelement;
}

class Befehlswirkung : public ::testing::Test, protected test::Zeichnungsmakrolauf {
 protected:
  // Runs "(Boden) operanden WORT"; the word token is added as the table
  // spells it, so "%" (a comment in source) is reached as well.
  void fuehre(std::string_view operanden, std::string_view wort) {
    Tokenprogramm p = kompiliereText(std::string("(Boden) ").append(operanden));
    Tokenprogramm mitWort;
    for (const std::string& t : p.texte()) {
      if (t != "#") mitWort.fuegeAn(t);
    }
    mitWort.fuegeAn(wort);
    mitWort.schliesseAb();
    interpreter.starte(mitWort);
  }
  // Runs `anzahl` operands "1" and the word.
  void fuehreMitEinsen(int anzahl, std::string_view wort) {
    Tokenprogramm p;
    for (int i = 0; i < anzahl; ++i) p.fuegeAn("1");
    p.fuegeAn(wort);
    p.schliesseAb();
    interpreter.starte(p);
  }
};

TEST_F(Befehlswirkung, JedesWortHinterlaesstSeinErgebnis) {
  for (const Befehlseintrag& e : befehlstabelle()) {
    if (spaetereGruppe(e.gruppe)) continue;
    const auto it = erwartet().find(e.befehl);
    ASSERT_NE(it, erwartet().end()) << "kein Eintrag für " << e.wort;
    const Wirkung& w = it->second;
    fuehre(w.operanden, e.wort);
    EXPECT_EQ(fehlercode(), w.fehler) << e.wort << ": " << benutzer.letzteMeldung();
    if (w.fehler != 0) continue;
    const std::vector<std::string> s = stapel();
    ASSERT_EQ(s.size(), w.ergebnis.size()) << e.wort;
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (w.ergebnis[i] != "*") {
        EXPECT_EQ(s[i], w.ergebnis[i]) << e.wort;
      }
    }
  }
}

TEST_F(Befehlswirkung, ZuwenigOperandenIstFehler1UndLaesstDenStapel) {
  for (const Befehlseintrag& e : befehlstabelle()) {
    if (e.mindestens == 0) continue;
    fuehreMitEinsen(e.mindestens - 1, e.wort);  // one operand fewer than the word reads in any case
    EXPECT_EQ(fehlercode(), 1) << e.wort;
    EXPECT_EQ(interpreter.stapel().groesse(), static_cast<std::size_t>(e.mindestens - 1)) << e.wort;
    EXPECT_EQ(benutzer.letzteMeldung(), "Zuwenig Parameter für " + std::string(e.wort));
  }
}

TEST_F(Befehlswirkung, WoerterSpaetererGruppenMeldenSichUndLassenDenStapel) {
  for (const Befehlseintrag& e : befehlstabelle()) {
    if (!spaetereGruppe(e.gruppe)) continue;
    fuehreMitEinsen(e.mindestens, e.wort);
    EXPECT_EQ(benutzer.letzteMeldung(), "Der Befehl " + std::string(e.wort) + " steht hier nicht zur Verfügung.");
    EXPECT_EQ(interpreter.stapel().groesse(), static_cast<std::size_t>(e.mindestens)) << e.wort;
  }
}

}  // namespace
}  // namespace quarzel
