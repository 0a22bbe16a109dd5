// The rubber band of an edit command: the outlines of the marked elements,
// moved, turned or mirrored by the map the cursor gives, drawn in XOR mode.
// The pixels drawn last are kept, so erasing repeats exactly that figure even
// when the view changed meanwhile. Large selections show their box instead,
// which keeps a mouse move cheap.
#pragma once

#include <cstddef>
#include <vector>

#include "edit/elementumriss.h"
#include "platform/canvas.h"
#include "store/elementabbildung.h"
#include "store/zeichnung.h"

namespace quarzel {

class Umrissvorschau {
 public:
  // Above this many marked elements the selection's box stands for them.
  static constexpr std::size_t kHoechstElemente = 200;

  // Takes the outlines of the marked, selectable elements (world mm).
  void sammle(const Zeichnung& z);
  bool leer() const { return umriss_.leer(); }
  bool gezeichnet() const { return gezeichnet_; }

  // Erases the previous figure and draws the outlines mapped by `a`.
  void zeige(Canvas* c, const Ansicht& ansicht, const Abbildung& a);
  void loesche(Canvas* c);

 private:
  Umriss umriss_;
  std::vector<Pixelpunkt> pixel_;
  std::vector<int> laengen_;
  bool gezeichnet_ = false;
};

// An XOR rectangle between two pixel points that remembers whether it shows.
class Gummirahmen {
 public:
  void zeige(Canvas* c, Pixelpunkt a, Pixelpunkt b);
  void loesche(Canvas* c);
  bool gezeichnet() const { return gezeichnet_; }

 private:
  void zeichne(Canvas* c) const;
  Pixelpunkt a_, b_;
  bool gezeichnet_ = false;
};

}  // namespace quarzel
