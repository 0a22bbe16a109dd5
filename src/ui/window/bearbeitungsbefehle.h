// Bearbeitungsbefehle: the window's side of the edit tools that need more
// than clicks. Free move (600) shows the move panel: its fields follow the
// mouse, and "OK" moves the marked elements by the typed displacement as one
// undo step; "Abbrechen", Escape or the right button drop it. The radial and
// rotational multiple copy (604, 605) first ask for count and angle; the
// centre is then clicked. Both return to the select tool when done, with the
// moved elements or the copies marked.
#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <optional>

#include "edit/werkzeugcode.h"
#include "ui/dialogs/mehrfachkopiedialog.h"

class QMainWindow;

namespace quarzel {

class Markierwerkzeug;
class Verschiebepanel;
class Werkzeugsteuerung;
class Zeichenflaeche;

class Bearbeitungsbefehle final : public QObject {
  Q_OBJECT

 public:
  // `waehle` starts a tool the way a button does; `befehlsstand` refreshes
  // title, undo and redo after a change. `eltern` must not outlive the
  // state machine and the module.
  Bearbeitungsbefehle(QMainWindow& fenster, Werkzeugsteuerung& steuerung, Markierwerkzeug& markier,
                      Zeichenflaeche& flaeche, std::function<void(Werkzeugcode)> waehle,
                      std::function<void()> befehlsstand, QObject* eltern);
  ~Bearbeitungsbefehle() override;

  Verschiebepanel& verschiebepanel();

  // Asks for count and angle of a multiple copy; the dialog by default,
  // tests answer themselves. Nothing: the user cancelled.
  std::function<std::optional<Mehrfachkopie>(Werkzeugcode werkzeug, const Mehrfachkopie& vorgabe)> frage;

  // A tool started (chained behind the window's panel switch).
  void werkzeugGestartet(Werkzeugcode werkzeug);
  // The move panel's buttons.
  void verschiebenOk();
  void verschiebenAbbrechen();

 private:
  void mausBewegt();
  void mehrfachkopieFragen(Werkzeugcode werkzeug);
  QString hinweis() const;

  QMainWindow& fenster_;
  Werkzeugsteuerung& steuerung_;
  Markierwerkzeug& markier_;
  std::function<void(Werkzeugcode)> waehle_;
  std::function<void()> befehlsstand_;
  QPointer<Verschiebepanel> panel_;
};

}  // namespace quarzel
