// CgmKlartext: tokens and keywords of the clear-text encoding.
#include "exchange/cgmklartext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "exchange/cgminterpreter.h"
#include "exchange/cgmparameter.h"

namespace quarzel {

namespace {

struct Schluessel {
  std::string_view wort;
  int klasse, id;
};

// The keywords of the elements the interpreter knows, by class and id.
constexpr std::array<Schluessel, 53> kSchluessel{{
    {"begmf", 0, 1},         {"endmf", 0, 2},        {"begpic", 0, 3},        {"begpicbody", 0, 4},
    {"endpic", 0, 5},        {"mfversion", 1, 1},    {"mfdesc", 1, 2},        {"vdctype", 1, 3},
    {"integerprec", 1, 4},   {"realprec", 1, 5},     {"indexprec", 1, 6},     {"colrprec", 1, 7},
    {"colrindexprec", 1, 8}, {"maxcolrindex", 1, 9}, {"colrvalueext", 1, 10}, {"mfelemlist", 1, 11},
    {"scalemode", 2, 1},     {"colrmode", 2, 2},     {"linewidthmode", 2, 3}, {"edgewidthmode", 2, 5},
    {"vdcext", 2, 6},        {"backcolr", 2, 7},     {"line", 4, 1},          {"disjtline", 4, 2},
    {"marker", 4, 3},        {"text", 4, 4},         {"restrtext", 4, 5},     {"apndtext", 4, 6},
    {"polygon", 4, 7},       {"polygonset", 4, 8},   {"cellarray", 4, 9},     {"rect", 4, 11},
    {"circle", 4, 12},       {"arc3pt", 4, 13},      {"arc3ptclose", 4, 14},  {"arcctr", 4, 15},
    {"arcctrclose", 4, 16},  {"ellipse", 4, 17},     {"elliparc", 4, 18},     {"elliparcclose", 4, 19},
    {"polybezier", 4, 26},   {"linetype", 5, 2},     {"linewidth", 5, 3},     {"linecolr", 5, 4},
    {"textcolr", 5, 14},     {"charheight", 5, 15},  {"charori", 5, 16},      {"textalign", 5, 18},
    {"intstyle", 5, 22},     {"fillcolr", 5, 23},    {"edgetype", 5, 27},     {"edgewidth", 5, 28},
    {"edgecolr", 5, 29},
}};
constexpr Schluessel kKantenSichtbar{"edgevis", 5, 30};
constexpr Schluessel kFarbtabelle{"colrtable", 5, 34};

enum class Art { Wort, Zahl, Text };

struct Token {
  Art art;
  std::string_view roh;
};

// Keywords ignore case, '_' and '$'.
std::string normiert(std::string_view w) {
  std::string n;
  for (const char c : w)
    if (c != '_' && c != '$') n.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  return n;
}

double zahlVon(std::string_view s, bool& gut) {
  // "16#FF": an integer in the given base.
  if (const std::size_t raute = s.find('#'); raute != std::string_view::npos) {
    int basis = 10;
    long long w = 0;
    const bool minus = !s.empty() && s[0] == '-';
    const std::size_t von = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    if (std::from_chars(s.data() + von, s.data() + raute, basis).ec != std::errc{} || basis < 2 || basis > 16) {
      gut = false;
      return 0;
    }
    std::from_chars(s.data() + raute + 1, s.data() + s.size(), w, basis);
    return static_cast<double>(minus ? -w : w);
  }
  const std::string kopie(s);
  char* ende = nullptr;
  const double w = std::strtod(kopie.c_str(), &ende);
  gut = ende != kopie.c_str();
  return w;
}

class KlartextParameter : public CgmParameter {
 public:
  // The tokens after the keyword.
  explicit KlartextParameter(const std::vector<Token>& t) : t_(t) {}
  bool binaer() const override { return false; }
  bool mehr() const override { return i_ < t_.size(); }
  bool fehler() const override { return fehler_; }
  long long ganz() override {
    const double w = reell();
    return std::abs(w) < 9e18 ? std::llround(w) : 0;
  }
  long long index() override { return ganz(); }
  int aufzaehlung(std::initializer_list<std::string_view> namen) override {
    if (!mehr()) return fehlt();
    const Token& t = t_[i_++];
    if (t.art == Art::Zahl) {
      bool gut = true;
      return static_cast<int>(std::clamp(zahlVon(t.roh, gut), -1.0, 1000.0));
    }
    const std::string w = normiert(t.roh);
    int n = 0;
    for (const std::string_view name : namen) {
      if (w == name) return n;
      ++n;
    }
    return -1;
  }
  double reell() override {
    if (!mehr()) return fehlt();
    const Token& t = t_[i_++];
    bool gut = t.art == Art::Zahl;
    const double w = gut ? zahlVon(t.roh, gut) : 0;
    if (!gut) fehler_ = true;
    return w;
  }
  double vdc() override { return reell(); }
  CgmFarbwert farbe(bool direkt) override {
    CgmFarbwert f;
    f.direkt = direkt;
    if (!direkt) {
      const long long i = ganz();
      f.index = i < 0 ? 0 : static_cast<std::uint32_t>(std::min<long long>(i, 0xFFFFFF));
      return f;
    }
    f.r = reell(), f.g = reell(), f.b = reell();
    return f;
  }
  std::string text() override {
    if (!mehr()) return fehlt(), std::string();
    const Token& t = t_[i_++];
    if (t.art != Art::Text) return std::string(t.roh);
    // Quoted: the doubled quote stands for itself.
    std::string s;
    const std::string_view innen = t.roh.substr(1, t.roh.size() >= 2 ? t.roh.size() - 2 : 0);
    for (std::size_t k = 0; k < innen.size(); ++k) {
      s.push_back(innen[k]);
      if (innen[k] == t.roh[0] && k + 1 < innen.size() && innen[k + 1] == t.roh[0]) ++k;
    }
    return s;
  }

