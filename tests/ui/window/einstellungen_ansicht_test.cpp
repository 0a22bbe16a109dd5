// Settings and view commands as a user reaches them in the window: the saving
// and undo settings and the two colour fields survive a restart, the view entries of "&Ansicht", the
// structure check at tool start, the missing-hatch dialog after loading and
// the angle and notation of "Zeichnungsoptionen"; a long redraw that Escape
// stops.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "edit/werkzeugsteuerung.h"
#include "support/ui/fensterhilfen.h"
#include "render/elementzeichnen.h"
#include "store/zeichnungsdatei.h"
#include "support/speicherhilfen.h"
#include "support/werkzeugnummer.h"
#include "support/ui/einstellungshilfen.h"
#include "ui/dialogs/fehlendeschraffuren.h"
#include "ui/dialogs/speicherdialoge.h"
#include "ui/dialogs/zeichnungsoptionen.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/window/dateibefehle.h"
#include "ui/window/statusleiste.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

class EinstellungenAnsicht : public test::Fensterfixture {
 protected:
  // A menu entry or a tool-bar button (the colour fields have no menu entry).
  QAction* aktion(const char* text) {
    for (QAction* a : f->findChildren<QAction*>())
      if (a->text() == QString::fromUtf8(text)) return a;
    return test::menueeintrag(*f->menuBar(), text);
  }
  // Triggers the entry; `bedienen` fills the dialog it opens, which is then accepted.
  template <class Dialog>
  void mitDialog(const char* text, std::function<void(Dialog&)> bedienen) {
    bool gesehen = false;
    test::wennOffen<Dialog>([&gesehen, bedienen](Dialog& d) {
      gesehen = true;
      bedienen(d);
      d.accept();
    });
    aktion(text)->trigger();
    EXPECT_TRUE(gesehen) << text;
  }
};

TEST_F(EinstellungenAnsicht, SpeichernUndUndoschritteSindNachEinemNeustartZurueck) {
  const std::string ordner = pfad("autosave");
  mitDialog<TSpeichereinstellungen>("Speichern...", [&](TSpeichereinstellungen& d) {
    d.automatisch()->setChecked(true);
    d.minuten()->setValue(3);
    d.sicherheitskopie()->setChecked(false);
    d.eigenerOrdner()->setChecked(true);
    d.ordner()->setText(QString::fromStdString(ordner));
  });
  mitDialog<TUndospeichereinstellung>("Undospeichereinstellung...",
                                      [](TUndospeichereinstellung& d) { d.knopf(3)->setChecked(true); });
  EXPECT_EQ(speicher().undoTiefe, 10) << "the open drawing follows at once";
  // The colour fields 901 and 902, each through its button's colour dialog.
  for (const auto& [feld, farbe] :
       {std::pair("Primärfarbe", QColor(10, 20, 30)), std::pair("Sekundärfarbe", QColor(40, 50, 60))})
    mitDialog<QColorDialog>(feld, [farbe](QColorDialog& d) { d.setCurrentColor(farbe); });
  f->close();
  f.reset();

  test::Testfenster zweites = fenster(mitIni());
  const einstellung::Speichern& s = zweites->sitzung().einstellungen.speichern;
  EXPECT_TRUE(s.automatischSpeichern);
  EXPECT_EQ(s.alle, 180000);
  EXPECT_FALSE(s.sicherheitskopieAnlegen);
  EXPECT_TRUE(s.autosaveverzeichnis);
  EXPECT_EQ(s.autosavepfad, ordner);
  EXPECT_EQ(zweites->sitzung().zeichnung.speicher.undoTiefe, 10);
  EXPECT_EQ(std::pair(zweites->eigenschaften().farbe(), zweites->eigenschaften().farbe2()),
            std::pair(QColor(10, 20, 30), QColor(40, 50, 60)));
  // The button shows its colour.
  for (const QAction* a : zweites->findChildren<QAction*>())
    EXPECT_TRUE(a->text() != QStringLiteral("Primärfarbe") ||
                a->icon().pixmap(24).toImage().pixelColor(12, 12) == QColor(10, 20, 30));
}

TEST_F(EinstellungenAnsicht, GesamteZeichnungZeigtNurGezeigteElemente) {
  Ansicht& a = f->sitzung().zeichnung.ansicht;
  speicher().beginneSchritt();
  test::polygon(speicher(), {{5000, 5000}, {5100, 5000}, {5100, 5100}});
  test::linie(speicher(), 9000, 9000, 9500, 9500);
  aktion("Gesamte Zeichnung")->trigger();
  const double beide = a.zoom;
  // With the lines switched off the far line is not shown and must not widen the view.
  f->sitzung().schalter.linien = false;
  aktion("Gesamte Zeichnung")->trigger();
  EXPECT_LT(a.zoom, beide / 5);
  const Weltpunkt mitte = a.bereichsmitte();
  EXPECT_NEAR(mitte.x, 5050, 5);
  EXPECT_NEAR(mitte.y, 5050, 5);
}

TEST_F(EinstellungenAnsicht, NormalansichtSchaltetDieBlattdarstellungAb) {
  Ansicht& a = f->sitzung().zeichnung.ansicht;
  aktion("Blatt darstellen")->setChecked(true);
  ASSERT_TRUE(a.layoutView);
  aktion("Normalansicht")->trigger();
  EXPECT_FALSE(a.layoutView);
  EXPECT_FALSE(aktion("Blatt darstellen")->isChecked());
}

