// Flaechenberechnung: area and perimeter of an outline, in drawing units,
// for the measuring tools, the information dialogs and the macros.
//
// An outline is a list of points in world millimetres. It is closed once
// (the first point appended when the last one differs), so four corners of
// a square and the same five with the first repeated measure the same. The
// area is that of signed trapezoids against the x axis, taken absolutely:
// the direction of travel does not matter, and a hole that a seam joins to
// the outline (as "Loch in Polygon schneiden" and the ring areas make them)
// runs the other way round and is subtracted by itself.
//
// The seam is an edge walked there and back. It encloses nothing, and it is
// no boundary of the area either: the perimeter leaves out every edge whose
// reverse the outline also walks, and counts the hole's edge, as a room's
// skirting runs round a column too.
//
// Drawing units: world millimetres times the unit factor and the layer scale
// of the measured element's layer (the layer in force for clicked points);
// values are rounded to 1/1000 (areas to 1/100 on request).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "view/ansicht.h"

namespace quarzel {

struct Zeichnung;

// Drawing units per world millimetre for a layer: the unit factor (the
// layer's own unit when it has one) times its scale; 0 gives the layer in force.
double zeichnungseinheitenJeMm(const Zeichnung& z, int ebene);

// |sum of signed trapezoids| of the closed outline, in world mm², unrounded.
double umrissflaecheMm2(std::span<const Weltpunkt> punkte);
// The edges of the closed outline without seams, in world mm, unrounded.
double umrissumfangMm(std::span<const Weltpunkt> punkte);

// Rounded to 1/1000 (hundertstel: 1/100).
double rundeMesswert(double wert, bool hundertstel = false);

// The outline's area in drawing units squared and its perimeter in drawing
// units, `k` drawing units per world millimetre, both rounded.
double umrissflaeche(std::span<const Weltpunkt> punkte, double k, bool hundertstel = false);
double umrissumfang(std::span<const Weltpunkt> punkte, double k);

struct Flaechenmass {
  double flaeche = 0;  // drawing units squared
  double umfang = 0;   // drawing units
};

// Area and perimeter of element n in its layer's drawing units: polygons
// (closed once, holes along seams), circles, ellipses and arcs exactly (an
// arc closed by its chord), splines and Béziers by their flattened curve,
// lines and other kinds as their outline. None when n has no outline.
std::optional<Flaechenmass> elementflaeche(const Zeichnung& z, std::int32_t n, bool hundertstel = false);

// The length of element n in its layer's drawing units, rounded: lines,
// polylines and curves along their path (closed ones all round), arcs
// along the arc, dimensions their dimension line. None for other kinds.
std::optional<double> elementlaenge(const Zeichnung& z, std::int32_t n);

// The flattened outline of element n in world millimetres (what the
// measuring tool's rubber band shows); empty when it has none.
std::vector<Weltpunkt> messumriss(const Zeichnung& z, std::int32_t n);


}  // namespace quarzel
