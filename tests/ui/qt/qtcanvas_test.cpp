// QtCanvas on a QImage: what the core relies on when it paints the drawing
// area, rubber bands and printouts.
#include "ui/qt/qtcanvas.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <limits>
#include <vector>

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

QByteArray alsPng(const QImage& bild) {
  QByteArray daten;
  QBuffer puffer(&daten);
  puffer.open(QIODevice::WriteOnly);
  bild.save(&puffer, "PNG");
  return daten;
}

// Everything the renderer may draw, in one go.
void allesZeichnen(Canvas& c) {
  c.setzeStift(rgb(200, 30, 60), 3);
  c.setzePinsel(rgb(20, 200, 90));
  const std::vector<Pixelpunkt> linie{{5, 5}, {60, 12}, {30, 40}, {90, 70}};
  c.polylinie(linie);
  const std::vector<Pixelpunkt> dreieck{{10, 70}, {50, 50}, {70, 78}};
  c.polygon(dreieck);
  c.setzeStift(rgb(0, 0, 255), 1, Stiftart::Gestrichelt);
  const std::vector<Pixelpunkt> diagonale{{0, 79}, {99, 0}};
  c.polylinie(diagonale);
  c.rechteckFuellen({70, 5, 20, 15}, rgb(255, 255, 0));
  c.pixel(3, 77, rgb(1, 2, 3));
  c.text(20, 20, "Maßstab Über", Schriftangaben{.hoehePixel = 14}, rgb(0, 0, 0));
}

// --- Pen modes ---------------------------------------------------------------

TEST(QtCanvasStiftmodus, XorZweimalStelltDasBildGenauWiederHer) {
  const QImage vorher = buntesBild();
  QImage bild = vorher;
  {
    QtCanvas c(bild);
    c.setzeStiftmodus(Stiftmodus::Xor);
    allesZeichnen(c);
  }
  EXPECT_NE(bild, vorher) << "the first XOR pass must change the image";
  {
    QtCanvas c(bild);
    c.setzeStiftmodus(Stiftmodus::Xor);
    allesZeichnen(c);
  }
  EXPECT_EQ(bild, vorher);
}

TEST(QtCanvasStiftmodus, XorMitWeissemStiftKehrtSchwarzUndWeissUm) {
  QImage bild = weissesBild();
  {
    QPainter p(&bild);
    p.fillRect(0, 0, 50, 80, Qt::black);
  }
  QtCanvas c(bild);
  c.setzeStiftmodus(Stiftmodus::Xor);
  c.setzeStift(kWeiss, 1);
  const std::vector<Pixelpunkt> quer{{10, 40}, {90, 40}};
  c.polylinie(quer);
  EXPECT_TRUE(istFarbe(bild, 20, 40, kWeiss));
  EXPECT_TRUE(istFarbe(bild, 70, 40, kSchwarz));
}

TEST(QtCanvasStiftmodus, WeissMaltAllesWeissUndKopierenWiederInFarbe) {
  QImage bild(60, 40, QImage::Format_RGB32);
  bild.fill(Qt::black);
  QtCanvas c(bild);
  c.setzeStiftmodus(Stiftmodus::Weiss);
  c.setzeStift(rgb(255, 0, 0), 1);
  const std::vector<Pixelpunkt> linie{{0, 10}, {59, 10}};
  c.polylinie(linie);
  c.rechteckFuellen({0, 20, 10, 10}, rgb(0, 0, 255));
  c.text(20, 20, "X", Schriftangaben{.hoehePixel = 16}, rgb(0, 255, 0));
  EXPECT_TRUE(istFarbe(bild, 30, 10, kWeiss));
  EXPECT_TRUE(istFarbe(bild, 5, 25, kWeiss));
  bool nurSchwarzWeiss = true;
  for (int y = 0; y < bild.height(); ++y) {
    for (int x = 0; x < bild.width(); ++x) {
      const QRgb p = bild.pixel(x, y);
      nurSchwarzWeiss &= qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
    }
  }
  EXPECT_TRUE(nurSchwarzWeiss) << "erasing must not leave coloured pixels";

  c.setzeStiftmodus(Stiftmodus::Kopieren);
  c.polylinie(linie);
  EXPECT_TRUE(istFarbe(bild, 30, 10, rgb(255, 0, 0)));
}