 private:
  int fehlt() {
    fehler_ = true;
    return 0;
  }

  const std::vector<Token>& t_;
  std::size_t i_ = 1;
  bool fehler_ = false;
};

bool trenner(char c) {
  return std::isspace(static_cast<unsigned char>(c)) || c == ',' || c == '(' || c == ')';
}

}  // namespace

bool cgmKlartextLesen(std::string_view d, CgmInterpreter& interpreter, std::string& fehler) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < d.size()) {
    tokens.clear();
    bool ende = false;
    while (i < d.size() && !ende) {
      const char c = d[i];
      if (trenner(c)) {
        ++i;
      } else if (c == ';' || c == '/') {
        ++i;
        ende = true;
      } else if (c == '%') {
        const std::size_t schluss = d.find('%', i + 1);
        i = schluss == std::string_view::npos ? d.size() : schluss + 1;
      } else if (c == '\'' || c == '"') {
        std::size_t k = i + 1;
        while (k < d.size()) {
          if (d[k] == c && (k + 1 >= d.size() || d[k + 1] != c)) break;
          k += d[k] == c ? 2 : 1;
        }
        if (k >= d.size()) {
          fehler = "Die CGM-Datei endet in einer Zeichenkette.";
          return false;
        }
        tokens.push_back({Art::Text, d.substr(i, k + 1 - i)});
        i = k + 1;
      } else {
        std::size_t k = i;
        while (k < d.size() && !trenner(d[k]) && d[k] != ';' && d[k] != '/' && d[k] != '\'' && d[k] != '"' &&
               d[k] != '%')
          ++k;
        const bool zahl = std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.';
        tokens.push_back({zahl ? Art::Zahl : Art::Wort, d.substr(i, k - i)});
        i = k;
      }
    }
    if (tokens.empty() || tokens.front().art != Art::Wort) continue;
    const std::string wort = normiert(tokens.front().roh);
    KlartextParameter p(tokens);
    if (wort == "begmfdefaults") {
      interpreter.vorgabenBeginnen();
      continue;
    }
    if (wort == "endmfdefaults") {
      interpreter.vorgabenEnden();
      continue;
    }
    const Schluessel* s = nullptr;
    for (const Schluessel& k : kSchluessel)
      if (k.wort == wort) s = &k;
    if (wort == kKantenSichtbar.wort) s = &kKantenSichtbar;
    if (wort == kFarbtabelle.wort) s = &kFarbtabelle;
    if (s && !interpreter.element(s->klasse, s->id, p)) return true;
  }
  return true;
}

}  // namespace quarzel
