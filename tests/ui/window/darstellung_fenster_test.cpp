// The display settings in a running window: "Bildschirmdarstellung" and the
// refresh mode take effect on OK without a restart and come back from the
// configuration file at the next start; the hatch list beside the drawing
// follows the property bar; the hatch dialog's "Mit Schraffur" and
// "Eigene Linien".
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "base/inidatei.h"
#include "styles/schraffurbibliothek.h"
#include "ui/dialogs/einstellungshilfen.h"
#include "fensterhilfen.h"
#include "support/speicherhilfen.h"
#include "ui/window/bildaufbau.h"
#include "ui/dialogs/bildschirmdarstellung.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/window/einstellungsbefehle.h"
#include "ui/dialogs/linienstildialog.h"
#include "ui/dialogs/schraffurdialog.h"
#include "ui/tools/schraffurleiste.h"
#include "ui/tools/schraffurliste.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

class Darstellungsfenster : public ::testing::Test {
 protected:
  void starten() {
    fenster = test.fenster(test.mitIni());
  }
  IniDatei konfiguration() const {
    IniDatei ini;
    ini.laden(test.ini());
    return ini;
  }
  Schraffurleiste& schraffurleiste() {
    auto* l = fenster->findChild<Schraffurleiste*>();
    if (l == nullptr) throw std::runtime_error("keine Schraffurleiste");
    return *l;
  }
  QComboBox& schraffurfeld() {
    auto* f = fenster->eigenschaften().findChild<QComboBox*>(QStringLiteral("Schraffur"));
    if (f == nullptr) throw std::runtime_error("kein Schraffurfeld");
    return *f;
  }

  test::Fenstertest test;
  test::Testfenster fenster;
};

// --- "Bildschirmdarstellung" -------------------------------------------------------------

