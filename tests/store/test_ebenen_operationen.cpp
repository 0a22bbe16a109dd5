// The layer commands on a whole drawing: elements, tables, views and undo
// have to stay in step.
#include <gtest/gtest.h>

#include <tuple>

#include "store/ebenenoperationen.h"
#include "support/dreiebenen.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

using test::DreiEbenen;
using test::linieAuf;
using test::x1Von;

// The alive element whose line starts at x1, or 0.
std::int32_t lebendeLinieBei(const Zeichnung& z, double x1) {
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n)
    if (z.speicher.lebendig(n) && x1Von(z, n) == x1) return n;
  return 0;
}

int anzahlLebende(const Zeichnung& z) {
  int k = 0;
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) k += z.speicher.lebendig(n);
  return k;
}

// Active layer and sublayer in the table and in the attributes new elements get.
std::tuple<int, int, int, int> aktiv(const Zeichnung& z) {
  return {z.ebenen.aktiveEbene(), z.ebenen.aktiveFolie(), z.speicher.aktuell.planteil, z.speicher.aktuell.folie};
}

TEST_F(DreiEbenen, NeueEbeneWirdAktivMitUnterebeneEinsUndNeueElementeLandenDort) {
  PlanteilNeuAngaben a;
  a.bezeichnung = "Lageplan";
  a.massstabKnopf = 10;  // 1:1000
  EXPECT_EQ(neueEbene(z, a), 4);
  EXPECT_EQ(std::tuple(z.ebenen.name(4), z.ebenen.massstab(4), z.ebenen.folienname(4, 1), z.ebenen.gemerkteFolie(4)),
            std::tuple("Lageplan", 1000, "Unterebene 1", 1));
  EXPECT_EQ(aktiv(z), std::tuple(4, 1, 4, 1));
  EXPECT_TRUE(z.speicher.modifiziert());
  a.bezeichnung.clear();
  EXPECT_EQ(z.ebenen.name(neueEbene(z, a)), "Ebene 5");
}

TEST(NeueEbene, VorlageHaktNurIhreFolienAn) {
  for (const auto& [v, zahl] : {std::pair(Folienvorlage::Projektgrafiken, 3), {Folienvorlage::Schnitte, 5}}) {
    PlanteilNeuAngaben a;
    a.angehakt.fill(true);
    a.folien.fill("alt");
    wendeVorlageAn(a, v);
    for (int i = 0; i < PlanteilNeuAngaben::Folienfelder; ++i)
      EXPECT_EQ(std::pair(a.angehakt[i], a.folien[i].empty()), std::pair(i < zahl, i >= zahl)) << i;
  }
}

TEST_F(DreiEbenen, NeinLaesstMarkierteObjekteWoSieSindUndHebtDieMarkierungAuf) {
  z.speicher.setzeMarkiert(linien.e1, 1);
  benutzer.antworten.push_back(Antwort::Nein);
  aktiviereEbene(z, benutzer, 2);
  EXPECT_EQ(benutzer.fragen,
            std::vector<std::string>{"Sollen die markierten Objekte auf die aktivierte Ebene übertragen werden?"});
  EXPECT_EQ(std::tuple(z.speicher.planteil(linien.e1), z.speicher.anzahlMarkierte()), std::tuple(1, 0));

  z.speicher.setzeMarkiert(linien.e2f1, 1);
  aktiviereFolie(z, benutzer, 2);  // default answer: No
  EXPECT_EQ(benutzer.fragen.back(), "Sollen die markierten Objekte auf die neu gewählte Unterebene verschoben werden?");
  EXPECT_EQ(std::tuple(z.speicher.folie(linien.e2f1), z.speicher.anzahlMarkierte(), z.ebenen.aktiveFolie()),
            std::tuple(1, 0, 2));
}

