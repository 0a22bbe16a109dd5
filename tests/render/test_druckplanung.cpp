// What a print decides before a page is drawn: the method and its question,
// the area and the tiles.
#include <gtest/gtest.h>

#include "render/druckplanung.h"
#include "platform/skriptbenutzer.h"

namespace quarzel {
namespace {

TEST(Druckplanung, MethodeFragtNurBeiTransparenzImTreiber) {
  struct Fall {
    Druckmethode methode;
    bool transparent;
    Antwort antwort;
    bool gefragt, rastern;
  } const faelle[] = {{Druckmethode::Automatisch, false, Antwort::Ja, false, false},
                      {Druckmethode::Automatisch, true, Antwort::Nein, false, true},
                      {Druckmethode::RasternImTreiber, false, Antwort::Ja, false, false},
                      {Druckmethode::RasternImTreiber, true, Antwort::Nein, true, false},
                      {Druckmethode::RasternImTreiber, true, Antwort::Ja, true, true},
                      {Druckmethode::RasternInQuarzel, false, Antwort::Nein, false, true}};
  for (const Fall& f : faelle) {
    SkriptBenutzer b;
    b.antworten.push_back(f.antwort);
    EXPECT_EQ(waehleDruckverfahren(false, 600, f.methode, f.transparent, b).rasterInProgram, f.rastern);
    EXPECT_EQ(b.fragen.size(), f.gefragt ? 1u : 0u);
    EXPECT_TRUE(!f.gefragt || b.fragen[0] == FrageTransparenz);
  }
}

TEST(Druckplanung, GanzeZeichnungMitEinemMillimeterRand) {
  Ansicht a;
  const Druckbereich blatt{double(a.sheetLeft), double(a.sheetTop), double(a.sheetWidth), double(a.sheetHeight)};
  EXPECT_EQ(druckbereich(a, false, Weltrechteck{0, 0, 5, 5}), blatt);
  EXPECT_EQ(druckbereich(a, true, std::nullopt), blatt);
  EXPECT_EQ(druckbereich(a, true, Weltrechteck{50.6, 40.1, 10.3, 20.2}), (Druckbereich{9.3, 19.2, 42, 22}));
}

TEST(Druckplanung, KachelnUeberlappenZeilenweise) {
  // Paper 110 × 60 mm, printable 100 × 50 mm, at ten dots per millimetre.
  const Druckerseite seite{254, 1100, 600, {50, 50, 1000, 500}};
  struct Fall {
    double breite, hoehe;
    int spalten, zeilen;
  } const faelle[] = {{111, 61, 1, 1}, {150, 60, 2, 2}, {190, 50.5, 2, 2}, {191, 40, 3, 1}, {300, 200, 4, 5}};
  for (const Fall& f : faelle) {
    const Seitenplan p = planeSeiten({0, 0, f.breite, f.hoehe}, seite, false);
    ASSERT_EQ(p.blaetter.size(), std::size_t(f.spalten * f.zeilen)) << f.breite;
    EXPECT_EQ(p.spalten, f.spalten);
    const Druckblatt& letztes = p.blaetter.back();
    if (p.eineSeite) {
      // The area's corner on the paper's corner, in front of the printable part.
      EXPECT_DOUBLE_EQ(letztes.originX, 5);
      continue;
    }
    EXPECT_NEAR(p.blaetter[1].originX, f.spalten > 1 ? 100 - kUeberlappungMm : 0, 1e-9);
    EXPECT_NEAR(letztes.originY, (f.zeilen - 1) * (50 - kUeberlappungMm), 1e-9);
    // The last tile still reaches the area's far corner, and shows where to cut.
    EXPECT_GE(letztes.originX + 100, f.breite);
    EXPECT_GE(letztes.originY + 50, f.hoehe);
    EXPECT_FALSE(letztes.marken.empty());
  }
}

}  // namespace
}  // namespace quarzel
