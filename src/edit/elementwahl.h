// Picking an element with a click for the construction tools: the hit test
// at the click, through the snap search's spatial index when there is one.
#pragma once

#include <cstdint>

#include "edit/werkzeugmodul.h"

namespace quarzel {

class Fangsuche;

// The element under the world point p, or 0. Without a snap search the hit
// test walks the whole store.
std::int32_t waehleElement(const Werkzeugumgebung& u, Weltpunkt p, Fangsuche* fangsuche);

}  // namespace quarzel
