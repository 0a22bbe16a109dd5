#include "render/bemassungswert.h"

#include <cstdint>

#include "render/bemassungslayout.h"
#include "render/masszahloptionen.h"

namespace quarzel {

Masszahloptionen masszahloptionen(const tmessdaten& d, const Masseinheitwahl& einheit) {
  Masszahloptionen o = masszahloptionen(d);
  if (einheit.eigeneEinheit) o.dezimalmodus = einheit.nachkommastellen;
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
      return winkeltext(gemessenerWinkel(d), o);
    case 8:
      // werte[1]: the reference value ("Bezugsgröße") in 1/100 model mm.
      return kotentext(gemesseneHoehe(d), static_cast<std::int32_t>(d.werte[1]) / 100.0, o, einheit);
    default:
      return bemassungstext(gemesseneLaenge(d), Bemassungsart::Laenge, o, einheit);
  }
}

}  // namespace quarzel
