#include "styles/schraffurdatei.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>

#include "base/sicheredatei.h"
#include "base/textkodierung.h"
#include "base/zahlformat.h"

namespace quarzel {

namespace {

constexpr std::size_t Zeilenanzahl = 2 + 4 * Schraffurdefinition::Musteranzahl;

std::string_view ohneRand(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t' || t.front() == '\r')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r')) t.remove_suffix(1);
  return t;
}

// The first `anzahl` entries of a ";"-list; entries that are absent or blank
// are std::nullopt, so their place keeps its default.
template <std::size_t N>
std::array<std::optional<std::string_view>, N> eintraege(std::string_view zeile) {
  std::array<std::optional<std::string_view>, N> ergebnis{};
  for (std::size_t i = 0; i < N && !zeile.empty(); ++i) {
    const std::size_t ende = zeile.find(';');
    const std::string_view e = ohneRand(zeile.substr(0, ende));
    if (!e.empty()) ergebnis[i] = e;
    if (ende == std::string_view::npos) break;
    zeile.remove_prefix(ende + 1);
  }
  return ergebnis;
}

template <std::size_t N>
std::array<std::optional<std::string_view>, N> eintraege(const std::vector<std::string>& liste) {
  std::array<std::optional<std::string_view>, N> ergebnis{};
  for (std::size_t i = 0; i < N && i < liste.size(); ++i) {
    const std::string_view e = ohneRand(liste[i]);
    if (!e.empty()) ergebnis[i] = e;
  }
  return ergebnis;
}

// A whole number in [min, max]; decimals are rounded.
std::optional<long long> ganzzahl(std::optional<std::string_view> e, long long min, long long max) {
  if (!e) return std::nullopt;
  const std::optional<double> z = leseZahl(*e);
  if (!z || !std::isfinite(*z)) return std::nullopt;
  const double r = std::round(*z);
  if (r < static_cast<double>(min) || r > static_cast<double>(max)) return std::nullopt;
  return static_cast<long long>(r);
}

void setzeRichtungen(Schraffurdefinition& d, const std::array<std::optional<std::string_view>, 6>& werte) {
  for (std::size_t p = 0; p < werte.size(); ++p) {
    if (auto r = ganzzahl(werte[p], std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()))
      d.muster[p].direction = static_cast<std::int32_t>(*r);
  }
}

// The four value groups of one pattern, by group index 0 active, 1 distance,
// 2 style, 3 pen.
void setzeGruppe(Schraffurmuster& m, int gruppe, const std::array<std::optional<std::string_view>, 5>& werte) {
  for (std::size_t i = 0; i < werte.size(); ++i) {
    Schraffurlinie& l = m.linien[i];
    if (gruppe == 1) {
      if (!werte[i]) continue;
      const std::optional<double> a = leseZahl(*werte[i]);
      // Zero, negative and non-numbers keep the default; a fill must never be
      // asked to step by nothing.
      if (a && std::isfinite(*a) && *a > 0)
        l.distance = std::clamp(*a, Schraffurlinie::MinAbstand, Schraffurlinie::MaxAbstand);
      continue;
    }
    const auto wert = gruppe == 0 ? ganzzahl(werte[i], std::numeric_limits<std::int32_t>::min(),
                                             std::numeric_limits<std::int32_t>::max())
                                  : ganzzahl(werte[i], 0, 255);
    if (!wert) continue;
    if (gruppe == 0) l.active = *wert != 0 ? 1 : 0;
    if (gruppe == 2) l.style = static_cast<std::uint8_t>(*wert);
    if (gruppe == 3) l.pen = static_cast<std::uint8_t>(*wert);
  }
}

std::string liste(std::span<const std::string> werte, bool abschliessend) {
  std::string t;
  for (std::size_t i = 0; i < werte.size(); ++i) {
    if (i > 0) t += ';';
    t += werte[i];
  }
  if (abschliessend) t += ';';
  return t;
}

std::string kommazahl(double wert) {
  std::string t = schreibeZahl(wert);
  for (char& c : t)
    if (c == '.') c = ',';
  return t;
}

