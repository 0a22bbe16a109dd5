// Makrowerte: how the macro language turns strings into numbers and back.
//
// Results of arithmetic are written in general number format with up to 15
// significant digits, "." as the decimal separator and no thousands
// separator ("3", "0.5", "1E+20"). Numbers are read tolerantly: the first
// "," counts as the decimal separator, an empty text reads as 0. A text that
// does not read as a number is an error of the word that needed the number.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quarzel {

// Thrown when a word needs a number and the text is none. The interpreter
// reports it as the general error of the word (97 on the fast paths, 99
// elsewhere), so words need not check every operand themselves.
class Makrozahlfehler : public std::runtime_error {
 public:
  explicit Makrozahlfehler(std::string_view text);
};

// The text of a number result ("-1", "2.5", "1E-7").
std::string makrozahl(double z);

// The number a text stands for, or nullopt when it does not read as one
// (also for "nan" and "inf" spellings, which a macro never produces).
std::optional<double> liesMakrowert(std::string_view text);

// As liesMakrowert; a text that is not a number throws Makrozahlfehler.
double makrowert(std::string_view text);

// Strict integer reading (no decimals, no exponent, surrounding blanks
// allowed): the counts, pen numbers and flags of the words.
std::optional<std::int64_t> liesGanzzahl(std::string_view text);

// A truth value: everything but exactly "0" is true ("0.0" and "FALSE" too).
inline bool makrowahr(std::string_view text) {
  return text != "0";
}

}  // namespace quarzel
