// The presentation of SVG elements: transforms, lengths, colours, the
// inherited style of an element and a simple style sheet (element, class
// and element.class selectors).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "exchange/cadmodell.h"

namespace quarzel {

// x' = a x + c y + e, y' = b x + d y + f.
struct SvgMatrix {
  double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

  // This after `o`: o is applied first.
  SvgMatrix operator*(const SvgMatrix& o) const {
    return {a * o.a + c * o.b, b * o.a + d * o.b,     a * o.c + c * o.d,
            b * o.c + d * o.d, a * o.e + c * o.f + e, b * o.e + d * o.f + f};
  }
  CadPunkt an(double x, double y) const { return {a * x + c * y + e, b * x + d * y + f, 0}; }
  CadPunkt richtung(double x, double y) const { return {a * x + c * y, b * x + d * y, 0}; }
  double det() const { return a * d - b * c; }
};

// The next number of `s` from `i` on, after spaces and one comma; false (and
// `i` unchanged) when none follows.
bool svgZahl(std::string_view s, std::size_t& i, double& v);

// A transform list ("translate(…) rotate(…)…"); what follows a fault is left out.
SvgMatrix svgTransformation(std::string_view s);

// The numbers of a list separated by spaces or commas, at most `max`.
void svgZahlen(std::string_view s, std::vector<double>& aus, std::size_t max);

// A length in user units (px); units are converted, percentages taken as numbers.
double svgLaenge(std::string_view s, double standard = 0);

// A length in millimetres, nullopt when it has no number or is a percentage.
std::optional<double> svgLaengeMm(std::string_view s);

// 0xRRGGBB of a colour, nullopt for "none", none-colours and faults.
// `aktuell` is what currentColor stands for.
std::optional<std::uint32_t> svgFarbe(std::string_view s, std::uint32_t aktuell, bool& gueltig);

struct SvgStil {
  std::optional<std::uint32_t> strich;       // nullopt = no stroke
  std::optional<std::uint32_t> fuellung{0};  // nullopt = no fill
  std::uint32_t farbe = 0;                   // "color", for currentColor
  double strichbreite = 1;
  std::vector<double> strichmuster;
  double schriftgroesse = 16;
  int textanker = 0;  // 0 start, 1 middle, 2 end
  bool sichtbar = true;
};

// Style properties as name and value, pointing into the element's attributes
// or the style sheet, which outlive them.
using SvgEigenschaften = std::vector<std::pair<std::string_view, std::string_view>>;

class SvgStilblatt {
 public:
  // Adds the rules of a <style> element's text.
  void lesen(std::string_view css);
  bool leer() const { return regeln_.empty(); }
  // The declarations for an element of this name and class attribute, least
  // specific first.
  void deklarationen(std::string_view element, std::string_view klassen, SvgEigenschaften& aus) const;

 private:
  std::unordered_map<std::string, std::vector<std::pair<std::string, std::string>>> regeln_;
};

// "a:b; c:d" into pairs, appended to `aus`.
void svgDeklarationen(std::string_view s, SvgEigenschaften& aus);

// Applies the properties in order ("color" first, so that currentColor sees it).
void svgStilAnwenden(const SvgEigenschaften& eigenschaften, SvgStil& stil);

}  // namespace quarzel
