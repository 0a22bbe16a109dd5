#include "ui/window/hauptmenue.h"

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
  m.neu = eintrag(m.datei, QStringLiteral("&Neu"), QKeySequence(Qt::CTRL | Qt::Key_N));
  m.oeffnen = eintrag(m.datei, QStringLiteral("Ö&ffnen..."), QKeySequence(Qt::CTRL | Qt::Key_O));
  m.speichern = eintrag(m.datei, QStringLiteral("&Speichern"), QKeySequence(Qt::CTRL | Qt::Key_S));
  m.speichernUnter = eintrag(m.datei, QStringLiteral("Speichern &unter..."));
  m.zuletztTrenner = m.datei->addSeparator();
  for (QAction*& a : m.zuletzt) a = m.datei->addAction(QString());
  m.datei->addSeparator();
  m.beenden = eintrag(m.datei, QStringLiteral("&Beenden"));
  m.beenden->setMenuRole(QAction::QuitRole);
  zeigeZuletztGeoeffnet(m, {});

  m.bearbeiten = leiste->addMenu(QStringLiteral("&Bearbeiten"));
  m.rueckgaengig = eintrag(m.bearbeiten, QStringLiteral("&Rückgängig"), QKeySequence(Qt::CTRL | Qt::Key_Z));
  m.rueckgaengig->setObjectName(QStringLiteral("Undo1"));
  m.wiederherstellen = eintrag(m.bearbeiten, QStringLiteral("&Wiederherstellen"), QKeySequence(Qt::CTRL | Qt::Key_Y));
  m.wiederherstellen->setObjectName(QStringLiteral("Redo1"));
  m.bearbeiten->addSeparator();
  m.bildEinfuegen = eintrag(m.bearbeiten, QStringLiteral("Bild einfügen..."));

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

  m.symbole = leiste->addMenu(QStringLiteral("S&ymbole"));
  m.symbole->setObjectName(QStringLiteral("Symbole"));
  m.symbolEinfuegen = eintrag(m.symbole, QStringLiteral("Symbol &einfügen..."));
  m.symbole->addSeparator();
  m.alsSymbolSpeichern = eintrag(m.symbole, QStringLiteral("Als &Symbol speichern..."));
  m.alsDetailSpeichern = eintrag(m.symbole, QStringLiteral("Als &Detail speichern..."));
  m.symbole->addSeparator();
  m.symbolinformationen = eintrag(m.symbole, QStringLiteral("Symbol&informationen..."));
  return m;
}

void zeigeZuletztGeoeffnet(Hauptmenue& menue, const std::vector<std::string>& dateien) {
  int gezeigt = 0;
  for (const std::string& d : dateien) {
    if (d.empty() || gezeigt >= Hauptmenue::kZuletztAnzahl) continue;
    QString name = QString::fromStdString(d);
    // A "&" in a file name would otherwise underline the next letter.
    name.replace(u'&', QStringLiteral("&&"));
    QAction* a = menue.zuletzt[static_cast<std::size_t>(gezeigt)];
    a->setText(QStringLiteral("&%1 %2").arg(gezeigt + 1).arg(name));
    a->setData(QString::fromStdString(d));
    a->setVisible(true);
    ++gezeigt;
  }
  for (int i = gezeigt; i < Hauptmenue::kZuletztAnzahl; ++i) {
    menue.zuletzt[static_cast<std::size_t>(i)]->setVisible(false);
    menue.zuletzt[static_cast<std::size_t>(i)]->setData(QVariant());
  }
  menue.zuletztTrenner->setVisible(gezeigt > 0);
}

}  // namespace quarzel
