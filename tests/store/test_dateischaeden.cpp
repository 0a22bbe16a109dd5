// Damaged and hostile drawing files: a damaged record costs that record only,
// a cut-off file loads what it holds and nothing else, lying counts and
// lengths neither allocate without bound nor hang, broken groups are
// repaired, and the user can stop a long load.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>

#include "platform/skriptbenutzer.h"
#include "store/strukturpruefung.h"
#include "store/zeichnungsdatei.h"
#include "support/dateibauer.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

using test::Dateibauer;

// The line the damage tests aim at: coordinates whose bytes are easy to find.
constexpr double ZielX1 = 1234.5, ZielY1 = 2345.25, ZielX2 = 3456.125, ZielY2 = 4567.75;

// A small plan with most kinds and some tables; element `ohne` (1-based) is
// left out, which gives the drawing a load should produce when that element
// is damaged in the file.
Zeichnung beispiel(int ohne = 0) {
  Zeichnung z;
  test::initialisiere(z.speicher);
  Elementspeicher& s = z.speicher;
  s.beginneSchritt();
  z.ebenen.fuegeEbeneAn("Möbel");
  z.ebenen.fuegeFolieAn(2, "Küche");
  z.ebenen.fuegeFolieAn(2, "Bad");
  z.optionen.schraffuren.push_back({"Mauerwerk", {'4', '5'}});
  z.optionen.texturen.push_back({"Holz", {1, 2, 3}});
  z.optionen.winkelschritt = 7.5;
  z.optionen.blattname = "Grundriss EG";
  int nummer = 0;
  auto neu = [&](auto&& fuegeHinzu) {
    if (++nummer == ohne) return;
    const std::int32_t n = fuegeHinzu();
    s.vervollstaendige(n);
    s.setzeMarkiert(n, 0);
  };

  s.aktuell = {.stift = 2, .linienstil = 3, .planteil = 1, .folie = 1};
  neu([&] { return s.neueLinie(10, 20, 30, 40, rgb(255, 0, 0)); });
  neu([&] { return s.neueLinie(ZielX1, ZielY1, ZielX2, ZielY2, rgb(255, 0, 0)); });
  neu([&] {
    tbogendaten b;
    b.xm = 5000;
    b.ym = 5000;
    b.xr = b.yr = 12.5;
    return s.neuerBogen(b);
  });
  s.aktuell.planteil = 2;
  neu([&] {
    Tpolygondaten p;
    p.x = {1, 2, 3};
    p.y = {4, 5, 6};
    p.fuellung.gefuellt = 1;
    p.fuellung.schraffurName = "Mauerwerk";
    return s.neuesPolygonMitPunkten(Elementart::Polygon, p);
  });
  neu([&] {
    Tfliestextdaten t;
    t.x = 4900;
    t.y = 4950;
    t.zeilen = {"Küche", "12,5 m²"};
    return s.neuerText(Elementart::Text, t);
  });
  s.aktuell.folie = 2;
  neu([&] {
    Tbitmapdaten b;
    b.platzierung = {1, 2, 3, 4, 5, 6};
    b.daten = {'B', 'M', 0, 1, 2};
    return s.neueBitmap(Elementart::Bitmap, b);
  });
  neu([&] {
    tmessdaten m;
    m.geometrie = {1, 2, 3, 4, 5, 6, 7, 8};
    m.texthoehe = 2.5;
    return s.neueBemassung(m);
  });
  neu([&] { return s.neueLinie(50, 60, 70, 80, rgb(0, 0, 255)); });
  neu([&] {
    Tbezierdaten k;
    k.punkte = {0, 0, 1, 2, 3, 4, 5, 6};
    return s.neueBezierkurve(k);
  });
  return z;
}
constexpr int BeispielElemente = 9;

std::vector<std::uint8_t> bytes(const Zeichnung& z) {
  return schreibeZeichnung(z).daten;
}

// Where the "L" record of the target line starts.
std::size_t zielLinie(const std::vector<std::uint8_t>& daten) {
  std::uint8_t muster[33] = {'L'};
  const double werte[4] = {ZielX1, ZielY1, ZielX2, ZielY2};
  std::memcpy(muster + 1, werte, sizeof werte);
  const auto it = std::search(daten.begin(), daten.end(), std::begin(muster), std::end(muster));
  EXPECT_NE(it, daten.end());
  return static_cast<std::size_t>(it - daten.begin());
}

struct Geladen {
  Zeichnung z;
  SkriptBenutzer benutzer;
  Ladeergebnis e;
};

std::unique_ptr<Geladen> lade(std::span<const std::uint8_t> daten, Tastatur* tastatur = nullptr,
                              std::deque<int> auswahlen = {}) {
  auto g = std::make_unique<Geladen>();
  g->benutzer.auswahlen = std::move(auswahlen);
  Ladeoptionen o;
  o.tastatur = tastatur;
  g->e = leseZeichnung(daten, g->z, g->benutzer, o);
  meldeLadehinweise(g->e, g->benutzer);
  return g;
}

