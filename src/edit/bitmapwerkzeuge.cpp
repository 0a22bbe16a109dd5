#include "edit/bitmapwerkzeuge.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <utility>

#include "edit/figurgeometrie.h"
#include "edit/treffertest.h"
#include "render/bilddekoder.h"
#include "render/bildkodierer.h"
#include "render/bildlage.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

using W = Werkzeugcode;

// A picture placed at its own size: one pixel at 96 dpi on the sheet.
constexpr double kPixelMm = 25.4 / 96;

bool istBitmap(const Elementspeicher& s, std::int32_t n) {
  return n > 0 && (s.art(n) == Elementart::Bitmap || s.art(n) == Elementart::Fuellung);
}

// Where pixel coordinates (u, v) of a picture of w × h pixels land in the
// world, and back: the frame is a parallelogram (turned rectangle).
struct Bildrahmen {
  Bildlage l;  // world millimetres
  double w = 1, h = 1;

  Weltpunkt welt(double u, double v) const {
    return {l.obenLinks.x + u / w * (l.obenRechts.x - l.obenLinks.x) + v / h * (l.untenLinks.x - l.obenLinks.x),
            l.obenLinks.y + u / w * (l.obenRechts.y - l.obenLinks.y) + v / h * (l.untenLinks.y - l.obenLinks.y)};
  }
  std::optional<std::pair<double, double>> pixel(Weltpunkt p) const {
    const double ax = l.obenRechts.x - l.obenLinks.x, ay = l.obenRechts.y - l.obenLinks.y;
    const double bx = l.untenLinks.x - l.obenLinks.x, by = l.untenLinks.y - l.obenLinks.y;
    const double det = ax * by - ay * bx;
    if (!(std::abs(det) > 1e-12)) return std::nullopt;
    const double dx = p.x - l.obenLinks.x, dy = p.y - l.obenLinks.y;
    return std::make_pair((dx * by - dy * bx) / det * w, (ax * dy - ay * dx) / det * h);
  }
};

// The upright frame's width and height (placement values 0..3).
std::pair<double, double> rahmengroesse(const std::array<double, 6>& q) {
  return {std::abs(q[2] - q[0]), std::abs(q[3] - q[1])};
}

std::array<double, 6> umMitte(Weltpunkt m, double breite, double hoehe, const std::array<double, 6>& alt) {
  return {m.x - breite / 2, m.y - hoehe / 2, m.x + breite / 2, m.y + hoehe / 2, alt[4], alt[5]};
}

Rasterbild ausschnitt(const Rasterbild& b, int x0, int y0, int x1, int y1) {
  Rasterbild r;
  r.breite = x1 - x0;
  r.hoehe = y1 - y0;
  r.rgba.resize(static_cast<std::size_t>(r.breite) * static_cast<std::size_t>(r.hoehe) * 4);
  for (int y = 0; y < r.hoehe; ++y) {
    const auto von = b.rgba.begin() + ((static_cast<std::ptrdiff_t>(y0 + y) * b.breite + x0) * 4);
    std::copy(von, von + r.breite * 4, r.rgba.begin() + static_cast<std::ptrdiff_t>(y) * r.breite * 4);
  }
  return r;
}

// Pixel (x, y) of the result is pixel `quelle(x, y)` of b.
Rasterbild umgeordnet(const Rasterbild& b, int breite, int hoehe,
                      const std::function<std::pair<int, int>(int, int)>& quelle) {
  Rasterbild r;
  r.breite = breite;
  r.hoehe = hoehe;
  r.rgba.resize(b.rgba.size());
  for (int y = 0; y < hoehe; ++y)
    for (int x = 0; x < breite; ++x) {
      const auto [qx, qy] = quelle(x, y);
      const std::size_t z = (static_cast<std::size_t>(y) * breite + x) * 4;
      const std::size_t q = (static_cast<std::size_t>(qy) * b.breite + qx) * 4;
      std::copy_n(b.rgba.begin() + static_cast<std::ptrdiff_t>(q), 4, r.rgba.begin() + static_cast<std::ptrdiff_t>(z));
    }
  return r;
}

