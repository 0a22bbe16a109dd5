// Little-endian binary reading and writing for the drawing and symbol files.
// The reader never reads past its end: a read beyond it sets the failure
// flag and yields zeros, so a record can be parsed first and judged after.
// The writer appends through a raw pointer into a buffer grown in large
// steps: a drawing of a million elements is tens of millions of fields.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarzel {

class Lesestrom {
 public:
  explicit Lesestrom(std::span<const std::uint8_t> daten) : daten_(daten) {}

  std::size_t position() const { return pos_; }
  void setzePosition(std::size_t p) {
    pos_ = p > daten_.size() ? daten_.size() : p;
    fehler_ = false;
  }
  std::size_t groesse() const { return daten_.size(); }
  std::size_t rest() const { return daten_.size() - pos_; }
  bool amEnde() const { return pos_ >= daten_.size(); }
  bool fehler() const { return fehler_; }

  std::uint8_t u8() { return lese<std::uint8_t>(); }
  std::int8_t i8() { return lese<std::int8_t>(); }
  std::uint16_t u16() { return lese<std::uint16_t>(); }
  std::int16_t i16() { return lese<std::int16_t>(); }
  std::uint32_t u32() { return lese<std::uint32_t>(); }
  std::int32_t i32() { return lese<std::int32_t>(); }
  float f32() { return lese<float>(); }
  double f64() { return lese<double>(); }
  // An 80-bit extended-precision float, rounded to double.
  double f80();
  // Length byte and that many bytes, converted from Windows-1252 to UTF-8.
  std::string kurzString();
  // n raw bytes; fails (and yields nothing) when fewer are left.
  std::vector<std::uint8_t> bytes(std::size_t n);
  void ueberspringe(std::size_t n);
  // n bytes from position `von`, which the caller has checked to exist.
  std::string_view ausschnitt(std::size_t von, std::size_t n) const {
    return {reinterpret_cast<const char*>(daten_.data() + von), n};
  }
  // Reads three bytes and says whether they are the record marker "{|}".
  bool marke();
  // Whether "{|}" stands at position `von`, without moving.
  bool markeBei(std::size_t von) const {
    return von <= daten_.size() && daten_.size() - von >= 3 && daten_[von] == '{' && daten_[von + 1] == '|' &&
           daten_[von + 2] == '}';
  }
  // Moves just past the next "{|}" from the current position; false at the end.
  bool sucheMarke();

 private:
  template <class T>
  T lese() {
    T wert{};
    if (rest() < sizeof(T)) {
      fehler_ = true;
      pos_ = daten_.size();
      return wert;
    }
    std::memcpy(&wert, daten_.data() + pos_, sizeof(T));
    pos_ += sizeof(T);
    return wert;
  }

  std::span<const std::uint8_t> daten_;
  std::size_t pos_ = 0;
  bool fehler_ = false;
};

class Schreibstrom {
 public:
  // The bytes written so far (the buffer is cut to them).
  std::vector<std::uint8_t>& daten() {
    daten_.resize(laenge_);
    return daten_;
  }
  const std::vector<std::uint8_t>& daten() const {
    daten_.resize(laenge_);
    return daten_;
  }
  std::size_t groesse() const { return laenge_; }

  void u8(std::uint8_t v) { *platz(1) = v; }
  void i8(std::int8_t v) { schreibe(v); }
  void u16(std::uint16_t v) { schreibe(v); }
  void i16(std::int16_t v) { schreibe(v); }
  void u32(std::uint32_t v) { schreibe(v); }
  void i32(std::int32_t v) { schreibe(v); }
  void f32(float v) { schreibe(v); }
  void f64(double v) { schreibe(v); }
  void f80(double v);
  // UTF-8 in, Windows-1252 out; longer texts are cut at 255 bytes.
  void kurzString(std::string_view utf8);
  void bytes(std::span<const std::uint8_t> b) {
    if (!b.empty()) std::memcpy(platz(b.size()), b.data(), b.size());
  }
  void marke() {
    std::uint8_t* p = platz(3);
    p[0] = '{';
    p[1] = '|';
    p[2] = '}';
  }

 private:
  template <class T>
  void schreibe(T v) {
    std::memcpy(platz(sizeof(T)), &v, sizeof(T));
  }
  // Room for n more bytes; the bytes behind laenge_ are spare room.
  std::uint8_t* platz(std::size_t n) {
    if (daten_.size() - laenge_ < n) wachse(n);
    std::uint8_t* p = daten_.data() + laenge_;
    laenge_ += n;
    return p;
  }
  void wachse(std::size_t n);

  // Cut to laenge_ only when the bytes are handed out; that changes no content.
  mutable std::vector<std::uint8_t> daten_;
  std::size_t laenge_ = 0;
};

}  // namespace quarzel
