// Quelltextpruefung: the check pass, which colours macro source as it is typed.
//
// Command words are bold, the parentheses of a string literal bold and its text
// blue, comments silver; everything else is regular and black. The pass reads
// the lines with the compile pass's tokenizer, so the colours show exactly how
// the source will compile.
//
// A line's colouring is a list of spans over the line's bytes (UTF-8); the
// editor first resets the line to regular black and then applies the spans.
// `Quelltextpruefung` keeps a copy of the lines as they were at its last run
// and colours only the lines that differ from that copy, so a long source
// stays responsive while typing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "macro/quellzeilen.h"
#include "platform/farbe.h"

namespace quarzel {

enum class Auszeichnung : unsigned char {
  Befehlswort,  // bold
  Klammer,      // bold: the outer parentheses of a literal
  Literal,      // blue: the text between them
  Kommentar,    // silver: from the "%" to the end of the line
};

inline constexpr Farbe Normalfarbe = rgb(0, 0, 0);
inline constexpr Farbe Literalfarbe = rgb(0, 0, 255);
inline constexpr Farbe Kommentarfarbe = rgb(192, 192, 192);

constexpr bool istFett(Auszeichnung a) {
  return a == Auszeichnung::Befehlswort || a == Auszeichnung::Klammer;
}
constexpr Farbe farbeVon(Auszeichnung a) {
  return a == Auszeichnung::Literal ? Literalfarbe : a == Auszeichnung::Kommentar ? Kommentarfarbe : Normalfarbe;
}

// Bytes [anfang, anfang + laenge) of the line; spans are in order and do not overlap.
struct Farbspanne {
  std::size_t anfang = 0;
  std::size_t laenge = 0;
  Auszeichnung art = Auszeichnung::Befehlswort;

  bool operator==(const Farbspanne&) const = default;
};

struct Zeilenfaerbung {
  std::size_t zeile = 0;  // from 0
  std::vector<Farbspanne> spannen;
};

std::vector<Farbspanne> faerbeZeile(std::string_view zeile);

// The colourings of lines [von, bis), clamped to the source.
std::vector<Zeilenfaerbung> faerbeZeilen(const std::vector<std::string>& zeilen, std::size_t von, std::size_t bis);

// The same spans with offsets and lengths in UTF-16 code units, the unit the
// editor's text control counts in. Bytes that are not valid UTF-8 count as one
// unit each, as a decoder that replaces them would show them.
std::vector<Farbspanne> inUtf16(std::string_view zeile, const std::vector<Farbspanne>& spannen);

class Quelltextpruefung {
 public:
  // Colours every line that differs from the copy of the last run (empty
  // lines have nothing to colour and are only noted), then keeps the lines as
  // the new copy. `status` gets " Prüfe Quelltext: n%" now and then and an
  // empty text at the end.
  std::vector<Zeilenfaerbung> pruefe(const std::vector<std::string>& zeilen, const Statusanzeige& status = {});

  // Forgets the copy, so that the next run colours every line (after the
  // editor replaced its whole text, e.g. on switching tabs).
  void vergiss() { puffer_.clear(); }

 private:
  std::vector<std::string> puffer_;
};

}  // namespace quarzel