// Whether the world point lies in the polygon (even-odd rule).
bool imPolygon(const std::vector<Weltpunkt>& p, Weltpunkt q) {
  bool innen = false;
  for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
    if ((p[i].y > q.y) != (p[j].y > q.y) && q.x < (p[j].x - p[i].x) * (q.y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
      innen = !innen;
  }
  return innen;
}

// Changes the content of bitmap record d: `aendere` gets the decoded
// picture and its frame and returns the new picture and placement.
using Inhaltsaenderung =
    std::function<std::optional<std::pair<Rasterbild, std::array<double, 6>>>(const Rasterbild&, const Bildrahmen&)>;

bool aendereInhalt(Tbitmapdaten& d, const Inhaltsaenderung& aendere) {
  const std::optional<Rasterbild> bild = dekodiereBild(d.daten);
  if (!bild) return false;
  const Bildrahmen r{bitmaplage(d.platzierung), static_cast<double>(bild->breite), static_cast<double>(bild->hoehe)};
  auto neu = aendere(*bild, r);
  if (!neu) return false;
  std::vector<std::uint8_t> datei = kodierePng(neu->first);
  if (datei.empty()) return false;
  d.daten = std::move(datei);
  d.platzierung = neu->second;
  return true;
}

// Keeps the pixels whose centre lies `innen`, cut to the smallest box
// around them; the others become transparent.
std::optional<std::pair<Rasterbild, std::array<double, 6>>> beschneide(const Rasterbild& b, const Bildrahmen& r,
                                                                       const std::array<double, 6>& platz,
                                                                       const std::function<bool(Weltpunkt)>& innen) {
  Rasterbild m = b;
  int x0 = b.breite, y0 = b.hoehe, x1 = -1, y1 = -1;
  for (int y = 0; y < b.hoehe; ++y)
    for (int x = 0; x < b.breite; ++x) {
      if (innen(r.welt(x + 0.5, y + 0.5))) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
      } else {
        m.rgba[(static_cast<std::size_t>(y) * b.breite + x) * 4 + 3] = 0;
      }
    }
  if (x1 < x0 || y1 < y0) return std::nullopt;  // nothing would be left
  ++x1, ++y1;
  const auto [fb, fh] = rahmengroesse(platz);
  const Weltpunkt mitte = r.welt((x0 + x1) / 2.0, (y0 + y1) / 2.0);
  return std::make_pair(ausschnitt(m, x0, y0, x1, y1),
                        umMitte(mitte, fb * (x1 - x0) / r.w, fh * (y1 - y0) / r.h, platz));
}

}  // namespace

bool Bitmapwerkzeuge::bildVormerken(std::vector<std::uint8_t> datei) {
  const std::optional<Rasterbild> bild = dekodiereBild(datei);
  if (!bild) {
    neu_.reset();
    return false;
  }
  neu_ = Neubild{std::move(datei), bild->breite, bild->hoehe};
  return true;
}

bool Bitmapwerkzeuge::platziert(const Werkzeugumgebung& u) const {
  return u.zustand.werkzeug == W::BitmapEinpassen && u.zustand.knopf == kBildEinfuegenKnopf && neu_.has_value();
}

namespace {

// The frame of a new picture of w × h pixels fitted into the rectangle a, b
// keeping its proportions, anchored at a.
std::array<double, 6> eingepasst(Weltpunkt a, Weltpunkt b, int w, int h) {
  double bx = std::abs(b.x - a.x), by = std::abs(b.y - a.y);
  const double verhaeltnis = static_cast<double>(h) / w;
  if (bx * verhaeltnis <= by)
    by = bx * verhaeltnis;
  else
    bx = by / verhaeltnis;
  const double x2 = a.x + (b.x >= a.x ? bx : -bx), y2 = a.y + (b.y >= a.y ? by : -by);
  return {std::min(a.x, x2), std::min(a.y, y2), std::max(a.x, x2), std::max(a.y, y2), 0, 0};
}

Zeichenfigur rechteckfigur(Weltpunkt a, Weltpunkt b) {
  Zeichenfigur f;
  const auto e = figur::rechteck(a, b);
  f.zug.assign(e.begin(), e.end());
  f.geschlossen = true;
  return f;
}

Zeichenfigur ellipsenfigur(Weltpunkt a, Weltpunkt b) {
  Zeichenfigur f;
  Figurbogen e;
  e.mitte = {(a.x + b.x) / 2, (a.y + b.y) / 2};
  e.xr = std::abs(b.x - a.x) / 2;
  e.yr = std::abs(b.y - a.y) / 2;
  if (e.xr > 0 && e.yr > 0) f.boegen.push_back(e);
  return f;
}

// Replaces bitmap n by a changed copy in one undo step; the copy is marked.
bool aendereBitmap(Zeichnung& z, std::int32_t n, const std::function<bool(Tbitmapdaten&)>& aendere) {
  Elementspeicher& s = z.speicher;
  if (!istBitmap(s, n) || !s.lebendig(n)) return false;
  Tbitmapdaten neu = s.bitmap(n);
  if (!aendere(neu)) return false;
  s.demarkiereAlle();
  s.setzeMarkiert(n, 1);
  s.bereiteAenderungVor();
  for (std::int32_t m = 1; m <= s.anzahl(); ++m)
    if (s.markiert(m) && s.lebendig(m) && istBitmap(s, m)) {
      s.bitmap(m) = std::move(neu);
      break;
    }
  s.setzeModifiziert(true);
  return true;
}

}  // namespace

