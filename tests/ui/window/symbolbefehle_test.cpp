// The menu "Symbole" in a real window, offscreen: the marked elements saved
// as a symbol with its preview and information, placed again with the
// mouse and "R", a file of another format refused, and the information of a
// symbol file edited.
#include "ui/window/symbolbefehle.h"

#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "store/symboldatei.h"
#include "store/symbolinformationen.h"
#include "support/ui/einstellungshilfen.h"
#include "support/ui/fensterhilfen.h"
#include "ui/dialogs/symbolinfodialog.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

class Symbolbefehle_ : public test::Fensterfixture {
 protected:
  Zeichnung& z() { return f->sitzung().zeichnung; }

  // A table top with a circle, marked, at the view's centre.
  void zeichneTisch() {
    Elementspeicher& s = speicher();
    const Weltpunkt m = z().ansicht.pixelToWorld(200, 200);
    s.beginneSchritt();
    for (auto [a, b] : {std::pair{0, 1}, {1, 2}, {2, 3}, {3, 0}}) {
      const double ex[] = {0, 40, 40, 0}, ey[] = {0, 0, 20, 20};
      s.vervollstaendige(s.neueLinie(m.x + ex[a], m.y + ey[a], m.x + ex[b], m.y + ey[b], 0));
    }
    s.vervollstaendige(s.neuerBogen({.xm = m.x + 20, .ym = m.y + 10, .xr = 5, .yr = 5}));
    s.markiereAlleLebendigen();
  }

  std::vector<std::int32_t> gruppen() {
    std::vector<std::int32_t> g;
    for (std::int32_t n = 1; n <= speicher().anzahl(); ++n)
      if (speicher().lebendig(n) && speicher().art(n) == Elementart::Gruppenanfang) g.push_back(n);
    return g;
  }
};

TEST_F(Symbolbefehle_, GespeichertMitVorschauUndInformationenUndWiederPlatziert) {
  zeichneTisch();
  const std::string datei = pfad("Tisch.QZS");
  benutzer.dateinamen.push_back(datei);
  bool gefragt = false;
  f->symbolbefehle().vorDialog = [&](QDialog& d) {
    gefragt = true;
    auto* dialog = dynamic_cast<TSymbolinformationen*>(&d);
    ASSERT_NE(dialog, nullptr);
    dialog->feld(0)->setText(QStringLiteral("Tisch 80 × 40"));
    dialog->feld(2)->setText(QStringLiteral("Eiche"));
    d.accept();
  };
  test::menueeintrag(*f->menuBar(), "Als &Symbol speichern...")->trigger();
  ASSERT_TRUE(gefragt);
  const Symbolkopfergebnis kopf = ladeSymbolkopf(datei);
  ASSERT_TRUE(kopf.kopf) << kopf.fehler << benutzer.letzteMeldung();
  EXPECT_EQ(kopf.kopf->signatur, "Quarzel900Sym");
  QImage vorschau;
  ASSERT_TRUE(vorschau.loadFromData(kopf.kopf->vorschau.data(), int(kopf.kopf->vorschau.size()), "PNG"));
  EXPECT_EQ(vorschau.size(), QSize(64, 64));
  // The box of the elements frames the picture: what is drawn reaches from
  // edge to edge across, and it is drawn in the elements' own colour
  // (black), not in that of marked ones.
  int links = 64, rechts = -1, dunkelster = 255;
  QRgb farbe = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const int grau = qGray(vorschau.pixel(x, y));
      if (grau >= 250) continue;
      links = std::min(links, x);
      rechts = std::max(rechts, x);
      if (grau < dunkelster) dunkelster = grau, farbe = vorschau.pixel(x, y);
    }
  }
  EXPECT_LE(links, 2);
  EXPECT_GE(rechts, 61);
  EXPECT_LT(dunkelster, 100);
  EXPECT_LT(std::abs(qRed(farbe) - qGreen(farbe)), 30);
  EXPECT_GT(qGray(vorschau.pixel(32, 32)), 230);  // inside the circle
  EXPECT_EQ(leseSymbolinformationen(datei).bezeichnung, "Tisch 80 × 40");
  EXPECT_EQ(leseSymbolinformationen(datei).material, "Eiche");

  // Placed again: it hangs at the cursor, "R" turns it, a click places it.
  const std::int32_t vorher = speicher().anzahl();
  ASSERT_TRUE(f->symbolbefehle().beginneSymbolEinfuegen(datei));
  EXPECT_EQ(werkzeug(), Werkzeugcode::SymbolEinfuegen);
  bewege({300, 250});
  QTest::keyClick(&flaeche(), Qt::Key_R);
  EXPECT_EQ(f->eigenschaften().symbolwinkel(), 90);
  klick({300, 250});
  ASSERT_EQ(gruppen().size(), 1u);
  EXPECT_EQ(speicher().gruppe(gruppen()[0]).name, "Tisch.QZS");
  EXPECT_EQ(speicher().anzahl(), vorher + 7);
  // The first line (the top edge) now runs up from the point.
  const Tliniendaten& l = speicher().linie(gruppen()[0] + 1);
  EXPECT_NEAR(l.x1, l.x2, 1e-9);
  QTest::keyClick(&flaeche(), Qt::Key_Escape);
  EXPECT_EQ(werkzeug(), Werkzeugcode::Markieren);
}

