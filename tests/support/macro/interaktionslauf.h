// A macro run with the words that talk to the user, answered from answer
// lines as quarzel-cli answers them, in a millimetre drawing at 1:1. Its
// files live in a folder of their own that also holds the symbol
// "Tisch.QZS" (one line from (0,0) to (10,0)).
#pragma once

#include <gtest/gtest.h>

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

// One run of a table of word tests: the source, its answer lines, and what
// must come of it — the stack (deepest first, "|" between), or a macro error
// code whose text contains `text`, or (code 0) a complaint about the answers
// that contains `text` and stops the run.
struct Interaktionsfall {
  const char* name;
  std::string quelltext;
  std::vector<std::string> antworten;
  const char* stapel;
  int fehler = 0;
  const char* text = "";
};

inline std::string verbunden(const std::vector<std::string>& teile) {
  std::string t;
  for (std::size_t i = 0; i < teile.size(); ++i) t += (i ? "|" : "") + teile[i];
  return t;
}

inline void pruefeFall(const Interaktionsfall& f) {
  Interaktionslauf m(f.antworten);
  m.laufe(f.quelltext);
  const std::string beschwerde = m.antworten.fehler().value_or("");
  if (f.fehler != 0) {
    EXPECT_EQ(m.fehlercode(), f.fehler) << f.name << ": " << m.fehlertext();
    EXPECT_NE(m.fehlertext().find(f.text), std::string::npos) << f.name << ": " << m.fehlertext();
  } else if (*f.text) {
    EXPECT_NE(beschwerde.find(f.text), std::string::npos) << f.name << ": " << beschwerde;
    EXPECT_EQ(m.ende, Laufende::Gestoppt) << f.name;
  } else {
    EXPECT_EQ(m.fehlercode(), 0) << f.name << ": " << m.fehlertext();
    EXPECT_EQ(beschwerde, "") << f.name;
    EXPECT_EQ(verbunden(m.stapel()), f.stapel) << f.name;
  }
}

}  // namespace quarzel::test
