// The words that talk to the user, to text files, symbols and dialogs, run
// as quarzel-cli runs them: answered line by line from an answers file.
#include <gtest/gtest.h>

#include "macro/makroantworten.h"
#include "macro/makrointeraktion.h"
#include "macro/quelltextdatei.h"
#include "support/macro/interaktionslauf.h"

namespace quarzel {
namespace {

using test::Interaktionsfall;
using test::Interaktionslauf;
using test::pruefeFall;

TEST(Makrointeraktion, WoerterMitAntworten) {
  const Interaktionsfall faelle[] = {
      {"Ja", "(Weiter?) QUESTION", {"Ja"}, "Ja"},
      {"Nein", "(Weiter?) QUESTION", {"nein"}, "Nein"},
      {"Eingabe", "(Breite:) INPUT", {"1,25 m"}, "1,25 m"},
      {"Eingabe abgebrochen", "(Breite:) INPUT 7", {"<Abbruch>"}, "|7"},
      {"ALERT ohne Operand", "ALERT", {}, "", 1},
      {"Punkt", "GETCURSOR mousebutton", {"10;20"}, "10|20|1"},
      {"Rechte Taste", "GETCURSOR POP POP mousebutton cursorx", {"3,5;4;2"}, "2|3.5"},
      {"Rechteck", "GETCURSORBOX", {"1;2;3;4"}, "1|2|3|4"},
      {"Gummiband", "0 0 5 5 GETCURSORPLUS", {"7;8"}, "7|8"},
      {"Escape beendet", "GETCURSOR 5", {"<Abbruch>"}, ""},
      {"Linie gewählt", "0 0 MOVETO 100 0 LINETO GETLINE linex2", {"50;0"}, "-1|100"},
      {"Keine Linie", "GETLINE", {"50;50"}, "0"},
      {"Kreis gewählt", "30 40 MOVETO 5 CIRCLE GETARC arcxm arcym arcrx", {"35;40"}, "-1|30|40|5"},
      {"Symbol gewählt", "(Tisch) 40 50 MOVESYMBOL GETSYMBOL", {"45;50"}, "Tisch.QZS"},
      {"Kein Symbol", "0 0 MOVETO 9 0 LINETO GETSYMBOL", {"5;0"}, "nosymbol"},
      {"Symbol fehlt", "(Sofa) LOADSYM", {}, "", 20, "Das Symbol Sofa konnte"},
      {"MOVESYMBOL ohne Namen", "1 2 3 4 MOVESYMBOL", {}, "", 2},
      {"Version", "32 0 GETPINFO", {}, "17.0"},
      {"Projektfeld", "-9 (Neubau) GETPINFO 9 0 GETPINFO", {}, "Neubau"},
      {"Selektor keine Zahl", "(x) 0 GETPINFO", {}, "", 5},
      {"Stift und Ebene", "49 0 GETPINFO 54 0 GETPINFO", {}, "1|1"},
      {"Lesen ohne Datei", "FILEREAD", {}, "", 29},
      {"Schreiben ohne Datei", "(x) FILEWRITE", {}, "", 30},
      {"Schließen ohne Datei", "0 FILECLOSE", {}, "", 29},
      {"Modus keine Zahl", "(x) FILECLOSE", {}, "", 5},
      {"Datei fehlt", "(fehlt.txt) () 0 FILEOPEN 5", {}, "Error|5"},
      {"Schreiben und lesen",
       "(a.txt) ( ) 1 FILEOPEN POP (eins) FILEWRITE (zwei) FILEWRITE 1 FILECLOSE "
       "(a.txt) () 0 FILEOPEN POP FILEREAD FILEREAD FILEREAD FILEREAD",
       {},
       "eins|zwei|EOF|EOF"},
      {"Zweimal lesen", "(a.txt) () 1 FILEOPEN (a.txt) () 0 FILEOPEN (a.txt) () 0 FILEOPEN", {}, "", 28},
      {"Zweimal schreiben", "(a.txt) () 1 FILEOPEN (b.txt) () 1 FILEOPEN", {}, "", 27},
      {"Dateiwahl abgebrochen", "(a.txt) (Liste) 1 FILEOPEN 3", {"<Abbruch>"}, "3"},
      {"LABEL außerhalb", "(a) 1 2 LABEL", {}, "", 8, "LABEL außerhalb von Dialogdefintionen"},
      {"Frames verschachtelt", "(D) 9 9 BEGINDIALOG (a) 1 1 5 5 BEGINFRAME 1 1 5 5 BEGINPANEL", {}, "", 34},
      {"ENDFRAME allein", "(D) 9 9 BEGINDIALOG ENDFRAME", {}, "", 32},
      {"ENDPANEL nach Frame", "(D) 9 9 BEGINDIALOG (a) 1 1 5 5 BEGINFRAME ENDPANEL", {}, "", 33},
      {"Größe keine Zahl", "(D) x 9 BEGINDIALOG", {}, "", 5},
      {"Bild fehlt", "(D) 9 9 BEGINDIALOG (weg.png) 1 1 5 5 0 IMAGE", {}, "", 6, "weg.png"},
      {"Nach SHOWLIVEDIALOG", "(D) 9 9 BEGINDIALOG SHOWLIVEDIALOG (a) 1 1 LABEL", {}, "", 35},
      {"Höchstens 100 Checkboxen", "(D) 9 9 BEGINDIALOG 101 { (c) 1 1 CHECKBOX }", {}, "", 13, "höchstens 100"},
      {"Dialog",
       "(Fenster) 300 200 BEGINDIALOG 80 10 10 EDIT 80 10 40 (Holz;Alu) COMBOBOX (OK) 10 80 BUTTON "
       "(Nein) 60 80 BUTTON ENDDIALOG (edit) 1 GETVALUE (edit) 1 ISCHANGED (combobox) 1 GETVALUE",
       {"edit 1=F 3", "knopf 2"},
       "2|F 3|1|Holz"},
      {"Dialogantwort passt nicht", "(D) 9 9 BEGINDIALOG ENDDIALOG", {"edit 4=x"}, "", 0, "Antwortzeile 1"},
      {"Antwort fehlt", "(a) (b) EXCH POP QUESTION", {}, "", 0, "QUESTION in Makrozeile 1 fehlt eine Antwort"},
      {"Antwort passt nicht", "(Weiter?) QUESTION", {"vielleicht"}, "", 0, "\"Ja\" oder \"Nein\""},
      {"Tabelle", "(D) 9 9 BEGINDIALOG 9 9 1 1 2 2 0 0 20 STRINGGRID 1 1 1 (x) SETCELL 1 1 1 GETCELL", {}, "x"},
      {"Zelle außerhalb", "(D) 9 9 BEGINDIALOG 9 9 1 1 2 2 0 0 20 STRINGGRID 1 2 0 GETCELL", {}, "", 5},
  };
  for (const Interaktionsfall& f : faelle) pruefeFall(f);
}

TEST(Makrointeraktion, FehlendeLesedateiMeldetUndLaeuftWeiter) {
  Interaktionslauf m({});
  EXPECT_EQ(m.laufe("(fehlt.txt) () 0 FILEOPEN (weiter) INFO"), Laufende::Beendet);
  EXPECT_EQ(m.antworten.meldungen, (std::vector<std::string>{"Datei fehlt.txt nicht gefunden", "weiter"}));
}

TEST(Makrointeraktion, SymbolLandetAmPunktAlsEinUndoSchritt) {
  Interaktionslauf m({});
  ASSERT_EQ(m.laufe("(Tisch.qzs) 40 50 MOVESYMBOL"), Laufende::Beendet) << m.fehlertext();
  const Elementspeicher& sp = m.zeichnung.speicher;
  ASSERT_EQ(sp.anzahl(), 3);  // group begin, the line, group end
  EXPECT_EQ(sp.gruppe(1).name, "Tisch.QZS");
  EXPECT_DOUBLE_EQ(sp.linie(2).x1, m.zeichnung.ansicht.userToWorld(40, 50, 1).x);
  EXPECT_DOUBLE_EQ(sp.linie(2).x2 - sp.linie(2).x1, 10);
}

TEST(Makrointeraktion, LivedialogBleibtLesbarUndEndetMitDemLauf) {
  Interaktionslauf m({});
  m.laufe(
      "(D) 9 9 BEGINDIALOG (Los) 1 1 CHECKBOX SHOWLIVEDIALOG ENDDIALOG (checkbox) 1 1 SETVALUE "
      "(checkbox) 1 GETVALUE");
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"0", "1"}));
}

