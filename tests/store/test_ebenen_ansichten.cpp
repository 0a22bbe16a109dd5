// The named-view table: what a view keeps of the layers, how it is renumbered
// with them, and its record bytes.
#include <gtest/gtest.h>

#include <random>

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
  EXPECT_EQ(t.anzahlDefiniert(), 0);
  EXPECT_FALSE(t.slot(4)->daten.haeltFolienzustaende());
  EXPECT_EQ(t.slot(61), nullptr);
  EXPECT_EQ(t.slot(-1), nullptr);
  const Ebenen e = beispielEbenen();
  t.definiere(4, e);
  EXPECT_TRUE(t.definiert(4));
  EXPECT_EQ(t.slot(4)->name, "Ansicht 4");
  EXPECT_EQ(t.anzeigename(7), "Ansicht 7");
  const Ansichtsdaten& d = t.slot(4)->daten;
  EXPECT_EQ(d.sichtbarFlag(2), 0);
  EXPECT_EQ(d.sichtbarFlag(3), 1);
  EXPECT_EQ(d.sichtbarFlag(4), 0);  // empty layer slot
  EXPECT_EQ(d.anzeigezustand(3), 2);
  EXPECT_EQ(d.folienzustand(2, 2), FolieAusgeblendet);
  EXPECT_EQ(d.folienzustand(3, 1), FolieGeschuetzt);
  EXPECT_EQ(d.gemerkteFolie(2), 2);
  EXPECT_EQ(d.gemerkteFolie(4), 0);
  EXPECT_EQ(d.modus, 2);
  EXPECT_EQ(d.aktiveEbene, 3);
  EXPECT_EQ(d.aktiveFolie, 1);
}

TEST(Ansichtstabelle, ZeigenStelltDenZustandWiederHerUndBleibtImBereich) {
  Ansichtstabelle t;
  t.definiere(1, beispielEbenen());
  Ebenen e = beispielEbenen();
  e.setzeFolienzustand(2, 2, 0);
  e.setzeAnzeigezustand(3, 0);
  e.modus = Sichtbarkeitsmodus::NurAktive;
  e.setzeAktiv(1, 1);
  t.slot(1)->daten.wendeAn(e);
  EXPECT_EQ(e.folienzustand(2, 2), FolieAusgeblendet);
  EXPECT_EQ(e.anzeigezustand(3), 2);
  EXPECT_EQ(e.modus, Sichtbarkeitsmodus::Ausgewaehlte);
  EXPECT_EQ(e.aktiveEbene(), 3);

  // A view whose active layer has gone since.
  Ansichtsdaten d;
  d.aktiveEbene = 200;
  d.aktiveFolie = 99;
  d.modus = 17;
  Ebenen frisch;
  d.wendeAn(frisch);
  EXPECT_EQ(frisch.aktiveEbene(), 1);
  EXPECT_EQ(frisch.aktiveFolie(), 1);
  EXPECT_EQ(frisch.modus, Sichtbarkeitsmodus::Alle);
}

TEST(AnsichtenUmnummern, EbeneLoeschenRuecktDieEintraegeDarueberInJedemSlotNach) {
  Ansichtstabelle t;
  const Ebenen e = beispielEbenen();
  for (int i : {0, 1, 60}) t.definiere(i, e);
  t.entferneEbene(2);
  for (int i : {0, 1, 60}) {
    const Ansichtsdaten& d = t.slot(i)->daten;
    EXPECT_EQ(d.sichtbarFlag(2), 1) << i;  // was layer 3
    EXPECT_EQ(d.anzeigezustand(2), 2) << i;
    EXPECT_EQ(d.folienzustand(2, 1), FolieGeschuetzt) << i;
    EXPECT_EQ(d.folienzustand(2, 2), 0) << i;
    EXPECT_EQ(d.sichtbarFlag(3), 0) << i;  // the freed slot
    EXPECT_EQ(d.gemerkteFolie(250), 0) << i;
    EXPECT_EQ(d.aktiveEbene, 2) << i;
  }
  // Nothing but 0 left in the sublayer states of slot 1? Then no storage.
  Ansichtsdaten d = t.slot(1)->daten;
  d.entferneEbene(2);
  EXPECT_FALSE(d.haeltFolienzustaende());
}

