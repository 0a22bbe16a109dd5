// The recent-files list of the file menu: the six drawing files opened or
// saved last, newest first, kept in the configuration file's section
// "Dateien" ("Datei1".."Datei6").
//
// File names are compared without regard to case, so "Plan.QZZ" and
// "plan.qzz" are one entry: the program's extensions are written in capitals
// while users type them either way, and the list must not fill up with
// spellings of one file.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "settings/einstellungen_dateien.h"
#include "base/inidatei.h"

namespace quarzel {

class Konfiguration;

// Equal apart from case: ASCII letters and the accented Latin letters
// (Ä/ä, Ö/ö, Ü/ü, É/é, ...) in UTF-8.
bool gleichOhneGross(std::string_view a, std::string_view b);

class ZuletztGeoeffnet {
 public:
  static constexpr int Anzahl = einstellung::Dateien::kAnzahl;

  ZuletztGeoeffnet() = default;
  explicit ZuletztGeoeffnet(const einstellung::Dateien& abschnitt) : eintraege_(abschnitt.datei) {}

  // Moves a name to the first place. A name already in the list leaves its
  // place and the entries above it move down by one; otherwise every entry
  // moves down and the sixth drops out. An empty name changes nothing.
  void nimmAuf(const std::string& pfad);

  // The non-empty entries, newest first: what the menu shows.
  std::vector<std::string> angezeigt() const;
  // All six places as stored, empty ones included.
  const std::array<std::string, Anzahl>& eintraege() const { return eintraege_; }

  einstellung::Dateien alsAbschnitt() const;
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;

 private:
  std::array<std::string, Anzahl> eintraege_;
};

// After opening or saving: reads the list from the configuration file anew
// (another window may have changed it), takes up the name and writes the
// section back. Returns the list as it now is, for the menu.
ZuletztGeoeffnet merkeZuletztGeoeffnet(Konfiguration& konfiguration, const std::string& pfad);

}  // namespace quarzel
