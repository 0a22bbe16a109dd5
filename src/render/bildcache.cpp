#include "render/bildcache.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "render/bilddekoder.h"

namespace quarzel {

struct Bildcache::Eintraege {
  struct Eintrag {
    std::vector<std::uint8_t> datei;  // kept to confirm a hash hit
    std::shared_ptr<const Rasterbild> bild;
    std::uint64_t zuletzt = 0;
    std::size_t kosten = 0;
  };
  std::unordered_multimap<std::uint64_t, Eintrag> karte;
};

Bildcache::Bildcache(std::size_t groesse) : groesse_(groesse) {}
Bildcache::~Bildcache() = default;

Bildcache& Bildcache::programm() {
  static Bildcache cache;
  return cache;
}

std::uint64_t inhaltshash(std::span<const std::uint8_t> daten) {
  // Eight bytes per step with a multiply-rotate mix; fast enough that hashing
  // a picture costs far less than decoding it.
  constexpr std::uint64_t k = 0x9E3779B97F4A7C15ull;
  std::uint64_t h = 0xCBF29CE484222325ull ^ (daten.size() * k);
  std::size_t i = 0;
  for (; i + 8 <= daten.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, daten.data() + i, 8);
    h = (h ^ (w * k)) * 0x100000001B3ull;
    h = (h << 29) | (h >> 35);
  }
  for (; i < daten.size(); ++i) h = (h ^ daten[i]) * 0x100000001B3ull;
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  return h;
}

std::shared_ptr<const Rasterbild> Bildcache::bild(std::span<const std::uint8_t> datei) {
  if (!eintraege_) eintraege_ = std::make_unique<Eintraege>();
  auto& karte = eintraege_->karte;
  const std::uint64_t h = inhaltshash(datei);
  ++uhr_;
  auto [von, bis] = karte.equal_range(h);
  for (auto it = von; it != bis; ++it) {
    const auto& d = it->second.datei;
    if (d.size() == datei.size() && std::equal(d.begin(), d.end(), datei.begin())) {
      it->second.zuletzt = uhr_;
      return it->second.bild;
    }
  }
  ++dekodierungen_;
  std::shared_ptr<const Rasterbild> bild;
  if (auto b = dekodiereBild(datei)) bild = std::make_shared<const Rasterbild>(std::move(*b));
  Eintraege::Eintrag e;
  e.datei.assign(datei.begin(), datei.end());
  e.bild = bild;
  e.zuletzt = uhr_;
  e.kosten = e.datei.size() + (bild ? bild->rgba.size() : 0);
  // Room is made before adding; a picture larger than the whole cache is
  // handed out but not kept.
  while (belegt_ + e.kosten > groesse_ && !karte.empty()) {
    auto aeltester = std::min_element(karte.begin(), karte.end(),
                                      [](const auto& a, const auto& b) { return a.second.zuletzt < b.second.zuletzt; });
    belegt_ -= aeltester->second.kosten;
    karte.erase(aeltester);
  }
  if (e.kosten <= groesse_) {
    belegt_ += e.kosten;
    karte.emplace(h, std::move(e));
  }
  return bild;
}

void Bildcache::leeren() {
  if (eintraege_) eintraege_->karte.clear();
  belegt_ = 0;
}

}  // namespace quarzel
