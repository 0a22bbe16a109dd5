#include "edit/fangsuche.h"

#include <cmath>

#include "edit/fangbewertung.h"
#include "edit/fangraster.h"

namespace quarzel {

namespace {

// Sets the running flag for the duration of one search.
class Laufsperre {
 public:
  explicit Laufsperre(bool& flag) : flag_(flag) { flag_ = true; }
  ~Laufsperre() { flag_ = false; }
  Laufsperre(const Laufsperre&) = delete;
  Laufsperre& operator=(const Laufsperre&) = delete;

 private:
  bool& flag_;
};

Fangergebnis unveraendert(int x, int y) {
  Fangergebnis e;
  e.x = x;
  e.y = y;
  return e;
}

}  // namespace

bool Fangsuche::qualifiziert(const Fangeinstellungen& e, const Weltrechteck& fenster, std::int32_t n) const {
  const Elementspeicher& s = zeichnung_.speicher;
  if (n < 1 || n > s.anzahl()) return false;
  if (fangform(s.art(n)) == Fangform::Keine || !s.lebendig(n)) return false;
  const Ebenen& eb = zeichnung_.ebenen;
  const int ebene = s.planteil(n), folie = s.folie(n);
  const bool aktiveEbene = ebene == eb.aktiveEbene();
  const bool imBereich = (e.aktiveFolie && aktiveEbene && folie == eb.aktiveFolie()) ||
                         (e.sichtbareFolienAktiveEbene && aktiveEbene && eb.sichtbar(ebene, folie)) ||
                         (e.alleSichtbarenEbenen && eb.sichtbar(ebene, folie));
  if (!imBereich) return false;
  const std::optional<Weltrechteck> u = fangumgebung(s, n);
  return u && ueberlappt(*u, fenster);
}

bool Fangsuche::sammle(const Fangeinstellungen& e, const Weltrechteck& fenster, Wachposten& wache) {
  kandidaten_.clear();
  if (mitIndex) {
    index_.aktualisiere();
    treffer_.clear();
    index_.suche(fenster, treffer_);
    for (std::int32_t n : treffer_) {
      if (!wache.weiter()) return false;
      if (qualifiziert(e, fenster, n)) kandidaten_.push_back(n);
    }
    return true;
  }
  for (std::int32_t n = 1, ende = zeichnung_.speicher.anzahl(); n <= ende; ++n) {
    if (!wache.weiter()) return false;
    if (qualifiziert(e, fenster, n)) kandidaten_.push_back(n);
  }
  return true;
}

Fangergebnis Fangsuche::fange(int x, int y, const Fangeinstellungen& e, const Fangkontext& k) {
  if (laeuft_) {
    Fangergebnis abgewiesen = unveraendert(x, y);
    abgewiesen.abgewiesen = true;
    return abgewiesen;
  }
  Laufsperre sperre(laeuft_);
  const Ansicht& a = zeichnung_.ansicht;

  // 1. The early returns.
  const Pixelpunkt start = cursorposition ? cursorposition() : Pixelpunkt{double(x), double(y)};
  const int r = e.radius();
  Fangergebnis erg = unveraendert(x, y);
  if (!e.fangaktiv || ohneFangen(k.werkzeug)) return erg;
  if (!(a.zoom > 0) || !std::isfinite(a.zoom)) return erg;

  // 2. Nothing to snap to but, perhaps, the ruler.
  if (e.modi == 0 && !e.raster) {
    if (e.randlineale && !ohneLineal(k.werkzeug)) {
      if (const std::optional<Pixelpunkt> p = linealfang(a, e.linealModell, x, y)) {
        erg.x = p->x;
        erg.y = p->y;
        erg.art = Fangart::Lineal;
      }
    }
    return erg;
  }

  // 3. The capture window. Half a pixel more keeps candidates at exactly r
  // pixels from rounding away in the world conversion; every candidate must
  // still lie within r.
  Fangbewertung bewertung(a, x, y, r);
  const Weltpunkt cursor = a.pixelToWorld(x, y);
  const double halb = (r + 0.5) * a.zoom;
  const Weltrechteck fenster{cursor.x - halb, cursor.y - halb, cursor.x + halb, cursor.y + halb};
  Wachposten wache(uhr, &cursorposition, start, r);
  auto aufgegeben = [&] {
    Fangergebnis g = unveraendert(x, y);
    g.abgebrochen = true;
    return g;
  };

  // 4.-6. Elements: candidates, their edges and points, their intersections.
  if (e.modi != 0 && e.irgendeinBereich()) {
    if (!sammle(e, fenster, wache)) return aufgegeben();
    const Fanglauf lauf{zeichnung_.speicher, e, cursor, fenster, bewertung, wache};
    if (!bewerteElemente(lauf, kandidaten_)) return aufgegeben();
    if ((e.modi & FangSchnittpunkte) != 0 && !bewerteSchnittpunkte(lauf, kandidaten_)) return aufgegeben();
  }

  // 7. The grid node.
  if (e.raster)
    if (const std::optional<Pixelpunkt> p = rasterknoten(a, x, y)) bewertung.bietePixel(*p, Fangart::Rasterpunkt);

  // 8. Nothing found leaves the cursor as it is.
  erg = bewertung.ergebnis();

  // 9. The angle grid.
  if (e.winkelraster && k.vorigerPunkt && mitWinkelraster(k.werkzeug, k.punktschritt) &&
      (!erg.gefangen || e.winkelAuchGefangen)) {
    std::optional<Pixelpunkt> zentrum = k.vorigerPunkt;
    if (winkelUmBogenmitte(k.werkzeug, k.punktschritt)) zentrum = k.bogenmitte;
    if (zentrum) {
      const Pixelpunkt p = winkelrunden(*zentrum, {erg.x, erg.y}, e.winkelschritt, a.coordAngle);
      erg.winkelGerundet = p.x != erg.x || p.y != erg.y;
      erg.x = p.x;
      erg.y = p.y;
    }
  }

  // The length grid: the distance from the previous point in whole grid steps.
  if (e.laengenraster && k.vorigerPunkt && mitWinkelraster(k.werkzeug, k.punktschritt) &&
      !winkelUmBogenmitte(k.werkzeug, k.punktschritt) && (!erg.gefangen || e.winkelAuchGefangen)) {
    const Pixelpunkt p = laengenrunden(*k.vorigerPunkt, {erg.x, erg.y}, a.gridSpacingX / a.zoom);
    erg.laengeGerundet = p.x != erg.x || p.y != erg.y;
    erg.x = p.x;
    erg.y = p.y;
  }
  return erg;
}

}  // namespace quarzel
