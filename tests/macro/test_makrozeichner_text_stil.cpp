// Texts and styles: what a text element carries, the clamping rules of the
// text settings, and the colour words.
#include "makrozeichner_hilfe.h"

namespace quarzel::test {
namespace {

const Tfliestextdaten& text(const Zeichnung& z, std::int32_t n) {
  return z.speicher.text(n);
}

TEST_F(MakrozeichnerTest, ShowSetztDenTextMitAllenEinstellungenAmAktuellenPunkt) {
  ASSERT_EQ(lauf("10 20 MOVETO Courier SETFONT 5 SCALEFONT 30 TEXTROTATE 7 SETTEXTSTYLE 200 0 0 RGBCOLOR "
                 "Grundriss_EG SHOW"),
            std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(z.speicher.art(e[0]), Elementart::Text);
  const Tfliestextdaten& t = text(z, e[0]);
  EXPECT_EQ(t.x, 1010);
  EXPECT_EQ(t.y, 1980);
  ASSERT_EQ(t.zeilen.size(), 1u);
  EXPECT_EQ(t.zeilen[0], "Grundriss EG");
  EXPECT_EQ(t.schrift, "Courier");
  EXPECT_FLOAT_EQ(t.hoehe, 5);
  EXPECT_FLOAT_EQ(t.winkel, 30);
  EXPECT_EQ(t.stil[0], 1);  // bold
  EXPECT_EQ(t.stil[1], 1);  // italic
  EXPECT_EQ(t.stil[2], 1);  // underlined
  EXPECT_EQ(t.farbe, rgb(200, 0, 0));
  EXPECT_TRUE(s.leer());
}

TEST_F(MakrozeichnerTest, ShowblockTeiltAmTrenner) {
  ASSERT_EQ(lauf("Zeile1|Zeile2||Zeile4 | SHOWBLOCK"), std::nullopt);
  const Tfliestextdaten& t = text(z, lebende()[0]);
  ASSERT_EQ(t.zeilen.size(), 4u);
  EXPECT_EQ(t.zeilen[0], "Zeile1");
  EXPECT_EQ(t.zeilen[2], "");
  EXPECT_EQ(t.zeilen[3], "Zeile4");
  EXPECT_EQ(t.formate.size(), 4u);
  // At most 256 lines are kept.
  std::string viele;
  for (int i = 0; i < 300; ++i) viele += "x;";
  s.lege(viele);
  s.lege(";");
  ASSERT_EQ(m.fuehreAus(Befehl::SHOWBLOCK, s, v), std::nullopt);
  EXPECT_EQ(text(z, lebende()[1]).zeilen.size(), 256u);
}

TEST_F(MakrozeichnerTest, ScalefontUndTextrotateAusserhalbDerGrenzen) {
  const auto hoehe = [&](const std::string& h) {
    EXPECT_EQ(lauf(h + " SCALEFONT T SHOW"), std::nullopt);
    return text(z, lebende().back()).hoehe;
  };
  EXPECT_FLOAT_EQ(hoehe("0"), 3.5f);
  EXPECT_FLOAT_EQ(hoehe("0.01"), 0.01f);
  EXPECT_FLOAT_EQ(hoehe("1000"), 1000.0f);
  EXPECT_FLOAT_EQ(hoehe("1000.5"), 3.5f);
  EXPECT_FLOAT_EQ(hoehe("-2"), 3.5f);
  // An angle beyond plus or minus 360 gives 0.
  ASSERT_EQ(lauf("-360 TEXTROTATE T SHOW 361 TEXTROTATE T SHOW"), std::nullopt);
  const auto e = lebende();
  EXPECT_FLOAT_EQ(text(z, e[e.size() - 2]).winkel, -360);
  EXPECT_FLOAT_EQ(text(z, e.back()).winkel, 0);
}

TEST_F(MakrozeichnerTest, TextbreiteWaechstMitHoeheUndMassstab) {
  const double klein = m.textbreite("Haus");
  ASSERT_EQ(lauf("7 SCALEFONT"), std::nullopt);
  EXPECT_DOUBLE_EQ(m.textbreite("Haus"), 2 * klein);
  z.ansicht.drawingScale = 50;
  EXPECT_DOUBLE_EQ(m.textbreite("Haus"), 100 * klein);
}

// --- Colours ------------------------------------------------------------------

TEST_F(MakrozeichnerTest, FarbwoerterSetzenLinienUndFuellfarbe) {
  ASSERT_EQ(lauf("10 20 300 RGBCOLOR 0 0 10 0 10 10 3 AREA"), std::nullopt);
  const Tpolygondaten& p = z.speicher.polygon(lebende()[0]);
  // 300 is taken as a byte.
  EXPECT_EQ(p.farbe, rgb(10, 20, 44));
  EXPECT_EQ(p.fuellung.fuellwert, rgb(10, 20, 44));

  ASSERT_EQ(lauf("0 255 55 CMYCOLOR 0 0 MOVETO 1 1 LINETO"), std::nullopt);
  EXPECT_EQ(linie(lebende().back()).farbe, rgb(255, 0, 200));

  ASSERT_EQ(lauf("100 SETGRAY 1 1 LINETO 0 SETGRAY 2 2 LINETO 50 SETGRAY 3 3 LINETO"), std::nullopt);
  const auto e = lebende();
  EXPECT_EQ(linie(e[e.size() - 3]).farbe, rgb(0, 0, 0));
  EXPECT_EQ(linie(e[e.size() - 2]).farbe, rgb(255, 255, 255));
  // 50 × 2.55 is just below 127.5 in binary: 255 - 127.
  EXPECT_EQ(linie(e[e.size() - 1]).farbe, rgb(128, 128, 128));

  ASSERT_EQ(lauf("120 50 100 HLSCOLOR 4 4 LINETO 0 50 100 HLSCOLOR 5 5 LINETO"), std::nullopt);
  EXPECT_EQ(linie(lebende()[lebende().size() - 2]).farbe, rgb(0, 255, 0));
  EXPECT_EQ(linie(lebende().back()).farbe, rgb(255, 0, 0));
  // Components must be whole numbers; a bad one pops nothing.
  EXPECT_EQ(lauf("1.5 0 0 RGBCOLOR"), Makrofehler::UnbekannterFehler);
  EXPECT_EQ(s.groesse(), 3u);
}

TEST_F(MakrozeichnerTest, SettransUndSetpatternUndSetborder) {
  ASSERT_EQ(lauf("50 SETTRANS"), std::nullopt);
  EXPECT_EQ(m.zustand().transparenz, 128);
  ASSERT_EQ(lauf("Unsinn SETTRANS"), std::nullopt);
  EXPECT_EQ(m.zustand().transparenz, 0);
  ASSERT_EQ(lauf("150 SETTRANS"), std::nullopt);
  EXPECT_EQ(m.zustand().transparenz, 0);

  ASSERT_EQ(lauf("Ziegel SETPATTERN"), std::nullopt);
  EXPECT_EQ(m.zustand().muster, "Ziegel");
  ASSERT_EQ(lauf("_ SETPATTERN"), std::nullopt);
  EXPECT_EQ(m.zustand().muster, "");
  ASSERT_EQ(lauf("Ziegel SETPATTERN 0 SETPATTERN"), std::nullopt);
  EXPECT_EQ(m.zustand().muster, "");

  ASSERT_EQ(lauf("0.0 SETBORDER"), std::nullopt);
  EXPECT_TRUE(m.zustand().rand);
  ASSERT_EQ(lauf("0 SETBORDER"), std::nullopt);
  EXPECT_FALSE(m.zustand().rand);
}

TEST_F(MakrozeichnerTest, FindpenLiefertDenStiftMitDerNaechstenBreite) {
  ASSERT_EQ(lauf("0.5 FINDPEN 0.27 FINDPEN 100 FINDPEN"), std::nullopt);
  ASSERT_EQ(s.groesse(), 3u);
  EXPECT_EQ(s.oben(2), "4");  // 0.5 mm
  EXPECT_EQ(s.oben(1), "2");  // 0.25 is nearer than 0.35
  EXPECT_EQ(s.oben(0), "8");  // the widest, 2.0 mm
}

TEST_F(MakrozeichnerTest, ZustandUeberlebtEinenVerschachteltenLauf) {
  ASSERT_EQ(lauf("10 10 MOVETO Courier SETFONT 9 SCALEFONT"), std::nullopt);
  const Makrozeichner::Zustand gesichert = m.zustand();
  m.laufBeginnt();
  EXPECT_EQ(m.zustand().schrift, "Arial");
  m.setzeZustand(gesichert);
  ASSERT_EQ(lauf("T SHOW"), std::nullopt);
  EXPECT_EQ(text(z, lebende()[0]).schrift, "Courier");
  EXPECT_EQ(text(z, lebende()[0]).x, 1010);
}

}  // namespace
}  // namespace quarzel::test
