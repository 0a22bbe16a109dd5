#include "exchange/svgleser.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "exchange/svgausgabe.h"
#include "exchange/svgpfad.h"
#include "exchange/svgstil.h"
#include "exchange/svgxml.h"

namespace quarzel {

namespace {

constexpr double kMmJePx = 25.4 / 96;
// `use` inside what `use` draws, as deep as drawings need it.
constexpr int kMaxVerweistiefe = 8;

// The presentation attributes that are style properties.
constexpr std::string_view kStilattribute[] = {"stroke",           "fill",         "color",          "stroke-width",
                                               "stroke-dasharray", "font-size",    "text-anchor",    "display",
                                               "visibility",       "fill-opacity", "stroke-opacity", "opacity"};

class SvgLauf {
 public:
  SvgLauf(const SvgDokument& d, CadModell& m, std::size_t groesse)
      : d_(d), m_(m), aus_(m), budget_(groesse * 16 + 100000) {}

  CadLeseergebnis lesen();

 private:
  void kinder(std::uint32_t k, const SvgMatrix& abb, const SvgStil& stil, std::uint32_t layer, int verweise);
  void element(std::uint32_t k, const SvgMatrix& abb, const SvgStil& eltern, std::uint32_t layer, int verweise);
  void form(const SvgKnoten& k, const SvgMatrix& abb, const SvgStil& stil, std::uint32_t layer);
  void text(std::uint32_t k, const SvgMatrix& abb, const SvgStil& stil, std::uint32_t layer, double x, double y);
  void textAusgeben(const std::string& s, const SvgMatrix& abb, const SvgStil& stil, std::uint32_t layer, double x,
                    double y, double drehung);
  SvgStil stilVon(const SvgKnoten& k, const SvgStil& eltern);
  std::uint32_t layerNamens(const std::string& name);
  std::uint32_t linientyp(const SvgStil& stil) const;
  double zahl(const SvgKnoten& k, std::string_view n) const {
    const std::string* w = k.attribut(n);
    return w ? svgLaenge(*w) : 0;
  }
  bool verbraucht(std::size_t n) {
    if (n > budget_) {
      budget_ = 0;
      return false;
    }
    budget_ -= n;
    return true;
  }