// A target that is loaded into again and again, as the program loads one
// drawing after another; it keeps its store's capacity, which makes the
// thousands of loads below cheap.
struct Ziel {
  Zeichnung z;
  Ziel() { test::initialisiere(z.speicher); }
  Ladeergebnis lade(std::span<const std::uint8_t> daten) {
    SkriptBenutzer b;
    return leseZeichnung(daten, z, b);
  }
};

bool strukturInOrdnung(const Zeichnung& z) {
  return pruefeStruktur(z.speicher, [&](std::uint8_t e) { return z.ebenen.existiert(e); }) == Strukturbefund::InOrdnung;
}

// Element n of a and element m of b are the same, record and all; a
// bitmap's option travels in a record of its own and is not compared.
bool gleichesElement(const Elementspeicher& a, std::int32_t n, const Elementspeicher& b, std::int32_t m) {
  if (a.art(n) != b.art(m)) return false;
  switch (satzart(a.art(n))) {
    case Satzart::Linie:
      return a.linie(n) == b.linie(m);
    case Satzart::Bogen:
      return a.bogen(n) == b.bogen(m);
    case Satzart::Polygon:
      return a.polygon(n) == b.polygon(m);
    case Satzart::Bezier:
      return a.bezier(n) == b.bezier(m);
    case Satzart::Bemassung:
      return a.bemassung(n) == b.bemassung(m);
    case Satzart::Gruppe:
      return a.gruppe(n) == b.gruppe(m);
    case Satzart::Bitmap: {
      Tbitmapdaten x = a.bitmap(n);
      x.option = b.bitmap(m).option;
      return x == b.bitmap(m);
    }
    case Satzart::Text:
      return a.text(n) == b.text(m);
    case Satzart::Metafile:
      return a.metafile(n) == b.metafile(m);
    case Satzart::Keine:
      return false;
  }
  return false;
}

// A record that cannot be right is damage: it is skipped and the line after
// it loads.
void erwarteVerworfen(const char* wie, const std::function<void(Dateibauer&)>& satz) {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(0, 0);
  satz(b);
  b.linie(1, 2, 3, 4).schluss();
  const auto g = lade(b.daten());
  ASSERT_TRUE(g->e.geladen) << wie;
  EXPECT_EQ(g->e.verworfeneSaetze, 1) << wie;
  ASSERT_EQ(g->e.elemente, 1) << wie;
  EXPECT_EQ(g->z.speicher.linie(1).x1, 1) << wie;
}

// --- One damaged record ------------------------------------------------------------

TEST(Dateischaden, EinVerfaelschtesTagbyteKostetNurDieseLinie) {
  // Whatever the tag now claims - a longer text ("D") running past the line's
  // marker, the end ("Z"), a reference point ("@") that would move every later
  // element - reading resumes at the line's own marker.
  const std::vector<std::uint8_t> original = bytes(beispiel());
  const std::vector<std::uint8_t> ohneZiel = bytes(beispiel(2));
  const std::size_t tag = zielLinie(original);
  Ziel ziel;
  for (int wert = 0; wert < 256; ++wert) {
    // These tags read the same bytes as a line of another flavour; an old
    // fill reads the line and the colour record behind it as its fields.
    if (wert == 'L' || wert == 'R' || wert == 'O' || wert == 'W' || wert == 'i') continue;
    std::vector<std::uint8_t> daten = original;
    daten[tag] = static_cast<std::uint8_t>(wert);
    const Ladeergebnis e = ziel.lade(daten);
    ASSERT_TRUE(e.geladen);
    EXPECT_EQ(e.verworfeneSaetze, 1) << "tag " << wert;
    EXPECT_EQ(e.elemente, BeispielElemente - 1) << "tag " << wert;
    EXPECT_TRUE(bytes(ziel.z) == ohneZiel) << "tag " << wert << ": the rest must load unchanged";
  }
}

TEST(Dateischaden, EinEinstellungssatzWirktErstMitSeinerMarke) {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(0, 0);
  b.satz('>').u8(1).f64(45).roh("{|");  // marker damaged
  b.satz('[').u8(3).text("Schnitt").u8('X').ende();
  b.satz('X').text("Stein").u32(2).roh("ab").u8(0).ende();
  b.linie(1, 2, 3, 4).schluss();
  const auto g = lade(b.daten());
  EXPECT_EQ(g->e.elemente, 1);
  EXPECT_EQ(g->z.optionen.winkelschritt, 15) << "default kept";
  EXPECT_EQ(g->z.optionen.blattname, "Blatt 1");
  EXPECT_TRUE(g->z.optionen.texturen.empty());
}

