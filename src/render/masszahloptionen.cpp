#include "render/masszahloptionen.h"

#include "store/messdatenstil.h"

namespace quarzel {

Masszahloptionen masszahloptionen(const tmessdaten& d) {
  Masszahloptionen o;
  o.dezimalmodus = d.schalter[0] <= 4 ? d.schalter[0] : 2;
  o.keineNullen = (d.schalter[1] & 1) != 0;
  o.einheitAnzeigen = (d.schalter[1] & 2) != 0;
  o.gradzeichen = (d.schalter[1] & 4) != 0;
  o.dezimalEnglisch = (d.schalter[1] & 8) != 0;
  o.zeichenR = d.optionen[0] != 0;
  o.zeichenD = d.optionen[1] != 0;
  o.zeichenDurchmesser = d.optionen[2] != 0;
  o.zeichenM = d.optionen[3] != 0;
  o.zeichenTilde = d.optionen[4] != 0;
  o.vortext = d.vortext;
  o.nachtext = d.nachtext;
  return o;
}

Masszahloptionen masszahloptionen(const Bemassungsstil& stil) {
  tmessdaten d;
  stilInMessdaten(stil, d);
  Masszahloptionen o = masszahloptionen(d);
  o.toleranzOben = stil.toleranzOben;
  o.toleranzUnten = stil.toleranzUnten;
  o.plusMinus = stil.plusMinus;
  o.toleranzNichtHoch = stil.toleranzNichtHoch;
  return o;
}

std::string nachtextMitToleranz(const Bemassungsstil& stil) {
  return mitToleranz(stil.nachtext, toleranzangabe(masszahloptionen(stil)));
}

}  // namespace quarzel
