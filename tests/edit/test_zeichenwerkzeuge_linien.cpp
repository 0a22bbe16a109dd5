// The line module: what each figure adds, with which attributes, and that a
// finished figure is one undo step.
#include <cmath>

#include "test_zeichenwerkzeuge_hilfen.h"

namespace quarzel::test {
namespace {

using Linienfiguren = Zeichenwerkzeuge;

TEST_F(Linienfiguren, ZweiKlicksGebenEineLinieMitDenAktuellenAttributen) {
  z.speicher.aktuell = {4, 7, 2, 3};  // pen, style, layer, sublayer
  linien.vorgabe.farbe = rgb(10, 20, 30);
  starte(1);
  klick(linien, 5000, 5000);
  EXPECT_EQ(zs.schritt, 2);
  klick(linien, 5030, 4990);

  ASSERT_EQ(lebende().size(), 1u);
  const std::int32_t n = lebende()[0];
  ASSERT_EQ(z.speicher.art(n), Elementart::Linie);
  const Tliniendaten& l = z.speicher.linie(n);
  EXPECT_EQ(l.x1, 5000);
  EXPECT_EQ(l.y1, 5000);
  EXPECT_EQ(l.x2, 5030);
  EXPECT_EQ(l.y2, 4990);
  EXPECT_EQ(l.stift, 4);
  EXPECT_EQ(l.linienstil, 7);
  EXPECT_EQ(l.planteil, 2);
  EXPECT_EQ(l.folie, 3);
  EXPECT_EQ(l.farbe, rgb(10, 20, 30));
  EXPECT_TRUE(z.speicher.modifiziert());
  // The tool stays, waiting for the next figure.
  EXPECT_EQ(zs.schritt, 1);
  EXPECT_TRUE(zs.punkte.empty());
  EXPECT_FALSE(zs.bezug);
  ASSERT_EQ(gezeichnet.size(), 1u);
  EXPECT_EQ(gezeichnet[0], std::make_pair(n, n));
}

TEST_F(Linienfiguren, JedeFigurIstEinUndoSchritt) {
  starte(1);
  klicks(linien, {{5000, 5000}, {5010, 5000}});
  linien.vorgabe.eckradius = 0;
  starte(3);
  klicks(linien, {{5000, 5000}, {5020, 5020}});
  EXPECT_EQ(lebende().size(), 5u);
  EXPECT_EQ(z.speicher.undoStufe(), 2);

  z.speicher.rueckgaengig();  // the whole rectangle goes
  EXPECT_EQ(lebende().size(), 1u);
  z.speicher.rueckgaengig();
  EXPECT_TRUE(lebende().empty());
  z.speicher.wiederherstellen();
  z.speicher.wiederherstellen();
  EXPECT_EQ(lebende().size(), 5u);
}

TEST_F(Linienfiguren, RechteckOhneRundungIstVierLinienRundum) {
  starte(3);
  klicks(linien, {{5000, 5000}, {5040, 5020}});
  ASSERT_EQ(anzahl(Elementart::Linie), 4u);
  ASSERT_EQ(lebende().size(), 4u);
  // The sides join end to start and go all round.
  double umfang = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const auto& a = z.speicher.linie(lebende()[i]);
    const auto& b = z.speicher.linie(lebende()[(i + 1) % 4]);
    EXPECT_EQ(a.x2, b.x1);
    EXPECT_EQ(a.y2, b.y1);
    umfang += std::hypot(a.x2 - a.x1, a.y2 - a.y1);
  }
  EXPECT_DOUBLE_EQ(umfang, 120);
}

TEST_F(Linienfiguren, RechteckMitEckradiusHatViertelboegenAnDenSeitenenden) {
  linien.vorgabe.eckradius = 5;
  starte(3);
  klicks(linien, {{5000, 5000}, {5040, 5020}});
  ASSERT_EQ(anzahl(Elementart::Linie), 4u);
  ASSERT_EQ(anzahl(Elementart::Bogen), 4u);
  for (std::int32_t n : lebende()) {
    if (z.speicher.art(n) != Elementart::Bogen) continue;
    const auto& b = z.speicher.bogen(n);
    EXPECT_EQ(b.xr, 5);
    EXPECT_FLOAT_EQ(b.endwinkel - b.startwinkel, 90);
    // Both ends of each corner arc are ends of sides.
    for (double w : {double(b.startwinkel), double(b.endwinkel)}) {
      const double x = b.xm + 5 * std::cos(w * M_PI / 180), y = b.ym - 5 * std::sin(w * M_PI / 180);
      bool getroffen = false;
      for (std::int32_t k : lebende())
        if (z.speicher.art(k) == Elementart::Linie) {
          const auto& l = z.speicher.linie(k);
          getroffen |= (std::fabs(l.x1 - x) < 1e-9 && std::fabs(l.y1 - y) < 1e-9) ||
                       (std::fabs(l.x2 - x) < 1e-9 && std::fabs(l.y2 - y) < 1e-9);
        }
      EXPECT_TRUE(getroffen) << w;
    }
  }
}

TEST_F(Linienfiguren, ZuGrosserEckradiusWirdAufDieHalbeKurzeSeiteBegrenzt) {
  linien.vorgabe.eckradius = 100;
  starte(3);
  klicks(linien, {{5000, 5000}, {5040, 5020}});
  EXPECT_EQ(ersterBogen().xr, 10);
  // The short sides are all arc now: only the two long sides stay lines.
  EXPECT_EQ(anzahl(Elementart::Linie), 2u);
  EXPECT_EQ(anzahl(Elementart::Bogen), 4u);
}

TEST_F(Linienfiguren, PolygonzugEndetMitDerRechtenTasteOderDoppelklickOhneNeuenPunkt) {
  starte(8);
  klicks(linien, {{5000, 5000}, {5010, 5000}, {5010, 5010}, {5020, 5020}});
  EXPECT_TRUE(lebende().empty());
  EXPECT_EQ(zs.schritt, 2);
  linien.zweiteTaste(u, {5100, 5100});  // the position of the right click adds no point
  ASSERT_EQ(anzahl(Elementart::Linie), 3u);
  EXPECT_EQ(z.speicher.undoStufe(), 1);
  EXPECT_TRUE(zs.punkte.empty());

  klicks(linien, {{5000, 5000}, {5010, 5000}, {5010, 5010}});
  linien.doppelklick(u, {5010, 5010});  // the press already brought this point
  EXPECT_EQ(anzahl(Elementart::Linie), 5u);
}

TEST_F(Linienfiguren, ZuWenigeGleicheOderNichtEndlichePunkteLegenNichtsAn) {
  starte(1);
  klick(linien, 5000, 5000);
  linien.zweiteTaste(u, {5010, 5010});
  EXPECT_EQ(zs.schritt, 1);
  EXPECT_TRUE(zs.punkte.empty());
  klicks(linien, {{5000, 5000}, {5000, 5000}});
  EXPECT_EQ(zs.schritt, 1);
  klick(linien, std::nan(""), 5000);
  EXPECT_TRUE(zs.punkte.empty());
  EXPECT_TRUE(lebende().empty());
  EXPECT_EQ(z.speicher.undoStufe(), 0);
  EXPECT_TRUE(gezeichnet.empty());
  klicks(linien, {{5000, 5000}, {INFINITY, 5000}, {5001, 5000}});
  EXPECT_EQ(lebende().size(), 1u);
}

TEST_F(Linienfiguren, MehrfachlinieLegtEineParalleleJeAbstandLinks) {
  linien.vorgabe.mehrfachAbstaende = {0, 2, -3};
  starte(7);
  klicks(linien, {{5000, 5000}, {5010, 5000}});
  ASSERT_EQ(anzahl(Elementart::Linie), 3u);
  const auto n = lebende();
  // Drawing to the right, "left" on screen is up: smaller y.
  EXPECT_EQ(z.speicher.linie(n[0]).y1, 5000);
  EXPECT_EQ(z.speicher.linie(n[1]).y1, 4998);
  EXPECT_EQ(z.speicher.linie(n[2]).y2, 5003);
}

TEST_F(Linienfiguren, LinieAusDerMitteReichtGleichWeitNachBeidenSeiten) {
  starte(42);
  klicks(linien, {{5000, 5000}, {5010, 5004}});
  const auto& l = z.speicher.linie(lebende().at(0));
  EXPECT_EQ(l.x1, 4990);
  EXPECT_EQ(l.y1, 4996);
}

TEST_F(Linienfiguren, MarkerpunktIstEineLinieOhneLaengeMitMarkerendeUngueltigerTypWirdDerErste) {
  for (auto [typ, anfang] : {std::pair{23, 23}, std::pair{40, 21}}) {
    linien.vorgabe.markertyp = static_cast<std::uint8_t>(typ);
    starte(54);
    klick(linien, 5000, 5000);
    const std::int32_t n = lebende().back();
    EXPECT_TRUE(z.speicher.istMarkerpunkt(n));
    EXPECT_EQ(z.speicher.linie(n).anfang, anfang) << typ;
  }
  EXPECT_EQ(lebende().size(), 2u);
}

TEST_F(Linienfiguren, VieleckHatNGleichLangeSeitenUmDieMitte) {
  linien.vorgabe.eckenzahl = 5;
  starte(36);
  klicks(linien, {{5000, 5000}, {5010, 5000}});
  ASSERT_EQ(anzahl(Elementart::Linie), 5u);
  const double seite = 2 * 10 * std::sin(M_PI / 5);
  for (std::int32_t n : lebende()) {
    const auto& l = z.speicher.linie(n);
    EXPECT_NEAR(std::hypot(l.x2 - l.x1, l.y2 - l.y1), seite, 1e-9);
    EXPECT_NEAR(std::hypot(l.x1 - 5000, l.y1 - 5000), 10, 1e-9);
  }
}

TEST_F(Linienfiguren, SternWechseltZwischenAussenUndInnenradius) {
  linien.vorgabe.eckenzahl = 4;
  linien.vorgabe.sternverhaeltnis = 0.4;
  starte(46);
  klicks(linien, {{5000, 5000}, {5010, 5000}});
  ASSERT_EQ(anzahl(Elementart::Linie), 8u);
  const auto n = lebende();
  for (std::size_t i = 0; i < n.size(); ++i) {
    const auto& l = z.speicher.linie(n[i]);
    EXPECT_NEAR(std::hypot(l.x1 - 5000, l.y1 - 5000), i % 2 ? 4 : 10, 1e-9);
  }
}

TEST_F(Linienfiguren, ParallelogrammSchliesstMitDerVerschobenenErstenSeite) {
  starte(44);
  klicks(linien, {{5000, 5000}, {5010, 5000}, {5013, 4990}});
  ASSERT_EQ(anzahl(Elementart::Linie), 4u);
  const auto& letzte = z.speicher.linie(lebende()[3]);
  EXPECT_EQ(letzte.x1, 5003);
  EXPECT_EQ(letzte.y1, 4990);
  EXPECT_EQ(letzte.x2, 5000);
}

TEST_F(Linienfiguren, KonusIstSymmetrischZurAchseDerGrundseite) {
  starte(45);
  klicks(linien, {{5000, 5000}, {5020, 5000}, {5013, 4990}});
  const auto& oben = z.speicher.linie(lebende().at(2));  // the top side
  EXPECT_NEAR(oben.x1, 5013, 1e-9);
  EXPECT_NEAR(oben.x2, 5007, 1e-9);
  EXPECT_NEAR(oben.y1, 4990, 1e-9);
}

TEST_F(Linienfiguren, GedrehtesRechteckStehtRechtwinkligAufDerErstenSeite) {
  starte(47);
  klicks(linien, {{5000, 5000}, {5010, 5010}, {5000, 5020}});
  const auto n = lebende();
  ASSERT_EQ(n.size(), 4u);
  const auto& a = z.speicher.linie(n[0]);
  const auto& b = z.speicher.linie(n[1]);
  EXPECT_NEAR((a.x2 - a.x1) * (b.x2 - b.x1) + (a.y2 - a.y1) * (b.y2 - b.y1), 0, 1e-9);
  EXPECT_NEAR(std::hypot(b.x2 - b.x1, b.y2 - b.y1), std::sqrt(200.0), 1e-9);
}

TEST_F(Linienfiguren, LinienkreuzeHabenZweiArmeUmDenMittelpunkt) {
  starte(43);
  klicks(linien, {{5000, 5000}, {5003, 5004}});
  starte(53);
  klicks(linien, {{5000, 5000}, {5003, 5004}});
  const auto n = lebende();
  ASSERT_EQ(n.size(), 4u);
  for (std::int32_t k : n) {
    const auto& l = z.speicher.linie(k);
    EXPECT_NEAR((l.x1 + l.x2) / 2, 5000, 1e-9);
    EXPECT_NEAR(std::hypot(l.x2 - l.x1, l.y2 - l.y1), 10, 1e-9);
  }
  EXPECT_EQ(z.speicher.linie(n[0]).y1, 5000);  // horizontal arm
}

TEST_F(Linienfiguren, AbbrechenVerwirftDieGesammeltenPunkteFremdeCodesBleibenUnberuehrt) {
  starte(3);
  klick(linien, 5000, 5000);
  linien.abbrechen(u);
  EXPECT_TRUE(zs.punkte.empty());
  EXPECT_EQ(zs.schritt, 1);
  klicks(linien, {{5000, 5000}, {5010, 5010}});
  EXPECT_EQ(lebende().size(), 4u);

  starte(9);  // an area tool
  klicks(linien, {{5000, 5000}, {5010, 5010}});
  EXPECT_TRUE(zs.punkte.empty());
  EXPECT_EQ(lebende().size(), 4u);
  EXPECT_FALSE(linien.bedient(9));
  EXPECT_TRUE(linien.bedient(40));
}

// Construction lines.

TEST_F(Linienfiguren, HilfslinienReichenDurchIhrePunkteBisZumWeltrand) {
  linien.vorgabe.hilfslinienfarbe = rgb(0, 0, 255);
  starte(800);
  klick(linien, 5000, 4321);
  starte(802);
  klicks(linien, {{5000, 5000}, {5010, 5010}});
  ASSERT_EQ(lebende().size(), 2u);
  const auto& w = z.speicher.linie(lebende()[0]);
  EXPECT_EQ(std::fmin(w.x1, w.x2), 0);
  EXPECT_EQ(std::fmax(w.x1, w.x2), 10000);
  EXPECT_EQ(w.y1, 4321);
  EXPECT_EQ(w.y2, 4321);
  EXPECT_EQ(w.stift, kHilfslinienstift);
  EXPECT_EQ(w.farbe, rgb(0, 0, 255));
  const auto& l = z.speicher.linie(lebende()[1]);
  EXPECT_NEAR(l.x1, 0, 1e-9);
  EXPECT_NEAR(l.y1, 0, 1e-9);
  EXPECT_NEAR(l.x2, 10000, 1e-9);
  EXPECT_NEAR(l.y2, 10000, 1e-9);
}

TEST_F(Linienfiguren, HilfslinienkreuzUndRunderHilfskreisSindHilfslinien) {
  starte(815);
  klick(linien, 5000, 5000);
  starte(810);
  klicks(linien, {{5000, 5000}, {5000, 5010}});
  ASSERT_EQ(anzahl(Elementart::Linie), 2u);
  EXPECT_EQ(ersterBogen().stift, kHilfslinienstift);
  EXPECT_EQ(ersterBogen().xr, 10);
  for (std::int32_t n : lebende()) {
    if (z.speicher.art(n) == Elementart::Linie) {
      EXPECT_EQ(z.speicher.linie(n).stift, kHilfslinienstift);
    }
  }
}

}  // namespace
}  // namespace quarzel::test
