// Werkzeugsteuerung: the tool state machine of the drawing area. It owns the
// shared Werkzeugzustand, picks the tool-group module by tool code and turns
// plain mouse and key events into the modules' operations. No Qt here: the
// window translates its events into Mausereignis/Tastenereignis, so every
// tool can be driven headless by tests.
//
// How the window calls it
// -----------------------
//   Werkzeugsteuerung st(zeichnung, uhr);          // one per window
//   st.setzeModul(Werkzeuggruppe::Linien, &linienmodul);   // modules are not owned
//   st.setzeModul(Werkzeuggruppe::Bearbeiten, &markierwerkzeug);
//   st.fangen = [&](int x, int y) { ...Fangsuche::fange...; return world point; };
//   st.umgebung().rueckmeldung = &canvasDerZeichenflaeche;  // XOR rubber bands
//   st.umgebung().neuZeichnen = ...; st.umgebung().elementeZeichnen = ...;
//   optional callbacks below (structure check, autosave check, panels, cursor,
//   plan part, pan, zoom/fit, pause, Escape in panels).
//
//   tool button:          st.waehleWerkzeug(code)      (erase the band, code, startparameter)
//   "Markieren":          st.pfeilaktiv()
//   QMouseEvent press:    st.mausGedrueckt({x, y, Maustaste::Links, {shift, ctrl, alt}})
//   QMouseEvent move:     st.mausBewegt({x, y})
//   QMouseEvent release:  st.mausLosgelassen({x, y, taste})
//   double click (Qt):    st.mausDoppelklick({x, y, Maustaste::Links})
//                         (the select tool times its own double clicks and ignores this)
//   QKeyEvent:            st.taste({Taste::Escape}) ...; returns true when used
//                         (a letter: st.taste({Taste::Sonstige, U'r'}) for the module)
//   numeric panel:        Koordinateneingabe (koordinateneingabe.h) -> st.getippterPunkt(p)
//   its cancel button:    st.funktionsabbruch()
//   leaving the panel:    st.panelVerlassen()
// Pixel positions are drawing-area pixels; points handed to modules are
// world millimetres after snapping.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "edit/werkzeugcode.h"
#include "edit/werkzeugmodul.h"
#include "platform/uhr.h"

namespace quarzel {

struct Zeichnung;

enum class Maustaste : std::uint8_t { Keine, Links, Rechts, Mitte };

struct Mausereignis {
  double x = 0;  // pixels of the drawing area
  double y = 0;
  Maustaste taste = Maustaste::Keine;
  Umschaltung umschaltung;
};

enum class Taste : std::uint8_t {
  Sonstige,
  Escape,
  Enter,
  Links,
  Rechts,
  Hoch,
  Runter,
  Num0,
  Num1,
  Num2,
  Num3,
  Num4,
  Num6,
  Num7,
  Num8,
  Num9,
  NumPlus,
  NumMinus,
};

struct Tastenereignis {
  Taste taste = Taste::Sonstige;
  // A printable key among the others (Sonstige), as typed: the active
  // module may use it (placing a symbol turns it with "R").
  char32_t zeichen = 0;
};

// The group that serves a tool code (its row in the tool table); Keine for
// codes no module serves (origins, colour pick, numbers that are no tool).
Werkzeuggruppe werkzeuggruppe(Werkzeugcode werkzeug);

// Tools that are driven by their panel and ignore left clicks on the area:
// free move, rotate, scale and mirror.
bool panelgesteuert(Werkzeugcode werkzeug);

class Werkzeugsteuerung {
 public:
  static constexpr std::uint32_t kStrukturpruefungAbstand = 15000;  // ms
  static constexpr std::uint32_t kDoppelklickLoslassen = 150;       // ms
  static constexpr std::uint32_t kDoppelklickWiederDruecken = 250;  // ms
  static constexpr std::uint32_t kRollpause = 100;                  // ms
  static constexpr double kKlickGrenze = 2.0;                       // pixels

  Werkzeugsteuerung(Zeichnung& zeichnung, const Uhr& uhr);
  Werkzeugsteuerung(const Werkzeugsteuerung&) = delete;
  Werkzeugsteuerung& operator=(const Werkzeugsteuerung&) = delete;

  void setzeModul(Werkzeuggruppe gruppe, Werkzeugmodul* modul);
  // Drops every hook a window set and its rubber-band canvas; the state and
  // the modules stay.
  void trenneFenster();
  // The module of the active tool; nullptr when none serves it.
  Werkzeugmodul* aktivesModul() const;

