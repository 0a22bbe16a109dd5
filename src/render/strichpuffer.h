// Strichpuffer: the pieces of one styled line, collected so that the whole
// line goes to the canvas in one multi-polyline call (and its filled symbols
// in one polygon call each).
//
// The buffer is bounded: at most kMaxPunkte points and kMaxStuecke pieces per
// line; once full, further pieces are dropped, so no zoom, however large,
// makes a line allocate without bound. The vectors keep their capacity from
// line to line, so a redraw of many dashed lines allocates only at its start.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <span>
#include <vector>

#include "platform/canvas.h"

namespace quarzel {

class Strichpuffer {
 public:
  static constexpr std::size_t kMaxPunkte = 32000;
  static constexpr std::size_t kMaxStuecke = 32000;

  void leeren() {
    punkte_.clear();
    laengen_.clear();
    flaechenpunkte_.clear();
    flaechenlaengen_.clear();
    zug_.clear();
  }
  bool voll() const { return punkte_.size() + 2 > kMaxPunkte || laengen_.size() >= kMaxStuecke; }

  // A new two-point piece; false (and nothing added) when the buffer is full.
  bool stueck(Pixelpunkt a, Pixelpunkt b) {
    if (voll()) return false;
    punkte_.push_back(a);
    punkte_.push_back(b);
    laengen_.push_back(2);
    return true;
  }
  // A two-point piece with the dot rule of beendeZug.
  bool stueckMitPunktregel(Pixelpunkt a, Pixelpunkt b, double richtungX, double richtungY) {
    if (imSelbenPixel(a, b)) b = {a.x + richtungX, a.y + richtungY};
    return stueck(a, b);
  }
  static bool imSelbenPixel(Pixelpunkt a, Pixelpunkt b) {
    if (a.x == b.x && a.y == b.y) return true;
    if (std::fabs(b.x - a.x) >= 1 || std::fabs(b.y - a.y) >= 1) return false;
    return std::round(a.x) == std::round(b.x) && std::round(a.y) == std::round(b.y);
  }
  // A new piece of several points (an outline, a stroke with a corner). A
  // piece longer than the room left is cut there.
  bool stueck(std::span<const Pixelpunkt> p) {
    const std::size_t platz = kMaxPunkte - std::min(punkte_.size(), kMaxPunkte);
    if (p.size() > platz) p = p.first(platz);
    if (p.size() < 2 || laengen_.size() >= kMaxStuecke) return false;
    punkte_.insert(punkte_.end(), p.begin(), p.end());
    laengen_.push_back(static_cast<int>(p.size()));
    return true;
  }
  // An open piece that may run on over the corners of a polyline: begun,
  // continued point by point, and ended, when it joins the other pieces.
  // Ending applies the dot rule: a piece whose ends fall into the same pixel
  // is lengthened to one pixel along `richtung` (a unit vector), so that dots
  // of drawn length 0 stay visible.
  bool zugOffen() const { return !zug_.empty(); }
  void beginneZug(Pixelpunkt p) {
    zug_.clear();
    zug_.push_back(p);
  }
  void zugWeiter(Pixelpunkt p) {
    if (!zug_.empty() && zug_.size() < kMaxPunkte) zug_.push_back(p);
  }
  void beendeZug(double richtungX, double richtungY);
  // Ends an open piece without the dot rule (a run cut by the canvas edge).
  void beendeZug() { beendeZug(0, 0); }

  // A filled shape, drawn after the pieces.
  bool flaeche(std::span<const Pixelpunkt> p) {
    if (p.size() < 3 || flaechenpunkte_.size() + p.size() > kMaxPunkte || flaechenlaengen_.size() >= kMaxStuecke) {
      return false;
    }
    flaechenpunkte_.insert(flaechenpunkte_.end(), p.begin(), p.end());
    flaechenlaengen_.push_back(static_cast<int>(p.size()));
    return true;
  }

  std::size_t anzahlStuecke() const { return laengen_.size(); }
  std::size_t anzahlPunkte() const { return punkte_.size(); }
  std::size_t anzahlFlaechen() const { return flaechenlaengen_.size(); }

  // Ends an open piece, then one multi-polyline call for the pieces and the
  // filled shapes with a brush of `fuellfarbe`. The buffer is emptied.
  void zeichne(Canvas& canvas, Farbe fuellfarbe);

 private:
  std::vector<Pixelpunkt> punkte_;
  std::vector<int> laengen_;
  std::vector<Pixelpunkt> flaechenpunkte_;
  std::vector<int> flaechenlaengen_;
  std::vector<Pixelpunkt> zug_;
};

}  // namespace quarzel