TEST(Dateischaden, EinLangtextGehtNichtAnEinenSpaeterenText) {
  Zeichnung z;
  test::initialisiere(z.speicher);
  z.speicher.beginneSchritt();
  Tfliestextdaten t;
  t.zeilen = {std::string(400, 'a')};
  z.speicher.vervollstaendige(z.speicher.neuerText(Elementart::Text, t));
  t.zeilen = {"kurz"};
  z.speicher.vervollstaendige(z.speicher.neuerText(Elementart::Text, t));
  std::vector<std::uint8_t> daten = bytes(z);
  // Damage the first text record (the one right after the long text).
  const std::uint8_t muster[] = {'}', 'D'};
  auto it = std::search(daten.begin(), daten.end(), std::begin(muster), std::end(muster));
  ASSERT_NE(it, daten.end());
  *(it + 1) = 0x01;
  const auto g = lade(daten);
  ASSERT_EQ(g->e.elemente, 1);
  EXPECT_EQ(g->z.speicher.text(1).zeilen, std::vector<std::string>{"kurz"});
}

TEST(Dateischaden, EbenennummernAusserhalbDesBereichsSindSchaden) {
  for (std::uint8_t falsch : {0, 251, 255}) {
    Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
    b.kopf().bezug(0, 0).ebene(falsch).linie(1, 1, 2, 2).satz('E').u8(falsch).ende().linie(3, 3, 4, 4).schluss();
    const auto g = lade(b.daten());
    EXPECT_EQ(g->e.verworfeneSaetze, 2) << int(falsch);
    ASSERT_EQ(g->e.elemente, 2);
    EXPECT_EQ(g->z.speicher.planteil(1), 1);
    EXPECT_EQ(g->z.speicher.folie(2), 1);
    EXPECT_TRUE(strukturInOrdnung(g->z));
  }
}

TEST(Dateischaden, UnmoeglicheWerteMachenDenSatzZumSchaden) {
  const double nan = std::nan("");
  erwarteVerworfen("polygon without points", [](Dateibauer& b) { b.satz('F').u16(0).u8(0).ende(); });
  erwarteVerworfen("old fill, NaN frame",
                   [&](Dateibauer& b) { b.satz('i').f64(nan).f64(0).f64(1).f64(1).u16(0).u16(0).u32(1).u8(7).ende(); });
  erwarteVerworfen("metafile, NaN angle",
                   [&](Dateibauer& b) { b.satz('J').f64(0).f64(0).f64(1).f64(1).f64(0).f64(nan).u32(1).u8(7).ende(); });
  // Angles are floats: beyond their range they would turn infinite.
  erwarteVerworfen("grid angle", [](Dateibauer& b) { b.satz(']').f64(1).f64(2).f64(1e300).ende(); });
  erwarteVerworfen("coordinate angle", [](Dateibauer& b) { b.satz(0xA7).f64(-1e39).ende(); });
  erwarteVerworfen("reference point", [&](Dateibauer& b) { b.satz('@').f64(nan).f64(0).ende(); });
}

TEST(Dateischaden, UnbekannteTagsWerdenInMarkiertenDateienUebersprungen) {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(0, 0).linie(1, 1, 2, 2);
  b.satz(0x01).u32(7).ende();
  b.satz(0xFF).ende();
  b.satz('~').text("später").f64(3).ende();
  b.linie(3, 3, 4, 4).schluss();
  const auto g = lade(b.daten());
  EXPECT_EQ(g->e.elemente, 2);
  EXPECT_EQ(g->e.verworfeneSaetze, 3);
  EXPECT_EQ(g->z.speicher.linie(2).x1, 3);
}

TEST(Dateischaden, OhneMarkenEndetDasLesenAmErstenSchaden) {
  Dateibauer b = Dateibauer::fuer("oS1.02", 8);
  b.kopf().bezug(0, 0).linie(1, 1, 2, 2).satz(0xFF).u32(7).linie(3, 3, 4, 4).schluss();
  const auto g = lade(b.daten());
  ASSERT_TRUE(g->e.geladen);
  EXPECT_EQ(g->e.elemente, 1);
}

// --- Cut-off files ---------------------------------------------------------------------

// Where the header ends: behind its third marker (pens, tool panel, units).
std::size_t kopfende(const std::vector<std::uint8_t>& daten) {
  static constexpr std::uint8_t Marke[] = {'{', '|', '}'};
  auto it = daten.begin();
  for (int i = 0; i < 3; ++i) it = std::search(it, daten.end(), std::begin(Marke), std::end(Marke)) + 3;
  return static_cast<std::size_t>(it - daten.begin());
}

