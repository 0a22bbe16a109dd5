// Linienenden: the decorations at the two ends of a line (arrows, ticks,
// squares, dots), drawn in output pixels with the line's colour.
//
// A code byte is shape + 32 × k. The shape (1..19) picks the figure; k picks
// the size: 0 the base length, 1 half, 2 three quarters, 3 one and a half,
// 4 double. When the end has a decoration, its class is the class of both ends
// (the start code loses the same 32 × k). Shapes 20..31 (21..29 at a line's
// start make it a marker point) draw nothing here.
//
// The base length L is twice the pen's true pixel width, at least 2 pixels.
// With the true-width display off the strokes are one pixel wide.
#pragma once

#include <cstdint>

#include "render/zeichenkontext.h"
#include "platform/canvas.h"

namespace quarzel {

// Shapes beyond the fixed table.
enum Linienendform : std::uint8_t {
  EndePunkt = 15,          // small filled dot on the end point
  EndeKreis = 16,          // open circle around the end point
  EndeKreisGefuellt = 17,  // filled circle around the end point
  EndeHalbpfeil = 18,      // filled half arrow on one side of the line
  EndeArchitekt = 19,      // oblique tick with a dot on the end point
};

// The size factor of a class 0..4 (anything else counts as 0).
double linienendenFaktor(int klasse);

// Shapes and size classes of both ends after the class rule.
struct Linienendenwahl {
  int anfangsform = 0;
  int endform = 0;
  int klasse = 0;  // shared when the end has a decoration
  int anfangsklasse = 0;
};
Linienendenwahl waehleLinienenden(std::uint8_t anfangscode, std::uint8_t endcode);

// One decoration: T the end point, `innen` a point further along the line
// (gives the direction u). L in pixels. Pen and brush must be set.
void zeichneLinienende(Canvas& canvas, Pixelpunkt t, Pixelpunkt innen, int form, double l);

// Both decorations of the segment anfang → ende with pen `stift` and `farbe`.
void zeichneLinienenden(Zeichenkontext& k, Pixelpunkt anfang, Pixelpunkt ende, std::uint8_t anfangscode,
                        std::uint8_t endcode, int stift, Farbe farbe);

// The same for a polyline's first and last segment: the start decoration at
// `anfang` pointing along to `nachAnfang`, the end one at `ende` with
// `vorEnde` the point before it.
void zeichneLinienenden(Zeichenkontext& k, Pixelpunkt anfang, Pixelpunkt nachAnfang, Pixelpunkt vorEnde,
                        Pixelpunkt ende, std::uint8_t anfangscode, std::uint8_t endcode, int stift, Farbe farbe);

}  // namespace quarzel
