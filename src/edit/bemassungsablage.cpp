#include "edit/bemassungsablage.h"

#include <cmath>

#include "render/masszahloptionen.h"
#include "store/messdatenstil.h"
#include "store/schrittablage.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

bool brauchbar(const tmessdaten& d) {
  for (double v : d.geometrie)
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace

tmessdaten neueMessdaten(Messart art, const std::array<Weltpunkt, 4>& punkte, const Bemassungsstil& stil) {
  tmessdaten d;
  d.typ = static_cast<std::uint8_t>(art);
  stilInMessdaten(stil, d);
  d.nachtext = nachtextMitToleranz(stil);
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    d.geometrie[2 * i] = punkte[i].x;
    d.geometrie[2 * i + 1] = punkte[i].y;
  }
  return d;
}

std::pair<std::int32_t, std::int32_t> legeBemassungenAb(Zeichnung& z, std::span<const tmessdaten> saetze) {
  return legeAlsEinenSchrittAb(z.speicher, saetze, brauchbar,
                               [&](const tmessdaten& d) { return z.speicher.neueBemassung(d); });
}

}  // namespace quarzel
