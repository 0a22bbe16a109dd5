#include "ui/hauptmenue.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quarzel {

namespace {

QAction* eintrag(QMenu* menue, const QString& text, const QKeySequence& taste = {}) {
  QAction* a = menue->addAction(text);
  if (!taste.isEmpty()) a->setShortcut(taste);
  return a;
}

}  // namespace

Hauptmenue baueHauptmenue(QMainWindow& fenster) {
  Hauptmenue m;
  QMenuBar* leiste = fenster.menuBar();

  m.datei = leiste->addMenu(QStringLiteral("&Datei"));
  m.beenden = eintrag(m.datei, QStringLiteral("&Beenden"));
  m.beenden->setMenuRole(QAction::QuitRole);

  m.ansicht = leiste->addMenu(QStringLiteral("&Ansicht"));
  // Ctrl++ arrives as Ctrl+= on layouts where "+" needs Shift; both count.
  m.vergroessern = eintrag(m.ansicht, QStringLiteral("Vergrößern"));
  m.vergroessern->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  m.verkleinern = eintrag(m.ansicht, QStringLiteral("Verkleinern"), QKeySequence(Qt::CTRL | Qt::Key_Minus));
  m.gesamtesBlatt = eintrag(m.ansicht, QStringLiteral("Gesamtes Blatt"), QKeySequence(Qt::Key_Home));
  m.ansicht->addSeparator();
  m.blattDarstellen =
      eintrag(m.ansicht, QStringLiteral("Blatt darstellen"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
  m.blattDarstellen->setCheckable(true);
  return m;
}

}  // namespace quarzel
