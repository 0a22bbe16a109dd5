// The spatial index: lazy rebuilding keyed by the store's change counter
// (every kind of change is noticed, marking is not a change), and thousands
// of random drawings on which the indexed search and the walk over the store must agree.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "support/edit/fanghilfen.h"
#include "store/elementabbildung.h"

namespace quarzel {
namespace {

using test::fange;
using test::Fangzeichnung;
using test::nurModi;

// Every kind of change must make the index stale (it would otherwise find
// elements that moved or went); marking alone is no change.
TEST(Fangindex, JedeArtVonAenderungWirdBemerkt) {
  Fangzeichnung f;
  Elementspeicher& s = f.z.speicher;
  const std::int32_t a = f.linie(100, 100, 200, 100), b = f.linie(100, 300, 200, 300);
  Fangindex index(s);
  index.aktualisiere();
  const std::pair<const char*, std::function<void()>> aenderungen[] = {
      {"new element", [&] { f.linie(0, 0, 10, 10); }},
      {"delete", [&] { s.setzeMarkiert(a, 1), s.loescheMarkierte(); }},
      {"undo", [&] { s.rueckgaengig(); }},
      {"redo", [&] { s.wiederherstellen(); }},
      {"new step purges redo", [&] { s.beginneSchritt(); }},
      {"colour", [&] { s.setzeMarkiert(b, 1), s.setzeFarbeMarkierte(rgb(255, 0, 0)); }},
      {"scaled in place",
       [&] {
         bildeAb(s, b, Abbildung::streckung({0, 0}, 2));
       }},
      {"record written", [&] { s.linie(b).x2 = 7; }},
      {"to the back", [&] { s.setzeMarkiert(b, 1), s.markierteNachHinten(); }},
      {"state", [&] { s.setzeZustand(b, 0); }},
      {"count", [&] { s.setzeAnzahl(0); }},
      {"emptied", [&] { s.leere(); }},
  };
  for (const auto& [name, aendere] : aenderungen) {
    const std::uint64_t bauten = index.bauten();
    aendere();
    EXPECT_FALSE(index.aktuell()) << name;
    index.aktualisiere();
    EXPECT_EQ(index.bauten(), bauten + 1) << name;
  }
  s.setzeMarkiert(b, 1);
  EXPECT_TRUE(index.aktuell());
}

// --- Random drawings: index and walk agree ------------------------------------------

class Zufallszeichnung {
 public:
  explicit Zufallszeichnung(std::uint32_t saat) : zufall_(saat) {
    Ebenen& eb = f.z.ebenen;
    eb.fuegeFolieAn(1, "");
    eb.fuegeEbeneAn("");
    eb.fuegeFolieAn(2, "");
    eb.fuegeFolieAn(2, "");
  }

  // Empties the store and draws anew: a fresh store costs far more than this.
  void neu() {
    f.z.speicher.leere();
    f.z.speicher.beginneSchritt();
    Ebenen& eb = f.z.ebenen;
    eb.setzeAktiv(zahl(1, 2), 1);
    eb.setzeFolienzustand(2, 2, zahl(0, 3) == 0 ? FolieAusgeblendet : 0);
    eb.modus = zahl(0, 3) == 0 ? Sichtbarkeitsmodus::NurAktive : Sichtbarkeitsmodus::Alle;
    f.z.ansicht.zoom = std::array{0.5, 1.0, 2.0}[zahl(0, 2)];
    f.z.ansicht.gridOrigin = {ort(), ort()};
    f.z.ansicht.gridSpacingX = zahl(5, 40);
    f.z.ansicht.gridSpacingY = zahl(5, 40);
    f.z.ansicht.gridAngle = static_cast<float>(zahl(0, 3) == 0 ? zahl(-90, 90) : 0);
    const int elemente = zahl(5, 150);
    for (int i = 0; i < elemente; ++i) fuegeHinzu();
  }

