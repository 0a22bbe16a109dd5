#include "view/ansicht.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quarzel {

double Ansicht::nearest(double v) {
  if (!std::isfinite(v)) return v;
  // std::round takes halves away from zero; an exact half goes to the even
  // neighbour instead, which round(v / 2) * 2 finds.
  if (std::fabs(v - std::trunc(v)) == 0.5) return 2.0 * std::round(v / 2.0);
  return std::round(v);
}

std::int32_t Ansicht::nearestInt32(double v) {
  if (std::isnan(v)) return 0;
  const double r = nearest(v);
  constexpr double kleinstes = std::numeric_limits<std::int32_t>::min();
  constexpr double groesstes = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(r, kleinstes, groesstes));
}

Pixelpunkt Ansicht::worldToPixel(double x, double y) const {
  return {(x - viewOriginX) / zoom, (y - viewOriginY) / zoom};
}

Weltpunkt Ansicht::pixelToWorld(double px, double py) const {
  return {px * zoom + viewOriginX, py * zoom + viewOriginY};
}

Benutzerpunkt Ansicht::worldToUser(double x, double y, double scale) const {
  const double x0 = zeroPoint.x, y0 = zeroPoint.y;
  double dx = x - x0, dy = y - y0;
  if (coordAngle != 0) {
    const double a = static_cast<double>(coordAngle) * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    const double gx = dx * c - dy * s;
    const double gy = dx * s + dy * c;
    dx = gx;
    dy = gy;
  }
  return {dx * scale * unitFactor, -dy * scale * unitFactor};
}

Weltpunkt Ansicht::userToWorld(double X, double Y, double scale) const {
  const double teiler = scale * unitFactor;
  if (teiler == 0 || !std::isfinite(teiler)) return zeroPoint;
  double dx = X / teiler, dy = -Y / teiler;
  if (coordAngle != 0) {
    const double a = static_cast<double>(coordAngle) * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    const double gx = dx * c + dy * s;
    const double gy = -dx * s + dy * c;
    dx = gx;
    dy = gy;
  }
  return {zeroPoint.x + dx, zeroPoint.y + dy};
}

void Ansicht::begrenzeFeinstenZoom() {
  // NaN and 0 would make every later division meaningless; the finest zoom
  // is the only value that is always valid.
  if (!(zoom > 0)) zoom = WorldWidth / feinsteWeltPixel;
  if (WorldWidth / zoom > feinsteWeltPixel) zoom = WorldWidth / feinsteWeltPixel;
  if (WorldHeight / zoom > feinsteWeltPixel) zoom = WorldHeight / feinsteWeltPixel;
}

Weltpunkt Ansicht::bereichsmitte() const {
  return {areaWidth / 2.0 * zoom + viewOriginX, areaHeight / 2.0 * zoom + viewOriginY};
}

double Ansicht::vergroessern() {
  const Weltpunkt mitte = bereichsmitte();
  const double alt = zoom;
  zoom = zoom / zoomSchritt;
  begrenzeFeinstenZoom();
  zentriere(mitte.x, mitte.y);
  return alt / zoom;
}

double Ansicht::verkleinern() {
  const Weltpunkt mitte = bereichsmitte();
  const double alt = zoom;
  zoom = zoom * zoomSchritt;
  if (WorldWidth / zoom < areaWidth) zoom = static_cast<double>(WorldWidth) / areaWidth;
  if (WorldHeight / zoom < areaHeight) zoom = static_cast<double>(WorldHeight) / areaHeight;
  if (!(zoom > 0) || !std::isfinite(zoom)) zoom = alt;
  if (zoom != alt) zentriere(mitte.x, mitte.y);
  return alt / zoom;
}

double Ansicht::zoomeAufRechteck(double x1, double y1, double x2, double y2) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return 1.0;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  const double w = x2 - x1, h = y2 - y1;
  const double bw = bereichBreite(), bh = bereichHoehe();
  const double zx = w / bw, zy = h / bh;
  if (!std::isfinite(zx) || !std::isfinite(zy)) return 1.0;
  const double alt = zoom;
  if (zx < zy) {
    // The height governs; the rectangle is centred horizontally.
    zoom = zy;
    begrenzeFeinstenZoom();
    viewOriginX = nearestInt32(x1 - (bw - w / zoom) / 2 * zoom);
    viewOriginY = nearestInt32(y1);
  } else {
    zoom = zx;
    begrenzeFeinstenZoom();
    viewOriginX = nearestInt32(x1);
    viewOriginY = nearestInt32(y1 - (bh - h / zoom) / 2 * zoom);
  }
  return alt / zoom;
}

