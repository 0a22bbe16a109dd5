// What the circle constructions make: the picked element checked and read as
// a circle, the figure of each construction (shown as the rubber band and
// added when the last pick is given), and the adding itself. A construction
// that cannot work gives the German sentence the user is shown instead of a
// figure.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "edit/werkzeugmodul.h"
#include "edit/zeichenfigur.h"
#include "edit/zeichenvorgabe.h"
#include "render/bogengeometrie.h"

namespace quarzel {

// What a construction may start from.
enum class Kreisbedarf : std::uint8_t {
  KreisOderEllipse,  // tangent from a point: ellipses work too
  Kreis,             // tangents and arcs touching two circles
  Konzentrisch,      // concentric copies: an ellipse has none at a fixed distance
};

// Element n read as a circle, arc or ellipse, or why it cannot be used.
struct Kreiswahl {
  std::optional<Ellipsenbogen> bogen;
  std::string fehler;
};
Kreiswahl waehleKreis(const Zeichnung& z, std::int32_t n, Kreisbedarf bedarf);

struct Konstruktion {
  Zeichenfigur figur;
  std::string fehler;  // "" when the figure holds the result
};

// The tangent from p to the figure e, the one whose touching point lies
// nearer to the click k that picked e.
Konstruktion tangenteVonPunkt(const Ellipsenbogen& e, Weltpunkt k, Weltpunkt p);
// The common tangent of two circles chosen by the clicks k1, k2 that picked them.
Konstruktion tangenteAnZweiKreise(const Ellipsenbogen& e1, Weltpunkt k1, const Ellipsenbogen& e2, Weltpunkt k2);
// The arc of radius r touching both circles, chosen by the clicks.
Konstruktion bogenAnZweiKreise(const Ellipsenbogen& e1, Weltpunkt k1, const Ellipsenbogen& e2, Weltpunkt k2, double r);
// `anzahl` copies of the circle or arc e, each `abstand` further out (aussen)
// or in; construction lines are full circles.
Konstruktion konzentrisch(const Ellipsenbogen& e, double abstand, bool aussen, int anzahl, bool hilfslinie);

// Adds the figure as one undo step with the current pen, line style, layer
// and sublayer (construction lines: the construction pen and colour), or
// with "Eigenschaften übernehmen" those of the picked element `vorlage`;
// the new elements are left marked, nothing else.
void legeKonstruktionAb(Werkzeugumgebung& u, const Zeichenfigur& f, const Zeichenvorgabe& v, std::int32_t vorlage);

}  // namespace quarzel
