// The circle constructions of the construction group: tangents, the arc
// touching two circles and concentric circles and arcs, with their
// construction-line twins. The group's module (konstruktionswerkzeuge.h)
// hands these codes on to this one. Picks go through the hit test; the rubber
// band shows the would-be result while the mouse moves after the first pick.
//
//   202  pick a circle, arc or ellipse, then a point: the tangent from the
//        point, touching on the side where the figure was picked.
//   203  pick two circles: the common tangent (outer or inner) whose
//        touching points lie nearest to the two picks.
//   205  pick two circles: the arc of `radius` ("Radius:") touching both,
//        again the one nearest to the picks. The radius comes from the panel
//        only: the two picks finish the tool, there is no third point.
//   206  pick a circle or arc, then a point (or type "2.) Radius"): copies
//        about the same centre through the point; with `anzahl` > 1 the
//        further copies keep stepping by the same distance.
//   213  pick a circle or arc, then click the side (inside or outside):
//        `anzahl` copies `abstand` apart. An `abstand` of 0, or Ctrl held
//        with the pick, asks for the distance in the input window.
//   811, 812  as 206 and 213, as full circles with the construction pen.
// Nothing is ever made from an ellipse but the tangent from a point. What
// cannot be done is told through `benutzer` (error box); without one
// (headless) it is only kept in `letzterFehler`.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "edit/gummiband.h"
#include "edit/kreiskonstruktionsoperationen.h"
#include "edit/werkzeugmodul.h"
#include "edit/zeichenvorgabe.h"

namespace quarzel {

class Benutzer;
class Fangsuche;

class Kreiskonstruktionen : public Werkzeugmodul {
 public:
  // Panel values, lengths in drawing units like typed coordinates: the
  // distance of 213 and 812, the copies made at once, the radius of 205.
  double abstand = 1;
  int anzahl = 1;
  double radius = 1;
  // Colours of results, construction lines and the rubber band.
  Zeichenvorgabe vorgabe;
  Benutzer* benutzer = nullptr;
  // Picks go through the snap search's spatial index when set.
  Fangsuche* fangsuche = nullptr;
  std::string letzterFehler;

  static bool bedient(Werkzeugcode code);

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override;
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override;
  void abbrechen(Werkzeugumgebung& u) override;

 private:
  // The first pick; false when it was refused or cancelled.
  bool waehleErsten(Werkzeugumgebung& u, Weltpunkt p);
  // The result of the second click or pick at p; `beimBewegen`: for the
  // rubber band, where a miss of the second circle is no error.
  Konstruktion ergebnis(Werkzeugumgebung& u, Weltpunkt p, bool beimBewegen);
  // Asks for the distance of 213 and 812; nothing when cancelled or wrong.
  std::optional<double> frageAbstand(Werkzeugumgebung& u);
  void melde(const std::string& fehler);
  bool hilfslinie(const Werkzeugumgebung& u) const;

  std::int32_t erste_ = 0;
  Ellipsenbogen bogen_;
  Weltpunkt ersterKlick_;
  double festerAbstand_ = 0;   // world millimetres, for this pick
  double letzterAbstand_ = 1;  // drawing units, proposed when the panel says 0
  Gummiband band_;
};

}  // namespace quarzel
