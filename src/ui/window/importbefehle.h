// Importbefehle: "Importieren" → "&DXF..." / "DXF/DWG..." in the file menu
// and "Im- und Export..." in the settings menu. The import dialog chooses
// the file and its layout; the core (exchange/cadimport.h) brings it in as
// one undo step, and the view then shows the whole drawing.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "ui/window/fensteranschluss.h"

class QDialog;
class QMenu;
class QAction;
class QMenuBar;

namespace quarzel {

class Importbefehle final : public QObject {
 public:
  Importbefehle(Fensteranschluss fenster, QMenu& dateimenue, QAction* vor, QMenuBar& leiste);

  // The import dialog, then the import of what it chose.
  void importieren();
  // Without the dialog: the file as the import command brings it in.
  void importiere(const std::string& pfad, const std::string& layout = "Model");
  void optionenBearbeiten();

  // Test hook: called with every dialog right before it is shown modally;
  // a test may accept or reject it there.
  std::function<void(QDialog& dialog)> vorDialog;

 private:
  bool zeige(QDialog& dialog);

  Fensteranschluss fenster_;
};

}  // namespace quarzel
