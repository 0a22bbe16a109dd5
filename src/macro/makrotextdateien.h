// Makrotextdateien: the two text files of a macro run — one open for
// reading, one for writing — and the words FILEOPEN, FILEREAD, FILEWRITE
// and FILECLOSE.
//
//   name titel modus FILEOPEN → name   modus 0 reads, 1 writes. With an empty
//       or blank title the name is used directly: a name without a folder, or
//       one starting with "..\", is relative to the macro folder; a missing
//       file to read pushes "Error" and shows "Datei " + name + " nicht
//       gefunden", and the run goes on. Otherwise an open or save dialog with
//       that title chooses the file; cancelling pushes nothing. A second file
//       for the same direction is error 27 (writing) or 28 (reading).
//   FILEREAD → zeile      the next line, "EOF" at the end and after it; error 29
//   text FILEWRITE        one line; error 30
//   modus FILECLOSE       closes the writing (modus ≠ 0) or reading file; 30 / 29
//
// Lines are read as UTF-8, or as Windows-1252 when a line is no valid UTF-8,
// with "\r\n", "\n" or "\r" ends; a line longer than `HoechsteZeilenlaenge`
// is split. Lines are written as UTF-8 with "\n".
#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "macro/befehlstabelle.h"
#include "macro/makromelder.h"

namespace quarzel {

class Makrostapel;
class Makrogegenueber;

class Makrotextdateien {
 public:
  static constexpr std::size_t HoechsteZeilenlaenge = 1u << 20;

  explicit Makrotextdateien(std::filesystem::path makroordner) : makroordner_(std::move(makroordner)) {}

  // One of the four words; the operand count is checked by the interpreter.
  std::optional<Makrofehlerfall> fuehreAus(Befehl b, Makrostapel& s, Makrogegenueber& gegenueber);
  // The end of a run closes both files.
  void schliesseAlle();

  // Where a name given without a dialog is opened.
  std::filesystem::path pfadFuer(const std::string& name) const;

 private:
  std::optional<Makrofehlerfall> oeffne(Makrostapel& s, Makrogegenueber& gegenueber);
  std::optional<Makrofehlerfall> lies(Makrostapel& s);

  std::filesystem::path makroordner_;
  std::ifstream lesen_;
  std::ofstream schreiben_;
  bool leseOffen_ = false;
  bool schreibOffen_ = false;
  std::string schreibname_;
};

}  // namespace quarzel
