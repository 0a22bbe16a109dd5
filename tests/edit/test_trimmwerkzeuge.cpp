// The trimming tools through the state machine: scripted clicks on lines,
// the result in the store, one undo step, properties kept, result marked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "edit/kurvenschnitt.h"
#include "edit/trimmwerkzeuge.h"
#include "platform/skriptbenutzer.h"
#include "support/edit/test_werkzeug_hilfen.h"

namespace quarzel::test {
namespace {

using W = Werkzeugcode;
// From the drawing's middle: a line x1, y1, x2, y2; an arc xm, ym, start,
// end, radius; a Bézier (straight, ends given) x1, y1, x2, y2, -1; a polyline
// x1, y1 -> x2, y1 -> x2, y2, open -2 or closed -3.
using Strecke = std::array<double, 5>;

struct Fall {
  const char* name;
  W werkzeug;
  std::uint8_t knopf;
  std::vector<Strecke> linien;
  std::vector<Weltpunkt> klicks;
  const char* fehler;           // "" when it works
  std::vector<Strecke> danach;  // the elements afterwards in any order, an arc as {}
  int markiert;
  double mass = 20;      // fillet radius or chamfer distance
  bool aendern = false;  // 126, 127: "Ändern"; the changed piece gets the colour 0xABCDEF
};

// clang-format off
const Strecke h{-100, 0, 100, 0}, v{0, -100, 0, 100}, k20{0, 0, 0, 360, 20}, k20r{20, 0, 0, 360, 20};
const Strecke senk10{10, -50, 10, 50}, senkM10{-10, -50, -10, 50};
const Fall kFaelle[] = {
    {"erste, zu kurz: verlaengert", W::LinienTrimmen, 0, {{-100, 0, -20, 0}, v}, {{-50, 0}, {0, 50}}, "", {{-100, 0, 0, 0}, v}, 1},
    {"beide, je die angeklickte Seite", W::LinienTrimmen, 1, {h, v}, {{-50, 0}, {0, 50}}, "", {{-100, 0, 0, 0}, {0, 0, 0, 100}}, 2},
    {"parallel", W::LinienTrimmen, 1, {h, {-100, 9, 100, 9}}, {{-50, 0}, {0, 9}}, "Die Linien schneiden sich nicht.", {h, {-100, 9, 100, 9}}, 0},
    {"mehrere an einer Schnittkante", W::LinienTrimmen, 2, {v, {-100, 10, -20, 10}, {-100, -10, 50, -10}}, {{0, 50}, {-50, 10}, {-50, -10}}, "",
     {v, {-100, 10, 0, 10}, {-100, -10, 0, -10}}, 1},
    {"abrunden, beide trimmen", W::Abrunden, 2, {h, v}, {{50, 0}, {0, 50}}, "", {{20, 0, 100, 0}, {0, 20, 0, 100}, {20, 20, 90, 180, 20}}, 3},
    {"abrunden, Radius zu gross", W::Abrunden, 0, {{0, 0, 100, 0}, v}, {{50, 0}, {0, 50}}, "Der Radius ist zu groß für diese Ecke.", {{0, 0, 100, 0}, v}, 0, 150},
    {"befasen im Abstand, erste trimmen", W::Befasen, 1, {h, v}, {{50, 0}, {0, 50}}, "", {{30, 0, 100, 0}, v, {30, 0, 0, 30}}, 2, 30},
    {"teilen in vier", W::LinieTeilen, 0, {h}, {{50, 0}}, "", {{-100, 0, -50, 0}, {-50, 0, 0, 0}, {0, 0, 50, 0}, {50, 0, 100, 0}}, 4},
    {"104: bis zum naeheren Schnitt verlaengert", W::LinieAnKreisTrimmen, 0, {{-100, 0, -50, 0}, {30, 0, 0, 360, 20}}, {{-70, 0}, {30, -20}}, "",
     {{-100, 0, 10, 0}, {30, 0, 0, 360, 20}}, 1},
    {"104: Verlaengerung verfehlt den Kreis", W::LinieAnKreisTrimmen, 0, {{-100, 50, -50, 50}, k20}, {{-70, 50}, {0, -20}}, "Die Linie schneidet den Kreis nicht.",
     {{-100, 50, -50, 50}, k20}, 0},
    {"105 beide: je der angeklickte Bogen", W::KreiseTrimmen, 1, {k20, k20r}, {{-20, 0}, {40, 0}}, "", {{0, 0, 60, 300, 20}, {20, 0, 240, 120, 20}}, 2},
    {"105: Kreis und Linie", W::KreiseTrimmen, 0, {k20, h}, {{-20, 0}, {50, 0}}, "Dieses Werkzeug bearbeitet nur Kreise, Bögen und Ellipsen.", {k20, h}, 0},
    {"106: Vollkreis an einer Linie", W::KreisAnLinieTrimmen, 0, {k20, senk10}, {{-20, 0}}, "", {{0, 0, 60, 300, 20}, senk10}, 1},
    {"124: Kreis in vier", W::KreisTeilen, 0, {k20}, {{20, 0}}, "", {{0, 0, 0, 90, 20}, {0, 0, 90, 180, 20}, {0, 0, 180, 270, 20}, {0, 0, 270, 360, 20}}, 4},
    {"125: Bogen zum Vollkreis", W::BogenZumVollkreis, 0, {{0, 0, 0, 90, 20}}, {{0, -20}}, "", {k20}, 1},
    {"126 Loeschen: Tueroeffnung", W::TeilstueckBearbeiten, 0, {h, {-20, -10, -20, 10}, {20, -10, 20, 10}}, {{5, 0}}, "",
     {{-100, 0, -20, 0}, {20, 0, 100, 0}, {-20, -10, -20, 10}, {20, -10, 20, 10}}, 2},
    {"126 Aendern: das Stueck bis zum Ende", W::TeilstueckBearbeiten, 0, {h, v}, {{50, 0}}, "", {{-100, 0, 0, 0}, {0, 0, 100, 0}, v}, 1, 20, true},
    {"126: Klick genau auf den Schnitt", W::TeilstueckBearbeiten, 0, {h, v}, {{0, 0}}, kKlickAufSchnitt, {h, v}, 0},
    {"126: nichts schneidet", W::TeilstueckBearbeiten, 0, {h}, {{50, 0}}, "Diese Linie wird von keinem anderen Element geschnitten.", {h}, 0},
    {"127 Loeschen: Stueck zwischen zwei Linien", W::KreisausschnittBearbeiten, 0, {k20, senk10, senkM10}, {{20, 0}}, "",
     {{0, 0, 60, 300, 20}, senk10, senkM10}, 1},
    {"Polygonzug: das freie Ende zur Schnittkante", W::LinienTrimmen, 0, {{-100, 0, -60, 60, -2}, {-80, -50, -80, 50}}, {{-90, 0}, {-80, 30}}, "",
     {{-80, 0, -60, 60, -2}, {-80, -50, -80, 50}}, 1},
    {"abrunden: Polygonzug, erste trimmen", W::Abrunden, 1, {{-100, 0, -60, 60, -2}, {-80, -50, -80, 50}}, {{-70, 0}, {-80, 30}}, "",
     {{-70, 0, -60, 60, -2}, {-80, -50, -80, 50}, {-70, 10, 90, 180, 10}}, 2, 10},
    {"geschlossenes Polygon", W::LinienTrimmen, 0, {{-100, 0, -60, 60, -3}, {-80, -50, -80, 50}}, {{-90, 0}, {-80, 30}},
     "Kanten geschlossener Polygone lassen sich nicht trimmen: jede Ecke gehört zu zwei Kanten.", {{-100, 0, -60, 60, -3}, {-80, -50, -80, 50}}, 0},
    {"144: Kreis als Loch, die Naht an der naechsten Ecke", W::LochInPolygon, 0, {{-100, 0, 100, 200, -3}, {50, 20, 0, 360, 10}}, {{0, 0}, {60, 20}}, "",
     {{100, 0, -100, 0, -3}}, 1},
    {"144: Loch ragt heraus", W::LochInPolygon, 0, {{-100, 0, 100, 200, -3}, {90, 20, 0, 360, 20}}, {{0, 0}, {70, 20}}, "Das Loch muss ganz im Polygon liegen.",
     {{-100, 0, 100, 200, -3}, {90, 20, 0, 360, 20}}, 0},
    {"137: Linie an eine Kurve", W::LinieAnKurveTrimmen, 0, {{-100, 0, -50, 0}, {30, -50, 30, 50, -1}}, {{-70, 0}, {30, 40}}, "",
     {{-100, 0, 30, 0}, {30, -50, 30, 50, -1}}, 1},
};
// clang-format on

class Trimmtest : public Werkzeugtest, public ::testing::WithParamInterface<Fall> {};

TEST_P(Trimmtest, Werkzeug) {
  const Fall& f = GetParam();
  Trimmwerkzeuge werkzeug;
  SkriptBenutzer benutzer;
  benutzer.eingaben.push_back("4");
  werkzeug.benutzer = &benutzer;
  // The panel takes drawing units.
  werkzeug.radius = werkzeug.fasenmass = f.mass * z.massstabInKraft() * z.ansicht.unitFactor;
  werkzeug.fasenAlsAbstand = true;
  st.setzeModul(Werkzeuggruppe::Trimmen, &werkzeug);
  // Away from the world origin, where a crossing would count as none.
  const Weltpunkt o = z.ansicht.pixelToWorld(401, 299);
  ASSERT_FALSE(o.x == 0 || o.y == 0);
  z.speicher.beginneSchritt();
  for (const Strecke& l : f.linien) {
    std::int32_t n = 0;
    if (l[4] > 0) {
      tbogendaten d;
      d.xm = o.x + l[0], d.ym = o.y + l[1], d.xr = d.yr = l[4];
      d.startwinkel = float(l[2]), d.endwinkel = float(l[3]);
      n = z.speicher.neuerBogen(d);
    } else if (l[4] < -1) {
      n = polygon(z.speicher, {{o.x + l[0], o.y + l[1]}, {o.x + l[2], o.y + l[1]}, {o.x + l[2], o.y + l[3]}});
      if (l[4] == -3) z.speicher.polygon(n).linienstil = 0;
    } else if (l[4] < 0) {
      Tbezierdaten d;
      for (int i = 0; i < 4; ++i)
        d.punkte[2 * i] = o.x + l[0] + (l[2] - l[0]) * i / 3, d.punkte[2 * i + 1] = o.y + l[1] + (l[3] - l[1]) * i / 3;
      n = z.speicher.neueBezierkurve(d);
    } else {
      n = linie(z.speicher, o.x + l[0], o.y + l[1], o.x + l[2], o.y + l[3], false);
    }
    z.speicher.vervollstaendige(n);
    z.speicher.setzeStift(n, 7), z.speicher.setzeFarbe(n, 0x123456);
  }
  werkzeug.farbe = 0xABCDEF, z.speicher.aktuell.stift = 7;
  if (f.aendern) werkzeug.teilstueckmodus = Teilstueckmodus::Aendern;
  z.speicher.demarkiereAlle();
  st.waehleWerkzeug(f.werkzeug, f.knopf);
  for (Weltpunkt k : f.klicks) {
    const Pixelpunkt p = z.ansicht.worldToPixel(o.x + k.x, o.y + k.y);
    bewegen(p.x, p.y), links(p.x, p.y), loslassen(p.x, p.y);
  }
  EXPECT_EQ(benutzer.letzteMeldung(), f.fehler) << f.name;
  // XOR: each band is drawn again to erase it, at the latest by Escape; a
  // finished two-pick tool showed one.
  escape();
  EXPECT_EQ(canvas.mehrfachlinien.size() % 2, 0u) << f.name;
  EXPECT_TRUE(f.klicks.size() < 2 || *f.fehler != 0 || !canvas.mehrfachlinien.empty()) << f.name;
  // The live elements, sorted, as the table writes them; each with the pen and colour it should have.
  const auto lebende = [&] {
    std::vector<Strecke> r;
    const Elementspeicher& s = z.speicher;
    for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
      if (!s.lebendig(n)) continue;
      const Farbe farbe = f.aendern && s.markiert(n) ? Farbe(0xABCDEF) : Farbe(0x123456);
      EXPECT_TRUE(s.stift(n) == 7 && s.farbe(n) == farbe) << f.name;
      const auto rund = [&](double a, double b, double c, double d, double e) {
        return Strecke{std::round(a), std::round(b), std::round(c), std::round(d), std::round(e)};
      };
      if (s.art(n) == Elementart::Bogen) {
        const tbogendaten& d = s.bogen(n);
        r.push_back(rund(d.xm - o.x, d.ym - o.y, d.startwinkel, d.endwinkel, d.xr));
      } else if (s.art(n) == Elementart::Polygon) {
        const Tpolygondaten& p = s.polygon(n);
        r.push_back(rund(p.x[0] - o.x, p.y[0] - o.y, p.x[2] - o.x, p.y[2] - o.y, p.linienstil < 1 ? -3 : -2));
      } else if (s.art(n) == Elementart::Bezier) {
        const auto& p = s.bezier(n).punkte;
        r.push_back(rund(p[0] - o.x, p[1] - o.y, p[6] - o.x, p[7] - o.y, -1));
      } else {
        const Tliniendaten& d = s.linie(n);
        r.push_back(rund(d.x1 - o.x, d.y1 - o.y, d.x2 - o.x, d.y2 - o.y, 0));
      }
    }
    std::sort(r.begin(), r.end());
    return r;
  };
  const auto sortiert = [](std::vector<Strecke> v) { return std::sort(v.begin(), v.end()), v; };
  EXPECT_EQ(lebende(), sortiert(f.danach)) << f.name;
  EXPECT_EQ(z.speicher.anzahlMarkierte(), f.markiert) << f.name;
  if (*f.fehler != 0 || (f.werkzeug == W::LinienTrimmen && f.knopf == kTrimmenMehrere)) return;
  z.speicher.rueckgaengig();  // one step brings the drawing back
  EXPECT_EQ(lebende(), sortiert(f.linien)) << f.name;
}

INSTANTIATE_TEST_SUITE_P(Trimmen, Trimmtest, ::testing::ValuesIn(kFaelle));

}  // namespace
}  // namespace quarzel::test
