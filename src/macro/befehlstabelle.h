// Befehlstabelle: the words of the macro language and their lookup.
//
// A token is a command exactly when its upper-case form is one of these words;
// anything else is data, even a name the interpreter might know. The lookup is
// one case-insensitive hash probe without allocation, so the compile pass can
// classify every token once and the interpreter dispatches on `Befehl` with a
// switch instead of searching text.
//
// The editor's list "Befehle" shows every word except UNDO and NUMIROEDIT,
// which are commands all the same (`imEditor`). The list includes the
// pseudo-words "!", "{", "}" and "%"; "%" never reaches a token program from
// source, because the tokenizer reads a token starting with "%" as a comment.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "macro/befehlsliste.h"

namespace quarzel {

#define QUARZEL_BEFEHL_ENUM(name, wort, gruppe, min, max) name,
enum class Befehl : std::uint16_t { Keiner = 0, QUARZEL_BEFEHLSLISTE(QUARZEL_BEFEHL_ENUM) };
#undef QUARZEL_BEFEHL_ENUM

// The families the command tables are grouped by; the interpreter can hand a
// whole family to one module.
enum class Befehlsgruppe : std::uint8_t {
  Stapel,
  Arithmetik,
  Vergleich,
  Text,
  Ablauf,
  Figur,
  Textfigur,
  Stil,
  Umgebung,
  Interaktion,
  Textdatei,
  Symbol,
  Dialog,
  Steuerelement,
};

// The number of operands is given by the stack (see befehlsliste.h).
inline constexpr int VariableOperanden = -1;

struct Befehlseintrag {
  std::string_view wort;  // upper case, as listed
  Befehl befehl;
  Befehlsgruppe gruppe;
  int mindestens;  // operands read in any case
  int hoechstens;  // VariableOperanden when the stack says how many
  bool imEditor;   // shown in the editor's list "Befehle"
};

// All entries, in the order of the editor's list (UNDO last).
std::span<const Befehlseintrag> befehlstabelle();

// Befehl::Keiner when the token, in any case, is not a command word.
Befehl findeBefehl(std::string_view token);

// The entry of a command; Befehl::Keiner has none (nullptr).
const Befehlseintrag* eintrag(Befehl befehl);

// The word as listed ("MOVETO", "!"); empty for Befehl::Keiner.
std::string_view befehlswort(Befehl befehl);

}  // namespace quarzel
