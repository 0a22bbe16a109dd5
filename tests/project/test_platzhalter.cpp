// Placeholders in texts as the renderer draws them: every row's value, lines
// that are no placeholder, computed values that follow the drawing, and the
// screen with "&Platzhalter" on.
#include <gtest/gtest.h>

#include "project/projektausgabe.h"
#include "project/projektfelder.h"
#include "render/textelemente.h"
#include "support/render/test_bild_hilfe.h"

namespace quarzel {
namespace {

constexpr const char* kHeute = "24.12.2030";

// Active layer 2 "Grundriss EG" (sublayer "Möbel") at 1:50; the texts lie on
// layer 1, which follows the drawing scale 1:100, at user (10, 20) m.
struct Titelblatt : bildtest::Umgebung {
  Projektdatenersetzung werte{kHeute};

  Titelblatt() {
    k().textersetzung = &werte;
    Zeichnung& z = zeichnung;
    z.ebenen.fuegeEbeneAn("Grundriss EG");
    z.ebenen.fuegeFolieAn(2, "Möbel");
    z.ebenen.setzeMassstab(2, 50);
    z.ebenen.setzeAktiv(2, 1);
    z.dateiname = "/plaene/haus.QZZ";
    z.ansicht.zeroPoint = {100, 500};
    auto& w = z.projektdaten.werte;
    for (int i = 0; i < kProjektfelder; ++i) w[static_cast<std::size_t>(i)] = "Zeile " + std::to_string(i);
    w[2] = "";
    w[8] = "Zeile 1\nZeile 2";
    w[31] = "$FreiText";  // what the dialog leaves in an unset free text
    w[44] = "";           // the fourth change entry has no name
  }
  std::vector<std::string> gezeichnet(std::vector<std::string> zeilen) {
    canvas.texte.clear();
    zeichneText(k(),
                zeichnung.speicher.neuerText(Elementart::Text, {.x = 300, .y = 100, .zeilen = zeilen, .hoehe = 5}));
    std::vector<std::string> aus;
    for (const auto& t : canvas.texte) aus.push_back(t.text);
    return aus;
  }
};

TEST(Platzhalter, JedeZeileZeigtIhrenWertAndereZeilenBleibenWieGetippt) {
  Titelblatt t;
  // Rows whose value is stored show it; a mixed-up row would show another number.
  for (int i = 0; i < kProjektfelder; ++i) {
    const Projektfeld& f = projektfelder()[static_cast<std::size_t>(i)];
    ASSERT_EQ(zeileDesPlatzhalters(f.platzhalter), i);
    if (f.quelle == Wertquelle::Berechnet || i == 2 || i == 8 || i == 31 || i == 44) continue;
    EXPECT_EQ(t.gezeichnet({std::string(f.platzhalter)}), std::vector<std::string>{"Zeile " + std::to_string(i)});
  }
  const std::pair<const char*, std::vector<std::string>> faelle[] = {
      {"$BauhAdresse1", {}},                 // empty: nothing drawn
      {"$BauhBem", {"Zeile 1", "Zeile 2"}},  // a remark of two lines
      {"$FreiText", {}},
      {"$DateiName", {"haus.QZZ"}},
      {"$GeschossName", {"Grundriss EG"}},
      {"$MaszStab", {"1:50"}},
      {"$PSVersion", {"17.0"}},
      {"$LetzteAenderungBenutzer", {"Zeile 41"}},  // the newest entry with a name
      {"$LetzteAenderungDatum", {kHeute}},
      {"$LayerNr", {"2"}},
      {"$Koor", {"10.00 / 20.00"}},
      {"$Blattname", {"Blatt 1"}},
      {"$ZeiMaszstab", {"1:100"}},
      {"$Sublayername", {"Möbel"}},
      {"$OLayername", {"Ebene 1"}},
      {"$OSublayername", {"Unterebene 1"}},
      {"$OLayerMaszStab", {"1:100"}},
      {"$Projektname", {"$Projektname"}},
      {"$projname", {"$projname"}},
      {"Projekt: $ProjName", {"Projekt: $ProjName"}},
      {"$ProjName ", {"$ProjName "}},
  };
  for (const auto& [zeile, erwartet] : faelle) EXPECT_EQ(t.gezeichnet({zeile}), erwartet) << zeile;
}

TEST(Platzhalter, BerechneteWerteFolgenDerZeichnungBisZumZeichnen) {
  Titelblatt t;
  const std::vector<std::string> zeilen{"$GeschossName", "$MaszStab", "$OLayerMaszStab", "$ZeiMaszstab", "$DateiName"};
  EXPECT_EQ(t.gezeichnet(zeilen), (std::vector<std::string>{"Grundriss EG", "1:50", "1:100", "1:100", "haus.QZZ"}));
  t.zeichnung.ebenen.setzeName(2, "Obergeschoss");
  t.zeichnung.ebenen.setzeMassstab(2, 20);
  t.zeichnung.ebenen.setzeMassstab(1, 25);
  t.zeichnung.ansicht.drawingScale = 200;
  t.zeichnung.dateiname = "/plaene/haus2.QZZ";
  EXPECT_EQ(t.gezeichnet(zeilen), (std::vector<std::string>{"Obergeschoss", "1:20", "1:25", "1:200", "haus2.QZZ"}));
  t.zeichnung.ebenen.setzeAktiv(1, 1);  // coordinates follow the scale in force
  EXPECT_EQ(t.gezeichnet({"$GeschossName", "$XKoor"}), (std::vector<std::string>{"Ebene 1", "5.00"}));
}

TEST(Platzhalter, MitPlatzhalteranzeigeStehtDieBedeutungAufDemBildschirm) {
  Titelblatt t;
  const Projektdatenersetzung anzeige(kHeute, true);
  t.k().textersetzung = &anzeige;
  EXPECT_EQ(
      t.gezeichnet({"$ProjName", "$ErsteAenderungName", "$VierteAenderungDatum", "$LayerNr", "$XKoor", "x $ProjName"}),
      (std::vector<std::string>{"$Projekt Name$", "$Erste Anderung Name$", "$Vierte Änderung Datum$", "$LayerNr",
                                "$XKoor", "x $ProjName"}));
  // What a macro reads: paper's values, without a text element of its own.
  EXPECT_EQ(std::tuple(projektwert(t.zeichnung, 30, kHeute), projektwert(t.zeichnung, 49, kHeute),
                       projektwert(t.zeichnung, 58, kHeute), platzhalterwert(t.zeichnung, "$BauhName"),
                       platzhalterwert(t.zeichnung, "$BauhName2")),
            std::tuple("1:50", "Zeile 49", "", std::optional<std::string>("Zeile 0"), std::nullopt));
}

}  // namespace
}  // namespace quarzel
