#include "macro/quelltextdatei.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <new>
#include <system_error>

#include "base/sicheredatei.h"
#include "base/textkodierung.h"
#include "macro/quellzeilen.h"
#include "macro/schreibweise.h"

namespace quarzel {

namespace fs = std::filesystem;

namespace {

// The old file gets a second name beside its backup before the new file is
// renamed over it; only once the new file is complete does that name become
// the backup. A hard link costs nothing; without one the file is copied.
std::optional<fs::path> haltAltenStandFest(const fs::path& ziel, const fs::path& sicherung) {
  fs::path zwischen = sicherung;
  zwischen += ".tmp" + std::to_string(::getpid());
  std::error_code ec;
  fs::remove(zwischen, ec);
  if (::linkat(AT_FDCWD, ziel.c_str(), AT_FDCWD, zwischen.c_str(), AT_SYMLINK_FOLLOW) == 0) return zwischen;
  if (fs::copy_file(ziel, zwischen, fs::copy_options::overwrite_existing, ec) && !ec) return zwischen;
  fs::remove(zwischen, ec);
  return std::nullopt;
}

// The text as the file holds it: UTF-8 lines, each ended by "\n".
std::string dateiinhalt(std::string_view text) {
  std::string inhalt;
  inhalt.reserve(text.size() + 1);
  for (const std::string& zeile : teileInZeilen(alsUtf8(text))) inhalt.append(zeile).push_back('\n');
  return inhalt;
}

}  // namespace

Quelltextergebnis leseQuelltext(const fs::path& pfad) {
  Quelltextergebnis ergebnis;
  Leseergebnis gelesen = leseDateiBegrenzt(pfad, HoechsteQuelltextgroesse);
  switch (gelesen.status) {
    case Lesestatus::Fehlt:
      ergebnis.status = Quelltextstatus::Fehlt;
      return ergebnis;
    case Lesestatus::Unlesbar:
      ergebnis.status = Quelltextstatus::Unlesbar;
      return ergebnis;
    case Lesestatus::Abgeschnitten:
      ergebnis.status = Quelltextstatus::ZuGross;
      return ergebnis;
    case Lesestatus::Gelesen:
      break;
  }
  const std::string utf8 = textdateiNachUtf8(gelesen.inhalt);
  gelesen.inhalt.clear();
  gelesen.inhalt.shrink_to_fit();
  const std::vector<std::string> zeilen = teileInZeilen(utf8);
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    if (i > 0) ergebnis.text.push_back('\n');
    ergebnis.text.append(zeilen[i]);
  }
  ergebnis.status = Quelltextstatus::Gelesen;
  return ergebnis;
}

std::string meldungQuelltext(Quelltextstatus status, const std::string& name) {
  switch (status) {
    case Quelltextstatus::Gelesen:
      return {};
    case Quelltextstatus::Fehlt:
      return "Die Datei " + name + " wurde nicht gefunden.";
    case Quelltextstatus::Unlesbar:
      return "Die Datei " + name + " konnte nicht gelesen werden.";
    case Quelltextstatus::ZuGross:
      return "Die Datei " + name + " ist zu groß für einen Quelltext.";
  }
  return {};
}

std::string mitQuelltextendung(std::string_view name) {
  std::string n(name);
  if (n.size() < Quelltextendung.size() ||
      !gleichInKleinschrift(std::string_view(n).substr(n.size() - Quelltextendung.size()), Quelltextendung)) {
    n.append(Quelltextendung);
  }
  return n;
}

bool speichereQuelltext(const fs::path& pfad, std::string_view text, std::string* fehler) {
  std::error_code ec;
  fs::path sicherung = pfad;
  sicherung.replace_extension(Quelltextsicherungsendung);
  std::optional<fs::path> alterStand;
  bool geschrieben = false;
  try {
    const std::string inhalt = dateiinhalt(text);
    if (fs::is_regular_file(pfad, ec)) alterStand = haltAltenStandFest(pfad, sicherung);
    geschrieben = schreibeDateiAtomar(pfad, inhalt, fehler);
  } catch (const std::bad_alloc&) {
    if (fehler) *fehler = "Zu wenig Arbeitsspeicher";
  }
  if (!geschrieben) {
    if (alterStand) fs::remove(*alterStand, ec);
    return false;
  }
  // rename replaces an older backup in one step.
  if (alterStand) {
    fs::rename(*alterStand, sicherung, ec);
    if (ec) fs::remove(*alterStand, ec);
  }
  return true;
}

std::string autosavenameQuelltext(int reiter) {
  return "Source_" + std::to_string(reiter) + "_autosave.psq";
}

std::optional<fs::path> autosaveordnerQuelltext(std::string_view makroordner, const Umgebung& umgebung) {
  if (!makroordner.empty()) return fs::path(makroordner);
  return benutzerordner(umgebung);
}

std::vector<Quelltextsicherung> sichereQuelltexteAutomatisch(std::span<const std::string> quelltexte,
                                                             const fs::path& ordner) {
  std::vector<Quelltextsicherung> ergebnis;
  const std::size_t anzahl = std::min<std::size_t>(quelltexte.size(), HoechsteQuelltextreiter);
  for (std::size_t i = 0; i < anzahl; ++i) {
    // Counting stops at two lines: a huge source need not be split for that.
    const std::string_view text = quelltexte[i];
    const std::size_t umbruch = text.find_first_of("\r\n");
    const std::size_t naechste =
        umbruch == std::string_view::npos
            ? umbruch
            : umbruch + ((text[umbruch] == '\r' && umbruch + 1 < text.size() && text[umbruch + 1] == '\n') ? 2 : 1);
    if (naechste == std::string_view::npos || naechste >= text.size()) continue;

    Quelltextsicherung s;
    s.reiter = static_cast<int>(i) + 1;
    s.pfad = ordner / autosavenameQuelltext(s.reiter);
    s.gespeichert = speichereQuelltext(s.pfad, text, &s.fehler);
    ergebnis.push_back(std::move(s));
  }
  return ergebnis;
}

}  // namespace quarzel
