// Drawings of earlier program versions: every accepted signature, the record
// forms only older files hold, and the line-style numbering of old versions.
// The files are put together by hand, as those versions wrote them.
#include <gtest/gtest.h>

#include <bit>
#include <memory>

#include "platform/skriptbenutzer.h"
#include "store/zeichnungsdatei.h"
#include "support/dateibauer.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

using test::Dateibauer;

Zeichnung leereZeichnung() {
  Zeichnung z;
  test::initialisiere(z.speicher);
  return z;
}

struct Geladen {
  Zeichnung z = leereZeichnung();
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
  EXPECT_EQ(b.markiert(), k.markiert);
  EXPECT_EQ(b.langerBogen(), k.langerBogen);
  // The line after the arc only arrives when the arc was read in its length.
  b.kopf().linie(10, 20, 30, 40).bogen(5, 6, 7).linie(1, 2, 3, 4).schluss();
  const auto g = lade(b);
  ASSERT_TRUE(g->e.geladen);
  EXPECT_EQ(g->e.signatur, k.signatur);
  EXPECT_EQ(g->e.version, k.version);
  EXPECT_EQ(g->e.vsVariante, k.vsVariante);
  EXPECT_EQ(g->e.verworfeneSaetze, 0);
  ASSERT_EQ(g->e.elemente, 3);
  const Elementspeicher& s = g->z.speicher;
  ASSERT_EQ(s.art(1), Elementart::Linie);
  // Without a reference record, coordinates are relative to the view origin
  // restored from the header.
  EXPECT_EQ(s.linie(1).x1, 4800);
  EXPECT_EQ(s.linie(1).y2, 4895);
  ASSERT_EQ(s.art(2), Elementart::Bogen);
  EXPECT_EQ(s.bogen(2).xm, 4795);
  EXPECT_EQ(s.bogen(2).xr, 7);
  EXPECT_EQ(s.bogen(2).endwinkel, 360);
  ASSERT_EQ(s.art(3), Elementart::Linie);
  EXPECT_EQ(s.linie(3).x2, 4793);
  EXPECT_TRUE(s.lebendig(3));
  EXPECT_EQ(s.markiert(3), 0);
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

TEST(Altdatei, NurKopfUndSchlussIstEineLeereZeichnung) {
  for (const char* signatur : {"Ostrun", "oS1.02", "VS1.00", "ZEI.01"}) {
    Dateibauer b = Dateibauer::fuer(signatur, 11);
    b.kopf().schluss();
    const auto g = lade(b);
    ASSERT_TRUE(g->e.geladen) << signatur;
    EXPECT_EQ(g->e.elemente, 0);
    EXPECT_EQ(g->z.speicher.anzahl(), 0);
    EXPECT_EQ(g->e.verworfeneSaetze, 0);
    EXPECT_TRUE(g->benutzer.meldungen.empty()) << g->benutzer.letzteMeldung();
    EXPECT_EQ(g->z.ebenen.anzahl(), 1);
  }
}

TEST(Altdatei, DateiendeOhneSchlussbeendetDasLesen) {
  Dateibauer b = Dateibauer::fuer("oStrun", 0);
  b.kopf().linie(1, 2, 3, 4);
  const auto g = lade(b);
  ASSERT_TRUE(g->e.geladen);
  EXPECT_EQ(g->e.elemente, 1);
}

// --- Line styles of old versions -------------------------------------------------

struct Stilfall {
  const char* signatur;
  std::uint16_t version;
  std::int16_t imDatei;
  std::int16_t erwartet;
};

class Linienstil : public testing::TestWithParam<Stilfall> {};

TEST_P(Linienstil, WirdAufDieHeutigeNummerAbgebildet) {
  const Stilfall f = GetParam();
  for (std::uint8_t tag : {'S', 's'}) {
    if (tag == 'S' && (f.imDatei < -128 || f.imDatei > 127)) continue;
    Dateibauer b = Dateibauer::fuer(f.signatur, f.version);
    b.kopf().satz(tag);
    if (tag == 'S')
      b.i8(static_cast<std::int8_t>(f.imDatei));
    else
      b.i16(f.imDatei);
    b.ende().linie(1, 1, 2, 2).schluss();
    const auto g = lade(b);
    ASSERT_EQ(g->e.elemente, 1);
    EXPECT_EQ(g->z.speicher.linienstil(1), f.erwartet) << f.signatur << " v" << f.version << " " << tag;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Versionen, Linienstil,
    testing::Values(
        // Before version 6 the complex patterns were numbered 12..32.
        Stilfall{"ZEI.01", 5, 20, 79}, Stilfall{"ZEI.01", 5, -20, -79}, Stilfall{"ZEI.01", 5, 12, 71},
        Stilfall{"ZEI.01", 5, 32, 91}, Stilfall{"ZEI.01", 5, 11, 11}, Stilfall{"ZEI.01", 5, 33, 33},
        Stilfall{"ZEI.01", 5, -11, -11}, Stilfall{"ZEI.01", 5, -33, -33}, Stilfall{"ZEI.01", 6, 20, 20},
        // Before version 9: 99 is today's 127, the predefined patterns 100 lower.
        Stilfall{"ZEI.01", 8, 99, 127}, Stilfall{"ZEI.01", 8, 95, -5}, Stilfall{"ZEI.01", 8, 91, -9},
        Stilfall{"ZEI.01", 8, 90, 90}, Stilfall{"ZEI.01", 8, 20, 20}, Stilfall{"ZEI.01", 9, 99, 99},
        Stilfall{"ZEI.01", 9, 95, 95}, Stilfall{"ZEI.01", 11, 20, 20},
        // A VS-variant file keeps its high numbers; it is version 1 otherwise.
        Stilfall{"VS1.00", 2, 95, 95}, Stilfall{"VS1.00", 2, 99, 127}, Stilfall{"VS1.00", 2, 20, 79},
        Stilfall{"VS1.00", 3, 95, -5},
        // Files without a version word are version 0.
        Stilfall{"Ostrun", 0, 20, 79}, Stilfall{"oS1.01", 0, 95, -5}, Stilfall{"oS1.02", 8, 99, 127}));

// --- Records of older files ------------------------------------------------------

TEST(Altdatei, LinieAlsR) {
  Dateibauer b = Dateibauer::fuer("oS1.02", 2);
  b.kopf().bezug(0, 0).linie(1, 2, 3, 4, 'R').schluss();
  const auto g = lade(b);
  ASSERT_EQ(g->e.elemente, 1);
  EXPECT_EQ(g->z.speicher.art(1), Elementart::Linie);
  EXPECT_EQ(g->z.speicher.linie(1).x1, 1);
  EXPECT_EQ(g->z.speicher.linie(1).y2, 4);
}

TEST(Altdatei, BemassungOhneTexteAlsM) {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 5);
  b.kopf().bezug(0, 0).satz('M');
  for (int i = 1; i <= 8; ++i) b.f64(i * 10);
  b.u8(2).f64(3.5).f64(90).text("2,50").u8(1).u8(0).text("").u32(11).u8(1).u32(12).u8(0).u32(13).u32(14).u32(15);
  b.ende().linie(0, 0, 1, 1).schluss();
  const auto g = lade(b);
  ASSERT_EQ(g->e.elemente, 2);
  ASSERT_EQ(g->z.speicher.art(1), Elementart::Bemassung);
  const tmessdaten& d = g->z.speicher.bemassung(1);
  EXPECT_EQ(d.geometrie[7], 80);
  EXPECT_EQ(d.typ, 2);
  EXPECT_EQ(d.textwinkel, 90);
  EXPECT_EQ(d.masstext, "2,50");
  EXPECT_EQ(d.schrift, "Arial") << "an empty font name";
  EXPECT_EQ(d.werte[4], 15u);
  EXPECT_EQ(d.schalter[0], 1);
  EXPECT_TRUE(d.vortext.empty());
}

TEST(Altdatei, EinzeiligerTextAlsT) {
  Dateibauer b = Dateibauer::fuer("oStrun", 0);
  b.kopf().bezug(0, 0).satz('T').f64(100).f64(200).u32(0x0000FF).u32(0).u32(std::bit_cast<std::uint32_t>(45.0f));
  b.u8(1).u8(0).u8(1).u8(0).u8(2).u8(0).text("Schnitt A–A").text("Courier New").ende();
  b.linie(0, 0, 1, 1).schluss();
  const auto g = lade(b);
  ASSERT_EQ(g->e.elemente, 2);
  ASSERT_EQ(g->z.speicher.art(1), Elementart::Text);
  const Tfliestextdaten& t = g->z.speicher.text(1);
  EXPECT_EQ(t.x, 100);
  EXPECT_EQ(t.farbe, 0x0000FFu);
  EXPECT_EQ(t.winkel, 45.0f);
  EXPECT_EQ(t.zeilen, std::vector<std::string>{"Schnitt A–A"});
  EXPECT_EQ(t.schrift, "Courier New");
  EXPECT_EQ(t.stil[4], 2);
}

TEST(Altdatei, FuellungenAlsIUndOe) {
  Dateibauer b = Dateibauer::fuer("VS1.00", 2);
  b.kopf().bezug(0, 0);
  b.satz('i').f64(1).f64(2).f64(3).f64(4).u16(7).u16(8).u32(3).roh("abc").ende();
  b.satz(0xF6 /* ö */).f64(1).f64(2).f64(3).f64(4).f64(5).f64(6).u16(7).u16(8).u32(2).roh("xy").ende();
  b.linie(0, 0, 1, 1).schluss();
  const auto g = lade(b);
  ASSERT_EQ(g->e.elemente, 3);
  const Elementspeicher& s = g->z.speicher;
  ASSERT_EQ(s.art(1), Elementart::Fuellung);
  EXPECT_EQ(s.bitmap(1).daten, (std::vector<std::uint8_t>{'a', 'b', 'c'}));
  EXPECT_EQ(s.bitmap(1).platzierung[3], 4);
  ASSERT_EQ(s.art(2), Elementart::Fuellung);
  EXPECT_EQ(s.bitmap(2).daten, (std::vector<std::uint8_t>{'x', 'y'}));
  EXPECT_EQ(s.bitmap(2).platzierung[5], 6);
  EXPECT_EQ(s.art(3), Elementart::Linie);
}

TEST(Altdatei, TexturAlsX) {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 8);
  b.kopf().satz('x').text("Holz").u32(4).roh("\x89PNG").ende().linie(0, 0, 1, 1).schluss();
  const auto g = lade(b);
  ASSERT_EQ(g->e.elemente, 1);
  ASSERT_EQ(g->z.optionen.texturen.size(), 1u);
  EXPECT_EQ(g->z.optionen.texturen[0].name, "Holz");
  EXPECT_EQ(g->z.optionen.texturen[0].daten.size(), 4u);
}

