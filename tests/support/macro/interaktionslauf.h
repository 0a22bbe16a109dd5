// A macro run with the words that talk to the user, answered from answer
// lines as quarzel-cli answers them, in a millimetre drawing at 1:1. Its
// files live in a folder of their own that also holds the symbol
// "Tisch.QZS" (one line from (0,0) to (10,0)).
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "edit/treffertest.h"
#include "macro/makroantworten.h"
#include "macro/makrointeraktion.h"
#include "platform/skriptbenutzer.h"
#include "store/symboldatei.h"
#include "support/macro/makrolauf_hilfe.h"
#include "support/speicherhilfen.h"
#include "support/tempordner.h"

namespace quarzel::test {

// Writes a symbol file of one line from (0,0) to (laenge,0).
inline void legeSymbolAn(const std::filesystem::path& datei, double laenge = 10) {
  Zeichnung quelle;
  initialisiere(quelle.speicher);
  aufMillimeter(quelle);
  linie(quelle.speicher, 0, 0, laenge, 0);
  const std::int32_t elemente[] = {1};
  SkriptBenutzer b;
  const std::vector<std::uint8_t> bytes = schreibeSymbol(*neuesSymbol(quelle, elemente, {0, 0}, b));
  std::filesystem::create_directories(datei.parent_path());
  std::ofstream(datei, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct Interaktionslauf : Zeichnungsmakrolauf {
  TempOrdner ordner;
  Makroantworten antworten;
  std::unique_ptr<Makrointeraktion> interaktion;

  // `anderes`: someone else answers instead of the answer lines.
  explicit Interaktionslauf(std::vector<std::string> zeilen, Makrogegenueber* anderes = nullptr)
      : Zeichnungsmakrolauf(true), antworten(std::move(zeilen), ordner.pfad()) {
    legeSymbolAn(ordner / "Tisch.QZS");
    Makrointeraktionsumfeld u;
    u.zeichnung = &zeichnung;
    u.zeichner = &zeichner;
    u.makroordner = ordner.pfad();
    u.symbolordner = {ordner.pfad()};
    interaktion = std::make_unique<Makrointeraktion>(anderes ? *anderes : antworten, std::move(u));
    antworten.setzeLauf(&interpreter);
    antworten.elementAn = [this](Weltpunkt p) { return elementUnterKlick(zeichnung, p, nullptr); };
    interpreter.setzeErweiterung(interaktion.get());
  }

  Laufende laufe(std::string_view quelltext) {
    ende = antworten.beantworteCursorwoerter(interpreter.starteQuelltext(quelltext), *interaktion, zeichnung);
    return ende;
  }
};

}  // namespace quarzel::test
