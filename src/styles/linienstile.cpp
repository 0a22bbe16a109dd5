#include "styles/linienstile.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quarzel {

namespace {

using namespace linienstil;

Strichmuster baue(std::initializer_list<double> eintraege) {
  Strichmuster m;
  const std::vector<double> v(eintraege);
  m.setze(v);
  return m;
}

// Built-in slots 2..9 in pen widths; index 0 and 1 stay empty.
const std::array<Strichmuster, 10>& eingebaut() {
  static const std::array<Strichmuster, 10> t = {
      Strichmuster{},
      Strichmuster{},
      baue({8, 6}),
      baue({4, 3}),
      baue({0, 4}),
      baue({12, 9}),
      baue({4, 3, 1, 3}),
      baue({8, 6, 1, 6}),
      baue({4, 6, 1, 6, 1, 6}),
      baue({8, 9, 1, 9, 1, 9}),
  };
  return t;
}

// Short names for the predefined table.
constexpr std::uint16_t L = kLinie;                // long line along the path
constexpr std::uint16_t D = kPunkt;                // dot
constexpr std::uint16_t P = kSenkrecht;            // perpendicular stroke
constexpr std::uint16_t X = kSchraeg | kSchraeg2;  // cross
constexpr std::uint16_t O = kSchraeg;
constexpr std::uint16_t O2 = kSchraeg2;
constexpr std::uint16_t Q = kQuadrat;
constexpr std::uint16_t R = kRaute;
constexpr std::uint16_t K = kKreis;
constexpr std::uint16_t F = kPunkt;  // fill, together with a shape
constexpr std::uint16_t E = kEinseitig;
constexpr std::uint16_t G = kDoppelt;
constexpr std::uint16_t H = kHalb;
constexpr std::uint16_t A = kPfeil;

struct Vordefiniert {
  std::string_view name;
  std::array<std::uint16_t, kEintraege> codes;
};

// Styles 91..124. The names are the line-type names the CAD import maps onto
// these numbers, so an imported plan keeps its look.
constexpr std::array<Vordefiniert, kVordefinierte> kVordefiniert = {{
    {"1s3p", {L, L, L, L, L, 0, D, 0, D, 0, D, 0}},
    {"2s1p", {L, L, L, L, 0, L, L, L, L, 0, D, 0}},
    {"2s2p", {L, L, L, 0, L, L, L, 0, D, 0, D, 0}},
    {"2s3p", {L, L, 0, L, L, 0, D, 0, D, 0, D, 0}},
    {"strich_kreuz", {L, L, L, L, L, L, L, L, L, 0, X, 0}},
    {"kreuzlinie", {L, L, L, L, L, L | X, L, L, L, L, L, L | X}},
    {"waagerecht_senkrecht", {L, L, L, L, L, L | P | G, L, L, L, L, L, L | P | G}},
    {"fremdleitung", {L, L, L, L, L, L, 0, P, 0, P, 0, 0}},
    {"strich_kreis", {L, L, L, L, L, L, L, L, L, 0, K, 0}},
    {"böschung", {L | P | E | G, L, L | P | E, L, L | P | E | G, L, L | P | E, L, L | P | E | G, L, L | P | E, L}},
    {"isolierung", {O | G, O2 | G, O | G, O2 | G, O | G, O2 | G, O | G, O2 | G, O | G, O2 | G, O | G, O2 | G}},
    {"erdreich", {L | O | E, L, L | O | E, L, L | O | E, L, L | O | E, L, L | O | E, L, L | O | E, L}},
    {"hptltg_oberirdisch", {L, L, L, L, L, L, L, L, L, 0, K | F, 0}},
    {"hptltg_unterirdisch", {L, L, L, 0, L, L, L, 0, 0, K | F, 0, 0}},
    {"abbruch", {X, 0, X, 0, X, 0, X, 0, X, 0, X, 0}},
    {"abbruch_gestrichelt", {L, L, L, 0, X, 0, L, L, L, 0, X, 0}},
    {"sw", {L, L, L, L, L, L, L, L, L, 0, Q | F, 0}},
    {"sw_abbruch", {L, L, L, 0, X, 0, L, L, L, 0, Q | F, 0}},
    {"rw", {L, L, L, L, L, L, L, L, L, 0, R | F, 0}},
    {"rw_abbruch", {L, L, L, 0, X, 0, L, L, L, 0, R | F, 0}},
    {"mw", {L, L, L, L, L, L, L, L, L, 0, Q | K, 0}},
    {"mw_abbruch", {L, L, L, 0, X, 0, L, L, L, 0, Q | K, 0}},
    {"drainage", {L, L, L, 0, P, 0, L, L, L, 0, P, 0}},
    {"drainage_abbruch", {L, L, L, 0, P, 0, L, L, L, 0, X, 0}},
    {"lüftung", {L, L, L, L, L, L, L, L, L, 0, R, 0}},
    {"lüftung_pfeil", {L, L, L, L, L, L, L, L, L, L | A, L, L}},
    {"elektro", {L, L, L, L, L, L, L, L, L, 0, O | G, 0}},
    {"telefon", {L, L, L, L, L, L, L, 0, K, 0, K, 0}},
    {"gas", {L, L, L, L, L, L, L, L, L, 0, D | G, 0}},
    {"freihand1", {O | H, O2 | H, O | H, O2 | H, O | H, O2 | H, O | H, O2 | H, O | H, O2 | H, O | H, O2 | H}},
    {"freihand2", {O, O2, O, O2, O, O2, O, O2, O, O2, O, O2}},
    {"gelände1", {L | P | E, L, L, L, L | P | E, L, L, L, L | P | E, L, L, L}},
    {"gelände2", {L | P | E | G, L, L, L, L, L, L | P | E | G, L, L, L, L, L}},
    {"erdreich1", {L | X | E, L, L, L, L | X | E, L, L, L, L | X | E, L, L, L}},
}};

constexpr std::array<std::uint16_t, kEintraege> kLeereAbschnitte{};

int begrenzeNummer(int nummer) {
  return std::clamp(nummer, 1, kMuster);
}

std::string_view eingebauterName(int style) {
  switch (style) {
    case 1:
      return "Durchgezogen";
    case 2:
      return "Gestrichelt";
    case 3:
      return "Verdeckt";
    case 4:
      return "Punktiert";
    case 5:
      return "Rand";
    case 6:
      return "Strichpunktiert";
    case 7:
      return "Mittellinie";
    case 8:
      return "Phantom";
    case 9:
      return "Trennlinie";
    case 10:
      return "Zickzack";
    case 11:
      return "Kette";
    case 41:
      return "Welle";
    case 42:
      return "Zickzack mit Mittellinie";
    default:
      return {};
  }
}

}  // namespace

