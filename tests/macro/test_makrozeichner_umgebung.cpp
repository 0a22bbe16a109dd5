// The drawing environment: zero point, turned system, sheet, layers, groups,
// dimensions, the occupancy tests, pictures and the variables that mirror
// them.
#include <cmath>

#include "render/bildlage.h"
#include "makrotest_hilfe.h"
#include "makrozeichner_hilfe.h"

namespace quarzel::test {
namespace {

double wert(const Makrovariablen& v, std::string_view name) {
  const std::string* w = v.finde(name);
  return w ? std::stod(*w) : std::nan("");
}

// --- Zero point and turned system -----------------------------------------------

TEST_F(MakrozeichnerTest, SetzeropointVerschiebtDenNullpunktUndDieBlattvariablen) {
  v.legeVordefinierteAn({});
  ASSERT_EQ(lauf("10 20 SETZEROPOINT 0 0 MOVETO 5 0 LINETO"), std::nullopt);
  EXPECT_EQ(z.ansicht.zeroPoint.x, 1010);
  EXPECT_EQ(z.ansicht.zeroPoint.y, 1980);
  EXPECT_EQ(strecke(lebende()[0]), (std::array<double, 4>{1010, 1980, 1015, 1980}));
  EXPECT_DOUBLE_EQ(wert(v, "paperleft"), z.ansicht.sheetLeft - 1010.0);
  EXPECT_DOUBLE_EQ(wert(v, "papertop"), 1980.0 - z.ansicht.sheetTop);
}

TEST_F(MakrozeichnerTest, RotateAddiertBleibtInnerhalb360UndNullSetztZurueck) {
  ASSERT_EQ(lauf("30 ROTATE 350 ROTATE"), std::nullopt);
  EXPECT_FLOAT_EQ(z.ansicht.coordAngle, 20);
  ASSERT_EQ(lauf("-400 ROTATE"), std::nullopt);
  EXPECT_FLOAT_EQ(z.ansicht.coordAngle, -20);
  ASSERT_EQ(lauf("0 ROTATE"), std::nullopt);
  EXPECT_FLOAT_EQ(z.ansicht.coordAngle, 0);
  // The cursor variables name the same spot on the sheet, seen from the turned axes.
  v.setze("cursorx", "10");
  v.setze("cursory", "0");
  ASSERT_EQ(lauf("90 ROTATE"), std::nullopt);
  EXPECT_TRUE(nahe<2>({wert(v, "cursorx"), wert(v, "cursory")}, {0, -10}));
}

// --- Sheet --------------------------------------------------------------------

TEST_F(MakrozeichnerTest, SetformatZentriertDasBlattUndNimmtDenNullpunktMit) {
  z.ansicht.zeroPoint = {z.ansicht.sheetLeft + 20.0, z.ansicht.sheetTop + z.ansicht.sheetHeight - 20.0};
  ASSERT_EQ(lauf("420 297 SETFORMAT"), std::nullopt);
  EXPECT_EQ(z.ansicht.sheetWidth, 420);
  EXPECT_EQ(z.ansicht.sheetHeight, 297);
  EXPECT_EQ(z.ansicht.sheetLeft, 4790);
  EXPECT_EQ(z.ansicht.sheetTop, 4852);
  EXPECT_EQ(z.ansicht.zeroPoint.x, 4810);
  EXPECT_EQ(z.ansicht.zeroPoint.y, 4852 + 297 - 20);
  EXPECT_DOUBLE_EQ(wert(v, "workb"), 420);
  // Unusable sizes are refused.
  EXPECT_EQ(lauf("10 297 SETFORMAT"), Makrofehler::UngueltigerParameter);
  EXPECT_EQ(z.ansicht.sheetWidth, 420);
  s.leere();
  EXPECT_EQ(lauf("420 1e9 SETFORMAT"), Makrofehler::UngueltigerParameter);
}

TEST_F(MakrozeichnerTest, OhneBlattlisteGibtEsNurDasAktuelleBlatt) {
  EXPECT_EQ(lauf("2 SETPAGE"), Makrofehler::UngueltigerParameter);
  ASSERT_EQ(lauf("1 SETPAGE"), std::nullopt);
  ASSERT_EQ(lauf("Plan_2 594 420 NEWPAGE"), std::nullopt);
  EXPECT_EQ(z.optionen.blattname, "Plan 2");
  EXPECT_EQ(z.ansicht.sheetWidth, 594);
  ASSERT_EQ(lauf("1 297 210 SETPAGESIZE"), std::nullopt);
  EXPECT_EQ(z.ansicht.sheetWidth, 297);
}

TEST_F(MakrozeichnerTest, BlattwoerterGehenAnDieBlattlisteDesFensters) {
  std::vector<std::string> aufrufe;
  Makrozeichnerhost host;
  host.blattAnlegen = [&](const std::string& name, int b, int h) {
    aufrufe.push_back(name + " " + std::to_string(b) + "x" + std::to_string(h));
    return true;
  };
  host.blattWaehlen = [&](int n) { return n == 2; };
  Makrozeichner mit(z, host);
  for (const char* t : {"Ansicht", "297", "210"}) s.lege(t);
  ASSERT_EQ(mit.fuehreAus(Befehl::NEWPAGE, s, v), std::nullopt);
  s.lege("2");
  ASSERT_EQ(mit.fuehreAus(Befehl::SETPAGE, s, v), std::nullopt);
  s.lege("3");
  EXPECT_EQ(mit.fuehreAus(Befehl::SETPAGE, s, v), Makrofehler::UngueltigerParameter);
  EXPECT_EQ(aufrufe, std::vector<std::string>{"Ansicht 297x210"});
  EXPECT_EQ(z.ansicht.sheetWidth, 390);  // the window's sheet list owns the sizes
}

// --- Layers ---------------------------------------------------------------------

TEST_F(MakrozeichnerTest, CreatelayerLegtEineAktiveEbeneMitMassstabAn) {
  v.legeVordefinierteAn({});
  ASSERT_EQ(lauf("Fundament 50 CREATELAYER 0 0 MOVETO 500 0 LINETO"), std::nullopt);
  EXPECT_EQ(z.ebenen.anzahl(), 2);
  EXPECT_EQ(z.ebenen.aktiveEbene(), 2);
  EXPECT_EQ(z.ebenen.name(2), "Fundament");
  EXPECT_EQ(z.ebenen.massstab(2), 50);
  EXPECT_DOUBLE_EQ(wert(v, "maßstab"), 50);
  const Tliniendaten& l = linie(lebende()[0]);
  EXPECT_EQ(l.planteil, 2);
  EXPECT_EQ(l.x2, 1010);  // drawn at 1:50
}

TEST_F(MakrozeichnerTest, CreatelayerBeimHoechststandIstFehler25) {
  while (z.ebenen.anzahl() < Ebenen::Hoechstzahl) z.ebenen.fuegeEbeneAn("");
  EXPECT_EQ(lauf("Zuviel 1 CREATELAYER"), Makrofehler::ZuvieleEbenen);
  EXPECT_EQ(s.groesse(), 2u);
}

TEST_F(MakrozeichnerTest, CreatesublayerUndSichtbarkeit) {
  ASSERT_EQ(lauf("Bewehrung CREATESUBLAYER"), std::nullopt);
  EXPECT_EQ(z.ebenen.aktiveFolie(), 2);
  EXPECT_EQ(z.ebenen.folienname(1, 2), "Bewehrung");
  ASSERT_EQ(lauf("0 SETSUBLAYERVISIBLE GETSUBLAYERVISIBLE 0 SETLAYERVISIBLE GETLAYERVISIBLE"), std::nullopt);
  ASSERT_EQ(s.groesse(), 2u);
  EXPECT_EQ(s.oben(1), "0");
  EXPECT_EQ(s.oben(0), "0");
  ASSERT_EQ(lauf("1 SETSUBLAYERVISIBLE GETSUBLAYERVISIBLE -1 SETLAYERVISIBLE GETLAYERVISIBLE"), std::nullopt);
  EXPECT_EQ(s.oben(1), "-1");
  EXPECT_EQ(s.oben(0), "-1");
}

TEST_F(MakrozeichnerTest, SetlayerunitSetztDasEinheitenbyte) {
  ASSERT_EQ(lauf("CM 2 1 SETLAYERUNIT"), std::nullopt);
  const Ebeneneinheit e = entpackeEinheit(z.ebenen.einheit(1));
  EXPECT_EQ(e.code, 2);
  EXPECT_EQ(e.nachkommastellen, 2);
  EXPECT_TRUE(e.anzeigen);
  EXPECT_EQ(lauf("parsec 2 1 SETLAYERUNIT"), Makrofehler::UngueltigerParameter);
}

// --- Groups ---------------------------------------------------------------------

TEST_F(MakrozeichnerTest, GruppeUmschliesstDieFigurenZwischenBeginnUndEnde) {
  ASSERT_EQ(lauf("0 0 MOVETO 5 0 LINETO Tuer BEGINGROUP 10 0 LINETO 3 CIRCLE ENDGROUP 20 0 LINETO"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 6u);
  EXPECT_EQ(z.speicher.art(e[1]), Elementart::Gruppenanfang);
  EXPECT_EQ(z.speicher.art(e[4]), Elementart::Gruppenende);
  EXPECT_EQ(z.speicher.gruppe(e[1]).name, "Tuer");
  EXPECT_EQ(z.speicher.gruppenende(e[1]), e[4]);
  // From the line's start at x 5 to the circle's edge, 3 around its centre.
  const auto& r = z.speicher.gruppe(e[1]).rahmen;
  EXPECT_EQ((std::array<double, 4>{r[0], r[1], r[2], r[3]}), (std::array<double, 4>{1005, 1997, 1013, 2003}));
  EXPECT_EQ(z.speicher.markiert(e[2]), 1);
  EXPECT_EQ(z.speicher.markiert(e[5]), 0);
}

TEST_F(MakrozeichnerTest, NewundoInDerGruppeWartetAufDasGruppenende) {
  ASSERT_EQ(lauf("0 0 MOVETO 5 0 LINETO"), std::nullopt);
  m.neuerUndoSchritt();
  ASSERT_EQ(lauf("G BEGINGROUP 10 0 LINETO"), std::nullopt);
  m.neuerUndoSchritt();
  ASSERT_EQ(lauf("20 0 LINETO ENDGROUP 30 0 LINETO"), std::nullopt);
  ASSERT_EQ(lebende().size(), 6u);
  z.speicher.rueckgaengig();  // the line after the group
  EXPECT_EQ(lebende().size(), 5u);
  z.speicher.rueckgaengig();  // the whole group, brackets and members
  EXPECT_EQ(lebende().size(), 1u);
}

TEST_F(MakrozeichnerTest, TexteDrehenSichMitDemKoordinatensystem) {
  ASSERT_EQ(lauf("15 ROTATE 10 TEXTROTATE T SHOW"), std::nullopt);
  EXPECT_FLOAT_EQ(z.speicher.text(lebende()[0]).winkel, 25);
}

TEST_F(MakrozeichnerTest, LeereGruppeBleibtWegUndLaufendeSchliesstEineOffene) {
  ASSERT_EQ(lauf("Leer BEGINGROUP ENDGROUP"), std::nullopt);
  EXPECT_TRUE(lebende().empty());
  ASSERT_EQ(lauf("Offen BEGINGROUP 0 0 MOVETO 5 5 LINETO"), std::nullopt);
  m.laufEndet();
  const auto e = lebende();
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(z.speicher.art(e[2]), Elementart::Gruppenende);
  EXPECT_EQ(lauf("ENDGROUP"), Makrofehler::EndgroupOhneGroup);
}

// --- Dimensions and tests -------------------------------------------------------

TEST_F(MakrozeichnerTest, MeasurelineFuegtEineBemassungHinzu) {
  ASSERT_EQ(lauf("3 SETMASPOS 0 0 10 0 5 5 MEASURELINE"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 1u);
  ASSERT_EQ(z.speicher.art(e[0]), Elementart::Bemassung);
  const tmessdaten& d = z.speicher.bemassung(e[0]);
  EXPECT_EQ(d.geometrie[2], 1010);
  EXPECT_EQ(d.geometrie[5], 1995);
  EXPECT_EQ(d.textposition, 3);
}

TEST_F(MakrozeichnerTest, MeasureBemasstDieLetzteLinieLinksDavon) {
  EXPECT_EQ(lauf("5 MEASURE"), Makrofehler::UngueltigerParameter);  // no line yet
  s.leere();
  ASSERT_EQ(lauf("0 0 MOVETO 10 0 LINETO 5 MEASURE 2 Breite MEASURE"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 3u);
  const tmessdaten& d = z.speicher.bemassung(e[1]);
  EXPECT_EQ(d.geometrie[4], 1005);
  EXPECT_EQ(d.geometrie[5], 1995);  // left of a line to the right is up the sheet
  EXPECT_EQ(z.speicher.bemassung(e[2]).masstext, "Breite");
  EXPECT_TRUE(s.leer());
}

TEST_F(MakrozeichnerTest, CheckareaUndChecklineFindenVorhandeneElemente) {
  ASSERT_EQ(lauf("0 0 MOVETO 10 0 LINETO"), std::nullopt);
  ASSERT_EQ(lauf("10 1 2 CHECKAREA 20 20 2 CHECKAREA"), std::nullopt);
  EXPECT_EQ(s.oben(1), "-1");
  EXPECT_EQ(s.oben(0), "0");
  s.leere();
  ASSERT_EQ(lauf("5 -5 MOVETO 5 5 CHECKLINE 25 5 CHECKLINE"), std::nullopt);
  EXPECT_EQ(s.oben(1), "-1");
  EXPECT_EQ(s.oben(0), "0");
}

TEST_F(MakrozeichnerTest, ProfilUndBildMuessenExistieren) {
  EXPECT_EQ(lauf("/nirgends/profil SETMASPROFILE"), Makrofehler::ProfilFehlt);
  EXPECT_EQ(m.fehlerbezug(), "/nirgends/profil.QZB");
  s.leere();
  EXPECT_EQ(lauf("/nirgends/bild.png 0 0 10 10 0 PICTURE"), Makrofehler::DateiFehlt);
  EXPECT_EQ(m.fehlerbezug(), "/nirgends/bild.png");
  EXPECT_EQ(s.groesse(), 6u);
  EXPECT_TRUE(lebende().empty());
}

TEST_F(MakrozeichnerTest, PictureBettetDieDateiImGedrehtenRahmenEin) {
  Makroordner ordner;
  schreibeBytes(ordner / "bild.png", "PNGDATEN");
  ASSERT_EQ(lauf((ordner / "bild.png").string() + " 10 0 20 10 90 PICTURE"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 1u);
  ASSERT_EQ(z.speicher.art(e[0]), Elementart::Bitmap);
  const Tbitmapdaten& d = z.speicher.bitmap(e[0]);
  EXPECT_EQ(std::string(d.daten.begin(), d.daten.end()), "PNGDATEN");
  // Turned by 90 about the lower-left corner (1010, 2000): the picture's width
  // runs up the sheet, its height to the left. Stored as the upright frame
  // about the centre plus the turn, and drawn with its corners back in place.
  const auto& p = d.platzierung;
  EXPECT_TRUE(nahe<5>({p[0], p[1], p[2], p[3], p[4]}, {995, 1985, 1015, 1995, 90}));
  const Bildlage l = bitmaplage(d.platzierung);
  EXPECT_TRUE(nahe<6>({l.untenLinks.x, l.untenLinks.y, l.obenLinks.x, l.obenLinks.y, l.obenRechts.x, l.obenRechts.y},
                      {1010, 2000, 1000, 2000, 1000, 1980}));
}

// --- Picked elements ---------------------------------------------------------------

TEST_F(MakrozeichnerTest, GetlineUndGetarcVariablenInMakroeinheiten) {
  z.ansicht.drawingScale = 10;
  ASSERT_EQ(lauf("6 SETPEN 1 2 3 RGBCOLOR 0 0 MOVETO 100 50 LINETO 20 30 10 0 90 ARC"), std::nullopt);
  const auto e = lebende();
  ASSERT_TRUE(m.setzeLinienvariablen(e[0], v));
  EXPECT_TRUE(nahe<4>({wert(v, "linex2"), wert(v, "liney2"), wert(v, "linewidth"), wert(v, "lineblue")},
                      {100, 50, 6, 3}));
  EXPECT_FALSE(m.setzeLinienvariablen(e[1], v));
  ASSERT_TRUE(m.setzeBogenvariablen(e[1], v));
  EXPECT_TRUE(nahe<5>({wert(v, "arcxm"), wert(v, "arcym"), wert(v, "arcrx"), wert(v, "arcw2"), wert(v, "acred")},
                      {20, 30, 10, 90, 1}));
  EXPECT_FALSE(m.setzeBogenvariablen(0, v));
  EXPECT_FALSE(m.setzeBogenvariablen(99, v));
}

}  // namespace
}  // namespace quarzel::test
