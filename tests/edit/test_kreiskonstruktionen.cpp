// The circle constructions through the state machine: scripted picks on
// circles, the result in the store, one undo step, refusals with a sentence.
#include <gtest/gtest.h>

#include "edit/kreiskonstruktionen.h"
#include "platform/skriptbenutzer.h"
#include "support/edit/test_werkzeug_hilfen.h"

namespace quarzel::test {
namespace {

using W = Werkzeugcode;
using Zahlen = std::array<double, 5>;  // a line x1 y1 x2 y2 0; an arc xm ym r start end (from the middle)

struct Fall {
  const char* name;
  W werkzeug;
  std::vector<Zahlen> boegen;  // xm ym xr yr end angle (start 0); yr 0: a line xm ym -> xr 0
  std::vector<Weltpunkt> klicks;
  const char* fehler;
  std::vector<Zahlen> neu;  // the new elements in store order
  double wert = 10;         // distance or radius in drawing units (two world mm each)
  bool strg = false;
  int anzahl = 1;
  bool uebernehmen = false;  // "Eigenschaften übernehmen": the picked circles carry pen 9
};

// clang-format off
const Zahlen kKreis{0, 0, 50, 50, 360}, kLinks{-100, 0, 30, 30, 360}, kRechts{100, 0, 30, 30, 360};
const Fall kFaelle[] = {
    {"Tangente vom Punkt, Seite der Wahl", W::TangenteAnKreis, {kKreis}, {{0, -50}, {100, 0}}, "", {{100, 0, 25, -43.30127, 0}}},
    {"Punkt im Kreis", W::TangenteAnKreis, {kKreis}, {{0, -50}, {10, 0}}, "Der Punkt liegt innerhalb des Kreises; von dort gibt es keine Tangente.", {}},
    {"Tangente an Ellipse", W::TangenteAnKreis, {{0, 0, 100, 50, 360}}, {{100, 0}, {0, -100}}, "", {{0, -100, 86.60254, -25, 0}}},
    {"eine Linie ist kein Kreis", W::TangenteAnKreis, {{-50, 0, 50, 0, 0}}, {{0, 0}}, "Dieses Werkzeug braucht einen Kreis oder Kreisbogen; das gewählte Element ist keiner.", {}},
    {"aeussere Tangente oben", W::TangenteAnZweiKreise, {kLinks, kRechts}, {{-100, -30}, {100, -30}}, "", {{-100, -30, 100, -30, 0}}},
    {"Kreis im Kreis", W::TangenteAnZweiKreise, {{0, 0, 100, 100, 360}, {10, 0, 20, 20, 360}}, {{-100, 0}, {30, 0}}, "Ein Kreis liegt im anderen; sie haben keine gemeinsame Tangente.", {}},
    {"keine Tangente an Ellipsen", W::TangenteAnZweiKreise, {{0, 0, 100, 50, 360}}, {{100, 0}}, "Gemeinsame Tangenten und Bögen lassen sich nur an Kreise und Kreisbögen legen, nicht an Ellipsen.", {}},
    {"Bogen oben an zwei Kreise", W::TangentialerBogen, {kLinks, kRechts}, {{-100, -30}, {100, -30}}, "", {{0, -83.066239, 100, 219.715137, 320.284863}}, 50},
    {"Radius zu klein", W::TangentialerBogen, {kLinks, kRechts}, {{-100, -30}, {100, -30}}, "Kein Bogen mit diesem Radius berührt beide Kreise.", {}, 5},
    {"konzentrisch durch den Punkt, zweimal", W::KonzentrischerKreis, {kKreis}, {{50, 0}, {80, 0}}, "", {{0, 0, 80, 0, 360}, {0, 0, 110, 0, 360}}, 10, false, 2},
    {"Bogen behaelt seine Winkel", W::KonzentrischerKreis, {{0, 0, 50, 50, 90}}, {{35.355339, -35.355339}, {0, -30}}, "", {{0, 0, 30, 0, 90}}},
    {"keine konzentrische Ellipse", W::KonzentrischerKreis, {{0, 0, 100, 50, 360}}, {{100, 0}}, "Eine Ellipse hat keinen konzentrischen Bogen in überall gleichem Abstand; bitte einen Kreis oder Kreisbogen wählen.", {}},
    {"fester Abstand aussen, zweimal, Eigenschaften uebernommen", W::KonzentrischerBogenAbstandFest, {kKreis}, {{50, 0}, {90, 0}}, "", {{0, 0, 70, 0, 360}, {0, 0, 90, 0, 360}}, 10, false, 2, true},
    {"Strg fragt nach dem Abstand", W::KonzentrischerBogenAbstandFest, {kKreis}, {{50, 0}, {30, 0}}, "", {{0, 0, 40, 0, 360}}, 10, true},
    {"Abstand 0, Abbrechen", W::KonzentrischerBogenAbstandFest, {kKreis}, {{50, 0}, {30, 0}}, "", {}, 0},
    {"nach innen zu weit", W::KonzentrischerBogenAbstandFest, {kKreis}, {{50, 0}, {30, 0}}, "Der Abstand ist größer als der Radius; nach innen ist kein Bogen mehr möglich.", {}, 30},
    {"Hilfskreis um einen Bogen", W::HilfskreisKonzentrisch, {{0, 0, 50, 50, 90}}, {{35.355339, -35.355339}, {0, -80}}, "", {{0, 0, 80, 0, 360}}},
    {"Hilfskreis im festen Abstand", W::HilfskreisKonzentrischAbstandFest, {kKreis}, {{50, 0}, {90, 0}}, "", {{0, 0, 70, 0, 360}}},
};
// clang-format on

class Kreistest : public Werkzeugtest, public ::testing::WithParamInterface<Fall> {};

TEST_P(Kreistest, Werkzeug) {
  const Fall& f = GetParam();
  Kreiskonstruktionen werkzeug;
  SkriptBenutzer benutzer;
  // Ctrl and a distance of 0 ask; an answer is queued only for Ctrl, so 0 sees a cancel.
  if (f.strg) benutzer.eingaben.push_back("5");
  werkzeug.benutzer = &benutzer, werkzeug.abstand = werkzeug.radius = f.wert, werkzeug.anzahl = f.anzahl;
  werkzeug.vorgabe.eigenschaftenUebernehmen = f.uebernehmen;
  st.setzeModul(Werkzeuggruppe::Konstruktion, &werkzeug);
  z.ansicht.unitFactor = 0.5 / z.massstabInKraft();  // two world millimetres per drawing unit
  const Weltpunkt o = z.ansicht.pixelToWorld(401, 299);
  z.speicher.beginneSchritt();
  for (const Zahlen& b : f.boegen) {
    const tbogendaten d{o.x + b[0], o.y + b[1], b[2], b[3], 0, static_cast<float>(b[4])};
    if (b[3] > 0) {
      const std::int32_t n = z.speicher.neuerBogen(d);
      z.speicher.vervollstaendige(n);
      z.speicher.setzeStift(n, 9);
    }
    if (b[3] == 0) linie(z.speicher, d.xm, d.ym, o.x + b[2], o.y, false);
  }
  z.speicher.demarkiereAlle();
  const std::int32_t vorher = z.speicher.anzahl();
  st.waehleWerkzeug(f.werkzeug);
  for (std::size_t i = 0; i < f.klicks.size(); ++i) {
    const Pixelpunkt p = z.ansicht.worldToPixel(o.x + f.klicks[i].x, o.y + f.klicks[i].y);
    bewegen(p.x, p.y);  // after the first pick the band shows the would-be result
    st.mausGedrueckt({p.x, p.y, Maustaste::Links, {false, f.strg && i == 0, false}});
    loslassen(p.x, p.y);
  }
  EXPECT_EQ(benutzer.letzteMeldung(), f.fehler) << f.name;
  // XOR: every band drawn is drawn again to erase it; a band was shown before each result.
  EXPECT_TRUE(canvas.mehrfachlinien.size() % 2 == 0 && canvas.mehrfachlinien.empty() == f.neu.empty()) << f.name;
  EXPECT_EQ(benutzer.fragen.size(), f.strg || f.wert == 0 ? 1u : 0u) << f.name;
  ASSERT_EQ(z.speicher.anzahl() - vorher, std::int32_t(f.neu.size())) << f.name;
  const bool hilfslinie = f.werkzeug == W::HilfskreisKonzentrisch || f.werkzeug == W::HilfskreisKonzentrischAbstandFest;
  for (std::int32_t i = 0, n = vorher + 1; i < std::int32_t(f.neu.size()); ++i, ++n) {
    const bool bogen = z.speicher.art(n) == Elementart::Bogen;
    const tbogendaten b = bogen ? z.speicher.bogen(n) : tbogendaten{};
    const Tliniendaten l = bogen ? Tliniendaten{} : z.speicher.linie(n);
    const Zahlen ist = bogen ? Zahlen{b.xm - o.x, b.ym - o.y, b.yr, b.startwinkel, b.endwinkel}
                             : Zahlen{l.x1 - o.x, l.y1 - o.y, l.x2 - o.x, l.y2 - o.y, 0};
    for (int k = 0; k < 5; ++k) EXPECT_NEAR(ist[k], f.neu[i][k], 1e-3) << f.name << " Element " << i << " Zahl " << k;
    const int stift = hilfslinie ? kHilfslinienstift : f.uebernehmen ? 9 : z.speicher.aktuell.stift;
    EXPECT_TRUE(z.speicher.stift(n) == stift && b.xr == b.yr)
        << f.name;
  }
  EXPECT_EQ(z.speicher.anzahlMarkierte(), std::int32_t(f.neu.size())) << f.name;
  if (f.neu.empty()) return;
  z.speicher.rueckgaengig();  // one step takes the whole result back, the first element too
  EXPECT_TRUE(z.speicher.lebendig(vorher) && !z.speicher.lebendig(vorher + 1)) << f.name;
}

INSTANTIATE_TEST_SUITE_P(Kreiskonstruktionen, Kreistest, ::testing::ValuesIn(kFaelle));

}  // namespace
}  // namespace quarzel::test
