// Fixtures of the tool tests: a clock the test sets, a module that records
// what the state machine asks of it (behaving like a two-point tool), and a
// drawing with its tool state machine.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edit/werkzeugsteuerung.h"
#include "platform/uhr.h"
#include "store/zeichnung.h"
#include "support/aufzeichnungscanvas.h"
#include "support/speicherhilfen.h"

namespace quarzel::test {

class Stelluhr : public Uhr {
 public:
  std::uint32_t jetzt = 1000;
  std::uint32_t ticks() const override { return jetzt; }
};

class Protokollmodul : public Werkzeugmodul {
 public:
  std::vector<std::string> aufrufe;
  std::vector<Weltpunkt> orte;

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override {
    merke("punkt", p);
    if (u.zustand.schritt == 1) {
      u.zustand.punkte.push_back(p);
      u.zustand.schritt = 2;
      u.zustand.bezug = p;
    } else {
      u.zustand.punkte.clear();
      u.zustand.schritt = 1;
      u.zustand.bezug.reset();
    }
  }
  void zweiteTaste(Werkzeugumgebung&, Weltpunkt p) override { merke("zweiteTaste", p); }
  void bewegung(Werkzeugumgebung&, Weltpunkt p) override { merke("bewegung", p); }
  void rueckmeldungLoeschen(Werkzeugumgebung&) override { aufrufe.push_back("rueckmeldungLoeschen"); }
  void abbrechen(Werkzeugumgebung& u) override {
    aufrufe.push_back("abbrechen");
    u.zustand.punkte.clear();
    u.zustand.schritt = 1;
  }
  void getippterPunkt(Werkzeugumgebung& u, Weltpunkt p) override {
    aufrufe.push_back("getippt");
    punkt(u, p);
  }
  void doppelklick(Werkzeugumgebung&, Weltpunkt p) override { merke("doppelklick", p); }
  void loslassen(Werkzeugumgebung&, Weltpunkt p, bool klick) override { merke(klick ? "klick" : "rahmen", p); }

  int anzahl(const std::string& name) const {
    int n = 0;
    for (const std::string& a : aufrufe) n += a == name;
    return n;
  }

 private:
  void merke(const char* name, Weltpunkt p) {
    aufrufe.push_back(name);
    orte.push_back(p);
  }
};

// A drawing of 800 x 600 pixels at zoom 1 with its state machine; every
// group is served by its own recording module.
class Werkzeugtest : public ::testing::Test {
 protected:
  void SetUp() override {
    initialisiere(z.speicher);
    z.ansicht.areaWidth = 800;
    z.ansicht.areaHeight = 600;
    for (int g = 1; g < kWerkzeuggruppen; ++g) st.setzeModul(Werkzeuggruppe(g), &module[g]);
    st.umgebung().rueckmeldung = &canvas;
    st.umgebung().neuZeichnen = [this] { ++neuZeichnungen; };
  }
  Protokollmodul& modul(Werkzeuggruppe g) { return module[static_cast<int>(g)]; }
  void links(double x, double y) { st.mausGedrueckt({x, y, Maustaste::Links, {}}); }
  void loslassen(double x, double y) { st.mausLosgelassen({x, y, Maustaste::Links, {}}); }
  void bewegen(double x, double y) { st.mausBewegt({x, y, Maustaste::Keine, {}}); }
  void rechts(double x, double y) { st.mausGedrueckt({x, y, Maustaste::Rechts, {}}); }
  void escape() { st.taste({Taste::Escape}); }

  Zeichnung z;
  Stelluhr uhr;
  Werkzeugsteuerung st{z, uhr};
  Protokollmodul module[kWerkzeuggruppen];
  Aufzeichnungscanvas canvas;
  int neuZeichnungen = 0;
};

}  // namespace quarzel::test
