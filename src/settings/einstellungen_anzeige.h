// The settings sections of sheet, pens, texts, screen display and drawing
// aids. See einstellungen.h for the pattern every section follows.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/inidatei.h"
#include "platform/farbe.h"

namespace quarzel::einstellung {

// Sheet, units and scale.
struct Projektoptionen {
  static constexpr std::string_view kSektion = "Projektoptionen";
  double blattBreite = 390;  // mm
  double blattHoehe = 270;   // mm
  std::string einheitenname = "m";
  int einheit = 3;  // unitCode
  double faktor = 0.001;
  double massstab = 100;  // the n of 1 : n
  bool blattFix = false;
  bool flaechenInHintergrund = true;
  bool verlaeufeInHintergrund = true;
  int vieleckDefinition = 0;
  int gefuelltesVieleckDefinition = 0;

  // "var" + group caption + field caption, as the sheet dialog names them.
  static std::string blattBreiteSchluessel() { return "var" + verbundenerSchluessel("Blattformat", "Breite:"); }
  static std::string blattHoeheSchluessel() { return "var" + verbundenerSchluessel("Blattformat", "Höhe:"); }

  template <class S, class F>
  static void felder(S& s, F&& f) {
    f(blattBreiteSchluessel(), s.blattBreite);
    f(blattHoeheSchluessel(), s.blattHoehe);
    f("Einheitenname", s.einheitenname);
    f("Einheit", s.einheit);
    f("Faktor", s.faktor);
    f("Maßstab", s.massstab);
    f("Blatt fix", s.blattFix);
    f("Flächen in Hintergrund", s.flaechenInHintergrund);
    f("Verläufe in Hintergrund", s.verlaeufeInHintergrund);
    f("Vieleck Definition", s.vieleckDefinition);
    f("Gefülltes Vieleck Definition", s.gefuelltesVieleckDefinition);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Projektoptionen&) const = default;
};

// The pen table: widths of pens 1..24 in mm and colours of pens 0..24.
struct Stiftbreiten {
  static constexpr std::string_view kSektion = "Stiftbreiten";
  static constexpr int kStifte = 25;
  // The DIN series of pens 1..8 ("Normstifte").
  static constexpr std::array<double, 9> kNormbreiten{0, 0.18, 0.25, 0.35, 0.5, 0.7, 1.0, 1.4, 2.0};
  static constexpr std::array<Farbe, 9> kGrundfarben{rgb(128, 128, 128), rgb(255, 128, 0), rgb(0, 0, 0),
                                                     rgb(255, 255, 0),   rgb(255, 0, 0),   rgb(0, 0, 255),
                                                     rgb(255, 0, 255),   rgb(0, 255, 255), rgb(0, 255, 0)};
  static constexpr std::array<double, kStifte> vorgabeBreiten() {
    std::array<double, kStifte> b{};
    for (int n = 0; n < kStifte; ++n) b[n] = n < 9 ? kNormbreiten[n] : 1.0;
    return b;
  }
  static constexpr std::array<Farbe, kStifte> vorgabeFarben() {
    std::array<Farbe, kStifte> f{};
    for (int n = 0; n < kStifte; ++n) f[n] = n < 9 ? kGrundfarben[n] : Farbe(8421504);
    return f;
  }

  bool normbreite = false;
  std::array<double, kStifte> breite = vorgabeBreiten();  // [0], the hairline, is always 0
  std::array<Farbe, kStifte> farbe = vorgabeFarben();

  // Pen 0's width is written ("StiftBreite0=0") but never read.
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Normbreite", s.normbreite);
    for (int n = 1; n < kStifte; ++n) f("StiftBreite" + std::to_string(n), s.breite[n]);
    for (int n = 0; n < kStifte; ++n) f("StiftFarbe" + std::to_string(n), s.farbe[n]);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Stiftbreiten&) const = default;
};

// Default pens and styles of the architecture and freehand tools; background.
struct Stifte {
  static constexpr std::string_view kSektion = "Stifte";
  int zeichenstift = 2;
  int freihandstift = 2;
  bool freihandglaetten = true;
  int wandstift = 4;
  int wandstil = 1;
  int tuerstift = 2;
  int tuerstil = 1;
  int fensterstift = 2;
  int fensterstil = 1;
  int nischenstift = 2;
  int nischenstil = 2;
  int daemmungstift = 1;
  int bruestungsstift = 2;
  int tuerbogenstift = 1;
  int hinweisstift = 2;
  int hinweisstil = 1;
  int hinweispfeil = 1;
  Farbe hintergrundfarbe = rgb(255, 255, 255);
  bool hintergrund = false;

  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Zeichenstift", s.zeichenstift);
    f("Freihandstift", s.freihandstift);
    f("Freihandglaetten", s.freihandglaetten);
    f("Wandstift", s.wandstift);
    f("Wandstil", s.wandstil);
    f("Tuerstift", s.tuerstift);
    f("Tuerstil", s.tuerstil);
    f("Fensterstift", s.fensterstift);
    f("Fensterstil", s.fensterstil);
    f("Nischenstift", s.nischenstift);
    f("Nischenstil", s.nischenstil);
    f("Daemmungstift", s.daemmungstift);
    f("Brüstungsstift", s.bruestungsstift);
    f("Türbogenstift", s.tuerbogenstift);
    f("Hinweisstift", s.hinweisstift);
    f("Hinweisstil", s.hinweisstil);
    f("Hinweispfeil", s.hinweispfeil);
    f("Hintergrundfarbe", s.hintergrundfarbe);
    f("Hintergrund", s.hintergrund);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Stifte&) const = default;
};