  Werkzeugzustand& zustand() { return zustand_; }
  const Werkzeugzustand& zustand() const { return zustand_; }
  Werkzeugumgebung& umgebung() { return umgebung_; }
  Zeichnung& zeichnung() { return zeichnung_; }
  const Zeichnung& zeichnung() const { return zeichnung_; }

  // --- What the window provides (all optional) -----------------------------

  // Snapping: drawing-area pixels to the snapped world point. Without it the
  // position is only converted with the view.
  std::function<Weltpunkt(int x, int y)> fangen;
  // The store's structure check; run from tool start at most every 15 s.
  std::function<void()> strukturPruefen;
  // The automatic-save check; skipped for the tools whose row says so.
  std::function<void()> autosicherungPruefen;
  // Show the property panels that belong to the tool.
  std::function<void(Werkzeugcode werkzeug)> panelsZeigen;
  std::function<void(Werkzeugcode werkzeug)> cursorSetzen;
  // Middle button: pan start at pixel (x, y); the window runs the pan timer.
  std::function<void(double x, double y)> verschiebenStarten;
  // Numpad 0 "Alles Zeigen"; Numpad + also keeps the cursor in the area.
  std::function<void()> allesZeigen;
  std::function<void()> cursorEinfangen;
  // The scroll step's pause (100 ms); the window processes its events meanwhile.
  std::function<void(std::uint32_t ms)> pause;
  // Escape rule 1: a numeric field of a tool panel has the focus; restores
  // it and returns true.
  std::function<bool()> feldEscape;
  // Escape rule 2 and right button of 600/608..610: presses the cancel button
  // of the open move/rotate/scale/mirror panel; false when none is open.
  std::function<bool()> bearbeitungspanelAbbrechen;
  // The hit test for the right button: the element under the pixel, or 0.
  std::function<std::int32_t(double x, double y)> elementUnterCursor;
  // Draw the marking frame of the marked elements.
  std::function<void()> markierrahmenZeichnen;

  // --- Tools ---------------------------------------------------------------

  // A tool button: erase the rubber band, set the code, start the tool.
  // `knopf` tells which of the buttons that share the code was used.
  void waehleWerkzeug(Werkzeugcode werkzeug, std::uint8_t knopf = 0);
  void startparameter();
  // The select tool ("Markieren").
  void pfeilaktiv();
  // No tool at all.
  void funktionaus();
  // Erase the rubber band of the active module.
  void rueckmeldungLoeschen();
  // Abort the collection of the active tool (cancel button, Escape rule 4).
  void funktionsabbruch();

  // --- Input ---------------------------------------------------------------

  void mausGedrueckt(const Mausereignis& e);
  void mausBewegt(const Mausereignis& e);
  void mausLosgelassen(const Mausereignis& e);
  void mausDoppelklick(const Mausereignis& e);
  // True when the key was used.
  bool taste(const Tastenereignis& e);
  // A point from the numeric entry panel (world millimetres, not snapped).
  void getippterPunkt(Weltpunkt p);
  // The numeric panel lost the focus: the reference point is reset.
  void panelVerlassen();

  // --- State the window reads ----------------------------------------------

  bool verschiebenAktiv() const { return verschieben_; }
  void verschiebenBeenden() { verschieben_ = false; }
  Pixelpunkt verschiebenStart() const { return verschiebenStart_; }
  // A keyboard scroll step is running: further scroll keys are dropped.
  bool beschaeftigt() const { return beschaeftigt_; }
  // Pixels (x, y) of the last left press, for the module of the select tool.
  Pixelpunkt druckpunkt() const { return druck_; }
  bool linkeTasteUnten() const { return linksUnten_; }
  // The scroll step in world millimetres for a drawing area of this many pixels.
  static std::int32_t rollschritt(int pixel, double zoom);

 private:
  Weltpunkt gefangen(double x, double y) const;
  void escape();
  void rolle(int dx, int dy);

  Zeichnung& zeichnung_;
  const Uhr& uhr_;
  Werkzeugzustand zustand_;
  Werkzeugumgebung umgebung_;
  std::array<Werkzeugmodul*, kWerkzeuggruppen> module_{};

  bool strukturGeprueft_ = false;
  std::uint32_t letzteStrukturpruefung_ = 0;
  bool verschieben_ = false;
  Pixelpunkt verschiebenStart_;
  bool beschaeftigt_ = false;
  bool linksUnten_ = false;
  Pixelpunkt druck_;
  // Double-click timing of the select tool.
  std::uint32_t druckZeit_ = 0;
  std::uint32_t loslassZeit_ = 0;
  bool schnellLosgelassen_ = false;
};

}  // namespace quarzel
