// Printing through QPrinter's PDF output, measured on the file: paper size,
// true scale, the minimum width of PDF printers, one page for a sheet of the
// paper's size, tiles, and the orientation messages.
#include "ui/qt/druckausgabe.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "support/pdfmessung.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

constexpr double kPunkteProMm = 72 / 25.4;

class Druck : public ::testing::Test {
 protected:
  // An A3 portrait sheet with a 100 mm line of pen `stift` across it.
  void SetUp() override {
    test::initialisiere(z->speicher);
    z->speicher.beginneSchritt();
    blatt(297, 420);
  }
  void blatt(int breite, int hoehe) {
    Ansicht& a = z->ansicht;
    a.sheetWidth = breite;
    a.sheetHeight = hoehe;
    a.sheetLeft = 1000;
    a.sheetTop = 1000;
  }
  void linie(std::uint8_t stift) {
    const std::int32_t n = z->speicher.neueLinie({.x1 = 1050, .y1 = 1100, .x2 = 1150, .y2 = 1100});
    z->speicher.linie(n).stift = stift;
    z->speicher.vervollstaendige(n);
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

TEST_F(Druck, HundertMillimeterSindHundertMillimeterAufDemPapier) {
  linie(2);
  for (int dpi : {300, 600, 1200}) {
    const test::Pdfinhalt pdf = drucke({297, 420}, dpi);
    ASSERT_EQ(pdf.seiten.size(), 1u) << dpi;
    EXPECT_NEAR(pdf.seiten[0].first, 297 * kPunkteProMm, 1);
    EXPECT_NEAR(pdf.seiten[0].second, 420 * kPunkteProMm, 1);
    ASSERT_EQ(pdf.strecken.size(), 1u);
    EXPECT_NEAR(pdf.strecken[0].laenge, 283.46, 0.3) << dpi;
    EXPECT_NEAR(pdf.strecken[0].breite, 0.25 * kPunkteProMm, 72.0 / dpi) << dpi;
  }
}

TEST_F(Druck, PdfDruckerZiehenHaarlinienAufDreiPunkte) {
  linie(0);
  struct Fall {
    const char* name;
    int dpi;
    double punkte;  // printer dots
  } const faelle[] = {{"Quarzel PDF", 600, 3}, {"Drucker", 600, 1}, {"Drucker", 300, 1}, {"PDF", 300, 1}};
  for (const Fall& f : faelle) {
    const test::Pdfinhalt pdf = drucke({297, 420}, f.dpi, f.name);
    ASSERT_EQ(pdf.strecken.size(), 1u) << f.name;
    // A one-dot pen may come out as the device's hairline (width 0).
    EXPECT_LE(pdf.strecken[0].breite, f.punkte * 72 / f.dpi + 1e-3) << f.name << " " << f.dpi;
    EXPECT_GT(pdf.strecken[0].breite, (f.punkte - 1) * 72 / f.dpi - 1e-3) << f.name << " " << f.dpi;
  }
}

TEST_F(Druck, SeitenzahlNachPapiergroesse) {
  linie(2);
  struct Fall {
    double papierBreite;  // mm, the height 1 mm more than A3's
    std::size_t seiten;
  } const faelle[] = {{297, 1}, {296, 1}, {295.8, 2}, {150, 3}};
  for (const Fall& f : faelle) {
    optionen.drucken.automatischeAusrichtung = false;
    const test::Pdfinhalt pdf = drucke({f.papierBreite, 421}, 600);
    EXPECT_EQ(pdf.seiten.size(), f.seiten) << f.papierBreite;
  }
  // Above four pages only after a yes.
  benutzer.antworten = {Antwort::Nein};
  drucke({100, 100}, 600);
  EXPECT_FALSE(ergebnis.gedruckt);
  EXPECT_EQ(benutzer.fragen.back(), frageSeitenzahl(ergebnis.plan.spalten * ergebnis.plan.zeilen));
  EXPECT_EQ(ergebnis.plan.spalten * ergebnis.plan.zeilen, 4 * 5);
}

TEST_F(Druck, AusrichtungWirdGewechseltUndWiederHergestellt) {
  linie(2);
  struct Fall {
    int blattBreite, blattHoehe;
    bool gewechselt;
  } const faelle[] = {{297, 420, false}, {420, 297, true}};
  for (const Fall& f : faelle) {
    blatt(f.blattBreite, f.blattHoehe);
    benutzer.meldungen.clear();
    const test::Pdfinhalt pdf = drucke({297, 420}, 300);
    ASSERT_EQ(pdf.seiten.size(), 1u);
    EXPECT_EQ(pdf.seiten[0].first > pdf.seiten[0].second, f.gewechselt);
    std::vector<std::string> meldungen;
    for (const auto& m : benutzer.meldungen) meldungen.push_back(m.text);
    const std::vector<std::string> erwartet{std::string(MeldungAusrichtungGeaendert),
                                            std::string(MeldungAusrichtungWieder)};
    EXPECT_EQ(meldungen, f.gewechselt ? erwartet : std::vector<std::string>{});
    EXPECT_EQ(orientierung, QPageLayout::Portrait);
  }
}

TEST_F(Druck, LeereZeichnungWirdNichtGedruckt) {
  drucke({297, 420}, 300);
  EXPECT_FALSE(ergebnis.gedruckt);
  EXPECT_FALSE(QFile::exists(pfad));
}

}  // namespace
}  // namespace quarzel
