// QtCanvas with pictures (decoded pixels, SVG documents, text widths) and the
// picture files of the renderer: PNG pixels, PDF page size at true scale,
// SVG output.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "store/zeichnung.h"
#include "ui/qt/qtcanvas.h"
#include "ui/qt/zeichnungsausgabe.h"

namespace quarzel {
namespace {

Rasterbild einfarbig(int b, int h, std::uint8_t r, std::uint8_t g, std::uint8_t bl) {
  Rasterbild bild{b, h, {}};
  for (int i = 0; i < b * h; ++i) bild.rgba.insert(bild.rgba.end(), {r, g, bl, 255});
  return bild;
}

QImage weissesBild(int b = 100, int h = 100) {
  QImage bild(b, h, QImage::Format_RGB32);
  bild.fill(Qt::white);
  return bild;
}

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

TEST(CanvasBilder, GedrehtesRasterbildLiegtImGedrehtenViereck) {
  QImage bild = weissesBild();
  {
    QtCanvas c(bild);
    // A quarter turn: the picture's top edge runs upwards from (20, 80).
    c.rasterbild(einfarbig(4, 2, 0, 160, 0), Bildlage{{20, 80}, {20, 20}, {50, 80}});
  }
  EXPECT_EQ(bild.pixel(35, 50), qRgb(0, 160, 0));
  EXPECT_EQ(bild.pixel(60, 50), qRgb(255, 255, 255));
  EXPECT_EQ(bild.pixel(35, 10), qRgb(255, 255, 255));
}

TEST(CanvasBilder, UnstimmigeOderEntarteteBilderZeichnenNichts) {
  QImage bild = weissesBild();
  {
    QtCanvas c(bild);
    Rasterbild falsch{10, 10, std::vector<std::uint8_t>(12, 0)};
    c.rasterbild(falsch, Bildlage{{0, 0}, {100, 0}, {0, 100}});
    c.rasterbild(einfarbig(2, 2, 0, 0, 0), Bildlage{{0, 0}, {100, 100}, {50, 50}});  // collinear
    c.rasterbild(einfarbig(2, 2, 0, 0, 0), Bildlage{{0, 0}, {1e300, 0}, {0, 100}});
    c.rasterbild(einfarbig(2, 2, 0, 0, 0), Bildlage{{0, 0}, {std::nan(""), 0}, {0, 100}});
  }
  for (int y = 0; y < 100; y += 7)
    for (int x = 0; x < 100; x += 7) ASSERT_EQ(bild.pixel(x, y), qRgb(255, 255, 255));
}

TEST(CanvasBilder, LoeschmodusMaltDieBildflaecheWeiss) {
  QImage bild(60, 60, QImage::Format_RGB32);
  bild.fill(Qt::black);
  {
    QtCanvas c(bild);
    c.setzeStiftmodus(Stiftmodus::Weiss);
    c.rasterbild(einfarbig(2, 2, 255, 0, 0), Bildlage{{10, 10}, {50, 10}, {10, 50}});
  }
  EXPECT_EQ(bild.pixel(30, 30), qRgb(255, 255, 255));
  EXPECT_EQ(bild.pixel(5, 5), qRgb(0, 0, 0));
}

TEST(CanvasBilder, SvgWirdInSeineLageGespieltKaputtesNicht) {
  QImage bild = weissesBild();
  const std::string svg =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\">"
      "<rect x=\"0\" y=\"0\" width=\"5\" height=\"10\" fill=\"#0000ff\"/></svg>";
  bool gespielt = false;
  {
    QtCanvas c(bild);
    gespielt = c.vektorbild(std::span(reinterpret_cast<const std::uint8_t*>(svg.data()), svg.size()),
                            Bildlage{{20, 20}, {80, 20}, {20, 80}});
  }
  EXPECT_TRUE(gespielt);
  EXPECT_EQ(bild.pixel(30, 50), qRgb(0, 0, 255));
  EXPECT_EQ(bild.pixel(70, 50), qRgb(255, 255, 255));

  const std::string kaputt = "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect";
  QtCanvas c(bild);
  EXPECT_FALSE(c.vektorbild(std::span(reinterpret_cast<const std::uint8_t*>(kaputt.data()), kaputt.size()),
                            Bildlage{{0, 0}, {10, 0}, {0, 10}}));
}


TEST(CanvasBilder, TextbreiteWaechstMitTextUndHoehe) {
  QImage bild = weissesBild();
  QtCanvas c(bild);
  Schriftangaben s;
  s.hoehePixel = 20;
  const double kurz = c.textbreite("Wand", s);
  EXPECT_GT(kurz, 20);
  EXPECT_GT(c.textbreite("Wandstärke", s), kurz);
  s.hoehePixel = 40;
  EXPECT_NEAR(c.textbreite("Wand", s), 2 * kurz, kurz * 0.2);
  EXPECT_EQ(c.textbreite("", s), 0);
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

TEST(Zeichnungsausgabe, FormatNachDateiendung) {
  EXPECT_EQ(ausgabeformatFuer("a/plan.PNG"), Ausgabeformat::Png);
  EXPECT_EQ(ausgabeformatFuer("plan.pdf"), Ausgabeformat::Pdf);
  EXPECT_EQ(ausgabeformatFuer("plan.svg"), Ausgabeformat::Svg);
  EXPECT_FALSE(ausgabeformatFuer("plan.jpg"));
  EXPECT_FALSE(ausgabeformatFuer("plan"));
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

TEST_F(Ausgabedatei, PdfSeiteIstDasBlattInMillimeternUndSvgHatDieFlaeche) {
  const QString pdf = QString::fromLatin1(ausgabe("plan.pdf"));
  const QRegularExpression box(QStringLiteral("/MediaBox \\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
  const QRegularExpressionMatch m = box.match(pdf);
  ASSERT_TRUE(m.hasMatch());
  EXPECT_NEAR(m.captured(1).toDouble() / 72 * 25.4, 210, 0.2);
  EXPECT_NEAR(m.captured(2).toDouble() / 72 * 25.4, 297, 0.2);

  const QByteArray svg = ausgabe("plan.svg");
  EXPECT_TRUE(svg.contains("<svg"));
  EXPECT_TRUE(svg.contains("<path") || svg.contains("<polygon") || svg.contains("<polyline"));
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

}  // namespace
}  // namespace quarzel
