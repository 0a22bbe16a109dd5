// What the snap search is told: the snap settings of the "Fangen" dialog and
// the nine snap-mode buttons, the grid and angle-grid switches, and per call
// the state of the active tool. Also what it answers.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "edit/werkzeugcode.h"
#include "settings/einstellungen_anzeige.h"
#include "platform/canvas.h"

namespace quarzel {

// The nine snap modes, one bit each, in the order of the buttons and of the
// configuration key "FangenButtons".
enum Fangmodus : std::uint16_t {
  FangEndpunkte = 1 << 0,              // "Fangen auf Endpunkten"
  FangMittelpunkte = 1 << 1,           // "Fangen auf Mittelpunkten"
  FangQuadrantenpunkte = 1 << 2,       // "Fangen auf Quadrantenpunkten"
  FangSchnittLinieLinie = 1 << 3,      // "Fangen auf Schnittpunkten zwischen Linien"
  FangSchnittLinieKreis = 1 << 4,      // "... zwischen Linien und Kreisen"
  FangSchnittKreisKreis = 1 << 5,      // "... zwischen Kreisen"
  FangKanten = 1 << 6,                 // "Fangen auf Kanten"
  FangSchnittLiniePolygon = 1 << 7,    // "... zwischen Linien und Polygonkante"
  FangSchnittPolygonPolygon = 1 << 8,  // "... zwischen Polygonkanten"
};
inline constexpr int Fangmodusanzahl = 9;
inline constexpr std::uint16_t FangSchnittpunkte = FangSchnittLinieLinie | FangSchnittLinieKreis |
                                                   FangSchnittKreisKreis | FangSchnittLiniePolygon |
                                                   FangSchnittPolygonPolygon;

// Process-wide; the main window owns one and the dialogs change it.
struct Fangeinstellungen {
  static constexpr int kleinsterRadius = 1;
  static constexpr int groessterRadius = 20;

  bool fangaktiv = true;  // "eingeschaltet" / "ausgeschaltet"
  int fangradius = 5;     // "Fangradius:" in pixels
  // Scope ("Fangen auf"); an element qualifies when any checked box covers it.
  bool aktiveFolie = true;                  // "der aktiven Unterebene" ("Fangen_sfsp")
  bool sichtbareFolienAktiveEbene = false;  // "sichtbaren Unterebenen der aktiven Ebene" ("Fangen_sfap")
  bool alleSichtbarenEbenen = false;        // "allen sichtbaren Ebenen" ("Fangen_afap")
  std::uint16_t modi = FangEndpunkte | FangMittelpunkte | FangSchnittLinieLinie;

  bool raster = false;              // tool button "Raster"
  bool winkelraster = false;        // "benutzen"
  double winkelschritt = 15;        // "Schrittweite:" in degrees
  bool winkelAuchGefangen = false;  // "&auch bei gefangenen Punkten benutzen"
  // "&Längenraster verwenden ": the distance from the previous point is
  // rounded to whole grid steps (x spacing), the direction kept, so lines get
  // lengths of whole grid units in any direction; with the angle grid this is
  // a polar grid about the previous point. Snapped element points stay where
  // they are unless "&auch bei gefangenen Punkten benutzen" is checked.
  bool laengenraster = false;
  bool randlineale = false;         // tool button "Randlineale": rulers shown
  bool linealModell = true;         // the rulers count model units, as the coordinates do

  bool modus(Fangmodus m) const { return (modi & m) != 0; }
  bool irgendeinBereich() const { return aktiveFolie || sichtbareFolienAktiveEbene || alleSichtbarenEbenen; }
  // The nine buttons are enabled only while this holds.
  bool knoepfeAktiv() const { return fangaktiv && irgendeinBereich(); }
  // The capture radius brought into 1 .. 20.
  int radius() const;
};

std::uint16_t fangmodiAusKnoepfen(const std::array<int, Fangmodusanzahl>& knoepfe);
std::array<int, Fangmodusanzahl> knoepfeAusFangmodi(std::uint16_t modi);

// The snap part of the section "Zeichenhilfen" and back. The grid switch and
// the rulers are not kept there and stay as they are.
void uebernimmZeichenhilfen(const einstellung::Zeichenhilfen& z, Fangeinstellungen& f);
void schreibeZeichenhilfen(const Fangeinstellungen& f, einstellung::Zeichenhilfen& z);

// What the tool state machine knows when it asks for a point.
struct Fangkontext {
  Werkzeugcode werkzeug = Werkzeugcode::Keines;
  int punktschritt = 1;        // the point step expected, 1 .. 4
  // The point collected last (pixels); none while the first is expected.
  std::optional<Pixelpunkt> vorigerPunkt;
  // Arc tools at their third and fourth point: the centre (pixels).
  std::optional<Pixelpunkt> bogenmitte;
};

enum class Fangart : std::uint8_t {
  Keine,
  Lineal,  // rounded to the ruler subdivision
  Kante,
  Endpunkt,
  Mittelpunkt,
  Quadrantenpunkt,
  Schnittpunkt,
  Rasterpunkt,
};

struct Fangergebnis {
  double x = 0, y = 0;    // pixels
  bool gefangen = false;  // an element point or a grid node was found
  Fangart art = Fangart::Keine;
  std::int32_t element = 0;   // the element the point belongs to
  std::int32_t element2 = 0;  // intersections: the second element
  bool winkelGerundet = false;
  bool laengeGerundet = false;
  bool abgebrochen = false;  // given up: the cursor had moved on
  bool abgewiesen = false;   // refused: a search was already running
};

}  // namespace quarzel
