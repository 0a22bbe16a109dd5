// Bildelemente: the drawers of the picture-like kinds — gradients, bitmaps
// and bitmap fills, embedded metafiles — and the texture fill of a closed
// element's outline. They read the element's record from the drawing and
// paint through the context's canvas only.
#pragma once

#include <cstdint>
#include <span>

#include "render/zeichenkontext.h"

namespace quarzel {

// Gradient (kind 6) as bands of filled polygons.
void zeichneVerlauf(Zeichenkontext& k, std::int32_t n);
// Bitmap (16) and bitmap fill (39): the decoded picture stretched into its placement.
void zeichneBitmap(Zeichenkontext& k, std::int32_t n);
// Metafile (38): embedded SVG through the canvas, anything else as a framed placeholder.
void zeichneMetafile(Zeichenkontext& k, std::int32_t n);
// Fills the pixel outline of closed element n with its texture picture, tiled:
// the fill number is the 1-based index into the drawing's embedded textures;
// one texture pixel covers 0.25 sheet millimetres, tiles are anchored at the
// world origin so the texture stays put when the view moves.
void fuelleTextur(Zeichenkontext& k, std::int32_t n, std::span<const Pixelpunkt> umriss);

}  // namespace quarzel
