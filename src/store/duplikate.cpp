#include "store/duplikate.h"

#include <cmath>
#include <string>
#include <unordered_set>

namespace quarzel {

namespace {

// Geometry rounded to a millionth of a millimetre, with layer and sublayer.
struct Schluessel {
  std::vector<std::int64_t> werte;
  bool operator==(const Schluessel&) const = default;
};

struct SchluesselHash {
  std::size_t operator()(const Schluessel& s) const {
    std::size_t h = 1469598103934665603ull;
    for (std::int64_t w : s.werte) h = (h ^ static_cast<std::size_t>(w)) * 1099511628211ull;
    return h;
  }
};

std::int64_t gerundet(double v) {
  if (!std::isfinite(v)) return INT64_MIN;
  const double r = std::nearbyint(v * 1e6);
  if (r >= 9.2e18 || r <= -9.2e18) return r > 0 ? INT64_MAX : INT64_MIN + 1;
  return static_cast<std::int64_t>(r);
}

// Puts both orientations into a canonical order so that a reversed copy
// yields the same key.
void punktfolge(Schluessel& s, const std::vector<double>& x, const std::vector<double>& y) {
  const std::size_t n = std::min(x.size(), y.size());
  std::vector<std::int64_t> vor, rueck;
  vor.reserve(2 * n);
  rueck.reserve(2 * n);
  for (std::size_t i = 0; i < n; ++i) {
    vor.push_back(gerundet(x[i]));
    vor.push_back(gerundet(y[i]));
    rueck.push_back(gerundet(x[n - 1 - i]));
    rueck.push_back(gerundet(y[n - 1 - i]));
  }
  const auto& kleiner = std::min(vor, rueck);
  s.werte.insert(s.werte.end(), kleiner.begin(), kleiner.end());
}

bool gehoertDazu(const Elementspeicher& sp, std::int32_t n, Duplikatsuche was) {
  const Elementart a = sp.art(n);
  switch (was) {
    case Duplikatsuche::Linien:
      return a == Elementart::Linie && !sp.istMarkerpunkt(n);
    case Duplikatsuche::KreiseUndEllipsen:
      return a == Elementart::Bogen;
    case Duplikatsuche::Polygone:
      return a == Elementart::Polygon;
  }
  return false;
}

Schluessel schluessel(const Elementspeicher& sp, std::int32_t n, Duplikatsuche was) {
  Schluessel s;
  s.werte = {sp.planteil(n), sp.folie(n)};
  switch (was) {
    case Duplikatsuche::Linien: {
      const Tliniendaten& l = sp.linie(n);
      punktfolge(s, {l.x1, l.x2}, {l.y1, l.y2});
      break;
    }
    case Duplikatsuche::KreiseUndEllipsen: {
      const tbogendaten& b = sp.bogen(n);
      for (double v : {b.xm, b.ym, b.xr, b.yr, double(b.startwinkel), double(b.endwinkel), double(b.drehwinkel)})
        s.werte.push_back(gerundet(v));
      break;
    }
    case Duplikatsuche::Polygone: {
      const Tpolygondaten& p = sp.polygon(n);
      punktfolge(s, p.x, p.y);
      break;
    }
  }
  return s;
}

}  // namespace

std::vector<std::int32_t> findeDuplikate(const Elementspeicher& speicher, Duplikatsuche was) {
  std::unordered_set<Schluessel, SchluesselHash> gesehen;
  std::vector<std::int32_t> kopien;
  for (std::int32_t n = 1; n <= speicher.anzahl(); ++n) {
    if (!speicher.lebendig(n) || !gehoertDazu(speicher, n, was)) continue;
    if (!gesehen.insert(schluessel(speicher, n, was)).second) kopien.push_back(n);
  }
  return kopien;
}

std::int32_t entferneDuplikate(Elementspeicher& speicher, Duplikatsuche was, Benutzer& benutzer) {
  const std::vector<std::int32_t> kopien = findeDuplikate(speicher, was);
  const bool linien = was == Duplikatsuche::Linien;
  const std::string anzahl = std::to_string(kopien.size());
  bool loeschen = false;
  if (kopien.empty()) {
    benutzer.meldung(linien ? "Es wurden keine doppelte Linien gefunden" : "Es wurden keine doppelte Objekte gefunden");
  } else if (kopien.size() == 1) {
    loeschen = benutzer.jaNein(linien ? "Es wurde eine doppelte Linie gefunden. Soll diese Linie gelöscht werden?"
                                      : "Es wurde ein doppeltes Objekt gefunden. Soll dieses Objekt gelöscht werden?");
  } else {
    loeschen = benutzer.jaNein(
        linien ? "Es wurden " + anzahl + " doppelte Linien gefunden. Sollen diese Linien nun gelöscht werden?"
               : "Es wurden " + anzahl + " doppelte Objekte gefunden. Sollen diese Objekte nun gelöscht werden?");
  }
  if (!loeschen) return 0;
  speicher.demarkiereAlle();
  for (std::int32_t n : kopien) speicher.setzeMarkiert(n, 1);
  speicher.loescheMarkierte();
  return static_cast<std::int32_t>(kopien.size());
}

}  // namespace quarzel
