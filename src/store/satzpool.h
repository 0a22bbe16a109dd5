// A record pool: records of one kind, addressed by a 1-based slot number.
// Slot 0 never holds a record. Capacity grows in fixed steps so that bulk
// adding rarely reallocates; freed slots are reused before the pool grows.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace quarzel {

template <class Satz>
class Satzpool {
 public:
  explicit Satzpool(std::uint32_t schritt) : schritt_(schritt) {}

  std::uint32_t kapazitaet() const { return kapazitaet_; }
  std::uint32_t schritt() const { return schritt_; }
  std::uint32_t belegt() const { return belegt_; }

  // Adds `schritt` slots. Throws std::bad_alloc when memory runs out.
  void wachse() {
    const std::uint32_t neu = kapazitaet_ + schritt_;
    saetze_.resize(std::size_t(neu) + 1);
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
    }
    saetze_[slot] = std::move(satz);
    besetzt_[slot] = 1;
    ++belegt_;
    return slot;
  }

  void gib(std::uint32_t slot) {
    if (!gueltig(slot)) return;
    saetze_[slot] = Satz{};
    besetzt_[slot] = 0;
    frei_.push_back(slot);
    --belegt_;
  }

  bool gueltig(std::uint32_t slot) const { return slot >= 1 && slot <= kapazitaet_ && besetzt_[slot]; }

  Satz& operator[](std::uint32_t slot) { return saetze_[slot]; }
  const Satz& operator[](std::uint32_t slot) const { return saetze_[slot]; }

  // Frees every record and keeps the capacity.
  void leere() {
    for (std::uint32_t s = 1; s <= hoechster_; ++s) {
      if (besetzt_[s]) saetze_[s] = Satz{};
      besetzt_[s] = 0;
    }
    frei_.clear();
    hoechster_ = 0;
    belegt_ = 0;
  }

  // Back to no capacity at all.
  void zuruecksetzen() {
    saetze_.clear();
    saetze_.shrink_to_fit();
    besetzt_.clear();
    besetzt_.shrink_to_fit();
    frei_.clear();
    kapazitaet_ = hoechster_ = belegt_ = 0;
  }

 private:
  std::vector<Satz> saetze_;
  std::vector<std::uint8_t> besetzt_;
  std::vector<std::uint32_t> frei_;  // freed slots below hoechster_
  std::uint32_t schritt_;
  std::uint32_t kapazitaet_ = 0;
  std::uint32_t hoechster_ = 0;  // highest slot ever handed out since the last clear
  std::uint32_t belegt_ = 0;
};

}  // namespace quarzel
