#include "edit/bemassungsablage.h"

#include <algorithm>
#include <cmath>

#include "store/messdatenstil.h"
#include "store/schrittablage.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

std::uint32_t hundertstel(double mm) {
  const double h = std::isfinite(mm) ? std::clamp(std::nearbyint(mm * 100), -2.0e9, 2.0e9) : 0.0;
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(h));
}

bool brauchbar(const tmessdaten& d) {
  for (double v : d.geometrie)
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace

tmessdaten neueMessdaten(Messart art, const std::array<Weltpunkt, 4>& punkte, const Bemassungsstil& stil) {
  tmessdaten d;
  stilInMessdaten(stil, d);
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    d.geometrie[2 * i] = punkte[i].x;
    d.geometrie[2 * i + 1] = punkte[i].y;
  }
  d.typ = static_cast<std::uint8_t>(art);
  if (art == Messart::Kote) {
    // Level marks keep the reference value and their symbol in place of the
    // line overhang and the terminator size.
    d.werte[1] = stil.bezugsgroesseAddieren ? hundertstel(stil.bezugsgroesse) : 0;
    d.werte[3] = hundertstel(stil.kotensymbolgroesse);
    d.optionen[6] = static_cast<std::uint8_t>(stil.kotendarstellung != 0);
  }
  return d;
}

std::pair<std::int32_t, std::int32_t> legeBemassungenAb(Zeichnung& z, std::span<const tmessdaten> saetze) {
  return legeAlsEinenSchrittAb(z.speicher, saetze, brauchbar,
                               [&](const tmessdaten& d) { return z.speicher.neueBemassung(d); });
}

}  // namespace quarzel
