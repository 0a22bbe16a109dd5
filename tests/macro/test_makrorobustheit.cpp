// A run never crashes, hangs or eats the memory: random programs, deep
// nesting, endless loops stopped from outside, nested runs.
//
// Hostile sources and files: nothing crashes, hangs or grows without bound.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "macro/befehlstabelle.h"
#include "macro/makrocompiler.h"
#include "macro/makrodatei.h"
#include "macro/quelltextpruefung.h"
#include "support/macro/makrolauf_hilfe.h"

namespace quarzel {
namespace {

using test::Makrolauf;

// Stops the run after a number of calls: the abort button pressed while
// the window processes its messages.
class Abbrecher : public Makroerweiterung {
 public:
  explicit Abbrecher(Makrointerpreter& m, int nach) : m_(m), nach_(nach) {}
  void verarbeiteNachrichten() override {
    if (--nach_ <= 0) m_.stoppe();
  }
  int laufEndetAufrufe = 0;
  void laufEndet() override { ++laufEndetAufrufe; }

 private:
  Makrointerpreter& m_;
  int nach_;
};

TEST(Stoppen, EndlosschleifeEndetPerRueckruf) {
  Makrolauf m;
  Abbrecher abbrecher(m.interpreter, 100);
  m.interpreter.setzeErweiterung(&abbrecher);
  EXPECT_EQ(m.lauf("/n 0 DEF label# 2000000000 { /n n 1 ADD DEF }"), Laufende::Beendet);  // label ends main
  EXPECT_EQ(m.lauf("/n 0 DEF 2000000000 { 2000000000 { /n n 1 ADD DEF } }"), Laufende::Gestoppt);
  EXPECT_EQ(abbrecher.laufEndetAufrufe, 2);
  EXPECT_EQ(m.fehlercode(), 0);
}

TEST(Verschachtelung, TiefeSchleifenSindBegrenzt) {
  std::string q;
  for (int i = 0; i < 2100; ++i) q += "1 { ";
  Makrolauf m;
  m.lauf(q);
  EXPECT_EQ(m.fehlercode(), 13);
  EXPECT_EQ(m.interpreter.schleifentiefe(), Makrointerpreter::HoechsteSchleifentiefe);
}

TEST(Verschachtelung, VerschachtelterLaufStelltDenZustandWiederHer) {
  class Innen : public Makroerweiterung {
   public:
    std::optional<Makrofehlerfall> fuehreAus(Befehl, Makrointerpreter& lauf) override {
      ende = lauf.laufeVerschachtelt(kompiliereText("/x 99 DEF 1 2 3 x"));
      innenStapel = lauf.stapel().groesse();
      return std::nullopt;
    }
    Laufende ende = Laufende::Fehler;
    std::size_t innenStapel = 0;
  } innen;
  Makrolauf m;
  m.interpreter.setzeErweiterung(&innen);
  m.lauf("/x 1 DEF (a) (t) CALL t# HIDEHINT x RETURN");
  EXPECT_EQ(innen.ende, Laufende::Beendet);
  EXPECT_EQ(m.stapel(), (std::vector<std::string>{"a", "1"}));
  EXPECT_EQ(m.variable("subroutine"), "no");
}

TEST(Verschachtelung, EndloseVerschachtelungIstBegrenzt) {
  class Immerwieder : public Makroerweiterung {
   public:
    std::optional<Makrofehlerfall> fuehreAus(Befehl, Makrointerpreter& lauf) override {
      lauf.laufeVerschachtelt(kompiliereText("HIDEHINT"));
      return std::nullopt;
    }
  } immer;
  Makrolauf m;
  m.interpreter.setzeErweiterung(&immer);
  m.lauf("HIDEHINT (danach)");
  EXPECT_EQ(m.fehlercode(), 21);
}

TEST(Zufallsprogramme, StuerzenNieAb) {
  const auto tabelle = befehlstabelle();
  const std::vector<std::string> daten{"0", "1",     "-1", "2.5",    "0.0",    "x",     "/x",    "a[i]", "(t)", "t#",
                                       "#", "1e308", "-0", "100000", "(teil)", "teil#", "\\VAR", "i",    ""};
  std::mt19937 zufall(4711);
  for (int runde = 0; runde < 300; ++runde) {
    Tokenprogramm p;
    const int laenge = 1 + static_cast<int>(zufall() % 60);
    for (int i = 0; i < laenge; ++i) {
      if (zufall() % 2) {
        const auto& e = tabelle[zufall() % tabelle.size()];
        p.fuegeAn(e.wort);
      } else {
        const std::string& d = daten[zufall() % daten.size()];
        if (!d.empty()) p.fuegeAn(d);
      }
    }
    p.schliesseAb();
    Makrolauf m;
    Abbrecher abbrecher(m.interpreter, 2000);
    m.interpreter.setzeErweiterung(&abbrecher);
    // Every run ends (by error, by its end or stopped) within its bounds.
    const Laufende ende = m.interpreter.starte(p);
    EXPECT_TRUE(ende == Laufende::Beendet || ende == Laufende::Fehler || ende == Laufende::Gestoppt);
    EXPECT_LE(m.interpreter.stapel().groesse(), Makrostapel::Hoechstgroesse);
    EXPECT_LE(m.interpreter.aufruftiefe(), Makrointerpreter::HoechsteAufruftiefe);
    EXPECT_LE(m.interpreter.schleifentiefe(), Makrointerpreter::HoechsteSchleifentiefe);
  }
}

std::string zufallsbytes(std::mt19937& zufall, std::size_t n, std::string_view alphabet = {}) {
  std::string t(n, '\0');
  for (char& c : t) {
    c = alphabet.empty() ? static_cast<char>(zufall() & 0xFF) : alphabet[zufall() % alphabet.size()];
  }
  return t;
}

// Spans lie inside their line, in order, without overlap.
void erwarteGueltigeSpannen(const std::string& zeile, const std::vector<Farbspanne>& spannen) {
  std::size_t bisher = 0;
  for (const Farbspanne& s : spannen) {
    ASSERT_GE(s.anfang, bisher);
    ASSERT_GT(s.laenge, 0u);
    ASSERT_LE(s.anfang + s.laenge, zeile.size());
    bisher = s.anfang + s.laenge;
  }
}

TEST(FeindlicheQuelle, RandomBytesCompileColourAndSurviveTheFile) {
  std::mt19937 zufall(4711);
  for (int runde = 0; runde < 300; ++runde) {
    const std::string text = zufallsbytes(zufall, zufall() % 400, runde % 2 ? "()% \t\r\nAD#$@\xC2\xA7x[]" : "");
    const Tokenprogramm p = kompiliereText(text);
    ASSERT_TRUE(p.abgeschlossen());
    for (const std::string& zeile : teileInZeilen(text)) erwarteGueltigeSpannen(zeile, faerbeZeile(zeile));
    const std::optional<Tokenprogramm> wieder = entschluessele(verschluessele(p));
    ASSERT_TRUE(wieder.has_value());
    ASSERT_EQ(wieder->laenge(), p.laenge());
    EXPECT_FALSE(entschluessele(text).has_value());
  }
}

}  // namespace
}  // namespace quarzel
