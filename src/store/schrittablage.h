// Adding several new elements as one undo step, as every tool that makes
// more than one element at a click does: the first usable one unmarks the
// drawing and opens the step, each new element is completed and so stands
// marked, and nothing at all happens when none is usable.
#pragma once

#include <cstdint>
#include <utility>

#include "store/elementspeicher.h"

namespace quarzel {

// `brauchbar(x)` says whether x gives an element, `neu(x)` adds it and
// returns its number. Numbers of the first and last new element; {0, -1}
// when none was added (no undo step then).
template <class Folge, class Brauchbar, class Neu>
std::pair<std::int32_t, std::int32_t> legeAlsEinenSchrittAb(Elementspeicher& s, const Folge& folge,
                                                           Brauchbar&& brauchbar, Neu&& neu) {
  std::int32_t von = 0, bis = -1;
  for (const auto& x : folge) {
    if (!brauchbar(x)) continue;
    if (von == 0) {
      s.demarkiereAlle();
      s.beginneSchritt();
    }
    const std::int32_t n = neu(x);
    s.vervollstaendige(n);
    if (von == 0) von = n;
    bis = n;
  }
  if (von != 0) s.setzeModifiziert(true);
  return {von, bis};
}

}  // namespace quarzel
