// Windows-1252 at the file boundary: every byte survives the way through the
// program, and the two policies for the undefined bytes share one table.
#include <gtest/gtest.h>

#include <string>

#include "base/textkodierung.h"

namespace quarzel {
namespace {

TEST(Zeichensatz, JedesByteUeberlebtDieRundreise) {
  std::string alle;
  for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
  EXPECT_EQ(nachCp1252(ausCp1252(alle)), alle);
}

TEST(Zeichensatz, UndefinierteBytesBehaltenOderErsetzen) {
  EXPECT_EQ(ausCp1252("\x80\x81\x9F"), "\u20AC\u0081\u0178");
  EXPECT_EQ(ausCp1252("\x80\x81\x9F", UndefinierteBytes::Ersatzzeichen), "\u20AC\uFFFD\u0178");
  EXPECT_EQ(ausCp1252("\xA7\xC4\xFC"), "§Äü");
}

TEST(Zeichensatz, ZeichenOhneByteWerdenZuFragezeichen) {
  EXPECT_EQ(nachCp1252("a\u4E2Db"), "a?b");
  // U+0080 is a control character; byte 0x80 is the euro sign.
  EXPECT_EQ(nachCp1252("\u0080"), "?");
  // A lead byte without its continuation is no character either.
  EXPECT_EQ(nachCp1252("x\xC3"), "x?");
}

TEST(Zeichensatz, Utf8AnhaengenErsetztWasKeinZeichenIst) {
  std::string s;
  haengeUtf8An(s, 0xD800);
  haengeUtf8An(s, 0x110000);
  haengeUtf8An(s, 0x1F600);
  EXPECT_EQ(s, "\uFFFD\uFFFD\U0001F600");
  EXPECT_EQ(utf16NachUtf8(std::string("\xD8\x00\xDC\x00\xDB\xFF\xDF\xFF", 8), true), "\U00010000\U0010FFFF");
}

}  // namespace
}  // namespace quarzel
