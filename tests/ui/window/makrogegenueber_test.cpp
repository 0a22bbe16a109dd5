// The window as a macro's counterpart: clicks in the drawing area answer the
// cursor words (Escape stops the run), a macro's dialog is a real window whose
// values the macro reads, and the plain words reach the status bar and the
// user.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "support/ui/fensterhilfen.h"
#include "ui/dialogs/hilfefenster.h"
#include "ui/qt/makrodialogfenster.h"
#include "ui/window/makrobefehle.h"
#include "ui/window/makrolauf.h"
#include "ui/window/statusleiste.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

class Makrogegenueber_ : public test::Fensterfixture {
 protected:
  int lebendige() {
    int n = 0;
    for (std::int32_t i = 1; i <= speicher().anzahl(); ++i) n += speicher().lebendig(i) ? 1 : 0;
    return n;
  }
  Makrolauf& lauf() { return f->makrobefehle().lauf(); }
  void fuehreAus(const std::string& quelltext) {
    ASSERT_TRUE(f->makrobefehle().fuehreDateiAus(schreibeDatei("probe.psq", quelltext)));
  }
};

TEST_F(Makrogegenueber_, ZweiKlicksZeichnenEineLinieAlsEinenSchritt) {
  const int vorher = lebendige();
  fuehreAus("GETCURSOR MOVETO\nGETCURSOR LINETO\nmousebutton ALERT\n");
  ASSERT_TRUE(lauf().wartetAufKlick());
  EXPECT_TRUE(f->statusleiste().aufforderung().startsWith(QStringLiteral("GETCURSOR")))
      << f->statusleiste().aufforderung().toStdString();
  // While the macro waits, the cursor's coordinates still follow the mouse.
  bewege({100, 120});
  const QString hier = f->statusleiste().koordinaten();
  bewege({300, 200});
  EXPECT_NE(f->statusleiste().koordinaten(), hier);
  klick({100, 120});
  ASSERT_TRUE(lauf().wartetAufKlick());
  klick({300, 200}, Qt::RightButton);
  EXPECT_FALSE(lauf().laeuft());
  EXPECT_EQ(benutzer.letzteMeldung(), "2");
  EXPECT_EQ(lebendige(), vorher + 1);
  // The prompt is the tool's again.
  EXPECT_FALSE(f->statusleiste().aufforderung().startsWith(QStringLiteral("GETCURSOR")));
  f->rueckgaengig();
  EXPECT_EQ(lebendige(), vorher);
}

TEST_F(Makrogegenueber_, EscapeOderStoppBeendenDasWarten) {
  struct Fall {
    const char* wie;
    std::function<void()> abbrechen;
  };
  const Fall faelle[] = {
      {"Escape", [this] { QTest::keyClick(&flaeche(), Qt::Key_Escape); }},
      {"Stopp",
       [this] {
         lauf().stoppe();
         QTest::qWait(20);
       }},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.wie);
    const int vorher = lebendige();
    Laufende ende = Laufende::Wartet;
    auto verbindung = QObject::connect(&lauf(), &Makrolauf::beendet, [&](Laufende e) { ende = e; });
    fuehreAus("0 0 MOVETO\nGETCURSOR LINETO\n");
    ASSERT_TRUE(lauf().wartetAufKlick());
    fall.abbrechen();
    QObject::disconnect(verbindung);
    EXPECT_EQ(ende, Laufende::Gestoppt);
    EXPECT_FALSE(lauf().laeuft());
    EXPECT_EQ(lebendige(), vorher);
    // A click afterwards belongs to the tools again.
    klick({50, 50});
    EXPECT_FALSE(lauf().laeuft());
  }
}

TEST_F(Makrogegenueber_, DialogZeigtSichUndDasMakroLiestDieWerte) {
  QTimer::singleShot(0, [] {
    auto* dialog = dynamic_cast<Makrodialogfenster*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Treppe"));
    const auto felder = dialog->findChildren<QLineEdit*>();
    ASSERT_EQ(felder.size(), 1);
    QLineEdit* feld = felder.front();
    QPushButton *knopf = nullptr, *hilfe = nullptr;
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
      if (b->text() == QStringLiteral("OK")) knopf = b;
      if (b->text() == QStringLiteral("&Hilfe")) hilfe = b;
    }
    ASSERT_NE(knopf, nullptr);
    ASSERT_NE(hilfe, nullptr);
    // The help button shows its topic and leaves the dialog open.
    QTest::mouseClick(hilfe, Qt::LeftButton);
    auto* viewer = dialog->findChild<Hilfefenster*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->thema(), QStringLiteral("treppen"));
    viewer->close();
    QTest::keyClicks(feld, QStringLiteral("17"));
    QTest::mouseClick(knopf, Qt::LeftButton);
  });
  fuehreAus(
      "(Treppe) 300 120 BEGINDIALOG\n(Steigung:) 10 10 LABEL\n80 90 10 (15) DEFAULTEDIT\n"
      "(Abbrechen) 10 60 BUTTON\n(OK) 100 60 BUTTON\n(treppen) 200 60 HELPBUTTON\nENDDIALOG /k EXCH DEF\n"
      "(edit) 1 GETVALUE ( ) STRADD k STRADD ( ) STRADD (edit) 1 ISCHANGED STRADD ALERT\n");
  EXPECT_FALSE(lauf().laeuft());
  EXPECT_EQ(benutzer.letzteMeldung(), "1517 2 1");
}

TEST_F(Makrogegenueber_, EinfacheWoerterErreichenStatusleisteUndBenutzer) {
  benutzer.eingaben.push_back(std::string("42"));
  benutzer.antworten.push_back(Antwort::Nein);
  fuehreAus("(Erst klicken) SHOWHINT\n(Wert?) INPUT (Weiter?) QUESTION STRADD GETFKEY STRADD ALERT\n");
  EXPECT_EQ(f->statusleiste().meldung(), QStringLiteral("Erst klicken"));
  EXPECT_EQ(benutzer.letzteMeldung(), "42Nein0");
  ASSERT_FALSE(benutzer.fragen.empty());

  // A function key held down while the macro runs.
  QTest::keyPress(&flaeche(), Qt::Key_F5);
  fuehreAus("HIDEHINT GETFKEY ALERT\n");
  QTest::keyRelease(&flaeche(), Qt::Key_F5);
  EXPECT_EQ(benutzer.letzteMeldung(), "5");
  EXPECT_EQ(f->statusleiste().meldung(), QString());

  // The bill-of-materials words count the open drawing.
  fuehreAus("0 0 MOVETO (Tisch.QZS) BEGINGROUP 1 1 LINETO ENDGROUP\n(Alle Symbole) CREATESYMLIST ALERT\n");
  EXPECT_EQ(benutzer.letzteMeldung(), "1");
}

}  // namespace
}  // namespace quarzel
