// The spatial index: the Hilbert order it packs by, lazy rebuilding keyed
// by the store's change counter (every kind of change is noticed, marking is
// not a change), a drawing replaced as a whole, hostile coordinates, and
// thousands of random drawings on which the indexed search and the walk
// over the store must give identical results.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

#include "edit/fangformen.h"
#include "fanghilfen.h"
#include "store/elementabbildung.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

using test::fange;
using test::Fangzeichnung;
using test::nurModi;

TEST(Hilbertindex, DurchlaeuftJedesFeldEinmalUndSchrittweiseBenachbart) {
  // The first 4^8 positions of the curve fill the 256 x 256 corner.
  std::vector<std::pair<int, int>> feld(65536, {-1, -1});
  for (std::uint32_t x = 0; x < 256; ++x)
    for (std::uint32_t y = 0; y < 256; ++y) {
      const std::uint32_t h = hilbertindex(x, y);
      ASSERT_LT(h, 65536u) << x << "," << y;
      ASSERT_EQ(feld[h].first, -1) << "twice " << h;
      feld[h] = {int(x), int(y)};
    }
  for (std::size_t i = 1; i < feld.size(); ++i)
    ASSERT_EQ(std::abs(feld[i].first - feld[i - 1].first) + std::abs(feld[i].second - feld[i - 1].second), 1) << i;
}

TEST(Fangindex, FindetGenauDieElementeDerenKastenDasFensterTrifft) {
  Fangzeichnung f;
  std::mt19937 zufall(7);
  std::uniform_real_distribution<double> ort(0, 1000), laenge(0, 30);
  for (int i = 0; i < 2000; ++i) {
    const double x = ort(zufall), y = ort(zufall);
    f.linie(x, y, x + laenge(zufall), y + laenge(zufall));
  }
  f.text(500, 500);
  Fangindex index(f.z.speicher);
  index.aktualisiere();
  EXPECT_EQ(index.elementzahl(), 2000u);
  for (int k = 0; k < 200; ++k) {
    const double x = ort(zufall), y = ort(zufall), r = laenge(zufall);
    const Weltrechteck w{x - r, y - r, x + r, y + r};
    std::vector<std::int32_t> treffer;
    index.suche(w, treffer);
    ASSERT_TRUE(std::is_sorted(treffer.begin(), treffer.end()));
    std::set<std::int32_t> erwartet;
    for (std::int32_t n = 1; n <= f.z.speicher.anzahl(); ++n) {
      const auto u = fangumgebung(f.z.speicher, n);
      if (u && ueberlappt(*u, w)) erwartet.insert(n);
    }
    // A superset (float boxes round outward) that holds every exact hit.
    for (std::int32_t n : erwartet) EXPECT_TRUE(std::binary_search(treffer.begin(), treffer.end(), n)) << n;
    EXPECT_LE(treffer.size(), erwartet.size() + 2);
  }
}

TEST(Fangindex, LeererSpeicherUndEinzelnesElement) {
  Fangzeichnung f;
  Fangindex index(f.z.speicher);
  index.aktualisiere();
  std::vector<std::int32_t> treffer;
  index.suche({-1e9, -1e9, 1e9, 1e9}, treffer);
  EXPECT_TRUE(treffer.empty());
  const std::int32_t n = f.linie(1, 1, 2, 2);
  index.aktualisiere();
  index.suche({0, 0, 1, 1}, treffer);
  EXPECT_EQ(treffer, std::vector<std::int32_t>{n});
}

// --- Rebuilding -----------------------------------------------------------------------

class Neubautest : public ::testing::Test {
 protected:
  void SetUp() override {
    a = f.linie(100, 100, 200, 100);
    b = f.linie(100, 300, 200, 300);
    index.aktualisiere();
    bauten = index.bauten();
  }
  // Whether the last change made the index stale; brings it up to date.
  bool neuGebaut() {
    const bool veraltet = !index.aktuell();
    index.aktualisiere();
    EXPECT_EQ(index.bauten(), bauten + (veraltet ? 1 : 0));
    bauten = index.bauten();
    return veraltet;
  }
  Fangzeichnung f;
  Elementspeicher& s = f.z.speicher;
  Fangindex index{f.z.speicher};
  std::int32_t a = 0, b = 0;
  std::uint64_t bauten = 0;
};

TEST_F(Neubautest, LesenUndMarkierenSindKeineAenderung) {
  EXPECT_FALSE(neuGebaut());
  const Elementspeicher& lesend = s;
  (void)lesend.linie(a).x1;
  s.setzeMarkiert(a, 1);
  s.markiereAlleLebendigen();
  s.demarkiereAlle();
  s.sichereMarken();
  s.setzeTempMarke(a, 1);
  s.setzeFlag(0, a, 1);
  s.setzeModifiziert(false);
  EXPECT_FALSE(neuGebaut());
}

