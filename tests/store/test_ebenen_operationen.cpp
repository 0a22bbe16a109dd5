// The layer commands on a whole drawing: elements, tables, views and undo
// have to stay in step.
#include <gtest/gtest.h>

#include "store/ebenenoperationen.h"
#include "support/dreiebenen.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

using test::DreiEbenen;
using test::linieAuf;
using test::x1Von;

constexpr const char* FrageUebertragen = "Sollen die markierten Objekte auf die aktivierte Ebene übertragen werden?";
constexpr const char* FrageVerschieben =
    "Sollen die markierten Objekte auf die neu gewählte Unterebene verschoben werden?";

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

// --- New layer ----------------------------------------------------------------------------

TEST(NeueEbene, BeiZweihundertfuenfzigEbenenAendertSichNichts) {
  Zeichnung z;
  test::initialisiere(z.speicher);
  for (int i = 2; i <= 250; ++i) z.ebenen.fuegeEbeneAn("");
  z.ebenen.setzeAktiv(17, 1);
  z.speicher.setzeModifiziert(false);
  PlanteilNeuAngaben a;
  a.bezeichnung = "Noch eine";
  EXPECT_EQ(neueEbene(z, a), 0);
  EXPECT_EQ(z.ebenen.anzahl(), 250);
  EXPECT_EQ(z.ebenen.aktiveEbene(), 17);
  EXPECT_EQ(z.ebenen.name(250), "Ebene 250");
  EXPECT_FALSE(z.speicher.modifiziert());
}

TEST_F(DreiEbenen, NeueEbeneWirdAktivMitUnterebeneEinsUndNeueElementeLandenDort) {
  PlanteilNeuAngaben a;
  a.bezeichnung = "Lageplan";
  a.massstabKnopf = 10;  // 1:1000
  EXPECT_EQ(neueEbene(z, a), 4);
  EXPECT_EQ(z.ebenen.name(4), "Lageplan");
  EXPECT_EQ(z.ebenen.massstab(4), 1000);
  EXPECT_EQ(z.ebenen.aktiveEbene(), 4);
  EXPECT_EQ(z.ebenen.aktiveFolie(), 1);
  EXPECT_EQ(z.ebenen.gemerkteFolie(4), 1);
  EXPECT_EQ(z.ebenen.folienname(4, 1), "Unterebene 1");
  EXPECT_EQ(z.speicher.aktuell.planteil, 4);
  EXPECT_EQ(z.speicher.aktuell.folie, 1);
  EXPECT_TRUE(z.speicher.modifiziert());
  a.bezeichnung.clear();
  EXPECT_EQ(z.ebenen.name(neueEbene(z, a)), "Ebene 5");
}

TEST_F(DreiEbenen, ZeichnungsmassstabGibtNullUndFolgtDemZeichnungsmassstab) {
  PlanteilNeuAngaben a;
  a.zeichnungsmassstab = true;
  a.beliebigerMassstab = true;
  a.freierMassstab = 33;
  const int nr = neueEbene(z, a);
  EXPECT_EQ(z.ebenen.massstab(nr), 0);
  z.ansicht.drawingScale = 200;
  EXPECT_EQ(z.massstabInKraft(), 200);
  z.ansicht.drawingScale = 25;
  EXPECT_EQ(z.massstabInKraft(), 25);
  EXPECT_EQ(massstabVon(z, nr), 25);
}

TEST(NeueEbeneAngaben, BeliebigerMassstabWirdBegrenztUndEinheitGepackt) {
  PlanteilNeuAngaben a;
  a.beliebigerMassstab = true;
  a.freierMassstab = 5e7;
  EXPECT_EQ(massstabAus(a), 1000000);
  a.freierMassstab = 0;
  EXPECT_EQ(massstabAus(a), 0.00001);
  a.beliebigerMassstab = false;
  a.massstabKnopf = 3;
  EXPECT_EQ(massstabAus(a), 25);
  a.massstabKnopf = 99;
  EXPECT_EQ(massstabAus(a), 100);

  EXPECT_EQ(einheitAus(a), 0);
  a.zeichnungseinheit = false;
  a.einheitWahl = 1;  // cm
  a.nachkommastellen = 2;
  a.einheitAnzeigen = true;
  EXPECT_EQ(einheitAus(a), 162);
}