TEST(Altdatei, BitmapAlsIMitNameUndFuellungswahl) {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 9);
  b.kopf().bezug(0, 0);
  b.satz('I').f64(1).f64(2).f64(3).f64(4).u8(0).text("C:\\Bilder\\a.bmp").u32(2).roh("BM").u8(1).u8(0).ende();
  b.satz('I').f64(1).f64(2).f64(3).f64(4).u8(0).text("").u32(1).roh("z").u8(0).u8(1).ende();
  b.schluss();
  const auto g = lade(b);
  ASSERT_EQ(g->e.elemente, 2);
  EXPECT_EQ(g->z.speicher.art(1), Elementart::Bitmap);
  EXPECT_EQ(g->z.speicher.bitmap(1).gefuellt, 1);
  EXPECT_EQ(g->z.speicher.art(2), Elementart::Fuellung);
}

TEST(Altdatei, LeBewehrungspunkteHeisstJetztLeLager) {
  test::Kopfwerte k;
  k.ebenen = {{"Statik", {"Achsen", "LE-Bewehrungspunkte", "LE-Bewehrungspunkte2"}}};
  Dateibauer b = Dateibauer::fuer("oS1.02", 4);
  b.kopf(k).schluss();
  const auto g = lade(b);
  ASSERT_TRUE(g->e.geladen);
  EXPECT_EQ(g->z.ebenen.name(1), "Statik");
  EXPECT_EQ(g->z.ebenen.folienname(1, 1), "Achsen");
  EXPECT_EQ(g->z.ebenen.folienname(1, 2), "LE-Lager");
  EXPECT_EQ(g->z.ebenen.folienname(1, 3), "LE-Bewehrungspunkte2");
}

