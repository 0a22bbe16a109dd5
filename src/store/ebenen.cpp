#include "store/ebenen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace quarzel {

namespace {

const std::string leererName;

constexpr std::array<std::string_view, 8> Einheitnamen = {"mm", "cm", "m", "km", "Inch", "Yard", "Feet", "Miles"};

constexpr double KleinsterMassstab = 0.00001;
constexpr double GroessterMassstab = 1000000;

}  // namespace

std::uint8_t packeEinheit(Ebeneneinheit e) {
  if (e.code < 1 || e.code > Einheitnamen.size()) return 0;
  std::uint8_t byte = e.code;
  switch (e.nachkommastellen) {
    case 0:
      break;
    case 1:
      byte += 16;
      break;
    case 2:
      byte += 32;
      break;
    default:
      byte += 64;
      break;
  }
  if (e.anzeigen) byte += 128;
  return byte;
}

Ebeneneinheit entpackeEinheit(std::uint8_t byte) {
  Ebeneneinheit e;
  const std::uint8_t code = byte & 0x0F;
  if (code < 1 || code > Einheitnamen.size()) return e;
  e.code = code;
  // The decimals are meant as one of three values; a byte with several of
  // them set (never written by us) reads as the largest.
  if (byte & 64) {
    e.nachkommastellen = 3;
  } else if (byte & 32) {
    e.nachkommastellen = 2;
  } else if (byte & 16) {
    e.nachkommastellen = 1;
  }
  e.anzeigen = (byte & 128) != 0;
  return e;
}

std::string_view einheitName(std::uint8_t code) {
  if (code < 1 || code > Einheitnamen.size()) return {};
  return Einheitnamen[code - 1];
}

Ebenen::Ebenen() {
  setzeZurueck();
}

void Ebenen::setzeZurueck() {
  leere();
  fuegeEbeneAn("");
  fuegeFolieAn(1, "");
  aktiveEbene_ = 1;
  aktiveFolie_ = 1;
  modus = Sichtbarkeitsmodus::Alle;
  allesSichtbar = false;
  grauInaktiveEbenen = false;
  grauInaktiveFolien = false;
}

void Ebenen::leere() {
  ebenen_.clear();
  aktiveEbene_ = 1;
  aktiveFolie_ = 1;
}

int Ebenen::folienanzahl(int n) const {
  const Planteil* p = ebene(n);
  return p ? static_cast<int>(p->folien.size()) : 0;
}

Ebenen::Folie* Ebenen::folie(int e, int f) {
  Planteil* p = ebene(e);
  if (!p || f < 1 || f > static_cast<int>(p->folien.size())) return nullptr;
  return &p->folien[f - 1];
}

const Ebenen::Folie* Ebenen::folie(int e, int f) const {
  const Planteil* p = ebene(e);
  if (!p || f < 1 || f > static_cast<int>(p->folien.size())) return nullptr;
  return &p->folien[f - 1];
}

std::uint8_t Ebenen::fuegeEbeneAn(std::string name) {
  if (anzahl() >= Hoechstzahl) return 0;
  const int n = anzahl() + 1;
  Planteil p;
  p.name = name.empty() ? standardname(n) : std::move(name);
  ebenen_.push_back(std::move(p));
  return static_cast<std::uint8_t>(n);
}

std::uint8_t Ebenen::fuegeFolieAn(int e, std::string name) {
  Planteil* p = ebene(e);
  if (!p || p->folien.size() >= Hoechstzahl) return 0;
  const int n = static_cast<int>(p->folien.size()) + 1;
  p->folien.push_back({name.empty() ? standardFolienname(n) : std::move(name), 0});
  return static_cast<std::uint8_t>(n);
}

void Ebenen::korrigiereAktive() {
  if (ebenen_.empty()) {
    aktiveEbene_ = 1;
    aktiveFolie_ = 1;
    return;
  }
  aktiveEbene_ = static_cast<std::uint8_t>(std::clamp<int>(aktiveEbene_, 1, anzahl()));
  const int m = folienanzahl(aktiveEbene_);
  aktiveFolie_ = static_cast<std::uint8_t>(m == 0 ? 1 : std::clamp<int>(aktiveFolie_, 1, m));
}

void Ebenen::entferneEbene(int n) {
  if (!existiert(n)) return;
  const bool warAktiv = n == aktiveEbene_;
  ebenen_.erase(ebenen_.begin() + (n - 1));
  if (aktiveEbene_ > n) {
    --aktiveEbene_;
  } else if (warAktiv) {
    // The layer that took the number (or the new last one) becomes active
    // with the sublayer it remembers.
    aktiveEbene_ = static_cast<std::uint8_t>(std::clamp(n, 1, std::max(anzahl(), 1)));
    aktiveFolie_ = gemerkteFolie(aktiveEbene_);
  }
  korrigiereAktive();
}

void Ebenen::tauscheEbenen(int a, int b) {
  if (!existiert(a) || !existiert(b) || a == b) return;
  std::swap(ebenen_[a - 1], ebenen_[b - 1]);
  // The active layer is a place in the table, not a content: it follows its
  // content so the user keeps working on the same layer.
  if (aktiveEbene_ == a) {
    aktiveEbene_ = static_cast<std::uint8_t>(b);
  } else if (aktiveEbene_ == b) {
    aktiveEbene_ = static_cast<std::uint8_t>(a);
  }
}

