// Datenmasken: which attributes a bill of materials shows. A data mask is a
// file "MASK_" + name + ".ini" in the folder "Datenmasken" below the program
// folder; its section "Eingabemaske" holds the column headings "l1" … "l10"
// of the attribute values "e1" … "e10" (store/symbolinformationen.h).
//
// Masks are read from the user's folder first, then from the shipped one; a
// drawing may carry masks of its own (records "v", Zeichnungsoptionen), which
// are offered when no folder holds a mask of that name, so a drawing passed on
// to another office keeps its lists.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/konfiguration.h"
#include "styles/eingebettetedatei.h"

namespace quarzel {

inline constexpr std::string_view kDatenmaskenordner = "Datenmasken";
inline constexpr std::string_view kMaskenabschnitt = "Eingabemaske";
// The two lists that need no mask file; they come first in the mask box.
inline constexpr std::string_view kAlleSymbole = "Alle Symbole";
inline constexpr std::string_view kAlleBenanntenGruppen = "Alle benannten Gruppen";

struct Datenmaske {
  static constexpr int Spalten = 10;
  std::string name;                                 // without "MASK_" and ".ini"
  std::array<std::string, Spalten> ueberschriften;  // "l1" … "l10"

  bool operator==(const Datenmaske&) const = default;
};

// "MASK_Moebel.ini" -> "Moebel"; std::nullopt for a name of another form
// ("MASK_" and ".ini" compared without regard to case).
std::optional<std::string> maskennameAusDatei(std::string_view dateiname);
// "Moebel" -> "MASK_Moebel.ini".
std::string maskendatei(std::string_view name);

// The entries of the mask box: the two lists above, then the masks of the
// user's folder, the shipped folder and the drawing (`mitgebracht`), each
// name once, the folders' sorted by name.
std::vector<std::string> datenmaskenauswahl(const std::vector<EingebetteteDatei>& mitgebracht,
                                            const Umgebung& umgebung = prozessUmgebung());

// The mask of that name, read as `datenmaskenauswahl` finds it; std::nullopt
// when there is none. A mask without its section has empty headings.
std::optional<Datenmaske> leseDatenmaske(std::string_view name, const std::vector<EingebetteteDatei>& mitgebracht,
                                         const Umgebung& umgebung = prozessUmgebung());

// Writes the mask into the user's folder. False with the reason in `fehler`.
bool speichereDatenmaske(const Datenmaske& maske, std::string* fehler = nullptr,
                         const Umgebung& umgebung = prozessUmgebung());

}  // namespace quarzel
