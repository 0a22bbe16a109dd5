// The commands on layers and sublayers: create, activate, delete, swap,
// protect, and the display-state cycle. Each keeps three things in step: the
// layer tables, the elements (their layer and sublayer numbers, in the
// drawing and in the undo history alike) and the named views.
//
// Deleting changes numbers that elements in the undo history carry, so the
// deleted layer's or sublayer's elements are removed from the history too; a
// later undo must not bring them back on a layer that now means another one.
// Deleting the only layer, or the only sublayer of a layer, is refused.
//
// The dialogs fill the parameter records and call these; questions go through
// Benutzer. After every command the caller redraws.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "view/ansicht.h"
#include "platform/benutzer.h"

namespace quarzel {

struct Zeichnung;

// --- New layer ("Neue Ebene erstellen") --------------------------------------

enum class Folienvorlage { Projektgrafiken, Geschosse, Schnitte, Benutzerdefiniert };
// The caption in "Folien erstellen für", e.g. "Geschosse (10 Folien)".
std::string_view vorlagenText(Folienvorlage v);

// "Maßstab 1:" buttons, in order.
inline constexpr std::array<double, 11> Massstabknoepfe = {1, 10, 20, 25, 50, 75, 100, 200, 250, 500, 1000};

struct PlanteilNeuAngaben {
  static constexpr int Folienfelder = 10;

  std::string bezeichnung;  // "" = "Ebene " + number
  // Field 0 always becomes sublayer 1; further fields only when ticked. Ticked
  // fields become consecutive sublayers, so the table stays without gaps.
  std::array<std::string, Folienfelder> folien;
  std::array<bool, Folienfelder> angehakt{};

  // Scale: "Zeichnungsmaßstab" wins, then "beliebiger Maßstab" (clamped to
  // 0.00001..1000000), then the button (index into Massstabknoepfe).
  bool zeichnungsmassstab = false;
  bool beliebigerMassstab = false;
  double freierMassstab = 100;
  int massstabKnopf = 6;  // 1:100

  // Unit: "Zeichnungseinheit" gives the unit byte 0.
  bool zeichnungseinheit = true;
  int einheitWahl = 0;       // index of "Ebeneneinheit": 0 "mm" ... 7 "Miles"
  int nachkommastellen = 0;  // 0..3
  bool einheitAnzeigen = false;
};

// Fills and ticks the sublayer fields as the preset says; field texts and
// ticks of the fields beyond the preset are cleared.
void wendeVorlageAn(PlanteilNeuAngaben& angaben, Folienvorlage v);
double massstabAus(const PlanteilNeuAngaben& angaben);
std::uint8_t einheitAus(const PlanteilNeuAngaben& angaben);

// Creates the layer in the first free slot and activates it with its
// sublayer 1. Returns the new number, or 0 (nothing changed) when all 250
// layers exist.
std::uint8_t neueEbene(Zeichnung& z, const PlanteilNeuAngaben& angaben);

// --- Activating ----------------------------------------------------------------

// The options of the question in "Ebene aktivieren".
struct Uebertragung {
  bool skalieren = false;    // "Objekte auf neuen Ebenenmaßstab skalieren"
  bool duplizieren = false;  // "Objekte duplizieren und nur die Duplikate übertragen"
  // Scaling keeps this point fixed; none = the drawing's zero point.
  std::optional<Weltpunkt> bezugspunkt;
};

// Activates layer n with the sublayer it remembers. With marked elements it
// asks whether they go along; yes moves them (or copies of them) to the new
// active layer and sublayer in one undo step, no unmarks them.
void aktiviereEbene(Zeichnung& z, Benutzer& b, int ebene, const Uebertragung& optionen = {});
// Page Up (+1, the next layer) and Page Down (-1, the previous one), without wrapping
// and without asking; marks stay. False at the ends.
bool naechsteEbene(Zeichnung& z, int richtung);
// Makes sublayer n of the active layer active (and remembered). With marked
// elements it asks whether they move there; yes moves them in one undo step,
// no unmarks them.
void aktiviereFolie(Zeichnung& z, Benutzer& b, int folie);

// --- Deleting --------------------------------------------------------------------

// After "Wollen Sie die aktuelle Ebene wirklich löschen?" removes the active
// layer with its elements and renumbers the rest. False when refused or No.
bool loescheAktiveEbene(Zeichnung& z, Benutzer& b);
// The same for the active sublayer of the active layer.
bool loescheAktiveFolie(Zeichnung& z, Benutzer& b);

// --- Sublayers, order, display --------------------------------------------------

// Appends a sublayer to the active layer ("" = "Unterebene " + number) and
// activates it. Returns its number, or 0 when the layer has 250.
std::uint8_t neueFolie(Zeichnung& z, std::string name);
// Sets or clears the protection of the active sublayer.
void schuetzeAktiveFolie(Zeichnung& z, bool geschuetzt);
// The layer manager's reordering: elements, tables and views follow.
void tauscheEbenen(Zeichnung& z, int a, int b);
void tauscheFolien(Zeichnung& z, int a, int b);  // of the active layer
// "Sichtbarkeit wechseln": steps the active layer's display state 0-1-2-3-0.
// Returns the new state.
std::uint8_t wechsleSichtbarkeit(Zeichnung& z);

// --- Helpers -------------------------------------------------------------------

// The denominator that applies to a layer: its own, or the drawing scale.
double massstabVon(const Zeichnung& z, int ebene);
// Copies the active layer and sublayer into the store's current attributes,
// so that new elements land there. Every command here does it; loaders call
// it after replacing the tables.
void uebernimmAktive(Zeichnung& z);
// The name a sublayer gets when read from a file.
std::string folienameBeimLaden(std::string name);

}  // namespace quarzel
