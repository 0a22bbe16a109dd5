// Texts and dimensions: placement, height from the zoom, several lines,
// alignment, the value text and the dimension's layout.
#include <gtest/gtest.h>

#include <cmath>

#include "render/bemassungslayout.h"
#include "render/bemassungstext.h"
#include "render/textelemente.h"
#include "test_bild_hilfe.h"

namespace quarzel {
namespace {

using bildtest::Umgebung;

std::int32_t text(Umgebung& u, std::vector<std::string> zeilen, float winkel = 0, std::uint8_t ausrichtung = 0,
                  Elementart art = Elementart::Text) {
  Tfliestextdaten d;
  d.x = 20;
  d.y = 30;
  d.zeilen = std::move(zeilen);
  d.hoehe = 5;
  d.winkel = winkel;
  d.schrift = "DejaVu Sans";
  d.farbe = rgb(0, 128, 0);
  d.stil[0] = 1;  // bold
  d.stil[3] = ausrichtung;
  return u.zeichnung.speicher.neuerText(art, d);
}

TEST(Textzeichnen, HoeheInBlattmillimeternWirdMitDemZoomZuPixeln) {
  Umgebung u(0.5);
  zeichneText(u.k(), text(u, {"Wand"}));
  ASSERT_EQ(u.canvas.texte.size(), 1u);
  const auto& t = u.canvas.texte[0];
  EXPECT_EQ(t.text, "Wand");
  EXPECT_DOUBLE_EQ(t.hoehePixel, 10);
  EXPECT_DOUBLE_EQ(t.x, 40);
  EXPECT_DOUBLE_EQ(t.y, 60);
  EXPECT_TRUE(t.fett);
  EXPECT_FALSE(t.kursiv);
  EXPECT_EQ(t.schriftname, "DejaVu Sans");
  EXPECT_EQ(t.farbe, rgb(0, 128, 0));
  zeichneText(u.k(), text(u, {"KH: prüfen"}, 0, 0, Elementart::Kommentar));  // a comment alike
  ASSERT_EQ(u.canvas.texte.size(), 2u);
  EXPECT_EQ(u.canvas.texte[1].text, "KH: prüfen");
}

TEST(Textzeichnen, MehrereZeilenStehenUntereinander) {
  Umgebung u(1);
  zeichneText(u.k(), text(u, {"eins", "", "drei"}));
  ASSERT_EQ(u.canvas.texte.size(), 2u);  // the empty line takes its room but draws nothing
  EXPECT_DOUBLE_EQ(u.canvas.texte[1].x, 20);
  EXPECT_DOUBLE_EQ(u.canvas.texte[1].y, 30 + 2 * 1.25 * 5);
}

TEST(Textzeichnen, GedrehteZeilenRueckenSenkrechtZurSchriftrichtungWeiter) {
  Umgebung u(1);
  zeichneText(u.k(), text(u, {"a", "b"}, 90));
  ASSERT_EQ(u.canvas.texte.size(), 2u);
  EXPECT_DOUBLE_EQ(u.canvas.texte[1].winkelGrad, 90);
  // Reading upwards, the next line lies to the right.
  EXPECT_NEAR(u.canvas.texte[1].x, 20 + 1.25 * 5, 1e-9);
  EXPECT_NEAR(u.canvas.texte[1].y, 30, 1e-9);
}

TEST(Textzeichnen, RechtsbuendigUndZentriertNachDerTextbreite) {
  Umgebung u(1);
  zeichneText(u.k(), text(u, {"abcd"}, 0, 2));
  zeichneText(u.k(), text(u, {"abcd"}, 0, 1));
  ASSERT_EQ(u.canvas.texte.size(), 2u);
  // The recording canvas measures 0.6 of the height per character: 12 pixels.
  EXPECT_NEAR(u.canvas.texte[0].x, 20 - 12, 1e-9);
  EXPECT_NEAR(u.canvas.texte[1].x, 20 - 6, 1e-9);
}

TEST(Textzeichnen, WinzigeUndEntfernteTexteWerdenNichtGezeichnet) {
  Umgebung weit(100);  // 5 mm are 0.05 pixels
  zeichneText(weit.k(), text(weit, {"klein"}));
  EXPECT_TRUE(weit.canvas.texte.empty());
  Umgebung u(1);
  Tfliestextdaten d;
  d.x = 90000;
  d.y = 30;
  d.zeilen = {"fern"};
  zeichneText(u.k(), u.zeichnung.speicher.neuerText(Elementart::Text, d));
  d.x = std::nan("");
  zeichneText(u.k(), u.zeichnung.speicher.neuerText(Elementart::Text, d));
  EXPECT_TRUE(u.canvas.texte.empty());
}

TEST(Textzeichnen, UeberlangeZeilenWerdenAnEinerZeichengrenzeGekuerzt) {
  Umgebung u(1);
  std::string lang = "x";
  for (int i = 0; i < 5000; ++i) lang += "ä";
  zeichneText(u.k(), text(u, {lang}));
  ASSERT_EQ(u.canvas.texte.size(), 1u);
  const std::string& t = u.canvas.texte[0].text;
  EXPECT_LE(t.size(), 4096u);
  EXPECT_EQ(t.size() % 2, 1u) << "no half of an ä at the end";
}

TEST(Masszahl, RundetAufDieNachkommastellenMitDezimalkomma) {
  EXPECT_EQ(masszahl(1.2349, 2, false), "1,23");
  EXPECT_EQ(masszahl(1.5, 0, false), "2");
  EXPECT_EQ(masszahl(2.5, 0, false), "2") << "ties to even";
  EXPECT_EQ(masszahl(1.2, 3, false), "1,200");
  EXPECT_EQ(masszahl(1.2, 3, true), "1,2");
  EXPECT_EQ(masszahl(3, 2, true), "3");
  EXPECT_EQ(masszahl(-0.0001, 2, false), "0,00");
  EXPECT_EQ(masszahl(std::nan(""), 2, false), "?");
}

TEST(Masszahl, VorsaetzeInDerRichtigenReihenfolge) {
  Masseinheitwahl m;  // metres, 1:100
  Masszahloptionen o;
  o.zeichenM = true;
  o.zeichenTilde = true;
  // 12.349 sheet mm at 1:100 are 1.2349 m.
  EXPECT_EQ(bemassungstext(12.349, Bemassungsart::Laenge, o, m), "~M1,23");
  Masszahloptionen d;
  d.zeichenD = true;
  d.zeichenDurchmesser = true;
  d.vortext = "ca.";
  d.nachtext = " m";
  EXPECT_EQ(bemassungstext(10, Bemassungsart::Durchmesser, d, m), "ca. ØD1,00 m");
  Masszahloptionen r;
  r.zeichenR = true;
  EXPECT_EQ(bemassungstext(10, Bemassungsart::Radius, r, m), "R1,00");
  EXPECT_EQ(bemassungstext(10, Bemassungsart::Laenge, r, m), "1,00");
}

tmessdaten linear(std::uint8_t typ = 0) {
  tmessdaten d;
  d.geometrie = {10, 50, 60, 50, 30, 40, 0, 0};  // P1, P2, a point on the line 10 mm above
  d.typ = typ;
  d.texthoehe = 2.5;
  d.werte[0] = static_cast<std::uint32_t>(-100);  // extension lines to the measured points
  d.werte[1] = 0;
  d.werte[2] = 200;  // 2 mm beyond the dimension line
  d.werte[3] = 300;  // 3 mm terminators
  return d;
}

TEST(Bemassungslayout, MasslinieLiegtDurchDenDrittenPunktUndHilfslinienReichenBisZumMesspunkt) {
  Umgebung u(1);
  const Zeichenlauf& lauf = *u.lauf;
  const auto f = bemassungsfigur(linear(), lauf, 20);
  ASSERT_TRUE(f);
  EXPECT_DOUBLE_EQ(f->laengeMm, 50);
  EXPECT_DOUBLE_EQ(f->masslinie.a.y, 40);
  EXPECT_DOUBLE_EQ(f->masslinie.b.y, 40);
  EXPECT_DOUBLE_EQ(f->anfang.x, 10);
  EXPECT_DOUBLE_EQ(f->ende.x, 60);
  ASSERT_EQ(f->hilfslinien.size(), 2u);
  EXPECT_DOUBLE_EQ(f->hilfslinien[0].a.y, 50) << "starts at the measured point";
  EXPECT_DOUBLE_EQ(f->hilfslinien[0].b.y, 38) << "2 mm beyond the dimension line";
  EXPECT_DOUBLE_EQ(f->begrenzungPixel, 3);
  // Text above the line, centred, reading left to right.
  EXPECT_DOUBLE_EQ(f->textwinkel, 0);
  EXPECT_NEAR(f->textpunkt.x, 35 - 10, 1e-9);
  EXPECT_LT(f->textpunkt.y, 40 - 2.5);

  tmessdaten fest = linear();
  fest.werte[0] = 400;  // extension lines of a fixed 4 mm
  const auto g = bemassungsfigur(fest, lauf, 0);
  ASSERT_TRUE(g);
  EXPECT_DOUBLE_EQ(g->hilfslinien[1].a.y, 44);
}

TEST(Bemassungslayout, SenkrechteBemassungMisstNurDenHoehenunterschied) {
  tmessdaten d = linear(2);
  d.geometrie = {10, 10, 40, 70, 0, 0, 0, 0};
  Umgebung u(1);
  const Zeichenlauf& lauf = *u.lauf;
  const auto f = bemassungsfigur(d, lauf, 0);
  ASSERT_TRUE(f);
  EXPECT_DOUBLE_EQ(f->laengeMm, 60);
  EXPECT_DOUBLE_EQ(f->masslinie.a.x, 0);
  EXPECT_DOUBLE_EQ(f->textwinkel, 90) << "reads from the right";
}

TEST(Bemassungslayout, UnbrauchbareDatensaetzeGebenKeineFigur) {
  Umgebung u(1);
  const Zeichenlauf& lauf = *u.lauf;
  tmessdaten gleich = linear();
  gleich.geometrie[2] = gleich.geometrie[0];
  EXPECT_FALSE(bemassungsfigur(gleich, lauf, 0));
  tmessdaten nan = linear();
  nan.geometrie[5] = std::nan("");
  EXPECT_FALSE(bemassungsfigur(nan, lauf, 0));
  tmessdaten wild = linear(200);
  wild.werte = {0x7FFFFFFF, 0x80000000u, 0xFFFFFFFF, 0x7FFFFFFF, 0};
  const auto f = bemassungsfigur(wild, lauf, 0);
  ASSERT_TRUE(f);
  EXPECT_LE(f->begrenzungPixel, 25);
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
  EXPECT_EQ(u.canvas.texte[0].text, "5,00");  // 50 mm at 1:100 in metres
  EXPECT_EQ(u.canvas.texte[0].farbe, rgb(0, 0, 200));
  EXPECT_EQ(u.canvas.polygone.size(), 2u) << "two filled arrows";
  EXPECT_GE(u.canvas.polylinien.size() + u.canvas.mehrfachlinien.size(), 3u);
}

TEST(Bemassungzeichnen, EditierteMasszahlInIhrerFarbe) {
  Umgebung u(1);
  tmessdaten d = linear();
  d.masstext = "von Hand";
  d.werte[4] = rgb(255, 0, 255);
  const std::int32_t n = u.zeichnung.speicher.neueBemassung(d);
  zeichneBemassung(u.k(), n);
  ASSERT_EQ(u.canvas.texte.size(), 1u);
  EXPECT_EQ(u.canvas.texte[0].text, "von Hand");
  EXPECT_EQ(u.canvas.texte[0].farbe, rgb(255, 0, 255));
  u.schalter.editierteBemassung = false;
  zeichneBemassung(u.k(), n);
  EXPECT_EQ(u.canvas.texte[1].farbe, d.farbe);
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