void Bitmapwerkzeuge::fertig(Werkzeugumgebung& u, bool ausfuehren) {
  band_.loesche(u.rueckmeldung);
  const W code = u.zustand.werkzeug;
  const auto& pk = u.zustand.punkte;
  Zeichnung& z = u.zeichnung;
  bool geaendert = false;
  const bool platzieren = platziert(u);
  if (ausfuehren && platzieren && !pk.empty()) {
    const Neubild& b = *neu_;
    Tbitmapdaten d;
    d.platzierung = pk.size() >= 2
                        ? eingepasst(pk[0], pk[1], b.breite, b.hoehe)
                        : std::array<double, 6>{
                              pk[0].x, pk[0].y, pk[0].x + b.breite * kPixelMm, pk[0].y + b.hoehe * kPixelMm, 0, 0};
    if (d.platzierung[2] > d.platzierung[0] && d.platzierung[3] > d.platzierung[1]) {
      d.daten = b.datei;
      Elementspeicher& s = z.speicher;
      s.beginneSchritt();
      const std::int32_t n = s.neueBitmap(Elementart::Bitmap, std::move(d));
      s.vervollstaendige(n);
      s.setzeMarkiert(n, 0);
      s.setzeModifiziert(true);
      neu_.reset();
      if (u.elementeZeichnen) u.elementeZeichnen(n, n);
    }
  } else if (ausfuehren && bitmap_ > 0) {
    const Weltpunkt a = pk.empty() ? Weltpunkt{} : pk.front();
    const Weltpunkt b = pk.size() >= 2 ? pk[1] : a;
    const std::vector<Weltpunkt> ecken(pk.begin(), pk.end());
    geaendert = aendereBitmap(z, bitmap_, [&](Tbitmapdaten& d) {
      const std::array<double, 6> platz = d.platzierung;
      switch (code) {
        case W::BitmapEinpassen: {
          if (figur::gleich(a, b) || a.x == b.x || a.y == b.y) return false;
          d.platzierung = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                           std::max(a.y, b.y), platz[4],           platz[5]};
          return true;
        }
        case W::BitmapBeschneiden:
          return aendereInhalt(d, [&](const Rasterbild& bild, const Bildrahmen& r) {
            return beschneide(bild, r, platz, [&](Weltpunkt q) {
              return q.x >= std::min(a.x, b.x) && q.x <= std::max(a.x, b.x) && q.y >= std::min(a.y, b.y) &&
                     q.y <= std::max(a.y, b.y);
            });
          });
        case W::BitmapRundBeschneiden:
          return aendereInhalt(d, [&](const Rasterbild& bild, const Bildrahmen& r) {
            const double cx = (a.x + b.x) / 2, cy = (a.y + b.y) / 2;
            const double rx = std::abs(b.x - a.x) / 2, ry = std::abs(b.y - a.y) / 2;
            return beschneide(bild, r, platz, [&](Weltpunkt q) {
              const double ex = (q.x - cx) / rx, ey = (q.y - cy) / ry;
              return rx > 0 && ry > 0 && ex * ex + ey * ey <= 1;
            });
          });
        case W::BitmapPolygonalBeschneiden:
          return aendereInhalt(d, [&](const Rasterbild& bild, const Bildrahmen& r) {
            return beschneide(bild, r, platz, [&](Weltpunkt q) { return imPolygon(ecken, q); });
          });
        case W::BitmapWaagerechtSpiegeln:
        case W::BitmapSenkrechtSpiegeln: {
          const bool waagerecht = code == W::BitmapWaagerechtSpiegeln;
          return aendereInhalt(d, [&](const Rasterbild& bild, const Bildrahmen&) {
            return std::make_optional(std::make_pair(umgeordnet(bild, bild.breite, bild.hoehe,
                                                                [&](int x, int y) {
                                                                  return waagerecht
                                                                             ? std::make_pair(bild.breite - 1 - x, y)
                                                                             : std::make_pair(x, bild.hoehe - 1 - y);
                                                                }),
                                                     platz));
          });
        }
        case W::BitmapDrehen:
          // A quarter turn clockwise; the frame swaps its sides about its centre.
          return aendereInhalt(d, [&](const Rasterbild& bild, const Bildrahmen& r) {
            const auto [fb, fh] = rahmengroesse(platz);
            return std::make_optional(
                std::make_pair(umgeordnet(bild, bild.hoehe, bild.breite,
                                          [&](int x, int y) { return std::make_pair(y, bild.hoehe - 1 - x); }),
                               umMitte(r.welt(r.w / 2, r.h / 2), fh, fb, platz)));
          });
        case W::BitmapMaskieren:
          return aendereInhalt(d,
                               [&](const Rasterbild& bild,
                                   const Bildrahmen& r) -> std::optional<std::pair<Rasterbild, std::array<double, 6>>> {
                                 const auto uv = r.pixel(a);
                                 if (!uv) return std::nullopt;
                                 const int x = std::clamp(static_cast<int>(std::floor(uv->first)), 0, bild.breite - 1);
                                 const int y = std::clamp(static_cast<int>(std::floor(uv->second)), 0, bild.hoehe - 1);
                                 const std::size_t i = (static_cast<std::size_t>(y) * bild.breite + x) * 4;
                                 Rasterbild m = bild;
                                 bool etwas = false;
                                 for (std::size_t k = 0; k < m.rgba.size(); k += 4)
                                   if (m.rgba[k] == bild.rgba[i] && m.rgba[k + 1] == bild.rgba[i + 1] &&
                                       m.rgba[k + 2] == bild.rgba[i + 2] && m.rgba[k + 3] != 0) {
                                     m.rgba[k + 3] = 0;
                                     etwas = true;
                                   }
                                 if (!etwas) return std::nullopt;
                                 return std::make_pair(std::move(m), platz);
                               });
        default:
          return false;
      }
    });
  }
  u.zustand.vonVorn();
  bitmap_ = 0;
  if (geaendert && u.neuZeichnen) u.neuZeichnen();
  // A placed picture is done: back to selecting, as after Escape.
  if (platzieren && ausfuehren && !neu_ && u.markierenAktivieren) u.markierenAktivieren();
}

