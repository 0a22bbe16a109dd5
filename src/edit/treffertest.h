// Which element the user points at, and which a selection frame catches.
//
// Only elements a tool may touch take part: alive, of a kind that is drawn,
// on a visible layer and sublayer that is not protected (Ebenen::waehlbar).
// Group brackets never do; their members are caught one by one.
//
// Hit test rule: the distance in pixels from the cursor to the element's
// drawn outline (elementumriss.h); texts and bitmaps also count when the
// cursor lies inside their box. The nearest element within the tolerance
// wins; at equal distance the topmost, i.e. the one with the highest store
// number (drawn last), wins.
//
// Frame rule: a frame spanned left to right catches the elements lying wholly
// inside it; a frame spanned right to left also catches every element it
// touches (an outline crossing or lying in the frame).
#pragma once

#include <cstdint>
#include <vector>

#include "store/zeichnung.h"

namespace quarzel {

class Fangsuche;

class Fangindex;

inline constexpr double kTreffertoleranz = 5.0;  // pixels

// The element may be selected and changed by a tool.
bool auswaehlbar(const Zeichnung& z, std::int32_t n);

// The element under pixel (x, y) of the drawing area, or 0. With the snap
// search's index (up to date for this drawing) only the elements near the
// cursor are measured, plus the kinds the index leaves out (texts, fills,
// metafiles), found by a scan of the kind column; the answer is the same.
// `nurIndizierte` skips that scan: for tools that only pick outlines the
// index holds (lines, arcs, polygons), so a pick costs no walk of the store.
std::int32_t trefferTest(const Zeichnung& z, double x, double y, double toleranzPixel = kTreffertoleranz,
                         const Fangindex* index = nullptr, bool nurIndizierte = false);

// The selectable elements caught by the frame between two world points, in
// store order. `beruehrend`: touching is enough (frame spanned right to left).
std::vector<std::int32_t> imRahmen(const Zeichnung& z, Weltpunkt a, Weltpunkt b, bool beruehrend);

// Removes marks from elements no tool may change (protected or hidden
// layers, dead elements); returns how many marked elements remain.
std::int32_t nurAuswaehlbareMarkiert(Zeichnung& z);

// The element under a click at p (0: none) for the tools that pick: through
// the snap search's spatial index when it is given, else by the whole store.
std::int32_t elementUnterKlick(const Zeichnung& z, Weltpunkt p, Fangsuche* fangsuche);

}  // namespace quarzel
