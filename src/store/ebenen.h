// Ebenen: the layer (`planteil`) and sublayer (`folie`) tables of a drawing.
//
// At most 250 layers of at most 250 sublayers each. The tables have no gaps:
// layers 1..anzahl() exist, and the sublayers of a layer are 1..folienanzahl().
// Only existing entries are stored, so an ordinary drawing costs a few hundred
// bytes instead of 62,500 empty names.
//
// Layer display state (0..3, stepped 0 -> 1 -> 2 -> 3 -> 0 by "Sichtbarkeit
// wechseln") is two flags, so the cycle visits every combination once:
//   bit 0 (1) geschützt: shown, but no tool may select or change its elements
//   bit 1 (2) grau:      drawn in grey, as a background for the other layers
//   0 normal, 1 geschützt, 2 grau, 3 grau und geschützt.
// Hiding a layer is the job of the visibility mode and the visible flag.
//
// Sublayer state byte, bit flags (a new sublayer has 0):
//   bit 0 (1) ausgeblendet: not drawn, not selectable
//   bit 1 (2) geschützt:    drawn, not selectable or changeable
// Other bits are kept as read and mean nothing.
//
// Unit byte: 0 = the drawing unit; otherwise the low four bits are the unit
// code 1..8, plus 16/32/64 for one/two/three decimals, plus 128 when the unit
// is shown.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quarzel {

struct Ebeneneinheit {
  std::uint8_t code = 0;              // 0 = drawing unit; 1 "mm" ... 8 "Miles"
  std::uint8_t nachkommastellen = 0;  // 0..3
  bool anzeigen = false;              // "Einheit anzeigen"

  bool operator==(const Ebeneneinheit&) const = default;
};

std::uint8_t packeEinheit(Ebeneneinheit e);
// Unknown unit codes (9..15) fall back to the drawing unit.
Ebeneneinheit entpackeEinheit(std::uint8_t byte);
// "mm", "cm", "m", "km", "Inch", "Yard", "Feet", "Miles"; "" for anything else.
std::string_view einheitName(std::uint8_t code);

enum Anzeigezustand : std::uint8_t {
  AnzeigeGeschuetzt = 1,
  AnzeigeGrau = 2,
};
enum Folienzustand : std::uint8_t {
  FolieAusgeblendet = 1,
  FolieGeschuetzt = 2,
};

enum class Sichtbarkeitsmodus : std::uint8_t {
  NurAktive = 0,     // "Nur aktive Ebene sichtbar"
  Alle = 1,          // "Alle Ebenen sichtbar"
  Ausgewaehlte = 2,  // "Ausgewählte Ebenen sichtbar"
};

class Ebenen {
 public:
  static constexpr int Hoechstzahl = 250;

  // A fresh drawing: layer 1 "Ebene 1" with sublayer 1 "Unterebene 1", both
  // active, all layers visible.
  Ebenen();
  void setzeZurueck();
  // No layers at all: the state the drawing reader starts from. Queries stay
  // safe; the reader appends the layers it finds.
  void leere();

  static std::string standardname(int ebene) { return "Ebene " + std::to_string(ebene); }
  static std::string standardFolienname(int folie) { return "Unterebene " + std::to_string(folie); }

  // --- Structure ---------------------------------------------------------

  int anzahl() const { return static_cast<int>(ebenen_.size()); }
  bool existiert(int ebene) const { return ebene >= 1 && ebene <= anzahl(); }
  int folienanzahl(int ebene) const;
  bool folieExistiert(int ebene, int folie) const { return folie >= 1 && folie <= folienanzahl(ebene); }

  // Appends a layer (name "" gives the default name) with scale 0, the
  // drawing unit, visible flag 1, state 0, remembered sublayer 1 and no
  // sublayers. Returns its number, or 0 when all 250 exist.
  std::uint8_t fuegeEbeneAn(std::string name);
  // Appends a sublayer to an existing layer; 0 when the layer is missing or full.
  std::uint8_t fuegeFolieAn(int ebene, std::string name);