TEST_F(DreiEbenen, UebertragenMitSkalierenUndDuplizierenIstEinUndoSchritt) {
  // Layer 1 is 1:100, layer 2 1:50: the copy doubles about (5, 0).
  z.ebenen.setzeGemerkteFolie(2, 2);
  z.speicher.setzeMarkiert(linien.e1, 1);
  benutzer.antworten.push_back(Antwort::Ja);
  const auto stufeVorher = z.speicher.undoStufe();
  aktiviereEbene(z, benutzer, 2, {.skalieren = true, .duplizieren = true, .bezugspunkt = Weltpunkt{5, 0}});
  EXPECT_EQ(z.speicher.undoStufe(), stufeVorher + 1);
  EXPECT_EQ(anzahlLebende(z), 5);
  const std::int32_t original = lebendeLinieBei(z, 10), kopie = lebendeLinieBei(z, 15);
  ASSERT_NE(original, 0);
  ASSERT_NE(kopie, 0);
  const Elementspeicher& s = z.speicher;
  EXPECT_EQ(std::tuple(s.planteil(original), s.markiert(original)), std::tuple(1, 0));
  EXPECT_EQ(std::tuple(s.planteil(kopie), s.folie(kopie), s.markiert(kopie)), std::tuple(2, 2, 1));
  EXPECT_EQ(std::tuple(s.linie(kopie).y1, s.linie(kopie).x2), std::tuple(20.0, 35.0));

  z.speicher.rueckgaengig();
  EXPECT_EQ(std::tuple(anzahlLebende(z), lebendeLinieBei(z, 15)), std::tuple(4, 0));
  EXPECT_EQ(z.speicher.planteil(lebendeLinieBei(z, 10)), 1);
  z.speicher.wiederherstellen();
  EXPECT_EQ(anzahlLebende(z), 5);
}

TEST_F(DreiEbenen, NaechsteEbeneBleibtAnDenEnden) {
  for (const auto& [richtung, geht] : {std::tuple(-1, false), {+1, true}, {+1, true}, {+1, false}})
    EXPECT_EQ(naechsteEbene(z, richtung), geht);
  EXPECT_EQ(std::tuple(z.ebenen.aktiveEbene(), int(z.speicher.aktuell.planteil)), std::tuple(3, 3));
}

TEST_F(DreiEbenen, UnterebeneAktivierenMitJaVerschiebtInEinemSchritt) {
  aktiviereEbene(z, benutzer, 2);
  z.speicher.setzeMarkiert(linien.e2f1, 1);
  benutzer.antworten.push_back(Antwort::Ja);
  aktiviereFolie(z, benutzer, 2);
  EXPECT_EQ(z.ebenen.gemerkteFolie(2), 2);
  EXPECT_EQ(std::tuple(z.speicher.folie(lebendeLinieBei(z, 20)), anzahlLebende(z)), std::tuple(2, 4));
  z.speicher.rueckgaengig();
  EXPECT_EQ(z.speicher.folie(lebendeLinieBei(z, 20)), 1);
}

TEST_F(DreiEbenen, NeueUnterebeneWirdAktivBisZurGrenze) {
  EXPECT_EQ(neueFolie(z, "Möblierung"), 2);
  EXPECT_EQ(aktiv(z), std::tuple(1, 2, 1, 2));
  EXPECT_EQ(neueFolie(z, ""), 3);
  EXPECT_EQ(z.ebenen.folienname(1, 3), "Unterebene 3");
  for (int i = 4; i <= 250; ++i) neueFolie(z, "");
  EXPECT_EQ(neueFolie(z, ""), 0);
  EXPECT_EQ(z.ebenen.folienanzahl(1), 250);
}

TEST_F(DreiEbenen, EbeneZweiLoeschenRuecktEbeneDreiMitNamenMassstabUndObjektenNach) {
  z.ansichten.definiere(1, Ansichtsdaten::ausEbenen(z.ebenen));
  z.ansichten.slot(1)->daten.setzeAnzeigezustand(3, 2);
  aktiviereEbene(z, benutzer, 2);
  benutzer.antworten.push_back(Antwort::Ja);
  EXPECT_TRUE(loescheAktiveEbene(z, benutzer));
  EXPECT_EQ(benutzer.fragen, std::vector<std::string>{"Wollen Sie die aktuelle Ebene wirklich löschen?"});
  EXPECT_EQ(std::tuple(z.ebenen.anzahl(), z.ebenen.name(2), z.ebenen.massstab(2), z.speicher.gesamtanzahl()),
            std::tuple(2, "Details", 10, 2));
  EXPECT_EQ(std::tuple(z.speicher.planteil(lebendeLinieBei(z, 30)), z.speicher.planteil(lebendeLinieBei(z, 10))),
            std::tuple(2, 1));
  const Ansichtsdaten& d = z.ansichten.slot(1)->daten;
  EXPECT_EQ(std::tuple(d.anzeigezustand(2), d.anzeigezustand(3)), std::tuple(2, 0));
  EXPECT_EQ(std::tuple(aktiv(z), z.speicher.modifiziert()), std::tuple(std::tuple(2, 1, 2, 1), true));
}