TEST_F(Darstellungsfenster, OkFaerbtDasFadenkreuzSofortUndSpeichertRaenderUndMittelpunkt) {
  starten();
  test::imDialog<TBildschirmdarstellung>([](TBildschirmdarstellung& d) {
    d.fadenkreuz()->button(0)->click();   // "Rot"
    d.raender()->button(0)->click();      // "Objektränder nicht anzeigen"
    d.mittelpunkt()->button(1)->click();  // "Punkt"
    test::okDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Bildschirmdarstellung...")->trigger();

  EXPECT_EQ(fenster->zeichenflaeche().fadenkreuzfarbe(), QColor(255, 0, 0));
  EXPECT_FALSE(fenster->sitzung().darstellung.objektraenderAnzeigen);
  EXPECT_EQ(fenster->sitzung().darstellung.mittelpunkt, Darstellungswahl::Mittelpunkt::Punkt);
  const IniDatei ini = konfiguration();
  EXPECT_EQ(ini.wert("Darstellung", "Objektränder anzeigen"), "0");
  EXPECT_EQ(ini.wert("Darstellung", "Mittelpunktmarkierung"), "1");
}

TEST_F(Darstellungsfenster, DerNaechsteStartUebernimmtAlleWahlenDerDatei) {
  test.schreibeDatei("quarzel.ini",
                     "[Darstellung]\nFadenkreuz=2\nMarkierung=1\nObjektränder anzeigen=0\n"
                     "Mittelpunktmarkierung=3\nSchneller Refresh=0\n");
  starten();
  const Darstellungswahl& w = fenster->sitzung().darstellung;
  EXPECT_EQ(w.markierfarbe, rgb(0, 255, 0));
  EXPECT_FALSE(w.objektraenderAnzeigen);
  EXPECT_EQ(w.mittelpunkt, Darstellungswahl::Mittelpunkt::Kreuz);
  EXPECT_EQ(fenster->zeichenflaeche().fadenkreuzfarbe(), QColor(0, 0, 255));
  EXPECT_FALSE(fenster->zeichenflaeche().schnellerRefresh());

  // The dialog opens on what the file said.
  TBildschirmdarstellung dialog(fenster->sitzung().einstellungen.darstellung, fenster->sitzung().darstellung);
  EXPECT_EQ(dialog.raender()->checkedId(), 0);
  EXPECT_EQ(dialog.mittelpunkt()->checkedId(), 3);
}

TEST_F(Darstellungsfenster, BeschaedigteMittelpunktwahlGibtPlus) {
  test.schreibeDatei("quarzel.ini", "[Darstellung]\nMittelpunktmarkierung=17\nObjektränder anzeigen=ja\n");
  starten();
  EXPECT_EQ(fenster->sitzung().darstellung.mittelpunkt, Darstellungswahl::Mittelpunkt::Plus);
  EXPECT_TRUE(fenster->sitzung().darstellung.objektraenderAnzeigen);
}

// --- Refresh modes -----------------------------------------------------------------------

TEST_F(Darstellungsfenster, RefreshWahlWirktSofortUndStehtInDerDatei) {
  starten();
  EXPECT_TRUE(fenster->zeichenflaeche().schnellerRefresh());
  const int bilder = fenster->zeichenflaeche().bildzaehler();

  test::menueeintrag(*fenster->menuBar(), "Langsamer Refresh")->trigger();
  EXPECT_FALSE(fenster->zeichenflaeche().schnellerRefresh());
  EXPECT_FALSE(fenster->sitzung().einstellungen.darstellung.schnellerRefresh);
  EXPECT_EQ(konfiguration().wert("Darstellung", "Schneller Refresh"), "0");
  EXPECT_GT(fenster->zeichenflaeche().bildzaehler(), bilder);

  test::menueeintrag(*fenster->menuBar(), "Schneller Refresh")->trigger();
  EXPECT_TRUE(fenster->zeichenflaeche().schnellerRefresh());
  EXPECT_EQ(konfiguration().wert("Darstellung", "Schneller Refresh"), "1");
}

TEST_F(Darstellungsfenster, RefreshWahlLaesstAndereAbschnitteDerDateiStehen) {
  test.schreibeDatei("quarzel.ini", "[Zeichenhilfen]\nRasterabstand=25\n[Darstellung]\nMarkierung=2\n");
  starten();
  test::menueeintrag(*fenster->menuBar(), "Langsamer Refresh")->trigger();
  const IniDatei ini = konfiguration();
  EXPECT_EQ(ini.wert("Zeichenhilfen", "Rasterabstand"), "25");
  EXPECT_EQ(ini.wert("Darstellung", "Markierung"), "2");
}

TEST_F(Darstellungsfenster, LangsamerRefreshZeigtKeineZwischenstaende) {
  starten();
  test::Fenstertest::zeigen(*fenster);
  fenster->sitzung().zeichnung.speicher.beginneSchritt();
  for (int i = 0; i < 3000; ++i) {
    test::linie(fenster->sitzung().zeichnung.speicher, 1000 + i % 50, 1000, 1200, 1100 + i, false);
  }
  test::menueeintrag(*fenster->menuBar(), "Langsamer Refresh")->trigger();
  const int vorher = fenster->zeichenflaeche().zwischenstaende();
  fenster->Figurzeichnen();
  EXPECT_EQ(fenster->zeichenflaeche().zwischenstaende(), vorher);
}

TEST_F(Darstellungsfenster, SchnellerRefreshZeigtEinenLangenBildaufbauInSchritten) {
  starten();
  test::Fenstertest::zeigen(*fenster);
  // Lines across the visible area, so none is passed over as out of view.
  const Ansicht& a = fenster->sitzung().zeichnung.ansicht;
  fenster->sitzung().zeichnung.speicher.beginneSchritt();
  for (int i = 0; i < 40000; ++i) {
    const Weltpunkt p = a.pixelToWorld(10 + i % 300, 10), q = a.pixelToWorld(400, 20 + i % 400);
    test::linie(fenster->sitzung().zeichnung.speicher, p.x, p.y, q.x, q.y, false);
  }
  const int vorher = fenster->zeichenflaeche().zwischenstaende();
  QElapsedTimer dauer;
  dauer.start();
  fenster->Figurzeichnen();
  // Only a redraw that lasts noticeably long shows steps; a fast machine may
  // be done before the first one is due.
  if (dauer.elapsed() < 3 * Bildaufbau::kErsteZwischenanzeigeMs) GTEST_SKIP() << "Bildaufbau zu schnell";
  EXPECT_GT(fenster->zeichenflaeche().zwischenstaende(), vorher);
}

TEST(Bildaufbau, ZeigtZwischenstaendeErstNachEinerWeile) {
  Zeichenflaeche flaeche;
  flaeche.resize(100, 80);
  flaeche.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&flaeche));
  Bildaufbau aufbau(flaeche);
  aufbau.insFenster();
  EXPECT_EQ(flaeche.zwischenstaende(), 0);
  QTest::qWait(Bildaufbau::kErsteZwischenanzeigeMs + 20);
  aufbau.insFenster();
  EXPECT_EQ(flaeche.zwischenstaende(), 1);
  // The next step again waits its turn.
  aufbau.insFenster();
  EXPECT_EQ(flaeche.zwischenstaende(), 1);
}

TEST(Bildaufbau, UnsichtbareFlaecheZeigtNichts) {
  Zeichenflaeche flaeche;
  flaeche.zwischenstandZeigen();
  EXPECT_EQ(flaeche.zwischenstaende(), 0);
}

// --- The hatch list ----------------------------------------------------------------------

