// Makrostueckliste: what the bill-of-materials words of a macro need from
// the bill of materials, which lives above the macro language (project/).
// The program hands an implementation to `Makrointeraktionsumfeld`; it keeps
// the mask chosen last and the list made last for the run.
//
//   name felder CREATEMASK          data mask `name` with the headings `felder`,
//                                   separated by ";" (up to ten)
//   name SETMASK                    the list the next CREATESYMLIST makes:
//                                   "Alle Symbole", "Alle benannten Gruppen" or
//                                   a mask; error 14 when there is none such
//   symbol name SETSYMMASK          symbol file `symbol` fills mask `name`; error 14
//   symbol feld wert SETSYMINFO     attribute `feld` (1…10) of the symbol file
//   symbol feld GETSYMINFO → wert
//   name CREATESYMLIST → n          counts the drawing's symbols for list `name`
//                                   ("": the chosen mask); n entries; error 15
//   eintrag spalte GETLISTINFO → wert   a cell of that list: the row by the
//                                   symbol's name or its number 1…n, the column
//                                   "SYMBOLNAME", a heading or 0…11; errors 16
//                                   (no list), 19 (empty), 17, 18
// Errors come back with their code and X; the words only pass them on.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "macro/makromelder.h"

namespace quarzel {

struct Makrolistenantwort {
  std::string wert;
  std::optional<Makrofehlerfall> fehler;
};

class Makrostueckliste {
 public:
  virtual ~Makrostueckliste() = default;
  virtual std::optional<Makrofehlerfall> erzeugeMaske(const std::string& name,
                                                      const std::vector<std::string>& ueberschriften) = 0;
  virtual std::optional<Makrofehlerfall> waehleMaske(const std::string& name) = 0;
  virtual std::optional<Makrofehlerfall> setzeSymbolmaske(const std::string& symbol, const std::string& maske) = 0;
  // feld 1…10.
  virtual std::optional<Makrofehlerfall> setzeSymbolinfo(const std::string& symbol, int feld,
                                                         const std::string& wert) = 0;
  virtual Makrolistenantwort symbolinfo(const std::string& symbol, int feld) = 0;
  virtual Makrolistenantwort erzeugeListe(const std::string& name) = 0;
  virtual Makrolistenantwort listeninfo(const std::string& eintrag, const std::string& spalte) = 0;
};

}  // namespace quarzel
