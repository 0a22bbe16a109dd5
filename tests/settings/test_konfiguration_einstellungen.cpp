// The typed settings: defaults of an empty file, exact keys, round trips and
// damaged values.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/einstellungen.h"
#include "base/zahlformat.h"

namespace quarzel {
namespace {

using einstellung::Dateien;
using einstellung::Drucken;
using einstellung::Mehrfachlinien;
using einstellung::Projektoptionen;
using einstellung::Stiftbreiten;

Einstellungen gelesen(std::string_view text) {
  Einstellungen e;
  e.lese(IniDatei::ausText(text));
  return e;
}

// The values the written-keys test below does not pin already.
TEST(Vorgaben, LeereDateiGibtDieFestgelegtenWerte) {
  const Einstellungen e = gelesen("");
  EXPECT_EQ(e, Einstellungen{});
  const Stiftbreiten& s = e.stiftbreiten;
  EXPECT_EQ((std::vector<double>(s.breite.begin(), s.breite.begin() + 9)),
            (std::vector<double>{0, 0.18, 0.25, 0.35, 0.5, 0.7, 1.0, 1.4, 2.0}));
  EXPECT_EQ((std::vector<Farbe>(s.farbe.begin(), s.farbe.begin() + 9)),
            (std::vector<Farbe>{8421504u, rgb(255, 128, 0), rgb(0, 0, 0), rgb(255, 255, 0), rgb(255, 0, 0),
                                rgb(0, 0, 255), rgb(255, 0, 255), rgb(0, 255, 255), rgb(0, 255, 0)}));
  for (int n = 9; n <= 24; ++n) {
    EXPECT_EQ(s.breite[n], 1.0) << n;
    EXPECT_EQ(s.farbe[n], 8421504u) << n;
  }
  EXPECT_EQ(e.projektoptionen.einheitenname, "m");
  EXPECT_EQ(e.projektoptionen.einheit, 3);
  EXPECT_EQ(e.zeichenhilfen.rasterabstand, 10);
  EXPECT_EQ(e.zeichenhilfen.yRasterabstand, 10);
  EXPECT_EQ(e.zeichenhilfen.fangradius, 5);
  EXPECT_EQ(e.texteinstellungen.defFontName, "Arial");
  EXPECT_EQ(e.vermassung.editFarbe, 16711871u);
  EXPECT_EQ(e.speichern.alle, 600000);
  EXPECT_EQ(e.hilfslinien.teilung, 50);
  EXPECT_EQ(e.zoom.mausradfaktor, 3);
  EXPECT_EQ(e.daemmung.faktor, 1);
}

// The keys as the file has them, for the defaults written into an empty file.
TEST(Schluessel, GeschriebeneSchluesselUndWerte) {
  IniDatei ini;
  Einstellungen{}.schreibe(ini);
  const auto w = [&](std::string_view s, std::string_view k) { return ini.wert(s, k).value_or("<fehlt>"); };
  EXPECT_EQ(w("Projektoptionen", "varBlattformatBreite:"), "390");
  EXPECT_EQ(w("Projektoptionen", "varBlattformatHöhe:"), "270");
  EXPECT_EQ(w("Projektoptionen", "Faktor"), "0.001");
  EXPECT_EQ(w("Projektoptionen", "Maßstab"), "100");
  EXPECT_EQ(w("Projektoptionen", "Gefülltes Vieleck Definition"), "0");
  EXPECT_EQ(w("Stiftbreiten", "StiftBreite0"), "0");
  EXPECT_EQ(w("Stiftbreiten", "StiftBreite1"), "0.18");
  EXPECT_EQ(w("Stiftbreiten", "StiftBreite24"), "1");
  EXPECT_EQ(w("Stiftbreiten", "StiftFarbe0"), "8421504");
  EXPECT_EQ(w("Stiftbreiten", "StiftFarbe1"), "33023");
  EXPECT_EQ(w("Stifte", "Freihandglaetten"), "1");
  EXPECT_EQ(w("Stifte", "Brüstungsstift"), "2");
  EXPECT_EQ(w("Texteinstellungen", "DefTextHeigth"), "3.5");
  EXPECT_EQ(w("Zeichenhilfen", "a6"), "0");
  EXPECT_EQ(w("Zeichenhilfen", "Primärfarbe"), "0");
  EXPECT_EQ(w("Werkzeugeinstellungen", "Fasenlänge:"), "5");
  EXPECT_EQ(w("Vermassung", "MaßlinienÜberstand:"), "1.5");
  EXPECT_EQ(w("Vermassung", "MaßlinienHilfslinienstift"), "3");
  EXPECT_EQ(w("Vermassung", "MaßhilfslinienLänge:"), "2.5");
  EXPECT_EQ(w("Vermassung", "MaßlinienbegrenzungenGröße:"), "1.414");
  EXPECT_EQ(w("Vermassung", "&Maßtext automatisch positionieren"), "1");
  EXPECT_EQ(w("Speichern", "Automatisch speichern"), "1");
  EXPECT_EQ(w("PLA-Export", "aktiv"), "0");
  EXPECT_EQ(w("FreihandLinien", "Überstand relativ"), "10");
  EXPECT_EQ(w("Mehrfachlinien", "Abstand"), "0;50;100;150.2;250;300;");
  EXPECT_EQ(w("Mehrfachlinien", "Stil"), "1;1;2;3;4;5;");
  EXPECT_EQ(w("Skalierungs-Maßstab oder Blattformat einstellen", "Import-EinheitFaktor"), "1000");
  EXPECT_EQ(w("Standardpfade", "Bibliothek_5"), "");
  EXPECT_EQ(w("Dateien", "Datei6"), "");
  EXPECT_EQ(w("Ebene aktivieren", "Objekttransfer"), "0");
  EXPECT_FALSE(ini.hatSchluessel("Stifte", "Freihandglätten")) << "one key for reading and writing";
}

// Collects the keys of one section as felder() names them.
struct Schluesselsammler {
  std::vector<std::string>* namen;
  template <class T>
  void operator()(std::string_view schluessel, T&&) const {
    namen->emplace_back(schluessel);
  }
};

TEST(Schluessel, JedeSektionSchreibtGenauIhreSchluessel) {
  Einstellungen e;
  std::set<std::string> sektionen;
  Einstellungen::abschnitte(e, [&](auto& abschnitt) {
    using T = std::remove_cvref_t<decltype(abschnitt)>;
    EXPECT_TRUE(sektionen.insert(std::string(T::kSektion)).second) << T::kSektion;
    std::vector<std::string> namen;
    T::felder(abschnitt, Schluesselsammler{&namen});
    IniDatei ini;
    abschnitt.schreibe(ini);
    EXPECT_EQ(ini.sektionen(), std::vector<std::string>{std::string(T::kSektion)});
    auto geschrieben = ini.schluessel(T::kSektion);
    if constexpr (std::is_same_v<T, Stiftbreiten>) {
      namen.push_back("StiftBreite0");
    }
    // Equal lists also prove that no two keys of a section collide, since
    // the file keeps a key only once.
    EXPECT_EQ(std::multiset<std::string>(geschrieben.begin(), geschrieben.end()),
              std::multiset<std::string>(namen.begin(), namen.end()))
        << T::kSektion;
  });
  EXPECT_EQ(sektionen.size(), 34u);
}

// Changes every field to another valid value: numbers by a third (so the
// shortest form needs all digits), integers between 1 and 2, colours to other
// 24-bit values, texts to ones that need quoting.
struct Veraenderer {
  void operator()(std::string_view, bool& w) const { w = !w; }
  void operator()(std::string_view, int& w) const { w = w == 1 ? 2 : 1; }
  void operator()(std::string_view, double& w) const { w += 1.0 / 3.0; }
  void operator()(std::string_view, Farbe& w) const { w = (w ^ 0x5A3C1E) & 0xFFFFFF; }
  void operator()(std::string_view, std::string& w) const { w += "  Wert mit Ä=ß;\"x\" "; }
};

Einstellungen veraendert() {
  Einstellungen e;
  Einstellungen::abschnitte(e, [](auto& abschnitt) {
    using T = std::remove_cvref_t<decltype(abschnitt)>;
    T::felder(abschnitt, [](std::string_view s, auto& feld) {
      if constexpr (requires { std::tuple_size<std::remove_cvref_t<decltype(feld)>>::value; }) {
        for (auto& x : feld) Veraenderer{}(s, x);
      } else {
        Veraenderer{}(s, feld);
      }
    });
    EXPECT_NE(abschnitt, T{}) << T::kSektion;
  });
  return e;
}

TEST(Rundreise, JedeSektionBehaeltIhreWerte) {
  const Einstellungen e = veraendert();
  IniDatei ini;
  e.schreibe(ini);
  Einstellungen wieder;
  wieder.lese(IniDatei::ausText(ini.text()));
  Einstellungen::abschnitte(wieder, [&](const auto& abschnitt) {
    using T = std::remove_cvref_t<decltype(abschnitt)>;
    T erwartet;
    Einstellungen::abschnitte(e, [&](const auto& original) {
      if constexpr (std::is_same_v<std::remove_cvref_t<decltype(original)>, T>) erwartet = original;
    });
    EXPECT_EQ(abschnitt, erwartet) << T::kSektion;
  });
  EXPECT_EQ(wieder, e);
}

TEST(Rundreise, UeberEineVorhandeneDateiHinweg) {
  const std::string vorher =
      "; von Hand\n[Projektoptionen]\nUnbekannt=1\nmaßstab=7\n\n[Fremd]\nx=y\n[Stiftbreiten]\nstiftbreite3=9\n";
  auto ini = IniDatei::ausText(vorher);
  const Einstellungen e = veraendert();
  e.schreibe(ini);
  Einstellungen wieder;
  wieder.lese(IniDatei::ausText(ini.text()));
  EXPECT_EQ(wieder, e);
  const std::string text = ini.text();
  for (const char* zeile : {"; von Hand\n", "Unbekannt=1\n", "[Fremd]\nx=y\n"}) {
    EXPECT_NE(text.find(zeile), std::string::npos) << zeile;
  }
  // Existing keys are rewritten in place, with the file's spelling.
  EXPECT_EQ(text.find("stiftbreite3=9"), std::string::npos);
  EXPECT_NE(text.find("stiftbreite3="), std::string::npos);
  EXPECT_EQ(text.find("maßstab=7"), std::string::npos);
  EXPECT_NE(text.find("maßstab="), std::string::npos);
}

TEST(Lesen, DezimalkommaUndHandgeschriebeneDateien) {
  const Einstellungen e = gelesen(
      "[Texteinstellungen]\nDefTextHeigth=3,5\n"
      "[Stiftbreiten]\nStiftBreite3 = 0,4\nStiftFarbe2=255\n"
      "[Vermassung]\nMaßlinienÜberstand:=2,25\nmaßlinienbegrenzungengröße:=1.5\n"
      "[Projektoptionen]\nvarBlattformatBreite:=420\nVARBLATTFORMATHÖHE:=297,0\n"
      "[Mehrfachlinien]\nAbstand=0;12,5;25;\n");
  EXPECT_EQ(e.texteinstellungen.defTextHeigth, 3.5);
  EXPECT_EQ(e.stiftbreiten.breite[3], 0.4);
  EXPECT_EQ(e.stiftbreiten.farbe[2], rgb(255, 0, 0));
  EXPECT_EQ(e.vermassung.masslinienUeberstand, 2.25);
  EXPECT_EQ(e.vermassung.begrenzungGroesse, 1.5);
  EXPECT_EQ(e.projektoptionen.blattBreite, 420);
  EXPECT_EQ(e.projektoptionen.blattHoehe, 297);
  EXPECT_EQ(e.mehrfachlinien.abstand, (std::array<double, 6>{0, 12.5, 25, 150.2, 250, 300}));
}

TEST(Lesen, DieVorgabelisteMitDezimalkommaHatSechsEintraege) {
  const Einstellungen e = gelesen("[Mehrfachlinien]\nAbstand=0;50;100;150,200;250;300;\n");
  EXPECT_EQ(e.mehrfachlinien.abstand, Mehrfachlinien{}.abstand);
}

TEST(Beschaedigt, UnsinnigeWerteGebenVorgaben) {
  const std::string megabyte(1 << 20, '7');
  const Einstellungen e = gelesen(
      "[Projektoptionen]\nvarBlattformatBreite:=abc\nvarBlattformatHöhe:=1e400\nMaßstab=0\n"
      "Faktor=0\nEinheit=1\nEinheitenname=mm\n"
      "[Zeichenhilfen]\nRasterabstand=0\nYRasterabstand=-5\nSchrittweite=nan\nFangradius=500\n"
      "[Stiftbreiten]\nStiftBreite2=1e400\nStiftBreite4=-1\nStiftBreite5=11\n"
      "StiftFarbe3=-1\nStiftFarbe4=16777216\nStiftFarbe5=1,5\nStiftFarbe6=\n"
      "[Speichern]\nAlle=99999999999999\nAutomatisch speichern=vielleicht\n"
      "[Drucken]\nFunktion=7\n"
      "[Texteinstellungen]\nDefTextHeigth=0\nZeilenbreite=" +
      megabyte +
      "\n"
      "[Mehrfachlinien]\nStil=x;;3;1e9;;\nFarbe=-1;256;99999999;\n");
  const Einstellungen v;
  EXPECT_EQ(e.projektoptionen.blattBreite, 390);
  EXPECT_EQ(e.projektoptionen.blattHoehe, 270);
  EXPECT_EQ(e.projektoptionen.massstab, 100);
  EXPECT_EQ(e.projektoptionen.faktor, 0.001);
  EXPECT_EQ(e.projektoptionen.einheit, 3) << "the unit falls back as a whole";
  EXPECT_EQ(e.projektoptionen.einheitenname, "m");
  EXPECT_EQ(e.zeichenhilfen, v.zeichenhilfen);
  EXPECT_EQ(e.stiftbreiten, v.stiftbreiten);
  EXPECT_EQ(e.speichern, v.speichern);
  EXPECT_EQ(e.drucken, v.drucken);
  EXPECT_EQ(e.texteinstellungen, v.texteinstellungen);
  EXPECT_EQ(e.mehrfachlinien.stil, (std::array<int, 6>{1, 1, 3, 3, 4, 5}));
  EXPECT_EQ(e.mehrfachlinien.farbe, (std::array<Farbe, 6>{0, 256, 0, 0, 0, 0}));
}

TEST(Beschaedigt, ZufallsbytesGebenVorgabenOhneAbsturz) {
  std::string muell;
  for (int i = 0; i < 100000; ++i) muell += char((i * 7919 + i / 13) & 0xFF);
  EXPECT_EQ(gelesen(muell), Einstellungen{});
  EXPECT_EQ(gelesen("ohne Gleichheitszeichen\nnoch eine Zeile\n[Projektoptionen]\nMaßstab\n"), Einstellungen{});
}

TEST(Sektionsweise, EinDialogSchreibtNurSeineSektion) {
  auto ini = IniDatei::ausText("[Drucken]\nFunktion=2\n[Stiftbreiten]\nNormbreite=1\n");
  Stiftbreiten s;
  s.lese(ini);
  EXPECT_TRUE(s.normbreite);
  s.farbe[0] = rgb(1, 2, 3);
  s.schreibe(ini);
  Drucken d;
  d.lese(ini);
  EXPECT_EQ(d.funktion, 2);
  EXPECT_EQ(ini.schluessel("Drucken"), std::vector<std::string>{"Funktion"});
  EXPECT_EQ(ini.wert("Stiftbreiten", "StiftFarbe0"), std::to_string(rgb(1, 2, 3)));
}

TEST(Sektionsweise, LesenSetztNichtGenannteFelderAufVorgaben) {
  Projektoptionen p;
  p.massstab = 20;
  p.blattFix = true;
  p.lese(IniDatei::ausText("[Projektoptionen]\nBlatt fix=0\n"));
  EXPECT_EQ(p.massstab, 100);
  EXPECT_FALSE(p.blattFix);
}

TEST(ZuletztGeoeffnet, NeueDateiKommtNachVorn) {
  Dateien d;
  for (const char* name : {"a", "b", "c", "d", "e", "f", "g"}) d.nimmAuf(name);
  EXPECT_EQ(d.datei, (std::array<std::string, 6>{"g", "f", "e", "d", "c", "b"}));
  d.nimmAuf("d");
  EXPECT_EQ(d.datei, (std::array<std::string, 6>{"d", "g", "f", "e", "c", "b"}));
  d.nimmAuf("");
  EXPECT_EQ(d.datei[0], "d");
}

}  // namespace
}  // namespace quarzel
