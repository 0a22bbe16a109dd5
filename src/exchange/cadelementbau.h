// CadElementbau: drawing primitives of an imported file as elements of the
// store, each with the current pen, line style, layer and sublayer.
//
// File coordinates (y upward, file units) become world millimetres on the
// sheet: x = x0 + X·f, y = y0 − Y·f, with f the import scale factor. The y
// axis turns round, so angles counted counter-clockwise in the file are
// counter-clockwise on the screen as well and are taken over unchanged.
#pragma once

#include <cstdint>
#include <limits>

#include "exchange/cadaufloesung.h"
#include "view/ansicht.h"

namespace quarzel {

struct Zeichnung;

struct Importlage {
  double f = 1;
  double x0 = 0, y0 = 0;  // world position of the file's origin
};

class CadElementbau {
 public:
  CadElementbau(Zeichnung& z, const CadModell& modell, Importlage lage, int punktdarstellung);

  // The style new elements take when their line type names none of ours:
  // the current line style, as the pen styles of a reader set it.
  std::int16_t grundstil = 1;

  // Adds the elements of one primitive; opens the undo step with the first.
  void baue(const CadWeltelement& e);

  bool etwasGebaut() const { return erstes_ != 0; }
  std::int32_t erstes() const { return erstes_; }
  std::int32_t anzahl() const { return anzahl_; }
  // The box of what was built since the last call of beginneBox().
  void beginneBox();
  Weltrechteck box() const { return box_; }
  bool boxLeer() const { return box_.x1 > box_.x2; }
  // Adds a built element to the box, for elements made outside baue().
  void fertig(std::int32_t n);

 private:
  Weltpunkt welt(double x, double y) const { return {lage_.x0 + x * lage_.f, lage_.y0 - y * lage_.f}; }
  Weltpunkt welt(const CadPunkt& p) const { return welt(p.x, p.y); }
  void linie(Weltpunkt a, Weltpunkt b);
  void ellipse(const CadWeltelement& e);
  void polylinie(const CadWeltelement& e);
  void bogenAusWoelbung(const CadPunkt& p, const CadPunkt& q, double woelbung);
  void polygon(bool geschlossen, bool gefuellt);
  void bezier(const CadWeltelement& e);
  void text(const CadWeltelement& e);
  void punkt(const CadWeltelement& e);
  void umfasse(Weltpunkt p);

  Zeichnung& z_;
  const CadModell& m_;
  Importlage lage_;
  int punktdarstellung_;
  std::uint32_t farbe_ = 0;
  std::int32_t erstes_ = 0, anzahl_ = 0;
  static constexpr double kGross = std::numeric_limits<double>::max();
  Weltrechteck box_{kGross, kGross, -kGross, -kGross};
};

}  // namespace quarzel
