// Placing a symbol: the real size stays across scales, turning and
// mirroring about the insertion point, one group named after the file on the
// active layer, and one undo takes all of it away.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "platform/skriptbenutzer.h"
#include "store/symboleinfuegen.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

// A symbol of one line from its insertion point 20 mm to the right (1 m at
// 1:50) and a circle of radius 5 mm, saved at `massstab`.
std::unique_ptr<Symbol> tuer(double massstab) {
  Zeichnung quelle;
  test::initialisiere(quelle.speicher);
  quelle.ebenen.setzeMassstab(1, massstab);
  test::linie(quelle.speicher, 1000, 2000, 1020, 2000);
  tbogendaten kreis{.xm = 1010, .ym = 1995, .xr = 5, .yr = 5};
  quelle.speicher.vervollstaendige(quelle.speicher.neuerBogen(kreis));
  SkriptBenutzer b;
  const std::int32_t elemente[] = {1, 2};
  return neuesSymbol(quelle, elemente, {1000, 2000}, b);
}

struct Ziel {
  Zeichnung z;
  explicit Ziel(double massstab) {
    test::initialisiere(z.speicher);
    z.ebenen.setzeMassstab(1, massstab);
  }
  std::vector<std::int32_t> lebende() const {
    std::vector<std::int32_t> n;
    for (std::int32_t i = 1; i <= z.speicher.anzahl(); ++i)
      if (z.speicher.lebendig(i)) n.push_back(i);
    return n;
  }
  const Tliniendaten& linie() const {
    for (std::int32_t n : lebende())
      if (z.speicher.art(n) == Elementart::Linie) return z.speicher.linie(n);
    throw std::logic_error("keine Linie");
  }
};

TEST(Symboleinfuegen, DieWirklicheGroesseBleibtUeberDieMassstaebe) {
  struct Fall {
    double symbol, ebene, laenge, radius;  // sheet millimetres in the drawing
  };
  const Fall faelle[] = {
      {50, 100, 10, 2.5},  {50, 50, 20, 5}, {50, 20, 50, 12.5},
      {100, 1, 2000, 500}, {0, 100, 20, 5},  // a symbol without a scale keeps its sheet size
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::to_string(f.symbol) + " -> " + std::to_string(f.ebene));
    std::unique_ptr<Symbol> s = tuer(50);
    s->kopf.massstab = f.symbol;
    Ziel ziel(f.ebene);
    ASSERT_GT(fuegeSymbolEin(ziel.z, *s, {{5000, 5000}}, "Tuer.QZS"), 0);
    const Tliniendaten& l = ziel.linie();
    EXPECT_DOUBLE_EQ(l.x1, 5000);
    EXPECT_DOUBLE_EQ(l.x2 - l.x1, f.laenge);
    for (std::int32_t n : ziel.lebende())
      if (ziel.z.speicher.art(n) == Elementart::Bogen) {
        EXPECT_DOUBLE_EQ(ziel.z.speicher.bogen(n).xr, f.radius);
      }
  }
}

TEST(Symboleinfuegen, DrehenUndSpiegelnUmDenEinfuegepunkt) {
  // Where the line's far end lands, relative to the insertion point (y down:
  // a counter-clockwise quarter turn on the screen points it up, to -y).
  struct Fall {
    double winkel;
    bool gespiegelt;
    double dx, dy;
  };
  const Fall faelle[] = {
      {0, false, 20, 0}, {90, false, 0, -20}, {180, false, -20, 0}, {0, true, -20, 0}, {90, true, 0, 20},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::to_string(f.winkel) + (f.gespiegelt ? " gespiegelt" : ""));
    std::unique_ptr<Symbol> s = tuer(50);
    Ziel ziel(50);
    fuegeSymbolEin(ziel.z, *s, {{5000, 5000}, f.winkel, f.gespiegelt}, "Tuer.QZS");
    const Tliniendaten& l = ziel.linie();
    EXPECT_NEAR(l.x1, 5000, 1e-9);
    EXPECT_NEAR(l.y1, 5000, 1e-9);
    EXPECT_NEAR(l.x2 - 5000, f.dx, 1e-9);
    EXPECT_NEAR(l.y2 - 5000, f.dy, 1e-9);
  }
}

TEST(Symboleinfuegen, EineGruppeAufDerAktivenEbeneUndEinUndoNimmtAllesWeg) {
  std::unique_ptr<Symbol> s = tuer(50);
  Ziel ziel(100);
  Elementspeicher& sp = ziel.z.speicher;
  test::linie(sp, 0, 0, 10, 10);  // already there, marked
  sp.setzeMarkiert(1, 1);
  ziel.z.ebenen.fuegeEbeneAn("Möbel");
  ziel.z.ebenen.fuegeFolieAn(2, "Stühle");
  ziel.z.ebenen.fuegeFolieAn(2, "Tische");
  ziel.z.ebenen.setzeMassstab(2, 100);
  ziel.z.ebenen.setzeAktiv(2, 2);
  ASSERT_EQ(ziel.z.ebenen.aktiveFolie(), 2);
  const Weltrechteck rahmen{0, -5, 20, 0};
  const std::int32_t anfang = fuegeSymbolEin(ziel.z, *s, {{5000, 5000}}, "Bad/Tuer.QZS", &rahmen);
  const std::vector<std::int32_t> alle = ziel.lebende();
  const std::vector<std::int32_t> neu(alle.begin() + 1, alle.end());
  ASSERT_EQ(neu.size(), 4u);
  EXPECT_EQ(neu.front(), anfang);
  EXPECT_EQ(sp.art(neu.front()), Elementart::Gruppenanfang);
  EXPECT_EQ(sp.art(neu.back()), Elementart::Gruppenende);
  EXPECT_EQ(sp.gruppe(anfang).name, "Bad/Tuer.QZS");
  // The frame follows the map: half the size at 1:100, from the point.
  EXPECT_EQ(sp.gruppe(anfang).rahmen, (std::array<double, 4>{5000, 4997.5, 5010, 5000}));
  for (std::int32_t n : neu) {
    EXPECT_EQ(std::pair(sp.planteil(n), sp.folie(n)), std::pair(std::uint8_t(2), std::uint8_t(2)));
    EXPECT_TRUE(sp.markiert(n));
  }
  EXPECT_FALSE(sp.markiert(1));  // the new ones are the marked ones
  sp.rueckgaengig();
  EXPECT_EQ(ziel.lebende(), std::vector<std::int32_t>{1});
}

TEST(Symboleinfuegen, EinLeeresSymbolFuegtNichtsEin) {
  Zeichnung quelle;
  test::initialisiere(quelle.speicher);
  SkriptBenutzer b;
  std::unique_ptr<Symbol> leer = neuesSymbol(quelle, {}, {0, 0}, b);
  Ziel ziel(100);
  const std::int8_t stufe = ziel.z.speicher.undoStufe();
  EXPECT_EQ(fuegeSymbolEin(ziel.z, *leer, {{5000, 5000}}, "Leer.QZS"), 0);
  EXPECT_EQ(ziel.z.speicher.undoStufe(), stufe);
  EXPECT_EQ(ziel.z.speicher.anzahl(), 0);
}

TEST(Symboleinfuegen, DerGruppennameIstDerDateiname) {
  EXPECT_EQ(symbolgruppenname("/home/a/Symbole/Bad/Wanne.QZS"), "Wanne.QZS");
  EXPECT_EQ(symbolgruppenname("Detail.det"), "Detail.det");
}

}  // namespace
}  // namespace quarzel
