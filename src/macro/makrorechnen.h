// Makrorechnen: the words that only work on values — stack, arithmetic,
// comparison and logic, text.
//
// They touch nothing but the operand stack (and read the variables for
// `EXCH` with "\VAR" and `STRADDV`), so they are one function over a switch.
// The interpreter has already checked the fewest operands of the word; words
// with a count on the stack (`MULTIDUP`) check the rest themselves. Operands
// are read before anything is popped, so a failing word leaves the stack as
// it was. An operand that must be a number and is none throws
// `Makrozahlfehler`; a computation without a result (square root of -1,
// division by a zero that is not written "0") throws `std::domain_error`. The
// interpreter turns both into the general error of the word.
#pragma once

#include <functional>
#include <optional>
#include <random>
#include <string_view>

#include "macro/befehlstabelle.h"
#include "macro/makromelder.h"
#include "macro/makrostapel.h"
#include "macro/makrovariablen.h"

namespace quarzel {

struct Rechenumfeld {
  const Makrovariablen& variablen;
  std::mt19937& zufall;  // seeded at every run start
  // Width of a text in the current font and text height, drawing units.
  std::function<double(std::string_view)> textbreite;
};

// Whether `rechne` handles the word.
bool istRechenwort(Befehl b);

// Executes one word of the four groups; the error, if any.
std::optional<Makrofehlerfall> rechne(Befehl b, Makrostapel& s, Rechenumfeld& umfeld);

// Characters (not bytes) of a UTF-8 text, as LENGTH counts them.
std::size_t zeichenanzahl(std::string_view text);

}  // namespace quarzel
