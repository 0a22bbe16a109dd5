#include "render/elementzeichnen.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <memory>
#include <optional>

#include "render/bildelemente.h"
#include "render/blockrahmen.h"
#include "render/formzeichnen.h"
#include "render/schraffurlader.h"
#include "render/textelemente.h"
#include "render/zustandsfilter.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// Redraws of fewer elements than this show no progress.
constexpr std::int32_t kLangerBildaufbau = 20000;
// The observer's abort query is asked once per this many elements.
constexpr std::int32_t kAbbruchAbfrage = 256;

// A group's name marks a placed symbol when it names a symbol or detail file.
bool istSymbolname(const std::string& name) {
  std::string gross(name);
  for (char& c : gross)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return gross.find(".QZS") != std::string::npos || gross.find(".DET") != std::string::npos;
}

// The display switch of element n's category.
bool kategorieAn(const Zeichenkontext& k, std::int32_t n, Elementart art) {
  const Anzeigeschalter& s = k.schalter;
  const Elementspeicher& sp = k.zeichnung.speicher;
  switch (art) {
    case Elementart::Linie:
    case Elementart::Wandlinie1:
    case Elementart::Wandlinie2: {
      const Tliniendaten& d = sp.linie(n);
      if (art == Elementart::Linie && d.anfang >= 21 && d.anfang <= 29) return s.markerpunkte;
      if (d.stift == kHilfslinienstift) return s.hilfslinien;
      return s.linien;
    }
    case Elementart::Bogen:
      return sp.bogen(n).stift != kHilfslinienstift || s.hilfslinien;
    case Elementart::Bemassung:
      return s.bemassungen;
    case Elementart::Bitmap:
      return s.bitmaps;
    case Elementart::Fuellung:
      return s.flaechen;
    case Elementart::Verlauf:
      return s.verlaeufe;
    case Elementart::Text:
      return s.texte;
    case Elementart::Kommentar:
      return s.texte && s.kommentare;
    case Elementart::Polygon:
    case Elementart::Spline:
    case Elementart::Bezier:
    case Elementart::Metafile:
    case Elementart::Gruppenanfang:
    case Elementart::Gruppenende:
    case Elementart::Frei:
      break;
  }
  return true;
}

// Layer and sublayer visibility, asked of the layer table once per pair and run.
class Ebenensicht {
 public:
  explicit Ebenensicht(const Ebenen& e) : ebenen_(e) {}
  bool sichtbar(std::uint8_t ebene, std::uint8_t folie) {
    std::uint8_t& v = (*tabelle_)[ebene * 256 + folie];
    if (v == 0) v = ebenen_.sichtbar(ebene, folie) ? 1 : 2;
    return v == 1;
  }

 private:
  const Ebenen& ebenen_;
  std::unique_ptr<std::array<std::uint8_t, 65536>> tabelle_ = std::make_unique<std::array<std::uint8_t, 65536>>();
};

bool hintergrundFlaeche(Elementart art) {
  return art == Elementart::Bogen || art == Elementart::Polygon || art == Elementart::Spline ||
         art == Elementart::Bezier;
}

class Zeichenschleife {
 public:
  Zeichenschleife(Zeichenkontext& k, const Zeichenumgebung& u, std::int32_t erstes, std::int32_t letztes)
      : k_(k), u_(u), s_(u.zeichnung.speicher), sicht_(u.zeichnung.ebenen), erstes_(erstes), letztes_(letztes) {}

