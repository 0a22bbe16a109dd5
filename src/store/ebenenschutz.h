// Ebenenschutz: what the layer states mean for one element, asked by the
// tools before they select or change it and by the renderer before it picks
// a colour.
//
// An element may be selected and changed when its layer and sublayer are
// visible and neither the layer's display state (bit "geschützt") nor the
// sublayer's state protects it. Protection is checked when elements are
// marked, so every command working on marked elements is covered by
// unmarking what is protected instead of by a check in each command.
#pragma once

#include <cstdint>

namespace quarzel {

struct Zeichnung;

// Element n exists, is alive, and lies on a visible, unprotected layer and
// sublayer.
bool bearbeitbar(const Zeichnung& z, std::int32_t n);
// Removes the mark of every marked element that is not bearbeitbar and
// returns how many lost it (alive elements only). The select tool calls this after each selection.
std::int32_t demarkiereNichtBearbeitbare(Zeichnung& z);

}  // namespace quarzel
