// The macro editor on a real window, offscreen: a typed macro with an error
// marks its line and shows the text, the mended macro draws as one undo step,
// a endless loop is stopped three ways, colours follow the tokenizer after the
// typing pause, single stepping halts after every command, and the sources
// come back in their tabs in the next editor.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <stdexcept>

#include "support/ui/einstellungshilfen.h"
#include "support/ui/fensterhilfen.h"
#include "ui/qt/quelltextfeld.h"
#include "ui/window/makrobefehle.h"
#include "ui/window/makrodebugansicht.h"
#include "ui/window/makrolauf.h"
#include "ui/window/tmakroeditor.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

class Makroeditor_ : public test::Fensterfixture {
 protected:
  void SetUp() override {
    test::Fensterfixture::SetUp();
    editor = std::make_unique<TMakroeditor>(f->makrobefehle().lauf(), benutzer, pfad("autosave"));
    editor->show();
  }
  void TearDown() override { editor.reset(); }

  int lebendige() {
    int n = 0;
    for (std::int32_t i = 1; i <= speicher().anzahl(); ++i) n += speicher().lebendig(i) ? 1 : 0;
    return n;
  }
  // Types the text into the current tab as the user would.
  void tippe(const QString& text) {
    Quelltextfeld& feld = editor->aktuellesFeld();
    feld.selectAll();
    QTest::keyClick(&feld, Qt::Key_Delete);
    // QTest has no key for "\n": each line break is a Return.
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
      if (i > 0) QTest::keyClick(&feld, Qt::Key_Return);
      QTest::keyClicks(&feld, zeilen[i]);
    }
  }

  QPushButton& knopf(const char* text) {
    for (QPushButton* k : editor->findChildren<QPushButton*>())
      if (k->text() == QString::fromUtf8(text)) return *k;
    throw std::runtime_error(text);
  }
  QString fehlertext() { return editor->findChild<QLabel*>(QStringLiteral("Fehlertext"))->text(); }
  Makrodebugansicht& debugansicht() { return *editor->findChild<Makrodebugansicht*>(); }
  // The line with the error's background, if any.
  std::optional<int> markierteZeile() {
    const QList<QTextEdit::ExtraSelection> auswahl = editor->aktuellesFeld().extraSelections();
    if (auswahl.isEmpty()) return std::nullopt;
    return auswahl.front().cursor.blockNumber();
  }

  std::unique_ptr<TMakroeditor> editor;
};

TEST_F(Makroeditor_, FehlerMarkiertSeineZeileUndDerBerichtigteLaufIstEinUndoSchritt) {
  const int vorher = lebendige();
  tippe(QStringLiteral("0 0 MOVETO\n100 0 LINETO\n5 0 DIV\n"));
  QTest::mouseClick(&knopf("Ausführen"), Qt::LeftButton);
  EXPECT_EQ(markierteZeile(), 2);
  EXPECT_TRUE(fehlertext().startsWith(QStringLiteral("Zeile 3: "))) << fehlertext().toStdString();
  EXPECT_TRUE(fehlertext().contains(QStringLiteral("DIV"))) << fehlertext().toStdString();
  EXPECT_NE(benutzer.letzteMeldung(), "");
  // Undoing the failed run takes its one line away.
  f->rueckgaengig();
  ASSERT_EQ(lebendige(), vorher);

  tippe(QStringLiteral("0 0 MOVETO\n100 0 LINETO\n100 50 LINETO\n"));
  QTest::mouseClick(&knopf("Ausführen"), Qt::LeftButton);
  EXPECT_EQ(fehlertext(), QString());
  EXPECT_EQ(markierteZeile(), std::nullopt);
  EXPECT_EQ(lebendige(), vorher + 2);
  EXPECT_TRUE(f->menue().rueckgaengig->isEnabled());
  f->rueckgaengig();
  EXPECT_EQ(lebendige(), vorher);
}

TEST_F(Makroeditor_, EndloseSchleifeWirdAngehalten) {
  struct Fall {
    const char* wie;
    std::function<void()> stoppen;
  };
  const Fall faelle[] = {
      {"Stopp", [this] { QTest::mouseClick(&knopf("Stopp"), Qt::LeftButton); }},
      {"Escape im Hauptfenster", [this] { QTest::keyClick(&flaeche(), Qt::Key_Escape); }},
      {"Hauptfenster schließen", [this] { f->close(); }},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.wie);
    tippe(QStringLiteral("/i 0 DEF\n1000000000 { /i i 1 ADD DEF }\n"));
    bool gestoppt = false;
    // Compiling lets timers through as well; stop once the loop runs.
    QTimer wache;
    wache.setInterval(20);
    QObject::connect(&wache, &QTimer::timeout, editor.get(), [&] {
      if (!f->makrobefehle().lauf().laeuft()) return;
      wache.stop();
      EXPECT_FALSE(knopf("Ausführen").isEnabled());
      fall.stoppen();
      gestoppt = true;
    });
    wache.start();
    QTest::mouseClick(&knopf("Ausführen"), Qt::LeftButton);
    EXPECT_TRUE(gestoppt);
    EXPECT_FALSE(f->makrobefehle().lauf().laeuft());
    EXPECT_EQ(editor->statustext(), QStringLiteral(" Makro abgebrochen"));
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(knopf("Ausführen").isEnabled());
  }
}

