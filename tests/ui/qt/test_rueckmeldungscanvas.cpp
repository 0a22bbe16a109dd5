// The rubber-band canvas of the drawing area: XOR drawing goes into a layer
// of its own and survives a new picture; copy mode paints on the picture;
// the pen mode a tool set once survives the painter being closed.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <array>

#include "platform/farbe.h"
#include "ui/qt/rueckmeldungscanvas.h"
#include "ui/tools/werkzeugsymbole.h"

namespace quarzel {
namespace {

class Rueckmeldung : public ::testing::Test {
 protected:
  Rueckmeldung() : bild(100, 80, QImage::Format_RGB32), ebene(100, 80, QImage::Format_RGB32) {
    bild.fill(Qt::white);
    ebene.fill(Qt::black);
  }

  // What the screen shows: picture XOR layer.
  QImage sichtbar() const {
    QImage e = bild.copy();
    QPainter m(&e);
    m.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    m.drawImage(0, 0, ebene);
    return e;
  }

  void band(Canvas& c) {
    const std::array<Pixelpunkt, 3> p{{{10, 10}, {90, 40}, {20, 70}}};
    c.polylinie(p);
  }

  QImage bild;
  QImage ebene;
  int meldungen = 0;
};

TEST_F(Rueckmeldung, XorZweimalGezeichnetStelltDenBildschirmGenauWiederHer) {
  Rueckmeldungscanvas c(bild, ebene, [this] { ++meldungen; });
  c.setzeStiftmodus(Stiftmodus::Xor);
  c.setzeStift(rgb(255, 0, 0), 1);
  const QImage vorher = sichtbar();
  band(c);
  c.schliessen();
  EXPECT_NE(sichtbar(), vorher);
  EXPECT_EQ(bild.pixel(50, 25), qRgb(255, 255, 255)) << "the picture itself stays untouched";
  band(c);
  c.schliessen();
  EXPECT_EQ(sichtbar(), vorher);
  EXPECT_EQ(meldungen, 2) << "every drawing call asks for a copy to the screen";
}

TEST_F(Rueckmeldung, BandUeberlebtEinNeuesBildUndLaesstSichDannLoeschen) {
  Rueckmeldungscanvas c(bild, ebene, {});
  c.setzeStiftmodus(Stiftmodus::Xor);
  c.setzeStift(rgb(0, 0, 255), 1);
  band(c);
  c.schliessen();
  // A redraw paints a new picture (here: a grey one).
  bild.fill(QColor(200, 200, 200));
  const QImage neu = bild.copy();
  band(c);
  c.schliessen();
  EXPECT_EQ(sichtbar(), neu) << "erasing after a redraw leaves no ghost";
}

TEST_F(Rueckmeldung, KopiermodusMaltAufsBildUndDerModusUeberstehtDasSchliessen) {
  Rueckmeldungscanvas c(bild, ebene, {});
  c.setzeStiftmodus(Stiftmodus::Kopieren);
  c.pixel(5, 5, rgb(0, 128, 0));
  c.schliessen();
  EXPECT_EQ(bild.pixel(5, 5), qRgb(0, 128, 0)) << "free-hand stroke points land in the picture";
  c.setzeStiftmodus(Stiftmodus::Xor);
  c.setzeStift(rgb(255, 0, 0), 1);
  c.schliessen();  // a redraw closes the painter between the tool's start and its band
  band(c);
  c.schliessen();
  EXPECT_EQ(bild.pixel(5, 5), qRgb(0, 128, 0));
  EXPECT_NE(ebene, QImage(ebene.size(), ebene.format())) << "the band went to the layer";
}

TEST_F(Rueckmeldung, DirektZeichnetInKopiermodusUndStelltXorWiederHer) {
  Rueckmeldungscanvas c(bild, ebene, {});
  c.setzeStiftmodus(Stiftmodus::Xor);
  c.setzeStift(rgb(255, 0, 0), 1);
  c.direkt([](Canvas& k) {
    k.setzeStift(rgb(0, 0, 0), 1);
    const std::array<Pixelpunkt, 2> p{{{0, 50}, {99, 50}}};
    k.polylinie(p);
  });
  c.schliessen();
  EXPECT_EQ(bild.pixel(50, 50), qRgb(0, 0, 0)) << "a new element is drawn into the picture";
  const QImage vorher = sichtbar();
  band(c);
  band(c);
  c.schliessen();
  EXPECT_EQ(sichtbar(), vorher) << "the tool's XOR mode is back";
}

TEST_F(Rueckmeldung, OhneBildgroesseBleibtJederAufrufHarmlos) {
  QImage leer, leereEbene;
  Rueckmeldungscanvas c(leer, leereEbene, {});
  c.setzeStiftmodus(Stiftmodus::Xor);
  band(c);
  c.schliessen();
  EXPECT_EQ(leereEbene.size(), QSize(1, 1));
}

TEST(Werkzeugsymbole, JedesSymbolHatEinBildInDenLeistengroessen) {
  for (int s = static_cast<int>(Symbol::Keines) + 1; s <= static_cast<int>(Symbol::NumerischeEingabe); ++s) {
    const QIcon icon = werkzeugsymbol(static_cast<Symbol>(s));
    ASSERT_FALSE(icon.isNull()) << s;
    const QImage bild = icon.pixmap(24, 24).toImage();
    bool gemalt = false;
    for (int y = 0; y < bild.height() && !gemalt; ++y)
      for (int x = 0; x < bild.width() && !gemalt; ++x) gemalt = qAlpha(bild.pixel(x, y)) > 0;
    EXPECT_TRUE(gemalt) << "symbol " << s << " is empty";
  }
}

}  // namespace
}  // namespace quarzel
