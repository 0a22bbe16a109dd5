// Quelltokenizer: one line of macro source split into its pieces.
//
// Both passes over a source read its lines with this one tokenizer: the
// compile pass turns the pieces into tokens, the check pass into colours, so
// what is coloured as a command or a literal is exactly what runs as one.
//
// The rules, per line (lines never join):
// - a tab counts as a blank; blanks separate pieces, runs of them give nothing;
// - a piece starting with "(" is a string literal: from that "(" on the line is
//   read with a depth counter (each "(" adds one, each ")" takes one away)
//   until the depth is back at 0 or the line ends; the text between the outer
//   pair, blanks and inner parentheses included, is the literal; reading goes
//   on right after the closing ")";
// - a piece starting with "%" is a comment up to the end of the line; a "%"
//   inside a word ("50%") is part of the word;
// - every other piece is a word, kept exactly as typed.
// An unclosed literal simply ends with the line. Nothing is ever reported and
// no input can make the tokenizer fail: it is one pass over the line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quarzel {

enum class Stueckart : unsigned char { Wort, Literal, Kommentar };

// Byte offsets into the line.
struct Quellstueck {
  Stueckart art = Stueckart::Wort;
  std::size_t anfang = 0;    // first byte: the word, the "(" or the "%"
  std::size_t laenge = 0;    // bytes up to and including the closing ")", or to the end of the line
  bool geschlossen = false;  // a literal whose closing ")" was found

  std::size_t ende() const { return anfang + laenge; }
};

// The pieces of `zeile` in order, into `stuecke` (emptied first, so one vector
// can serve a whole source without allocating per line).
void zerlegeZeile(std::string_view zeile, std::vector<Quellstueck>& stuecke);
std::vector<Quellstueck> zerlegeZeile(std::string_view zeile);

// The text of a literal piece: between the outer parentheses, tabs as blanks.
std::string literaltext(std::string_view zeile, const Quellstueck& stueck);

}  // namespace quarzel
