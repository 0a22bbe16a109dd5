// The drawing file: every kind and attribute through save -> load -> save,
// bit-exact coordinates, and the header tables.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
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
  Tliniendaten l{.x1 = 0.1,
                 .y1 = 1e-300,
                 .x2 = 4852.123456789012,
                 .y2 = -77.5,
                 .farbe = rgb(1, 2, 3),
                 .anfang = 2 + 128,
                 .ende = 23,
                 .attributFlag = 1,
                 .attribut = 0xDEADBEEF};
  fertig(s.neueLinie(l));
  l.z1 = 3.25;
  fertig(s.neueLinie(l));
  l.z1 = 0;
  fertig(s.neueLinie(l, Elementart::Wandlinie1));
  fertig(s.neueLinie(l, Elementart::Wandlinie2));

  tbogendaten b{
      .xm = 5000.5, .ym = 5000.25, .xr = 10, .yr = 5, .startwinkel = 30, .endwinkel = 390, .drehwinkel = 12.5f};
  fertig(s.neuerBogen(b));
  b.fuellung = {.schraffurName = "Beton",
                .fuellwert = rgb(200, 200, 200),
                .schraffurWert3 = 7,
                .schraffurWinkel = 45,
                .gefuellt = 1};
  fertig(s.neuerBogen(b));

  Tpolygondaten p{
      .x = {1, 2, 3, 1}, .y = {4, 5, 7, 4}, .abschluss = 1, .muster = 555999, .musterFlag = 1, .anfang = 1, .ende = 3};
  fertig(s.neuesPolygonMitPunkten(Elementart::Polygon, p));
  p.fuellung = {.schraffurName = "Mauerwerk", .gefuellt = 1};
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
  Tbezierdaten k{.punkte = {0, 0, 1, 2, 3, 4, 5, 6}, .option = 1};
  fertig(s.neueBezierkurve(k));
  k.fuellung.gefuellt = 1;
  fertig(s.neueBezierkurve(k));

  tmessdaten m{.geometrie = {1, 2, 3, 4, 5, 6, 7, 8},
               .typ = 3,
               .texthoehe = 3.5,
               .masstext = "2,50 m²",
               .werte = {1, 2, 3, 4, 5},
               .vortext = "ca.",
               .nachtext = "!"};
  m.optionen[13] = 9;
  fertig(s.neueBemassung(m));

  fertig(s.neueGruppenklammer(Elementart::Gruppenanfang, {.name = "Tür T1", .rahmen = {1, 2, 3, 4}}));
  Tfliestextdaten t{.zeilen = {"Wohnen 24,5 m²", "Küche"},
                    .formate = {"b", ""},
                    .farbe = rgb(0, 128, 0),
                    .hoehe = 5,
                    .winkel = 90,
                    .stil = {1, 0, 1, 2, 3, 4}};
  fertig(s.neuerText(Elementart::Text, t));
  t.zeilen = {std::string(300, 'x'), "zweite Zeile"};
  fertig(s.neuerText(Elementart::Kommentar, t));
  fertig(s.neueGruppenklammer(Elementart::Gruppenende, {}));

  Tbitmapdaten bild{.platzierung = {1, 2, 3, 4, 5, 6}, .daten = {0x89, 'P', 'N', 'G', 0, 1, 2}, .option = 17};
  fertig(s.neueBitmap(Elementart::Bitmap, bild));
  bild.option = 0;
  bild.gefuellt = 1;
  fertig(s.neueBitmap(Elementart::Fuellung, bild));
  fertig(s.neuesMetafile({.platzierung = {1, 2, 3, 4, 0, 30}, .daten = {'<', 's', 'v', 'g', '/', '>'}}));
  l.z2 = 2.5;  // rises at its end only
  fertig(s.neueLinie(l));

  z.ansichten.definiere(1, Ansichtsdaten::ausEbenen(z.ebenen));
  z.ansichten.slot(1)->name = "Erdgeschoss";
  z.optionen.titel = "Wohnhaus Müller";
  z.optionen.schraffuren.push_back({"Mauerwerk", {1, 2, 3}});
  // The bill of materials' files travel as they are, any bytes, even none.
  z.optionen.datenmasken = {{"MASK_Möbel.ini", {'[', 'E', ']', 0, 0xFF}}, {"MASK_Leer.ini", {}}};
  z.optionen.symbolattributdateien = {{"Stuhl.ini", {'[', 'S', ']', '\r', '\n'}}};
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
  // The switch byte of the one view has its own record behind the views.
  const std::string_view text(reinterpret_cast<const char*>(erst.daten.data()), erst.daten.size());
  EXPECT_NE(text.find(std::string_view("{|}5\0{|}", 8)), std::string_view::npos);

  // Spot checks that the values arrived, not just the bytes.
  const Elementspeicher& s = geladen.speicher;
  ASSERT_EQ(s.anzahl(), z.speicher.anzahl());
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n)
    EXPECT_TRUE(s.art(n) == z.speicher.art(n) && s.lebendig(n) && s.markiert(n) == 0) << n;
  // Text 19 is over 255 bytes.
  EXPECT_EQ(std::tuple(s.linie(1), s.linie(2).z1, s.linie(s.anzahl()).z2, s.bogen(6), s.text(19).zeilen,
                       s.bemassung(15), s.bitmap(21)),
            std::tuple(z.speicher.linie(1), 3.25, 2.5, z.speicher.bogen(6), z.speicher.text(19).zeilen,
                       z.speicher.bemassung(15), z.speicher.bitmap(21)));
  const Ebenen& eb = geladen.ebenen;
  EXPECT_EQ(std::tuple(eb.name(2), eb.folienname(2, 1), eb.einheit(2), eb.massstab(2), geladen.ansichten.slot(1)->name),
            std::tuple("Grundriss", "Wände", 162, 50, "Erdgeschoss"));
  EXPECT_EQ(std::tuple(geladen.optionen.titel, geladen.stifte.penWidth[3], geladen.ansicht.drawingScale,
                       geladen.ansicht.sheetWidth, s.modifiziert()),
            std::tuple("Wohnhaus Müller", 0.33, 75, 420, false));
  EXPECT_EQ(std::tie(geladen.optionen.datenmasken, geladen.optionen.symbolattributdateien),
            std::tie(z.optionen.datenmasken, z.optionen.symbolattributdateien));
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
  std::vector<double> gelesen;
  for (std::int32_t n = 1; n <= 2000; ++n) {
    const Tliniendaten& l = geladen.speicher.linie(n);
    gelesen.insert(gelesen.end(), {l.x1, l.y1, l.x2, l.y2});
  }
  // Bit for bit, the sign of zero included.
  EXPECT_EQ(std::memcmp(gelesen.data(), werte.data(), werte.size() * sizeof(double)), 0);
}

TEST(Zeichnungsdatei, LinienstildateiNurWennDieZeichnungEigeneStileTraegt) {
  // Behind signature, version, layout flag, sheet and the 24 pens.
  constexpr std::size_t hinterStiften = 11 + 1 + 4 + 1 + 8 * 24;
  for (const bool eigene : {false, true}) {
    Zeichnung z = neueZeichnung();
    if (eigene) z.optionen.linienstildatei = {'[', 'L', ']'};
    const std::vector<std::uint8_t> daten = schreibeZeichnung(z).daten;
    const bool marke =
        daten[hinterStiften] == '{' && daten[hinterStiften + 1] == '|' && daten[hinterStiften + 2] == '}';
    EXPECT_EQ(marke, !eigene) << eigene;
    Zeichnung wieder = neueZeichnung();
    SkriptBenutzer b;
    ASSERT_TRUE(leseZeichnung(daten, wieder, b).geladen) << eigene;
    EXPECT_EQ(wieder.optionen.linienstildatei, z.optionen.linienstildatei);
  }
}

}  // namespace
}  // namespace quarzel