TEST_F(Neubautest, JedeArtVonAenderungWirdBemerkt) {
  f.linie(0, 0, 10, 10);
  EXPECT_TRUE(neuGebaut());
  s.setzeMarkiert(a, 1);
  s.loescheMarkierte();
  EXPECT_TRUE(neuGebaut());
  s.rueckgaengig();
  EXPECT_TRUE(neuGebaut());
  s.wiederherstellen();
  EXPECT_TRUE(neuGebaut());
  s.beginneSchritt();  // purges what the redo branch held
  EXPECT_TRUE(neuGebaut());
  s.setzeMarkiert(b, 1);
  s.setzeFarbeMarkierte(rgb(255, 0, 0));
  EXPECT_TRUE(neuGebaut());
  bildeAb(s, b, Abbildung::streckung({0, 0}, 2));  // in place, through the record
  EXPECT_TRUE(neuGebaut());
  s.linie(b).x2 = 7;
  EXPECT_TRUE(neuGebaut());
  s.setzeMarkiert(b, 1);
  s.markierteNachHinten();
  EXPECT_TRUE(neuGebaut());
  s.setzeZustand(b, 0);
  EXPECT_TRUE(neuGebaut());
  s.setzeAnzahl(0);
  EXPECT_TRUE(neuGebaut());
  s.leere();
  EXPECT_TRUE(neuGebaut());
}

TEST_F(Neubautest, VerschobenesElementUndErsetzteZeichnungWerdenBemerkt) {
  Fangsuche suche(f.z);
  const Fangeinstellungen e = nurModi(FangEndpunkte);
  EXPECT_TRUE(suche.fange(101, 101, e, {}).gefangen);
  s.setzeMarkiert(a, 1);
  s.fuerMarkierte([](Elementart) { return true; },
                  [&](std::int32_t n) {
                    s.linie(n).x1 += 500;
                    s.linie(n).x2 += 500;
                  });
  EXPECT_FALSE(suche.fange(101, 101, e, {}).gefangen);
  EXPECT_TRUE(suche.fange(601, 101, e, {}).gefangen);
  // Loading replaces the store as a whole: same object, other contents.
  Elementspeicher neu;
  test::initialisiere(neu);
  neu.beginneSchritt();
  neu.vervollstaendige(neu.neueLinie(400, 400, 500, 500, 0));
  f.z.speicher = std::move(neu);
  EXPECT_FALSE(suche.fange(601, 101, e, {}).gefangen);
  EXPECT_TRUE(suche.fange(401, 401, e, {}).gefangen);
}

// --- Hostile coordinates ------------------------------------------------------------

TEST(FangindexFeindlich, NichtzahlenUnendlichUndRiesigeWerte) {
  Fangzeichnung f;
  f.linie(NAN, 100, 200, 100);
  f.linie(-INFINITY, 100, INFINITY, 100);
  f.linie(1e300, 1e300, -1e300, 100);
  f.bogen(100, 100, INFINITY, 5);
  f.bogen(100, 100, 1e200, 1e200, 0, 90, 45);
  f.polygon({{0, 0}, {NAN, 5}, {100, 100}});
  f.bitmap(-1e38, 0, 1e39, 100);
  f.bemassung(0, 0, 0, 0);
  f.linie(100, 102, 300, 102);
  f.linie(100, 98, 300, 97);
  Fangeinstellungen e = nurModi(0xFFFF, 20);
  for (int x = 90; x <= 110; x += 2)
    for (int y = 90; y <= 110; y += 4) fange(f.z, x, y, e);  // the two searches agree and nothing breaks
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
    switch (zahl(0, 11)) {
      case 0:
      case 1:
      case 2:
        f.linie(ort(), ort(), ort(), ort(), zahl(0, 4) == 0 ? Elementart::Wandlinie2 : Elementart::Linie);
        break;
      case 3:
        f.kreis(ort(), ort(), zahl(2, 80));
        break;
      case 4:
        f.bogen(ort(), ort(), zahl(2, 80), zahl(2, 80), float(zahl(-360, 360)), float(zahl(-360, 720)),
                float(zahl(0, 7) * 45));
        break;
      case 5:
      case 6: {
        const double x = ort(), y = ort();
        f.polygon({{x, y}, {ort(), ort()}, {ort(), ort()}, {x, y}},
                  zahl(0, 2) == 0 ? Elementart::Verlauf : Elementart::Polygon);
        break;
      }
      case 7:
        f.polygon({{ort(), ort()}, {ort(), ort()}, {ort(), ort()}}, Elementart::Spline);
        break;
      case 8:
        f.bezier({ort(), ort(), ort(), ort(), ort(), ort(), ort(), ort()});
        break;
      case 9:
        f.bitmap(ort(), ort(), ort(), ort());
        break;
      case 10:
        f.bemassung(ort(), ort(), ort(), ort());
        break;
      default:
        f.text(ort(), ort());
        break;
    }
  }

  // Deletes one element, undoes or redoes: the store changes under the index.
  void aendere() {
    Elementspeicher& s = f.z.speicher;
    switch (zahl(0, 3)) {
      case 0:
        if (s.anzahl() > 0) {
          s.setzeMarkiert(zahl(1, s.anzahl()), 1);
          s.loescheMarkierte();
        }
        break;
      case 1:
        s.rueckgaengig();
        break;
      case 2:
        s.wiederherstellen();
        break;
      default:
        s.beginneSchritt();
        fuegeHinzu();
        break;
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
