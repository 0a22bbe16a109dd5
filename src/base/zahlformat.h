// Zahlformat: numbers as settings and definition files hold them.
//
// Readers accept both decimal separators: the first "." or "," of a text is the
// decimal separator, so "3,5" and "3.5" both read as 3.5, and an empty text reads
// as 0. Writers produce the shortest decimal form that reads back to the same
// double, always with ".". Nothing here depends on the C locale, and nothing
// throws: a text that is not a number gives std::nullopt, the lenient variants
// give the caller's default.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarzel {

// A decimal number. Blanks and tabs around the number are ignored; a sign, a
// decimal separator and an exponent ("1,5e3") are allowed. Not numbers: any
// other text, a second separator ("1.234,5"), "nan", "inf", hexadecimal, and
// magnitudes beyond the range of a double ("1e400"). A magnitude too small for a
// double ("1e-400") reads as 0.
std::optional<double> leseZahl(std::string_view text);
double leseZahlOder(std::string_view text, double vorgabe);

// A whole decimal number (sign allowed, no separator, no exponent) that fits
// into 64 bits; blanks around it are ignored. An empty text reads as 0.
std::optional<std::int64_t> leseGanzzahl(std::string_view text);
// The same, limited to the range of int.
std::optional<int> leseInt(std::string_view text);

// The shortest text that reads back to exactly `wert` ("0.001", "100"). Plain
// digits for magnitudes from 1e-6 up to 1e21, the exponent form ("1e-07",
// "1e+21") beyond, so no number needs a long run of zeros.
// -0 is written as "0"; a value that is not finite is written as "0", because
// no reader would accept it.
std::string schreibeZahl(double wert);

}  // namespace quarzel