TEST_F(Darstellungsfenster, SchraffurlisteBietetJedeSchraffurMitVorschau) {
  starten();
  const Schraffurliste* liste = schraffurleiste().liste();
  const auto namen = Schraffurbibliothek().namen();
  ASSERT_EQ(liste->count(), static_cast<int>(namen.size()));
  EXPECT_EQ(liste->item(0)->text().toStdString(), namen.front());
  const QImage bild = liste->item(0)->icon().pixmap(liste->iconSize()).toImage();
  bool linie = false;
  for (int y = 0; y < bild.height() && !linie; ++y)
    for (int x = 0; x < bild.width() && !linie; ++x) linie = qGray(bild.pixel(x, y)) < 128;
  EXPECT_TRUE(linie) << "die Vorschau zeigt keine Schraffurlinie";
  EXPECT_EQ(schraffurfeld().count(), liste->count() + 1);  // "keine" first
}

TEST_F(Darstellungsfenster, WahlInDerListeSetztDieSchraffurDerFlaechenwerkzeuge) {
  starten();
  Schraffurliste* liste = schraffurleiste().liste();
  ASSERT_GE(liste->count(), 2);
  liste->setCurrentRow(1);
  const std::string name = liste->item(1)->text().toStdString();
  EXPECT_EQ(schraffurfeld().currentText().toStdString(), name);
  EXPECT_EQ(fenster->eigenschaften().flaeche().schraffurName, name);
}

TEST_F(Darstellungsfenster, ListeFolgtDemFeldDerEigenschaftsleiste) {
  starten();
  Schraffurliste* liste = schraffurleiste().liste();
  schraffurfeld().setCurrentIndex(3);
  EXPECT_EQ(liste->gewaehlt(), schraffurfeld().currentText().toStdString());
  schraffurfeld().setCurrentIndex(0);  // "keine"
  EXPECT_TRUE(liste->gewaehlt().empty());
  EXPECT_TRUE(fenster->eigenschaften().flaeche().schraffurName.empty());
}

// --- The hatch dialog --------------------------------------------------------------------

TEST_F(Darstellungsfenster, MitSchraffurAusBlendetSchraffurenAus) {
  starten();
  ASSERT_TRUE(fenster->sitzung().schalter.schraffuren);
  test::imDialog<TSchraffuren>([](TSchraffuren& d) {
    EXPECT_TRUE(d.mitSchraffurFeld()->isChecked());
    d.mitSchraffurFeld()->setChecked(false);
    test::okDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Schraffuren...")->trigger();
  EXPECT_FALSE(fenster->sitzung().schalter.schraffuren);

  // Opened again it shows the switch as it is; "Abbrechen" keeps it.
  test::imDialog<TSchraffuren>([](TSchraffuren& d) {
    EXPECT_FALSE(d.mitSchraffur());
    d.setzeMitSchraffur(true);
    test::abbrechenDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Schraffuren...")->trigger();
  EXPECT_FALSE(fenster->sitzung().schalter.schraffuren);
}

TEST_F(Darstellungsfenster, DialogOeffnetAufDerSchraffurDerListe) {
  starten();
  Schraffurliste* liste = schraffurleiste().liste();
  ASSERT_GE(liste->count(), 3);
  liste->setCurrentRow(2);
  const QString name = liste->item(2)->text();
  test::imDialog<TSchraffuren>([name](TSchraffuren& d) {
    EXPECT_EQ(d.namen()->currentText(), name);
    test::abbrechenDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Schraffuren...")->trigger();
}

TEST_F(Darstellungsfenster, EigeneLinienOeffnetDieLinienstile) {
  starten();
  bool linienstileOffen = false;
  test::imDialog<TSchraffuren>([&linienstileOffen](TSchraffuren& d) {
    ASSERT_TRUE(d.eigeneLinienKnopf()->isEnabled());
    test::imDialog<TLinienstile>([&linienstileOffen](TLinienstile& l) {
      linienstileOffen = true;
      test::abbrechenDruecken(l);
    });
    d.eigeneLinienKnopf()->click();
    test::abbrechenDruecken(d);
  });
  test::menueeintrag(*fenster->menuBar(), "Schraffuren...")->trigger();
  EXPECT_TRUE(linienstileOffen);
}

TEST(Schraffurdialogknoepfe, EigeneLinienOhneZielIstGesperrt) {
  Schraffurbibliothek bibliothek;
  SkriptBenutzer benutzer;
  TSchraffuren dialog(bibliothek, benutzer, std::string(ErsatzSchraffur));
  EXPECT_FALSE(dialog.eigeneLinienKnopf()->isEnabled());
  EXPECT_EQ(dialog.eigeneLinienKnopf()->text(), QStringLiteral("Eigene Linien"));
  EXPECT_EQ(dialog.mitSchraffurFeld()->text(), QStringLiteral("Mit Schraffur"));
}

}  // namespace
}  // namespace quarzel
