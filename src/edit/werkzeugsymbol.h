// The icons of the tool buttons by name; ui/tools/werkzeugsymbole draws them.
// The core names them so that the tool table can say which button shows which.
#pragma once

namespace quarzel {

enum class Symbol {
  Keines,  // no button of its own
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

}  // namespace quarzel