  // One pass over the range. Returns false when the redraw was stopped.
  bool lauf(bool hintergrund) {
    const Darstellungswahl& d = u_.darstellung;
    const std::int32_t spanne = letztes_ - erstes_;
    int tiefe = 0;
    int prozent = -1;
    for (std::int32_t n = erstes_; n <= letztes_; ++n) {
      if (u_.abbruch && *u_.abbruch) return false;
      if (u_.beobachter && (n - erstes_) % kAbbruchAbfrage == kAbbruchAbfrage - 1 && u_.beobachter->abbrechen())
        return false;
      if (!hintergrund && u_.beobachter && spanne >= kLangerBildaufbau) {
        const int p = static_cast<int>(static_cast<std::int64_t>(n - erstes_) * 100 / spanne);
        if (p != prozent) u_.beobachter->fortschritt(prozent = p);
      }
      if (u_.bloecke && (n == erstes_ || (n & (Blockrahmen::kBlockgroesse - 1)) == 0)) {
        const std::size_t b = Blockrahmen::block(n);
        if (b < u_.bloecke->anzahl() && !blockSichtbar(u_.bloecke->rahmen(b))) {
          n = std::min<std::int32_t>(letztes_, static_cast<std::int32_t>(((b + 1) << Blockrahmen::kBlockbits) - 1));
          continue;
        }
      }
      if (!s_.lebendig(n)) continue;
      const Elementart art = s_.art(n);
      if (art == Elementart::Gruppenanfang) {
        ++tiefe;
        if (ueberspringen(n, tiefe == 1)) {
          const std::int32_t ende = s_.gruppenende(n);
          if (ende > n) {
            n = ende;
            --tiefe;
          }
        }
        continue;
      }
      if (art == Elementart::Gruppenende) {
        if (tiefe > 0) --tiefe;
        continue;
      }
      if (!sichtbar(n, art)) continue;
      Zeichenteil teil = Zeichenteil::Alles;
      const bool flaecheHinten = d.flaechenInHintergrund && hintergrundFlaeche(art) && s_.gefuellt(n);
      const bool ganzHinten = (d.flaechenInHintergrund && art == Elementart::Fuellung) ||
                              (d.verlaeufeInHintergrund && art == Elementart::Verlauf);
      if (hintergrund) {
        if (!flaecheHinten && !ganzHinten) continue;
        teil = Zeichenteil::NurFlaeche;
      } else {
        if (ganzHinten) continue;
        if (flaecheHinten) teil = Zeichenteil::OhneFlaeche;
        ++gezeichnet_;
        if (u_.bildspeicher && n <= u_.bildspeicher->gesamtanzahl())
          u_.bildspeicher->setzeFlag(kFlagspalteGezeichnet, n, 1);
      }
      zeichne(n, art, teil);
      if (!hintergrund && u_.schnellerRefresh && ++seitKopie_ > spanne / 5) {
        k_.canvas.abschliessen();
        if (u_.beobachter) u_.beobachter->insFenster();
        seitKopie_ = 0;
      }
    }
    return true;
  }

  std::int32_t gezeichnet() const { return gezeichnet_; }

 private:
  bool sichtbar(std::int32_t n, Elementart art) {
    if (istLinienart(art)) {
      // Lines are the bulk of a drawing: one record read decides.
      const Tliniendaten& d = s_.linie(n);
      if (!sicht_.sichtbar(d.planteil, d.folie)) return false;
      const Anzeigeschalter& a = u_.schalter;
      if (art == Elementart::Linie && d.anfang >= 21 && d.anfang <= 29) return a.markerpunkte;
      return d.stift == kHilfslinienstift ? a.hilfslinien : a.linien;
    }
    if (!sicht_.sichtbar(s_.planteil(n), s_.folie(n))) return false;
    return kategorieAn(k_, n, art);
  }

  // Whether anything of the block can reach the canvas: its box widened by
  // what may stick out in pixels (pen widths, line ends, marker symbols).
  bool blockSichtbar(const Blockrahmen::Rahmen& r) const {
    if (r.unbeschraenkt) return true;
    if (r.links > r.rechts) return false;  // free slots only
    int breitester = 1;
    for (int w = 0; w < 4; ++w)
      for (std::uint64_t bits = r.stifte[w]; bits; bits &= bits - 1)
        breitester = std::max(breitester, k_.lauf.penPixelWidth(w * 64 + std::countr_zero(bits)));
    const double rand = 96.0 + 16.0 * breitester;
    const Pixelpunkt a = k_.lauf.nachPixel(r.links, r.oben);
    const Pixelpunkt e = k_.lauf.nachPixel(r.rechts, r.unten);
    const Cliprechteck& c = k_.clip;
    return !(e.x + rand < c.links || a.x - rand > c.rechts || e.y + rand < c.oben || a.y - rand > c.unten);
  }

  // Whether the group beginning at n is skipped as a whole: an outermost
  // group whose box lies entirely outside the canvas, or a symbol while
  // "S&ymbole " is off.
  bool ueberspringen(std::int32_t n, bool aussen) {
    const tgruppendaten& g = s_.gruppe(n);
    if (!u_.schalter.symbole && istSymbolname(g.name)) return true;
    if (!aussen) return false;
    const auto& r = g.rahmen;
    // A group without a box (all zero, or damaged) is never culled.
    if (r[0] == 0 && r[1] == 0 && r[2] == 0 && r[3] == 0) return false;
    for (double v : r)
      if (!std::isfinite(v)) return false;
    const Pixelpunkt a = k_.lauf.nachPixel(std::min(r[0], r[2]), std::min(r[1], r[3]));
    const Pixelpunkt b = k_.lauf.nachPixel(std::max(r[0], r[2]), std::max(r[1], r[3]));
    const Cliprechteck& c = k_.clip;
    return b.x < c.links || a.x > c.rechts || b.y < c.oben || a.y > c.unten;
  }

