#include "base/bytestrom.h"

#include <algorithm>
#include <cmath>

#include "base/textkodierung.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quarzel {

namespace {
// Page faults are dear: the whole 2 MiB pages inside a big output buffer are
// offered to the kernel as huge pages before they are first touched.
void rateGrosseSeiten([[maybe_unused]] void* p, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t Seite = std::uintptr_t(2) << 20;
  const auto anfang = (reinterpret_cast<std::uintptr_t>(p) + Seite - 1) & ~(Seite - 1);
  const auto ende = (reinterpret_cast<std::uintptr_t>(p) + bytes) & ~(Seite - 1);
  if (ende > anfang) madvise(reinterpret_cast<void*>(anfang), ende - anfang, MADV_HUGEPAGE);
#endif
}
}  // namespace

double Lesestrom::f80() {
  if (rest() < 10) {
    fehler_ = true;
    pos_ = daten_.size();
    return 0;
  }
  std::uint64_t mantisse;
  std::uint16_t vorzeichenExponent;
  std::memcpy(&mantisse, daten_.data() + pos_, 8);
  std::memcpy(&vorzeichenExponent, daten_.data() + pos_ + 8, 2);
  pos_ += 10;
  const bool negativ = vorzeichenExponent & 0x8000;
  const int exponent = vorzeichenExponent & 0x7FFF;
  double wert;
  if (exponent == 0 && mantisse == 0) {
    wert = 0;
  } else if (exponent == 0x7FFF) {
    wert = (mantisse << 1) == 0 ? INFINITY : NAN;
  } else {
    // The explicit integer bit sits at bit 63.
    wert = std::ldexp(static_cast<double>(mantisse), exponent - 16383 - 63);
  }
  return negativ ? -wert : wert;
}

std::string Lesestrom::kurzString() {
  const std::uint8_t n = u8();
  if (rest() < n) {
    fehler_ = true;
    pos_ = daten_.size();
    return {};
  }
  std::string roh(reinterpret_cast<const char*>(daten_.data() + pos_), n);
  pos_ += n;
  return ausCp1252(roh, UndefinierteBytes::Behalten);
}

std::vector<std::uint8_t> Lesestrom::bytes(std::size_t n) {
  if (rest() < n) {
    fehler_ = true;
    pos_ = daten_.size();
    return {};
  }
  std::vector<std::uint8_t> b(daten_.begin() + pos_, daten_.begin() + pos_ + n);
  pos_ += n;
  return b;
}

void Lesestrom::ueberspringe(std::size_t n) {
  if (rest() < n) {
    fehler_ = true;
    pos_ = daten_.size();
    return;
  }
  pos_ += n;
}

bool Lesestrom::marke() {
  const std::uint8_t a = u8(), b = u8(), c = u8();
  return !fehler_ && a == '{' && b == '|' && c == '}';
}

bool Lesestrom::sucheMarke() {
  static constexpr std::uint8_t Marke[] = {'{', '|', '}'};
  const auto anfang = daten_.begin() + pos_;
  const auto it = std::search(anfang, daten_.end(), std::begin(Marke), std::end(Marke));
  if (it == daten_.end()) {
    pos_ = daten_.size();
    return false;
  }
  pos_ = static_cast<std::size_t>(it - daten_.begin()) + 3;
  return true;
}

void Schreibstrom::f80(double v) {
  std::uint64_t mantisse = 0;
  std::uint16_t vorzeichenExponent = std::signbit(v) ? 0x8000 : 0;
  const double betrag = std::fabs(v);
  if (std::isnan(v)) {
    vorzeichenExponent |= 0x7FFF;
    mantisse = 0xC000000000000000ull;
  } else if (std::isinf(v)) {
    vorzeichenExponent |= 0x7FFF;
    mantisse = 0x8000000000000000ull;
  } else if (betrag != 0) {
    int exponent;
    const double bruch = std::frexp(betrag, &exponent);  // betrag = bruch * 2^exponent, bruch in [0.5, 1)
    mantisse = static_cast<std::uint64_t>(std::ldexp(bruch, 64));
    vorzeichenExponent |= static_cast<std::uint16_t>(exponent - 1 + 16383);
  }
  schreibe(mantisse);
  schreibe(vorzeichenExponent);
}

void Schreibstrom::kurzString(std::string_view utf8) {
  std::string roh = nachCp1252(utf8);
  if (roh.size() > 255) roh.resize(255);
  u8(static_cast<std::uint8_t>(roh.size()));
  bytes({reinterpret_cast<const std::uint8_t*>(roh.data()), roh.size()});
}

void Schreibstrom::wachse(std::size_t n) {
  // The spare room is zeroed one megabyte at a time, so pages are touched
  // about when they are written anyway; a bigger buffer doubles.
  constexpr std::size_t Stueck = std::size_t(1) << 20;
  const std::size_t noetig = laenge_ + n;
  if (noetig > daten_.capacity()) {
    std::vector<std::uint8_t> groesser;
    groesser.reserve(std::max({noetig, 2 * daten_.capacity(), std::size_t(4096)}));
    rateGrosseSeiten(groesser.data(), groesser.capacity());
    groesser.assign(daten_.begin(), daten_.begin() + static_cast<std::ptrdiff_t>(laenge_));
    daten_.swap(groesser);
  } else if (daten_.size() == laenge_ && laenge_ == 0) {
    // A buffer reserved from outside: offer it as huge pages before use.
    rateGrosseSeiten(daten_.data(), daten_.capacity());
  }
  daten_.resize(std::min(daten_.capacity(), std::max(noetig, daten_.size() + Stueck)));
}

}  // namespace quarzel
