// Makrovariablen: the variable table of a macro run.
//
// Names are case-insensitive; the table keeps the definition order (rows),
// which the debugging view and `\VAR EXCH` ("the last matching row") rely
// on, and a hash index from the lower-case name to the row. A new row keeps
// the name in lower case; redefining writes the name as given. Array
// elements are ordinary variables whose names hold the index ("a[3]"); the
// interpreter substitutes the index before the lookup.
//
// Every run starts with the 44 predefined variables in their fixed rows
// (`legeVordefinierteAn`), filled from the drawing through `Makroumgebung`.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quarzel {

// What the predefined variables are filled from at the start of a run.
struct Makroumgebung {
  double workb = 0, workh = 0;  // sheet size in macro units
  double paperleft = 0, paperright = 0, papertop = 0, paperbottom = 0;
  double massstab = 1;                     // scale in force (denominator)
  std::string einheit = "mm";              // unit name
  double umrfaktor = 1;                    // unit factor
  std::string progpath;                    // the program's directory
  int plred = 0, plgreen = 0, plblue = 0;  // line colour
  int prred = 0, prgreen = 0, prblue = 0;  // fill colour
};

// The rows of the predefined variables that words write to.
enum class Vordefiniert : std::size_t {
  Workb = 0,
  Workh = 1,
  Cursorx = 4,
  Cursory = 5,
  Mousebutton = 6,
  Paperleft = 7,
  Paperright = 8,
  Papertop = 9,
  Paperbottom = 10,
  Massstab = 11,
  Einheit = 12,
  Umrfaktor = 13,
  Linex1 = 14,
  Arcxm = 23,
  Progpath = 35,
  Plred = 36,
  Prred = 39,
  Fkey = 42,
  Subroutine = 43,
};
inline constexpr std::size_t AnzahlVordefinierte = 44;

class Makrovariablen {
 public:
  std::size_t anzahl() const { return zeilen_.size(); }
  bool leer() const { return zeilen_.empty(); }

  // Defines or overwrites `name`.
  void setze(std::string_view name, std::string wert);
  // The value of `name` in any case; nullptr when there is none. The pointer
  // stays valid until the next setze() or leere().
  const std::string* finde(std::string_view name) const;
  // As finde(), for a name already in lower case (the token's lower-case
  // form): no copy, one hash probe.
  const std::string* findeKlein(std::string_view kleinerName) const;

  // Row access in definition order (row < anzahl()).
  const std::string& name(std::size_t zeile) const { return zeilen_[zeile].name; }
  const std::string& wert(std::size_t zeile) const { return zeilen_[zeile].wert; }
  void setzeZeile(Vordefiniert zeile, std::string wert);
  const std::string& wert(Vordefiniert zeile) const { return zeilen_[static_cast<std::size_t>(zeile)].wert; }

  void leere();
  // Empties the table and creates the 44 predefined variables.
  void legeVordefinierteAn(const Makroumgebung& umgebung);

 private:
  struct Zeile {
    std::string name;
    std::string wert;
  };
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::vector<Zeile> zeilen_;
  std::unordered_map<std::string, std::size_t, Hash, std::equal_to<>> index_;  // lower-case name -> row
};

// The unit settings a unit word for `einheit` stands for ("mm", "cm", "m",
// "km", "inch", "feet", "yard", "miles", in any case); false for any other.
struct Makroeinheit {
  int code;
  double faktor;
  std::string_view name;
};
bool einheitswort(std::string_view wort, Makroeinheit& einheit);

}  // namespace quarzel
