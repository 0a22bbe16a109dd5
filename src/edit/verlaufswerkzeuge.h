// Verlaufswerkzeuge: the gradient module. Each tool adds one gradient
// element (kind 6) whose points are its outline, with the drawing colour as
// the first colour and the property bar's "Farbe 2" as the second; the
// renderer (render/verlauf.h) paints the bands by the tool's type.
//
// Tool codes and their points:
//  400 linear: start and end of the run, then a point that gives the width
//      (the bands lie across the run; colour 1 at the start)
//  401 rectangular: two corners
//  402 polygon-shaped, 403 spline-shaped: corners until the right button
//      (at least three); 403 draws the outline as a smooth curve through them
//  404 circular: centre, radius
//  405 radial: centre, a point where the sweep starts (and the radius)
//  406 n-gon: centre, first corner; corners from the property bar (3..64)
//  407 between two polygons: the first polygon's corners, the right button,
//      then the second's; it ends by itself when the second has as many
//      corners as the first, or with the right button (the second polygon is
//      then refined on its longest edges until the counts match)
#pragma once

#include <cstddef>

#include "edit/figurwerkzeug.h"

namespace quarzel {

class Verlaufswerkzeuge : public Figurwerkzeug {
 public:
  Verlaufswerkzeuge() : Figurwerkzeug(Werkzeuggruppe::Verlaeufe) {}

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  void doppelklick(Werkzeugumgebung& u, Weltpunkt p) override;
  void abbrechen(Werkzeugumgebung& u) override;

 protected:
  std::size_t zielpunkte(const Werkzeugzeile& a) const override;
  void ergaenze(Figurpunkte& f) const override { f.haelfte = haelfte_; }

 private:
  // Tool 407: the corners of the first polygon once the right button fixed it.
  std::size_t haelfte_ = 0;
};

}  // namespace quarzel