// --- Pens and geometry -------------------------------------------------------

TEST(QtCanvasStift, FarbeHatRotImNiedrigenByte) {
  QImage bild = weissesBild();
  QtCanvas c(bild);
  c.pixel(4, 5, 0x0000FF);
  c.pixel(6, 5, 0xFF0000);
  EXPECT_EQ(bild.pixel(4, 5), qRgb(255, 0, 0));
  EXPECT_EQ(bild.pixel(6, 5), qRgb(0, 0, 255));
}

TEST(QtCanvasStift, DreiPixelStiftMaltDreiZeilenUmDieLinie) {
  QImage bild = weissesBild();
  QtCanvas c(bild);
  c.setzeStift(kSchwarz, 3);
  const std::vector<Pixelpunkt> winkel{{20, 30}, {60, 30}, {60, 70}};
  c.polylinie(winkel);
  for (int x = 22; x <= 58; ++x) {
    EXPECT_TRUE(istFarbe(bild, x, 29, kSchwarz)) << x;
    EXPECT_TRUE(istFarbe(bild, x, 30, kSchwarz)) << x;
    EXPECT_TRUE(istFarbe(bild, x, 31, kSchwarz)) << x;
    EXPECT_TRUE(istFarbe(bild, x, 27, kWeiss)) << x;
    EXPECT_TRUE(istFarbe(bild, x, 33, kWeiss)) << x;
  }
  for (int y = 32; y <= 68; ++y) {
    EXPECT_TRUE(istFarbe(bild, 59, y, kSchwarz)) << y;
    EXPECT_TRUE(istFarbe(bild, 61, y, kSchwarz)) << y;
    EXPECT_TRUE(istFarbe(bild, 57, y, kWeiss)) << y;
    EXPECT_TRUE(istFarbe(bild, 63, y, kWeiss)) << y;
  }
  // The corner is closed and nothing is drawn far beyond the end points.
  EXPECT_TRUE(istFarbe(bild, 60, 30, kSchwarz));
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 0, 17, 80)), 0);
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 74, 100, 6)), 0);
}

TEST(QtCanvasStift, EinPixelStiftMaltGenauEineZeileOhneKantenglaettung) {
  QImage bild = weissesBild();
  QtCanvas c(bild);
  c.setzeStift(rgb(10, 20, 30), 1);
  const std::vector<Pixelpunkt> linie{{10, 40}, {90, 40}};
  c.polylinie(linie);
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 0, 100, 40)), 0);
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 41, 100, 39)), 0);
  for (int x = 10; x < 90; ++x) EXPECT_TRUE(istFarbe(bild, x, 40, rgb(10, 20, 30))) << x;
}

TEST(QtCanvasStift, GestrichelterStiftIstEinPixelBreitUndHatLuecken) {
  QImage bild = weissesBild();
  QtCanvas c(bild);
  c.setzeStift(kSchwarz, 5, Stiftart::Gestrichelt);
  const std::vector<Pixelpunkt> linie{{0, 40}, {99, 40}};
  c.polylinie(linie);
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 0, 100, 40)), 0);
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 41, 100, 39)), 0);
  const int gemalt = nichtWeisseIn(bild, QRect(0, 40, 100, 1));
  EXPECT_GT(gemalt, 40);
  EXPECT_LT(gemalt, 95);
}

TEST(QtCanvasStift, PolygonWirdMitDemPinselGefuelltOderNurUmrandet) {
  QImage bild = weissesBild();
  QtCanvas c(bild);
  const std::vector<Pixelpunkt> quadrat{{10, 10}, {40, 10}, {40, 40}, {10, 40}};
  c.setzeStift(kSchwarz, 1);
  c.setzePinsel(rgb(0, 128, 0));
  c.polygon(quadrat);
  EXPECT_TRUE(istFarbe(bild, 25, 25, rgb(0, 128, 0)));
  EXPECT_TRUE(istFarbe(bild, 10, 25, kSchwarz));

  const std::vector<Pixelpunkt> zweites{{50, 10}, {80, 10}, {80, 40}, {50, 40}};
  c.setzePinsel(rgb(0, 128, 0), true);
  c.polygon(zweites);
  EXPECT_TRUE(istFarbe(bild, 65, 25, kWeiss));
  EXPECT_TRUE(istFarbe(bild, 50, 25, kSchwarz));
}

