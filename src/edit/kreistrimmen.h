// What the trimming tools do to arcs, circles and ellipses (kind 2), one call
// per finished pick, on the same terms as trimmoperationen.h: one undo step,
// the properties of the element kept, the result marked, a German sentence
// and no change when it cannot work.
//
// Angles are the figure's own parameter (render/bogengeometrie.h); a piece
// "on the clicked side" is the one between two cuts that holds the click.
#pragma once

#include <cstdint>
#include <string>

#include "view/ansicht.h"

namespace quarzel {

struct Zeichnung;
struct tbogendaten;
class Fangindex;

// The sentence telling why element n is no arc, circle or ellipse, or "".
std::string keinBogen(const Zeichnung& z, std::int32_t n);

// 105: the first figure (n1, clicked at k1) becomes the arc between its two
// crossings with the second that holds the click; a full circle becomes an
// arc, an arc is cut or extended along its circle. With `beide` the second
// the same way.
std::string trimmeKreise(Zeichnung& z, std::int32_t n1, Weltpunkt k1, std::int32_t n2, Weltpunkt k2, bool beide);

// 106: the figure n keeps the piece around the click between its nearest
// crossings with lines and polygon edges.
std::string trimmeKreisAnLinien(Zeichnung& z, std::int32_t n, Weltpunkt k, const Fangindex* index);

// 125: the arc becomes its full circle or ellipse.
std::string vollkreis(Zeichnung& z, std::int32_t n);

// 124: the figure replaced by `teile` equal arcs (2..100); a full circle
// is divided from its start angle round.
std::string teileKreis(Zeichnung& z, std::int32_t n, int teile);

// The record's angles for the arc von .. bis (degrees, bis > von).
void setzeBogenwinkel(tbogendaten& d, double von, double bis);

}  // namespace quarzel
