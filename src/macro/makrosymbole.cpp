#include "macro/makrosymbole.h"

#include <cctype>

#include "macro/makrostapel.h"
#include "macro/makrowerte.h"
#include "macro/schreibweise.h"
#include "platform/skriptbenutzer.h"
#include "store/symboldatei.h"
#include "store/symboleinfuegen.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// A symbol folder is the user's: a link loop or a huge tree must not hang
// the run.
constexpr std::size_t HoechsteSuchtiefe = 16;
constexpr std::size_t HoechsteEintraege = 200000;

bool istSymbolname(const std::string& name) {
  const std::string gross = grossschreibung(name);
  return gross.find(".QZS") != std::string::npos || gross.find(".DET") != std::string::npos;
}

bool hatOrdner(const std::string& name) {
  return name.find('/') != std::string::npos || name.find('\\') != std::string::npos;
}

std::optional<std::filesystem::path> sucheIn(const std::filesystem::path& ordner, const std::string& gesucht) {
  std::error_code fehler;
  if (!std::filesystem::is_directory(ordner, fehler)) return std::nullopt;
  std::filesystem::recursive_directory_iterator it(ordner, std::filesystem::directory_options::skip_permission_denied,
                                                   fehler);
  std::size_t gesehen = 0;
  for (const std::filesystem::recursive_directory_iterator ende; !fehler && it != ende; it.increment(fehler)) {
    if (++gesehen > HoechsteEintraege) break;
    if (static_cast<std::size_t>(it.depth()) >= HoechsteSuchtiefe) it.disable_recursion_pending();
    std::error_code f2;
    if (!it->is_regular_file(f2)) continue;
    if (grossschreibung(it->path().filename().string()) == gesucht) return it->path();
  }
  return std::nullopt;
}

Makrofehlerfall fall(Makrofehler code, std::string x) {
  return {code, std::move(x), {}, {}, {}};
}

}  // namespace

std::optional<std::filesystem::path> findeSymboldatei(const std::string& name,
                                                      const std::vector<std::filesystem::path>& ordner) {
  if (name.empty()) return std::nullopt;
  std::string datei = name;
  if (std::filesystem::path(datei).extension().empty()) datei += ".QZS";
  std::error_code fehler;
  if (hatOrdner(datei)) {
    std::string pfad = datei;
    for (char& c : pfad)
      if (c == '\\') c = '/';
    if (std::filesystem::is_regular_file(pfad, fehler)) return std::filesystem::path(pfad);
    return std::nullopt;
  }
  const std::string gesucht = grossschreibung(datei);
  for (const std::filesystem::path& o : ordner) {
    if (auto gefunden = sucheIn(o, gesucht)) return gefunden;
  }
  return std::nullopt;
}

std::optional<Makrofehlerfall> symbolwort(Befehl b, Makrostapel& s, Zeichnung& z,
                                          const std::vector<std::filesystem::path>& ordner, Weltpunkt aktuell) {
  const std::size_t hoechstens = b == Befehl::LOADSYM ? 2 : 4;
  // The name is the first operand from the top that is no number.
  std::size_t zahlen = 0;
  while (zahlen < hoechstens && zahlen < s.groesse() && liesMakrowert(s.oben(zahlen))) ++zahlen;
  if (zahlen == hoechstens || zahlen == s.groesse()) {
    if (b == Befehl::LOADSYM) return fall(Makrofehler::SymbolFehlt, s.oben(0));
    return fall(Makrofehler::UnterprogrammFehlt, s.oben(0));
  }
  if (b == Befehl::LOADSYM) zahlen = std::min<std::size_t>(zahlen, 1);
  const std::string name = s.oben(zahlen);
  const double massstab = z.massstabInKraft();
  Symbolplatzierung platz;
  if (b == Befehl::LOADSYM) {
    platz.punkt = z.ansicht.userToWorld(0, 0, massstab);
    if (zahlen == 1) platz.winkel = makrowert(s.oben(0));
  } else if (zahlen >= 2) {
    platz.punkt = z.ansicht.userToWorld(makrowert(s.oben(zahlen - 1)), makrowert(s.oben(zahlen - 2)), massstab);
    if (zahlen == 3) platz.winkel = makrowert(s.oben(0));
  } else {
    platz.punkt = aktuell;
    if (zahlen == 1) platz.winkel = makrowert(s.oben(0));
  }
  if (!std::isfinite(platz.punkt.x) || !std::isfinite(platz.punkt.y) || !std::isfinite(platz.winkel)) {
    return fall(Makrofehler::UngueltigerParameter, std::string(befehlswort(b)));
  }
  // The symbol turns with the coordinate system, as the figures do.
  platz.winkel += z.ansicht.coordAngle;

  const auto pfad = findeSymboldatei(name, ordner);
  if (!pfad) return fall(Makrofehler::SymbolFehlt, name);
  SkriptBenutzer still;
  Symbolladeergebnis geladen = ladeSymbol(pfad->string(), still);
  if (!geladen.geladen || !geladen.symbol) {
    Makrofehlerfall f = fall(Makrofehler::SymbolFehlt, name);
    f.eigenerText = "Das Symbol " + name + " konnte nicht gelesen werden: " + geladen.fehler;
    return f;
  }
  fuegeSymbolEin(z, *geladen.symbol, platz, symbolgruppenname(pfad->string()));
  s.entferne(zahlen + 1);
  return std::nullopt;
}

std::optional<std::string> symbolAnElement(const Zeichnung& z, std::int32_t element) {
  const Elementspeicher& sp = z.speicher;
  if (element < 1 || element > sp.anzahl()) return std::nullopt;
  int tiefe = 0;
  for (std::int32_t n = element; n >= 1; --n) {
    if (!sp.lebendig(n)) continue;
    const Elementart art = sp.art(n);
    if (art == Elementart::Gruppenende && n != element) {
      ++tiefe;
    } else if (art == Elementart::Gruppenanfang) {
      if (tiefe > 0) {
        --tiefe;
      } else if (istSymbolname(sp.gruppe(n).name)) {
        return sp.gruppe(n).name;
      }
    }
  }
  return std::nullopt;
}

}  // namespace quarzel
