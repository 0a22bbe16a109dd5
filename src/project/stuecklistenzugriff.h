// Stuecklistenzugriff: the bill of materials as macro words use it. One
// object lives for a macro run: it remembers the data mask chosen last
// (SETMASK) and the list made last (CREATESYMLIST), which GETLISTINFO reads.
//
// Every call answers with the error of the run (codes 14 … 19 of
// macro/makrofehler.h) or its result; nothing here talks to the user.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "macro/makromelder.h"
#include "project/stueckliste.h"

namespace quarzel {

struct Listenantwort {
  std::string wert;
  std::optional<Makrofehlerfall> fehler;
};

class Stuecklistenzugriff {
 public:
  // The column GETLISTINFO names with this word is the name column.
  static constexpr std::string_view Symbolspalte = "SYMBOLNAME";

  explicit Stuecklistenzugriff(Umgebung umgebung = prozessUmgebung());

  // CREATEMASK: writes "MASK_<name>.ini" into the user's mask folder with the
  // headings l1 … l10 (missing ones empty, more than ten are an error).
  // Error 5 (UngueltigerParameter, X = name) when the name is empty, holds a
  // path separator, or the file cannot be written.
  std::optional<Makrofehlerfall> erzeugeMaske(std::string_view name, std::span<const std::string> ueberschriften);

  // SETMASK: the list CREATESYMLIST makes without a name of its own: "Alle
  // Symbole", "Alle benannten Gruppen" or a mask. Error 14 (X = name) when no
  // mask of that name exists; the choice then stays as it was.
  std::optional<Makrofehlerfall> waehleMaske(const Zeichnung& zeichnung, std::string_view name);
  const std::string& gewaehlteMaske() const { return maske_; }

  // SETSYMMASK: writes the mask's name as "Mask" into the information file of
  // the symbol `symbol` ("Wanne.QZS" or a path), so the symbol's values fill
  // that mask's columns. Error 14 when the mask does not exist, 5 when the
  // file cannot be written.
  std::optional<Makrofehlerfall> setzeSymbolmaske(const Zeichnung& zeichnung, std::string_view symbol,
                                                  std::string_view maske);

  // SETSYMINFO / GETSYMINFO: the value "e<feld>" (feld 1 … 10) of a symbol's
  // information file; reading also finds the copy the drawing carries and
  // answers "" without a file. Error 5 (X = feld) for another field number,
  // 5 (X = symbol) when the file cannot be written.
  std::optional<Makrofehlerfall> setzeSymbolwert(const Zeichnung& zeichnung, std::string_view symbol, int feld,
                                                 std::string_view wert);
  Listenantwort symbolwert(const Zeichnung& zeichnung, std::string_view symbol, int feld) const;

  // CREATESYMLIST: counts the drawing's symbols for the list `name` (empty:
  // the chosen mask) and keeps the list. The value is the number of entries.
  // Error 15 (X = name) when there is no such list.
  Listenantwort erzeugeListe(const Zeichnung& zeichnung, std::string_view name, bool nurSichtbare = false);

  // GETLISTINFO: one cell of the kept list. `eintrag` names the row: the
  // entry's name as listed ("Wanne.QZS"), or its number 1 … n. `spalte` names
  // the column: "SYMBOLNAME" (the name column), a heading as shown ("Anzahl",
  // "Preis" …), or a column number 0 … 11.
  // Errors: 16 without a list, 19 when the list is empty, 17 (X = eintrag)
  // for an unknown name, 18 (X = eintrag or spalte) for a number out of range
  // or an unknown column.
  Listenantwort listeninfo(std::string_view eintrag, std::string_view spalte) const;

  // The list CREATESYMLIST made last.
  const std::optional<Stueckliste>& liste() const { return liste_; }

 private:
  Umgebung umgebung_;
  std::string maske_{kAlleSymbole};
  std::optional<Stueckliste> liste_;
};

}  // namespace quarzel
