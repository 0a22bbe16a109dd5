#include "edit/bemassungsablage.h"

#include <cmath>

#include "store/zeichnung.h"

namespace quarzel {

namespace {

std::uint32_t hundertstel(double mm) {
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(mm * 100)));
}

bool brauchbar(const tmessdaten& d) {
  for (double v : d.geometrie)
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace

tmessdaten neueMessdaten(Messart art, const std::array<Weltpunkt, 4>& punkte, Farbe farbe) {
  tmessdaten d;
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    d.geometrie[2 * i] = punkte[i].x;
    d.geometrie[2 * i + 1] = punkte[i].y;
  }
  d.typ = static_cast<std::uint8_t>(art);
  d.texthoehe = 3.5;
  d.textposition = 0;
  d.begrenzung = 0 | 4;  // filled arrows
  d.werte = {hundertstel(-1), hundertstel(2), hundertstel(2), hundertstel(2.5), rgb(255, 0, 0)};
  d.schalter = {2, 0};
  d.optionen[7] = 1;
  d.farbe = farbe;
  return d;
}

std::pair<std::int32_t, std::int32_t> legeBemassungenAb(Zeichnung& z, std::span<const tmessdaten> saetze) {
  std::int32_t von = 0, bis = -1;
  Elementspeicher& s = z.speicher;
  for (const tmessdaten& d : saetze) {
    if (!brauchbar(d)) continue;
    if (von == 0) {
      s.demarkiereAlle();
      s.beginneSchritt();
    }
    const std::int32_t n = s.neueBemassung(d);
    s.vervollstaendige(n);  // completed elements stand marked
    if (von == 0) von = n;
    bis = n;
  }
  if (von != 0) s.setzeModifiziert(true);
  return {von, bis};
}

}  // namespace quarzel
