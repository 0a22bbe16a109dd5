// The view commands of the menu "&Ansicht" beyond zooming: "Gesamte
// Zeichnung" (the shown elements fill the area), "Neu zeichnen" (the picture
// anew, the view as it is) and "Normalansicht" (the sheet display off).
#pragma once

#include <QObject>
#include <optional>

#include "ui/window/fensteranschluss.h"
#include "view/ansicht.h"

class QAction;
class QMenu;

namespace quarzel {

class Sitzung;

// The world box of the elements the renderer would draw now: alive, on a
// visible layer and sublayer, their kind's display switch on. Hidden
// elements must not stretch the view to empty paper.
std::optional<Weltrechteck> gezeigteUmgebung(const Sitzung& sitzung);

class Ansichtsbefehle final : public QObject {
  Q_OBJECT

 public:
  // Puts the entries into `menue`: "Gesamte Zeichnung" after `gesamtesBlatt`,
  // the others at its end. `blattDarstellen` is the checkable "Blatt
  // darstellen" that "Normalansicht" switches off.
  Ansichtsbefehle(Fensteranschluss fenster, QMenu& menue, QAction& gesamtesBlatt, QAction& blattDarstellen);

  void gesamteZeichnung();
  void neuZeichnen();
  void normalansicht();

  QAction* gesamteZeichnungAktion() const { return gesamteZeichnung_; }
  QAction* neuZeichnenAktion() const { return neuZeichnen_; }
  QAction* normalansichtAktion() const { return normalansicht_; }

 private:
  Fensteranschluss fenster_;
  QAction& blattDarstellen_;
  QAction* gesamteZeichnung_;
  QAction* neuZeichnen_;
  QAction* normalansicht_;
};

}  // namespace quarzel
