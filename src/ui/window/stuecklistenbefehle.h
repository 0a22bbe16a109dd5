// The command "St&ückliste..." of the menu "S&ymbole": the window
// TStueckliste on the open drawing. The window is not modal and stays open
// beside the drawing; a second call brings it to the front.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "ui/window/fensteranschluss.h"

class QMenu;

namespace quarzel {

class TStueckliste;

class Stuecklistenbefehle final : public QObject {
  Q_OBJECT

 public:
  // The item goes at the end of `symbole`. `statusmeldung` writes into the
  // main window's status bar.
  Stuecklistenbefehle(Fensteranschluss fenster, QMenu& symbole, std::function<void(const QString&)> statusmeldung);

  // Opens the window, or raises the one already open, and returns it.
  TStueckliste* stueckliste();
  // The open window follows the drawing now in the window.
  void zeichnungGewechselt();

 private:
  Fensteranschluss fenster_;
  std::function<void(const QString&)> statusmeldung_;
  QPointer<TStueckliste> offen_;
};

}  // namespace quarzel
