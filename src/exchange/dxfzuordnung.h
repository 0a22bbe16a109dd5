// DxfZuordnung: how the drawing's layers, line styles, pens and colours are
// named and numbered in a DXF file we write.
//
// - Layer: "Ebenenname$Unterebenenname" (the number stands in for an empty
//   name). A "/" would be the natural separator, but DXF forbids it (with
//   <>\":;?*|=`) in names and CAD programs refuse such layers; "$" is what
//   they use themselves to join a container's name and a layer's. Each
//   forbidden character becomes "_", and in the sublayer part "$" too, so the
//   last "$" always separates the two parts again.
// - Line type: style 1 is "CONTINUOUS", 2..9 and 91..124 take the first name
//   the CAD import's line-type table gives them ("gestrichelt", "verdeckt",
//   …), so that an import maps them back; any other style is "QUARZEL_<n>".
//   The built-in dashes count in pen widths, so their pattern is written in
//   pen widths and each entity scales it by its pen's width (code 48).
// - Pen: its sheet width to the nearest standard line weight.
// - Colour: true colour plus the nearest index of the 256-colour table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/farbe.h"

namespace quarzel {

class Ebenen;
class Linienstiltabelle;

inline constexpr char kDxfEbenentrenner = '$';

std::string dxfLayername(const Ebenen& ebenen, int ebene, int folie);

struct DxfLinientyp {
  std::string name;
  // Dash, gap (negative), dot (0), in millimetres or in pen widths.
  std::vector<double> elemente;
  bool inStiftbreiten = false;
};
// `stil` with or without the sign closed figures carry.
DxfLinientyp dxfLinientyp(const Linienstiltabelle& stile, int stil);

// 1/100 mm, one of the weights DXF allows.
int dxfLinienstaerke(double breiteMm);

// 0xRRGGBB as code 420 wants it.
constexpr std::uint32_t dxfRgb(Farbe f) {
  return (std::uint32_t(rotAnteil(f)) << 16) | (std::uint32_t(gruenAnteil(f)) << 8) | blauAnteil(f);
}
// The index 1..255 of the 256-colour table nearest to 0xRRGGBB.
int naechsteAci(std::uint32_t rrggbb);

// A text value: Windows-1252, characters it lacks as \U+XXXX, control
// characters dropped (they would break the line structure).
std::string dxfTextwert(std::string_view utf8);

}  // namespace quarzel
