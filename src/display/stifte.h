// The pen table of a drawing: width in millimetres and colour per pen. Pen 0
// is the hairline, 1..24 are the user's pens, 101..199 model-scale pens.
#pragma once

#include <array>

#include "platform/farbe.h"

namespace quarzel {

struct Stifttabelle {
  static constexpr int Benutzerstifte = 24;
  // The DIN series of pens 1..8 ("Normstifte").
  static constexpr std::array<double, 8> Normbreiten = {0.18, 0.25, 0.35, 0.5, 0.7, 1.0, 1.4, 2.0};

  std::array<double, 256> penWidth{};
  std::array<Farbe, 25> penColour{};
  bool penNormWidths = false;

  Stifttabelle() {
    for (int i = 0; i < 8; ++i) penWidth[i + 1] = Normbreiten[i];
    for (int i = 9; i <= Benutzerstifte; ++i) penWidth[i] = 1.0;
    penColour = {rgb(128, 128, 128), rgb(255, 128, 0), rgb(0, 0, 0),   rgb(255, 255, 0), rgb(255, 0, 0),
                 rgb(0, 0, 255),     rgb(255, 0, 255), rgb(0, 255, 255), rgb(0, 255, 0)};
    for (int i = 9; i <= Benutzerstifte; ++i) penColour[i] = rgb(128, 128, 128);
  }
};

}  // namespace quarzel
