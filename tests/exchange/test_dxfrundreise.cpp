// Our drawing → DXF → our drawing: every element comes back with its
// geometry within 1e-9 mm, its pen, line style and colour, on the sublayer
// named after its layer and sublayer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "exchange/cadimport.h"
#include "exchange/dxfschreiber.h"
#include "platform/skriptbenutzer.h"
#include "render/bogengeometrie.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

constexpr double kToleranz = 1e-9;

void erwarteNah(const std::vector<double>& a, const std::vector<double>& b, const char* was) {
  ASSERT_EQ(a.size(), b.size()) << was;
  for (std::size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], kToleranz) << was << " #" << i;
}

// The geometry of an element as numbers, and its pen, style and colour.
struct Abbild {
  Elementart art;
  std::vector<double> werte;
  int stift = 0, stil = 0;
  Farbe farbe = 0;
};

Abbild abbild(const Elementspeicher& s, std::int32_t n) {
  Abbild a{s.art(n), {}};
  switch (s.art(n)) {
    case Elementart::Linie: {
      const Tliniendaten& d = s.linie(n);
      a.werte = {d.x1, d.y1, d.x2, d.y2};
      a.stift = d.stift, a.stil = d.linienstil, a.farbe = d.farbe;
      break;
    }
    case Elementart::Bogen: {
      // The file names an ellipse by its major axis, so a record with the
      // longer y radius comes back turned a quarter: points along the figure
      // and its ends compare, not the record's numbers.
      const tbogendaten& d = s.bogen(n);
      const Ellipsenbogen e = *ellipsenbogen(d);
      // A closed figure has no start: its four vertices, sorted, name it.
      a.werte = {double(e.voll), e.spanne};
      std::vector<std::pair<double, double>> punkte;
      for (int k = 0; k <= (e.voll ? 3 : 8); ++k) {
        const Weltpunkt p = e.punkt(e.voll ? e.start + 90.0 * k : e.start + e.spanne * k / 8);
        punkte.emplace_back(p.x, p.y);
      }
      if (e.voll)
        std::sort(punkte.begin(), punkte.end(), [](auto u, auto v) {
          return std::round(u.first * 1e6) != std::round(v.first * 1e6) ? u.first < v.first : u.second < v.second;
        });
      for (const auto& [x, y] : punkte) a.werte.insert(a.werte.end(), {x, y});
      a.stift = d.stift, a.stil = d.linienstil, a.farbe = d.farbe;
      break;
    }
    case Elementart::Polygon: {
      const Tpolygondaten& d = s.polygon(n);
      for (std::size_t i = 0; i < d.x.size(); ++i) a.werte.insert(a.werte.end(), {d.x[i], d.y[i]});
      a.stift = d.stift, a.stil = d.linienstil, a.farbe = d.farbe;
      break;
    }
    case Elementart::Bezier: {
      const Tbezierdaten& d = s.bezier(n);
      a.werte.assign(d.punkte.begin(), d.punkte.end());
      a.stift = d.stift, a.stil = d.linienstil, a.farbe = d.farbe;
      break;
    }
    case Elementart::Text: {
      const Tfliestextdaten& d = s.text(n);
      a.werte = {d.x, d.y, d.hoehe, d.winkel, double(d.stil[3])};
      a.farbe = d.farbe;
      break;
    }
    default:
      break;
  }
  return a;
}

TEST(DxfRundreise, JedesElementKommtGenauZurueck) {
  Zeichnung vorher;
  Elementspeicher& s = vorher.speicher;
  test::initialisiere(s);
  s.beginneSchritt();
  vorher.ebenen.setzeName(1, "Grundriss");
  vorher.ebenen.fuegeFolieAn(1, "Möbel");
  s.aktuell.folie = 2;
  const double x0 = vorher.ansicht.sheetLeft + 17.123456789, y0 = vorher.ansicht.sheetTop + 31.987654321;
  auto mit = [&](int stift, int stil) {
    s.aktuell.stift = static_cast<std::uint8_t>(stift);
    s.aktuell.linienstil = static_cast<std::int16_t>(stil);
  };
  mit(3, 2);
  s.vervollstaendige(s.neueLinie(x0, y0, x0 + 100.1, y0 + 50.3, rgb(200, 10, 10)));
  mit(5, 17);
  for (const auto& [xr, yr, von, bis, dreh] : {std::tuple{20.0, 20.0, 0.0, 360.0, 0.0},
                                               {12.5, 12.5, 30.0, 200.0, 0.0},
                                               {30.0, 15.0, 20.0, 250.0, 15.0},
                                               {8.0, 16.0, 0.0, 360.0, 0.0}}) {
    tbogendaten d;
    d.xm = x0 + 60, d.ym = y0 + 40, d.xr = xr, d.yr = yr;
    d.startwinkel = float(von), d.endwinkel = float(bis), d.drehwinkel = float(dreh);
    d.farbe = rgb(0, 128, 255);
    s.vervollstaendige(s.neuerBogen(d));
  }
  mit(2, 1);
  for (const bool zu : {false, true}) {
    s.punkte.leere();
    for (auto [x, y] : {std::pair{0.0, 0.0}, {80.5, 15.25}, {60.0, 70.0}}) s.punkte.fuegeHinzu(x0 + x, y0 + y);
    if (zu) s.punkte.fuegeHinzu(x0, y0);
    Tpolygondaten d;
    d.farbe = rgb(10, 200, 10);
    s.vervollstaendige(s.neuesPolygon(Elementart::Polygon, d));
  }
  Tbezierdaten b;
  b.punkte = {x0, y0, x0 + 10, y0 - 20, x0 + 30, y0 + 20, x0 + 40, y0};
  s.vervollstaendige(s.neueBezierkurve(b));
  Tfliestextdaten t;
  t.x = x0 + 5, t.y = y0 + 6, t.hoehe = 3.5f, t.winkel = 30, t.zeilen = {"Wand Süd"};
  t.stil[3] = 1;
  s.vervollstaendige(s.neuerText(Elementart::Text, t));

  test::TempOrdner ordner;
  const auto pfad = ordner / "rund.dxf";
  ASSERT_TRUE(schreibeDxfDatei(vorher, pfad).geschrieben);
  Zeichnung nachher;
  test::initialisiere(nachher.speicher);
  SkriptBenutzer benutzer;
  const CadImportergebnis e = importiereCadDatei(nachher, benutzer, pfad.string(), {});
  ASSERT_EQ(e.elemente, s.anzahl()) << benutzer.letzteMeldung() << (benutzer.fragen.empty() ? "" : benutzer.fragen[0]);
  for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
    SCOPED_TRACE(n);
    const Abbild a = abbild(s, n), b2 = abbild(nachher.speicher, n);
    ASSERT_EQ(a.art, b2.art);
    erwarteNah(a.werte, b2.werte, "Geometrie");
    EXPECT_EQ(a.stift, b2.stift);
    EXPECT_EQ(a.stil, b2.stil);
    EXPECT_EQ(a.farbe, b2.farbe);
    EXPECT_EQ(nachher.ebenen.folienname(e.zielebene, nachher.speicher.folie(n)), "Grundriss$Möbel");
  }
}

}  // namespace
}  // namespace quarzel
