// Areas and perimeters against hand-computed values, and the area tools
// through the state machine: clicked corners or a picked polygon give the
// label text, the read-outs and the questions; cancelling places nothing.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/flaechenberechnung.h"
#include "edit/flaechenmessung.h"
#include "platform/skriptbenutzer.h"
#include "support/edit/test_werkzeug_hilfen.h"

namespace quarzel::test {
namespace {

using P = std::vector<Weltpunkt>;

struct Umrissfall {
  const char* name;
  P punkte;  // world mm; at 1:100 in metres 10 mm are 1 m
  double flaeche, umfang;
};

// clang-format off
const Umrissfall kUmrisse[] = {
    {"Quadrat 2 m offen", {{0, 0}, {20, 0}, {20, 20}, {0, 20}}, 4, 8},
    {"Quadrat 2 m geschlossen", {{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}}, 4, 8},
    {"Quadrat im Uhrzeigersinn", {{0, 0}, {0, 20}, {20, 20}, {20, 0}}, 4, 8},
    {"fern vom Ursprung", {{5000.5, 5000}, {5025.5, 5000}, {5025.5, 5012.5}, {5000.5, 5012.5}}, 3.125, 7.5},
    {"Loch an einer Naht", {{0, 0}, {40, 0}, {40, 40}, {0, 40}, {0, 0}, {10, 10}, {10, 30}, {30, 30}, {30, 10}, {10, 10}}, 12, 24},
    {"zwei Quadrate an einer Ecke", {{0, 0}, {20, 0}, {20, 20}, {40, 20}, {40, 40}, {20, 40}, {20, 20}, {0, 20}}, 8, 16},
    {"Dreieck", {{0, 0}, {30, 0}, {0, 40}}, 6, 12},
    {"hin und zurueck umschliesst nichts", {{0, 0}, {30, 0}}, 0, 0},
};
// clang-format on

TEST(Flaechenberechnung, Umrisse) {
  for (const Umrissfall& f : kUmrisse) {
    EXPECT_DOUBLE_EQ(umrissflaeche(f.punkte, 0.1), f.flaeche) << f.name;
    EXPECT_DOUBLE_EQ(umrissumfang(f.punkte, 0.1), f.umfang) << f.name;
  }
  EXPECT_DOUBLE_EQ(rundeMesswert(2.005, true), 2.0);  // ties to even at 1/100
}

TEST(Flaechenberechnung, KreisUndHalbkreisGenau) {
  Zeichnung z;
  initialisiere(z.speicher);
  tbogendaten b;
  b.xm = 100, b.ym = 100, b.xr = b.yr = 10, b.startwinkel = 0, b.endwinkel = 360;
  const std::int32_t kreis = z.speicher.neuerBogen(b);
  b.endwinkel = 180;
  const std::int32_t halb = z.speicher.neuerBogen(b);
  EXPECT_DOUBLE_EQ(elementflaeche(z, kreis)->flaeche, 3.142);
  EXPECT_DOUBLE_EQ(elementflaeche(z, kreis)->umfang, 6.283);
  EXPECT_DOUBLE_EQ(elementflaeche(z, halb)->flaeche, 1.571);
  EXPECT_DOUBLE_EQ(elementflaeche(z, halb)->umfang, 5.142);  // arc and chord
  EXPECT_DOUBLE_EQ(*elementlaenge(z, halb), 3.142);
}

struct Fall {
  const char* name;
  std::uint8_t knopf;
  P klicks;  // world mm from the middle; the last one is the right button's
  bool strg = false;
  std::vector<std::optional<std::string>> antworten;
  std::vector<std::string> zeilen;  // of the label; none: no label
  const char* flaeche = "";
  const char* umfang = "";
  bool umfangAngeben = false, putzabzug = false;
};

const P kRaum{{0, 0}, {40, 0}, {40, 50}, {0, 50}, {20, 25}};  // 4 m x 5 m, label in the middle

// clang-format off
const Fall kFaelle[] = {
    {"Raum mit Namen", 0, kRaum, false, {"Wohnen"}, {"Wohnen 20,00 m²"}, "20,00 m²", "18,00 m"},
    {"Umfang und Wohnflaeche", 0, kRaum, false, {"Wohnen", "2,50"}, {"Wohnen", "F: 20,00 m²", "U: 18,00 m", "WFl: 19,64 m²"}, "20,00 m²", "18,00 m", true, true},
    {"halbe Hoehe, ohne Namen", 0, kRaum, false, {"", "1.5"}, {"F: 20,00 m²", "WFl: 9,82 m²"}, "20,00 m²", "18,00 m", false, true},
    {"Name abgebrochen", 0, kRaum, false, {std::nullopt}, {}, "20,00 m²", "18,00 m"},
    {"Hoehe abgebrochen", 0, kRaum, false, {"Bad", std::nullopt}, {}, "20,00 m²", "18,00 m", false, true},
    {"Flaechen messen fragt nicht", 1, kRaum, false, {}, {}, "20,00 m²", "18,00 m", true, true},
    {"Polygon mit Loch gewaehlt", 0, {{20, 0}}, true, {"Flur"}, {"Flur 12,00 m²"}, "12,00 m²", "24,00 m"},
};
// clang-format on

class Flaechenmesstest : public Werkzeugtest, public ::testing::WithParamInterface<Fall> {};

TEST_P(Flaechenmesstest, Werkzeug) {
  const Fall& f = GetParam();
  Flaechenmessung werkzeug;
  SkriptBenutzer benutzer;
  for (const auto& a : f.antworten) benutzer.eingaben.push_back(a);
  werkzeug.benutzer = &benutzer;
  werkzeug.vorgabe.umfangAngeben = f.umfangAngeben, werkzeug.vorgabe.mitPutzabzug = f.putzabzug;
  st.setzeModul(Werkzeuggruppe::Messen, &werkzeug);
  z.ansicht.zoom = 0.5;
  const Weltpunkt o = z.ansicht.pixelToWorld(200, 100);
  z.speicher.beginneSchritt();
  polygon(z.speicher, {{o.x, o.y},
                       {o.x + 40, o.y},
                       {o.x + 40, o.y + 40},
                       {o.x, o.y + 40},
                       {o.x, o.y},
                       {o.x + 10, o.y + 10},
                       {o.x + 10, o.y + 30},
                       {o.x + 30, o.y + 30},
                       {o.x + 30, o.y + 10},
                       {o.x + 10, o.y + 10},
                       {o.x, o.y}});
  const std::int32_t vorher = z.speicher.anzahl();
  st.waehleWerkzeug(Werkzeugcode::Flaechenbemassung, f.knopf);
  for (std::size_t i = 0; i < f.klicks.size(); ++i) {
    const Pixelpunkt p = z.ansicht.worldToPixel(o.x + f.klicks[i].x, o.y + f.klicks[i].y);
    uhr.jetzt += 1000;
    bewegen(p.x, p.y);
    const bool letzter = !f.strg && i + 1 == f.klicks.size();
    st.mausGedrueckt({p.x, p.y, letzter ? Maustaste::Rechts : Maustaste::Links, {false, f.strg, false}});
    loslassen(p.x, p.y);
  }
  EXPECT_EQ(werkzeug.anzeige.flaeche, f.flaeche) << f.name;
  EXPECT_EQ(werkzeug.anzeige.umfang, f.umfang) << f.name;
  EXPECT_EQ(benutzer.fragen.size(), f.antworten.size()) << f.name;
  ASSERT_EQ(z.speicher.anzahl(), vorher + (f.zeilen.empty() ? 0 : 1)) << f.name;
  // A cancelled question keeps the clicked corners for another try.
  EXPECT_EQ(st.zustand().punkte.size(), f.zeilen.empty() && f.knopf == 0 && !f.strg ? 4u : 0u) << f.name;
  if (f.zeilen.empty()) return;
  const Tfliestextdaten& t = z.speicher.text(z.speicher.anzahl());
  EXPECT_EQ(t.zeilen, f.zeilen) << f.name;
  EXPECT_TRUE(z.speicher.lebendig(z.speicher.anzahl()) && z.speicher.markiert(z.speicher.anzahl())) << f.name;
  EXPECT_DOUBLE_EQ(t.hoehe, 5) << f.name;  // 10 pixels at half a millimetre each
  const Weltpunkt ort{o.x + f.klicks.back().x, o.y + f.klicks.back().y};
  EXPECT_NEAR(t.x, ort.x, 1e-9) << f.name;
  EXPECT_NEAR(t.y, ort.y, 1e-9) << f.name;
}

INSTANTIATE_TEST_SUITE_P(Flaechen, Flaechenmesstest, ::testing::ValuesIn(kFaelle));

TEST_F(Werkzeugtest, MasseAddierenSummiertBisZurRechtenTaste) {
  Flaechenmessung werkzeug;
  st.setzeModul(Werkzeuggruppe::Messen, &werkzeug);
  const Weltpunkt o = z.ansicht.pixelToWorld(100, 100);
  linie(z.speicher, o.x, o.y, o.x + 20, o.y);
  linie(z.speicher, o.x, o.y + 50, o.x + 30, o.y + 50);
  st.waehleWerkzeug(Werkzeugcode::MasseAddieren);
  const auto klick = [&](double dy) {
    const Pixelpunkt p = z.ansicht.worldToPixel(o.x + 10, o.y + dy);
    uhr.jetzt += 1000;
    links(p.x, p.y), loslassen(p.x, p.y);
  };
  klick(0), klick(50);
  EXPECT_EQ(werkzeug.anzeige.gesamt, "5,00");
  EXPECT_EQ(werkzeug.anzeige.einheit, "m");
  rechts(100, 300);  // ends the sum; the next pick starts a new one
  klick(0);
  EXPECT_EQ(werkzeug.anzeige.gesamt, "2,00");
}

}  // namespace
}  // namespace quarzel::test