  const SvgDokument& d_;
  CadModell& m_;
  SvgAusgabe aus_;
  SvgStilblatt blatt_;
  SvgPfad pfad_;
  SvgEigenschaften eigenschaften_;
  std::vector<double> zahlen_;
  std::size_t budget_;
  std::uint32_t ebenen_ = 0;
};

std::uint32_t SvgLauf::layerNamens(const std::string& name) {
  if (!m_.layerNamens(name)) {
    CadLayer l;
    l.name = name;
    l.farbe = {CadFarbe::Art::Rgb, 0, 7};
    m_.layer.push_back(l);
  }
  return m_.name(name);
}

std::uint32_t SvgLauf::linientyp(const SvgStil& stil) const {
  std::vector<double> w = stil.strichmuster;
  if (w.size() % 2 == 1) w.insert(w.end(), stil.strichmuster.begin(), stil.strichmuster.end());
  double laengster = 0;
  for (std::size_t i = 0; i < w.size(); i += 2) laengster = std::max(laengster, w[i]);
  if (w.empty() || !(laengster > 0)) return kKeinIndex;
  // A dash no longer than about the line is wide reads as a dot.
  bool punkte = false, striche = false;
  for (std::size_t i = 0; i < w.size(); i += 2) {
    const bool punkt = w[i] <= 1.5 * stil.strichbreite || w[i] < 0.35 * laengster;
    (punkt ? punkte : striche) = true;
  }
  return m_.name(punkte && striche ? "psDashDot" : punkte ? "psDot" : "psDash");
}

SvgStil SvgLauf::stilVon(const SvgKnoten& k, const SvgStil& eltern) {
  SvgStil stil = eltern;
  // These do not pass from a group to what it holds.
  stil.sichtbar = true;
  eigenschaften_.clear();
  for (const auto& [n, w] : k.attribute)
    if (std::find(std::begin(kStilattribute), std::end(kStilattribute), n) != std::end(kStilattribute))
      eigenschaften_.emplace_back(n, w);
  if (!blatt_.leer()) {
    const std::string* klasse = k.attribut("class");
    blatt_.deklarationen(k.name, klasse ? *klasse : std::string_view(), eigenschaften_);
  }
  if (const std::string* s = k.attribut("style")) svgDeklarationen(*s, eigenschaften_);
  svgStilAnwenden(eigenschaften_, stil);
  return stil;
}

void SvgLauf::kinder(std::uint32_t k, const SvgMatrix& abb, const SvgStil& stil, std::uint32_t layer, int verweise) {
  for (std::uint32_t i = k + 1; i < d_.knoten[k].ende && i < d_.knoten.size(); i = std::max(i + 1, d_.knoten[i].ende))
    element(i, abb, stil, layer, verweise);
}

void SvgLauf::element(std::uint32_t nr, const SvgMatrix& eltern, const SvgStil& elternstil, std::uint32_t layer,
                      int verweise) {
  const SvgKnoten& k = d_.knoten[nr];
  if (k.name.empty() || !verbraucht(1)) return;
  const std::string& n = k.name;
  if (n == "defs" || n == "symbol" || n == "style" || n == "clipPath" || n == "mask" || n == "marker" ||
      n == "pattern" || n == "linearGradient" || n == "radialGradient" || n == "title" || n == "desc" ||
      n == "metadata" || n == "namedview" || n == "script" || n == "filter")
    return;
  const SvgStil stil = stilVon(k, elternstil);
  if (!stil.sichtbar) return;
  SvgMatrix abb = eltern;
  if (const std::string* t = k.attribut("transform")) abb = eltern * svgTransformation(*t);
  if (n == "g" || n == "a" || n == "switch" || n == "svg") {
    const std::string* modus = k.attribut("groupmode", true);
    if (modus && *modus == "layer") {
      const std::string* name = k.attribut("label", true);
      if (!name) name = k.attribut("id");
      layer = layerNamens(name ? *name : "Ebene " + std::to_string(++ebenen_));
    }
    kinder(nr, abb, stil, layer, verweise);
  } else if (n == "use") {
    const std::string* ziel = k.attribut("href", true);
    if (!ziel || ziel->size() < 2 || (*ziel)[0] != '#' || verweise >= kMaxVerweistiefe) return;
    const auto it = d_.ids.find(ziel->substr(1));
    if (it == d_.ids.end() || it->second == nr) return;
    SvgMatrix verschiebung;
    verschiebung.e = zahl(k, "x");
    verschiebung.f = zahl(k, "y");
    abb = abb * verschiebung;
    // A symbol is drawn only through a reference: its content, as a group.
    if (d_.knoten[it->second].name == "symbol")
      kinder(it->second, abb, stilVon(d_.knoten[it->second], stil), layer, verweise + 1);
    else
      element(it->second, abb, stil, layer, verweise + 1);
  } else if (n == "text") {
    text(nr, abb, stil, layer, zahl(k, "x"), zahl(k, "y"));
  } else {
    form(k, abb, stil, layer);
  }
}

void SvgLauf::form(const SvgKnoten& k, const SvgMatrix& abb, const SvgStil& stil, std::uint32_t layer) {
  const std::string& n = k.name;
  pfad_.leeren();
  if (n == "path") {
    const std::string* daten = k.attribut("d");
    if (!daten) return;
    svgPfadLesen(*daten, pfad_);
  } else if (n == "rect") {
    const double x = zahl(k, "x"), y = zahl(k, "y"), w = zahl(k, "width"), h = zahl(k, "height");
    if (!(w > 0) || !(h > 0)) return;
    const std::string *sx = k.attribut("rx"), *sy = k.attribut("ry");
    double rx = sx ? svgLaenge(*sx) : 0, ry = sy ? svgLaenge(*sy) : 0;
    if (!sx) rx = ry;
    if (!sy) ry = rx;
    rx = std::clamp(rx, 0.0, w / 2);
    ry = std::clamp(ry, 0.0, h / 2);
    pfad_.bewege(x + rx, y);
    pfad_.linie(x + w - rx, y);
    pfad_.bogen(rx, ry, 0, false, true, x + w, y + ry);
    pfad_.linie(x + w, y + h - ry);
    pfad_.bogen(rx, ry, 0, false, true, x + w - rx, y + h);
    pfad_.linie(x + rx, y + h);
    pfad_.bogen(rx, ry, 0, false, true, x, y + h - ry);
    pfad_.linie(x, y + ry);
    pfad_.bogen(rx, ry, 0, false, true, x + rx, y);
    pfad_.schliesse();
  } else if (n == "circle" || n == "ellipse") {
    const double r = zahl(k, "r");
    const double rx = n == "circle" ? r : zahl(k, "rx"), ry = n == "circle" ? r : zahl(k, "ry");
    if (!(rx > 0) || !(ry > 0)) return;
    pfad_.ellipse(zahl(k, "cx"), zahl(k, "cy"), rx, ry);
  } else if (n == "line") {
    pfad_.bewege(zahl(k, "x1"), zahl(k, "y1"));
    pfad_.linie(zahl(k, "x2"), zahl(k, "y2"));
  } else if (n == "polyline" || n == "polygon") {
    const std::string* punkte = k.attribut("points");
    if (!punkte) return;
    zahlen_.clear();
    svgZahlen(*punkte, zahlen_, punkte->size());
    if (zahlen_.size() < 4) return;
    pfad_.bewege(zahlen_[0], zahlen_[1]);
    for (std::size_t i = 2; i + 1 < zahlen_.size(); i += 2) pfad_.linie(zahlen_[i], zahlen_[i + 1]);
    if (n == "polygon") pfad_.schliesse();
  } else {
    if (n != "tspan") ++m_.unbekannt[n];
    return;
  }
  CadEntitaet vorlage;
  vorlage.layer = layer;
  std::optional<CadEntitaet> strich, fuellung;
  if (stil.strich && stil.strichbreite > 0) {
    strich = vorlage;
    strich->farbe = aus_.farbe(*stil.strich);
    const double mm = stil.strichbreite * std::sqrt(std::abs(abb.det()));
    strich->linienstaerke = static_cast<std::int16_t>(std::clamp(std::lround(mm * 100), 0L, 2000L));
    strich->linientyp = linientyp(stil);
  }
  // Lines and open polylines have nothing to fill.
  if (stil.fuellung && n != "line" && n != "polyline" && !pfad_.segmente.empty()) {
    fuellung = vorlage;
    fuellung->farbe = aus_.farbe(*stil.fuellung);
  }
  verbraucht(aus_.zeichne(pfad_, abb, strich, fuellung));
}

void SvgLauf::text(std::uint32_t nr, const SvgMatrix& abb, const SvgStil& stil, std::uint32_t layer, double x,
                   double y) {
  const SvgKnoten& k = d_.knoten[nr];
  double drehung = 0;
  if (const std::string* r = k.attribut("rotate")) {
    zahlen_.clear();
    svgZahlen(*r, zahlen_, 1);
    if (!zahlen_.empty()) drehung = zahlen_[0];
  }
  // The text of this element up to a child that has its own position.
  std::string s;
  for (std::uint32_t i = nr + 1; i < k.ende && i < d_.knoten.size(); i = std::max(i + 1, d_.knoten[i].ende)) {
    const SvgKnoten& kind = d_.knoten[i];
    if (kind.name.empty()) {
      s += kind.text;
    } else if (kind.name == "tspan" && (kind.attribut("x") || kind.attribut("y"))) {
      textAusgeben(s, abb, stil, layer, x, y, drehung);
      s.clear();
      const SvgStil st = stilVon(kind, stil);
      const std::string* kx = kind.attribut("x");
      const std::string* ky = kind.attribut("y");
      text(i, abb, st, layer, kx ? svgLaenge(*kx) : x, ky ? svgLaenge(*ky) : y);
    } else if (kind.name == "tspan") {
      for (std::uint32_t j = i + 1; j < kind.ende && j < d_.knoten.size(); ++j) s += d_.knoten[j].text;
    }
  }
  textAusgeben(s, abb, stil, layer, x, y, drehung);
}

void SvgLauf::textAusgeben(const std::string& roh, const SvgMatrix& abb, const SvgStil& stil, std::uint32_t layer,
                           double x, double y, double drehung) {
  // Runs of white space as one space, as the drawing shows them.
  std::string s;
  for (char c : roh) {
    const bool leer = c == ' ' || c == '\n' || c == '\r' || c == '\t';
    if (leer && (s.empty() || s.back() == ' ')) continue;
    s += leer ? ' ' : c;
  }
  while (!s.empty() && s.back() == ' ') s.pop_back();
  if (s.empty() || !verbraucht(s.size() + 1)) return;
  CadEntitaet e;
  e.art = CadArt::Text;
  e.layer = layer;
  e.farbe = aus_.farbe(stil.fuellung.value_or(stil.strich.value_or(0)));
  e.a = e.b = abb.an(x, y);
  const double rad = drehung * std::numbers::pi / 180;
  const CadPunkt r = abb.richtung(std::cos(rad), std::sin(rad));
  e.drehung = std::atan2(r.y, r.x) * 180 / std::numbers::pi;
  e.hoehe = stil.schriftgroesse * std::sqrt(std::abs(abb.det()));
  e.ausrichtungH = static_cast<std::int16_t>(stil.textanker);
  if (!std::isfinite(e.a.x) || !std::isfinite(e.a.y) || !std::isfinite(e.hoehe) || !std::isfinite(e.drehung)) return;
  e.text = static_cast<std::uint32_t>(m_.texte.size());
  m_.texte.push_back(s);
  m_.entitaeten.push_back(e);
}

CadLeseergebnis SvgLauf::lesen() {
  std::uint32_t wurzel = 0;
  while (wurzel < d_.knoten.size() && d_.knoten[wurzel].name != "svg") ++wurzel;
  if (wurzel == d_.knoten.size())
    return {false, d_.fehler.empty() ? "Die Datei enthält keine SVG-Zeichnung." : d_.fehler};
  const SvgKnoten& w = d_.knoten[wurzel];
  // The style sheets first: they apply to the whole drawing.
  for (std::uint32_t i = wurzel; i < d_.knoten.size(); ++i)
    if (d_.knoten[i].name == "style")
      for (std::uint32_t j = i + 1; j < d_.knoten[i].ende && j < d_.knoten.size(); ++j) blatt_.lesen(d_.knoten[j].text);

  // User units to millimetres: through the viewBox when width and height
  // say how large it is, else as pixels.
  std::vector<double> vb;
  if (const std::string* s = w.attribut("viewBox")) svgZahlen(*s, vb, 4);
  const std::string *sb = w.attribut("width"), *sh = w.attribut("height");
  std::optional<double> breite = sb ? svgLaengeMm(*sb) : std::nullopt, hoehe = sh ? svgLaengeMm(*sh) : std::nullopt;
  SvgMatrix abb;
  double blatthoehe = 0;
  if (vb.size() == 4 && vb[2] > 0 && vb[3] > 0) {
    const double fx = breite ? *breite / vb[2] : hoehe ? *hoehe / vb[3] : kMmJePx;
    const double fy = hoehe ? *hoehe / vb[3] : fx;
    // The aspect ratio is kept, the picture centred ("xMidYMid meet").
    const double f = std::min(fx, fy);
    blatthoehe = hoehe ? *hoehe : vb[3] * f;
    const double bx = breite ? *breite : vb[2] * f;
    abb = {f, 0, 0, f, (bx - vb[2] * f) / 2 - vb[0] * f, (blatthoehe - vb[3] * f) / 2 - vb[1] * f};
  } else {
    abb = {kMmJePx, 0, 0, kMmJePx, 0, 0};
    blatthoehe = hoehe.value_or(0);
  }
  // y upward, the bottom edge at 0.
  abb = SvgMatrix{1, 0, 0, -1, 0, blatthoehe} * abb;
  m_.einheiten = 4;
  // Most elements make one entity of a few vertices: reserved, the vectors
  // are not copied while they grow (untouched pages cost nothing).
  m_.entitaeten.reserve(d_.knoten.size());
  m_.scheitel.reserve(d_.knoten.size() * 8);
  SvgStil stil;
  kinder(wurzel, abb * (w.attribut("transform") ? svgTransformation(*w.attribut("transform")) : SvgMatrix{}),
         stilVon(w, stil), layerNamens("0"), 0);
  if (budget_ == 0) return {false, "Die SVG-Datei wurde nicht ganz gelesen: sie enthält zu viele Elemente."};
  return {d_.fehler.empty(), d_.fehler};
}

}  // namespace

CadLeseergebnis svgLesen(std::string_view daten, CadModell& modell) {
  const SvgDokument d = svgDokument(daten);
  return SvgLauf(d, modell, daten.size()).lesen();
}

}  // namespace quarzel
