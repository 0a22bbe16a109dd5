// The parameters of one CGM element as the interpreter asks for them; the
// binary and the clear-text encoding each supply them from their own bytes.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quarzel {

// How the binary encoding stores its numbers; the precision elements set it.
struct CgmGenauigkeit {
  int ganz = 16, index = 16, farbe = 8, farbindex = 8, vdcGanz = 16;
  bool vdcReell = false;
  bool reellFest = true, vdcReellFest = true;  // fixed point, else IEEE
  int reellBits = 32, vdcReellBits = 32;
};

struct CgmFarbwert {
  bool direkt = false;
  std::uint32_t index = 0;
  double r = 0, g = 0, b = 0;
};

class CgmParameter {
 public:
  virtual ~CgmParameter() = default;
  virtual bool binaer() const = 0;
  // Whether parameters are left; every read past the end gives 0 and sets fehler().
  virtual bool mehr() const = 0;
  virtual bool fehler() const = 0;
  virtual long long ganz() = 0;
  virtual long long index() = 0;
  // Binary: the number; clear text: the position of the keyword in `namen`, -1 when unknown.
  virtual int aufzaehlung(std::initializer_list<std::string_view> namen) = 0;
  virtual double reell() = 0;
  virtual double vdc() = 0;
  // The metric scale factor: in binary always a floating-point number.
  virtual double skalierungsfaktor() { return reell(); }
  virtual CgmFarbwert farbe(bool direkt) = 0;
  virtual std::string text() = 0;  // as the file's bytes
};

}  // namespace quarzel
