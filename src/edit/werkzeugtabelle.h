// The tool table: one row per tool code with everything the program needs to
// know about the tool — which module serves it, how many points finish it,
// its figure, what the numeric entry shows, which property fields it uses,
// its icon, its German button hint, its bar and who handles Escape. The tool
// bars, the property bar, the variants, the dispatch and the numeric entry
// read the row instead of keeping lists of codes of their own.
//
// Adding a drawing tool: its row in werkzeugtabelle.cpp (every code already
// has its enumerator in werkzeugcode.h), its figure builder (figurbauer.h)
// and, for a button of its own, its icon as a small SVG picture in
// ui/tools/symbole/ named by the row.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "edit/figurwerkzeug.h"
#include "edit/werkzeugcode.h"

namespace quarzel {

// The bars of the window that hold tool buttons.
enum class Leiste : std::uint8_t {
  Keine,
  Linien,
  Flaechen,
  Ansicht,
  Bearbeiten,  // the edit bar and the menu "&Bearbeiten"
  Konstruktion,
  Werkzeuge,
  Messen,
  Ursprung,
  Hilfslinien,
  Verlaeufe,
  Bitmaps,
  Text,
  Farbwahl,
};
inline constexpr int kLeisten = 14;

// What the numeric entry panel shows for the tool (koordinateneingabe.cpp
// turns each into its captions; they are also the status bar's prompts).
enum class Maskenart : std::uint8_t {
  FunktionAusfuehren,  // mouse only
  StartEnde,
  Ecken,
  MitteRadius,
  KreisWaehlenRadius,
  KreisWaehlenPunkt,
  LinieWaehlenPunkt,
  LinieWaehlenLaenge,
  Bogen,
  MitteRadien,
  Ellipsenbogen,
  DreiPunkte,
  ZweiPunkte,
  MitteZweiterPunkt,
  ZweiLinien,
  ZweiKreise,
  LinieKreis,
  KreisWaehlen,
  KreisWaehlenSeite,  // a circle, then the side of a copy at a fixed distance
  Bezier,
  Spline,
  Selektieren,
  Verschieben,
  PunktVerschieben,
  Nullpunkt,
  Referenzpunkt,
  Spiegelachse,  // two points of the mirror axis
  Drehpunkt,     // the centre of radial and rotational copies
  Einfuegepunkt,  // where a symbol is placed
};

// The fields of the property bar a tool shows besides pen, style and colour.
enum Eigenschaftsfeld : std::uint32_t {
  kKeineFelder = 0,
  kEckradius = 1,    // rounded corners of rectangles
  kEcken = 2,        // corners of n-gons and stars
  kKreisradius = 4,  // circles of a fixed radius
  kFuellung = 8,     // the fill of new areas
  kFarbe2 = 16,      // the second colour of gradients
  kAbrundung = 32,   // fillet: "Radius:" and "Negativ abrunden"
  kFase = 64,        // chamfer: "Fasenlänge: " or "Abstand: "
  kTeilstuecke = 128,  // dividing a line: "Teilstücke:"
  // Construction: "Abstand zur Referenzlinie:", "Winkel zur Referenzlinie:",
  // "Teilungsverhältnis:", "Anzahl:", "Eigenschaften übernehmen",
  // "Ankerlinien anzeigen".
  kAbstand = 256,
  kWinkel = 512,
  kTeilung = 1024,
  kAnzahl = 2048,
  kUebernehmen = 4096,
  kAnker = 8192,
  kTangentialradius = 16384,  // the arc touching two circles: "Radius:"
  kTeilstueckmodus = 32768,  // editing a piece: "Löschen" / "Ändern"
  // Measuring: "Umfang angeben"; "Mit Putzabzug " with "Putzstärke in cm";
  // the read-outs "Fläche:" and "Umfang:"; "Gesamtmaß:" with its unit.
  kUmfangAngeben = 1u << 16,
  kPutzabzug = 1u << 17,
  kFlaechenanzeige = 1u << 18,
  kGesamtmass = 1u << 19,
  // Placing a symbol: "Drehwinkel:" and "Gespiegelt".
  kSymbollage = 1u << 20,
};

// How Escape ends the tool's collection (when no panel takes the key first).
enum class Escape : std::uint8_t {
  Steuerung,             // the state machine drops the points; again: select tool
  Modul,                 // the row's Escape module aborts once points are collected
  ModulSchonOhnePunkte,  // the module aborts even at the first step
};

// Behaviour of the state machine and the snap search that depends on the tool.
enum Merkmal : std::uint16_t {
  kKeineMerkmale = 0,
  kPanelgesteuert = 1,      // driven by its panel: left clicks on the area are ignored
  kStartBehaeltRahmen = 2,  // the tool start keeps the marking frame (and cursor)
  kOhneAutosicherung = 4,   // the tool start skips the automatic-save check
  kRechtsBrichtAb = 8,      // the right button at the first step aborts the tool
  // Snapping (fangsuche.cpp):
  kOhneFang = 16,             // points are taken as clicked
  kOhneLineal = 32,           // the edge rulers do not catch
  kOhneWinkelraster = 64,     // no angle or length grid from the previous point
  kWinkelrasterSchritt2 = 128,  // angle and length grid only for the second point
  kWinkelUmBogenmitte = 256,  // the angle steps of points 3 and 4 turn about the arc's centre
};

struct Werkzeugzeile {
  Werkzeugcode code = Werkzeugcode::Keines;
  // The module that receives the tool's events; Keine: none.
  Werkzeuggruppe gruppe = Werkzeuggruppe::Keine;
  // The module does something with it today; otherwise it is not available yet.
  bool verfuegbar = false;