void Strichmuster::setze(std::span<const double> eintraege) {
  dash = {};
  dashCount = static_cast<int>(std::min<std::size_t>(eintraege.size(), kEintraege));
  dashPeriod = 0;
  for (int i = 0; i < dashCount; ++i) {
    const double e = eintraege[static_cast<std::size_t>(i)];
    dash[static_cast<std::size_t>(i)] = std::isfinite(e) && e > 0 ? e : 0;
    dashPeriod += dash[static_cast<std::size_t>(i)];
  }
}

Linienstilfamilie linienstilfamilie(int style) {
  style = linienstilBetrag(style);
  if (style >= 2 && style <= 9) return Linienstilfamilie::Strichmuster;
  if (style == 10 || style == 41 || style == 42) return Linienstilfamilie::SonderlinieA;
  if (style == 11) return Linienstilfamilie::SonderlinieB;
  if (style >= kErsterKomplexer && style < kErsterKomplexer + kMuster) return Linienstilfamilie::Komplex;
  if (style >= kErsterKosmetischer && style <= kLetzterKosmetischer) return Linienstilfamilie::Kosmetisch;
  if (style >= kErsterEinfacher && style < kErsterEinfacher + kMuster) return Linienstilfamilie::Strichmuster;
  if (style >= kErsterVordefinierter && style <= kLetzterVordefinierter) return Linienstilfamilie::Komplex;
  return Linienstilfamilie::Durchgezogen;
}

Linienstiltabelle::Linienstiltabelle() {
  setzeEinfacheVorgaben();
  setzeKomplexeVorgaben();
}

std::string Linienstiltabelle::einfacherStandardname(int nummer) {
  return "Selbstdefiniert " + std::to_string(nummer);
}
std::string Linienstiltabelle::komplexerStandardname(int nummer) {
  return "Komplexes Muster " + std::to_string(nummer);
}

