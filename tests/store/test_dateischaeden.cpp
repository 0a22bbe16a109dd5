// Damaged and hostile drawing files: a damaged record of each kind costs that
// record only, a cut-off file loads what it holds and nothing else, a damaged
// or cut header refuses the file, random bit errors and the fuzzer's finds
// load, broken groups are repaired, bad pens are reported, and the user can
// stop a long load.
#include <gtest/gtest.h>

#include <algorithm>
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
#include "support/tempordner.h"

namespace quarzel {
namespace {

using test::Dateibauer;

// A small plan with most kinds and some tables.
Zeichnung beispiel() {
  Zeichnung z;
  test::initialisiere(z.speicher);
  Elementspeicher& s = z.speicher;
  s.beginneSchritt();
  z.ebenen.fuegeEbeneAn("Möbel");
  z.ebenen.fuegeFolieAn(2, "Küche");
  z.ebenen.fuegeFolieAn(2, "Bad");
  z.optionen.schraffuren.push_back({"Mauerwerk", {'4', '5'}});
  z.optionen.texturen.push_back({"Holz", {1, 2, 3}});
  z.optionen.datenmasken.push_back({"MASK_Möbel.ini", {'[', 'E', ']'}});
  z.optionen.winkelschritt = 7.5;
  z.optionen.blattname = "Grundriss EG";
  auto neu = [&](std::int32_t n) {
    s.vervollstaendige(n);
    s.setzeMarkiert(n, 0);
  };

  s.aktuell = {.stift = 2, .linienstil = 3, .planteil = 1, .folie = 1};
  neu(s.neueLinie(10, 20, 30, 40, rgb(255, 0, 0)));
  neu(s.neueLinie(1234.5, 2345.25, 3456.125, 4567.75, rgb(255, 0, 0)));
  neu(s.neuerBogen({.xm = 5000, .ym = 5000, .xr = 12.5, .yr = 12.5}));
  s.aktuell.planteil = 2;
  neu(s.neuesPolygonMitPunkten(
      Elementart::Polygon,
      {.x = {1, 2, 3}, .y = {4, 5, 6}, .fuellung = {.schraffurName = "Mauerwerk", .gefuellt = 1}}));
  neu(s.neuerText(Elementart::Text, {.x = 4900, .y = 4950, .zeilen = {"Küche", "12,5 m²"}}));
  s.aktuell.folie = 2;
  neu(s.neueBitmap(Elementart::Bitmap, {.platzierung = {1, 2, 3, 4, 5, 6}, .daten = {'B', 'M', 0, 1, 2}}));
  neu(s.neueBemassung({.geometrie = {1, 2, 3, 4, 5, 6, 7, 8}, .texthoehe = 2.5}));
  neu(s.neueLinie(50, 60, 70, 80, rgb(0, 0, 255)));
  neu(s.neueBezierkurve({.punkte = {0, 0, 1, 2, 3, 4, 5, 6}}));
  return z;
}
constexpr int BeispielElemente = 9;

std::vector<std::uint8_t> bytes(const Zeichnung& z) {
  return schreibeZeichnung(z).daten;
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
// it loads on the default layer.
TEST(Dateischaden, UnmoeglicheWerteLuegendeLaengenUndUnbekannteTagsKostenNurIhrenSatz) {
  constexpr std::uint32_t Fast4GB = 0xFFFFFFF0u;
  const double nan = std::nan("");
  const std::pair<const char*, std::function<void(Dateibauer&)>> faelle[] = {
      {"polygon without points", [](Dateibauer& b) { b.satz('F').u16(0).u8(0).ende(); }},
      {"old fill, NaN frame",
       [&](Dateibauer& b) { b.satz('i').f64(nan).f64(0).f64(1).f64(1).u16(0).u16(0).u32(1).u8(7).ende(); }},
      // Angles are floats: beyond their range they would turn infinite.
      {"grid angle", [](Dateibauer& b) { b.satz(']').f64(1).f64(2).f64(1e300).ende(); }},
      {"zero point", [&](Dateibauer& b) { b.satz('0').f64(nan).f64(0).u16(0).u16(0).f64(1).f64(1).ende(); }},
      {"layer 0", [](Dateibauer& b) { b.ebene(0); }},
      {"sublayer 251", [](Dateibauer& b) { b.satz('E').u8(251).ende(); }},
      {"unknown tag 0x01", [](Dateibauer& b) { b.satz(0x01).u32(7).ende(); }},
      // A data mask is a small ini file; a megabyte of it is damage.
      {"mask file of 1 MB",
       [](Dateibauer& b) {
         const std::vector<std::uint8_t> gross((1u << 20) + 1, 'x');
         b.satz('v').text("MASK_Gross.ini").u32(static_cast<std::uint32_t>(gross.size())).bytes(gross).ende();
       }},
      // Lying counts and lengths neither allocate nor read past the record.
      {"polygon count", [](Dateibauer& b) { b.satz('F').u16(65535).f64(1).f64(2).u8(0).ende(); }},
      {"bitmap",
       [](Dateibauer& b) {
         b.satz(0xD6).f64(0).f64(0).f64(1).f64(1).f64(0).f64(0).u32(Fast4GB).roh("BM").u8(0).u8(0).ende();
       }},
  };
  for (const auto& [wie, satz] : faelle) {
    SCOPED_TRACE(wie);
    Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
    b.kopf().bezug(0, 0);
    satz(b);
    b.linie(1, 2, 3, 4).schluss();
    const auto g = lade(b.daten());
    ASSERT_TRUE(g->e.geladen);
    EXPECT_EQ(g->e.verworfeneSaetze, 1);
    ASSERT_EQ(g->e.elemente, 1);
    const Elementspeicher& s = g->z.speicher;
    EXPECT_EQ(std::tuple(s.linie(1).x1, s.planteil(1), s.folie(1)), std::tuple(1.0, 1, 1));
    EXPECT_TRUE(strukturInOrdnung(g->z));
  }
}

TEST(Dateischaden, UeberlappendeSaetzeWerdenNichtQuadratischOftGelesen) {
  // Every 8 bytes a polygon claims 16383 points and a marker follows 3 bytes
  // later: were each record to read what it claims before its damage shows,
  // a quarter of a million of them would read 60 GB again.
  const std::uint8_t muster[8] = {'F', 0xFF, 0x3F, '{', '|', '}', 0, 0};
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(0, 0);
  for (int i = 0; i < 250000; ++i) b.bytes(muster);
  b.linie(1, 2, 3, 4).schluss();
  const auto g = lade(b.daten());
  ASSERT_TRUE(g->e.geladen);
  EXPECT_GT(g->e.verworfeneSaetze, 0);
  EXPECT_LE(g->e.wiedergelesen, b.daten().size()) << "read again per record: quadratic";
}

// Loading from a file gives back the pages already read; damaged records,
// which are read again from their start, must still find their bytes.
TEST(Dateischaden, AusDerDateiWieAusDemSpeicherAuchBeiSchaedenUeberVieleSeiten) {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(0, 0);
  for (int i = 0; i < 20000; ++i) {
    b.linie(i, 1, 2, i);
    if (i % 97 == 5) b.satz('F').u16(65535).f64(1).f64(2).u8(0).ende();  // more points claimed than follow
  }
  const std::vector<std::uint8_t>& daten = b.schluss().daten();
  test::TempOrdner ordner;
  test::schreibeDatei(ordner / "plan.qzz", {reinterpret_cast<const char*>(daten.data()), daten.size()});
  Geladen ausDatei;
  ausDatei.e = ladeZeichnung((ordner / "plan.qzz").string(), ausDatei.z, ausDatei.benutzer);
  ASSERT_EQ(std::tuple(ausDatei.e.elemente, ausDatei.e.verworfeneSaetze), std::tuple(20000, 207));
  const Elementspeicher& s = ausDatei.z.speicher;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    ASSERT_EQ(std::pair(s.linie(n).x1, s.linie(n).y2), std::pair(n - 1.0, n - 1.0)) << n;
}

// A zero grid spacing would switch grid and grid snap off; the old one stays.
TEST(Dateischaden, RasterabstandNullBehaeltDenBisherigen) {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(0, 0).satz('0').f64(1).f64(2).u16(0).u16(0).f64(0).f64(0).ende();
  const auto g = lade(b.schluss().daten());
  EXPECT_EQ(std::pair(g->z.ansicht.gridSpacingX, g->z.ansicht.gridSpacingY), std::pair(10.0, 10.0));
}

// Nor does a zoom of 0 replace the view the drawing opens with.
TEST(Dateischaden, ZoomNullBehaeltDieAnsicht) {
  test::Kopfwerte k;
  k.zoom = 0;
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  EXPECT_EQ(lade(b.kopf(k).bezug(0, 0).schluss().daten())->z.ansicht.zoom, Ansicht{}.zoom);
}

TEST(Dateischaden, OhneMarkenEndetDasLesenAmErstenSchaden) {
  Dateibauer b = Dateibauer::fuer("oS1.02", 8);
  b.kopf().bezug(0, 0).linie(1, 1, 2, 2).satz(0xFF).u32(7).linie(3, 3, 4, 4).schluss();
  const auto g = lade(b.daten());
  ASSERT_TRUE(g->e.geladen);
  EXPECT_EQ(g->e.elemente, 1);
}

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
    EXPECT_LE(o.datenmasken.size(), 1u);
    for (const EingebetteteDatei& m : o.datenmasken) EXPECT_EQ(m, original.optionen.datenmasken[0]);
  }
  EXPECT_EQ(vorher, BeispielElemente);
}

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
    const test::Kopfwerte k{.linienstildatei = {f.linienstildatei.begin(), f.linienstildatei.end()},
                            .ebenen = {{"Rohbau", {"Wände", "Decken"}}, {"Möbel", {"Küche"}}},
                            .aktiveEbene = 2,
                            .zoom = 2,
                            .titel = "Haus Berg",
                            .zusatzmarken = f.zusatzmarken,
                            .mitLinienstildatei = f.mitLinienstildatei};
    Dateibauer b("ZEI.01", 11, true);
    b.kopf(k).bezug(0, 0).linie(1, 2, 3, 4).linie(5, 6, 7, 8).schluss();
    const auto g = lade(b.daten());
    ASSERT_TRUE(g->e.geladen) << f.fall;
    EXPECT_EQ(std::tuple(g->e.elemente, g->e.verworfeneSaetze, g->benutzer.meldungen.size()), std::tuple(2, 0, 0u))
        << f.fall << ": " << g->benutzer.letzteMeldung();
    EXPECT_EQ(std::tuple(g->z.ebenen.folienname(1, 2), g->z.ebenen.aktiveEbene(), g->z.ansicht.zoom,
                         g->z.optionen.titel, g->z.stifte.penWidth[24], g->z.optionen.linienstildatei),
              std::tuple("Decken", 2, 2.0, "Haus Berg", 0.35, k.linienstildatei))
        << f.fall;
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
    const test::Kopfwerte k{.linienstildatei = {'a', 'b'}};
    Dateibauer b("ZEI.01", 11, true);
    b.kopf(k).schluss();
    std::vector<std::uint8_t> d = b.daten();
    const std::uint32_t riesig = 0xFFFFFFFFu;
    std::memcpy(&d[11 + 1 + 4 + 1 + 8 * k.stiftzahl], &riesig, 4);
    faelle.push_back({"line-style file longer than the file", std::move(d)});
  }
  faelle.push_back({"first byte not 6", richtig});
  faelle.back().daten[0] = 7;
  for (std::size_t laenge : {std::size_t(0), std::size_t(5), std::size_t(12), std::size_t(40), kopf - 1})
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
    meldeLadehinweise(e, benutzer);
    EXPECT_EQ(std::tuple(e.geladen, benutzer.letzteMeldung()),
              std::tuple(false, "Datei enthält keine gültige Zeichnung oder ist defekt!"))
        << f.fall;
    EXPECT_EQ(std::tuple(offen.speicher.anzahl(), offen.ebenen.name(2), offen.optionen.blattname, offen.dateiname),
              std::tuple(BeispielElemente, "Möbel", "Grundriss EG", "/home/plan.QZZ"))
        << f.fall;
  }
}

