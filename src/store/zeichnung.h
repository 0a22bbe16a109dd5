// Zeichnung: the one open drawing with all of its tables. Code receives it by
// reference, so tests can hold several drawings at once.
#pragma once

#include <cmath>
#include <string>

#include "view/ansicht.h"
#include "styles/linienstile.h"
#include "styles/stifte.h"
#include "store/ansichtstabelle.h"
#include "store/ebenen.h"
#include "store/elementspeicher.h"
#include "store/projektwerte.h"
#include "store/zeichnungsoptionen.h"

namespace quarzel {

struct Zeichnung {
  Elementspeicher speicher;
  Ebenen ebenen;
  Ansicht ansicht;
  Ansichtstabelle ansichten;  // the named views
  Stifttabelle stifte;
  // The line styles in force: the program's, with the drawing's own patterns
  // applied when it was loaded. Whoever changes them writes them back into
  // `optionen` (linienstileInZeichnung), so that saving carries them.
  Linienstiltabelle linienstile;
  Zeichnungsoptionen optionen;
  Projektwerte projektdaten;  // the title-block values (project/ knows their rows)
  std::string dateiname;  // "" while the drawing has no name

  // The denominator of the scale in force: the active layer's scale, or the
  // drawing scale when that layer follows the drawing scale (0).
  double massstabInKraft() const {
    const double s = ebenen.massstab(ebenen.aktiveEbene());
    return s != 0 ? s : ansicht.drawingScale;
  }

  // A length typed in drawing units (the unit of the drawing, at the scale
  // in force) as sheet millimetres: 50 cm at 1:100 are 5 mm.
  double aufsBlatt(double laenge) const {
    const double teiler = massstabInKraft() * ansicht.unitFactor;
    return teiler > 0 && std::isfinite(teiler) ? laenge / teiler : laenge;
  }
};

}  // namespace quarzel
