// The drawing file: every kind and attribute through save -> load -> save,
// bit-exact coordinates, and the header tables.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

#include "platform/skriptbenutzer.h"
#include "store/zeichnungsdatei.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

// A drawing that holds every kind with unusual attribute values.
void fuelleAlleArten(Zeichnung& z) {
  Elementspeicher& s = z.speicher;
  s.beginneSchritt();
  z.ebenen.fuegeEbeneAn("Grundriss");
  z.ebenen.fuegeFolieAn(2, "Wände");
  z.ebenen.fuegeFolieAn(2, "LE-Lager");
  z.ebenen.setzeMassstab(2, 50);
  z.ebenen.setzeEinheit(2, 162);
  z.ebenen.setzeAnzeigezustand(2, 3);
  z.ebenen.setzeFolienzustand(2, 2, 2);
  auto fertig = [&](std::int32_t n) {
    s.vervollstaendige(n);
    s.setzeMarkiert(n, 0);
  };

  s.aktuell = {.stift = 4, .linienstil = 7, .planteil = 2, .folie = 2};
  Tliniendaten l;
  l.x1 = 0.1;
  l.y1 = 1e-300;
  l.x2 = 4852.123456789012;
  l.y2 = -77.5;
  l.farbe = rgb(1, 2, 3);
  l.anfang = 2 + 128;
  l.ende = 23;
  l.attribut = 0xDEADBEEF;
  l.attributFlag = 1;
  fertig(s.neueLinie(l));
  l.z1 = 3.25;
  fertig(s.neueLinie(l));
  l.z1 = 0;
  fertig(s.neueLinie(l, Elementart::Wandlinie1));
  fertig(s.neueLinie(l, Elementart::Wandlinie2));

  tbogendaten b;
  b.xm = 5000.5;
  b.ym = 5000.25;
  b.xr = 10;
  b.yr = 5;
  b.startwinkel = 30;
  b.endwinkel = 390;
  b.drehwinkel = 12.5f;
  fertig(s.neuerBogen(b));
  b.fuellung.schraffurName = "Beton";
  b.fuellung.gefuellt = 1;
  b.fuellung.schraffurWinkel = 45;
  b.fuellung.schraffurWert3 = 7;
  b.fuellung.fuellwert = rgb(200, 200, 200);
  fertig(s.neuerBogen(b));

  Tpolygondaten p;
  p.x = {1, 2, 3, 1};
  p.y = {4, 5, 7, 4};
  p.muster = 555999;
  p.musterFlag = 1;
  p.anfang = 1;
  p.ende = 3;
  p.abschluss = 1;
  fertig(s.neuesPolygonMitPunkten(Elementart::Polygon, p));
  p.fuellung.gefuellt = 1;
  p.fuellung.schraffurName = "Mauerwerk";
  fertig(s.neuesPolygonMitPunkten(Elementart::Polygon, p));
  p.splineoption = 2;
  fertig(s.neuesPolygonMitPunkten(Elementart::Spline, p));
  p.fuellung = {};
  fertig(s.neuesPolygonMitPunkten(Elementart::Spline, p));
  Tpolygondaten v = p;
  v.farbe = rgb(255, 0, 0);
  v.farbe2 = rgb(0, 0, 255);
  v.verlaufstyp = packeVerlaufstyp({3, true, true});
  v.wert2 = 9;
  fertig(s.neuesPolygonMitPunkten(Elementart::Verlauf, v));

  s.aktuell.linienstil = 1;
  Tbezierdaten k;
  k.punkte = {0, 0, 1, 2, 3, 4, 5, 6};
  k.option = 1;
  fertig(s.neueBezierkurve(k));
  k.fuellung.gefuellt = 1;
  fertig(s.neueBezierkurve(k));

  tmessdaten m;
  m.geometrie = {1, 2, 3, 4, 5, 6, 7, 8};
  m.typ = 3;
  m.texthoehe = 3.5;
  m.masstext = "2,50 m²";
  m.vortext = "ca.";
  m.nachtext = "!";
  m.optionen[13] = 9;
  m.werte = {1, 2, 3, 4, 5};
  fertig(s.neueBemassung(m));

  tgruppendaten g;
  g.name = "Tür T1";
  g.rahmen = {1, 2, 3, 4};
  fertig(s.neueGruppenklammer(Elementart::Gruppenanfang, g));
  Tfliestextdaten t;
  t.zeilen = {"Wohnen 24,5 m²", "Küche"};
  t.formate = {"b", ""};
  t.hoehe = 5;
  t.winkel = 90;
  t.stil = {1, 0, 1, 2, 3, 4};
  t.farbe = rgb(0, 128, 0);
  fertig(s.neuerText(Elementart::Text, t));
  t.zeilen = {std::string(300, 'x'), "zweite Zeile"};
  fertig(s.neuerText(Elementart::Kommentar, t));
  fertig(s.neueGruppenklammer(Elementart::Gruppenende, {}));

  Tbitmapdaten bild;
  bild.platzierung = {1, 2, 3, 4, 5, 6};
  bild.daten = {0x89, 'P', 'N', 'G', 0, 1, 2};
  bild.option = 17;
  fertig(s.neueBitmap(Elementart::Bitmap, bild));
  bild.option = 0;
  bild.gefuellt = 1;
  fertig(s.neueBitmap(Elementart::Fuellung, bild));
  Tmetafiledaten meta;
  meta.platzierung = {1, 2, 3, 4, 0, 30};
  meta.daten = {'<', 's', 'v', 'g', '/', '>'};
  fertig(s.neuesMetafile(meta));

  z.ansichten.definiere(1, z.ebenen);
  z.ansichten.slot(1)->name = "Erdgeschoss";
  z.optionen.titel = "Wohnhaus Müller";
  z.optionen.schraffuren.push_back({"Mauerwerk", {1, 2, 3}});
  z.stifte.penWidth[3] = 0.33;
  z.ansicht.coordAngle = 15;
  z.ansicht.drawingScale = 75;
  z.ansicht.sheetWidth = 420;
  z.ansicht.sheetHeight = 297;
}

