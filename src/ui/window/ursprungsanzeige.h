// Ursprungsanzeige: the zero point on screen and what follows a change of it.
//
// - The menu item "Nullpunkt" (view menu, checkable) shows or hides the zero
//   point's marker on the drawing area; the choice is the configuration's
//   "Nullpunkt sichtbar" (section "Zeichenhilfen"), written at once, so it
//   survives a restart. The marker follows the view after every picture and
//   is never part of print or export.
// - When an origin tool (132, 134, 135) has moved the zero point, the grid
//   origin or an angle, the grid angle of the configuration ("Rasterwinkel")
//   follows the drawing's, as the grid dialog keeps it, and the area is
//   redrawn (grid, status coordinates, marker).
#pragma once

#include <QObject>

#include "ui/window/fensteranschluss.h"

class QAction;
class QMenu;

namespace quarzel {

class Werkzeugbedienung;
class Zeichenflaeche;

class Ursprungsanzeige final : public QObject {
  Q_OBJECT

 public:
  // The item "Nullpunkt" is added to `ansichtMenue`.
  Ursprungsanzeige(Fensteranschluss fenster, Werkzeugbedienung& werkzeuge, Zeichenflaeche& flaeche,
                   QMenu& ansichtMenue);

  void setzeSichtbar(bool an);
  // The marker at the zero point's pixel in the view as it is now.
  void markerSetzen();

 private:
  void ursprungGeaendert();

  Fensteranschluss fenster_;
  Zeichenflaeche& flaeche_;
  QAction* nullpunkt_ = nullptr;
};

}  // namespace quarzel