TEST(NeueEbeneAngaben, VorlagenFuellenUndHakenDieFelder) {
  PlanteilNeuAngaben a;
  wendeVorlageAn(a, Folienvorlage::Geschosse);
  EXPECT_EQ(a.folien[1], "Kellergeschoss");
  EXPECT_EQ(a.folien[2], "Erdgeschoss");
  EXPECT_EQ(a.folien[3], "1. Obergeschoss");
  EXPECT_EQ(a.folien[7], "Dachgeschoss");
  for (bool h : a.angehakt) EXPECT_TRUE(h);
  wendeVorlageAn(a, Folienvorlage::Projektgrafiken);
  EXPECT_EQ(a.folien[0], "Grundriss");
  EXPECT_TRUE(a.angehakt[2]);
  EXPECT_FALSE(a.angehakt[3]);
  EXPECT_EQ(a.folien[3], "");  // what the larger preset left is gone
  wendeVorlageAn(a, Folienvorlage::Schnitte);
  EXPECT_EQ(a.folien[4], "Schnitt E-E");
  EXPECT_FALSE(a.angehakt[5]);
  wendeVorlageAn(a, Folienvorlage::Benutzerdefiniert);
  EXPECT_EQ(a.folien[9], "Unterebene 10");
  EXPECT_EQ(vorlagenText(Folienvorlage::Geschosse), "Geschosse (10 Folien)");
  EXPECT_EQ(vorlagenText(Folienvorlage::Benutzerdefiniert), "Benutzerdefiniert (10 Folien)");
}

TEST_F(DreiEbenen, VorlageSchnitteErgibtFuenfUnterebenen) {
  PlanteilNeuAngaben a;
  wendeVorlageAn(a, Folienvorlage::Schnitte);
  const int nr = neueEbene(z, a);
  ASSERT_EQ(z.ebenen.folienanzahl(nr), 5);
  EXPECT_EQ(z.ebenen.folienname(nr, 1), "Schnitt A-A");
  EXPECT_EQ(z.ebenen.folienname(nr, 5), "Schnitt E-E");
}

TEST_F(DreiEbenen, AngehakteFelderWerdenLueckenlosNummeriert) {
  PlanteilNeuAngaben a;
  a.folien[0] = "Erste";
  a.folien[3] = "Vierte";
  a.angehakt[3] = true;
  a.angehakt[6] = true;  // ticked, no text
  a.folien[5] = "nicht angehakt";
  const int nr = neueEbene(z, a);
  ASSERT_EQ(z.ebenen.folienanzahl(nr), 3);
  EXPECT_EQ(z.ebenen.folienname(nr, 1), "Erste");
  EXPECT_EQ(z.ebenen.folienname(nr, 2), "Vierte");
  EXPECT_EQ(z.ebenen.folienname(nr, 3), "Unterebene 3");
}

// --- Activating a layer ---------------------------------------------------------------------

TEST_F(DreiEbenen, AktivierenOhneMarkierteFragtNichtsUndNimmtDieGemerkteUnterebene) {
  z.ebenen.setzeGemerkteFolie(2, 2);
  Uebertragung beides;
  beides.skalieren = beides.duplizieren = true;
  aktiviereEbene(z, benutzer, 2, beides);
  EXPECT_TRUE(benutzer.fragen.empty());
  EXPECT_EQ(z.ebenen.aktiveEbene(), 2);
  EXPECT_EQ(z.ebenen.aktiveFolie(), 2);
  EXPECT_EQ(z.speicher.aktuell.planteil, 2);
  EXPECT_EQ(z.speicher.aktuell.folie, 2);
  EXPECT_EQ(z.speicher.gesamtanzahl(), 4);
}

