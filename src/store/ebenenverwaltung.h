// Ebenenverwaltung: the edits the layer manager makes in its grid — names,
// the "sichtbar" and "geschützt" columns of layers and sublayers, the layer
// scale, and moving a layer or sublayer to another place in the order.
//
// Moving is a chain of neighbour swaps on the tables and the named views (so
// every view keeps meaning the same layers), but the elements are renumbered
// in a single pass with the resulting permutation: a move across 200 layers of
// a large drawing costs one walk over the store, not 200.
//
// Every edit marks the drawing modified (the tables are saved with it) and
// copies the active layer and sublayer into the store's current attributes.
// Numbers that do not exist are ignored.
#pragma once

#include <string>

namespace quarzel {

struct Zeichnung;

// "" is refused: an empty name would free the slot.
void benenneEbene(Zeichnung& z, int ebene, std::string name);
void benenneFolie(Zeichnung& z, int ebene, int folie, std::string name);

// The layer's visible flag, used by "Ausgewählte Ebenen sichtbar".
void setzeEbeneSichtbar(Zeichnung& z, int ebene, bool sichtbar);
// The "geschützt" bit of the layer's display state; the grey bit stays.
void setzeEbeneGeschuetzt(Zeichnung& z, int ebene, bool geschuetzt);
void setzeFolieSichtbar(Zeichnung& z, int ebene, int folie, bool sichtbar);
void setzeFolieGeschuetzt(Zeichnung& z, int ebene, int folie, bool geschuetzt);
// 0 (or anything not finite and positive) = the layer follows the drawing scale.
void setzeEbenenmassstab(Zeichnung& z, int ebene, double nenner);

// Moves layer `von` to place `nach`; the layers between shift by one. The
// active layer follows its content. False when nothing moved.
bool verschiebeEbene(Zeichnung& z, int von, int nach);
// The same for the sublayers of one layer (any layer, not only the active one).
bool verschiebeFolie(Zeichnung& z, int ebene, int von, int nach);

}  // namespace quarzel
