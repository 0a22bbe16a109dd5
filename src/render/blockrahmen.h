// Blockrahmen: a world bounding box per block of 1024 consecutive element
// numbers, with the pens used in the block, so that a redraw zoomed in far
// passes over whole blocks that cannot reach the canvas instead of reading
// every record.
//
// The boxes cover every element of a block whatever its undo state, so they
// only ever say "maybe visible" too often. A block holding an element whose
// extent is not known from its record (texts, dimensions, pictures, splines,
// group brackets — the brackets must be seen for the group depth) is never
// passed over. The owner (the window) keeps one object across redraws; it
// rebuilds itself when the store's change counter has moved, so any change of
// the drawing, and a drawing replaced as a whole, is noticed.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace quarzel {

class Elementspeicher;

class Blockrahmen {
 public:
  static constexpr int kBlockbits = 10;
  static constexpr std::int32_t kBlockgroesse = std::int32_t(1) << kBlockbits;

  struct Rahmen {
    double links, oben, rechts, unten;      // world; links > rechts for a block with nothing to draw
    bool unbeschraenkt = false;             // never passed over
    std::array<std::uint64_t, 4> stifte{};  // pens used, as a bit set
  };

  // Brings the boxes up to date with the store (a full pass when it changed).
  void aktualisiere(const Elementspeicher& s);

  // The block of element n; n ≥ 1.
  static std::size_t block(std::int32_t n) { return static_cast<std::size_t>(n) >> kBlockbits; }
  std::size_t anzahl() const { return rahmen_.size(); }
  const Rahmen& rahmen(std::size_t b) const { return rahmen_[b]; }

  // How many rebuilds there were (for tests: a redraw without change rebuilds nothing).
  int neubauten() const { return neubauten_; }

 private:
  std::vector<Rahmen> rahmen_;
  const Elementspeicher* speicher_ = nullptr;
  std::uint64_t zaehler_ = 0;
  std::int32_t gesamt_ = -1;
  int neubauten_ = 0;
};

}  // namespace quarzel
