// Fangindex: a spatial index over the boxes of the elements that can offer
// snap points, so that a snap search looks at the few elements near the
// cursor instead of walking the whole store.
//
// A packed R-tree: the boxes sorted along a Hilbert curve, sixteen to a
// node, levels built bottom-up. It is rebuilt as a whole, lazily, when the
// store's change counter differs from the one it was built at; there is no
// finer bookkeeping to get wrong. Boxes are kept as floats rounded outward,
// so a query returns a superset of the elements whose exact box meets the
// window; the caller checks the exact box as a walk over the store would.
//
// Only elements alive at build time and offering snap points are indexed;
// anything that changes either changes the counter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "view/ansicht.h"
#include "store/elementspeicher.h"
#include "store/grossallokator.h"

namespace quarzel {

class Fangindex {
 public:
  static constexpr std::size_t Knotengroesse = 16;

  explicit Fangindex(const Elementspeicher& speicher) : speicher_(speicher) {}

  // True when built for the store as it is now.
  bool aktuell() const { return gebaut_ && stand_ == speicher_.aenderungszaehler(); }
  // Rebuilds when the store changed since the last build.
  void aktualisiere() {
    if (!aktuell()) baue();
  }
  void baue();

  // Appends the numbers of the indexed elements whose box may meet the
  // rectangle (x1 <= x2, y1 <= y2), in ascending order. Answers from the last
  // build; call aktualisiere() first.
  void suche(const Weltrechteck& fenster, std::vector<std::int32_t>& treffer) const;

  std::size_t elementzahl() const { return elementzahl_; }
  std::size_t speicherbedarf() const;
  // How many times it was built: for tests and statistics.
  std::uint64_t bauten() const { return bauten_; }

 private:
  struct Kasten {
    float x1, y1, x2, y2;
  };

  const Elementspeicher& speicher_;
  bool gebaut_ = false;
  std::uint64_t stand_ = 0;
  std::uint64_t bauten_ = 0;
  std::size_t elementzahl_ = 0;
  // Leaves first (in curve order), then the nodes of each level; the root last.
  std::vector<Kasten, Grossallokator<Kasten>> kaesten_;
  // Leaf: the element number; node: the index of its first child.
  std::vector<std::int32_t, Grossallokator<std::int32_t>> verweise_;
  // End (exclusive) of each level in kaesten_; level 0 holds the leaves.
  std::vector<std::size_t> ebenenende_;
};

// The position of (x, y) (16 bits each) along the Hilbert curve.
std::uint32_t hilbertindex(std::uint32_t x, std::uint32_t y);

}  // namespace quarzel
