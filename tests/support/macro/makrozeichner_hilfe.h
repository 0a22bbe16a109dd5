// Fixture of the drawing-word tests: a drawing in millimetres at 1:1 with the
// zero point at (1000, 2000), and a tiny runner that pushes data tokens and
// hands command words to the Makrozeichner, as the interpreter does.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>

#include "macro/befehlstabelle.h"
#include "macro/makrostapel.h"
#include "macro/makrovariablen.h"
#include "macro/makrozeichner.h"
#include "support/macro/makrolauf_hilfe.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"

namespace quarzel::test {

class MakrozeichnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    initialisiere(z.speicher);
    aufMillimeter(z);
    z.ansicht.zeroPoint = {1000, 2000};
    m.laufBeginnt();
  }

  // Runs blank-separated tokens; "_" stands for a blank inside a value.
  // Stops at the first error and returns it.
  std::optional<Makrofehler> lauf(const std::string& programm) {
    std::istringstream ein(programm);
    std::string t;
    while (ein >> t) {
      const Befehl b = findeBefehl(t);
      if (b == Befehl::Keiner) {
        for (char& c : t)
          if (c == '_') c = ' ';
        s.lege(t);
        continue;
      }
      if (auto f = m.fuehreAus(b, s, v)) return f;
    }
    return std::nullopt;
  }

  // The elements of the drawing that are alive, in drawing order.
  std::vector<std::int32_t> lebende() const {
    std::vector<std::int32_t> r;
    for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n)
      if (z.speicher.lebendig(n)) r.push_back(n);
    return r;
  }

  const Tliniendaten& linie(std::int32_t n) const { return z.speicher.linie(n); }

  // A line's end points as {x1, y1, x2, y2}, to compare in one go.
  std::array<double, 4> strecke(std::int32_t n) const {
    const Tliniendaten& l = linie(n);
    return {l.x1, l.y1, l.x2, l.y2};
  }

  Zeichnung z;
  Makrostapel s;
  Makrovariablen v;
  Makrozeichner m{z};
};

// Values that agree within 1e-9 each; where a turned system or a unit
// factor makes the exact value unreachable.
template <std::size_t N>
::testing::AssertionResult nahe(const std::array<double, N>& ist, const std::array<double, N>& soll) {
  for (std::size_t i = 0; i < N; ++i)
    if (!(std::fabs(ist[i] - soll[i]) <= 1e-9))
      return ::testing::AssertionFailure() << "value " << i << " is " << ist[i] << ", expected " << soll[i];
  return ::testing::AssertionSuccess();
}

}  // namespace quarzel::test
