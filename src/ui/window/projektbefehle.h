// The command "Zeichnungsinformationen..." of the menu "&Datei": the dialog
// TProjektdaten on the open drawing. OK takes its entries into the drawing
// (a change entry named for the first time is dated today), marks it
// modified when something changed, and redraws, so title blocks show the new
// values at once.
#pragma once

#include <QObject>
#include <functional>

#include "ui/window/fensteranschluss.h"

class QAction;
class QMenu;

namespace quarzel {

class TProjektdaten;

class Projektbefehle final : public QObject {
  Q_OBJECT

 public:
  // The item goes into `datei` before `vor`. `befehlsstand` refreshes the
  // window's title after a change.
  Projektbefehle(Fensteranschluss fenster, QMenu& datei, QAction* vor, std::function<void()> befehlsstand);

  // Opens the dialog (window-modal, not blocking) and returns it.
  TProjektdaten* zeichnungsinformationen();

 private:
  Fensteranschluss fenster_;
  std::function<void()> befehlsstand_;
};

}  // namespace quarzel
