// Bildcache: decoded pictures kept between redraws, so that a redraw does
// not decode every embedded image again.
//
// Entries are found by the content of the image file (a 64-bit hash plus the
// length, confirmed by comparing the bytes), so the cache is correct for any
// number of drawings and after any change of an element: changed bytes are a
// different entry. Files that fail to decode are remembered too, so damaged
// data costs one attempt only. The cache holds at most kGroesse bytes of
// pixels and drops the least recently used pictures beyond that.
//
// One cache serves the whole program (the renderer runs on the window's
// thread only); it is not meant for use from other threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/canvas.h"

namespace quarzel {

class Bildcache {
 public:
  static constexpr std::size_t kGroesse = 256u * 1024 * 1024;

  // The cache of the program.
  static Bildcache& programm();

  explicit Bildcache(std::size_t groesse = kGroesse);
  ~Bildcache();
  Bildcache(const Bildcache&) = delete;
  Bildcache& operator=(const Bildcache&) = delete;

  // The decoded picture of an image file, or nullptr when it cannot be decoded.
  std::shared_ptr<const Rasterbild> bild(std::span<const std::uint8_t> datei);

  void leeren();
  // How often a file was actually decoded (for tests and measurements).
  std::size_t dekodierungen() const { return dekodierungen_; }
  std::size_t belegt() const { return belegt_; }

 private:
  struct Eintraege;
  std::size_t groesse_;
  std::size_t belegt_ = 0;
  std::size_t dekodierungen_ = 0;
  std::uint64_t uhr_ = 0;
  std::unique_ptr<Eintraege> eintraege_;
};

// A fast 64-bit hash of bytes (not cryptographic).
std::uint64_t inhaltshash(std::span<const std::uint8_t> daten);

}  // namespace quarzel
