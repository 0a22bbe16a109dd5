// The element store: insertion order, growth, adders, accessors and the
// operations on marked elements.
#include <gtest/gtest.h>

#include "platform/skriptbenutzer.h"
#include "store/elementspeicher.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

class Speicher : public ::testing::Test {
 protected:
  void SetUp() override { test::initialisiere(s); }
  Elementspeicher s;
};

TEST(Initialisierung, JederFehlschlagMeldetSeineKernelfehlernummer) {
  // Step numbers skip 7: there is no seventh table.
  for (int schritt : {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13}) {
    Elementspeicher s;
    s.allokationErlaubt = [schritt](int k) { return k != schritt; };
    SkriptBenutzer b;
    EXPECT_FALSE(s.initialisiere(b));
    ASSERT_EQ(b.meldungen.size(), 1u);
    EXPECT_EQ(b.meldungen[0].text, "Kernelfehler " + std::to_string(schritt));
    EXPECT_EQ(b.meldungen[0].art, Meldungsart::Fehler);
  }
}

TEST_F(Speicher, StartetLeerMitDenAnfangskapazitaetenUndLeerenFuehrtDorthinZurueck) {
  for (int runde = 0; runde < 2; ++runde) {
    EXPECT_EQ(s.anzahl(), 0);
    EXPECT_EQ(s.gesamtanzahl(), 0);
    EXPECT_EQ(s.kapazitaet(), 65535);
    EXPECT_EQ(s.undoStufe(), 0);
    for (int i = 0; i < 10; ++i) test::linie(s, i, 0, i, 1);
    s.leere();
  }
  EXPECT_EQ(test::linie(s, 0, 0, 1, 1), 1);
}

TEST_F(Speicher, NeueElementeTragenDieAktuellenAttribute) {
  s.aktuell = {.stift = 7, .linienstil = -3, .planteil = 4, .folie = 2};
  const auto n = s.neueLinie(1, 2, 3, 4, rgb(255, 0, 0), 99, 1);
  EXPECT_EQ(n, 1);
  EXPECT_TRUE(s.modifiziert());
  const Tliniendaten& l = s.linie(n);
  EXPECT_EQ(l.stift, 7);
  EXPECT_EQ(l.linienstil, 1) << "line styles below 1 are raised on creation";
  EXPECT_EQ(l.planteil, 4);
  EXPECT_EQ(l.folie, 2);
  EXPECT_EQ(l.farbe, rgb(255, 0, 0));
  EXPECT_EQ(l.attribut, 99u);
  EXPECT_EQ(l.attributFlag, 1);
  EXPECT_EQ(s.zustand(n), 0) << "not alive before it is completed";
  s.beginneSchritt();
  s.vervollstaendige(n);
  EXPECT_TRUE(s.lebendig(n));
  EXPECT_EQ(s.markiert(n), 1);
}

TEST_F(Speicher, SonderschalterSetztBeimVervollstaendigenDasFlag) {
  const auto normal = s.neueLinie(0, 0, 1, 1, 0);
  s.vervollstaendige(normal);
  s.sonderHinzufuegen = true;
  const auto n = s.neueLinie(0, 0, 1, 1, 0);
  s.vervollstaendige(n);
  EXPECT_EQ(s.flag(0, normal), 0);
  EXPECT_EQ(s.flag(0, n), 1);
}

TEST_F(Speicher, EinfuegenGeschiehtVorDemSchwanzDerSeineReihenfolgeBehaelt) {
  for (int i = 0; i < 4; ++i) test::linie(s, i, 0, i, 1);
  s.setzeAnzahl(2);  // elements 3 and 4 form the tail
  const auto n = s.neueLinie(10, 0, 10, 1, 0);
  EXPECT_EQ(n, 3);
  EXPECT_EQ(s.anzahl(), 3);
  EXPECT_EQ(s.gesamtanzahl(), 5);
  EXPECT_EQ(s.linie(3).x1, 10);
  EXPECT_EQ(s.linie(4).x1, 2);
  EXPECT_EQ(s.linie(5).x1, 3);
  EXPECT_TRUE(s.lebendig(4)) << "columns travel with the shifted element";
}

TEST_F(Speicher, Element65536LaesstDieSpaltenWachsenOhneVerlust) {
  s.beginneSchritt();
  for (int i = 1; i <= 65535; ++i) s.vervollstaendige(s.neueLinie(i, 0, i, 1, 0));
  EXPECT_EQ(s.kapazitaet(), 65535);
  const auto n = s.neueLinie(-1, 0, -1, 1, 0);
  EXPECT_EQ(n, 65536);
  EXPECT_EQ(s.kapazitaet(), 2 * 65535);
  EXPECT_EQ(s.linie(1).x1, 1);
  EXPECT_EQ(s.linie(65535).x1, 65535);
  EXPECT_TRUE(s.lebendig(65535));
  EXPECT_EQ(s.markiert(65535), 1);
  EXPECT_EQ(s.art(65536), Elementart::Linie);
}

