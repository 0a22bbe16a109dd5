// The bill-of-materials words of a macro on a real bill of materials: masks,
// the list of the placed symbols, symbol attributes, and their errors.
#include <gtest/gtest.h>

#include "project/makrostuecklistenanschluss.h"
#include "support/macro/interaktionslauf.h"

namespace quarzel {
namespace {

// A run whose user and program folders lie in a folder of its own, with two
// tables "Tisch.QZS" placed in the drawing.
struct Listenlauf : test::Zeichnungsmakrolauf {
  test::TempOrdner ordner;
  Umgebung umgebung = [this](std::string_view name) -> std::optional<std::string> {
    if (name == "QUARZEL_DATA_DIR") return (ordner / "programm").string();
    if (name == "XDG_DATA_HOME") return (ordner / "daten").string();
    return std::nullopt;
  };
  Makroantworten antworten{{}};
  Makrostuecklistenanschluss stueckliste{zeichnung, umgebung};
  std::unique_ptr<Makrointeraktion> interaktion;

  Listenlauf() : Zeichnungsmakrolauf(true) {
    test::legeSymbolAn(ordner / "Tisch.QZS");
    Makrointeraktionsumfeld u;
    u.zeichnung = &zeichnung;
    u.zeichner = &zeichner;
    u.symbolordner = {ordner.pfad()};
    u.stueckliste = &stueckliste;
    interaktion = std::make_unique<Makrointeraktion>(antworten, std::move(u));
    interpreter.setzeErweiterung(interaktion.get());
    lauf("(Tisch) 1 1 MOVESYMBOL (Tisch) 5 5 MOVESYMBOL");
  }
};

TEST(Makrostuecklistenanschluss, WoerterMitIhrenFehlern) {
  const struct {
    const char* quelltext;
    const char* ergebnis;  // the top of the stack, or "Fehler n"
  } faelle[] = {
      {"(Alle Symbole) CREATESYMLIST", "1"},
      {"(Alle Symbole) CREATESYMLIST POP 1 (SYMBOLNAME) GETLISTINFO", "Tisch.QZS"},
      {"(Alle Symbole) CREATESYMLIST POP (Tisch.QZS) (Anzahl) GETLISTINFO", "2"},
      {"1 (SYMBOLNAME) GETLISTINFO", "Fehler 16"},
      {"(Alle Symbole) CREATESYMLIST POP (Stuhl.QZS) (Anzahl) GETLISTINFO", "Fehler 17"},
      {"(Alle Symbole) CREATESYMLIST POP 2 (Anzahl) GETLISTINFO", "Fehler 18"},
      {"(Keine) SETMASK", "Fehler 14"},
      {"(Keine) CREATESYMLIST", "Fehler 15"},
      {"(Tisch.QZS) (Keine) SETSYMMASK", "Fehler 14"},
      {"(Leuchten) (Typ;Preis) CREATEMASK (Leuchten) SETMASK () CREATESYMLIST", "0"},
      {"(Leuchten) (Typ) CREATEMASK (Leuchten) SETMASK () CREATESYMLIST POP 1 (Typ) GETLISTINFO", "Fehler 19"},
      {"(Möbel) (Holz;Preis) CREATEMASK (Tisch.QZS) (Möbel) SETSYMMASK (Tisch.QZS) 1 (Eiche) SETSYMINFO "
       "(Möbel) CREATESYMLIST POP 1 (Holz) GETLISTINFO",
       "Eiche"},
      {"(Tisch.QZS) 10 (99,50) SETSYMINFO (Tisch.QZS) 10 GETSYMINFO", "99,50"},
      {"(Tisch.QZS) 3 GETSYMINFO", ""},
      {"(Tisch.QZS) 11 GETSYMINFO", "Fehler 5"},
      {"(Tisch.QZS) 0 (x) SETSYMINFO", "Fehler 5"},
  };
  for (const auto& f : faelle) {
    Listenlauf m;
    ASSERT_EQ(m.fehlercode(), 0) << m.fehlertext();
    m.interpreter.stapel().leere();
    m.lauf(f.quelltext);
    const std::string ergebnis = m.fehlercode() ? "Fehler " + std::to_string(m.fehlercode()) : m.oben();
    EXPECT_EQ(ergebnis, f.ergebnis) << f.quelltext << " " << m.fehlertext();
  }
}

}  // namespace
}  // namespace quarzel
