#include "exchange/svgpfad.h"

#include <cmath>
#include <numbers>

#include "exchange/svgstil.h"

namespace quarzel {

void SvgPfad::leeren() {
  teile.clear();
  segmente.clear();
  offen_ = false;
  x_ = y_ = 0;
}

void SvgPfad::bewege(double x, double y) {
  x_ = x;
  y_ = y;
  teile.push_back({x, y, segmente.size(), 0, false});
  offen_ = true;
}

void SvgPfad::segment(const SvgSegment& s) {
  // A drawing command after a close starts again at the subpath's start.
  if (!offen_) bewege(x_, y_);
  segmente.push_back(s);
  ++teile.back().anzahl;
  x_ = s.x;
  y_ = s.y;
}

void SvgPfad::linie(double x, double y) {
  SvgSegment s;
  s.x = x;
  s.y = y;
  segment(s);
}

void SvgPfad::kubisch(double x1, double y1, double x2, double y2, double x, double y) {
  SvgSegment s;
  s.art = SvgSegment::Art::Kubisch;
  s.x1 = x1, s.y1 = y1, s.x2 = x2, s.y2 = y2, s.x = x, s.y = y;
  segment(s);
}

void SvgPfad::bogen(double rx, double ry, double phiGrad, bool gross, bool positiv, double x, double y) {
  const double x0 = x_, y0 = y_;
  if (x0 == x && y0 == y) return;
  rx = std::abs(rx);
  ry = std::abs(ry);
  if (rx == 0 || ry == 0) {
    linie(x, y);
    return;
  }
  // From the end points to the centre: the conversion the SVG format
  // documents for its arcs.
  const double phi = std::fmod(phiGrad, 360) * std::numbers::pi / 180, co = std::cos(phi), si = std::sin(phi);
  const double dx = (x0 - x) / 2, dy = (y0 - y) / 2;
  const double x1 = co * dx + si * dy, y1 = -si * dx + co * dy;
  // Radii too small to reach are scaled up until they just do.
  const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
  if (lambda > 1) {
    rx *= std::sqrt(lambda);
    ry *= std::sqrt(lambda);
  }
  const double zaehler = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
  const double nenner = rx * rx * y1 * y1 + ry * ry * x1 * x1;
  double k = nenner > 0 ? std::sqrt(std::max(0.0, zaehler / nenner)) : 0;
  if (gross == positiv) k = -k;
  const double cx1 = k * rx * y1 / ry, cy1 = -k * ry * x1 / rx;
  SvgSegment s;
  s.art = SvgSegment::Art::Bogen;
  s.x = x, s.y = y;
  s.cx = co * cx1 - si * cy1 + (x0 + x) / 2;
  s.cy = si * cx1 + co * cy1 + (y0 + y) / 2;
  s.rx = rx, s.ry = ry, s.phi = phi;
  s.t1 = std::atan2((y1 - cy1) / ry, (x1 - cx1) / rx);
  const double t2 = std::atan2((-y1 - cy1) / ry, (-x1 - cx1) / rx);
  double dt = t2 - s.t1;
  if (positiv && dt < 0) dt += 2 * std::numbers::pi;
  if (!positiv && dt > 0) dt -= 2 * std::numbers::pi;
  s.dt = dt;
  if (!std::isfinite(s.cx) || !std::isfinite(s.cy) || !std::isfinite(dt)) {
    linie(x, y);
    return;
  }
  segment(s);
}

void SvgPfad::ellipse(double cx, double cy, double rx, double ry) {
  bewege(cx + rx, cy);
  SvgSegment s;
  s.art = SvgSegment::Art::Bogen;
  s.x = cx + rx, s.y = cy;
  s.cx = cx, s.cy = cy, s.rx = rx, s.ry = ry, s.t1 = 0, s.dt = 2 * std::numbers::pi;
  segment(s);
  schliesse();
}

void SvgPfad::schliesse() {
  if (!offen_) return;
  teile.back().zu = true;
  x_ = teile.back().x0;
  y_ = teile.back().y0;
  offen_ = false;
}

namespace {

bool flagge(std::string_view d, std::size_t& i, bool& f) {
  while (i < d.size() && (d[i] == ' ' || d[i] == '\t' || d[i] == '\n' || d[i] == '\r' || d[i] == ',')) ++i;
  if (i >= d.size() || (d[i] != '0' && d[i] != '1')) return false;
  f = d[i++] == '1';
  return true;
}

}  // namespace

bool svgPfadLesen(std::string_view d, SvgPfad& p) {
  std::size_t i = 0;
  char befehl = 0;
  // The last control point, for the smooth commands S and T.
  double kx = 0, ky = 0;
  char vorher = 0;
  double w[7];
  static constexpr std::string_view kBefehle = "MmLlHhVvCcSsQqTtAaZz";
  while (true) {
    while (i < d.size() && (d[i] == ' ' || d[i] == '\t' || d[i] == '\n' || d[i] == '\r' || d[i] == ',')) ++i;
    if (i >= d.size()) return true;
    if (kBefehle.find(d[i]) != std::string_view::npos) {
      befehl = d[i++];
    } else if (befehl == 0 || befehl == 'Z' || befehl == 'z') {
      return false;
    }
    // Otherwise the last command repeats with new numbers.
    const bool rel = befehl >= 'a';
    const char art = static_cast<char>(rel ? befehl - 'a' + 'A' : befehl);
    const double ox = rel ? p.x() : 0, oy = rel ? p.y() : 0;
    const std::size_t vor = i;
    const auto zahlen = [&](int n) {
      for (int k = 0; k < n; ++k)
        if (!svgZahl(d, i, w[k])) return false;
      return true;
    };
    switch (art) {
      case 'Z':
        p.schliesse();
        break;
      case 'M':
        if (!zahlen(2)) return false;
        p.bewege(ox + w[0], oy + w[1]);
        // Further pairs after a move are lines.
        befehl = rel ? 'l' : 'L';
        break;
      case 'L':
        if (!zahlen(2)) return false;
        p.linie(ox + w[0], oy + w[1]);
        break;
      case 'H':
        if (!zahlen(1)) return false;
        p.linie(ox + w[0], p.y());
        break;
      case 'V':
        if (!zahlen(1)) return false;
        p.linie(p.x(), oy + w[0]);
        break;
      case 'C':
        if (!zahlen(6)) return false;
        p.kubisch(ox + w[0], oy + w[1], ox + w[2], oy + w[3], ox + w[4], oy + w[5]);
        kx = ox + w[2], ky = oy + w[3];
        break;
      case 'S': {
        if (!zahlen(4)) return false;
        const bool glatt = vorher == 'C' || vorher == 'S';
        const double x1 = glatt ? 2 * p.x() - kx : p.x(), y1 = glatt ? 2 * p.y() - ky : p.y();
        p.kubisch(x1, y1, ox + w[0], oy + w[1], ox + w[2], oy + w[3]);
        kx = ox + w[0], ky = oy + w[1];
        break;
      }
      case 'Q':
      case 'T': {
        double qx = 0, qy = 0, x = 0, y = 0;
        if (art == 'Q') {
          if (!zahlen(4)) return false;
          qx = ox + w[0], qy = oy + w[1], x = ox + w[2], y = oy + w[3];
        } else {
          if (!zahlen(2)) return false;
          const bool glatt = vorher == 'Q' || vorher == 'T';
          qx = glatt ? 2 * p.x() - kx : p.x(), qy = glatt ? 2 * p.y() - ky : p.y();
          x = ox + w[0], y = oy + w[1];
        }
        // The quadratic as the cubic with the same curve.
        const double x0 = p.x(), y0 = p.y();
        p.kubisch(x0 + 2.0 / 3 * (qx - x0), y0 + 2.0 / 3 * (qy - y0), x + 2.0 / 3 * (qx - x), y + 2.0 / 3 * (qy - y), x,
                  y);
        kx = qx, ky = qy;
        break;
      }
      case 'A': {
        bool gross = false, positiv = false;
        if (!zahlen(3) || !flagge(d, i, gross) || !flagge(d, i, positiv) || !svgZahl(d, i, w[3]) ||
            !svgZahl(d, i, w[4]))
          return false;
        p.bogen(w[0], w[1], w[2], gross, positiv, ox + w[3], oy + w[4]);
        break;
      }
      default:
        return false;
    }
    vorher = art;
    // A repeated command that read nothing would never end.
    if (i == vor && art != 'Z') return false;
  }
}

}  // namespace quarzel
