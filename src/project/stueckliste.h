// Stueckliste: the bill of materials of a drawing — how often each placed
// symbol (or each named group) occurs, with up to ten attributes per symbol
// chosen by a data mask (datenmasken.h).
//
// A placed symbol is a group whose name is the symbol's file name; a name
// whose upper-case form holds ".QZS" or ".DET" is a symbol. The list has 12
// columns: "Anzahl", the name ("Dateiname" or "Gruppenname"), and the values
// "e1" … "e10" under the mask's headings. A column whose heading is empty is
// neither shown nor saved.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/datenmasken.h"
#include "store/symbolinformationen.h"

namespace quarzel {

struct Zeichnung;

enum class Listenart : std::uint8_t {
  AlleSymbole,      // every symbol, no attributes
  BenannteGruppen,  // every named group; nested ones with "> "
  Maske,            // the symbols whose attribute file names the mask
};

struct Stuecklistenzeile {
  std::int64_t anzahl = 0;
  std::string name;
  std::array<std::string, Symbolattribute::Anzahl> werte;

  bool operator==(const Stuecklistenzeile&) const = default;
};

struct Stueckliste {
  static constexpr int Spalten = 12;
  std::string name;  // the entry of the mask box it was made for
  Listenart art = Listenart::AlleSymbole;
  std::array<std::string, Spalten> kopf;  // the heading row
  std::vector<Stuecklistenzeile> zeilen;

  // The columns whose heading is not empty, left to right.
  std::vector<int> sichtbareSpalten() const;
  // The rows as shown: the heading row, then the entries, or one empty row
  // when there are none.
  int zeilenzahl() const;
  // The text of a cell; row 0 is the heading row.
  std::string zelle(int zeile, int spalte) const;
};

// Whether a group name names a symbol file.
bool istSymbolname(std::string_view gruppenname);

// The heading row of a list of that kind: "Anzahl", "Dateiname" or
// "Gruppenname", then the mask's headings (empty without a mask).
std::array<std::string, Stueckliste::Spalten> listenkopf(Listenart art, const Datenmaske* maske);

// The attributes of a symbol (its group name), std::nullopt when it has no
// attribute file.
using Attributleser = std::function<std::optional<Symbolattribute>(const std::string& symbol)>;

// The copy of a symbol's information file the drawing carries (records
// "t"), or nullptr.
const EingebetteteDatei* mitgebrachteSymboldatei(const Zeichnung& zeichnung, const std::string& symbol);

// The symbol-information files: the user's, the shipped ones, then the
// copies the drawing carries (records "t").
Attributleser attributleserFuer(const Zeichnung& zeichnung, const Umgebung& umgebung = prozessUmgebung());

struct Listenauftrag {
  std::string name;  // the mask-box entry, the list's name
  Listenart art = Listenart::AlleSymbole;
  std::optional<Datenmaske> maske;  // for Listenart::Maske
  bool nurSichtbare = false;        // "nur sichtbare zählen"
};

// The list of a mask-box entry: the two fixed lists or a mask found with
// leseDatenmaske; std::nullopt when there is no mask of that name.
std::optional<Listenauftrag> listenauftrag(std::string_view eintrag, const Zeichnung& zeichnung,
                                           const Umgebung& umgebung = prozessUmgebung());

// Counts the drawing's alive elements in drawing order. Each attribute file
// is read once per call.
Stueckliste erzeugeStueckliste(const Zeichnung& zeichnung, const Listenauftrag& auftrag, const Attributleser& leser);

}  // namespace quarzel