// --- Coordinates ---------------------------------------------------------------------

TEST(Altdatei, LinieAmRandDesBereichsFaelltStillWegDerBereichGiltNachDerTeilungDurchDenZoom) {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(0, 0);
  b.linie(100000000, 0, 0, 0).linie(0, 0, -100000000, 0).linie(0, 10000000, 0, 0).linie(0, 0, 0, -10000000);
  b.linie(99999999, 9999999, -99999999, -9999999);
  b.schluss();
  const auto g = lade(b);
  EXPECT_EQ(g->e.elemente, 1);
  EXPECT_EQ(g->e.verworfeneSaetze, 0) << "dropped silently, not as damage";
  EXPECT_TRUE(g->benutzer.meldungen.empty());
  EXPECT_EQ(g->z.speicher.linie(1).x1, 99999999);

  test::Kopfwerte k;
  k.zoom = 4;
  Dateibauer v = Dateibauer::fuer("ZEI.01", 11);
  v.kopf(k).bezug(0, 0).linie(300000000, 0, 0, 0).linie(400000000, 0, 0, 0).schluss();
  const auto h = lade(v);
  ASSERT_EQ(h->e.elemente, 1);
  EXPECT_EQ(h->z.speicher.linie(1).x1, 300000000);
  EXPECT_EQ(h->z.ansicht.zoom, 4);
}