EinfachesMuster Linienstiltabelle::einfacheVorgabe(int nummer) {
  EinfachesMuster m;
  m.name = einfacherStandardname(nummer);
  const std::array<double, 6> zwei{2, 2, 2, 2, 2, 2};
  m.muster.setze(zwei);
  return m;
}

KomplexesMuster Linienstiltabelle::komplexeVorgabe(int nummer) {
  KomplexesMuster m;
  m.name = komplexerStandardname(nummer);
  return m;
}

void Linienstiltabelle::setzeEinfacheVorgaben() {
  for (int n = 1; n <= kMuster; ++n) einfaches(n) = einfacheVorgabe(n);
}
void Linienstiltabelle::setzeKomplexeVorgaben() {
  for (int n = 1; n <= kMuster; ++n) komplexes(n) = komplexeVorgabe(n);
}

EinfachesMuster& Linienstiltabelle::einfaches(int nummer) {
  return einfach[static_cast<std::size_t>(begrenzeNummer(nummer) - 1)];
}
const EinfachesMuster& Linienstiltabelle::einfaches(int nummer) const {
  return einfach[static_cast<std::size_t>(begrenzeNummer(nummer) - 1)];
}
KomplexesMuster& Linienstiltabelle::komplexes(int nummer) {
  return komplex[static_cast<std::size_t>(begrenzeNummer(nummer) - 1)];
}
const KomplexesMuster& Linienstiltabelle::komplexes(int nummer) const {
  return komplex[static_cast<std::size_t>(begrenzeNummer(nummer) - 1)];
}

const Strichmuster& Linienstiltabelle::slot(int s) const {
  static const Strichmuster leer;
  if (s >= 2 && s <= 9) return eingebaut()[static_cast<std::size_t>(s)];
  if (s >= 12 && s < 12 + kMuster) return einfaches(s - 11).muster;
  return leer;
}

const Strichmuster* Linienstiltabelle::strichmuster(int style) const {
  style = linienstilBetrag(style);
  if (style >= 2 && style <= 9) return &eingebaut()[static_cast<std::size_t>(style)];
  if (style >= kErsterEinfacher && style < kErsterEinfacher + kMuster) {
    return &einfaches(style - kErsterEinfacher + 1).muster;
  }
  return nullptr;
}

std::array<std::uint16_t, kEintraege> Linienstiltabelle::abschnitte(int style) const {
  style = linienstilBetrag(style);
  std::array<std::uint16_t, kEintraege> a{};
  if (const KomplexesMuster* m = komplexesMuster(style)) {
    std::copy(m->section.begin(), m->section.end(), a.begin());
  } else {
    const auto v = vordefinierteAbschnitte(style);
    std::copy(v.begin(), v.end(), a.begin());
  }
  return a;
}

const KomplexesMuster* Linienstiltabelle::komplexesMuster(int style) const {
  style = linienstilBetrag(style);
  if (style < kErsterKomplexer || style >= kErsterKomplexer + kMuster) return nullptr;
  return &komplexes(style - kErsterKomplexer + 1);
}

std::string Linienstiltabelle::name(int style) const {
  style = linienstilBetrag(style);
  if (const KomplexesMuster* m = komplexesMuster(style)) return m->name;
  if (style >= kErsterEinfacher && style < kErsterEinfacher + kMuster) {
    return einfaches(style - kErsterEinfacher + 1).name;
  }
  if (style >= kErsterVordefinierter && style <= kLetzterVordefinierter) return std::string(vordefinierterName(style));
  if (style >= kErsterKosmetischer && style <= kLetzterKosmetischer) return "Stil " + std::to_string(style);
  return std::string(eingebauterName(style));
}

const Strichmuster& eingebautesStrichmuster(int slot) {
  static const Strichmuster leer;
  return slot >= 2 && slot <= 9 ? eingebaut()[static_cast<std::size_t>(slot)] : leer;
}

std::span<const std::uint16_t, kEintraege> vordefinierteAbschnitte(int style) {
  style = linienstilBetrag(style);
  if (style < kErsterVordefinierter || style > kLetzterVordefinierter) return kLeereAbschnitte;
  return kVordefiniert[static_cast<std::size_t>(style - kErsterVordefinierter)].codes;
}

std::string_view vordefinierterName(int style) {
  style = linienstilBetrag(style);
  if (style < kErsterVordefinierter || style > kLetzterVordefinierter) return {};
  return kVordefiniert[static_cast<std::size_t>(style - kErsterVordefinierter)].name;
}

}  // namespace quarzel
