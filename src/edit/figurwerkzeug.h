// Figurwerkzeug: the common behaviour of the line and the area module. Each
// tool is a row of the tool table (werkzeugtabelle.h): how many points finish
// it, whether the right button or a double click may finish it early, and the
// function that turns its points into a figure. The module collects the points in the shared
// Werkzeugzustand, shows the figure of the points so far plus the mouse as a
// rubber band, and adds the figure of the last point as one undo step.
//
// Free-hand tools: the state machine collects the stroke's points while the
// button is held and paints them itself; the release ends the figure.
//
// Arcs (the tools with an angle group) take a typed third point as the start
// and end angle in degrees (x = start, y = end) and finish at once.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>

#include "edit/gummiband.h"
#include "edit/werkzeugcode.h"
#include "edit/werkzeugmodul.h"
#include "edit/zeichenfigur.h"
#include "edit/zeichenvorgabe.h"

namespace quarzel {

struct Figurpunkte {
  std::span<const Weltpunkt> p;
  // Typed start and end angle of an arc, in degrees.
  std::optional<std::pair<double, double>> winkel;
  // World size, for construction lines that run across the whole world.
  double weltBreite = 10000, weltHoehe = 10000;
  // Tools that take two point lists one after the other: the points of the
  // first (0 while it is being given).
  std::size_t haelfte = 0;

  std::size_t n() const { return p.size(); }
};

using Figurbauer = Zeichenfigur (*)(const Figurpunkte&, const Zeichenvorgabe&);

struct Werkzeugzeile;

class Figurwerkzeug : public Werkzeugmodul {
 public:
  // Serves the rows of the tool table of `gruppe` that have a figure.
  explicit Figurwerkzeug(Werkzeuggruppe gruppe) : gruppe_(gruppe) {}

  // Filled by the window from its panels and the configuration.
  Zeichenvorgabe vorgabe;

  bool bedient(Werkzeugcode code) const { return suche(code) != nullptr; }

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override;
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override;
  void abbrechen(Werkzeugumgebung& u) override;
  void getippterPunkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void doppelklick(Werkzeugumgebung& u, Weltpunkt p) override;
  // Free-hand tools end their stroke when the left button is released.
  void loslassen(Werkzeugumgebung& u, Weltpunkt p, bool klick) override;

 protected:
  // The fill of new areas; nullptr for plain outlines.
  virtual const Flaechenvorgabe* flaeche() const { return nullptr; }
  // The points that finish the tool's figure (0 = the right button does);
  // the row's count unless the module knows better.
  virtual std::size_t zielpunkte(const Werkzeugzeile& a) const;
  // Further facts about the points for the figure builder.
  virtual void ergaenze(Figurpunkte& f) const { (void)f; }

 private:
  const Werkzeugzeile* suche(Werkzeugcode code) const;
  Figurpunkte punkte(const Werkzeugumgebung& u, std::span<const Weltpunkt> p) const;
  void schliesseAb(Werkzeugumgebung& u, const Werkzeugzeile& a, std::optional<std::pair<double, double>> winkel = {});
  void zurueck(Werkzeugumgebung& u);

  Werkzeuggruppe gruppe_;
  Gummiband band_;
};

}  // namespace quarzel
