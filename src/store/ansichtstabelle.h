// Ansichtstabelle: the 61 slots of the named views of a drawing.
//
// Slots 1..60 are the user's views, slot 0 holds the state from before the
// first view was shown ("Originalansicht"). A view is defined when its name
// is not empty. Each slot keeps a copy of the layer and sublayer state;
// when layers or sublayers are deleted or swapped, every slot is renumbered
// with them so a view keeps meaning the same layers.
//
// The 250 x 250 sublayer states would cost 62.5 KB per slot; they are stored
// only once a slot holds a state other than 0, so empty and simple views stay
// small.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quarzel {

class Ebenen;

// The eleven element switches of the window as a view keeps them (1 = shown),
// in the order of the menu "Sichtbare Elemente".
using Elementschalter = std::array<std::uint8_t, 11>;

// One view record, fields in the order of the drawing file.
class Ansichtsdaten {
 public:
  static constexpr int Ebenenzahl = 250;
  static constexpr int Folienzahl = 250;
  // Size of the record in the drawing file.
  static constexpr std::size_t Satzlaenge =
      4 + 4 + 8 + 11 + Ebenenzahl + Ebenenzahl * Folienzahl + Ebenenzahl + Ebenenzahl + 1 + 1 + 1 + 2 + 2;

  std::int32_t ursprungX = 0;
  std::int32_t ursprungY = 0;
  double faktor = 0;                        // the view's zoom
  Elementschalter schalter{};               // display switches
  std::uint8_t modus = 1;                   // visibility mode of the layers
  std::uint8_t aktiveFolie = 1;
  std::uint8_t aktiveEbene = 1;
  std::array<std::uint8_t, 2> weitere{};  // two window options, copied as they are
  // "Inaktive Ebenen grau darstellen", "Inaktive Unterebenen grau darstellen".
  std::array<std::uint8_t, 2> schalter2{};

  // Per layer 1..250; reads outside give 0, writes outside are ignored.
  std::uint8_t sichtbarFlag(int ebene) const { return gueltig(ebene) ? sichtbar_[ebene - 1] : 0; }
  void setzeSichtbarFlag(int ebene, std::uint8_t v) {
    if (gueltig(ebene)) sichtbar_[ebene - 1] = v;
  }
  std::uint8_t anzeigezustand(int ebene) const { return gueltig(ebene) ? anzeige_[ebene - 1] : 0; }
  void setzeAnzeigezustand(int ebene, std::uint8_t v) {
    if (gueltig(ebene)) anzeige_[ebene - 1] = v;
  }
  std::uint8_t gemerkteFolie(int ebene) const { return gueltig(ebene) ? gemerkt_[ebene - 1] : 0; }
  void setzeGemerkteFolie(int ebene, std::uint8_t v) {
    if (gueltig(ebene)) gemerkt_[ebene - 1] = v;
  }
  std::uint8_t folienzustand(int ebene, int folie) const;
  void setzeFolienzustand(int ebene, int folie, std::uint8_t v);
  // Whether the 62.5 KB of sublayer states are held (for tests and statistics).
  bool haeltFolienzustaende() const { return !folien_.empty(); }

  // A record of the layer part of the drawing's state (flags, sublayer
  // states, display states, remembered sublayers, mode, active layer and
  // sublayer); empty slots get 0. The window part is the caller's to fill.
  static Ansichtsdaten ausEbenen(const Ebenen& ebenen);
  // Writes the stored layer part and the two grey switches back into
  // existing layers and sublayers and activates the stored layer and
  // sublayer (brought into range).
  void wendeAn(Ebenen& ebenen) const;

  // Renumbering, kept in step with the layer table.
  void entferneEbene(int ebene);
  void tauscheEbenen(int a, int b);
  // `verbleibend`: the number of sublayers the layer has after the deletion.
  void entferneFolie(int ebene, int folie, int verbleibend);
  void tauscheFolien(int ebene, int a, int b);

  // The record bytes of the drawing file (little-endian, Satzlaenge bytes).
  std::vector<std::uint8_t> alsBytes() const;
  // Reads a record; fields beyond the end of a short record keep their
  // defaults, bytes after a full record are ignored.
  static Ansichtsdaten ausBytes(std::span<const std::uint8_t> bytes);

  bool operator==(const Ansichtsdaten& o) const;

 private:
  static bool gueltig(int ebene) { return ebene >= 1 && ebene <= Ebenenzahl; }
  static bool gueltig(int ebene, int folie) { return gueltig(ebene) && folie >= 1 && folie <= Folienzahl; }
  std::uint8_t* folienzeile(int ebene) { return folien_.data() + std::size_t(ebene - 1) * Folienzahl; }
  const std::uint8_t* folienzeile(int ebene) const { return folien_.data() + std::size_t(ebene - 1) * Folienzahl; }
  void verdichteFolien();

  std::array<std::uint8_t, Ebenenzahl> sichtbar_{};
  std::array<std::uint8_t, Ebenenzahl> anzeige_{};
  std::array<std::uint8_t, Ebenenzahl> gemerkt_{};
  std::vector<std::uint8_t> folien_;  // empty = all 0; else Ebenenzahl * Folienzahl
};

struct Ansichtsslot {
  std::string name;  // "" = not defined
  Ansichtsdaten daten;
};

class Ansichtstabelle {
 public:
  static constexpr int Slotzahl = 61;  // 0 scratch, 1..60 views

  static std::string standardname(int slot) { return "Ansicht " + std::to_string(slot); }

  Ansichtsslot* slot(int n) { return n >= 0 && n < Slotzahl ? &slots_[n] : nullptr; }
  const Ansichtsslot* slot(int n) const { return n >= 0 && n < Slotzahl ? &slots_[n] : nullptr; }
  bool definiert(int n) const { return n >= 1 && n < Slotzahl && !slots_[n].name.empty(); }
  int anzahlDefiniert() const;
  // The name shown for a slot: its own, or "Ansicht " + n when never named.
  std::string anzeigename(int n) const;

  // Stores a record into slot n; a slot without a name gets the default name.
  void definiere(int n, Ansichtsdaten daten);
  // Clears slot n back to an undefined, empty record.
  void loesche(int n);
  // Exchanges two slots 1..60 (record and name). Slot 0 is left alone: it
  // still holds the state to go back to.
  void tausche(int a, int b);
  void leere();

  // The view shown last (0 = "Freie Ansicht"); it follows its slot when
  // views move and becomes 0 when its slot is cleared.
  int gezeigt() const { return gezeigt_; }
  // Whether slot 0 holds the state from before the first view was shown.
  bool originalGemerkt() const { return originalGemerkt_; }
  void setzeGezeigt(int n, bool originalGemerkt) {
    gezeigt_ = n >= 1 && n < Slotzahl ? n : 0;
    originalGemerkt_ = originalGemerkt;
  }

  // Applied to every slot, scratch slot included.
  void entferneEbene(int ebene);
  void tauscheEbenen(int a, int b);
  void entferneFolie(int ebene, int folie, int verbleibend);
  void tauscheFolien(int ebene, int a, int b);

 private:
  std::array<Ansichtsslot, Slotzahl> slots_;
  int gezeigt_ = 0;
  bool originalGemerkt_ = false;
};

}  // namespace quarzel
