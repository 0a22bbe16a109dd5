// Bildaufbau: how the window builds its picture, and the display choices a
// running window follows.
//
// Fast refresh ("Schneller Refresh"): the renderer draws into the drawing
// area's off-screen image and the image is shown in a few steps while a long
// redraw runs, so the user sees progress without flicker. Slow refresh
// ("Langsamer Refresh"): the picture is shown only once it is complete, and a
// drawing area that has changed its size is painted anew within the paint
// event instead of after the resize pause. The mode is the key "Schneller
// Refresh" of the section "Darstellung".
//
// A full redraw of a big drawing keeps the window alive: between elements it
// lets the window handle its events (paint, resize, timers), shows its
// progress in the status bar and stops on Escape or a mouse click. Other
// input is held back meanwhile, so no command changes the drawing under the
// renderer. A redraw asked for meanwhile stops the running one and follows it.
#pragma once

#include <QElapsedTimer>

#include "render/elementzeichnen.h"

namespace quarzel {

class Sitzung;
class Statusleiste;
class Werkzeugbedienung;
class Zeichenflaeche;

// The renderer's observer for one redraw of the window.
class Bildaufbau final : public Zeichenbeobachter {
 public:
  // `unterbrechbar`: a full redraw outside a paint event, which may let
  // events through; `status` shows the progress (optional).
  Bildaufbau(Zeichenflaeche& flaeche, Statusleiste* status = nullptr, bool unterbrechbar = false);
  ~Bildaufbau() override;
  Bildaufbau(const Bildaufbau&) = delete;
  Bildaufbau& operator=(const Bildaufbau&) = delete;

  void insFenster() override;
  void fortschritt(int prozent) override;
  bool abbrechen() override;
  // Stopped by the user (Escape or a click).
  bool abgebrochen() const { return abgebrochen_; }

 private:
  Zeichenflaeche& flaeche_;
  Statusleiste* status_;
  bool unterbrechbar_;
  bool abgebrochen_ = false;
  bool fortschrittGezeigt_ = false;
  QElapsedTimer seitAnzeige_;
  QElapsedTimer seitEreignissen_;
};

// Hands the session's section "Darstellung" to the window: the renderer's
// choices, the cross-hair colour, the refresh mode and the tools' rubber band
// colour. The caller redraws.
void darstellungAnwenden(Sitzung& sitzung, Zeichenflaeche& flaeche, Werkzeugbedienung& werkzeuge);

}  // namespace quarzel
