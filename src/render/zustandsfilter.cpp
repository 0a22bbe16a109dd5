#include "render/zustandsfilter.h"

namespace quarzel {

void Zustandsfilter::setzeStift(Farbe farbe, double breitePixel, Stiftart art) {
  if (stiftBekannt_ && farbe == stiftfarbe_ && breitePixel == stiftbreite_ && art == stiftart_) return;
  stiftBekannt_ = true;
  stiftfarbe_ = farbe;
  stiftbreite_ = breitePixel;
  stiftart_ = art;
  ziel_.setzeStift(farbe, breitePixel, art);
}

void Zustandsfilter::setzePinsel(Farbe farbe, bool keinPinsel) {
  if (pinselBekannt_ && farbe == pinselfarbe_ && keinPinsel == keinPinsel_) return;
  pinselBekannt_ = true;
  pinselfarbe_ = farbe;
  keinPinsel_ = keinPinsel;
  ziel_.setzePinsel(farbe, keinPinsel);
}

void Zustandsfilter::setzeStiftmodus(Stiftmodus modus) {
  if (modusBekannt_ && modus == modus_) return;
  modusBekannt_ = true;
  modus_ = modus;
  ziel_.setzeStiftmodus(modus);
}

void Zustandsfilter::setzeClip(std::span<const Pixelpunkt> p) {
  stiftBekannt_ = pinselBekannt_ = modusBekannt_ = false;
  ziel_.setzeClip(p);
}

void Zustandsfilter::clipAufheben() {
  stiftBekannt_ = pinselBekannt_ = modusBekannt_ = false;
  ziel_.clipAufheben();
}

}  // namespace quarzel
