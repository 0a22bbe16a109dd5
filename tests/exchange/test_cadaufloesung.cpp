// The resolver: inserts, properties, object coordinates, splines, hatches
// and viewports on models built by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

#include "exchange/cadtransformation.h"
#include "support/exchange/cadbau.h"

namespace quarzel {
namespace {

using Elemente = std::vector<CadAufgezeichnet>;
using Art = CadWeltelement::Art;

double grad360(double g) {
  return std::fmod(std::fmod(g, 360) + 360, 360);
}

// Cox–de Boor, independent of the resolver's blossoms.
double basis(const std::vector<double>& u, std::size_t i, int p, double t) {
  if (p == 0) return u[i] <= t && t < u[i + 1] ? 1 : 0;
  auto q = static_cast<std::size_t>(p);
  double a = u[i + q] > u[i] ? (t - u[i]) / (u[i + q] - u[i]) * basis(u, i, p - 1, t) : 0;
  double b = u[i + q + 1] > u[i + 1] ? (u[i + q + 1] - t) / (u[i + q + 1] - u[i + 1]) * basis(u, i + 1, p - 1, t) : 0;
  return a + b;
}

CadEntitaet linie(CadBau& b, CadPunkt a, CadPunkt e, const char* layer = "0", int aci = 256) {
  CadEntitaet x = b.e(CadArt::Linie, layer, aci);
  x.a = a;
  x.b = e;
  return x;
}

CadEntitaet bogen(CadBau& b, CadPunkt c, double r, double von, double bis) {
  CadEntitaet x = b.e(CadArt::Bogen);
  std::tie(x.a, x.radius, x.anfang, x.ende) = std::tuple(c, r, von, bis);
  return x;
}

// A solid hatch: a square whose left side bulges out to a half circle, with a square hole.
CadEntitaet schraffur(CadBau& b) {
  CadEntitaet h = b.e(CadArt::Schraffurrand);
  h.gefuellt = true;
  h.ersterPfad = static_cast<std::uint32_t>(b.m.pfade.size());
  h.pfadAnzahl = 2;
  b.m.pfade.push_back({b.scheitel({{{0, 0}}, {{2, 0}}, {{2, 2}}, {{0, 2}, 1}}), 4, 1});
  b.m.pfade.push_back({b.scheitel({{{.5, .5}}, {{1, .5}}, {{1, 1}}, {{.5, 1}}}), 4, 0});
  return h;
}

struct Fall {
  const char* name;
  std::function<void(CadBau&)> bauen;
  std::function<void(const CadBau&, const Elemente&, const CadAufloeseErgebnis&)> pruefen;
  const char* layout = "Model";
  CadAufloeseOptionen optionen{};
};

TEST(CadAufloesung, LoestModelleInWeltelementeAuf) {
  const Fall faelle[] = {
      {"gespiegelter Bogen in gedrehter Einfügung",
       [](CadBau& b) {
         b.block("B").push_back(bogen(b, {1, 0}, 1, 0, 90));
         b.block("A").push_back(b.einfuegung("B", {}, -1, 1));
         b.m.entitaeten.push_back(b.einfuegung("A", {10, 0}, 1, 1, 90));
       },
       [](const CadBau&, const Elemente& el, const CadAufloeseErgebnis&) {
         ASSERT_EQ(el.size(), 1u);
         const CadWeltelement& e = el[0].e;
         EXPECT_NEAR(e.a.x, 10, 1e-12);
         EXPECT_NEAR(e.a.y, -1, 1e-12);
         EXPECT_NEAR(e.rx, 1, 1e-12);
         EXPECT_NEAR(e.ry, 1, 1e-12);
         EXPECT_NEAR(grad360(e.anfang + e.drehung), 180, 1e-9);
         EXPECT_NEAR(e.ende - e.anfang, 90, 1e-9);
       }},
      {"Kreis unter ungleicher Skalierung wird Ellipse",
       [](CadBau& b) {
         CadEntitaet k = b.e(CadArt::Kreis);
         k.radius = 1;
         b.block("K").push_back(k);
         b.m.entitaeten.push_back(b.einfuegung("K", {}, 3, 1, 30));
       },
       [](const CadBau&, const Elemente& el, const CadAufloeseErgebnis&) {
         ASSERT_EQ(el.size(), 1u);
         EXPECT_NEAR(el[0].e.rx, 3, 1e-12);
         EXPECT_NEAR(el[0].e.ry, 1, 1e-12);
         EXPECT_NEAR(grad360(el[0].e.drehung), 30, 1e-9);
       }},
      {"Feld von 3 × 2 gedreht",
       [](CadBau& b) {
         b.block("R").push_back(linie(b, {0, 0}, {1, 0}));
         CadEntitaet f = b.einfuegung("R", {}, 1, 1, 90);
         f.spalten = 3;
         f.zeilen = 2;
         f.spaltenabstand = 10;
         f.zeilenabstand = 5;
         b.m.entitaeten.push_back(f);
       },
       [](const CadBau&, const Elemente& el, const CadAufloeseErgebnis&) {
         ASSERT_EQ(el.size(), 6u);
         EXPECT_NEAR(el[5].e.a.x, -5, 1e-12);
         EXPECT_NEAR(el[5].e.a.y, 20, 1e-12);
         EXPECT_NEAR(el[5].e.b.y, 21, 1e-12);
       }},
      {"BYBLOCK nimmt die Farbe der Einfügung, oben Schwarz",
       [](CadBau& b) {
         b.block("F").push_back(linie(b, {}, {1, 0}, "L", 0));
         CadEntitaet f = b.einfuegung("F", {});
         f.farbe = farbeAusAci(1);
         b.m.entitaeten.push_back(f);
         b.m.entitaeten.push_back(linie(b, {}, {1, 0}, "L", 0));
       },
       [](const CadBau&, const Elemente& el, const CadAufloeseErgebnis&) {
         ASSERT_EQ(el.size(), 2u);
         EXPECT_EQ(el[0].e.rgb, 0xFF0000u);
         EXPECT_EQ(el[1].e.rgb, 0u);
       }},
      {"Layer 0 im Block nimmt den Layer der Einfügung",
       [](CadBau& b) {
         b.m.layer.push_back({"W", farbeAusAci(5)});
         b.block("Z").push_back(linie(b, {}, {1, 0}));
         CadEntitaet f = b.einfuegung("Z", {});
         f.layer = b.m.name("W");
         b.m.entitaeten.push_back(f);
       },
       [](const CadBau& b, const Elemente& el, const CadAufloeseErgebnis&) {
         ASSERT_EQ(el.size(), 1u);
         EXPECT_EQ(b.m.namen[el[0].e.layer], "W");
         EXPECT_EQ(el[0].e.rgb, 0x0000FFu);
       }},
      {"gespiegelter Text bleibt lesbar und aufrecht",
       [](CadBau& b) {
         CadEntitaet t = b.e(CadArt::Text);
         std::tie(t.text, t.a, t.hoehe) = std::tuple(0u, CadPunkt{1, 0}, 2.0);
         b.m.texte.push_back("A");
         b.block("T").push_back(t);
         b.m.entitaeten = {b.einfuegung("T", {10, 0}, -1, 1), b.einfuegung("T", {10, 0}, 1, -1)};
       },
       [](const CadBau&, const Elemente& el, const CadAufloeseErgebnis&) {
         ASSERT_EQ(el.size(), 2u);
         EXPECT_EQ(std::tuple(el[0].e.b.x, el[0].e.ausrichtungH, el[0].e.ausrichtungV), std::tuple(9.0, 2, 0));
         EXPECT_EQ(std::tuple(el[1].e.b.x, el[1].e.ausrichtungH, el[1].e.ausrichtungV), std::tuple(11.0, 0, 3));
         EXPECT_NEAR(grad360(el[0].e.drehung + 1) + grad360(el[1].e.drehung + 1), 2, 1e-9);
       }},
      {"Block, der sich über einen anderen selbst einfügt",
       [](CadBau& b) {
         auto& s = b.block("S");
         s.push_back(linie(b, {}, {1, 0}));
         s.push_back(b.einfuegung("T", {}));
         b.block("T").push_back(b.einfuegung("S", {}));
         b.m.entitaeten.push_back(b.einfuegung("S", {}));
       },
       [](const CadBau&, const Elemente& el, const CadAufloeseErgebnis& r) {
         EXPECT_EQ(el.size(), 1u);
         EXPECT_EQ(r.warnung, "Der Block \"S\" fügt sich selbst ein; die Einfügung wurde übersprungen.");
       }},
      {"Bogen mit Extrusion (0, 0, -1) ist gespiegelt",
       [](CadBau& b) {
         CadEntitaet a = bogen(b, {5, 0}, 2, 0, 90);
         a.extrusion = {0, 0, -1};
         b.m.entitaeten.push_back(a);
       },
       [](const CadBau&, const Elemente& el, const CadAufloeseErgebnis&) {
         ASSERT_EQ(el.size(), 1u);
         EXPECT_NEAR(el[0].e.a.x, -5, 1e-12);
         EXPECT_NEAR(grad360(el[0].e.anfang + el[0].e.drehung), 90, 1e-9);
         EXPECT_NEAR(el[0].e.ende - el[0].e.anfang, 90, 1e-9);
       }},
      {"kubischer Spline als Bézier-Stücke",
       [](CadBau& b) {
         CadEntitaet s = b.e(CadArt::Spline);
         s.grad = 3;
         s.ersterScheitel = b.scheitel({{{0, 0}}, {{1, 2}}, {{3, 3}}, {{4, 0}}, {{6, 1}}, {{7, 3}}});
         s.scheitelAnzahl = 6;
         s.ersteZahl = 0;
         b.m.zahlen = {0, 0, 0, 0, 1, 2.5, 3, 3, 3, 3};
         s.zahlAnzahl = s.knotenAnzahl = 10;
         b.m.entitaeten.push_back(s);
       },
       [](const CadBau& b, const Elemente& el, const CadAufloeseErgebnis&) {
         ASSERT_EQ(el.size(), 1u);
         ASSERT_EQ(el[0].e.art, Art::Bezier);
         ASSERT_EQ(el[0].punkte.size(), 10u);
         // u = 1.7 lies in the second piece, [1, 2.5].
         double s = (1.7 - 1) / 1.5, t = 1 - s;
         const double w[4] = {t * t * t, 3 * s * t * t, 3 * s * s * t, s * s * s};
         CadPunkt2 bez, boor;
         for (std::size_t j = 0; j < 4; ++j)
           bez = {bez.x + w[j] * el[0].punkte[3 + j].p.x, bez.y + w[j] * el[0].punkte[3 + j].p.y};
         for (std::size_t i = 0; i < 6; ++i) {
           double n = basis(b.m.zahlen, i, 3, 1.7);
           boor = {boor.x + n * b.m.scheitel[i].p.x, boor.y + n * b.m.scheitel[i].p.y};
         }
         EXPECT_NEAR(bez.x, boor.x, 1e-12);
         EXPECT_NEAR(bez.y, boor.y, 1e-12);
       }},
      {"gefüllte Schraffur mit Wölbung und Loch", [](CadBau& b) { b.m.entitaeten.push_back(schraffur(b)); },
       [](const CadBau&, const Elemente& el, const CadAufloeseErgebnis&) {
         ASSERT_EQ(el.size(), 1u);
         EXPECT_EQ(el[0].e.art, Art::Flaeche);
         ASSERT_EQ(el[0].punkte.size(), 11u);  // 4 + back to the start, 4 + back, the bridge home
         EXPECT_EQ(el[0].punkte[3].woelbung, 1);
         EXPECT_EQ(el[0].punkte[10].p.x, 0);
       }},
      {"Schraffur mit Wölbung unter Skalierung (2, 1)",
       [](CadBau& b) {
         b.block("H").push_back(schraffur(b));
         b.m.entitaeten.push_back(b.einfuegung("H", {}, 2, 1));
       },
       [](const CadBau&, const Elemente& el, const CadAufloeseErgebnis&) {
         ASSERT_EQ(el.size(), 1u);
         bool scheitelpunkt = false;
         for (const CadScheitel& s : el[0].punkte) {
           EXPECT_EQ(s.woelbung, 0);
           scheitelpunkt = scheitelpunkt || (std::abs(s.p.x + 2) < 1e-9 && std::abs(s.p.y - 1) < 1e-9);
         }
         EXPECT_TRUE(scheitelpunkt);
       }},
      {"Ansichtsfenster kappt Linie und Polylinie",
       [](CadBau& b) {
         b.m.layouts = {{"Model", "", 0}, {"Layout1", "*Paper_Space", 1}};
         CadEntitaet v = b.e(CadArt::Ansichtsfenster);
         v.a = {100, 100};
         v.breite = v.hoehe = 20;
         v.massstab = 2;
         v.typ = 1;
         b.block("*Paper_Space").push_back(v);
         b.m.entitaeten.push_back(linie(b, {-20, 0}, {20, 0}));
         CadEntitaet k = bogen(b, {100, 100}, 1, 0, 90);
         b.m.entitaeten.push_back(k);
         CadEntitaet p = b.e(CadArt::Polylinie);
         p.ersterScheitel = b.scheitel({{{-20, -2}}, {{0, -2}}, {{0, 20}}});
         p.scheitelAnzahl = 3;
         b.m.entitaeten.push_back(p);
         p.ersterScheitel = b.scheitel({{{-6, 0}, 1}, {{6, 0}}});  // a half circle, radius 12 on the paper
         p.scheitelAnzahl = 2;
         b.m.entitaeten.push_back(p);
       },
       [](const CadBau&, const Elemente& el, const CadAufloeseErgebnis&) {
         ASSERT_GE(el.size(), 2u);
         EXPECT_NEAR(el[0].e.a.x, 90, 1e-12);
         EXPECT_NEAR(el[0].e.b.x, 110, 1e-12);
         EXPECT_NEAR(el[0].e.b.y, 100, 1e-12);
         ASSERT_EQ(el[1].punkte.size(), 3u);
         EXPECT_NEAR(el[1].punkte[0].p.x, 90, 1e-12);
         EXPECT_NEAR(el[1].punkte[2].p.y, 110, 1e-12);
         // The arc leaves and re-enters through the bottom edge: two pieces.
         ASSERT_EQ(el.size(), 4u);
         double d = std::sqrt(44.0);
         EXPECT_NEAR(el[2].punkte[0].p.y, 100 - d, 1e-9);
         EXPECT_NEAR(el[2].punkte[1].p.x, 100 - d, 1e-9);
         EXPECT_NEAR(el[3].punkte[0].p.x, 100 + d, 1e-9);
         EXPECT_NEAR(el[3].punkte[0].woelbung, el[2].punkte[0].woelbung, 1e-12);
       },
       "Layout1"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    CadBau b;
    f.bauen(b);
    CadAufloeseErgebnis r;
    Elemente el = aufzeichnen(b.m, entitaetenDesLayouts(b.m, f.layout), f.optionen, r);
    f.pruefen(b, el, r);
  }
}

}  // namespace
}  // namespace quarzel
