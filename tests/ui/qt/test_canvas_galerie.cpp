// The gallery: one drawing with every element kind, every line style, line
// ends, every shipped hatch, gradients of every type, pictures, texts and
// dimensions, rendered to PNG, PDF and SVG. The test proves that all of it
// renders without fault and leaves ink on the sheet; with QUARZEL_GALERIE set
// to a folder the files (and the drawing as galerie.qzz) stay there to be
// looked at.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "styles/linienstilstart.h"
#include "styles/schraffurbibliothek.h"
#include "store/zeichnung.h"
#include "store/zeichnungsdatei.h"
#include "ui/qt/zeichnungsausgabe.h"

namespace quarzel {
namespace {

// A chequered picture with a gradient, encoded as the file format says
// ("PNG" or "JPG"), to be embedded in the drawing as the user's file would be.
std::vector<std::uint8_t> bilddatei(int b, int h, const char* format) {
  QImage bild(b, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < b; ++x) {
      const bool feld = ((x / 8) + (y / 8)) % 2 == 0;
      bild.setPixel(x, y, qRgb(feld ? 200 : (x * 4) & 255, (y * 4) & 255, feld ? 60 : 220));
    }
  QByteArray daten;
  QBuffer puffer(&daten);
  puffer.open(QIODevice::WriteOnly);
  bild.save(&puffer, format);
  return {daten.begin(), daten.end()};
}

class Galerie {
 public:
  Zeichnung z;
  double l, o;  // the sheet's top-left corner

  Galerie() {
    z.ansicht.sheetWidth = 420;
    z.ansicht.sheetHeight = 297;
    l = z.ansicht.sheetLeft;
    o = z.ansicht.sheetTop;
    z.speicher.setzeUndoStufe(1);
    ladeLinienstileBeimStart(z.linienstile);
  }
  void lebe(std::int32_t n) { z.speicher.setzeZustand(n, 1); }

  void linienstile() {
    // Every style number in four columns of 31 rows.
    for (int stil = 1; stil <= 124; ++stil) {
      const int spalte = (stil - 1) / 31, zeile = (stil - 1) % 31;
      Tliniendaten d;
      d.x1 = l + 10 + spalte * 45;
      d.x2 = d.x1 + 40;
      d.y1 = d.y2 = o + 10 + zeile * 3;
      d.linienstil = static_cast<std::int16_t>(stil);
      d.stift = static_cast<std::uint8_t>(1 + stil % 4);
      d.farbe = stil % 3 == 0 ? rgb(0, 0, 160) : rgb(0, 0, 0);
      // The adder stamps the current pen and style; the gallery wants its own.
      const std::int32_t n = z.speicher.neueLinie(d);
      z.speicher.setzeLinienstil(n, d.linienstil);
      z.speicher.setzeStift(n, d.stift);
      lebe(n);
    }
  }

  void linienenden() {
    for (int form = 1; form <= 19; ++form) {
      Tliniendaten d;
      d.x1 = l + 190;
      d.x2 = l + 215;
      d.y1 = d.y2 = o + 10 + (form - 1) * 4.5;
      d.stift = 3;
      d.anfang = static_cast<std::uint8_t>(form);
      d.ende = static_cast<std::uint8_t>(form + (form % 5) * 32);
      d.farbe = rgb(120, 0, 0);
      lebe(z.speicher.neueLinie(d));
    }
  }

  void schraffuren() {
    int i = 0;
    const std::filesystem::path ordner = std::filesystem::path(QUARZEL_DATA_DIR) / "Schraffuren" / "Standard";
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
      if (e.path().extension() == ".tsc") namen.push_back(e.path().stem().string());
    std::sort(namen.begin(), namen.end());
    for (const std::string& name : namen) {
      const double x = l + 225 + (i % 7) * 27, y = o + 10 + (i / 7) * 24;
      Tpolygondaten d;
      d.x = {x, x + 24, x + 24, x, x};
      d.y = {y, y, y + 18, y + 18, y};
      d.fuellung.gefuellt = 1;
      d.fuellung.fuellflag = 1;
      d.fuellung.schraffurName = name;
      d.stift = 2;
      lebe(z.speicher.neuesPolygonMitPunkten(Elementart::Polygon, d));
      Tfliestextdaten t;
      t.x = x;
      t.y = y + 19;
      t.hoehe = 1.8f;
      t.schrift = "DejaVu Sans";
      t.zeilen = {name};
      lebe(z.speicher.neuerText(Elementart::Text, t));
      ++i;
    }
  }

