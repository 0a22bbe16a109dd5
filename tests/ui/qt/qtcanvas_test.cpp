// QtCanvas on images, as the core relies on it when it paints the drawing
// area, rubber bands, pictures and output files; cutting to the protective
// rectangle; and the rubber-band canvas, whose XOR drawing goes into a layer
// of its own and survives a new picture.
#include "ui/qt/qtcanvas.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <vector>

#include "platform/farbe.h"
#include "store/zeichnung.h"
#include "ui/qt/pixelclip.h"
#include "ui/qt/rueckmeldungscanvas.h"
#include "ui/qt/zeichnungsausgabe.h"

namespace quarzel {
namespace {

constexpr Farbe kSchwarz = rgb(0, 0, 0);
constexpr Farbe kWeiss = rgb(255, 255, 255);

QImage weissesBild(int b = 100, int h = 80) {
  QImage bild(b, h, QImage::Format_RGB32);
  bild.fill(Qt::white);
  return bild;
}

// A background with every kind of pixel value, so that XOR is tested on more
// than white.
QImage buntesBild() {
  QImage bild(100, 80, QImage::Format_RGB32);
  for (int y = 0; y < bild.height(); ++y) {
    for (int x = 0; x < bild.width(); ++x) bild.setPixel(x, y, qRgb((x * 7) & 255, (y * 13) & 255, (x * y) & 255));
  }
  return bild;
}

bool istFarbe(const QImage& bild, int x, int y, Farbe f) {
  return bild.pixel(x, y) == qRgb(rotAnteil(f), gruenAnteil(f), blauAnteil(f));
}

int nichtWeisseIn(const QImage& bild, QRect r) {
  int n = 0;
  r = r.intersected(bild.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) n += bild.pixel(x, y) != qRgb(255, 255, 255);
  }
  return n;
}

// Everything the renderer may draw, in one go.
void allesZeichnen(Canvas& c) {
  c.setzeStift(rgb(200, 30, 60), 3);
  c.setzePinsel(rgb(20, 200, 90));
  c.polylinie(std::vector<Pixelpunkt>{{5, 5}, {60, 12}, {30, 40}, {90, 70}});
  c.polygon(std::vector<Pixelpunkt>{{10, 70}, {50, 50}, {70, 78}});
  c.setzeStift(rgb(0, 0, 255), 1, Stiftart::Gestrichelt);
  c.polylinie(std::vector<Pixelpunkt>{{0, 79}, {99, 0}});
  c.rechteckFuellen({70, 5, 20, 15}, rgb(255, 255, 0));
  c.pixel(3, 77, rgb(1, 2, 3));
  c.text(20, 20, "Maßstab Über", Schriftangaben{.hoehePixel = 14}, rgb(0, 0, 0));
}

// --- Pen modes ---------------------------------------------------------------

TEST(QtCanvasStiftmodus, XorZweimalStelltDasBildGenauWiederHer) {
  const QImage vorher = buntesBild();
  QImage bild = vorher;
  for (int durchgang = 1; durchgang <= 2; ++durchgang) {
    {
      QtCanvas c(bild);
      c.setzeStiftmodus(Stiftmodus::Xor);
      allesZeichnen(c);
    }
    EXPECT_EQ(bild == vorher, durchgang == 2) << "the first pass changes the image, the second restores it";
  }
}

// --- Pens and geometry -------------------------------------------------------

TEST(QtCanvasStift, DreiPixelStiftMaltDreiZeilenUmDieLinie) {
  QImage bild = weissesBild();
  QtCanvas c(bild);
  c.setzeStift(kSchwarz, 3);
  c.polylinie(std::vector<Pixelpunkt>{{20, 30}, {60, 30}, {60, 70}});
  // Across each leg: three black rows or columns, white two pixels off them.
  const std::pair<int, Farbe> quer[] = {{-1, kSchwarz}, {0, kSchwarz}, {1, kSchwarz}, {-3, kWeiss}, {3, kWeiss}};
  for (int i = 22; i <= 58; ++i)
    for (auto [d, farbe] : quer) {
      EXPECT_TRUE(istFarbe(bild, i, 30 + d, farbe)) << i << " " << d;
      EXPECT_TRUE(istFarbe(bild, 60 + d, i + 10, farbe)) << i << " " << d;
    }
  // The corner is closed and nothing is drawn far beyond the end points.
  EXPECT_TRUE(istFarbe(bild, 60, 30, kSchwarz));
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 0, 17, 80)), 0);
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 74, 100, 6)), 0);
}