TEST_F(DreiEbenen, UnterebeneLoeschenNummeriertDieObjekteDerselbenEbeneUm) {
  // Layer 3 also gets a sublayer 2, which must keep its number.
  z.ebenen.fuegeFolieAn(3, "");
  z.ebenen.fuegeFolieAn(2, "Dritte");
  z.speicher.beginneSchritt();
  linieAuf(z, 3, 2, 300, 0, 310, 0);
  linieAuf(z, 2, 3, 200, 0, 210, 0);
  z.ansichten.definiere(2, Ansichtsdaten::ausEbenen(z.ebenen));
  z.ansichten.slot(2)->daten.setzeFolienzustand(2, 3, FolieGeschuetzt);
  z.ebenen.setzeAktiv(2, 2);
  benutzer.antworten.push_back(Antwort::Ja);
  EXPECT_TRUE(loescheAktiveFolie(z, benutzer));
  EXPECT_EQ(benutzer.fragen.back(), "Wollen Sie die aktuelle Unterebene wirklich löschen?");
  EXPECT_EQ(lebendeLinieBei(z, 20), linien.e2f1);  // sublayer 1 untouched
  for (std::int32_t n = 1; n <= z.speicher.gesamtanzahl(); ++n)
    EXPECT_FALSE(x1Von(z, n) == 20 && z.speicher.folie(n) == 2) << "Möbel-Linie blieb";
  EXPECT_EQ(std::tuple(z.speicher.folie(lebendeLinieBei(z, 200)), z.speicher.folie(lebendeLinieBei(z, 300))),
            std::tuple(2, 2));
  EXPECT_EQ(std::tuple(z.ebenen.folienanzahl(2), z.ebenen.folienname(2, 2)), std::tuple(2, "Dritte"));
  EXPECT_EQ(z.ansichten.slot(2)->daten.folienzustand(2, 2), FolieGeschuetzt);
  EXPECT_EQ(z.speicher.gesamtanzahl(), 5);
  // "Dritte" is now the last sublayer and active; it goes as well.
  benutzer.antworten.push_back(Antwort::Ja);
  EXPECT_TRUE(loescheAktiveFolie(z, benutzer));
  EXPECT_EQ(std::tuple(z.ebenen.folienanzahl(2), aktiv(z)), std::tuple(1, std::tuple(2, 1, 2, 1)));
}

TEST_F(DreiEbenen, EbenenTauschenHaltenObjekteTabellenUndAnsichtenZusammen) {
  z.ebenen.setzeAnzeigezustand(3, 1);
  z.ansichten.definiere(1, Ansichtsdaten::ausEbenen(z.ebenen));
  aktiviereEbene(z, benutzer, 3);
  tauscheEbenen(z, 2, 3);
  EXPECT_EQ(std::tuple(z.ebenen.name(2), z.ebenen.massstab(2), z.ebenen.folienname(3, 2)),
            std::tuple("Details", 10, "Möbel"));
  const Elementspeicher& s = z.speicher;
  EXPECT_EQ(std::tuple(s.planteil(linien.e3), s.planteil(linien.e2f2), s.planteil(linien.e1)), std::tuple(2, 3, 1));
  const Ansichtsdaten& d = z.ansichten.slot(1)->daten;
  EXPECT_EQ(std::tuple(d.anzeigezustand(2), d.anzeigezustand(3)), std::tuple(1, 0));
  // The user keeps working on the same layer under its new number.
  EXPECT_EQ(aktiv(z), std::tuple(2, 1, 2, 1));

  // Swapping sublayers touches only the active layer.
  z.ebenen.fuegeFolieAn(2, "");
  z.speicher.beginneSchritt();
  const std::int32_t auf2f2 = linieAuf(z, 2, 2, 300, 0, 310, 0);
  aktiviereEbene(z, benutzer, 3);
  tauscheFolien(z, 1, 2);
  EXPECT_EQ(z.ebenen.folienname(3, 1), "Möbel");
  EXPECT_EQ(std::tuple(s.folie(linien.e2f1), s.folie(linien.e2f2), s.folie(linien.e3), s.folie(auf2f2)),
            std::tuple(2, 1, 1, 2));
}

TEST_F(DreiEbenen, SichtbarkeitWechseltReihum) {
  for (std::uint8_t erwartet : {1, 2, 3, 0}) EXPECT_EQ(wechsleSichtbarkeit(z), erwartet);
  wechsleSichtbarkeit(z);
  EXPECT_EQ(std::tuple(z.ebenen.geschuetzt(1, 1), z.ebenen.geschuetzt(2, 1)), std::tuple(true, false));
}

}  // namespace
}  // namespace quarzel
