// Textwerkzeuge: the text module — texts (kind 17) and comments (kind 18)
// placed with the mouse. The text itself comes from the window's text
// dialog through `abfragen`; the module builds the record, adds it as one
// undo step and leaves it as the only marked element.
//
// Tool codes and their points:
//  500 flow text: the text stands on the clicked point (its first
//      baseline); dragging a frame instead hangs the text from the frame's
//      upper left corner
//  502 flow text aligned top: the text hangs from the clicked point
//  503 flow text aligned left: as 500, always left-aligned
//  504 note: the point noted, then where the text goes; a leader line with
//      an arrow runs from the text to the point
//  505 text on a background: as 500, filled with the second colour and framed
//  506 repeat: every click places the last text again (the first time,
//      without a last text, it asks as 500 does)
//  507 note with coordinates: as 504, the text is the noted point in the
//      user's coordinate system and unit, without asking
//  508 comment: as 500, kind 18, the first line starts with the author's
//      initials
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "edit/gummiband.h"
#include "edit/werkzeugmodul.h"
#include "platform/farbe.h"
#include "store/datensaetze.h"

namespace quarzel {

// Values of the style bytes of a text record beyond bold, italic, underline.
enum Textstil : std::size_t {
  kStilAusrichtung = 3,  // 0 left, 1 centred, 2 right
  kStilGrundlinie = 4,   // 1: the insertion point is on the first baseline, not the upper edge
  kStilHinterlegt = 5,   // 1: filled with the second colour and framed
};

// What the text dialog shows and returns.
struct Textangaben {
  std::vector<std::string> zeilen;
  std::string schrift = "Arial";
  double hoehe = 3.5;  // sheet millimetres
  double winkel = 0;   // degrees, counter-clockwise
  std::uint8_t ausrichtung = 0;
  Farbe hintergrund = rgb(255, 255, 200);
  bool hinterlegt = false;  // the dialog offers the background colour

  bool operator==(const Textangaben&) const = default;
};

// The dialog's values of an existing text record, and back into one.
Textangaben textangabenAus(const Tfliestextdaten& d);
void uebernimm(const Textangaben& a, Tfliestextdaten& d);

// The double click's edit: text n gets the values `a` in one undo step
// (the changed text stays marked). False when n is no alive text.
bool aendereText(Zeichnung& z, std::int32_t n, const Textangaben& a);

// The noted point of tool 507 as the status bar shows coordinates.
std::string koordinatentext(const Zeichnung& z, Weltpunkt p);

class Textwerkzeuge : public Werkzeugmodul {
 public:
  // Asks the user for the text; nullopt: cancelled. The window's dialog.
  std::function<std::optional<Textangaben>(Werkzeugcode werkzeug, const Textangaben& vorschlag)> abfragen;
  // The dialog's last values (font, height, angle survive in the settings).
  Textangaben letzte;
  Farbe farbe = 0;                // the drawing colour
  Farbe gummibandfarbe = 0;       // the window's rubber-band setting
  std::uint8_t hinweispfeil = 1;  // the leader's arrow (line-end code)
  std::string kuerzel;            // the author's initials for comments

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override;
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override;
  void abbrechen(Werkzeugumgebung& u) override;
  void loslassen(Werkzeugumgebung& u, Weltpunkt p, bool klick) override;

 private:
  // Asks (unless the tool needs no question) and adds the text at `ort`;
  // `ziel`: the leader's noted point.
  void lege(Werkzeugumgebung& u, Weltpunkt ort, bool grundlinie, std::optional<Weltpunkt> ziel);
  void zuruecksetzen(Werkzeugumgebung& u);

  std::optional<Tfliestextdaten> letzterText_;
  Gummiband band_;
};

}  // namespace quarzel
