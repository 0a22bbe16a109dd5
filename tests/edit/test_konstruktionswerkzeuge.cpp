// The construction tools through the state machine: scripted picks, the new
// lines in the store, their pen and colour, one undo step, the result marked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "edit/figurgeometrie.h"
#include "edit/konstruktionswerkzeuge.h"
#include "edit/koordinateneingabe.h"
#include "platform/skriptbenutzer.h"
#include "support/edit/test_werkzeug_hilfen.h"

namespace quarzel::test {
namespace {

using W = Werkzeugcode;
using Strecke = std::array<double, 4>;  // x1, y1, x2, y2 from the drawing's middle (world mm, y down)

struct Fall {
  const char* name;
  W werkzeug;
  std::vector<Strecke> linien;
  std::vector<Weltpunkt> klicks;
  std::vector<Strecke> neu;  // construction lines cut to the box +-100
  const char* fehler = "";
  double abstand = 2;  // drawing units (m at 1:100: 10 mm each)
  int anzahl = 1;
  bool strg = false;
  std::optional<std::string> antwort;  // of the input window; nullopt: no question
  bool uebernehmen = false;
  std::optional<Weltpunkt> maus;  // moved here before a typed length
  std::optional<double> laenge;   // typed at "Länge bestimmen", drawing units
};

// clang-format off
const Strecke h{-100, 0, 100, 0}, v{0, -100, 0, 100};
const Fall kFaelle[] = {
    {"Lot vom Punkt", W::Lot, {h}, {{-50, 0}, {30, -40}}, {{30, -40, 30, 0}}, "", 2, 1, false, {}, true},
    {"Lot mit getippter Laenge, Seite der Maus", W::Lot, {h}, {{-50, 0}}, {{-50, 0, -50, 30}}, "", 2, 1, false, {}, false, Weltpunkt{0, 20}, 3},
    {"Parallele durch die Maus, zweifach", W::Parallele, {h}, {{-50, 0}, {10, -15}}, {{-100, -30, 100, -30}, {-100, -15, 100, -15}}, "", 2, 2},
    {"Abstand fest in Zeichnungseinheiten", W::ParalleleAbstandFest, {h}, {{-50, 0}, {10, 5}}, {{-100, 20, 100, 20}, {-100, 40, 100, 40}}, "", 2, 2},
    {"Abstand 0 fragt", W::ParalleleAbstandFest, {h}, {{-50, 0}, {10, 5}}, {{-100, 15, 100, 15}}, "", 0, 1, false, "1.5"},
    {"Strg fragt, Abbrechen aendert nichts", W::ParalleleAbstandFest, {h}, {{-50, 0}, {10, 5}}, {}, "", 2, 1, true, std::nullopt},
    {"Parallelogramm am naeheren Ende", W::LinieZumParallelogramm, {{0, 0, 100, 0}}, {{50, 0}, {20, -30}}, {{0, 0, 20, -30}, {20, -30, 120, -30}, {100, 0, 120, -30}}},
    {"Winkel 45 Grad vom Scheitel", W::WinkelKonstruieren, {h}, {{-50, 0}, {-20, -30}}, {{-50, 0, -20, -30}}},
    {"Teilung 25 Prozent, Gegenrichtung", W::MittigeLinie, {h, {100, 40, -100, 40}}, {{0, 0}, {0, 40}}, {{-100, 10, 100, 10}}},
    {"Winkelhalbierende, kuerzere Seite", W::Winkelhalbierende, {h, {0, -60, 0, 100}}, {{50, 0}, {0, -50}}, {{0, 0, 42.426, -42.426}}},
    {"Winkelhalbierende paralleler Linien", W::Winkelhalbierende, {h, {-100, 20, 100, 20}}, {{0, 0}, {0, 20}}, {{-100, 10, 100, 10}}},
    {"Bezugslinie keine Linie", W::Parallele, {}, {{0, 50}, {0, 0}}, {}, "Polygonkanten lassen sich mit diesem Werkzeug nicht bearbeiten, nur einzelne Linien."},
    {"senkrechte Hilfslinie", W::HilfslinieLot, {h}, {{-50, 0}, {30, -40}}, {{30, -100, 30, 100}}, "", 2, 1, false, {}, true},
    {"winklige Hilfslinie durch den Punkt", W::HilfslinieWinklig, {h}, {{-50, 0}, {0, -10}}, {{-90, 80, 100, -110}}},
    {"parallele Hilfslinie", W::HilfslinieParallel, {h}, {{-50, 0}, {10, -15}}, {{-100, -15, 100, -15}}},
    {"mittige Hilfslinie", W::HilfslinieMittig, {h, {-100, 40, 100, 40}}, {{0, 0}, {0, 40}}, {{-100, 10, 100, 10}}},
    {"parallele Hilfslinien mit Abstand", W::HilfslinieParallelAbstandFest, {h}, {{-50, 0}, {10, -5}}, {{-100, -20, 100, -20}}},
    {"winkelhalbierende Hilfslinie", W::HilfslinieWinkelhalbierende, {h, v}, {{50, 0}, {0, 50}}, {{-100, -100, 100, 100}}},
};
// clang-format on

// The end points in a fixed order, rounded, and construction lines (which
// cross the whole world) cut to the box +-100 about the middle.
Strecke normiert(Strecke s, bool hilfs) {
  if (hilfs) {
    const auto l = figur::weltgerade({s[0] + 100, s[1] + 100}, {s[2] - s[0], s[3] - s[1]}, 200, 200);
    s = l ? Strecke{l->a.x - 100, l->a.y - 100, l->b.x - 100, l->b.y - 100} : Strecke{};
  }
  for (double& d : s) d = std::round(d * 1000) / 1000 + 0.0;
  if (std::make_pair(s[2], s[3]) < std::make_pair(s[0], s[1])) std::swap(s[0], s[2]), std::swap(s[1], s[3]);
  return s;
}

class Konstruktionstest : public Werkzeugtest, public ::testing::WithParamInterface<Fall> {};

TEST_P(Konstruktionstest, Werkzeug) {
  const Fall& f = GetParam();
  Konstruktionswerkzeuge werkzeug;
  SkriptBenutzer benutzer;
  if (f.antwort) benutzer.eingaben.push_back(*f.antwort);
  werkzeug.benutzer = &benutzer;
  werkzeug.vorgabe.abstandZurReferenzlinie = f.abstand, werkzeug.vorgabe.anzahl = f.anzahl;
  werkzeug.vorgabe.teilungsverhaeltnis = 25, werkzeug.vorgabe.eigenschaftenUebernehmen = f.uebernehmen;
  werkzeug.vorgabe.farbe = 0x00AA00, werkzeug.vorgabe.hilfslinienfarbe = 0x0000FF;
  st.setzeModul(Werkzeuggruppe::Konstruktion, &werkzeug);
  const Weltpunkt o = z.ansicht.pixelToWorld(401, 299);
  z.speicher.aktuell.stift = 3;
  z.speicher.beginneSchritt();
  for (const Strecke& l : f.linien) {
    const std::int32_t n = linie(z.speicher, o.x + l[0], o.y + l[1], o.x + l[2], o.y + l[3], false);
    z.speicher.linie(n).stift = 7, z.speicher.linie(n).farbe = 0x123456;
  }
  if (f.linien.empty()) polygon(z.speicher, {{o.x - 100, o.y + 50}, {o.x + 100, o.y + 50}, {o.x, o.y + 90}});
  const std::int32_t vorher = z.speicher.anzahl();
  z.speicher.demarkiereAlle();
  st.waehleWerkzeug(f.werkzeug);
  for (Weltpunkt k : f.klicks) {
    const Pixelpunkt p = z.ansicht.worldToPixel(o.x + k.x, o.y + k.y);
    bewegen(p.x, p.y);
    st.mausGedrueckt({p.x, p.y, Maustaste::Links, {false, f.strg, false}}), loslassen(p.x, p.y);
  }
  if (f.laenge) {
    const Pixelpunkt m = z.ansicht.worldToPixel(o.x + f.maus->x, o.y + f.maus->y);
    bewegen(m.x, m.y);
    const Weltpunkt start = st.zustand().punkte.back();
    st.getippterPunkt(eingabeZuWelt(*f.laenge, 0, true, false, start, z.ansicht, z.massstabInKraft()));
  }
  EXPECT_EQ(benutzer.letzteMeldung(), f.fehler) << f.name;
  EXPECT_EQ(benutzer.fragen.size(), f.antwort || f.strg ? 1u : 0u) << f.name;
  const bool hilfs = nr(f.werkzeug) >= 800;
  std::vector<Strecke> neu, erwartet;
  for (std::int32_t n = vorher + 1; n <= z.speicher.anzahl(); ++n) {
    const Tliniendaten& d = z.speicher.linie(n);
    neu.push_back(normiert({d.x1 - o.x, d.y1 - o.y, d.x2 - o.x, d.y2 - o.y}, hilfs));
    EXPECT_EQ(d.stift, hilfs ? kHilfslinienstift : f.uebernehmen ? 7 : 3) << f.name;
    EXPECT_EQ(d.farbe, hilfs ? 0x0000FFu : f.uebernehmen ? 0x123456u : 0x00AA00u) << f.name;
    EXPECT_TRUE(z.speicher.markiert(n)) << f.name;
  }
  for (const Strecke& s : f.neu) erwartet.push_back(normiert(s, hilfs));
  std::sort(neu.begin(), neu.end()), std::sort(erwartet.begin(), erwartet.end());
  EXPECT_EQ(neu, erwartet) << f.name;
  EXPECT_EQ(z.speicher.anzahlMarkierte(), std::int32_t(f.neu.size())) << f.name;
  if (f.neu.empty()) return;
  z.speicher.rueckgaengig();  // one step takes the construction back
  int lebend = 0;
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) lebend += z.speicher.lebendig(n);
  EXPECT_EQ(lebend, vorher) << f.name;
}

INSTANTIATE_TEST_SUITE_P(Konstruktion, Konstruktionstest, ::testing::ValuesIn(kFaelle));

}  // namespace
}  // namespace quarzel::test
