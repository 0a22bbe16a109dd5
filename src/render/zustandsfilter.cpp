#include "render/zustandsfilter.h"

namespace quarzel {

namespace {

// Points held back at most; a batch this size costs the device no more per
// segment than a bigger one.
constexpr std::size_t kBuendelgroesse = 16384;

}  // namespace

void Zustandsfilter::buendelZeichnen() {
  if (buendel_.empty()) return;
  ziel_.strecken(buendel_);
  buendel_.clear();
}

void Zustandsfilter::polylinie(std::span<const Pixelpunkt> p) {
  // A segment of one point is a dot on some devices and nothing on others:
  // it keeps its own call.
  if (p.size() == 2 && (p[0].x != p[1].x || p[0].y != p[1].y)) {
    if (buendel_.size() >= kBuendelgroesse) buendelZeichnen();
    buendel_.insert(buendel_.end(), p.begin(), p.end());
    return;
  }
  buendelZeichnen();
  ziel_.polylinie(p);
}

void Zustandsfilter::strecken(std::span<const Pixelpunkt> p) {
  for (std::size_t i = 0; i + 1 < p.size(); i += 2) polylinie(p.subspan(i, 2));
}

void Zustandsfilter::setzeStift(Farbe farbe, double breitePixel, Stiftart art) {
  if (stiftBekannt_ && farbe == stiftfarbe_ && breitePixel == stiftbreite_ && art == stiftart_) return;
  buendelZeichnen();
  stiftBekannt_ = true;
  stiftfarbe_ = farbe;
  stiftbreite_ = breitePixel;
  stiftart_ = art;
  ziel_.setzeStift(farbe, breitePixel, art);
}

void Zustandsfilter::setzePinsel(Farbe farbe, bool keinPinsel) {
  if (pinselBekannt_ && farbe == pinselfarbe_ && keinPinsel == keinPinsel_) return;
  buendelZeichnen();
  pinselBekannt_ = true;
  pinselfarbe_ = farbe;
  keinPinsel_ = keinPinsel;
  ziel_.setzePinsel(farbe, keinPinsel);
}

void Zustandsfilter::setzeStiftmodus(Stiftmodus modus) {
  if (modusBekannt_ && modus == modus_) return;
  buendelZeichnen();
  modusBekannt_ = true;
  modus_ = modus;
  ziel_.setzeStiftmodus(modus);
}

void Zustandsfilter::setzeClip(std::span<const Pixelpunkt> p) {
  buendelZeichnen();
  stiftBekannt_ = pinselBekannt_ = modusBekannt_ = false;
  ziel_.setzeClip(p);
}

void Zustandsfilter::clipAufheben() {
  buendelZeichnen();
  stiftBekannt_ = pinselBekannt_ = modusBekannt_ = false;
  ziel_.clipAufheben();
}

}  // namespace quarzel
