// The main window's default arrangement of tool bars and docks, chosen so
// that everything fits a 1280 x 800 screen: view, edit and layer bars in the
// first row, the long snap bar in the second, the line and area tools in the
// third, the property bar alone in the fourth (its fields change with the
// tool and must never overflow), and the layer manager a narrow column on
// the right. A layout the
// user saved replaces it afterwards (restoreState).
#pragma once

class QMainWindow;
class QSize;

namespace quarzel {

// Width of the right-hand dock column at the default size, in pixels.
inline constexpr int kDockbreite = 300;
// The version of the arrangement. A layout saved under another version is
// not restored: bars added or moved since would land in odd places.
inline constexpr int kAnordnungsversion = 3;
// A column of the left tool bars is never planned lower than this, and a
// window gets one column per so many pixels of width (at least two): on a
// small screen the drawing area keeps its width and the last bars show the
// rest behind their arrow.
inline constexpr int kMindesthoeheLeistenspalte = 240;
inline constexpr int kBreiteJeLeistenspalte = 230;

void ordneLeistenAn(QMainWindow& fenster);
// The tool bars at the left edge, in columns: a bar goes into the next
// column when it would not fit below the bars already in this one, so on a
// screen of common height no button hides behind the overflow arrow.
void ordneLinkeLeistenAn(QMainWindow& fenster, QSize fenstergroesse);
// Puts the contents of every dock into a scroll area, so that opening a dock
// never makes the window taller than the screen; ordneLeistenAn does it for
// the docks there are. Docks that already scroll are left alone.
void docksRollbar(QMainWindow& fenster);
// Narrows the right-hand docks to kDockbreite (or their minimum width). For
// a window without a saved layout, before it is shown.
void dockbreiteBeimZeigen(QMainWindow& fenster);

}  // namespace quarzel
