#include "edit/symbolwerkzeug.h"

#include <cmath>

#include "edit/symbolablage.h"

namespace quarzel {

namespace {

double normiert(double grad) {
  if (!std::isfinite(grad)) return 0;
  const double w = std::fmod(grad, 360.0);
  return w < 0 ? w + 360.0 : w;
}

}  // namespace

void Symbolwerkzeug::vormerken(Werkzeugumgebung& u, std::unique_ptr<Symbol> symbol, std::string name) {
  band_.loesche(u.rueckmeldung);
  symbol_ = std::move(symbol);
  name_ = std::move(name);
  zeigerBekannt_ = false;
  rahmen_.reset();
  band_ = {};
  if (!symbol_) return;
  rahmen_ = symbolumgebung(*symbol_);
  band_.sammle(symbol_->zeichnung);
}

void Symbolwerkzeug::setzeLage(Werkzeugumgebung& u, double winkel, bool gespiegelt) {
  lage_.winkel = normiert(winkel);
  lage_.gespiegelt = gespiegelt;
  if (band_.gezeichnet()) zeigeBand(u);
}

void Symbolwerkzeug::zeigeBand(Werkzeugumgebung& u) {
  if (!symbol_ || !zeigerBekannt_) return;
  band_.zeige(u.rueckmeldung, u.zeichnung.ansicht, symbolabbildung(*symbol_, u.zeichnung, lage_));
}

void Symbolwerkzeug::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  if (!bereit() || !std::isfinite(p.x) || !std::isfinite(p.y)) return;
  band_.loesche(u.rueckmeldung);
  lage_.punkt = p;
  // Elements marked before lose their mark colour only in a full redraw.
  const bool warenMarkiert = u.zeichnung.speicher.anzahlMarkierte() > 0;
  const std::int32_t anfang = fuegeSymbolEin(u.zeichnung, *symbol_, lage_, name_, rahmen_ ? &*rahmen_ : nullptr);
  u.zustand.vonVorn();
  if (anfang == 0) return;
  if (warenMarkiert && u.neuZeichnen) {
    u.neuZeichnen();
  } else if (u.elementeZeichnen) {
    u.elementeZeichnen(anfang, u.zeichnung.speicher.anzahl());
  }
}

void Symbolwerkzeug::zweiteTaste(Werkzeugumgebung& u, Weltpunkt) {
  abbrechen(u);
}

void Symbolwerkzeug::bewegung(Werkzeugumgebung& u, Weltpunkt p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
  lage_.punkt = p;
  zeigerBekannt_ = true;
  zeigeBand(u);
}

void Symbolwerkzeug::rueckmeldungLoeschen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
}

void Symbolwerkzeug::abbrechen(Werkzeugumgebung& u) {
  u.zustand.vonVorn();
  vormerken(u, nullptr, {});
  if (u.markierenAktivieren) u.markierenAktivieren();
}

bool Symbolwerkzeug::zeichen(Werkzeugumgebung& u, char32_t zeichen) {
  if (!bereit()) return false;
  if (zeichen == U'r' || zeichen == U'R') {
    setzeLage(u, lage_.winkel + 90, lage_.gespiegelt);
  } else if (zeichen == U's' || zeichen == U'S') {
    setzeLage(u, lage_.winkel, !lage_.gespiegelt);
  } else {
    return false;
  }
  zeigeBand(u);  // also when the band was not shown since the last copy
  return true;
}

}  // namespace quarzel
