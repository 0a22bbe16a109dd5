#include "store/ansichtsverwaltung.h"

#include <algorithm>

#include "store/ebenenoperationen.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

bool istNutzerslot(int slot) {
  return slot >= 1 && slot < Ansichtstabelle::Slotzahl;
}

}  // namespace

Ansichtsdaten momentaufnahme(const Zeichnung& z, const Elementschalter& schalter) {
  Ansichtsdaten d = Ansichtsdaten::ausEbenen(z.ebenen);
  d.ursprungX = z.ansicht.viewOriginX;
  d.ursprungY = z.ansicht.viewOriginY;
  d.faktor = z.ansicht.zoom;
  d.schalter = schalter;
  // Nothing in this program feeds the two window bytes; 1 is what the first
  // one holds when its source is not set.
  d.weitere = {1, 0};
  return d;
}

Elementschalter stelleHer(Zeichnung& z, const Ansichtsdaten& d, bool ausschnittBeibehalten) {
  d.wendeAn(z.ebenen);
  uebernimmAktive(z);
  // A record from a file may hold any numbers; an impossible view leaves the
  // section where it is.
  if (!ausschnittBeibehalten) z.ansicht.setzeSicht(d.faktor, d.ursprungX, d.ursprungY);
  Elementschalter schalter = d.schalter;
  for (std::uint8_t& s : schalter) s = s != 0 ? 1 : 0;
  return schalter;
}

bool definiereAnsicht(Zeichnung& z, int slot, const Elementschalter& schalter) {
  if (!istNutzerslot(slot)) return false;
  z.ansichten.definiere(slot, momentaufnahme(z, schalter));
  z.speicher.setzeModifiziert(true);
  return true;
}

bool zeigeAnsicht(Zeichnung& z, int slot, Elementschalter& schalter, bool ausschnittBeibehalten) {
  Ansichtstabelle& t = z.ansichten;
  if (slot == 0) {
    if (!t.originalGemerkt()) {
      t.setzeGezeigt(0, false);
      return false;
    }
    schalter = stelleHer(z, t.slot(0)->daten, ausschnittBeibehalten);
    t.setzeGezeigt(0, false);
    return true;
  }
  if (!t.definiert(slot)) return false;
  if (!t.originalGemerkt()) t.slot(0)->daten = momentaufnahme(z, schalter);
  schalter = stelleHer(z, t.slot(slot)->daten, ausschnittBeibehalten);
  t.setzeGezeigt(slot, true);
  return true;
}

bool benenneAnsichtUm(Zeichnung& z, int slot, std::string name) {
  if (!z.ansichten.definiert(slot) || name.empty()) return false;
  z.ansichten.slot(slot)->name = std::move(name);
  z.speicher.setzeModifiziert(true);
  return true;
}

bool loescheAnsicht(Zeichnung& z, int slot) {
  if (!z.ansichten.definiert(slot)) return false;
  z.ansichten.loesche(slot);
  z.speicher.setzeModifiziert(true);
  return true;
}

int verschiebeAnsicht(Zeichnung& z, int slot, int zeilen) {
  if (!istNutzerslot(slot)) return slot;
  const int ziel = std::clamp(slot + zeilen, 1, Ansichtstabelle::Slotzahl - 1);
  if (ziel == slot) return slot;
  // Moving two empty rows changes nothing that is saved.
  if (z.ansichten.definiert(slot) || z.ansichten.definiert(ziel)) z.speicher.setzeModifiziert(true);
  z.ansichten.tausche(slot, ziel);
  return ziel;
}

std::vector<Ansichtseintrag> ansichtsliste(const Ansichtstabelle& t) {
  std::vector<Ansichtseintrag> liste;
  for (int n = 1; n < Ansichtstabelle::Slotzahl; ++n) {
    if (!t.definiert(n)) continue;
    if (liste.empty()) liste.push_back({0, FreieAnsicht});
    liste.push_back({n, t.slot(n)->name});
  }
  return liste;
}

}  // namespace quarzel
