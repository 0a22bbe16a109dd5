// CgmBinaer: element headers and the number formats of the binary encoding.
#include "exchange/cgmbinaer.h"

#include <bit>
#include <cstring>

#include "exchange/cgminterpreter.h"

namespace quarzel {

unsigned long long CgmBinaerParameter::bits(int n) {
  unsigned long long wert = 0;
  for (int i = 0; i < n; ++i) {
    if (pos_ >= d_.size()) {
      fehler_ = true;
      return 0;
    }
    const auto byte = static_cast<unsigned char>(d_[pos_]);
    wert = (wert << 1) | ((byte >> (7 - bit_)) & 1u);
    if (++bit_ == 8) {
      bit_ = 0;
      ++pos_;
    }
  }
  return wert;
}

void CgmBinaerParameter::ausrichten() {
  if (bit_ != 0) {
    bit_ = 0;
    ++pos_;
  }
}

long long CgmBinaerParameter::vorzeichenbehaftet(int n) {
  ausrichten();
  if (n != 8 && n != 16 && n != 24 && n != 32) n = 16;
  const unsigned long long w = bits(n);
  const unsigned long long vorzeichen = 1ull << (n - 1);
  return (w & vorzeichen) ? static_cast<long long>(w) - static_cast<long long>(vorzeichen << 1)
                          : static_cast<long long>(w);
}

double CgmBinaerParameter::zahl(bool fest, int bitzahl) {
  ausrichten();
  const bool lang = bitzahl == 64;
  if (fest) {
    const int haelfte = lang ? 32 : 16;
    const long long ganzteil = vorzeichenbehaftet(haelfte);
    const auto bruch = static_cast<double>(bits(haelfte));
    return static_cast<double>(ganzteil) + bruch / static_cast<double>(1ull << haelfte);
  }
  if (lang) return std::bit_cast<double>(static_cast<std::uint64_t>(bits(64)));
  return std::bit_cast<float>(static_cast<std::uint32_t>(bits(32)));
}

double CgmBinaerParameter::vdc() {
  if (g_.vdcReell) return zahl(g_.vdcReellFest, g_.vdcReellBits);
  return static_cast<double>(vorzeichenbehaftet(g_.vdcGanz));
}

CgmFarbwert CgmBinaerParameter::farbe(bool direkt) {
  ausrichten();
  CgmFarbwert f;
  f.direkt = direkt;
  if (!direkt) {
    const int n = g_.farbindex == 16 || g_.farbindex == 24 || g_.farbindex == 32 ? g_.farbindex : 8;
    f.index = static_cast<std::uint32_t>(bits(n));
    return f;
  }
  const int n = g_.farbe >= 1 && g_.farbe <= 32 ? g_.farbe : 8;
  f.r = static_cast<double>(bits(n));
  f.g = static_cast<double>(bits(n));
  f.b = static_cast<double>(bits(n));
  ausrichten();
  return f;
}

std::string CgmBinaerParameter::text() {
  ausrichten();
  std::size_t n = static_cast<std::size_t>(bits(8));
  std::string s;
  if (n < 255) {
    n = std::min(n, d_.size() - std::min(pos_, d_.size()));
    s.assign(d_.substr(std::min(pos_, d_.size()), n));
    pos_ += n;
    return s;
  }
  // The long form: pieces of up to 32767 bytes, each saying whether one follows.
  bool weiter = true;
  while (weiter && !fehler_ && pos_ < d_.size()) {
    const auto wort = static_cast<std::size_t>(bits(16));
    weiter = (wort & 0x8000u) != 0;
    const std::size_t teil = std::min(wort & 0x7FFFu, d_.size() - pos_);
    s.append(d_.substr(pos_, teil));
    pos_ += teil;
  }
  return s;
}

namespace {

struct Kopf {
  int klasse = 0, id = 0;
  std::string_view daten;
};

class Elementleser {
 public:
  explicit Elementleser(std::string_view d) : d_(d) {}

  bool ende() const { return pos_ + 2 > d_.size(); }
  bool abgeschnitten() const { return abgeschnitten_; }

  // The next element with its parameters, partitions joined.
  bool naechstes(Kopf& k) {
    if (ende()) return false;
    const unsigned wort = wort16();
    k.klasse = static_cast<int>(wort >> 12);
    k.id = static_cast<int>((wort >> 5) & 0x7Fu);
    std::size_t laenge = wort & 0x1Fu;
    if (laenge != 31) {
      k.daten = stueck(laenge);
      return !abgeschnitten_;
    }
    puffer_.clear();
    bool weiter = true;
    bool erstes = true;
    while (weiter) {
      if (pos_ + 2 > d_.size()) {
        abgeschnitten_ = true;
        return false;
      }
      const unsigned l = wort16();
      weiter = (l & 0x8000u) != 0;
      const std::string_view teil = stueck(l & 0x7FFFu);
      if (abgeschnitten_) return false;
      if (erstes && !weiter) {
        k.daten = teil;
        return true;
      }
      erstes = false;
      puffer_.append(teil);
    }
    k.daten = puffer_;
    return true;
  }

 private:
  unsigned wort16() {
    const auto hi = static_cast<unsigned char>(d_[pos_]);
    const auto lo = static_cast<unsigned char>(d_[pos_ + 1]);
    pos_ += 2;
    return (static_cast<unsigned>(hi) << 8) | lo;
  }

  // The parameters, and the pad byte that keeps the next header on an even offset.
  std::string_view stueck(std::size_t n) {
    if (n > d_.size() - pos_) {
      abgeschnitten_ = true;
      pos_ = d_.size();
      return {};
    }
    const std::string_view s = d_.substr(pos_, n);
    pos_ += n + (n & 1u);
    if (pos_ > d_.size()) pos_ = d_.size();
    return s;
  }

  std::string_view d_;
  std::size_t pos_ = 0;
  bool abgeschnitten_ = false;
  std::string puffer_;
};

constexpr int kVorgabenersatz = 12;

// `tiefe` stops the defaults replacement from nesting itself.
bool lies(std::string_view daten, CgmInterpreter& i, std::string& fehler, int tiefe) {
  Elementleser leser(daten);
  Kopf k;
  while (leser.naechstes(k)) {
    if (k.klasse == 1 && k.id == kVorgabenersatz) {
      if (tiefe > 0) continue;
      i.vorgabenBeginnen();
      lies(k.daten, i, fehler, tiefe + 1);
      i.vorgabenEnden();
      continue;
    }
    CgmBinaerParameter p(k.daten, i.genauigkeit());
    if (!i.element(k.klasse, k.id, p)) return true;
  }
  if (leser.abgeschnitten()) {
    fehler = "Die CGM-Datei ist abgeschnitten.";
    return false;
  }
  return true;
}

}  // namespace

bool cgmBinaerLesen(std::string_view daten, CgmInterpreter& i, std::string& fehler) {
  return lies(daten, i, fehler, 0);
}

}  // namespace quarzel
