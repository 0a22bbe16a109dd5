#include "view/blattformat.h"

#include <cmath>
#include <limits>

#include "view/ansicht.h"

namespace quarzel {

std::optional<Blattmass> blattmassNachName(std::string_view caption) {
  for (const Blattformat& f : blattformate) {
    if (caption == f.hochformat) return Blattmass{f.breite, f.hoehe};
    if (caption == f.querformat) return Blattmass{f.hoehe, f.breite};
  }
  return std::nullopt;
}

std::optional<Blattmass> blattmassNachIndex(int index, bool quer) {
  if (index < 0 || index >= static_cast<int>(blattformate.size())) return std::nullopt;
  const Blattformat& f = blattformate[static_cast<std::size_t>(index)];
  return quer ? Blattmass{f.hoehe, f.breite} : Blattmass{f.breite, f.hoehe};
}

Eingabegrenzen beliebigesFormatGrenzen(double unitFactor) {
  return {Ansicht::nearestInt32(50 * unitFactor), Ansicht::nearestInt32(2500 * unitFactor)};
}

std::optional<std::int32_t> zeichnungseinheitenInMm(double wert, double unitFactor) {
  if (!(unitFactor > 0) || !std::isfinite(unitFactor)) return std::nullopt;
  const double mm = Ansicht::nearest(wert / unitFactor);
  if (!std::isfinite(mm) || mm < std::numeric_limits<std::int32_t>::min() ||
      mm > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(mm);
}

double mmInZeichnungseinheiten(std::int32_t mm, double unitFactor) {
  return mm * unitFactor;
}

}  // namespace quarzel