TEST(QtCanvasStift, MehrfachPolylinieZeichntGetrennteZuegeUndUeberspringtUngueltigeLaengen) {
  QImage bild = weissesBild();
  QtCanvas c(bild);
  const std::vector<Pixelpunkt> punkte{{10, 10}, {90, 10}, {10, 50}, {90, 50}, {10, 70}, {90, 70}};
  const std::vector<int> laengen{2, 2, 7};  // the last one claims more points than there are
  c.mehrfachPolylinie(punkte, laengen);
  EXPECT_TRUE(istFarbe(bild, 50, 10, kSchwarz));
  EXPECT_TRUE(istFarbe(bild, 50, 50, kSchwarz));
  EXPECT_TRUE(istFarbe(bild, 50, 70, kWeiss));
  // No connecting segment between the two strokes.
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 15, 100, 30)), 0);
}

// --- Hostile coordinates -----------------------------------------------------

TEST(QtCanvasGrenzfaelle, RiesigeKoordinatenZeichnenDenSichtbarenTeil) {
  QImage bild = weissesBild();
  QtCanvas c(bild);
  c.setzeStift(kSchwarz, 1, Stiftart::Gepunktet);
  const std::vector<Pixelpunkt> weit{{-1e12, 40}, {1e12, 40}};
  c.polylinie(weit);
  EXPECT_GT(nichtWeisseIn(bild, QRect(0, 40, 100, 1)), 20);

  c.setzeStift(kSchwarz, 1);
  c.setzePinsel(kSchwarz);
  const std::vector<Pixelpunkt> riesig{{-1e15, 60}, {1e15, 60}, {1e15, 1e15}, {-1e15, 1e15}};
  c.polygon(riesig);
  EXPECT_TRUE(istFarbe(bild, 50, 70, kSchwarz));
  EXPECT_TRUE(istFarbe(bild, 50, 55, kWeiss));
}

TEST(QtCanvasGrenzfaelle, NichtEndlicheWerteWerdenUebergangen) {
  QImage bild = weissesBild();
  const QImage leer = bild;
  QtCanvas c(bild);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  c.setzeStift(kSchwarz, nan);
  const std::vector<Pixelpunkt> mitNan{{10, 10}, {nan, 20}, {inf, 30}};
  c.polylinie(mitNan);
  c.polygon(mitNan);
  c.text(nan, 10, "x", Schriftangaben{}, kSchwarz);
  c.text(10, 10, "x", Schriftangaben{.hoehePixel = inf}, kSchwarz);
  c.rechteckFuellen({std::numeric_limits<int>::max() - 5, 0, 100, 100}, kSchwarz);
  c.rechteckFuellen({0, 0, -5, 10}, kSchwarz);
  c.pixel(-1, 5, kSchwarz);
  c.pixel(100, 5, kSchwarz);
  EXPECT_EQ(bild, leer);

  // The segment between two finite points still counts.
  const std::vector<Pixelpunkt> teilweise{{10, 50}, {90, 50}, {nan, nan}, {10, 70}};
  c.polylinie(teilweise);
  EXPECT_TRUE(istFarbe(bild, 50, 50, kSchwarz));
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 55, 100, 25)), 0);
}

// --- Clip --------------------------------------------------------------------

TEST(QtCanvasClip, ZeichnetNurInnerhalbDesPolygonsBisZumAufheben) {
  QImage bild = weissesBild();
  QtCanvas c(bild);
  const std::vector<Pixelpunkt> dreieck{{0, 0}, {100, 0}, {0, 80}};
  c.setzeClip(dreieck);
  c.rechteckFuellen({0, 0, 100, 80}, kSchwarz);
  EXPECT_TRUE(istFarbe(bild, 5, 5, kSchwarz));
  EXPECT_TRUE(istFarbe(bild, 95, 75, kWeiss));
  c.clipAufheben();
  c.rechteckFuellen({90, 70, 10, 10}, kSchwarz);
  EXPECT_TRUE(istFarbe(bild, 95, 75, kSchwarz));
}

