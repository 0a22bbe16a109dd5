// The output paths beside the screen: what our PDF writer puts on paper,
// measured from the file's content stream, title blocks in every export file,
// and the antialiased hairlines written straight into export images.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

#include "exchange/dxfschreiber.h"
#include "project/projektausgabe.h"
#include "store/zeichnung.h"
#include "support/bogenhilfen.h"
#include "support/speicherhilfen.h"
#include "ui/qt/pdfcanvas.h"
#include "ui/qt/qtcanvas.h"
#include "ui/qt/zeichnungsausgabe.h"

namespace quarzel {
namespace {

constexpr double kPt = 72 / 25.4;  // points per millimetre

std::string inhaltsstrom(const QByteArray& pdf) {
  const qsizetype a = pdf.indexOf("stream\n", pdf.indexOf("4 0 obj")) + 7, e = pdf.indexOf("\nendstream", a);
  std::string aus(std::size_t(64) << 20, '\0');
  uLongf laenge = aus.size();
  if (a < 7 || e < a ||
      uncompress(reinterpret_cast<Bytef*>(aus.data()), &laenge, reinterpret_cast<const Bytef*>(pdf.constData() + a),
                 static_cast<uLong>(e - a)) != Z_OK)
    return {};
  aus.resize(laenge);
  return aus;
}

// Points in page coordinates of the stream's path operators, by operator.
struct Seitenpfade {
  std::vector<std::array<double, 4>> strecken;  // m then l
  std::vector<std::pair<double, double>> kurvenpunkte;
};

Seitenpfade lies(const std::string& strom) {
  Seitenpfade s;
  std::istringstream ein(strom);
  std::vector<double> zahlen;
  double m[6] = {1, 0, 0, 1, 0, 0}, zuletzt[2] = {0, 0};
  const auto seite = [&](double x, double y) {
    return std::pair{m[0] * x + m[2] * y + m[4], m[1] * x + m[3] * y + m[5]};
  };
  for (std::string wort; ein >> wort;) {
    char* ende = nullptr;
    const double v = std::strtod(wort.c_str(), &ende);
    if (ende && *ende == '\0') {
      zahlen.push_back(v);
      continue;
    }
    if (wort == "cm" && zahlen.size() >= 6) std::copy(zahlen.end() - 6, zahlen.end(), m);
    if (wort == "m" && zahlen.size() >= 2) std::copy(zahlen.end() - 2, zahlen.end(), zuletzt);
    if (wort == "l" && zahlen.size() >= 2) {
      const auto [ax, ay] = seite(zuletzt[0], zuletzt[1]);
      const auto [bx, by] = seite(zahlen[zahlen.size() - 2], zahlen.back());
      s.strecken.push_back({ax, ay, bx, by});
    }
    if (wort == "c" && zahlen.size() >= 6) s.kurvenpunkte.push_back(seite(zahlen[zahlen.size() - 2], zahlen.back()));
    zahlen.clear();
  }
  return s;
}

TEST(PdfAusgabe, LinesAndCirclesKeepTheirSizeOnPaper) {
  Zeichnung z;
  test::initialisiere(z.speicher);
  z.speicher.beginneSchritt();
  z.ansicht.sheetWidth = 210;
  z.ansicht.sheetHeight = 297;
  const double l = z.ansicht.sheetLeft, o = z.ansicht.sheetTop;
  test::linie(z.speicher, l + 10, o + 20, l + 110, o + 20, false);
  const std::int32_t n = z.speicher.neuerBogen(test::bogendaten(l + 100, o + 150, 25, 25));
  z.speicher.vervollstaendige(n);
  z.speicher.setzeMarkiert(n, 0);
  QTemporaryDir ordner;
  Ausgabewahl w;
  w.pfad = ordner.filePath("plan.pdf").toStdString();
  w.format = Ausgabeformat::Pdf;
  ASSERT_EQ(gibZeichnungAus(z, w), "");
  QFile f(QString::fromStdString(w.pfad));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray pdf = f.readAll();
  EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.276 841.890]"));

