// Interior and outline of closed elements: solid colour, hatch (through the
// hatch fill, its lines drawn with the styled-segment routine) or texture.
#include <bit>
#include <cmath>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "render/bildelemente.h"
#include "render/formzeichnen.h"
#include "render/linienstilzeichnen.h"
#include "render/schraffurfuellung.h"
#include "render/schraffurlader.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// Hatch lines in the element's colour; continuous lines go to the canvas in
// one call per batch, patterned ones piece by piece so every piece starts its
// pattern afresh.
class Elementschraffur : public Schraffurstreckenzeichner {
 public:
  Elementschraffur(Zeichenlauf& lauf, Farbe farbe) : lauf_(lauf), farbe_(farbe) {}

  void zeichneStrecken(Canvas& canvas, std::span<const Schraffurstrecke> strecken, std::uint8_t pen,
                       int linienstil) override {
    if (linienstil == linienstil::kDurchgezogen) {
      canvas.setzeStift(farbe_, lauf_.stiftbreitePixel(pen, linienstil));
      durchgezogen_.zeichneStrecken(canvas, strecken, pen, linienstil);
      return;
    }
    for (const Schraffurstrecke& s : strecken)
      drawStyledSegment(canvas, lauf_, pen, farbe_, linienstil, s.a.x, s.a.y, s.b.x, s.b.y);
  }

 private:
  Zeichenlauf& lauf_;
  Farbe farbe_;
  EinfacherSchraffurzeichner durchgezogen_;
};

const Schraffurdefinition& definitionFuer(Zeichenkontext& k, const std::string& name) {
  if (k.schraffurlader) return k.schraffurlader->fuerElement(name, k.zeichnung.optionen.schraffuren);
  // Without a library only the built-in hatches exist.
  static thread_local Schraffurdefinition eingebaut;
  static thread_local const Schraffurdefinition ersatz = *standardSchraffur(ErsatzSchraffur);
  if (auto d = standardSchraffur(name)) {
    eingebaut = *d;
    return eingebaut;
  }
  return ersatz;
}

double massstabVon(const Zeichenkontext& k, std::int32_t n) {
  const double m = k.zeichnung.ebenen.massstab(k.zeichnung.speicher.planteil(n));
  return m > 0 && std::isfinite(m) ? m : k.lauf.parameter().drawingScale;
}

void schraffiere(Zeichenkontext& k, std::int32_t n, std::span<const Pixelpunkt> umriss, const Fuellangaben& f,
                 Farbe farbe) {
  Elementschraffur zeichner(k.lauf, farbe);
  Schraffurfueller fueller(zeichner);
  fueller.rahmen.massstab = massstabVon(k, n);
  fueller.rahmen.zoom = k.lauf.zoom();
  fueller.rahmen.ursprung = k.lauf.nachPixel(0, 0);
  fueller.rahmen.sichtbereich = k.clip;
  const double winkel = std::isfinite(f.schraffurWinkel) ? f.schraffurWinkel : 0.0;
  fueller.fillHatch(k.canvas, definitionFuer(k, f.schraffurName), umriss, winkel);
}

bool innenSichtbar(const Anzeigeschalter& s, Fuellart art) {
  if (!s.flaechen) return false;
  switch (art) {
    case Fuellart::Schraffur:
      return s.schraffuren;
    case Fuellart::Textur:
      return s.texturen;
    default:
      return true;
  }
}

// A hole joined to its outline along a seam (ring areas, "Loch in Polygon
// schneiden", hatches with islands) walks the seam there and back: an edge
// that the closed outline `zu` also walks the other way has no width.
class Nahtsuche {
 public:
  explicit Nahtsuche(std::span<const Pixelpunkt> zu) : zu_(zu) {
    kanten_.clear();
    for (std::size_t i = 0; i + 1 < zu.size(); ++i) kanten_.insert(kante(zu[i], zu[i + 1]));
  }
  bool naht(std::size_t i) const {
    const Pixelpunkt p = zu_[i], q = zu_[i + 1];
    return (p.x != q.x || p.y != q.y) && kanten_.count(kante(q, p)) != 0;
  }
  bool irgendeine() const {
    for (std::size_t i = 0; i + 1 < zu_.size(); ++i)
      if (naht(i)) return true;
    return false;
  }

 private:
  struct Kante {
    std::uint64_t a, b, c, d;
    bool operator==(const Kante&) const = default;
  };
  struct Streuung {
    std::size_t operator()(const Kante& e) const {
      return std::hash<std::uint64_t>{}(e.a ^ (e.b * 0x9E3779B97F4A7C15ULL) ^ (e.c << 1) ^
                                        (e.d * 0xC2B2AE3D27D4EB4FULL));
    }
  };
  static Kante kante(Pixelpunkt p, Pixelpunkt q) {
    return Kante{std::bit_cast<std::uint64_t>(p.x), std::bit_cast<std::uint64_t>(p.y),
                 std::bit_cast<std::uint64_t>(q.x), std::bit_cast<std::uint64_t>(q.y)};
  }

