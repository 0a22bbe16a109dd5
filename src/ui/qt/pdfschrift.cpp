#include "ui/qt/pdfschrift.h"

#include <array>
#include <cstdio>

#include "base/textkodierung.h"

namespace quarzel {

namespace {

// Helvetica's widths for the bytes 32 … 255 of WinAnsi; 0 where WinAnsi
// has no character (those bytes never reach the page).
constexpr std::array<short, 224> kBreiten = {
    // 32 … 63
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  //
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  //
    // 64 … 95
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  //
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,   //
    // 96 … 127
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  //
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584, 0,    //
    // 128 … 159
    556, 0, 222, 556, 333, 1000, 556, 556, 333, 1000, 667, 333, 1000, 0, 611, 0,   //
    0, 222, 222, 333, 333, 350, 556, 1000, 333, 1000, 500, 333, 944, 0, 500, 667,  //
    // 160 … 191
    278, 333, 556, 556, 556, 556, 260, 556, 333, 737, 370, 556, 584, 333, 737, 333,  //
    400, 584, 333, 333, 333, 556, 537, 278, 333, 333, 365, 556, 834, 834, 834, 611,  //
    // 192 … 223
    667, 667, 667, 667, 667, 667, 1000, 722, 667, 667, 667, 667, 278, 278, 278, 278,  //
    722, 722, 778, 778, 778, 778, 778, 584, 778, 722, 722, 722, 722, 667, 667, 611,   //
    // 224 … 255
    556, 556, 556, 556, 556, 556, 889, 500, 556, 556, 556, 556, 278, 278, 278, 278,  //
    556, 556, 556, 556, 556, 556, 556, 584, 611, 556, 556, 556, 556, 500, 556, 500,  //
};

}  // namespace

std::string winAnsi(std::string_view utf8) {
  return nachCp1252(utf8);
}

double helveticaBreite(std::string_view text) {
  double summe = 0;
  for (char c : text) {
    const unsigned b = static_cast<unsigned char>(c);
    if (b >= 32) summe += kBreiten[b - 32];
  }
  return summe / 1000.0;
}

std::string pdfString(std::string_view text) {
  std::string aus = "(";
  aus.reserve(text.size() + 2);
  for (char c : text) {
    const unsigned b = static_cast<unsigned char>(c);
    if (c == '(' || c == ')' || c == '\\') {
      aus += '\\';
      aus += c;
    } else if (b < 32) {
      char oktal[8];
      std::snprintf(oktal, sizeof oktal, "\\%03o", b);
      aus += oktal;
    } else {
      aus += c;
    }
  }
  return aus + ")";
}

}  // namespace quarzel
