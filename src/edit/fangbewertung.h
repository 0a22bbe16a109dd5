// The inside of one snap search: the running best candidate and the rules by
// which a candidate replaces it, the watch that gives the search up when the
// cursor has moved on, and the passes over the candidate elements (their
// edges and points, then their intersections). Used by Fangsuche only.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "edit/ellipsenbogen.h"
#include "edit/fangeinstellungen.h"
#include "edit/fangformen.h"
#include "platform/uhr.h"

namespace quarzel {

// Best distance while nothing is found.
inline constexpr double nichtsGefunden = 10'000'000;

// Candidates are compared in pixels. A point is taken when it lies within the
// capture radius r and strictly nearer than the best so far: of equal
// distances the first offered stays. An edge counts as r - 1 pixels however
// near it is, and once taken leaves r - 1 as the best distance: a
// characteristic point found before it and nearer than r - 1 keeps its
// place, another edge never replaces it, and a point offered after it
// replaces it whenever that point lies within r.
class Fangbewertung {
 public:
  Fangbewertung(const Ansicht& ansicht, double cursorX, double cursorY, int radius)
      : ansicht_(ansicht), cx_(cursorX), cy_(cursorY), r_(radius) {}

  void bieteKante(Weltpunkt p, std::int32_t element);
  void bietePunkt(Weltpunkt p, Fangart art, std::int32_t element, std::int32_t element2 = 0);
  void bietePixel(Pixelpunkt p, Fangart art, std::int32_t element = 0, std::int32_t element2 = 0);

  bool gefunden() const { return beste_ < nichtsGefunden; }
  double besteDistanz() const { return beste_; }
  // The best candidate as a result (cursor unchanged when nothing was found).
  Fangergebnis ergebnis() const;

 private:
  const Ansicht& ansicht_;
  double cx_, cy_;
  int r_;
  double beste_ = nichtsGefunden;
  bool kante_ = false;
  Pixelpunkt punkt_{};
  Fangart art_ = Fangart::Keine;
  std::int32_t element_ = 0, element2_ = 0;
};

// Gives the search up when, at a check more than 10 ms after the previous
// one, the cursor lies more than r pixels (in x or in y) from where it was
// when the search started. The clock is read only every few hundred steps.
class Wachposten {
 public:
  Wachposten(const Uhr* uhr, const std::function<Pixelpunkt()>* cursor, Pixelpunkt start, int radius);
  // False once the search is to be given up.
  bool weiter() {
    if (aufgegeben_) return false;
    if ((++schritte_ & 255u) != 0) return true;
    return pruefe();
  }
  bool aufgegeben() const { return aufgegeben_; }

 private:
  bool pruefe();
  const Uhr* uhr_;
  const std::function<Pixelpunkt()>* cursor_;
  Pixelpunkt start_;
  int r_;
  std::uint32_t letztePruefung_ = 0;
  std::uint32_t schritte_ = 0;
  bool aufgegeben_ = false;
};

// What one search works on.
struct Fanglauf {
  const Elementspeicher& speicher;
  const Fangeinstellungen& einstellungen;
  Weltpunkt cursor;      // world
  Weltrechteck fenster;  // the capture window, world
  Fangbewertung& bewertung;
  Wachposten& wache;
};

// Per candidate in store order: its edge, then its end, mid and quadrant
// points. False when given up.
bool bewerteElemente(const Fanglauf& lauf, const std::vector<std::int32_t>& kandidaten);

// The line/circle and circle/circle pass, then the line/line, line/polygon
// edge and polygon edge/polygon edge pass, over all pairs of candidates in
// store order; crossings inside the capture window are offered as points.
// False when given up.
bool bewerteSchnittpunkte(const Fanglauf& lauf, const std::vector<std::int32_t>& kandidaten);

}  // namespace quarzel
