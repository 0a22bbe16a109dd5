// The dimensioning tools through the state machine: scripted clicks, the
// records they write, one undo step, and the picks they refuse.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/bemassungswerkzeuge.h"
#include "platform/skriptbenutzer.h"
#include "render/bemassungslayout.h"
#include "support/edit/test_werkzeug_hilfen.h"

namespace quarzel::test {
namespace {

using W = Werkzeugcode;

struct Fall {
  const char* name;
  W werkzeug;
  std::uint8_t knopf;
  std::vector<Weltpunkt> klicks;  // from the drawing's middle (world mm, y down)
  std::optional<Weltpunkt> rechts;
  std::vector<std::uint8_t> typen;  // of the new records
  std::array<double, 4> erster{};   // P1 and P2 of the first record
  double wert = 0;                  // its length (mm) or angle (degrees)
  const char* meldung = "";
  bool escape = false;
};

// The drawing holds a horizontal and a vertical line through the middle and
// a circle of radius 50 about (200, 0).
// clang-format off
const Fall kFaelle[] = {
    {"waagerecht ueber den Punkten", W::StreckenMessen, 0, {{0, 0}, {100, 20}, {50, -30}}, {}, {1}, {0, 0, 100, 20}, 100},
    {"senkrecht daneben", W::StreckenMessen, 0, {{0, 0}, {100, 20}, {150, 10}}, {}, {2}, {0, 0, 100, 20}, 20},
    {"parallel schraeg", W::StreckenMessen, 0, {{0, 0}, {30, 40}, {150, -40}}, {}, {0}, {0, 0, 30, 40}, 50},
    {"ohne Massline nur die Laenge", W::StreckenMessen, 1, {{0, 0}, {30, 40}}, {}, {}, {}, 0, "Länge: 5 m"},
    {"Radius am Klickpunkt", W::Radiusbemassung, 0, {{200, -50}}, {}, {3}, {200, 0, 200, -50}, 50},
    {"Durchmesser", W::Durchmesserbemassung, 0, {{250, 0}}, {}, {4}, {150, 0, 250, 0}, 100},
    {"Radius auf einer Linie abgelehnt", W::Radiusbemassung, 0, {{-60, 0}}, {}, {}, {}, 0, "Bitte einen Kreis oder Kreisbogen wählen."},
    {"Winkel zweier Linien, Sektor der Maus", W::WinkelbemassungBogen, 0, {{-60, 0}, {0, 60}, {-30, 30}}, {}, {5}, {0, 0, -100, 0}, 90},
    {"Winkel aus drei Punkten, ueberstumpf", W::WinkelbemassungBogen, 0, {{20, 20}, {120, 20}, {20, -80}, {0, 40}}, {}, {5}, {20, 20, 20, -80}, 270},
    {"Winkelsymbol", W::WinkelbemassungSymbol, 0, {{60, 0}, {0, -60}, {30, -30}}, {}, {6}, {0, 0, 100, 0}, 90},
    {"gleiche Linie zweimal", W::WinkelbemassungBogen, 0, {{-60, 0}, {-40, 0}}, {}, {}, {}, 0, "Bitte zwei verschiedene Linien wählen."},
    {"Masskette horizontal", W::Masskette, 0, {{0, 10}, {50, 20}, {120, 10}}, Weltpunkt{60, -40}, {1, 1}, {0, 10, 50, 20}, 50},
    {"Masskette diagonal", W::Masskette, 2, {{10, 10}, {40, 50}, {70, 90}}, Weltpunkt{0, 90}, {9, 9}, {10, 10, 40, 50}, 50},
    {"Escape verwirft die Kette", W::Masskette, 1, {{10, 10}, {10, 50}}, {}, {}, {}, 0, "", true},
    {"automatisch durch Linie und Kreis", W::AutomatischeMasskette, 0, {{-150, 30}, {300, 30}, {0, 80}}, {}, {9, 9}, {0, 30, 160, 30}, 160},
    {"automatisch ohne Objekte", W::AutomatischeMasskette, 0, {{-150, 150}, {300, 150}, {0, 180}}, {}, {}, {}, 0, "Keine geeigneten Objekte im Messbereich!"},
    {"Mehrfachbemassung vom ersten Punkt", W::Mehrfachbemassung, 0, {{10, 10}, {50, 10}, {90, 10}}, Weltpunkt{0, -30}, {1, 1}, {10, 10, 50, 10}, 40},
    {"Kette senkrecht zur Referenzlinie", W::MasskettSenkrecht, 0, {{-60, 0}, {10, 10}, {15, 40}}, Weltpunkt{-30, 20}, {9}, {10, 10, 15, 40}, 30},
    {"Kote", W::Kotenbemassung, 0, {{10, -20}}, {}, {8}, {10, -20}, 20},
};
// clang-format on

class Bemassungstest : public Werkzeugtest, public ::testing::WithParamInterface<Fall> {};

TEST_P(Bemassungstest, Werkzeug) {
  const Fall& f = GetParam();
  Bemassungswerkzeuge werkzeug;
  SkriptBenutzer benutzer;
  werkzeug.benutzer = &benutzer;
  st.setzeModul(Werkzeuggruppe::Messen, &werkzeug);
  const Weltpunkt o = z.ansicht.pixelToWorld(401, 299);
  z.ansicht.zeroPoint = o;
  z.speicher.beginneSchritt();
  linie(z.speicher, o.x - 100, o.y, o.x + 100, o.y, false);
  linie(z.speicher, o.x, o.y - 100, o.x, o.y + 100, false);
  z.speicher.vervollstaendige(z.speicher.neuerBogen({.xm = o.x + 200, .ym = o.y, .xr = 50, .yr = 50}));
  const std::int32_t vorher = z.speicher.anzahl();
  st.waehleWerkzeug(f.werkzeug, f.knopf);
  for (Weltpunkt k : f.klicks) {
    const Pixelpunkt p = z.ansicht.worldToPixel(o.x + k.x, o.y + k.y);
    bewegen(p.x, p.y);
    links(p.x, p.y), loslassen(p.x, p.y);
  }
  if (f.escape) escape();
  if (f.rechts) {
    const Pixelpunkt p = z.ansicht.worldToPixel(o.x + f.rechts->x, o.y + f.rechts->y);
    rechts(p.x, p.y);
  }
  EXPECT_EQ(benutzer.letzteMeldung(), f.meldung) << f.name;
  std::vector<std::uint8_t> typen;
  for (std::int32_t n = vorher + 1; n <= z.speicher.anzahl(); ++n) {
    typen.push_back(z.speicher.bemassung(n).typ);
    EXPECT_TRUE(z.speicher.markiert(n)) << f.name;
  }
  EXPECT_EQ(typen, f.typen) << f.name;
  EXPECT_TRUE(st.zustand().punkte.empty()) << f.name;
  if (f.typen.empty()) return;
  const tmessdaten& d = z.speicher.bemassung(vorher + 1);
  const std::array<double, 4> erster{d.geometrie[0] - o.x, d.geometrie[1] - o.y, d.geometrie[2] - o.x,
                                     d.geometrie[3] - o.y};
  for (int i = 0; i < (d.typ == 8 ? 2 : 4); ++i) EXPECT_NEAR(erster[i], f.erster[i], 1e-6) << f.name << " " << i;
  const double wert = istWinkelbemassung(d) ? gemessenerWinkel(d) : d.typ == 8 ? gemesseneHoehe(d) : gemesseneLaenge(d);
  EXPECT_NEAR(wert, f.wert, 1e-6) << f.name;
  z.speicher.rueckgaengig();  // one step takes all records of the tool back
  int lebend = 0;
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) lebend += z.speicher.lebendig(n);
  EXPECT_EQ(lebend, vorher) << f.name;
}

INSTANTIATE_TEST_SUITE_P(Bemassung, Bemassungstest, ::testing::ValuesIn(kFaelle));

}  // namespace
}  // namespace quarzel::test