TEST_F(Speicher, PolygonWirdNurBeiStilUnterEinsUndOffenemEndeGeschlossen) {
  auto mitPunkten = [&](std::initializer_list<std::pair<double, double>> p) {
    s.punkte.leere();
    for (auto [x, y] : p) s.punkte.fuegeHinzu(x, y);
    return s.neuesPolygon(Elementart::Polygon, {});
  };
  s.aktuell.linienstil = 0;
  EXPECT_EQ(s.polygon(mitPunkten({{0, 0}, {1, 0}, {1, 1}})).punktanzahl(), 4u);
  EXPECT_EQ(s.polygon(mitPunkten({{0, 0}, {1, 0}, {0, 0}})).punktanzahl(), 3u) << "already closed";
  s.aktuell.linienstil = 2;
  EXPECT_EQ(s.polygon(mitPunkten({{0, 0}, {1, 0}, {1, 1}})).punktanzahl(), 3u);
  EXPECT_EQ(s.polygon(3).punktflags.size(), 3u);
}

TEST_F(Speicher, PunktpufferNimmtHoechstens32768Punkte) {
  for (int i = 0; i < 32768; ++i) ASSERT_TRUE(s.punkte.fuegeHinzu(i, i));
  EXPECT_FALSE(s.punkte.fuegeHinzu(0, 0));
}

TEST_F(Speicher, FeldzugriffeBeachtenDieArt) {
  s.aktuell.stift = 5;
  const auto linie = s.neueLinie(0, 0, 1, 1, 0);
  Tfliestextdaten t;
  t.farbe = 77;
  const auto text = s.neuerText(Elementart::Text, t);
  const auto gruppe = s.neueGruppenklammer(Elementart::Gruppenanfang, {});

  EXPECT_EQ(s.stift(linie), 5);
  EXPECT_FALSE(s.stift(text).has_value()) << "texts have no pen";
  EXPECT_FALSE(s.linienstil(text).has_value());
  EXPECT_EQ(s.farbe(text), 77u);
  EXPECT_FALSE(s.farbe(gruppe).has_value());
  s.setzeStift(text, 9);  // ignored
  s.setzePlanteil(text, 3);
  EXPECT_EQ(s.planteil(text), 3);
  EXPECT_EQ(s.gruppenname(gruppe), "");
  EXPECT_FALSE(s.gruppenname(linie).has_value());
  EXPECT_EQ(s.fuellung(linie), nullptr);
}

TEST_F(Speicher, MarkerpunktNurBeiLinienMitAnfang21Bis29) {
  auto mitAnfang = [&](std::uint8_t a, Elementart art = Elementart::Linie) {
    Tliniendaten d;
    d.anfang = a;
    return s.neueLinie(d, art);
  };
  EXPECT_FALSE(s.istMarkerpunkt(mitAnfang(20)));
  EXPECT_TRUE(s.istMarkerpunkt(mitAnfang(21)));
  EXPECT_TRUE(s.istMarkerpunkt(mitAnfang(29)));
  EXPECT_FALSE(s.istMarkerpunkt(mitAnfang(30)));
  EXPECT_FALSE(s.istMarkerpunkt(mitAnfang(25, Elementart::Wandlinie2)));
}

TEST(Verlaufstyp, PackenUndEntpackenSindUmkehrbar) {
  EXPECT_EQ(packeVerlaufstyp({7, false, false}), 7);
  EXPECT_EQ(packeVerlaufstyp({7, false, true}), 57);
  EXPECT_EQ(packeVerlaufstyp({7, true, true}), 157);
  EXPECT_EQ(packeVerlaufstyp({7, true, false}), 7) << "flag A counts only together with B";
  for (int basis = 0; basis <= 50; ++basis)
    for (bool b : {false, true}) {
      const Verlaufstyp t{static_cast<std::uint8_t>(basis), b, b};
      if (basis == 0 && b) continue;  // 50 and 150 are ambiguous by construction
      EXPECT_EQ(entpackeVerlaufstyp(packeVerlaufstyp(t)), t) << basis;
    }
  EXPECT_EQ(entpackeVerlaufstyp(151), (Verlaufstyp{1, true, true}));
  EXPECT_EQ(entpackeVerlaufstyp(150), (Verlaufstyp{100, false, true}));
  EXPECT_EQ(entpackeVerlaufstyp(50), (Verlaufstyp{50, false, false}));
}

// --- Marked elements ---------------------------------------------------------

