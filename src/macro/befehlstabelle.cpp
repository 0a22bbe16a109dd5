#include "macro/befehlstabelle.h"

#include <array>
#include <cstddef>

namespace quarzel {

namespace {

#define QUARZEL_BEFEHL_EINTRAG(name, wort, gruppe, min, max) \
  Befehlseintrag{wort, Befehl::name, Befehlsgruppe::gruppe, min, max, true},
constexpr Befehlseintrag RoheTabelle[] = {QUARZEL_BEFEHLSLISTE(QUARZEL_BEFEHL_EINTRAG)};
#undef QUARZEL_BEFEHL_EINTRAG

constexpr std::size_t Anzahl = std::size(RoheTabelle);

// Enumerators are numbered from 1 in list order; `eintrag` relies on it.
constexpr bool inListenreihenfolge() {
  for (std::size_t i = 0; i < Anzahl; ++i) {
    if (static_cast<std::size_t>(RoheTabelle[i].befehl) != i + 1) return false;
  }
  return true;
}
static_assert(inListenreihenfolge());

constexpr std::array<Befehlseintrag, Anzahl> baueTabelle() {
  std::array<Befehlseintrag, Anzahl> t{};
  for (std::size_t i = 0; i < Anzahl; ++i) {
    t[i] = RoheTabelle[i];
    // Commands the interpreter knows although the editor does not list them.
    if (t[i].befehl == Befehl::UNDO || t[i].befehl == Befehl::NUMIROEDIT) t[i].imEditor = false;
  }
  return t;
}
constexpr std::array<Befehlseintrag, Anzahl> Tabelle = baueTabelle();

constexpr std::size_t laengstesWort() {
  std::size_t l = 0;
  for (const Befehlseintrag& e : Tabelle) l = e.wort.size() > l ? e.wort.size() : l;
  return l;
}
constexpr std::size_t LaengstesWort = laengstesWort();

constexpr char ascigross(char c) {
  return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// Only ASCII needs folding: every command word is ASCII, and no other letter
// of the code page has an ASCII capital.
constexpr std::uint32_t hashGross(std::string_view t) {
  std::uint32_t h = 2166136261u;
  for (char c : t) {
    h ^= static_cast<unsigned char>(ascigross(c));
    h *= 16777619u;
  }
  return h;
}

constexpr bool gleichGross(std::string_view token, std::string_view wort) {
  if (token.size() != wort.size()) return false;
  for (std::size_t i = 0; i < token.size(); ++i) {
    if (ascigross(token[i]) != wort[i]) return false;
  }
  return true;
}

// Open addressing with linear probing; at most half full, so a miss ends soon.
constexpr std::size_t Plaetze = 512;
static_assert(Plaetze >= 2 * Anzahl);

constexpr std::array<std::uint16_t, Plaetze> baueHashtabelle() {
  std::array<std::uint16_t, Plaetze> h{};  // 0 = empty, else index + 1
  for (std::size_t i = 0; i < Anzahl; ++i) {
    std::size_t p = hashGross(Tabelle[i].wort) & (Plaetze - 1);
    while (h[p] != 0) p = (p + 1) & (Plaetze - 1);
    h[p] = static_cast<std::uint16_t>(i + 1);
  }
  return h;
}
constexpr std::array<std::uint16_t, Plaetze> Hashtabelle = baueHashtabelle();

}  // namespace

std::span<const Befehlseintrag> befehlstabelle() {
  return Tabelle;
}

Befehl findeBefehl(std::string_view token) {
  if (token.empty() || token.size() > LaengstesWort) return Befehl::Keiner;
  for (std::size_t p = hashGross(token) & (Plaetze - 1);; p = (p + 1) & (Plaetze - 1)) {
    const std::uint16_t platz = Hashtabelle[p];
    if (platz == 0) return Befehl::Keiner;
    const Befehlseintrag& e = Tabelle[platz - 1];
    if (gleichGross(token, e.wort)) return e.befehl;
  }
}

const Befehlseintrag* eintrag(Befehl befehl) {
  const auto n = static_cast<std::size_t>(befehl);
  return (n >= 1 && n <= Anzahl) ? &Tabelle[n - 1] : nullptr;
}

std::string_view befehlswort(Befehl befehl) {
  const Befehlseintrag* e = eintrag(befehl);
  return e ? e->wort : std::string_view();
}

}  // namespace quarzel