// The five values of one group as text entries.
std::vector<std::string> gruppenwerte(const Schraffurmuster& m, int gruppe) {
  std::vector<std::string> werte;
  for (const Schraffurlinie& l : m.linien) {
    switch (gruppe) {
      case 0:
        werte.push_back(std::to_string(l.active));
        break;
      case 1:
        werte.push_back(kommazahl(l.distance));
        break;
      case 2:
        werte.push_back(std::to_string(l.style));
        break;
      default:
        werte.push_back(std::to_string(l.pen));
        break;
    }
  }
  return werte;
}

std::vector<std::string> richtungswerte(const Schraffurdefinition& d) {
  std::vector<std::string> werte;
  for (const Schraffurmuster& m : d.muster) werte.push_back(std::to_string(m.direction));
  return werte;
}

constexpr std::array<std::string_view, 4> IniGruppen = {"Aktiv", "Abstand", "Art", "Stiftdicke"};

}  // namespace

std::optional<Schraffurdefinition> leseTsc(std::string_view rohtext, std::string name) {
  const std::string text = textdateiNachUtf8(rohtext.substr(0, HoechsteTscGroesse));
  std::array<std::string_view, Zeilenanzahl> zeilen{};
  std::string_view rest = text;
  for (std::size_t i = 0; i < zeilen.size() && !rest.empty(); ++i) {
    const std::size_t ende = rest.find('\n');
    zeilen[i] = ohneRand(rest.substr(0, ende));
    rest = ende == std::string_view::npos ? std::string_view{} : rest.substr(ende + 1);
  }
  const auto massstab = ganzzahl(zeilen[0].empty() ? std::nullopt : std::optional(zeilen[0]),
                                 std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
  if (!massstab) return std::nullopt;

  Schraffurdefinition d = vorgabeSchraffur(std::move(name));
  d.scaleDependent = *massstab != 0 ? 1 : 0;
  setzeRichtungen(d, eintraege<6>(zeilen[1]));
  for (std::size_t p = 0; p < d.muster.size(); ++p) {
    for (int g = 0; g < 4; ++g) setzeGruppe(d.muster[p], g, eintraege<5>(zeilen[2 + 4 * p + g]));
  }
  return d;
}

std::string schreibeTsc(const Schraffurdefinition& d) {
  std::string t = d.scaleDependent ? "1\r\n" : "0\r\n";
  t += liste(richtungswerte(d), false) + "\r\n";
  for (const Schraffurmuster& m : d.muster) {
    for (int g = 0; g < 4; ++g) t += liste(gruppenwerte(m, g), g == 1) + "\r\n";
  }
  return t;
}

std::optional<Schraffurdefinition> leseTscDatei(const std::filesystem::path& pfad, std::string name) {
  const Leseergebnis gelesen = leseDateiBegrenzt(pfad, HoechsteTscGroesse);
  if (gelesen.status != Lesestatus::Gelesen && gelesen.status != Lesestatus::Abgeschnitten) return std::nullopt;
  return leseTsc(gelesen.inhalt, std::move(name));
}

bool schreibeTscDatei(const std::filesystem::path& pfad, const Schraffurdefinition& definition, std::string* fehler) {
  return schreibeDateiAtomar(pfad, schreibeTsc(definition), fehler);
}

std::vector<std::string> schraffurIniNamen(const IniDatei& ini) {
  return ini.schluessel(SchraffurIniNamen);
}

std::optional<Schraffurdefinition> leseSchraffurIni(const IniDatei& ini, std::string_view name) {
  if (name.empty() || !ini.hatSchluessel(SchraffurIniNamen, name)) return std::nullopt;
  Schraffurdefinition d = vorgabeSchraffur(std::string(name));
  d.scaleDependent = ini.leseBool(name, "Masstab", false) ? 1 : 0;
  setzeRichtungen(d, eintraege<6>(ini.leseListe(name, "Richtung")));
  for (std::size_t p = 0; p < d.muster.size(); ++p) {
    const std::string nummer = std::to_string(p + 1);
    for (int g = 0; g < 4; ++g)
      setzeGruppe(d.muster[p], g, eintraege<5>(ini.leseListe(name, std::string(IniGruppen[g]) + nummer)));
  }
  return d;
}

}  // namespace quarzel
