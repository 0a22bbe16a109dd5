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

double mm(std::uint32_t hundertstel) {
  return static_cast<std::int32_t>(hundertstel) / 100.0;
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
  if (d.typ == 8) {
    // Level marks keep the reference value (1/100 model mm, "+BG") and
    // their symbol in place of the line overhang and the terminator size.
    const double bezug = stil.bezugsgroesseAddieren && std::isfinite(stil.bezugsgroesse) ? stil.bezugsgroesse : 0;
    d.werte[1] = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::clamp(std::nearbyint(bezug * 100), -2e9, 2e9)));
    d.werte[3] = hundertstel(stil.kotensymbolgroesse);
    d.optionen[6] = static_cast<std::uint8_t>(stil.kotendarstellung != 0);
  }
}

void messdatenInStil(const tmessdaten& d, Bemassungsstil& stil) {
  if (std::isfinite(d.texthoehe) && d.texthoehe > 0) stil.texthoehe = d.texthoehe;
  stil.textposition = std::min<int>(d.textposition, 3);
  stil.begrenzung = d.begrenzung & 3;
  stil.gefuellt = (d.begrenzung & 4) != 0;
  if (!d.schrift.empty()) stil.schrift = d.schrift;
  stil.hilfslinienlaenge = mm(d.werte[0]);
  stil.ueberstandHilfslinien = mm(d.werte[2]);
  if (d.typ == 8) {
    const double bezug = static_cast<std::int32_t>(d.werte[1]) / 100.0;
    stil.bezugsgroesseAddieren = bezug != 0;
    if (bezug != 0) stil.bezugsgroesse = bezug;
    stil.kotensymbolgroesse = mm(d.werte[3]);
    stil.kotendarstellung = d.optionen[6] != 0;
  } else {
    stil.ueberstandMasslinien = mm(d.werte[1]);
    stil.begrenzungsgroesse = mm(d.werte[3]);
  }
  stil.editierteFarbe = d.werte[4] & 0xFFFFFF;
  stil.dezimalmodus = std::min<int>(d.schalter[0], 4);
  stil.keineNullen = (d.schalter[1] & 1) != 0;
  stil.einheitAnzeigen = (d.schalter[1] & 2) != 0;
  stil.gradzeichen = (d.schalter[1] & 4) != 0;
  stil.dezimalEnglisch = (d.schalter[1] & 8) != 0;
  stil.editierteDrucken = (d.schalter[1] & 16) != 0;
  stil.zeichenR = d.optionen[0] != 0;
  stil.zeichenD = d.optionen[1] != 0;
  stil.zeichenDurchmesser = d.optionen[2] != 0;
  stil.zeichenM = d.optionen[3] != 0;
  stil.zeichenTilde = d.optionen[4] != 0;
  stil.vortext = d.vortext;
  stil.nachtext = d.nachtext;
  stil.farbe = d.farbe & 0xFFFFFF;
  stil.stiftMasslinien = d.stift;
}

}  // namespace quarzel