  void verlaeufe() {
    for (int typ = 0; typ < 8; ++typ) {
      const double x = l + 10 + typ * 26, y = o + 110;
      Tpolygondaten d;
      if (typ == 7) {
        d.x = {x, x + 22, x + 22, x, x + 8, x + 14, x + 14, x + 8};
        d.y = {y, y, y + 22, y + 22, y + 8, y + 8, y + 14, y + 14};
      } else {
        d.x = {x, x + 22, x + 24, x + 4};
        d.y = {y, y + 2, y + 22, y + 20};
      }
      d.farbe = rgb(255, 220, 0);
      d.farbe2 = rgb(0, 60, 200);
      d.wert2 = 5;
      d.verlaufstyp = packeVerlaufstyp({static_cast<std::uint8_t>(typ), false, typ == 0});
      lebe(z.speicher.neuesPolygonMitPunkten(Elementart::Verlauf, d));
    }
  }

  void bilder() {
    Tbitmapdaten b;
    b.platzierung = {l + 10, o + 140, l + 60, o + 175, 0, 0};
    b.daten = bilddatei(64, 48, "PNG");
    lebe(z.speicher.neueBitmap(Elementart::Bitmap, b));
    b.platzierung = {l + 70, o + 140, l + 110, o + 175, 30, 0};
    b.daten = bilddatei(60, 50, "JPG");
    lebe(z.speicher.neueBitmap(Elementart::Bitmap, b));
    b.platzierung = {l + 120, o + 140, l + 150, o + 160, 0, 0};
    b.daten = bilddatei(16, 16, "PNG");
    lebe(z.speicher.neueBitmap(Elementart::Fuellung, b));

    z.optionen.texturen.push_back({"Karo", bilddatei(16, 16, "PNG")});
    Tpolygondaten t;
    const double x = l + 160, y = o + 140;
    t.x = {x, x + 30, x + 40, x + 10, x};
    t.y = {y, y, y + 30, y + 30, y};
    t.fuellung.gefuellt = 1;
    t.fuellung.fuellflag = 2;
    t.fuellung.fuellwert = 1;
    lebe(z.speicher.neuesPolygonMitPunkten(Elementart::Polygon, t));

    Tmetafiledaten m;
    m.platzierung = {l + 210, o + 140, l + 250, o + 175, 0, 0};
    const std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 40 35\">"
        "<circle cx=\"20\" cy=\"17\" r=\"15\" fill=\"#e04040\" stroke=\"#000\"/>"
        "<rect x=\"5\" y=\"5\" width=\"12\" height=\"8\" fill=\"#40a040\"/></svg>";
    m.daten.assign(svg.begin(), svg.end());
    lebe(z.speicher.neuesMetafile(m));
    m.platzierung = {l + 260, o + 140, l + 300, o + 175, 0, 0};
    m.daten = {0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0};
    lebe(z.speicher.neuesMetafile(m));
  }

  void figuren() {
    tbogendaten k;
    k.xm = l + 330;
    k.ym = o + 160;
    k.xr = k.yr = 15;
    k.stift = 2;
    k.fuellung.gefuellt = 1;
    k.fuellung.fuellwert = rgb(200, 230, 255);
    lebe(z.speicher.neuerBogen(k));
    k.xm = l + 370;
    k.xr = 20;
    k.yr = 10;
    k.startwinkel = 30;
    k.endwinkel = 300;
    k.drehwinkel = 20;
    k.fuellung = {};
    lebe(z.speicher.neuerBogen(k));
    Tpolygondaten s;
    s.x = {l + 300, l + 320, l + 340, l + 360, l + 400};
    s.y = {o + 190, o + 180, o + 195, o + 182, o + 190};
    s.stift = 3;
    s.farbe = rgb(0, 120, 0);
    lebe(z.speicher.neuesPolygonMitPunkten(Elementart::Spline, s));
    Tbezierdaten b;
    b.punkte = {l + 300, o + 210, l + 320, o + 190, l + 360, o + 230, l + 400, o + 205};
    b.stift = 3;
    b.farbe = rgb(160, 0, 160);
    lebe(z.speicher.neueBezierkurve(b));
  }

  void texte() {
    Tfliestextdaten t;
    t.schrift = "DejaVu Sans";
    t.x = l + 10;
    t.y = o + 190;
    t.hoehe = 5;
    t.zeilen = {"Grundriss Erdgeschoss", "Maßstab 1:100 – Größe ÄÖÜ ß"};
    t.stil[0] = 1;
    lebe(z.speicher.neuerText(Elementart::Text, t));
    t.x = l + 150;
    t.y = o + 230;
    t.winkel = 30;
    t.hoehe = 3.5f;
    t.stil = {0, 1, 1, 0, 0, 0};
    t.zeilen = {"gedreht, kursiv", "unterstrichen"};
    t.farbe = rgb(0, 0, 200);
    lebe(z.speicher.neuerText(Elementart::Text, t));
    t.x = l + 100;
    t.y = o + 260;
    t.winkel = 0;
    t.stil = {0, 0, 0, 1, 0, 0};
    t.zeilen = {"zentriert", "zweite Zeile"};
    t.farbe = rgb(0, 0, 0);
    lebe(z.speicher.neuerText(Elementart::Text, t));
    t.x = l + 10;
    t.y = o + 270;
    t.stil = {};
    t.zeilen = {"KH: Kommentar prüfen"};
    t.farbe = rgb(200, 100, 0);
    lebe(z.speicher.neuerText(Elementart::Kommentar, t));
  }