double Ansicht::gesamtesBlatt() {
  return zoomeAufRechteck(static_cast<double>(sheetLeft) - blattRandX, static_cast<double>(sheetTop) - blattRandY,
                          static_cast<double>(sheetLeft) + sheetWidth + blattRandX,
                          static_cast<double>(sheetTop) + sheetHeight + blattRandY);
}

double Ansicht::gesamteZeichnung(const std::optional<Weltrechteck>& umgebung, bool speicherLeer) {
  if (!umgebung) {
    if (speicherLeer) return gesamtesBlatt();
    return zoomeAufRechteck(static_cast<double>(sheetLeft) - zeichnungsRand,
                            static_cast<double>(sheetTop) - zeichnungsRand,
                            static_cast<double>(sheetLeft) + sheetWidth + zeichnungsRand,
                            static_cast<double>(sheetTop) + sheetHeight + zeichnungsRand);
  }
  const double links = std::min(umgebung->x1, umgebung->x2), rechts = std::max(umgebung->x1, umgebung->x2);
  const double oben = std::min(umgebung->y1, umgebung->y2), unten = std::max(umgebung->y1, umgebung->y2);
  return zoomeAufRechteck(links - zeichnungsRand, oben - zeichnungsRand, rechts + zeichnungsRand,
                          unten + zeichnungsRand);
}

void Ansicht::zentriere(double cx, double cy) {
  // The far limit may be negative when a zoom to a rectangle shows more than
  // the world; the order of the two checks then lets the far limit win.
  const double breiteMm = areaWidth * zoom;
  double x = nearest(cx - breiteMm / 2);
  if (x < 0) x = 0;
  if (x > WorldWidth - breiteMm) x = nearest(WorldWidth - breiteMm);
  const double hoeheMm = areaHeight * zoom;
  double y = nearest(cy - hoeheMm / 2);
  if (y < 0) y = 0;
  if (y > WorldHeight - hoeheMm) y = nearest(WorldHeight - hoeheMm);
  viewOriginX = nearestInt32(x);
  viewOriginY = nearestInt32(y);
}

bool Ansicht::setzeSicht(double neuerZoom, std::int32_t x, std::int32_t y) {
  constexpr double groessterZoom = 1000;
  if (!std::isfinite(neuerZoom) || neuerZoom < WorldWidth / feinsteWeltPixel || neuerZoom > groessterZoom) return false;
  if (x < 0 || x > WorldWidth || y < 0 || y > WorldHeight) return false;
  zoom = neuerZoom;
  viewOriginX = x;
  viewOriginY = y;
  return true;
}

namespace {

Rollbalken rollbalkenFuer(double bereichPixel, double zoom, std::int32_t welt, std::int32_t ursprung) {
  Rollbalken r;
  r.seitengroesse = std::max<std::int32_t>(0, Ansicht::nearestInt32(bereichPixel * zoom));
  r.grosseAenderung = Ansicht::nearestInt32(r.seitengroesse / 4.0);
  r.kleineAenderung = Ansicht::nearestInt32(r.seitengroesse / 8.0 + 1);
  r.minimum = 0;
  r.maximum = std::max<std::int32_t>(0, welt - std::min(welt, r.seitengroesse));
  r.position = ursprung;
  return r;
}

}  // namespace

Rollbalken Ansicht::rollbalkenWaagerecht() const {
  return rollbalkenFuer(areaWidth, zoom, WorldWidth, viewOriginX);
}

Rollbalken Ansicht::rollbalkenSenkrecht() const {
  return rollbalkenFuer(areaHeight, zoom, WorldHeight, viewOriginY);
}

double Ansicht::setzeUrsprungWaagerecht(std::int32_t position) {
  const double verschiebung = (static_cast<double>(viewOriginX) - position) / zoom;
  viewOriginX = position;
  return verschiebung;
}

double Ansicht::setzeUrsprungSenkrecht(std::int32_t position) {
  const double verschiebung = (static_cast<double>(viewOriginY) - position) / zoom;
  viewOriginY = position;
  return verschiebung;
}

Cliprechteck Ansicht::clipRechteck() const {
  const double rand = std::max(0, clipRand);
  return {-rand, -rand, areaWidth + rand, areaHeight + rand};
}

}  // namespace quarzel
