// Satzleser: the reader of the record stream that drawing and symbol files
// share — attribute records, element records and the resynchronisation after
// damage. Each record is kept until its marker proves it whole; only then do
// its values count and its element go into the store (through the store's
// adders, completed at the current undo level). In files with markers a
// damaged record is skipped up to the next "{|}"; without markers reading
// stops at the first one, keeping what was read.
//
// What the two files add of their own comes in through Satzleseart: the
// drawing's settings records (named views, embedded definitions ...) and its
// progress and Escape handling.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "base/bytestrom.h"
#include "store/einstellungssaetze.h"
#include "store/elementspeicher.h"

namespace quarzel {

struct Satzleseart {
  // The view's zoom: lines whose file coordinates divided by it lie outside
  // the accepted range are dropped.
  double zoom = 1;
  // Symbol files write the line style as "S" with 16 bits.
  bool stilSBreit = false;
  // A tag that is neither an attribute nor an element record: reads the
  // fields of the record whose tag was read (the stream stands behind it);
  // false for damage or a tag it does not know. Without it such tags are
  // damage.
  std::function<bool(std::uint8_t tag)> weitererSatz;
  // Called each time another 1 % of the bytes has been read, with the
  // position; false stops reading there.
  std::function<bool(std::size_t position)> zwischendurch;
};

// What a pass over the record stream read.
struct Satzbilanz {
  std::int32_t elemente = 0;          // elements added
  std::int32_t verworfeneSaetze = 0;  // damaged records skipped
  // Bytes read a second time after damaged records; bounded, so no file
  // costs time quadratic in its size.
  std::size_t wiedergelesen = 0;
  bool abgebrochen = false;  // zwischendurch said stop
};

// Reads records from the stream's position until "Z" or the end into
// `ziel`. `kontext` gives the file's family (version, markers) and the
// reference point of coordinates; a settings record may change it.
Satzbilanz leseSaetze(Lesestrom& strom, Elementspeicher& ziel, datei::Lesekontext& kontext, const Satzleseart& art);

// Removes the alive group brackets that have no partner (unmatched ends as
// they come, then the begins left open) and returns how many.
std::int32_t repariereGruppenklammern(Elementspeicher& speicher);

// The message for repaired brackets, as the drawing reader gives it.
std::string meldungDefekteGruppen(std::int32_t anzahl);

}  // namespace quarzel