TEST(Dateischaden, DefekteGruppenWerdenRepariertHeileBleiben) {
  // G begin, Y end, L line: the file's order, the broken groups, what remains.
  for (const auto& [folge, defekt, bleibt] :
       {std::tuple("GL", 1, "L"), std::tuple("LY", 1, "L"), std::tuple("GGLY", 1, "GLY"),
        std::tuple("GLYYGL", 2, "GLYL"), std::tuple("YYGGLYY", 2, "GGLYY"), std::tuple("GGLYY", 0, "GGLYY")}) {
    SCOPED_TRACE(folge);
    Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
    b.kopf().bezug(0, 0);
    for (const char* c = folge; *c; ++c)
      *c == 'G' ? b.gruppenanfang("Tür") : *c == 'Y' ? b.gruppenende() : b.linie(1, 2, 3, 4);
    const auto g = lade(b.schluss().daten());
    EXPECT_EQ(g->e.defekteGruppen, defekt);
    EXPECT_EQ(g->benutzer.letzteMeldung(),
              defekt == 0 ? ""
                          : "Es sind defekte Gruppen enthalten!\nAnzahl: " + std::to_string(defekt) +
                                "\nEs wird versucht, die Zeichnung zu reparieren!");
    std::string geladen;
    for (std::int32_t n = 1; n <= g->z.speicher.anzahl(); ++n) {
      const Elementart a = g->z.speicher.art(n);
      geladen += a == Elementart::Gruppenanfang ? 'G' : a == Elementart::Gruppenende ? 'Y' : 'L';
    }
    EXPECT_EQ(geladen, bleibt);
    EXPECT_EQ(g->e.elemente, g->z.speicher.anzahl());
    EXPECT_TRUE(strukturInOrdnung(g->z));
  }
}

