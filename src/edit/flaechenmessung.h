// Flaechenmessung: the measuring tools for areas and sums of lengths.
//
//  313 "Flächenbemaßung" (first button): the corners of an outline are
//      clicked one by one, the rubber band shows the outline so far, closed;
//      the right button finishes where it is pressed. A click with Ctrl held
//      instead picks a polygon, spline, Bézier or arc and measures its
//      outline at once (arcs closed by their chord, holes along seams left
//      out). The area's label is a text element at the finishing point:
//        - the room name asked in the input window "Raumbezeichnung" (the
//          last one proposed; empty: none), as an architect writes
//          "Wohnen 24,50 m²": with the area alone on the same line, else on
//          a line of its own above the values;
//        - "F: " area, "U: " perimeter ("Umfang angeben"), "WFl: " living
//          area ("Mit Putzabzug "), one line each; the area alone without
//          "F: " when neither option is on.
//      Its height is the measuring-text height in pixels at the current
//      zoom. "Abbrechen" in an input window places nothing and keeps the
//      clicked corners, so the right button may finish again.
//  313 "Flächen messen" (second button, Werkzeugzustand::knopf 1): the same
//      outline, finishing only shows "Fläche:" and "Umfang:" in the panel.
//  316 "Maße addieren": each click picks a line, polyline, curve, arc or
//      dimension and adds its length (a dimension: its dimension line) to
//      "Gesamtmaß:"; the right button ends the sum, the next pick starts anew.
//
// Living area: the opening height (the clear height of the measured area,
// "Eingabe der Öffnungshöhe") decides how much counts: from 2 m all of it,
// from 1 m half, below nothing. The plaster ("Putzstärke in cm") comes off
// along the whole perimeter: WFl = (F - U x Putzstärke) x share. The corner
// squares this leaves out are below 0.002 m² per room at 2 cm.
//
// Values are in the drawing units of the measured element's layer (clicked
// outlines: the layer in force), named after the unit ("m²", "m").
#pragma once

#include <string>

#include "edit/flaechenberechnung.h"
#include "edit/gummiband.h"
#include "edit/werkzeugmodul.h"
#include "styles/bemassungsstil.h"
#include "platform/farbe.h"

namespace quarzel {

class Benutzer;
class Fangsuche;

// The panel's options of the measuring tools.
struct Messvorgabe {
  bool umfangAngeben = false;  // "Umfang angeben"
  bool mitPutzabzug = false;   // "Mit Putzabzug "
  double putzstaerkeCm = 2;    // "Putzstärke in cm", 0..20
  bool hundertstel = false;    // areas rounded to 1/100 instead of 1/1000
  Farbe farbe = 0;             // the label's colour: the drawing colour
  Farbe gummibandfarbe = 0;
};

// What the panel shows after a measurement.
struct Messanzeige {
  std::string flaeche;  // "Fläche:"
  std::string umfang;   // "Umfang:"
  std::string gesamt;   // "Gesamtmaß:"
  std::string einheit;  // the unit label beside "Gesamtmaß:"
};

// The living area of an area f with perimeter u (drawing units), plaster
// in drawing units and the opening height in drawing units; `meter`:
// drawing units per metre.
double wohnflaeche(double f, double u, double putz, double hoehe, double meter);

class Flaechenmessung : public Werkzeugmodul {
 public:
  Messvorgabe vorgabe;
  Messanzeige anzeige;
  // The dimension style gives the labels' height ("Messtexte:"); without
  // one the height of a fresh style.
  const Bemassungsstil* stil = nullptr;
  Benutzer* benutzer = nullptr;
  Fangsuche* fangsuche = nullptr;

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override;
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override;
  void abbrechen(Werkzeugumgebung& u) override;

 private:
  // Shows the measured values (in the units of layer `ebene`) and, for the
  // area dimension, labels them at `ort`. False: the user cancelled.
  bool miss(Werkzeugumgebung& u, const Flaechenmass& m, int ebene, Weltpunkt ort);
  void addiere(Werkzeugumgebung& u, Weltpunkt p);
  void melde(const std::string& text);

  Gummiband band_;
  double gesamt_ = 0;
  bool neueSumme_ = true;
  std::string raum_;  // the last room name
};

}  // namespace quarzel
