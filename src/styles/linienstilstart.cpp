#include "styles/linienstilstart.h"

#include "styles/linienini.h"
#include "styles/tlmdatei.h"

namespace quarzel {

namespace {

bool schreibe(std::string_view name, std::string* fehler, const Umgebung& umgebung, auto&& speichern) {
  const auto pfad = schreibbareProgrammdatei(name, umgebung);
  if (!pfad) {
    if (fehler) *fehler = "Der Benutzerordner ist nicht verfügbar.";
    return false;
  }
  return speichern(*pfad, fehler);
}

}  // namespace

Linienstilstart ladeLinienstileBeimStart(Linienstiltabelle& tabelle, const Umgebung& umgebung) {
  Linienstilstart ergebnis;
  tabelle.setzeEinfacheVorgaben();
  tabelle.setzeKomplexeVorgaben();
  if (const auto pfad = findeProgrammdatei(kLinienIniName, umgebung)) {
    ergebnis.linienIni = ladeLinienIni(*pfad, tabelle);
  }
  if (const auto pfad = findeProgrammdatei(kStandardTlmName, umgebung)) {
    ergebnis.standardTlm = ladeTlm(*pfad, tabelle) != Tlmstatus::KeinMuster;
  }
  return ergebnis;
}

bool ladeVerfuegbareLinienstile(Linienstilauswahl& auswahl, const Umgebung& umgebung) {
  const auto pfad = findeProgrammdatei(kLinien2Name, umgebung);
  return pfad && ladeLinien2(*pfad, auswahl);
}

bool speichereStandardmuster(const Linienstiltabelle& tabelle, std::string* fehler, const Umgebung& umgebung) {
  return schreibe(kStandardTlmName, fehler, umgebung,
                  [&](const std::filesystem::path& p, std::string* f) { return speichereTlm(p, tabelle, f); });
}

bool speichereVerfuegbareLinienstile(const Linienstilauswahl& auswahl, std::string* fehler, const Umgebung& umgebung) {
  return schreibe(kLinien2Name, fehler, umgebung,
                  [&](const std::filesystem::path& p, std::string* f) { return speichereLinien2(p, auswahl, f); });
}

}  // namespace quarzel