  const Seitenpfade p = lies(inhaltsstrom(pdf));
  ASSERT_EQ(p.strecken.size(), 1u);
  const auto& s = p.strecken[0];
  EXPECT_NEAR(std::hypot(s[2] - s[0], s[3] - s[1]), 100 * kPt, 0.02) << "a 100 mm line is 283.46 pt";
  EXPECT_NEAR(s[1], (297 - 20) * kPt, 0.02) << "measured from the bottom of the page";
  ASSERT_EQ(p.kurvenpunkte.size(), 4u) << "a circle is four Bézier pieces";
  for (const auto& [x, y] : p.kurvenpunkte)
    EXPECT_NEAR(std::hypot(x - 100 * kPt, y - (297 - 150) * kPt), 25 * kPt, 0.02);
}

TEST(PdfAusgabe, TextsAreHelveticaInWinAnsi) {
  QTemporaryDir ordner;
  const std::string pfad = ordner.filePath("text.pdf").toStdString();
  // The canvas ends its page before the file is written.
  Pdfdokument dok(100, 100);
  {
    PdfCanvas c(dok, 100, 100, 72);
    Schriftangaben s;
    s.hoehePixel = 10;
    c.text(10, 10, "Maß (1)", s, 0);
    EXPECT_NEAR(c.textbreite("Maß", s), (833 + 556 + 611) / 100.0, 1e-9);
  }
  ASSERT_EQ(dok.speichern(pfad), "");
  QFile f(QString::fromStdString(pfad));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray pdf = f.readAll();
  EXPECT_TRUE(pdf.contains("/BaseFont /Helvetica /Encoding /WinAnsiEncoding"));
  EXPECT_NE(inhaltsstrom(pdf).find("(Ma\xDF \\(1\\)) Tj"), std::string::npos);
}

// A line that is a placeholder goes out as its value whatever the screen
// shows; one with other words around it goes out as typed.
TEST(PdfAusgabe, PlatzhalterZeigenIhrenWert) {
  Zeichnung z;
  test::initialisiere(z.speicher);
  z.projektdaten.werte[9] = "Neubau Halle";
  z.speicher.beginneSchritt();
  z.speicher.vervollstaendige(
      z.speicher.neuerText(Elementart::Text, {.x = z.ansicht.sheetLeft + 20.0,
                                              .y = z.ansicht.sheetTop + 20.0,
                                              .zeilen = {"$ProjName", "Projekt: $ProjName", "$Projname"}}));
  QTemporaryDir ordner;
  Ausgabewahl w;
  w.schalter.platzhalter = true;  // the screen's switch does not reach files
  for (const auto format : {Ausgabeformat::Pdf, Ausgabeformat::Svg}) {
    w.format = format;
    w.pfad = ordner.filePath(format == Ausgabeformat::Pdf ? "plan.pdf" : "plan.svg").toStdString();
    ASSERT_EQ(gibZeichnungAus(z, w), "");
    QFile f(QString::fromStdString(w.pfad));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray datei = f.readAll();
    const std::string text = format == Ausgabeformat::Pdf ? inhaltsstrom(datei) : datei.toStdString();
    const char* ohne = format == Ausgabeformat::Pdf ? "($ProjName) Tj" : ">$ProjName<";
    for (const char* gezeigt : {"Neubau Halle", "Projekt: $ProjName", "$Projname"})
      EXPECT_NE(text.find(gezeigt), std::string::npos) << gezeigt;
    EXPECT_EQ(text.find(ohne), std::string::npos);
  }
  const Projektdatenersetzung werte("24.12.2030");
  std::string dxf, dxfOhne;
  dxfSchreiben(z, dxf, &werte);
  dxfSchreiben(z, dxfOhne);
  EXPECT_TRUE(dxf.find("Neubau Halle") != std::string::npos && dxfOhne.find("Neubau Halle") == std::string::npos);
}

// Export images: every column (row for steep lines) of a hairline carries
// one pixel's worth of ink, wherever the line falls between pixel centres.
TEST(Haarlinien, EachStepCarriesOnePixelOfInk) {
  const struct {
    const char* name;
    Pixelpunkt a, b;
    bool steil;
    int von, bis;  // columns (rows) checked
  } faelle[] = {
      {"through pixel centres", {10, 20.5}, {90, 20.5}, false, 11, 88},
      {"on a pixel border, split in two", {10, 20}, {90, 20}, false, 11, 88},
      {"shallow", {5, 10}, {95, 37}, false, 6, 93},
      {"steep", {30, 5}, {41, 55}, true, 6, 53},
      {"far beyond the image", {-500, -270}, {700, 330}, false, 41, 98},
  };
  for (const auto& f : faelle) {
    QImage bild(100, 60, QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
      QtCanvas c(bild, true);
      c.setzeStift(rgb(0, 0, 0), 1);
      const std::array<Pixelpunkt, 2> p{f.a, f.b};
      c.strecken(p);
    }
    for (int i = f.von; i <= f.bis; ++i) {
      int tinte = 0;
      for (int j = 0; j < (f.steil ? bild.width() : bild.height()); ++j)
        tinte += 255 - qRed(f.steil ? bild.pixel(j, i) : bild.pixel(i, j));
      ASSERT_NEAR(tinte, 255, 3) << f.name << " at " << i;
    }
  }
}

// A big batch is drawn in two bands at once: no row at the seam loses or
// doubles ink.
TEST(Haarlinien, BandsMeetWithoutASeam) {
  QImage bild(2400, 80, QImage::Format_RGB32);
  bild.fill(Qt::white);
  std::vector<Pixelpunkt> paare;
  for (int i = 0; i < 1100; ++i) {
    paare.push_back({2 * i + 0.5, 2});
    paare.push_back({2 * i + 1.4, 78});
  }
  {
    QtCanvas c(bild, true);
    c.setzeStift(rgb(0, 0, 0), 1);
    c.strecken(paare);
  }
  for (int y = 37; y <= 42; ++y) {
    long tinte = 0;
    for (int x = 0; x < bild.width(); ++x) tinte += 255 - qRed(bild.pixel(x, y));
    EXPECT_NEAR(tinte, 1100 * 255, 1100 * 2) << "row " << y;
  }
}

}  // namespace
}  // namespace quarzel
