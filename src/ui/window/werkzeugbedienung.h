// Werkzeugbedienung: the window's side of the tools. It connects the tools
// the session keeps (Werkzeugkasten: state machine, snap search, tool-group
// modules) to the widgets:
//
// - the drawing area's mouse, wheel and key events become the state
//   machine's event structs (device pixels); every point passes the snap
//   search first; rubber bands go to the area's feedback canvas;
// - the middle button pans, the wheel zooms about the cursor by the
//   configured "Mausradfaktor";
// - the tool bars pick tools, the property bar feeds the modules' settings
//   and the store's current pen and line style, the numeric entry panel
//   types points;
// - the status bar shows the prompt of the step the tool expects.
//
// What it needs of the window (full redraw, drawing new elements, the
// undo/redo menu state) it gets as functions, so it stays independent of
// TFenster.
#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "edit/werkzeugcode.h"
#include "edit/werkzeugkasten.h"
#include "ui/tools/koordinatenpanel.h"

class QKeyEvent;
class QMainWindow;

namespace quarzel {

class Benutzer;
struct Symbol;

class Bearbeitungsbefehle;
class Eigenschaftsleiste;
class Statusleiste;
class Zeichenflaeche;
struct Einstellungen;
struct Mausdaten;
struct Werkzeugleisten;
struct Zeichnung;

struct Fensterdienste {
  std::function<void()> neuZeichnen;
  std::function<void(std::int32_t von, std::int32_t bis)> objekteZeichnen;
  // After a change of the drawing: title, undo and redo.
  std::function<void()> befehlsstand;
};

class Werkzeugbedienung final : public QObject {
  Q_OBJECT

 public:
  Werkzeugbedienung(QMainWindow& fenster, Werkzeugkasten& kasten, Zeichenflaeche& flaeche, Werkzeugleisten& leisten,
                    Eigenschaftsleiste& eigenschaften, Statusleiste& status, const Einstellungen& einstellungen,
                    Fensterdienste dienste);
  ~Werkzeugbedienung() override;

  Werkzeugsteuerung& steuerung() { return kasten_.steuerung; }
  Koordinatenpanel& panel() { return *panel_; }
  Fangeinstellungen& fangeinstellungen() { return kasten_.fang; }
  // Free move's panel and the multiple copies' dialog.
  Bearbeitungsbefehle& bearbeitung() { return *bearbeitung_; }
  Markierwerkzeug& markierwerkzeug() { return kasten_.markier; }

  // A tool button or a menu: start the tool (`knopf`: which of the code's buttons).
  void waehle(Werkzeugcode werkzeug, std::uint8_t knopf = 0);
  // "Bild einfügen...": the user picks a PNG or JPEG file, which the bitmap
  // module then places with two clicks. False when nothing was picked or the
  // file is no picture (the user was told).
  bool bildEinfuegen(Benutzer& benutzer);
  // Starts "Symbol einfügen" with a loaded symbol: it hangs at the cursor
  // until a click places it (edit/symbolwerkzeug.h).
  void symbolPlatzieren(std::unique_ptr<Symbol> symbol, std::string name);
  // A left click at (x, y) in device pixels, as the mouse would give it: a
  // symbol dropped onto the area lands where it was let go.
  void klickeBei(double x, double y);
  // A new or loaded drawing: no collection survives it.
  void zeichnungGewechselt();
  // Delete the marked elements.
  void loeschen();
  // The view changed under a tool in progress: the reference point follows.
  // The reference point's marker at its pixel in the view as it is now.
  void bezugspunktZeigen();
  // The prompt of the active tool's step ("Linie : 2.) Endpunkt").
  QString aufforderung() const;
  // Pen, style, colours and figure settings from the property bar and the
  // display settings into the drawing modules.
  void vorgabenUebernehmen();

 private:
  void gedrueckt(const Mausdaten& m);
  void bewegt(double x, double y);
  void losgelassen(const Mausdaten& m);
  void doppelklick(const Mausdaten& m);
  void rad(double x, double y, double stufen);
  bool taste(QKeyEvent& e);
  // After every input: panel groups, status prompt, reference point, menus.
  void nachEreignis();
  Weltpunkt fange(int x, int y);
  void verschiebe(double x, double y);

  QMainWindow& fenster_;
  Werkzeugkasten& kasten_;
  Zeichnung& zeichnung_;
  Zeichenflaeche& flaeche_;
  Werkzeugleisten& leisten_;
  Eigenschaftsleiste& eigenschaften_;
  Statusleiste& status_;
  const Einstellungen& einstellungen_;
  Fensterdienste dienste_;
  QPointer<Koordinatenpanel> panel_;
  Bearbeitungsbefehle* bearbeitung_ = nullptr;
  // The last pixel the middle button's pan reached.
  double panX_ = 0, panY_ = 0;
  // What the snap search found for the mouse move being handled; the area
  // shows its marker.
  std::optional<Fangergebnis> letzterFang_;
};

}  // namespace quarzel
