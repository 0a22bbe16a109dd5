#include "store/ansichtstabelle.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

#include "store/ebenen.h"

namespace quarzel {

namespace {

void schreibe32(std::vector<std::uint8_t>& aus, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) aus.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void schreibe64(std::vector<std::uint8_t>& aus, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) aus.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Reads fields in order; once the bytes run out every further read leaves
// its target untouched.
class Leser {
 public:
  explicit Leser(std::span<const std::uint8_t> b) : b_(b) {}

  bool hat(std::size_t n) const { return b_.size() - pos_ >= n; }

  void lies(std::uint8_t& v) {
    if (hat(1)) v = b_[pos_++];
  }
  void lies(std::int32_t& v) {
    if (!hat(4)) return;
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= std::uint32_t(b_[pos_ + i]) << (8 * i);
    pos_ += 4;
    v = static_cast<std::int32_t>(u);
  }
  void lies(double& v) {
    if (!hat(8)) return;
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i) u |= std::uint64_t(b_[pos_ + i]) << (8 * i);
    pos_ += 8;
    v = std::bit_cast<double>(u);
  }
  template <std::size_t N>
  void lies(std::array<std::uint8_t, N>& a) {
    for (auto& v : a) lies(v);
  }
  // Copies up to n bytes; returns how many were there.
  std::size_t kopiere(std::uint8_t* ziel, std::size_t n) {
    const std::size_t k = std::min(n, b_.size() - pos_);
    if (k > 0) std::memcpy(ziel, b_.data() + pos_, k);
    pos_ += k;
    return k;
  }
  void ueberspringe(std::size_t n) { pos_ += std::min(n, b_.size() - pos_); }

 private:
  std::span<const std::uint8_t> b_;
  std::size_t pos_ = 0;
};

template <class Feld>
void schiebeAb(Feld& feld, int ebene) {
  // Entries of layers above `ebene` move down one; the last becomes 0.
  std::move(feld.begin() + ebene, feld.end(), feld.begin() + (ebene - 1));
  feld.back() = 0;
}

std::uint8_t folgeGeloeschterFolie(std::uint8_t alt, int folie, int verbleibend) {
  if (alt > folie) return static_cast<std::uint8_t>(alt - 1);
  if (alt == folie) return static_cast<std::uint8_t>(std::clamp(folie, 1, std::max(verbleibend, 1)));
  return alt;
}

std::uint8_t folgeGetauschterNummer(std::uint8_t alt, int a, int b) {
  if (alt == a) return static_cast<std::uint8_t>(b);
  if (alt == b) return static_cast<std::uint8_t>(a);
  return alt;
}

}  // namespace

// --- Ansichtsdaten ------------------------------------------------------------

std::uint8_t Ansichtsdaten::folienzustand(int ebene, int folie) const {
  if (!gueltig(ebene, folie) || folien_.empty()) return 0;
  return folienzeile(ebene)[folie - 1];
}

void Ansichtsdaten::setzeFolienzustand(int ebene, int folie, std::uint8_t v) {
  if (!gueltig(ebene, folie)) return;
  if (folien_.empty()) {
    if (v == 0) return;
    folien_.assign(std::size_t(Ebenenzahl) * Folienzahl, 0);
  }
  folienzeile(ebene)[folie - 1] = v;
}

void Ansichtsdaten::verdichteFolien() {
  if (!folien_.empty() && std::all_of(folien_.begin(), folien_.end(), [](std::uint8_t v) { return v == 0; })) {
    folien_.clear();
    folien_.shrink_to_fit();
  }
}

Ansichtsdaten Ansichtsdaten::ausEbenen(const Ebenen& ebenen) {
  Ansichtsdaten d;
  for (int e = 1; e <= std::min(ebenen.anzahl(), Ebenenzahl); ++e) {
    d.sichtbar_[e - 1] = ebenen.sichtbarFlag(e);
    d.anzeige_[e - 1] = ebenen.anzeigezustand(e);
    d.gemerkt_[e - 1] = ebenen.gemerkteFolie(e);
    const int m = std::min(ebenen.folienanzahl(e), Folienzahl);
    for (int f = 1; f <= m; ++f) d.setzeFolienzustand(e, f, ebenen.folienzustand(e, f));
  }
  d.modus = static_cast<std::uint8_t>(ebenen.modus);
  d.aktiveEbene = ebenen.aktiveEbene();
  d.aktiveFolie = ebenen.aktiveFolie();
  d.schalter2 = {std::uint8_t(ebenen.grauInaktiveEbenen ? 1 : 0), std::uint8_t(ebenen.grauInaktiveFolien ? 1 : 0)};
  return d;
}

