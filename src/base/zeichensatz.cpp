#include "base/zeichensatz.h"

#include <array>

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

}  // namespace quarzel