TEST(Dateischaden, MehrAls25OderUnmoeglicheStiftbreitenGebenDieMeldung) {
  constexpr const char* Stiftmeldung =
      "Es gab Probleme beim Laden der Stiftbreiten.\rBitte Überprüfen Sie diese unter Optionen/Stiftbreiten.";
  for (const auto& [stiftzahl, breite, meldung] :
       {std::tuple(25, 0.7, ""), std::tuple(26, 0.7, Stiftmeldung), std::tuple(24, std::nan(""), Stiftmeldung)}) {
    SCOPED_TRACE(stiftzahl);
    Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
    b.kopf({.stiftzahl = std::uint8_t(stiftzahl), .stiftbreite = breite}).linie(1, 2, 3, 4).schluss();
    const auto g = lade(b.daten());
    ASSERT_TRUE(g->e.geladen);
    EXPECT_EQ(g->e.elemente, 1) << "the drawing still loads";
    EXPECT_EQ(g->benutzer.letzteMeldung(), meldung);
    EXPECT_TRUE(std::isfinite(g->z.stifte.penWidth[1]));
    if (breite == 0.7) {
      EXPECT_EQ(std::tuple(g->z.stifte.penWidth[25] == 0.7, g->z.stifte.penWidth[26] == 0.7), std::tuple(true, false));
    }
  }
}

