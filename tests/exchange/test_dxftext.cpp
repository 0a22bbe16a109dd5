// Texts of DXF files: code pages and the control codes of texts.
#include <gtest/gtest.h>

#include "exchange/dxftext.h"

namespace quarzel {
namespace {

TEST(DxfText, AbsatztextAlsKlartext) {
  struct Fall {
    const char* roh;
    const char* klar;
  };
  for (const Fall& f : {
           Fall{"eins\\Pzwei", "eins\nzwei"},
           Fall{"a\\~b", "a\u00A0b"},
           Fall{"\\\\ \\{x\\}", "\\ {x}"},
           Fall{"{\\fArial|b1|i0|c0|p34;fett} normal", "fett normal"},
           Fall{"\\H2.5x;\\C1;\\c255;\\A1;\\W0.8;\\Q10;\\T1.1;rot", "rot"},
           Fall{"\\pxi-3,l3;\\LUnter\\l\\Oüber\\o\\Kdurch\\k", "Unterüberdurch"},
           Fall{"1\\S1/2; und \\S3#4; und x\\S2^;", "11/2 und 3/4 und x2"},
           Fall{"\\S^ 5;", "5"},
           Fall{"%%c10 %%d %%p0,1 100%%%", "Ø10 ° ±0,1 100%"},
           Fall{"\\U+00C4\\u+00df", "Äß"},
           Fall{"\\M+1815C!", "\uFFFD!"},
           Fall{"\\M+1234é!\\U+D800", "\uFFFD!\uFFFD"},
           Fall{"a^Jb^Ic^ d", "a\nb\tc^d"},
           Fall{"\\Q", ""},
           Fall{"offen\\", "offen\\"},
       }) {
    EXPECT_EQ(mtextKlartext(f.roh), f.klar) << f.roh;
  }
}

TEST(DxfText, EinzeiligeTexteUndCodepages) {
  EXPECT_EQ(textKlartext("%%uunter%%u %%c5 %%%"), "unter Ø5 %");
  EXPECT_EQ(dxfText("\xE4\x9A", DxfKodierung::Cp1252), "äš");
  EXPECT_EQ(dxfText("\xE4\x9A\xA3", dxfKodierung("ANSI_1250")), "äšŁ");
  EXPECT_EQ(dxfText("\xC4", dxfKodierung("ANSI_1251")), "Д");
  EXPECT_EQ(dxfText("\xC4", dxfKodierung("ANSI_1253")), "Δ");
  EXPECT_EQ(dxfText("\xC3\xA4\\U+00C4", DxfKodierung::Utf8), "äÄ");
  EXPECT_EQ(dxfText("\xE4\xC3 \xE0\x80\x80\xF0\x9F\x98\x80", DxfKodierung::Utf8), "äÃ à€€😀");
  EXPECT_EQ(dxfText("\xF5\x80\x80", DxfKodierung::Utf8), "õ€€");  // no lead byte beyond F4
}

}  // namespace
}  // namespace quarzel
