// The edit commands on the marked elements: delete, move, turn, mirror,
// copy and the two multiple copies. Each command is one undo step, touches
// only elements a tool may change (treffertest.h: protected and hidden
// layers are left alone) and returns how many elements it changed or added;
// 0 means nothing was marked and no step was opened.
//
// Changes go through the store's "prepare change": the originals are
// retired and changed copies take their place, so undo brings them back.
// Copies are added behind the drawing and become the marked elements.
// Group brackets travel with their members; a bracket whose partner is not
// marked is not copied, so copying never breaks the group structure.
//
// The two multiple copies (n copies, angle step w about a centre):
//   radial (604)    each copy is moved to the place the turn by k*w would
//                   bring the marked elements' centre to; it keeps its
//                   orientation
//   rotation (605)  each copy is turned by k*w about the centre
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "store/elementabbildung.h"
#include "store/zeichnung.h"

namespace quarzel {

// A copy command adds at most this many elements in one go.
inline constexpr std::int64_t kHoechsteKopien = 1000000;

// The marked elements a copy may take, in store order (brackets in pairs).
std::vector<std::int32_t> kopierbareMarkierte(Zeichnung& z);
// The box of the marked, selectable elements.
std::optional<Weltrechteck> markierteUmgebung(const Zeichnung& z);

std::int32_t loescheMarkierteElemente(Zeichnung& z);
// Move, turn or mirror without copy.
std::int32_t bildeMarkierteAb(Zeichnung& z, const Abbildung& a);
// `anzahl` copies, the k-th mapped by the map applied k times.
std::int32_t kopiereMarkierte(Zeichnung& z, const Abbildung& a, int anzahl = 1);

std::int32_t verschiebeMarkierte(Zeichnung& z, double dx, double dy);
std::int32_t spiegleMarkierte(Zeichnung& z, Weltpunkt a, Weltpunkt b, bool mitKopie);
std::int32_t radialeKopien(Zeichnung& z, Weltpunkt mitte, int anzahl, double winkelschritt);
std::int32_t rotationskopien(Zeichnung& z, Weltpunkt mitte, int anzahl, double winkelschritt);

}  // namespace quarzel
