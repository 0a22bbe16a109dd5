#include "ui/window/strukturwache.h"

#include <QString>
#include <filesystem>

#include "settings/konfiguration.h"
#include "store/speichern.h"
#include "ui/window/sitzung.h"
#include "ui/window/statusleiste.h"

namespace quarzel {

Strukturwache::Strukturwache(Sitzung& sitzung, Statusleiste& status, std::function<void()> schliessen)
    : sitzung_(sitzung), status_(status), schliessen_(std::move(schliessen)) {}

void Strukturwache::pruefen() {
  // The automatic save holds the drawing in a half-written state meanwhile.
  if (sitzung_.autosicherung.beschaeftigt()) return;
  Zeichnung& z = sitzung_.zeichnung;
  waechter_.notsicherung = notsicherungFuer(z);
  // An unnamed drawing has no folder of its own: the one of the configuration
  // file keeps it, which is the user's and writable.
  std::filesystem::path ersatz = ".";
  if (const auto& ini = sitzung_.konfiguration.dateiname()) {
    ersatz = ini->parent_path();
  } else if (const auto ordner = benutzerordner()) {
    ersatz = *ordner;
  }
  const std::string pfad = notsicherungspfad(z.dateiname, ersatz.string());
  std::string statustext;
  const bool defekt = waechter_.pruefeGedrosselt(
      sitzung_.uhr.ticks(), z.speicher, [&z](std::uint8_t ebene) { return z.ebenen.existiert(ebene); }, pfad,
      sitzung_.benutzer, statustext);
  if (!defekt) return;
  status_.stoerung(QString::fromStdString(statustext));
  beendet_ = true;
  if (schliessen_) schliessen_();
}

}  // namespace quarzel