TEST(Dateischaden, AbgeschnittenAnJederStelleLaedtNurWasGanzIst) {
  const Zeichnung original = beispiel();
  const std::vector<std::uint8_t> daten = bytes(original);
  const std::size_t kopf = kopfende(daten);
  const Zeichnungsoptionen standard;
  Ziel ziel;
  ASSERT_TRUE(ziel.lade(daten).geladen);
  std::int32_t vorher = 0;
  for (std::size_t laenge = 0; laenge <= daten.size(); ++laenge) {
    const Ladeergebnis e = ziel.lade(std::span(daten.data(), laenge));
    if (laenge < kopf) {
      // A cut header is no drawing: the one open before stays.
      EXPECT_FALSE(e.geladen) << laenge;
      ASSERT_EQ(ziel.z.speicher.anzahl(), BeispielElemente) << laenge;
      continue;
    }
    ASSERT_TRUE(e.geladen) << laenge;
    const Elementspeicher& s = ziel.z.speicher;
    // The elements are the first ones of the drawing, each whole.
    ASSERT_LE(s.anzahl(), original.speicher.anzahl());
    for (std::int32_t n = 1; n <= s.anzahl(); ++n)
      ASSERT_TRUE(gleichesElement(s, n, original.speicher, n)) << "length " << laenge << ", element " << n;
    EXPECT_GE(s.anzahl(), vorher) << laenge;
    vorher = s.anzahl();
    EXPECT_TRUE(strukturInOrdnung(ziel.z));
    // Tables hold either their defaults or the file's values.
    const Zeichnungsoptionen& o = ziel.z.optionen;
    EXPECT_TRUE(o.winkelschritt == standard.winkelschritt || o.winkelschritt == 7.5) << laenge;
    EXPECT_TRUE(o.blattname == standard.blattname || o.blattname == "Grundriss EG") << laenge;
    EXPECT_LE(o.texturen.size(), 1u);
    for (const EingebetteteDatei& t : o.texturen) EXPECT_EQ(t, original.optionen.texturen[0]);
  }
  EXPECT_EQ(vorher, BeispielElemente);
}

// --- Header markers ------------------------------------------------------------------------

TEST(Dateischaden, KopfMarkenNachBeliebigenAbschnittenWerdenAngenommen) {
  const std::string ini = "[Linien]\r\nVersion=1.03\r\n";
  const struct {
    const char* fall;
    unsigned zusatzmarken;
    bool mitLinienstildatei;
    std::string linienstildatei;
  } faelle[] = {
      {"after every section", 0b1'0001'1110, true, ini},
      {"after every section, no line-style file", 0b1'0000'1110, false, ""},
      {"after the pens only, no line-style file", 0, false, ""},
      {"after the pens and before an empty line-style file", 1u << 4, true, ""},
      {"after the layer table", 1u << 8, true, ""},
  };
  for (const auto& f : faelle) {
    test::Kopfwerte k;
    k.zusatzmarken = f.zusatzmarken;
    k.mitLinienstildatei = f.mitLinienstildatei;
    k.linienstildatei.assign(f.linienstildatei.begin(), f.linienstildatei.end());
    k.ebenen = {{"Rohbau", {"Wände", "Decken"}}, {"Möbel", {"Küche"}}};
    k.aktiveEbene = 2;
    k.zoom = 2;
    k.titel = "Haus Berg";
    Dateibauer b("ZEI.01", 11, true);
    b.kopf(k).bezug(0, 0).linie(1, 2, 3, 4).linie(5, 6, 7, 8).schluss();
    const auto g = lade(b.daten());
    ASSERT_TRUE(g->e.geladen) << f.fall;
    EXPECT_EQ(g->e.elemente, 2) << f.fall;
    EXPECT_EQ(g->e.verworfeneSaetze, 0) << f.fall;
    EXPECT_TRUE(g->benutzer.meldungen.empty()) << f.fall << ": " << g->benutzer.letzteMeldung();
    EXPECT_EQ(g->z.ebenen.folienname(1, 2), "Decken") << f.fall;
    EXPECT_EQ(g->z.ebenen.aktiveEbene(), 2) << f.fall;
    EXPECT_EQ(g->z.ansicht.zoom, 2) << f.fall;
    EXPECT_EQ(g->z.optionen.titel, "Haus Berg") << f.fall;
    EXPECT_EQ(g->z.stifte.penWidth[24], 0.35) << f.fall;
    EXPECT_EQ(g->z.optionen.linienstildatei, k.linienstildatei) << f.fall;
  }
}

