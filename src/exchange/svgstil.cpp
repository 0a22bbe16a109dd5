#include "exchange/svgstil.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

namespace quarzel {

namespace {

constexpr double kMmJePx = 25.4 / 96;

bool istLeer(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view getrimmt(std::string_view s) {
  while (!s.empty() && istLeer(s.front())) s.remove_prefix(1);
  while (!s.empty() && istLeer(s.back())) s.remove_suffix(1);
  return s;
}

std::string klein(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return r;
}

// The unit after a number, in millimetres per unit; 0 for a percentage, -1
// for none known.
double einheitMm(std::string_view e) {
  static constexpr std::array<std::pair<std::string_view, double>, 7> kEinheiten{
      {{"", kMmJePx}, {"px", kMmJePx}, {"mm", 1}, {"cm", 10}, {"in", 25.4}, {"pt", 25.4 / 72}, {"pc", 25.4 / 6}}};
  e = getrimmt(e);
  if (e == "%") return 0;
  for (const auto& [n, mm] : kEinheiten)
    if (n == e) return mm;
  return -1;
}

struct Farbname {
  std::string_view name;
  std::uint32_t rgb;
};

constexpr std::array<Farbname, 40> kFarbnamen{{
    {"black", 0x000000},      {"silver", 0xC0C0C0},    {"gray", 0x808080},      {"grey", 0x808080},
    {"white", 0xFFFFFF},      {"maroon", 0x800000},    {"red", 0xFF0000},       {"purple", 0x800080},
    {"fuchsia", 0xFF00FF},    {"magenta", 0xFF00FF},   {"green", 0x008000},     {"lime", 0x00FF00},
    {"olive", 0x808000},      {"yellow", 0xFFFF00},    {"navy", 0x000080},      {"blue", 0x0000FF},
    {"teal", 0x008080},       {"aqua", 0x00FFFF},      {"cyan", 0x00FFFF},      {"orange", 0xFFA500},
    {"brown", 0xA52A2A},      {"pink", 0xFFC0CB},      {"gold", 0xFFD700},      {"violet", 0xEE82EE},
    {"darkgray", 0xA9A9A9},   {"darkgrey", 0xA9A9A9},  {"lightgray", 0xD3D3D3}, {"lightgrey", 0xD3D3D3},
    {"darkred", 0x8B0000},    {"darkgreen", 0x006400}, {"darkblue", 0x00008B},  {"lightblue", 0xADD8E6},
    {"lightgreen", 0x90EE90}, {"steelblue", 0x4682B4}, {"indigo", 0x4B0082},    {"beige", 0xF5F5DC},
    {"tan", 0xD2B48C},        {"khaki", 0xF0E68C},     {"coral", 0xFF7F50},     {"dimgray", 0x696969},
}};

int hexziffer(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool svgZahl(std::string_view s, std::size_t& i, double& v) {
  std::size_t j = i;
  while (j < s.size() && istLeer(s[j])) ++j;
  if (j < s.size() && s[j] == ',') ++j;
  while (j < s.size() && istLeer(s[j])) ++j;
  if (j < s.size() && s[j] == '+') ++j;
  if (j >= s.size() || !(s[j] == '-' || s[j] == '.' || (s[j] >= '0' && s[j] <= '9'))) return false;
  double w = 0;
  const auto [ende, fehler] = std::from_chars(s.data() + j, s.data() + s.size(), w);
  if (fehler != std::errc() || !std::isfinite(w)) return false;
  v = w;
  i = static_cast<std::size_t>(ende - s.data());
  return true;
}

void svgZahlen(std::string_view s, std::vector<double>& aus, std::size_t max) {
  std::size_t i = 0;
  double v = 0;
  while (aus.size() < max && svgZahl(s, i, v)) aus.push_back(v);
}

SvgMatrix svgTransformation(std::string_view s) {
  SvgMatrix m;
  std::size_t i = 0;
  std::vector<double> w;
  while (i < s.size()) {
    while (i < s.size() && (istLeer(s[i]) || s[i] == ',')) ++i;
    const std::size_t auf = s.find('(', i), zu = s.find(')', i);
    if (auf == std::string_view::npos || zu == std::string_view::npos || zu < auf) break;
    const std::string_view art = getrimmt(s.substr(i, auf - i));
    w.clear();
    svgZahlen(s.substr(auf + 1, zu - auf - 1), w, 6);
    i = zu + 1;
    const auto arg = [&](std::size_t k, double standard) { return k < w.size() ? w[k] : standard; };
    const double rad = arg(0, 0) * std::numbers::pi / 180;
    SvgMatrix t;
    if (art == "matrix" && w.size() == 6) {
      t = {w[0], w[1], w[2], w[3], w[4], w[5]};
    } else if (art == "translate" && !w.empty()) {
      t.e = w[0];
      t.f = arg(1, 0);
    } else if (art == "scale" && !w.empty()) {
      t.a = w[0];
      t.d = arg(1, w[0]);
    } else if (art == "rotate" && !w.empty()) {
      const double cx = arg(1, 0), cy = arg(2, 0), co = std::cos(rad), si = std::sin(rad);
      t = {co, si, -si, co, cx - co * cx + si * cy, cy - si * cx - co * cy};
    } else if (art == "skewX" && !w.empty()) {
      t.c = std::tan(rad);
    } else if (art == "skewY" && !w.empty()) {
      t.b = std::tan(rad);
    } else {
      break;
    }
    m = m * t;
  }
  return m;
}

double svgLaenge(std::string_view s, double standard) {
  std::size_t i = 0;
  double v = 0;
  if (!svgZahl(s, i, v)) return standard;
  const double mm = einheitMm(s.substr(i));
  return mm > 0 ? v * mm / kMmJePx : v;
}

std::optional<double> svgLaengeMm(std::string_view s) {
  std::size_t i = 0;
  double v = 0;
  if (!svgZahl(s, i, v)) return std::nullopt;
  const double mm = einheitMm(s.substr(i));
  if (mm == 0) return std::nullopt;
  return v * (mm > 0 ? mm : kMmJePx);
}

std::optional<std::uint32_t> svgFarbe(std::string_view s, std::uint32_t aktuell, bool& gueltig) {
  s = getrimmt(s);
  gueltig = true;
  if (s == "none" || s == "transparent") return std::nullopt;
  if (s == "currentColor") return aktuell;
  if (!s.empty() && s[0] == '#') {
    std::uint32_t r = 0;
    for (char c : s.substr(1)) {
      if (hexziffer(c) < 0) break;
      r = r * 16 + static_cast<std::uint32_t>(hexziffer(c));
    }
    if (s.size() == 4) return ((r & 0xF00) * 0x1100) | ((r & 0xF0) * 0x110) | ((r & 0xF) * 0x11);
    if (s.size() == 7) return r;
    gueltig = false;
    return std::nullopt;
  }
  if (s.starts_with("rgb(")) {
    std::uint32_t r = 0;
    std::size_t i = 4;
    for (int k = 0; k < 3; ++k) {
      double v = 0;
      if (!svgZahl(s, i, v)) {
        gueltig = false;
        return std::nullopt;
      }
      if (i < s.size() && s[i] == '%') {
        v = v * 2.55;
        ++i;
      }
      r = r * 256 + static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L));
    }
    return r;
  }
  const std::string n = klein(s);
  for (const Farbname& f : kFarbnamen)
    if (f.name == n) return f.rgb;
  // Gradients and patterns have no one colour: left out, rather than a
  // black area over the drawing.
  gueltig = s.starts_with("url(");
  return std::nullopt;
}

void svgDeklarationen(std::string_view s, SvgEigenschaften& aus) {
  while (!s.empty()) {
    std::size_t ende = s.find(';');
    const std::string_view d = s.substr(0, ende);
    const std::size_t dp = d.find(':');
    if (dp != std::string_view::npos) {
      std::string_view wert = getrimmt(d.substr(dp + 1));
      if (wert.ends_with("!important")) wert = getrimmt(wert.substr(0, wert.size() - 10));
      aus.emplace_back(getrimmt(d.substr(0, dp)), wert);
    }
    if (ende == std::string_view::npos) break;
    s.remove_prefix(ende + 1);
  }
}

void SvgStilblatt::lesen(std::string_view css) {
  std::size_t i = 0;
  while (i < css.size()) {
    // Comments and at-rules are passed over whole.
    if (css.substr(i, 2) == "/*") {
      const std::size_t e = css.find("*/", i + 2);
      i = e == std::string_view::npos ? css.size() : e + 2;
      continue;
    }
    const std::size_t auf = css.find('{', i);
    if (auf == std::string_view::npos) break;
    const std::size_t zu = css.find('}', auf);
    const std::string_view selektoren = css.substr(i, auf - i);
    const std::string_view rumpf = css.substr(auf + 1, zu == std::string_view::npos ? zu : zu - auf - 1);
    i = zu == std::string_view::npos ? css.size() : zu + 1;
    if (getrimmt(selektoren).starts_with("@")) continue;
    SvgEigenschaften d;
    svgDeklarationen(rumpf, d);
    std::size_t k = 0;
    while (k <= selektoren.size()) {
      std::size_t komma = selektoren.find(',', k);
      if (komma == std::string_view::npos) komma = selektoren.size();
      const std::string_view sel = getrimmt(selektoren.substr(k, komma - k));
      if (!sel.empty() && sel.find_first_of(" >+~[:#") == std::string_view::npos) {
        auto& r = regeln_[std::string(sel)];
        for (const auto& [n, w] : d) r.emplace_back(n, w);
      }
      k = komma + 1;
    }
  }
}

void SvgStilblatt::deklarationen(std::string_view element, std::string_view klassen, SvgEigenschaften& aus) const {
  const auto anhaengen = [&](const std::string& sel) {
    if (auto it = regeln_.find(sel); it != regeln_.end())
      for (const auto& [n, w] : it->second) aus.emplace_back(n, w);
  };
  anhaengen("*");
  anhaengen(std::string(element));
  for (int spezifisch = 0; spezifisch < 2; ++spezifisch) {
    std::size_t i = 0;
    while (i < klassen.size()) {
      while (i < klassen.size() && istLeer(klassen[i])) ++i;
      std::size_t e = i;
      while (e < klassen.size() && !istLeer(klassen[e])) ++e;
      if (e > i) {
        const std::string k = "." + std::string(klassen.substr(i, e - i));
        anhaengen(spezifisch ? std::string(element) + k : k);
      }
      i = e;
    }
  }
}

void svgStilAnwenden(const SvgEigenschaften& eigenschaften, SvgStil& stil) {
  bool gueltig = true;
  for (const auto& [n, w] : eigenschaften) {
    if (n != "color") continue;
    if (auto f = svgFarbe(w, stil.farbe, gueltig); f) stil.farbe = *f;
  }
  for (const auto& [n, w] : eigenschaften) {
    if (w == "inherit") continue;
    if (n == "stroke" || n == "fill") {
      auto f = svgFarbe(w, stil.farbe, gueltig);
      if (gueltig) (n == "stroke" ? stil.strich : stil.fuellung) = f;
    } else if (n == "stroke-width") {
      stil.strichbreite = std::max(0.0, svgLaenge(w, stil.strichbreite));
    } else if (n == "stroke-dasharray") {
      stil.strichmuster.clear();
      svgZahlen(w, stil.strichmuster, 16);
    } else if (n == "font-size") {
      stil.schriftgroesse = std::max(0.0, svgLaenge(w, stil.schriftgroesse));
    } else if (n == "text-anchor") {
      stil.textanker = w == "middle" ? 1 : w == "end" ? 2 : 0;
    } else if (n == "display" || n == "visibility") {
      stil.sichtbar = w != "none" && w != "hidden" && w != "collapse";
    }
  }
  // Last, whatever order they came in: the model has no transparency, so
  // only the wholly transparent matters.
  for (const auto& [n, w] : eigenschaften) {
    std::size_t i = 0;
    double v = 1;
    if ((n != "fill-opacity" && n != "stroke-opacity" && n != "opacity") || !svgZahl(w, i, v) || v > 0) continue;
    if (n != "stroke-opacity") stil.fuellung.reset();
    if (n != "fill-opacity") stil.strich.reset();
  }
}

}  // namespace quarzel
