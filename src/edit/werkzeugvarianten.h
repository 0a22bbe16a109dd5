// The variants behind the drawing tool buttons. One button of the line or
// area bar stands for several tool codes (a circle by centre and radius, by
// two or by three points ...); the property bar offers the variants of the
// active button as a radio group. The variants are the rows of the tool table
// (werkzeugtabelle.h) with a variant caption, gathered by their button.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "edit/werkzeugcode.h"

namespace quarzel {

struct Werkzeugvariante {
  Werkzeugcode code;
  std::string_view beschriftung;
};

// One tool button: the code its click sets first and all its variants (the
// first variant is that code).
struct Variantenknopf {
  Werkzeugcode code;
  std::span<const Werkzeugvariante> varianten;
};

// The buttons of the line bar and of the area bar that have variants.
std::span<const Variantenknopf> variantenknoepfe();

// The button whose variants include `code`; nullptr when the code has no
// variants (a button of its own, or no drawing tool at all).
const Variantenknopf* variantenknopf(Werkzeugcode code);

}  // namespace quarzel