TEST(Dateischaden, DefekterKopfLaesstDieOffeneZeichnungStehen) {
  Dateibauer gut("ZEI.01", 11, true);
  gut.kopf().bezug(0, 0).linie(1, 2, 3, 4).schluss();
  const std::vector<std::uint8_t> richtig = gut.daten();
  const std::size_t kopf = kopfende(richtig);
  struct Fall {
    const char* fall;
    std::vector<std::uint8_t> daten;
  };
  std::vector<Fall> faelle;
  // Each of the three required markers overwritten.
  static constexpr std::uint8_t Marke[] = {'{', '|', '}'};
  auto it = richtig.begin();
  for (const char* name : {"no marker after the pens", "no marker after the tool panel", "no marker after the units"}) {
    it = std::search(it, richtig.end(), std::begin(Marke), std::end(Marke));
    std::vector<std::uint8_t> d = richtig;
    d[static_cast<std::size_t>(it - richtig.begin()) + 1] = 'x';
    faelle.push_back({name, std::move(d)});
    it += 3;
  }
  // The tool panel shifted by one byte: its marker is not where it belongs.
  {
    std::vector<std::uint8_t> d = richtig;
    const auto panel = std::search(d.begin(), d.end(), std::begin(Marke), std::end(Marke)) + 3;
    d.insert(panel, 0);
    faelle.push_back({"marker one byte late", std::move(d)});
  }
  // A line-style file that claims more bytes than follow.
  {
    test::Kopfwerte k;
    k.linienstildatei = {'a', 'b'};
    Dateibauer b("ZEI.01", 11, true);
    b.kopf(k).schluss();
    std::vector<std::uint8_t> d = b.daten();
    const std::uint32_t riesig = 0xFFFFFFFFu;
    std::memcpy(&d[11 + 1 + 4 + 1 + 8 * k.stiftzahl], &riesig, 4);
    faelle.push_back({"line-style file longer than the file", std::move(d)});
  }
  for (std::size_t laenge : {std::size_t(12), std::size_t(40), kopf - 1})
    faelle.push_back({"cut inside the header", {richtig.begin(), richtig.begin() + std::ptrdiff_t(laenge)}});
  {
    Dateibauer b = Dateibauer::fuer("oS1.02", 8);
    b.kopf();
    std::vector<std::uint8_t> d = b.daten();
    d.resize(d.size() - 5);
    faelle.push_back({"cut header without markers", std::move(d)});
  }

  for (const Fall& f : faelle) {
    Zeichnung offen = beispiel();
    offen.dateiname = "/home/plan.QZZ";
    SkriptBenutzer benutzer;
    const Ladeergebnis e = leseZeichnung(f.daten, offen, benutzer);
    EXPECT_FALSE(e.geladen) << f.fall;
    EXPECT_EQ(benutzer.letzteMeldung(), "Datei enthält keine gültige Zeichnung oder ist defekt!") << f.fall;
    EXPECT_EQ(offen.speicher.anzahl(), BeispielElemente) << f.fall;
    EXPECT_EQ(offen.ebenen.name(2), "Möbel") << f.fall;
    EXPECT_EQ(offen.optionen.blattname, "Grundriss EG") << f.fall;
    EXPECT_EQ(offen.dateiname, "/home/plan.QZZ") << f.fall;
  }
}

// --- Lying counts and lengths ------------------------------------------------------------

TEST(Dateischaden, LuegendeAnzahlenUndLaengen) {
  constexpr std::uint32_t Fast4GB = 0xFFFFFFF0u;
  erwarteVerworfen("polygon", [](Dateibauer& b) { b.satz('F').u16(65535).f64(1).f64(2).u8(0).ende(); });
  erwarteVerworfen("spline", [](Dateibauer& b) { b.satz('a').u16(40000).f64(1).f64(2).ende(); });
  erwarteVerworfen("gradient", [](Dateibauer& b) { b.satz('V').u16(65535).u8(0).u16(0).u32(0).u32(0).ende(); });
  erwarteVerworfen("bitmap", [](Dateibauer& b) {
    b.satz(0xD6).f64(0).f64(0).f64(1).f64(1).f64(0).f64(0).u32(Fast4GB).roh("BM").u8(0).u8(0).ende();
  });
  erwarteVerworfen("old bitmap", [](Dateibauer& b) {
    b.satz('I').f64(0).f64(0).f64(1).f64(1).u8(0).text("a.bmp").u32(Fast4GB).roh("BM").ende();
  });
  erwarteVerworfen("fill", [](Dateibauer& b) { b.satz('i').f64(0).f64(0).f64(1).f64(1).u32(0).u32(Fast4GB).ende(); });
  erwarteVerworfen(
      "metafile", [](Dateibauer& b) { b.satz('J').f64(0).f64(0).f64(1).f64(1).f64(0).f64(0).u32(0xFFFFFFFFu).ende(); });
  erwarteVerworfen("view", [](Dateibauer& b) { b.satz('Q').text("Ansicht").u32(Fast4GB).u8(1).ende(); });
  erwarteVerworfen("texture", [](Dateibauer& b) { b.satz('X').text("Holz").u32(Fast4GB).roh("\x89PNG").ende(); });
  erwarteVerworfen("hatch", [](Dateibauer& b) { b.satz('=').text("Beton").u32(Fast4GB).ende(); });
  erwarteVerworfen("long text", [](Dateibauer& b) { b.satz('$').u32(3).roh("abc").u32(Fast4GB).ende(); });
  erwarteVerworfen("name list", [](Dateibauer& b) { b.satz('u').u32(0xFFFFFFFFu).text("a").u32(1).ende(); });
  erwarteVerworfen("mask", [](Dateibauer& b) { b.satz('v').text("MASK_a.ini").u32(Fast4GB).ende(); });
}