TEST(QtCanvasStift, PolygonWirdMitDemPinselGefuelltOderNurUmrandet) {
  QImage bild = weissesBild();
  QtCanvas c(bild);
  c.setzeStift(kSchwarz, 1);
  c.setzePinsel(rgb(0, 128, 0));
  c.polygon(std::vector<Pixelpunkt>{{10, 10}, {40, 10}, {40, 40}, {10, 40}});
  EXPECT_TRUE(istFarbe(bild, 25, 25, rgb(0, 128, 0)));
  EXPECT_TRUE(istFarbe(bild, 10, 25, kSchwarz));

  c.setzePinsel(rgb(0, 128, 0), true);
  c.polygon(std::vector<Pixelpunkt>{{50, 10}, {80, 10}, {80, 40}, {50, 40}});
  EXPECT_TRUE(istFarbe(bild, 65, 25, kWeiss));
  EXPECT_TRUE(istFarbe(bild, 50, 25, kSchwarz));
}

// --- Clip --------------------------------------------------------------------

TEST(QtCanvasClip, ZeichnetNurInnerhalbDesPolygonsBisZumAufheben) {
  QImage bild = weissesBild();
  QtCanvas c(bild);
  c.setzeClip(std::vector<Pixelpunkt>{{0, 0}, {100, 0}, {0, 80}});
  c.rechteckFuellen({0, 0, 100, 80}, kSchwarz);
  EXPECT_TRUE(istFarbe(bild, 5, 5, kSchwarz));
  EXPECT_TRUE(istFarbe(bild, 95, 75, kWeiss));
  c.clipAufheben();
  c.rechteckFuellen({90, 70, 10, 10}, kSchwarz);
  EXPECT_TRUE(istFarbe(bild, 95, 75, kSchwarz));
}

// --- Text ----------------------------------------------------------------------

TEST(QtCanvasText, UmlauteHabenEigeneGlyphenUndDieEckeLiegtObenLinks) {
  QImage bild = weissesBild(200, 60);
  QtCanvas c(bild);
  c.text(10, 20, "ÄÖÜäöüß", Schriftangaben{.hoehePixel = 20}, kSchwarz);
  EXPECT_GT(nichtWeisseIn(bild, QRect(10, 20, 190, 22)), 30);
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 0, 200, 19)), 0) << "nothing above the text's cell";
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 0, 9, 60)), 0) << "nothing left of the insertion point";
  c.text(10, 45, std::string_view("\xC3\x28\xFF\xFE", 4), Schriftangaben{.hoehePixel = 10}, kSchwarz);
  // A missing glyph would be drawn as the same box for an umlaut and its letter.
  QImage a = weissesBild(60, 60);
  QImage b = weissesBild(60, 60);
  QtCanvas(a).text(10, 10, "Ä", Schriftangaben{.hoehePixel = 30}, kSchwarz);
  QtCanvas(b).text(10, 10, "A", Schriftangaben{.hoehePixel = 30}, kSchwarz);
  EXPECT_NE(a, b);
  EXPECT_GT(nichtWeisseIn(a, QRect(0, 0, 60, 60)), nichtWeisseIn(b, QRect(0, 0, 60, 60)));
}

// --- Images --------------------------------------------------------------------

TEST(CanvasBilder, RasterbildFuelltSeinParallelogramm) {
  QImage bild = weissesBild();
  {
    QtCanvas c(bild);
    // Left half red, right half blue, each 20×40 pixels at (10, 10).
    Rasterbild zwei{2, 1, {255, 0, 0, 255, 0, 0, 255, 255}};
    c.rasterbild(zwei, Bildlage{{10, 10}, {50, 10}, {10, 50}});
  }
  EXPECT_EQ(bild.pixel(15, 30), qRgb(255, 0, 0));
  EXPECT_EQ(bild.pixel(45, 30), qRgb(0, 0, 255));
  EXPECT_EQ(bild.pixel(5, 30), qRgb(255, 255, 255));
  EXPECT_EQ(bild.pixel(30, 55), qRgb(255, 255, 255));
}

// A drawing with one filled black square polygon at the sheet's top-left
// corner, 20 × 10 mm.
Zeichnung zeichnungMitRechteck() {
  Zeichnung z;
  z.ansicht.sheetWidth = 210;
  z.ansicht.sheetHeight = 297;
  Tpolygondaten d;
  const double l = z.ansicht.sheetLeft, o = z.ansicht.sheetTop;
  d.x = {l, l + 20, l + 20, l, l};
  d.y = {o, o, o + 10, o + 10, o};
  d.fuellung.gefuellt = 1;
  d.fuellung.fuellwert = rgb(0, 0, 0);
  z.speicher.setzeUndoStufe(1);
  const std::int32_t n = z.speicher.neuesPolygonMitPunkten(Elementart::Polygon, d);
  z.speicher.setzeZustand(n, 1);
  return z;
}

