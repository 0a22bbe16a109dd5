#include "styles/tlmdatei.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/sicheredatei.h"
#include "base/textkodierung.h"
#include "base/zahlformat.h"

namespace quarzel {

namespace {

using linienstil::kEintraege;
using linienstil::kMuster;

constexpr std::string_view kKennung = "TLM";
constexpr std::size_t kHoechsteDateigroesse = 1u << 20;
constexpr std::size_t kLaengsterName = 255;
constexpr double kGroessteLaenge = 100;                  // mm
constexpr std::size_t kKomplexeZeilen = 2 + kEintraege;  // without the name
constexpr std::size_t kEinfacheZeilen = 2 + kEintraege;

// The lines of a text, without their line ends; at most `hoechstens`.
std::vector<std::string_view> zeilen(std::string_view text, std::size_t hoechstens) {
  std::vector<std::string_view> z;
  while (!text.empty() && z.size() < hoechstens) {
    const std::size_t ende = text.find_first_of("\r\n");
    z.push_back(text.substr(0, ende));
    if (ende == std::string_view::npos) break;
    text.remove_prefix(ende + (text.compare(ende, 2, "\r\n") == 0 ? 2 : 1));
  }
  return z;
}

std::string_view ohneRand(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool istFalse(std::string_view s) {
  s = ohneRand(s);
  if (s.size() != 5) return false;
  for (std::size_t i = 0; i < 5; ++i) {
    const char c = s[i] >= 'a' && s[i] <= 'z' ? static_cast<char>(s[i] - 'a' + 'A') : s[i];
    if (c != "FALSE"[i]) return false;
  }
  return true;
}

double laenge(std::string_view s) {
  const auto z = leseZahl(s);
  return z && *z > 0 ? std::min(*z, kGroessteLaenge) : 0;
}

std::string name(std::string_view zeile, std::string vorgabe) {
  std::string n = alsUtf8(zeile);
  if (n.size() > kLaengsterName) {
    std::size_t ende = kLaengsterName;
    // Cut before a UTF-8 continuation byte, not inside a character.
    while (ende > 0 && (static_cast<unsigned char>(n[ende]) & 0xC0) == 0x80) --ende;
    n.resize(ende);
  }
  return n.empty() ? vorgabe : n;
}

std::string zeilenname(std::string_view n) {
  std::string s(n);
  std::replace(s.begin(), s.end(), '\r', ' ');
  std::replace(s.begin(), s.end(), '\n', ' ');
  return s;
}

void komplexAus(std::span<const std::string_view> z, KomplexesMuster& m) {
  m.fixedSection = istFalse(z[0]) ? 0 : 1;
  const auto l = leseZahl(z[1]);
  m.sectionLength =
      l ? std::clamp(*l, KomplexesMuster::KleinsteAbschnittslaenge, KomplexesMuster::GroessteAbschnittslaenge) : 1.0;
  for (std::size_t i = 0; i < kEintraege; ++i) {
    const auto c = leseInt(z[2 + i]);
    m.section[i] = c && *c >= 0 && *c <= 255 ? static_cast<std::uint8_t>(*c) : 0;
  }
}

void einfachAus(std::span<const std::string_view> z, Strichmuster& m) {
  // z[0], the period, is recomputed.
  const auto anzahl = leseZahl(z[1]);
  m.dashCount = anzahl ? static_cast<int>(std::clamp(std::trunc(*anzahl), 0.0, double(kEintraege))) : 0;
  m.dashPeriod = 0;
  for (std::size_t i = 0; i < kEintraege; ++i) {
    m.dash[i] = laenge(z[2 + i]);
    if (static_cast<int>(i) < m.dashCount) m.dashPeriod += m.dash[i];
  }
}

std::uint8_t dxfAus(std::string_view z) {
  const auto d = leseInt(z);
  return d && *d >= 0 && *d <= 255 ? static_cast<std::uint8_t>(*d) : 0;
}

void komplexNach(std::string& t, const KomplexesMuster& m) {
  t += m.fixedSection ? "TRUE\n" : "FALSE\n";
  t += schreibeZahl(m.sectionLength) + '\n';
  for (const std::uint8_t c : m.section) t += std::to_string(c) + '\n';
}

void einfachNach(std::string& t, const Strichmuster& m) {
  t += schreibeZahl(m.dashPeriod) + '\n';
  t += std::to_string(m.dashCount) + '\n';
  for (const double d : m.dash) t += schreibeZahl(d) + '\n';
}

}  // namespace

Tlmstatus leseTlm(std::string_view text, Linienstiltabelle& tabelle) {
  const std::size_t gesamt = 1 + kMuster * (1 + kKomplexeZeilen) + kMuster * (1 + kEinfacheZeilen) + kMuster;
  const std::string utf8 = textdateiNachUtf8(text.substr(0, kHoechsteDateigroesse));
  const std::vector<std::string_view> z = zeilen(utf8, gesamt);
  if (z.empty() || ohneRand(z[0]) != kKennung) return Tlmstatus::KeinMuster;

  std::size_t i = 1;
  const auto vorhanden = [&](std::size_t n) { return i + n <= z.size(); };
  for (int n = 1; n <= kMuster && vorhanden(1 + kKomplexeZeilen); ++n, i += 1 + kKomplexeZeilen) {
    KomplexesMuster& m = tabelle.komplexes(n);
    m.name = name(z[i], Linienstiltabelle::komplexerStandardname(n));
    komplexAus(std::span(z).subspan(i + 1, kKomplexeZeilen), m);
  }
  if (i != 1 + kMuster * (1 + kKomplexeZeilen)) return Tlmstatus::Unvollstaendig;
  for (int n = 1; n <= kMuster && vorhanden(1 + kEinfacheZeilen); ++n, i += 1 + kEinfacheZeilen) {
    EinfachesMuster& m = tabelle.einfaches(n);
    m.name = name(z[i], Linienstiltabelle::einfacherStandardname(n));
    einfachAus(std::span(z).subspan(i + 1, kEinfacheZeilen), m.muster);
  }
  for (int n = 1; n <= kMuster && vorhanden(1); ++n, ++i) tabelle.einfaches(n).dxfLineType = dxfAus(z[i]);
  return i == gesamt ? Tlmstatus::Gelesen : Tlmstatus::Unvollstaendig;
}

Tlmstatus ladeTlm(const std::filesystem::path& pfad, Linienstiltabelle& tabelle) {
  const Leseergebnis r = leseDateiBegrenzt(pfad, kHoechsteDateigroesse);
  if (r.status != Lesestatus::Gelesen && r.status != Lesestatus::Abgeschnitten) return Tlmstatus::KeinMuster;
  return leseTlm(r.inhalt, tabelle);
}

std::string schreibeTlm(const Linienstiltabelle& tabelle) {
  std::string t = std::string(kKennung) + '\n';
  for (const KomplexesMuster& m : tabelle.komplex) {
    t += zeilenname(m.name) + '\n';
    komplexNach(t, m);
  }
  for (const EinfachesMuster& m : tabelle.einfach) {
    t += zeilenname(m.name) + '\n';
    einfachNach(t, m.muster);
  }
  for (const EinfachesMuster& m : tabelle.einfach) t += std::to_string(m.dxfLineType) + '\n';
  return t;
}

bool speichereTlm(const std::filesystem::path& pfad, const Linienstiltabelle& tabelle, std::string* fehler) {
  return schreibeDateiAtomar(pfad, schreibeTlm(tabelle), fehler);
}

std::string schreibeKomplexenBlock(const KomplexesMuster& m) {
  std::string t;
  komplexNach(t, m);
  return t;
}

std::string schreibeEinfachenBlock(const EinfachesMuster& m) {
  std::string t;
  einfachNach(t, m.muster);
  t += std::to_string(m.dxfLineType) + '\n';
  return t;
}

bool leseKomplexenBlock(std::string_view text, KomplexesMuster& m) {
  const std::string utf8 = alsUtf8(text.substr(0, 4096));
  const auto z = zeilen(utf8, kKomplexeZeilen);
  if (z.size() < kKomplexeZeilen) return false;
  komplexAus(z, m);
  return true;
}

bool leseEinfachenBlock(std::string_view text, EinfachesMuster& m) {
  const std::string utf8 = alsUtf8(text.substr(0, 4096));
  const auto z = zeilen(utf8, kEinfacheZeilen + 1);
  if (z.size() < kEinfacheZeilen + 1) return false;
  einfachAus(std::span(z).first(kEinfacheZeilen), m.muster);
  m.dxfLineType = dxfAus(z[kEinfacheZeilen]);
  return true;
}

}  // namespace quarzel
