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
#pragma once

#include <QElapsedTimer>

#include "render/elementzeichnen.h"

namespace quarzel {

class Sitzung;
class Werkzeugbedienung;
class Zeichenflaeche;

// The renderer's observer for one redraw of the window.
class Bildaufbau final : public Zeichenbeobachter {
 public:
  // Intermediate pictures of a redraw that is over sooner would only cost
  // time: nothing is shown before this many milliseconds have passed.
  static constexpr int kErsteZwischenanzeigeMs = 40;

  explicit Bildaufbau(Zeichenflaeche& flaeche);
  void insFenster() override;

 private:
  Zeichenflaeche& flaeche_;
  QElapsedTimer seitAnzeige_;
};

// Hands the session's section "Darstellung" to the window: the renderer's
// choices, the cross-hair colour, the refresh mode and the tools' rubber band
// colour. The caller redraws.
void darstellungAnwenden(Sitzung& sitzung, Zeichenflaeche& flaeche, Werkzeugbedienung& werkzeuge);

}  // namespace quarzel