  void fuegeHinzu() {
    Elementspeicher& s = f.z.speicher;
    s.aktuell.planteil = static_cast<std::uint8_t>(zahl(1, 2));
    s.aktuell.folie = static_cast<std::uint8_t>(zahl(1, 2));
    // Lattice coordinates make ties and shared points common.
    const int art = zahl(0, 11);
    if (art <= 2) {
      f.linie(ort(), ort(), ort(), ort(), zahl(0, 4) == 0 ? Elementart::Wandlinie2 : Elementart::Linie);
    } else if (art == 3) {
      f.kreis(ort(), ort(), zahl(2, 80));
    } else if (art == 4) {
      f.bogen(ort(), ort(), zahl(2, 80), zahl(2, 80), float(zahl(-360, 360)), float(zahl(-360, 720)),
              float(zahl(0, 7) * 45));
    } else if (art <= 6) {
      const double x = ort(), y = ort();
      f.polygon({{x, y}, {ort(), ort()}, {ort(), ort()}, {x, y}},
                zahl(0, 2) == 0 ? Elementart::Verlauf : Elementart::Polygon);
    } else if (art == 7) {
      f.polygon({{ort(), ort()}, {ort(), ort()}, {ort(), ort()}}, Elementart::Spline);
    } else if (art == 8) {
      f.bezier({ort(), ort(), ort(), ort(), ort(), ort(), ort(), ort()});
    } else if (art == 9) {
      f.bitmap(ort(), ort(), ort(), ort());
    } else if (art == 10) {
      f.bemassung(ort(), ort(), ort(), ort());
    } else {
      f.text(ort(), ort());
    }
  }

  // Deletes one element, undoes or redoes: the store changes under the index.
  void aendere() {
    Elementspeicher& s = f.z.speicher;
    const int was = zahl(0, 3);
    if (was == 0 && s.anzahl() > 0) {
      s.setzeMarkiert(zahl(1, s.anzahl()), 1), s.loescheMarkierte();
    } else if (was == 1) {
      s.rueckgaengig();
    } else if (was == 2) {
      s.wiederherstellen();
    } else if (was == 3) {
      s.beginneSchritt(), fuegeHinzu();
    }
  }

  Fangeinstellungen einstellungen() {
    Fangeinstellungen e;
    e.modi = static_cast<std::uint16_t>(zahl(1, 511));
    e.fangradius = zahl(1, 20);
    e.aktiveFolie = zahl(0, 1);
    e.sichtbareFolienAktiveEbene = zahl(0, 1);
    e.alleSichtbarenEbenen = zahl(0, 1);
    e.raster = zahl(0, 3) == 0;
    return e;
  }

  // A cursor on or near something the drawing offers, or anywhere.
  std::pair<int, int> cursor() {
    const Ansicht& a = f.z.ansicht;
    const Pixelpunkt p = a.worldToPixel(ort(), ort());
    return {int(std::lround(p.x)) + zahl(-3, 3), int(std::lround(p.y)) + zahl(-3, 3)};
  }

  int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }
  double ort() { return 5.0 * zahl(0, 60); }

  Fangzeichnung f;

 private:
  std::mt19937 zufall_;
};

TEST(FangindexZufall, IndexUndDurchlaufGebenDasselbe) {
  // 2000 drawings, three searches each; the store changes before the third.
  int gefangen = 0, vergleiche = 0;
  for (std::uint32_t saat = 1; saat <= 20; ++saat) {
    Zufallszeichnung z(saat);
    Fangsuche mitIndex(z.f.z);
    Fangsuche ohneIndex(z.f.z);
    ohneIndex.mitIndex = false;
    for (int zeichnung = 0; zeichnung < 100; ++zeichnung) {
      z.neu();
      for (int k = 0; k < 3; ++k) {
        if (k == 2) z.aendere();
        const Fangeinstellungen e = z.einstellungen();
        const auto [x, y] = z.cursor();
        const Fangergebnis a = mitIndex.fange(x, y, e, {});
        const Fangergebnis b = ohneIndex.fange(x, y, e, {});
        SCOPED_TRACE(::testing::Message()
                     << "saat " << saat << " zeichnung " << zeichnung << " cursor " << x << "," << y);
        test::erwarteGleich(a, b);
        if (::testing::Test::HasFailure()) return;
        gefangen += a.gefangen;
        ++vergleiche;
      }
    }
  }
  EXPECT_EQ(vergleiche, 6000);
  // The cursors are chosen near the lattice the elements use: many searches find a point.
  EXPECT_GT(gefangen, vergleiche / 4);
}

}  // namespace
}  // namespace quarzel
