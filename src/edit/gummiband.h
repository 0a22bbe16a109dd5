// Gummiband: the rubber band of the drawing tools on the feedback canvas.
//
// It is drawn in XOR mode, so drawing the same lines a second time restores
// the picture. The band remembers the pixel lines it drew last and erases
// exactly those, whatever the tool computes next. The pen colour is the
// complement of the drawing colour: XOR with it turns the white background
// into the drawing colour itself. Black would leave the picture unchanged, so
// a drawing colour of white (complement black) uses white instead, which
// shows black on white.
#pragma once

#include <vector>

#include "view/ansicht.h"
#include "edit/zeichenfigur.h"
#include "platform/canvas.h"

namespace quarzel {

class Gummiband {
 public:
  // The XOR pen colour for a drawing colour (never black).
  static Farbe xorFarbe(Farbe zeichenfarbe);
  // Sample limits keep one band cheap and bounded whatever the figure.
  static constexpr std::size_t kHoechstPunkte = 40000;

  // Erases the band shown so far and shows the figure. Nothing is drawn
  // without a canvas.
  void zeige(Canvas* canvas, const Ansicht& ansicht, const Zeichenfigur& f, Farbe zeichenfarbe);
  // Erases the band shown so far (draws it once more).
  void loesche(Canvas* canvas);
  // Forgets the band without drawing (the picture was redrawn meanwhile).
  void vergiss();
  bool sichtbar() const { return !laengen_.empty(); }

 private:
  void zeichne(Canvas& canvas) const;

  std::vector<Pixelpunkt> punkte_;
  std::vector<int> laengen_;
  Farbe farbe_ = 0xFFFFFF;
};

// The figure as pixel polylines (curves sampled), for the band and for tests.
void figurInPixeln(const Ansicht& ansicht, const Zeichenfigur& f, std::vector<Pixelpunkt>& punkte,
                   std::vector<int>& laengen, std::size_t hoechstPunkte);

}  // namespace quarzel
