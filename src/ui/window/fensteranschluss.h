// Fensteranschluss: what a command of the main window needs of it — the
// session it works on, a window to hang its dialogs, bars and docks on, and
// the full redraw. Commands get this instead of the window, so they see no
// more of it than they use.
#pragma once

#include <functional>

class QMainWindow;

namespace quarzel {

class Sitzung;

struct Fensteranschluss {
  QMainWindow& fenster;
  Sitzung& sitzung;
  // Full redraw of the drawing area with the status texts.
  std::function<void()> neuZeichnen;
};

}  // namespace quarzel
