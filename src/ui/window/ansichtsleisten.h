// Ansichtsleisten: keeps the scroll bars and rulers around the drawing area
// in step with the view, and the view with the scroll bars.
//
// - After every full picture (zoom, centre, keys, wheel, middle-button pan,
//   resize) the bars are set from the view: page size, large and small
//   change and position in millimetres. While the program sets them, their
//   change events are ignored.
// - Moving a bar sets the view origin and redraws; the reference point of a
//   tool in progress, held in pixels, moves by the same change so that it
//   stays on its world point. A click into a bar's trough moves by the large
//   change (a quarter page), not by the page the slider shows.
// - The rulers are shown or hidden by one state, the snap settings'
//   `randlineale` (the snap search rounds to their ticks while they show),
//   which the menu item "Lineal" (Ctrl+L) and the tool button "Randlineale"
//   both switch. The state is kept in the per-user settings, since the
//   configuration file has no key for it.
#pragma once

#include <QObject>

#include "ui/window/fensteranschluss.h"

class QAction;
class QMenu;

namespace quarzel {

class Fangleiste;
class Werkzeugbedienung;
class Zeichenrahmen;

class Ansichtsleisten final : public QObject {
  Q_OBJECT

 public:
  // `leiste` may be missing (no snap tool bar): then only the menu switches.
  // The item "Lineal" is added to `ansichtMenue`.
  Ansichtsleisten(Fensteranschluss fenster, Werkzeugbedienung& werkzeuge, Zeichenrahmen& rahmen, Fangleiste* leiste,
                  QMenu& ansichtMenue);

  QAction* linealAktion() const { return lineal_; }
  void setzeLineale(bool an);
  // Sets the bars from the view and shows the rulers as the state says.
  void abgleichen();

 private:
  void rollen(bool waagerecht, int position);
  void seitenschritt(bool waagerecht, int aktion);
  void linealzustandSichern() const;

  Fensteranschluss fenster_;
  Werkzeugbedienung& werkzeuge_;
  Zeichenrahmen& rahmen_;
  Fangleiste* leiste_;
  QAction* lineal_ = nullptr;
  bool setztSelbst_ = false;
};

}  // namespace quarzel
