// QtTastatur: the keyboard state that long operations poll (Escape to stop a
// redraw or an import, function keys). Qt cannot ask the system whether a key
// is down, so an application-wide event filter follows presses and releases.
//
// A long operation runs on the one thread and blocks the event loop; polling
// therefore also lets Qt deliver pending events (at most every 50 ms). While
// it does, mouse and keyboard input is swallowed, so that a click cannot start
// a second command inside the first; window repaints still happen.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <array>
#include <bitset>

#include "platform/uhr.h"

namespace quarzel {

class QtTastatur final : public QObject, public Tastatur {
  Q_OBJECT

 public:
  // Installs itself as event filter of the running application.
  QtTastatur();
  ~QtTastatur() override;

  // True when Escape is down, or was pressed since the last call and not
  // longer ago than half a second: an Escape typed long before an operation
  // started (to leave a tool, say) must not stop that operation.
  bool escapeGedrueckt() override;
  // The same for F<nummer>, 1..12.
  bool funktionstasteGedrueckt(int nummer) override;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void ereignisseHolen();
  bool abfragen(std::size_t index);

  // Index 0 is Escape, 1..12 the function keys.
  std::bitset<13> unten_;
  std::array<qint64, 13> gedruecktUm_{};  // ms on uhr_ of the last press
  std::array<unsigned, 13> druecke_{};    // presses counted so far
  std::array<unsigned, 13> gesehen_{};    // presses already reported
  bool holtGerade_ = false;
  QElapsedTimer uhr_;
  qint64 geholtUm_ = -1;
};

}  // namespace quarzel
