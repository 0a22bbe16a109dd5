// The path words: the current point, lines, points and boxes. LINETO is the
// word macros call most often, so it reads its operands in place and adds
// its line without any allocation of its own.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "macro/makrostapel.h"
#include "macro/makrovariablen.h"
#include "macro/makrowerte.h"
#include "macro/makrozeichner.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

Weltpunkt plus(Weltpunkt a, Weltpunkt b) {
  return {a.x + b.x, a.y + b.y};
}

}  // namespace

std::optional<Makrofehler> Makrozeichner::pfad(Befehl b, Makrostapel& s, Makrovariablen& v) {
  const bool relativ =
      b == Befehl::RMOVETO || b == Befehl::RLINETO || b == Befehl::RPOINT || b == Befehl::RBOX || b == Befehl::RFBOX;

  if (b == Befehl::CLOSEPATH) {
    linie(z_.punkt, z_.pfadanfang);
    return std::nullopt;
  }

  if (b == Befehl::SETPOINT) {
    if (s.groesse() < 2) return Makrofehler::ZuwenigParameter;
    const auto stil = liesGanzzahl(s.oben(1));
    const auto groesse = liesGanzzahl(s.oben(0));
    if (!stil || !groesse) return Makrofehler::UngueltigerParameter;
    z_.punktstil = static_cast<int>(std::clamp<std::int64_t>(*stil, 0, 14));
    z_.punktgroesse = static_cast<int>(std::clamp<std::int64_t>(*groesse, 2, 254));
    s.entferne(2);
    return std::nullopt;
  }

  double w[2];
  if (auto f = zahlen(s, 2, w)) return f;
  const Weltpunkt p = relativ ? plus(z_.punkt, versatz(w[0], w[1])) : welt(w[0], w[1]);
  if (!endlich({p.x, p.y})) return Makrofehler::UnbekannterFehler;

  switch (b) {
    case Befehl::MOVETO:
      z_.punkt = p;
      z_.pfadanfang = p;
      break;
    case Befehl::RMOVETO:
      z_.punkt = p;
      break;
    case Befehl::SETZEROPOINT:
      zeichnung_.ansicht.zeroPoint = p;
      schreibeBlattvariablen(v);
      break;
    case Befehl::LINETO:
    case Befehl::RLINETO:
      linie(z_.punkt, p);
      z_.punkt = p;
      break;
    case Befehl::POINT:
    case Befehl::RPOINT: {
      // A point is a line of no length; its style and size ride in the two
      // z values, which drawn lines leave at 0.
      const std::int32_t n = linie(p, p);
      Tliniendaten& d = zeichnung_.speicher.linie(n);
      d.z1 = z_.punktstil;
      d.z2 = z_.punktgroesse;
      z_.punkt = p;
      break;
    }
    case Befehl::BOX:
    case Befehl::RBOX:
    case Befehl::FBOX:
    case Befehl::RFBOX: {
      // The two other corners follow the turned axes: the x axis in world
      // terms is (cos a, -sin a).
      const Weltpunkt a = z_.punkt;
      Weltpunkt ecke1{p.x, a.y}, ecke3{a.x, p.y};
      const double winkel = zeichnung_.ansicht.coordAngle;
      if (winkel != 0) {
        const double r = winkel * std::numbers::pi / 180.0;
        const double ex = std::cos(r), ey = -std::sin(r);
        const double u = (p.x - a.x) * ex + (p.y - a.y) * ey;
        ecke1 = {a.x + u * ex, a.y + u * ey};
        ecke3 = {p.x - u * ex, p.y - u * ey};
        if (!endlich({ecke1.x, ecke1.y, ecke3.x, ecke3.y})) return Makrofehler::UnbekannterFehler;
      }
      if (b == Befehl::BOX || b == Befehl::RBOX) {
        linie(a, ecke1);
        linie(ecke1, p);
        linie(p, ecke3);
        linie(ecke3, a);
      } else {
        Punktpuffer& puffer = zeichnung_.speicher.punkte;
        puffer.leere();
        for (const Weltpunkt& e : {a, ecke1, p, ecke3}) puffer.fuegeHinzu(e.x, e.y);
        polygon(Elementart::Polygon, true);
      }
      break;
    }
    default:
      return Makrofehler::SchwererFehler;
  }
  return std::nullopt;
}

}  // namespace quarzel