TEST(Dateischaden, UeberlappendeSaetzeKostenKeineQuadratischeZeit) {
  // Every 8 bytes a polygon claims 16383 points and a marker follows 3 bytes
  // later: each record reads a quarter megabyte before its damage shows,
  // and there are a quarter of a million of them.
  const std::uint8_t muster[8] = {'F', 0xFF, 0x3F, '{', '|', '}', 0, 0};
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(0, 0);
  for (int i = 0; i < 250000; ++i) b.bytes(muster);
  b.linie(1, 2, 3, 4).schluss();
  const auto anfang = std::chrono::steady_clock::now();
  const auto g = lade(b.daten());
  const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
  ASSERT_TRUE(g->e.geladen);
  EXPECT_LT(sekunden, 20) << "read once more per record, this takes hours";
  EXPECT_GT(g->e.verworfeneSaetze, 0);
}

TEST(Dateischaden, ViertelMillionAuffuellbytesOhneMarkeSindSchnellUebersprungen) {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(0, 0).linie(5, 6, 7, 8);
  b.satz('F').u16(10);
  for (int i = 0; i < 250000; ++i) b.u8(0xEE);
  b.ende().linie(1, 2, 3, 4).schluss();
  const auto g = lade(b.daten());
  EXPECT_EQ(g->e.elemente, 2);
  EXPECT_EQ(g->e.verworfeneSaetze, 1);
}

// --- Groups -----------------------------------------------------------------------------

TEST(Dateischaden, DefekteGruppenWerdenRepariertHeileBleiben) {
  struct Fall {
    const char* folge;  // G begin, Y end, L line
    int defekt;
    const char* bleibt;
  };
  for (const Fall f : {Fall{"GL", 1, "L"}, Fall{"LY", 1, "L"}, Fall{"GGLY", 1, "GLY"}, Fall{"GLYYGL", 2, "GLYL"},
                       Fall{"YYGGLYY", 2, "GGLYY"}, Fall{"GGLYY", 0, "GGLYY"}}) {
    Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
    b.kopf().bezug(0, 0);
    for (const char* c = f.folge; *c; ++c) {
      if (*c == 'G') b.gruppenanfang("Tür");
      if (*c == 'Y') b.gruppenende();
      if (*c == 'L') b.linie(1, 2, 3, 4);
    }
    b.schluss();
    const auto g = lade(b.daten());
    EXPECT_EQ(g->e.defekteGruppen, f.defekt) << f.folge;
    if (f.defekt == 0)
      EXPECT_TRUE(g->benutzer.meldungen.empty()) << "whole groups give no message";
    else
      EXPECT_EQ(g->benutzer.letzteMeldung(), "Es sind defekte Gruppen enthalten!\nAnzahl: " + std::to_string(f.defekt) +
                                                 "\nEs wird versucht, die Zeichnung zu reparieren!")
          << f.folge;
    std::string bleibt;
    for (std::int32_t n = 1; n <= g->z.speicher.anzahl(); ++n) {
      const Elementart a = g->z.speicher.art(n);
      bleibt += a == Elementart::Gruppenanfang ? 'G' : a == Elementart::Gruppenende ? 'Y' : 'L';
    }
    EXPECT_EQ(bleibt, f.bleibt) << f.folge;
    EXPECT_EQ(g->e.elemente, g->z.speicher.anzahl());
    EXPECT_TRUE(strukturInOrdnung(g->z)) << f.folge;
  }
}

// --- Missing hatches ---------------------------------------------------------------------