TEST(AnsichtenUmnummern, EbenenTauschenTauschtAlleEintraegeUndDieAktive) {
  Ansichtstabelle t;
  t.definiere(5, beispielEbenen());
  t.tauscheEbenen(2, 3);
  const Ansichtsdaten& d = t.slot(5)->daten;
  EXPECT_EQ(d.sichtbarFlag(2), 1);
  EXPECT_EQ(d.sichtbarFlag(3), 0);
  EXPECT_EQ(d.folienzustand(2, 1), FolieGeschuetzt);
  EXPECT_EQ(d.folienzustand(3, 2), FolieAusgeblendet);
  EXPECT_EQ(d.gemerkteFolie(3), 2);
  EXPECT_EQ(d.aktiveEbene, 2);
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
  EXPECT_EQ(d.folienzustand(2, 1), 2);
  EXPECT_EQ(d.folienzustand(2, 2), 3);
  EXPECT_EQ(d.folienzustand(2, 3), 0);
  EXPECT_EQ(d.folienzustand(3, 2), 2);
  EXPECT_EQ(d.gemerkteFolie(2), 2);
  EXPECT_EQ(d.aktiveFolie, 1);
  d.tauscheFolien(2, 1, 2);
  EXPECT_EQ(d.folienzustand(2, 1), 3);
  EXPECT_EQ(d.gemerkteFolie(2), 1);
  EXPECT_EQ(d.aktiveFolie, 2);
}

TEST(AnsichtenVerschieben, TauschenGehtUeberSlotNull) {
  Ansichtstabelle t;
  Ebenen e;
  t.definiere(1, e);
  t.slot(1)->daten.faktor = 2.5;
  t.slot(1)->name = "Grundriss";
  t.tausche(1, 2);
  EXPECT_FALSE(t.definiert(1));
  EXPECT_EQ(t.slot(2)->name, "Grundriss");
  EXPECT_EQ(t.slot(2)->daten.faktor, 2.5);
  EXPECT_EQ(t.slot(0)->name, "Grundriss");
  t.tausche(2, 61);  // out of range: nothing
  EXPECT_EQ(t.slot(2)->name, "Grundriss");
  t.loesche(2);
  EXPECT_EQ(t.anzahlDefiniert(), 0);
}

// --- Record bytes ---------------------------------------------------------------------

TEST(Ansichtssatz, BytesHabenDieSatzlaengeUndUeberstehenDenRueckweg) {
  Ansichtsdaten d;
  d.uebernimm(beispielEbenen());
  d.ursprungX = -1234567;
  d.ursprungY = 42;
  d.faktor = 0.1;
  d.schalter[10] = 9;
  d.weitere = {1, 2};
  d.schalter2 = {3, 4};
  const auto bytes = d.alsBytes();
  ASSERT_EQ(bytes.size(), Ansichtsdaten::Satzlaenge);
  EXPECT_EQ(Ansichtsdaten::Satzlaenge, 63284u);
  EXPECT_EQ(Ansichtsdaten::ausBytes(bytes), d);
  // Field order: origin x first, little-endian; the last byte is the last switch.
  EXPECT_EQ(bytes[0], 0x79);
  EXPECT_EQ(bytes.back(), 4);
  // Sublayer state of layer 2, sublayer 2 at its place in the 250 x 250 block.
  EXPECT_EQ(bytes[4 + 4 + 8 + 11 + 250 + 250 + 1], FolieAusgeblendet);
}

TEST(Ansichtssatz, KurzerSatzBehaeltVorgabenUndLangerWirdAbgeschnitten) {
  Ansichtsdaten d;
  d.ursprungX = 7;
  auto bytes = d.alsBytes();
  bytes.resize(6);
  const Ansichtsdaten kurz = Ansichtsdaten::ausBytes(bytes);
  EXPECT_EQ(kurz.ursprungX, 7);
  EXPECT_EQ(kurz.ursprungY, 0);
  EXPECT_EQ(kurz.modus, 1);
  EXPECT_FALSE(kurz.haeltFolienzustaende());
  bytes = d.alsBytes();
  bytes.resize(bytes.size() + 100, 0xFF);
  EXPECT_EQ(Ansichtsdaten::ausBytes(bytes), d);
}

TEST(Ansichtssatz, ZufaelligeBytesJederLaengeWerdenOhneAbsturzGelesen) {
  std::mt19937 zufall(4711);
  for (int runde = 0; runde < 50; ++runde) {
    std::vector<std::uint8_t> bytes(zufall() % (Ansichtsdaten::Satzlaenge + 10));
    for (auto& b : bytes) b = static_cast<std::uint8_t>(zufall());
    Ansichtsdaten d = Ansichtsdaten::ausBytes(bytes);
    Ebenen e;
    d.wendeAn(e);
    EXPECT_TRUE(e.existiert(e.aktiveEbene()));
    EXPECT_LE(e.anzeigezustand(1), 3);
  }
}

}  // namespace
}  // namespace quarzel