TEST(Altdatei, OhneGueltigeAnsichtImKopfGiltDerUrsprungDesZiels) {
  test::Kopfwerte k;
  k.zoom = 0;  // not a possible view: the one in force stays
  Dateibauer b = Dateibauer::fuer("oS1.02", 8);
  b.kopf(k).linie(10, 20, 30, 40).schluss();
  Zeichnung z = leereZeichnung();
  z.ansicht.viewOriginX = 1000;
  z.ansicht.viewOriginY = 2000;
  SkriptBenutzer benutzer;
  const Ladeergebnis e = leseZeichnung(b.daten(), z, benutzer);
  ASSERT_EQ(e.elemente, 1);
  EXPECT_EQ(z.speicher.linie(1).x1, 1010);
  EXPECT_EQ(z.speicher.linie(1).y2, 2040);
}

TEST(Altdatei, AuchDieWeltkoordinatenEinerLinieMuessenImBereichLiegen) {
  // What a later save writes must load again: a line that the reference
  // point moves out of range is dropped like one whose own values are.
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(1e18, 0).linie(1, 2, 3, 4).bezug(-99999990, 0).linie(5, 6, 7, 8).linie(-20, 6, 7, 8).schluss();
  const auto g = lade(b);
  ASSERT_EQ(g->e.elemente, 1);
  EXPECT_EQ(g->z.speicher.linie(1).x1, -99999985);
}

TEST(Altdatei, DerBezugssatzMachtKoordinatenZuWeltmillimetern) {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().linie(1, 1, 2, 2).bezug(0, 0).linie(1, 1, 2, 2).bezug(100, 200).linie(1, 1, 2, 2).schluss();
  const auto g = lade(b);
  ASSERT_EQ(g->e.elemente, 3);
  EXPECT_EQ(g->z.speicher.linie(1).x1, 4791);
  EXPECT_EQ(g->z.speicher.linie(2).x1, 1);
  EXPECT_EQ(g->z.speicher.linie(3).y1, 201);
}

}  // namespace
}  // namespace quarzel
