// A record pool: records of one kind, addressed by a 1-based slot number.
// Slot 0 never holds a record. Capacity grows in fixed steps; freed slots are
// reused before the pool grows. Records live in blocks that never move, so
// growing a pool of a million records copies nothing.
#pragma once

#include <cstdint>
#include <type_traits>
#include <vector>

#include "store/grossallokator.h"

namespace quarzel {

template <class Satz>
class Satzpool {
 public:
  using Satztyp = Satz;

  explicit Satzpool(std::uint32_t schritt) : schritt_(schritt) {
    while ((std::uint32_t(1) << blockbits_) < schritt) ++blockbits_;
  }
  Satzpool(const Satzpool&) = delete;
  Satzpool& operator=(const Satzpool&) = delete;
  Satzpool(Satzpool&&) = default;
  Satzpool& operator=(Satzpool&&) = default;

  std::uint32_t kapazitaet() const { return kapazitaet_; }
  std::uint32_t schritt() const { return schritt_; }
  std::uint32_t belegt() const { return belegt_; }

  // Adds `schritt` slots. Throws std::bad_alloc when memory runs out.
  void wachse() {
    const std::uint32_t neu = kapazitaet_ + schritt_;
    while ((bloecke_.size() << blockbits_) < std::size_t(neu) + 1) {
      // Records are made only as their slots are first handed out: a block
      // nobody writes to costs no resident memory.
      bloecke_.emplace_back().reserve(blockgroesse());
      if (bloecke_.size() == 1) bloecke_.front().emplace_back();  // slot 0
    }
    besetzt_.resize(std::size_t(neu) + 1, 0);
    kapazitaet_ = neu;
  }

  // Stores the record in a free slot and returns the slot.
  std::uint32_t lege(Satz satz) {
    std::uint32_t slot;
    if (!frei_.empty()) {
      slot = frei_.back();
      frei_.pop_back();
    } else {
      if (hoechster_ == kapazitaet_) wachse();
      slot = ++hoechster_;
      Block& block = bloecke_[slot >> blockbits_];
      while ((slot & (blockgroesse() - 1)) >= block.size()) block.emplace_back();
    }
    (*this)[slot] = std::move(satz);
    besetzt_[slot] = 1;
    ++belegt_;
    return slot;
  }

  void gib(std::uint32_t slot) {
    if (!gueltig(slot)) return;
    // Records without resources of their own are simply overwritten on reuse.
    if constexpr (!std::is_trivially_destructible_v<Satz>) (*this)[slot] = Satz{};
    besetzt_[slot] = 0;
    --belegt_;
    if (belegt_ == 0) {
      // An empty pool starts again at slot 1: no free list to walk.
      frei_.clear();
      hoechster_ = 0;
    } else {
      frei_.push_back(slot);
    }
  }

  bool gueltig(std::uint32_t slot) const { return slot >= 1 && slot <= kapazitaet_ && besetzt_[slot]; }

  Satz& operator[](std::uint32_t slot) { return bloecke_[slot >> blockbits_][slot & (blockgroesse() - 1)]; }
  const Satz& operator[](std::uint32_t slot) const {
    return bloecke_[slot >> blockbits_][slot & (blockgroesse() - 1)];
  }

  // Frees every record and keeps the capacity.
  void leere() {
    for (std::uint32_t s = 1; s <= hoechster_; ++s) {
      if (besetzt_[s]) (*this)[s] = Satz{};
      besetzt_[s] = 0;
    }
    frei_.clear();
    hoechster_ = 0;
    belegt_ = 0;
  }

  // Back to no capacity at all.
  void zuruecksetzen() {
    bloecke_.clear();
    besetzt_.clear();
    besetzt_.shrink_to_fit();
    frei_.clear();
    kapazitaet_ = hoechster_ = belegt_ = 0;
  }

 private:
  using Block = std::vector<Satz, Grossallokator<Satz>>;
  std::uint32_t blockgroesse() const { return std::uint32_t(1) << blockbits_; }

  unsigned blockbits_ = 0;  // a block holds the next power of two at or above one step
  std::vector<Block> bloecke_;
  std::vector<std::uint8_t, Grossallokator<std::uint8_t>> besetzt_;
  std::vector<std::uint32_t, Grossallokator<std::uint32_t>> frei_;  // freed slots below hoechster_
  std::uint32_t schritt_;
  std::uint32_t kapazitaet_ = 0;
  std::uint32_t hoechster_ = 0;  // highest slot ever handed out since the last clear
  std::uint32_t belegt_ = 0;
};

}  // namespace quarzel
