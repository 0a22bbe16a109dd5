// The module of the construction group: new lines derived from a picked
// reference line. Every tool starts by picking a line (a click on it, found
// by the hit test); what follows:
//
//   200  a point P: the perpendicular from P to the line, foot to P. A length
//        typed at "Länge bestimmen" instead raises the perpendicular at the
//        foot of the pick, that long, on the side of the mouse.
//   201  the mouse gives side and distance: the parallel through it; a click
//        places it ("Anzahl:" parallels at 1, 2, ... times that distance).
//   208  a click gives the side; the distance is "Abstand zur Referenzlinie:"
//        in drawing units. When that is 0, or Ctrl is held with the click,
//        the input window asks for it. "Anzahl:" parallels at n x distance.
//   204  a point P: the three further sides of the parallelogram on the line
//        and P; P is the corner next to the line's end nearer to it.
//   209  the pick fixes the vertex, the point of the line nearest to it; the
//        new line leaves it at "Winkel zur Referenzlinie:" (counter-clockwise
//        from the line's direction) and the mouse, or a typed length, gives
//        how long it is.
//   210  a second line: the line dividing the two at "Teilungsverhältnis:"
//        per cent of the way from the first (50: centred), end against end.
//   212  a second line: the bisector of their corner, between the sides on
//        which they were clicked, as long as the shorter side; parallel lines
//        get the centred line.
// Construction lines (803..807, 809) are the same constructions drawn with
// the construction pen across the whole world, as the single ones (800..802)
// are: 803 the perpendicular through P, 804 the angled line through P (the
// second point says where it passes, as a line across the world has no
// length), 805 and 807 the parallels, 806 the dividing line, 809 the bisector.
//
// Circles (202, 203, 205, 206, 213, 811, 812) are another module's: each
// operation is handed on to `kreise` when it is set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "edit/gummiband.h"
#include "edit/werkzeugmodul.h"
#include "edit/zeichenvorgabe.h"

namespace quarzel {

class Benutzer;
class Fangsuche;

class Konstruktionswerkzeuge : public Werkzeugmodul {
 public:
  // Colours and the construction fields of the property bar
  // (abstandZurReferenzlinie ... ankerlinienAnzeigen).
  Zeichenvorgabe vorgabe;
  Benutzer* benutzer = nullptr;
  Fangsuche* fangsuche = nullptr;
  // The circle constructions; connected by whoever owns both modules.
  Werkzeugmodul* kreise = nullptr;
  // The last sentence the user was told ("" after success).
  std::string letzterFehler;

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override;
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override;
  void abbrechen(Werkzeugumgebung& u) override;
  void getippterPunkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void doppelklick(Werkzeugumgebung& u, Weltpunkt p) override;
  void loslassen(Werkzeugumgebung& u, Weltpunkt p, bool klick) override;

 private:
  struct Bezugslinie {
    std::int32_t n = 0;
    Weltpunkt a, b, klick;
  };
  // The circle tools' module, when the active tool is one of them.
  Werkzeugmodul* kreismodul(const Werkzeugumgebung& u) const;
  bool waehleLinie(Werkzeugumgebung& u, Weltpunkt p, Bezugslinie& l);
  // The new lines for the point p (the mouse or a click); `laenge` a typed length.
  std::vector<Figurlinie> konstruktion(const Werkzeugumgebung& u, Weltpunkt p, std::optional<double> laenge,
                                       double abstand) const;
  // The new lines from the first and a second line; `fehler` tells why none.
  std::vector<Figurlinie> zweiLinien(const Werkzeugumgebung& u, const Bezugslinie& zweite, std::string& fehler) const;
  // The fixed distance in world millimetres; nullopt when the user cancelled.
  std::optional<double> festerAbstand(Werkzeugumgebung& u, Weltpunkt p);
  void lege(Werkzeugumgebung& u, const std::vector<Figurlinie>& linien);
  void melde(const std::string& text);
  void zeigeAnker(Werkzeugumgebung& u);

  Bezugslinie erste_;
  std::optional<Weltpunkt> maus_;
  Gummiband band_;
  Gummiband anker_;
};

}  // namespace quarzel
