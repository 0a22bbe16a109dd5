// Strukturwache: the structure check the tools run at their start, with its
// consequences in the window. A damaged drawing is written to
// "Notsicherung.qzz", the fault stays on red in the status bar and the
// window closes without the save question: saving the damaged drawing over
// the user's file could destroy more than it keeps.
#pragma once

#include <functional>

#include "store/strukturpruefung.h"

namespace quarzel {

class Sitzung;
class Statusleiste;

class Strukturwache {
 public:
  // `schliessen` ends the program; it is called after the emergency save.
  Strukturwache(Sitzung& sitzung, Statusleiste& status, std::function<void()> schliessen);

  // From tool start; the check itself runs at most every 15 s.
  void pruefen();
  // The window must close without asking.
  bool beendet() const { return beendet_; }

 private:
  Sitzung& sitzung_;
  Statusleiste& status_;
  std::function<void()> schliessen_;
  Strukturwaechter waechter_;
  bool beendet_ = false;
};

}  // namespace quarzel
