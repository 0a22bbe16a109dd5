// Context help and the default layout: while "Kontextsensitive Hilfe" is down
// a tool button or menu item opens its topic instead of acting and help mode
// ends; every tool button and menu command has a topic; hostile topic names
// and files show a note; and at 1280 x 800 the property bar shows all its
// fields for every tool.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QActionGroup>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "settings/konfiguration.h"
#include "edit/werkzeugvarianten.h"
#include "ui/window/fensterhilfen.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/dialogs/hilfefenster.h"
#include "ui/tools/kontexthilfe.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/tools/werkzeugleisten.h"

namespace quarzel {
namespace {

class Hilfe : public ::testing::Test, public test::Fenstertest {
 protected:
  void SetUp() override {
    f = fenster(mitIni());
    ASSERT_TRUE(f->sitzung().startGelungen());
    zeigen(*f);
    hilfe = f->findChild<Kontexthilfe*>();
    ASSERT_NE(hilfe, nullptr);
  }
  std::uint16_t werkzeug() { return f->werkzeuge().steuerung().zustand().werkzeug; }
  static QString ordner() { return QString::fromStdString((programmordner() / "Hilfe").string()); }

  test::Testfenster f;
  Kontexthilfe* hilfe = nullptr;
};

TEST_F(Hilfe, ImHilfemodusOeffnetEinWerkzeugknopfSeinThemaStattZuWirken) {
  f->werkzeuge().waehle(100);
  hilfe->aktion()->setChecked(true);
  QAction* rechteck = f->leisten().aktionFuer(3);
  QWidget* knopf = f->leisten().linien->widgetForAction(rechteck);
  ASSERT_NE(knopf, nullptr);
  QTest::mouseClick(knopf, Qt::LeftButton);
  EXPECT_EQ(werkzeug(), 100) << "the tool did not start";
  EXPECT_FALSE(hilfe->aktiv()) << "help mode ends after one topic";
  ASSERT_NE(hilfe->fenster(), nullptr);
  EXPECT_EQ(hilfe->fenster()->thema(), QStringLiteral("werkzeug_3"));
  EXPECT_TRUE(hilfe->fenster()->text().contains(QStringLiteral("Rechteck")));
  // Out of help mode the same click starts the tool.
  QTest::mouseClick(knopf, Qt::LeftButton);
  EXPECT_EQ(werkzeug(), 3);
}

TEST_F(Hilfe, ThemenFolgenDemWerkzeugcodeOderDemText) {
  QAction kreis(QStringLiteral("Kreis"));
  kreis.setData(26);  // the button holds a variant
  EXPECT_EQ(Kontexthilfe::thema(&kreis), QStringLiteral("werkzeug_2"));
  QAction unter(QStringLiteral("Speichern &unter..."));
  EXPECT_EQ(Kontexthilfe::thema(&unter), QStringLiteral("speichern_unter"));
  QAction oeffnen(QStringLiteral("Ö&ffnen..."));
  EXPECT_EQ(Kontexthilfe::thema(&oeffnen), QStringLiteral("oeffnen"));
  QAction gross(QStringLiteral("Vergrößern"));
  EXPECT_EQ(Kontexthilfe::thema(&gross), QStringLiteral("vergroessern"));
  QAction leer(QStringLiteral("&...!"));
  EXPECT_EQ(Kontexthilfe::thema(&leer), QStringLiteral("inhalt"));
}

TEST_F(Hilfe, JederWerkzeugknopfUndJederBefehlDerHauptmenuesHatEinThema) {
  QStringList fehlend;
  auto pruefe = [&](const QAction* a) {
    if (a->isSeparator() || a->menu() != nullptr || a->text().isEmpty() || a == hilfe->aktion()) return;
    const QString t = Kontexthilfe::thema(a);
    if (!QFileInfo::exists(ordner() + QStringLiteral("/") + t + QStringLiteral(".md"))) fehlend << t;
  };
  for (const QAction* a : f->leisten().werkzeuge->actions()) pruefe(a);
  for (QToolBar* l : {f->leisten().ansicht, f->leisten().bearbeiten})
    for (const QAction* a : l->actions()) pruefe(a);
  const Hauptmenue& m = f->menue();
  for (const QAction* a : {m.neu, m.oeffnen, m.speichern, m.speichernUnter, m.beenden, m.rueckgaengig,
                           m.wiederherstellen, m.vergroessern, m.verkleinern, m.gesamtesBlatt, m.blattDarstellen})
    pruefe(a);
  EXPECT_TRUE(fehlend.isEmpty()) << fehlend.join(u' ').toStdString();
}

TEST(Hilfefenster_, FremdeNamenFehlendeUndLeereDateienZeigenEinenHinweis) {
  QTemporaryDir dir;
  QFile leer(dir.filePath(QStringLiteral("leer.md")));
  ASSERT_TRUE(leer.open(QIODevice::WriteOnly));
  leer.close();
  QFile daneben(dir.filePath(QStringLiteral("geheim.txt")));
  ASSERT_TRUE(daneben.open(QIODevice::WriteOnly));
  daneben.write("geheim");
  daneben.close();
  for (const QString& t : {QStringLiteral("../geheim"), QStringLiteral("Gross"), QStringLiteral(""),
                           QStringLiteral("fehlt"), QStringLiteral("leer"), QString(200, u'a')}) {
    const QString text = Hilfefenster::hilfetext(dir.path(), t);
    EXPECT_TRUE(text.contains(QStringLiteral("keinen Hilfetext"))) << t.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("geheim\n")));
  }
}

TEST(Hilfefenster_, GrosseDateienWerdenNurAnfangsGelesen) {
  QTemporaryDir dir;
  QFile gross(dir.filePath(QStringLiteral("gross.md")));
  ASSERT_TRUE(gross.open(QIODevice::WriteOnly));
  const QByteArray zeile(1023, 'x');
  for (int i = 0; i < 2048; ++i) gross.write(zeile + '\n');  // 2 MiB
  gross.close();
  const QString text = Hilfefenster::hilfetext(dir.path(), QStringLiteral("gross"));
  EXPECT_LE(text.size(), 256 * 1024);
  EXPECT_GT(text.size(), 200 * 1024);
}

// --- Layout at the default size ----------------------------------------------

TEST_F(Hilfe, BeiStandardgroesseIstDieEigenschaftsleisteFuerJedesWerkzeugGanzSichtbar) {
  // The desktop's usual font; the offscreen platform's default is larger.
  const QFont vorher = QApplication::font();
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  f = fenster(mitIni());
  zeigen(*f);
  f->resize(1280, 800);
  QTest::qWait(20);
  Eigenschaftsleiste& e = f->eigenschaften();
  QToolButton* mehr = e.findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
  std::vector<std::uint16_t> codes{1, 9, 36, 46, 48, 55, 56};
  for (const Variantenknopf& k : variantenknoepfe()) codes.push_back(k.code);
  for (std::uint16_t code : codes) {
    f->werkzeuge().waehle(code);
    QTest::qWait(5);
    if (mehr != nullptr) {
      EXPECT_FALSE(mehr->isVisible()) << "the bar overflows with tool " << code;
    }
    EXPECT_LE(e.sizeHint().width(), e.width()) << code;
  }
  QApplication::setFont(vorher);
}

}  // namespace
}  // namespace quarzel