  // Figure tools: points that finish the figure (0 = any number); the count
  // with which the right button or a double click finish it (0 = they cancel).
  int punktzahl = 0;
  int mindestens = 0;
  bool winkelgruppe = false;  // arcs: a fourth step, the typed third group holds both angles
  bool freihand = false;      // the state machine collects the stroke itself
  Figurbauer figur = nullptr;

  Maskenart maske = Maskenart::FunktionAusfuehren;
  std::uint32_t felder = kKeineFelder;     // Eigenschaftsfeld bits
  std::uint16_t merkmale = kKeineMerkmale;  // Merkmal bits

  Escape escape = Escape::Steuerung;
  // The module Escape aborts (Escape::Modul...); usually the tool's own.
  Werkzeuggruppe escapeModul = Werkzeuggruppe::Keine;

  // The button: its bar and the button it belongs to (itself, or the button
  // whose variant it is); Keines: no button.
  Leiste leiste = Leiste::Keine;
  Werkzeugcode knopf = Werkzeugcode::Keines;
  // Codes with several buttons ("Linien trimmen (erste)" / "(beide)"): each
  // further button is a row of its own with the same code and the number the
  // tool finds in Werkzeugzustand::knopf; 0 is the code's own row.
  std::uint8_t knopfNr = 0;
  // The icon: the name of its picture among the bars' icons (ui/tools/symbole/<name>.svg).
  std::string_view symbol;
  // The German hint, exactly as the users know it (trailing blanks kept).
  std::string_view hinweis;
  // The menu text of tools that are also in a menu ("&Verschieben").
  std::string_view menuetext;
  // The caption of the variant in the property bar; empty: no variants.
  std::string_view variante;

  bool hat(Merkmal m) const { return (merkmale & m) != 0; }
  bool hatFeld(Eigenschaftsfeld f) const { return (felder & f) != 0; }
  bool istKnopf() const { return knopf == code && code != Werkzeugcode::Keines; }
};

// All rows, one per code, the buttons of each bar in their order.
std::span<const Werkzeugzeile> werkzeugtabelle();

// The row of a code (its first button's); nullptr for Keines.
const Werkzeugzeile* werkzeugzeile(Werkzeugcode code);
// The code of a number from a file, a macro or a button; nullopt when no tool has it.
std::optional<Werkzeugcode> werkzeugcodeAus(std::uint32_t nummer);

// The help topic of a tool: that of its button ("werkzeug_<code>").
std::string hilfethema(Werkzeugcode code);

}  // namespace quarzel
