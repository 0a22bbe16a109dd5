// Ursprungswerkzeuge: the tools that place the user's coordinate system.
//
//   132 "Ursprung setzen": one point (clicked and snapped, or typed) becomes
//       the zero point; the further buttons of 132 move the grid origin
//       instead ("Rasterursprung setzen") or both at once ("Koordinaten- und
//       Rasterursprung setzen").
//   134 "Referenzpunkt setzen": one point becomes the point that relative
//       numeric entry starts from while a tool has collected nothing.
//   135 "Koordinatensystem drehen": the direction from a first to a second
//       point becomes the angle of the user's x axis; its second button
//       ("Raster und Koordinatensystem drehen") turns the grid with it. The
//       line module serves 135 (it dispatches by tool code), through the
//       Koordinatendrehung below.
//
// Zero point, grid origin and angles belong to the drawing (its file keeps
// them), so every change marks the drawing modified; the window redraws and
// keeps the grid angle of its configuration in step (ursprungGeaendert).
#pragma once

#include <cstdint>
#include <optional>

#include "edit/gummiband.h"
#include "edit/werkzeugmodul.h"

namespace quarzel {

// The buttons of 132, by Werkzeugzustand::knopf.
enum class Ursprungsknopf : std::uint8_t { Koordinaten = 0, Raster = 1, Beide = 2 };
// The buttons of 135.
enum class Drehknopf : std::uint8_t { Koordinatensystem = 0, MitRaster = 1 };

// Moves the zero point, the grid origin or both to p, as the button says.
void setzeUrsprung(Ansicht& ansicht, Weltpunkt p, std::uint8_t knopf);
// The angle in degrees, counter-clockwise as seen on screen, of the direction
// from `von` to `nach`; nothing when the points coincide.
std::optional<double> richtungswinkel(Weltpunkt von, Weltpunkt nach);
// Turns the user's coordinate system (and with MitRaster the grid) to `grad`.
void dreheKoordinatensystem(Ansicht& ansicht, double grad, std::uint8_t knopf);

// 132 and 134: one point each, no rubber band.
class Ursprungswerkzeuge : public Werkzeugmodul {
 public:
  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override { abbrechen(u), (void)p; }
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override { (void)u, (void)p; }
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override { (void)u; }
  void abbrechen(Werkzeugumgebung& u) override;
};

// 135: two points; the rubber band shows the new x axis.
class Koordinatendrehung : public Werkzeugmodul {
 public:
  Farbe gummibandfarbe = rgb(0, 0, 0);

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override { abbrechen(u), (void)p; }
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override;
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override { band_.loesche(u.rueckmeldung); }
  void abbrechen(Werkzeugumgebung& u) override;

 private:
  Gummiband band_;
};

}  // namespace quarzel
