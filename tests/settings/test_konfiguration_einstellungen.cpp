// The typed settings: round trips, hand-written files and damaged values.
#include <gtest/gtest.h>

#include <string>

#include "base/zahlformat.h"
#include "render/zeichenkontext.h"
#include "settings/einstellungen.h"

namespace quarzel {
namespace {

using einstellung::Stiftbreiten;

Einstellungen gelesen(std::string_view text) {
  Einstellungen e;
  e.lese(IniDatei::ausText(text));
  return e;
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
  // Existing keys are rewritten in place, with the file's spelling.
  for (const char* zeile : {"; von Hand\n", "Unbekannt=1\n", "[Fremd]\nx=y\n", "stiftbreite3=", "maßstab="})
    EXPECT_NE(text.find(zeile), std::string::npos) << zeile;
  for (const char* alt : {"stiftbreite3=9", "maßstab=7"}) EXPECT_EQ(text.find(alt), std::string::npos) << alt;
}

TEST(Lesen, DezimalkommaUndHandgeschriebeneDateien) {
  const Einstellungen e = gelesen(
      "[Texteinstellungen]\nDefTextHeigth=3,5\n"
      "[Stiftbreiten]\nStiftBreite3 = 0,4\nStiftBreite4=0\nStiftFarbe2=255\n"
      "[Vermassung]\nMaßlinienÜberstand:=2,25\nmaßlinienbegrenzungengröße:=1.5\n"
      "[Projektoptionen]\nvarBlattformatBreite:=420\nVARBLATTFORMATHÖHE:=297,0\n"
      "[Mehrfachlinien]\nAbstand=0;12,5;25;\n");
  EXPECT_EQ(std::tuple(e.texteinstellungen.defTextHeigth, e.stiftbreiten.breite[3], e.stiftbreiten.breite[4],
                       e.stiftbreiten.farbe[2], e.vermassung.masslinienUeberstand, e.vermassung.begrenzungGroesse,
                       e.projektoptionen.blattBreite, e.projektoptionen.blattHoehe),
            std::tuple(3.5, 0.4, 0.0, rgb(255, 0, 0), 2.25, 1.5, 420, 297));
  EXPECT_EQ(e.mehrfachlinien.abstand, (std::array<double, 6>{0, 12.5, 25, 150.2, 250, 300}));
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
  // The unit falls back as a whole, with its name.
  EXPECT_EQ(e.projektoptionen, v.projektoptionen);
  EXPECT_EQ(std::tuple(e.zeichenhilfen, e.stiftbreiten, e.speichern, e.drucken, e.texteinstellungen),
            std::tuple(v.zeichenhilfen, v.stiftbreiten, v.speichern, v.drucken, v.texteinstellungen));
  EXPECT_EQ(e.mehrfachlinien.stil, (std::array<int, 6>{1, 1, 3, 3, 4, 5}));
  EXPECT_EQ(e.mehrfachlinien.farbe, (std::array<Farbe, 6>{0, 256, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace quarzel
