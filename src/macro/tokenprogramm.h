// Tokenprogramm: what the compile pass makes of a macro source and what the
// interpreter runs.
//
// An ordered list of tokens, indexed from 0, ending with the end marker "#"
// twice. Every token keeps its text exactly as the source had it (string
// literals as the marker "$@§" followed by their text), so a program can be
// written to a compiled macro file and read back unchanged. Beside the text,
// each token carries what the interpreter would otherwise find by searching
// text at every step: its kind, its command (looked up once, case-insensitive),
// its lower-case form for variable and label lookup, and the source line and
// column it came from for error messages. Labels are indexed by name, so
// `CALL` finds its target with one hash lookup.
//
// Kinds (`Tokenart`), decided from the text alone:
// - Leer: an empty token (never made from source; a foreign program may hold
//   one); it ends the run like a label.
// - Literal: starts with "$@§"; `inhalt()` is the text without the marker.
//   A literal is never a command or a label, even "(Nr. #)".
// - Befehl: a word of the command table in any case ("moveto" too).
// - Ende: the end marker "#".
// - Label: a name followed by "#" whose first "#" is its last character
//   ("teil#"); the code before it ends there.
// - Daten: everything else: numbers, names, "/name", "a[i]", "x#y#".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "macro/befehlstabelle.h"

namespace quarzel {

inline constexpr std::string_view Literalmarke = "$@§";  // 4 bytes in UTF-8
inline constexpr std::string_view Endmarke = "#";

enum class Tokenart : std::uint8_t { Leer, Literal, Befehl, Ende, Label, Daten };

// The kind of a token text (see above).
Tokenart tokenartVon(std::string_view text);

class Tokenprogramm {
 public:
  std::size_t laenge() const { return tokens_.size(); }
  bool leer() const { return tokens_.empty(); }

  // All accessors take an index below laenge().
  std::string_view text(std::size_t i) const { return {text_.data() + tokens_[i].anfang, tokens_[i].laenge}; }
  // The lower-case form of text() (same length): the key for variable names.
  std::string_view klein(std::size_t i) const { return {klein_.data() + tokens_[i].anfang, tokens_[i].laenge}; }
  // A literal's text without the marker; every other token's text.
  std::string_view inhalt(std::size_t i) const;
  Tokenart art(std::size_t i) const { return tokens_[i].art; }
  // Befehl::Keiner unless art(i) is Tokenart::Befehl.
  Befehl befehl(std::size_t i) const { return tokens_[i].befehl; }
  // Source line and byte column of the token, both from 0 (0 for tokens
  // that came from nowhere, such as the end markers).
  std::uint32_t zeile(std::size_t i) const { return tokens_[i].zeile; }
  std::uint32_t spalte(std::size_t i) const { return tokens_[i].spalte; }
  // The run loop stops when the token at the counter is one of these: a
  // label, the end marker or an empty token.
  bool endetLauf(std::size_t i) const {
    const Tokenart a = tokens_[i].art;
    return a == Tokenart::Label || a == Tokenart::Ende || a == Tokenart::Leer;
  }
  // The token holds "[" and, after it, "]": a name with an index (a[i]).
  bool hatIndex(std::size_t i) const { return tokens_[i].hatIndex; }

  // Index of the first token that is `name` + "#", compared without regard to
  // case; execution continues after it. Literals are never labels.
  std::optional<std::size_t> findeLabel(std::string_view name) const;

  // Appends one token and classifies it.
  void fuegeAn(std::string_view text, std::uint32_t zeile = 0, std::uint32_t spalte = 0);
  // Appends the two end markers.
  void schliesseAb();
  // The program ends with the two end markers.
  bool abgeschlossen() const;
  void leere();

  // Appends all of `teil` (its end markers included) behind this program and
  // returns the index of its first token. Nothing already here moves, so
  // program counters and loop and return positions held by a run stay valid;
  // labels of `teil` become callable unless this program already has a label
  // of the same name. The code of `teil` before its first label is reachable
  // only by jumping to the returned index.
  std::size_t haengeAn(const Tokenprogramm& teil);

  // The texts in order (for tests, debugging views and the file writer).
  std::vector<std::string> texte() const;

 private:
  struct Token {
    std::size_t anfang;
    std::uint32_t laenge;
    std::uint32_t zeile;
    std::uint32_t spalte;
    Befehl befehl;
    Tokenart art;
    bool hatIndex;
  };

  std::vector<Token> tokens_;
  std::string text_;                                     // all token texts, back to back
  std::string klein_;                                    // the same in lower case, at the same offsets
  std::unordered_map<std::string, std::size_t> labels_;  // lower-case name without "#" -> index
};

}  // namespace quarzel
