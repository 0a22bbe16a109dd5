// Satzschreiber: the element records of the record stream that drawing and
// symbol files share. Each element is preceded by the attribute records whose
// value changed since the last one written, so the stream carries only what
// differs from element to element.
//
// The two files differ in three choices (Satzschreibart): a drawing names
// every element's layer and sublayer, a symbol takes the layer it is
// inserted on and leaves them out; a symbol writes its line style as "S"
// with 16 bits, a drawing as "s"; a symbol's coordinates are relative to its
// insertion point, a drawing's to the world origin.
#pragma once

#include <cstdint>

#include "base/bytestrom.h"
#include "store/dateiformat.h"
#include "store/elementspeicher.h"

namespace quarzel {

struct Satzschreibart {
  bool mitLage = true;    // "H" and "E" records
  bool stilAlsS = false;  // the line style as "S" (16 bits) instead of "s"
  double bezugX = 0;      // subtracted from every coordinate
  double bezugY = 0;
};

class Satzschreiber {
 public:
  Satzschreiber(Schreibstrom& s, const Elementspeicher& speicher, Satzschreibart art = {});

  // Element n with the attribute records it needs, each record with its
  // marker. False when the format cannot hold it (nothing is written then).
  bool schreibeElement(std::int32_t n);

 private:
  double x(double v) const { return v - art_.bezugX; }
  double y(double v) const { return v - art_.bezugY; }
  void punkt(double px, double py);

  template <class T>
  void attribut(std::uint8_t tag, T& zuletzt, T wert);
  void lage(std::int32_t n);
  void stil(std::int16_t s);
  void attributwert(std::uint32_t wert, std::uint8_t flag);
  void paar(std::uint8_t tag, std::uint8_t& za, std::uint8_t& ze, std::uint8_t a, std::uint8_t e);
  void fuellwerte(const Fuellangaben& f);
  template <class Satz>
  void strichattribute(std::int32_t n, const Satz& d);

  bool schreibePolygon(std::int32_t n);
  void schreibeText(std::int32_t n);
  void schreibeLinie(std::int32_t n);
  void schreibeBemassung(std::int32_t n);
  bool schreibeBild(std::int32_t n);

  Schreibstrom& s_;
  const Elementspeicher& sp_;
  Satzschreibart art_;
  datei::Attributzustand a_;
};

}  // namespace quarzel
