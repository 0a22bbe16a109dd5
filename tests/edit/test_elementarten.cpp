// Every element kind through the whole life of an element: add, duplicate
// search, save and load, move, turn and mirror, draw. One row per kind; a new
// kind without a row fails the first test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "edit/elementumriss.h"
#include "platform/skriptbenutzer.h"
#include "support/render/test_zeichnen_hilfe.h"
#include "store/duplikate.h"
#include "store/elementabbildung.h"
#include "store/statistik.h"
#include "store/zeichnungsdatei.h"
#include "support/jedeart.h"

namespace quarzel {
namespace {

struct Artfall {
  Elementart art;
  std::optional<Duplikatsuche> suche;  // the search that finds a copy
  bool gezeichnet = true;
};

const std::vector<Artfall>& faelle() {
  using E = Elementart;
  static const std::vector<Artfall> f = {
      {E::Linie, Duplikatsuche::Linien},
      {E::Wandlinie1, {}, false},
      {E::Wandlinie2, {}},
      {E::Bogen, Duplikatsuche::KreiseUndEllipsen},
      {E::Polygon, Duplikatsuche::Polygone},
      {E::Spline, {}},
      {E::Verlauf, {}},
      {E::Bezier, {}},
      {E::Bemassung, {}},
      {E::Gruppenanfang, {}, false},
      {E::Gruppenende, {}, false},
      {E::Bitmap, {}},
      {E::Fuellung, {}},
      {E::Metafile, {}},
      {E::Text, {}},
      {E::Kommentar, {}},
  };
  return f;
}

TEST(Elementarten, JedeArtHatEineZeileImTestUndInDerTabelle) {
  for (int code = 0; code < 256; ++code) {
    const auto art = static_cast<Elementart>(code);
    const Artangaben t = artangaben(art);
    if (t.art != art || art == Elementart::Frei) continue;
    EXPECT_NE(std::find(alleElementarten.begin(), alleElementarten.end(), art), alleElementarten.end()) << code;
    EXPECT_TRUE(std::any_of(faelle().begin(), faelle().end(), [&](const Artfall& f) { return f.art == art; }))
        << t.name;
    EXPECT_NE(t.satz, Satzart::Keine) << t.name;
    EXPECT_FALSE(t.dateitags.empty()) << t.name;
  }
  EXPECT_EQ(faelle().size(), alleElementarten.size());
}

// What an element looks like for the checks: its outline, or for the kinds
// without one, the points of its record.
std::vector<Weltpunkt> kennpunkte(const Elementspeicher& s, std::int32_t n) {
  Umriss u;
  if (elementumriss(s, n, u)) return u.punkte;
  if (istLinienart(s.art(n))) return {{s.linie(n).x1, s.linie(n).y1}, {s.linie(n).x2, s.linie(n).y2}};
  const auto& r = s.gruppe(n).rahmen;
  return {{r[0], r[1]}, {r[2], r[1]}, {r[2], r[3]}, {r[0], r[3]}};
}

// Equal as point sets, within rounding.
void gleicheMengen(std::vector<Weltpunkt> a, std::vector<Weltpunkt> b, const std::string& was) {
  auto ordne = [](std::vector<Weltpunkt>& v) {
    for (Weltpunkt& p : v) p = {std::round(p.x * 1e6) / 1e6, std::round(p.y * 1e6) / 1e6};
    std::sort(v.begin(), v.end(), [](Weltpunkt p, Weltpunkt q) { return p.x != q.x ? p.x < q.x : p.y < q.y; });
    v.erase(std::unique(v.begin(), v.end(), [](Weltpunkt p, Weltpunkt q) { return p.x == q.x && p.y == q.y; }),
            v.end());
  };
  ordne(a);
  ordne(b);
  ASSERT_EQ(a.size(), b.size()) << was;
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_NEAR(a[i].x, b[i].x, 2e-6) << was << " point " << i;
    EXPECT_NEAR(a[i].y, b[i].y, 2e-6) << was << " point " << i;
  }
}

std::vector<Weltpunkt> abgebildet(std::vector<Weltpunkt> v, const Abbildung& a) {
  for (Weltpunkt& p : v) p = a(p);
  return v;
}

// Everything the recording canvas was given, as numbers.
std::vector<double> bildVon(const Aufzeichnungscanvas& c) {
  std::vector<double> v;
  auto punkte = [&](const std::vector<Pixelpunkt>& p) {
    v.push_back(double(p.size()));
    for (const Pixelpunkt& q : p) v.insert(v.end(), {q.x, q.y});
  };
  for (const auto& z : c.polylinien) punkte(z.punkte);
  for (const auto& m : c.mehrfachlinien)
    for (const auto& z : m.zuege) punkte(z);
  for (const auto& f : c.polygone) punkte(f.punkte);
  for (const auto& t : c.texte) v.insert(v.end(), {t.x, t.y, double(t.text.size())});
  for (const auto* b : {&c.rasterbilder, &c.vektorbilder})
    for (const auto& a : *b) punkte({a.lage.obenLinks, a.lage.obenRechts, a.lage.untenLinks});
  for (const auto& p : c.pixelListe) v.insert(v.end(), {double(p.x), double(p.y)});
  return v;
}

class ElementartDurchlauf : public test::Zeichnen {
 protected:
  std::vector<double> zeichneBild(double ursprungX, double ursprungY) {
    canvas.leeren();
    drawElements(canvas, 1, z.speicher.anzahl(), 100, 1, {0, 0, 799, 599}, ursprungX, ursprungY, umgebung());
    return bildVon(canvas);
  }
};

TEST_F(ElementartDurchlauf, JedeArtDurchHinzufuegenDuplikateDateiAbbildungUndZeichnen) {
  for (const Artfall& f : faelle()) {
    const Artangaben t = artangaben(f.art);
    SCOPED_TRACE(std::string(t.name));
    z.speicher.leere();
    z.speicher.beginneSchritt();
    Elementspeicher& s = z.speicher;

    // Add: the kind, and the fields the table promises.
    const std::int32_t n = test::legeElement(s, f.art);
    fertig(n);
    ASSERT_EQ(s.art(n), f.art);
    EXPECT_EQ(s.stift(n).has_value(), t.hat(MitStift));
    EXPECT_EQ(s.linienstil(n).has_value(), t.hat(MitLinienstil));
    EXPECT_EQ(s.farbe(n).has_value(), t.hat(MitFarbe));
    EXPECT_EQ(s.fuellung(n) != nullptr, t.hat(MitFuellung));
    if (t.hat(MitFarbe)) {
      EXPECT_EQ(*s.farbe(n), rgb(200, 10, 10));
    }

    // Duplicate: an exact copy is found by the search of its kind only.
    const std::int32_t kopie = s.dupliziere(n);
    fertig(kopie);
    for (Duplikatsuche d : {Duplikatsuche::Linien, Duplikatsuche::KreiseUndEllipsen, Duplikatsuche::Polygone})
      EXPECT_EQ(findeDuplikate(s, d), f.suche == d ? std::vector<std::int32_t>{kopie} : std::vector<std::int32_t>{});
    if (f.art == Elementart::Gruppenanfang)
      for (int i = 0; i < 2; ++i) fertig(s.neueGruppenklammer(Elementart::Gruppenende, tgruppendaten{}));
    // Every element of the drawing is of the kind's statistics row.
    const Statistik st = zeichnungsstatistik(s);
    EXPECT_EQ(st.back().zeichnung, t.statistikzeile < 0 ? 0 : s.anzahl());
    if (t.statistikzeile >= 0) {
      EXPECT_EQ(st[std::size_t(t.statistikzeile)].zeichnung, s.anzahl());
    }

    // Save and load: kind and geometry come back, and save again gives the same bytes.
    const std::vector<Weltpunkt> vorher = kennpunkte(s, n);
    const Schreibergebnis datei = schreibeZeichnung(z);
    ASSERT_EQ(datei.nichtGeschrieben, 0);
    Zeichnung geladen;
    test::initialisiere(geladen.speicher);
    SkriptBenutzer benutzer;
    ASSERT_TRUE(leseZeichnung(datei.daten, geladen, benutzer).geladen);
    ASSERT_EQ(geladen.speicher.anzahl(), s.anzahl());
    for (std::int32_t k : {n, kopie}) {
      EXPECT_EQ(geladen.speicher.art(k), f.art);
      gleicheMengen(kennpunkte(geladen.speicher, k), vorher, "loaded");
    }
    EXPECT_EQ(schreibeZeichnung(geladen).daten, datei.daten);

    // Draw, then move element and view alike: the same picture.
    const std::vector<double> bild = zeichneBild(0, 0);
    EXPECT_EQ(!bild.empty(), f.gezeichnet);
    const Abbildung schub = Abbildung::verschiebung(40, 30);
    for (std::int32_t k = 1; k <= s.anzahl(); ++k) bildeAb(s, k, schub);
    gleicheMengen(kennpunkte(s, n), abgebildet(vorher, schub), "moved");
    const std::vector<double> verschoben = zeichneBild(40, 30);
    ASSERT_EQ(verschoben.size(), bild.size());
    for (std::size_t i = 0; i < bild.size(); ++i) EXPECT_NEAR(verschoben[i], bild[i], 1e-6) << i;
    for (std::int32_t k = 1; k <= s.anzahl(); ++k) bildeAb(s, k, Abbildung::verschiebung(-40, -30));

    // Turn a quarter: the points turn with it.
    const Abbildung dreh = Abbildung::drehung({100, 100}, 90);
    bildeAb(s, n, dreh);
    gleicheMengen(kennpunkte(s, n), abgebildet(vorher, dreh), "turned");
    bildeAb(s, n, Abbildung::drehung({100, 100}, -90));
    gleicheMengen(kennpunkte(s, n), vorher, "turned back");

    // Mirror: the points mirror, but a text stays readable (its box is not
    // mirrored); twice gives the original.
    const Abbildung spiegel = Abbildung::spiegelung({100, 0}, {100, 10});
    bildeAb(s, n, spiegel);
    if (istTextart(f.art)) {
      EXPECT_NEAR(s.text(n).x, 180, 1e-9);
      EXPECT_FLOAT_EQ(s.text(n).hoehe, 5);
    } else {
      gleicheMengen(kennpunkte(s, n), abgebildet(vorher, spiegel), "mirrored");
    }
    bildeAb(s, n, spiegel);
    gleicheMengen(kennpunkte(s, n), vorher, "mirrored twice");

    // Scale: lengths follow about the point.
    const Abbildung streckung = Abbildung::streckung({10, 10}, 2);
    bildeAb(s, n, streckung);
    gleicheMengen(kennpunkte(s, n), abgebildet(vorher, streckung), "scaled");
  }
}

}  // namespace
}  // namespace quarzel
