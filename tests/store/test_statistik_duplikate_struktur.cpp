// Drawing statistics, duplicate searches and the structure check.
#include <gtest/gtest.h>

#include "platform/skriptbenutzer.h"
#include "store/duplikate.h"
#include "store/statistik.h"
#include "store/strukturpruefung.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

class Befunde : public ::testing::Test {
 protected:
  void SetUp() override { test::initialisiere(s); }
  Elementspeicher s;
  SkriptBenutzer benutzer;
};

TEST_F(Befunde, StatistikZeilenUndSpalten) {
  Statistik leer = zeichnungsstatistik(s);
  for (const auto& z : leer) EXPECT_EQ(z.gesamt(), 0) << z.name;
  EXPECT_EQ(std::tuple(leer[0].name, leer[13].name), std::tuple("Bemaßungen", "Gesamt"));

  s.beginneSchritt();
  test::linie(s, 0, 0, 1, 1, false);
  test::klammer(s, Elementart::Gruppenanfang);
  s.vervollstaendige(s.neueLinie(Tliniendaten{}, Elementart::Wandlinie1));
  test::klammer(s, Elementart::Gruppenende);
  s.vervollstaendige(s.neueLinie(Tliniendaten{}, Elementart::Wandlinie2));
  s.vervollstaendige(s.neuerText(Elementart::Kommentar, {}));  // comments are not counted
  const auto weg = test::linie(s, 5, 5, 6, 6, false);
  s.demarkiereAlle();
  s.setzeMarkiert(weg, 1);
  s.loescheMarkierte();

  const Statistik st = zeichnungsstatistik(s);
  EXPECT_EQ(std::tuple(st[5].name, st[5].zeichnung, st[6].zeichnung, st[6].undoRedo),
            std::tuple("Gruppenobjekte", 2, 1, 1));
  EXPECT_EQ(std::tuple(st[12].name, st[12].zeichnung, st[13].zeichnung, st[13].undoRedo, st[13].gesamt()),
            std::tuple("Wandobjekte", 2, 5, 1, 6));
}

TEST_F(Befunde, DoppelteLinienAuchUmgekehrtGezeichnet) {
  s.beginneSchritt();
  test::linie(s, 0, 0, 10, 0, false);
  const auto umgekehrt = test::linie(s, 10, 0, 0, 0, false);
  const auto gleich = test::linie(s, 0, 0, 10, 0.0000001, false);  // below the rounding
  test::linie(s, 0, 0, 10, 0.001, false);                          // a real other line
  s.aktuell.planteil = 2;
  test::linie(s, 0, 0, 10, 0, false);  // other layer: not a copy
  EXPECT_EQ(findeDuplikate(s, Duplikatsuche::Linien), (std::vector<std::int32_t>{umgekehrt, gleich}));

  benutzer.antworten = {Antwort::Ja};
  EXPECT_EQ(entferneDuplikate(s, Duplikatsuche::Linien, benutzer), 2);
  EXPECT_EQ(benutzer.fragen,
            std::vector<std::string>{"Es wurden 2 doppelte Linien gefunden. Sollen diese Linien nun gelöscht werden?"});
  EXPECT_EQ(std::tuple(s.lebendig(umgekehrt), findeDuplikate(s, Duplikatsuche::Linien).size()), std::tuple(false, 0u));
  s.rueckgaengig();
  EXPECT_TRUE(s.lebendig(umgekehrt)) << "deleting the copies is one undo step";
}