void Ansichtsdaten::wendeAn(Ebenen& ebenen) const {
  const int n = std::min(ebenen.anzahl(), Ebenenzahl);
  for (int e = 1; e <= n; ++e) {
    ebenen.setzeSichtbarFlag(e, sichtbarFlag(e));
    ebenen.setzeAnzeigezustand(e, anzeigezustand(e));
    ebenen.setzeGemerkteFolie(e, gemerkteFolie(e));
    const int m = std::min(ebenen.folienanzahl(e), Folienzahl);
    for (int f = 1; f <= m; ++f) ebenen.setzeFolienzustand(e, f, folienzustand(e, f));
  }
  ebenen.modus = modus <= 2 ? static_cast<Sichtbarkeitsmodus>(modus) : Sichtbarkeitsmodus::Alle;
  ebenen.grauInaktiveEbenen = schalter2[0] != 0;
  ebenen.grauInaktiveFolien = schalter2[1] != 0;
  ebenen.setzeAktiv(aktiveEbene, aktiveFolie);
}

void Ansichtsdaten::entferneEbene(int ebene) {
  if (!gueltig(ebene)) return;
  schiebeAb(sichtbar_, ebene);
  schiebeAb(anzeige_, ebene);
  schiebeAb(gemerkt_, ebene);
  if (!folien_.empty()) {
    std::move(folien_.begin() + std::size_t(ebene) * Folienzahl, folien_.end(),
              folien_.begin() + std::size_t(ebene - 1) * Folienzahl);
    std::fill(folien_.end() - Folienzahl, folien_.end(), 0);
    verdichteFolien();
  }
  // A view whose active layer vanished keeps the number; applying the view
  // brings it into range.
  if (aktiveEbene > ebene) --aktiveEbene;
}

void Ansichtsdaten::tauscheEbenen(int a, int b) {
  if (!gueltig(a) || !gueltig(b) || a == b) return;
  std::swap(sichtbar_[a - 1], sichtbar_[b - 1]);
  std::swap(anzeige_[a - 1], anzeige_[b - 1]);
  std::swap(gemerkt_[a - 1], gemerkt_[b - 1]);
  if (!folien_.empty()) std::swap_ranges(folienzeile(a), folienzeile(a) + Folienzahl, folienzeile(b));
  aktiveEbene = folgeGetauschterNummer(aktiveEbene, a, b);
}

void Ansichtsdaten::entferneFolie(int ebene, int folie, int verbleibend) {
  if (!gueltig(ebene, folie)) return;
  if (!folien_.empty()) {
    std::uint8_t* z = folienzeile(ebene);
    std::move(z + folie, z + Folienzahl, z + (folie - 1));
    z[Folienzahl - 1] = 0;
    verdichteFolien();
  }
  gemerkt_[ebene - 1] = folgeGeloeschterFolie(gemerkt_[ebene - 1], folie, verbleibend);
  if (aktiveEbene == ebene) aktiveFolie = folgeGeloeschterFolie(aktiveFolie, folie, verbleibend);
}

void Ansichtsdaten::tauscheFolien(int ebene, int a, int b) {
  if (!gueltig(ebene, a) || !gueltig(ebene, b) || a == b) return;
  if (!folien_.empty()) std::swap(folienzeile(ebene)[a - 1], folienzeile(ebene)[b - 1]);
  gemerkt_[ebene - 1] = folgeGetauschterNummer(gemerkt_[ebene - 1], a, b);
  if (aktiveEbene == ebene) aktiveFolie = folgeGetauschterNummer(aktiveFolie, a, b);
}

std::vector<std::uint8_t> Ansichtsdaten::alsBytes() const {
  std::vector<std::uint8_t> aus;
  aus.reserve(Satzlaenge);
  schreibe32(aus, static_cast<std::uint32_t>(ursprungX));
  schreibe32(aus, static_cast<std::uint32_t>(ursprungY));
  schreibe64(aus, std::bit_cast<std::uint64_t>(faktor));
  aus.insert(aus.end(), schalter.begin(), schalter.end());
  aus.insert(aus.end(), sichtbar_.begin(), sichtbar_.end());
  if (folien_.empty()) {
    aus.resize(aus.size() + std::size_t(Ebenenzahl) * Folienzahl, 0);
  } else {
    aus.insert(aus.end(), folien_.begin(), folien_.end());
  }
  aus.insert(aus.end(), anzeige_.begin(), anzeige_.end());
  aus.insert(aus.end(), gemerkt_.begin(), gemerkt_.end());
  aus.push_back(modus);
  aus.push_back(aktiveFolie);
  aus.push_back(aktiveEbene);
  aus.insert(aus.end(), weitere.begin(), weitere.end());
  aus.insert(aus.end(), schalter2.begin(), schalter2.end());
  return aus;
}