TEST_F(EinstellungenAnsicht, StrukturfehlerSichertNotfallsUndSchliesst) {
  const std::string datei = pfad("plan.qzz");
  f->sitzung().zeichnung.dateiname = datei;
  speicher().aktuell.planteil = 77;  // a layer the drawing does not have
  test::linie(speicher(), 5000, 5000, 5100, 5000);
  speicher().setzeModifiziert(true);
  // What a tool start calls (it runs the check at most every 15 s, the first
  // time at the window's start with the select tool).
  f->werkzeuge().steuerung().strukturPruefen();
  QApplication::processEvents();

  EXPECT_EQ(benutzer.letzteMeldung(), "Es liegen Objekte auf nicht vorhandener Ebene! Die Zeichnung wird unter " +
                                          pfad("Notsicherung.qzz") + " gespeichert und das Programm beendet");
  EXPECT_EQ(f->statusleiste().meldung(), QStringLiteral("Störung: Objekte auf nicht vorhandenem Planteil"));
  EXPECT_TRUE(std::filesystem::exists(pfad("Notsicherung.qzz")));
  EXPECT_FALSE(std::filesystem::exists(datei)) << "the user's file is not overwritten";
  EXPECT_TRUE(benutzer.fragen.empty()) << "no save question";
  EXPECT_FALSE(f->isVisible());
}

TEST_F(EinstellungenAnsicht, FehlendeSchraffurenNachDemLaden) {
  Zeichnung z;
  test::initialisiere(z.speicher);
  z.speicher.beginneSchritt();
  const std::int32_t n = test::polygon(z.speicher, {{5000, 5000}, {5100, 5000}, {5100, 5100}});
  z.speicher.fuellung(n)->schraffurName = "Gibtsnicht";
  const Schreibergebnis e = quarzel::schreibeZeichnung(z);
  const std::string datei = schreibeDatei("schraffiert.qzz", std::string(e.daten.begin(), e.daten.end()));

  QStringList gezeigt;
  bool gesehen = false;
  test::wennOffen<TFehlendeSchraffuren>([&](TFehlendeSchraffuren& d) {
    gesehen = true;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Fehlende Schraffuren"));
    for (int i = 0; i < d.liste()->count(); ++i) gezeigt << d.liste()->item(i)->text();
    d.accept();
  });
  ASSERT_TRUE(f->dateibefehle().oeffne(datei));
  EXPECT_TRUE(gesehen);
  EXPECT_EQ(gezeigt, QStringList{QStringLiteral("Gibtsnicht")});
  EXPECT_TRUE(benutzer.meldungen.empty()) << "the dialog, not a second message";
}

TEST_F(EinstellungenAnsicht, ZeichnungsoptionenDrehenUndDezimaldarstellung) {
  mitDialog<TZeichnungsoptionen>("Zeichnungsoptionen...", [](TZeichnungsoptionen& d) {
    d.koordinatenwinkel()->setValue(30);
    d.rasterMitdrehen()->setChecked(true);
    d.imperialDezimal()->setChecked(true);
  });
  const Ansicht& a = f->sitzung().zeichnung.ansicht;
  EXPECT_FLOAT_EQ(a.coordAngle, 30);
  EXPECT_FLOAT_EQ(a.gridAngle, 30) << "the grid turns with it and stays after the redraw";
  EXPECT_TRUE(a.imperialDecimal);
}

TEST_F(EinstellungenAnsicht, EscapeBrichtDenBildaufbauAbUndDasFensterBleibtBedienbar) {
  // The redraw shows its progress and handles events at its first chance.
  flaeche().setzeBildtakt({0, 0});
  speicher().beginneSchritt();
  const auto linien = [this](int anzahl) {
    for (int i = 0; i < anzahl; ++i) test::linie(speicher(), 4900, 4950 + i % 200, 5100, 4951 + i % 200, false);
  };
  auto gezeichnet = [this](std::int32_t n) { return speicher().flag(kFlagspalteGezeichnet, n) != 0; };

  // Without a key the redraw runs through; a redraw asked for while it runs
  // follows it instead of painting into it.
  linien(600);
  QTimer::singleShot(0, [this] { f->Figurzeichnen(); });
  const int vorher = flaeche().bildzaehler();
  f->Figurzeichnen();
  EXPECT_TRUE(gezeichnet(600));
  EXPECT_EQ(flaeche().bildzaehler(), vorher + 1);

  // Enough lines for a progress bar; Escape pressed once it shows is seen at
  // the redraw's next chance.
  linien(20000);
  for (std::int32_t n = 1; n <= 600; ++n) speicher().setzeFlag(kFlagspalteGezeichnet, n, 0);
  const std::int32_t letzte = speicher().anzahl();
  waehle(wz(1));  // the line tool: an Escape reaching it would end it
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QString balken;
  std::function<void()> beiBalken = [&] {
    balken = f->statusleiste().meldung();
    if (!balken.isEmpty())
      QCoreApplication::postEvent(&flaeche(), escape.clone());
    else if (flaeche().zeichnet())
      QTimer::singleShot(0, beiBalken);
  };
  QTimer::singleShot(0, beiBalken);
  f->Figurzeichnen();
  EXPECT_EQ(balken, QStringLiteral("Bildaufbau ... (Esc bricht ab)"));
  EXPECT_TRUE(gezeichnet(1));
  EXPECT_FALSE(gezeichnet(letzte)) << "stopped before the end";
  EXPECT_TRUE(f->statusleiste().meldung().isEmpty()) << "no progress left behind";
  EXPECT_EQ(werkzeug(), wz(1)) << "the Escape went to the redraw, not to the tool";
}

}  // namespace
}  // namespace quarzel
