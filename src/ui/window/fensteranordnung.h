// The main window's default arrangement of tool bars and docks, chosen so
// that everything fits a 1280 x 800 screen: view, edit and layer bars in the
// first row, the long snap bar in the second, the line and area tools in the
// third, the property bar alone in the fourth (its fields change with the
// tool and must never overflow), and the layer manager a narrow column on
// the right. A layout the
// user saved replaces it afterwards (restoreState).
#pragma once

class QMainWindow;

namespace quarzel {

// Width of the right-hand dock column at the default size, in pixels.
inline constexpr int kDockbreite = 300;
// The version of the arrangement. A layout saved under another version is
// not restored: bars added or moved since would land in odd places.
inline constexpr int kAnordnungsversion = 3;
// A column of the left tool bars is never planned lower than this.
inline constexpr int kMindesthoeheLeistenspalte = 240;

void ordneLeistenAn(QMainWindow& fenster);
// The tool bars at the left edge, in columns: a bar goes into the next
// column when it would not fit below the bars already in this one, so no
// button hides behind the overflow arrow of a window `fensterhoehe` high.
void ordneLinkeLeistenAn(QMainWindow& fenster, int fensterhoehe);
// Puts the contents of every dock into a scroll area, so that opening a dock
// never makes the window taller than the screen; ordneLeistenAn does it for
// the docks there are. Docks that already scroll are left alone.
void docksRollbar(QMainWindow& fenster);
// Narrows the right-hand docks to kDockbreite (or their minimum width). For
// a window without a saved layout, before it is shown.
void dockbreiteBeimZeigen(QMainWindow& fenster);

}  // namespace quarzel
