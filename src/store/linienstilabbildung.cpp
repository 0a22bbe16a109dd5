#include "store/linienstilabbildung.h"

namespace quarzel {

std::int16_t bildeLinienstilAb(std::int16_t stil, int version, bool vsVariante) {
  if (version < 6) {
    if (stil > 11 && stil < 33) return static_cast<std::int16_t>(stil + 59);
    if (stil > -33 && stil < -11) return static_cast<std::int16_t>(stil - 59);
  }
  if (version < 9) {
    if (stil == 99) return 127;
    if (!vsVariante && stil > 90) return static_cast<std::int16_t>(stil - 100);
  }
  return stil;
}

}  // namespace quarzel