TEST_F(DreiEbenen, NeinLaesstMarkierteObjekteWoSieSindUndHebtDieMarkierungAuf) {
  z.speicher.setzeMarkiert(linien.e1, 1);
  benutzer.antworten.push_back(Antwort::Nein);
  aktiviereEbene(z, benutzer, 2);
  ASSERT_EQ(benutzer.fragen.size(), 1u);
  EXPECT_EQ(benutzer.fragen[0], FrageUebertragen);
  EXPECT_EQ(z.speicher.planteil(linien.e1), 1);
  EXPECT_EQ(z.speicher.anzahlMarkierte(), 0);

  z.speicher.setzeMarkiert(linien.e2f1, 1);
  aktiviereFolie(z, benutzer, 2);  // default answer: No
  EXPECT_EQ(benutzer.fragen.back(), FrageVerschieben);
  EXPECT_EQ(z.speicher.folie(linien.e2f1), 1);
  EXPECT_EQ(z.speicher.anzahlMarkierte(), 0);
  EXPECT_EQ(z.ebenen.aktiveFolie(), 2);
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
  const std::int32_t original = lebendeLinieBei(z, 10);
  const std::int32_t kopie = lebendeLinieBei(z, 15);
  ASSERT_NE(original, 0);
  ASSERT_NE(kopie, 0);
  EXPECT_EQ(z.speicher.planteil(original), 1);
  EXPECT_EQ(z.speicher.markiert(original), 0);
  EXPECT_EQ(z.speicher.planteil(kopie), 2);
  EXPECT_EQ(z.speicher.folie(kopie), 2);
  EXPECT_EQ(z.speicher.markiert(kopie), 1);
  const Tliniendaten& l = z.speicher.linie(kopie);
  EXPECT_DOUBLE_EQ(l.y1, 20);
  EXPECT_DOUBLE_EQ(l.x2, 35);

  z.speicher.rueckgaengig();
  EXPECT_EQ(anzahlLebende(z), 4);
  EXPECT_EQ(lebendeLinieBei(z, 15), 0);
  EXPECT_EQ(z.speicher.planteil(lebendeLinieBei(z, 10)), 1);
  z.speicher.wiederherstellen();
  EXPECT_EQ(anzahlLebende(z), 5);
}

TEST_F(DreiEbenen, UebertragenOhneDuplizierenVerschiebtUndUndoStelltHer) {
  z.speicher.setzeMarkiert(linien.e3, 1);
  benutzer.antworten.push_back(Antwort::Ja);
  // Layer 3 (1:10) to layer 1 (1:100): a tenth, about the drawing's zero point.
  const Weltpunkt p = z.ansicht.zeroPoint;
  Uebertragung skalieren;
  skalieren.skalieren = true;
  aktiviereEbene(z, benutzer, 1, skalieren);
  EXPECT_EQ(anzahlLebende(z), 4);
  const std::int32_t neu = lebendeLinieBei(z, p.x + (30 - p.x) / 10);
  ASSERT_NE(neu, 0);
  EXPECT_EQ(z.speicher.planteil(neu), 1);
  EXPECT_EQ(z.speicher.folie(neu), 1);
  z.speicher.rueckgaengig();
  const std::int32_t alt = lebendeLinieBei(z, 30);
  ASSERT_NE(alt, 0);
  EXPECT_EQ(z.speicher.planteil(alt), 3);
  EXPECT_EQ(anzahlLebende(z), 4);
}

TEST_F(DreiEbenen, NaechsteEbeneBleibtAnDenEnden) {
  EXPECT_FALSE(naechsteEbene(z, -1));
  EXPECT_TRUE(naechsteEbene(z, +1));
  EXPECT_TRUE(naechsteEbene(z, +1));
  EXPECT_FALSE(naechsteEbene(z, +1));
  EXPECT_EQ(z.ebenen.aktiveEbene(), 3);
  EXPECT_EQ(z.speicher.aktuell.planteil, 3);
}

// --- Sublayers -------------------------------------------------------------------------------

TEST_F(DreiEbenen, UnterebeneAktivierenMitJaVerschiebtInEinemSchritt) {
  aktiviereEbene(z, benutzer, 2);
  z.speicher.setzeMarkiert(linien.e2f1, 1);
  benutzer.antworten.push_back(Antwort::Ja);
  aktiviereFolie(z, benutzer, 2);
  EXPECT_EQ(z.ebenen.gemerkteFolie(2), 2);
  EXPECT_EQ(z.speicher.folie(lebendeLinieBei(z, 20)), 2);
  EXPECT_EQ(anzahlLebende(z), 4);
  z.speicher.rueckgaengig();
  EXPECT_EQ(z.speicher.folie(lebendeLinieBei(z, 20)), 1);
}

TEST_F(DreiEbenen, NeueUnterebeneWirdAktivBisZurGrenze) {
  EXPECT_EQ(neueFolie(z, "Möblierung"), 2);
  EXPECT_EQ(z.ebenen.aktiveFolie(), 2);
  EXPECT_EQ(z.speicher.aktuell.folie, 2);
  EXPECT_EQ(neueFolie(z, ""), 3);
  EXPECT_EQ(z.ebenen.folienname(1, 3), "Unterebene 3");
  for (int i = 4; i <= 250; ++i) neueFolie(z, "");
  EXPECT_EQ(neueFolie(z, ""), 0);
  EXPECT_EQ(z.ebenen.folienanzahl(1), 250);
}

