// What a print decides before a page is drawn: method and its question, the
// minimum-width mode, the transparency test, the area, one page or tiles.
#include <gtest/gtest.h>

#include "render/bildkodierer.h"
#include "render/druckplanung.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

struct Verfahrensfall {
  Druckmethode methode;
  bool transparent;
  Antwort antwort;
  bool gefragt;
  bool rastern;
};

TEST(Druckplanung, MethodeFragtNurBeiTransparenzImTreiber) {
  const Verfahrensfall faelle[] = {
      {Druckmethode::Automatisch, false, Antwort::Ja, false, false},
      {Druckmethode::Automatisch, true, Antwort::Nein, false, true},
      {Druckmethode::RasternImTreiber, false, Antwort::Ja, false, false},
      {Druckmethode::RasternImTreiber, true, Antwort::Nein, true, false},
      {Druckmethode::RasternImTreiber, true, Antwort::Ja, true, true},
      {Druckmethode::RasternInQuarzel, false, Antwort::Nein, false, true},
  };
  for (const Verfahrensfall& f : faelle) {
    SkriptBenutzer b;
    b.antworten.push_back(f.antwort);
    const Druckverfahren v = waehleDruckverfahren(false, 600, f.methode, f.transparent, b);
    EXPECT_EQ(v.rasterInProgram, f.rastern) << int(f.methode) << f.transparent;
    EXPECT_EQ(b.fragen, f.gefragt ? std::vector<std::string>{std::string(FrageTransparenz)} : std::vector<std::string>{});
  }
}

TEST(Druckplanung, MindestbreiteNurFuerPdfDruckerUeber300Dpi) {
  struct Fall {
    const char* name;
    int dpi;
    bool pdf;
    bool mindestbreite;
  } const faelle[] = {{"Microsoft Print to PDF", 600, true, true}, {"cups-pdf", 1200, true, true},
                      {"Adobe Distiller", 600, true, true},         {"PDF", 300, true, false},
                      {"Laserdrucker", 600, false, false},          {"Tintenstrahl", 300, false, false}};
  for (const Fall& f : faelle) {
    SkriptBenutzer b;
    const Druckverfahren v = waehleDruckverfahren(istPdfDrucker(f.name), f.dpi, Druckmethode::Automatisch, false, b);
    EXPECT_EQ(v.pdfMode, f.pdf) << f.name;
    EXPECT_EQ(v.minimumWidthMode, f.mindestbreite) << f.name;
    EXPECT_DOUBLE_EQ(v.printerZoom, 25.4 / f.dpi);
  }
}

// A drawing with one picture of an opaque and a second pixel of this alpha.
std::unique_ptr<Zeichnung> mitBild(int alpha) {
  auto z = std::make_unique<Zeichnung>();
  test::initialisiere(z->speicher);
  z->speicher.beginneSchritt();
  if (alpha < 0) return z;
  const Rasterbild bild{2, 1, {0, 0, 0, 255, 0, 0, 0, static_cast<std::uint8_t>(alpha)}};
  const std::int32_t n = z->speicher.neueBitmap(Elementart::Bitmap, {.platzierung = {0, 0, 9, 9}, .daten = kodierePng(bild)});
  z->speicher.vervollstaendige(n);
  return z;
}

TEST(Druckplanung, KlarePixelZaehlenNurAusserhalbVonPdf) {
  struct Fall {
    int alpha;  // -1: no picture
    bool imTreiber;
    bool imPdf;
  } const faelle[] = {{-1, false, false}, {255, false, false}, {0, true, false}, {128, true, true}};
  Anzeigeschalter schalter;
  for (const Fall& f : faelle) {
    const auto z = mitBild(f.alpha);
    EXPECT_EQ(hatTransparenteElemente(*z, schalter, false), f.imTreiber) << f.alpha;
    EXPECT_EQ(hatTransparenteElemente(*z, schalter, true), f.imPdf) << f.alpha;
  }
  schalter.bitmaps = false;
  EXPECT_FALSE(hatTransparenteElemente(*mitBild(128), schalter, true));
}

TEST(Druckplanung, GanzeZeichnungMitEinemMillimeterRand) {
  Ansicht a;
  const Druckbereich blatt{double(a.sheetLeft), double(a.sheetTop), double(a.sheetWidth), double(a.sheetHeight)};
  EXPECT_EQ(druckbereich(a, false, Weltrechteck{0, 0, 5, 5}), blatt);
  EXPECT_EQ(druckbereich(a, true, std::nullopt), blatt);
  EXPECT_EQ(druckbereich(a, true, Weltrechteck{50.6, 40.1, 10.3, 20.2}), (Druckbereich{9.3, 19.2, 42, 22}));
}

// A3 at 600 dpi is 7016 × 9921 dots; 1/25 inch is 24 dots.
TEST(Druckplanung, EineSeiteBisEinFuenfundzwanzigstelZollKleiner) {
  struct Fall {
    double papierBreite;
    bool eineSeite;
  } const faelle[] = {{7016, true}, {6992, true}, {6991, false}};
  for (const Fall& f : faelle) {
    const Druckerseite seite{600, f.papierBreite, 9921, {50, 60, 6800, 9700}};
    const Seitenplan p = planeSeiten({100, 200, 297, 420}, seite, false);
    EXPECT_EQ(p.eineSeite, f.eineSeite) << f.papierBreite;
    if (!f.eineSeite) continue;
    ASSERT_EQ(p.blaetter.size(), 1u);
    // The area's corner lands on the paper's corner, in front of the printable part.
    EXPECT_DOUBLE_EQ(p.blaetter[0].originX, 100 + 50 * 25.4 / 600);
    EXPECT_DOUBLE_EQ(planeSeiten({100, 200, 297, 420}, seite, true).blaetter[0].originY, 200);
  }
}

TEST(Druckplanung, KachelnUeberlappenZeilenweise) {
  // Printable part 100 × 50 mm at 254 dpi (ten dots per millimetre).
  const Druckerseite seite{254, 1100, 600, {50, 50, 1000, 500}};
  struct Fall {
    double breite, hoehe;
    int spalten, zeilen;
  } const faelle[] = {{150, 60, 2, 2}, {190, 50.5, 2, 2}, {191, 40, 3, 1}, {300, 200, 4, 5}};
  for (const Fall& f : faelle) {
    const Seitenplan p = planeSeiten({0, 0, f.breite, f.hoehe}, seite, false);
    EXPECT_EQ(p.spalten, f.spalten) << f.breite;
    EXPECT_EQ(p.zeilen, f.zeilen) << f.hoehe;
    ASSERT_EQ(p.blaetter.size(), std::size_t(f.spalten * f.zeilen));
    const Druckblatt& zweites = p.blaetter[1];
    if (f.spalten > 1) {
      EXPECT_EQ(zweites.zeile, 0);
      EXPECT_NEAR(zweites.originX, 100 - kUeberlappungMm, 1e-9);
    }
    const Druckblatt& letztes = p.blaetter.back();
    EXPECT_NEAR(letztes.originY, (f.zeilen - 1) * (50 - kUeberlappungMm), 1e-9);
    // The last tile still reaches the area's far corner.
    EXPECT_GE(letztes.originX + 100, f.breite);
    EXPECT_GE(letztes.originY + 50, f.hoehe);
    EXPECT_FALSE(letztes.marken.empty());
  }
}

}  // namespace
}  // namespace quarzel
