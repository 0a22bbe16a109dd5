// Helpers of the interpreter tests: run a source text and look at the stack,
// the variables and the reported error.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "macro/makrointerpreter.h"
#include "macro/makrozeichner.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"

namespace quarzel::test {

struct Makrolauf {
  SkriptBenutzer benutzer;
  Makrointerpreter interpreter;
  Laufende ende = Laufende::Beendet;

  Makrolauf() { interpreter.setzeBenutzer(&benutzer); }

  Laufende lauf(std::string_view quelltext, const Makrostart& start = {}) {
    ende = interpreter.starteQuelltext(quelltext, start);
    return ende;
  }

  // The stack, deepest first.
  std::vector<std::string> stapel() const {
    std::vector<std::string> s;
    for (std::size_t i = 0; i < interpreter.stapel().groesse(); ++i) s.push_back(interpreter.stapel().an(i));
    return s;
  }
  std::string oben() const { return interpreter.stapel().leer() ? "<leer>" : interpreter.stapel().oben(); }
  std::string variable(std::string_view name) const {
    const std::string* w = interpreter.variablen().finde(name);
    return w ? *w : "<fehlt>";
  }
  int fehlercode() const {
    return interpreter.letzterFehler() ? static_cast<int>(interpreter.letzterFehler()->code) : 0;
  }
  std::string fehlertext() const { return interpreter.letzterFehler() ? interpreter.letzterFehler()->text : ""; }
};

// Millimetres at 1:1, on the drawing and its first layer.
inline void aufMillimeter(Zeichnung& z) {
  z.ansicht.unitCode = 1;
  z.ansicht.unitFactor = 1.0;
  z.ansicht.unitName = "mm";
  z.ansicht.drawingScale = 1;
  z.ebenen.setzeMassstab(1, 0);
}

// A run that draws: a drawing as a new one starts (metres, 1:100), or with
// `mm` one in millimetres at 1:1.
struct Zeichnungsmakrolauf : Makrolauf {
  Zeichnung zeichnung;
  Makrozeichner zeichner{zeichnung};

  explicit Zeichnungsmakrolauf(bool mm = false) {
    initialisiere(zeichnung.speicher);
    if (mm) aufMillimeter(zeichnung);
    interpreter.setzeZeichnung(&zeichnung);
    interpreter.setzeZeichner(&zeichner);
  }
  int lebende() const {
    int n = 0;
    for (std::int32_t i = 1; i <= zeichnung.speicher.anzahl(); ++i) n += zeichnung.speicher.lebendig(i);
    return n;
  }
};

// The top of the stack after running `quelltext`, or "Fehler n".
inline std::string ergebnis(std::string_view quelltext) {
  Makrolauf m;
  m.lauf(quelltext);
  if (m.fehlercode() != 0) return "Fehler " + std::to_string(m.fehlercode());
  return m.oben();
}

}  // namespace quarzel::test
