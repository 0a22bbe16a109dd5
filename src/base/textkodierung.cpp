#include "base/textkodierung.h"

#include <array>
#include <cstdint>

namespace quarzel {

namespace {

// 0x80..0x9F of Windows-1252; 0 where the code page has no character.
constexpr std::array<char32_t, 32> Bereich80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char cp1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  // The five bytes the code page leaves undefined come back as themselves.
  if (c >= 0x80 && c < 0xA0 && Bereich80[c - 0x80] == 0) return static_cast<char>(c);
  for (std::size_t i = 0; i < Bereich80.size(); ++i)
    if (Bereich80[i] == c && c != 0) return static_cast<char>(0x80 + i);
  return '?';
}

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

void haengeUtf8An(std::string& aus, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
  if (c < 0x80) {
    aus.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    aus.push_back(static_cast<char>(0xC0 | (c >> 6)));
    aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    aus.push_back(static_cast<char>(0xE0 | (c >> 12)));
    aus.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    aus.push_back(static_cast<char>(0xF0 | (c >> 18)));
    aus.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    aus.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string ausCp1252(std::string_view cp1252, UndefinierteBytes undefiniert) {
  const bool behalten = undefiniert == UndefinierteBytes::Behalten;
  std::string aus;
  aus.reserve(cp1252.size());
  for (unsigned char b : cp1252) {
    if (b < 0x80) {
      aus.push_back(static_cast<char>(b));
    } else if (b < 0xA0) {
      const char32_t c = Bereich80[b - 0x80];
      haengeUtf8An(aus, c ? c : behalten ? char32_t(b) : char32_t(0xFFFD));
    } else {
      haengeUtf8An(aus, b);
    }
  }
  return aus;
}

std::string nachCp1252(std::string_view utf8) {
  std::string aus;
  aus.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char b = static_cast<unsigned char>(utf8[i]);
    char32_t c;
    std::size_t laenge;
    if (b < 0x80) {
      c = b;
      laenge = 1;
    } else if ((b & 0xE0) == 0xC0) {
      c = b & 0x1F;
      laenge = 2;
    } else if ((b & 0xF0) == 0xE0) {
      c = b & 0x0F;
      laenge = 3;
    } else if ((b & 0xF8) == 0xF0) {
      c = b & 0x07;
      laenge = 4;
    } else {
      aus.push_back('?');
      ++i;
      continue;
    }
    if (i + laenge > utf8.size()) {
      aus.push_back('?');
      break;
    }
    bool gueltig = true;
    for (std::size_t k = 1; k < laenge; ++k) {
      const unsigned char f = static_cast<unsigned char>(utf8[i + k]);
      if ((f & 0xC0) != 0x80) gueltig = false;
      c = (c << 6) | (f & 0x3F);
    }
    if (!gueltig) {
      aus.push_back('?');
      ++i;
      continue;
    }
    aus.push_back(cp1252Byte(c));
    i += laenge;
  }
  return aus;
}

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