Zeichnung neueZeichnung() {
  Zeichnung z;
  test::initialisiere(z.speicher);
  return z;
}

TEST(Zeichnungsdatei, SpeichernLadenSpeichernIstBytegleich) {
  Zeichnung z = neueZeichnung();
  fuelleAlleArten(z);
  const Schreibergebnis erst = schreibeZeichnung(z);
  EXPECT_EQ(erst.nichtGeschrieben, 0);

  Zeichnung geladen = neueZeichnung();
  SkriptBenutzer b;
  const Ladeergebnis e = leseZeichnung(erst.daten, geladen, b);
  ASSERT_TRUE(e.geladen);
  EXPECT_EQ(e.verworfeneSaetze, 0);
  EXPECT_EQ(e.elemente, z.speicher.anzahl());
  // "Mauerwerk" travels in the file, "Beton" does not.
  ASSERT_EQ(e.hinweise.size(), 1u);
  EXPECT_EQ(e.hinweise[0].text, "Zur fehlerfreien Darstellung dieser Zeichnung fehlen 1 Schraffurdefinitionen:\nBeton");
  EXPECT_EQ(e.fehlendeSchraffuren, std::vector<std::string>{"Beton"});

  const Schreibergebnis zweit = schreibeZeichnung(geladen);
  EXPECT_EQ(erst.daten, zweit.daten);

  // Spot checks that the values arrived, not just the bytes.
  ASSERT_EQ(geladen.speicher.anzahl(), z.speicher.anzahl());
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) {
    EXPECT_EQ(geladen.speicher.art(n), z.speicher.art(n)) << n;
    EXPECT_TRUE(geladen.speicher.lebendig(n));
    EXPECT_EQ(geladen.speicher.markiert(n), 0);
  }
  EXPECT_EQ(geladen.speicher.linie(1), z.speicher.linie(1));
  EXPECT_EQ(geladen.speicher.linie(2).z1, 3.25);
  EXPECT_EQ(geladen.speicher.bogen(6), z.speicher.bogen(6));
  EXPECT_EQ(geladen.speicher.text(19).zeilen, z.speicher.text(19).zeilen) << "a text over 255 bytes";
  EXPECT_EQ(geladen.speicher.bemassung(15), z.speicher.bemassung(15));
  EXPECT_EQ(geladen.speicher.bitmap(21), z.speicher.bitmap(21));
  EXPECT_EQ(geladen.ebenen.name(2), "Grundriss");
  EXPECT_EQ(geladen.ebenen.folienname(2, 1), "Wände");
  EXPECT_EQ(geladen.ebenen.einheit(2), 162);
  EXPECT_EQ(geladen.ebenen.massstab(2), 50);
  EXPECT_EQ(geladen.ansichten.slot(1)->name, "Erdgeschoss");
  EXPECT_EQ(geladen.optionen.titel, "Wohnhaus Müller");
  EXPECT_EQ(geladen.stifte.penWidth[3], 0.33);
  EXPECT_EQ(geladen.ansicht.drawingScale, 75);
  EXPECT_EQ(geladen.ansicht.sheetWidth, 420);
  EXPECT_FALSE(geladen.speicher.modifiziert());
}