  // Removes layer n; the layers above move down by one. The active layer
  // stays on its number when that still exists, else the last layer.
  void entferneEbene(int ebene);
  void tauscheEbenen(int a, int b);
  // Removes sublayer n of a layer; those above move down; remembered and
  // active sublayers follow their sublayer.
  void entferneFolie(int ebene, int folie);
  void tauscheFolien(int ebene, int a, int b);

  // --- Per layer (reads of missing layers give neutral values) ----------

  const std::string& name(int ebene) const;
  void setzeName(int ebene, std::string name);  // "" keeps the old name
  // Denominator of "Maßstab 1:"; 0 = the layer follows the drawing scale.
  double massstab(int ebene) const;
  void setzeMassstab(int ebene, double m);
  std::uint8_t einheit(int ebene) const;
  void setzeEinheit(int ebene, std::uint8_t byte);
  std::uint8_t sichtbarFlag(int ebene) const;
  void setzeSichtbarFlag(int ebene, std::uint8_t flag);
  std::uint8_t anzeigezustand(int ebene) const;
  void setzeAnzeigezustand(int ebene, std::uint8_t zustand);  // reduced to 0..3
  std::uint8_t gemerkteFolie(int ebene) const;
  void setzeGemerkteFolie(int ebene, std::uint8_t folie);

  // --- Per sublayer --------------------------------------------------------

  const std::string& folienname(int ebene, int folie) const;
  void setzeFolienname(int ebene, int folie, std::string name);  // "" keeps the old name
  std::uint8_t folienzustand(int ebene, int folie) const;
  void setzeFolienzustand(int ebene, int folie, std::uint8_t zustand);

  // --- Active layer and sublayer -----------------------------------------

  std::uint8_t aktiveEbene() const { return aktiveEbene_; }
  std::uint8_t aktiveFolie() const { return aktiveFolie_; }
  // Makes (ebene, folie) active and folie the layer's remembered sublayer.
  // Missing numbers are brought to the nearest existing one.
  void setzeAktiv(int ebene, int folie);

  // --- Display switches --------------------------------------------------

  Sichtbarkeitsmodus modus = Sichtbarkeitsmodus::Alle;
  bool allesSichtbar = false;       // "Alle Ebenen und Unterebenen sichtbar"
  bool grauInaktiveEbenen = false;  // "Inaktive Ebenen grau darstellen"
  bool grauInaktiveFolien = false;  // "Inaktive Unterebenen grau darstellen"

  // --- Queries of the renderer and the select tool ------------------------

  // The active layer, or mode "Alle", or mode "Ausgewählte" and the flag, or
  // the override.
  bool sichtbar(int ebene) const;
  // The layer is visible and the sublayer is not hidden (or the override is
  // on). A sublayer missing from the table counts as not hidden.
  bool sichtbar(int ebene, int folie) const;
  // The layer's display state or the sublayer's state protects it.
  bool geschuetzt(int ebene, int folie) const;
  // Visible and not protected: a tool may select and change its elements.
  bool waehlbar(int ebene, int folie) const { return sichtbar(ebene, folie) && !geschuetzt(ebene, folie); }
  // Drawn in grey: by the layer's display state, or as an inactive layer, or
  // as an inactive sublayer of the active layer, when the switch is on.
  bool grau(int ebene, int folie) const;

 private:
  struct Folie {
    std::string name;
    std::uint8_t zustand = 0;
  };
  struct Planteil {
    std::string name;
    double massstab = 0;
    std::uint8_t einheit = 0;
    std::uint8_t sichtbar = 1;
    std::uint8_t anzeigezustand = 0;
    std::uint8_t gemerkteFolie = 1;
    std::vector<Folie> folien;
  };

  Planteil* ebene(int n) { return existiert(n) ? &ebenen_[n - 1] : nullptr; }
  const Planteil* ebene(int n) const { return existiert(n) ? &ebenen_[n - 1] : nullptr; }
  Folie* folie(int e, int f);
  const Folie* folie(int e, int f) const;
  void korrigiereAktive();

  std::vector<Planteil> ebenen_;
  std::uint8_t aktiveEbene_ = 1;
  std::uint8_t aktiveFolie_ = 1;
};

}  // namespace quarzel
