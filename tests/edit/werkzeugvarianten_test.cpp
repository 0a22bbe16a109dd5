// Every drawing tool code a button or its variants can set is served by the
// module of its group, the variant table is consistent, the circles of a fixed
// radius draw what the panel says, and which elements are marked after a
// drawing tool or an edit command.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "edit/bearbeitungswerkzeuge.h"
#include "edit/markierwerkzeug.h"
#include "edit/werkzeugsteuerung.h"
#include "edit/werkzeugvarianten.h"
#include "test_zeichenwerkzeuge_hilfen.h"

namespace quarzel::test {
namespace {

// --- The variant table -------------------------------------------------------

TEST(Werkzeugvarianten, JederKnopfBeginntMitSeinemEigenenCode) {
  for (const Variantenknopf& k : variantenknoepfe()) {
    ASSERT_FALSE(k.varianten.empty()) << k.code;
    EXPECT_EQ(k.varianten.front().code, k.code);
    EXPECT_EQ(variantenknopf(k.code), &k);
  }
}

TEST(Werkzeugvarianten, KeinCodeGehoertZuZweiKnoepfen) {
  std::set<std::uint16_t> gesehen;
  for (const Variantenknopf& k : variantenknoepfe())
    for (const Werkzeugvariante& v : k.varianten) {
      EXPECT_TRUE(gesehen.insert(v.code).second) << v.code;
      EXPECT_FALSE(v.beschriftung.empty()) << v.code;
    }
}

TEST(Werkzeugvarianten, JedeVarianteWirdVomModulIhrerGruppeBedient) {
  const Linienwerkzeuge linien;
  const Flaechenwerkzeuge flaechen;
  for (const Variantenknopf& k : variantenknoepfe())
    for (const Werkzeugvariante& v : k.varianten) {
      const Werkzeuggruppe g = werkzeuggruppe(v.code);
      if (g == Werkzeuggruppe::Linien) {
        EXPECT_TRUE(linien.bedient(v.code)) << v.code;
      } else {
        EXPECT_EQ(g, Werkzeuggruppe::Flaechen) << v.code;
        EXPECT_TRUE(flaechen.bedient(v.code)) << v.code;
      }
      // A variant stays within the bar of its button.
      EXPECT_EQ(werkzeuggruppe(k.code), g) << v.code;
    }
}

TEST(Werkzeugvarianten, CodesOhneVariantenHabenKeinenKnopf) {
  EXPECT_EQ(variantenknopf(8), nullptr);
  EXPECT_EQ(variantenknopf(100), nullptr);
  EXPECT_EQ(variantenknopf(0), nullptr);
  ASSERT_NE(variantenknopf(26), nullptr);
  EXPECT_EQ(variantenknopf(26)->code, 2);
  EXPECT_EQ(variantenknopf(33)->code, 38);
}

// --- Circles of a fixed radius -------------------------------------------------

using FesterRadius = Zeichenwerkzeuge;

TEST_F(FesterRadius, EinKlickSetztEinenKreisMitDemRadiusDerLeiste) {
  linien.vorgabe.kreisradius = 12.5;
  starte(55);
  klick(linien, 5000, 5000);
  ASSERT_EQ(anzahl(Elementart::Bogen), 1u);
  const tbogendaten& b = ersterBogen();
  EXPECT_DOUBLE_EQ(b.xm, 5000);
  EXPECT_DOUBLE_EQ(b.ym, 5000);
  EXPECT_DOUBLE_EQ(b.xr, 12.5);
  EXPECT_DOUBLE_EQ(b.yr, 12.5);
  EXPECT_FLOAT_EQ(b.startwinkel, 0);
  EXPECT_FLOAT_EQ(b.endwinkel, 360);
  EXPECT_EQ(zs.schritt, 1);
}

TEST_F(FesterRadius, DieFlaechenvarianteIstGefuellt) {
  flaechen.vorgabe.kreisradius = 3;
  starte(56);
  klick(flaechen, 5000, 5000);
  ASSERT_EQ(anzahl(Elementart::Bogen), 1u);
  EXPECT_DOUBLE_EQ(ersterBogen().xr, 3);
  EXPECT_EQ(ersterBogen().fuellung.gefuellt, 1);
}

TEST_F(FesterRadius, OhnePositivenRadiusEntstehtNichts) {
  for (double r : {0.0, -4.0, std::nan("")}) {
    linien.vorgabe.kreisradius = r;
    starte(55);
    klick(linien, 5000, 5000);
  }
  EXPECT_TRUE(lebende().empty());
  EXPECT_FALSE(z.speicher.undoMoeglich());
}

// --- Marking after new elements -------------------------------------------------

using Markierung = Zeichenwerkzeuge;

TEST_F(Markierung, GezeichneteObjekteSindNichtMarkiertUndDieAlteMarkierungBleibt) {
  starte(1);
  klicks(linien, {{5000, 5000}, {5100, 5000}});
  ASSERT_EQ(lebende().size(), 1u);
  const std::int32_t alt = lebende()[0];
  EXPECT_FALSE(z.speicher.markiert(alt));
  z.speicher.setzeMarkiert(alt, 1);
  starte(16);
  klicks(flaechen, {{5000, 5100}, {5100, 5200}});
  ASSERT_EQ(lebende().size(), 2u);
  EXPECT_TRUE(z.speicher.markiert(alt));
  EXPECT_FALSE(z.speicher.markiert(lebende()[1]));
}

TEST_F(Markierung, KopienSindMarkiertUndDieOriginaleNicht) {
  starte(1);
  klicks(linien, {{5000, 5000}, {5100, 5000}});
  const std::int32_t original = lebende()[0];
  z.speicher.setzeMarkiert(original, 1);
  ASSERT_EQ(radialeKopien(z, {5000, 5200}, 3, 90), 3);
  EXPECT_FALSE(z.speicher.markiert(original));
  int markiert = 0;
  for (std::int32_t n : lebende()) markiert += z.speicher.markiert(n) ? 1 : 0;
  EXPECT_EQ(markiert, 3);
}

TEST_F(Markierung, VerschobeneObjekteBleibenMarkiert) {
  starte(1);
  klicks(linien, {{5000, 5000}, {5100, 5000}});
  z.speicher.setzeMarkiert(lebende()[0], 1);
  Markierwerkzeug m;
  zs.werkzeug = 600;
  ASSERT_EQ(m.verschiebeUm(u, 10, -20), 1);
  ASSERT_EQ(lebende().size(), 1u);
  const std::int32_t n = lebende()[0];
  EXPECT_TRUE(z.speicher.markiert(n));
  EXPECT_DOUBLE_EQ(z.speicher.linie(n).x1, 5010);
  EXPECT_DOUBLE_EQ(z.speicher.linie(n).y1, 4980);
}

// --- Free move by a typed displacement ------------------------------------------

TEST_F(Markierung, GetippteVerschiebungIstEinRueckgaengigSchritt) {
  starte(1);
  klicks(linien, {{5000, 5000}, {5100, 5000}});
  starte(1);
  klicks(linien, {{5000, 5100}, {5100, 5100}});
  for (std::int32_t n : lebende()) z.speicher.setzeMarkiert(n, 1);
  Markierwerkzeug m;
  ASSERT_EQ(m.verschiebeUm(u, 0, 50), 2);
  for (std::int32_t n : lebende()) EXPECT_GE(z.speicher.linie(n).y1, 5050);
  z.speicher.rueckgaengig();
  ASSERT_EQ(lebende().size(), 2u);
  EXPECT_DOUBLE_EQ(z.speicher.linie(lebende()[0]).y1, 5000);
  EXPECT_DOUBLE_EQ(z.speicher.linie(lebende()[1]).y1, 5100);
}

TEST_F(Markierung, OhneMarkierungOderVersatzGeschiehtNichts) {
  starte(1);
  klicks(linien, {{5000, 5000}, {5100, 5000}});
  const std::int8_t stufe = z.speicher.undoStufe();
  Markierwerkzeug m;
  EXPECT_EQ(m.verschiebeUm(u, 10, 10), 0);  // nothing marked
  z.speicher.setzeMarkiert(lebende()[0], 1);
  EXPECT_EQ(m.verschiebeUm(u, 0, 0), 0);
  EXPECT_EQ(m.verschiebeUm(u, std::nan(""), 1), 0);
  EXPECT_EQ(z.speicher.undoStufe(), stufe);
  EXPECT_FALSE(m.versatz().has_value());
}

}  // namespace
}  // namespace quarzel::test
