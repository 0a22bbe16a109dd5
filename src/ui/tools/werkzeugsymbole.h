// The tool bars' icons, drawn at start-up with QPainter: simple line
// pictures in the manner of a drafting program, one per kind of tool. No icon
// files to ship or to go missing.
#pragma once

#include <QIcon>

namespace quarzel {

enum class Symbol {
  Linie,
  Polygonzug,
  Rechteck,
  Kreis,
  Kreisbogen,
  Ellipse,
  Ellipsenbogen,
  Bezier,
  Spline,
  Freihand,
  Markerpunkt,
  Vieleck,
  Parallelogramm,
  Stern,
  Linienkreuz,
  Konus,
  FlPolygon,
  FlRechteck,
  FlVollkreis,
  FlKreisbogen,
  FlEllipse,
  FlVieleck,
  FlRing,
  FlSpline,
  FlFreihand,
  FlParallelogramm,
  FlKonus,
  FlStern,
  FlKreissegment,
  FlEllipsenbogen,
  FlRingsegment,
  FlBezier,
  Markieren,
  AusschnittVergroessern,
  Vergroessern,
  Verkleinern,
  GesamtesBlatt,
  Loeschen,
  Verschieben,
  Drehen,
  SpiegelnOhneKopie,
  SpiegelnMitKopie,
  Radial,
  Rotation,
  NumerischeEingabe,
  Hilfe,
};

// The icon for `s`, in the sizes tool bars use.
QIcon werkzeugsymbol(Symbol s);

}  // namespace quarzel
