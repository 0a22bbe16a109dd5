#include "base/textkodierung.h"

#include <cstdint>

#include "base/zeichensatz.h"

namespace quarzel {

namespace {

constexpr char32_t kErsatzzeichen = 0xFFFD;

std::string ohneNul(std::string_view bytes) {
  std::string ergebnis(bytes);
  if (ergebnis.find('\0') != std::string::npos) std::erase(ergebnis, '\0');
  return ergebnis;
}

// Every byte-order mark at the start, so that converting a converted text
// again changes nothing.
std::string ohneBom(std::string text) {
  std::size_t anfang = 0;
  while (text.compare(anfang, 3, "\xEF\xBB\xBF") == 0) anfang += 3;
  return text.erase(0, anfang);
}

}  // namespace

bool istGueltigesUtf8(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* ende = p + bytes.size();
  while (p < ende) {
    const unsigned char b = *p;
    if (b < 0x80) {
      ++p;
      continue;
    }
    int folge = 0;
    char32_t cp = 0;
    char32_t kleinster = 0;
    if (b >= 0xC2 && b <= 0xDF) {
      folge = 1, cp = b & 0x1F, kleinster = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
      folge = 2, cp = b & 0x0F, kleinster = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
      folge = 3, cp = b & 0x07, kleinster = 0x10000;
    } else {
      return false;
    }
    if (ende - p <= folge) return false;
    for (int i = 1; i <= folge; ++i) {
      if ((p[i] & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < kleinster || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    p += folge + 1;
  }
  return true;
}

std::string cp1252NachUtf8(std::string_view bytes) {
  return ausCp1252(bytes, UndefinierteBytes::Ersatzzeichen);
}

std::string alsUtf8(std::string_view bytes) {
  return istGueltigesUtf8(bytes) ? std::string(bytes) : cp1252NachUtf8(bytes);
}

std::string utf16NachUtf8(std::string_view bytes, bool bigEndian) {
  std::string ergebnis;
  ergebnis.reserve(bytes.size());
  const auto einheit = [&](std::size_t i) -> char16_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? char16_t((a << 8) | b) : char16_t((b << 8) | a);
  };
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const char16_t w = einheit(i);
    if (w >= 0xD800 && w <= 0xDBFF && i + 3 < bytes.size()) {
      const char16_t w2 = einheit(i + 2);
      if (w2 >= 0xDC00 && w2 <= 0xDFFF) {
        haengeUtf8An(ergebnis, 0x10000 + ((char32_t(w) - 0xD800) << 10) + (char32_t(w2) - 0xDC00));
        i += 2;
        continue;
      }
    }
    haengeUtf8An(ergebnis, w);  // a lone surrogate becomes U+FFFD there
  }
  if (i < bytes.size()) haengeUtf8An(ergebnis, kErsatzzeichen);
  return ergebnis;
}

std::string textdateiNachUtf8(std::string_view bytes) {
  if (bytes.size() >= 2 && (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")) {
    return ohneBom(ohneNul(utf16NachUtf8(bytes.substr(2), bytes[0] == '\xFE')));
  }

  const std::string ohne = ohneBom(ohneNul(bytes));
  if (istGueltigesUtf8(ohne)) return ohne;

  std::string ergebnis;
  ergebnis.reserve(ohne.size() + ohne.size() / 8);
  std::string_view rest = ohne;
  while (!rest.empty()) {
    const std::size_t nl = rest.find('\n');
    const std::size_t laenge = nl == std::string_view::npos ? rest.size() : nl + 1;
    ergebnis += alsUtf8(rest.substr(0, laenge));
    rest.remove_prefix(laenge);
  }
  return ergebnis;
}

}  // namespace quarzel