// Small sections read together with the pens.
struct Daemmung {
  static constexpr std::string_view kSektion = "Daemmung";
  double faktor = 1;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Faktor", s.faktor);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Daemmung&) const = default;
};

struct Kreise {
  static constexpr std::string_view kSektion = "Kreise";
  bool mittelpunkte = false;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Mittelpunkte", s.mittelpunkte);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Kreise&) const = default;
};

struct Rand {
  static constexpr std::string_view kSektion = "Rand";
  bool sichtbar = true;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("sichtbar", s.sichtbar);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Rand&) const = default;
};

struct Importdialog {
  static constexpr std::string_view kSektion = "Importdialog";
  bool sichtbar = true;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("sichtbar", s.sichtbar);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Importdialog&) const = default;
};

// Size and shape of the snap markers and of the construction-aid markers:
// two sections with the same keys.
inline constexpr char kMarkerSektion[] = "Marker";
inline constexpr char kHilfsmarkerSektion[] = "Hilfsmarker";

template <const char* Name>
struct Markerabschnitt {
  static constexpr std::string_view kSektion = Name;
  int groesse = 3;
  int typ = 0;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Groesse", s.groesse);
    f("Typ", s.typ);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Markerabschnitt&) const = default;
};
using Marker = Markerabschnitt<kMarkerSektion>;
using Hilfsmarker = Markerabschnitt<kHilfsmarkerSektion>;

struct Ansicht {
  static constexpr std::string_view kSektion = "Ansicht";
  bool fest = false;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("fest", s.fest);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Ansicht&) const = default;
};

// Text defaults.
struct Texteinstellungen {
  static constexpr std::string_view kSektion = "Texteinstellungen";
  std::string defFontName = "Arial";
  double defTextHeigth = 3.5;  // mm
  // The text dialog's last angle (degrees), beside its last font and height.
  double defTextWinkel = 0;
  int zeilenbreite = 150;
  int zeilenabstand = 100;
  int absatzformat = 4;
  int editorzoom = 5;
  Farbe farbe1 = 0;
  Farbe farbe2 = 0;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("DefFontName", s.defFontName);
    f("DefTextHeigth", s.defTextHeigth);
    f("DefTextWinkel", s.defTextWinkel);
    f("Zeilenbreite", s.zeilenbreite);
    f("Zeilenabstand", s.zeilenabstand);
    f("Absatzformat", s.absatzformat);
    f("Editorzoom", s.editorzoom);
    f("Farbe1", s.farbe1);
    f("Farbe2", s.farbe2);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Texteinstellungen&) const = default;
};

// Small sections read together with the text defaults.
struct Symbolkatalog {
  static constexpr std::string_view kSektion = "Symbolkatalog";
  bool zeigen = true;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("zeigen", s.zeigen);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Symbolkatalog&) const = default;
};

struct Gruppen {
  static constexpr std::string_view kSektion = "Gruppen";
  bool mitNamen = false;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("mit Namen", s.mitNamen);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Gruppen&) const = default;
};

struct Zoom {
  static constexpr std::string_view kSektion = "Zoom";
  double mausradfaktor = 3;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Mausradfaktor", s.mausradfaktor);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Zoom&) const = default;
};

struct Schutz {
  static constexpr std::string_view kSektion = "Schutz";
  bool nichtZeichnen = false;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("nicht zeichnen", s.nichtZeichnen);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Schutz&) const = default;
};

