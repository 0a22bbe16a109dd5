#include "edit/ursprungswerkzeuge.h"

#include <cmath>
#include <numbers>

#include "edit/zeichenfigur.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

bool endlich(Weltpunkt p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

void geaendert(Werkzeugumgebung& u) {
  u.zeichnung.speicher.setzeModifiziert(true);
  if (u.ursprungGeaendert) {
    u.ursprungGeaendert();
  } else if (u.neuZeichnen) {
    u.neuZeichnen();
  }
}

}  // namespace

void setzeUrsprung(Ansicht& ansicht, Weltpunkt p, std::uint8_t knopf) {
  const auto k = static_cast<Ursprungsknopf>(knopf);
  if (k != Ursprungsknopf::Raster) ansicht.zeroPoint = p;
  if (k != Ursprungsknopf::Koordinaten) ansicht.gridOrigin = p;
}

std::optional<double> richtungswinkel(Weltpunkt von, Weltpunkt nach) {
  const double dx = nach.x - von.x, dy = nach.y - von.y;
  if ((dx == 0 && dy == 0) || !std::isfinite(dx) || !std::isfinite(dy)) return std::nullopt;
  // World y grows downward; the user's angles turn counter-clockwise on screen.
  return std::atan2(-dy, dx) * 180.0 / std::numbers::pi;
}

void dreheKoordinatensystem(Ansicht& ansicht, double grad, std::uint8_t knopf) {
  if (!std::isfinite(grad)) return;
  ansicht.coordAngle = static_cast<float>(std::fmod(grad, 360.0));
  if (static_cast<Drehknopf>(knopf) == Drehknopf::MitRaster) ansicht.gridAngle = ansicht.coordAngle;
}

// --- 132, 134 --------------------------------------------------------------

void Ursprungswerkzeuge::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  if (!endlich(p)) return;
  Werkzeugzustand& z = u.zustand;
  if (z.werkzeug == Werkzeugcode::Referenzpunkt) {
    z.referenzpunkt = p;
  } else if (z.werkzeug == Werkzeugcode::Ursprung) {
    setzeUrsprung(u.zeichnung.ansicht, p, z.knopf);
    // Relative entry starts afresh from the new origin.
    if (static_cast<Ursprungsknopf>(z.knopf) != Ursprungsknopf::Raster) z.referenzpunkt = p;
    geaendert(u);
  }
  z.vonVorn();
}

void Ursprungswerkzeuge::abbrechen(Werkzeugumgebung& u) {
  u.zustand.vonVorn();
}

// --- 135 ---------------------------------------------------------------------

void Koordinatendrehung::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  if (!endlich(p)) return;
  Werkzeugzustand& z = u.zustand;
  if (z.schritt <= 1 || z.punkte.empty()) {
    z.punkte.assign(1, p);
    z.schritt = 2;
    z.bezug = p;
    return;
  }
  band_.loesche(u.rueckmeldung);
  const std::optional<double> winkel = richtungswinkel(z.punkte.front(), p);
  z.vonVorn();
  // Two equal points give no direction: the system stays as it was.
  if (!winkel) return;
  dreheKoordinatensystem(u.zeichnung.ansicht, *winkel, z.knopf);
  geaendert(u);
}

void Koordinatendrehung::bewegung(Werkzeugumgebung& u, Weltpunkt p) {
  const Werkzeugzustand& z = u.zustand;
  if (z.punkte.empty() || !endlich(p)) {
    band_.loesche(u.rueckmeldung);
    return;
  }
  Zeichenfigur achse;
  achse.linien.push_back({z.punkte.front(), p});
  band_.zeige(u.rueckmeldung, u.zeichnung.ansicht, achse, gummibandfarbe);
}

void Koordinatendrehung::abbrechen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
  u.zustand.vonVorn();
}

}  // namespace quarzel
