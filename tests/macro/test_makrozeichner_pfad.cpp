// The path words: where lines land in world millimetres for a given zero
// point, scale, unit and turned coordinate system; the current point; the
// operand checks; the one undo step of a run.
#include <chrono>
#include <cmath>

#include "makrozeichner_hilfe.h"

namespace quarzel::test {
namespace {

using S = std::array<double, 4>;

TEST_F(MakrozeichnerTest, LinetoZeichntVomAktuellenPunktYNachOben) {
  ASSERT_EQ(lauf("10 20 MOVETO 30 40 LINETO 50 40 LINETO"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(z.speicher.art(e[0]), Elementart::Linie);
  EXPECT_EQ(strecke(e[0]), (S{1010, 1980, 1030, 1960}));
  EXPECT_EQ(strecke(e[1]), (S{1030, 1960, 1050, 1960}));
}

TEST_F(MakrozeichnerTest, EinheitMassstabUndEbenenmassstabTeilenDieMakrowerte) {
  z.ansicht.unitFactor = 0.001;  // metres
  z.ansicht.drawingScale = 100;
  ASSERT_EQ(lauf("0 0 MOVETO 1 2 LINETO"), std::nullopt);
  EXPECT_TRUE(nahe(strecke(lebende()[0]), {1000, 2000, 1010, 1980}));
  // The layer's scale goes before the drawing's.
  z.ansicht.unitFactor = 1;
  z.ebenen.setzeMassstab(1, 50);
  ASSERT_EQ(lauf("0 0 MOVETO 500 0 LINETO"), std::nullopt);
  EXPECT_TRUE(nahe(strecke(lebende()[1]), {1000, 2000, 1010, 2000}));
}

TEST_F(MakrozeichnerTest, GedrehtesSystemDrehtAbsoluteUndRelativeWorte) {
  z.ansicht.coordAngle = 90;
  ASSERT_EQ(lauf("0 0 MOVETO 10 0 LINETO 0 10 RLINETO"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 2u);
  // Turned by 90 degrees: user x is up the sheet, user y to the left.
  EXPECT_TRUE(nahe(strecke(e[0]), {1000, 2000, 1000, 1990}));
  EXPECT_TRUE(nahe(strecke(e[1]), {1000, 1990, 990, 1990}));
}

TEST_F(MakrozeichnerTest, ClosepathFuehrtZumPfadanfangNichtZumRmovetoPunkt) {
  ASSERT_EQ(lauf("0 0 MOVETO 10 0 LINETO 5 5 RMOVETO 0 10 RLINETO CLOSEPATH"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(strecke(e[2]), (S{1015, 1985, 1000, 2000}));
}

TEST_F(MakrozeichnerTest, PunktIstEineLinieOhneLaengeMitStilUndGroesse) {
  ASSERT_EQ(lauf("3 9 SETPOINT 4 5 POINT 1 1 RLINETO"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(strecke(e[0]), (S{1004, 1995, 1004, 1995}));
  EXPECT_EQ(linie(e[0]).z1, 3);
  EXPECT_EQ(linie(e[0]).z2, 9);
  EXPECT_FALSE(z.speicher.istMarkerpunkt(e[0]));
  EXPECT_EQ(linie(e[1]).x1, 1004) << "POINT moves the current point";
}

TEST_F(MakrozeichnerTest, SetpointKlemmtUndVerlangtGanzzahlen) {
  ASSERT_EQ(lauf("99 1 SETPOINT 0 0 POINT -5 999 SETPOINT 0 0 POINT"), std::nullopt);
  EXPECT_EQ(linie(lebende()[0]).z1, 14);
  EXPECT_EQ(linie(lebende()[0]).z2, 2);
  EXPECT_EQ(linie(lebende()[1]).z1, 0);
  EXPECT_EQ(linie(lebende()[1]).z2, 254);
  EXPECT_EQ(lauf("1.5 4 SETPOINT"), Makrofehler::UngueltigerParameter);
}

TEST_F(MakrozeichnerTest, BoxZeichnetVierSeitenUndLaesstDenPunktStehen) {
  ASSERT_EQ(lauf("0 0 MOVETO 20 10 BOX 5 5 LINETO"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 5u);
  EXPECT_EQ(strecke(e[0]), (S{1000, 2000, 1020, 2000}));
  EXPECT_EQ(strecke(e[1]), (S{1020, 2000, 1020, 1990}));
  EXPECT_EQ(strecke(e[2]), (S{1020, 1990, 1000, 1990}));
  EXPECT_EQ(strecke(e[3]), (S{1000, 1990, 1000, 2000}));
  EXPECT_EQ(linie(e[4]).x1, 1000);  // current point unchanged
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

TEST_F(MakrozeichnerTest, FboxIstEinGeschlossenesGefuelltesPolygon) {
  ASSERT_EQ(lauf("5 SETDASH 0 0 MOVETO 20 10 RFBOX"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 1u);
  ASSERT_EQ(z.speicher.art(e[0]), Elementart::Polygon);
  const Tpolygondaten& p = z.speicher.polygon(e[0]);
  EXPECT_EQ(p.punktanzahl(), 5u);  // closed by the adder
  EXPECT_EQ(p.x.back(), p.x.front());
  EXPECT_EQ(p.fuellung.gefuellt, 1);
  EXPECT_EQ(p.linienstil, 5);
}

// --- Operands ------------------------------------------------------------------

TEST_F(MakrozeichnerTest, ZuWenigOperandenIstFehler1UndAendertNichts) {
  const auto stufe = z.speicher.undoStufe();
  EXPECT_EQ(lauf("10 LINETO"), Makrofehler::ZuwenigParameter);
  EXPECT_EQ(s.groesse(), 1u);
  EXPECT_TRUE(lebende().empty());
  EXPECT_EQ(z.speicher.undoStufe(), stufe);
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

TEST_F(MakrozeichnerTest, DezimalkommaWirdGelesen) {
  ASSERT_EQ(lauf("0 0 MOVETO 1,5 2.5 LINETO"), std::nullopt);
  EXPECT_EQ(strecke(lebende()[0]), (S{1000, 2000, 1001.5, 1997.5}));
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

TEST_F(MakrozeichnerTest, NeuerUndoSchrittUndNeuerLaufTrennenDieFiguren) {
  ASSERT_EQ(lauf("0 0 MOVETO 10 0 LINETO"), std::nullopt);
  m.neuerUndoSchritt();
  ASSERT_EQ(lauf("20 0 LINETO"), std::nullopt);
  m.laufEndet();
  m.laufBeginnt();
  ASSERT_EQ(lauf("0 0 MOVETO 0 10 LINETO"), std::nullopt);
  z.speicher.rueckgaengig();
  EXPECT_EQ(lebende().size(), 2u);
  z.speicher.rueckgaengig();
  ASSERT_EQ(lebende().size(), 1u);
  EXPECT_EQ(linie(lebende()[0]).x2, 1010);
}

// --- Current attributes ----------------------------------------------------------

TEST_F(MakrozeichnerTest, FigurenTragenStiftStilFarbeEbeneUndFolie) {
  z.ebenen.fuegeFolieAn(1, "");
  z.ebenen.fuegeFolieAn(1, "");
  z.speicher.aktuell.folie = 2;
  ASSERT_EQ(lauf("7 SETPEN 12 SETDASH 255 128 0 RGBCOLOR 0 0 MOVETO 1 1 LINETO"), std::nullopt);
  const Tliniendaten& l = linie(lebende()[0]);
  EXPECT_EQ(l.stift, 7);
  EXPECT_EQ(l.linienstil, 12);
  EXPECT_EQ(l.farbe, rgb(255, 128, 0));
  EXPECT_EQ(l.planteil, 1);
  EXPECT_EQ(l.folie, 2);
  EXPECT_EQ(z.speicher.markiert(lebende()[0]), 0);  // not a group member
}

TEST_F(MakrozeichnerTest, SetpenUndSetdashIgnorierenUngueltigeNummern) {
  ASSERT_EQ(lauf("3 SETPEN 2 SETDASH 25 SETPEN 40 SETDASH"), std::nullopt);
  EXPECT_EQ(z.speicher.aktuell.stift, 3);
  EXPECT_EQ(z.speicher.aktuell.linienstil, 2);
  EXPECT_TRUE(s.leer());
  // The edges of the style number ranges.
  for (const char* gueltig : {"1", "31", "51", "55", "61", "65", "71", "124"}) {
    ASSERT_EQ(lauf(std::string(gueltig) + " SETDASH"), std::nullopt);
    EXPECT_EQ(z.speicher.aktuell.linienstil, std::stoi(gueltig));
  }
  for (const char* ungueltig : {"0", "32", "50", "56", "60", "66", "70", "125"}) {
    ASSERT_EQ(lauf(std::string(ungueltig) + " SETDASH"), std::nullopt);
    EXPECT_EQ(z.speicher.aktuell.linienstil, 124) << ungueltig;
  }
  ASSERT_EQ(lauf("0 SETPEN"), std::nullopt);
  EXPECT_EQ(z.speicher.aktuell.stift, 0);
  EXPECT_EQ(lauf("2.5 SETPEN"), Makrofehler::UngueltigerParameter);
  EXPECT_EQ(lauf("x SETDASH"), Makrofehler::UngueltigerParameter);
}

TEST_F(MakrozeichnerTest, DerHostSiehtJedesNeueElement) {
  std::vector<std::int32_t> gezeichnet;
  int attributmeldungen = 0;
  Makrozeichnerhost host;
  host.elementGezeichnet = [&](std::int32_t n) { gezeichnet.push_back(n); };
  host.attributeGeaendert = [&] { ++attributmeldungen; };
  Makrozeichner mit(z, host);
  Makrostapel st;
  st.lege("4");
  ASSERT_EQ(mit.fuehreAus(Befehl::SETPEN, st, v), std::nullopt);
  st.lege("10");
  st.lege("0");
  ASSERT_EQ(mit.fuehreAus(Befehl::LINETO, st, v), std::nullopt);
  EXPECT_EQ(gezeichnet, lebende());
  EXPECT_EQ(attributmeldungen, 1);
}

TEST_F(MakrozeichnerTest, HunderttausendLinienOhneMerklicheZeit) {
  const auto beginn = std::chrono::steady_clock::now();
  for (int i = 0; i < 100000; ++i) {
    s.lege(std::to_string(i % 1000));
    s.lege("5");
    ASSERT_EQ(m.fuehreAus(Befehl::LINETO, s, v), std::nullopt);
  }
  const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
  EXPECT_EQ(z.speicher.anzahl(), 100000);
  // Generous for sanitizer builds; an optimised build needs a small part.
  EXPECT_LT(sekunden, 5.0);
}

}  // namespace
}  // namespace quarzel::test
