// The standard font of our PDF files: Helvetica in WinAnsi encoding, which
// every PDF reader carries, so German texts need no embedded font. Widths
// are those of the font's metrics (thousandths of the size).
#pragma once

#include <string>
#include <string_view>

namespace quarzel {

// Top of the text cell to baseline, as a share of the font size.
inline constexpr double kHelveticaOberlaenge = 0.905;

// The text in WinAnsi (Windows-1252) bytes; characters outside it become "?".
std::string winAnsi(std::string_view utf8);

// The advance width of WinAnsi bytes at font size 1.
double helveticaBreite(std::string_view winAnsi);

// A PDF string literal of WinAnsi bytes: in parentheses, with parentheses and
// backslashes escaped and control bytes written as octal.
std::string pdfString(std::string_view winAnsi);

}  // namespace quarzel
