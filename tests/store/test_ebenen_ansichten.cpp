// The named-view table: what a view keeps of the layers, how it is renumbered
// with them, and its record bytes.
#include <gtest/gtest.h>

#include "store/ansichtstabelle.h"
#include "store/ebenen.h"

namespace quarzel {
namespace {

// Three layers with distinct states; layer 2 has two sublayers.
Ebenen beispielEbenen() {
  Ebenen e;
  e.fuegeEbeneAn("B");
  e.fuegeEbeneAn("C");
  e.fuegeFolieAn(2, "");
  e.fuegeFolieAn(2, "");
  e.fuegeFolieAn(3, "");
  e.setzeSichtbarFlag(1, 1);
  e.setzeSichtbarFlag(2, 0);
  e.setzeSichtbarFlag(3, 1);
  e.setzeAnzeigezustand(2, 1);
  e.setzeAnzeigezustand(3, 2);
  e.setzeFolienzustand(2, 2, FolieAusgeblendet);
  e.setzeFolienzustand(3, 1, FolieGeschuetzt);
  e.setzeGemerkteFolie(2, 2);
  e.modus = Sichtbarkeitsmodus::Ausgewaehlte;
  e.setzeAktiv(3, 1);
  return e;
}

TEST(Ansichtstabelle, DefinierenKopiertDenEbenenzustandUndVergibtDenStandardnamen) {
  Ansichtstabelle t;
  EXPECT_EQ(std::tuple(t.anzahlDefiniert(), t.slot(4)->daten.haeltFolienzustaende(), t.slot(61), t.slot(-1)),
            std::tuple(0, false, nullptr, nullptr));
  t.definiere(4, Ansichtsdaten::ausEbenen(beispielEbenen()));
  EXPECT_EQ(std::tuple(t.definiert(4), t.slot(4)->name, t.anzeigename(7)), std::tuple(true, "Ansicht 4", "Ansicht 7"));
  const Ansichtsdaten& d = t.slot(4)->daten;
  // Layer 4 is an empty slot.
  EXPECT_EQ(std::tuple(d.sichtbarFlag(2), d.sichtbarFlag(3), d.sichtbarFlag(4), d.anzeigezustand(3)),
            std::tuple(0, 1, 0, 2));
  EXPECT_EQ(std::tuple(d.folienzustand(2, 2), d.folienzustand(3, 1), d.gemerkteFolie(2), d.gemerkteFolie(4)),
            std::tuple(FolieAusgeblendet, FolieGeschuetzt, 2, 0));
  EXPECT_EQ(std::tuple(d.modus, d.aktiveEbene, d.aktiveFolie), std::tuple(2, 3, 1));
}

TEST(Ansichtstabelle, ZeigenStelltDenZustandWiederHerUndBleibtImBereich) {
  Ansichtstabelle t;
  t.definiere(1, Ansichtsdaten::ausEbenen(beispielEbenen()));
  Ebenen e = beispielEbenen();
  e.setzeFolienzustand(2, 2, 0);
  e.setzeAnzeigezustand(3, 0);
  e.modus = Sichtbarkeitsmodus::NurAktive;
  e.setzeAktiv(1, 1);
  t.slot(1)->daten.wendeAn(e);
  EXPECT_EQ(std::tuple(e.folienzustand(2, 2), e.anzeigezustand(3), e.modus, e.aktiveEbene()),
            std::tuple(FolieAusgeblendet, 2, Sichtbarkeitsmodus::Ausgewaehlte, 3));

  // A view whose active layer has gone since.
  Ansichtsdaten d;
  d.aktiveEbene = 200;
  d.aktiveFolie = 99;
  d.modus = 17;
  Ebenen frisch;
  d.wendeAn(frisch);
  EXPECT_EQ(std::tuple(frisch.aktiveEbene(), frisch.aktiveFolie(), frisch.modus),
            std::tuple(1, 1, Sichtbarkeitsmodus::Alle));
}

TEST(AnsichtenUmnummern, EbeneLoeschenRuecktDieEintraegeDarueberInJedemSlotNach) {
  Ansichtstabelle t;
  const Ebenen e = beispielEbenen();
  for (int i : {0, 1, 60}) t.definiere(i, Ansichtsdaten::ausEbenen(e));
  t.entferneEbene(2);
  for (int i : {0, 1, 60}) {
    const Ansichtsdaten& d = t.slot(i)->daten;
    // Layer 2 was layer 3; layer 3 is the freed slot.
    EXPECT_EQ(std::tuple(d.sichtbarFlag(2), d.anzeigezustand(2), d.folienzustand(2, 1), d.folienzustand(2, 2)),
              std::tuple(1, 2, FolieGeschuetzt, 0))
        << i;
    EXPECT_EQ(std::tuple(d.sichtbarFlag(3), d.gemerkteFolie(250), d.aktiveEbene), std::tuple(0, 0, 2)) << i;
  }
  // Nothing but 0 left in the sublayer states of slot 1? Then no storage.
  Ansichtsdaten d = t.slot(1)->daten;
  d.entferneEbene(2);
  EXPECT_FALSE(d.haeltFolienzustaende());
}

TEST(AnsichtenUmnummern, UnterebenenLoeschenUndTauschenBetreffenNurIhreEbene) {
  Ansichtsdaten d;
  d.setzeFolienzustand(2, 1, 1);
  d.setzeFolienzustand(2, 2, 2);
  d.setzeFolienzustand(2, 3, 3);
  d.setzeFolienzustand(3, 2, 2);
  d.setzeGemerkteFolie(2, 3);
  d.aktiveEbene = 2;
  d.aktiveFolie = 2;
  d.entferneFolie(2, 1, 2);
  EXPECT_EQ(std::tuple(d.folienzustand(2, 1), d.folienzustand(2, 2), d.folienzustand(2, 3), d.folienzustand(3, 2),
                       d.gemerkteFolie(2), d.aktiveFolie),
            std::tuple(2, 3, 0, 2, 2, 1));
  d.tauscheFolien(2, 1, 2);
  EXPECT_EQ(std::tuple(d.folienzustand(2, 1), d.gemerkteFolie(2), d.aktiveFolie), std::tuple(3, 1, 2));
}

// --- Record bytes ---------------------------------------------------------------------

TEST(Ansichtssatz, BytesHabenDieSatzlaengeUndUeberstehenDenRueckweg) {
  Ansichtsdaten d;
  d = Ansichtsdaten::ausEbenen(beispielEbenen());
  d.ursprungX = -1234567;
  d.ursprungY = 42;
  d.faktor = 0.1;
  d.schalter[10] = 9;
  d.weitere = {1, 2};
  d.schalter2 = {3, 4};
  const auto bytes = d.alsBytes();
  ASSERT_EQ(std::tuple(bytes.size(), Ansichtsdaten::Satzlaenge), std::tuple(63284u, 63284u));
  EXPECT_EQ(Ansichtsdaten::ausBytes(bytes), d);
  // Field order: origin x first, little-endian; the last byte is the last switch.
  EXPECT_EQ(std::tuple(bytes[0], bytes.back()), std::tuple(0x79, 4));
  // Sublayer state of layer 2, sublayer 2 at its place in the 250 x 250 block.
  EXPECT_EQ(bytes[4 + 4 + 8 + 11 + 250 + 250 + 1], FolieAusgeblendet);
}

}  // namespace
}  // namespace quarzel
