// Gradients and pictures in the window: the gradient buttons show the second
// colour and draw with it; "Bild einfügen..." refuses a file that is no
// picture and places a picture file with two clicks.
#include <gtest/gtest.h>

#include <fstream>

#include "support/ui/fensterhilfen.h"
#include "render/bildkodierer.h"
#include "support/werkzeugnummer.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/window/hauptmenue.h"

namespace quarzel {
namespace {

using VerlaufBitmapFenster = test::Fensterfixture;

TEST_F(VerlaufBitmapFenster, VerlaufsknopfZeigtFarbe2UndZeichnetMitIhr) {
  waehle(wz(404));
  EXPECT_TRUE(f->eigenschaften().farbe2Sichtbar());
  klick({200, 200});
  klick({260, 200});
  ASSERT_EQ(speicher().art(1), Elementart::Verlauf);
  EXPECT_EQ(speicher().polygon(1).farbe2, rgb(255, 255, 255));
  waehle(wz(1));
  EXPECT_FALSE(f->eigenschaften().farbe2Sichtbar());
}

TEST_F(VerlaufBitmapFenster, BildEinfuegenLegtDieDateiMitZweiKlicksAb) {
  std::ofstream(pfad("kein.png")) << "kein Bild";
  benutzer.dateinamen = {pfad("kein.png"), pfad("bild.png")};
  f->menue().bildEinfuegen->trigger();
  EXPECT_NE(benutzer.meldungen.at(0).text.find("kein lesbares Bild"), std::string::npos);
  EXPECT_EQ(werkzeug(), wz(100));

  const std::vector<std::uint8_t> png = kodierePng(Rasterbild{2, 1, {255, 0, 0, 255, 0, 0, 255, 255}});
  std::ofstream(pfad("bild.png"), std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
  f->menue().bildEinfuegen->trigger();
  EXPECT_EQ(werkzeug(), wz(450));
  klick({100, 100});
  klick({300, 300});
  ASSERT_EQ(speicher().art(1), Elementart::Bitmap);
  const Tbitmapdaten& b = speicher().bitmap(1);
  EXPECT_EQ(b.daten, png);
  // Twice as wide as high, as the picture (up to the rounding of the view's zoom).
  EXPECT_NEAR(b.platzierung[2] - b.platzierung[0], 2 * (b.platzierung[3] - b.platzierung[1]), 1e-9);
  EXPECT_EQ(werkzeug(), wz(100)) << "placed: back to selecting";
}

}  // namespace
}  // namespace quarzel