void Bitmapwerkzeuge::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  if (!figur::endlich(p)) return;
  const W code = u.zustand.werkzeug;
  auto& pk = u.zustand.punkte;
  if (platziert(u)) {
    if (u.zustand.schritt <= 1) pk.clear();
    pk.push_back(p);
    if (pk.size() >= 2) return fertig(u, true);
    u.zustand.schritt = 2;
    u.zustand.bezug = p;
    return;
  }
  if (u.zustand.schritt <= 1 || bitmap_ == 0) {
    pk.clear();
    const Pixelpunkt px = u.zeichnung.ansicht.worldToPixel(p.x, p.y);
    const std::int32_t n = trefferTest(u.zeichnung, px.x, px.y);
    if (!istBitmap(u.zeichnung.speicher, n)) return;
    bitmap_ = n;
    if (code == W::BitmapWaagerechtSpiegeln || code == W::BitmapSenkrechtSpiegeln || code == W::BitmapDrehen)
      return fertig(u, true);
    if (code == W::BitmapMaskieren) {
      pk.push_back(p);
      return fertig(u, true);
    }
    u.zustand.schritt = 2;
    return;
  }
  pk.push_back(p);
  u.zustand.bezug = p;
  if (code != W::BitmapPolygonalBeschneiden && pk.size() >= 2) return fertig(u, true);
  u.zustand.schritt = 3;
  bewegung(u, p);
}

void Bitmapwerkzeuge::zweiteTaste(Werkzeugumgebung& u, Weltpunkt) {
  const auto n = u.zustand.punkte.size();
  if (platziert(u) && n == 1) return fertig(u, true);  // at its own size
  if (u.zustand.werkzeug == W::BitmapPolygonalBeschneiden && bitmap_ > 0 && n >= 3) return fertig(u, true);
  abbrechen(u);
}

void Bitmapwerkzeuge::doppelklick(Werkzeugumgebung& u, Weltpunkt p) {
  if (u.zustand.werkzeug == W::BitmapPolygonalBeschneiden) zweiteTaste(u, p);
}

void Bitmapwerkzeuge::bewegung(Werkzeugumgebung& u, Weltpunkt p) {
  const auto& pk = u.zustand.punkte;
  if (pk.empty() || !figur::endlich(p)) {
    band_.loesche(u.rueckmeldung);
    return;
  }
  Zeichenfigur f;
  const W code = u.zustand.werkzeug;
  if (platziert(u)) {
    const auto q = eingepasst(pk[0], p, neu_->breite, neu_->hoehe);
    f = rechteckfigur({q[0], q[1]}, {q[2], q[3]});
  } else if (code == W::BitmapPolygonalBeschneiden) {
    f.zug.assign(pk.begin(), pk.end());
    f.zug.push_back(p);
    f.geschlossen = f.zug.size() >= 3;
  } else if (code == W::BitmapRundBeschneiden) {
    f = ellipsenfigur(pk[0], p);
  } else {
    f = rechteckfigur(pk[0], p);
  }
  band_.zeige(u.rueckmeldung, u.zeichnung.ansicht, f, gummibandfarbe);
}

void Bitmapwerkzeuge::rueckmeldungLoeschen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
}

void Bitmapwerkzeuge::abbrechen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
  u.zustand.vonVorn();
  bitmap_ = 0;
  neu_.reset();
}

}  // namespace quarzel
