// The styled-segment routine: turns a straight segment (or a polyline) given
// in output pixels into what the canvas draws for a pen and a line style.
//
// Every call sets the canvas pen to the colour and the width the run gives
// for pen and style (Zeichenlauf::stiftbreitePixel) and leaves it so. The
// brush is set to the colour only when a pattern has filled symbols.
//
// What each family draws:
// - continuous: one polyline call;
// - cosmetic styles 50..69: one polyline call with a one-pixel platform pen
//   style (dashed, dotted, dash-dot, dash-dot-dot);
// - dashes (2..9, 71..90): the pattern converted to pixels (built-in lengths
//   count in pen widths, user lengths in mm; pens 98 and 99 use a fixed
//   scale); when the longest entry would be under 1.5 pixels the line is
//   drawn continuous, as such a pattern would only look grey. The pieces go to
//   the canvas in one multi-polyline call; a piece whose ends fall into one
//   pixel is lengthened to one pixel, so dots stay visible;
// - complex patterns (12..31, 91..124): sections along the line, each with
//   its symbols (see linienstile.h), in one multi-polyline call plus one
//   polygon call per filled symbol;
// - special lines 10/41/42 (zigzag, wave, zigzag on a centre line) and 11
//   (a chain stamped from a small bitmap).
// Only the part of a segment near the canvas is walked, with the pattern's
// phase kept, so a huge zoom costs no more than a small one; at most 32000
// points and pieces are drawn per call in any case.
#pragma once

#include <span>

#include "render/zeichenlauf.h"
#include "platform/canvas.h"

namespace quarzel {

// One segment; the pattern starts afresh at (x1, y1).
void drawStyledSegment(Canvas& canvas, Zeichenlauf& lauf, int pen, Farbe colour, int style, double x1, double y1,
                       double x2, double y2);

// A polyline whose pattern runs on over the corners (arcs, curves and
// polygon outlines drawn as many short segments would otherwise restart
// the pattern at every corner and show no gaps at all). Points that are not
// finite are skipped.
void drawStyledPolyline(Canvas& canvas, Zeichenlauf& lauf, int pen, Farbe colour, int style,
                        std::span<const Pixelpunkt> punkte);

}  // namespace quarzel
