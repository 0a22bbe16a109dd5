#include "store/autosicherung.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quarzel {

std::uint32_t autosaveabstand(const einstellung::Speichern& einstellungen) {
  return einstellungen.alle > 0 ? std::uint32_t(einstellungen.alle) : StandardAutosaveabstand;
}

bool autosaveAufraeumen(const Zeichnung& zeichnung, const einstellung::Speichern& einstellungen, bool programmende) {
  if (!einstellungen.autosaveLoeschen || einstellungen.beiProgrammende != programmende) return false;
  if (zeichnung.dateiname.empty() || zeichnung.speicher.modifiziert()) return false;
  namespace fs = std::filesystem;
  const fs::path kopie = autosavename(zeichnung.dateiname, einstellungen);
  std::error_code ec;
  return fs::is_regular_file(kopie, ec) && fs::remove(kopie, ec);
}

Autosicherung::Ergebnis Autosicherung::tick(std::uint32_t jetzt, Zeichnung& zeichnung,
                                            const einstellung::Speichern& einstellungen, bool normalerZustand,
                                            Benutzer& benutzer) {
  if (beschaeftigt_ || !einstellungen.automatischSpeichern || !normalerZustand) return Ergebnis::NichtFaellig;
  if (!autosaveFaellig(jetzt, letzteSicherung_, autosaveabstand(einstellungen))) return Ergebnis::NichtFaellig;
  if (!zeichnung.speicher.modifiziert()) return Ergebnis::NichtFaellig;

  const bool warModifiziert = zeichnung.speicher.modifiziert();
  // Cleared again on every way out, also when saving throws.
  struct Flags {
    Autosicherung& a;
    Zeichnung& z;
    bool modifiziert;
    ~Flags() {
      z.speicher.setzeModifiziert(modifiziert);
      a.beschaeftigt_ = false;
      a.automatisch_ = false;
    }
  } flags{*this, zeichnung, warModifiziert};
  beschaeftigt_ = true;
  automatisch_ = true;
  letzteSicherung_ = jetzt;

  std::string name = zeichnung.dateiname;
  if (name.empty()) {
    const std::optional<std::string> gewaehlt =
        benutzer.dateiSpeichern(TitelAutomatischesSpeichern, Zeichnungsfilter, "");
    if (!gewaehlt || gewaehlt->empty()) return Ergebnis::OhneNamen;
    name = *gewaehlt;
  }
  const Speicherergebnis e = speichereZeichnung(zeichnung, name, einstellungen, benutzer, Speicherart::Automatisch);
  if (!e.dateiGeschrieben()) return Ergebnis::Fehlgeschlagen;
  // The user named the drawing in the dialog: the next save by the user goes
  // there without asking, and the next automatic save does not ask again.
  if (zeichnung.dateiname.empty()) zeichnung.dateiname = mitZeichnungsendung(name);
  return Ergebnis::Gespeichert;
}

}  // namespace quarzel
