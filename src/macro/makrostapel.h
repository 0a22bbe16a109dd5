// Makrostapel: the operand stack of a macro run.
//
// Every value of the language is a string; numbers are strings that read as
// numbers. Words read their operands deepest first (as written in the
// source), so `oben(0)` is the last operand and `oben(n - 1)` the first of n.
// Popping an empty stack is a caller bug: every word checks `groesse()`
// against its operand count before it touches the stack (error 1 otherwise).
// The stack never grows beyond `Hoechstgroesse` entries; a word that would
// push past it reports an error instead of eating the memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quarzel {

class Makrostapel {
 public:
  // A runaway loop that only pushes ends with an error, not with the memory.
  static constexpr std::size_t Hoechstgroesse = 1'000'000;

  Makrostapel() { werte_.reserve(500); }

  std::size_t groesse() const { return werte_.size(); }
  bool leer() const { return werte_.empty(); }
  // There is room for `anzahl` more values.
  bool hatPlatz(std::size_t anzahl = 1) const { return werte_.size() + anzahl <= Hoechstgroesse; }

  void lege(std::string wert) { werte_.push_back(std::move(wert)); }
  void legeZahl(double z);
  void legeWahrheit(bool w) { lege(w ? "-1" : "0"); }

  std::string nimm() {
    std::string w = std::move(werte_.back());
    werte_.pop_back();
    return w;
  }
  // Pops and reads the value tolerantly as a number; throws Makrozahlfehler
  // when it is none (see makrowerte.h).
  double nimmZahl();
  // Drops the top `anzahl` values (anzahl <= groesse()).
  void entferne(std::size_t anzahl) { werte_.resize(werte_.size() - anzahl); }

  // tiefe 0 is the top; tiefe < groesse().
  const std::string& oben(std::size_t tiefe = 0) const { return werte_[werte_.size() - 1 - tiefe]; }
  std::string& oben(std::size_t tiefe = 0) { return werte_[werte_.size() - 1 - tiefe]; }
  // Entry i counted from the bottom (0 is the deepest).
  const std::string& an(std::size_t i) const { return werte_[i]; }

  void leere() { werte_.clear(); }

 private:
  std::vector<std::string> werte_;
};

}  // namespace quarzel