TEST_F(Speicher, LeererSpeicherVertraegtAlleOperationen) {
  s.loescheMarkierte();
  s.markierteNachHinten();
  s.nurGefuellteMarkiert();
  s.bereiteAenderungVor();
  EXPECT_EQ(s.anzahl(), 0);
}

TEST_F(Speicher, LoeschenDesEinzigenGruppenmitgliedsLoeschtDieGruppeEinWeiteresHaeltSie) {
  s.beginneSchritt();
  const auto aussen = test::klammer(s, Elementart::Gruppenanfang);
  const auto anfang = test::klammer(s, Elementart::Gruppenanfang);
  const auto linie = test::linie(s, 0, 0, 1, 1, false);
  const auto ende = test::klammer(s, Elementart::Gruppenende);
  const auto aussenEnde = test::klammer(s, Elementart::Gruppenende);
  const auto frei = test::linie(s, 5, 5, 6, 6, false);
  const auto anfang2 = test::klammer(s, Elementart::Gruppenanfang);
  const auto a = test::linie(s, 0, 0, 1, 1, false);
  test::linie(s, 2, 2, 3, 3, false);
  const auto ende2 = test::klammer(s, Elementart::Gruppenende);

  s.setzeMarkiert(linie, 1);
  s.setzeMarkiert(a, 1);
  s.loescheMarkierte();
  for (auto n : {aussen, anfang, linie, ende, aussenEnde, a}) EXPECT_FALSE(s.lebendig(n)) << n;
  EXPECT_TRUE(s.lebendig(frei));
  EXPECT_TRUE(s.lebendig(anfang2));
  EXPECT_TRUE(s.lebendig(ende2));
  EXPECT_EQ(s.gruppenende(anfang2), ende2);
  s.rueckgaengig();
  for (auto n : {aussen, anfang, linie, ende, aussenEnde, a}) EXPECT_TRUE(s.lebendig(n)) << n;
}

TEST_F(Speicher, NachHintenBehaeltDieReihenfolgeDerMarkierten) {
  for (int i = 1; i <= 6; ++i) test::linie(s, i, 0, i, 1);
  for (int n : {2, 4, 6}) s.setzeMarkiert(n, 1);
  s.markierteNachHinten();
  const double erwartet[] = {2, 4, 6, 1, 3, 5};
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(s.linie(n).x1, erwartet[n - 1]) << n;
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(s.markiert(n), 1);
    EXPECT_EQ(s.zustand(n), s.undoStufe());
  }
  EXPECT_EQ(s.markiert(4), 0);
}

TEST_F(Speicher, DemarkierenNachArtUndNurGefuellte) {
  s.beginneSchritt();
  const auto linie = test::linie(s, 0, 0, 1, 1, false);
  const auto offen = test::polygon(s, {{0, 0}, {1, 0}, {1, 1}});
  const auto voll = test::polygon(s, {{0, 0}, {2, 0}, {2, 2}});
  s.polygon(voll).fuellung.gefuellt = 1;
  s.markiereAlleLebendigen();
  s.nurGefuellteMarkiert();
  EXPECT_EQ(s.markiert(linie), 0);
  EXPECT_EQ(s.markiert(offen), 0);
  EXPECT_EQ(s.markiert(voll), 1);

  s.markiereAlleLebendigen();
  s.demarkiereArt(Elementart::Polygon, [&](std::int32_t n) { return n != voll; });
  EXPECT_EQ(s.markiert(offen), 0);
  EXPECT_EQ(s.markiert(voll), 1) << "the filter keeps it";
  EXPECT_EQ(s.markiert(linie), 1);
}

TEST_F(Speicher, AttributFuerAlleMarkiertenIstEinRueckgaengigSchritt) {
  const auto linie = test::linie(s, 0, 0, 1, 1);
  Tfliestextdaten t;
  s.beginneSchritt();
  const auto text = s.neuerText(Elementart::Text, t);
  s.vervollstaendige(text);
  s.setzeMarkiert(linie, 1);
  s.setzeStiftMarkierte(9);

  // The line was replaced by a changed copy; the text keeps its mark.
  std::int32_t kopie = 0;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    if (s.lebendig(n) && s.art(n) == Elementart::Linie) kopie = n;
  ASSERT_NE(kopie, 0);
  EXPECT_EQ(s.linie(kopie).stift, 9);
  EXPECT_EQ(s.markiert(kopie), 1);
  std::int32_t textNeu = 0;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    if (s.art(n) == Elementart::Text) textNeu = n;
  EXPECT_EQ(s.markiert(textNeu), 1);

  s.rueckgaengig();
  for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
    if (s.lebendig(n) && s.art(n) == Elementart::Linie) {
      EXPECT_EQ(s.linie(n).stift, 1);
    }
  }
}

}  // namespace
}  // namespace quarzel