TEST_F(Symbolbefehle_, EineFremdeDateiWirdNichtEingefuegt) {
  const std::string datei = schreibeDatei("plan.QZS", std::string("\x06ZEI.01\0\0\x0b\0", 11) + "Z{|}");
  benutzer.dateinamen.push_back(datei);
  const std::int32_t vorher = speicher().anzahl();
  test::menueeintrag(*f->menuBar(), "Symbol &einfügen...")->trigger();
  EXPECT_EQ(benutzer.letzteMeldung(), MeldungFalschesDateiformat);
  EXPECT_NE(werkzeug(), Werkzeugcode::SymbolEinfuegen);
  EXPECT_EQ(speicher().anzahl(), vorher);
  EXPECT_FALSE(speicher().undoMoeglich());
}

TEST_F(Symbolbefehle_, OhneMarkierungWirdNichtsGespeichert) {
  benutzer.dateinamen.push_back(pfad("Leer.QZS"));
  EXPECT_FALSE(f->symbolbefehle().alsDetailSpeichern());
  EXPECT_EQ(benutzer.letzteMeldung(), "Es sind keine Elemente markiert.");
  EXPECT_EQ(benutzer.dateinamen.size(), 1u);  // no file dialog was shown
}

TEST_F(Symbolbefehle_, SymbolinformationenEinerDateiBearbeiten) {
  zeichneTisch();
  const std::string datei = pfad("Stuhl.DET");
  benutzer.dateinamen.push_back(datei);
  f->symbolbefehle().vorDialog = [](QDialog& d) { d.accept(); };
  ASSERT_TRUE(f->symbolbefehle().alsDetailSpeichern());

  benutzer.dateinamen.push_back(datei);
  f->symbolbefehle().vorDialog = [](QDialog& d) {
    auto& dialog = dynamic_cast<TSymbolinformationen&>(d);
    // The preview of the file is shown.
    EXPECT_NE(d.findChild<QLabel*>(QStringLiteral("Vorschau")), nullptr);
    dialog.feld(4)->setText(QStringLiteral("  89,00 €  "));
    d.accept();
  };
  test::menueeintrag(*f->menuBar(), "Symbol&informationen...")->trigger();
  EXPECT_EQ(leseSymbolinformationen(datei).preis, "89,00 €");
}

// The reading dialogs start where symbols are: the user's own once there
// are any, else the shipped library.
TEST(Symbolquelle, EigeneSymboleSonstDieMitgelieferteBibliothek) {
  QTemporaryDir ordner;
  const std::filesystem::path wurzel = ordner.path().toStdString();
  const std::string leer = (wurzel / "leer" / "").string();
  const std::string eigene = (wurzel / "eigene" / "").string();
  const std::filesystem::path bibliothek = wurzel / "Symbole";
  std::filesystem::create_directories(leer);
  std::filesystem::create_directories(eigene);
  std::filesystem::create_directories(bibliothek);
  std::ofstream(eigene + "Tisch.QZS") << "x";
  const std::string bibliotheksordner = (bibliothek / "").string();
  struct Fall {
    std::string benutzer;
    std::filesystem::path bibliothek;
    std::string erwartet;
  };
  for (const Fall& fall : {Fall{leer, bibliothek, bibliotheksordner}, Fall{eigene, bibliothek, eigene},
                           Fall{leer, wurzel / "fehlt", leer}, Fall{"", bibliothek, bibliotheksordner}}) {
    SCOPED_TRACE(fall.benutzer + " / " + fall.bibliothek.string());
    EXPECT_EQ(symbolquelle(fall.benutzer, fall.bibliothek), fall.erwartet);
  }
}

}  // namespace
}  // namespace quarzel
