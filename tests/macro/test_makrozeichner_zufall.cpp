// Hostile operands: random words of the drawing groups with random values
// never crash, never put a non-finite coordinate into the store, and a run's
// end always leaves the group brackets balanced.
#include <cmath>
#include <random>

#include "makrozeichner_hilfe.h"

namespace quarzel::test {
namespace {

bool istZeichenwort(Befehlsgruppe g) {
  return g == Befehlsgruppe::Figur || g == Befehlsgruppe::Textfigur || g == Befehlsgruppe::Stil ||
         g == Befehlsgruppe::Umgebung;
}

TEST_F(MakrozeichnerTest, ZufaelligeWorteUndWerteHinterlassenEineHeileZeichnung) {
  std::vector<Befehl> worte;
  for (const Befehlseintrag& e : befehlstabelle())
    if (istZeichenwort(e.gruppe)) worte.push_back(e.befehl);
  const std::vector<std::string> werte = {"0",      "1",      "-1",  "2",   "3",   "7",    "90", "-360",  "1e308",
                                          "-1e308", "1e-300", "0,5", "abc", "",    " ",    "5",  "99999", "2.5",
                                          "124",    "40000",  "nan", "-0",  "250", "1000", "mm", "cm"};
  std::mt19937 zufall(4711);
  for (int runde = 0; runde < 20; ++runde) {
    m.laufBeginnt();
    for (int i = 0; i < 400; ++i) {
      const int anzahl = std::uniform_int_distribution<int>(0, 8)(zufall);
      for (int k = 0; k < anzahl; ++k) s.lege(werte[zufall() % werte.size()]);
      m.fuehreAus(worte[zufall() % worte.size()], s, v);
      if (s.groesse() > 1000) s.leere();
    }
    m.laufEndet();
  }

  int tiefe = 0;
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) {
    if (!z.speicher.lebendig(n)) continue;
    const Elementart art = z.speicher.art(n);
    if (art == Elementart::Gruppenanfang) ++tiefe;
    if (art == Elementart::Gruppenende) --tiefe;
    ASSERT_GE(tiefe, 0);
    if (istLinienart(art)) {
      const Tliniendaten& d = z.speicher.linie(n);
      ASSERT_TRUE(std::isfinite(d.x1) && std::isfinite(d.y1) && std::isfinite(d.x2) && std::isfinite(d.y2));
    } else if (istPolygonart(art)) {
      for (double x : z.speicher.polygon(n).x) ASSERT_TRUE(std::isfinite(x));
    } else if (art == Elementart::Bogen) {
      ASSERT_TRUE(std::isfinite(z.speicher.bogen(n).xr));
    }
  }
  EXPECT_EQ(tiefe, 0);
  EXPECT_LE(z.ebenen.anzahl(), Ebenen::Hoechstzahl);
}

}  // namespace
}  // namespace quarzel::test
