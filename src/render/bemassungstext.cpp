#include "render/bemassungstext.h"

#include <cfenv>
#include <cmath>
#include <cstdio>

#include "store/ebenen.h"
#include "view/ansicht.h"
#include "view/einheiten.h"

namespace quarzel {

Masseinheitwahl einheitFuerEbene(const Ansicht& ansicht, const Ebenen& ebenen, int ebene) {
  Masseinheitwahl e;
  if (const Masseinheit* m = einheitNachCode(ansicht.unitCode)) {
    e.name = m->name;
  }
  e.faktor = ansicht.unitFactor;
  e.nachkommastellen = ansicht.displayDecimals;
  e.massstab = ansicht.drawingScale;
  if (ebene >= 1 && ebene <= 250) {
    const Ebeneneinheit eigene = entpackeEinheit(ebenen.einheit(ebene));
    if (eigene.code != 0) {
      if (const Masseinheit* m = einheitNachRadioIndex(eigene.code - 1)) {
        e.faktor = m->faktor;
        e.name = m->name;
        e.nachkommastellen = eigene.nachkommastellen;
        e.anzeigen = eigene.anzeigen;
        e.eigeneEinheit = true;
      }
    }
    const double s = ebenen.massstab(ebene);
    if (std::isfinite(s) && s > 0) e.massstab = s;
  }
  if (!std::isfinite(e.faktor) || e.faktor <= 0) e.faktor = 0.001;
  if (!std::isfinite(e.massstab) || e.massstab <= 0) e.massstab = 1;
  return e;
}

std::string masszahl(double wert, int dezimalen, bool keineNullen) {
  if (dezimalen < 0 || dezimalen > 3) dezimalen = 2;
  if (!std::isfinite(wert) || std::fabs(wert) > 1e14) return "?";
  // The value is carried as 1/10000 units, then rounded to the decimals;
  // nearbyint rounds ties to even in the default rounding mode.
  const double zehntausendstel = std::nearbyint(wert * 10000);
  const double p = std::pow(10.0, dezimalen);
  const double gerundet = std::nearbyint(zehntausendstel / 10000 * p) / p;
  char puffer[64];
  std::snprintf(puffer, sizeof puffer, "%.*f", dezimalen, gerundet == 0 ? 0.0 : gerundet);
  std::string s = puffer;
  if (keineNullen && s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  for (char& c : s)
    if (c == '.') c = ',';
  return s;
}

std::string bemassungstext(double laengeMm, Bemassungsart art, const Masszahloptionen& o, const Masseinheitwahl& e) {
  const int dezimalen = o.dezimalmodus == 4 ? 2 : o.dezimalmodus;
  std::string text = masszahl(laengeMm * e.faktor * e.massstab, dezimalen, o.keineNullen);
  if (o.einheitAnzeigen || e.anzeigen) text += " " + std::string(e.name);
  // Each prefix goes in front of what is there so far.
  if (art == Bemassungsart::Radius && o.zeichenR) text = "R" + text;
  if (art == Bemassungsart::Durchmesser && o.zeichenD) text = "D" + text;
  if (art == Bemassungsart::Durchmesser && o.zeichenDurchmesser) text = "Ø" + text;
  if (o.zeichenM) text = "M" + text;
  if (o.zeichenTilde) text = "~" + text;
  if (!o.vortext.empty()) text = o.vortext + " " + text;
  text += o.nachtext;
  return text;
}

}  // namespace quarzel