TEST_F(DreiEbenen, UnterebeneSchuetzenSetztUndLoeschtNurDasSchutzbit) {
  z.ebenen.setzeFolienzustand(1, 1, FolieAusgeblendet);
  schuetzeAktiveFolie(z, true);
  EXPECT_EQ(z.ebenen.folienzustand(1, 1), FolieAusgeblendet | FolieGeschuetzt);
  schuetzeAktiveFolie(z, false);
  EXPECT_EQ(z.ebenen.folienzustand(1, 1), FolieAusgeblendet);
}

// --- Deleting ----------------------------------------------------------------------------------

TEST_F(DreiEbenen, EbeneZweiLoeschenRuecktEbeneDreiMitNamenMassstabUndObjektenNach) {
  z.ansichten.definiere(1, z.ebenen);
  z.ansichten.slot(1)->daten.setzeAnzeigezustand(3, 2);
  aktiviereEbene(z, benutzer, 2);
  benutzer.antworten.push_back(Antwort::Ja);
  EXPECT_TRUE(loescheAktiveEbene(z, benutzer));
  ASSERT_EQ(benutzer.fragen.size(), 1u);
  EXPECT_EQ(benutzer.fragen[0], "Wollen Sie die aktuelle Ebene wirklich löschen?");

  EXPECT_EQ(z.ebenen.anzahl(), 2);
  EXPECT_EQ(z.ebenen.name(2), "Details");
  EXPECT_EQ(z.ebenen.massstab(2), 10);
  EXPECT_EQ(z.speicher.gesamtanzahl(), 2);
  EXPECT_EQ(z.speicher.planteil(lebendeLinieBei(z, 30)), 2);
  EXPECT_EQ(z.speicher.planteil(lebendeLinieBei(z, 10)), 1);
  EXPECT_EQ(z.ansichten.slot(1)->daten.anzeigezustand(2), 2);
  EXPECT_EQ(z.ansichten.slot(1)->daten.anzeigezustand(3), 0);
  EXPECT_EQ(z.ebenen.aktiveEbene(), 2);
  EXPECT_EQ(z.speicher.aktuell.planteil, 2);
  EXPECT_TRUE(z.speicher.modifiziert());
}

TEST_F(DreiEbenen, EbeneLoeschenEntferntAuchIhreObjekteImUndoSpeicher) {
  // An element of layer 2 deleted earlier waits in the history.
  z.speicher.setzeMarkiert(linien.e2f2, 1);
  z.speicher.loescheMarkierte();
  ASSERT_EQ(anzahlLebende(z), 3);
  aktiviereEbene(z, benutzer, 2);
  benutzer.antworten.push_back(Antwort::Ja);
  ASSERT_TRUE(loescheAktiveEbene(z, benutzer));
  z.speicher.rueckgaengig();
  // Undoing the old deletion brings nothing back onto the new layer 2.
  for (std::int32_t n = 1; n <= z.speicher.gesamtanzahl(); ++n) EXPECT_NE(x1Von(z, n), 20) << n;
  EXPECT_EQ(z.speicher.gesamtanzahl(), 2);
}

TEST_F(DreiEbenen, EbeneLoeschenMitNeinAendertNichts) {
  EXPECT_FALSE(loescheAktiveEbene(z, benutzer));
  EXPECT_EQ(z.ebenen.anzahl(), 3);
  EXPECT_EQ(z.speicher.gesamtanzahl(), 4);
  EXPECT_FALSE(z.speicher.modifiziert());
}

TEST(EbeneLoeschen, DieEinzigeEbeneOderUnterebeneWirdNichtGeloeschtUndNichtsGefragt) {
  Zeichnung z;
  test::initialisiere(z.speicher);
  SkriptBenutzer b;
  b.standardJaNein = true;
  EXPECT_FALSE(loescheAktiveEbene(z, b));
  EXPECT_TRUE(b.fragen.empty());
  EXPECT_EQ(b.letzteMeldung(), "Die einzige Ebene der Zeichnung kann nicht gelöscht werden.");
  EXPECT_FALSE(loescheAktiveFolie(z, b));
  EXPECT_EQ(b.letzteMeldung(), "Die einzige Unterebene einer Ebene kann nicht gelöscht werden.");
  EXPECT_EQ(z.ebenen.anzahl(), 1);
}

