// What a run without a window relies on: the answers file, clicks in other
// coordinate systems, the symbol search, program information and text files.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "macro/makrosymbole.h"
#include "macro/makrotextdateien.h"
#include "support/macro/interaktionslauf.h"

namespace quarzel {
namespace {

using test::Interaktionslauf;

TEST(Makroantworten, AntwortdateiLesen) {
  struct Fall {
    const char* name;
    std::string bytes;
    std::vector<std::string> zeilen;  // empty with `fehler`
    const char* fehler = "";
  } faelle[] = {
      {"Windows-Zeilenenden", "Ja\r\n12;4\r\n", {"Ja", "12;4"}},
      {"Leere Zeile zählt", "a\n\nb", {"a", "", "b"}},
      {"Windows-1252",
       "Gr\xf6\xdf"
       "e\n",
       {"Größe"}},
      {"Leer", "", {}},
  };
  test::TempOrdner ordner;
  for (const Fall& f : faelle) {
    std::ofstream(ordner / "a.txt", std::ios::binary | std::ios::trunc) << f.bytes;
    std::string fehler;
    const auto zeilen = leseAntwortdatei(ordner / "a.txt", fehler);
    ASSERT_TRUE(zeilen) << f.name << ": " << fehler;
    EXPECT_EQ(*zeilen, f.zeilen) << f.name;
  }
  std::string fehler;
  EXPECT_FALSE(leseAntwortdatei(ordner / "fehlt.txt", fehler));
  EXPECT_NE(fehler.find("nicht gefunden"), std::string::npos) << fehler;
  EXPECT_FALSE(leseAntwortdatei(ordner.pfad(), fehler));  // a folder
  std::ofstream(ordner / "gross.txt").close();
  std::filesystem::resize_file(ordner / "gross.txt", Makroantworten::HoechsteDateigroesse + 1);
  EXPECT_FALSE(leseAntwortdatei(ordner / "gross.txt", fehler));
  EXPECT_NE(fehler.find("zu groß"), std::string::npos) << fehler;
}

TEST(Makroantworten, OhneAntwortdateiEndetDerLaufMitHinweis) {
  test::Zeichnungsmakrolauf m(true);
  Makroantworten antworten = Makroantworten::ohneAntworten();
  Makrointeraktionsumfeld u;
  u.zeichnung = &m.zeichnung;
  Makrointeraktion interaktion(antworten, std::move(u));
  antworten.setzeLauf(&m.interpreter);
  m.interpreter.setzeErweiterung(&interaktion);
  m.lauf("(Hallo) INFO\n(Name?) INPUT");
  EXPECT_EQ(m.ende, Laufende::Gestoppt);
  EXPECT_NE(antworten.fehler().value_or("").find("INPUT in Makrozeile 2 fragt den Benutzer"), std::string::npos)
      << antworten.fehler().value_or("");
}

// A click answered in world millimetres must land where the drawing words
// put the point it gives back, whatever the coordinate system.
TEST(Makroantworten, KlickPasstZuDenZeichenwoertern) {
  struct Fall {
    Weltpunkt nullpunkt;
    float winkel;
    double massstab;
    double einheit;
  } faelle[] = {
      {{4825, 5115}, 0, 1, 1},
      {{5000, 5200}, 0, 100, 0.001},
      {{4900, 5000}, 90, 50, 0.01},
      {{4800, 5100}, 33.5f, 100, 0.001},
  };
  for (const Fall& f : faelle) {
    Interaktionslauf m({});
    m.zeichnung.ansicht.zeroPoint = f.nullpunkt;
    m.zeichnung.ansicht.coordAngle = f.winkel;
    m.zeichnung.ansicht.drawingScale = f.massstab;
    m.zeichnung.ebenen.setzeMassstab(1, f.massstab);
    m.zeichnung.ansicht.unitFactor = f.einheit;
    ASSERT_EQ(m.interpreter.starteQuelltext("GETCURSOR MOVETO 0 0 LINETO"), Laufende::Wartet);
    Cursorantwort klick;
    klick.punkt = {4931.5, 5022.25};
    klick.maustaste = 3;
    ASSERT_EQ(m.interaktion->beantworteCursor(klick), Laufende::Beendet) << m.fehlertext();
    const Tliniendaten& l = m.zeichnung.speicher.linie(m.zeichnung.speicher.anzahl());
    EXPECT_NEAR(l.x1, klick.punkt.x, 1e-6) << f.winkel;
    EXPECT_NEAR(l.y1, klick.punkt.y, 1e-6) << f.winkel;
    EXPECT_EQ(m.variable("mousebutton"), "3");
    // The answer of a run that no longer waits is ignored.
    EXPECT_EQ(m.interaktion->beantworteCursor(klick), Laufende::Beendet);
  }
}

TEST(Makroantworten, SymbolsucheInUnterordnern) {
  test::TempOrdner ordner;
  const auto benutzer = ordner / "benutzer", programm = ordner / "programm";
  test::legeSymbolAn(programm / "Bad" / "Wanne.QZS");
  test::legeSymbolAn(programm / "Tisch.QZS");
  test::legeSymbolAn(benutzer / "Moebel" / "tisch.qzs");
  const std::vector<std::filesystem::path> suche = {benutzer, programm};
  struct Fall {
    std::string name;
    std::filesystem::path erwartet;  // empty: not found
  } faelle[] = {
      {"Wanne", programm / "Bad" / "Wanne.QZS"},
      {"WANNE.qzs", programm / "Bad" / "Wanne.QZS"},
      {"Tisch", benutzer / "Moebel" / "tisch.qzs"},  // the user's comes first
      {"Sofa", {}},
      {"", {}},
      {(programm / "Tisch").string(), programm / "Tisch.QZS"},
      {(ordner / "Wanne").string(), {}},  // a folder given is not searched below
  };
  for (const Fall& f : faelle) {
    const auto gefunden = findeSymboldatei(f.name, suche);
    EXPECT_EQ(gefunden.value_or(std::filesystem::path()), f.erwartet) << f.name;
  }
}

TEST(Makroantworten, SymbolGedrehtUndAmAktuellenPunkt) {
  Interaktionslauf m({});
  ASSERT_EQ(m.laufe("(Tisch) 5 7 MOVETO 90 MOVESYMBOL (Tisch) LOADSYM"), Laufende::Beendet) << m.fehlertext();
  const Elementspeicher& sp = m.zeichnung.speicher;
  ASSERT_EQ(sp.anzahl(), 6);
  const Ansicht& a = m.zeichnung.ansicht;
  const Tliniendaten& gedreht = sp.linie(2);
  EXPECT_NEAR(gedreht.x1, a.userToWorld(5, 7, 1).x, 1e-9);
  EXPECT_NEAR(gedreht.x2, gedreht.x1, 1e-9);  // turned upright
  EXPECT_NEAR(std::abs(gedreht.y2 - gedreht.y1), 10, 1e-9);
  EXPECT_NEAR(sp.linie(5).x1, a.zeroPoint.x, 1e-9);
}

TEST(Makroantworten, Programminformation) {
  struct Fall {
    const char* quelltext;
    const char* ergebnis;  // "Fehler n" for an error
  } faelle[] = {
      {"-31 (Bauherr) GETPINFO 31 0 GETPINFO", "Bauherr"},
      {"-31 (Bauherr) GETPINFO 31 1 GETPINFO", ""},
      {"-58 (x) GETPINFO", "Fehler 5"},
      {"-48 (x) GETPINFO 1", "1"},
      {"56 0 GETPINFO", "Fehler 5"},
      {"47 0 GETPINFO", ""},
      {"4 SETPEN 49 0 GETPINFO", "4"},
      {"10 20 30 RGBCOLOR 52 0 GETPINFO", "20"},
      {"55 0 GETPINFO", "1"},
  };
  for (const Fall& f : faelle) {
    Interaktionslauf m({});
    m.laufe(f.quelltext);
    const std::string ergebnis = m.fehlercode() ? "Fehler " + std::to_string(m.fehlercode()) : m.oben();
    EXPECT_EQ(ergebnis, f.ergebnis) << f.quelltext;
  }
}

TEST(Makroantworten, TextdateienRelativUndKodiert) {
  const Makrotextdateien dateien("/projekt/makros");
  EXPECT_EQ(dateien.pfadFuer("liste.txt"), std::filesystem::path("/projekt/makros/liste.txt"));
  EXPECT_EQ(dateien.pfadFuer("..\\daten\\p.txt"), std::filesystem::path("/projekt/makros/../daten/p.txt"));
  EXPECT_EQ(dateien.pfadFuer("/tmp/p.txt"), std::filesystem::path("/tmp/p.txt"));

  // A file chosen through a dialog is answered relative to the answers' folder.
  Interaktionslauf m({"unter/p.txt"});
  std::filesystem::create_directories(m.ordner / "unter");
  std::ofstream(m.ordner / "unter" / "p.txt", std::ios::binary) << "1;2\r\nH\xf6he\r\n";
  m.laufe("(x.txt) (Punkte) 0 FILEOPEN POP FILEREAD FILEREAD FILEREAD 0 FILECLOSE");
  EXPECT_EQ(m.fehlercode(), 0) << m.fehlertext();
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"1;2", "Höhe", "EOF"}));
}

}  // namespace
}  // namespace quarzel