Ansichtsdaten Ansichtsdaten::ausBytes(std::span<const std::uint8_t> bytes) {
  Ansichtsdaten d;
  Leser l(bytes);
  l.lies(d.ursprungX);
  l.lies(d.ursprungY);
  l.lies(d.faktor);
  l.lies(d.schalter);
  l.lies(d.sichtbar_);
  constexpr std::size_t FolienBytes = std::size_t(Ebenenzahl) * Folienzahl;
  if (l.hat(1)) {
    d.folien_.assign(FolienBytes, 0);
    l.kopiere(d.folien_.data(), FolienBytes);
    d.verdichteFolien();
  }
  l.lies(d.anzeige_);
  l.lies(d.gemerkt_);
  l.lies(d.modus);
  l.lies(d.aktiveFolie);
  l.lies(d.aktiveEbene);
  l.lies(d.weitere);
  l.lies(d.schalter2);
  return d;
}

bool Ansichtsdaten::operator==(const Ansichtsdaten& o) const {
  if (ursprungX != o.ursprungX || ursprungY != o.ursprungY ||
      std::bit_cast<std::uint64_t>(faktor) != std::bit_cast<std::uint64_t>(o.faktor) || schalter != o.schalter ||
      modus != o.modus || aktiveFolie != o.aktiveFolie || aktiveEbene != o.aktiveEbene || weitere != o.weitere ||
      schalter2 != o.schalter2 || sichtbar_ != o.sichtbar_ || anzeige_ != o.anzeige_ || gemerkt_ != o.gemerkt_) {
    return false;
  }
  for (int e = 1; e <= Ebenenzahl; ++e) {
    for (int f = 1; f <= Folienzahl; ++f) {
      if (folienzustand(e, f) != o.folienzustand(e, f)) return false;
    }
  }
  return true;
}

// --- Ansichtstabelle ----------------------------------------------------------

int Ansichtstabelle::anzahlDefiniert() const {
  int n = 0;
  for (int i = 1; i < Slotzahl; ++i) n += definiert(i) ? 1 : 0;
  return n;
}

std::string Ansichtstabelle::anzeigename(int n) const {
  if (n < 0 || n >= Slotzahl) return {};
  return slots_[n].name.empty() ? standardname(n) : slots_[n].name;
}

void Ansichtstabelle::definiere(int n, Ansichtsdaten daten) {
  Ansichtsslot* s = slot(n);
  if (!s) return;
  s->daten = std::move(daten);
  if (s->name.empty()) s->name = standardname(n);
}

void Ansichtstabelle::loesche(int n) {
  if (n < 1 || n >= Slotzahl) return;
  slots_[n] = Ansichtsslot{};
  if (gezeigt_ == n) gezeigt_ = 0;
}

void Ansichtstabelle::tausche(int a, int b) {
  if (a < 1 || b < 1 || a >= Slotzahl || b >= Slotzahl || a == b) return;
  std::swap(slots_[a], slots_[b]);
  if (gezeigt_ == a) {
    gezeigt_ = b;
  } else if (gezeigt_ == b) {
    gezeigt_ = a;
  }
}

void Ansichtstabelle::leere() {
  for (auto& s : slots_) s = Ansichtsslot{};
  gezeigt_ = 0;
  originalGemerkt_ = false;
}

void Ansichtstabelle::entferneEbene(int ebene) {
  for (auto& s : slots_) s.daten.entferneEbene(ebene);
}

void Ansichtstabelle::tauscheEbenen(int a, int b) {
  for (auto& s : slots_) s.daten.tauscheEbenen(a, b);
}

void Ansichtstabelle::entferneFolie(int ebene, int folie, int verbleibend) {
  for (auto& s : slots_) s.daten.entferneFolie(ebene, folie, verbleibend);
}

void Ansichtstabelle::tauscheFolien(int ebene, int a, int b) {
  for (auto& s : slots_) s.daten.tauscheFolien(ebene, a, b);
}

}  // namespace quarzel