TEST(Zeichnungsdatei, ZufaelligeKoordinatenUeberlebenBitgenau) {
  Zeichnung z = neueZeichnung();
  std::mt19937_64 zufall(7);
  z.speicher.beginneSchritt();
  std::vector<double> werte;
  for (int i = 0; i < 2000; ++i) {
    double w[4];
    for (double& v : w) {
      v = std::bit_cast<double>(zufall());
      if (!std::isfinite(v) || std::fabs(v) >= 1e7) v = std::ldexp(double(zufall() % 1000000), -int(zufall() % 60));
      werte.push_back(v);
    }
    z.speicher.vervollstaendige(z.speicher.neueLinie(w[0], w[1], w[2], w[3], 0));
  }
  Zeichnung geladen = neueZeichnung();
  SkriptBenutzer b;
  ASSERT_TRUE(leseZeichnung(schreibeZeichnung(z).daten, geladen, b).geladen);
  ASSERT_EQ(geladen.speicher.anzahl(), 2000);
  for (std::int32_t n = 1; n <= 2000; ++n) {
    const Tliniendaten& l = geladen.speicher.linie(n);
    const double* w = &werte[(n - 1) * 4];
    EXPECT_EQ(std::bit_cast<std::uint64_t>(l.x1), std::bit_cast<std::uint64_t>(w[0]));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(l.y2), std::bit_cast<std::uint64_t>(w[3]));
  }
}

TEST(Zeichnungsdatei, NurLebendeElementeWerdenGeschrieben) {
  Zeichnung z = neueZeichnung();
  for (int i = 0; i < 10; ++i) test::linie(z.speicher, i, 0, i, 1);
  for (int i = 0; i < 4; ++i) z.speicher.rueckgaengig();
  z.speicher.setzeMarkiert(1, 1);
  z.speicher.loescheMarkierte();
  Zeichnung geladen = neueZeichnung();
  SkriptBenutzer b;
  ASSERT_TRUE(leseZeichnung(schreibeZeichnung(z).daten, geladen, b).geladen);
  EXPECT_EQ(geladen.speicher.anzahl(), 5);
  EXPECT_EQ(geladen.speicher.undoStufe(), 1) << "loading is one undo step";
  EXPECT_EQ(geladen.speicher.linie(1).x1, 1);
}

TEST(Zeichnungsdatei, FalscheSignaturLaesstDieZeichnungUnveraendert) {
  Zeichnung z = neueZeichnung();
  test::linie(z.speicher, 1, 2, 3, 4);
  std::vector<std::uint8_t> daten = schreibeZeichnung(z).daten;
  daten[1] = 'X';
  SkriptBenutzer b;
  const Ladeergebnis e = leseZeichnung(daten, z, b);
  EXPECT_FALSE(e.geladen);
  EXPECT_EQ(e.hinweise, (std::vector<Ladehinweis>{{Meldungsart::Fehler, MeldungKeineZeichnung}}));
  EXPECT_TRUE(b.meldungen.empty()) << "the caller reports";
  EXPECT_EQ(z.speicher.anzahl(), 1);
}

TEST(Zeichnungsdatei, LinienstildateiNurWennDieZeichnungEigeneStileTraegt) {
  // Behind signature, version, layout flag, sheet and the 24 pens.
  constexpr std::size_t hinterStiften = 11 + 1 + 4 + 1 + 8 * 24;
  for (const bool eigene : {false, true}) {
    Zeichnung z = neueZeichnung();
    if (eigene) z.optionen.linienstildatei = {'[', 'L', ']'};
    const std::vector<std::uint8_t> daten = schreibeZeichnung(z).daten;
    const bool marke = daten[hinterStiften] == '{' && daten[hinterStiften + 1] == '|' && daten[hinterStiften + 2] == '}';
    EXPECT_EQ(marke, !eigene) << eigene;
    Zeichnung wieder = neueZeichnung();
    SkriptBenutzer b;
    ASSERT_TRUE(leseZeichnung(daten, wieder, b).geladen) << eigene;
    EXPECT_EQ(wieder.optionen.linienstildatei, z.optionen.linienstildatei);
  }
}

TEST(Zeichnungsdatei, NachDemLadenLandenNeueElementeAufDerAktivenEbene) {
  Zeichnung z = neueZeichnung();
  z.ebenen.fuegeEbeneAn("Zwei");
  z.ebenen.setzeAktiv(1, 1);
  z.speicher.aktuell.planteil = 2;  // the last element lies on layer 2
  test::linie(z.speicher, 0, 0, 1, 1);
  Zeichnung geladen = neueZeichnung();
  geladen.speicher.aktuell.stift = 7;
  SkriptBenutzer b;
  ASSERT_TRUE(leseZeichnung(schreibeZeichnung(z).daten, geladen, b).geladen);
  EXPECT_EQ(geladen.speicher.aktuell.planteil, 1);
  EXPECT_EQ(geladen.speicher.aktuell.folie, 1);
  EXPECT_EQ(geladen.speicher.aktuell.stift, 7) << "the user's pen survives loading";
}

}  // namespace
}  // namespace quarzel
