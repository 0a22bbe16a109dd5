#include "render/masszahloptionen.h"

#include "store/messdatenstil.h"

namespace quarzel {

Masszahloptionen masszahloptionen(const Bemassungsstil& stil) {
  Masszahloptionen o;
  o.dezimalmodus = stil.dezimalmodus >= 0 && stil.dezimalmodus <= 4 ? stil.dezimalmodus : 2;
  o.keineNullen = stil.keineNullen;
  o.einheitAnzeigen = stil.einheitAnzeigen;
  o.gradzeichen = stil.gradzeichen;
  o.dezimalEnglisch = stil.dezimalEnglisch;
  o.zeichenR = stil.zeichenR;
  o.zeichenD = stil.zeichenD;
  o.zeichenDurchmesser = stil.zeichenDurchmesser;
  o.zeichenM = stil.zeichenM;
  o.zeichenTilde = stil.zeichenTilde;
  o.vortext = stil.vortext;
  o.nachtext = stil.nachtext;
  o.toleranzOben = stil.toleranzOben;
  o.toleranzUnten = stil.toleranzUnten;
  o.plusMinus = stil.plusMinus;
  o.toleranzNichtHoch = stil.toleranzNichtHoch;
  return o;
}

Masszahloptionen masszahloptionen(const tmessdaten& d) {
  // What the record keeps, read the one way records are read; a record
  // carries its tolerances in its text after the value.
  Bemassungsstil stil;
  messdatenInStil(d, stil);
  return masszahloptionen(stil);
}

std::string nachtextMitToleranz(const Bemassungsstil& stil) {
  return mitToleranz(stil.nachtext, toleranzangabe(masszahloptionen(stil)));
}

}  // namespace quarzel
