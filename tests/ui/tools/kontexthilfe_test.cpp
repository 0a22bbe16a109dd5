// Context help: while "Kontextsensitive Hilfe" is down a tool button or menu
// item opens its topic instead of acting and help mode ends; every tool
// button and menu command has a topic.
#include "ui/tools/kontexthilfe.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QMenu>
#include <QTest>
#include <QToolBar>

#include "settings/konfiguration.h"
#include "support/werkzeugnummer.h"
#include "ui/dialogs/hilfefenster.h"
#include "ui/tools/werkzeugleisten.h"
#include "support/ui/fensterhilfen.h"
#include "ui/window/ansichtenbefehle.h"
#include "ui/window/druckbefehle.h"
#include "ui/window/werkzeugbedienung.h"

namespace quarzel {
namespace {

class Hilfe : public test::Fensterfixture {
 protected:
  void SetUp() override {
    Fensterfixture::SetUp();
    hilfe = f->findChild<Kontexthilfe*>();
    ASSERT_NE(hilfe, nullptr);
  }
  static QString ordner() { return QString::fromStdString((programmordner() / "Hilfe").string()); }

  Kontexthilfe* hilfe = nullptr;
};

TEST_F(Hilfe, ImHilfemodusOeffnetEinWerkzeugknopfSeinThemaStattZuWirken) {
  f->werkzeuge().waehle(wz(100));
  hilfe->aktion()->setChecked(true);
  QAction* rechteck = f->leisten().aktionFuer(wz(3));
  QWidget* knopf = f->leisten().linien->widgetForAction(rechteck);
  ASSERT_NE(knopf, nullptr);
  QTest::mouseClick(knopf, Qt::LeftButton);
  EXPECT_EQ(werkzeug(), wz(100)) << "the tool did not start";
  EXPECT_FALSE(hilfe->aktiv()) << "help mode ends after one topic";
  ASSERT_NE(hilfe->fenster(), nullptr);
  EXPECT_EQ(hilfe->fenster()->thema(), QStringLiteral("werkzeug_3"));
  EXPECT_TRUE(hilfe->fenster()->text().contains(QStringLiteral("Rechteck")));
  // Out of help mode the same click starts the tool.
  QTest::mouseClick(knopf, Qt::LeftButton);
  EXPECT_EQ(werkzeug(), wz(3));
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
                           m.wiederherstellen, m.bildEinfuegen, m.vergroessern, m.verkleinern, m.gesamtesBlatt, m.blattDarstellen,
                           f->ansichtenbefehle().managerAktion, f->findChild<Druckbefehle*>()->ansichtenAktion})
    pruefe(a);
  EXPECT_TRUE(fehlend.isEmpty()) << fehlend.join(u' ').toStdString();
}

}  // namespace
}  // namespace quarzel
