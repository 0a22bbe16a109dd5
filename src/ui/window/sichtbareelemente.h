// The menu "Sichtbare &Elemente": one checkable item per display switch of
// the renderer, the override that shows every layer and sublayer, and the
// two refresh modes.
//
// The menu changes the window's Anzeigeschalter in place and asks for a
// redraw after every choice; its check marks are read back from the switches
// each time the menu opens, so tool buttons that flip the same switches stay
// in step without a signal of their own.
#pragma once

#include <functional>

class QAction;
class QMenu;

namespace quarzel {

struct Anzeigeschalter;

struct Sichtbarkeitsanschluesse {
  // Redraws the drawing area; called after every toggle.
  std::function<void()> neuZeichnen;
  // "Alle Ebenen und Unterebenen sichtbar": read and set the drawing's flag.
  std::function<bool()> allesSichtbar;
  std::function<void(bool)> setzeAllesSichtbar;
  // The refresh mode: true draws into an off-screen image ("Schneller Refresh").
  std::function<bool()> schnellerRefresh;
  std::function<void(bool)> setzeSchnellerRefresh;
  // "&Platzhalter" was switched (on: placeholders instead of their values),
  // for the configuration file.
  std::function<void(bool)> platzhalterGesetzt;
};

// The actions a caller (tool buttons, tests) may want to reach directly.
struct Sichtbarkeitsmenue {
  QAction* hilfslinien = nullptr;  // F7
  QAction* platzhalter = nullptr;  // "&Platzhalter"
  QAction* allesSichtbar = nullptr;
  QAction* schnellerRefresh = nullptr;  // Ctrl+Shift+F5
  QAction* langsamerRefresh = nullptr;
};

// Fills `menue` (its title is set to "Sichtbare &Elemente"). `schalter` must
// outlive the menu.
Sichtbarkeitsmenue sichtbareElementeFuellen(QMenu& menue, Anzeigeschalter& schalter,
                                            Sichtbarkeitsanschluesse anschluesse);

}  // namespace quarzel
