// Fangsuche: the snap search every point from the mouse passes before a tool
// sees it. It moves the cursor to the nearest characteristic point of a
// nearby element, to an intersection, to the nearest point of an edge, to a
// grid node or to the ruler subdivision, and then rounds the direction from
// the previous point to the angle grid.
//
// The main window holds one per drawing; the tool modules call fange() on
// every mouse move and click. Elements near the cursor are found through a
// spatial index kept in step with the store's change counter; `mitIndex`
// false walks the whole store instead, with the same results.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "edit/fangeinstellungen.h"
#include "edit/fangindex.h"
#include "platform/uhr.h"
#include "store/zeichnung.h"

namespace quarzel {

class Wachposten;

class Fangsuche {
 public:
  // The drawing must outlive the search; it may be replaced as a whole
  // (loading), the index notices.
  explicit Fangsuche(const Zeichnung& zeichnung) : zeichnung_(zeichnung), index_(zeichnung.speicher) {}

  // Find candidates through the index (true) or by walking the store.
  bool mitIndex = true;
  // For giving up when the user has moved on: the clock and the screen
  // cursor in drawing-area pixels. Without either the search always ends.
  const Uhr* uhr = nullptr;
  std::function<Pixelpunkt()> cursorposition;

  // The snapped position for the cursor (x, y) in pixels. A call made while
  // another runs (from inside the cursor query) is refused and returns the
  // cursor unchanged.
  Fangergebnis fange(int x, int y, const Fangeinstellungen& einstellungen, const Fangkontext& kontext);

  bool laeuft() const { return laeuft_; }
  const Fangindex& index() const { return index_; }
  // Brings the index up to date now (e.g. after loading), so that the next
  // mouse move does not pay for it.
  void aktualisiereIndex() { index_.aktualisiere(); }

 private:
  // Step 4: the candidates in store order. False when given up.
  bool sammle(const Fangeinstellungen& e, const Weltrechteck& fenster, Wachposten& wache);
  bool qualifiziert(const Fangeinstellungen& e, const Weltrechteck& fenster, std::int32_t n) const;

  const Zeichnung& zeichnung_;
  Fangindex index_;
  bool laeuft_ = false;
  std::vector<std::int32_t> treffer_;
  std::vector<std::int32_t> kandidaten_;
};

}  // namespace quarzel
