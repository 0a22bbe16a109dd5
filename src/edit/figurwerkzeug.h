// Figurwerkzeug: the common behaviour of the line and the area module. Each
// tool is a row of a table: how many points finish it, whether the right
// button or a double click may finish it early, and the function that turns
// its points into a figure. The module collects the points in the shared
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

  std::size_t n() const { return p.size(); }
};

using Figurbauer = Zeichenfigur (*)(const Figurpunkte&, const Zeichenvorgabe&);

struct Werkzeugart {
  std::uint16_t code = 0;
  int punktzahl = 2;          // points that finish the figure; 0 = any number
  int mindestens = 0;         // right button / double click finish with this many; 0 = they cancel
  bool winkelgruppe = false;  // the third typed group holds start and end angle
  bool freihand = false;      // the state machine collects the points itself
  Figurbauer figur = nullptr;
};

class Figurwerkzeug : public Werkzeugmodul {
 public:
  explicit Figurwerkzeug(std::span<const Werkzeugart> arten) : arten_(arten) {}

  // Filled by the window from its panels and the configuration.
  Zeichenvorgabe vorgabe;

  bool bedient(std::uint16_t code) const { return suche(code) != nullptr; }

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

 private:
  const Werkzeugart* suche(std::uint16_t code) const;
  Figurpunkte punkte(const Werkzeugumgebung& u, std::span<const Weltpunkt> p) const;
  void schliesseAb(Werkzeugumgebung& u, const Werkzeugart& a, std::optional<std::pair<double, double>> winkel = {});
  void zurueck(Werkzeugumgebung& u);

  std::span<const Werkzeugart> arten_;
  Gummiband band_;
};

}  // namespace quarzel