class Ausgabedatei : public ::testing::Test {
 protected:
  // Writes the drawing with one square to `name` in the test's folder and
  // returns the file's bytes (empty after an error, which fails the test).
  QByteArray ausgabe(const char* name, bool ganzeZeichnung = false) {
    Zeichnung z = zeichnungMitRechteck();
    Ausgabewahl w;
    w.pfad = ordner.filePath(QString::fromUtf8(name)).toStdString();
    w.format = *ausgabeformatFuer(w.pfad);
    w.dpi = 254;  // 10 pixels per millimetre
    w.ganzeZeichnung = ganzeZeichnung;
    EXPECT_EQ(gibZeichnungAus(z, w), "") << name;
    QFile f(QString::fromStdString(w.pfad));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir ordner;
};

TEST_F(Ausgabedatei, PngHatDieBlattgroesseBeiDerAufloesung) {
  const QImage bild = QImage::fromData(ausgabe("plan.png"));
  EXPECT_EQ(bild.width(), 2100);
  EXPECT_EQ(bild.height(), 2970);
  EXPECT_EQ(bild.pixel(100, 50) & 0xFFFFFF, 0u) << "inside the 20 × 10 mm square";
  EXPECT_EQ(bild.pixel(300, 50) & 0xFFFFFF, 0xFFFFFFu);
  // The whole drawing: 20 × 10 mm and a margin of 2 mm on each side.
  EXPECT_EQ(QImage::fromData(ausgabe("alles.png", true)).size(), QSize(240, 140));
}

TEST(Zeichnungsausgabe, ZuGrosseBilderUndUnschreibbarePfadeMeldenSichAufDeutsch) {
  Zeichnung z = zeichnungMitRechteck();
  Ausgabewahl w;
  w.pfad = "/tmp/nie.png";
  w.dpi = 2400;
  z.ansicht.sheetWidth = 10000;
  z.ansicht.sheetHeight = 10000;
  const std::string fehler = gibZeichnungAus(z, w);
  EXPECT_NE(fehler.find("zu groß"), std::string::npos) << fehler;
  Zeichnung klein = zeichnungMitRechteck();
  w.dpi = 10;
  w.pfad = "/gibt/es/nicht/plan.png";
  EXPECT_NE(gibZeichnungAus(klein, w).find("kann nicht geschrieben werden"), std::string::npos);
}

const Schutzrechteck kRechteck{0, 0, 100, 100};

double flaeche(const std::vector<Pixelpunkt>& p) {
  double a = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Pixelpunkt& u = p[i];
    const Pixelpunkt& v = p[(i + 1) % p.size()];
    a += u.x * v.y - v.x * u.y;
  }
  return std::abs(a) / 2;
}

TEST(Pixelclip, ZugDerHinausUndWiederHereinLaeuftZerfaelltInZweiStuecke) {
  const std::vector<Pixelpunkt> zug{{10, 50}, {50, 50}, {50, 500}, {60, 500}, {60, 50}, {90, 50}};
  const auto stuecke = polylinieBeschneiden(zug, kRechteck);
  ASSERT_EQ(stuecke.size(), 2u);
  EXPECT_EQ(stuecke[0].size(), 3u);  // (10,50) (50,50) (50,100)
  EXPECT_DOUBLE_EQ(stuecke[0].back().y, 100);
  EXPECT_DOUBLE_EQ(stuecke[1].front().x, 60);
  EXPECT_DOUBLE_EQ(stuecke[1].front().y, 100);
  EXPECT_DOUBLE_EQ(stuecke[1].back().x, 90);
}

TEST(Pixelclip, PolygonBehaeltSeinInneresImRechteck) {
  const std::vector<Pixelpunkt> gross{{-1e9, -1e9}, {1e9, -1e9}, {1e9, 1e9}, {-1e9, 1e9}};
  EXPECT_DOUBLE_EQ(flaeche(polygonBeschneiden(gross, kRechteck)), 10000);
  const std::vector<Pixelpunkt> halb{{50, -1e9}, {1e9, -1e9}, {1e9, 1e9}, {50, 1e9}};
  EXPECT_DOUBLE_EQ(flaeche(polygonBeschneiden(halb, kRechteck)), 5000);
  const std::vector<Pixelpunkt> draussen{{200, 200}, {300, 200}, {300, 300}};
  EXPECT_TRUE(polygonBeschneiden(draussen, kRechteck).empty());
}

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

TEST_F(Rueckmeldung, BandUeberlebtEinNeuesBildUndLaesstSichDannLoeschen) {
  Rueckmeldungscanvas c(bild, ebene, [this] { ++meldungen; });
  c.setzeStiftmodus(Stiftmodus::Xor);
  c.setzeStift(rgb(0, 0, 255), 1);
  const QImage vorher = sichtbar();
  band(c);
  c.schliessen();
  EXPECT_NE(sichtbar(), vorher);
  EXPECT_EQ(bild.pixel(50, 25), qRgb(255, 255, 255)) << "the picture itself stays untouched";
  // A redraw paints a new picture (here: a grey one).
  bild.fill(QColor(200, 200, 200));
  const QImage neu = bild.copy();
  band(c);
  c.schliessen();
  EXPECT_EQ(sichtbar(), neu) << "erasing after a redraw leaves no ghost";
  EXPECT_EQ(meldungen, 2) << "every drawing call asks for a copy to the screen";
}

}  // namespace
}  // namespace quarzel
