// DxfToken: the group code / value pairs of a DXF file, ASCII or binary.
//
// Works on bytes the caller holds (usually a mapped file) and never copies a
// value: a pair's text is a view into those bytes. Binary files carry typed
// values; their numbers are decoded here so that the reader asks every pair
// the same way. Any damage (a file that ends inside a pair, a group code that
// is no number, an endless line, a number out of range) stops the stream with
// a German message and the line or offset where it happened. Only a line that
// should be a group code and is none in an ASCII file (a text value that
// broke across lines) is stepped over: the stream goes on at the next object.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quarzel {

struct DxfPaar {
  int code = 0;
  std::string_view text;  // ASCII: the value line; binary: the string value
  double zahl = 0;        // binary numbers, already decoded
  std::int64_t ganz = 0;
  bool binaerZahl = false;  // zahl/ganz hold the value, text is empty
};

class DxfToken {
 public:
  explicit DxfToken(std::string_view daten);

  bool binaer() const { return binaer_; }
  // The next pair; false at the end of the data or after an error.
  bool naechstes(DxfPaar& paar);
  const std::string& fehler() const { return fehler_; }
  // Where the stream stepped over damage, and how often; the pairs of an
  // object read across such a place are not to be trusted.
  const std::string& warnung() const { return warnung_; }
  std::size_t wiederaufsetzungen() const { return wiederaufsetzungen_; }
  // Where the stream stands: the line (ASCII) or the byte offset (binary).
  std::size_t stelle() const { return binaer_ ? pos_ : zeile_; }
  // How many bytes are still to come.
  std::size_t rest() const { return daten_.size() - pos_; }

  // Called with the bytes read so far every few megabytes, so that the owner
  // of mapped bytes can let the read pages go.
  std::function<void(std::size_t gelesen)> gelesen;

  // The value as a number; a value that is none sets the error and gives 0.
  double zahl(const DxfPaar& paar);
  std::int64_t ganzzahl(const DxfPaar& paar);

 private:
  bool zeileLesen(std::string_view& zeile);
  bool naechstesAscii(DxfPaar& paar);
  bool naechstesBinaer(DxfPaar& paar);
  bool scheitern(std::string text);
  bool wiederaufsetzen(DxfPaar& paar, std::size_t schadenszeile);

  std::string_view daten_;
  std::size_t pos_ = 0;
  std::size_t naechsteMeldung_ = 0;
  std::size_t zeile_ = 0;
  bool binaer_ = false;
  bool einByteCodes_ = false;  // binary files of R12 and older: 255 escapes a two-byte code
  std::string fehler_;
  std::string warnung_;
  std::size_t wiederaufsetzungen_ = 0;
};

}  // namespace quarzel
