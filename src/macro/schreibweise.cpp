#include "macro/schreibweise.h"

namespace quarzel {

namespace {

// One character changed in case: how many bytes it took and the bytes it
// becomes (always as many as it took).
struct Zeichen {
  unsigned char a;
  unsigned char b;
  int laenge;  // 1 or 2
};

Zeichen klein(std::string_view t, std::size_t i) {
  const auto c = static_cast<unsigned char>(t[i]);
  if (c >= 'A' && c <= 'Z') return {static_cast<unsigned char>(c + 32), 0, 1};
  if (i + 1 < t.size() && (c == 0xC3 || c == 0xC5)) {
    const auto d = static_cast<unsigned char>(t[i + 1]);
    if (c == 0xC3 && d >= 0x80 && d <= 0x9E && d != 0x97) return {c, static_cast<unsigned char>(d + 0x20), 2};
    if (c == 0xC5 && (d == 0xA0 || d == 0x92 || d == 0xBD)) return {c, static_cast<unsigned char>(d + 1), 2};
    if (c == 0xC5 && d == 0xB8) return {0xC3, 0xBF, 2};  // Ÿ -> ÿ
  }
  return {c, 0, 1};
}

Zeichen gross(std::string_view t, std::size_t i) {
  const auto c = static_cast<unsigned char>(t[i]);
  if (c >= 'a' && c <= 'z') return {static_cast<unsigned char>(c - 32), 0, 1};
  if (i + 1 < t.size() && (c == 0xC3 || c == 0xC5)) {
    const auto d = static_cast<unsigned char>(t[i + 1]);
    if (c == 0xC3 && d >= 0xA0 && d <= 0xBE && d != 0xB7) return {c, static_cast<unsigned char>(d - 0x20), 2};
    if (c == 0xC3 && d == 0xBF) return {0xC5, 0xB8, 2};  // ÿ -> Ÿ
    if (c == 0xC5 && (d == 0xA1 || d == 0x93 || d == 0xBE)) return {c, static_cast<unsigned char>(d - 1), 2};
  }
  return {c, 0, 1};
}

template <class Abbildung>
std::string wandle(std::string_view text, Abbildung abbildung) {
  std::string ergebnis(text);
  for (std::size_t i = 0; i < text.size();) {
    const Zeichen z = abbildung(text, i);
    ergebnis[i] = static_cast<char>(z.a);
    if (z.laenge == 2) ergebnis[i + 1] = static_cast<char>(z.b);
    i += std::size_t(z.laenge);
  }
  return ergebnis;
}

}  // namespace

std::string grossschreibung(std::string_view text) {
  return wandle(text, gross);
}

std::string kleinschreibung(std::string_view text) {
  return wandle(text, klein);
}

bool gleichInKleinschrift(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  // Both sides are walked on their own: "Ÿ" and "ÿ" are two bytes each, but
  // only one of them is a letter that changes.
  std::size_t i = 0;
  std::size_t j = 0;
  int restA = 0;
  int restB = 0;
  unsigned char zweitesA = 0;
  unsigned char zweitesB = 0;
  const auto naechstes = [](std::string_view t, std::size_t& pos, int& rest, unsigned char& zweites) {
    if (rest > 0) {
      rest = 0;
      return zweites;
    }
    const Zeichen z = klein(t, pos);
    pos += std::size_t(z.laenge);
    if (z.laenge == 2) {
      rest = 1;
      zweites = z.b;
    }
    return z.a;
  };
  while (i < a.size() || restA > 0) {
    if (naechstes(a, i, restA, zweitesA) != naechstes(b, j, restB, zweitesB)) return false;
  }
  return true;
}

std::uint64_t hashInKleinschrift(std::string_view text) {
  // FNV-1a over the lower-case bytes, without building the lower-case text.
  std::uint64_t h = 14695981039346656037ull;
  const auto mische = [&h](unsigned char c) {
    h ^= c;
    h *= 1099511628211ull;
  };
  for (std::size_t i = 0; i < text.size();) {
    const Zeichen z = klein(text, i);
    mische(z.a);
    if (z.laenge == 2) mische(z.b);
    i += std::size_t(z.laenge);
  }
  return h;
}

}  // namespace quarzel
