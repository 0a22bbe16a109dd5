#include "store/messdatenstil.h"

#include <algorithm>
#include <cmath>

namespace quarzel {

namespace {

// Lengths in the record are 1/100 mm as signed 32-bit values.
std::uint32_t hundertstel(double mm) {
  const double h = std::isfinite(mm) ? std::clamp(std::nearbyint(mm * 100), -2500.0, 2500.0) : 0.0;
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(h));
}

}  // namespace

void stilInMessdaten(const Bemassungsstil& stil, tmessdaten& d) {
  d.texthoehe = stil.texthoehe;
  d.textposition = static_cast<std::uint8_t>(std::clamp(stil.textposition, 0, 3));
  d.begrenzung = static_cast<std::uint8_t>((stil.begrenzung & 3) | (stil.gefuellt ? 4 : 0));
  d.schrift = stil.schrift;
  d.werte = {hundertstel(stil.hilfslinienlaenge), hundertstel(stil.ueberstandMasslinien),
             hundertstel(stil.ueberstandHilfslinien), hundertstel(stil.begrenzungsgroesse),
             stil.editierteFarbe & 0xFFFFFF};
  d.schalter[0] = static_cast<std::uint8_t>(std::clamp(stil.dezimalmodus, 0, 4));
  d.schalter[1] = static_cast<std::uint8_t>((stil.keineNullen ? 1 : 0) | (stil.einheitAnzeigen ? 2 : 0) |
                                            (stil.gradzeichen ? 4 : 0) | (stil.dezimalEnglisch ? 8 : 0) |
                                            (stil.editierteDrucken ? 16 : 0));
  d.optionen[0] = stil.zeichenR;
  d.optionen[1] = stil.zeichenD;
  d.optionen[2] = stil.zeichenDurchmesser;
  d.optionen[3] = stil.zeichenM;
  d.optionen[4] = stil.zeichenTilde;
  d.vortext = stil.vortext;
  d.nachtext = stil.nachtext;
  d.farbe = stil.farbe & 0xFFFFFF;
  d.stift = static_cast<std::uint8_t>(std::clamp(stil.stiftMasslinien, 0, 255));
}

}  // namespace quarzel
