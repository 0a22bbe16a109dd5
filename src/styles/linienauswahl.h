// The list "Verfügbare Linienstile": which line styles the style pickers of
// the main window offer, and its file "Linien2.dat":
//   "QZLA", the number of entries, then one line per entry, "1" offered, "0" not.
// The list holds, in this order, the standard group (1..11, 41, 42, the
// cosmetic styles 51..55 and 61..65), the complex user patterns (12..31), the
// simple user patterns (71..90) and the predefined partner-format patterns
// (91..124).
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarzel {

class Linienstilauswahl {
 public:
  enum class Gruppe { Standard, Komplexe, Einfache, Partner };

  // Style numbers in list order.
  static std::span<const int> liste();
  static Gruppe gruppe(int style);

  Linienstilauswahl();  // everything offered

  // Styles not in the list are never offered.
  bool angeboten(int style) const;
  void setze(int style, bool an);
  void setzeAlle(bool an);
  void setzeGruppe(Gruppe g, bool an);
  // The offered styles in list order, as the pickers show them.
  std::vector<int> angeboteneStile() const;

  bool operator==(const Linienstilauswahl&) const = default;

 private:
  std::vector<bool> an_;
};

// Reads the file's text. Without "QZLA" in the first line nothing changes
// (false). Entries go to the list in order; a file with fewer entries leaves
// the rest as they are, surplus entries and lines other than "0" and "1" are
// ignored.
bool leseLinien2(std::string_view text, Linienstilauswahl& auswahl);
bool ladeLinien2(const std::filesystem::path& pfad, Linienstilauswahl& auswahl);
std::string schreibeLinien2(const Linienstilauswahl& auswahl);
bool speichereLinien2(const std::filesystem::path& pfad, const Linienstilauswahl& auswahl,
                      std::string* fehler = nullptr);

}  // namespace quarzel