  void bemassungen() {
    tmessdaten d;
    d.texthoehe = 2.5;
    d.stift = 1;
    d.schrift = "DejaVu Sans";
    d.werte = {static_cast<std::uint32_t>(-100), 150, 200, 250, rgb(220, 0, 220)};
    d.schalter = {2, 0};
    d.farbe = rgb(0, 0, 0);
    d.geometrie = {l + 200, o + 215, l + 260, o + 215, 0, o + 205, 0, 0};
    lebe(z.speicher.neueBemassung(d));  // horizontal arrows
    d.typ = 2;
    d.begrenzung = 1;
    d.geometrie = {l + 200, o + 215, l + 230, o + 250, l + 270, 0, 0, 0};
    lebe(z.speicher.neueBemassung(d));  // vertical, oblique ticks
    d.typ = 0;
    d.begrenzung = 2 + 4;
    d.werte[0] = 300;
    d.geometrie = {l + 200, o + 260, l + 250, o + 285, l + 195, o + 270, 0, 0};
    lebe(z.speicher.neueBemassung(d));  // aligned, filled circles, fixed extension lines
    d.typ = 3;
    d.begrenzung = 4;
    d.optionen[0] = 1;
    d.geometrie = {l + 330, o + 160, l + 340.6, o + 149.4, 0, 0, 0, 0};
    lebe(z.speicher.neueBemassung(d));  // radius of the circle
    d.typ = 1;
    d.masstext = "editiert";
    d.textposition = 2;
    d.geometrie = {l + 280, o + 250, l + 330, o + 265, 0, o + 245, 0, 0};
    lebe(z.speicher.neueBemassung(d));
  }

  void alles() {
    linienstile();
    linienenden();
    schraffuren();
    verlaeufe();
    bilder();
    figuren();
    texte();
    bemassungen();
  }
};

std::size_t nichtWeiss(const QImage& bild) {
  std::size_t n = 0;
  for (int y = 0; y < bild.height(); y += 3)
    for (int x = 0; x < bild.width(); x += 3) n += (bild.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
  return n;
}

TEST(Galerie, AlleArtenWerdenAlsPngPdfUndSvgAusgegeben) {
  Galerie g;
  g.alles();
  QTemporaryDir tmp;
  const char* ziel = std::getenv("QUARZEL_GALERIE");
  const QString ordner = ziel && *ziel ? QString::fromUtf8(ziel) : tmp.path();
  QDir().mkpath(ordner);
  Schraffurbibliothek schraffuren;
  for (const char* name : {"galerie.png", "galerie.pdf", "galerie.svg"}) {
    Ausgabewahl w;
    w.pfad = QDir(ordner).filePath(name).toStdString();
    w.format = *ausgabeformatFuer(w.pfad);
    w.schraffuren = &schraffuren;
    ASSERT_EQ(gibZeichnungAus(g.z, w), "") << name;
    EXPECT_GT(std::filesystem::file_size(w.pfad), 1000u) << name;
  }
  const QImage bild(QDir(ordner).filePath("galerie.png"));
  ASSERT_EQ(bild.width(), static_cast<int>(std::ceil(420 / 25.4 * 150 - 1e-6)));
  EXPECT_GT(nichtWeiss(bild), 10000u);
  // The pictures reach the file: the middle of the first bitmap and of the
  // SVG metafile's red circle (sheet millimetres at 150 dpi).
  const auto pixel = [&bild](double xMm, double yMm) {
    return bild.pixel(static_cast<int>(xMm / 25.4 * 150), static_cast<int>(yMm / 25.4 * 150)) & 0xFFFFFF;
  };
  EXPECT_NE(pixel(35, 157), 0xFFFFFFu) << "bitmap";
  EXPECT_EQ(pixel(230, 162), 0xE04040u) << "SVG metafile";
  if (ziel && *ziel) {
    const Schreibergebnis s = schreibeZeichnung(g.z);
    std::ofstream(QDir(ordner).filePath("galerie.qzz").toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(s.daten.data()), static_cast<std::streamsize>(s.daten.size()));
  }
}

}  // namespace
}  // namespace quarzel