  std::span<const Pixelpunkt> zu_;
  // One set for all searches: outlines are drawn one at a time.
  static thread_local std::unordered_set<Kante, Streuung> kanten_;
};
thread_local std::unordered_set<Nahtsuche::Kante, Nahtsuche::Streuung> Nahtsuche::kanten_;

// Whether the area's outline (closed or not) walks a seam.
bool hatNaht(std::span<const Pixelpunkt> umriss) {
  if (umriss.size() < 4) return false;
  static thread_local std::vector<Pixelpunkt> zu;
  zu.assign(umriss.begin(), umriss.end());
  if (zu.front().x != zu.back().x || zu.front().y != zu.back().y) zu.push_back(zu.front());
  return Nahtsuche(zu).irgendeine();
}

// The outline without its seams; false when the closed outline `zu` has none.
bool zeichneOhneNaht(Zeichenkontext& k, const Umrissstil& stil, std::span<const Pixelpunkt> zu) {
  if (zu.size() < 4) return false;
  const Nahtsuche suche(zu);
  if (!suche.irgendeine()) return false;
  static thread_local std::vector<Pixelpunkt> lauf;
  const auto zeichne = [&] {
    if (lauf.size() >= 2)
      drawStyledPolyline(k.canvas, k.lauf, stil.stift, stil.farbe, k.linienstil(stil.linienstil), lauf);
    lauf.clear();
  };
  lauf.clear();
  for (std::size_t i = 0; i + 1 < zu.size(); ++i) {
    if (suche.naht(i)) {
      zeichne();
      continue;
    }
    if (lauf.empty()) lauf.push_back(zu[i]);
    lauf.push_back(zu[i + 1]);
  }
  zeichne();
  return true;
}

}  // namespace

Fuellart fuellart(const Fuellangaben& f) {
  if (f.fuellflag == 2) return Fuellart::Textur;
  if (f.fuellflag == 1 || !f.schraffurName.empty()) return Fuellart::Schraffur;
  return Fuellart::Vollfarbe;
}

void zeichneUmrissUndFlaeche(Zeichenkontext& k, std::int32_t n, std::span<const Pixelpunkt> umriss, bool geschlossen,
                             const Fuellangaben* fuellung, const Umrissstil& stil, Zeichenteil teil) {
  if (umriss.empty()) return;
  const bool gefuellt = fuellung && fuellung->gefuellt && umriss.size() >= 3;
  bool umrissZeigen = teil != Zeichenteil::NurFlaeche;
  if (gefuellt) {
    const Fuellart art = fuellart(*fuellung);
    if (teil != Zeichenteil::OhneFlaeche && innenSichtbar(k.schalter, art) && polygonclip(k.clip, umriss)) {
      switch (art) {
        case Fuellart::Vollfarbe: {
          const Farbe f = fuellung->fuellwert & 0xFFFFFF;
          k.canvas.setzeStift(f, 1);
          k.canvas.setzePinsel(f);
          // The one-pixel pen closes the gaps between neighbouring fills,
          // but would draw a seam across a hole.
          if (hatNaht(umriss))
            k.canvas.flaeche(umriss);
          else
            k.canvas.polygon(umriss);
          break;
        }
        case Fuellart::Schraffur:
          schraffiere(k, n, umriss, *fuellung, stil.farbe);
          break;
        case Fuellart::Textur:
          fuelleTextur(k, n, umriss);
          break;
      }
    }
    if (!k.schalter.flaechen && !k.darstellung.objektraenderAnzeigen) umrissZeigen = false;
    geschlossen = true;
  }
  if (!umrissZeigen) return;
  const bool schliessen =
      geschlossen && umriss.size() >= 3 && (umriss.front().x != umriss.back().x || umriss.front().y != umriss.back().y);
  if (!schliessen) {
    if (geschlossen && zeichneOhneNaht(k, stil, umriss)) return;
    drawStyledPolyline(k.canvas, k.lauf, stil.stift, stil.farbe, k.linienstil(stil.linienstil), umriss);
    return;
  }
  static thread_local std::vector<Pixelpunkt> zu;
  zu.assign(umriss.begin(), umriss.end());
  zu.push_back(umriss.front());
  if (zeichneOhneNaht(k, stil, zu)) return;
  drawStyledPolyline(k.canvas, k.lauf, stil.stift, stil.farbe, k.linienstil(stil.linienstil), zu);
}

}  // namespace quarzel
