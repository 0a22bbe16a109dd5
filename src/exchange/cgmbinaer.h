// The binary encoding of CGM: element headers, partitions and the numbers
// by the current precisions.
#pragma once

#include <string>
#include <string_view>

#include "exchange/cgmparameter.h"

namespace quarzel {

class CgmInterpreter;

class CgmBinaerParameter : public CgmParameter {
 public:
  CgmBinaerParameter(std::string_view daten, const CgmGenauigkeit& g) : d_(daten), g_(g) {}
  bool binaer() const override { return true; }
  bool mehr() const override { return pos_ < d_.size(); }
  bool fehler() const override { return fehler_; }
  long long ganz() override { return vorzeichenbehaftet(g_.ganz); }
  long long index() override { return vorzeichenbehaftet(g_.index); }
  int aufzaehlung(std::initializer_list<std::string_view>) override { return static_cast<int>(vorzeichenbehaftet(16)); }
  double reell() override { return zahl(g_.reellFest, g_.reellBits); }
  double vdc() override;
  double skalierungsfaktor() override { return zahl(false, g_.reellBits == 64 && !g_.reellFest ? 64 : 32); }
  CgmFarbwert farbe(bool direkt) override;
  std::string text() override;

 private:
  unsigned long long bits(int n);
  long long vorzeichenbehaftet(int n);
  double zahl(bool fest, int bitzahl);
  void ausrichten();

  std::string_view d_;
  const CgmGenauigkeit& g_;
  std::size_t pos_ = 0;
  int bit_ = 0;  // bits used of the byte at pos_
  bool fehler_ = false;
};

// Runs every element of the file through the interpreter; false with the
// reason in `fehler` when the file is cut short.
bool cgmBinaerLesen(std::string_view daten, CgmInterpreter& i, std::string& fehler);

}  // namespace quarzel
