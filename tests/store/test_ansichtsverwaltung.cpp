// Named views at work: define, show and go back to the free view, through
// the drawing file, with the layers renumbered under them, and moved,
// renamed and deleted in the manager's rows.
#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "store/ansichtsverwaltung.h"
#include "store/ebenenoperationen.h"
#include "store/zeichnungsdatei.h"
#include "support/dreiebenen.h"

namespace quarzel {
namespace {

constexpr Elementschalter kAlle{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
constexpr Elementschalter kOhneTexte{1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1};

// What a view decides about the layers of the drawing, compared as one.
auto ebenenzustand(const Zeichnung& z) {
  const Ebenen& e = z.ebenen;
  return std::tuple(e.modus, e.sichtbar(1), e.sichtbar(2), e.sichtbar(3), e.sichtbar(2, 2), e.anzeigezustand(3),
                    e.aktiveEbene(), e.aktiveFolie(), e.grauInaktiveEbenen, z.speicher.aktuell.planteil);
}
auto sicht(const Zeichnung& z) {
  return std::tuple(z.ansicht.viewOriginX, z.ansicht.viewOriginY, z.ansicht.zoom);
}

class Ansichten : public test::DreiEbenen {
 protected:
  void SetUp() override {
    DreiEbenen::SetUp();
    z.ebenen.modus = Sichtbarkeitsmodus::Ausgewaehlte;
  }
  // Layer 1 alone at 0.5 mm/px; layers 1 and 2 without "Möbel" at 0.25;
  // everything, layer 3 grey and active, in grey mode at 2.
  void definiereDrei() {
    stelle(4000, 4100, 0.5, {1, 0, 0}, 0, 1);
    ASSERT_TRUE(definiereAnsicht(z, 1, kAlle));
    stelle(4500, 4600, 0.25, {1, 1, 0}, 0, 2);
    z.ebenen.setzeFolienzustand(2, 2, FolieAusgeblendet);
    ASSERT_TRUE(definiereAnsicht(z, 2, kOhneTexte));
    z.ebenen.setzeFolienzustand(2, 2, 0);
    stelle(100, 200, 2, {1, 1, 1}, AnzeigeGrau, 3);
    z.ebenen.grauInaktiveEbenen = true;
    ASSERT_TRUE(definiereAnsicht(z, 5, kAlle));
    z.ebenen.grauInaktiveEbenen = false;
  }
  void stelle(std::int32_t x, std::int32_t y, double zoom, std::array<int, 3> sichtbar, std::uint8_t zustand3,
              int aktiv) {
    ASSERT_TRUE(z.ansicht.setzeSicht(zoom, x, y));
    for (int e = 1; e <= 3; ++e) z.ebenen.setzeSichtbarFlag(e, std::uint8_t(sichtbar[e - 1]));
    z.ebenen.setzeAnzeigezustand(3, zustand3);
    z.ebenen.setzeAktiv(aktiv, 1);
    uebernimmAktive(z);
  }
  Elementschalter schalter = kAlle;
};

TEST_F(Ansichten, UeberstehenDieDateiUndStellenEbenenAktiveEbeneUndSichtWiederHer) {
  definiereDrei();
  Zeichnung geladen;
  ASSERT_TRUE(leseZeichnung(schreibeZeichnung(z).daten, geladen, benutzer).geladen);
  // The file keeps the order of the views, not their rows.
  EXPECT_EQ(ansichtsliste(geladen.ansichten),
            (std::vector<Ansichtseintrag>{{0, "Freie Ansicht"}, {1, "Ansicht 1"}, {2, "Ansicht 2"}, {3, "Ansicht 5"}}));
  using M = Sichtbarkeitsmodus;
  const struct {
    int slot;
    decltype(ebenenzustand(z)) ebenen;
    decltype(sicht(z)) ausschnitt;
    Elementschalter schalter;
  } faelle[] = {
      {1, {M::Ausgewaehlte, true, false, false, false, 0, 1, 1, false, 1}, {4000, 4100, 0.5}, kAlle},
      {2, {M::Ausgewaehlte, true, true, false, false, 0, 2, 1, false, 2}, {4500, 4600, 0.25}, kOhneTexte},
      {3, {M::Ausgewaehlte, true, true, true, true, AnzeigeGrau, 3, 1, true, 3}, {100, 200, 2.0}, kAlle},
  };
  for (const auto& f : faelle) {
    EXPECT_TRUE(zeigeAnsicht(geladen, f.slot, schalter, false)) << f.slot;
    EXPECT_EQ(ebenenzustand(geladen), f.ebenen) << f.slot;
    EXPECT_EQ(sicht(geladen), f.ausschnitt) << f.slot;
    EXPECT_EQ(schalter, f.schalter) << f.slot;
  }
  EXPECT_FALSE(geladen.speicher.modifiziert()) << "showing a view is no change of the drawing";
}

TEST_F(Ansichten, FreieAnsichtBringtDenZustandVorDerErstenAnsichtZurueck) {
  definiereDrei();
  stelle(3000, 3100, 1, {0, 1, 1}, 0, 2);
  const auto ebenenVorher = ebenenzustand(z);
  schalter = kOhneTexte;
  EXPECT_FALSE(zeigeAnsicht(z, 0, schalter, false)) << "nothing to go back to yet";
  EXPECT_FALSE(zeigeAnsicht(z, 3, schalter, false)) << "slot 3 is not defined";
  ASSERT_TRUE(zeigeAnsicht(z, 1, schalter, false));
  ASSERT_TRUE(zeigeAnsicht(z, 5, schalter, false));
  // Moving or deleting views in the manager must not touch the state to go back to.
  verschiebeAnsicht(z, 5, -1);
  EXPECT_EQ(z.ansichten.gezeigt(), 4);
  EXPECT_TRUE(loescheAnsicht(z, 4));
  EXPECT_EQ(std::tuple(z.ansichten.gezeigt(), benenneAnsichtUm(z, 1, ""), definiereAnsicht(z, 0, kAlle)),
            std::tuple(0, false, false));
  ASSERT_TRUE(zeigeAnsicht(z, 0, schalter, false));
  EXPECT_EQ(std::tuple(ebenenzustand(z), sicht(z), schalter, z.ansichten.gezeigt()),
            std::tuple(ebenenVorher, std::tuple(3000, 3100, 1.0), kOhneTexte, 0));
}

TEST_F(Ansichten, BildausschnittBeibehaltenWechseltNurEbenenUndSchalter) {
  definiereDrei();
  stelle(3000, 3100, 1, {1, 1, 1}, 0, 1);
  ASSERT_TRUE(zeigeAnsicht(z, 2, schalter, true));
  EXPECT_EQ(sicht(z), std::tuple(3000, 3100, 1.0));
  EXPECT_EQ(std::tuple(z.ebenen.sichtbar(3), z.ebenen.aktiveEbene(), schalter), std::tuple(false, 2, kOhneTexte));
}

TEST_F(Ansichten, UnmoeglicheSichtAusDerDateiLaesstDenAusschnittStehen) {
  definiereDrei();
  stelle(3000, 3100, 1, {1, 1, 1}, 0, 1);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::tuple<double, std::int32_t, std::int32_t> kaputt[] = {{nan, 10, 10}, {0, 10, 10}, {1, 10, 20000}};
  for (const auto& [faktor, x, y] : kaputt) {
    Ansichtsdaten& d = z.ansichten.slot(1)->daten;
    d.faktor = faktor, d.ursprungX = x, d.ursprungY = y;
    ASSERT_TRUE(zeigeAnsicht(z, 1, schalter, false));
    EXPECT_EQ(sicht(z), std::tuple(3000, 3100, 1.0)) << faktor << " " << x << " " << y;
    EXPECT_EQ(z.ebenen.sichtbar(2), false) << "the layers still follow the view";
  }
}

TEST_F(Ansichten, EbenenLoeschenUndTauschenHaltenDieAnsichtenBeiIhrenEbenen) {
  definiereDrei();
  // Layer 3 "Details" is grey in view 5 and hidden in views 1 and 2.
  aktiviereEbene(z, benutzer, 2);
  benutzer.antworten.push_back(Antwort::Ja);
  ASSERT_TRUE(loescheAktiveEbene(z, benutzer));
  ASSERT_EQ(z.ebenen.name(2), "Details");
  for (const auto& [slot, sichtbar, zustand, aktiv] :
       {std::tuple(1, false, 0, 1), std::tuple(2, false, 0, 2), std::tuple(5, true, int(AnzeigeGrau), 2)}) {
    ASSERT_TRUE(zeigeAnsicht(z, slot, schalter, false));
    EXPECT_EQ(std::tuple(z.ebenen.sichtbar(2), z.ebenen.anzeigezustand(2), z.ebenen.aktiveEbene()),
              std::tuple(sichtbar || aktiv == 2, zustand, aktiv))
        << slot;
  }
  // Swapping "Ebene 1" and "Details": view 1 shows "Ebene 1", now number 2.
  tauscheEbenen(z, 1, 2);
  ASSERT_TRUE(zeigeAnsicht(z, 1, schalter, false));
  EXPECT_EQ(std::tuple(z.ebenen.aktiveEbene(), z.ebenen.name(2), z.ebenen.sichtbarFlag(2), z.ebenen.sichtbarFlag(1)),
            std::tuple(2, "Ebene 1", 1, 0));
}

TEST_F(Ansichten, VerschiebenTauschtMitDerZielzeileUndHaeltAnDenEnden) {
  const struct {
    int von, zeilen, nach;
  } faelle[] = {{1, -1, 1},    {1, -10, 1}, {2, -1, 1},   {5, -10, 1},  {30, 10, 40},
                {30, -10, 20}, {60, 1, 60}, {60, 10, 60}, {55, 10, 60}, {59, 1, 60}};
  for (const auto& f : faelle) {
    z.ansichten.leere();
    ASSERT_TRUE(definiereAnsicht(z, f.von, kAlle));
    z.ansichten.slot(f.von)->name = "bewegt";
    if (f.nach != f.von) {
      ASSERT_TRUE(definiereAnsicht(z, f.nach, kAlle));
    }
    z.speicher.setzeModifiziert(false);
    EXPECT_EQ(verschiebeAnsicht(z, f.von, f.zeilen), f.nach) << f.von << " " << f.zeilen;
    EXPECT_EQ(z.ansichten.slot(f.nach)->name, "bewegt");
    const std::string zurueck = f.nach != f.von ? Ansichtstabelle::standardname(f.nach) : "bewegt";
    EXPECT_EQ(z.ansichten.slot(f.von)->name, zurueck) << "the other view swapped in";
    EXPECT_EQ(z.speicher.modifiziert(), f.nach != f.von);
  }
}

}  // namespace
}  // namespace quarzel