// Bold, colour of one format range as the test compares it.
struct Bereich {
  int anfang, laenge;
  bool fett;
  QColor farbe;
  bool operator==(const Bereich&) const = default;
};

std::vector<Bereich> bereiche(Quelltextfeld& feld, int zeile) {
  std::vector<Bereich> b;
  for (const QTextLayout::FormatRange& r : feld.document()->findBlockByNumber(zeile).layout()->formats()) {
    const QColor farbe = r.format.hasProperty(QTextFormat::ForegroundBrush) ? r.format.foreground().color() : Qt::black;
    b.push_back({r.start, r.length, r.format.fontWeight() == QFont::Bold, farbe});
  }
  return b;
}

TEST_F(Makroeditor_, FarbenErstNachDerTipppause) {
  const QColor blau(0, 0, 255), grau(192, 192, 192), schwarz(Qt::black);
  struct Fall {
    const char* zeile;
    std::vector<Bereich> erwartet;
  };
  const Fall faelle[] = {
      {"10 20 moveto", {{6, 6, true, schwarz}}},
      {"(Hallo (Welt)) SHOW",
       {{0, 1, true, schwarz}, {1, 12, false, blau}, {13, 1, true, schwarz}, {15, 4, true, schwarz}}},
      {"50% ADD % Rest", {{4, 3, true, schwarz}, {8, 6, false, grau}}},
      {"% ganz (Kommentar) ADD", {{0, 22, false, grau}}},
      {"Äpfel ADD", {{6, 3, true, schwarz}}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.zeile);
    tippe(QString::fromUtf8(fall.zeile));
    Quelltextfeld& feld = editor->aktuellesFeld();
    EXPECT_NE(bereiche(feld, 0), fall.erwartet) << "schon beim Tippen gefärbt";
    for (int i = 0; i < 60 && bereiche(feld, 0) != fall.erwartet; ++i) QTest::qWait(50);
    EXPECT_EQ(bereiche(feld, 0), fall.erwartet);
  }
}

TEST_F(Makroeditor_, EinzelschrittHaeltNachJedemBefehl) {
  editor->debugmodus().setChecked(true);
  debugansicht().einzelschritt().setChecked(true);
  tippe(QStringLiteral("1 2 ADD\n3 MUL\n"));
  std::vector<QString> oben;
  Makrolauf& lauf = f->makrobefehle().lauf();
  QObject::connect(&lauf, &Makrolauf::angehalten, editor.get(), [&] {
    QTimer::singleShot(0, editor.get(), [&] {
      ASSERT_TRUE(lauf.haelt());
      oben.push_back(debugansicht().stapel().item(0, 0)->text());
      QTest::mouseClick(&debugansicht().naechsterSchritt(), Qt::LeftButton);
    });
  });
  QTest::mouseClick(&knopf("Ausführen"), Qt::LeftButton);
  EXPECT_EQ(oben, (std::vector<QString>{"1", "2", "3", "3"}));
  EXPECT_EQ(debugansicht().stapel().item(0, 0)->text(), QStringLiteral("9"));
}

TEST_F(Makroeditor_, QuelltexteKommenImNaechstenEditorWieder) {
  tippe(QStringLiteral("1 2 ADD\n3 MUL"));
  editor->neuerQuelltext();
  tippe(QStringLiteral("nur eine Zeile"));
  editor->neuerQuelltext();
  tippe(QStringLiteral("0 0 MOVETO\n1 1 LINETO"));
  editor.reset();
  editor = std::make_unique<TMakroeditor>(f->makrobefehle().lauf(), benutzer, pfad("autosave"));
  ASSERT_EQ(editor->reiteranzahl(), 2);
  EXPECT_EQ(editor->feld(0).quelltext(), "1 2 ADD\n3 MUL");
  EXPECT_EQ(editor->feld(1).quelltext(), "0 0 MOVETO\n1 1 LINETO");
  EXPECT_EQ(editor->findChild<QTabWidget*>()->tabText(0), QStringLiteral("Neuer Quelltext*"));
}

TEST_F(Makroeditor_, BeispielAusDemMenueZeichnetUndSteht) {
  const int vorher = lebendige();
  test::menueeintrag(*f->menuBar(), "Stuetzenraster")->trigger();
  EXPECT_GT(lebendige(), vorher) << benutzer.letzteMeldung();
  ASSERT_FALSE(f->makrobefehle().zuletzt().empty());
  EXPECT_TRUE(f->makrobefehle().zuletzt().front().ends_with("Stuetzenraster.psq"));
  f->rueckgaengig();
  EXPECT_EQ(lebendige(), vorher);
}

}  // namespace
}  // namespace quarzel
