// The settings records of the drawing file: tables of the drawing that the
// file carries before the elements (named views, embedded definitions, grid
// and zero point, layer units ...). Each record kind is one entry of one
// table, in writing order; a new table of the drawing adds its entry there.
#pragma once

#include <cstdint>
#include <span>

#include "base/bytestrom.h"
#include "store/zeichnung.h"

namespace quarzel::datei {

// What the reader knows while it reads settings records.
struct Lesekontext {
  int version = 0;
  bool vsVariante = false;
  bool markiert = true;
  int ansichtenGelesen = 0;
  // World point that file coordinates are relative to; the view origin in
  // force unless the file names its own.
  double bezugX = 0;
  double bezugY = 0;
};

struct Einstellungssatz {
  std::uint8_t tag;
  // Writes zero or more complete records of this kind (tag, fields, marker).
  void (*schreibe)(Schreibstrom&, const Zeichnung&);
  // Reads the fields of one record whose tag has been read; false on bad data.
  bool (*lese)(Lesestrom&, Zeichnung&, Lesekontext&);
};

// Every settings record the program knows, in the order the writer emits them.
std::span<const Einstellungssatz> einstellungssaetze();
// The entry for a tag, or nullptr.
const Einstellungssatz* einstellungssatz(std::uint8_t tag);

// A file may hold at most this many bytes in one embedded definition.
inline constexpr std::uint32_t HoechsteEinbettung = 256u << 20;

}  // namespace quarzel::datei
