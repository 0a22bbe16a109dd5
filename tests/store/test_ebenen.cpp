// The layer tables on their own: defaults, limits, the unit byte, and the
// visibility and protection rules the renderer and the select tool rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "store/ebenen.h"

namespace quarzel {
namespace {

// --- A fresh drawing -------------------------------------------------------------

TEST(EbenenNeu, HatEineEbeneMitEinerUnterebeneBeideAktiv) {
  Ebenen e;
  EXPECT_EQ(e.anzahl(), 1);
  EXPECT_EQ(e.name(1), "Ebene 1");
  EXPECT_EQ(e.folienanzahl(1), 1);
  EXPECT_EQ(e.folienname(1, 1), "Unterebene 1");
  EXPECT_EQ(e.aktiveEbene(), 1);
  EXPECT_EQ(e.aktiveFolie(), 1);
  EXPECT_EQ(e.massstab(1), 0);  // follows the drawing scale
  EXPECT_EQ(e.einheit(1), 0);   // and the drawing unit
  EXPECT_EQ(e.modus, Sichtbarkeitsmodus::Alle);
  EXPECT_TRUE(e.waehlbar(1, 1));
}

TEST(EbenenNeu, LeereTabelleBeantwortetFragenOhneAbsturz) {
  Ebenen e;
  e.leere();
  EXPECT_EQ(e.anzahl(), 0);
  EXPECT_FALSE(e.existiert(1));
  EXPECT_EQ(e.massstab(e.aktiveEbene()), 0);
  EXPECT_EQ(e.name(1), "");
  EXPECT_FALSE(e.sichtbar(1, 1));
  EXPECT_EQ(e.fuegeFolieAn(1, "x"), 0);
  e.setzeAktiv(3, 3);
  e.entferneEbene(1);
  e.tauscheEbenen(1, 2);
  EXPECT_EQ(e.anzahl(), 0);
}

// --- Limits and numbering -----------------------------------------------------------

TEST(EbenenGrenzen, HoechstensZweihundertfuenfzigEbenenUndUnterebenenOhneNamensluecke) {
  Ebenen e;
  for (int i = 2; i <= 250; ++i) ASSERT_EQ(e.fuegeEbeneAn(""), i);
  EXPECT_EQ(e.fuegeEbeneAn("zu viel"), 0);
  EXPECT_EQ(e.anzahl(), 250);
  EXPECT_EQ(e.name(250), "Ebene 250");
  for (int f = 1; f <= 250; ++f) ASSERT_EQ(e.fuegeFolieAn(250, ""), f);
  EXPECT_EQ(e.fuegeFolieAn(250, "zu viel"), 0);
  EXPECT_EQ(e.folienname(250, 250), "Unterebene 250");
  e.setzeName(1, "");
  EXPECT_EQ(e.name(1), "Ebene 1");
  e.setzeFolienname(1, 1, "");
  EXPECT_EQ(e.folienname(1, 1), "Unterebene 1");
}

TEST(EbenenGrenzen, MassstabAusDefekterQuelleWirdZeichnungsmassstabOderBegrenzt) {
  Ebenen e;
  e.setzeMassstab(1, std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(e.massstab(1), 0);
  e.setzeMassstab(1, -50);
  EXPECT_EQ(e.massstab(1), 0);
  e.setzeMassstab(1, 1e12);
  EXPECT_EQ(e.massstab(1), 1000000);
  e.setzeMassstab(1, 1e-9);
  EXPECT_EQ(e.massstab(1), 0.00001);
}

TEST(EbenenGrenzen, EntfernenRuecktNachUndDieAktiveFolgtIhremInhaltOderDemNachfolger) {
  Ebenen e;
  e.fuegeEbeneAn("B");
  e.fuegeEbeneAn("C");
  e.fuegeEbeneAn("D");
  e.fuegeFolieAn(2, "");
  e.fuegeFolieAn(3, "");
  e.fuegeFolieAn(3, "");
  e.setzeAktiv(3, 2);
  e.entferneEbene(1);
  EXPECT_EQ(e.anzahl(), 3);
  EXPECT_EQ(e.name(1), "B");
  EXPECT_EQ(e.name(2), "C");
  EXPECT_EQ(e.aktiveEbene(), 2);
  EXPECT_EQ(e.aktiveFolie(), 2);
  // The active one deleted: its successor takes over with its remembered sublayer.
  e.setzeAktiv(1, 1);
  e.entferneEbene(1);
  EXPECT_EQ(e.aktiveEbene(), 1);
  EXPECT_EQ(e.name(1), "C");
  EXPECT_EQ(e.aktiveFolie(), 2);
  // The last one deleted: its predecessor takes over.
  e.setzeAktiv(2, 1);
  e.entferneEbene(2);
  EXPECT_EQ(e.aktiveEbene(), 1);
}

TEST(EbenenGrenzen, UnterebenenLoeschenUndTauschenHaltenGemerkteUnterebeneBeimInhalt) {
  Ebenen e;
  e.fuegeFolieAn(1, "B");
  e.fuegeFolieAn(1, "C");
  e.setzeAktiv(1, 3);
  e.entferneFolie(1, 1);
  EXPECT_EQ(e.folienname(1, 2), "C");
  EXPECT_EQ(e.aktiveFolie(), 2);
  EXPECT_EQ(e.gemerkteFolie(1), 2);
  e.tauscheFolien(1, 1, 2);
  EXPECT_EQ(e.folienname(1, 1), "C");
  EXPECT_EQ(e.aktiveFolie(), 1);
  EXPECT_EQ(e.gemerkteFolie(1), 1);
}

// --- Unit byte ---------------------------------------------------------------------------

TEST(Einheitenbyte, ZentimeterMitZweiStellenAngezeigtIst162UndJedeWahlUeberstehtDenRueckweg) {
  EXPECT_EQ(packeEinheit({2, 2, true}), 162);
  for (std::uint8_t code = 1; code <= 8; ++code)
    for (std::uint8_t stellen = 0; stellen <= 3; ++stellen)
      for (bool zeigen : {false, true}) {
        const Ebeneneinheit e{code, stellen, zeigen};
        EXPECT_EQ(entpackeEinheit(packeEinheit(e)), e);
      }
}

TEST(Einheitenbyte, ZeichnungseinheitIstNullUndUnbekannteCodesFallenDarauf) {
  EXPECT_EQ(packeEinheit({0, 3, true}), 0);
  EXPECT_EQ(entpackeEinheit(0), Ebeneneinheit{});
  EXPECT_EQ(entpackeEinheit(16 + 9), Ebeneneinheit{});
  Ebenen e;
  e.setzeEinheit(1, 128 + 15);
  EXPECT_EQ(e.einheit(1), 0);
  EXPECT_EQ(einheitName(5), "Inch");
  EXPECT_EQ(einheitName(9), "");
}

// --- Visibility ------------------------------------------------------------------------------

class Sichtbarkeit : public ::testing::Test {
 protected:
  void SetUp() override {
    e.fuegeEbeneAn("");
    e.fuegeEbeneAn("");
    for (int i = 2; i <= 3; ++i) e.fuegeFolieAn(i, "");
    e.setzeAktiv(1, 1);
    e.setzeSichtbarFlag(1, 0);
    e.setzeSichtbarFlag(2, 1);
    e.setzeSichtbarFlag(3, 0);
  }
  Ebenen e;
};

TEST_F(Sichtbarkeit, DerModusEntscheidetUeberFlagUndAktiveEbene) {
  // Layer 1 is active without its flag, layer 2 has the flag, layer 3 neither.
  struct Fall {
    Sichtbarkeitsmodus modus;
    bool sichtbar[4];
  };
  for (const Fall f : {Fall{Sichtbarkeitsmodus::NurAktive, {true, false, false, false}},
                       Fall{Sichtbarkeitsmodus::Alle, {true, true, true, false}},
                       Fall{Sichtbarkeitsmodus::Ausgewaehlte, {true, true, false, false}}}) {
    e.modus = f.modus;
    for (int ebene = 1; ebene <= 4; ++ebene)
      EXPECT_EQ(e.sichtbar(ebene), f.sichtbar[ebene - 1]) << int(f.modus) << " Ebene " << ebene;
  }
}

TEST_F(Sichtbarkeit, UeberschreibungZeigtAllesAuchAusgeblendeteUnterebenen) {
  e.modus = Sichtbarkeitsmodus::NurAktive;
  e.setzeFolienzustand(3, 1, FolieAusgeblendet);
  EXPECT_FALSE(e.sichtbar(3, 1));
  e.allesSichtbar = true;
  EXPECT_TRUE(e.sichtbar(3));
  EXPECT_TRUE(e.sichtbar(3, 1));
}

TEST_F(Sichtbarkeit, AusgeblendeteUnterebeneVerschwindetAuchAufDerAktivenEbene) {
  e.fuegeFolieAn(1, "");
  e.setzeFolienzustand(1, 2, FolieAusgeblendet);
  EXPECT_TRUE(e.sichtbar(1, 1));
  EXPECT_FALSE(e.sichtbar(1, 2));
  EXPECT_FALSE(e.waehlbar(1, 2));
}

TEST_F(Sichtbarkeit, FehlendeUnterebeneEinerVorhandenenEbeneBleibtSichtbar) {
  // Elements of a damaged file must not vanish unnoticed.
  EXPECT_TRUE(e.sichtbar(1, 77));
}

// --- Protection and grey ---------------------------------------------------------------------

TEST(Schutz, AnzeigezustandEinsUndDreiSchuetzenZweiNicht) {
  Ebenen e;
  const bool erwartet[4] = {false, true, false, true};
  for (std::uint8_t z = 0; z < 4; ++z) {
    e.setzeAnzeigezustand(1, z);
    EXPECT_EQ(e.geschuetzt(1, 1), erwartet[z]) << int(z);
    EXPECT_EQ(e.waehlbar(1, 1), !erwartet[z]) << int(z);
    EXPECT_TRUE(e.sichtbar(1, 1)) << int(z);
  }
  e.setzeAnzeigezustand(1, 7);
  EXPECT_EQ(e.anzeigezustand(1), 3);
}

TEST(Schutz, GeschuetzteUnterebeneIstSichtbarAberNichtWaehlbar) {
  Ebenen e;
  e.fuegeFolieAn(1, "");
  e.setzeFolienzustand(1, 2, FolieGeschuetzt);
  EXPECT_TRUE(e.sichtbar(1, 2));
  EXPECT_TRUE(e.geschuetzt(1, 2));
  EXPECT_FALSE(e.geschuetzt(1, 1));
}

TEST(Grau, AnzeigezustandZweiUndDreiSowieDieSchalter) {
  Ebenen e;
  e.fuegeEbeneAn("");
  e.fuegeFolieAn(2, "");
  e.fuegeFolieAn(1, "");
  e.setzeAktiv(1, 1);
  EXPECT_FALSE(e.grau(2, 1));
  e.setzeAnzeigezustand(2, 2);
  EXPECT_TRUE(e.grau(2, 1));
  e.setzeAnzeigezustand(2, 0);
  e.grauInaktiveEbenen = true;
  EXPECT_TRUE(e.grau(2, 1));
  EXPECT_FALSE(e.grau(1, 2));
  e.grauInaktiveFolien = true;
  EXPECT_TRUE(e.grau(1, 2));
  EXPECT_FALSE(e.grau(1, 1));
}

}  // namespace
}  // namespace quarzel
