// Makrostueckliste: what the bill-of-materials words of a macro need from
// the bill of materials, which lives above the macro language (project/).
// The program hands an implementation to `Makrointeraktionsumfeld`.
//
//   name felder CREATEMASK       data mask `name`, its headings `felder`
//                                separated by ";" (up to ten)
//   name SETMASK                 the mask of the next CREATESYMLIST; error 14
//   symbol name SETSYMMASK       symbol file `symbol` belongs to mask `name`; error 14
//   symbol feld wert SETSYMINFO  attribute `feld` (1…10) of the symbol file
//   symbol feld GETSYMINFO → wert
//   name CREATESYMLIST → n       counts the drawing's symbols by the chosen
//                                mask (start: "Alle Symbole"); n data rows;
//                                error 15 when it cannot be made
//   zeile feld GETLISTINFO → wert   row `zeile` (from 1) of the list, column
//                                `feld`: "SYMBOLNAME", "ANZAHL" or a heading
//                                of the mask; errors 16 (no list), 19 (no
//                                rows), 17 (no such column), 18 (no such row)
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quarzel {

// A bill of materials as the macro reads it.
struct Makroliste {
  std::vector<std::string> ueberschriften;  // the mask's ten headings ("" unused)
  struct Zeile {
    int anzahl = 0;
    std::string name;                // the symbol's file name
    std::vector<std::string> werte;  // e1 … e10
  };
  std::vector<Zeile> zeilen;
};

class Makrostueckliste {
 public:
  virtual ~Makrostueckliste() = default;
  // False when the mask file could not be written.
  virtual bool legeMaskeAn(const std::string& name, const std::vector<std::string>& ueberschriften) = 0;
  // "Alle Symbole", "Alle benannten Gruppen" and every mask file.
  virtual bool maskeVorhanden(const std::string& name) const = 0;
  virtual bool setzeSymbolmaske(const std::string& symbol, const std::string& maske) = 0;
  // feld 1…10; false when the attribute file could not be written.
  virtual bool setzeSymbolinfo(const std::string& symbol, int feld, const std::string& wert) = 0;
  virtual std::string symbolinfo(const std::string& symbol, int feld) const = 0;
  // The list of the open drawing by mask `maske`; nullopt when it cannot be made.
  virtual std::optional<Makroliste> erzeugeListe(const std::string& maske) = 0;
};

}  // namespace quarzel