TEST_F(DreiEbenen, UnterebeneLoeschenNummeriertDieObjekteDerselbenEbeneUm) {
  // Layer 3 also gets a sublayer 2, which must keep its number.
  z.ebenen.fuegeFolieAn(3, "");
  z.ebenen.fuegeFolieAn(2, "Dritte");
  z.speicher.beginneSchritt();
  linieAuf(z, 3, 2, 300, 0, 310, 0);
  linieAuf(z, 2, 3, 200, 0, 210, 0);
  z.ansichten.definiere(2, z.ebenen);
  z.ansichten.slot(2)->daten.setzeFolienzustand(2, 3, FolieGeschuetzt);
  z.ebenen.setzeAktiv(2, 2);
  benutzer.antworten.push_back(Antwort::Ja);

  EXPECT_TRUE(loescheAktiveFolie(z, benutzer));
  EXPECT_EQ(benutzer.fragen.back(), "Wollen Sie die aktuelle Unterebene wirklich löschen?");
  EXPECT_EQ(lebendeLinieBei(z, 20), linien.e2f1);  // sublayer 1 untouched ...
  for (std::int32_t n = 1; n <= z.speicher.gesamtanzahl(); ++n)
    EXPECT_FALSE(x1Von(z, n) == 20 && z.speicher.folie(n) == 2) << "Möbel-Linie blieb";
  EXPECT_EQ(z.speicher.folie(lebendeLinieBei(z, 200)), 2);
  EXPECT_EQ(z.speicher.folie(lebendeLinieBei(z, 300)), 2);
  EXPECT_EQ(z.ebenen.folienanzahl(2), 2);
  EXPECT_EQ(z.ebenen.folienname(2, 2), "Dritte");
  EXPECT_EQ(z.ansichten.slot(2)->daten.folienzustand(2, 2), FolieGeschuetzt);
  EXPECT_EQ(z.speicher.gesamtanzahl(), 5);
}

// --- Swapping ------------------------------------------------------------------------------------

TEST_F(DreiEbenen, EbenenTauschenHaeltObjekteTabellenUndAnsichtenZusammen) {
  z.ebenen.setzeAnzeigezustand(3, 1);
  z.ansichten.definiere(1, z.ebenen);
  aktiviereEbene(z, benutzer, 3);
  tauscheEbenen(z, 2, 3);
  EXPECT_EQ(z.ebenen.name(2), "Details");
  EXPECT_EQ(z.ebenen.massstab(2), 10);
  EXPECT_EQ(z.ebenen.folienname(3, 2), "Möbel");
  EXPECT_EQ(z.speicher.planteil(linien.e3), 2);
  EXPECT_EQ(z.speicher.planteil(linien.e2f2), 3);
  EXPECT_EQ(z.speicher.planteil(linien.e1), 1);
  EXPECT_EQ(z.ansichten.slot(1)->daten.anzeigezustand(2), 1);
  EXPECT_EQ(z.ansichten.slot(1)->daten.anzeigezustand(3), 0);
  // The user keeps working on the same layer under its new number.
  EXPECT_EQ(z.ebenen.aktiveEbene(), 2);
  EXPECT_EQ(z.speicher.aktuell.planteil, 2);
}

TEST_F(DreiEbenen, UnterebenenTauschenBetrifftNurDieAktiveEbene) {
  z.ebenen.fuegeFolieAn(3, "");
  z.speicher.beginneSchritt();
  const std::int32_t auf3f2 = linieAuf(z, 3, 2, 300, 0, 310, 0);
  aktiviereEbene(z, benutzer, 2);
  tauscheFolien(z, 1, 2);
  EXPECT_EQ(z.ebenen.folienname(2, 1), "Möbel");
  EXPECT_EQ(z.speicher.folie(linien.e2f1), 2);
  EXPECT_EQ(z.speicher.folie(linien.e2f2), 1);
  EXPECT_EQ(z.speicher.folie(linien.e3), 1);
  EXPECT_EQ(z.speicher.folie(auf3f2), 2);
}

// --- Display state -----------------------------------------------------------------

TEST_F(DreiEbenen, SichtbarkeitWechselnLaeuftReihum) {
  const std::uint8_t folge[] = {1, 2, 3, 0};
  for (std::uint8_t erwartet : folge) EXPECT_EQ(wechsleSichtbarkeit(z), erwartet);
  wechsleSichtbarkeit(z);
  EXPECT_TRUE(z.ebenen.geschuetzt(1, 1));
  EXPECT_FALSE(z.ebenen.geschuetzt(2, 1));
}

}  // namespace
}  // namespace quarzel
