// What the trimming tools do to the store, one call per finished pick:
// trim two lines to their crossing, fillet or chamfer their corner, divide a
// line. Each call that changes something is one undo step; changed and new
// elements keep layer, sublayer, pen, style and colour of the line they come
// from and are left marked, nothing else. A call that cannot work returns
// the German sentence the user is shown and leaves the store unchanged; an
// empty answer means done.
//
// Lines are the line kinds (plain and wall lines, not marker points); the
// click positions K say which side of the crossing each line keeps. Trimming,
// fillet and chamfer also take polygon edges as polygonkanten.h allows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "view/ansicht.h"

namespace quarzel {

struct Zeichnung;
class Elementspeicher;

inline constexpr const char* kKeinSchnitt = "Die Linien schneiden sich nicht.";

// Which lines a fillet or chamfer shortens: none, the first, both.
enum class Trimmodus : std::uint8_t { Keine = 0, Erste = 1, Beide = 2 };

// Opens the undo step for the listed elements and returns their live
// copies, in the order given; only the copies are marked.
std::vector<std::int32_t> bereiteVor(Elementspeicher& s, const std::vector<std::int32_t>& nummern);

// The sentence telling why element n cannot be trimmed, or "" for a line.
std::string keineLinie(const Zeichnung& z, std::int32_t n);

// The first line (n1, clicked at k1) is cut or extended to its crossing with
// the second; with `beide` the second too.
std::string trimmeLinien(Zeichnung& z, std::int32_t n1, Weltpunkt k1, std::int32_t n2, Weltpunkt k2, bool beide);
// Line n (clicked at k) cut or extended to the infinite line AB.
std::string trimmeAn(Zeichnung& z, std::int32_t n, Weltpunkt k, Weltpunkt a, Weltpunkt b);

// What a line can be trimmed to besides a line: an arc, circle or ellipse
// (104), or a curve: Bézier, spline or polygon (137).
enum class Schnittkante : std::uint8_t { Kreis, Kurve };
// Line n (clicked at k) cut or extended to the crossing of its infinite line
// with element m that lies nearest the click.
std::string trimmeAnKante(Zeichnung& z, std::int32_t n, Weltpunkt k, std::int32_t m, Schnittkante kante);

std::string rundeAb(Zeichnung& z, std::int32_t n1, Weltpunkt k1, std::int32_t n2, Weltpunkt k2, double radius,
                    bool negativ, Trimmodus modus);
std::string befase(Zeichnung& z, std::int32_t n1, Weltpunkt k1, std::int32_t n2, Weltpunkt k2, double mass,
                   bool alsAbstand, Trimmodus modus);

// Line n replaced by `teile` equal lines in its direction (2..100).
std::string teileLinie(Zeichnung& z, std::int32_t n, int teile);

}  // namespace quarzel