TEST(Dateischaden, JedeSchraffurWirdEinmalGeprueft) {
  // Twenty thousand filled polygons, each naming a hatch of its own twice
  // over: every name is asked about once and reported once, in file order.
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(0, 0);
  b.satz('=').text("S1").u32(1).u8('x').ende();
  for (int i = 0; i < 40000; ++i) {
    b.satz('f').u16(1).f64(1).f64(2).text("S" + std::to_string(i / 2)).u8(0).u32(0).u16(0).u8(0).u8(1).ende();
  }
  b.schluss();
  std::vector<std::string> gefragt;
  Ladeoptionen o;
  o.schraffurBekannt = [&](const std::string& name) {
    gefragt.push_back(name);
    return name == "S2";
  };
  Zeichnung z;
  SkriptBenutzer benutzer;
  const Ladeergebnis e = leseZeichnung(b.daten(), z, benutzer, o);
  ASSERT_EQ(e.elemente, 40000);
  EXPECT_EQ(gefragt.size(), 19999u) << "S1 is carried in the file";
  ASSERT_EQ(e.fehlendeSchraffuren.size(), 19998u);
  EXPECT_EQ(e.fehlendeSchraffuren[0], "S0");
  EXPECT_EQ(e.fehlendeSchraffuren[1], "S3");
  EXPECT_EQ(e.fehlendeSchraffuren.back(), "S19999");
  EXPECT_TRUE(benutzer.meldungen.empty()) << "nothing is shown while reading";
  ASSERT_EQ(e.hinweise.size(), 1u);
  EXPECT_EQ(e.hinweise[0].text.rfind(
                "Zur fehlerfreien Darstellung dieser Zeichnung fehlen 19998 Schraffurdefinitionen:\nS0\nS3\n", 0),
            0u);
}

// --- Pen widths --------------------------------------------------------------------------

TEST(Dateischaden, MehrAls25OderUnmoeglicheStiftbreitenGebenDieMeldung) {
  constexpr const char* Stiftmeldung =
      "Es gab Probleme beim Laden der Stiftbreiten.\rBitte Überprüfen Sie diese unter Optionen/Stiftbreiten.";
  struct Fall {
    std::uint8_t stiftzahl;
    double breite;
    bool meldung;
  };
  for (const Fall f : {Fall{25, 0.7, false}, Fall{26, 0.7, true}, Fall{24, std::nan(""), true}}) {
    test::Kopfwerte k;
    k.stiftzahl = f.stiftzahl;
    k.stiftbreite = f.breite;
    Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
    b.kopf(k).linie(1, 2, 3, 4).schluss();
    const auto g = lade(b.daten());
    ASSERT_TRUE(g->e.geladen);
    EXPECT_EQ(g->e.elemente, 1) << "the drawing still loads";
    if (f.meldung)
      EXPECT_EQ(g->benutzer.letzteMeldung(), Stiftmeldung) << int(f.stiftzahl);
    else
      EXPECT_TRUE(g->benutzer.meldungen.empty());
    EXPECT_TRUE(std::isfinite(g->z.stifte.penWidth[1]));
    if (f.breite == 0.7) {
      EXPECT_EQ(g->z.stifte.penWidth[25], 0.7);
      EXPECT_NE(g->z.stifte.penWidth[26], 0.7);
    }
  }
}

// --- Escape --------------------------------------------------------------------------------

class Escapetaste final : public Tastatur {
 public:
  explicit Escapetaste(int wieOft) : rest_(wieOft) {}
  bool escapeGedrueckt() override {
    ++abgefragt;
    if (rest_ == 0) return false;
    --rest_;
    return true;
  }
  bool funktionstasteGedrueckt(int) override { return false; }
  int abgefragt = 0;

 private:
  int rest_;
};

std::vector<std::uint8_t> tausendLinien() {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(0, 0);
  for (int i = 0; i < 1000; ++i) b.linie(i, 0, i, 1);
  b.schluss();
  return b.daten();
}

constexpr const char* Escapefrage = "Das Laden wurde unterbrochen.\nWie wollen Sie fortfahren?";

TEST(Dateischaden, AllesFolgendeVerwerfenBehaeltDasGeladene) {
  Escapetaste escape(1000000);
  const auto g = lade(tausendLinien(), &escape, {0});
  ASSERT_TRUE(g->e.geladen);
  EXPECT_TRUE(g->e.abgebrochen);
  ASSERT_EQ(g->benutzer.fragen, std::vector<std::string>{Escapefrage});
  EXPECT_GT(g->e.elemente, 0);
  EXPECT_LT(g->e.elemente, 1000);
  EXPECT_EQ(g->z.speicher.anzahl(), g->e.elemente);
  for (std::int32_t n = 1; n <= g->z.speicher.anzahl(); ++n) EXPECT_EQ(g->z.speicher.linie(n).x1, n - 1);
}

TEST(Dateischaden, WeiterladenLiestBisZumEndeOderBisZurAbbrechendenAntwort) {
  Escapetaste einmal(1);
  const auto g = lade(tausendLinien(), &einmal, {1});
  EXPECT_FALSE(g->e.abgebrochen);
  EXPECT_EQ(g->benutzer.fragen.size(), 1u);
  EXPECT_EQ(g->e.elemente, 1000);
  // Polled about every hundredth of the file, not after every record.
  EXPECT_GE(einmal.abgefragt, 90);
  EXPECT_LE(einmal.abgefragt, 110);

  Escapetaste immer(1000000);
  const auto h = lade(tausendLinien(), &immer, {1, 1, 0});
  EXPECT_TRUE(h->e.abgebrochen);
  EXPECT_EQ(h->benutzer.fragen.size(), 3u);
  EXPECT_GT(h->e.elemente, 10);
  EXPECT_LT(h->e.elemente, 100);
}

