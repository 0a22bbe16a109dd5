// The module of the trimming group: picks lines with the hit test and hands
// them to the store operations (trimmoperationen.h).
//
//   101  two picks: the first line is cut or extended to its crossing with
//        the second; button 1 ("Linien trimmen (beide)") trims the second
//        too; button 2 ("Mehrere Linien trimmen") keeps the first pick as
//        the cutting line and trims every further pick to it, until the
//        right button or Escape.
//   102  two picks: fillet of `radius` (negative: `negativAbrunden`); the
//        button is the trim mode (none, first, both lines).
//   103  two picks: chamfer of `fasenmass`, a length or, with
//        `fasenAlsAbstand`, the distance from the corner; button = trim mode.
//        101, 102 and 103 take polygon edges as polygonkanten.h allows.
//   104  two picks: a line, then an arc, circle or ellipse; the line is cut or
//        extended to the crossing nearest its click (kreistrimmen.h).
//   105  two picks: two arcs or circles; the first becomes the arc between
//        their crossings on its clicked side; button 1 ("(beide)") the
//        second too.
//   106  one pick: the arc or circle keeps the piece around the click
//        between its nearest crossings with lines.
//   123  one pick: the input window asks for the number of pieces (proposed:
//        `teilstuecke`, the panel's value, which takes the answer).
//   124  one pick: "Kreis aufteilen", the same for an arc or circle.
//   125  one pick: the arc becomes its full circle.
//   126  one pick: the piece of a line between its crossings nearest the
//        click is deleted or changed (`teilstueckmodus`, the panel's
//        "Löschen" / "Ändern"; teilstueckbearbeitung.h). 127: the same for
//        arcs and circles.
//   137  two picks: a line, then a Bézier, spline or polygon; as 104.
//   144  two picks: a closed polygon, then a closed polygon, circle or
//        ellipse inside it, which becomes its hole (lochschnitt.h).
// What cannot be done is told through `benutzer` (error box); without one
// (headless) it is only kept in `letzterFehler`.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "edit/teilstueckbearbeitung.h"
#include "edit/gummiband.h"
#include "edit/werkzeugmodul.h"
#include "edit/zeichenfigur.h"

namespace quarzel {

class Benutzer;
class Fangsuche;

// The buttons of 101 by Werkzeugzustand::knopf.
inline constexpr std::uint8_t kTrimmenBeide = 1;
inline constexpr std::uint8_t kTrimmenMehrere = 2;

// The second button of 105.
inline constexpr std::uint8_t kKreiseBeide = 1;

class Trimmwerkzeuge : public Werkzeugmodul {
 public:
  // Radius and chamfer measure in drawing units, as the user types them.
  double radius = 1;
  bool negativAbrunden = false;
  double fasenmass = 1;
  bool fasenAlsAbstand = false;
  int teilstuecke = 2;
  Teilstueckmodus teilstueckmodus = Teilstueckmodus::Loeschen;
  // The drawing colour: a changed piece takes it with the current pen and style.
  Farbe farbe = 0;
  Farbe gummibandfarbe = 0;
  Benutzer* benutzer = nullptr;
  // Picks go through the snap search's spatial index when set; without it
  // the hit test walks the whole store.
  Fangsuche* fangsuche = nullptr;
  std::string letzterFehler;

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  // After the first pick: the picked element stands out, and over a second
  // line trim, fillet and chamfer show their result before the click.
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override;
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override;
  void abbrechen(Werkzeugumgebung& u) override;

 private:
  void teile(Werkzeugumgebung& u, std::int32_t n);
  // The tools that finish with one pick; false for the others.
  bool einzeln(Werkzeugumgebung& u, std::int32_t n, Weltpunkt p);
  // The first pick of a two-pick tool is of the right kind ("" when it is).
  std::string pruefeErste(const Werkzeugumgebung& u, std::int32_t n, Weltpunkt p) const;
  // Shows an operation's answer; true when it was done.
  bool ergebnis(Werkzeugumgebung& u, const std::string& fehler);
  void zeigeAuswahl(Werkzeugumgebung& u);
  // What trim, fillet or chamfer would make of the first pick and line n
  // picked at p; empty where they make nothing.
  Zeichenfigur vorschau(const Werkzeugumgebung& u, std::int32_t n, Weltpunkt p) const;

  std::int32_t erste_ = 0;
  Weltpunkt ersterKlick_;
  // "Mehrere Linien trimmen": the cutting line, kept by its ends because
  // every trim renumbers the store.
  std::optional<std::pair<Weltpunkt, Weltpunkt>> schnittlinie_;
  Zeichenfigur auswahlFigur_;
  Gummiband auswahl_;
  Gummiband band_;
};

}  // namespace quarzel
