#include "render/bemassungswert.h"

#include <cmath>
#include <cstdint>

#include "render/bemassungslayout.h"

namespace quarzel {

namespace {

// The value alone with prefixes and texts as the length texts have them.
std::string umrahmt(std::string text, const Masszahloptionen& o) {
  if (o.zeichenM) text = "M" + text;
  if (o.zeichenTilde) text = "~" + text;
  if (!o.vortext.empty()) text = o.vortext + " " + text;
  return text + o.nachtext;
}

int dezimalenVon(const Masszahloptionen& o) {
  return o.dezimalmodus == 4 ? 2 : o.dezimalmodus;
}

}  // namespace

Masszahloptionen masszahloptionen(const tmessdaten& d, const Masseinheitwahl& einheit) {
  Masszahloptionen o;
  o.dezimalmodus = einheit.eigeneEinheit ? einheit.nachkommastellen : (d.schalter[0] <= 4 ? d.schalter[0] : 2);
  o.keineNullen = (d.schalter[1] & 1) != 0;
  o.einheitAnzeigen = (d.schalter[1] & 2) != 0;
  o.zeichenR = d.optionen[0] != 0;
  o.zeichenD = d.optionen[1] != 0;
  o.zeichenDurchmesser = d.optionen[2] != 0;
  o.zeichenM = d.optionen[3] != 0;
  o.zeichenTilde = d.optionen[4] != 0;
  o.vortext = d.vortext;
  o.nachtext = d.nachtext;
  return o;
}

std::string berechneterMasstext(const tmessdaten& d, const Masseinheitwahl& einheit) {
  const Masszahloptionen o = masszahloptionen(d, einheit);
  switch (bemassungstyp(d)) {
    case 3:
      return bemassungstext(gemesseneLaenge(d), Bemassungsart::Radius, o, einheit);
    case 4:
      return bemassungstext(gemesseneLaenge(d), Bemassungsart::Durchmesser, o, einheit);
    case 5:
    case 6:
      return umrahmt(masszahl(gemessenerWinkel(d), dezimalenVon(o), o.keineNullen) + (d.optionen[7] ? "º" : ""), o);
    case 8: {
      // Height in display units plus the reference value, signed; the
      // reference height itself reads "±0,00".
      const double bezug = static_cast<std::int32_t>(d.werte[1]) / 10000.0;
      const double wert = gemesseneHoehe(d) * einheit.faktor * einheit.massstab + bezug;
      const int dezimalen = dezimalenVon(o);
      const std::string betrag = masszahl(std::fabs(wert), dezimalen, false);
      const bool null = betrag.find_first_not_of("0,") == std::string::npos;
      return umrahmt((null ? "±" : wert > 0 ? "+" : "-") + betrag, o);
    }
    default:
      return bemassungstext(gemesseneLaenge(d), Bemassungsart::Laenge, o, einheit);
  }
}

}  // namespace quarzel
