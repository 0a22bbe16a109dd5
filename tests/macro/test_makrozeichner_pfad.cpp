// The path words: where lines land in world millimetres for a given zero
// point, scale, unit and turned coordinate system; the current point; the
// operand checks; the one undo step of a run.
//
// The drawing environment: zero point, turned system, sheet, layers, groups,
// dimensions, the occupancy tests, pictures and the variables that mirror
// them.
//
// Hostile operands: random words of the drawing groups with random values
// never crash, never put a non-finite coordinate into the store, and a run's
// end always leaves the group brackets balanced.

#include <cmath>
#include <random>

#include "support/macro/makrozeichner_hilfe.h"
#include "render/bildlage.h"

namespace quarzel::test {
namespace {

using S = std::array<double, 4>;

// Program -> the lines it draws, in world millimetres (zero point at
// (1000, 2000), y up the sheet), for a unit, scale and turned system.
TEST_F(MakrozeichnerTest, PfadwoerterZeichnenLinienInWeltmillimetern) {
  const struct {
    const char* programm;
    double einheit, massstab, ebenenmassstab;
    float drehung;
    std::vector<S> linien;
  } faelle[] = {
      {"10 20 MOVETO 30 40 LINETO 50 40 LINETO", 1, 1, 0, 0, {{1010, 1980, 1030, 1960}, {1030, 1960, 1050, 1960}}},
      {"0 0 MOVETO 1 2 LINETO", 0.001, 100, 0, 0, {{1000, 2000, 1010, 1980}}},
      // The layer's scale goes before the drawing's.
      {"0 0 MOVETO 500 0 LINETO", 1, 100, 50, 0, {{1000, 2000, 1010, 2000}}},
      // Turned by 90 degrees: user x is up the sheet, user y to the left.
      {"0 0 MOVETO 10 0 LINETO 0 10 RLINETO", 1, 1, 0, 90, {{1000, 2000, 1000, 1990}, {1000, 1990, 990, 1990}}},
      // CLOSEPATH goes back to the path's start, not to the RMOVETO point.
      {"0 0 MOVETO 10 0 LINETO 5 5 RMOVETO 0 10 RLINETO CLOSEPATH",
       1,
       1,
       0,
       0,
       {{1000, 2000, 1010, 2000}, {1015, 1995, 1015, 1985}, {1015, 1985, 1000, 2000}}},
      // BOX draws four sides and leaves the current point where it was.
      {"0 0 MOVETO 20 10 BOX 5 5 LINETO",
       1,
       1,
       0,
       0,
       {{1000, 2000, 1020, 2000},
        {1020, 2000, 1020, 1990},
        {1020, 1990, 1000, 1990},
        {1000, 1990, 1000, 2000},
        {1000, 2000, 1005, 1995}}},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.programm);
    const std::size_t vorher = lebende().size();
    z.ansicht.unitFactor = f.einheit;
    z.ansicht.drawingScale = f.massstab;
    z.ebenen.setzeMassstab(1, f.ebenenmassstab);
    z.ansicht.coordAngle = f.drehung;
    ASSERT_EQ(lauf(f.programm), std::nullopt);
    const auto e = lebende();
    ASSERT_EQ(e.size(), vorher + f.linien.size());
    for (std::size_t i = 0; i < f.linien.size(); ++i) {
      EXPECT_EQ(z.speicher.art(e[vorher + i]), Elementart::Linie);
      EXPECT_TRUE(nahe(strecke(e[vorher + i]), f.linien[i])) << i;
    }
  }
}

TEST_F(MakrozeichnerTest, BoxImGedrehtenSystemFolgtDenGedrehtenAchsen) {
  z.ansicht.coordAngle = 30;
  ASSERT_EQ(lauf("2 3 MOVETO 20 10 BOX"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 4u);
  // In user coordinates the corners are the axis-parallel rectangle.
  const Benutzerpunkt ecke1 = m.alsMakropunkt({linie(e[0]).x2, linie(e[0]).y2});
  const Benutzerpunkt ecke3 = m.alsMakropunkt({linie(e[2]).x2, linie(e[2]).y2});
  EXPECT_TRUE(nahe<4>({ecke1.x, ecke1.y, ecke3.x, ecke3.y}, {20, 3, 2, 10}));
}

// --- Operands ------------------------------------------------------------------

TEST_F(MakrozeichnerTest, ZuWenigOperandenIstFehler1UndAendertNichts) {
  const auto stufe = z.speicher.undoStufe();
  EXPECT_EQ(lauf("10 LINETO"), Makrofehler::ZuwenigParameter);
  EXPECT_EQ(std::tuple(s.groesse(), lebende().size(), z.speicher.undoStufe()), std::tuple(1u, 0u, stufe));
  s.leere();
  EXPECT_EQ(lauf("5 5 5 5 ARC"), Makrofehler::ZuwenigParameter);
  EXPECT_EQ(s.groesse(), 4u);
}

TEST_F(MakrozeichnerTest, KeineZahlUndUnendlicheKoordinatenStoppenMitFehler99) {
  EXPECT_EQ(lauf("abc 10 LINETO"), Makrofehler::UnbekannterFehler);
  s.leere();
  z.ansicht.unitFactor = 1e-300;
  EXPECT_EQ(lauf("1e300 0 LINETO"), Makrofehler::UnbekannterFehler);
  EXPECT_TRUE(lebende().empty());
}

// --- Undo ------------------------------------------------------------------------

TEST_F(MakrozeichnerTest, EinLaufIstEinUndoSchrittUndOhneFigurKeiner) {
  const auto stufe = z.speicher.undoStufe();
  ASSERT_EQ(lauf("10 10 MOVETO 3 SETPEN 2 SETDASH"), std::nullopt);
  EXPECT_EQ(z.speicher.undoStufe(), stufe);
  ASSERT_EQ(lauf("0 0 MOVETO 10 0 LINETO 10 10 LINETO 5 CIRCLE"), std::nullopt);
  EXPECT_EQ(z.speicher.undoStufe(), stufe + 1);
  EXPECT_EQ(lebende().size(), 3u);
  z.speicher.rueckgaengig();
  EXPECT_TRUE(lebende().empty());
}

// --- Current attributes ----------------------------------------------------------

TEST_F(MakrozeichnerTest, FigurenTragenStiftStilFarbeEbeneUndFolie) {
  z.ebenen.fuegeFolieAn(1, "");
  z.ebenen.fuegeFolieAn(1, "");
  z.speicher.aktuell.folie = 2;
  // 66 and 40 are no line styles: ignored.
  ASSERT_EQ(lauf("7 SETPEN 124 SETDASH 66 SETDASH 40 SETDASH 255 128 0 RGBCOLOR 0 0 MOVETO 1 1 LINETO"), std::nullopt);
  const Tliniendaten& l = linie(lebende()[0]);
  EXPECT_EQ(std::tuple(int(l.stift), int(l.linienstil), int(l.planteil), int(l.folie), l.farbe),
            std::tuple(7, 124, 1, 2, rgb(255, 128, 0)));
  EXPECT_EQ(z.speicher.markiert(lebende()[0]), 0);  // not a group member
}

double wert(const Makrovariablen& v, std::string_view name) {
  const std::string* w = v.finde(name);
  return w ? std::stod(*w) : std::nan("");
}

// --- Zero point and turned system -----------------------------------------------

// --- Sheet --------------------------------------------------------------------

// --- Layers ---------------------------------------------------------------------

TEST_F(MakrozeichnerTest, CreatelayerLegtEineAktiveEbeneMitMassstabAn) {
  v.legeVordefinierteAn({});
  ASSERT_EQ(lauf("Fundament 50 CREATELAYER 0 0 MOVETO 500 0 LINETO"), std::nullopt);
  EXPECT_EQ(std::tuple(z.ebenen.anzahl(), z.ebenen.aktiveEbene(), z.ebenen.name(2), z.ebenen.massstab(2)),
            std::tuple(2, 2, "Fundament", 50));
  EXPECT_DOUBLE_EQ(wert(v, "maßstab"), 50);
  // Drawn at 1:50.
  EXPECT_EQ(std::tuple(linie(lebende()[0]).planteil, linie(lebende()[0]).x2), std::tuple(std::uint8_t(2), 1010.0));
}

// --- Groups ---------------------------------------------------------------------

TEST_F(MakrozeichnerTest, GruppeUmschliesstDieFigurenZwischenBeginnUndEnde) {
  ASSERT_EQ(lauf("0 0 MOVETO 5 0 LINETO Tuer BEGINGROUP 10 0 LINETO 3 CIRCLE ENDGROUP 20 0 LINETO"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 6u);
  EXPECT_EQ(std::tuple(z.speicher.art(e[1]), z.speicher.art(e[4]), z.speicher.gruppe(e[1]).name,
                       z.speicher.gruppenende(e[1])),
            std::tuple(Elementart::Gruppenanfang, Elementart::Gruppenende, "Tuer", e[4]));
  // From the line's start at x 5 to the circle's edge, 3 around its centre.
  const auto& r = z.speicher.gruppe(e[1]).rahmen;
  EXPECT_EQ((std::array<double, 4>{r[0], r[1], r[2], r[3]}), (std::array<double, 4>{1005, 1997, 1013, 2003}));
  EXPECT_EQ(z.speicher.markiert(e[2]), 1);
  EXPECT_EQ(z.speicher.markiert(e[5]), 0);
}

// --- Dimensions and tests -------------------------------------------------------

// --- Picked elements ---------------------------------------------------------------

bool istZeichenwort(Befehlsgruppe g) {
  return g == Befehlsgruppe::Figur || g == Befehlsgruppe::Textfigur || g == Befehlsgruppe::Stil ||
         g == Befehlsgruppe::Umgebung;
}

TEST_F(MakrozeichnerTest, ZufaelligeWorteUndWerteHinterlassenEineHeileZeichnung) {
  std::vector<Befehl> worte;
  for (const Befehlseintrag& e : befehlstabelle())
    if (istZeichenwort(e.gruppe)) worte.push_back(e.befehl);
  const std::vector<std::string> werte = {"0",      "1",      "-1",  "2",   "3",   "7",    "90", "-360",  "1e308",
                                          "-1e308", "1e-300", "0,5", "abc", "",    " ",    "5",  "99999", "2.5",
                                          "124",    "40000",  "nan", "-0",  "250", "1000", "mm", "cm"};
  std::mt19937 zufall(4711);
  for (int runde = 0; runde < 20; ++runde) {
    m.laufBeginnt();
    for (int i = 0; i < 400; ++i) {
      const int anzahl = std::uniform_int_distribution<int>(0, 8)(zufall);
      for (int k = 0; k < anzahl; ++k) s.lege(werte[zufall() % werte.size()]);
      m.fuehreAus(worte[zufall() % worte.size()], s, v);
      if (s.groesse() > 1000) s.leere();
    }
    m.laufEndet();
  }

  int tiefe = 0;
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) {
    if (!z.speicher.lebendig(n)) continue;
    const Elementart art = z.speicher.art(n);
    if (art == Elementart::Gruppenanfang) ++tiefe;
    if (art == Elementart::Gruppenende) --tiefe;
    ASSERT_GE(tiefe, 0);
    if (istLinienart(art)) {
      const Tliniendaten& d = z.speicher.linie(n);
      ASSERT_TRUE(std::isfinite(d.x1) && std::isfinite(d.y1) && std::isfinite(d.x2) && std::isfinite(d.y2));
    } else if (istPolygonart(art)) {
      for (double x : z.speicher.polygon(n).x) ASSERT_TRUE(std::isfinite(x));
    } else if (art == Elementart::Bogen) {
      ASSERT_TRUE(std::isfinite(z.speicher.bogen(n).xr));
    }
  }
  EXPECT_EQ(tiefe, 0);
  EXPECT_LE(z.ebenen.anzahl(), Ebenen::Hoechstzahl);
}

}  // namespace
}  // namespace quarzel::test
