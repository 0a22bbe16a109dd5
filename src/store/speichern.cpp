#include "store/speichern.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <new>

#include "base/sicheredatei.h"
#include "store/zeichnungsdatei.h"

namespace quarzel {

namespace fs = std::filesystem;

namespace {

char grossbuchstabe(char c) {
  return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

bool endetAufOhneGross(std::string_view name, std::string_view endung) {
  if (name.size() < endung.size()) return false;
  const std::string_view ende = name.substr(name.size() - endung.size());
  return std::equal(ende.begin(), ende.end(), endung.begin(),
                    [](char a, char b) { return grossbuchstabe(a) == grossbuchstabe(b); });
}

std::string_view alsText(const std::vector<std::uint8_t>& daten) {
  return {reinterpret_cast<const char*>(daten.data()), daten.size()};
}

fs::path sicherungsname(const fs::path& ziel) {
  fs::path bak = ziel;
  bak.replace_extension(Sicherungsendung);
  return bak;
}

// The old file gets a second name beside its backup before the new file is
// renamed over it; only after the new file is complete does that name become
// the backup. A hard link costs nothing; a file system without them gets a copy.
std::optional<fs::path> haltAltenStandFest(const fs::path& ziel, const fs::path& bak) {
  fs::path zwischen = bak;
  zwischen += ".tmp" + std::to_string(::getpid());
  ::unlink(zwischen.c_str());
  // AT_SYMLINK_FOLLOW: for a link the backup must hold the drawing, not the link.
  if (::linkat(AT_FDCWD, ziel.c_str(), AT_FDCWD, zwischen.c_str(), AT_SYMLINK_FOLLOW) == 0) return zwischen;
  std::error_code ec;
  if (fs::copy_file(ziel, zwischen, fs::copy_options::overwrite_existing, ec) && !ec) return zwischen;
  fs::remove(zwischen, ec);
  return std::nullopt;
}

}  // namespace

std::string mitZeichnungsendung(const std::string& name) {
  return endetAufOhneGross(name, Zeichnungsendung) ? name : name + std::string(Zeichnungsendung);
}

std::optional<std::string> exportformat(const std::string& name) {
  static constexpr std::array<std::string_view, 5> Formate = {"DXF", "WMF", "PNG", "BMP", "PLA"};
  for (std::string_view f : Formate) {
    if (endetAufOhneGross(name, "." + std::string(f))) return std::string(f);
  }
  return std::nullopt;
}

std::string autosavename(const std::string& dateiname, const einstellung::Speichern& einstellungen) {
  const std::string voll = mitZeichnungsendung(dateiname);
  const std::size_t stammlaenge = voll.size() - Zeichnungsendung.size();
  // The extension keeps the spelling the drawing's name has.
  const fs::path datei = voll.substr(0, stammlaenge) + std::string(Autosavezusatz) + voll.substr(stammlaenge);
  if (einstellungen.autosaveverzeichnis && !einstellungen.autosavepfad.empty()) {
    return (fs::path(einstellungen.autosavepfad) / datei.filename()).string();
  }
  return datei.string();
}

std::string meldungErstellenFehlgeschlagen(const std::string& pfad) {
  return "Das Erstellen der Datei " + pfad + " ist fehlgeschlagen!";
}

std::string meldungUnvollstaendig(std::int32_t anzahl) {
  return "Speichern unvollständig: " + std::to_string(anzahl) + " Objekte konnten nicht gespeichert werden!\n" +
         "Eventuell ist der Datenträger voll oder es liegt ein anderes Problem vor.\n" +
         "Versuchen Sie die Zeichnung auf einem anderen Speichermedium zu sichern.";
}

Speicherergebnis speichereZeichnung(Zeichnung& zeichnung, const std::string& name,
                                    const einstellung::Speichern& einstellungen, Benutzer& benutzer, Speicherart art) {
  Speicherergebnis ergebnis;
  if (const auto format = exportformat(name)) {
    ergebnis.status = Speicherstatus::ExportNichtVerfuegbar;
    ergebnis.pfad = name;
    benutzer.meldung(
        "Der Export im Format " + *format + " ist noch nicht verfügbar. Die Zeichnung wurde nicht gespeichert.",
        Meldungsart::Warnung);
    return ergebnis;
  }
  const bool automatisch = art == Speicherart::Automatisch;
  ergebnis.pfad = automatisch ? autosavename(name, einstellungen) : mitZeichnungsendung(name);
  const fs::path ziel = ergebnis.pfad;
  std::error_code ec;
  if (automatisch && einstellungen.autosaveverzeichnis && !einstellungen.autosavepfad.empty()) {
    // A folder the user named but that is gone (a removed stick) is made anew;
    // if that fails, the write below reports it.
    fs::create_directories(ziel.parent_path(), ec);
  }

  benutzer.fortschritt("Zeichnung wird gespeichert", 0);
  Schreibergebnis geschrieben;
  bool erstellt = false;
  std::optional<fs::path> alterStand;
  const fs::path bak = sicherungsname(ziel);
  // The project data name the file they are saved in; a save that fails
  // leaves the name they had.
  std::string& projektdatei = zeichnung.projektdaten.werte[Projektwerte::ZeileDateiname];
  const std::string bisherigeProjektdatei = projektdatei;
  if (!automatisch) projektdatei = ziel.filename().string();
  try {
    geschrieben = schreibeZeichnung(zeichnung);
    if (einstellungen.sicherheitskopieAnlegen && fs::is_regular_file(ziel, ec))
      alterStand = haltAltenStandFest(ziel, bak);
    erstellt = schreibeDateiAtomar(ziel, alsText(geschrieben.daten));
  } catch (const std::bad_alloc&) {
    erstellt = false;
  }
  benutzer.fortschritt("", -1);

  if (!erstellt) {
    projektdatei = bisherigeProjektdatei;
    if (alterStand) fs::remove(*alterStand, ec);
    benutzer.meldung(meldungErstellenFehlgeschlagen(ergebnis.pfad), Meldungsart::Fehler);
    return ergebnis;
  }
  // rename replaces an older backup in one step, so there is never a moment
  // without one.
  if (alterStand && ::rename(alterStand->c_str(), bak.c_str()) != 0) fs::remove(*alterStand, ec);

  ergebnis.nichtGeschrieben = geschrieben.nichtGeschrieben;
  ergebnis.status = ergebnis.nichtGeschrieben > 0 ? Speicherstatus::Unvollstaendig : Speicherstatus::Gespeichert;
  if (ergebnis.status == Speicherstatus::Unvollstaendig) {
    benutzer.meldung(meldungUnvollstaendig(ergebnis.nichtGeschrieben), Meldungsart::Fehler);
  }
  if (!automatisch) {
    zeichnung.dateiname = ergebnis.pfad;
    // Elements are missing in the file, so closing must still ask.
    if (ergebnis.status == Speicherstatus::Gespeichert) zeichnung.speicher.setzeModifiziert(false);
  }
  return ergebnis;
}

bool schreibeNotsicherung(const Zeichnung& zeichnung, const std::string& pfad) noexcept {
  try {
    return schreibeDateiAtomar(pfad, alsText(schreibeZeichnung(zeichnung).daten));
  } catch (...) {
    // The program is ending because of a fatal error; there is nobody to
    // throw to.
    return false;
  }
}

std::function<bool(const std::string& pfad)> notsicherungFuer(const Zeichnung& zeichnung) {
  return [&zeichnung](const std::string& pfad) { return schreibeNotsicherung(zeichnung, pfad); };
}

}  // namespace quarzel
