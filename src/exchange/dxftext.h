// DxfText: the texts of a DXF file as UTF-8.
//
// Files up to R2004 store their texts in the code page of the header's
// $DWGCODEPAGE, later ones in UTF-8; `\U+XXXX` escapes occur in both. Texts
// carry control codes of their own: "%%d" and friends in single-line texts,
// and the formatting codes of paragraph texts, which the import does not
// keep: it takes the plain text with its paragraphs.
#pragma once

#include <string>
#include <string_view>

namespace quarzel {

enum class DxfKodierung { Utf8, Cp1252, Cp1250, Cp1251, Cp1253 };

// The code page a header value such as "ANSI_1250" names; Windows-1252 for
// any other name, as that is what writers without the variable meant.
DxfKodierung dxfKodierung(std::string_view codepage);

std::string dxfText(std::string_view roh, DxfKodierung kodierung);
// `ansi`: Windows-1252, else UTF-8.
std::string dxfText(std::string_view roh, bool ansi);

// A single-line text with "%%c", "%%d", "%%p" as Ø, °, ±, "%%%" as % and the
// underline/overline switches "%%u", "%%o" removed.
std::string textKlartext(std::string_view text);

// A paragraph text's plain text: paragraphs as '\n', stacked fractions as
// "a/b", font, height, colour and the other formatting codes removed.
std::string mtextKlartext(std::string_view text);

}  // namespace quarzel
