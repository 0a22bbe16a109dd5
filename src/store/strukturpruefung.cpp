#include "store/strukturpruefung.h"

#include <filesystem>

namespace quarzel {

Strukturbefund pruefeStruktur(const Elementspeicher& speicher,
                              const std::function<bool(std::uint8_t)>& ebeneExistiert) {
  int tiefe = 0;
  bool fehlendeEbene = false;
  for (std::int32_t n = 1; n <= speicher.anzahl(); ++n) {
    if (!speicher.lebendig(n)) continue;
    const Elementart a = speicher.art(n);
    if (a == Elementart::Gruppenanfang) ++tiefe;
    if (a == Elementart::Gruppenende && --tiefe < 0) return Strukturbefund::Gruppenstruktur;
    if (!fehlendeEbene && !ebeneExistiert(speicher.planteil(n))) fehlendeEbene = true;
  }
  if (tiefe != 0) return Strukturbefund::Gruppenstruktur;
  return fehlendeEbene ? Strukturbefund::FehlendeEbene : Strukturbefund::InOrdnung;
}

std::string notsicherungspfad(const std::string& dateiname, const std::string& ersatzordner) {
  namespace fs = std::filesystem;
  fs::path ordner = dateiname.empty() ? fs::path(ersatzordner) : fs::path(dateiname).parent_path();
  return (ordner / "Notsicherung.qzz").string();
}

bool Strukturwaechter::pruefe(const Elementspeicher& speicher, const std::function<bool(std::uint8_t)>& ebeneExistiert,
                              const std::string& pfad, Benutzer& benutzer, std::string& statustext) {
  if (speicher.bereinigungLaeuft() || speicher.anzahl() == 0) return false;
  const Strukturbefund befund = pruefeStruktur(speicher, ebeneExistiert);
  if (befund == Strukturbefund::InOrdnung) return false;

  const bool gruppen = befund == Strukturbefund::Gruppenstruktur;
  if (!gemeldet_) {
    gemeldet_ = true;
    benutzer.meldung(gruppen ? "Die Gruppenstruktur der Zeichnung ist defekt! Die Zeichnung wird unter " + pfad +
                                   " gespeichert und das Programm beendet"
                             : "Es liegen Objekte auf nicht vorhandener Ebene! Die Zeichnung wird unter " + pfad +
                                   " gespeichert und das Programm beendet",
                     Meldungsart::Fehler);
  }
  if (notsicherung) notsicherung(pfad);
  statustext = gruppen ? "Störung: Gruppenstruktur defekt" : "Störung: Objekte auf nicht vorhandenem Planteil";
  return true;
}

bool Strukturwaechter::pruefeGedrosselt(std::uint32_t jetzt, const Elementspeicher& speicher,
                                        const std::function<bool(std::uint8_t)>& ebeneExistiert,
                                        const std::string& pfad, Benutzer& benutzer, std::string& statustext) {
  // Unsigned difference: correct across the wrap of the tick counter.
  if (schonGeprueft_ && jetzt - letztePruefung_ < Abstand) return false;
  schonGeprueft_ = true;
  letztePruefung_ = jetzt;
  return pruefe(speicher, ebeneExistiert, pfad, benutzer, statustext);
}

void meldeSystemfehler(Benutzer& benutzer, const std::string& pfad) {
  benutzer.meldung("Schwerwiegender Systemfehler! Der Plan wird unter " + pfad + " gespeichert und das Programm beendet!",
                   Meldungsart::Fehler);
}

}  // namespace quarzel