// Drawing aids: coordinates, grid, angle grid, snapping.
struct Zeichenhilfen {
  static constexpr std::string_view kSektion = "Zeichenhilfen";
  int koordinatenIn = 0;
  bool groessenangaben = true;
  bool fadenkreuz = true;
  bool refpoint = true;
  bool nullpunktSichtbar = true;
  bool blattrand = true;
  bool heftrandLinks = false;
  bool layoutmodus = false;
  double rasterabstand = 10;   // mm
  double yRasterabstand = 10;  // mm
  double rasterwinkel = 0;     // degrees
  bool rasterMasstabsabhaengig = true;  // spacing in drawing units, following the scale
  bool winkelRaster = false;
  double schrittweite = 15;  // degrees
  bool immerBenutzen = false;
  bool orthogonal = false;
  bool laengenRaster = false;
  bool fangaktiv = true;
  int fangradius = 5;  // pixels, 1..20
  bool fangenAfap = false;
  bool fangenSfap = false;
  bool fangenSfsp = true;
  std::array<bool, 6> a{};  // "a1".."a6"
  bool editierteVermassung = true;
  bool gruppen = false;
  bool projektdaten = true;
  Farbe primaerfarbe = rgb(0, 0, 0);
  Farbe sekundaerfarbe = rgb(255, 255, 255);
  // The pressed snap-mode buttons: end, mid, quadrant, line/line, line/circle,
  // circle/circle, edges, line/polygon edge, polygon edge/polygon edge.
  std::array<int, 9> fangenButtons{1, 1, 0, 1, 0, 0, 0, 0, 0};

  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Koordinaten in", s.koordinatenIn);
    f("Größenangaben", s.groessenangaben);
    f("Fadenkreuz", s.fadenkreuz);
    f("Refpoint", s.refpoint);
    f("Nullpunkt sichtbar", s.nullpunktSichtbar);
    f("Blattrand", s.blattrand);
    f("Heftrandlinks", s.heftrandLinks);
    f("Layoutmodus", s.layoutmodus);
    f("Rasterabstand", s.rasterabstand);
    f("YRasterabstand", s.yRasterabstand);
    f("Rasterwinkel", s.rasterwinkel);
    f("RasterMasstabsabhaengig", s.rasterMasstabsabhaengig);
    f("WinkelRaster", s.winkelRaster);
    f("Schrittweite", s.schrittweite);
    f("ImmerBenutzen", s.immerBenutzen);
    f("Orthogonal", s.orthogonal);
    f("LaengenRaster", s.laengenRaster);
    f("Fangaktiv", s.fangaktiv);
    f("Fangradius", s.fangradius);
    f("Fangen_afap", s.fangenAfap);
    f("Fangen_sfap", s.fangenSfap);
    f("Fangen_sfsp", s.fangenSfsp);
    for (int i = 0; i < 6; ++i) f("a" + std::to_string(i + 1), s.a[i]);
    f("EditierteVermassung", s.editierteVermassung);
    f("Gruppen", s.gruppen);
    f("Projektdaten", s.projektdaten);
    f("Primärfarbe", s.primaerfarbe);
    f("Sekundärfarbe", s.sekundaerfarbe);
    f("FangenButtons", s.fangenButtons);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Zeichenhilfen&) const = default;
};

struct Updates {
  static constexpr std::string_view kSektion = "Updates";
  bool automatisch = false;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("automatisch", s.automatisch);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Updates&) const = default;
};

// Screen display. The four colours are choices of the dialog: 0 "Rot",
// 1 "Grün", 2 "Blau", 3 "Schwarz" ("Nicht einfärben" for the marking).
// The outline and centre-mark choices of the same dialog and the refresh mode
// of the menu "Sichtbare Elemente" are kept here too, under their captions.
struct Darstellung {
  static constexpr std::string_view kSektion = "Darstellung";
  int fadenkreuz = 3;
  int referenzpunkt = 0;
  int objekte = 3;
  int markierung = 0;
  bool optimiert = true;
  bool objektraender = true;      // "Objektränder anzeigen" when fills are hidden
  int mittelpunktmarkierung = 2;  // 0 "Ohne", 1 "Punkt", 2 "Plus", 3 "Kreuz"
  bool schnellerRefresh = true;   // false: "Langsamer Refresh"
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Fadenkreuz", s.fadenkreuz);
    f("Referenzpunkt", s.referenzpunkt);
    f("Objekte", s.objekte);
    f("Markierung", s.markierung);
    f("optimiert", s.optimiert);
    f("Objektränder anzeigen", s.objektraender);
    f("Mittelpunktmarkierung", s.mittelpunktmarkierung);
    f("Schneller Refresh", s.schnellerRefresh);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Darstellung&) const = default;
};

// What a colour choice of "Darstellung" colours. Marks drawn thin on white
// (cross-hair, reference point) get a darker green: the pure green of drawn
// and marked elements would hardly show there.
enum class Farbgebrauch { Element, Marke };

// The colour of choice 0 "Rot", 1 "Grün", 2 "Blau", 3 "Schwarz"; any other
// number (a damaged file) gives black.
Farbe darstellungsfarbe(int wahl, Farbgebrauch gebrauch = Farbgebrauch::Element);

struct Werkzeugeinstellungen {
  static constexpr std::string_view kSektion = "Werkzeugeinstellungen";
  double abrundungsradius = 5;  // mm
  double fasenlaenge = 5;       // mm
  bool blinkmodus = false;
  Farbe farbe = rgb(255, 0, 0);
  bool nuraktive = false;
  bool uebernehmen = false;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Abrundungsradius:", s.abrundungsradius);
    f("Fasenlänge:", s.fasenlaenge);
    f("Blinkmodus", s.blinkmodus);
    f("Farbe", s.farbe);
    f("Nuraktive", s.nuraktive);
    f("Übernehmen", s.uebernehmen);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Werkzeugeinstellungen&) const = default;
};

}  // namespace quarzel::einstellung