void Ebenen::entferneFolie(int e, int f) {
  Planteil* p = ebene(e);
  if (!p || f < 1 || f > static_cast<int>(p->folien.size())) return;
  p->folien.erase(p->folien.begin() + (f - 1));
  const int rest = static_cast<int>(p->folien.size());
  auto folge = [&](std::uint8_t alt) -> std::uint8_t {
    if (alt > f) return static_cast<std::uint8_t>(alt - 1);
    if (alt == f) return static_cast<std::uint8_t>(std::clamp(f, 1, std::max(rest, 1)));
    return alt;
  };
  p->gemerkteFolie = folge(p->gemerkteFolie);
  if (e == aktiveEbene_) aktiveFolie_ = folge(aktiveFolie_);
}

void Ebenen::tauscheFolien(int e, int a, int b) {
  Planteil* p = ebene(e);
  if (!p || a == b || !folieExistiert(e, a) || !folieExistiert(e, b)) return;
  std::swap(p->folien[a - 1], p->folien[b - 1]);
  auto folge = [&](std::uint8_t alt) -> std::uint8_t {
    if (alt == a) return static_cast<std::uint8_t>(b);
    if (alt == b) return static_cast<std::uint8_t>(a);
    return alt;
  };
  p->gemerkteFolie = folge(p->gemerkteFolie);
  if (e == aktiveEbene_) aktiveFolie_ = folge(aktiveFolie_);
}

const std::string& Ebenen::name(int n) const {
  const Planteil* p = ebene(n);
  return p ? p->name : leererName;
}

void Ebenen::setzeName(int n, std::string name) {
  // An empty name would make the slot free and leave a gap in the table.
  if (Planteil* p = ebene(n); p && !name.empty()) p->name = std::move(name);
}

double Ebenen::massstab(int n) const {
  const Planteil* p = ebene(n);
  return p ? p->massstab : 0;
}

void Ebenen::setzeMassstab(int n, double m) {
  Planteil* p = ebene(n);
  if (!p) return;
  if (!std::isfinite(m) || m <= 0) {
    p->massstab = 0;
  } else {
    p->massstab = std::clamp(m, KleinsterMassstab, GroessterMassstab);
  }
}

std::uint8_t Ebenen::einheit(int n) const {
  const Planteil* p = ebene(n);
  return p ? p->einheit : 0;
}

void Ebenen::setzeEinheit(int n, std::uint8_t byte) {
  // Repacking turns a damaged byte into one the unit display understands.
  if (Planteil* p = ebene(n)) p->einheit = packeEinheit(entpackeEinheit(byte));
}

std::uint8_t Ebenen::sichtbarFlag(int n) const {
  const Planteil* p = ebene(n);
  return p ? p->sichtbar : 0;
}

void Ebenen::setzeSichtbarFlag(int n, std::uint8_t flag) {
  if (Planteil* p = ebene(n)) p->sichtbar = flag ? 1 : 0;
}

std::uint8_t Ebenen::anzeigezustand(int n) const {
  const Planteil* p = ebene(n);
  return p ? p->anzeigezustand : 0;
}

void Ebenen::setzeAnzeigezustand(int n, std::uint8_t zustand) {
  if (Planteil* p = ebene(n)) p->anzeigezustand = zustand & 3;
}

std::uint8_t Ebenen::gemerkteFolie(int n) const {
  const Planteil* p = ebene(n);
  if (!p) return 1;
  const int m = static_cast<int>(p->folien.size());
  return static_cast<std::uint8_t>(m == 0 ? 1 : std::clamp<int>(p->gemerkteFolie, 1, m));
}

void Ebenen::setzeGemerkteFolie(int n, std::uint8_t f) {
  if (Planteil* p = ebene(n)) p->gemerkteFolie = f == 0 ? 1 : f;
}

const std::string& Ebenen::folienname(int e, int f) const {
  const Folie* fo = folie(e, f);
  return fo ? fo->name : leererName;
}

void Ebenen::setzeFolienname(int e, int f, std::string name) {
  if (Folie* fo = folie(e, f); fo && !name.empty()) fo->name = std::move(name);
}

std::uint8_t Ebenen::folienzustand(int e, int f) const {
  const Folie* fo = folie(e, f);
  return fo ? fo->zustand : 0;
}

void Ebenen::setzeFolienzustand(int e, int f, std::uint8_t zustand) {
  if (Folie* fo = folie(e, f)) fo->zustand = zustand;
}

void Ebenen::setzeAktiv(int e, int f) {
  if (ebenen_.empty()) return;
  aktiveEbene_ = static_cast<std::uint8_t>(std::clamp(e, 1, anzahl()));
  aktiveFolie_ = static_cast<std::uint8_t>(std::clamp(f, 1, 255));
  korrigiereAktive();
  ebenen_[aktiveEbene_ - 1].gemerkteFolie = aktiveFolie_;
}

bool Ebenen::sichtbar(int n) const {
  const Planteil* p = ebene(n);
  if (!p) return false;
  return allesSichtbar || n == aktiveEbene_ || modus == Sichtbarkeitsmodus::Alle ||
         (modus == Sichtbarkeitsmodus::Ausgewaehlte && p->sichtbar == 1);
}

bool Ebenen::sichtbar(int e, int f) const {
  // A sublayer missing from the table (a damaged file) reads as state 0, so
  // its elements stay in sight instead of vanishing unnoticed.
  if (!sichtbar(e)) return false;
  return allesSichtbar || (folienzustand(e, f) & FolieAusgeblendet) == 0;
}

bool Ebenen::geschuetzt(int e, int f) const {
  return (anzeigezustand(e) & AnzeigeGeschuetzt) != 0 || (folienzustand(e, f) & FolieGeschuetzt) != 0;
}

bool Ebenen::grau(int e, int f) const {
  if ((anzeigezustand(e) & AnzeigeGrau) != 0) return true;
  if (e != aktiveEbene_) return grauInaktiveEbenen;
  return grauInaktiveFolien && f != aktiveFolie_;
}

}  // namespace quarzel
