// Texts and dimensions: text height from the zoom, the value text and the
// dimension's layout and drawing.
#include <gtest/gtest.h>

#include "render/bemassungslayout.h"
#include "render/bemassungstext.h"
#include "render/textelemente.h"
#include "support/render/test_bild_hilfe.h"

namespace quarzel {
namespace {

using bildtest::Umgebung;

std::int32_t text(Umgebung& u, std::vector<std::string> zeilen, float winkel = 0, std::uint8_t ausrichtung = 0,
                  Elementart art = Elementart::Text) {
  return u.zeichnung.speicher.neuerText(art, {.x = 20,
                                              .y = 30,
                                              .zeilen = std::move(zeilen),
                                              .schrift = "DejaVu Sans",
                                              .farbe = rgb(0, 128, 0),
                                              .hoehe = 5,
                                              .winkel = winkel,
                                              .stil = {1 /* bold */, 0, 0, ausrichtung, 0, 0}});
}

TEST(Textzeichnen, HoeheInBlattmillimeternWirdMitDemZoomZuPixeln) {
  Umgebung u(0.5);
  zeichneText(u.k(), text(u, {"Wand"}));
  ASSERT_EQ(u.canvas.texte.size(), 1u);
  const auto& t = u.canvas.texte[0];
  EXPECT_EQ(std::tuple(t.text, t.hoehePixel, t.x, t.y, t.fett, t.kursiv, t.schriftname, t.farbe),
            std::tuple("Wand", 10, 40, 60, true, false, "DejaVu Sans", rgb(0, 128, 0)));
  zeichneText(u.k(), text(u, {"KH: prüfen"}, 0, 0, Elementart::Kommentar));  // a comment alike
  ASSERT_EQ(u.canvas.texte.size(), 2u);
  EXPECT_EQ(u.canvas.texte[1].text, "KH: prüfen");
  // An overlong line is cut before a character that would be split.
  zeichneText(u.k(), text(u, {std::string(4095, 'a') + "öb"}));
  EXPECT_EQ(u.canvas.texte.at(2).text, std::string(4095, 'a'));
}

TEST(Masszahl, RundetAufDieNachkommastellenMitDezimalkomma) {
  // Ties go to the even neighbour.
  EXPECT_EQ(std::tuple(masszahl(1.2349, 2, false), masszahl(1.5, 0, false), masszahl(2.5, 0, false),
                       masszahl(1.2, 3, false), masszahl(1.2, 3, true), masszahl(3, 2, true)),
            std::tuple("1,23", "2", "2", "1,200", "1,2", "3"));
  EXPECT_EQ(std::tuple(masszahl(-0.0001, 2, false), masszahl(std::nan(""), 2, false)), std::tuple("0,00", "?"));
}

TEST(Masszahl, VorsaetzeInDerRichtigenReihenfolge) {
  Masseinheitwahl m;  // metres, 1:100
  // 12.349 sheet mm at 1:100 are 1.2349 m.
  EXPECT_EQ(bemassungstext(12.349, Bemassungsart::Laenge, {.zeichenM = true, .zeichenTilde = true}, m), "~M1,23");
  const Masszahloptionen d{.zeichenD = true, .zeichenDurchmesser = true, .vortext = "ca.", .nachtext = " m"};
  EXPECT_EQ(bemassungstext(10, Bemassungsart::Durchmesser, d, m), "ca. ØD1,00 m");
  EXPECT_EQ(bemassungstext(10, Bemassungsart::Radius, {.zeichenR = true}, m), "R1,00");
  EXPECT_EQ(bemassungstext(10, Bemassungsart::Laenge, {.zeichenR = true}, m), "1,00");
}

tmessdaten linear(std::uint8_t typ = 0) {
  // P1, P2 and a point on the line 10 mm above; extension lines to the
  // measured points and 2 mm beyond the dimension line, 3 mm terminators.
  return {.geometrie = {10, 50, 60, 50, 30, 40, 0, 0},
          .typ = typ,
          .texthoehe = 2.5,
          .werte = {static_cast<std::uint32_t>(-100), 0, 200, 300, 0}};
}

TEST(Bemassungslayout, MasslinieLiegtDurchDenDrittenPunktUndHilfslinienReichenBisZumMesspunkt) {
  Umgebung u(1);
  const Zeichenlauf& lauf = *u.lauf;
  const auto f = bemassungsfigur(linear(), lauf, 20);
  ASSERT_TRUE(f);
  EXPECT_EQ(std::tuple(f->laengeMm, f->masslinie.a.y, f->masslinie.b.y, f->anfang.x, f->ende.x, f->begrenzungPixel),
            std::tuple(50, 40, 40, 10, 60, 3));
  // Extension lines from the measured point to 2 mm beyond the dimension line.
  ASSERT_EQ(f->hilfslinien.size(), 2u);
  EXPECT_EQ(std::tuple(f->hilfslinien[0].a.y, f->hilfslinien[0].b.y), std::tuple(50, 38));
  // Text above the line, centred, reading left to right.
  EXPECT_EQ(f->textwinkel, 0);
  EXPECT_NEAR(f->textpunkt.x, 35 - 10, 1e-9);
  EXPECT_LT(f->textpunkt.y, 40 - 2.5);

  tmessdaten fest = linear();
  fest.werte[0] = 400;  // extension lines of a fixed 4 mm
  fest.werte[1] = 100;  // the dimension line 1 mm beyond both
  const auto g = bemassungsfigur(fest, lauf, 0);
  ASSERT_TRUE(g);
  EXPECT_EQ(std::tuple(g->hilfslinien[1].a.y, g->masslinie.a.x, g->masslinie.b.x), std::tuple(44, 9, 61));
}

TEST(Bemassungzeichnen, ZeichnetLinienBegrenzungenUndDenWert) {
  Umgebung u(1);
  tmessdaten d = linear();
  d.farbe = rgb(0, 0, 200);
  d.begrenzung = 4;  // filled arrows
  d.schalter[0] = 2;
  const std::int32_t n = u.zeichnung.speicher.neueBemassung(d);
  zeichneBemassung(u.k(), n);
  ASSERT_EQ(u.canvas.texte.size(), 1u);
  // 50 mm at 1:100 in metres, and two filled arrows.
  EXPECT_EQ(std::tuple(u.canvas.texte[0].text, u.canvas.texte[0].farbe, u.canvas.polygone.size()),
            std::tuple("5,00", rgb(0, 0, 200), 2u));
  EXPECT_GE(u.canvas.polylinien.size() + u.canvas.mehrfachlinien.size(), 3u);
}

TEST(Bemassungzeichnen, EbeneneinheitBestimmtDenWertText) {
  Umgebung u(1);
  u.zeichnung.ebenen.setzeEinheit(1, packeEinheit({2, 1, true}));  // cm, one decimal, name shown
  const std::int32_t n = u.zeichnung.speicher.neueBemassung(linear());
  zeichneBemassung(u.k(), n);
  ASSERT_EQ(u.canvas.texte.size(), 1u);
  EXPECT_EQ(u.canvas.texte[0].text, "500,0 cm");
  EXPECT_EQ(u.zeichnung.ansicht.unitCode, 3) << "the drawing's unit is untouched";
}

}  // namespace
}  // namespace quarzel
