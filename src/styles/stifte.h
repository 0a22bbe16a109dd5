// The pen table of a drawing: width in millimetres and colour per pen.
//
// Pen 0 is the hairline (width 0, drawn one pixel wide), 1..24 are the user's
// pens, 101..199 model-scale pens whose width is a length in the model (pen
// 100 + k is k centimetres wide until someone sets it otherwise, so a 24 cm
// wall can be drawn with pen 124). Pens 98 and 99 have fixed pixel widths
// (see zeichenlauf.h). The table is read from and written to the section
// "Stiftbreiten" of the configuration file through einstellung::Stiftbreiten.
#pragma once

#include <array>

#include "platform/farbe.h"

namespace quarzel {

class IniDatei;
namespace einstellung {
struct Stiftbreiten;
}

struct Stifttabelle {
  static constexpr int Benutzerstifte = 24;
  static constexpr int ErsterModellstift = 101;
  static constexpr int LetzterModellstift = 199;
  // Pens with fixed pixel widths and a fixed pattern scale.
  static constexpr int DickerSonderstift = 98;
  static constexpr int DuennerSonderstift = 99;
  // The DIN series of pens 1..8 ("Normstifte").
  static constexpr std::array<double, 8> Normbreiten = {0.18, 0.25, 0.35, 0.5, 0.7, 1.0, 1.4, 2.0};
  static constexpr double GroessteBreite = 10;  // mm, for pens 1..24

  std::array<double, 256> penWidth{};
  std::array<Farbe, 25> penColour{};
  bool penNormWidths = false;

  Stifttabelle() {
    for (int i = 0; i < 8; ++i) penWidth[i + 1] = Normbreiten[i];
    for (int i = 9; i <= Benutzerstifte; ++i) penWidth[i] = 1.0;
    for (int i = ErsterModellstift; i <= LetzterModellstift; ++i) penWidth[i] = 10.0 * (i - 100);
    penColour = {rgb(128, 128, 128), rgb(255, 128, 0), rgb(0, 0, 0),     rgb(255, 255, 0), rgb(255, 0, 0),
                 rgb(0, 0, 255),     rgb(255, 0, 255), rgb(0, 255, 255), rgb(0, 255, 0)};
    for (int i = 9; i <= Benutzerstifte; ++i) penColour[i] = rgb(128, 128, 128);
  }

  static constexpr bool istModellstift(int pen) { return pen >= ErsterModellstift && pen <= LetzterModellstift; }

  // The pen's width on the sheet in millimetres: model-scale pens divided by
  // the scale denominator, unknown pen numbers 0.
  double blattbreite(int pen, double drawingScale) const;

  // Takes pens 1..24 and the colours of 0..24 from the settings; pen 0 stays
  // 0. While "Normbreite" is set, pens 1..8 get the DIN widths whatever the
  // file says, as the dialog locks those fields.
  void uebernimm(const einstellung::Stiftbreiten& e);
  // The table as the settings section holds it (colours as plain RGB).
  einstellung::Stiftbreiten alsEinstellung() const;

  // Sets or clears "Normbreite"; setting it puts the DIN widths on pens 1..8.
  void setzeNormbreiten(bool an);

  bool operator==(const Stifttabelle&) const = default;
};

// The section "Stiftbreiten" of a configuration file, written from the table
// (it is read through einstellung::Stiftbreiten and Stifttabelle::uebernimm).
void schreibeStifte(const Stifttabelle& stifte, IniDatei& ini);

}  // namespace quarzel