TEST(QtCanvasClip, EntartetesClipPolygonLaesstNichtsDurch) {
  QImage bild = weissesBild();
  const QImage leer = bild;
  QtCanvas c(bild);
  const std::vector<Pixelpunkt> strecke{{0, 0}, {100, 80}};
  c.setzeClip(strecke);
  c.rechteckFuellen({0, 0, 100, 80}, kSchwarz);
  EXPECT_EQ(bild, leer);
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

TEST(QtCanvasText, UmNeunzigGradGedrehterTextLaeuftNachOben) {
  QImage bild = weissesBild(80, 200);
  QtCanvas c(bild);
  c.text(20, 180, "Grundriss", Schriftangaben{.hoehePixel = 20, .winkelGrad = 90}, kSchwarz);
  EXPECT_GT(nichtWeisseIn(bild, QRect(0, 60, 80, 120)), 50);
  EXPECT_EQ(nichtWeisseIn(bild, QRect(0, 181, 80, 19)), 0) << "counter-clockwise: the text rises from its corner";
  EXPECT_EQ(nichtWeisseIn(bild, QRect(41, 0, 39, 200)), 0) << "the cell lies left of the anchor";
}

// --- Images --------------------------------------------------------------------

TEST(QtCanvasBild, PngWirdInDasZielrechteckGestreckt) {
  QImage quelle(2, 2, QImage::Format_RGB32);
  quelle.fill(qRgb(255, 0, 0));
  const QByteArray png = alsPng(quelle);
  QImage bild = weissesBild();
  QtCanvas c(bild);
  c.bild(std::span(reinterpret_cast<const std::uint8_t*>(png.constData()), std::size_t(png.size())), {10, 10, 40, 20});
  EXPECT_TRUE(istFarbe(bild, 10, 10, rgb(255, 0, 0)));
  EXPECT_TRUE(istFarbe(bild, 49, 29, rgb(255, 0, 0)));
  EXPECT_TRUE(istFarbe(bild, 50, 30, kWeiss));
  EXPECT_TRUE(istFarbe(bild, 9, 9, kWeiss));
}

TEST(QtCanvasBild, KaputteBilddatenZeichnenNichts) {
  QImage quelle(50, 50, QImage::Format_RGB32);
  quelle.fill(Qt::blue);
  QByteArray png = alsPng(quelle);
  png.truncate(png.size() / 2);
  const std::vector<std::uint8_t> unsinn{0x89, 'P', 'N', 'G', 0, 1, 2, 3};
  QImage bild = weissesBild();
  const QImage leer = bild;
  QtCanvas c(bild);
  c.bild(unsinn, {0, 0, 100, 80});
  c.bild({}, {0, 0, 10, 10});
  EXPECT_EQ(bild, leer);
  // A truncated PNG may show the rows decoded so far; it must simply not crash.
  c.bild(std::span(reinterpret_cast<const std::uint8_t*>(png.constData()), std::size_t(png.size())), {0, 0, 100, 80});
}

// --- Other paint devices ----------------------------------------------------------

QStringList qtWarnungen;
void warnungMerken(QtMsgType, const QMessageLogContext&, const QString& text) {
  qtWarnungen.append(text);
}

TEST(QtCanvasGeraete, PdfUndSvgNehmenAllesAnAuchXor) {
  QByteArray pdf;
  QBuffer pdfPuffer(&pdf);
  pdfPuffer.open(QIODevice::WriteOnly);
  QPdfWriter schreiber(&pdfPuffer);
  QByteArray svg;
  QBuffer svgPuffer(&svg);
  QSvgGenerator generator;
  generator.setOutputDevice(&svgPuffer);
  generator.setSize(QSize(100, 80));

  qtWarnungen.clear();
  const QtMessageHandler vorher = qInstallMessageHandler(warnungMerken);
  {
    QtCanvas c(schreiber, true);
    EXPECT_GT(c.breite(), 1000) << "a PDF page has many device pixels";
    c.setzeStiftmodus(Stiftmodus::Xor);
    allesZeichnen(c);
  }
  {
    QtCanvas c(generator, true);
    c.setzeStiftmodus(Stiftmodus::Xor);
    allesZeichnen(c);
  }
  qInstallMessageHandler(vorher);
  EXPECT_TRUE(qtWarnungen.isEmpty()) << qtWarnungen.join(u'\n').toStdString();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_TRUE(svg.contains("<svg"));
  EXPECT_TRUE(svg.contains("polyline") || svg.contains("path"));
}

}  // namespace
}  // namespace quarzel
