// The picture decoders on good, damaged, truncated and oversized files, and
// the cache that keeps a redraw from decoding again.
#include <gtest/gtest.h>

#include <random>

#include "render/bildcache.h"
#include "render/bilddekoder.h"
#include "test_bild_hilfe.h"

namespace quarzel {
namespace {

using bildtest::alsJpeg;
using bildtest::alsPng;
using bildtest::verlaufsbild;

TEST(Bilddekoder, PngKommtPixelgenauZurueck) {
  const Rasterbild vorlage = verlaufsbild(37, 19);
  const auto bild = dekodierePng(alsPng(vorlage));
  ASSERT_TRUE(bild);
  EXPECT_EQ(bild->breite, 37);
  EXPECT_EQ(bild->hoehe, 19);
  EXPECT_EQ(bild->rgba, vorlage.rgba);
}

TEST(Bilddekoder, JpegKommtInDerGroesseUndUngefaehrenFarbeZurueck) {
  for (bool progressiv : {false, true}) {
    const Rasterbild vorlage = verlaufsbild(64, 48);
    const auto bild = dekodiereJpeg(alsJpeg(vorlage, progressiv));
    ASSERT_TRUE(bild) << progressiv;
    EXPECT_EQ(bild->breite, 64);
    EXPECT_EQ(bild->hoehe, 48);
    // Pixel (40, 20): red 40, green 20, blue 77, within JPEG's loss.
    const std::uint8_t* p = bild->rgba.data() + (20 * 64 + 40) * 4;
    EXPECT_NEAR(p[0], 40, 6);
    EXPECT_NEAR(p[1], 20, 6);
    EXPECT_NEAR(p[2], 77, 6);
    EXPECT_EQ(p[3], 255);
  }
}

TEST(Bilddekoder, FormatWirdAnDerSignaturErkannt) {
  const Rasterbild b = verlaufsbild(4, 4);
  EXPECT_EQ(erkenneBildformat(alsPng(b)), Bildformat::Png);
  EXPECT_EQ(erkenneBildformat(alsJpeg(b)), Bildformat::Jpeg);
  const std::string svg = "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
  EXPECT_EQ(erkenneBildformat(std::span(reinterpret_cast<const std::uint8_t*>(svg.data()), svg.size())),
            Bildformat::Svg);
  const std::vector<std::uint8_t> bmp = {'B', 'M', 0, 0, 0, 0};
  EXPECT_EQ(erkenneBildformat(bmp), Bildformat::Unbekannt);
  EXPECT_FALSE(dekodiereBild(bmp));
  EXPECT_FALSE(dekodiereBild({}));
}

TEST(Bilddekoder, AbgeschnitteneDateienGebenKeinBild) {
  const Rasterbild b = verlaufsbild(40, 40);
  for (const auto& datei : {alsPng(b), alsJpeg(b), alsJpeg(b, true)}) {
    for (std::size_t laenge :
         {std::size_t{0}, std::size_t{3}, std::size_t{8}, std::size_t{30}, datei.size() / 2, datei.size() - 3}) {
      const std::vector<std::uint8_t> stueck(datei.begin(), datei.begin() + static_cast<std::ptrdiff_t>(laenge));
      // A truncated JPEG may still give a (grey-padded) picture; it must never crash.
      const auto bild = dekodiereBild(stueck);
      if (bild) {
        EXPECT_EQ(bild->rgba.size(), static_cast<std::size_t>(bild->breite) * bild->hoehe * 4);
      }
    }
  }
  const auto png = alsPng(b);
  EXPECT_FALSE(dekodierePng(std::span(png).first(png.size() / 2)));
}

TEST(Bilddekoder, ZufaelligVerfaelschteDateienStuerzenNichtAb) {
  std::mt19937 zufall(12345);
  const Rasterbild b = verlaufsbild(24, 24);
  for (const auto& vorlage : {alsPng(b), alsJpeg(b), alsJpeg(b, true)}) {
    for (int runde = 0; runde < 300; ++runde) {
      std::vector<std::uint8_t> d = vorlage;
      const int fehler = 1 + static_cast<int>(zufall() % 8);
      for (int i = 0; i < fehler; ++i) d[zufall() % d.size()] = static_cast<std::uint8_t>(zufall());
      const auto bild = dekodiereBild(d);
      if (bild) {
        EXPECT_EQ(bild->rgba.size(), static_cast<std::size_t>(bild->breite) * bild->hoehe * 4);
      }
    }
  }
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
  for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = 0xFF;
      jpeg[i + 6] = 0xF0;
      jpeg[i + 7] = 0xFF;
      jpeg[i + 8] = 0xF0;
      break;
    }
  }
  EXPECT_FALSE(dekodiereJpeg(jpeg));
}

TEST(Bilddekoder, KopfMitMehrPixelnAlsDieDateiTragenKannWirdAbgelehnt) {
  // 4000 × 4000 is within the caps, but no 100-byte file can hold it.
  std::vector<std::uint8_t> png = alsPng(verlaufsbild(8, 8));
  png[18] = 0x0F;
  png[19] = 0xA0;
  png[22] = 0x0F;
  png[23] = 0xA0;
  EXPECT_FALSE(dekodierePng(png));
  // A large plain picture packs small but stays readable.
  Rasterbild weiss{1500, 1500, std::vector<std::uint8_t>(1500u * 1500u * 4, 255)};
  const auto gross = dekodierePng(alsPng(weiss));
  ASSERT_TRUE(gross);
  EXPECT_EQ(gross->breite, 1500);
  const auto jpeg = dekodiereJpeg(bildtest::alsJpeg(weiss));
  ASSERT_TRUE(jpeg);
  EXPECT_EQ(jpeg->hoehe, 1500);
}

TEST(Bildcache, ZweitesAnfordernDekodiertNichtNochEinmal) {
  Bildcache cache;
  const auto datei = alsPng(verlaufsbild(16, 16));
  const auto a = cache.bild(datei);
  const auto b = cache.bild(datei);
  ASSERT_TRUE(a);
  EXPECT_EQ(a.get(), b.get());
  EXPECT_EQ(cache.dekodierungen(), 1u);
  // Other content is another picture; a broken file is tried once only.
  const auto c = cache.bild(alsPng(verlaufsbild(17, 16)));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->breite, 17);
  const std::vector<std::uint8_t> kaputt = {0x89, 'P', 'N', 'G', 1, 2, 3};
  EXPECT_FALSE(cache.bild(kaputt));
  EXPECT_FALSE(cache.bild(kaputt));
  EXPECT_EQ(cache.dekodierungen(), 3u);
}

TEST(Bildcache, HaeltSichAnSeineGroesseUndVerdraengtDasAelteste) {
  // Room for about two 32×32 pictures (4 KB of pixels each plus the file).
  const auto a = alsPng(verlaufsbild(32, 32)), b = alsPng(verlaufsbild(32, 31)), c = alsPng(verlaufsbild(32, 30));
  Bildcache cache(2 * 4096 + a.size() + b.size() + 64);
  cache.bild(a);
  cache.bild(b);
  cache.bild(a);  // a is now younger than b
  cache.bild(c);  // pushes b out
  EXPECT_LE(cache.belegt(), 2 * 4096 + a.size() + b.size() + 64);
  const std::size_t vorher = cache.dekodierungen();
  cache.bild(a);
  EXPECT_EQ(cache.dekodierungen(), vorher);
  cache.bild(b);
  EXPECT_EQ(cache.dekodierungen(), vorher + 1);
}

}  // namespace
}  // namespace quarzel