// The examples of data/Makros with their answers files, in a folder of
// their own so that what they write stays out of the sources.
TEST(Makrointeraktion, BeispieleMitIhrenAntworten) {
  const std::filesystem::path quelle = std::filesystem::path(QUARZEL_DATA_DIR) / "Makros";
  struct Beispiel {
    const char* name;
    int elemente;         // alive elements afterwards
    const char* meldung;  // the last message, "" for none
  } beispiele[] = {
      // group brackets, outline 4, 14 step edges (15 steps), text
      {"TreppeAusEcken", 2 + 4 + 14 + 1, ""},
      {"Fensterliste", 0, "Fenster in"},
      // group brackets, six points and six heights
      {"Vermessungspunkte", 2 + 6 + 6, "6 Punkte eingelesen, 1 Zeilen übersprungen."},
  };
  for (const Beispiel& b : beispiele) {
    std::string fehler;
    const auto zeilen = leseAntwortdatei(quelle / (std::string(b.name) + ".antworten"), fehler);
    ASSERT_TRUE(zeilen) << fehler;
    Interaktionslauf m(*zeilen);
    std::filesystem::copy_file(quelle / "Vermessungspunkte.txt", m.ordner / "Vermessungspunkte.txt");
    const Quelltextergebnis text = leseQuelltext(quelle / (std::string(b.name) + ".psq"));
    ASSERT_EQ(text.status, Quelltextstatus::Gelesen) << b.name;
    EXPECT_EQ(m.laufe(text.text), Laufende::Beendet)
        << b.name << ": " << m.fehlertext() << m.antworten.fehler().value_or("");
    EXPECT_EQ(m.antworten.unbenutzteZeilen(), 0u) << b.name;
    EXPECT_EQ(m.lebende(), b.elemente) << b.name;
    const std::string letzte = m.antworten.meldungen.empty() ? "" : m.antworten.meldungen.back();
    EXPECT_NE(letzte.find(b.meldung), std::string::npos) << b.name << ": " << letzte;
  }
  // What the window schedule wrote.
  Interaktionslauf m({"liste.txt", "edit 2=88,5", "combobox 1=Kunststoff", "knopf 1", "edit 1=F Bad", "knopf 2"});
  ASSERT_EQ(m.laufe(leseQuelltext(quelle / "Fensterliste.psq").text), Laufende::Beendet) << m.fehlertext();
  EXPECT_EQ(test::leseDatei(m.ordner / "liste.txt"),
            "Pos.;Bezeichnung;Breite [cm];Höhe [cm];Material\n1;F1;88,5;126;Kunststoff\n2;F Bad;101;126;Holz\n");
}

}  // namespace
}  // namespace quarzel
