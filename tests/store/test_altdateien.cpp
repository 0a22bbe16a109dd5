// Drawings of earlier program versions: one file of every accepted signature
// and version family, put together by hand as those versions wrote them, and
// the message for an unknown signature.
#include <gtest/gtest.h>

#include <memory>

#include "platform/skriptbenutzer.h"
#include "store/zeichnungsdatei.h"
#include "support/dateibauer.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

using test::Dateibauer;

struct Geladen {
  Zeichnung z;
  SkriptBenutzer benutzer;
  Ladeergebnis e;
};

std::unique_ptr<Geladen> lade(const Dateibauer& b) {
  auto g = std::make_unique<Geladen>();
  g->e = leseZeichnung(b.daten(), g->z, g->benutzer);
  meldeLadehinweise(g->e, g->benutzer);
  return g;
}

// --- Signatures and versions ---------------------------------------------------

struct Kennung {
  const char* signatur;
  std::uint16_t gespeicherteVersion;
  int version;  // as the reader reports it
  bool vsVariante;
  bool markiert;
  bool langerBogen;
};

class Signatur : public testing::TestWithParam<Kennung> {};

TEST_P(Signatur, LaedtLinieUndBogenInDerLaengeSeinerFamilie) {
  const Kennung k = GetParam();
  Dateibauer b = Dateibauer::fuer(k.signatur, k.gespeicherteVersion);
  EXPECT_EQ(std::tuple(b.markiert(), b.langerBogen()), std::tuple(k.markiert, k.langerBogen));
  // The line after the arc only arrives when the arc was read in its length.
  b.kopf().linie(10, 20, 30, 40).bogen(5, 6, 7).linie(1, 2, 3, 4).schluss();
  const auto g = lade(b);
  ASSERT_TRUE(g->e.geladen);
  EXPECT_EQ(std::tuple(g->e.signatur, g->e.version, g->e.vsVariante, g->e.verworfeneSaetze),
            std::tuple(k.signatur, k.version, k.vsVariante, 0));
  ASSERT_EQ(g->e.elemente, 3);
  const Elementspeicher& s = g->z.speicher;
  ASSERT_EQ(s.art(1), Elementart::Linie);
  // Without a reference record, coordinates are relative to the view origin
  // restored from the header.
  EXPECT_EQ(std::tuple(s.linie(1).x1, s.linie(1).y2), std::tuple(4800.0, 4895.0));
  ASSERT_EQ(s.art(2), Elementart::Bogen);
  EXPECT_EQ(std::tuple(s.bogen(2).xm, s.bogen(2).xr, s.bogen(2).endwinkel), std::tuple(4795, 7, 360));
  ASSERT_EQ(s.art(3), Elementart::Linie);
  EXPECT_EQ(std::tuple(s.linie(3).x2, s.lebendig(3), s.markiert(3)), std::tuple(4793, true, 0));
}

INSTANTIATE_TEST_SUITE_P(
    AlleFamilien, Signatur,
    testing::Values(Kennung{"Ostrun", 0, 0, false, false, false}, Kennung{"oStrun", 0, 0, false, false, false},
                    Kennung{"oS1.01", 0, 0, false, false, false}, Kennung{"oS1.02", 7, 7, false, false, false},
                    Kennung{"VS1.00", 2, 1, true, true, true}, Kennung{"VS1.00", 3, 3, false, true, false},
                    Kennung{"VS1.00", 4, 4, false, true, true}, Kennung{"ZEI.01", 3, 3, false, true, false},
                    Kennung{"ZEI.01", 5, 5, false, true, true}, Kennung{"ZEI.01", 8, 8, false, true, true},
                    Kennung{"ZEI.01", 11, 11, false, true, true}),
    [](const testing::TestParamInfo<Kennung>& i) {
      std::string name = std::string(i.param.signatur) + "_v" + std::to_string(i.param.gespeicherteVersion);
      for (char& c : name)
        if (c == '.') c = '_';
      return name;
    });

TEST(Altdatei, UnbekannteSignaturLaedtNichts) {
  Dateibauer b("ZEI.02", 11, true);
  b.kopf().linie(1, 2, 3, 4).schluss();
  const auto g = lade(b);
  EXPECT_FALSE(g->e.geladen);
  EXPECT_EQ(g->benutzer.letzteMeldung(), "Datei enthält keine gültige Zeichnung oder ist defekt!");
}

}  // namespace
}  // namespace quarzel
