// Makrobefehle: the menu "&Makros" — the macro editor, running a macro file
// on the drawing, the shipped example macros (the program folder's
// "Makros") with one click, and the macros used last.
//
// A macro started here counts as started from a file: its errors show the
// short "Fehlercode" form. Sources (".PSQ", ".PSB") are compiled first,
// compiled macros (".MAK") read as they are; a file that cannot be read is
// reported and the drawing stays as it was. The recent macros are kept per
// user (group "Makroeditor", key "Zuletzt") and shared with the editor.
#pragma once

#include <QObject>
#include <QPointer>
#include <string>
#include <vector>

#include "ui/window/makrolauf.h"

class QMenu;
class QMenuBar;

namespace quarzel {

class TMakroeditor;

class Makrobefehle final : public QObject {
 public:
  static constexpr int kZuletztAnzahl = 6;

  Makrobefehle(Makrofenster fenster, QMenuBar& leiste);
  ~Makrobefehle() override;

  // "Makroeditor...": shows the editor, made on first use.
  TMakroeditor& makroeditor();
  // "Makro ausführen...": a file dialog, then the run.
  void makroAusfuehren();
  // Reads the macro file and runs it on the drawing. False when it could not
  // be read or another run is on.
  bool fuehreDateiAus(const std::string& pfad);

  Makrolauf& lauf() { return *lauf_; }
  QMenu& menue() { return *menue_; }
  std::vector<std::string> zuletzt() const;

 private:
  void zuletztMerken(const std::string& pfad);
  void menueFuellen();

  Makrofenster fenster_;
  Makrolauf* lauf_;
  QMenu* menue_;
  QMenu* beispiele_;
  QPointer<TMakroeditor> editor_;
};

}  // namespace quarzel
