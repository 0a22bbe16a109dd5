#include "view/ansichtstart.h"

#include <cmath>
#include <exception>
#include <string>

#include "view/einheiten.h"

namespace quarzel {

namespace {

constexpr std::int32_t weltgroesse = 10000;
constexpr std::int32_t standardBreite = 297;
constexpr std::int32_t standardHoehe = 210;
constexpr double standardMassstab = 100;
constexpr int standardEinheitIndex = 2;  // "m"
constexpr double nullpunktAbstand = 20;

bool weltUndBlatt(Ansicht& a, const Ansichtsvorgaben& v) {
  const std::int32_t breite = v.sheetWidth == 0 ? standardBreite : v.sheetWidth;
  const std::int32_t hoehe = v.sheetHeight == 0 ? standardHoehe : v.sheetHeight;
  if (breite < 0 || breite > weltgroesse || hoehe < 0 || hoehe > weltgroesse) return false;
  a.WorldWidth = weltgroesse;
  a.WorldHeight = weltgroesse;
  a.sheetWidth = breite;
  a.sheetHeight = hoehe;
  return true;
}

bool einheitUndMassstab(Ansicht& a, const Ansichtsvorgaben& v) {
  const double massstab = v.drawingScale == 0 ? standardMassstab : v.drawingScale;
  if (!(massstab > 0) || !std::isfinite(massstab)) return false;
  if (v.unitFactor == 0) {
    const Masseinheit& m = masseinheiten[standardEinheitIndex];
    a.unitCode = m.code;
    a.unitFactor = m.faktor;
    a.unitName = m.name;
  } else {
    if (!(v.unitFactor > 0) || !std::isfinite(v.unitFactor) || einheitNachCode(v.unitCode) == nullptr) return false;
    a.unitCode = static_cast<std::uint8_t>(v.unitCode);
    a.unitFactor = v.unitFactor;
    a.unitName = v.unitName;
  }
  a.drawingScale = massstab;
  return true;
}

bool blattZentrieren(Ansicht& a) {
  const double links = Ansicht::nearest(a.WorldWidth / 2.0 - a.sheetWidth / 2.0);
  const double oben = Ansicht::nearest(a.WorldHeight / 2.0 - a.sheetHeight / 2.0);
  if (links < 0 || oben < 0) return false;
  a.sheetLeft = static_cast<std::int32_t>(links);
  a.sheetTop = static_cast<std::int32_t>(oben);
  return true;
}

bool nullpunktSetzen(Ansicht& a) {
  a.zeroPoint = {a.sheetLeft + nullpunktAbstand, static_cast<double>(a.sheetTop) + a.sheetHeight - nullpunktAbstand};
  a.gridOrigin = a.zeroPoint;
  return true;
}

bool ganzesBlattZeigen(Ansicht& a) {
  a.zoom = 1.0;
  a.gesamtesBlatt();
  return a.zoom > 0 && std::isfinite(a.zoom);
}

// Runs one step; a refusal or any exception becomes the numbered message.
template <class Schritt>
void geschuetzt(int nummer, Benutzer& benutzer, Schritt&& schritt) {
  bool gelungen = false;
  try {
    gelungen = schritt();
  } catch (const std::exception&) {
    gelungen = false;
  }
  if (!gelungen) benutzer.meldung("Initialisierungsfehler " + std::to_string(nummer), Meldungsart::Fehler);
}

}  // namespace

void starteAnsicht(Ansicht& ansicht, const Ansichtsvorgaben& vorgaben, Benutzer& benutzer) {
  geschuetzt(1, benutzer, [&] { return weltUndBlatt(ansicht, vorgaben); });
  geschuetzt(2, benutzer, [&] { return einheitUndMassstab(ansicht, vorgaben); });
  geschuetzt(3, benutzer, [&] { return blattZentrieren(ansicht); });
  geschuetzt(4, benutzer, [&] { return nullpunktSetzen(ansicht); });
  geschuetzt(5, benutzer, [&] { return ganzesBlattZeigen(ansicht); });
}

}  // namespace quarzel
