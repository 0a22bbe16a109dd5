// The contract between the tool state machine and the tool-group modules.
//
// Werkzeugzustand is the interaction state every tool shares (tool code,
// point steps, reference point, collected points, modifier flags). A module
// serves one group of tool codes (lines, areas, select and edit, ...) through
// the six operations of Werkzeugmodul; the state machine picks the module by
// the tool code and calls it. Points reach the modules already snapped and in
// world millimetres; modules that draw rubber bands convert them to pixels
// with the drawing's Ansicht and paint on the feedback canvas in XOR mode, so
// a figure drawn twice disappears.
//
// Additions after the first version (all with defaults, nothing to change in
// existing modules): Werkzeugmodul::loslassen, the release of the left button;
// the meaning of getippterPunkt for the angles of arcs; Werkzeugzustand::
// referenzpunkt and Werkzeugumgebung::ursprungGeaendert; Werkzeugmodul::
// zeichen, a printable key.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "edit/werkzeugcode.h"
#include "view/ansicht.h"
#include "platform/canvas.h"

namespace quarzel {

struct Zeichnung;

// Mouse-down modifiers with the left button.
struct Umschaltung {
  bool shift = false;
  bool strg = false;
  bool alt = false;  // also Alt+Ctrl (AltGr)
};

struct Werkzeugzustand {
  Werkzeugcode werkzeug = Werkzeugcode::Keines;
  Werkzeugcode letztesZeichenwerkzeug = Werkzeugcode::Keines;
  Werkzeugcode letztesKonstruktionswerkzeug = Werkzeugcode::Keines;
  // Which of the buttons that share the code started the tool (0: the first);
  // e.g. "Linien trimmen (erste)" / "(beide)" both start 101.
  std::uint8_t knopf = 0;

  // The point step the tool expects, 1 to 4 (arcs use the fourth); 0 while
  // no tool is active.
  int schritt = 0;

  // The last fixed point of the rubber band, in world millimetres, so that
  // zooming and scrolling leave it where it is; shown where it is drawn.
  std::optional<Weltpunkt> bezug;

  // Where relative numeric entry starts while the tool has collected no
  // point: the last typed point, or the point of "Referenzpunkt setzen".
  // Unlike `bezug` it outlives tool changes.
  std::optional<Weltpunkt> referenzpunkt;

  // Collected points (world millimetres); the count is the point counter.
  std::vector<Weltpunkt> punkte;

  Umschaltung umschaltung;

  // Back to the first point of the same tool: nothing collected, no band.
  void vonVorn() {
    punkte.clear();
    bezug.reset();
    schritt = 1;
  }
};

// What a module may use of the window: the drawing, the shared state, the
// canvas for rubber bands, and the window's redraw services.
struct Werkzeugumgebung {
  Zeichnung& zeichnung;
  Werkzeugzustand& zustand;
  // The drawing area's canvas for XOR feedback; nullptr when headless.
  Canvas* rueckmeldung = nullptr;
  // Draw the new elements von..bis (store numbers) on screen.
  std::function<void(std::int32_t von, std::int32_t bis)> elementeZeichnen;
  // A full redraw of the drawing area.
  std::function<void()> neuZeichnen;
  // Switch to the select tool (as Escape with nothing collected does).
  std::function<void()> markierenAktivieren;
  // Zero point, grid origin or an angle of the view changed: redraw and keep
  // the window's settings in step.
  std::function<void()> ursprungGeaendert;
};

class Werkzeugmodul {
 public:
  virtual ~Werkzeugmodul() = default;

  // A left click, already snapped.
  virtual void punkt(Werkzeugumgebung& u, Weltpunkt p) = 0;
  // A right click after points were collected.
  virtual void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) = 0;
  // The mouse moved: redraw the rubber band (already snapped).
  virtual void bewegung(Werkzeugumgebung& u, Weltpunkt p) = 0;
  // Remove the rubber band drawn so far (Werkzeugsteuerung::rueckmeldungLoeschen).
  virtual void rueckmeldungLoeschen(Werkzeugumgebung& u) = 0;
  // Cancel the current collection and drop partial state.
  virtual void abbrechen(Werkzeugumgebung& u) = 0;
  // A point typed into the numeric entry panel. Arcs at their third step
  // (tool codes 5, 6, 11, 12, 19, 21) receive the typed start and end angle
  // instead, in degrees: x = start, y = end (end >= start, see
  // koordinateneingabe.h).
  virtual void getippterPunkt(Werkzeugumgebung& u, Weltpunkt p) { punkt(u, p); }
  // A double click of the left button (finishes polylines and the like).
  virtual void doppelklick(Werkzeugumgebung& u, Weltpunkt p) { (void)u, (void)p; }
  // The left button was released at p (already snapped). `klick`: less than
  // 2 pixels from the press in x and in y; otherwise the user dragged a frame.
  virtual void loslassen(Werkzeugumgebung& u, Weltpunkt p, bool klick) { (void)u, (void)p, (void)klick; }
  // A printable key typed on the drawing area; true when the module used it.
  virtual bool zeichen(Werkzeugumgebung& u, char32_t zeichen) { return (void)u, (void)zeichen, false; }
};

}  // namespace quarzel
