// The picture decoders on good, damaged, truncated and oversized files.
#include <gtest/gtest.h>

#include <random>

#include "render/bildcache.h"
#include "render/bilddekoder.h"
#include "support/render/test_bild_hilfe.h"

namespace quarzel {
namespace {

using bildtest::alsJpeg;
using bildtest::alsPng;
using bildtest::verlaufsbild;

TEST(Bilddekoder, PngKommtPixelgenauZurueck) {
  const Rasterbild vorlage = verlaufsbild(37, 19);
  const auto bild = dekodierePng(alsPng(vorlage));
  ASSERT_TRUE(bild);
  EXPECT_EQ(std::tuple(bild->breite, bild->hoehe, bild->rgba), std::tuple(37, 19, vorlage.rgba));
}

TEST(Bilddekoder, AbgeschnitteneUndZufaelligVerfaelschteDateienStuerzenNichtAb) {
  // A damaged JPEG may still give a (grey-padded) picture, but one whose
  // pixels fill its size; a half PNG gives none.
  const auto pruefe = [](std::span<const std::uint8_t> d) {
    if (const auto bild = dekodiereBild(d)) {
      EXPECT_EQ(bild->rgba.size(), static_cast<std::size_t>(bild->breite) * bild->hoehe * 4);
    }
  };
  std::mt19937 zufall(12345);
  const Rasterbild b = verlaufsbild(24, 24);
  for (const auto& datei : {alsPng(b), alsJpeg(b), alsJpeg(b, true)}) {
    for (std::size_t laenge :
         {std::size_t{0}, std::size_t{3}, std::size_t{8}, std::size_t{30}, datei.size() / 2, datei.size() - 3})
      pruefe(std::span(datei).first(laenge));
    for (int runde = 0; runde < 300; ++runde) {
      std::vector<std::uint8_t> d = datei;
      for (int i = 0, fehler = 1 + static_cast<int>(zufall() % 8); i < fehler; ++i)
        d[zufall() % d.size()] = static_cast<std::uint8_t>(zufall());
      pruefe(d);
    }
  }
  const auto png = alsPng(b);
  EXPECT_FALSE(dekodierePng(std::span(png).first(png.size() / 2)));
  // A CMYK picture is refused, not shown as an empty one.
  EXPECT_FALSE(dekodiereJpeg(alsJpeg(b, false, true)));
}

// Patches the size fields of a file's header to claim a huge picture.
TEST(Bilddekoder, UeberGrosseBilderWerdenVorDemSpeichernAbgelehnt) {
  std::vector<std::uint8_t> png = alsPng(verlaufsbild(8, 8));
  // IHDR width and height (big-endian) at bytes 16..23; the CRC then no
  // longer fits, so also a decoder ignoring CRCs must refuse on the size.
  for (int i : {16, 17, 18, 19, 20, 21, 22, 23}) png[static_cast<std::size_t>(i)] = 0;
  png[17] = 0x01;  // width 65536
  png[21] = 0x01;  // height 65536
  EXPECT_FALSE(dekodierePng(png));

  std::vector<std::uint8_t> jpeg = alsJpeg(verlaufsbild(8, 8));
  // SOF0 marker FF C0: length (2), precision (1), height (2), width (2).
  const std::uint8_t sof0[] = {0xFF, 0xC0};
  const auto sof = std::search(jpeg.begin(), jpeg.end(), std::begin(sof0), std::end(sof0));
  ASSERT_LT(sof + 8, jpeg.end());
  sof[5] = sof[7] = 0xFF;
  sof[6] = sof[8] = 0xF0;
  EXPECT_FALSE(dekodiereJpeg(jpeg));
  EXPECT_FALSE(dekodierePng(alsPng(verlaufsbild(kGroessteBildseite + 1, 1))));
}

TEST(Bildcache, BleibtInSeinerGroesseUndVerdraengtDasAeltesteBild) {
  std::vector<std::vector<std::uint8_t>> dateien{alsJpeg(verlaufsbild(12, 10))};
  for (int b = 10; b < 14; ++b) dateien.push_back(alsPng(verlaufsbild(b, 10)));
  Bildcache cache(2500);  // room for about three of them
  for (const auto& d : dateien) ASSERT_TRUE(cache.bild(d));
  EXPECT_LE(cache.belegt(), 2500u);
  cache.bild(dateien[4]);
  cache.bild(dateien[0]);
  EXPECT_EQ(cache.dekodierungen(), 6u);  // the newest was kept, the oldest decoded again
}

}  // namespace
}  // namespace quarzel