  void zeichne(std::int32_t n, Elementart art, Zeichenteil teil) {
    switch (art) {
      case Elementart::Linie:
      case Elementart::Wandlinie2:
        zeichneLinienelement(k_, n);
        break;
      case Elementart::Bogen:
        zeichneBogenelement(k_, n, teil);
        break;
      case Elementart::Polygon:
      case Elementart::Spline:
      case Elementart::Bezier:
        zeichneKurvenelement(k_, n, teil);
        break;
      case Elementart::Verlauf:
        zeichneVerlauf(k_, n);
        break;
      case Elementart::Bemassung:
        zeichneBemassung(k_, n);
        break;
      case Elementart::Bitmap:
      case Elementart::Fuellung:
        zeichneBitmap(k_, n);
        break;
      case Elementart::Text:
      case Elementart::Kommentar:
        zeichneText(k_, n);
        break;
      case Elementart::Metafile:
        zeichneMetafile(k_, n);
        break;
      case Elementart::Wandlinie1:  // kept, not drawn
      case Elementart::Gruppenanfang:
      case Elementart::Gruppenende:
      case Elementart::Frei:
        break;
    }
  }

  Zeichenkontext& k_;
  const Zeichenumgebung& u_;
  const Elementspeicher& s_;
  Ebenensicht sicht_;
  std::int32_t erstes_;
  std::int32_t letztes_;
  std::int32_t gezeichnet_ = 0;
  std::int32_t seitKopie_ = 0;
};

}  // namespace

bool isDrawable(const Zeichenkontext& k, std::int32_t n) {
  const Elementspeicher& s = k.zeichnung.speicher;
  if (n < 1 || n > s.gesamtanzahl() || !s.lebendig(n)) return false;
  const Elementart art = s.art(n);
  if (istGruppenklammer(art)) return true;
  if (!k.zeichnung.ebenen.sichtbar(s.planteil(n), s.folie(n))) return false;
  return kategorieAn(k, n, art);
}

std::int32_t drawElements(Canvas& canvas, std::int32_t first, std::int32_t last, double scale, double zoom,
                          const Cliprechteck& clip, double originX, double originY, const Zeichenumgebung& u) {
  const Zeichnung& z = u.zeichnung;
  Laufparameter p;
  p.zoom = zoom;
  p.drawingScale = scale;
  p.originX = originX;
  p.originY = originY;
  p.echteBreiten = u.schalter.stiftbreitenUndFarben;
  p.mindestbreite = u.mindestbreite;
  Zeichenlauf lauf(z.stifte, z.linienstile, p);
  lauf.computePenPixelWidths(zoom);

  std::optional<Schraffurlader> lader;
  if (u.schraffuren) lader.emplace(*u.schraffuren);
  if (u.bloecke) u.bloecke->aktualisiere(z.speicher);
  Zustandsfilter filter(canvas);
  Zeichenkontext k{z, lauf, filter, u.schalter, u.darstellung, u.schraffuren, clip, u.bildspeicher != nullptr};
  k.schraffurlader = lader ? &*lader : nullptr;
  k.texturgrenze = u.texturgrenze;
  k.textersetzung = u.textersetzung;

  std::int32_t gezeichnet = 0;
  const std::int32_t erstes = std::max<std::int32_t>(first, 1);
  const std::int32_t letztes = std::min(last, z.speicher.gesamtanzahl());
  if (erstes <= letztes) {
    Zeichenschleife schleife(k, u, erstes, letztes);
    const bool hintergrund = u.darstellung.flaechenInHintergrund || u.darstellung.verlaeufeInHintergrund;
    if (!hintergrund || schleife.lauf(true)) schleife.lauf(false);
    gezeichnet = schleife.gezeichnet();
  }
  filter.abschliessen();
  if (u.schnellerRefresh && u.beobachter) u.beobachter->insFenster();
  canvas.setzeStift(rgb(0, 0, 0), 1);
  canvas.setzePinsel(rgb(255, 255, 255));
  canvas.setzeStiftmodus(Stiftmodus::Kopieren);
  return gezeichnet;
}

}  // namespace quarzel