// --- Random damage -----------------------------------------------------------------------

TEST(Dateischaden, ZufaelligeBitfehlerLadenImmerOhneAbsturz) {
  const Zeichnung original = beispiel();
  const std::vector<std::uint8_t> daten = bytes(original);
  std::mt19937 zufall(20240611);
  const std::size_t kopf = kopfende(daten);
  Ziel ziel, nochmal;
  for (int versuch = 0; versuch < 3000; ++versuch) {
    std::vector<std::uint8_t> kaputt = daten;
    const int fehler = 1 + static_cast<int>(zufall() % 4);
    bool imKopf = false;
    for (int i = 0; i < fehler; ++i) {
      // Signature and version stay whole: the file remains a drawing.
      const std::size_t stelle = 11 + zufall() % (kaputt.size() - 11);
      kaputt[stelle] ^= static_cast<std::uint8_t>(1u << (zufall() % 8));
      if (zufall() % 4 == 0) kaputt[stelle] = static_cast<std::uint8_t>(zufall());
      imKopf = imKopf || stelle < kopf;
    }
    const Ladeergebnis e = ziel.lade(kaputt);
    // Only damage in the header may refuse the whole file.
    if (!e.geladen && imKopf) continue;
    ASSERT_TRUE(e.geladen) << versuch;
    // A damaged byte can at most make one record read as another whole one.
    ASSERT_LE(e.elemente, BeispielElemente + fehler) << versuch;
    ASSERT_EQ(e.elemente, ziel.z.speicher.anzahl()) << versuch;
    ASSERT_TRUE(strukturInOrdnung(ziel.z)) << versuch;
    // What was loaded saves and loads again without damage.
    const Ladeergebnis wieder = nochmal.lade(bytes(ziel.z));
    ASSERT_EQ(wieder.verworfeneSaetze, 0) << versuch;
    ASSERT_EQ(wieder.elemente, e.elemente) << versuch;
  }
}

// --- Loading into a drawing in use -------------------------------------------------------

TEST(Dateischaden, LadenInEineBenutzteZeichnungGleichtDemLadenInEineNeue) {
  const std::vector<std::uint8_t> daten = bytes(beispiel());
  Zeichnung z;
  test::initialisiere(z.speicher);
  for (int i = 0; i < 100000; ++i) test::linie(z.speicher, i, 0, i, 1, i % 1000 == 0);
  z.speicher.rueckgaengig();
  z.speicher.sonderHinzufuegen = true;
  z.speicher.schrittUnterdrueckt = true;
  SkriptBenutzer b;
  const Ladeergebnis e = leseZeichnung(daten, z, b);
  ASSERT_EQ(e.elemente, BeispielElemente);
  EXPECT_EQ(z.speicher.gesamtanzahl(), BeispielElemente) << "the old drawing and its history are gone";
  EXPECT_EQ(z.speicher.undoStufe(), 1);
  EXPECT_FALSE(z.speicher.sonderHinzufuegen);
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) {
    EXPECT_TRUE(z.speicher.lebendig(n));
    EXPECT_EQ(z.speicher.flag(0, n), 0);
  }
  Zeichnung neu;
  ASSERT_TRUE(leseZeichnung(daten, neu, b).geladen);
  EXPECT_EQ(bytes(z), bytes(neu));
  EXPECT_EQ(bytes(z), daten);
}

// --- Files the fuzzer found -------------------------------------------------------------

TEST(Dateischaden, FundeDesFuzzersLadenOhneAbsturz) {
  const std::filesystem::path ordner = std::filesystem::path(QUARZEL_TEST_DATA) / "fuzz_zeichnungsdatei";
  int dateien = 0;
  for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
    std::ifstream f(eintrag.path(), std::ios::binary);
    const std::vector<std::uint8_t> daten((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const auto g = lade(daten);
    ++dateien;
    if (!g->e.geladen) continue;
    EXPECT_TRUE(strukturInOrdnung(g->z)) << eintrag.path();
    const auto wieder = lade(bytes(g->z));
    EXPECT_EQ(wieder->e.verworfeneSaetze, 0) << eintrag.path();
    EXPECT_EQ(wieder->e.elemente, g->e.elemente) << eintrag.path();
  }
  EXPECT_GT(dateien, 0);
}

}  // namespace
}  // namespace quarzel
