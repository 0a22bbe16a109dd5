// A run never crashes, hangs or eats the memory: random programs, deep
// nesting, endless loops stopped from outside, nested runs.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "macro/befehlstabelle.h"
#include "macro/makrocompiler.h"
#include "makrolauf_hilfe.h"

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

TEST(Stoppen, EndlosschleifeEndetAusEinemAnderenFaden) {
  Makrolauf m;
  std::thread faden([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    m.interpreter.stoppe();
  });
  const auto ende = m.lauf("/n 0 DEF 2000000000 { 2000000000 { /n n 1 ADD DEF } }");
  faden.join();
  EXPECT_EQ(ende, Laufende::Gestoppt);
}

TEST(Verschachtelung, TiefeSchleifenSindBegrenzt) {
  std::string q;
  for (int i = 0; i < 2100; ++i) q += "1 { ";
  Makrolauf m;
  m.lauf(q);
  EXPECT_EQ(m.fehlercode(), 13);
  EXPECT_EQ(m.interpreter.schleifentiefe(), Makrointerpreter::HoechsteSchleifentiefe);
}

TEST(Verschachtelung, TiefeIfsUndSchleifenLaufenDurch) {
  std::string q;
  for (int i = 0; i < 1500; ++i) q += "1 IF 1 { ";
  q += "(innen) ";
  for (int i = 0; i < 1500; ++i) q += "} ENDIF ";
  q += "0 IF ";
  for (int i = 0; i < 5000; ++i) q += "1 IF ";
  for (int i = 0; i < 5000; ++i) q += "ENDIF ";
  q += "ENDIF (ende)";
  Makrolauf m;
  m.lauf(q);
  EXPECT_EQ(m.fehlercode(), 0);
  EXPECT_EQ(m.oben(), "ende");
}

TEST(Verschachtelung, GegenseitigeRekursionIstBegrenzt) {
  Makrolauf m;
  m.lauf("(a) CALL a# (b) CALL RETURN b# (a) CALL RETURN");
  EXPECT_EQ(m.fehlercode(), 21);
  EXPECT_EQ(m.fehlertext(), "Unerlaubter rekursiver Aufruf von a. in b#");
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
    m.interpreter.starte(p);
    SUCCEED();
  }
}

TEST(Zufallsprogramme, FremdesProgrammOhneEndmarken) {
  Tokenprogramm p;
  p.fuegeAn("1");
  p.fuegeAn("IF");
  Makrolauf m;
  EXPECT_EQ(m.interpreter.starte(p), Laufende::Beendet);
}

}  // namespace
}  // namespace quarzel
