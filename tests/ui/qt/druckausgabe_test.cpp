// Printing through QPrinter's PDF output, measured on the file: paper size,
// true scale, the minimum width of PDF printers, one page for a sheet of the
// paper's size, tiles, and the orientation messages.
#include "ui/qt/druckausgabe.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>
#include <memory>
#include <tuple>

#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "support/pdfmessung.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

class Druck : public ::testing::Test {
 protected:
  // An A3 portrait sheet; linie() draws 100 mm across it.
  void SetUp() override {
    test::initialisiere(z->speicher);
    z->speicher.beginneSchritt();
    blatt(297, 420);
  }
  void blatt(int breite, int hoehe) {
    z->ansicht.sheetWidth = breite, z->ansicht.sheetHeight = hoehe;
    z->ansicht.sheetLeft = z->ansicht.sheetTop = 1000;
  }
  void linie() {
    z->speicher.vervollstaendige(z->speicher.neueLinie({.x1 = 1050, .y1 = 1100, .x2 = 1150, .y2 = 1100}));
  }
  test::Pdfinhalt drucke(QSizeF papierMm, int dpi, const std::string& name = "Drucker") {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(pfad);
    drucker.setResolution(dpi);
    drucker.setPageSize(QPageSize(papierMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    drucker.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    optionen.druckername = name;
    ergebnis = druckeZeichnung(*z, drucker, optionen, benutzer);
    orientierung = drucker.pageLayout().orientation();
    return test::lesePdf(pfad.toStdString());
  }

  std::unique_ptr<Zeichnung> z = std::make_unique<Zeichnung>();
  QTemporaryDir ordner;
  QString pfad = ordner.filePath(QStringLiteral("druck.pdf"));
  Druckoptionen optionen;
  SkriptBenutzer benutzer;
  Druckergebnis ergebnis;
  QPageLayout::Orientation orientierung = QPageLayout::Portrait;
};

// A 100 mm line is 283.46 pt long on the paper, whatever the resolution;
// pens keep their width, and PDF printers above 300 dpi widen hairlines to
// three dots (a one-dot pen may come out as the device's hairline, width 0).
TEST_F(Druck, MassstabUndStiftbreitenImPdf) {
  // pen, printer name, dpi, the least and most dots the line is wide
  const std::tuple<std::uint8_t, const char*, int, double, double> faelle[] = {{2, "Drucker", 600, 5.5, 6.5},
                                                                               {2, "Drucker", 1200, 11.5, 12.5},
                                                                               {0, "cups-pdf", 600, 3, 3},
                                                                               {0, "Drucker", 600, 0, 1},
                                                                               {0, "PDF", 300, 0, 1}};
  linie();
  for (const auto& [stift, name, dpi, minPunkte, maxPunkte] : faelle) {
    z->speicher.linie(1).stift = stift;
    const test::Pdfinhalt pdf = drucke({297, 420}, dpi, name);
    ASSERT_EQ(pdf.seiten.size(), 1u);
    EXPECT_NEAR(pdf.seiten[0].first, 841.89, 1);  // A3 in points
    EXPECT_NEAR(pdf.seiten[0].second, 1190.55, 1);
    ASSERT_EQ(pdf.strecken.size(), 1u);
    EXPECT_NEAR(pdf.strecken[0].laenge, 283.46, 0.3) << dpi;
    EXPECT_GE(pdf.strecken[0].breite, minPunkte * 72 / dpi - 1e-3) << name << " " << dpi;
    EXPECT_LE(pdf.strecken[0].breite, maxPunkte * 72 / dpi + 1e-3) << name << " " << dpi;
  }
}

TEST_F(Druck, SeitenzahlNachPapiergroesse) {
  drucke({297, 420}, 300);
  EXPECT_FALSE(ergebnis.gedruckt) << "empty drawing";
  linie();
  // Paper widths in mm (1/25 inch is 1.016 mm) and the pages an A3 sheet takes.
  const std::pair<double, std::size_t> faelle[] = {{297, 1}, {296, 1}, {295.8, 2}, {150, 3}};
  optionen.drucken.automatischeAusrichtung = false;
  for (auto [breite, seiten] : faelle) EXPECT_EQ(drucke({breite, 421}, 600).seiten.size(), seiten) << breite;
  // Above four pages only after a yes.
  benutzer.antworten = {Antwort::Nein};
  drucke({100, 100}, 600);
  EXPECT_FALSE(ergebnis.gedruckt);
  EXPECT_EQ(benutzer.fragen.back(), frageSeitenzahl(4 * 5));
}

TEST_F(Druck, AusrichtungWirdGewechseltUndWiederHergestellt) {
  linie();
  for (const bool quer : {false, true}) {
    blatt(quer ? 420 : 297, quer ? 297 : 420);
    benutzer.meldungen.clear();
    const test::Pdfinhalt pdf = drucke({297, 420}, 300);
    EXPECT_EQ(pdf.seiten[0].first > pdf.seiten[0].second, quer);
    ASSERT_EQ(benutzer.meldungen.size(), quer ? 2u : 0u);
    EXPECT_TRUE(!quer || (benutzer.meldungen[0].text == MeldungAusrichtungGeaendert &&
                          benutzer.meldungen[1].text == MeldungAusrichtungWieder));
    EXPECT_EQ(orientierung, QPageLayout::Portrait);
  }
}

}  // namespace
}  // namespace quarzel
