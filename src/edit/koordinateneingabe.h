// The core of the numeric entry panel ("Numerische Eingabe"): which groups a
// tool shows and how they are captioned, the evaluation of the typed
// expressions, and the conversion of a group's two numbers into the world
// point that is fed to the tool as if it had been clicked.
//
// The panel itself (fields, check boxes, focus colours) is the window's; it
// keeps the texts here and calls `feldVerlassen` when a field loses the focus
// and `uebernehme` for Enter, "Q" or the OK button.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "edit/werkzeugcode.h"
#include "view/ansicht.h"

namespace quarzel {

class Werkzeugsteuerung;

inline constexpr double kEingabeGrenze = 10000000.0;
inline constexpr double kWinkelGrenze = 360.0;
inline constexpr std::string_view kNurMaus = "Eingabe nur mit der Maus";

// One of the three group boxes.
struct Eingabegruppe {
  bool sichtbar = false;
  std::string titel;
  // The step picks an element or takes points only from the mouse: the
  // fields are replaced by kNurMaus.
  bool nurMaus = false;
  // Fixed field labels ("r:", "xr:"/"yr:", "w1:"/"w2:", "L: "); empty means
  // the labels follow the check boxes (see feldbeschriftung).
  std::string beschriftungX;
  std::string beschriftungY;
  // The second field is not used (radius, length).
  bool nurErstesFeld = false;
};

struct Eingabemaske {
  std::array<Eingabegruppe, 3> gruppen;
  // Group 3 holds start and end angle of an arc.
  bool bogenwinkel = false;
};

// The panel's groups for a tool code (its row's Maskenart) started by its
// button `knopf` (Werkzeugzustand::knopf).
Eingabemaske eingabemaske(Werkzeugcode werkzeug, std::uint8_t knopf = 0);

// Arcs, elliptical arcs and their sectors: the tools with a fourth step.
bool istBogenwerkzeug(Werkzeugcode werkzeug);

// The labels of a group's two fields by its check boxes:
// "x:"/"y:", relativ "dx:"/"dy:", polar "D:"/"Phi:", both "d:"/"phi:".
std::array<std::string_view, 2> feldbeschriftung(bool relativ, bool polar);

// The value of an arithmetic expression ("2*3", "1,5+2"), clamped to
// ±grenze; nothing for a formula error or a result that is not a finite
// number ("1/0").
std::optional<double> zahlwert(std::string_view ausdruck, double grenze = kEingabeGrenze);
// As zahlwert, with 0 for what is not a number.
double werteAus(std::string_view ausdruck, double grenze = kEingabeGrenze);
// A number with up to 15 significant digits, as the field shows it.
std::string zahltext(double wert);
// What a field shows after it lost the focus: the value, or the text as typed
// when it is not a number, so that the user can correct it.
std::string feldVerlassen(std::string_view ausdruck, double grenze = kEingabeGrenze);

// Start and end angle of an arc as typed: each clamped to ±360, an end below
// the start has 360 added.
struct Bogenwinkel {
  double start = 0;
  double ende = 0;
};
Bogenwinkel bogenwinkel(double start, double ende);

// The world point for a group's two numbers. Cartesian values are user
// coordinates (drawing units, y up, rotated by coordAngle); "polar" reads a
// length and an angle in degrees counter-clockwise from the user x axis.
// "relativ" adds the result to `vorher`, otherwise it is measured from the
// user origin.
Weltpunkt eingabeZuWelt(double a, double b, bool relativ, bool polar, Weltpunkt vorher, const Ansicht& ansicht,
                        double massstab);

// The panel's state: the six texts and the check boxes of the three groups.
class Koordinateneingabe {
 public:
  struct Gruppe {
    std::string x = "0";
    std::string y = "0";
    bool relativ = true;
    bool polar = false;
  };
  std::array<Gruppe, 3> gruppen;

  // The tool started: new captions. The texts stay as they were.
  void werkzeugGestartet(Werkzeugcode werkzeug, std::uint8_t knopf = 0) { maske_ = eingabemaske(werkzeug, knopf); }
  const Eingabemaske& maske() const { return maske_; }
  // The group whose point step the tool expects (0..2), or none.
  std::optional<int> erwarteteGruppe(const Werkzeugsteuerung& st) const;

  // Reads the group of the expected step, converts and feeds the point to
  // the tool; the angle group of an arc feeds Weltpunkt{start, end} in degrees. False when no group is expected, the
  // step takes only the mouse, or a field is not a number (see kaputtesFeld).
  bool uebernehme(Werkzeugsteuerung& st);
  // After uebernehme: the expected group's field that held no number
  // (0 x, 1 y), or none.
  std::optional<int> kaputtesFeld;

 private:
  Weltpunkt vorherigerPunkt(const Werkzeugsteuerung& st) const;

  Eingabemaske maske_;
};

}  // namespace quarzel
