#include "ui/qt/ansichtendruck.h"

#include "render/ansichtsschalter.h"
#include "store/ansichtsverwaltung.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// Puts the state from before the print back, however the print ends.
class Zustandssicherung {
 public:
  Zustandssicherung(Zeichnung& z, const Elementschalter& schalter) : z_(z), vorher_(momentaufnahme(z, schalter)) {}
  ~Zustandssicherung() { stelleHer(z_, vorher_, true); }
  Zustandssicherung(const Zustandssicherung&) = delete;
  Zustandssicherung& operator=(const Zustandssicherung&) = delete;

 private:
  Zeichnung& z_;
  Ansichtsdaten vorher_;
};

}  // namespace

Ansichtendruckergebnis druckeAnsichten(Zeichnung& z, QPrinter& drucker, const Druckoptionen& optionen,
                                       std::span<const int> auswahl, Benutzer& benutzer) {
  Ansichtendruckergebnis ergebnis;
  const Zustandssicherung sicherung(z, elementschalterVon(optionen.schalter));
  Druckauftrag auftrag(drucker, benutzer, optionen.ausrichtungBehalten);
  for (const int slot : auswahl) {
    if (!z.ansichten.definiert(slot)) continue;
    Druckoptionen je = optionen;
    setzeElementschalter(je.schalter, stelleHer(z, z.ansichten.slot(slot)->daten, true));
    const Druckergebnis e = auftrag.drucke(z, je);
    if (e.gedruckt) ++ergebnis.ansichten;
    if (!e.fehler.empty()) {
      ergebnis.fehler = e.fehler;
      break;
    }
  }
  ergebnis.seiten = auftrag.seiten();
  if (!auftrag.beende() && ergebnis.fehler.empty() && ergebnis.seiten > 0)
    ergebnis.fehler = "Der Druckauftrag wurde vom Drucker nicht angenommen.";
  return ergebnis;
}

}  // namespace quarzel
