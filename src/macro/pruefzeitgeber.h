// Pruefzeitgeber: when the check pass runs while the user types.
//
// Every change of the source notes the time and starts the editor's timer.
// The pass waits until typing has paused for more than half a second, so it
// never runs between two keystrokes; a macro started from a file holds the
// editor meanwhile, and then the timer does nothing.
#pragma once

#include <cstdint>

namespace quarzel {

class Pruefzeitgeber {
 public:
  static constexpr std::uint32_t Ruhezeit = 500;  // ms without typing

  // The source changed at tick count `jetzt`; the timer runs from now on.
  void aenderung(std::uint32_t jetzt) {
    letzteAenderung_ = jetzt;
    laeuft_ = true;
  }

  // Whether the editor's timer should be running.
  bool laeuft() const { return laeuft_; }

  // One tick of the timer at `jetzt`. True when the check pass is to run now
  // (the check box "Quelltextprüfung" is on and typing has paused). Once
  // typing has paused the timer stops, whether or not the pass runs. The
  // tick count may wrap: the difference is taken unsigned.
  bool tick(std::uint32_t jetzt, bool pruefungEin, bool dateimakroLaeuft) {
    if (!laeuft_ || dateimakroLaeuft) return false;
    if (std::uint32_t(jetzt - letzteAenderung_) <= Ruhezeit) return false;
    laeuft_ = false;
    return pruefungEin;
  }

 private:
  std::uint32_t letzteAenderung_ = 0;
  bool laeuft_ = false;
};

}  // namespace quarzel