// Presses Escape on the first `rest` polls.
struct Escapetaste final : Tastatur {
  explicit Escapetaste(int wieOft) : rest(wieOft) {}
  bool escapeGedrueckt() override { return ++abgefragt, rest > 0 ? (--rest, true) : false; }
  bool funktionstasteGedrueckt(int) override { return false; }
  int rest, abgefragt = 0;
};

TEST(Dateischaden, EscapeFragtUndVerwerfenBehaeltDasGeladeneWeiterladenLiestWeiter) {
  Dateibauer b = Dateibauer::fuer("ZEI.01", 11);
  b.kopf().bezug(0, 0);
  for (int i = 0; i < 1000; ++i) b.linie(i, 0, i, 1);
  const std::vector<std::uint8_t> daten = b.schluss().daten();
  const std::vector<std::string> frage{"Das Laden wurde unterbrochen.\nWie wollen Sie fortfahren?"};

  Escapetaste immer(1000000);
  const auto g = lade(daten, &immer, {0});  // discard the rest
  ASSERT_TRUE(g->e.geladen);
  EXPECT_EQ(std::tuple(g->e.abgebrochen, g->benutzer.fragen, g->z.speicher.anzahl()),
            std::tuple(true, frage, g->e.elemente));
  EXPECT_TRUE(g->e.elemente > 0 && g->e.elemente < 1000) << g->e.elemente;
  for (std::int32_t n = 1; n <= g->z.speicher.anzahl(); ++n) EXPECT_EQ(g->z.speicher.linie(n).x1, n - 1);

  Escapetaste einmal(1);
  const auto h = lade(daten, &einmal, {1});  // go on
  EXPECT_EQ(std::tuple(h->e.abgebrochen, h->benutzer.fragen, h->e.elemente), std::tuple(false, frage, 1000));
  // Polled about every hundredth of the file, not after every record.
  EXPECT_TRUE(einmal.abgefragt >= 90 && einmal.abgefragt <= 110) << einmal.abgefragt;

  Escapetaste nochmal(1000000);
  const auto k = lade(daten, &nochmal, {1, 1, 0});
  EXPECT_EQ(std::tuple(k->e.abgebrochen, k->benutzer.fragen.size()), std::tuple(true, 3u));
  EXPECT_TRUE(k->e.elemente > 10 && k->e.elemente < 100) << k->e.elemente;
}

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