TEST_F(Befunde, DuplikatMeldungenFuerObjekte) {
  entferneDuplikate(s, Duplikatsuche::Polygone, benutzer);
  EXPECT_EQ(benutzer.letzteMeldung(), "Es wurden keine doppelte Objekte gefunden");
  entferneDuplikate(s, Duplikatsuche::Linien, benutzer);
  EXPECT_EQ(benutzer.letzteMeldung(), "Es wurden keine doppelte Linien gefunden");

  s.beginneSchritt();
  test::polygon(s, {{0, 0}, {5, 0}, {5, 5}});
  const auto kopie = test::polygon(s, {{5, 5}, {5, 0}, {0, 0}});
  const tbogendaten kreis{.xr = 3, .yr = 3};
  s.vervollstaendige(s.neuerBogen(kreis));
  s.vervollstaendige(s.neuerBogen(kreis));
  benutzer.antworten = {Antwort::Nein};
  EXPECT_EQ(entferneDuplikate(s, Duplikatsuche::Polygone, benutzer), 0);
  EXPECT_EQ(benutzer.fragen.back(), "Es wurde ein doppeltes Objekt gefunden. Soll dieses Objekt gelöscht werden?");
  EXPECT_TRUE(s.lebendig(kopie));
  EXPECT_EQ(findeDuplikate(s, Duplikatsuche::KreiseUndEllipsen).size(), 1u);
}

TEST_F(Befunde, StrukturpruefungFindetKlammerfehlerUndFehlendeEbenen) {
  auto alleEbenen = [](std::uint8_t) { return true; };
  EXPECT_EQ(pruefeStruktur(s, alleEbenen), Strukturbefund::InOrdnung);
  s.beginneSchritt();
  test::klammer(s, Elementart::Gruppenende);
  test::klammer(s, Elementart::Gruppenanfang);
  EXPECT_EQ(pruefeStruktur(s, alleEbenen), Strukturbefund::Gruppenstruktur) << "depth below 0";

  Elementspeicher offen;
  test::initialisiere(offen);
  offen.beginneSchritt();
  test::klammer(offen, Elementart::Gruppenanfang);
  EXPECT_EQ(pruefeStruktur(offen, alleEbenen), Strukturbefund::Gruppenstruktur) << "does not end at 0";

  Elementspeicher ebene;
  test::initialisiere(ebene);
  ebene.aktuell.planteil = 7;
  test::linie(ebene, 0, 0, 1, 1);
  EXPECT_EQ(pruefeStruktur(ebene, [](std::uint8_t p) { return p <= 3; }), Strukturbefund::FehlendeEbene);
}

TEST_F(Befunde, StrukturwaechterMeldetEinmalUndSichertJedesMal) {
  s.beginneSchritt();
  test::klammer(s, Elementart::Gruppenanfang);
  Strukturwaechter w;
  std::vector<std::string> gesichert;
  w.notsicherung = [&](const std::string& p) {
    gesichert.push_back(p);
    return true;
  };
  const std::string pfad = notsicherungspfad("/plaene/haus.QZZ", "/tmp");
  EXPECT_EQ(std::tuple(pfad, notsicherungspfad("", "/home/a")),
            std::tuple("/plaene/Notsicherung.qzz", "/home/a/Notsicherung.qzz"));
  std::string status;
  auto ja = [](std::uint8_t) { return true; };
  EXPECT_TRUE(w.pruefe(s, ja, pfad, benutzer, status));
  EXPECT_TRUE(w.pruefe(s, ja, pfad, benutzer, status));
  EXPECT_EQ(benutzer.meldungen.size(), 1u);
  EXPECT_EQ(benutzer.meldungen[0].text,
            "Die Gruppenstruktur der Zeichnung ist defekt! Die Zeichnung wird unter /plaene/Notsicherung.qzz "
            "gespeichert und das Programm beendet");
  EXPECT_EQ(status, "Störung: Gruppenstruktur defekt");
  EXPECT_EQ(gesichert.size(), 2u);

  // Tool start checks at most every 15 s, also across the tick counter's wrap.
  Strukturwaechter gedrosselt;
  EXPECT_TRUE(gedrosselt.pruefeGedrosselt(0xFFFFF000u, s, ja, pfad, benutzer, status));
  EXPECT_FALSE(gedrosselt.pruefeGedrosselt(0xFFFFF000u + 14999u, s, ja, pfad, benutzer, status));
  EXPECT_TRUE(gedrosselt.pruefeGedrosselt(0xFFFFF000u + 15000u, s, ja, pfad, benutzer, status));
}

}  // namespace
}  // namespace quarzel
